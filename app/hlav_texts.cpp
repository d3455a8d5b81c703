// The window's texts in the current language.
#include "app/hlav.h"

#include "texts/form_texts.h"
#include "texts/language.h"
#include "ui/control_text.h"
#include "ui/radio_group.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QToolButton>

// The form's own texts are the English ones; the language fill of FormCreate
// then replaces what differs.
void TFormHlav::ApplyFormTexts()
{
    const TMessageTable english = BuildMessageTable(0);
    ApplyTexts(BuildCaptionTable(0, english));
    ApplyTexts(LiveDisplayPlaceholders(english));
    ApplyTexts(FormTexts());
    for (TRadioGroup* group :
         {m_ui.RadioGroupPolarita, m_ui.RadioGroupInput1, m_ui.RadioGroupInput2})
        group->SetItemIndex(0);
}

void TFormHlav::FillMessageTable()
{
    m_messages = BuildMessageTable(LanguageIndex);
    m_link.SetMessages(m_messages, LanguageIndex);
    if (m_link.Display().LabelSpojeniVisible)
        ApplyTexts(LiveDisplayPlaceholders(m_messages));
    FillCaptionTable();
}

void TFormHlav::FillCaptionTable()
{
    const std::array<QAction*, LanguageCount> items{m_ui.MenuEnglish, m_ui.MenuGerman,
                                                    m_ui.MenuFrench, m_ui.MenuCzech};
    for (int language = 0; language < LanguageCount; ++language)
        items[language]->setChecked(language == LanguageIndex);
    ApplyTexts(BuildCaptionTable(LanguageIndex, m_messages));
}

// A text for a control the window lacks is skipped, so a table may run ahead
// of the window.
void TFormHlav::ApplyTexts(const std::vector<TControlText>& texts)
{
    const bool unitSilent = m_link.Display().LabelSpojeniVisible;
    for (const TControlText& text : texts) {
        if (OnlyWhileNoConnection(text.Control) && !unitSilent)
            continue;
        if (QObject* target = FindControl(text.Control))
            ApplyControlText(target, text.Kind, text.Text);
    }
}

void TFormHlav::SetLanguage(std::uint8_t language)
{
    LanguageIndex = language;
    FillMessageTable();
    ShowImage(); // the polarity group's items were replaced
}

void TFormHlav::MenuEnglishClick()
{
    SetLanguage(0);
}
void TFormHlav::MenuGermanClick()
{
    SetLanguage(1);
}
void TFormHlav::MenuFrenchClick()
{
    SetLanguage(2);
}
void TFormHlav::MenuCzechClick()
{
    SetLanguage(3);
}

QObject* TFormHlav::FindControl(const std::string& name)
{
    const QString wanted = QString::fromStdString(name);
    if (wanted == objectName())
        return this;
    // Looked up again and again by the fills and the editor's look; the
    // controls live as long as the window.
    QObject*& found = m_controlsByName[wanted];
    if (!found)
        found = findChild<QObject*>(wanted);
    return found;
}
