#include "win32/main_window.h"

#include <windowsx.h>

#include "form/accessible_text.h"
#include "form/colour_scheme.h"
#include "form/texts.h"
#include "res/resource_ids.h"
#include "win32/accessible_control.h"
#include "win32/control_ids.h"
#include "win32/copy_menu.h"
#include "win32/dpi.h"
#include "win32/font.h"
#include "win32/utf16.h"
#include "win32/window_text.h"

namespace win32 {

namespace {

// A fixed single border with the caption, the icon's system menu and the close box.
constexpr DWORD kWindowStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
constexpr DWORD kWindowExStyle = 0;

COLORREF ToColorRef(unsigned rgb) {
    return RGB((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF);
}

HICON LoadIconOfSize(HINSTANCE instance, int metric) {
    const int size = GetSystemMetrics(metric);
    return static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(kIconResource), IMAGE_ICON,
                                         size, size, LR_DEFAULTCOLOR));
}

void RegisterWindowClass(HINSTANCE instance, WNDPROC procedure) {
    WNDCLASSEXW windowClass{};
    if (GetClassInfoExW(instance, kWindowClass, &windowClass)) return;
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = instance;
    windowClass.hIcon = LoadIconOfSize(instance, SM_CXICON);
    windowClass.hIconSm = LoadIconOfSize(instance, SM_CXSMICON);
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.lpszClassName = kWindowClass;
    RegisterClassExW(&windowClass);
}

unsigned FromColorRef(COLORREF colour) {
    return (GetRValue(colour) << 16) | (GetGValue(colour) << 8) | GetBValue(colour);
}

// The window's colours from the system's: the design's, or under high contrast the system's.
form::ColourScheme SystemScheme() {
    HIGHCONTRASTW highContrast{sizeof highContrast, 0, nullptr};
    const bool on =
        SystemParametersInfoW(SPI_GETHIGHCONTRAST, sizeof highContrast, &highContrast, 0) &&
        (highContrast.dwFlags & HCF_HIGHCONTRASTON);
    const auto system = [](int index) { return FromColorRef(GetSysColor(index)); };
    return form::SchemeOf(on, {system(COLOR_WINDOW), system(COLOR_WINDOWTEXT),
                               system(COLOR_BTNFACE), system(COLOR_BTNTEXT)});
}

std::size_t KindIndex(form::LabelKind kind) {
    return static_cast<std::size_t>(kind);
}

}  // namespace

MainWindow::MainWindow(HINSTANCE instance)
    : form_(*this), numberFormat_(UserNumberFormat()), colours_(SystemScheme()) {
    RegisterWindowClass(instance, &Procedure);
    // The size follows once the window knows the DPI of the monitor it is on.
    CreateWindowExW(kWindowExStyle, kWindowClass, ToUtf16(form::texts::kWindowCaption).c_str(),
                    kWindowStyle, CW_USEDEFAULT, 0, 0, 0, nullptr, nullptr, instance, this);
    CreateControls(instance);
    ApplyDpi(DpiOf(window_));
}

MainWindow::~MainWindow() {
    if (window_) DestroyWindow(window_);
}

