// Not a test: prints how long laying out and painting a full register into a PDF takes. With a
// path as its argument it leaves the PDF there, with a few more sections, to be looked at.
#include "core/store/database.h"
#include "core/tools/printdocument.h"

#include <QElapsedTimer>
#include <QFont>
#include <QGuiApplication>
#include <QPdfWriter>
#include <QTemporaryDir>

#include <cstdio>

using namespace trelfin;

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    Database db;
    SetDefaultGroups(db.header);
    for (int i = 0; i < MaxEntries; ++i)
        db.reg(RegisterKind::expenses).append(Entry{QStringLiteral("12-05-2004"), 10.0 + i, static_cast<std::uint8_t>(1 + i % 30),
                                                    QStringLiteral("zakupy numer %1 w sklepie na rogu").arg(i)});
    PrintOptions options;
    options.sections[static_cast<int>(PrintSectionKind::expenses)] = true;
    const QString keep = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString();
    if (!keep.isEmpty()) {
        db.header.ownerName = QStringLiteral("Anna Nowak");
        db.header.periods[1] = {QStringLiteral("01.05.2004brak"), QStringLiteral("maj")};
        db.reg(RegisterKind::expenses).entries.resize(70);
        db.notes[0].setText(QStringLiteral("Zapłacić rachunek za gaz i za prąd do końca miesiąca, potem zadzwonić do "
                                           "spółdzielni w sprawie remontu klatki schodowej"));
        db.notes[0].setTerm(QStringLiteral("20-05-2004"));
        for (auto kind : {PrintSectionKind::balance, PrintSectionKind::statement, PrintSectionKind::notes})
            options.sections[static_cast<int>(kind)] = true;
    }
    QFont font;
    font.setPointSize(8);
    QTemporaryDir dir;
    QElapsedTimer timer;
    timer.start();
    const QList<PrintSection> sections = BuildPrintSections(db, options, QDate(2004, 5, 12), [&](const QString &t) {
        return WrapText(t, font, 249);
    });
    QPdfWriter pdf(keep.isEmpty() ? dir.filePath(QStringLiteral("bench.pdf")) : keep);
    pdf.setResolution(1200);
    const bool ok = PaintPrintJob(pdf, QStringLiteral("TrelFIN 4LX   "), sections, font, 1200.0 / 96.0);
    std::printf("3999 expenses printed to PDF (%s): %lld ms\n", ok ? "ok" : "failed", static_cast<long long>(timer.elapsed()));
    return ok ? 0 : 1;
}
