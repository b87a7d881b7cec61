// The window as it opens: class and frame; where its controls are drawn and how large their
// characters, at the DPI it opens with and after a change to 144 dpi; colours; a click back from
// another window into another box; the worked results that both windows share. (The sessions
// and the random ones press Enter and Escape in the boxes and go on reading the window: neither
// closes it.)
#include <array>
#include <cstdio>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "cases.h"
#include "form/layout.h"
#include "sessions/painted.h"
#include "sessions/worked_results.h"
#include "state_reader.h"
#include "test_window.h"
#include "user_input.h"
#include "win32/dpi.h"

namespace win32_test {

namespace {

using form::TwipsToPixels;
using win32::DpiOf;

std::string Show(const RECT& r) {
    return std::to_string(r.left) + "," + std::to_string(r.top) + " " +
           std::to_string(r.right - r.left) + "x" + std::to_string(r.bottom - r.top);
}

RECT Rect(int left, int top, int width, int height, UINT dpi) {
    const int x = TwipsToPixels(left, dpi);
    const int y = TwipsToPixels(top, dpi);
    return {x, y, x + TwipsToPixels(width, dpi), y + TwipsToPixels(height, dpi)};
}

// What is wrong with the characters a control draws against a font style at dpi, or nothing. The
// font mapper decides what is drawn: a bitmap face that lacks the size hands out a smaller one,
// and a face may lack bold. Outline faces may round the character height by a pixel.
std::string FontProblem(HWND control, const form::FontStyle& style, UINT dpi) {
    const HDC dc = GetDC(control);
    const HGDIOBJ old =
        SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)));
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    SelectObject(dc, old);
    ReleaseDC(control, dc);
    const LONG height = MulDiv(static_cast<int>(style.points * 4), static_cast<int>(dpi), 288);
    const LONG drawn = metrics.tmHeight - metrics.tmInternalLeading;
    if (drawn < height - 1 || drawn > height + 1)
        return "characters drawn " + std::to_string(drawn) + " pixels high, not " +
               std::to_string(height);
    if ((metrics.tmWeight >= FW_BOLD) != style.bold)
        return "drawn with weight " + std::to_string(metrics.tmWeight);
    if ((metrics.tmUnderlined != 0) != style.underline) return "underline drawn wrongly";
    return {};
}

// The client area as painted, read back from the screen.
sessions::Painted PaintedOf(HWND window) {
    RECT client;
    GetClientRect(window, &client);
    POINT origin{0, 0};
    ClientToScreen(window, &origin);
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = client.right;
    info.bmiHeader.biHeight = -client.bottom;  // top row first
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    const HDC screen = GetDC(nullptr);
    const HDC memory = CreateCompatibleDC(screen);
    void* bits = nullptr;
    const HBITMAP bitmap = CreateDIBSection(memory, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    const HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, client.right, client.bottom, screen, origin.x, origin.y, SRCCOPY);
    GdiFlush();
    const auto* first = static_cast<const unsigned*>(bits);
    sessions::Painted painted{client.right, client.bottom, {}};
    painted.pixels.assign(first, first + static_cast<std::size_t>(client.right) * client.bottom);
    SelectObject(memory, old);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return painted;
}

std::string CheckClass() {
    const TestWindow window;
    return FindWindowW(L"Fernbogen", nullptr) == window.Handle() ? "" : "not found";
}

std::string CheckFrame() {
    const TestWindow window;
    const LONG style = GetWindowLongW(window.Handle(), GWL_STYLE);
    const bool fixed = (style & WS_CAPTION) == WS_CAPTION && (style & WS_SYSMENU) &&
                       !(style & (WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX));
    return fixed ? "" : "style " + std::to_string(style);
}

std::string CheckColours() {
    TestWindow window;
    window.Open();
    // The boxes' and results' peach is checked with their places (CheckPlaces).
    struct Spot {
        const char* name;
        int x, y;  // twips in the client area
        unsigned colour;
    };
    const Spot spots[] = {
        {"the background is grey", 45, 2580, 0x808080},
        {"the line between the rows is dark blue", 1500, 1095, 0x0000C0},
        {"the upright line is dark blue", 3180, 900, 0x0000C0},
    };
    const UINT dpi = DpiOf(window.Handle());
    const sessions::Painted drawn = PaintedOf(window.Handle());
    std::string problem;
    for (const Spot& spot : spots) {
        const unsigned found = drawn.At(TwipsToPixels(spot.x, dpi), TwipsToPixels(spot.y, dpi));
        if (found != spot.colour)
            problem += std::string("\n  ") + spot.name + ": colour " + std::to_string(found);
    }
    return problem;
}

