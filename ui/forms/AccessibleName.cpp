#include "AccessibleName.h"

#include "AnsiText.h"
#include "SystemFunction.h"

#include <objbase.h>
#include <oleacc.h>

namespace tarnwick::forms {
namespace {

// oleacc, ole32 and oleaut32 are loaded when a screen reader first asks, not
// when the program starts.
BSTR NewString(const std::wstring& text) {
    static const auto allocate =
        SystemFunction<decltype(&SysAllocString)>("oleaut32.dll", "SysAllocString");
    return allocate(text.c_str());
}

void FreeString(BSTR text) {
    static const auto release =
        SystemFunction<decltype(&SysFreeString)>("oleaut32.dll", "SysFreeString");
    if (text != nullptr) release(text);
}

// COM objects are deleted by their own Release, never through the interface.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wnon-virtual-dtor"

// One more interface of the system's object, lent under ours: its calls go
// to the system's object, its QueryInterface, AddRef and Release are ours, so
// that every interface a client gets leads back to our one object (COM's rule
// of identity) and keeps it alive.
template <class Interface> class Lent : public Interface {
  public:
    Lent(IUnknown& owner, const IID& id) : owner_(owner), id_(id) {}
    Lent(const Lent&) = delete;
    Lent& operator=(const Lent&) = delete;
    ~Lent() {
        if (system_) system_->Release();
    }

    // This interface, if the system's object has one to lend.
    void* From(IUnknown& system) {
        if (!system_ && FAILED(system.QueryInterface(id_, reinterpret_cast<void**>(&system_))))
            system_ = nullptr;
        return system_ ? static_cast<Interface*>(this) : nullptr;
    }

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID id, void** object) override {
        return owner_.QueryInterface(id, object);
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return owner_.AddRef(); }
    ULONG STDMETHODCALLTYPE Release() override { return owner_.Release(); }

  protected:
    Interface* system_ = nullptr; // one reference, ours

