#include "platform/ui/FormWindows.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QPlatformSurfaceEvent>
#include <QPointer>
#include <QWindow>
#include <QtGui/qguiapplication_platform.h>

#include <xcb/xcb.h>

#include <cstdlib>
#include <memory>

namespace {

struct TFreeReply {
    void operator()(void* reply) const { std::free(reply); }
};

} // namespace

// An X display composites when a compositing manager owns the selection
// _NET_WM_CM_S<screen>.
bool X11Composites()
{
    const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    xcb_connection_t* connection = x11 ? x11->connection() : nullptr;
    if (!connection)
        return false;
    const QByteArray display = qgetenv("DISPLAY");
    const qsizetype dot = display.lastIndexOf('.');
    const QByteArray screen = dot > display.lastIndexOf(':') ? display.mid(dot + 1) : QByteArray("0");
    const QByteArray name = "_NET_WM_CM_S" + screen;
    const std::unique_ptr<xcb_intern_atom_reply_t, TFreeReply> atom(xcb_intern_atom_reply(
        connection, xcb_intern_atom(connection, 1, static_cast<uint16_t>(name.size()), name.constData()), nullptr));
    if (!atom || atom->atom == XCB_NONE)
        return false;
    const std::unique_ptr<xcb_get_selection_owner_reply_t, TFreeReply> owner(
        xcb_get_selection_owner_reply(connection, xcb_get_selection_owner(connection, atom->atom), nullptr));
    return owner && owner->owner != XCB_NONE;
}

// Qt gives the windows it makes on X a colormap of their own. An X server
// reading the screen back (a screenshot of the root window, a remote view)
// returns such a window as black where it lies wholly inside another window
// of the program, though the screen itself shows it: a dialog centred on
// the main window looked black. On the screen's own visual the screen's
// colormap gives the same colours, so every window made on that visual takes
// it before it is mapped.

namespace {

void UseScreenColormap(const QWindow& window)
{
    const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    xcb_connection_t* connection = x11 ? x11->connection() : nullptr;
    if (!connection)
        return;
    const auto id = static_cast<xcb_window_t>(window.winId());
    const std::unique_ptr<xcb_get_window_attributes_reply_t, TFreeReply> attributes(
        xcb_get_window_attributes_reply(connection, xcb_get_window_attributes(connection, id), nullptr));
    if (!attributes || attributes->_class != XCB_WINDOW_CLASS_INPUT_OUTPUT)
        return;
    for (xcb_screen_iterator_t screen = xcb_setup_roots_iterator(xcb_get_setup(connection)); screen.rem;
        xcb_screen_next(&screen)) {
        if (screen.data->root_visual != attributes->visual || attributes->colormap == screen.data->default_colormap)
            continue;
        const uint32_t colormap = screen.data->default_colormap;
        xcb_change_window_attributes(connection, id, XCB_CW_COLORMAP, &colormap);
        return;
    }
}

class TColormapSetter : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::PlatformSurface && watched->isWindowType()
            && static_cast<QPlatformSurfaceEvent*>(event)->surfaceEventType()
                == QPlatformSurfaceEvent::SurfaceCreated)
            UseScreenColormap(*static_cast<QWindow*>(watched));
        return false;
    }
};

} // namespace

void UseScreenColormaps()
{
    static QPointer<TColormapSetter> setter;
    // The headless platform may answer for X too, without a connection.
    if (setter || !qGuiApp || QGuiApplication::platformName() != QStringLiteral("xcb"))
        return;
    setter = new TColormapSetter(qGuiApp);
    qGuiApp->installEventFilter(setter);
}
