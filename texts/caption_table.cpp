#include "texts/caption_table.h"

#include <initializer_list>

namespace {

// One text in four languages and the controls that receive it.
struct TCaptionRow {
    std::vector<std::string> Controls;
    TTextKind Kind;
    TLangText Text;
};

// A radio group's items travel as one text, one item a line.
std::string Lines(std::initializer_list<const char*> items)
{
    std::string text;
    for (const char* item : items) {
        if (!text.empty())
            text += '\n';
        text += item;
    }
    return text;
}

const char* const ProgramName = "Kolvane";

TLangText WindowCaptions()
{
    return TLangText{{
        std::string("Programming of ") + ProgramName + " unit",
        std::string("Programmierung der ") + ProgramName + " Zündbox",
        std::string("Programation de ") + ProgramName + " unité",
        std::string("Programování jednotky ") + ProgramName,
    }};
}

// The French cells carry è and à where the texts were once mangled into
// č and ŕ by a code-page mix-up; Czech cells keep their real č.
const std::vector<TCaptionRow>& Rows()
{
    using K = TTextKind;
    static const std::vector<TCaptionRow> rows{
        // Control captions.
        {{"LabelSpojeni"},
         K::Caption,
         {{"No connection with PC", "Keine Verbindung zum PC", "Pas de connection acec pc",
           "Není spojení s PC"}}},
        {{"CheckBoxIgnAll"}, K::Caption, {{"All", "Alles", "Tout", "Vše"}}},
        {{"CheckBoxProgHned"},
         K::Caption,
         {{"Programming after change", "Programmierung nach Änderung", "Sovegarde après modification",
           "Programování po změně"}}},
        {{"CheckBoxZakazCteni"},
         K::Caption,
         {{"No Reading", "Lesen Verboten", "Pas axessible", "Zákaz čtení"}}},
        {{"LabelAdvance1", "LabelAdvance2"},
         K::Caption,
         {{"Advance [°]", "Vorzündung [°]", "Avance [°]", "Předstih [°]"}}},
        {{"LabelOmez1"},
         K::Caption,
         {{"Start limiter [rpm]", "Startbegrenzer [rpm]", "Limitateur départ [rpm]",
           "Startovací omezovač [rpm]"}}},
        {{"LabelOmez2"},
         K::Caption,
         {{"Limiter [rpm]", "Begrenzer [rpm]", "Limitateur [rpm]", "Omezovač [rpm]"}}},
        {{"LabelBaseAdv"},
         K::Caption,
         {{"Base advance [°]", "Basis Vorzündung [°]", "Avance de base [°]", "Základní předstih [°]"}}},
        {{"LabelPocetBodu"},
         K::Caption,
         {{"Number of items", "Anzahl der Stützpunkte", "Nombre de points", "Počet bodů"}}},
        {{"LabelRetard"},
         K::Caption,
         {{"Retard [°]", "Spätzündung [°]", "Retard d´allumage[°]", "Snížení předstihu [°]"}}},
        {{"LabelLedRazeni"},
         K::Caption,
         {{"Gear shift light [rpm]", "Schaltblitz [rpm]", "Témoin de changement de rapport [rpm]",
           "Kontrolka řazení [rpm]"}}},
        {{"CheckBoxRevOutLedRazeni"},
         K::Caption,
         {{"Reverse otput polarity", "Umgekehrte Ausgangpolarität", "Reverse otput polarity",
           "Opačná polarita výstupu"}}},
        {{"RadioGroupPolarita"},
         K::Caption,
         {{"Polarity of CPS:", "Polarität des CPS:", "Polarité CPS", "Polarita CPS:"}}},
        {{"GroupBoxRpm"},
         K::Caption,
         {{"Tachometer output", "Drehzählerausgang", "Tachometer output", "Výstup pro otáčkoměr"}}},
        {{"LabelRpmPulsu"},
         K::Caption,
         {{"Pulses per revolution", "Pulse pro Umdrehung", "Pulses per revolution",
           "Počet pulsů za otáčku"}}},
        {{"LabelRpmKorekce"},
         K::Caption,
         {{"Correction [%]", "Korrektion [%]", "Correction [%]", "Korekce [%]"}}},
        {{"GroupBoxMonInput"},
         K::Caption,
         {{"Input to ground", "Eingang zu Erde", "Entrée de terre", "Vstup uzeměn"}}},

        // Radio-group items.
        {{"RadioGroupPolarita"},
         K::Items,
         {{Lines({"Positive", "Negative", "Selfsearch"}), Lines({"Positiv", "Negativ", "Automatisch"}),
           Lines({"Positif", "Négatif", "Automatique"}), Lines({"Kladná", "Záporná", "Samohledání"})}}},
        {{"RadioGroupInput1"},
         K::Items,
         {{Lines({"Off", "Kill switch", "Clutch master", "Retard", "Start Limiter"}),
           Lines({"Aus", "Not Aus", "Schaltautomat", "Spätzündung", "Startbegrenzer"}),
           Lines({"Off", "Interrupteur de sécurité", "par embeillage", "Retard à l´allumage",
                  "Limitateur départ"}),
           Lines({"Vypnut", "Kill switch", "Clutch master", "Snížení předstihu", "Startovací omezovač"})}}},
        {{"RadioGroupInput2"},
         K::Items,
         {{Lines({"Off", "Blocking", "Clutch master", "Retard", "Start Limiter"}),
           Lines({"Aus", "Blockierung", "Schaltautomat", "Spätzündung", "Startbegrenzer"}),
           Lines({"Off", "Blocage", "par embeillage", "Retard à l´allumage", "Limitateur départ"}),
           Lines({"Vypnut", "Blokování", "Clutch master", "Snížení předstihu", "Startovací omezovač"})}}},

        // Menu captions.
        {{"MenuFile"}, K::Caption, {{"&File", "&Datei", "&Fichier", "&Soubor"}}},
        {{"MenuNew"}, K::Caption, {{"&New", "&Neu", "&Nouveau", "&Nový"}}},
        {{"MenuOpen"}, K::Caption, {{"&Open", "&Öffnen", "&Ouvrir", "&Otevřít"}}},
        {{"MenuSave"}, K::Caption, {{"&Save", "&Speichern", "&Mèmoriser", "&Uložit"}}},
        {{"MenuPrint"}, K::Caption, {{"&Print", "&Drucken", "&Imprimer", "&Tisk"}}},
        {{"MenuExit"}, K::Caption, {{"E&xit", "&Beenden", "&Sortir", "&Konec"}}},
        {{"MenuCom"}, K::Caption, {{"&Com", "&COM-Anschluß", "&Connection com", "&Port"}}},
        {{"MenuDevice"}, K::Caption, {{"&Ignition", "&Zündung", "&Allumage", "&Zapalování"}}},
        {{"MenuTools"}, K::Caption, {{"Tools", "Werkzeuge", "Outillage", "Pomůcky"}}},
        {{"MenuLanguage"}, K::Caption, {{"&Language", "&Sprache", "&Langue", "&Jazyk"}}},
        {{"MenuEnglish"}, K::Caption, {{"&English", "&Englisch", "&Englais", "&Anglicky"}}},
        {{"MenuGerman"}, K::Caption, {{"&German", "&Deutsch", "&Allemand", "&Německy"}}},
        {{"MenuFrench"}, K::Caption, {{"&French", "&Französisch", "&Francais", "Francouzky"}}},
        {{"MenuCzech"}, K::Caption, {{"&Czech", "&Tschechisch", "&Tchèque", "Če&sky"}}},
        {{"MenuHelp"}, K::Caption, {{"&Help", "&Hilfe", "&Aide", "Nápověda"}}},
        {{"MenuContens"}, K::Caption, {{"&Contents...", "&Inhalt...", "&Contenu", "Obsah"}}},
        {{"MenuAbout"},
         K::Caption,
         {{"&About...", "&Über Programm...", "&Contenu du programme", "&O programu..."}}},
        {{"MenuZpet"}, K::Caption, {{"Undo", "Zurück", "Undo", "Zpět"}}},
        {{"MenuZnovu"}, K::Caption, {{"Redo", "Wieder", "Redo", "Znovu"}}},

        // Hints; each replaces the whole hint, so tooltip and status bar agree
        // unless the text holds a '|'.
        {{"LabelVerze1"},
         K::Hint,
         {{"Version of program in ignition", "Programmverion der Zündung", "Variantes de courbe d´avance",
           "Verze programu v zapalování"}}},
        {{"LabelVerze2"},
         K::Hint,
         {{"Date of program in ignition", "Datum des Programm in der Zündung",
           "Date de programation de la courbe d´avance", "Datum zhotovení programu v zapalování"}}},
        {{"LabelVerze3"},
         K::Hint,
         {{"Time of program in ignition", "Programmierzeitpunkt der Zündung",
           "Temp de programation de la courbe d´avance", "Čas zhotovení programu v zapalování"}}},
        {{"SpeedButton5", "MenuOpen"},
         K::Hint,
         {{"Open file with parametrs", "Kenndatendatei öffnen", "Ouvrir fichier avec paramètres",
           "Otevření souboru s parametry"}}},
        {{"SpeedButton6", "MenuNew"},
         K::Hint,
         {{"Set default parametrs", "neue Kenndatendatei erstellen",
           "Reprogramation des paramètres initial Dórigine", "Nastavení výchozích parametrů"}}},
        {{"SpeedButton7", "MenuSave"},
         K::Hint,
         {{"Save parametrs to file", "Kenndaten in Datei speichern", "Sauvegarder les paramètres",
           "Uložení parametrů do souboru"}}},
        {{"SpeedButtonPrint", "MenuPrint"},
         K::Hint,
         {{"Print parametrs", "Kenndaten Drucken", "Imprimer paramètres", "Tisk parametrů"}}},
        {{"ButtonProgram", "MenuProgram"},
         K::Hint,
         {{"Programing  set parametrs to ignition", "Kenndaten in die Zündung programmieren",
           "Programer les paramètres dans ECU", "Programování nastavených parametrů do zapalování"}}},
        {{"ButtonVerify", "MenuVerify"},
         K::Hint,
         {{"Compare set parametrs  with parametrs of ignition", "Kenndaten mit Zündungskenndaten vergleichen",
           "Comparer les paramètres de ECU",
           "Ověření zda  nastavené parametry souhlasí s parametry naprogramovanými do "
           "zapalování"}}},
        {{"BitBtnAdvMinus"},
         K::Hint,
         {{"Take off 1 degree of Advance", "Vorzündung minus 1 Grad",
           "Retarder de 1 degré l´avance a l´allumage", "Zmenšení předstihu o 1 stupeň"}}},
        {{"BitBtnAdvPlus"},
         K::Hint,
         {{"Add 1 degree of Advance", "Vorzündung plus 1 Grad",
           "Avance accroître l´avance a l´allumage de 1 degré", "Zvětšení předstihu o 1 stupeň"}}},
        {{"ButtonRead", "MenuRead"},
         K::Hint,
         {{"Reading parametrs from ignition", "Kenndaten aus Zündung lesen", "Lire paramètres ECU",
           "Čtení parametrů ze zapalování"}}},
        {{"MenuExit"},
         K::Hint,
         {{"End of program", "Programm beenden", "Sortir du programme", "Ukončení programu"}}},
        {{"MenuLanguage"},
         K::Hint,
         {{"Set English or German or French or Czech ",
           "wählen sie Englisch, Deutsch, Französisch oder Tschechisch ",
           "installer lange; Englais,Allemand , Francais ou Czech",
           "Nastavení jazyka na angličtinu, němčinu, francozštinu nebo češtinu "}}},
        {{"CheckBoxProgHned"},
         K::Hint,
         {{"Programing at once after change", "Programmmieren sofort nach dem änderung",
           "Programation instantanée des modifications", "Programování ihned po změně"}}},
        {{"MenuCom"},
         K::Hint,
         {{"Set number of com", "Com-Anschluß festlegen", "installer nombre de com",
           "Nastavení čísla serivého portu (Com) "}}},
        {{"LabelRpm1", "LabelRpm2"},
         K::Hint,
         {{"Round per Minute|Speed - Round per Minute", "Umdrehungen pro Minute", "Tours minute",
           "Otáčky za minutu|Rychlost - Otáčky za minutu"}}},
    };
    return rows;
}

const std::string& FileMenuCaption(std::uint8_t language)
{
    for (const TCaptionRow& row : Rows())
        if (row.Kind == TTextKind::Caption && row.Controls.front() == "MenuFile")
            return row.Text[language];
    static const std::string none;
    return none;
}

} // namespace