  private:
    IUnknown& owner_;
    const IID& id_;
};

// The window of the object.
class LentWindow final : public Lent<IOleWindow> {
  public:
    using Lent::Lent;
    HRESULT STDMETHODCALLTYPE GetWindow(HWND* window) override {
        return system_->GetWindow(window);
    }
    HRESULT STDMETHODCALLTYPE ContextSensitiveHelp(BOOL enter) override {
        return system_->ContextSensitiveHelp(enter);
    }
};

// The object's children, one after the other.
class LentChildren final : public Lent<IEnumVARIANT> {
  public:
    using Lent::Lent;
    HRESULT STDMETHODCALLTYPE Next(ULONG count, VARIANT* children, ULONG* fetched) override {
        return system_->Next(count, children, fetched);
    }
    HRESULT STDMETHODCALLTYPE Skip(ULONG count) override { return system_->Skip(count); }
    HRESULT STDMETHODCALLTYPE Reset() override { return system_->Reset(); }
    HRESULT STDMETHODCALLTYPE Clone(IEnumVARIANT** copy) override { return system_->Clone(copy); }
};

// The string by which annotations of the object find it.
class LentIdentity final : public Lent<IAccIdentity> {
  public:
    using Lent::Lent;
    HRESULT STDMETHODCALLTYPE GetIdentityString(DWORD child, BYTE** identity,
                                                DWORD* length) override {
        return system_->GetIdentityString(child, identity, length);
    }
};

// The child that a dispatch call names in its one optional argument: none,
// or one left out, is the object itself.
HRESULT ChildArgument(const DISPPARAMS* parameters, VARIANT& child, UINT* wrongArgument) {
    child.vt = VT_I4;
    child.lVal = CHILDID_SELF;
    if (parameters == nullptr || parameters->cArgs == 0) return S_OK;
    if (parameters->cNamedArgs != 0) return DISP_E_NONAMEDARGS;
    if (parameters->cArgs > 1) return DISP_E_BADPARAMCOUNT;
    const VARIANT* given = &parameters->rgvarg[0];
    if (given->vt == (VT_VARIANT | VT_BYREF) && given->pvarVal) given = given->pvarVal;
    if (given->vt == VT_ERROR && given->scode == DISP_E_PARAMNOTFOUND) return S_OK;
    static const auto change =
        SystemFunction<decltype(&VariantChangeType)>("oleaut32.dll", "VariantChangeType");
    VARIANT number{};
    if (FAILED(change(&number, const_cast<VARIANT*>(given), 0, VT_I4))) {
        if (wrongArgument) *wrongArgument = 0;
        return DISP_E_TYPEMISMATCH;
    }
    child = number; // a number holds nothing to free
    return S_OK;
}

// The system's accessible object for a window, with every answer its own but
// the name of the window itself, whether asked for by get_accName or through
// IDispatch. Of the system's other interfaces it lends those that know
// nothing of the name (IOleWindow, IEnumVARIANT, IAccIdentity); the rest stay
// hidden, IServiceProvider among them: through it the object would say that
// it is the system's own and hand out the system's IAccessible, whose name is
// not ours.
class NamedAccessible final : public IAccessible {
  public:
    NamedAccessible(IAccessible* system, std::wstring name)
        : system_(system), name_(std::move(name)) {}
    NamedAccessible(const NamedAccessible&) = delete;
    NamedAccessible& operator=(const NamedAccessible&) = delete;

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID id, void** object) override {
        if (object == nullptr) return E_POINTER;
        *object = nullptr;
        if (id == IID_IUnknown || id == IID_IDispatch || id == IID_IAccessible)
            *object = static_cast<IAccessible*>(this);
        else if (id == IID_IOleWindow)
            *object = window_.From(*system_);
        else if (id == IID_IEnumVARIANT)
            *object = children_.From(*system_);
        else if (id == IID_IAccIdentity)
            *object = identity_.From(*system_);
        if (*object == nullptr) return E_NOINTERFACE;
        AddRef();
        return S_OK;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ULONG(InterlockedIncrement(&references_)); }
    ULONG STDMETHODCALLTYPE Release() override {
        const LONG left = InterlockedDecrement(&references_);
        if (left == 0) delete this;
        return ULONG(left);
    }

    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
        return system_->GetTypeInfoCount(count);
    }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT index, LCID locale, ITypeInfo** info) override {
        return system_->GetTypeInfo(index, locale, info);
    }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID id, LPOLESTR* names, UINT count, LCID locale,
                                            DISPID* ids) override {
        return system_->GetIDsOfNames(id, names, count, locale, ids);
    }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID member, REFIID id, LCID locale, WORD flags,
                                     DISPPARAMS* parameters, VARIANT* result, EXCEPINFO* exception,
                                     UINT* wrongArgument) override {
        if (member != DISPID_ACC_NAME || !(flags & DISPATCH_PROPERTYGET))
            return system_->Invoke(member, id, locale, flags, parameters, result, exception,
                                   wrongArgument);
        VARIANT child{};
        if (const HRESULT argument = ChildArgument(parameters, child, wrongArgument);
            FAILED(argument))
            return argument;
        BSTR name = nullptr;
        const HRESULT answer = get_accName(child, &name);
        if (SUCCEEDED(answer) && result != nullptr) {
            result->vt = VT_BSTR;
            result->bstrVal = name;
        } else {
            FreeString(name);
        }
        return answer;
    }

    HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override {
        if (name == nullptr) return E_POINTER;
        if (child.vt != VT_I4 || child.lVal != CHILDID_SELF)
            return system_->get_accName(child, name);
        *name = NewString(name_);
        return *name ? S_OK : E_OUTOFMEMORY;
    }

    HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override {
        return system_->get_accParent(parent);
    }
    HRESULT STDMETHODCALLTYPE get_accChildCount(long* count) override {
        return system_->get_accChildCount(count);
    }
    HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** object) override {
        return system_->get_accChild(child, object);
    }
    HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* value) override {
        return system_->get_accValue(child, value);
    }
    HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* text) override {
        return system_->get_accDescription(child, text);
    }
    HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override {
        return system_->get_accRole(child, role);
    }
    HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override {
        return system_->get_accState(child, state);
    }
    HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT child, BSTR* help) override {
        return system_->get_accHelp(child, help);
    }
    HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT child, long* topic) override {
        return system_->get_accHelpTopic(file, child, topic);
    }
    HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT child, BSTR* shortcut) override {
        return system_->get_accKeyboardShortcut(child, shortcut);
    }
    HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* child) override {
        return system_->get_accFocus(child);
    }
    HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* children) override {
        return system_->get_accSelection(children);
    }
    HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* action) override {
        return system_->get_accDefaultAction(child, action);
    }
    HRESULT STDMETHODCALLTYPE accSelect(long flags, VARIANT child) override {
        return system_->accSelect(flags, child);
    }
    HRESULT STDMETHODCALLTYPE accLocation(long* left, long* top, long* width, long* height,
                                          VARIANT child) override {
        return system_->accLocation(left, top, width, height, child);
    }
    HRESULT STDMETHODCALLTYPE accNavigate(long direction, VARIANT start, VARIANT* end) override {
        return system_->accNavigate(direction, start, end);
    }
    HRESULT STDMETHODCALLTYPE accHitTest(long left, long top, VARIANT* child) override {
        return system_->accHitTest(left, top, child);
    }
    HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override {
        return system_->accDoDefaultAction(child);
    }
    HRESULT STDMETHODCALLTYPE put_accName(VARIANT child, BSTR name) override {
        return system_->put_accName(child, name);
    }
    HRESULT STDMETHODCALLTYPE put_accValue(VARIANT child, BSTR value) override {
        return system_->put_accValue(child, value);
    }

  private:
    ~NamedAccessible() { system_->Release(); }

    IAccessible* system_; // one reference, ours
    std::wstring name_;
    LONG references_ = 1;
    LentWindow window_{*this, IID_IOleWindow};
    LentChildren children_{*this, IID_IEnumVARIANT};
    LentIdentity identity_{*this, IID_IAccIdentity};
};

