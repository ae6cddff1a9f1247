#include "ui/dialogs/PromptDialog.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "core/Environment.h"
#include "ui/dialogs/Application.h"
#include "ui/dialogs/PromptLayout.h"
#include "support/Gui.h"
#include "support/PromptAnswerer.h"

namespace {

using testing_support::PromptAnswerer;
using Action = PromptAnswerer::Action;

struct PromptDialogTest : ::testing::Test {
  void SetUp() override {
    core::InitEnvironment();
    ui::App().Initialize();
    ui::App().SetTitle("Pratilo");
  }
};

const std::vector<std::string> kThree{"Oui", "Non", "Annuler"};

TEST_F(PromptDialogTest, GivesTheIndexOfThePressedButtonOrMinusOneWhenClosed) {
  struct Case {
    const char* what;
    std::vector<std::string> captions;
    Action action;
    int button;
    int expected;
  };
  const Case cases[] = {
      {"Enter presses the first button", kThree, Action::Enter, 0, 0},
      {"Escape presses the second button", kThree, Action::Escape, 0, 1},
      {"click on the first", kThree, Action::Click, 0, 0},
      {"click on the second", kThree, Action::Click, 1, 1},
      {"click on the third", kThree, Action::Click, 2, 2},
      {"close box", kThree, Action::CloseBox, 0, -1},
      {"closed by a message", kThree, Action::Close, 0, -1},
      {"no captions: Enter presses Ok", {}, Action::Enter, 0, 0},
      {"no captions: Ok clicked", {}, Action::Click, 0, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    PromptAnswerer answerer({{.title = "Question", .action = c.action, .button = c.button}});
    EXPECT_EQ(ui::PromptChoice("Voulez-vous continuer ?", "Question", ui::PromptIcon::Confirmation, c.captions),
              c.expected);
    EXPECT_EQ(answerer.pending(), 0u);
    ASSERT_EQ(answerer.seen().size(), 1u);
    EXPECT_EQ(answerer.seen()[0].text, "Voulez-vous continuer ?");
  }
}

TEST_F(PromptDialogTest, ASingleOkIsTheDefaultAndEscapeDoesNothing) {
  PromptAnswerer answerer({{.title = "Info", .action = Action::Escape}, {.title = "Info", .action = Action::CloseBox}});
  EXPECT_EQ(ui::PromptMessage("Terminé.", "Info", ui::PromptIcon::Information), -1);
  EXPECT_EQ(answerer.pending(), 0u);  // still there after Escape: the close box was needed
  ASSERT_EQ(answerer.seen().size(), 2u);
  EXPECT_EQ(answerer.seen()[0].buttons, std::vector<std::string>{"Ok"});
  EXPECT_EQ(answerer.seen()[0].defaultButton, 0);
}

TEST_F(PromptDialogTest, TheFirstButtonIsDrawnAsTheDefault) {
  PromptAnswerer answerer({{.title = "Question", .action = Action::Escape}});
  EXPECT_EQ(ui::PromptChoice("?", "Question", ui::PromptIcon::Confirmation, kThree), 1);
  ASSERT_EQ(answerer.seen().size(), 1u);
  EXPECT_EQ(answerer.seen()[0].buttons, kThree);
  EXPECT_EQ(answerer.seen()[0].defaultButton, 0);
}

TEST_F(PromptDialogTest, TheAnswerBoxIsCopiedWhenAButtonIsPressedAndEmptiedOtherwise) {
  struct Case {
    const char* what;
    Action action;
    int button;
    const char* typed;
    int expected;
    const char* answer;
  };
  const Case cases[] = {
      {"Enter in the box", Action::Enter, 0, "D:\\Jeux\\FS9", 0, "D:\\Jeux\\FS9"},
      {"second button", Action::Click, 1, "Dossier été", 1, "Dossier été"},
      {"Escape is a button too", Action::Escape, 0, "x", 1, "x"},
      {"untouched box", Action::Click, 0, nullptr, 0, "C:\\FS9\\"},
      {"close box", Action::CloseBox, 0, "perdu", -1, ""},
      {"closed by a message", Action::Close, 0, nullptr, -1, ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    PromptAnswerer::Step step{.title = "Dossier", .action = c.action, .button = c.button};
    if (c.typed) step.type = c.typed;
    PromptAnswerer answerer({step});
    std::string answer = "C:\\FS9\\";
    EXPECT_EQ(ui::Prompt("Dossier du simulateur :", "Dossier", ui::PromptIcon::None, &answer, {"Ok", "Annuler"}),
              c.expected);
    EXPECT_EQ(answer, c.answer);
    ASSERT_EQ(answerer.seen().size(), 1u);
    const auto& seen = answerer.seen()[0];
    EXPECT_EQ(seen.answer, std::optional<std::string>("C:\\FS9\\"));
    // Under the text, across the dialog, above the buttons.
    ASSERT_TRUE(seen.answerRect);
    EXPECT_EQ(seen.answerRect->x, 8);
    EXPECT_EQ(seen.answerRect->y, seen.textRect.y + seen.textRect.h + 8);
    EXPECT_EQ(seen.answerRect->w, seen.client.cx - 16);
    EXPECT_EQ(seen.panel.y, seen.answerRect->y + seen.answerRect->h + 8);
  }
}

TEST_F(PromptDialogTest, WithoutAnAnswerVariableThereIsNoBox) {
  PromptAnswerer answerer({{.title = "Question"}});
  ui::PromptChoice("?", "Question", ui::PromptIcon::Confirmation, kThree);
  ASSERT_EQ(answerer.seen().size(), 1u);
  EXPECT_FALSE(answerer.seen()[0].answer);
}

TEST_F(PromptDialogTest, ShowsTheSystemIconOfItsKind) {
  struct Case {
    ui::PromptIcon kind;
    const wchar_t* icon;
  };
  const Case cases[] = {{ui::PromptIcon::Warning, IDI_EXCLAMATION},
                        {ui::PromptIcon::Error, IDI_HAND},
                        {ui::PromptIcon::Information, IDI_ASTERISK},
                        {ui::PromptIcon::Confirmation, IDI_QUESTION},
                        {ui::PromptIcon::None, nullptr}};
  for (const Case& c : cases) {
    SCOPED_TRACE(static_cast<int>(c.kind));
    PromptAnswerer answerer({{.title = "Icône"}});
    ui::PromptMessage("Un message.", "Icône", c.kind);
    ASSERT_EQ(answerer.seen().size(), 1u);
    const auto& seen = answerer.seen()[0];
    if (c.icon) {
      EXPECT_EQ(seen.iconRect, (ui::Rect{8, 8, 32, 32}));
      EXPECT_EQ(seen.iconPixels, testing_support::IconPixels(LoadIconW(nullptr, c.icon), 32));
      EXPECT_EQ(seen.textRect.x, 48);
      EXPECT_EQ(seen.panel.y, 48);  // a one-line text is lower than the icon
    } else {
      EXPECT_EQ(seen.icon, nullptr);
      EXPECT_EQ(seen.textRect.x, 8);
      EXPECT_EQ(seen.panel.y, seen.textRect.h + 16);
    }
  }
}

TEST_F(PromptDialogTest, ABlankCaptionGivesTheApplicationTitle) {
  for (const char* caption : {"", "   ", "\t"}) {
    PromptAnswerer answerer({{.title = "Pratilo"}});
    EXPECT_EQ(ui::PromptMessage("Bonjour", caption, ui::PromptIcon::Information), 0);
    EXPECT_EQ(answerer.pending(), 0u) << "caption \"" << caption << "\"";
  }
  PromptAnswerer answerer({{.title = " Titre "}});
  ui::PromptMessage("Bonjour", " Titre ", ui::PromptIcon::Information);
  EXPECT_EQ(answerer.pending(), 0u);  // not blank: kept as it is
}

TEST_F(PromptDialogTest, TwoShortCaptionsGetStandardButtonsInACentredTopMostDialog) {
  PromptAnswerer answerer({{.title = "Attention !"}});
  ui::PromptChoice("Attention, ce fichier va exécuter certaines opérations.\r\n\r\nVoulez-vous l'afficher ou "
                   "l'exécuter ?",
                   "Attention !", ui::PromptIcon::Warning, {"Afficher", "Exécuter"});
  ASSERT_EQ(answerer.seen().size(), 1u);
  const auto& seen = answerer.seen()[0];
  ASSERT_EQ(GetSystemMetrics(SM_CXSCREEN), 1024);
  ASSERT_EQ(seen.buttonRects.size(), 2u);
  EXPECT_EQ(seen.panel.w, 174);
  EXPECT_EQ(seen.buttonRects[0], (ui::Rect{seen.panel.x + 8, seen.panel.y, 75, 25}));
  EXPECT_EQ(seen.buttonRects[1], (ui::Rect{seen.panel.x + 91, seen.panel.y, 75, 25}));
  EXPECT_EQ(seen.panel.x, (seen.client.cx - 174) / 2);
  EXPECT_EQ(seen.client.cy, seen.panel.y + 25 + 8);
  // The message keeps its line breaks: three lines, not wrapped, as wide as its longest line.
  EXPECT_FALSE(seen.wordWrap);
  ui::Font dialogFont = ui::Font::Create({}, ui::kDesignDpi);
  EXPECT_EQ(seen.textRect.h, 3 * ui::MeasureText(dialogFont.Get(), "x").cy);
  EXPECT_EQ(seen.client.cx, std::max(174, 48 + seen.textRect.w + 8));
  const int width = seen.window.right - seen.window.left, height = seen.window.bottom - seen.window.top;
  EXPECT_EQ(seen.window.left, (1024 - width) / 2);
  EXPECT_EQ(seen.window.top, (GetSystemMetrics(SM_CYSCREEN) - height) / 2);
  EXPECT_TRUE(seen.topMost);
  EXPECT_TRUE(seen.closeBox);
}

TEST_F(PromptDialogTest, ALongMessageIsWrappedAndTheDialogWidened) {
  std::string message;
  for (int i = 0; i < 40; ++i) message += "Une phrase un peu longue pour remplir la boîte. ";
  PromptAnswerer answerer({{.title = "Long"}});
  ui::PromptMessage(message, "Long", ui::PromptIcon::Information);
  ASSERT_EQ(answerer.seen().size(), 1u);
  const auto& seen = answerer.seen()[0];
  EXPECT_TRUE(seen.wordWrap);
  EXPECT_GT(seen.textRect.h, 32);
  EXPECT_EQ(seen.client.cx, 48 + seen.textRect.w + 8);
  // Widened in steps of 100 from a dialog as wide as its title (the text then 56 narrower) until
  // the text was no longer taller than three quarters of its width, or the limit was reached.
  const int span = ui::PromptButtonSpan(1024);
  EXPECT_TRUE(seen.textRect.h <= seen.textRect.w * 3 / 4 || seen.client.cx >= span - 100);
  EXPECT_LT(seen.client.cx, span);
  ui::Font title = ui::Font::Create({.points = 12, .bold = true}, ui::kDesignDpi);
  const int start = std::max(static_cast<int>(ui::MeasureText(title.Get(), "Long").cx) + 20, 91);
  EXPECT_GT(seen.client.cx, start);
  EXPECT_EQ((seen.client.cx - start) % 100, 0);
  // One step less would have been taller than three quarters of its width.
  ui::Font dialogFont = ui::Font::Create({}, ui::kDesignDpi);
  const int narrower = seen.textRect.w - 100;
  const int taller = static_cast<int>(ui::MeasureText(dialogFont.Get(), message, narrower).cy);
  EXPECT_GT(taller, narrower * 3 / 4);
}

// On a monitor of another DPI the dialog is laid out again: its lengths scaled, its icon loaded at the
// scaled size rather than stretched; it stays where the system puts it on that monitor. (Short
// captions: from its second layout on, the dialog measures them in 12-point bold.)
TEST_F(PromptDialogTest, AChangeOfDpiLaysTheDialogOutAgainAtTheNewScale) {
  auto toDpi = [](int dpi) {
    return [dpi](HWND dialog) {
      RECT suggested{40, 30, 50, 40};
      SendMessageW(dialog, WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&suggested));
    };
  };
  PromptAnswerer answerer({{.title = "Attention !", .action = Action::Nothing, .before = toDpi(144)},
                           {.title = "Attention !", .action = Action::Nothing, .before = toDpi(96)},
                           {.title = "Attention !", .action = Action::Click, .button = 1}});
  EXPECT_EQ(ui::PromptChoice("Un message.", "Attention !", ui::PromptIcon::Warning, {"Oui", "Non"}), 1);
  const auto& seen = answerer.seen();
  ASSERT_EQ(seen.size(), 3u);
  const auto& at96 = seen[0];
  const auto& at144 = seen[1];
  EXPECT_EQ(at144.iconRect, (ui::Rect{12, 12, 48, 48}));
  HICON large = static_cast<HICON>(LoadImageW(nullptr, IDI_EXCLAMATION, IMAGE_ICON, 48, 48, LR_DEFAULTCOLOR));
  EXPECT_EQ(at144.iconPixels, testing_support::IconPixels(large, 48));
  DestroyIcon(large);
  EXPECT_EQ(at144.textRect.x, 12 + 48 + 12);
  ASSERT_EQ(at144.buttonRects.size(), 2u);
  // Standard buttons of 75 x 25 with gaps of 8, at 150 %.
  EXPECT_EQ(at144.panel.w, 12 + 113 + 12 + 113 + 12);
  EXPECT_EQ(at144.buttonRects[0], (ui::Rect{at144.panel.x + 12, at144.panel.y, 113, 38}));
  EXPECT_EQ(at144.buttonRects[1], (ui::Rect{at144.panel.x + 137, at144.panel.y, 113, 38}));
  EXPECT_EQ(at144.client.cy, at144.panel.y + 38 + 12);
  EXPECT_EQ(at144.window.left, 40);
  EXPECT_EQ(at144.window.top, 30);
  // And back: the first layout again, to the pixel.
  EXPECT_EQ(seen[2].iconRect, at96.iconRect);
  EXPECT_EQ(seen[2].iconPixels, at96.iconPixels);
  EXPECT_EQ(seen[2].buttonRects, at96.buttonRects);
  EXPECT_EQ(seen[2].textRect, at96.textRect);
  EXPECT_EQ(seen[2].client.cx, at96.client.cx);
  EXPECT_EQ(seen[2].client.cy, at96.client.cy);
}

TEST_F(PromptDialogTest, ButtonsTooWideAreReportedOnceAndLeftUnarranged) {
  const std::string wide(60, 'W');
  auto reactivate = [](HWND dialog) { SendMessageW(dialog, WM_ACTIVATE, WA_ACTIVE, 0); };
  PromptAnswerer answerer({{.title = "Pratilo"},  // the report, under the application's title
                           {.title = "Large", .action = Action::Nothing, .before = reactivate},
                           {.title = "Large", .action = Action::Click, .button = 1}});
  EXPECT_EQ(ui::PromptChoice("Boutons", "Large", ui::PromptIcon::Warning, {wide, wide}), 1);
  EXPECT_EQ(answerer.pending(), 0u);
  const auto& seen = answerer.seen();
  ASSERT_EQ(seen.size(), 3u);  // no second report, not even after another activation
  for (const auto& s : seen) EXPECT_TRUE(s.expected) << s.title;
  EXPECT_EQ(seen[0].text, ui::kButtonsTooWideMessage);
  EXPECT_EQ(seen[0].iconPixels, testing_support::IconPixels(LoadIconW(nullptr, IDI_ASTERISK), 32));
  EXPECT_EQ(seen[0].buttons, std::vector<std::string>{"Ok"});
  // Both buttons at the panel's left edge, measured, the panel at its first size.
  const auto& dialog = seen[1];
  ASSERT_EQ(dialog.buttonRects.size(), 2u);
  EXPECT_EQ(dialog.buttonRects[0].x, dialog.panel.x);
  EXPECT_EQ(dialog.buttonRects[1].x, dialog.panel.x);
  EXPECT_GT(dialog.buttonRects[0].w, ui::PromptButtonSpan(1024) / 2);
  EXPECT_EQ(dialog.panel.w, 185);
  EXPECT_EQ(dialog.panel.h, 41);
}

TEST_F(PromptDialogTest, EachActivationLaysTheDialogOutAgainMeasuringIn12PointBold) {
  auto moveAwayAndReactivate = [](HWND dialog) {
    SetWindowPos(dialog, nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    SendMessageW(dialog, WM_ACTIVATE, WA_ACTIVE, 0);
  };
  const std::vector<std::string> captions{"Afficher le fichier", "Exécuter"};
  PromptAnswerer answerer({{.title = "Deux fois", .action = Action::Nothing, .before = moveAwayAndReactivate},
                           {.title = "Deux fois", .action = Action::Enter}});
  EXPECT_EQ(ui::PromptChoice("Texte", "Deux fois", ui::PromptIcon::Warning, captions), 0);
  ASSERT_EQ(answerer.seen().size(), 2u);
  const auto& first = answerer.seen()[0];
  const auto& again = answerer.seen()[1];
  // Centred again, and wider: the buttons grew.
  EXPECT_EQ(again.window.left, (1024 - (again.window.right - again.window.left)) / 2);
  EXPECT_GT(again.client.cx, first.client.cx);
  // The first layout measured the captions in the dialog's font, the next one in 12-point bold.
  ui::Font bold = ui::Font::Create({.points = 12, .bold = true}, ui::kDesignDpi);
  auto widthsIn = [&](HFONT font) {
    std::vector<int> measured;
    for (const auto& c : captions) measured.push_back(static_cast<int>(ui::MeasureText(font, c).cx) + 16);
    return *ui::PromptButtonWidths(measured, 768);
  };
  ui::Font normal = ui::Font::Create({}, ui::kDesignDpi);
  std::vector<int> firstWidths, againWidths;
  for (const auto& r : first.buttonRects) firstWidths.push_back(r.w);
  for (const auto& r : again.buttonRects) againWidths.push_back(r.w);
  EXPECT_EQ(firstWidths, widthsIn(normal.Get()));
  EXPECT_EQ(againWidths, widthsIn(bold.Get()));
  EXPECT_GT(againWidths[0], firstWidths[0]);
}

TEST_F(PromptDialogTest, TheProgramEndingClosesTheDialogAndItsQuitGoesOn) {
  PromptAnswerer answerer(
      {{.title = "Fin", .action = Action::Nothing, .before = [](HWND) { PostQuitMessage(7); }}});
  std::string answer = "garde";
  EXPECT_EQ(ui::Prompt("?", "Fin", ui::PromptIcon::Confirmation, &answer, kThree), -1);
  EXPECT_EQ(answer, "");
  MSG msg;
  ASSERT_TRUE(PeekMessageW(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
  EXPECT_EQ(msg.wParam, 7u);
}

}  // namespace
