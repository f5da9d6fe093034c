#include "platform/window_caption.h"

#include <QGuiApplication>
#include <QWidget>

#ifdef ZEMLO_HAVE_XCB
#include <QtGui/qguiapplication_platform.h>
#include <xcb/xcb.h>

#include <cstdlib>
#include <cstring>
#endif

namespace zemlo {
namespace {

#ifdef ZEMLO_HAVE_XCB
xcb_atom_t InternAtom(xcb_connection_t* connection, const char* name) {
    const xcb_intern_atom_cookie_t cookie =
        xcb_intern_atom(connection, 0, static_cast<uint16_t>(std::strlen(name)), name);
    xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(connection, cookie, nullptr);
    if (reply == nullptr) return XCB_ATOM_NONE;
    const xcb_atom_t atom = reply->atom;
    std::free(reply);
    return atom;
}
#endif

class PlatformCaptionWriter : public CaptionWriter {
public:
    bool WriteEmptyCaption(QWidget& window) override {
#ifdef ZEMLO_HAVE_XCB
        auto* x11 =
            qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
        if (x11 == nullptr || !window.testAttribute(Qt::WA_WState_Created)) return false;
        xcb_connection_t* connection = x11->connection();
        const auto id = static_cast<xcb_window_t>(window.winId());
        // Both names a window manager or task bar may read: the UTF-8 one of the EWMH and the
        // ICCCM one. Qt has just written the application's name into them; these requests go
        // out after Qt's on the same connection.
        const xcb_atom_t netName = InternAtom(connection, "_NET_WM_NAME");
        const xcb_atom_t utf8 = InternAtom(connection, "UTF8_STRING");
        if (netName != XCB_ATOM_NONE && utf8 != XCB_ATOM_NONE) {
            xcb_change_property(connection, XCB_PROP_MODE_REPLACE, id, netName, utf8, 8, 0, "");
        }
        xcb_change_property(connection, XCB_PROP_MODE_REPLACE, id, XCB_ATOM_WM_NAME,
                            XCB_ATOM_STRING, 8, 0, "");
        xcb_flush(connection);
        return true;
#else
        (void)window;
        return false;
#endif
    }
};

CaptionWriter* g_writer = nullptr;

}  // namespace

CaptionWriter& Captions() {
    static PlatformCaptionWriter platform;
    return g_writer ? *g_writer : platform;
}

void SetCaptionWriter(CaptionWriter* writer) {
    g_writer = writer;
}

}  // namespace zemlo
