// What the test clients read of an accessible object, as a screen reader reads it: name, value,
// description and role in one line.
#pragma once

#include <windows.h>

#include <oleacc.h>

#include <string>

namespace win32_test {

// '"von Länge Grad", value "0", description "0 bis 180", role text': the name always, value and
// description where the object has them.
std::string Describe(IAccessible* object, long child = CHILDID_SELF);

// "Text4", "Label17", "announcement", or the control ID, for a control of the program's window.
std::string ControlName(HWND control);

}  // namespace win32_test
