#include "app/command_line.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFileInfo>

namespace mervane {
namespace {

QString ProgramName(const QStringList& arguments) {
    const QString name =
        arguments.isEmpty() ? QString() : QFileInfo(arguments.constFirst()).fileName();
    return name.isEmpty() ? QStringLiteral("mervane") : name;
}

// The parser's usage line names the program as it was started, or with a placeholder
// when there is no QCoreApplication; either way it shows the program's plain name.
QString HelpText(const QCommandLineParser& parser, const QString& program) {
    QString text = parser.helpText();
    const QString started = QCoreApplication::instance() ? QCoreApplication::arguments().value(0)
                                                         : QStringLiteral("<executable_name>");
    const qsizetype at = started.isEmpty() ? -1 : text.indexOf(started);
    if (at >= 0) text.replace(at, started.size(), program);
    return text;
}

// In the user's language once a catalogue is installed; the parser's own texts
// ("Usage:", "Unknown option") come from Qt's catalogue.
QString UnexpectedArguments(const QStringList& positional) {
    if (positional.size() == 1)
        return QCoreApplication::translate("mervane::CommandLine", "Unexpected argument '%1'.")
            .arg(positional.constFirst());
    return QCoreApplication::translate("mervane::CommandLine", "Unexpected arguments: %1.")
        .arg(positional.join(QStringLiteral(", ")));
}

}  // namespace

CommandLineOutcome ParseCommandLine(const QStringList& arguments, const QString& version) {
    QCommandLineParser parser;
    parser.setApplicationDescription(QCoreApplication::translate(
        "mervane::CommandLine",
        "Mervane, a four-seat \"eights\" card game against the computer.\n"
        "Its settings are kept in ~/.config/Ostrale/mervane.ini."));
    const QCommandLineOption help(
        {QStringLiteral("h"), QStringLiteral("help")},
        QCoreApplication::translate("mervane::CommandLine", "Displays this help and exits."));
    const QCommandLineOption showVersion(
        {QStringLiteral("v"), QStringLiteral("version")},
        QCoreApplication::translate("mervane::CommandLine", "Displays the version and exits."));
    // "-platform" and the like read as one unknown word, not as eight unknown letters.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.addOption(help);
    parser.addOption(showVersion);

    const QString program = ProgramName(arguments);
    // QCommandLineParser skips the first argument as the program's path.
    const QStringList withProgram = arguments.isEmpty() ? QStringList{program} : arguments;
    QString error;
    if (!parser.parse(withProgram))
        error = parser.errorText();
    else if (!parser.positionalArguments().isEmpty())
        error = UnexpectedArguments(parser.positionalArguments());

    CommandLineOutcome outcome;
    if (!error.isEmpty()) {
        outcome.startGame = false;
        outcome.exitCode = kUsageExitCode;
        outcome.err =
            (program + QStringLiteral(": ") + error + QLatin1Char('\n') + HelpText(parser, program))
                .toStdString();
    } else if (parser.isSet(help)) {
        outcome.startGame = false;
        outcome.out = HelpText(parser, program).toStdString();
    } else if (parser.isSet(showVersion)) {
        outcome.startGame = false;
        outcome.out = (program + QLatin1Char(' ') + version + QLatin1Char('\n')).toStdString();
    }
    return outcome;
}

QStringList RawArguments(int argc, char* argv[]) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
    return arguments;
}

}  // namespace mervane
