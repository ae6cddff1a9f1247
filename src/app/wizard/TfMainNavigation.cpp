// Moving between the pages: Next, Previous, Quit, Ok, the licence box, the folder picker and the mail link.
#include "setup/SimulatorFiles.h"
#include "app/wizard/Credits.h"
#include "app/wizard/PageFlow.h"
#include "app/wizard/RichTexts.h"
#include "app/wizard/SimulatorRunning.h"
#include "app/wizard/TfMain.h"
#include "core/Environment.h"
#include "core/FolderNames.h"
#include "core/Utf8.h"
#include "core/TextTools.h"
#include "ui/dialogs/FileOpener.h"
#include "ui/dialogs/FolderPicker.h"
#include "ui/dialogs/MessageBoxes.h"

namespace app {

void TfMain::LicenceBox() { s1.SetEnabled(cb1.Checked()); }

void TfMain::BrowseFolder() {
  std::string chosen = core::TrimText(ui::PickFolder(form.Handle(), l6Dossier.Text(), FolderFS));
  if (chosen.empty()) return;
  std::string folder = core::AddBackslash(chosen);
  bool fs9 = rbFS9.Checked();
  if (setup::IsMainFolder(folder, fs9 ? Simulator::FS9 : Simulator::FSX)) return SetFolderText(folder);
  ui::WarningBox(PickText(fs9 ? texts::kNotMainFolderFS9 : texts::kNotMainFolderFSX), "");
}

void TfMain::PageChange() {
  // Past the licence page the agreement is given for this run: coming back shows no box to tick.
  if (pc.ActivePage() == &ts2) {
    licencePassed_ = true;
    cb1.SetVisible(false);
  }
  if (pc.ActivePage() == &ts7) Install();
}

void TfMain::MoveToPage(std::optional<Page> page) {
  if (!page) return;
  pc.SetActivePageIndex(PageIndex(*page));
  PageChange();
}

void TfMain::NextPage() {
  // Install: checked before the page moves on, so that Cancel leaves the summary page as it was.
  if (pc.ActivePage() == &ts6 && !SimulatorClosed(Lang, TextureFolder())) return;
  if (auto from = PageAt(pc.ActivePageIndex())) MoveToPage(app::NextPage(*from, TestGridChosen()));
}

void TfMain::PreviousPage() {
  if (auto from = PageAt(pc.ActivePageIndex())) MoveToPage(app::PreviousPage(*from, TestGridChosen()));
}

bool TfMain::QuitConfirmed() { return ui::MsgBox(PickText(texts::kQuitQuestion), "Pratilo", MB_YESNO) == IDYES; }

void TfMain::QuitQuestion() {
  if (QuitConfirmed()) CloseWithoutAsking();
}

bool TfMain::QuitOffered() const {
  for (const ui::GlyphButton* quit : {&q0, &q1, &q2, &q4, &q6})
    if (quit->Handle() && IsWindowVisible(quit->Handle()) && quit->Enabled()) return true;
  return false;
}

void TfMain::CloseWithoutAsking() {
  closeDecided_ = true;
  form.Close();
}

void TfMain::CloseOk() { CloseWithoutAsking(); }

bool TfMain::CaretOnMailLink(ui::RichText& text) const {
  return text.tag == 0 && IsMailLinkFormat(text.SelectionFormat(), palette_.documentLink);
}

void TfMain::MailLink(ui::RichText& text) {
  // A click on the address, not the caret passing over it with the arrow keys.
  if (GetKeyState(VK_LBUTTON) >= 0 || !CaretOnMailLink(text)) return;
  OpenMail();
}

void TfMain::OpenMailOnEnter(ui::RichText& text) {
  text.takesEnter = [this, &text] { return CaretOnMailLink(text); };
  text.onEnter = [this] { OpenMail(); };
}

void TfMain::OpenMail() {
  const std::string address = std::string("mailto:") + kContactAddress + "?subject=" + core::VersionText(4);
  if (openDocument_)
    openDocument_(address);
  else
    ui::OpenDocument(address, SW_SHOWNORMAL);
}

}  // namespace app
