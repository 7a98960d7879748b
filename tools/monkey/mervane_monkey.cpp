// mervane-monkey: random input to the real main window, headless, checked after every
// action. A failure prints its seed and the action that replay it and exits with 1.

#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "app/mervane_app.h"
#include "monkey.h"

namespace {

void Usage(std::FILE* to) {
    std::fputs(
        "usage: mervane-monkey [--seed N] [--actions K] [--max-ms MS] [--verbose]\n"
        "  --seed N      every choice comes from this seed (default 1)\n"
        "  --actions K   how many actions to make (default 1000)\n"
        "  --max-ms MS   the longest one action's handling may take (default 300)\n"
        "  --verbose     print every action, answer and dialog field changed\n",
        to);
}

// The offscreen platform says this at every resize.
void Quieter(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (text.contains(QLatin1String("propagateSizeHints"))) return;
    std::fputs(qFormatLogMessage(type, context, text).toLocal8Bit().append('\n').constData(),
               stderr);
}

bool Number(const char* text, unsigned long long& value) {
    char* end = nullptr;
    value = std::strtoull(text, &end, 10);
    return end && *end == '\0' && end != text;
}

}  // namespace

int main(int argc, char* argv[]) {
    mervane::MonkeyOptions options;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        unsigned long long value = 0;
        const bool hasValue = i + 1 < argc && Number(argv[i + 1], value);
        if (arg == "--verbose") {
            options.verbose = true;
        } else if (arg == "--help") {
            Usage(stdout);
            return 0;
        } else if (arg == "--seed" && hasValue) {
            options.seed = value;
            ++i;
        } else if (arg == "--actions" && hasValue) {
            options.actions = static_cast<long>(value);
            ++i;
        } else if (arg == "--max-ms" && hasValue && value > 0) {
            options.maxMs = static_cast<int>(value);
            ++i;
        } else {
            std::fprintf(stderr, "mervane-monkey: bad argument '%s'\n", arg.c_str());
            Usage(stderr);
            return 2;
        }
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    // The checks read the English names.
    qputenv("LANGUAGE", "en");
    // Settings, window state and statistics in a folder of the run's own.
    QTemporaryDir dir;
    if (!dir.isValid()) {
        std::fprintf(stderr, "mervane-monkey: no temporary folder\n");
        return 1;
    }
    qputenv("XDG_CONFIG_HOME", dir.filePath(QStringLiteral("config")).toLocal8Bit());
    qputenv("XDG_RUNTIME_DIR", dir.path().toLocal8Bit());
    qputenv("XDG_STATE_HOME", dir.filePath(QStringLiteral("state")).toLocal8Bit());
    qputenv("MERVANE_WINDOW_STATE_FILE", dir.filePath(QStringLiteral("window.ini")).toLocal8Bit());
    options.settingsPath = dir.filePath(QStringLiteral("mervane.ini"));

    qInstallMessageHandler(Quieter);
    mervane::CMervaneApp::BeforeQApplication();
    QApplication application(argc, argv);
    QElapsedTimer clock;
    clock.start();
    mervane::Monkey monkey(options);
    const int status = monkey.Run();
    const mervane::MonkeyCounts& c = monkey.Counts();
    std::printf(
        "seed %llu: %ld actions (%ld mid-chain) in %.1f s; %ld hands dealt, %ld ended, %ld dead; "
        "%ld games started, %ld finished; %ld refused taps; %ld dialogs, %ld answers; "
        "longest %.1f ms (%s); digest %016llx\n",
        static_cast<unsigned long long>(options.seed), c.actions, c.midChainActions,
        static_cast<double>(clock.elapsed()) / 1000.0, c.handsDealt, c.handsEnded, c.deadRounds,
        c.gamesStarted, c.gamesFinished, c.refusedTaps, c.dialogs, c.answers, c.longestMs,
        c.longestWhat.c_str(), static_cast<unsigned long long>(c.digest));
    return status;
}