#pragma GCC diagnostic pop

} // namespace

AccessibleName::AccessibleName(HandlerGuard& guard, HWND window, std::string name)
    : window_(window), name_(std::move(name)),
      subclass_(guard, window, [this](UINT message, WPARAM wParam, LPARAM lParam) {
          return message == WM_GETOBJECT ? Answer(wParam, lParam) : std::nullopt;
      }) {}

std::optional<LRESULT> AccessibleName::Answer(WPARAM flags, LPARAM objectId) {
    if (static_cast<LONG>(objectId) != OBJID_CLIENT) return std::nullopt;
    // A screen reader's question must never end in an error box: whatever
    // fails here leaves the answer to the system.
    try {
        static const auto initialize =
            SystemFunction<decltype(&CoInitializeEx)>("ole32.dll", "CoInitializeEx");
        static const auto standardObject = SystemFunction<decltype(&CreateStdAccessibleObject)>(
            "oleacc.dll", "CreateStdAccessibleObject");
        static const auto resultFromObject =
            SystemFunction<decltype(&LresultFromObject)>("oleacc.dll", "LresultFromObject");
        // The answer is marshalled through COM, on the program's one thread.
        [[maybe_unused]] static const HRESULT com = initialize(nullptr, COINIT_APARTMENTTHREADED);
        IAccessible* system = nullptr;
        if (FAILED(standardObject(window_, OBJID_CLIENT, IID_IAccessible,
                                  reinterpret_cast<void**>(&system))))
            return std::nullopt;
        auto* named = new NamedAccessible(system, WideFromAnsi(name_));
        const LRESULT result = resultFromObject(IID_IAccessible, flags, named);
        named->Release(); // the result holds its own reference
        if (FAILED(static_cast<HRESULT>(result))) return std::nullopt;
        return result;
    } catch (...) {
        return std::nullopt;
    }
}

} // namespace tarnwick::forms
