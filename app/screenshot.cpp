#include "app/screenshot.h"

#include "app/hlav.h"

#include <QCoreApplication>
#include <QPixmap>
#include <cstdio>

TScreenshot::TScreenshot(TFormHlav& form, const QString& path, int ticks)
    : QObject(&form), m_form(form), m_path(path), m_ticksLeft(ticks)
{
    connect(&form, &TFormHlav::Ticked, this, [this] {
        if (--m_ticksLeft == 0)
            Take();
    });
}

void TScreenshot::Take()
{
    const bool saved = m_form.grab().save(m_path, "PNG");
    if (!saved)
        std::fprintf(stderr, "kolvane: cannot write the screenshot to %s\n", qPrintable(m_path));
    m_form.close();
    QCoreApplication::exit(saved ? 0 : 1);
}
