// The layout's 0xRRGGBB colours as Qt colours.
#pragma once

#include <QColor>

namespace qt {

inline QColor ToColour(unsigned rgb) {
    return QColor::fromRgb(static_cast<QRgb>(rgb));
}

}  // namespace qt
