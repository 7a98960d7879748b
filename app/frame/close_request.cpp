#include "app/frame/close_request.h"

#include <xcb/xcb.h>

#include <QCoreApplication>
#include <QGuiApplication>
#include <QMetaObject>
#include <QWidget>
#include <cstdlib>
#include <cstring>

namespace mervane {
namespace {

std::uint32_t InternAtom(xcb_connection_t* connection, const char* name) {
    const xcb_intern_atom_cookie_t cookie =
        xcb_intern_atom(connection, 0, static_cast<std::uint16_t>(std::strlen(name)), name);
    xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(connection, cookie, nullptr);
    if (!reply) return XCB_ATOM_NONE;
    const std::uint32_t atom = reply->atom;
    std::free(reply);
    return atom;
}

}  // namespace

CloseRequestFilter::CloseRequestFilter(QWidget& window, std::uint32_t protocolsAtom,
                                       std::uint32_t deleteAtom)
    : window_(window), protocolsAtom_(protocolsAtom), deleteAtom_(deleteAtom) {
    QCoreApplication::instance()->installNativeEventFilter(this);
}

std::unique_ptr<CloseRequestFilter> CloseRequestFilter::ForPlatform(QWidget& window) {
    const auto* x11 = qApp ? qApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    if (!x11 || !x11->connection()) return nullptr;
    xcb_connection_t* connection = x11->connection();
    const std::uint32_t protocols = InternAtom(connection, "WM_PROTOCOLS");
    const std::uint32_t deleteWindow = InternAtom(connection, "WM_DELETE_WINDOW");
    if (protocols == XCB_ATOM_NONE || deleteWindow == XCB_ATOM_NONE) return nullptr;
    return std::make_unique<CloseRequestFilter>(window, protocols, deleteWindow);
}

bool CloseRequestFilter::nativeEventFilter(const QByteArray& eventType, void* message, qintptr*) {
    if (eventType != "xcb_generic_event_t" || !message) return false;
    const auto* event = static_cast<const xcb_generic_event_t*>(message);
    if ((event->response_type & 0x7f) != XCB_CLIENT_MESSAGE) return false;
    const auto* request = static_cast<const xcb_client_message_event_t*>(message);
    if (request->format != 32 || request->type != protocolsAtom_ ||
        request->data.data32[0] != deleteAtom_)
        return false;
    const WId target = window_.internalWinId();
    if (target == 0 || request->window != target || !QGuiApplication::modalWindow()) return false;
    // Not from inside the window system's event handling: the close rejects dialogs
    // and ends their event loops.
    QMetaObject::invokeMethod(&window_, &QWidget::close, Qt::QueuedConnection);
    return true;
}

}  // namespace mervane
