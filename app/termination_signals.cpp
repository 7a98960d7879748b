#include "app/termination_signals.h"

#include <fcntl.h>
#include <unistd.h>

#include <QSocketNotifier>
#include <array>
#include <cerrno>
#include <csignal>
#include <utility>

namespace mervane {
namespace {

constexpr std::array<int, 3> Handled = {SIGTERM, SIGINT, SIGHUP};

// One program, one pipe: read end first, write end second.
int pipeEnds[2] = {-1, -1};

extern "C" void OnTerminationSignal(int) {
    const int saved = errno;
    const char byte = 1;
    // Non-blocking: a full pipe already holds a wake-up.
    [[maybe_unused]] const ssize_t written = ::write(pipeEnds[1], &byte, 1);
    errno = saved;
}

}  // namespace

TerminationSignals::TerminationSignals(std::function<void()> close, QObject* parent)
    : QObject(parent), close_(std::move(close)) {
    if (pipeEnds[0] >= 0 || ::pipe2(pipeEnds, O_CLOEXEC | O_NONBLOCK) != 0) return;
    notifier_ = new QSocketNotifier(pipeEnds[0], QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, &TerminationSignals::Arrived);
    struct sigaction action {};
    action.sa_handler = OnTerminationSignal;
    sigemptyset(&action.sa_mask);
    // Restarted system calls leave the rest of the program unaware; the handler
    // runs once, and a second signal has its default effect.
    action.sa_flags = SA_RESTART | SA_RESETHAND;
    installed_ = true;
    for (int signal : Handled)
        installed_ = ::sigaction(signal, &action, nullptr) == 0 && installed_;
}

TerminationSignals::~TerminationSignals() {
    if (!notifier_) return;
    for (int signal : Handled) std::signal(signal, SIG_DFL);
    delete notifier_;
    ::close(pipeEnds[0]);
    ::close(pipeEnds[1]);
    pipeEnds[0] = pipeEnds[1] = -1;
}

void TerminationSignals::Arrived() {
    char bytes[16];
    while (::read(pipeEnds[0], bytes, sizeof bytes) > 0) {
    }
    if (close_) close_();
}

}  // namespace mervane
