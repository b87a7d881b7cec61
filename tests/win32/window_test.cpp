// The window as it opens: class, frame, controls by ID with their places, styles, fonts and
// colours; keys that must not close it; focus across a switch to another window and back; a
// change of DPI.
#include <string>

#include "form/layout.h"
#include "form/texts.h"
#include "tally.h"
#include "test_window.h"
#include "user_input.h"
#include "win32/dpi.h"

namespace win32_test {

namespace {

using form::TwipsToPixels;
using win32::BoxId;
using win32::DpiOf;
using win32::LabelId;
using win32::ToUtf16;
using win32::ToUtf8;

std::string Text(HWND control) {
    wchar_t buffer[256]{};
    GetWindowTextW(control, buffer, 256);
    return ToUtf8(buffer);
}

std::string ClassOf(HWND control) {
    wchar_t buffer[64]{};
    GetClassNameW(control, buffer, 64);
    return ToUtf8(buffer);
}

std::string Show(const RECT& r) {
    return std::to_string(r.left) + "," + std::to_string(r.top) + " " +
           std::to_string(r.right - r.left) + "x" + std::to_string(r.bottom - r.top);
}

// Where a control sits in its parent's client area, in pixels.
RECT PlaceOf(HWND control) {
    RECT r;
    GetWindowRect(control, &r);
    MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&r), 2);
    return r;
}

RECT Rect(int left, int top, int width, int height, UINT dpi) {
    const int x = TwipsToPixels(left, dpi);
    const int y = TwipsToPixels(top, dpi);
    return {x, y, x + TwipsToPixels(width, dpi), y + TwipsToPixels(height, dpi)};
}

bool operator==(const RECT& a, const RECT& b) {
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

LOGFONTW FontOf(HWND control) {
    LOGFONTW font{};
    GetObjectW(reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)), sizeof font,
               &font);
    return font;
}

// What is wrong with a control's font against the layout's at dpi, or nothing.
std::string FontProblem(HWND control, const form::FontStyle& style, UINT dpi) {
    const LOGFONTW font = FontOf(control);
    const LONG height = -MulDiv(static_cast<int>(style.points * 4), static_cast<int>(dpi), 288);
    if (font.lfHeight != height)
        return "font height " + std::to_string(font.lfHeight) + ", not " + std::to_string(height);
    if ((font.lfWeight >= FW_BOLD) != style.bold)
        return "font weight " + std::to_string(font.lfWeight);
    if ((font.lfUnderline != 0) != style.underline) return "underline is not as specified";
    // What is drawn: a face that lacks the size (a bitmap face) must not stand in with a smaller
    // one. Outline faces may round the character height by a pixel.
    const HDC dc = GetDC(control);
    const HGDIOBJ old =
        SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)));
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    SelectObject(dc, old);
    ReleaseDC(control, dc);
    const LONG drawn = metrics.tmHeight - metrics.tmInternalLeading;
    if (drawn < -height - 1 || drawn > -height + 1)
        return "characters drawn " + std::to_string(drawn) + " pixels high, not " +
               std::to_string(-height);
    return {};
}

void CheckFrame(Tally& tally) {
    TestWindow window;
    const HWND w = window.Handle();
    tally.record("the window is found by its class Fernbogen",
                 FindWindowW(win32::kWindowClass, nullptr) == w ? "" : "not found");
    tally.record("the caption", Text(w) == form::texts::kWindowCaption ? "" : Text(w));

    const LONG style = GetWindowLongW(w, GWL_STYLE);
    const bool fixed = (style & WS_CAPTION) == WS_CAPTION && (style & WS_SYSMENU) &&
                       !(style & (WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX));
    tally.record("a fixed frame with caption, system menu and close box only",
                 fixed ? "" : "style " + std::to_string(style));

    const UINT dpi = DpiOf(w);
    RECT client;
    GetClientRect(w, &client);
    const RECT expected = Rect(0, 0, form::kClientWidth, form::kClientHeight, dpi);
    tally.record("the client area is 7545 by 2625 twips",
                 client == expected ? "" : "client area " + Show(client));
}

