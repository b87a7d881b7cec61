#include "sessions/painted.h"

#include <algorithm>
#include <cstdlib>

#include "form/colour_scheme.h"
#include "form/layout.h"

namespace sessions {

namespace {

Area Grown(const Area& a, long by) {
    return {a.left - by, a.top - by, a.right + by, a.bottom + by};
}

bool IsEmpty(const Area& a) {
    return a.right <= a.left || a.bottom <= a.top;
}

bool Contains(const Area& outer, const Area& inner) {
    return !IsEmpty(inner) && inner.left >= outer.left && inner.top >= outer.top &&
           inner.right <= outer.right && inner.bottom <= outer.bottom;
}

// The smallest area around the pixels within area that pass test(x, y, 0xRRGGBB); empty when
// none does.
template <typename Test>
Area BoundsOf(const Painted& painted, const Area& area, Test test) {
    Area bounds{0, 0, 0, 0};
    for (long y = std::max(0L, area.top); y < std::min<long>(painted.height, area.bottom); ++y) {
        for (long x = std::max(0L, area.left); x < std::min<long>(painted.width, area.right); ++x) {
            if (!test(x, y, painted.At(x, y))) continue;
            if (IsEmpty(bounds)) bounds = {x, y, x + 1, y + 1};
            bounds = {std::min(bounds.left, x), std::min(bounds.top, y),
                      std::max(bounds.right, x + 1), std::max(bounds.bottom, y + 1)};
        }
    }
    return bounds;
}

}  // namespace

double FigureContrast(const Painted& painted, const Area& area) {
    double contrast = 1;
    for (long y = area.top; y < area.bottom; ++y)
        for (long x = area.left; x < area.right; ++x)
            contrast = std::max(
                contrast, form::ContrastRatio(painted.At(x, y), painted.At(area.left, area.top)));
    return contrast;
}

std::string Misplaced(const Painted& painted, const std::function<long(int)>& toPixels, long frame,
                      long slack) {
    const long margin = 2 * frame;
    const auto place = [&](int left, int top, int width, int height) {
        const long x = toPixels(left), y = toPixels(top);
        return Area{x, y, x + toPixels(width), y + toPixels(height)};
    };
    const auto fills = [&](const Area& at) {
        const Area drawn = BoundsOf(painted, Grown(at, margin),
                                    [](long, long, unsigned pixel) { return pixel == 0xFFE0C0; });
        return Contains(at, drawn) && Contains(drawn, Grown(at, -frame));
    };
    std::vector<Area> boxes;
    std::string misplaced;
    for (const form::BoxLayout& box : form::kBoxesInTabOrder) {
        boxes.push_back(place(box.left, box.top, box.width, form::kBoxHeight));
        if (!fills(boxes.back())) misplaced += " Text" + std::to_string(box.box);
    }
    // Dark pixels outside the boxes, which lie above the unit signs they overlap.
    const auto isInk = [&](long x, long y, unsigned pixel) {
        return (pixel >> 16 & 0xFF) < 80 && (pixel >> 8 & 0xFF) < 80 && (pixel & 0xFF) < 80 &&
               std::none_of(boxes.begin(), boxes.end(), [&](const Area& b) {
                   return x >= b.left && x < b.right && y >= b.top && y < b.bottom;
               });
    };
    for (const form::LabelLayout& label : form::kLabels) {
        const Area at = place(label.left, label.top, label.width, label.height);
        bool there = false;
        if (label.kind == form::LabelKind::Result) {
            there = fills(at);
        } else if (label.kind == form::LabelKind::Heading) {
            // A heading fits its width to its caption: the area reaches further right.
            Area area = Grown(at, margin);
            area.right += at.right - at.left;
            const Area ink = BoundsOf(painted, area,
                                      [](long, long, unsigned pixel) { return pixel == 0xFFC080; });
            there = !IsEmpty(ink) && std::labs(ink.left - at.left) <= slack && ink.top >= at.top &&
                    ink.bottom <= at.bottom;
        } else {
            there = Contains(at, BoundsOf(painted, Grown(at, margin), isInk));
        }
        if (!there) misplaced += " Label" + std::to_string(label.label);
    }
    return misplaced.empty() ? "" : "misplaced:" + misplaced;
}

}  // namespace sessions
