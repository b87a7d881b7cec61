// Which display the window goes to. On a Wayland compositor that leaves the title bar to its
// programs, Qt draws its own, with minimise and maximise boxes whatever the window's flags, and
// its size limits leave that title bar out, so the fixed window could be resized by its height.
// As an X11 window through XWayland, the compositor draws the frame instead, as an X11 window
// manager does: the close box only, at a fixed size.
#pragma once

namespace qt {

// Asks Qt for X11 first, Wayland second, when nobody chose a platform, the Wayland compositor
// does not draw frames itself and an X display is there. Runs before the application is made.
void PreferFrameDrawnByCompositor();

}  // namespace qt