void CheckBoxes(Tally& tally) {
    TestWindow window;
    const UINT dpi = DpiOf(window.Handle());
    for (const form::BoxLayout& layout : form::kBoxesInTabOrder) {
        const HWND box = window.Box(layout.box);
        const std::string name = "Text" + std::to_string(layout.box) +
                                 " is a centred edit box with its place, limit and font";
        if (!box || ClassOf(box) != "Edit") {
            tally.record(name, "no edit box with ID " + std::to_string(BoxId(layout.box)));
            continue;
        }
        std::string problem;
        const LONG style = GetWindowLongW(box, GWL_STYLE);
        const RECT place = PlaceOf(box);
        const auto limit = static_cast<int>(SendMessageW(box, EM_GETLIMITTEXT, 0, 0));
        if (!(style & ES_CENTER) || !(style & WS_TABSTOP))
            problem = "not centred or no tab stop";
        else if (place != Rect(layout.left, layout.top, layout.width, form::kBoxHeight, dpi))
            problem = "placed at " + Show(place);
        else if (limit != layout.maxLength)
            problem = "limit " + std::to_string(limit);
        else if (Text(box) != layout.initialText)
            problem = "text " + Text(box);
        else
            problem = FontProblem(box, form::kBoxFont, dpi);
        tally.record(name, problem);
    }
}

void CheckLabels(Tally& tally) {
    TestWindow window;
    const UINT dpi = DpiOf(window.Handle());
    for (const form::LabelLayout& layout : form::kLabels) {
        const HWND label = window.Label(layout.label);
        const std::string name =
            "Label" + std::to_string(layout.label) + " has its caption, style, place and font";
        if (!label || ClassOf(label) != "Static") {
            tally.record(name, "no label with ID " + std::to_string(LabelId(layout.label)));
            continue;
        }
        const form::LabelStyle& style = form::StyleOf(layout.kind);
        const LONG windowStyle = GetWindowLongW(label, GWL_STYLE);
        const bool centred = (windowStyle & SS_TYPEMASK) == SS_CENTER;
        const RECT place = PlaceOf(label);
        const RECT expected = Rect(layout.left, layout.top, layout.width, layout.height, dpi);
        std::string problem;
        if (Text(label) != layout.caption)
            problem = "caption \"" + Text(label) + "\"";
        else if (centred != style.centred || ((windowStyle & WS_BORDER) != 0) != style.border)
            problem = "alignment or border not as specified";
        else if (place.left != expected.left || place.top != expected.top ||
                 (!style.autoSize && place != expected))
            problem = "placed at " + Show(place);
        else
            problem = FontProblem(label, style.font, dpi);
        tally.record(name, problem);
    }
}

// The colour of a client-area pixel as painted, 0xRRGGBB.
unsigned PixelAt(HWND window, int twipsX, int twipsY) {
    const UINT dpi = DpiOf(window);
    POINT point{TwipsToPixels(twipsX, dpi), TwipsToPixels(twipsY, dpi)};
    ClientToScreen(window, &point);
    const HDC screen = GetDC(nullptr);
    const COLORREF c = GetPixel(screen, point.x, point.y);
    ReleaseDC(nullptr, screen);
    return (GetRValue(c) << 16) | (GetGValue(c) << 8) | GetBValue(c);
}

void CheckColours(Tally& tally) {
    TestWindow window;
    window.Show(SW_SHOWNORMAL);
    const UserInput user(window.Handle());
    user.settle();
    struct Spot {
        const char* name;
        int x, y;  // twips in the client area
        unsigned colour;
    };
    const Spot spots[] = {
        {"the background is grey", 45, 2580, form::colour::kWindow},
        {"the line between the rows is dark blue", 1500, 1095, form::colour::kLine},
        {"the upright line is dark blue", 3180, 900, form::colour::kLine},
        {"an edit box is peach", 120, 780, form::colour::kBox},
        {"the distance label is peach", 1140, 2160, form::colour::kBox},
    };
    for (const Spot& spot : spots) {
        const unsigned found = PixelAt(window.Handle(), spot.x, spot.y);
        tally.record(std::string("drawn: ") + spot.name,
                     found == spot.colour ? "" : "colour " + std::to_string(found));
    }
}

