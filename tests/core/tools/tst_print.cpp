#include "core/store/database.h"
#include "core/tools/printdocument.h"

#include <QFile>
#include <QFont>
#include <QFontMetrics>
#include <QPdfWriter>
#include <QTemporaryDir>
#include <QtTest>

using namespace trelfin;

namespace {

const QDate kToday(2004, 5, 12);

// Every text one line of 16 pixels, but a text of more than 100 characters takes two lines per
// 100 characters: enough to show where rows go without a printer.
int fakeHeight(const QString &text, int)
{
    return 16 * (1 + int(text.size() / 100));
}

PrintSection sectionOf(int rows, const QString &title)
{
    PrintSection s;
    s.title = title;
    s.columns = {{QStringLiteral("DATA"), 70}, {QStringLiteral("OPIS"), 350}};
    for (int r = 1; r <= rows; ++r)
        s.rows.append({QStringLiteral("%1").arg(r), QStringLiteral("wiersz %1").arg(r)});
    return s;
}

QStringList firstTexts(const PrintedPage &page)
{
    QStringList texts;
    for (const PrintedText &t : page)
        texts.append(t.text);
    return texts;
}

Database sampleDatabase()
{
    Database db;
    SetDefaultGroups(db.header);
    db.header.ownerName = QStringLiteral("Anna");
    db.header.periods[1] = {QStringLiteral("01.05.2004brak"), QStringLiteral("maj")};
    db.reg(RegisterKind::expenses).append(Entry{QStringLiteral("12-05-2004"), 12.5, 1, QStringLiteral("chleb")});
    db.reg(RegisterKind::expenses).append(Entry{QStringLiteral("11-05-2004"), 100, 2, QStringLiteral("kurtka")});
    db.reg(RegisterKind::incomes).append(Entry{QStringLiteral("01-04-2004"), 900, 0, QStringLiteral("pensja")});
    db.reg(RegisterKind::planned).append(Entry{QStringLiteral("12-05-2004"), 50, SettledGroup, QStringLiteral("zapłacone")});
    db.reg(RegisterKind::planned).append(Entry{QStringLiteral("12-05-2004"), 30, 4, QStringLiteral("czynsz")});
    return db;
}

} // namespace

