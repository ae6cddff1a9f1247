#include "app/wizard/RichTexts.h"

#include "app/wizard/Credits.h"
#include "app/texts/Texts.h"

namespace app {

namespace {

// Appends pieces; attributes set on it stay in force until changed, as in the rich text itself.
class Writer {
 public:
  explicit Writer(char lang) : lang_(lang) {}
  Writer& Font(const char* face) { format_.font = face; return *this; }
  Writer& Size(int points) { format_.points = points; return *this; }
  Writer& Colour(COLORREF c) { format_.colour = c; return *this; }
  Writer& Style(bool bold, bool underline) {
    format_.bold = bold;
    format_.underline = underline;
    return *this;
  }
  Writer& Plain() { return Style(false, false); }
  Writer& Add(const std::string& text) {
    if (!pieces_.empty() && pieces_.back().format == format_)
      pieces_.back().text += text;
    else
      pieces_.push_back({format_, text});
    return *this;
  }
  Writer& Add(const char* french, const char* english) { return Add(PickText(lang_, french, english)); }
  std::vector<RichPiece> Take() { return std::move(pieces_); }

  // "Pratilo" in the title style, then the author line up to the contact address and its year.
  Writer& Heading(const std::string& beforeAuthor) {
    Font("Verdana").Style(true, false).Colour(kGreen).Size(14).Add("Pratilo");
    Plain().Colour(kBlack).Size(9).Add(beforeAuthor).Add("Auteur :", "Author :");
    Add(std::string(" ") + kAuthorName + " - ");
    Style(false, true).Colour(kBlue).Add(kContactAddress);
    return Plain().Colour(kBlack).Add(std::string(" \xC2\xA9") + kCopyrightYear);
  }

