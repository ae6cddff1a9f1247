#include "ui/dialogs/PromptDialog.h"

#include "core/Utf8.h"
#include "core/TextTools.h"
#include "ui/dialogs/Application.h"
#include "ui/dialogs/PromptLayout.h"

namespace ui {

namespace {

constexpr int kAnswerHeight = 21;

int ScreenWidth() { return GetSystemMetrics(SM_CXSCREEN); }
int ScreenHeight() { return GetSystemMetrics(SM_CYSCREEN); }

bool HasLineBreak(std::string_view text) { return text.find("\r\n") != std::string_view::npos; }

}  // namespace

Icon PromptIconAt(PromptIcon icon, int size) {
  const wchar_t* id = nullptr;
  switch (icon) {
    case PromptIcon::Warning: id = IDI_EXCLAMATION; break;
    case PromptIcon::Error: id = IDI_HAND; break;
    case PromptIcon::Information: id = IDI_ASTERISK; break;
    case PromptIcon::Confirmation: id = IDI_QUESTION; break;
    case PromptIcon::None:
    default: return {};
  }
  // Loaded at the size it is shown, not stretched from the standard one.
  return Icon(static_cast<HICON>(LoadImageW(nullptr, id, IMAGE_ICON, size, size, LR_DEFAULTCOLOR)));
}

TPromptDialog::TPromptDialog(std::string_view msg, std::string_view caption, PromptIcon icon,
                             const std::string* answer, const std::vector<std::string>& captions, int defaultIndex,
                             int cancelIndex)
    : Msg(msg) {
  std::string title = core::TrimText(caption).empty() ? App().Title() : std::string(caption);
  if (!Create({.className = kPromptDialogClass, .name = "PromptDialog", .caption = title,
               .clientWidth = ScreenWidth(), .frame = Frame::ToolWithClose, .topMost = true}))
    return;
  onActivate = [this] { Activate(); };
  onDpiChanged = [this] {
    ShowIcon();
    Activate();
  };
  IconKind = icon;
  if (icon != PromptIcon::None) {
    Img.emplace();
    Img->Create({.parent = Handle(), .bounds = {kPromptMargin, kPromptMargin, kPromptIconSize, kPromptIconSize},
                 .name = "Img"});
    ShowIcon();
  }
  Txt.Create({.parent = Handle(), .bounds = {kPromptMargin, kPromptMargin, ScreenWidth(), 0}, .name = "Txt",
              .wordWrap = !HasLineBreak(Msg)});
  if (answer) {
    Rep.emplace();
    Rep->Create({.parent = Handle(), .bounds = {kPromptMargin, 0, 121, kAnswerHeight}, .name = "Rep", .text = *answer});
  }
  pBtn.Create({.parent = Handle(), .bounds = kPromptPanelStart, .name = "pBtn"});
  std::vector<std::string> texts = captions.empty() ? std::vector<std::string>{"Ok"} : captions;
  for (size_t i = 0; i < texts.size(); ++i) {
    const int index = static_cast<int>(i);
    auto& button = *Buttons.emplace_back(std::make_unique<Button>());
    button.Create({.parent = pBtn.Handle(), .bounds = {0, 0, kPromptButtonWidth, kPromptButtonHeight},
                   .name = "Button" + std::to_string(i), .text = texts[i], .isDefault = index == defaultIndex});
    button.onClick = [this, index] { SetModalResult(-1 - index); };
    if (index == defaultIndex) AddDefaultButton(button);
    if (index == cancelIndex) AddCancelButton(button);
  }
}

TPromptDialog::~TPromptDialog() {
  // The form must not keep pointers to buttons that are about to go.
  ClearKeyButtons();
}

std::string TPromptDialog::AnswerText() const { return Rep ? Rep->Text() : std::string(); }

void TPromptDialog::ShowIcon() {
  if (!Img) return;
  Icon icon = PromptIconAt(IconKind, Scale(kPromptIconSize, Dpi()));
  Img->SetIcon(icon.Get());
  icon_ = std::move(icon);  // the old icon goes once the picture has let go of it
}

void TPromptDialog::Activate() {
  if (!Handle()) return;
  // The drawing surface measures in the dialog's font until the first layout leaves it at 12-point bold.
  HFONT surface = surfaceFont_ ? Fonts().Get(*surfaceFont_) : DefaultFont();
  PromptLayoutInput in;
  in.dpi = Dpi();
  in.screenWidth = ScreenWidth();
  in.screenHeight = ScreenHeight();
  SIZE outer = OuterSize();
  RECT client{};
  GetClientRect(Handle(), &client);
  in.frame = {outer.cx - (client.right - client.left), outer.cy - (client.bottom - client.top)};
  for (const auto& b : Buttons) {
    in.captionWidths.push_back(static_cast<int>(MeasureText(surface, b->Text()).cx));
    in.buttons.push_back(b->Bounds());
  }
  in.panel = pBtn.Bounds();
  if (!surfaceFont_) {
    LOGFONTW lf{};
    GetObjectW(DefaultFont(), sizeof lf, &lf);
    surfaceFont_ = FontSpec{.face = core::Narrow(lf.lfFaceName), .points = 12, .bold = true};
  }
  in.titleWidth = static_cast<int>(MeasureText(Fonts().Get(*surfaceFont_), Text()).cx);
  in.icon = Img.has_value();
  if (Rep) in.answerHeight = Rep->Bounds().h;
  Txt.SetText(Msg);
  in.textSize = [this](int width) {
    Txt.SetWidth(width);
    Rect b = Txt.Bounds();
    return SIZE{b.w, b.h};
  };

  PromptLayout layout = LayOutPrompt(in);

  for (size_t i = 0; i < Buttons.size(); ++i) Buttons[i]->Place(layout.buttons[i]);
  pBtn.Place(layout.panel);
  Txt.Place(layout.text);
  if (Rep && layout.answer) Rep->Place(*layout.answer);
  SetClientPixels(layout.clientWidth, layout.clientHeight);
  MoveTo(layout.position.x, layout.position.y);
  // Shown over the dialog, whose next activation lays it out again: once is enough.
  if (layout.buttonsTooWide && !tooWideShown_) {
    tooWideShown_ = true;
    PromptMessage(kButtonsTooWideMessage, "", PromptIcon::Information);
  }
}

int Prompt(std::string_view msg, std::string_view caption, PromptIcon icon, std::string* answer,
           const std::vector<std::string>& captions, int cancelIndex) {
  App().Initialize();
  TPromptDialog dialog(msg, caption, icon, answer, captions, 0, cancelIndex);
  const int result = dialog.Handle() ? App().ShowModal(dialog) : kModalCancel;
  if (answer) *answer = result == kModalCancel ? std::string() : dialog.AnswerText();
  return result == kModalCancel ? -1 : -1 - result;
}

int PromptChoice(std::string_view msg, std::string_view caption, PromptIcon icon,
                 const std::vector<std::string>& captions, int cancelIndex) {
  return Prompt(msg, caption, icon, nullptr, captions, cancelIndex);
}

int PromptMessage(std::string_view msg, std::string_view caption, PromptIcon icon) {
  return PromptChoice(msg, caption, icon, {"Ok"});
}

}  // namespace ui
