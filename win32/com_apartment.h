// COM on the window's thread for the window's lifetime: its controls' accessible objects are
// served to other processes from this thread, and the UI Automation annotations come from a COM
// object.
#pragma once

#include <objbase.h>

namespace win32 {

class ComApartment {
  public:
    // A thread already in a multithreaded apartment stays in it; the window then serves from there.
    ComApartment() : joined_(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) {}
    ~ComApartment() {
        if (joined_) CoUninitialize();
    }
    ComApartment(const ComApartment&) = delete;
    ComApartment& operator=(const ComApartment&) = delete;

  private:
    bool joined_;
};

}  // namespace win32
