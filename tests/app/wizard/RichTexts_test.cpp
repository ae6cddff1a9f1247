#include "app/wizard/RichTexts.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "app/wizard/Credits.h"

namespace {

using app::RichPiece;

const ui::CharFormat kTitle{.font = "Verdana", .points = 14, .bold = true, .colour = app::kGreen};
const ui::CharFormat kPlain{.font = "Verdana", .points = 9, .colour = app::kBlack};
const ui::CharFormat kAddress{.font = "Verdana", .points = 9, .underline = true, .colour = app::kBlue};
const ui::CharFormat kHeading{.font = "Verdana", .points = 9, .bold = true, .underline = true, .colour = app::kBlack};
const ui::CharFormat kCredits{.font = "Verdana", .points = 7, .colour = app::kBlack};

std::string Address() { return app::kContactAddress; }

TEST(Presentation, TitleAuthorAddressBodyAndCredits) {
  for (char lang : {'F', 'E'}) {
    SCOPED_TRACE(lang);
    std::vector<RichPiece> p = app::PresentationPieces(lang);
    ASSERT_EQ(p.size(), 5u);
    EXPECT_EQ(p[0], (RichPiece{kTitle, "Pratilo"}));
    EXPECT_EQ(p[1].format, kPlain);
    EXPECT_EQ(p[1].text, std::string("\r\n\r\n") + (lang == 'F' ? "Auteur :" : "Author :") + " " + app::kAuthorName + " - ");
    EXPECT_EQ(p[2], (RichPiece{kAddress, Address()}));
    EXPECT_EQ(p[3].format, kPlain);
    std::string body = p[3].text;
    std::string start = std::string(" ©") + app::kCopyrightYear + "\r\n\r\n" +
                        (lang == 'F' ? "Pour FS2004 et FSX\r\n\r\n" : "For FS2004 and FSX\r\n\r\n");
    EXPECT_EQ(body.substr(0, start.size()), start);
    // French: two paragraphs separated by a blank line; English: one paragraph.
    std::string paragraphs = body.substr(start.size());
    EXPECT_EQ(paragraphs.find("\r\n\r\n") != std::string::npos, lang == 'F');
    EXPECT_GT(paragraphs.size(), 80u);
    EXPECT_EQ(p[4].format, kCredits);
    EXPECT_EQ(p[4].text, std::string("\r\n\r\n\r\n") + (lang == 'F' ? "Programme d'installation par " : "Setup by ") +
                             app::kSetupProgrammer);
  }
}

// A click opens the mail link on the address, wherever it stands, and nowhere else.
TEST(MailLink, OpensOnTheAddressOfBothTextsAndOnNothingElse) {
  for (char lang : {'F', 'E'}) {
    for (const auto& pieces : {app::PresentationPieces(lang), app::LicencePieces(lang)}) {
      int addresses = 0;
      for (const RichPiece& piece : pieces) {
        bool address = piece.text == app::kContactAddress;
        addresses += address;
        EXPECT_EQ(app::IsMailLinkFormat(piece.format), address) << lang << ": " << piece.text.substr(0, 40);
      }
      EXPECT_GE(addresses, 1) << lang;
    }
  }
}

TEST(Licence, FiveSectionsWithBoldUnderlinedHeadingsAndTheAddressAtTheEnd) {
  const char* french[] = {"CONTRAT DE LICENCE", "LICENCE", "LIMITATION DE RECOURS ET RESPONSABILITES", "COPYRIGHT",
                          "ASSISTANCE, CONTACT (et remerciements ;-))"};
  const char* english[] = {"LICENCE AGREEMENT", "LICENCE", "LIMITATION OF RECOURSE AND RESPONSIBILITIES",
                           "COPYRIGHT", "HELP, CONTACT (and thanks ;-))"};
  for (char lang : {'F', 'E'}) {
    SCOPED_TRACE(lang);
    std::vector<RichPiece> p = app::LicencePieces(lang);
    ASSERT_EQ(p.size(), 4u + 5 * 2 + 2);
    EXPECT_EQ(p[0], (RichPiece{kTitle, "Pratilo"}));
    EXPECT_EQ(p[1], (RichPiece{kPlain, std::string("   ") + (lang == 'F' ? "Auteur :" : "Author :") + " " +
                                           app::kAuthorName + " - "}));
    EXPECT_EQ(p[2], (RichPiece{kAddress, Address()}));
    EXPECT_EQ(p[3], (RichPiece{kPlain, std::string(" ©") + app::kCopyrightYear}));
    for (int s = 0; s < 5; ++s) {
      const RichPiece& heading = p[4 + 2 * s];
      const RichPiece& body = p[5 + 2 * s];
      EXPECT_EQ(heading, (RichPiece{kHeading, std::string("\r\n\r\n") + (lang == 'F' ? french : english)[s] + "\r\n\r\n"}));
      EXPECT_EQ(body.format, kPlain);
      EXPECT_FALSE(body.text.empty());
    }
    // The agreement and the limitation are in capitals.
    for (int s : {0, 2}) {
      const std::string& text = p[5 + 2 * s].text;
      EXPECT_EQ(std::count_if(text.begin(), text.end(), [](char c) { return c >= 'a' && c <= 'z'; }), 0) << s;
    }
    const std::string& help = p[13].text;
    // The help text, a blank line, then the author's name before the address.
    std::string ask = std::string(lang == 'F'
                                      ? "Pour toutes questions et tous commentaires, contactez l'auteur à l'adresse"
                                      : "For any question and comments, contact the author at the address") +
                      "\r\n\r\n" + app::kAuthorName + " - ";
    EXPECT_EQ(help.substr(help.size() - ask.size()), ask);
    EXPECT_NE(p[11].text.find(app::kSetupProgrammer), std::string::npos);  // copyright credits
    EXPECT_NE(p[11].text.find(app::kAuthorName), std::string::npos);
    EXPECT_EQ(p[14], (RichPiece{kAddress, Address()}));
    EXPECT_EQ(p[15], (RichPiece{kPlain, "\r\n\r\n\r\n\r\n\r\n\r\n\r\n"}));
  }
}

}  // namespace
