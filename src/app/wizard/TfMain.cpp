#include "app/wizard/TfMain.h"

#include "setup/SimulatorFiles.h"
#include "core/Environment.h"
#include "ui/base/HighContrast.h"
#include "ui/dialogs/Application.h"

namespace app {

template <class C>
C& TfMain::Add(C& component) {
  components_.push_back(&component);
  if constexpr (requires { component.onClick; }) component.onClick = [this, &component] { Clic(component); };
  if constexpr (requires { component.onChange; }) component.onChange = [this, &component] { Clic(component); };
  if constexpr (requires { component.onSelectionChange; })
    component.onSelectionChange = [this, &component] { Clic(component); };
  return component;
}

// Every kind of control the window holds.
template ui::Page& TfMain::Add(ui::Page&);
template ui::Panel& TfMain::Add(ui::Panel&);
template ui::PageControl& TfMain::Add(ui::PageControl&);
template ui::Picture& TfMain::Add(ui::Picture&);
template ui::RadioButton& TfMain::Add(ui::RadioButton&);
template ui::RadioGroup& TfMain::Add(ui::RadioGroup&);
template ui::RichText& TfMain::Add(ui::RichText&);
template ui::Button& TfMain::Add(ui::Button&);
template ui::GlyphButton& TfMain::Add(ui::GlyphButton&);
template ui::StatusBar& TfMain::Add(ui::StatusBar&);
template ui::CheckBox& TfMain::Add(ui::CheckBox&);
template ui::CheckListBox& TfMain::Add(ui::CheckListBox&);
template ui::Label& TfMain::Add(ui::Label&);
template ui::LinkLabel& TfMain::Add(ui::LinkLabel&);
template ui::Edit& TfMain::Add(ui::Edit&);
template ui::ToolBar& TfMain::Add(ui::ToolBar&);
template ui::ToolButton& TfMain::Add(ui::ToolButton&);

bool TfMain::Create() { return Create(Options{}); }

bool TfMain::Create(const Options& options) {
  artwork_ = options.artwork;
  halt_ = options.halt;
  openDocument_ = options.openDocument;
  palette_ = WizardPalette(options.highContrast.value_or(ui::HighContrastOn()));
  payloadArchive_ = options.payloadArchive;
  if (!form.Create({.className = L"TfMain", .name = "fMain", .caption = "Pratilo", .clientWidth = kClientWidth,
                    .clientHeight = kClientHeight, .background = palette_.page,
                    .font = {.face = "MS Sans Serif", .points = 8},
                    // Owned by the program's window, so that another copy finds it as its last active pop-up.
                    .owner = ui::App().Handle()}))
    return false;
  form.onClose = [this](ui::CloseEvent& event) {
    // Alt+F4 and the system menu's Close ask as Quit does, wherever Quit is offered.
    if (!closeDecided_ && QuitOffered() && !QuitConfirmed()) {
      event.cancel = true;
      return;
    }
    FormClose();
  };
  form.onDpiChanged = [this] {
    ApplyArtwork();
    LayOutToolBar();
  };
  CreatePages();
  CreateToolBar();
  ApplyArtwork();
  LayOutToolBar();
  DescribeForReaders();
  return AllMade(0);
}

void TfMain::Show() {
  form.Show();
  // The tool bar is first in the window's Tab order, but a page opens on its own first control.
  if (ui::Page* page = pc.ActivePage()) page->FocusFirstControl();
}

ui::Component* TfMain::FindComponent(std::string_view name) const {
  for (ui::Component* c : components_)
    if (c->name == name) return c;
  return nullptr;
}

Simulator TfMain::ChosenSimulator() const {
  if (rbFS9.Checked()) return Simulator::FS9;
  if (rbFSX.Checked()) return Simulator::FSX;
  return Simulator::None;
}

std::string TfMain::PickText(std::string_view french, std::string_view english) const {
  return app::PickText(Lang, french, english);
}

std::string TfMain::TagText(int tag, std::string_view current) const {
  return app::TagText(Lang, ChosenSimulator(), tag, current);
}

void TfMain::SetCaption() { form.SetText(core::VersionText(4) + " " + TagText(tag::kCaption, "")); }

std::string TfMain::PayloadArchive() const {
  return payloadArchive_.empty() ? core::Env().ProgramDir + setup::kPayloadName : payloadArchive_;
}
std::string TfMain::BackupArchive() const { return FolderFS + setup::kBackupName; }
std::string TfMain::TextureFolder() const { return FolderFS + setup::kTextureSubfolder; }

void TfMain::Clic(ui::Component& sender) {
  if (&sender == &bFrench) return SetLanguage('F');
  if (&sender == &bEnglish) return SetLanguage('E');
  if (&sender == &rbFS9 || &sender == &rbFSX) return SimulatorChoice();
  if (&sender == &cb1) return LicenceBox();
  if (&sender == &e6) return FolderCheck();
  if (&sender == &b6) return BrowseFolder();
  if (&sender == &rg2v) return VariantChoice();
  if (&sender == &rg4q) return ResolutionChoice();
  if (&sender == &l6v) return pc.SetActivePage(ts2);
  if (&sender == &l6q) return pc.SetActivePage(ts4);
  if (&sender == &b0) return UninstallQuestion();
  if (&sender == &pc) return PageChange();
  if (dynamic_cast<ui::GlyphButton*>(&sender) && !sender.name.empty()) {
    switch (sender.name.front()) {
      case 'p': return PreviousPage();
      case 's': return NextPage();
      case 'q': return QuitQuestion();
      case 't': return CloseOk();
      default: return;
    }
  }
  if (auto* text = dynamic_cast<ui::RichText*>(&sender)) return MailLink(*text);
}

}  // namespace app