std::string CheckHighContrast() {
    TestWindow window;
    const UserInput user = window.Open();

    // While the window is open the system's colours turn to "High Contrast Black" (Wine cannot
    // turn high contrast itself on): the figures typed into a box and a result still read on
    // peach, at least 4.5:1.
    user.click(window.Box(4));
    user.type(L"13");
    user.pressKey(VK_TAB);
    const INT elements[] = {COLOR_WINDOW, COLOR_WINDOWTEXT, COLOR_BTNFACE, COLOR_BTNTEXT};
    const COLORREF black = RGB(0, 0, 0), white = RGB(255, 255, 255);
    const COLORREF highContrastBlack[] = {black, white, black, white};
    std::string problem;
    COLORREF before[4];
    for (int i = 0; i < 4; ++i) before[i] = GetSysColor(elements[i]);
    SetSysColors(4, elements, highContrastBlack);
    user.settle();
    const sessions::Painted painted = PaintedOf(window.Handle());
    SetSysColors(4, elements, before);
    for (const auto& [name, field] :
         {std::pair{"Text4", window.Box(4)}, std::pair{"Label17", window.Label(17)}}) {
        RECT r;
        GetWindowRect(field, &r);
        MapWindowPoints(nullptr, window.Handle(), reinterpret_cast<POINT*>(&r), 2);
        const double contrast =
            sessions::FigureContrast(painted, {r.left + 3, r.top + 3, r.right - 3, r.bottom - 3});
        std::printf("High Contrast Black colours, %s: %.2f:1\n", name, contrast);
        if (contrast < 4.5)
            problem += std::string(" ") + name + " " + std::to_string(contrast) + ":1";
    }
    return problem;
}

// The window at the DPI it opens with (dpi 0), or after Windows has moved it to a monitor of
// that dpi; what check finds wrong with it there.
std::string AtDpi(UINT dpi, const std::function<std::string(const TestWindow&, UINT)>& check) {
    TestWindow window;
    const UserInput user = window.Open();
    if (dpi != 0) {
        RECT suggested;
        GetWindowRect(window.Handle(), &suggested);
        SendMessageW(window.Handle(), WM_DPICHANGED, MAKEWPARAM(dpi, dpi),
                     reinterpret_cast<LPARAM>(&suggested));
        user.settle();
    }
    return check(window, dpi != 0 ? dpi : DpiOf(window.Handle()));
}

std::string CheckClientArea(const TestWindow& window, UINT dpi) {
    RECT client;
    GetClientRect(window.Handle(), &client);
    return Show(client) == Show(Rect(0, 0, 7545, 2625, dpi)) ? "" : "client area " + Show(client);
}

std::string CheckPlaces(const TestWindow& window, UINT dpi) {
    return sessions::Misplaced(
        PaintedOf(window.Handle()),
        [dpi](int twips) { return TwipsToPixels(twips, static_cast<int>(dpi)); },
        MulDiv(2, static_cast<int>(dpi), form::kBaseDpi), 0);
}

// One control of each font: a box, a heading, a unit sign and a result.
std::string CheckFonts(const TestWindow& window, UINT dpi) {
    const struct {
        HWND control;
        form::FontStyle font;
    } fonts[] = {{window.Box(4), {12, true, false}},
                 {window.Label(1), {9.75, true, true}},
                 {window.Label(4), {18, false, false}},
                 {window.Label(17), {12, true, true}}};
    std::string problem;
    for (const auto& f : fonts)
        if (problem.empty()) problem = FontProblem(f.control, f.font, dpi);
    return problem;
}

// The window as it opens with the texts in its boxes and the earlier captions, recalculated.
sessions::WindowState Recalculated(const sessions::BoxContents& texts) {
    TestWindow window;
    window.SetLabelCaption(form::kDistanceLabel, sessions::kEarlierDistance);
    window.SetLabelCaption(form::kCourseLabel, sessions::kEarlierCourse);
    for (int n = 1; n <= form::kBoxCount; ++n) window.SetBoxText(n, texts[n - 1]);
    window.Logic().Recalculate();
    return StateReader(window.Handle()).State(window.beeps);
}

}  // namespace

void AddWindowTests(std::vector<Case>& cases) {
    cases.push_back({"the window is found by its class Fernbogen", CheckClass});
    cases.push_back({"a fixed frame with caption, system menu and close box only", CheckFrame});
    for (const UINT dpi : {0U, 144U}) {
        const std::string at = dpi == 0 ? "at the DPI it opens with, " : "moved to 144 dpi, ";
        using Check = std::string (*)(const TestWindow&, UINT);
        const std::pair<const char*, Check> checks[] = {
            {"the client area is 7545 by 2625 twips", CheckClientArea},
            {"every control is drawn where the layout puts it", CheckPlaces},
            {"the characters are drawn at their point size", CheckFonts}};
        for (const auto& [what, check] : checks)
            cases.push_back({at + what, [dpi, check] { return AtDpi(dpi, check); }});
    }
    cases.push_back(
        {"the background and the lines between the boxes in their colours", CheckColours});
    cases.push_back({"the figures read in High Contrast Black colours", CheckHighContrast});
    cases.push_back({"the worked results are shown without a beep",
                     [] { return sessions::WrongWorkedResults(Recalculated); }});
    cases.push_back({"the guard resets what is out of range and leaves the results",
                     [] { return sessions::WrongGuardTrips(Recalculated); }});
}

}  // namespace win32_test
