#include "win32/accessible_control.h"

#include <oleacc.h>

#include <atomic>
#include <unordered_map>
#include <utility>

namespace win32 {

namespace {

bool IsSelf(const VARIANT& child) {
    return child.vt == VT_I4 && child.lVal == CHILDID_SELF;
}

HRESULT CopyTo(BSTR* target, const std::wstring& text) {
    if (!target) return E_POINTER;
    *target = SysAllocStringLen(text.data(), static_cast<UINT>(text.size()));
    return *target ? S_OK : E_OUTOFMEMORY;
}

// Windows' standard object for a control, with the control's own name and description; role,
// state, value, place and the way to its parent are the standard object's.
class AccessibleClient final : public IAccessible, public IOleWindow {
  public:
    AccessibleClient(HWND control, IAccessible* standard, std::wstring name,
                     std::wstring description)
        : control_(control),
          standard_(standard),
          name_(std::move(name)),
          description_(std::move(description)) {}
    AccessibleClient(const AccessibleClient&) = delete;
    AccessibleClient& operator=(const AccessibleClient&) = delete;

    // IUnknown. No other interface of the standard object is passed on: through one of them a
    // client would read the standard name again.
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override {
        if (!object) return E_POINTER;
        if (iid == __uuidof(IUnknown) || iid == __uuidof(IDispatch) ||
            iid == __uuidof(IAccessible)) {
            *object = static_cast<IAccessible*>(this);
        } else if (iid == __uuidof(IOleWindow)) {
            *object = static_cast<IOleWindow*>(this);
        } else {
            *object = nullptr;
            return E_NOINTERFACE;
        }
        AddRef();
        return S_OK;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ++references_; }
    ULONG STDMETHODCALLTYPE Release() override {
        const ULONG left = --references_;
        if (left == 0) delete this;
        return left;
    }

    // IDispatch. A call by name goes through the type information to this object, so that it
    // reads the same name and description.
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
        return standard_->GetTypeInfoCount(count);
    }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT index, LCID locale, ITypeInfo** info) override {
        return standard_->GetTypeInfo(index, locale, info);
    }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID iid, LPOLESTR* names, UINT count, LCID locale,
                                            DISPID* ids) override {
        return standard_->GetIDsOfNames(iid, names, count, locale, ids);
    }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID member, REFIID iid, LCID locale, WORD flags,
                                     DISPPARAMS* parameters, VARIANT* result, EXCEPINFO* exception,
                                     UINT* argumentError) override {
        if (iid != GUID{}) return DISP_E_UNKNOWNINTERFACE;
        ITypeInfo* info = nullptr;
        HRESULT hr = standard_->GetTypeInfo(0, locale, &info);
        if (FAILED(hr)) return hr;
        hr = info->Invoke(static_cast<IAccessible*>(this), member, flags, parameters, result,
                          exception, argumentError);
        info->Release();
        return hr;
    }

    // IAccessible
    HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override {
        if (IsSelf(child) && !name_.empty()) return CopyTo(name, name_);
        return standard_->get_accName(child, name);
    }
    HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* description) override {
        if (IsSelf(child) && !description_.empty()) return CopyTo(description, description_);
        return standard_->get_accDescription(child, description);
    }
    HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override {
        return standard_->get_accParent(parent);
    }
    HRESULT STDMETHODCALLTYPE get_accChildCount(LONG* count) override {
        return standard_->get_accChildCount(count);
    }
    HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** object) override {
        return standard_->get_accChild(child, object);
    }
    HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* value) override {
        return standard_->get_accValue(child, value);
    }
    HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override {
        return standard_->get_accRole(child, role);
    }
    HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override {
        return standard_->get_accState(child, state);
    }
    HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT child, BSTR* help) override {
        return standard_->get_accHelp(child, help);
    }
    HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT child, LONG* topic) override {
        return standard_->get_accHelpTopic(file, child, topic);
    }
    HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT child, BSTR* shortcut) override {
        return standard_->get_accKeyboardShortcut(child, shortcut);
    }
    HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* child) override {
        return standard_->get_accFocus(child);
    }
    HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* children) override {
        return standard_->get_accSelection(children);
    }
    HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* action) override {
        return standard_->get_accDefaultAction(child, action);
    }
    HRESULT STDMETHODCALLTYPE accSelect(LONG flags, VARIANT child) override {
        return standard_->accSelect(flags, child);
    }
    HRESULT STDMETHODCALLTYPE accLocation(LONG* left, LONG* top, LONG* width, LONG* height,
                                          VARIANT child) override {
        return standard_->accLocation(left, top, width, height, child);
    }
    HRESULT STDMETHODCALLTYPE accNavigate(LONG direction, VARIANT start, VARIANT* end) override {
        return standard_->accNavigate(direction, start, end);
    }
    HRESULT STDMETHODCALLTYPE accHitTest(LONG x, LONG y, VARIANT* child) override {
        return standard_->accHitTest(x, y, child);
    }
    HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override {
        return standard_->accDoDefaultAction(child);
    }
    HRESULT STDMETHODCALLTYPE put_accName(VARIANT child, BSTR name) override {
        return standard_->put_accName(child, name);
    }
    HRESULT STDMETHODCALLTYPE put_accValue(VARIANT child, BSTR value) override {
        return standard_->put_accValue(child, value);
    }

    // IOleWindow: how a client finds the control from its object.
    HRESULT STDMETHODCALLTYPE GetWindow(HWND* window) override {
        if (!window) return E_POINTER;
        *window = control_;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE ContextSensitiveHelp(BOOL) override { return E_NOTIMPL; }

  private:
    ~AccessibleClient() { standard_->Release(); }

    std::atomic<ULONG> references_{1};
    HWND control_;
    IAccessible* standard_;
    std::wstring name_;
    std::wstring description_;
};

