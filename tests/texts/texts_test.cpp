#include "texts/caption_table.h"
#include "texts/message_table.h"

#include <gtest/gtest.h>

#include <array>
#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace {

using Texts4 = std::array<std::string, LanguageCount>;
const char* const LanguageNames[LanguageCount] = {"English", "German", "French", "Czech"};
constexpr int French = 2;
constexpr int Czech = 3;

// The message table as the program must show it, entry number first. French
// cells read è and à where the old code-page mix-up had put č and ŕ.
struct TExpectedMessage {
    int Number;
    TMessage Id;
    Texts4 Text;
};

const std::vector<TExpectedMessage> ExpectedMessages{
    {1, MsgHelpFile, {"Help.pdf", "Help.pdf", "Help.pdf", "Help.pdf"}},
    {2,
     MsgProgramError,
     {"Program error!", "Programmierfehler!", "Erreur de programmation!", "Chyba programování"}},
    {3, MsgVerifyError, {"Verify error!", "Vergleichsfehler", "Verifier erreur!", "Chyba verifikace!"}},
    {4, MsgReadError, {"Read error!", "Lesefehler", "Lire erreur!", "Chyba čtení!"}},
    {5, MsgPrograming, {"Programing", "Programmieren", "Programmer", "Programování"}},
    {6, MsgVerify, {"Verify", "Vergleichen", "Vérifier", "Verifikace"}},
    {7, MsgRead, {"Read", "Lesen", "Lire", "Čtení"}},
    {8, MsgSaving, {"Saving:", "Speichern:", "Mémorisation", "Ukládání:"}},
    {9,
     MsgUnmatchedVersion,
     {"Unmatched version of PC and Ignition programs!",
      "Programm der Zündung ist nicht kompatibel mit dem Programm am PC!",
      "Programme du boitier d´alumage non compatible avec programme PC!",
      "Neshodné verze proramu v PC a zapalování!"}},
    {10,
     MsgUnmatchedFileVersion,
     {"Unmatched version of *.ign file!", "Datei *.ign ist nicht kompatiebel!",
      "Programme du fichier non compatible avec programme PC!", "Neshodná verze souboru *.ign!"}},
    {11,
     MsgPrintDate,
     {"Date and time of printing:  ", "Zeitpunkt des Ausdruckes   ",
      "Date et heur de l´imprimé:   ", "Datum a čas tisku:  "}},
    {12, MsgPolarityOfCkps, {"Polarity of CKPS", "Polarität des CKPS", "Polarité CKPS", "Polarita CKPS"}},
    {13, MsgPositive, {"Positive", "Positiv", "Positif", "Kladná"}},
    {14, MsgNegative, {"Negative", "Negativ", "Négatif", "Záporná"}},
    {15,
     MsgComOpeningError,
     {"Com opening error!", "Falscher COM-Anschlußes!", "Erreur connections PC!",
      "Chyba při otevírání portu Com!"}},
    {16,
     MsgOpenFileError,
     {"Open file error!", "Fehler beim öffnen der Datei!", "Erreur ouvertur fichier!",
      "Chyba při otevírání souboru!"}},
    {17,
     MsgDefaultSetting,
     {"Do you want default setting?", "Wollen Sie Standardeinstellungen öffnen?",
      "Voulez vous la programation de base?", "Chcete nastavit základní hodnoty?"}},
    {18, MsgNoReading, {"No reading!", "Lesen verboten!", "Pas axessible!", "Zákaz čtení!"}},
    {19,
     MsgOpenHelpError,
     {"Open file error Help.pdf !", "Fehler beim öffnen der Datei Help.pdf !",
      "Erreur ouvertur fichier Help.pdf !", "Chyba při otevírání souboru Help.pdf !"}},
    {20, MsgAdvance, {"Advance", "Vorzündung", "Avance", "Předstih"}},
    {21, MsgStartLimiter, {"Start limiter", "Startbegrenzer", "Limitateur départ", "Startovací omezovač"}},
    {22, MsgLimiter, {"Limiter", "Begrenzer", "Limitateur", "Omezovač"}},
    {23, MsgGearShiftLight, {"Gear shift light", "Schaltblitz", "Retard à l´allumage", "Kontrolka řazení"}},
    {24, MsgClutchMaster, {"Clutch master", "Schaltautomat", "Clutch master", "Clutch master"}},
    {25, MsgRetard, {"Retard", "Spätzündung", "Retard d´allumage", "Snížení předstihu"}},
    {26, MsgMotorOff, {"Motor off", "Motor off", "Blocage", "Blokování"}},
    {27,
     MsgNumberOfPrograming,
     {"Number of Programing= ", "Programmierungsanzahl= ", "Nombre de programmations= ",
      "Počet programování= "}},
    {28, MsgYes, {"Yes", "Ja", "Oui", "Ano"}},
    {29, MsgNo, {"No", "Nein", "Non", "Ne"}},
    {30, MsgPickUp, {"Pick-up (CPS)", "Geber(CPS)", "Capteur(CPS)", "Snímač (CPS)"}},
    {31, MsgIsRunning, {" is running", " läuft", " fonctionne", " pracuje"}},
    {32, MsgNoSignal, {" no signal", " kein Signal", " pas de signal", " bez signálu"}},
    {33, MsgInput, {"Input", "Eingang", "Entrée", "Vstup"}},
    {34, MsgBasic, {"Basic", "Grund", "De base", "Základní"}},
};

