#pragma once
// The program's own message box, built at run time: a system icon, a message, an optional answer
// box and a row of buttons with the caller's captions. It gives the index of the pressed button.
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "ui/base/Gdi.h"
#include "ui/widgets/Button.h"
#include "ui/widgets/Edit.h"
#include "ui/widgets/Form.h"
#include "ui/widgets/IconPicture.h"
#include "ui/widgets/Label.h"
#include "ui/widgets/Panel.h"

namespace ui {

enum class PromptIcon : std::uint8_t {
  Warning = 0,       // IDI_EXCLAMATION
  Error = 1,         // IDI_HAND
  Information = 2,   // IDI_ASTERISK
  Confirmation = 3,  // IDI_QUESTION
  None = 4,          // no picture at all
};

inline constexpr wchar_t kPromptDialogClass[] = L"TPromptDialog";
// Shown when the buttons cannot be placed within three quarters of the screen.
inline constexpr char kButtonsTooWideMessage[] = "(PromptDialog) GASP ... largeur des boutons trop grande :-(  ...";

inline BOOL WINAPI DestroyIconHandle(HICON h) { return DestroyIcon(h); }
using Icon = OwnedHandle<HICON, DestroyIconHandle>;

// The system icon of a kind at a size in pixels, or none for PromptIcon::None.
Icon PromptIconAt(PromptIcon icon, int size);

class TPromptDialog : public Form {
 public:
  // Builds the dialog, not yet shown. Button i closes it with the modal result -1 - i. An empty
  // caption list gives one "Ok" button; a blank caption gives the application's title.
  TPromptDialog(std::string_view msg, std::string_view caption, PromptIcon icon, const std::string* answer,
                const std::vector<std::string>& captions, int defaultIndex, int cancelIndex);
  ~TPromptDialog() override;

  // The layout, run each time the dialog becomes active and when its DPI changes.
  void Activate();
  // The answer box's text; empty without one.
  std::string AnswerText() const;

  std::optional<IconPicture> Img;
  PromptIcon IconKind = PromptIcon::None;
  Label Txt;
  std::optional<Edit> Rep;
  Panel pBtn;
  std::vector<std::unique_ptr<Button>> Buttons;
  std::string Msg;

 private:
  // The system icon, loaded at the size it is shown at the dialog's DPI.
  void ShowIcon();
  Icon icon_;                            // shown by Img, at the dialog's DPI
  std::optional<FontSpec> surfaceFont_;  // the 12-point bold font of the drawing surface, once set
  bool tooWideShown_ = false;  // the failure message comes at most once per dialog
};

// Shows the dialog modally (Enter presses the first button, Escape the one at `cancelIndex`) and
// gives the index of the pressed button, or -1 when it was closed otherwise. With an answer box,
// `answer` gets its text, or empty text when the dialog was closed without a button.
int Prompt(std::string_view msg, std::string_view caption, PromptIcon icon, std::string* answer,
           const std::vector<std::string>& captions, int cancelIndex = 1);
int PromptChoice(std::string_view msg, std::string_view caption, PromptIcon icon,
                 const std::vector<std::string>& captions, int cancelIndex = 1);
int PromptMessage(std::string_view msg, std::string_view caption, PromptIcon icon);

}  // namespace ui