// What a subclassed control keeps.
struct Subclass {
    WNDPROC original;
    std::wstring name;
    std::wstring description;
};

// By control, in the program's own memory: every message to the control looks here, and a window
// property would cost a round trip to the window server each time under Wine. Controls live on
// the one GUI thread.
std::unordered_map<HWND, Subclass>& Subclasses() {
    static std::unordered_map<HWND, Subclass> subclasses;
    return subclasses;
}

// The answer to WM_GETOBJECT for OBJID_CLIENT; 0 where it cannot be made, so that the control
// answers as it would have.
LRESULT ClientObject(HWND control, WPARAM wParam, const Subclass& subclass) {
    IAccessible* standard = nullptr;
    if (FAILED(CreateStdAccessibleObject(control, OBJID_CLIENT, __uuidof(IAccessible),
                                         reinterpret_cast<void**>(&standard))))
        return 0;
    auto* client = new AccessibleClient(control, standard, subclass.name, subclass.description);
    // A negative result is an error code.
    const LRESULT result =
        LresultFromObject(__uuidof(IAccessible), wParam, static_cast<IAccessible*>(client));
    client->Release();
    return result > 0 ? result : 0;
}

LRESULT CALLBACK Procedure(HWND control, UINT message, WPARAM wParam, LPARAM lParam) {
    const auto found = Subclasses().find(control);
    if (found == Subclasses().end()) return DefWindowProcW(control, message, wParam, lParam);
    const WNDPROC original = found->second.original;
    switch (message) {
        case WM_GETOBJECT:
            // The object ID travels in the low 32 bits.
            if (static_cast<LONG>(static_cast<DWORD>(lParam)) == OBJID_CLIENT) {
                if (const LRESULT object = ClientObject(control, wParam, found->second))
                    return object;
            }
            break;
        case WM_NCDESTROY:
            SetWindowLongPtrW(control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(original));
            Subclasses().erase(found);
            break;
        default:
            break;
    }
    return CallWindowProcW(original, control, message, wParam, lParam);
}

}  // namespace

void SetAccessibleText(HWND control, std::wstring name, std::wstring description) {
    Subclass& subclass = Subclasses()[control] =
        Subclass{nullptr, std::move(name), std::move(description)};
    subclass.original = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Procedure)));
}

}  // namespace win32
