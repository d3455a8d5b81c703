#include "texts/notice_table.h"

#include <array>
#include <stdexcept>
#include <vector>

namespace {

constexpr int NoticeCount = static_cast<int>(TNotice::Count);

const std::array<TLangText, NoticeCount>& NoticeRows()
{
    static const std::array<TLangText, NoticeCount> rows{{
        {{"The sheet could not be printed on %1: %2",
          "Das Blatt konnte nicht auf %1 gedruckt werden: %2",
          "La feuille n'a pas pu être imprimée sur %1 : %2",
          "List se nepodařilo vytisknout na %1: %2"}},
        {{"The printer %1 refused the sheet: %2", "Der Drucker %1 hat das Blatt abgelehnt: %2",
          "L'imprimante %1 a refusé la feuille : %2", "Tiskárna %1 list odmítla: %2"}},
        {{"Sheet saved as %1", "Blatt gespeichert als %1", "Feuille enregistrée sous %1",
          "List uložen jako %1"}},
        {{"The file holds values the window cannot take; these were changed:",
          "Die Datei enthält Werte, die das Fenster nicht annehmen kann; diese wurden geändert:",
          "Le fichier contient des valeurs que la fenêtre ne peut pas prendre ; elles ont été "
          "modifiées :",
          "Soubor obsahuje hodnoty, které okno nemůže přijmout; tyto byly změněny:"}},
        {{"%1: %2 in the file, %3 taken", "%1: %2 in der Datei, %3 übernommen",
          "%1 : %2 dans le fichier, %3 retenu", "%1: %2 v souboru, převzato %3"}},
        {{"No permission to open %1. Add your user to its group '%2': sudo usermod -aG %2 "
          "$USER, then log out and in again.",
          "Keine Berechtigung, %1 zu öffnen. Fügen Sie Ihren Benutzer der Gruppe '%2' hinzu: "
          "sudo usermod -aG %2 $USER, dann ab- und wieder anmelden.",
          "Pas de permission pour ouvrir %1. Ajoutez votre utilisateur au groupe '%2' : sudo "
          "usermod -aG %2 $USER, puis déconnectez-vous et reconnectez-vous.",
          "Nemáte oprávnění otevřít %1. Přidejte svého uživatele do skupiny '%2': sudo usermod "
          "-aG %2 $USER, pak se odhlaste a znovu přihlaste."}},
        {{"No permission to open %1: the device allows only its owner (%2).",
          "Keine Berechtigung, %1 zu öffnen: das Gerät erlaubt nur seinem Besitzer den Zugriff "
          "(%2).",
          "Pas de permission pour ouvrir %1 : le périphérique n'autorise que son propriétaire "
          "(%2).",
          "Nemáte oprávnění otevřít %1: zařízení povoluje přístup jen svému vlastníkovi (%2)."}},
        {{"%1 is in use by another program (%2).", "%1 wird von einem anderen Programm benutzt (%2).",
          "%1 est utilisé par un autre programme (%2).", "%1 používá jiný program (%2)."}},
        {{"See the section on serial devices in the README.",
          "Siehe den Abschnitt über serielle Geräte in der README.",
          "Voir la section sur les périphériques série dans le README.",
          "Viz oddíl o sériových zařízeních v README."}},
        {{"%1 is in use by another program.", "%1 wird von einem anderen Programm benutzt.",
          "%1 est utilisé par un autre programme.", "%1 používá jiný program."}},
    }};
    return rows;
}

} // namespace

const std::string& NoticeText(TNotice notice, std::uint8_t language)
{
    const int index = static_cast<int>(notice);
    if (index < 0 || index >= NoticeCount || language >= LanguageCount)
        throw std::out_of_range("no such notice or language");
    return NoticeRows()[static_cast<std::size_t>(index)][language];
}

std::string FillPlaceholders(const std::string& text, std::initializer_list<std::string> values)
{
    const std::vector<std::string> args(values);
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '%' && i + 1 < text.size() && text[i + 1] >= '1' && text[i + 1] <= '9') {
            const auto n = static_cast<std::size_t>(text[i + 1] - '1');
            if (n < args.size()) {
                out += args[n];
                ++i;
                continue;
            }
        }
        out += text[i];
    }
    return out;
}

std::string FormatNotice(TNotice notice, std::uint8_t language,
                         std::initializer_list<std::string> values)
{
    return FillPlaceholders(NoticeText(notice, language), values);
}