using K = TTextKind;

struct TExpectedRow {
    std::vector<std::string> Controls;
    TTextKind Kind;
    Texts4 Text;
};

// Every text the caption fill writes, per control and kind.
const std::vector<TExpectedRow> ExpectedCaptions{
    {{"FormHlav"},
     K::Caption,
     {"Programming of Kolvane unit", "Programmierung der Kolvane Zündbox", "Programation de Kolvane unité",
      "Programování jednotky Kolvane"}},
    {{"LabelSpojeni"},
     K::Caption,
     {"No connection with PC", "Keine Verbindung zum PC", "Pas de connection acec pc", "Není spojení s PC"}},
    {{"CheckBoxIgnAll"}, K::Caption, {"All", "Alles", "Tout", "Vše"}},
    {{"CheckBoxProgHned"},
     K::Caption,
     {"Programming after change", "Programmierung nach Änderung", "Sovegarde après modification",
      "Programování po změně"}},
    {{"CheckBoxZakazCteni"}, K::Caption, {"No Reading", "Lesen Verboten", "Pas axessible", "Zákaz čtení"}},
    {{"LabelAdvance1", "LabelAdvance2"},
     K::Caption,
     {"Advance [°]", "Vorzündung [°]", "Avance [°]", "Předstih [°]"}},
    {{"LabelOmez1"},
     K::Caption,
     {"Start limiter [rpm]", "Startbegrenzer [rpm]", "Limitateur départ [rpm]", "Startovací omezovač [rpm]"}},
    {{"LabelOmez2"}, K::Caption, {"Limiter [rpm]", "Begrenzer [rpm]", "Limitateur [rpm]", "Omezovač [rpm]"}},
    {{"LabelBaseAdv"},
     K::Caption,
     {"Base advance [°]", "Basis Vorzündung [°]", "Avance de base [°]", "Základní předstih [°]"}},
    {{"LabelPocetBodu"},
     K::Caption,
     {"Number of items", "Anzahl der Stützpunkte", "Nombre de points", "Počet bodů"}},
    {{"LabelRetard"},
     K::Caption,
     {"Retard [°]", "Spätzündung [°]", "Retard d´allumage[°]", "Snížení předstihu [°]"}},
    {{"LabelLedRazeni"},
     K::Caption,
     {"Gear shift light [rpm]", "Schaltblitz [rpm]", "Témoin de changement de rapport [rpm]",
      "Kontrolka řazení [rpm]"}},
    {{"CheckBoxRevOutLedRazeni"},
     K::Caption,
     {"Reverse otput polarity", "Umgekehrte Ausgangpolarität", "Reverse otput polarity",
      "Opačná polarita výstupu"}},
    {{"RadioGroupPolarita"},
     K::Caption,
     {"Polarity of CPS:", "Polarität des CPS:", "Polarité CPS", "Polarita CPS:"}},
    {{"GroupBoxRpm"},
     K::Caption,
     {"Tachometer output", "Drehzählerausgang", "Tachometer output", "Výstup pro otáčkoměr"}},
    {{"LabelRpmPulsu"},
     K::Caption,
     {"Pulses per revolution", "Pulse pro Umdrehung", "Pulses per revolution", "Počet pulsů za otáčku"}},
    {{"LabelRpmKorekce"}, K::Caption, {"Correction [%]", "Korrektion [%]", "Correction [%]", "Korekce [%]"}},
    {{"GroupBoxMonInput"},
     K::Caption,
     {"Input to ground", "Eingang zu Erde", "Entrée de terre", "Vstup uzeměn"}},
    {{"RadioGroupPolarita"},
     K::Items,
     {"Positive\nNegative\nSelfsearch", "Positiv\nNegativ\nAutomatisch", "Positif\nNégatif\nAutomatique",
      "Kladná\nZáporná\nSamohledání"}},
    {{"RadioGroupInput1"},
     K::Items,
     {"Off\nKill switch\nClutch master\nRetard\nStart Limiter",
      "Aus\nNot Aus\nSchaltautomat\nSpätzündung\nStartbegrenzer",
      "Off\nInterrupteur de sécurité\npar embeillage\nRetard à l´allumage\nLimitateur départ",
      "Vypnut\nKill switch\nClutch master\nSnížení předstihu\nStartovací omezovač"}},
    {{"RadioGroupInput2"},
     K::Items,
     {"Off\nBlocking\nClutch master\nRetard\nStart Limiter",
      "Aus\nBlockierung\nSchaltautomat\nSpätzündung\nStartbegrenzer",
      "Off\nBlocage\npar embeillage\nRetard à l´allumage\nLimitateur départ",
      "Vypnut\nBlokování\nClutch master\nSnížení předstihu\nStartovací omezovač"}},
    {{"MenuFile"}, K::Caption, {"&File", "&Datei", "&Fichier", "&Soubor"}},
    {{"MenuNew"}, K::Caption, {"&New", "&Neu", "&Nouveau", "&Nový"}},
    {{"MenuOpen"}, K::Caption, {"&Open", "&Öffnen", "&Ouvrir", "&Otevřít"}},
    {{"MenuSave"}, K::Caption, {"&Save", "&Speichern", "&Mèmoriser", "&Uložit"}},
    {{"MenuPrint"}, K::Caption, {"&Print", "&Drucken", "&Imprimer", "&Tisk"}},
    {{"MenuExit"}, K::Caption, {"E&xit", "&Beenden", "&Sortir", "&Konec"}},
    {{"MenuCom"}, K::Caption, {"&Com", "&COM-Anschluß", "&Connection com", "&Port"}},
    {{"MenuDevice"}, K::Caption, {"&Ignition", "&Zündung", "&Allumage", "&Zapalování"}},
    {{"MenuTools"}, K::Caption, {"Tools", "Werkzeuge", "Outillage", "Pomůcky"}},
    {{"MenuLanguage"}, K::Caption, {"&Language", "&Sprache", "&Langue", "&Jazyk"}},
    {{"MenuEnglish"}, K::Caption, {"&English", "&Englisch", "&Englais", "&Anglicky"}},
    {{"MenuGerman"}, K::Caption, {"&German", "&Deutsch", "&Allemand", "&Německy"}},
    {{"MenuFrench"}, K::Caption, {"&French", "&Französisch", "&Francais", "Francouzky"}},
    {{"MenuCzech"}, K::Caption, {"&Czech", "&Tschechisch", "&Tchèque", "Če&sky"}},
    {{"MenuHelp"}, K::Caption, {"&Help", "&Hilfe", "&Aide", "Nápověda"}},
    {{"MenuContens"}, K::Caption, {"&Contents...", "&Inhalt...", "&Contenu", "Obsah"}},
    {{"MenuAbout"},
     K::Caption,
     {"&About...", "&Über Programm...", "&Contenu du programme", "&O programu..."}},
    {{"MenuZpet"}, K::Caption, {"Undo", "Zurück", "Undo", "Zpět"}},
    {{"MenuZnovu"}, K::Caption, {"Redo", "Wieder", "Redo", "Znovu"}},
    {{"LabelVerze1"},
     K::Hint,
     {"Version of program in ignition", "Programmverion der Zündung", "Variantes de courbe d´avance",
      "Verze programu v zapalování"}},
    {{"LabelVerze2"},
     K::Hint,
     {"Date of program in ignition", "Datum des Programm in der Zündung",
      "Date de programation de la courbe d´avance", "Datum zhotovení programu v zapalování"}},
    {{"LabelVerze3"},
     K::Hint,
     {"Time of program in ignition", "Programmierzeitpunkt der Zündung",
      "Temp de programation de la courbe d´avance", "Čas zhotovení programu v zapalování"}},
    {{"SpeedButton5", "MenuOpen"},
     K::Hint,
     {"Open file with parametrs", "Kenndatendatei öffnen", "Ouvrir fichier avec paramètres",
      "Otevření souboru s parametry"}},
    {{"SpeedButton6", "MenuNew"},
     K::Hint,
     {"Set default parametrs", "neue Kenndatendatei erstellen",
      "Reprogramation des paramètres initial Dórigine", "Nastavení výchozích parametrů"}},
    {{"SpeedButton7", "MenuSave"},
     K::Hint,
     {"Save parametrs to file", "Kenndaten in Datei speichern", "Sauvegarder les paramètres",
      "Uložení parametrů do souboru"}},
    {{"SpeedButtonPrint", "MenuPrint"},
     K::Hint,
     {"Print parametrs", "Kenndaten Drucken", "Imprimer paramètres", "Tisk parametrů"}},
    {{"ButtonProgram", "MenuProgram"},
     K::Hint,
     {"Programing  set parametrs to ignition", "Kenndaten in die Zündung programmieren",
      "Programer les paramètres dans ECU", "Programování nastavených parametrů do zapalování"}},
    {{"ButtonVerify", "MenuVerify"},
     K::Hint,
     {"Compare set parametrs  with parametrs of ignition", "Kenndaten mit Zündungskenndaten vergleichen",
      "Comparer les paramètres de ECU",
      "Ověření zda  nastavené parametry souhlasí s parametry naprogramovanými do zapalování"}},
    {{"BitBtnAdvMinus"},
     K::Hint,
     {"Take off 1 degree of Advance", "Vorzündung minus 1 Grad", "Retarder de 1 degré l´avance a l´allumage",
      "Zmenšení předstihu o 1 stupeň"}},
    {{"BitBtnAdvPlus"},
     K::Hint,
     {"Add 1 degree of Advance", "Vorzündung plus 1 Grad",
      "Avance accroître l´avance a l´allumage de 1 degré", "Zvětšení předstihu o 1 stupeň"}},
    {{"ButtonRead", "MenuRead"},
     K::Hint,
     {"Reading parametrs from ignition", "Kenndaten aus Zündung lesen", "Lire paramètres ECU",
      "Čtení parametrů ze zapalování"}},
    {{"MenuExit"},
     K::Hint,
     {"End of program", "Programm beenden", "Sortir du programme", "Ukončení programu"}},
    {{"MenuLanguage"},
     K::Hint,
     {"Set English or German or French or Czech ",
      "wählen sie Englisch, Deutsch, Französisch oder Tschechisch ",
      "installer lange; Englais,Allemand , Francais ou Czech",
      "Nastavení jazyka na angličtinu, němčinu, francozštinu nebo češtinu "}},
    {{"CheckBoxProgHned"},
     K::Hint,
     {"Programing at once after change", "Programmmieren sofort nach dem änderung",
      "Programation instantanée des modifications", "Programování ihned po změně"}},
    {{"MenuCom"},
     K::Hint,
     {"Set number of com", "Com-Anschluß festlegen", "installer nombre de com",
      "Nastavení čísla serivého portu (Com) "}},
    {{"LabelRpm1", "LabelRpm2"},
     K::Hint,
     {"Round per Minute|Speed - Round per Minute", "Umdrehungen pro Minute", "Tours minute",
      "Otáčky za minutu|Rychlost - Otáčky za minutu"}},
    {{"MenuEnglish"},
     K::Hint,
     {"Set English menu", "Set English menu", "Set English menu", "Set English menu"}},
    {{"MenuGerman"}, K::Hint, {"Deutsches Menü", "Deutsches Menü", "Deutsches Menü", "Deutsches Menü"}},
    {{"MenuFrench"},
     K::Hint,
     {"Installer en Francais ", "Installer en Francais ", "Installer en Francais ",
      "Installer en Francais "}},
    {{"MenuCzech"},
     K::Hint,
     {"Nastavit české menu", "Nastavit české menu", "Nastavit české menu", "Nastavit české menu"}},
    // Built from message entries and from the File menu caption.
    {{"MenuRead", "ButtonRead"}, K::Caption, {"&Read", "&Lesen", "&Lire", "&Čtení"}},
    {{"MenuVerify", "ButtonVerify"}, K::Caption, {"&Verify", "&Vergleichen", "&Vérifier", "&Verifikace"}},
    {{"MenuProgram", "ButtonProgram"},
     K::Caption,
     {"&Programing", "&Programmieren", "&Programmer", "&Programování"}},
    {{"MenuAdvanceMinus"}, K::Caption, {"Advance -", "Vorzündung -", "Avance -", "Předstih -"}},
    {{"MenuAdvancePlus"}, K::Caption, {"Advance +", "Vorzündung +", "Avance +", "Předstih +"}},
    {{"RadioGroupInput1"}, K::Caption, {"Input 1", "Eingang 1", "Entrée 1", "Vstup 1"}},
    {{"RadioGroupInput2"}, K::Caption, {"Input 2", "Eingang 2", "Entrée 2", "Vstup 2"}},
    {{"LabelMonInput1In"}, K::Caption, {"Input 1: ---", "Eingang 1: ---", "Entrée 1: ---", "Vstup 1: ---"}},
    {{"LabelMonInput2In"}, K::Caption, {"Input 2: ---", "Eingang 2: ---", "Entrée 2: ---", "Vstup 2: ---"}},
    {{"LabelFile1"}, K::Caption, {"&File:", "&Datei:", "&Fichier:", "&Soubor:"}},
};

