// The window's texts in the current language.
#include "app/hlav.h"

#include "ui/control_text.h"
#include "texts/form_texts.h"
#include "ui/hint_router.h"
#include "texts/language.h"
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
    for (TRadioGroup* group : {RadioGroupPolarita, RadioGroupInput1, RadioGroupInput2})
        group->SetItemIndex(0);
}

void TFormHlav::MarkTooltips()
{
    for (QWidget* shown : std::initializer_list<QWidget*>{
             SpeedButton6, SpeedButton5, SpeedButton7, SpeedButtonPrint, ButtonRead, ButtonVerify,
             ButtonProgram, BitBtnAdvMinus, BitBtnAdvPlus, CheckBoxProgHned, LabelVerze1,
             LabelVerze2, LabelVerze3})
        THintRouter::SetShowHint(shown, true);
}

void TFormHlav::FillMessageTable()
{
    MessageTable = BuildMessageTable(LanguageIndex);
    m_link.SetMessages(MessageTable);
    if (!LabelSpojeni->isHidden())
        ApplyTexts(LiveDisplayPlaceholders(MessageTable));
    FillCaptionTable();
}

void TFormHlav::FillCaptionTable()
{
    const std::array<QAction*, LanguageCount> items{MenuEnglish, MenuGerman, MenuFrench, MenuCzech};
    for (int language = 0; language < LanguageCount; ++language)
        items[language]->setChecked(language == LanguageIndex);
    ApplyTexts(BuildCaptionTable(LanguageIndex, MessageTable));
}

// A text for a control the window lacks is skipped, so a table may run ahead
// of the window.
void TFormHlav::ApplyTexts(const std::vector<TControlText>& texts)
{
    const bool unitSilent = !LabelSpojeni->isHidden();
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
}

void TFormHlav::MenuEnglishClick() { SetLanguage(0); }
void TFormHlav::MenuGermanClick() { SetLanguage(1); }
void TFormHlav::MenuFrenchClick() { SetLanguage(2); }
void TFormHlav::MenuCzechClick() { SetLanguage(3); }
