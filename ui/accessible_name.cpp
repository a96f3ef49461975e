#include "ui/accessible_name.h"

#include <oleacc.h>

#include <atomic>
#include <string>

#include "ui/subclass.h"
#include "ui/system_library.h"
#include "ui/toolkit.h"

namespace island {
namespace {

constexpr wchar_t kNameSubclass[] = L"island.name";
constexpr wchar_t kNameSourceProp[] = L"island.name.source";

// The accessibility runtime and BSTRs are loaded when a tool first asks.
struct AccessibilityRuntime {
  using CreateStdFn = HRESULT(WINAPI*)(HWND, LONG, REFIID, void**);
  using LresultFn = LRESULT(WINAPI*)(REFIID, WPARAM, IUnknown*);
  using SysAllocStringFn = BSTR(WINAPI*)(const OLECHAR*);

  CreateStdFn create_standard =
      SystemFunction<CreateStdFn>(L"oleacc.dll", "CreateStdAccessibleObject");
  LresultFn lresult_from_object = SystemFunction<LresultFn>(L"oleacc.dll", "LresultFromObject");
  SysAllocStringFn sys_alloc_string =
      SystemFunction<SysAllocStringFn>(L"oleaut32.dll", "SysAllocString");

  bool ready() const { return create_standard && lresult_from_object && sys_alloc_string; }
};

const AccessibilityRuntime& Runtime() {
  static const AccessibilityRuntime runtime;
  return runtime;
}

// The system's own object for the window, with another name. Every other
// question goes to the system's object, and so do interfaces other than
// IAccessible (children, the window handle, ...).
class NamedAccessible final : public IAccessible {
 public:
  NamedAccessible(IAccessible* standard, HWND source) : standard_(standard), source_(source) {}
  NamedAccessible(const NamedAccessible&) = delete;
  NamedAccessible& operator=(const NamedAccessible&) = delete;

  // IUnknown
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
    if (!out) return E_POINTER;
    if (iid == __uuidof(IUnknown) || iid == __uuidof(IDispatch) || iid == __uuidof(IAccessible)) {
      *out = static_cast<IAccessible*>(this);
      AddRef();
      return S_OK;
    }
    return standard_->QueryInterface(iid, out);
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return ++references_; }
  ULONG STDMETHODCALLTYPE Release() override {
    const ULONG left = --references_;
    if (left == 0) delete this;
    return left;
  }

  // The name.
  HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override {
    if (!name) return E_POINTER;
    const std::wstring text = WindowText(source_);  // empty once the source is gone
    if (!IsSelf(child) || text.empty()) return standard_->get_accName(child, name);
    *name = Runtime().sys_alloc_string(text.c_str());
    return *name ? S_OK : E_OUTOFMEMORY;
  }

  // IDispatch
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
  HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID iid, LCID locale, WORD flags,
                                   DISPPARAMS* params, VARIANT* result, EXCEPINFO* exception,
                                   UINT* bad_argument) override {
    return standard_->Invoke(id, iid, locale, flags, params, result, exception, bad_argument);
  }

  // The rest of IAccessible, as the system answers it.
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
  HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* text) override {
    return standard_->get_accDescription(child, text);
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
  HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT child, BSTR* keys) override {
    return standard_->get_accKeyboardShortcut(child, keys);
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
  HRESULT STDMETHODCALLTYPE accSelect(LONG how, VARIANT child) override {
    return standard_->accSelect(how, child);
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

 private:
  ~NamedAccessible() { standard_->Release(); }

  static bool IsSelf(const VARIANT& child) {
    return child.vt == VT_I4 && child.lVal == CHILDID_SELF;
  }

  std::atomic<ULONG> references_{1};
  IAccessible* standard_;  // owned: one reference
  HWND source_;
};

// The answer to WM_GETOBJECT for the window's client object, or 0 (the
// caller then lets the system answer).
LRESULT NamedObjectFor(HWND hwnd, WPARAM flags, HWND source) {
  const AccessibilityRuntime& runtime = Runtime();
  if (!runtime.ready() || !EnterComApartment()) return 0;
  IAccessible* standard = nullptr;
  if (FAILED(runtime.create_standard(hwnd, OBJID_CLIENT, __uuidof(IAccessible),
                                     reinterpret_cast<void**>(&standard))) ||
      !standard) {
    return 0;
  }
  // (Allocation never fails here: the program's operator new ends it first.)
  auto* named = new NamedAccessible(standard, source);
  // The result holds its own reference until the tool takes the object.
  const LRESULT result = runtime.lresult_from_object(__uuidof(IAccessible), flags, named);
  named->Release();
  return result > 0 ? result : 0;
}

LRESULT CALLBACK NamedProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_GETOBJECT && static_cast<LONG>(lp) == OBJID_CLIENT) {
    const auto source = static_cast<HWND>(GetPropW(hwnd, kNameSourceProp));
    if (const LRESULT result = NamedObjectFor(hwnd, wp, source)) return result;
  }
  if (msg == WM_NCDESTROY) RemovePropW(hwnd, kNameSourceProp);
  return CallPrevious(kNameSubclass, hwnd, msg, wp, lp);
}

}  // namespace

void NameAfter(HWND hwnd, HWND source) {
  SetPropW(hwnd, kNameSourceProp, source);
  InstallSubclass(hwnd, kNameSubclass, NamedProc);
}

}  // namespace island