// Live-display captions while the unit is silent.
const std::vector<std::pair<std::string, Texts4>> ExpectedPlaceholders{
    {"LabelMon_Advance", {"Advance= --- [°]", "Vorzündung= --- [°]", "Avance= --- [°]", "Předstih= --- [°]"}},
    {"LabelMonStartLimiterOut",
     {"Start limiter: ---", "Startbegrenzer: ---", "Limitateur départ: ---", "Startovací omezovač: ---"}},
    {"LabelMonHardLimiter", {"Limiter: ---", "Begrenzer: ---", "Limitateur: ---", "Omezovač: ---"}},
    {"LabelMonLedRazeni",
     {"Gear shift light: ---", "Schaltblitz: ---", "Retard à l´allumage: ---", "Kontrolka řazení: ---"}},
    {"LabelClutchMon",
     {"Clutch master: ---", "Schaltautomat: ---", "Clutch master: ---", "Clutch master: ---"}},
    {"LabelMonRetard",
     {"Retard: ---", "Spätzündung: ---", "Retard d´allumage: ---", "Snížení předstihu: ---"}},
    {"LabelBlocking", {"Motor off: ---", "Motor off: ---", "Blocage: ---", "Blokování: ---"}},
    {"LabelPocetProgramovani",
     {"Number of Programing=  ---", "Programmierungsanzahl=  ---", "Nombre de programmations=  ---",
      "Počet programování=  ---"}},
    {"LabelSnimac", {"Pick-up (CPS): ---", "Geber(CPS): ---", "Capteur(CPS): ---", "Snímač (CPS): ---"}},
    {"LabelPolaritaMer",
     {"Polarity of CKPS: ---", "Polarität des CKPS: ---", "Polarité CKPS: ---", "Polarita CKPS: ---"}},
};

