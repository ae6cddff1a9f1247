#include "ui/dialogs/WaitWindow.h"

#include <algorithm>
#include <memory>
#include <utility>

#include "core/TextTools.h"
#include "ui/dialogs/Application.h"
#include "ui/base/DpiScaling.h"
#include "ui/dialogs/MessageBoxes.h"
#include "ui/dialogs/WaitText.h"
#include "ui/dialogs/WindowPlacement.h"

namespace ui {

namespace {

constexpr char kNoMoreStack[] = "(TWait.Stack(False)) Aïe ! Plus de pile !";
constexpr Rect kTitleArea{48, 8, 456, 41};

std::unique_ptr<TWait>& Controller() {
  static std::unique_ptr<TWait> controller;
  return controller;
}

TfWait*& Current() {
  static TfWait* current = nullptr;
  return current;
}

// The application keeps every wait form until the program ends; a closed one keeps only its object.
std::vector<std::unique_ptr<TfWait>>& OwnedForms() {
  static std::vector<std::unique_ptr<TfWait>> forms;
  return forms;
}

Image EmbeddedHourglass(int scale) {
  HRSRC found = FindResourceW(nullptr, scale == 2 ? L"HOURGLASS_2X_BMP" : L"HOURGLASS_BMP", RT_RCDATA);
  HGLOBAL loaded = found ? LoadResource(nullptr, found) : nullptr;
  const void* data = loaded ? LockResource(loaded) : nullptr;
  if (!data) return {};
  std::optional<Image> image = DecodeBmp({static_cast<const char*>(data), SizeofResource(nullptr, found)});
  return image ? std::move(*image) : Image{};
}

DrawingLoader& HourglassSource() {
  static DrawingLoader source = EmbeddedHourglass;
  return source;
}

void EnableMainForm(bool enable) {
  if (Form* main = App().MainForm(); main && main->Handle()) EnableWindow(main->Handle(), enable);
}

TfWait& WaitForm() { return *Current(); }

}  // namespace

void SetHourglassSource(DrawingLoader source) {
  HourglassSource() = source ? std::move(source) : EmbeddedHourglass;
}

// --- The form ---

bool TfWait::Create(DrawingLoader hourglass) {
  hourglass_ = std::move(hourglass);
  const HWND owner = App().Handle();  // the application keeps the window out of the task bar
  if (!form.Create({.className = L"TfWait", .name = "fWait", .clientWidth = kWaitClientWidth,
                    .clientHeight = kWaitClientHeight, .frame = Frame::None, .owner = owner, .topMost = true}))
    return false;
  Panneau.Create({.parent = form.Handle(), .bounds = {0, 0, kWaitClientWidth, kWaitClientHeight}, .name = "Panneau",
                  .background = kSkyBlue, .loweredBevel = 2});
  Icone.Create({.parent = Panneau.Handle(), .bounds = {8, 8, 32, 32}, .name = "Icone"});
  ShowHourglass();
  Titre.Create({.parent = Panneau.Handle(), .bounds = kTitleArea, .name = "Titre",
                .font = form.Fonts().Get({.face = "MS Sans Serif", .points = 12, .bold = true}),
                .colour = RGB(255, 255, 255), .wordWrap = true});
  Texte.Create({.parent = Panneau.Handle(), .bounds = {48, 50, 457, 13}, .name = "Texte"});
  BoutonStop.Create({.parent = Panneau.Handle(), .bounds = {8, 44, 33, 25}, .name = "BoutonStop", .text = "Stop"});
  BoutonStop.onClick = [this] { Stop(); };

  // The labels let the mouse through to the panel, so the panel and the picture carry the drag.
  for (Control* c : {static_cast<Control*>(&Panneau), static_cast<Control*>(&Icone)}) {
    HWND h = c->Handle();
    c->onMouseDown = [this, h](const MouseEvent& e) { MDown(e, h); };
    c->onMouseMove = [this](const MouseEvent& e) { MMove(e); };
    c->onMouseUp = [this, h](const MouseEvent&) { MUp(h); };
  }
  form.onClose = [this](CloseEvent& event) { FormClose(event); };
  form.onDpiChanged = [this] {
    ShowHourglass();
    SetTitle(Titre.Text());
  };

  form.Hide();
  shown_ = false;
  LoadFormPos(form, true);
  return true;
}

void TfWait::SetStopIsCancel(bool cancel) {
  stopIsCancel_ = cancel;
  form.ClearKeyButtons();
  if (cancel) form.AddCancelButton(BoutonStop);
}

void TfWait::ShowHourglass() {
  // The hourglass's key colour shows the panel: painted over once, before resizing, so that no blend
  // of it is left around the edges.
  Icone.SetImage(PictureForDpi(
      [this](int scale) { return hourglass_ ? ReplaceKeyColour(hourglass_(scale), kSkyBlue) : Image{}; }, form.Dpi()));
}

void TfWait::SetTitle(std::string_view title) {
  // A static text cannot centre wrapped lines vertically: the label takes the height of its lines.
  const Rect area = ScaleRect(kTitleArea, form.Dpi());
  SIZE size = MeasureText(Titre.Font(), title, area.w);
  int height = std::min(static_cast<int>(size.cy), area.h);
  Titre.Place({area.x, area.y + (area.h - height) / 2, area.w, height});
  Titre.SetText(title);
}

void TfWait::MDown(const MouseEvent& event, HWND control) {
  if (event.button != MouseButton::Left) return;
  DownX = event.x;
  DownY = event.y;
  // Moves keep coming while the mouse runs ahead of the window.
  SetCapture(control);
}

void TfWait::MMove(const MouseEvent& event) {
  if (!(event.keys & MK_LBUTTON)) return;
  RECT r{};
  GetWindowRect(form.Handle(), &r);
  form.MoveTo(r.left + event.x - DownX, r.top + event.y - DownY);
  SaveFormPos(form, WindowState::Normal);
}

void TfWait::MUp(HWND control) {
  if (GetCapture() == control) ReleaseCapture();
}

void TfWait::Stop() {
  BoutonStop.SetVisible(false);
  SetStopIsCancel(false);
  BoutonStop.tag = 1;
}

void TfWait::FormClose(CloseEvent& event) {
  // The operation that shows the window holds the controller and goes on calling it: freeing it now
  // (Alt+F4 reaches even a window without a frame) would leave that operation with a dangling one.
  if (shown_) {
    event.cancel = true;
    return;
  }
  SaveFormPos(form, WindowState::Normal);
  Controller().reset();
}

// --- The controller ---

TfWait& CreateWaitForm() {
  auto form = std::make_unique<TfWait>();
  form->Create(HourglassSource());
  OwnedForms().push_back(std::move(form));
  Current() = OwnedForms().back().get();
  return *Current();
}

TfWait* CurrentWaitForm() { return Current(); }

TWait* GetWait() {
  if (!Controller()) Controller() = std::make_unique<TWait>();
  return Controller().get();
}

TWait::TWait() { CreateWaitForm(); }

bool TWait::Start(std::string_view text, bool showStop) {
  TfWait& f = WaitForm();
  EnableMainForm(false);
  if (f.Shown()) Stack(true);
  f.BoutonStop.SetVisible(showStop);
  f.BoutonStop.SetEnabled(true);
  f.SetStopIsCancel(showStop);
  f.BoutonStop.tag = 0;
  f.SetShown(true);
  f.form.Show();
  WaitLines lines = SplitWaitText(text);
  f.SetTitle(lines.title);
  f.Texte.SetText(lines.text);
  App().ProcessMessages();
  return true;
}

bool TWait::Finish() {
  TfWait& f = WaitForm();
  EnableMainForm(true);
  if (!f.Shown()) {
    MessageBeep(0);
    return false;
  }
  bool stopped;
  if (!saved_.empty()) {
    stopped = Stopped();
    Stack(false);
  } else {
    f.SetStopIsCancel(false);
    f.BoutonStop.SetVisible(false);
    f.SetShown(false);
    f.form.Hide();
    stopped = Stopped();
  }
  App().ProcessMessages();
  return stopped;
}

void TWait::SetText(std::string_view text) {
  WaitForm().Texte.SetText(core::TrimText(text));
  App().ProcessMessages();
}

bool TWait::Stopped() {
  App().ProcessMessages();
  return WaitForm().BoutonStop.tag == 1;
}

bool TWait::Active() const { return WaitForm().Shown(); }

void TWait::Stack(bool push) {
  TfWait& f = WaitForm();
  if (push) {
    saved_.push_back({f.Titre.Text(), f.Texte.Text(), f.BoutonStop.Visible(), f.BoutonStop.Enabled(),
                      f.BoutonStop.tag});
    return;
  }
  if (saved_.empty()) {
    MessageBeep(0);
    // Above the wait window, which stays on top of every ordinary window.
    MsgBox(kNoMoreStack, "", MB_OK | MB_TOPMOST);
    return;
  }
  const TWaitState& top = saved_.back();
  f.SetTitle(top.Title);
  f.Texte.SetText(top.Text);
  f.BoutonStop.SetVisible(top.StopVisible);
  f.BoutonStop.SetEnabled(top.StopEnabled);
  f.BoutonStop.tag = top.StopTag;
  f.SetStopIsCancel(top.StopVisible && top.StopEnabled);
  saved_.pop_back();
}

void TWait::SetText(TWait* wait, std::string_view text) {
  if (wait) wait->SetText(text);
}

bool TWait::Stopped(TWait* wait) { return wait && wait->Stopped(); }

}  // namespace ui
