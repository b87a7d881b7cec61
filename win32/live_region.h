// What a screen reader speaks without the focus moving: the window's announcements, such as the
// new results or a coordinate the guard reset. A static text without size at the bottom of the
// z-order, so that nobody sees it and no key reaches it, whose accessible name is the last
// announcement. It raises EVENT_OBJECT_LIVEREGIONCHANGED (Windows 8 on), on which screen readers
// read that name, and is a polite live region for UI Automation where Windows lets a program
// annotate its controls (IAccPropServices).
#pragma once

#include <windows.h>

#include <string_view>

namespace win32 {

class LiveRegion {
  public:
    LiveRegion(HWND parent, int id, HINSTANCE instance);
    LiveRegion(const LiveRegion&) = delete;
    LiveRegion& operator=(const LiveRegion&) = delete;

    HWND Handle() const { return control_; }

    void Say(std::wstring_view sentence);
    // Forgets the last announcement without a word, when what it was about is gone.
    void Clear();

  private:
    HWND control_;
};

}  // namespace win32
