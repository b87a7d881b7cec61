// The window Form1 on the Win32 API: builds the controls from the layout tables and implements
// Controls for the form's logic.
#pragma once

#include <windows.h>

#include <array>
#include <memory>
#include <utility>
#include <vector>

#include "form/colour_scheme.h"
#include "form/controls.h"
#include "form/focus_tracker.h"
#include "form/form.h"
#include "form/layout.h"
#include "win32/com_apartment.h"
#include "win32/edit_box.h"
#include "win32/gdi_object.h"
#include "win32/live_region.h"
#include "win32/locale_number.h"

namespace win32 {

class MainWindow : public form::Controls, private BoxEvents {
  public:
    explicit MainWindow(HINSTANCE instance);
    ~MainWindow() override;
    MainWindow(const MainWindow&) = delete;
    MainWindow& operator=(const MainWindow&) = delete;

    HWND Handle() const { return window_; }
    form::Form& Logic() { return form_; }

    // Shows and activates the window; the first box in the tab order takes the focus.
    void Show(int showCommand);

    // Controls
    std::string BoxText(int box) const override;
    void SetBoxText(int box, std::string_view text) override;
    void SetLabelCaption(int label, std::string_view caption) override;
    void Beep() override;
    void Announce(std::string_view message) override;
    std::optional<double> ToNumber(std::string_view text) const override;
    std::string DecimalSeparator() const override;

  private:
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

    void CreateControls(HINSTANCE instance);
    // Places the controls and sets their fonts for the monitor's DPI.
    void ApplyDpi(UINT dpi);
    void PaintLines();
    // Reads the system's colours again and redraws the window in them where they changed.
    void ApplyColours();
    // The brush and colours a label is drawn with.
    LRESULT LabelColours(HDC dc, HWND label);
    HBRUSH BrushOf(unsigned rgb);
    // Opens the copy menu of the result field at a point on the screen; false where there is none.
    bool OpenCopyMenuAt(POINT at);
    bool IsBox(HWND control) const;

    // BoxEvents
    void KeyPress(int box, int& keyAscii) override;
    void FocusIn(int box) override;
    void FocusOut(int box, HWND next) override;

    // First, so that it is last to go: the controls' accessible objects are served through it.
    ComApartment com_;
    HWND window_ = nullptr;
    form::Form form_;
    NumberFormat numberFormat_;
    UINT dpi_ = 0;
    form::ColourScheme colours_;
    std::array<std::unique_ptr<EditBox>, form::kBoxCount> boxes_;
    std::array<HWND, form::kLabelCount> labels_{};
    std::unique_ptr<LiveRegion> announcements_;
    GdiObject<HFONT> boxFont_;
    std::array<GdiObject<HFONT>, 3> labelFonts_;  // by form::LabelKind
    std::vector<std::pair<unsigned, GdiObject<HBRUSH>>> brushes_;
    // Turns the boxes' focus messages into the form's focus notifications.
    form::FocusTracker focus_{form_};
    // The box that gets the focus back when the window is activated.
    HWND focusToRestore_ = nullptr;
};

}  // namespace win32
