// The pages and controls of the wizard window, created in their fixed order with their design state.
#include "app/Choices.h"
#include "app/TfMain.h"

namespace app {

namespace {

// Design texts are the French ones; the language switch rewrites them.
std::string Design(int tag) { return TagText('F', Simulator::None, tag, ""); }

struct Glyphs {
  ui::Image next, previous, quit, uninstall;
};

Glyphs* glyphs = nullptr;  // only while the pages are being created

enum class Role { Previous, Next, Quit, Ok, Uninstall };

}  // namespace

void TfMain::CreatePages() {
  Glyphs loaded{LoadPicture(artwork_, "glyph_next.bmp"), LoadPicture(artwork_, "glyph_previous.bmp"),
                LoadPicture(artwork_, "glyph_quit.bmp"), LoadPicture(artwork_, "glyph_uninstall.bmp")};
  glyphs = &loaded;
  Add(pc).Create({.parent = form.Handle(), .bounds = {-2, 0, 553, 273}, .name = "pc", .pageColour = kWindowColour,
                  // Low tabs: the pages start high enough for their bottom row to stay inside the window.
                  .tabHeight = 14,
                  // Pages change only through the wizard's buttons, never by the keyboard or the tabs.
                  .userSwitching = false});
  CreatePage0();
  CreatePage1();
  CreatePage2();
  CreatePage4();
  CreatePage6();
  CreatePage7();
  glyphs = nullptr;
}

namespace {

struct PageButton {
  ui::GlyphButton& button;
  const char* name;
  int x;
  int tag;
  Role role;
};

}  // namespace

// The buttons of the bottom row: Previous, Next (or Install) and Quit.
static void CreatePageButton(ui::Form& form, HWND page, const PageButton& b, HFONT font, int width = 91) {
  const ui::Image* glyph = nullptr;
  auto side = ui::GlyphButton::GlyphSide::Left;
  switch (b.role) {
    case Role::Previous: glyph = &glyphs->previous; break;
    case Role::Next: glyph = &glyphs->next; side = ui::GlyphButton::GlyphSide::Right; break;
    case Role::Quit:
    case Role::Ok: glyph = &glyphs->quit; break;
    case Role::Uninstall: glyph = &glyphs->uninstall; break;
  }
  bool isDefault = (b.role == Role::Next && b.tag == 1) || b.role == Role::Ok;
  b.button.Create({.parent = page, .bounds = {b.x, 218, width, 25}, .name = b.name, .tag = b.tag, .font = font,
                   .text = Design(b.tag), .isDefault = isDefault},
                  {glyph, side});
  if (isDefault) form.AddDefaultButton(b.button);
  if (b.role == Role::Previous) form.AddCancelButton(b.button);
}

void TfMain::CreatePage0() {
  Add(ts0);
  pc.AddPage(ts0, "ts0", "ts0");
  HWND page = ts0.Handle();
  ui::Image banner = LoadPicture(artwork_, "banner.jpg");
  Add(i0).Create({.parent = page, .bounds = {0, 8, 105, 233}, .name = "i0"});
  i0.SetImage(banner);
  HFONT radioFont = fonts_.Get({.points = 12, .bold = true});
  Add(rbFS9).Create({.parent = page, .bounds = {112, 12, 89, 17}, .name = "rbFS9", .font = radioFont, .text = "FS2004",
                     .colour = kWhite});
  Add(rbFSX).Create({.parent = page, .bounds = {240, 12, 65, 17}, .name = "rbFSX", .font = radioFont, .text = "FSX",
                     .colour = kWhite});
  Add(re0).Create({.parent = page, .bounds = {112, 32, 425, 179}, .name = "re0"});
  Add(b0);
  CreatePageButton(form, page, {b0, "b0", 112, 9, Role::Uninstall}, fonts_.Get({.bold = true}), 169);
  b0.SetEnabled(false);
  Add(s0);
  CreatePageButton(form, page, {s0, "s0", 352, 1, Role::Next}, nullptr);
  s0.SetEnabled(false);
  Add(q0);
  CreatePageButton(form, page, {q0, "q0", 446, 2, Role::Quit}, nullptr);
  Add(sb0).Create({.parent = page, .bounds = {112, 212, 425, 31}, .name = "sb0", .visible = false,
                   .background = kWindowColour});
  // While it shows the restoration it covers the row of buttons, so that none can be clicked.
  sb0.BringToFront();
}

void TfMain::CreatePage1() {
  Add(ts1);
  pc.AddPage(ts1, "ts1", "ts1");
  HWND page = ts1.Handle();
  Add(re1).Create({.parent = page, .bounds = {0, 8, 540, 203}, .name = "re1"});
  Add(cb1).Create({.parent = page, .bounds = {88, 220, 97, 17}, .name = "cb1", .tag = 5,
                   .font = fonts_.Get({.bold = true}), .text = Design(5), .colour = kWhite});
  Add(p1);
  CreatePageButton(form, page, {p1, "p1", 256, -1, Role::Previous}, nullptr);
  Add(s1);
  CreatePageButton(form, page, {s1, "s1", 352, 1, Role::Next}, nullptr);
  s1.SetEnabled(false);
  Add(q1);
  CreatePageButton(form, page, {q1, "q1", 446, 2, Role::Quit}, nullptr);
}

void TfMain::CreatePage2() {
  Add(ts2);
  pc.AddPage(ts2, "ts2", "ts2");
  HWND page = ts2.Handle();
  HFONT heading = fonts_.Get({.points = 10, .bold = true});
  Add(pi2).Create({.parent = page, .bounds = {0, 8, 300, 200}, .name = "pi2"});
  Add(i2).Create({.parent = pi2.Handle(), .bounds = {ViewOffset(1), 0, 1800, 200}, .name = "i2"});
  i2.SetImage(LoadPicture(artwork_, "variants.jpg"));
  Add(l2).Create({.parent = page, .bounds = {312, 8, 225, 41}, .name = "l2", .tag = 20, .font = heading,
                  .text = Design(20), .colour = kWhite, .wordWrap = true});
  Add(Label2).Create({.parent = page, .bounds = {312, 48}, .name = "Label2", .tag = 21, .text = Design(21),
                      .colour = kWhite});
  std::vector<std::string> variants{"Variante 1", "Variante 2", "Variante 3", "Variante 4", "Variante 5", "Grille de test"};
  Add(rg2v).Create({.parent = page, .bounds = {312, 64, 225, 73}, .name = "rg2v", .tag = 22, .colour = kWhite,
                    .columns = 2, .items = variants, .selected = 0});
  Add(Label3).Create({.parent = page, .bounds = {304, 144}, .name = "Label3", .tag = 7, .text = Design(7),
                      .colour = kWhite});
  Add(Label10).Create({.parent = page, .bounds = {304, 168, 236, 41}, .name = "Label10", .tag = 8, .text = Design(8),
                       .colour = kWhite, .align = ui::Align::Center, .wordWrap = true});
  Add(p2);
  CreatePageButton(form, page, {p2, "p2", 256, -1, Role::Previous}, nullptr);
  Add(s2);
  CreatePageButton(form, page, {s2, "s2", 352, 1, Role::Next}, nullptr);
  Add(q2);
  CreatePageButton(form, page, {q2, "q2", 446, 2, Role::Quit}, nullptr);
}

void TfMain::CreatePage4() {
  Add(ts4);
  pc.AddPage(ts4, "ts4", "ts4");
  HWND page = ts4.Handle();
  HFONT heading = fonts_.Get({.points = 10, .bold = true});
  Add(pi4).Create({.parent = page, .bounds = {0, 8, 300, 200}, .name = "pi4"});
  for (int v = 0; v < 5; ++v) {
    std::string n = std::to_string(v + 1);
    Add(i4[static_cast<size_t>(v)]).Create({.parent = pi4.Handle(), .bounds = {0, 0, 900, 200}, .name = "i4_" + n,
                                             .visible = false});
    i4[static_cast<size_t>(v)].SetImage(LoadPicture(artwork_, "resolutions" + n + ".jpg"));
  }
  Add(l4).Create({.parent = page, .bounds = {312, 8, 224, 33}, .name = "l4", .tag = 40, .font = heading,
                  .text = Design(40), .colour = kWhite, .wordWrap = true});
  Add(Label8).Create({.parent = page, .bounds = {312, 56}, .name = "Label8", .tag = 41, .text = Design(41),
                      .colour = kWhite});
  Add(rg4q).Create({.parent = page, .bounds = {312, 72, 225, 49}, .name = "rg4q", .tag = 42, .colour = kWhite,
                    .columns = 3, .items = {"1024", "512", "256"}, .selected = 0});
  Add(Label9).Create({.parent = page, .bounds = {304, 144}, .name = "Label9", .tag = 7, .text = Design(7),
                      .colour = kWhite});
  Add(Label12).Create({.parent = page, .bounds = {304, 168, 236, 41}, .name = "Label12", .tag = 8, .text = Design(8),
                       .colour = kWhite, .align = ui::Align::Center, .wordWrap = true});
  Add(p4);
  CreatePageButton(form, page, {p4, "p4", 256, -1, Role::Previous}, nullptr);
  Add(s4);
  CreatePageButton(form, page, {s4, "s4", 352, 1, Role::Next}, nullptr);
  Add(q4);
  CreatePageButton(form, page, {q4, "q4", 446, 2, Role::Quit}, nullptr);
}

void TfMain::CreatePage6() {
  Add(ts6);
  pc.AddPage(ts6, "ts6", "ts6");
  HWND page = ts6.Handle();
  HFONT bold = fonts_.Get({.bold = true});
  Add(Image4).Create({.parent = page, .bounds = {0, 8, 105, 233}, .name = "Image4"});
  Image4.SetImage(LoadPicture(artwork_, "banner.jpg"));
  Add(Label4).Create({.parent = page, .bounds = {120, 24, 417, 25}, .name = "Label4", .tag = 60,
                      .font = fonts_.Get({.points = 10, .bold = true}), .text = Design(60), .colour = kWhite});
  Add(l6v).Create({.parent = page, .bounds = {136, 56}, .name = "l6v", .tag = 22, .text = "Variante 1"});
  Add(l6q).Create({.parent = page, .bounds = {136, 80}, .name = "l6q", .tag = 63, .text = "Résolution 1024 x 1024"});
  Add(l6Dossier).Create({.parent = page, .bounds = {120, 136}, .name = "l6Dossier", .tag = 69, .font = bold,
                         .text = TagText(69, ""), .colour = kWhite});
  Add(e6).Create({.parent = page, .bounds = {120, 152, 393, 21}, .name = "e6"});
  Add(b6).Create({.parent = page, .bounds = {512, 152, 27, 21}, .name = "b6", .font = bold, .text = "..."});
  Add(l6bkp).Create({.parent = page, .bounds = {120, 176, 401, 33}, .name = "l6bkp", .tag = 70, .text = Design(70),
                     .colour = kYellow, .wordWrap = true});
  Add(p6);
  CreatePageButton(form, page, {p6, "p6", 256, -1, Role::Previous}, nullptr);
  Add(s6);
  CreatePageButton(form, page, {s6, "s6", 352, 4, Role::Next}, nullptr);
  s6.SetEnabled(false);
  Add(q6);
  CreatePageButton(form, page, {q6, "q6", 446, 2, Role::Quit}, nullptr);
}

void TfMain::CreatePage7() {
  Add(ts7);
  pc.AddPage(ts7, "ts7", "ts7");
  HWND page = ts7.Handle();
  Add(Image5).Create({.parent = page, .bounds = {0, 8, 105, 233}, .name = "Image5"});
  Image5.SetImage(LoadPicture(artwork_, "banner.jpg"));
  Add(l6).Create({.parent = page, .bounds = {112, 8, 416, 33}, .name = "l6", .tag = 73,
                  .font = fonts_.Get({.points = 10, .bold = true}), .text = Design(73), .colour = kWhite});
  Add(clb7).Create({.parent = page, .bounds = {112, 32, 425, 97}, .name = "clb7"});
  Add(l7).Create({.parent = page, .bounds = {112, 136, 425, 33}, .name = "l7", .tag = 99, .visible = false,
                  .font = fonts_.Get({.bold = true}), .text = Design(99), .colour = kWhite, .align = ui::Align::Center});
  Add(Label21).Create({.parent = page, .bounds = {112, 176, 428, 25}, .name = "Label21", .tag = 8, .text = Design(8),
                       .colour = kWhite, .align = ui::Align::Center, .wordWrap = true});
  Add(t7);
  CreatePageButton(form, page, {t7, "t7", 446, 3, Role::Ok}, nullptr);
  t7.SetVisible(false);
  Add(sb7).Create({.parent = page, .bounds = {112, 226, 433, 19}, .name = "sb7"});
}

}  // namespace app
