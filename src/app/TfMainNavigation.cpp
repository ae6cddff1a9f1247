// Moving between the pages: Next, Previous, Quit, Ok, the licence box, the folder picker and the mail link.
#include <windows.h>
#include <shlobj.h>

#include "app/Choices.h"
#include "app/Credits.h"
#include "app/PageFlow.h"
#include "app/SimulatorRunning.h"
#include "app/TfMain.h"
#include "core/Environment.h"
#include "core/FolderNames.h"
#include "core/Utf8.h"
#include "core/ValueText.h"
#include "ui/FileOpener.h"
#include "ui/MessageBoxes.h"

namespace app {

namespace {

constexpr COLORREF kLinkColour = RGB(0, 0, 255);

int CALLBACK StartPickerAt(HWND picker, UINT msg, LPARAM, LPARAM start) {
  if (msg == BFFM_INITIALIZED && start) SendMessageW(picker, BFFM_SETSELECTIONW, TRUE, start);
  return 0;
}

// The system's folder picker; empty text when the user chose nothing.
std::string PickFolder(HWND owner, const std::string& prompt, const std::string& start) {
  std::wstring title = core::Widen(prompt);
  std::wstring startWide = core::Widen(start);
  DWORD attributes = GetFileAttributesW(startWide.c_str());
  bool startExists = attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
  BROWSEINFOW info{};
  info.hwndOwner = owner;
  info.lpszTitle = title.c_str();
  info.ulFlags = BIF_RETURNONLYFSDIRS;
  info.lpfn = StartPickerAt;
  info.lParam = startExists ? reinterpret_cast<LPARAM>(startWide.c_str()) : 0;
  PIDLIST_ABSOLUTE chosen = SHBrowseForFolderW(&info);
  if (!chosen) return {};
  wchar_t path[MAX_PATH * 4]{};
  BOOL ok = SHGetPathFromIDListEx(chosen, path, static_cast<DWORD>(std::size(path)), GPFIDL_DEFAULT);
  CoTaskMemFree(chosen);
  return ok ? core::Narrow(path) : std::string();
}

}  // namespace

void TfMain::LicenceBox() { s1.SetEnabled(cb1.Checked()); }

void TfMain::BrowseFolder() {
  std::string chosen = core::TrimText(PickFolder(form.Handle(), l6Dossier.Text(), FolderFS));
  if (chosen.empty()) return;
  std::string folder = core::AddBackslash(chosen);
  bool fs9 = rbFS9.Checked();
  if (FileExists(folder + (fs9 ? kMarkerFS9 : kMarkerFSX))) {
    e6.SetText(folder);
    return;
  }
  ui::WarningBox(PickText(fs9 ? texts::kNotMainFolderFS9 : texts::kNotMainFolderFSX), "");
}

void TfMain::PageChange() {
  // Past the licence page the agreement is given for this run: coming back shows no box to tick.
  if (pc.ActivePage() == &ts2) cb1.SetVisible(false);
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

void TfMain::QuitQuestion() {
  if (ui::MsgBox(PickText(texts::kQuitQuestion), "Pratilo", MB_YESNO) == IDYES) form.Close();
}

void TfMain::CloseOk() { form.Close(); }

void TfMain::MailLink(ui::RichText& text) {
  if (text.tag != 0) return;
  ui::CharFormat format = text.SelectionFormat();
  bool onlyUnderlined = format.underline && !format.bold && !format.italic && !format.strikeOut;
  if (format.colour != kLinkColour || !onlyUnderlined) return;
  ui::OpenDocument(std::string("mailto:") + kContactAddress + "?subject=" + core::VersionText(4), SW_SHOWNORMAL);
}

}  // namespace app
