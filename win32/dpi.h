// Display scaling. The layout is in twips, fonts in points; both become pixels at the DPI of the
// monitor the window is on (form::TwipsToPixels), which the window learns at creation and again on
// WM_DPICHANGED.
#pragma once

#include <windows.h>

#include "form/layout.h"

namespace win32 {

// The window's DPI: per monitor where Windows knows it (10, version 1607 on), else the system's.
UINT DpiOf(HWND window);

// The outer size of a window whose client area is client pixels, with the frame metrics of dpi.
SIZE OuterSize(SIZE client, DWORD style, DWORD exStyle, UINT dpi);

}  // namespace win32
