#include "app/command_line.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace mervane {
namespace {

using ::testing::HasSubstr;
using ::testing::StartsWith;

CommandLineOutcome Parse(QStringList arguments) {
    return ParseCommandLine(arguments, QStringLiteral("1.0"));
}

TEST(CommandLine, NoArgumentsStartsTheGameSilently) {
    const CommandLineOutcome outcome = Parse({QStringLiteral("/usr/bin/mervane")});
    EXPECT_TRUE(outcome.startGame);
    EXPECT_EQ(outcome.exitCode, 0);
    EXPECT_EQ(outcome.out, "");
    EXPECT_EQ(outcome.err, "");
}

TEST(CommandLine, HelpPrintsUsageUnderTheProgramsOwnName) {
    for (const char* option : {"--help", "-h"}) {
        const CommandLineOutcome outcome =
            Parse({QStringLiteral("/usr/games/mervane"), QString::fromLatin1(option)});
        EXPECT_FALSE(outcome.startGame) << option;
        EXPECT_EQ(outcome.exitCode, 0);
        EXPECT_THAT(outcome.out, StartsWith("Usage: mervane [options]\n"));
        EXPECT_THAT(outcome.out, HasSubstr("--version"));
        EXPECT_THAT(outcome.out, Not(HasSubstr("<executable_name>")));
        EXPECT_EQ(outcome.err, "");
    }
}

TEST(CommandLine, VersionPrintsNameAndVersion) {
    for (const char* option : {"--version", "-v"}) {
        const CommandLineOutcome outcome =
            Parse({QStringLiteral("mervane"), QString::fromLatin1(option)});
        EXPECT_FALSE(outcome.startGame);
        EXPECT_EQ(outcome.exitCode, 0);
        EXPECT_EQ(outcome.out, "mervane 1.0\n");
    }
}

TEST(CommandLine, HelpWinsOverVersion) {
    const CommandLineOutcome outcome =
        Parse({QStringLiteral("mervane"), QStringLiteral("--version"), QStringLiteral("--help")});
    EXPECT_THAT(outcome.out, StartsWith("Usage:"));
}

// Anything but the two options is refused with exit code 2, one error line first and
// then the usage, all on standard error; even when --help or --version is also given.
TEST(CommandLine, RefusesUnknownOptionsArgumentsAndValues) {
    const struct {
        QStringList arguments;
        const char* error;
    } cases[] = {
        {{"--bogus"}, "mervane: Unknown option 'bogus'.\n"},
        {{"-x", "--help"}, "mervane: Unknown option 'x'.\n"},
        {{"--version", "-platform", "xcb"}, "mervane: Unknown option 'platform'.\n"},
        {{"saved.game"}, "mervane: Unexpected argument 'saved.game'.\n"},
        {{"a", "b"}, "mervane: Unexpected arguments: a, b.\n"},
        {{"--version=2"}, "mervane: Unexpected value after '--version'.\n"},
    };
    for (const auto& c : cases) {
        const CommandLineOutcome outcome =
            Parse(QStringList{QStringLiteral("mervane")} + c.arguments);
        SCOPED_TRACE(c.arguments.join(QLatin1Char(' ')).toStdString());
        EXPECT_FALSE(outcome.startGame);
        EXPECT_EQ(outcome.exitCode, kUsageExitCode);
        EXPECT_EQ(outcome.out, "");
        EXPECT_THAT(outcome.err, StartsWith(std::string(c.error) + "Usage: mervane [options]\n"));
    }
}

TEST(CommandLine, ReadsTheRawArgumentsAndVersion) {
    EXPECT_TRUE(Parse({}).startGame);
    EXPECT_EQ(Parse({}).out, "");
    char program[] = "./mervane";
    char option[] = "--version";
    char* argv[] = {program, option, nullptr};
    const CommandLineOutcome outcome =
        ParseCommandLine(RawArguments(2, argv), QStringLiteral("2.5"));
    EXPECT_EQ(outcome.out, "mervane 2.5\n");
}

}  // namespace
}  // namespace mervane
