#include "texts/message_table.h"

namespace {

// The words of the two file errors; entries 16 and 19 are built from them.
const TLangText OpenFileError{{
    "Open file error",
    "Fehler beim öffnen der Datei",
    "Erreur ouvertur fichier",
    "Chyba při otevírání souboru",
}};

const TLangText HelpFile{{"Help.pdf", "Help.pdf", "Help.pdf", "Help.pdf"}};

TLangText Joined(const TLangText& head, const TLangText& tail)
{
    TLangText text;
    for (int language = 0; language < LanguageCount; ++language)
        text.Text[language] = head[language] + tail[language];
    return text;
}

TLangText Same(const char* piece)
{
    return TLangText{{piece, piece, piece, piece}};
}

std::array<TLangText, MessageCount> MakeRows()
{
    // The French texts were once typed in a Western code page and shown
    // through the Central European one, which turned è into č and à into ŕ;
    // the French cells below carry the intended letters.
    return {{
        HelpFile,
        {{"Program error!", "Programmierfehler!", "Erreur de programmation!", "Chyba programování"}},
        {{"Verify error!", "Vergleichsfehler", "Verifier erreur!", "Chyba verifikace!"}},
        {{"Read error!", "Lesefehler", "Lire erreur!", "Chyba čtení!"}},
        {{"Programing", "Programmieren", "Programmer", "Programování"}},
        {{"Verify", "Vergleichen", "Vérifier", "Verifikace"}},
        {{"Read", "Lesen", "Lire", "Čtení"}},
        {{"Saving:", "Speichern:", "Mémorisation", "Ukládání:"}},
        {{"Unmatched version of PC and Ignition programs!",
          "Programm der Zündung ist nicht kompatibel mit dem Programm am PC!",
          "Programme du boitier d´alumage non compatible avec programme PC!",
          "Neshodné verze proramu v PC a zapalování!"}},
        {{"Unmatched version of *.ign file!", "Datei *.ign ist nicht kompatiebel!",
          "Programme du fichier non compatible avec programme PC!", "Neshodná verze souboru *.ign!"}},
        {{"Date and time of printing:  ", "Zeitpunkt des Ausdruckes   ",
          "Date et heur de l´imprimé:   ", "Datum a čas tisku:  "}},
        {{"Polarity of CKPS", "Polarität des CKPS", "Polarité CKPS", "Polarita CKPS"}},
        {{"Positive", "Positiv", "Positif", "Kladná"}},
        {{"Negative", "Negativ", "Négatif", "Záporná"}},
        {{"Com opening error!", "Falscher COM-Anschlußes!", "Erreur connections PC!",
          "Chyba při otevírání portu Com!"}},
        Joined(OpenFileError, Same("!")),
        {{"Do you want default setting?", "Wollen Sie Standardeinstellungen öffnen?",
          "Voulez vous la programation de base?", "Chcete nastavit základní hodnoty?"}},
        {{"No reading!", "Lesen verboten!", "Pas axessible!", "Zákaz čtení!"}},
        Joined(Joined(Joined(OpenFileError, Same(" ")), HelpFile), Same(" !")),
        {{"Advance", "Vorzündung", "Avance", "Předstih"}},
        {{"Start limiter", "Startbegrenzer", "Limitateur départ", "Startovací omezovač"}},
        {{"Limiter", "Begrenzer", "Limitateur", "Omezovač"}},
        {{"Gear shift light", "Schaltblitz", "Retard à l´allumage", "Kontrolka řazení"}},
        {{"Clutch master", "Schaltautomat", "Clutch master", "Clutch master"}},
        {{"Retard", "Spätzündung", "Retard d´allumage", "Snížení předstihu"}},
        {{"Motor off", "Motor off", "Blocage", "Blokování"}},
        {{"Number of Programing= ", "Programmierungsanzahl= ", "Nombre de programmations= ",
          "Počet programování= "}},
        {{"Yes", "Ja", "Oui", "Ano"}},
        {{"No", "Nein", "Non", "Ne"}},
        {{"Pick-up (CPS)", "Geber(CPS)", "Capteur(CPS)", "Snímač (CPS)"}},
        {{" is running", " läuft", " fonctionne", " pracuje"}},
        {{" no signal", " kein Signal", " pas de signal", " bez signálu"}},
        {{"Input", "Eingang", "Entrée", "Vstup"}},
        {{"Basic", "Grund", "De base", "Základní"}},
    }};
}

} // namespace

const std::array<TLangText, MessageCount>& MessageRows()
{
    static const std::array<TLangText, MessageCount> rows = MakeRows();
    return rows;
}

TMessageTable BuildMessageTable(std::uint8_t language)
{
    TMessageTable table;
    for (int i = 0; i < MessageCount; ++i)
        table[i] = MessageRows()[i][language];
    return table;
}