const char* KindName(TTextKind kind)
{
    switch (kind) {
    case TTextKind::Caption:
        return "caption";
    case TTextKind::Hint:
        return "hint";
    case TTextKind::Items:
        return "items";
    }
    return "?";
}

using TKey = std::pair<std::string, TTextKind>;

std::string Describe(const TKey& key)
{
    return key.first + " " + KindName(key.second);
}

// The caption table of one language keyed by control and kind; a key given
// twice is a fault, since the later text would silently win in the window.
std::map<TKey, std::string> ActualCaptions(int language, std::vector<std::string>* duplicates)
{
    std::map<TKey, std::string> texts;
    for (const TControlText& text :
         BuildCaptionTable(static_cast<std::uint8_t>(language), BuildMessageTable(language))) {
        if (!texts.emplace(TKey{text.Control, text.Kind}, text.Text).second)
            duplicates->push_back(Describe({text.Control, text.Kind}));
    }
    return texts;
}

std::map<TKey, std::string> ExpectedCaptionsFor(int language)
{
    std::map<TKey, std::string> texts;
    for (const TExpectedRow& row : ExpectedCaptions)
        for (const std::string& control : row.Controls)
            texts[{control, row.Kind}] = row.Text[language];
    return texts;
}

std::string Text(int language, const std::string& control, TTextKind kind)
{
    std::vector<std::string> duplicates;
    const auto texts = ActualCaptions(language, &duplicates);
    const auto found = texts.find({control, kind});
    return found == texts.end() ? "<missing>" : found->second;
}

