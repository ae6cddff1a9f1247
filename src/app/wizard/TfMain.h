#pragma once
// The wizard window "fMain": its pages and controls, its state, the paths derived from the state,
// the language switch and the choice operations. Every control sends its events to Clic.
#include <array>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "app/wizard/Artwork.h"
#include "app/wizard/Palette.h"
#include "app/texts/Texts.h"
#include "app/wizard/PageFlow.h"
#include "setup/SimulatorFiles.h"
#include "setup/Survey.h"
#include "ui/base/Gdi.h"
#include "ui/widgets/Button.h"
#include "ui/widgets/CheckBox.h"
#include "ui/widgets/CheckListBox.h"
#include "ui/widgets/Edit.h"
#include "ui/widgets/Form.h"
#include "ui/widgets/Label.h"
#include "ui/widgets/LinkLabel.h"
#include "ui/widgets/PageControl.h"
#include "ui/widgets/Panel.h"
#include "ui/widgets/Picture.h"
#include "ui/widgets/RadioButton.h"
#include "ui/widgets/RadioGroup.h"
#include "ui/widgets/RichText.h"
#include "ui/widgets/StatusBar.h"
#include "ui/widgets/ToolBar.h"

namespace app {

inline constexpr int kClientWidth = 547;
inline constexpr int kClientHeight = 263;

class TfMain {
 public:
  struct Options {
    ArtworkSource artwork = ArtworkFromResources();
    // How the program stops at once (payload missing, a failed installation step); tests watch it.
    std::function<void()> halt;
    // The payload archive; empty: "Pratilo.bin" beside the program.
    std::string payloadArchive;
    // How a document or address is opened (the mail link); empty: with its associated program.
    std::function<void(const std::string&)> openDocument;
    // Windows' high-contrast setting; none: as the system says at creation.
    std::optional<bool> highContrast;
  };

  TfMain() = default;
  // The windows go first, whatever the order of the members: they borrow the fonts and images.
  ~TfMain() { form.Destroy(); }
  TfMain(const TfMain&) = delete;
  TfMain& operator=(const TfMain&) = delete;

  // Creates the window hidden: every page, the tool bar and the first page's controls in their
  // design state. The other pages' controls are made when their page is first shown.
  bool Create(const Options& options);
  bool Create();  // with the pictures embedded in the program
  void Show();
  HWND Handle() const { return form.Handle(); }
  // Makes the page's controls now, showing the window's language, DPI, choices and state as if
  // they had been made with the window; nothing when they are made already.
  void MakePage(ui::Page& page);
  bool PageMade(const ui::Page& page) const;

  // Texts.
  std::string PickText(std::string_view french, std::string_view english) const;
  std::string PickText(const Bilingual& text) const { return PickText(text.french, text.english); }
  std::string TagText(int tag, std::string_view current) const;
  void SetLanguage(char letter);
  void SetCaption();

  // Choice operations.
  void SimulatorChoice();
  void FolderCheck();
  // What the chosen simulator's folder holds, on the first page and the summary.
  void ShowFolderState();
  const setup::Survey& FolderSurvey();
  void VariantChoice();
  void ResolutionChoice();

  // The one event handler of every control; also run from code with a chosen sender.
  void Clic(ui::Component& sender);

  // Start-up and closing of the window.
  void FormCreate();
  void FormClose();
  // The runs started from the pages.
  void Install();
  void Uninstall();

  // Derived values.
  std::string PayloadArchive() const;
  std::string BackupArchive() const;
  std::string TextureFolder() const;
  setup::SimulatorFiles Files() const { return {FolderFS, PayloadArchive()}; }
  int VariantIndex() const { return variant_; }
  // The last variant item, which has no resolution.
  bool TestGridChosen() const { return VariantIndex() == kTestGridIndex; }
  int ResolutionIndex() const { return resolution_; }
  // The chosen variant's name ("Variation 2") and "Resolution 512 x 512" for the chosen resolution,
  // in the current language.
  std::string VariantText() const;
  std::string ResolutionText() const;
  Simulator ChosenSimulator() const;

  // Every named component made so far, in creation order (the language switch visits them in this order).
  const std::vector<ui::Component*>& Components() const { return components_; }
  ui::Component* FindComponent(std::string_view name) const;

  // State.
  char Lang = 'F';
  std::string FolderFS9, FolderFSX, FolderFS;
  ui::Picture* ResImage = nullptr;

