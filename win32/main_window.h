// The window Form1 on the Win32 API: builds the controls from the layout tables and implements
// Controls for the form's logic.
#pragma once

#include <windows.h>

#include <array>
#include <memory>
#include <utility>
#include <vector>

#include "form/controls.h"
#include "form/focus_tracker.h"
#include "form/form.h"
#include "form/layout.h"
#include "win32/edit_box.h"
#include "win32/gdi_object.h"
#include "win32/locale_number.h"

namespace app::win32 {

class MainWindow : public Controls, private BoxEvents {
  public:
    explicit MainWindow(HINSTANCE instance);
    ~MainWindow() override;
    MainWindow(const MainWindow&) = delete;
    MainWindow& operator=(const MainWindow&) = delete;

    HWND handle() const { return window_; }
    Form& form() { return form_; }

    // Shows and activates the window; the first box in the tab order takes the focus.
    void show(int showCommand);

    // Controls
    std::string boxText(int box) const override;
    void setBoxText(int box, std::string_view text) override;
    void setLabelCaption(int label, std::string_view caption) override;
    void beep() override;
    std::optional<double> toNumber(std::string_view text) const override;
    std::string decimalSeparator() const override;

  private:
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam);

    void createControls(HINSTANCE instance);
    // Places the controls and sets their fonts for the monitor's DPI.
    void applyDpi(UINT dpi);
    void paintLines();
    // The brush and colours a label is drawn with.
    LRESULT labelColours(HDC dc, HWND label);
    HBRUSH brushOf(unsigned rgb);
    bool isBox(HWND control) const;

    // BoxEvents
    void keyPress(int box, int& KeyAscii) override;
    void focusIn(int box) override;
    void focusOut(int box, HWND next) override;

    HWND window_ = nullptr;
    Form form_;
    NumberFormat numberFormat_;
    UINT dpi_ = 0;
    std::array<std::unique_ptr<EditBox>, kBoxCount> boxes_;
    std::array<HWND, kLabelCount> labels_{};
    GdiObject<HFONT> boxFont_;
    std::array<GdiObject<HFONT>, 3> labelFonts_;  // by LabelStyle
    std::vector<std::pair<unsigned, GdiObject<HBRUSH>>> brushes_;
    // The box whose focus-gained notification went out last without a focus-lost one yet.
    FocusTracker focus_{form_};
    // The box that gets the focus back when the window is activated.
    HWND focusToRestore_ = nullptr;
};

}  // namespace app::win32
