// The controls' fonts at a DPI, in the first face of the layout's list that the system has in the
// size asked for.
#pragma once

#include <windows.h>

#include "form/layout.h"
#include "win32/gdi_object.h"

namespace win32 {

GdiObject<HFONT> CreateFontAt(const form::FontStyle& style, UINT dpi);

}  // namespace win32
