// What both windows must paint, checked on the pixels that each window's tests read back from its
// client area: every control where the layout puts it, and figures that read on their fields.
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

namespace sessions {

// The client area as painted, in device pixels.
struct Painted {
    int width = 0;
    int height = 0;
    std::vector<unsigned> pixels;  // 0x..RRGGBB, row by row from the top

    unsigned At(long x, long y) const { return pixels[std::size_t(y * width + x)] & 0xFFFFFF; }
};

// A rectangle of pixels; right and bottom lie just outside it.
struct Area {
    long left, top, right, bottom;
};

// The WCAG 2 contrast of the figures drawn within area against the field's colour at its corner.
double FigureContrast(const Painted& painted, const Area& area);

// The controls that are not drawn where the layout puts them, named, or nothing: each peach
// (FFE0C0) box and result field fills its place inside a frame of at most frame pixels, each
// light orange (FFC080) heading's underline begins within slack pixels of its place's left edge,
// and each unit sign's ink lies within its place. toPixels turns twips into the pixels painted.
std::string Misplaced(const Painted& painted, const std::function<long(int)>& toPixels, long frame,
                      long slack);

}  // namespace sessions
