// What assistive technology reads of a control through MSAA (and UI Automation, which reads MSAA
// where a control has nothing else). Windows names an edit box after the label just before it in
// the z-order; here every box comes before every label, so the window names its controls itself.
#pragma once

#include <windows.h>

#include <string>

namespace win32 {

// From now until the control is destroyed, its accessible object (OBJID_CLIENT) is Windows'
// standard one for it with this name and description; an empty text leaves Windows' own (for a
// label, its caption). Call it before any other subclassing of the control, which then stays in
// front of this one.
void SetAccessibleText(HWND control, std::wstring name, std::wstring description);

}  // namespace win32