void MainWindow::CreateControls(HINSTANCE instance) {
    // Boxes first: a child window created later lies below the earlier ones, so the boxes cover
    // the leading blanks of the unit signs that overlap them, and creation order is the order
    // in which the dialog manager tabs, wrapping from the last box to the first.
    for (const form::BoxLayout& layout : form::kBoxesInTabOrder) {
        const HWND control = CreateWindowExW(
            WS_EX_CLIENTEDGE, L"EDIT", L"",
            WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_CLIPSIBLINGS | ES_CENTER | ES_AUTOHSCROLL, 0, 0,
            0, 0, window_, reinterpret_cast<HMENU>(static_cast<INT_PTR>(BoxId(layout.box))),
            instance, nullptr);
        SendMessageW(control, EM_LIMITTEXT, static_cast<WPARAM>(layout.maxLength), 0);
        SetAccessibleText(control, ToUtf16(form::AccessibleNameOfBox(layout.box)),
                          ToUtf16(form::AccessibleDescriptionOfBox(layout.box)));
        auto box = std::make_unique<EditBox>(control, layout.box, static_cast<BoxEvents&>(*this));
        box->WriteText(ToUtf16(layout.initialText));
        boxes_[layout.box - 1] = std::move(box);
    }
    focusToRestore_ = boxes_[form::kBoxesInTabOrder.front().box - 1]->Handle();

    for (const form::LabelLayout& layout : form::kLabels) {
        const form::LabelStyle& style = form::StyleOf(layout.kind);
        DWORD labelStyle = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | SS_NOPREFIX;
        labelStyle |= style.centred ? SS_CENTER : SS_LEFTNOWORDWRAP;
        if (style.border) labelStyle |= WS_BORDER;
        labels_[layout.label - 1] = CreateWindowExW(
            0, L"STATIC", ToUtf16(layout.caption).c_str(), labelStyle, 0, 0, 0, 0, window_,
            reinterpret_cast<HMENU>(static_cast<INT_PTR>(LabelId(layout.label))), instance,
            nullptr);
        // A result label reads as its figures, and says which result they are.
        if (const std::string name = form::AccessibleNameOfLabel(layout.label); !name.empty())
            SetAccessibleText(labels_[layout.label - 1], L"", ToUtf16(name));
    }

    // Last, below every label.
    announcements_ = std::make_unique<LiveRegion>(window_, kAnnouncementId, instance);
}

void MainWindow::ApplyDpi(UINT dpi) {
    dpi_ = dpi;
    const auto pixels = [dpi](int twips) { return form::TwipsToPixels(twips, dpi); };
    constexpr UINT kPlace = SWP_NOZORDER | SWP_NOACTIVATE;

    // The controls let go of the old fonts before these are deleted.
    GdiObject<HFONT> boxFont = CreateFontAt(form::kBoxFont, dpi);
    for (const form::BoxLayout& layout : form::kBoxesInTabOrder) {
        const HWND control = boxes_[layout.box - 1]->Handle();
        SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(boxFont.get()), FALSE);
        // The letter boxes are barely wider than a bold "W"; the font's own margins would hide
        // part of it.
        SendMessageW(control, EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN, 0);
        SetWindowPos(control, nullptr, pixels(layout.left), pixels(layout.top),
                     pixels(layout.width), pixels(form::kBoxHeight), kPlace);
    }

    std::array<GdiObject<HFONT>, 3> labelFonts;
    for (const form::LabelKind kind :
         {form::LabelKind::Heading, form::LabelKind::UnitSign, form::LabelKind::Result})
        labelFonts[KindIndex(kind)] = CreateFontAt(form::StyleOf(kind).font, dpi);
    for (const form::LabelLayout& layout : form::kLabels) {
        const HWND label = labels_[layout.label - 1];
        const HFONT font = labelFonts[KindIndex(layout.kind)].get();
        SendMessageW(label, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
        SIZE size{pixels(layout.width), pixels(layout.height)};
        if (form::StyleOf(layout.kind).autoSize) {
            // The heading fits its caption in the face the system has.
            const std::wstring caption = ToUtf16(layout.caption);
            const HDC dc = GetDC(label);
            const HGDIOBJ old = SelectObject(dc, font);
            GetTextExtentPoint32W(dc, caption.c_str(), static_cast<int>(caption.size()), &size);
            SelectObject(dc, old);
            ReleaseDC(label, dc);
        }
        SetWindowPos(label, nullptr, pixels(layout.left), pixels(layout.top), size.cx, size.cy,
                     kPlace);
    }
    boxFont_ = std::move(boxFont);
    labelFonts_ = std::move(labelFonts);

    const SIZE client{pixels(form::kClientWidth), pixels(form::kClientHeight)};
    SIZE outer = OuterSize(client, kWindowStyle, kWindowExStyle, dpi);
    SetWindowPos(window_, nullptr, 0, 0, outer.cx, outer.cy, kPlace | SWP_NOMOVE);
    // Where the frame is drawn at other metrics than the DPI's (Wine scales no frames), the
    // client area tells how much is missing.
    RECT actual;
    GetClientRect(window_, &actual);
    if (actual.right != client.cx || actual.bottom != client.cy) {
        outer.cx += client.cx - actual.right;
        outer.cy += client.cy - actual.bottom;
        SetWindowPos(window_, nullptr, 0, 0, outer.cx, outer.cy, kPlace | SWP_NOMOVE);
    }
    InvalidateRect(window_, nullptr, TRUE);
}

