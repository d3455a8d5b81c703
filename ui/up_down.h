#pragma once

#include <QString>
#include <QWidget>

class QLineEdit;
class QToolButton;

// An up/down spinner beside a separate edit box (its buddy), as the unit's
// editors are laid out: the spinner holds the position, the edit shows it.
// An arrow click first takes a valid number typed into the edit, then steps,
// clamps to Min..Max, writes the edit and reports the click.
class TUpDown : public QWidget {
    Q_OBJECT
public:
    enum class TButton { Next, Prev };
    Q_ENUM(TButton)

    explicit TUpDown(QWidget* parent = nullptr);

    // Sits at the edit's right edge with the edit's height.
    void SetAssociate(QLineEdit* edit);
    QLineEdit* Associate() const { return m_buddy; }

    void SetRange(int min, int max);
    int Min() const { return m_min; }
    int Max() const { return m_max; }
    void SetIncrement(int step) { m_increment = step; }
    int Increment() const { return m_increment; }
    // Whether the edit shows the value with the digit-group separator.
    void SetThousands(bool on);
    bool Thousands() const { return m_thousands; }
    void SetGroupSeparator(const QString& separator) { m_separator = separator; }

    // Clamps to Min..Max and writes the edit.
    void SetPosition(int value);
    int Position() const { return m_position; }

    // What a click on an arrow does.
    void Click(TButton button);
    // Takes the number typed into the edit when it is a whole number within
    // Min..Max, with or without digit groups; anything else leaves the
    // position where it was.
    void TakeTypedValue();

signals:
    void Clicked(TUpDown::TButton button);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void WriteBuddy();

    QToolButton* m_up;
    QToolButton* m_down;
    QLineEdit* m_buddy = nullptr;
    int m_min = 0;
    int m_max = 100;
    int m_increment = 1;
    int m_position = 0;
    bool m_thousands = true;
    QString m_separator;
};