 private:
  char lang_;
  ui::CharFormat format_;
  std::vector<RichPiece> pieces_;
};

}  // namespace

std::vector<RichPiece> PresentationPieces(char lang) {
  Writer w(lang);
  w.Heading("\r\n\r\n").Add("\r\n\r\n");
  w.Add("Pour FS2004 et FSX\r\n\r\n", "For FS2004 and FSX\r\n\r\n");
  w.Add(
      "Après le succès de notre scène «\xC2\xA0" "Vallée de l'Ubaye\xC2\xA0" "», voici Pratilo, une nouvelle "
      "texture d'herbe qui "
      "améliore le rendu du sol en général : plus de contraste, plus de relief. En vol très bas, elle permet de "
      "mieux apprécier la vitesse, et les pilotes d'hélicoptère y trouveront des repères précieux près du sol."
      "\r\n\r\n"
      "Pratilo est active sur toute la planète et suit le rythme des saisons.",
      "Pratilo replaces the grass texture of your simulator with a more detailed and contrasted one. It is "
      "active all over the planet and follows the seasons.");
  w.Size(7).Add("\r\n\r\n\r\n");
  w.Add(std::string(PickText(lang, "Programme d'installation par ", "Setup by ")) + kSetupProgrammer);
  return w.Take();
}

std::vector<RichPiece> LicencePieces(char lang) {
  Writer w(lang);
  w.Heading("   ");
  auto section = [&w](const char* frHeading, const char* enHeading, const std::string& body) {
    w.Style(true, true).Add("\r\n\r\n").Add(frHeading, enHeading).Add("\r\n\r\n");
    w.Plain().Add(body);
  };
  section("CONTRAT DE LICENCE", "LICENCE AGREEMENT",
          PickText(lang,
                   "LA LICENCE D'UTILISATION DE CE PROGRAMME NE VOUS EST ACCORDÉE QUE SI VOUS ACCEPTEZ TOUS LES "
                   "TERMES DU PRÉSENT CONTRAT. LISEZ-LES ATTENTIVEMENT AVANT DE COCHER LA CASE "
                   "«\xC2\xA0" "J'ACCEPTE\xC2\xA0" "» ET DE CLIQUER SUR «\xC2\xA0" "SUIVANT\xC2\xA0" "». SI VOUS "
                   "N'ACCEPTEZ PAS CES TERMES, CLIQUEZ SUR «\xC2\xA0" "RENONCER\xC2\xA0" "» ET "
                   "SUPPRIMEZ CE PROGRAMME DE VOTRE SYSTÈME.",
                   "THE LICENCE TO USE THIS PROGRAM IS GRANTED TO YOU ONLY IF YOU ACCEPT ALL THE TERMS OF THIS "
                   "AGREEMENT. READ THEM CAREFULLY BEFORE TICKING THE \"I\xC2\xA0" "AGREE\" BOX AND PRESSING \"NEXT\". IF YOU "
                   "DO NOT ACCEPT THESE TERMS, PRESS \"CANCEL\" AND REMOVE THIS PROGRAM FROM YOUR SYSTEM."));
  section("LICENCE", "LICENCE",
          PickText(lang,
                   "Pratilo est un logiciel gratuit (freeware). Vous pouvez le transmettre à d'autres personnes, "
                   "uniquement sans modification, pour un usage personnel et non commercial. Toute autre utilisation "
                   "nécessite l'accord préalable de l'auteur. Il est interdit de désassembler, de décompiler ou de "
                   "traduire ce programme et ses textures.",
                   "Pratilo is freeware. You may pass it on to other people, only unchanged, for personal and "
                   "non-commercial use. Any other use requires the author's prior consent. You may not disassemble, "
                   "decompile or translate this program or its textures."));
  section("LIMITATION DE RECOURS ET RESPONSABILITES", "LIMITATION OF RECOURSE AND RESPONSIBILITIES",
          PickText(lang,
                   "CE PROGRAMME EST FOURNI GRATUITEMENT, EN L'ÉTAT, SANS AUCUNE GARANTIE D'AUCUNE SORTE, EXPRESSE "
                   "OU IMPLICITE. EN AUCUN CAS L'AUTEUR NE POURRA ÊTRE TENU RESPONSABLE D'UN QUELCONQUE DOMMAGE, "
                   "DIRECT OU INDIRECT, RÉSULTANT DE SON UTILISATION OU DE L'IMPOSSIBILITÉ DE L'UTILISER.",
                   "THIS PROGRAM IS PROVIDED FREE OF CHARGE, AS IS, WITHOUT ANY WARRANTY OF ANY KIND, EXPRESS OR "
                   "IMPLIED. IN NO EVENT SHALL THE AUTHOR BE LIABLE FOR ANY DAMAGE, DIRECT OR INDIRECT, ARISING FROM "
                   "THE USE OF THIS PROGRAM OR FROM THE INABILITY TO USE IT."));
  section("COPYRIGHT", "",
          PickText(lang, "Textures Pratilo : \xC2\xA9", "Pratilo textures: \xC2\xA9") + kCopyrightYear + " " +
              kAuthorName + "\r\n" + PickText(lang, "Programme d'installation : ", "Setup program: ") +
              kSetupProgrammer);
  section("ASSISTANCE, CONTACT (et remerciements ;-))", "HELP, CONTACT (and thanks ;-))",
          PickText(lang, "Pour toutes questions et tous commentaires, contactez l'auteur à l'adresse",
                   "For any question and comments, contact the author at the address") +
              "\r\n\r\n");
  w.Plain().Add(std::string(kAuthorName) + " - ");
  w.Style(false, true).Colour(kBlue).Add(kContactAddress);
  w.Plain().Colour(kBlack).Add("\r\n\r\n\r\n\r\n\r\n\r\n\r\n");
  return w.Take();
}

bool IsMailLinkFormat(const ui::CharFormat& format, COLORREF linkColour) {
  return format.colour == linkColour && format.underline && !format.bold && !format.italic && !format.strikeOut;
}

}  // namespace app
