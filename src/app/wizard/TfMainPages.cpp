// The pages and controls of the wizard window, created in their fixed order with their design state;
// a page's controls come when it is first shown, with what the window shows by then.
#include "app/wizard/ViewStrip.h"
#include "app/wizard/TfMain.h"

#include <algorithm>
#include <map>
#include <memory>
#include <optional>
#include <stdexcept>

namespace app {

namespace {

// Design texts are the French ones; the language switch rewrites them.
std::string Design(int tag) { return TagText('F', Simulator::None, tag, ""); }

}  // namespace

enum class TfMain::Role { Previous, Next, Quit, Ok, Uninstall };

struct TfMain::PageButton {
  ui::GlyphButton& button;
  const char* name;
  int x;
  int tag;
  Role role;
  HFONT font = nullptr;
  int width = 91;
};

void TfMain::CreatePages() {
  Add(pc).Create({.parent = form.Handle(), .bounds = {-2, 0, 553, 273}, .name = "pc", .pageColour = palette_.page,
                  // Low tabs: the pages start high enough for their bottom row to stay inside the window.
                  .tabHeight = 14,
                  // Pages change only through the wizard's buttons, never by the keyboard or the tabs.
                  .userSwitching = false});
  // The pages themselves exist from the start, in their order; their controls come when needed, so
  // that only the first page's are made before the window is first painted.
  for (auto [page, name] : {std::pair{&ts0, "ts0"}, {&ts1, "ts1"}, {&ts2, "ts2"}, {&ts4, "ts4"}, {&ts6, "ts6"},
                            {&ts7, "ts7"}}) {
    Add(*page);
    pc.AddPage(*page, name, name);
    if (page != &ts0) page->onFirstShow = [this, page] { MakePage(*page); };
  }
  made_[0] = true;
  CreatePage0();
}

bool TfMain::PageMade(const ui::Page& page) const {
  return PageAt(page.PageIndex()) && made_[static_cast<size_t>(page.PageIndex())];
}

void TfMain::MakePage(ui::Page& page) {
  const auto which = PageAt(page.PageIndex());
  if (!which || PageMade(page)) return;
  made_[static_cast<size_t>(page.PageIndex())] = true;
  const size_t firstComponent = components_.size(), firstGlyph = glyphs_.size();
  switch (*which) {
    case Page::ts0: CreatePage0(); break;
    case Page::ts1: CreatePage1(); break;
    case Page::ts2: CreatePage2(); break;
    case Page::ts4: CreatePage4(); break;
    case Page::ts6: CreatePage6(); break;
    case Page::ts7: CreatePage7(); break;
  }
  if (!AllMade(firstComponent))
    throw std::runtime_error("Impossible de créer une page de Pratilo.\r\nUnable to create a Pratilo page.");
  ApplyGlyphs(firstGlyph);
  ShowStateOn(*which, firstComponent);
}

void TfMain::ShowStateOn(Page page, size_t firstComponent) {
  if (shown_.language) TranslateComponents(firstComponent);
  switch (page) {
    case Page::ts1:
      if (shown_.language) FillRichText(re1, true);
      if (licenceRemembered_ || licencePassed_) cb1.SetVisible(false);
      if (licenceRemembered_) s1.SetEnabled(true);
      break;
    case Page::ts6:
      if (shown_.folder) ShowFolderState();
      break;
    default: break;
  }
  // The previews and the summary's links follow the choice once it has been shown.
  if (shown_.choice && (page == Page::ts2 || page == Page::ts4 || page == Page::ts6)) {
    VariantChoice();
    ResolutionChoice();
  }
}

bool TfMain::AllMade(size_t first) const {
  // A control the system refused would leave a page that cannot be used: report it instead.
  return std::all_of(components_.begin() + static_cast<std::ptrdiff_t>(first), components_.end(),
                     [](const ui::Component* c) {
                       if (auto* control = dynamic_cast<const ui::Control*>(c)) return control->Handle() != nullptr;
                       if (auto* button = dynamic_cast<const ui::ToolButton*>(c)) return button->Added();
                       return true;
                     });
}

void TfMain::ApplyArtwork() {
  const int dpi = form.Dpi();
  // Each picture is decoded when it is first shown; the banner once for the three pages that show it.
  auto banner = std::make_shared<std::optional<ui::Image>>();
  for (ui::Picture* picture : {&i0, &Image4, &Image5}) {
    picture->SetImageLoader([this, dpi, banner] {
      if (!*banner) *banner = LoadPictureFor(artwork_, "banner.jpg", dpi);
      return **banner;
    });
  }
  i2.SetImageLoader([this, dpi] { return LoadPictureFor(artwork_, "variants.jpg", dpi); });
  for (size_t v = 0; v < i4.size(); ++v) {
    i4[v].SetImageLoader(
        [this, dpi, v] { return LoadPictureFor(artwork_, "resolutions" + std::to_string(v + 1) + ".jpg", dpi); });
  }
  ApplyGlyphs(0);
  ApplyToolBarArtwork();
}

void TfMain::ApplyGlyphs(size_t first) {
  const int dpi = form.Dpi();
  std::map<std::string_view, ui::Image> glyphs;  // the same few glyphs serve every page's buttons
  for (size_t i = first; i < glyphs_.size(); ++i) {
    const auto& [button, file] = glyphs_[i];
    auto found = glyphs.find(file);
    if (found == glyphs.end()) found = glyphs.emplace(file, LoadPictureFor(artwork_, file, dpi)).first;
    button->SetGlyph(found->second);
  }
}

// The buttons of the bottom row: Previous, Next (or Install) and Quit; their glyphs come with the artwork.
void TfMain::AddPageButton(HWND page, const PageButton& b) {
  const char* glyph = "glyph_quit.bmp";
  auto side = ui::GlyphButton::GlyphSide::Left;
  switch (b.role) {
    case Role::Previous: glyph = "glyph_previous.bmp"; break;
    case Role::Next: glyph = "glyph_next.bmp"; side = ui::GlyphButton::GlyphSide::Right; break;
    case Role::Quit:
    case Role::Ok: break;
    case Role::Uninstall: glyph = "glyph_uninstall.bmp"; break;
  }
  bool isDefault = (b.role == Role::Next && b.tag == tag::kNext) || b.role == Role::Ok;
  Add(b.button).Create({.parent = page, .bounds = {b.x, 218, b.width, 25}, .name = b.name, .tag = b.tag,
                        .font = b.font, .text = Design(b.tag), .isDefault = isDefault},
                       {.side = side});
  glyphs_.push_back({&b.button, glyph});
  if (isDefault) form.AddDefaultButton(b.button);
  if (b.role == Role::Previous) form.AddCancelButton(b.button);
}

void TfMain::CreatePage0() {
  HWND page = ts0.Handle();
  Add(i0).Create({.parent = page, .bounds = {0, 8, 105, 233}, .name = "i0"});
  HFONT radioFont = form.Fonts().Get({.points = 12, .bold = true});
  Add(rbFS9).Create({.parent = page, .bounds = {112, 12, 89, 17}, .name = "rbFS9", .font = radioFont, .text = "FS2004",
                     .colour = palette_.text});
  Add(rbFSX).Create({.parent = page, .bounds = {240, 12, 65, 17}, .name = "rbFSX", .font = radioFont, .text = "FSX",
                     .colour = palette_.text});
  Add(re0).Create({.parent = page, .bounds = {112, 32, 425, 161}, .name = "re0"});
  OpenMailOnEnter(re0);
  Add(l0).Create({.parent = page, .bounds = {112, 196, 425, 17}, .name = "l0", .colour = palette_.notice});
  AddPageButton(page, {b0, "b0", 112, tag::kUninstall, Role::Uninstall, form.Fonts().Get({.bold = true}), 169});
  b0.SetEnabled(false);
  AddPageButton(page, {s0, "s0", 352, tag::kNext, Role::Next});
  s0.SetEnabled(false);
  AddPageButton(page, {q0, "q0", 446, tag::kQuit, Role::Quit});
  Add(sb0).Create({.parent = page, .bounds = {112, 212, 425, 31}, .name = "sb0", .visible = false,
                   .background = palette_.page});
  // While it shows the restoration it covers the row of buttons, so that none can be clicked.
  sb0.BringToFront();
}

void TfMain::CreatePage1() {
  HWND page = ts1.Handle();
  Add(re1).Create({.parent = page, .bounds = {0, 8, 540, 203}, .name = "re1"});
  OpenMailOnEnter(re1);
  Add(cb1).Create({.parent = page, .bounds = {88, 220, 97, 17}, .name = "cb1", .tag = 5,
                   .font = form.Fonts().Get({.bold = true}), .text = Design(5), .colour = palette_.text});
  AddPageButton(page, {p1, "p1", 256, tag::kPrevious, Role::Previous});
  AddPageButton(page, {s1, "s1", 352, tag::kNext, Role::Next});
  s1.SetEnabled(false);
  AddPageButton(page, {q1, "q1", 446, tag::kQuit, Role::Quit});
}

void TfMain::CreatePage2() {
  HWND page = ts2.Handle();
  HFONT heading = form.Fonts().Get({.points = 10, .bold = true});
  Add(pi2).Create({.parent = page, .bounds = {0, 8, 300, 200}, .name = "pi2"});
  Add(i2).Create({.parent = pi2.Handle(), .bounds = {ViewOffset(1), 0, 1800, 200}, .name = "i2"});
  Add(l2).Create({.parent = page, .bounds = {312, 8, 225, 41}, .name = "l2", .tag = 20, .font = heading,
                  .text = Design(20), .colour = palette_.text, .wordWrap = true});
  Add(Label2).Create({.parent = page, .bounds = {312, 48}, .name = "Label2", .tag = 21, .text = Design(21),
                      .colour = palette_.text});
  std::vector<std::string> variants{"Variante 1", "Variante 2", "Variante 3", "Variante 4", "Variante 5", "Grille de test"};
  Add(rg2v).Create({.parent = page, .bounds = {312, 64, 225, 73}, .name = "rg2v", .tag = 22,
                    .colour = palette_.text, .columns = 2, .items = variants, .selected = variant_});
  Add(Label3).Create({.parent = page, .bounds = {304, 144}, .name = "Label3", .tag = 7, .text = Design(7),
                      .colour = palette_.text});
  Add(Label10).Create({.parent = page, .bounds = {304, 168, 236, 41}, .name = "Label10", .tag = 8, .text = Design(8),
                       .colour = palette_.text, .align = ui::Align::Center, .wordWrap = true});
  AddPageButton(page, {p2, "p2", 256, tag::kPrevious, Role::Previous});
  AddPageButton(page, {s2, "s2", 352, tag::kNext, Role::Next});
  AddPageButton(page, {q2, "q2", 446, tag::kQuit, Role::Quit});
}

void TfMain::CreatePage4() {
  HWND page = ts4.Handle();
  HFONT heading = form.Fonts().Get({.points = 10, .bold = true});
  Add(pi4).Create({.parent = page, .bounds = {0, 8, 300, 200}, .name = "pi4"});
  for (int v = 0; v < 5; ++v) {
    std::string n = std::to_string(v + 1);
    Add(i4[static_cast<size_t>(v)]).Create({.parent = pi4.Handle(), .bounds = {0, 0, 900, 200}, .name = "i4_" + n,
                                             .visible = false});
  }
  Add(l4).Create({.parent = page, .bounds = {312, 8, 224, 33}, .name = "l4", .tag = 40, .font = heading,
                  .text = Design(40), .colour = palette_.text, .wordWrap = true});
  Add(Label8).Create({.parent = page, .bounds = {312, 56}, .name = "Label8", .tag = 41, .text = Design(41),
                      .colour = palette_.text});
  Add(rg4q).Create({.parent = page, .bounds = {312, 72, 225, 49}, .name = "rg4q", .tag = 42,
                    .colour = palette_.text, .columns = 3, .items = {"1024", "512", "256"},
                    .selected = resolution_});
  Add(Label9).Create({.parent = page, .bounds = {304, 144}, .name = "Label9", .tag = 7, .text = Design(7),
                      .colour = palette_.text});
  Add(Label12).Create({.parent = page, .bounds = {304, 168, 236, 41}, .name = "Label12", .tag = 8, .text = Design(8),
                       .colour = palette_.text, .align = ui::Align::Center, .wordWrap = true});
  AddPageButton(page, {p4, "p4", 256, tag::kPrevious, Role::Previous});
  AddPageButton(page, {s4, "s4", 352, tag::kNext, Role::Next});
  AddPageButton(page, {q4, "q4", 446, tag::kQuit, Role::Quit});
}

void TfMain::CreatePage6() {
  HWND page = ts6.Handle();
  HFONT bold = form.Fonts().Get({.bold = true});
  Add(Image4).Create({.parent = page, .bounds = {0, 8, 105, 233}, .name = "Image4"});
  Add(Label4).Create({.parent = page, .bounds = {120, 24, 417, 25}, .name = "Label4", .tag = 60,
                      .font = form.Fonts().Get({.points = 10, .bold = true}), .text = Design(60),
                      .colour = palette_.text});
  Add(l6v).Create({.parent = page, .bounds = {136, 56}, .name = "l6v", .tag = 22, .text = "Variante 1"});
  Add(l6q).Create({.parent = page, .bounds = {136, 80}, .name = "l6q", .tag = 63, .text = "Résolution 1024 x 1024"});
  for (ui::LinkLabel* link : {&l6v, &l6q}) link->SetColour(palette_.link);
  Add(l6Dossier).Create({.parent = page, .bounds = {120, 136}, .name = "l6Dossier", .tag = tag::kFolderLabel,
                         .font = bold, .text = TagText(tag::kFolderLabel, ""), .colour = palette_.text});
  Add(e6).Create({.parent = page, .bounds = {120, 152, 393, 21}, .name = "e6", .text = folderText_});
  Add(b6).Create({.parent = page, .bounds = {512, 152, 27, 21}, .name = "b6", .font = bold, .text = "..."});
  Add(l6bkp).Create({.parent = page, .bounds = {120, 176, 401, 33}, .name = "l6bkp", .tag = tag::kBackupWillBeSaved,
                     .text = Design(tag::kBackupWillBeSaved), .colour = palette_.notice, .wordWrap = true});
  AddPageButton(page, {p6, "p6", 256, tag::kPrevious, Role::Previous});
  AddPageButton(page, {s6, "s6", 352, tag::kInstall, Role::Next});
  s6.SetEnabled(false);
  AddPageButton(page, {q6, "q6", 446, tag::kQuit, Role::Quit});
  // Where a screen reader takes the folder field's name from.
  l6Dossier.PutJustBefore(e6);
}

void TfMain::CreatePage7() {
  HWND page = ts7.Handle();
  Add(Image5).Create({.parent = page, .bounds = {0, 8, 105, 233}, .name = "Image5"});
  Add(l6).Create({.parent = page, .bounds = {112, 8, 416, 33}, .name = "l6", .tag = tag::kRunning,
                  .font = form.Fonts().Get({.points = 10, .bold = true}), .text = Design(tag::kRunning),
                  .colour = palette_.text});
  Add(clb7).Create({.parent = page, .bounds = {112, 32, 425, 97}, .name = "clb7"});
  Add(l7).Create({.parent = page, .bounds = {112, 136, 425, 33}, .name = "l7", .tag = tag::kFinished, .visible = false,
                  .font = form.Fonts().Get({.bold = true}), .text = Design(tag::kFinished), .colour = palette_.text,
                  .align = ui::Align::Center});
  Add(l7err).Create({.parent = page, .bounds = {112, 136, 425, 33}, .name = "l7err", .tag = tag::kNotCompleted,
                     .visible = false, .font = form.Fonts().Get({.bold = true}), .text = Design(tag::kNotCompleted),
                     .colour = palette_.notice,
                     .align = ui::Align::Center});
  Add(Label21).Create({.parent = page, .bounds = {112, 176, 428, 25}, .name = "Label21", .tag = 8, .text = Design(8),
                       .colour = palette_.text, .align = ui::Align::Center, .wordWrap = true});
  AddPageButton(page, {t7, "t7", 446, tag::kOk, Role::Ok});
  t7.SetVisible(false);
  Add(sb7).Create({.parent = page, .bounds = {112, 226, 433, 19}, .name = "sb7"});
}

}  // namespace app
