#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

class QWidget;

// A file dialog as a component of the window: it keeps its settings and the
// chosen file between uses, and builds the toolkit's dialog only when shown.
class TFileDialog : public QObject {
    Q_OBJECT
public:
    enum class TKind { Open, Save };

    TFileDialog(TKind kind, QObject* parent);

    TKind Kind() const { return m_kind; }
    QString DefaultExt;
    QString FileName;
    // One entry a choice, as "Name(*.ext)".
    QStringList Filters;
    bool OverwritePrompt = false;

    // Shows the dialog modally; true with FileName set when a file was chosen.
    bool Execute(QWidget* owner);

private:
    TKind m_kind;
};