bool OnlyWhileNoConnection(const std::string& control)
{
    return control == "LabelMonInput1In" || control == "LabelMonInput2In";
}

std::vector<TControlText> BuildCaptionTable(std::uint8_t language, const TMessageTable& messages)
{
    using K = TTextKind;
    std::vector<TControlText> texts;
    texts.push_back({"FormHlav", K::Caption, WindowCaptions()[language]});

    for (const TCaptionRow& row : Rows())
        for (const std::string& control : row.Controls)
            texts.push_back({control, row.Kind, row.Text[language]});

    const std::string& read = messages[MsgRead];
    const std::string& verify = messages[MsgVerify];
    const std::string& program = messages[MsgPrograming];
    const std::string& advance = messages[MsgAdvance];
    const std::string& input = messages[MsgInput];
    texts.push_back({"MenuRead", K::Caption, "&" + read});
    texts.push_back({"ButtonRead", K::Caption, "&" + read});
    texts.push_back({"MenuVerify", K::Caption, "&" + verify});
    texts.push_back({"ButtonVerify", K::Caption, "&" + verify});
    texts.push_back({"MenuProgram", K::Caption, "&" + program});
    texts.push_back({"ButtonProgram", K::Caption, "&" + program});
    texts.push_back({"MenuAdvanceMinus", K::Caption, advance + " -"});
    texts.push_back({"MenuAdvancePlus", K::Caption, advance + " +"});
    texts.push_back({"RadioGroupInput1", K::Caption, input + " 1"});
    texts.push_back({"RadioGroupInput2", K::Caption, input + " 2"});
    texts.push_back({"LabelMonInput1In", K::Caption, input + " 1: ---"});
    texts.push_back({"LabelMonInput2In", K::Caption, input + " 2: ---"});
    texts.push_back({"LabelFile1", K::Caption, FileMenuCaption(language) + ":"});

    // The Language items name their language in that language, whatever is chosen.
    texts.push_back({"MenuEnglish", K::Hint, "Set English menu"});
    texts.push_back({"MenuGerman", K::Hint, "Deutsches Menü"});
    texts.push_back({"MenuFrench", K::Hint, "Installer en Francais "});
    texts.push_back({"MenuCzech", K::Hint, "Nastavit české menu"});
    return texts;
}

std::vector<TControlText> LiveDisplayPlaceholders(const TMessageTable& messages)
{
    using K = TTextKind;
    return {
        {"LabelMon_Advance", K::Caption, messages[MsgAdvance] + "= --- [°]"},
        {"LabelMonStartLimiterOut", K::Caption, messages[MsgStartLimiter] + ": ---"},
        {"LabelMonHardLimiter", K::Caption, messages[MsgLimiter] + ": ---"},
        {"LabelMonLedRazeni", K::Caption, messages[MsgGearShiftLight] + ": ---"},
        {"LabelClutchMon", K::Caption, messages[MsgClutchMaster] + ": ---"},
        {"LabelMonRetard", K::Caption, messages[MsgRetard] + ": ---"},
        {"LabelBlocking", K::Caption, messages[MsgMotorOff] + ": ---"},
        {"LabelPocetProgramovani", K::Caption, messages[MsgNumberOfPrograming] + " ---"},
        {"LabelSnimac", K::Caption, messages[MsgPickUp] + ": ---"},
        {"LabelPolaritaMer", K::Caption, messages[MsgPolarityOfCkps] + ": ---"},
    };
}