void CheckKeysKeepTheWindowOpen(Tally& tally) {
    TestWindow window;
    window.Show(SW_SHOWNORMAL);
    const UserInput user(window.Handle());
    user.settle();
    user.pressKey(VK_ESCAPE);
    user.click(window.Box(14));
    user.pressKey(VK_RETURN);
    user.pressKey(VK_ESCAPE);
    tally.record("Enter and Escape leave the window open",
                 IsWindowVisible(window.Handle()) ? "" : "the window is gone");
}

// A top-level window of its own, active while it lives: another program for the window.
class OtherWindow {
  public:
    OtherWindow()
        : window_(CreateWindowExW(0, L"STATIC", L"elsewhere", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 600,
                                  400, 200, 100, nullptr, nullptr, nullptr, nullptr)) {
        SetActiveWindow(window_);
    }
    ~OtherWindow() { DestroyWindow(window_); }
    OtherWindow(const OtherWindow&) = delete;
    OtherWindow& operator=(const OtherWindow&) = delete;

  private:
    HWND window_;
};

void CheckFocusAcrossWindows(Tally& tally) {
    {
        TestWindow window;
        window.Show(SW_SHOWNORMAL);
        const UserInput user(window.Handle());
        user.settle();
        user.click(window.Box(2));
        user.type(L"5");
        {
            const OtherWindow other;
            user.settle();
        }
        SetActiveWindow(window.Handle());
        user.settle();
        std::string problem;
        if (GetFocus() != window.Box(2)) problem = "the focus did not come back to Text2";
        user.type(L"7");
        if (problem.empty() && window.TextOf(BoxId(2)) != "57")
            problem = "Text2 holds \"" + window.TextOf(BoxId(2)) + "\"";
        if (problem.empty() && !window.TextOf(LabelId(17)).empty())
            problem = "the box was validated";
        tally.record("switching to another window and back goes on with the entry", problem);
    }
    {
        TestWindow window;
        window.Show(SW_SHOWNORMAL);
        const UserInput user(window.Handle());
        user.settle();
        user.click(window.Box(2));
        user.type(L"30");
        {
            const OtherWindow other;
            user.settle();
            user.click(window.Box(5));
        }
        user.settle();
        std::string problem;
        if (GetFocus() != window.Box(5))
            problem = "the focus is not in Text5";
        else if (window.TextOf(LabelId(17)) != "55.57 Km")
            problem = "distance \"" + window.TextOf(LabelId(17)) + "\" after the click";
        user.type(L"1");
        if (problem.empty() && window.TextOf(BoxId(5)) != "1") problem = "Text5 was not fresh";
        tally.record("coming back with a click into another box validates the old one first",
                     problem);
    }
}

void CheckDpiChange(Tally& tally) {
    TestWindow window;
    window.Show(SW_SHOWNORMAL);
    const UserInput user(window.Handle());
    user.settle();
    constexpr UINT dpi = 144;
    RECT suggested;
    GetWindowRect(window.Handle(), &suggested);
    SendMessageW(window.Handle(), WM_DPICHANGED, MAKEWPARAM(dpi, dpi),
                 reinterpret_cast<LPARAM>(&suggested));
    RECT client;
    GetClientRect(window.Handle(), &client);
    std::string problem;
    if (client != Rect(0, 0, form::kClientWidth, form::kClientHeight, dpi))
        problem = "client area " + Show(client);
    else if (PlaceOf(window.Box(4)) != Rect(60, 600, 615, form::kBoxHeight, dpi))
        problem = "Text4 at " + Show(PlaceOf(window.Box(4)));
    else
        problem = FontProblem(window.Box(4), form::kBoxFont, dpi);
    tally.record("on a monitor of 144 dpi the window grows by half", problem);
}

}  // namespace

void WindowTests(Tally& tally) {
    CheckFrame(tally);
    CheckBoxes(tally);
    CheckLabels(tally);
    CheckColours(tally);
    CheckKeysKeepTheWindowOpen(tally);
    CheckFocusAcrossWindows(tally);
    CheckDpiChange(tally);
}

}  // namespace win32_test