bool Contains(const std::string& text, const char* part)
{
    return text.find(part) != std::string::npos;
}

} // namespace

TEST(MessageTable, EveryRowMatchesInEveryLanguage)
{
    ASSERT_EQ(ExpectedMessages.size(), static_cast<size_t>(MessageCount));
    const auto& rows = MessageRows();
    for (const TExpectedMessage& expected : ExpectedMessages) {
        EXPECT_EQ(static_cast<int>(expected.Id), expected.Number - 1)
            << "enum name out of table order at entry " << expected.Number;
        for (int language = 0; language < LanguageCount; ++language)
            EXPECT_EQ(rows[expected.Number - 1][language], expected.Text[language])
                << "entry " << expected.Number << " in " << LanguageNames[language];
    }
}

TEST(MessageTable, BuiltTableHoldsTheChosenLanguage)
{
    for (int language = 0; language < LanguageCount; ++language) {
        const TMessageTable table = BuildMessageTable(static_cast<std::uint8_t>(language));
        for (const TExpectedMessage& expected : ExpectedMessages)
            EXPECT_EQ(table[expected.Id], expected.Text[language])
                << "entry " << expected.Number << " in " << LanguageNames[language];
    }
}

TEST(MessageTable, FileErrorsAreAssembledFromTheirPieces)
{
    const auto& rows = MessageRows();
    const Texts4 openFileError{"Open file error", "Fehler beim öffnen der Datei", "Erreur ouvertur fichier",
                               "Chyba při otevírání souboru"};
    for (int language = 0; language < LanguageCount; ++language) {
        SCOPED_TRACE(LanguageNames[language]);
        EXPECT_EQ(rows[MsgOpenFileError][language], openFileError[language] + "!");
        EXPECT_EQ(rows[MsgOpenHelpError][language],
                  openFileError[language] + " " + rows[MsgHelpFile][language] + " !");
    }
    EXPECT_EQ(rows[MsgOpenHelpError][0], "Open file error Help.pdf !");
    EXPECT_EQ(rows[MsgOpenHelpError][French], "Erreur ouvertur fichier Help.pdf !");
}

