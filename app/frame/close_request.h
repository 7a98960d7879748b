#pragma once

#include <QAbstractNativeEventFilter>
#include <cstdint>
#include <memory>

class QWidget;

namespace mervane {

// The window manager's request to close the main window, caught as the X11 message
// it arrives in. Qt drops that request while a modal dialog blocks the window, yet
// closing the window must end the program whatever is open; so while a modal window
// is up the request is taken here and the window is closed as Exit closes it.
// Without a modal window Qt delivers the close itself and this lets it through.
class CloseRequestFilter : public QAbstractNativeEventFilter {
  public:
    // Watches for the X11 atoms WM_PROTOCOLS and WM_DELETE_WINDOW.
    CloseRequestFilter(QWidget& window, std::uint32_t protocolsAtom, std::uint32_t deleteAtom);
    // Installed on the application for `window` when it runs under X11; none elsewhere.
    static std::unique_ptr<CloseRequestFilter> ForPlatform(QWidget& window);

    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override;

  private:
    QWidget& window_;
    std::uint32_t protocolsAtom_;
    std::uint32_t deleteAtom_;
};

}  // namespace mervane
