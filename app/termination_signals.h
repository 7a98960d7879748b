#pragma once

#include <QObject>
#include <functional>

class QSocketNotifier;

namespace mervane {

// SIGTERM, SIGINT and SIGHUP (kill, Ctrl+C in a terminal, a logout) end the program
// the way Exit does, from the event loop: the handler only writes a byte to a pipe,
// and the loop reads it and runs `close`. After the first signal each goes back to
// its default, so a second one ends a close that hangs.
class TerminationSignals : public QObject {
    Q_OBJECT
  public:
    explicit TerminationSignals(std::function<void()> close, QObject* parent = nullptr);
    // The signals get their default handling back.
    ~TerminationSignals() override;

    // False when the pipe or a handler could not be set up; the signals then end
    // the process as before.
    bool Installed() const { return installed_; }

  private:
    void Arrived();

    std::function<void()> close_;
    QSocketNotifier* notifier_ = nullptr;
    bool installed_ = false;
};

}  // namespace mervane