void MainWindow::Show(int showCommand) {
    ShowWindow(window_, showCommand);
    UpdateWindow(window_);
}

LRESULT CALLBACK MainWindow::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* self =
            static_cast<MainWindow*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        self->window_ = window;
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto* self = reinterpret_cast<MainWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (!self) return DefWindowProcW(window, message, wParam, lParam);
    return self->HandleMessage(message, wParam, lParam);
}

LRESULT MainWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_ERASEBKGND: {
            RECT client;
            GetClientRect(window_, &client);
            FillRect(reinterpret_cast<HDC>(wParam), &client, BrushOf(colours_.window));
            return 1;
        }
        case WM_PAINT:
            PaintLines();
            return 0;
        case WM_CTLCOLOREDIT: {
            const auto dc = reinterpret_cast<HDC>(wParam);
            SetTextColor(dc, ToColorRef(colours_.figures));
            SetBkColor(dc, ToColorRef(colours_.field));
            return reinterpret_cast<LRESULT>(BrushOf(colours_.field));
        }
        case WM_CTLCOLORSTATIC:
            return LabelColours(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
        case WM_CONTEXTMENU:
            // A right click on a label reaches the window itself, which the label lets the mouse
            // through to. The menu key (no point, -1) belongs to the box with the focus.
            if (lParam != -1 && OpenCopyMenuAt({GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)}))
                return 0;
            break;
        case WM_SETTINGCHANGE:
        case WM_SYSCOLORCHANGE:
            // High contrast turned on or off, or the system's colours changed.
            ApplyColours();
            break;
        case WM_ACTIVATE:
            // Deactivating and activating again is no change of focus between the boxes: the box
            // that had the focus gets it back, instead of the window itself.
            if (LOWORD(wParam) == WA_INACTIVE) {
                if (const HWND focus = GetFocus(); IsBox(focus)) focusToRestore_ = focus;
            } else if (!HIWORD(wParam)) {
                SetFocus(focusToRestore_);
            }
            return 0;
        case WM_SETFOCUS:
            SetFocus(focusToRestore_);
            return 0;
        case WM_DPICHANGED: {
            ApplyDpi(HIWORD(wParam));
            const auto* suggested = reinterpret_cast<const RECT*>(lParam);
            SetWindowPos(window_, nullptr, suggested->left, suggested->top, 0, 0,
                         SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOSIZE);
            return 0;
        }
        case WM_DESTROY:
            // Focus moves while the controls are torn down; no handler may run on a half-gone
            // window.
            for (auto& box : boxes_) box->Detach();
            PostQuitMessage(0);
            return 0;
        case WM_NCDESTROY: {
            const HWND window = std::exchange(window_, nullptr);
            SetWindowLongPtrW(window, GWLP_USERDATA, 0);
            return DefWindowProcW(window, message, wParam, lParam);
        }
        default:
            break;
    }
    return DefWindowProcW(window_, message, wParam, lParam);
}

