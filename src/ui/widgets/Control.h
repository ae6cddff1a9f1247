#pragma once
// The base of every wrapped control: owns its window, knows its name and tag, and receives the
// notifications its parent reflects back to it (WM_COMMAND, WM_NOTIFY, WM_CTLCOLOR*, WM_DRAWITEM).
#include <windows.h>
#include <commctrl.h>

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "ui/base/Gdi.h"
#include "ui/base/Geometry.h"
#include "ui/widgets/Accessible.h"

namespace ui {

enum class MouseButton { None, Left, Right, Middle };

// A mouse message as the control received it: the button that changed (None for a move), the buttons
// and keys held (MK_* flags), and the position in the control's client coordinates.
struct MouseEvent {
  MouseButton button = MouseButton::None;
  WPARAM keys = 0;
  int x = 0, y = 0;
};

// Anything the program names and tags, with or without a window of its own (tool buttons have none).
class Component {
 public:
  Component() = default;
  Component(const Component&) = delete;
  Component& operator=(const Component&) = delete;
  virtual ~Component() = default;

  std::string name;
  int tag = 0;
};

// The fields every control's CreateArgs begins with, written once; they stay flat, so that a
// control is created with plain designated initialisers. CommonOf takes them out again.
#define PRATILO_CONTROL_FIELDS                                            \
  HWND parent = nullptr;                                                  \
  Rect bounds; /* design units, scaled to the window's DPI */             \
  std::string name;                                                       \
  int tag = 0;                                                            \
  bool visible = true;                                                    \
  bool enabled = true;                                                    \
  HFONT font = nullptr; /* borrowed: the caller keeps it alive */

struct CommonArgs {
  PRATILO_CONTROL_FIELDS
};

template <class A>
CommonArgs CommonOf(const A& a) {
  return {a.parent, a.bounds, a.name, a.tag, a.visible, a.enabled, a.font};
}

class Control : public Component {
 public:
  Control() = default;
  ~Control() override;

  HWND Handle() const { return hwnd_; }
  // The wrapper of a window created by this layer, or null.
  static Control* FromHandle(HWND hwnd);

  // The control's own visibility, whatever its parents' state.
  bool Visible() const;
  void SetVisible(bool visible);
  bool Enabled() const;
  void SetEnabled(bool enabled);
  // Where the control is now, in pixels.
  Rect Bounds() const;
  // Where the control belongs in design units; it goes back there whenever the DPI changes.
  Rect DesignBounds() const { return design_; }
  void SetBounds(const Rect& design);
  void Move(int designX, int designY);
  // Puts the control at a place in pixels worked out by measuring; whoever measured places it
  // again when the DPI changes.
  void Place(const Rect& pixels);
  // The DPI the control's window is laid out for (its top-level form's).
  int Dpi() const;
  // Takes the control to another DPI: the font that replaces its own, its design place, then its own
  // rules. Forms call it for every control, children before their parents.
  void RescaleForDpi(int dpi, const std::vector<FontCache::Replaced>& fonts);
  // Only the font's part of that: the replacement of the control's font, when it has one.
  virtual void TakeReplacementFont(const std::vector<FontCache::Replaced>& fonts);
  // Above every sibling, so that it covers what lies under it.
  void BringToFront();
  std::string Text() const;
  virtual void SetText(std::string_view utf8);
  void SetFont(HFONT borrowed);
  HFONT Font() const;
  // The height of a line of text in the control's font, in pixels; 0 without a window.
  int LineHeight() const;

  // Notifications reflected by the parent; true when handled.
  virtual bool OnCommand(int /*code*/, int /*id*/) { return false; }
  virtual bool OnNotify(NMHDR* /*header*/, LRESULT& /*result*/) { return false; }
  virtual HBRUSH OnCtlColor(HDC /*dc*/) { return nullptr; }
  virtual bool OnDrawItem(const DRAWITEMSTRUCT& /*item*/) { return false; }
  // Messages sent to the control itself, before its window procedure sees them.
  virtual bool OnMessage(UINT /*msg*/, WPARAM, LPARAM, LRESULT& /*result*/) { return false; }
  // What the control's own window procedure answers, for a handler that only adjusts the answer.
  LRESULT OwnAnswer(UINT msg, WPARAM wParam, LPARAM lParam) const;
  // The brush that transparent children paint behind them: containers own one, others ask upward.
  virtual HBRUSH BackgroundBrush() const;
  // Text painted on the parent (labels) stays under every other control of that parent.
  virtual bool LiesUnder() const { return false; }
  // After the font and design place have followed a change of DPI: what else the kind must redo.
  virtual void OnDpiChanged(int /*dpi*/) {}
  // The DPI a top-level window lays its controls out for; 0 for a control, which follows its window's.
  virtual int LayoutDpi() const { return 0; }
  // A container that is hidden when the DPI changes may lay its children out only when it is shown
  // again (they take their new fonts at once all the same); true when it has put that off.
  virtual bool PutOffLayout(int /*dpi*/) { return false; }

  // What a screen reader reads of the control beyond what the system's object says (empty: only that).
  AccessibleFactsOf accessibleFacts;
  // The role of the control's kind (ROLE_SYSTEM_*), told to readers whose system object says
  // only "client" (Wine's); 0: the system's.
  virtual long AccessibleRole() const { return 0; }

  // Mouse messages that reach this control's own window (static text lets them through to its parent).
  std::function<void(const MouseEvent&)> onMouseDown, onMouseMove, onMouseUp;

 protected:
  // Paints the whole client area with the brush (answering WM_ERASEBKGND); gives the client rectangle.
  RECT FillClient(HDC dc, HBRUSH brush) const;
  // Destroys the window now; wrappers that own what the window uses (fonts, images, brushes) call it
  // in their destructor so that the window never outlives them.
  void DestroyHandle();
  // Creates the window with the common state applied; false when the system refused.
  bool CreateHandle(const CommonArgs& args, const wchar_t* className, DWORD style, DWORD exStyle = 0,
                    std::string_view text = {});
  // Shows the text unless the control shows it already; true when it changed.
  bool ReplaceText(std::string_view utf8);
  // Sends to the control's window; without a window nothing is sent and the answer is noWindow.
  LRESULT Send(UINT msg, WPARAM wParam = 0, LPARAM lParam = 0, LRESULT noWindow = 0) const;
  // Brush for labels and buttons drawn on the parent's background with the given text colour.
  HBRUSH TransparentColours(HDC dc, COLORREF textColour) const;

 private:
  static LRESULT CALLBACK WindowProc(HWND, UINT, WPARAM, LPARAM);
  void RaiseMouse(UINT msg, WPARAM wParam, LPARAM lParam) const;
  void Attach(HWND hwnd);
  void Detach();
  void KeepZOrder();
  HWND hwnd_ = nullptr;
  WNDPROC original_ = nullptr;  // the window's own procedure, which the wrapper's passes messages on to
  Rect design_;
};

// The DPI that a window and its children are laid out for.
int DpiOf(HWND hwnd);

// Takes every control under `parent` to another DPI, children before their parents, so that a
// parent's own layout of its children has the last word; a hidden container may put its part off.
void RescaleChildren(HWND parent, int dpi, const std::vector<FontCache::Replaced>& fonts);

// Routes a child's notification to its wrapper; true when the wrapper handled it.
bool ReflectToChild(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result);

// Registers (once) a plain window class whose procedure is DefWindowProc; the layer subclasses it.
const wchar_t* PlainWindowClass(const wchar_t* name, HBRUSH background = nullptr, UINT style = 0);

}  // namespace ui
