#pragma once

#include <QString>
#include <QStringList>
#include <string>

namespace mervane {

// What the command line asks for. The game takes no options of its own beyond --help
// and --version (its configuration is the settings file), so anything else is refused.
struct CommandLineOutcome {
    bool startGame = true;
    int exitCode = 0;
    std::string out;  // for standard output
    std::string err;  // for standard error
};

// Exit code for a command line that cannot be understood, as other command-line tools use.
inline constexpr int kUsageExitCode = 2;

// Reads the raw arguments (the program's path first). Needs no QCoreApplication, so
// --help and --version answer before any window system is touched.
CommandLineOutcome ParseCommandLine(const QStringList& arguments, const QString& version);

// The arguments as the C runtime passed them, in the locale's encoding.
QStringList RawArguments(int argc, char* argv[]);

}  // namespace mervane
