// Turns the Markdown user guide into Help.pdf at build time, with Qt alone.
#include <QFile>
#include <QGuiApplication>
#include <QPageSize>
#include <QPdfWriter>
#include <QTextDocument>

#include <cstdio>

namespace {
constexpr int Resolution = 300;
constexpr int MarginMm = 20;
constexpr qreal BodyPoints = 10.5;
} // namespace

int main(int argc, char** argv)
{
    // A build machine may have no display; fonts and layout need no screen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: make_help_pdf GUIDE.md OUTPUT.pdf\n");
        return 2;
    }
    QFile source(QString::fromLocal8Bit(argv[1]));
    if (!source.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "make_help_pdf: cannot read %s\n", argv[1]);
        return 1;
    }

    QPdfWriter writer(QString::fromLocal8Bit(argv[2]));
    writer.setPageSize(QPageSize(QPageSize::A4));
    writer.setPageMargins(QMarginsF(MarginMm, MarginMm, MarginMm, MarginMm),
                          QPageLayout::Millimeter);
    writer.setResolution(Resolution);
    writer.setTitle(QStringLiteral("Kolvane"));
    writer.setCreator(QStringLiteral("Kolvane"));

    QTextDocument guide;
    QFont font = guide.defaultFont();
    font.setPointSizeF(BodyPoints);
    guide.setDefaultFont(font);
    guide.setMarkdown(QString::fromUtf8(source.readAll()));
    guide.print(&writer);
    return 0;
}