class TestPrint : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Polish, QLocale::Poland)); }

    // A section of two pages and the next one: page numbers run across the job, continuation
    // pages carry the short header and no headings, a section starts on a new page.
    void pagesAndHeaders()
    {
        // Page bottom 200: header, title, headings, and rows to y <= 200.
        const QList<PrintedPage> pages =
            LayOutPrintJob(QStringLiteral("TrelFIN 4LX   "), {sectionOf(12, QStringLiteral("A")), sectionOf(1, QStringLiteral("B"))},
                           1.0, 200, fakeHeight);
        QCOMPARE(pages.size(), 3);
        QCOMPARE(firstTexts(pages[0]).mid(0, 4), QStringList({"STRONA - 1 -   TrelFIN 4LX   ", "A", "DATA", "OPIS"}));
        QCOMPARE(pages[0].at(0).box, QRect(5, 5, 600, 16));
        QCOMPARE(pages[0].at(2).box, QRect(5, 37, 70, 16));
        QCOMPARE(pages[0].at(3).box, QRect(75, 37, 350, 16));
        // The rows that fit: y of the last row + 16 <= 200.
        QCOMPARE(pages[0].last().text, QStringLiteral("wiersz 9"));
        QCOMPARE(pages[0].last().box.top(), 181);
        QCOMPARE(firstTexts(pages[1]).mid(0, 2), QStringList({"STRONA 2   TrelFIN 4LX   ", "10"}));
        QCOMPARE(pages[1].at(1).box.top(), 21);
        QCOMPARE(firstTexts(pages[2]).mid(0, 3), QStringList({"STRONA - 3 -   TrelFIN 4LX   ", "B", "DATA"}));

        // At the print scale every length is scaled, halves to even.
        const QList<PrintedPage> scaled = LayOutPrintJob(QString(), {sectionOf(1, QStringLiteral("A"))}, 12.5, 100000, fakeHeight);
        QCOMPARE(scaled[0].at(0).box, QRect(62, 62, 7500, 200)); // 5 × 12.5 = 62.5 → 62
    }

    // A row whose wrapped cells do not fit moves whole; one too tall for any page is placed on a
    // page of its own, clipped, and the job goes on.
    void rowsThatDoNotFit()
    {
        PrintSection s = sectionOf(2, QStringLiteral("A"));
        s.rows[1][1] = QString(1000, u'x'); // 11 lines: 176 pixels
        const QList<PrintedPage> pages = LayOutPrintJob(QString(), {s}, 1.0, 150, fakeHeight);
        QCOMPARE(pages.size(), 2);
        QCOMPARE(pages[1].at(1).text, QStringLiteral("2"));
        QCOMPARE(pages[1].at(1).box.height(), 16);
    }

    // Sections chosen, with their titles and rows.
    void sections()
    {
        Database db = sampleDatabase();
        db.notes[0].setText(QStringLiteral("zapłacić za gaz\r\ni prąd"));
        db.notes[0].setTerm(QStringLiteral("20-05-2004"));
        db.notes[1].setText(QStringLiteral("bez terminu"));
        PrintOptions o;
        for (bool &section : o.sections)
            section = true;
        const auto breakLines = [](const QString &text) { return text.split(QStringLiteral("\r\n")); };
        const QList<PrintSection> sections = BuildPrintSections(db, o, kToday, breakLines);

        // Blank dates: today to today. Incomes are there but none today: headings only. Debts
        // and bank account are empty: no section. The summary of periods gives two, last.
        QCOMPARE(sections.size(), 10);
        QVERIFY(sections[8].title.startsWith(QStringLiteral("ZESTAWIENIE OKRESÓW    okresy 1 - 1")));
        QCOMPARE(sections[8].rows.last().mid(3, 2), QStringList({"900,00", "112,50"}));
        QCOMPARE(sections[8].columns.at(3).alignRight, true);
        QVERIFY(sections[9].title.startsWith(QStringLiteral("WYDATKI WEDŁUG GRUP")));
        QCOMPARE(sections[9].rows.size(), 30);
        QCOMPARE(sections[0].title, QStringLiteral("ROZCHÓD    dane z przedzialu od 12-05-2004 do 12-05-2004   wydruk okresu: maj"));
        // Each register section ends with its "Razem": the sum and the count of the rows above.
        QCOMPARE(sections[0].rows, (QVector<QStringList>{{"12-05-2004", "12,50", "ŻYWNOŚĆ   ", "chleb"},
                                                         {"Razem", "12,50", "", "pozycji: 1"}}));
        QCOMPARE(sections[1].rows, (QVector<QStringList>{{"Razem", "0,00", "pozycji: 0"}}));
        QCOMPARE(sections[1].columns.size(), 3);
        // The settled planned entry is listed in section 4 under "DOKONANE"...
        QCOMPARE(sections[2].rows.first(), QStringList({"12-05-2004", "50,00", "DOKONANE  ", "zapłacone"}));
        // ...but counts neither in the forecast breakdown nor in line F.
        const PrintSection &balance = sections[3];
        QCOMPARE(balance.rows.size(), 33);
        // The balance ends with the incomes, the expenses and their difference.
        QCOMPARE(balance.rows.mid(30), (QVector<QStringList>{{"PRZYCHÓD", "0", "0,00", ""},
                                                             {"ROZCHÓD", "1", "12,50", ""},
                                                             {"RÓŻNICA", "", "-12,50", ""}}));
        QCOMPARE(balance.rows[0], QStringList({"ŻYWNOŚĆ   ", "1", "12,50", "100,0000"}));
        QCOMPARE(balance.rows[1], QStringList({"ODZIEŻ    ", "0", "0,00", "0,0000"}));
        const PrintSection &forecast = sections[4];
        QCOMPARE(forecast.rows[3], QStringList({"CZYNSZ    ", "1", "30,00", "100,0000"}));
        QCOMPARE(sections[5].title, QStringLiteral("STATYSTYKA    na dzień 12-05-2004   wydruk okresu: maj"));
        QCOMPARE(sections[5].rows[5], QStringList({"F. Wydatki planowane", "30,00", "1"}));
        QCOMPARE(sections[5].rows[10], QStringList({"Statystyka konta banowego:", "", ""}));
        QCOMPARE(sections[6].title, QStringLiteral("LISTA ZAKUPÓW    wydruk okresu: maj"));
        // Notes: only those with a term, broken into lines, the term on the first line only.
        QCOMPARE(sections[7].rows, (QVector<QStringList>{{"20-05-2004", "zapłacić za gaz"}, {"", "i prąd"}}));

        // Nothing in range of a breakdown: every percent "-".
        o.from[0] = QStringLiteral("01-01-1990");
        o.to[0] = QStringLiteral("02-01-1990");
        const QList<PrintSection> empty = BuildPrintSections(db, o, kToday, breakLines);
        QCOMPARE(empty[3].rows[0], QStringList({"ŻYWNOŚĆ   ", "0", "0,00", "-"}));

        o = PrintOptions();
        o.owner = o.programHeader = true;
        QCOMPARE(PrintHeaderText(db, o, kToday),
                 QStringLiteral("TrelFIN 4LX   użytkownik: Anna   data wydruku: 12.05.2004    "));
    }

    // Amounts, counts and percents stand right-aligned in their columns, as on screen; the
    // "Razem" row is laid out like the others, through the text-height function.
    void totalsAndAlignment()
    {
        Database db = sampleDatabase();
        PrintOptions o;
        o.sections[int(PrintSectionKind::expenses)] = true;
        o.from[0] = QStringLiteral("01-05-2004");
        o.to[0] = QStringLiteral("31-05-2004");
        const QList<PrintSection> sections = BuildPrintSections(db, o, kToday, [](const QString &t) { return QStringList{t}; });
        QCOMPARE(sections.size(), 1);
        QCOMPARE(sections[0].rows.last(), QStringList({"Razem", "112,50", "", "pozycji: 2"}));
        const QList<PrintedPage> pages = LayOutPrintJob(QString(), sections, 1.0, 100000, fakeHeight);
        const PrintedPage &page = pages.first();
        // header, title, 4 headings, 2 rows and the total of 4 cells each
        QCOMPARE(page.size(), 2 + 4 * 4);
        const PrintedText &totalAmount = page.at(page.size() - 3);
        QCOMPARE(totalAmount.text, QStringLiteral("112,50"));
        QCOMPARE(totalAmount.box, QRect(75, 5 + 16 * 5, 70 - 8, 16)); // a blank before the next column
        QCOMPARE(totalAmount.alignment, Qt::AlignRight);
        QCOMPARE(page.at(page.size() - 4).text, QStringLiteral("Razem"));
        QCOMPARE(page.at(page.size() - 4).alignment, Qt::AlignLeft);
        QCOMPARE(page.at(3).text, QStringLiteral("WARTOŚĆ"));
        QCOMPARE(page.at(3).alignment, Qt::AlignRight);
    }

    // The notes' word wrap: lines no wider than the box, line breaks kept.
    void noteWrap()
    {
        QFont font;
        font.setPointSize(8);
        const QStringList lines = WrapText(QStringLiteral("Zapłacić rachunek za gaz i za prąd do końca miesiąca, "
                                                          "potem zadzwonić do spółdzielni\r\nDruga linia"),
                                           font, 249);
        QVERIFY(lines.size() >= 3);
        QCOMPARE(lines.last(), QStringLiteral("Druga linia"));
        const QFontMetrics fm(font);
        for (const QString &line : lines)
            QVERIFY2(fm.horizontalAdvance(line) <= 249, qPrintable(line));
    }

    // The job painted into a PDF: one page per section here, and a file a viewer opens.
    void paintedToPdf()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("wydruk.pdf"));
        QPdfWriter pdf(path);
        pdf.setResolution(600);
        QFont font;
        font.setPointSize(8);
        QVERIFY(PaintPrintJob(pdf, QStringLiteral("TrelFIN 4LX   "),
                              {sectionOf(3, QStringLiteral("A")), sectionOf(3, QStringLiteral("B"))}, font, 600.0 / 96.0));
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        QVERIFY(bytes.startsWith("%PDF-"));
        QCOMPARE(bytes.count("/Type /Page\n") + bytes.count("/Type /Page "), 2);
    }
};

QTEST_MAIN(TestPrint)
#include "tst_print.moc"