TEST(MessageTable, SpotChecksOfEasySlips)
{
    const auto& rows = MessageRows();
    for (int language = 0; language < LanguageCount; ++language)
        EXPECT_EQ(rows[MsgHelpFile][language], "Help.pdf") << LanguageNames[language];
    // Only some languages end their error texts with "!".
    EXPECT_FALSE(Contains(rows[MsgProgramError][Czech], "!"));
    EXPECT_FALSE(Contains(rows[MsgVerifyError][1], "!"));
    EXPECT_FALSE(Contains(rows[MsgReadError][1], "!"));
    EXPECT_TRUE(Contains(rows[MsgProgramError][1], "!"));
    EXPECT_TRUE(Contains(rows[MsgVerifyError][Czech], "!"));
    // Trailing blanks are part of the texts that numbers are appended to.
    EXPECT_EQ(rows[MsgPrintDate][1], "Zeitpunkt des Ausdruckes   ");
    EXPECT_EQ(rows[MsgNumberOfPrograming][0], "Number of Programing= ");
    EXPECT_EQ(rows[MsgIsRunning][Czech], " pracuje");
    EXPECT_EQ(rows[MsgSaving][French], "Mémorisation");
}

TEST(CaptionTable, EveryTextMatchesInEveryLanguage)
{
    for (int language = 0; language < LanguageCount; ++language) {
        SCOPED_TRACE(LanguageNames[language]);
        std::vector<std::string> duplicates;
        const auto actual = ActualCaptions(language, &duplicates);
        EXPECT_TRUE(duplicates.empty()) << "given twice: " << ::testing::PrintToString(duplicates);
        const auto expected = ExpectedCaptionsFor(language);
        for (const auto& [key, text] : expected) {
            const auto found = actual.find(key);
            if (found == actual.end())
                ADD_FAILURE() << "missing " << Describe(key);
            else
                EXPECT_EQ(found->second, text) << Describe(key);
        }
        for (const auto& entry : actual)
            EXPECT_EQ(expected.count(entry.first), 1u) << "unexpected " << Describe(entry.first);
    }
}

TEST(CaptionTable, EveryLanguageSetsTheSameTargets)
{
    std::set<TKey> english;
    for (const TControlText& text : BuildCaptionTable(0, BuildMessageTable(0)))
        english.insert({text.Control, text.Kind});
    for (int language = 1; language < LanguageCount; ++language) {
        std::set<TKey> other;
        for (const TControlText& text :
             BuildCaptionTable(static_cast<std::uint8_t>(language), BuildMessageTable(language)))
            other.insert({text.Control, text.Kind});
        EXPECT_EQ(other, english) << LanguageNames[language];
    }
    EXPECT_EQ(english.size(), ExpectedCaptionsFor(0).size());
}