  // The window and its controls.
  ui::Form form;
  ui::PageControl pc;
  ui::Page ts0, ts1, ts2, ts4, ts6, ts7;
  // ts0: presentation and simulator, and what lies in its folder now
  ui::Picture i0;
  ui::RadioButton rbFS9, rbFSX;
  ui::RichText re0;
  ui::Label l0;
  ui::GlyphButton b0, s0, q0;
  ui::StatusBar sb0;
  // ts1: licence
  ui::RichText re1;
  ui::CheckBox cb1;
  ui::GlyphButton p1, s1, q1;
  // ts2: variant
  ui::Panel pi2;
  ui::Picture i2;
  ui::Label l2, Label2, Label3, Label10;
  ui::RadioGroup rg2v;
  ui::GlyphButton p2, s2, q2;
  // ts4: resolution
  ui::Panel pi4;
  std::array<ui::Picture, 5> i4;  // i4_1 ... i4_5
  ui::Label l4, Label8, Label9, Label12;
  ui::RadioGroup rg4q;
  ui::GlyphButton p4, s4, q4;
  // ts6: summary and folder
  ui::Picture Image4;
  ui::Label Label4, l6Dossier, l6bkp;
  ui::LinkLabel l6v, l6q;
  ui::Edit e6;
  ui::Button b6;
  ui::GlyphButton p6, s6, q6;
  // ts7: installation
  ui::Picture Image5;
  ui::Label l6, l7, l7err, Label21;
  ui::CheckListBox clb7;
  ui::GlyphButton t7;
  ui::StatusBar sb7;
  // Tool bar
  ui::ImageList il16;
  ui::ToolBar tb;
  ui::Label lChoix, lChoose, lCode;
  ui::ToolButton bFrench, bEnglish;

 private:
  // Branches of Clic that come with the navigation and the runs.
  void LicenceBox();
  void BrowseFolder();
  void UninstallQuestion();
  void PageChange();
  void NextPage();
  void PreviousPage();
  void QuitQuestion();
  bool QuitConfirmed();
  // Quit is on the shown page and can be pressed.
  bool QuitOffered() const;
  // Closes the window without asking: the program or the user has decided.
  void CloseWithoutAsking();
  void CloseOk();
  void MailLink(ui::RichText& text);
  bool CaretOnMailLink(ui::RichText& text) const;
  void OpenMail();
  void OpenMailOnEnter(ui::RichText& text);
  // What a screen reader reads beyond the controls' own texts.
  void DescribeForReaders();
  void MoveToPage(std::optional<Page> page);

  // Start-up steps.
  void PreselectSimulator();
  // The last page once the installation has ended: finished, or not completed after an error.
  void ShowInstallEnded(bool finished);
  void Halt();

  enum class Role;
  struct PageButton;
  void AddPageButton(HWND page, const PageButton& b);
  // Pictures, glyphs and flags at the window's DPI; again whenever it changes.
  void ApplyArtwork();
  void ApplyToolBarArtwork();
  // The tool bar's labels in the places measured for their texts.
  void LayOutToolBar();
  void CreatePages();
  // What the window has shown so far, on a page whose controls were made later.
  void ShowStateOn(Page page, size_t firstComponent);
  // Every component from `first` on has its window (tool buttons: their place on the bar).
  bool AllMade(size_t first) const;
  void CreatePage0();
  void CreatePage1();
  void CreatePage2();
  void CreatePage4();
  void CreatePage6();
  void CreatePage7();
  void CreateToolBar();
  void FillRichText(ui::RichText& text, bool licence);
  // The texts of the current language, for the components from `first` on.
  void TranslateComponents(size_t first);
  void ApplyGlyphs(size_t first);
  // Puts a folder into the folder field and checks it.
  void SetFolderText(const std::string& folder);
  void SetVariant(int index);
  void SetResolution(int index);
  // Registers a created component and routes its events to Clic.
  template <class C>
  C& Add(C& component);

  Palette palette_ = WizardPalette(false);
  setup::SurveyCache survey_;
  bool closeDecided_ = false;
  ArtworkSource artwork_;
  std::function<void()> halt_;
  std::function<void(const std::string&)> openDocument_;
  std::string payloadArchive_;
  std::vector<ui::Component*> components_;
  std::vector<std::pair<ui::GlyphButton*, const char*>> glyphs_;  // each button's glyph file
  int choixPlace_ = -1, choosePlace_ = -1, codePlace_ = -1;      // the tool bar's label places

  // The choices and state the controls show, kept here for the pages whose controls come later.
  int variant_ = 0, resolution_ = 0;
  std::string folderText_;          // what the folder field holds
  bool licenceRemembered_ = false;  // agreed in an earlier run: nothing to tick, Next enabled
  bool licencePassed_ = false;      // agreed in this run: the box to tick has gone
  struct {
    bool language = false, choice = false, folder = false;
  } shown_;  // which texts and choices have reached the controls
  std::array<bool, kPageCount> made_{};
};

}  // namespace app
