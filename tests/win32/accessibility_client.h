// A screen reader's view of the running program from another process: what it reads of each
// control through MSAA, and what it is told through WinEvents while the user works.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace win32_test {

// "Text4", "Label17", "announcement", or the control ID, for a control of the program's window.
std::string ControlName(HWND control);

// What a screen reader reads of the window now: a line for the window and for each control in
// the order in which they lie on the window, then one beginning "child " for each control as it
// is reached from the window's object:
//   window "berechnet Abstand geographischer Punkte auf dem Fernbogen", role client
//   Text4 "von Länge Grad", value "0", description "0 bis 180", role text
//   Label17 "503.9 Km", description "Entfernung"
std::vector<std::string> ReadWindow(HWND window);

// Listens out of context, as a screen reader does, to the focus, name change and live-region
// events of the program's window (class Fernbogen) while it lives; one at a time.
class Listener {
  public:
    Listener();
    ~Listener();
    Listener(const Listener&) = delete;
    Listener& operator=(const Listener&) = delete;

    // Handles the messages that come within ms, which deliver the events.
    void Pump(DWORD ms);
    // Each event so far with what its object read as it was handled:
    //   focus Text4 "von Länge Grad", value "0", description "0 bis 180", role text
    //   live announcement "Entfernung 503.9 Km, Richtung 195.5 Grad"
    const std::vector<std::string>& Heard() const;

  private:
    HWINEVENTHOOK hook_;
};

}  // namespace win32_test