TEST(CaptionTable, AssembledCaptionsFollowTheMessageTable)
{
    // Entries handed in are used as they are, not looked up again.
    TMessageTable messages = BuildMessageTable(0);
    messages[MsgRead] = "R";
    messages[MsgVerify] = "V";
    messages[MsgPrograming] = "P";
    messages[MsgAdvance] = "A";
    messages[MsgInput] = "I";
    std::map<TKey, std::string> texts;
    for (const TControlText& text : BuildCaptionTable(0, messages))
        texts[{text.Control, text.Kind}] = text.Text;
    const std::vector<std::pair<std::string, std::string>> built{
        {"MenuRead", "&R"},
        {"ButtonRead", "&R"},
        {"MenuVerify", "&V"},
        {"ButtonVerify", "&V"},
        {"MenuProgram", "&P"},
        {"ButtonProgram", "&P"},
        {"MenuAdvanceMinus", "A -"},
        {"MenuAdvancePlus", "A +"},
        {"RadioGroupInput1", "I 1"},
        {"RadioGroupInput2", "I 2"},
        {"LabelMonInput1In", "I 1: ---"},
        {"LabelMonInput2In", "I 2: ---"},
    };
    for (const auto& [control, text] : built)
        EXPECT_EQ(texts[TKey(control, K::Caption)], text) << control;
}

TEST(CaptionTable, WindowCaptionPerLanguage)
{
    EXPECT_EQ(Text(0, "FormHlav", K::Caption), "Programming of Kolvane unit");
    EXPECT_EQ(Text(1, "FormHlav", K::Caption), "Programmierung der Kolvane Zündbox");
    EXPECT_EQ(Text(French, "FormHlav", K::Caption), "Programation de Kolvane unité");
    EXPECT_EQ(Text(Czech, "FormHlav", K::Caption), "Programování jednotky Kolvane");
}

TEST(CaptionTable, SpotChecksOfEasySlips)
{
    // Two blanks after the first word of the English Program hint.
    EXPECT_EQ(Text(0, "ButtonProgram", K::Hint), "Programing  set parametrs to ignition");
    EXPECT_EQ(Text(1, "ButtonProgram", K::Caption), "&Programmieren");
    EXPECT_EQ(Text(1, "MenuProgram", K::Hint), "Kenndaten in die Zündung programmieren");
    // Accelerators: Czech item on the s, none on the Czech French and Help items.
    EXPECT_EQ(Text(Czech, "MenuCzech", K::Caption), "Če&sky");
    EXPECT_EQ(Text(Czech, "MenuFrench", K::Caption), "Francouzky");
    EXPECT_EQ(Text(Czech, "MenuHelp", K::Caption), "Nápověda");
    EXPECT_EQ(Text(French, "CheckBoxRevOutLedRazeni", K::Caption), "Reverse otput polarity");
    EXPECT_TRUE(Contains(Text(French, "RadioGroupInput1", K::Items), "\npar embeillage\n"));
    EXPECT_TRUE(Contains(Text(French, "RadioGroupInput2", K::Items), "\npar embeillage\n"));
    for (int language = 0; language < LanguageCount; ++language) {
        SCOPED_TRACE(LanguageNames[language]);
        EXPECT_FALSE(Contains(Text(language, "MenuTools", K::Caption), "&"));
        EXPECT_EQ(Text(language, "LabelFile1", K::Caption), Text(language, "MenuFile", K::Caption) + ":");
        EXPECT_EQ(Text(language, "MenuGerman", K::Hint), "Deutsches Menü");
        // Radio groups change their items; the group caption stays a single line.
        EXPECT_FALSE(Contains(Text(language, "RadioGroupPolarita", K::Caption), "\n"));
    }
}

TEST(CaptionTable, OnlyTheRpmLabelsKeepATwoPartHint)
{
    for (int language = 0; language < LanguageCount; ++language) {
        for (const TControlText& text :
             BuildCaptionTable(static_cast<std::uint8_t>(language), BuildMessageTable(language))) {
            if (text.Kind != K::Hint)
                continue;
            const bool twoParts = Contains(text.Text, "|");
            const bool rpmLabel = text.Control == "LabelRpm1" || text.Control == "LabelRpm2";
            EXPECT_EQ(twoParts, rpmLabel && (language == 0 || language == Czech))
                << text.Control << " in " << LanguageNames[language];
        }
    }
}

TEST(CaptionTable, InputLabelsAreTheOnlyConnectionDependentCaptions)
{
    std::set<std::string> dependent;
    for (const TControlText& text : BuildCaptionTable(0, BuildMessageTable(0)))
        if (OnlyWhileNoConnection(text.Control))
            dependent.insert(text.Control);
    EXPECT_EQ(dependent, (std::set<std::string>{"LabelMonInput1In", "LabelMonInput2In"}));
}