void MainWindow::PaintLines() {
    PAINTSTRUCT paint;
    const HDC dc = BeginPaint(window_, &paint);
    const LOGBRUSH colour{BS_SOLID, ToColorRef(colours_.line), 0};
    const int width = MulDiv(form::kLineWidthPixels, static_cast<int>(dpi_), form::kBaseDpi);
    const GdiObject<HPEN> pen(
        ExtCreatePen(PS_GEOMETRIC | PS_SOLID | PS_ENDCAP_FLAT, width, &colour, 0, nullptr));
    const HGDIOBJ old = SelectObject(dc, pen.get());
    for (const form::LineLayout& line : form::kLines) {
        MoveToEx(dc, form::TwipsToPixels(line.x1, dpi_), form::TwipsToPixels(line.y1, dpi_),
                 nullptr);
        LineTo(dc, form::TwipsToPixels(line.x2, dpi_), form::TwipsToPixels(line.y2, dpi_));
    }
    SelectObject(dc, old);
    EndPaint(window_, &paint);
}

LRESULT MainWindow::LabelColours(HDC dc, HWND label) {
    const int n = GetDlgCtrlID(label) - LabelId(0);
    if (n < 1 || n > form::kLabelCount)
        return DefWindowProcW(window_, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                              reinterpret_cast<LPARAM>(label));
    const form::LabelKind kind = form::kLabels[n - 1].kind;
    SetTextColor(dc, ToColorRef(colours_.TextOf(kind)));
    SetBkColor(dc, ToColorRef(colours_.BackgroundOf(kind)));
    return reinterpret_cast<LRESULT>(BrushOf(colours_.BackgroundOf(kind)));
}

void MainWindow::ApplyColours() {
    const form::ColourScheme colours = SystemScheme();
    if (colours == colours_) return;
    colours_ = colours;
    // The old colours' brushes go; the controls take new ones as they are drawn again.
    brushes_.clear();
    RedrawWindow(window_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

HBRUSH MainWindow::BrushOf(unsigned rgb) {
    for (const auto& [colour, brush] : brushes_) {
        if (colour == rgb) return brush.get();
    }
    brushes_.emplace_back(rgb, GdiObject<HBRUSH>(CreateSolidBrush(ToColorRef(rgb))));
    return brushes_.back().second.get();
}

bool MainWindow::OpenCopyMenuAt(POINT at) {
    for (const int label : form::kResultLabels) {
        const HWND field = labels_[label - 1];
        RECT place;
        if (GetWindowRect(field, &place) && PtInRect(&place, at)) {
            OpenCopyMenu(window_, field, at);
            return true;
        }
    }
    return false;
}

bool MainWindow::IsBox(HWND control) const {
    for (const auto& box : boxes_) {
        if (control && box->Handle() == control) return true;
    }
    return false;
}

std::string MainWindow::BoxText(int box) const {
    return ToUtf8(boxes_[box - 1]->Text());
}

void MainWindow::SetBoxText(int box, std::string_view text) {
    boxes_[box - 1]->WriteText(ToUtf16(text));
}

void MainWindow::SetLabelCaption(int label, std::string_view caption) {
    const HWND control = labels_[label - 1];
    const std::wstring text = ToUtf16(caption);
    if (text == WindowText(control)) return;
    SetWindowTextW(control, text.c_str());
    // The label's accessible name is its caption; Windows itself tells only its window object.
    NotifyWinEvent(EVENT_OBJECT_NAMECHANGE, control, OBJID_CLIENT, CHILDID_SELF);
}

void MainWindow::Beep() {
    MessageBeep(MB_OK);
}

void MainWindow::Announce(std::string_view message) {
    if (message.empty())
        announcements_->Clear();
    else
        announcements_->Say(ToUtf16(message));
}

std::optional<double> MainWindow::ToNumber(std::string_view text) const {
    return ParseNumber(text, numberFormat_);
}

std::string MainWindow::DecimalSeparator() const {
    return numberFormat_.decimalSeparator;
}

void MainWindow::KeyPress(int box, int& keyAscii) {
    form_.KeyPress(box, keyAscii);
}

// Only a box that gives the focus to another box is left; a menu or another program in between
// is no change of focus.
void MainWindow::FocusIn(int box) {
    focus_.Entered(box);
}

void MainWindow::FocusOut(int box, HWND next) {
    if (IsBox(next)) focus_.Left(box);
}

}  // namespace win32
