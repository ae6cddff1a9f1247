#include "ui/widgets/Accessible.h"

#include <oleacc.h>

#include <atomic>

#include "core/SystemLibrary.h"
#include "core/Utf8.h"

namespace ui {

namespace {

// The accessibility library is not among Windows' known DLLs: it comes from the system folder.
using CreateStdObjectFn = HRESULT(WINAPI*)(HWND, LONG, REFIID, void**);
using LresultFromObjectFn = LRESULT(WINAPI*)(REFIID, WPARAM, LPUNKNOWN);

const IID kIAccessible = {0x618736e0, 0x3c3d, 0x11cf, {0x81, 0x0c, 0x00, 0xaa, 0x00, 0x38, 0x9b, 0x71}};

HRESULT Text(const std::string& text, BSTR* out) {
  if (!out) return E_POINTER;
  *out = SysAllocString(core::Widen(text).c_str());
  return *out ? S_OK : E_OUTOFMEMORY;
}

// The system's object, with the facts answered first and everything else passed on.
class FactsOverSystem final : public IAccessible {
 public:
  FactsOverSystem(IAccessible* system, AccessibleFactsOf facts) : system_(system), facts_(std::move(facts)) {}

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** out) override {
    if (!out) return E_POINTER;
    if (riid == IID_IUnknown || riid == IID_IDispatch || riid == kIAccessible) {
      *out = static_cast<IAccessible*>(this);
      AddRef();
      return S_OK;
    }
    // Further interfaces of the system's object (its enumeration of children, ...) come from it.
    return system_->QueryInterface(riid, out);
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return ++references_; }
  ULONG STDMETHODCALLTYPE Release() override {
    const ULONG left = --references_;
    if (left == 0) delete this;
    return left;
  }

  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override { return system_->GetTypeInfoCount(count); }
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT i, LCID lcid, ITypeInfo** info) override {
    return system_->GetTypeInfo(i, lcid, info);
  }
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID riid, LPOLESTR* names, UINT count, LCID lcid,
                                          DISPID* ids) override {
    return system_->GetIDsOfNames(riid, names, count, lcid, ids);
  }
  HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID riid, LCID lcid, WORD flags, DISPPARAMS* params,
                                   VARIANT* result, EXCEPINFO* info, UINT* arg) override {
    return system_->Invoke(id, riid, lcid, flags, params, result, info, arg);
  }

  HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override {
    if (auto facts = FactsOf(child); facts.name) return Text(*facts.name, name);
    return system_->get_accName(child, name);
  }
  HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* description) override {
    if (auto facts = FactsOf(child); facts.description) return Text(*facts.description, description);
    return system_->get_accDescription(child, description);
  }
  HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override {
    if (auto facts = FactsOf(child); facts.role && role) {
      role->vt = VT_I4;
      role->lVal = *facts.role;
      return S_OK;
    }
    return system_->get_accRole(child, role);
  }

  HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override { return system_->get_accParent(parent); }
  HRESULT STDMETHODCALLTYPE get_accChildCount(long* count) override { return system_->get_accChildCount(count); }
  HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** out) override {
    return system_->get_accChild(child, out);
  }
  HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* value) override {
    return system_->get_accValue(child, value);
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
  HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* child) override { return system_->get_accFocus(child); }
  HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* children) override {
    return system_->get_accSelection(children);
  }
  HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* action) override {
    return system_->get_accDefaultAction(child, action);
  }
  HRESULT STDMETHODCALLTYPE accSelect(long flags, VARIANT child) override { return system_->accSelect(flags, child); }
  HRESULT STDMETHODCALLTYPE accLocation(long* left, long* top, long* width, long* height, VARIANT child) override {
    return system_->accLocation(left, top, width, height, child);
  }
  HRESULT STDMETHODCALLTYPE accNavigate(long direction, VARIANT start, VARIANT* end) override {
    return system_->accNavigate(direction, start, end);
  }
  HRESULT STDMETHODCALLTYPE accHitTest(long left, long top, VARIANT* child) override {
    return system_->accHitTest(left, top, child);
  }
  HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override { return system_->accDoDefaultAction(child); }
  HRESULT STDMETHODCALLTYPE put_accName(VARIANT child, BSTR name) override {
    return system_->put_accName(child, name);
  }
  HRESULT STDMETHODCALLTYPE put_accValue(VARIANT child, BSTR value) override {
    return system_->put_accValue(child, value);
  }

 private:
  ~FactsOverSystem() { system_->Release(); }
  AccessibleFacts FactsOf(const VARIANT& child) const {
    return child.vt == VT_I4 && facts_ ? facts_(child.lVal) : AccessibleFacts{};
  }

  IAccessible* system_;
  AccessibleFactsOf facts_;
  std::atomic<ULONG> references_{1};
};

}  // namespace

LRESULT AnswerGetObject(HWND hwnd, WPARAM wParam, LPARAM lParam, const AccessibleFactsOf& facts) {
  if (static_cast<LONG>(lParam) != OBJID_CLIENT || !facts) return 0;
  static const auto createStd = core::SystemFunction<CreateStdObjectFn>(L"oleacc.dll", "CreateStdAccessibleObject");
  static const auto fromObject = core::SystemFunction<LresultFromObjectFn>(L"oleacc.dll", "LresultFromObject");
  if (!createStd || !fromObject) return 0;
  IAccessible* system = nullptr;
  if (FAILED(createStd(hwnd, OBJID_CLIENT, kIAccessible, reinterpret_cast<void**>(&system))) || !system) return 0;
  auto* answer = new FactsOverSystem(system, facts);
  // The reader's reference is its own; ours goes once the answer is made.
  const LRESULT result = fromObject(kIAccessible, wParam, answer);
  answer->Release();
  return result > 0 ? result : 0;
}

}  // namespace ui