TEST(CaptionTable, PlaceholdersInEveryLanguage)
{
    for (int language = 0; language < LanguageCount; ++language) {
        SCOPED_TRACE(LanguageNames[language]);
        const auto placeholders = LiveDisplayPlaceholders(BuildMessageTable(language));
        ASSERT_EQ(placeholders.size(), ExpectedPlaceholders.size());
        std::map<std::string, std::string> actual;
        for (const TControlText& text : placeholders) {
            EXPECT_EQ(text.Kind, K::Caption) << text.Control;
            actual[text.Control] = text.Text;
        }
        for (const auto& [control, texts] : ExpectedPlaceholders)
            EXPECT_EQ(actual[control], texts[language]) << control;
    }
}

namespace {

// Every text a language shows, messages and window texts alike.
std::vector<std::string> AllTexts(int language)
{
    std::vector<std::string> texts(MessageRows().size());
    for (size_t i = 0; i < texts.size(); ++i)
        texts[i] = MessageRows()[i][language];
    const auto messages = BuildMessageTable(static_cast<std::uint8_t>(language));
    for (const TControlText& text : BuildCaptionTable(static_cast<std::uint8_t>(language), messages)) {
        // The Language items' hints are fixed texts in their own languages.
        const bool languageItem =
            text.Kind == K::Hint && (text.Control == "MenuEnglish" || text.Control == "MenuGerman" ||
                                     text.Control == "MenuFrench" || text.Control == "MenuCzech");
        if (!languageItem)
            texts.push_back(text.Text);
    }
    for (const TControlText& text : LiveDisplayPlaceholders(messages))
        texts.push_back(text.Text);
    return texts;
}

} // namespace

TEST(Texts, FrenchHasGraveAccentsWhereTheCodePageMangledThem)
{
    for (const std::string& text : AllTexts(French)) {
        EXPECT_FALSE(Contains(text, "č")) << text;
        EXPECT_FALSE(Contains(text, "ŕ")) << text;
    }
    EXPECT_EQ(MessageRows()[MsgGearShiftLight][French], "Retard à l´allumage");
    EXPECT_EQ(Text(French, "CheckBoxProgHned", K::Caption), "Sovegarde après modification");
    EXPECT_EQ(Text(French, "MenuCzech", K::Caption), "&Tchèque");
    EXPECT_EQ(Text(French, "SpeedButton5", K::Hint), "Ouvrir fichier avec paramètres");
    EXPECT_EQ(Text(French, "MenuSave", K::Caption), "&Mèmoriser");
    EXPECT_TRUE(Contains(Text(French, "RadioGroupInput2", K::Items), "\nRetard à l´allumage\n"));
}

TEST(Texts, CzechKeepsItsCaron)
{
    // The French mend must leave Czech alone: every Czech text written with
    // č still has it.
    int checked = 0;
    for (const TExpectedMessage& expected : ExpectedMessages) {
        if (!Contains(expected.Text[Czech], "č"))
            continue;
        ++checked;
        EXPECT_TRUE(Contains(MessageRows()[expected.Id][Czech], "č")) << "entry " << expected.Number;
    }
    std::vector<std::string> duplicates;
    const auto actual = ActualCaptions(Czech, &duplicates);
    for (const auto& [key, text] : ExpectedCaptionsFor(Czech)) {
        if (!Contains(text, "č"))
            continue;
        ++checked;
        const auto found = actual.find(key);
        EXPECT_TRUE(found != actual.end() && Contains(found->second, "č")) << Describe(key);
    }
    EXPECT_GE(checked, 10);
    EXPECT_EQ(MessageRows()[MsgReadError][Czech], "Chyba čtení!");
    EXPECT_EQ(Text(Czech, "CheckBoxZakazCteni", K::Caption), "Zákaz čtení");
}

TEST(Texts, NoTextCarriesWindowsCodePageBytes)
{
    // Texts are UTF-8; a stray single byte above 0x7F would show as garbage.
    for (int language = 0; language < LanguageCount; ++language)
        for (const std::string& text : AllTexts(language)) {
            size_t i = 0;
            bool valid = true;
            while (i < text.size() && valid) {
                const unsigned char lead = static_cast<unsigned char>(text[i]);
                const size_t length = lead < 0x80 ? 1 : (lead >> 5) == 0x6 ? 2 : (lead >> 4) == 0xE ? 3 : 0;
                valid = length != 0 && i + length <= text.size();
                for (size_t k = 1; valid && k < length; ++k)
                    valid = (static_cast<unsigned char>(text[i + k]) & 0xC0) == 0x80;
                i += length;
            }
            EXPECT_TRUE(valid) << LanguageNames[language] << ": " << text;
        }
}
