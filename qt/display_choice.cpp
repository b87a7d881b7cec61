#include "qt/display_choice.h"

#include <wayland-client.h>

#include <QByteArray>
#include <cstring>

namespace qt {

namespace {

// A compositor that draws the frames of the programs that ask for it announces the interface
// through which they ask; Qt then uses it and draws no title bar of its own.
bool DrawsFrames(wl_display* display) {
    bool draws = false;
    static const wl_registry_listener listener = {
        [](void* data, wl_registry*, uint32_t, const char* interface, uint32_t) {
            if (std::strcmp(interface, "zxdg_decoration_manager_v1") == 0)
                *static_cast<bool*>(data) = true;
        },
        [](void*, wl_registry*, uint32_t) {},
    };
    wl_registry* registry = wl_display_get_registry(display);
    wl_registry_add_listener(registry, &listener, &draws);
    wl_display_roundtrip(display);
    wl_registry_destroy(registry);
    return draws;
}

}  // namespace

void PreferFrameDrawnByCompositor() {
    // A connection handed over in WAYLAND_SOCKET can be taken only once, and is left to Qt.
    if (!qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") ||
        qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") ||
        !qEnvironmentVariableIsEmpty("WAYLAND_SOCKET") || qEnvironmentVariableIsEmpty("DISPLAY"))
        return;
    wl_display* display = wl_display_connect(nullptr);
    if (display == nullptr) return;
    const bool drawsFrames = DrawsFrames(display);
    wl_display_disconnect(display);
    // Wayland stays the fallback: XWayland may be announced and still fail to start.
    if (!drawsFrames) qputenv("QT_QPA_PLATFORM", "xcb;wayland");
}

}  // namespace qt
