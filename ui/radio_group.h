#pragma once

#include <QGroupBox>
#include <QStringList>
#include <vector>

class QButtonGroup;
class QRadioButton;

// A captioned group of radio buttons in one column. Its items can be replaced
// as a whole (a language change does that) without losing the selection.
// The caption sits on the frame's top line and the buttons share the room
// inside the frame below it; the group's geometry stays the caller's.
class TRadioGroup : public QGroupBox {
    Q_OBJECT
public:
    explicit TRadioGroup(QWidget* parent = nullptr);

    // Keeps ItemIndex when it still names an item, otherwise none (-1).
    void SetItems(const QStringList& items);
    QStringList Items() const;

    // -1 selects none.
    void SetItemIndex(int index);
    int ItemIndex() const { return m_itemIndex; }

    QRadioButton* Button(int index) const { return m_buttons.at(static_cast<std::size_t>(index)); }

signals:
    // The user chose an item.
    void Clicked();

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    QRect CaptionRect() const;
    void KeepContentsMargins();
    void MarkTabStop();
    void PlaceButtons();

    QButtonGroup* m_group;
    std::vector<QRadioButton*> m_buttons;
    int m_itemIndex = -1;
};
