#include "win32/live_region.h"

#include <oleacc.h>

#include <string>

namespace win32 {

namespace {

// EVENT_OBJECT_LIVEREGIONCHANGED, known from Windows 8 on; earlier systems hand it to whoever
// listens, as any event.
constexpr DWORD kLiveRegionChanged = 0x8019;

// CLSID_AccPropServices, oleacc's annotation service, and its interface IAccPropServices.
constexpr GUID kAccPropServices = {
    0xb5f8350b, 0x0548, 0x48b1, {0xa6, 0xee, 0x88, 0xbd, 0x00, 0xb4, 0xa5, 0xe7}};
constexpr GUID kIAccPropServices = {
    0x6e26e776, 0x04f0, 0x495d, {0x80, 0xe4, 0x33, 0x30, 0x35, 0x2e, 0x31, 0x69}};

// UI Automation's LiveSetting property as an MSAA annotation, and its value Polite: spoken after
// what the screen reader is saying, without interrupting it.
constexpr GUID kLiveSettingProperty = {
    0xc12bcd8e, 0x2a8e, 0x4950, {0x8a, 0xe7, 0x36, 0x25, 0x11, 0x1d, 0x58, 0xeb}};
constexpr LONG kPolite = 1;

// Annotations are missing before Windows 7 and, as stubs, under Wine; the region then is only
// what the live-region event makes it.
void MarkPolite(HWND control) {
    IAccPropServices* annotations = nullptr;
    if (FAILED(CoCreateInstance(kAccPropServices, nullptr, CLSCTX_INPROC_SERVER, kIAccPropServices,
                                reinterpret_cast<void**>(&annotations))))
        return;
    VARIANT polite;
    VariantInit(&polite);
    polite.vt = VT_I4;
    polite.lVal = kPolite;
    annotations->SetHwndProp(control, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF,
                             kLiveSettingProperty, polite);
    annotations->Release();
}

}  // namespace

LiveRegion::LiveRegion(HWND parent, int id, HINSTANCE instance)
    : control_(CreateWindowExW(0, L"STATIC", L"", WS_CHILD | WS_VISIBLE | SS_NOPREFIX, 0, 0, 0, 0,
                               parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance,
                               nullptr)) {
    MarkPolite(control_);
}

void LiveRegion::Say(std::wstring_view sentence) {
    SetWindowTextW(control_, std::wstring(sentence).c_str());
    NotifyWinEvent(kLiveRegionChanged, control_, OBJID_CLIENT, CHILDID_SELF);
}

void LiveRegion::Clear() {
    SetWindowTextW(control_, L"");
}

}  // namespace win32
