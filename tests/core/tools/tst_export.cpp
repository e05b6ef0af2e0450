#include "filetestsupport.h"
#include "core/store/database.h"
#include "core/store/fileoperations.h"
#include "core/store/messagesink.h"
#include "core/tools/export.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

using namespace trelfin;

namespace {

using Sink = test::LineSink;

using test::RecordingRenames;

Database sampleDatabase()
{
    Database db;
    SetDefaultGroups(db.header);
    db.header.groupNames[16] = QStringLiteral("INNE");
    db.reg(RegisterKind::expenses).append(Entry{QStringLiteral("01-02-2002"), 12.5, 16, QStringLiteral("chleb")});
    db.reg(RegisterKind::expenses).append(Entry{QStringLiteral("02-02-2002"), 3, 1, QStringLiteral("\"Kefir\", ąę")});
    db.reg(RegisterKind::incomes).append(Entry{QStringLiteral("10-02-2002"), 1000, 0, QStringLiteral("pensja")});
    return db;
}


} // namespace

class TestExport : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Polish, QLocale::Poland)); }

    // Lines as the grids show the cells: four fields, incomes three; TAB or quoted CSV; CR LF;
    // code page 1250; a quote inside a CSV field doubled, a comma left as it is.
    void lines()
    {
        const Database db = sampleDatabase();
        QCOMPARE(ExportFileBytes(db, RegisterKind::expenses, ExportFormat::text),
                 QByteArray("01-02-2002\t12,50\tINNE\tchleb\r\n"
                            "02-02-2002\t3,00\t\xaf" "YWNO\x8c\xc6\t\"Kefir\", \xb9\xea\r\n"));
        QCOMPARE(ExportFileBytes(db, RegisterKind::expenses, ExportFormat::csv),
                 QByteArray("\"01-02-2002\",\"12,50\",\"INNE\",\"chleb\"\r\n"
                            "\"02-02-2002\",\"3,00\",\"\xaf" "YWNO\x8c\xc6\",\"\"\"Kefir\"\", \xb9\xea\"\r\n"));
        QCOMPARE(ExportFileBytes(db, RegisterKind::incomes, ExportFormat::text), QByteArray("10-02-2002\t1000,00\tpensja\r\n"));
        QCOMPARE(ExportFileBytes(db, RegisterKind::incomes, ExportFormat::csv),
                 QByteArray("\"10-02-2002\",\"1000,00\",\"pensja\"\r\n"));
        QCOMPARE(ExportFileBytes(db, RegisterKind::debts, ExportFormat::csv), QByteArray());
    }

    // A text a spreadsheet would run as a formula gets an apostrophe in front in the CSV; the
    // amount, a number with its sign, never does. In the text export a tab or a line break inside
    // a field becomes a blank, so that a row stays a row.
    void fieldsOtherProgramsWouldMisread_data()
    {
        QTest::addColumn<QString>("description");
        QTest::addColumn<QByteArray>("csv");  // the description's CSV field
        QTest::addColumn<QByteArray>("text"); // and its text field
        QTest::newRow("=") << "=HYPERLINK(\"x\")" << QByteArray("\"'=HYPERLINK(\"\"x\"\")\"") << QByteArray("=HYPERLINK(\"x\")");
        QTest::newRow("+") << "+48 600 100 200" << QByteArray("\"'+48 600 100 200\"") << QByteArray("+48 600 100 200");
        QTest::newRow("-") << "-5 na bilety" << QByteArray("\"'-5 na bilety\"") << QByteArray("-5 na bilety");
        QTest::newRow("@") << "@SUMA(1)" << QByteArray("\"'@SUMA(1)\"") << QByteArray("@SUMA(1)");
        QTest::newRow("tab first") << "\tukryte" << QByteArray("\"'\tukryte\"") << QByteArray(" ukryte");
        QTest::newRow("line break inside") << "a\r\nb" << QByteArray("\"a\r\nb\"") << QByteArray("a  b");
        QTest::newRow("= inside") << "chleb = 3" << QByteArray("\"chleb = 3\"") << QByteArray("chleb = 3");
    }
    void fieldsOtherProgramsWouldMisread()
    {
        QFETCH(QString, description);
        QFETCH(QByteArray, csv);
        QFETCH(QByteArray, text);
        Database db = sampleDatabase();
        db.reg(RegisterKind::expenses).entries.clear();
        db.reg(RegisterKind::expenses).entries.append(Entry{QStringLiteral("01-02-2002"), 12.5, 16, description});
        QCOMPARE(ExportFileBytes(db, RegisterKind::expenses, ExportFormat::csv),
                 QByteArray("\"01-02-2002\",\"12,50\",\"INNE\",") + csv + "\r\n");
        QCOMPARE(ExportFileBytes(db, RegisterKind::expenses, ExportFormat::text),
                 QByteArray("01-02-2002\t12,50\tINNE\t") + text + "\r\n");
    }

    // The CSV options for a Polish spreadsheet, byte for byte: a semicolon, a header line named
    // as the grid's columns, UTF-8 with a byte-order mark; each alone and all together.
    void csvOptions_data()
    {
        QTest::addColumn<QChar>("separator");
        QTest::addColumn<bool>("header");
        QTest::addColumn<bool>("utf8");
        QTest::addColumn<QByteArray>("expected");
        const QByteArray rows1250 = "\"01-02-2002\";\"12,50\";\"INNE\";\"chleb\"\r\n"
                                    "\"02-02-2002\";\"3,00\";\"\xaf" "YWNO\x8c\xc6\";\"\"\"Kefir\"\", \xb9\xea\"\r\n";
        QTest::newRow("described") << QChar(u',') << false << false
                                   << QByteArray("\"01-02-2002\",\"12,50\",\"INNE\",\"chleb\"\r\n"
                                                 "\"02-02-2002\",\"3,00\",\"\xaf" "YWNO\x8c\xc6\",\"\"\"Kefir\"\", \xb9\xea\"\r\n");
        QTest::newRow("semicolon") << QChar(u';') << false << false << rows1250;
        QTest::newRow("header") << QChar(u',') << true << false
                                << QByteArray("\"Data\",\"Warto\x9c\xe6\",\"Grupa\",\"Opis\"\r\n"
                                              "\"01-02-2002\",\"12,50\",\"INNE\",\"chleb\"\r\n"
                                              "\"02-02-2002\",\"3,00\",\"\xaf" "YWNO\x8c\xc6\",\"\"\"Kefir\"\", \xb9\xea\"\r\n");
        QTest::newRow("for a Polish spreadsheet") << QChar(u';') << true << true
            << QByteArray("\xef\xbb\xbf\"Data\";\"Wartość\";\"Grupa\";\"Opis\"\r\n"
                          "\"01-02-2002\";\"12,50\";\"INNE\";\"chleb\"\r\n"
                          "\"02-02-2002\";\"3,00\";\"ŻYWNOŚĆ\";\"\"\"Kefir\"\", ąę\"\r\n");
    }
    void csvOptions()
    {
        QFETCH(QChar, separator);
        QFETCH(bool, header);
        QFETCH(bool, utf8);
        QFETCH(QByteArray, expected);
        const Database db = sampleDatabase();
        QCOMPARE(ExportFileBytes(db, RegisterKind::expenses, ExportFormat::csv, CsvOptions{separator, header, utf8}), expected);
        // The text export has none of them.
        QCOMPARE(ExportFileBytes(db, RegisterKind::expenses, ExportFormat::text, CsvOptions{separator, header, utf8}),
                 ExportFileBytes(db, RegisterKind::expenses, ExportFormat::text));
    }

    // The files in the described order, under their names; an empty register gives an empty file.
    void filesInOrder()
    {
        QTemporaryDir dir;
        const Database db = sampleDatabase();
        const QList<ExportRequest> requests = {
            {RegisterKind::expenses, QStringLiteral("rozchod")}, {RegisterKind::incomes, QStringLiteral("przychod")},
            {RegisterKind::debts, QStringLiteral("dlugi")}, {RegisterKind::planned, QStringLiteral("planowanie")},
            {RegisterKind::bankAccount, QStringLiteral("Konto")},
        };
        RecordingRenames renames;
        Sink sink;
        {
            FileOperations::Override use(renames);
            QVERIFY(ExportRegisters(db, dir.path(), requests, ExportFormat::text, sink));
        }
        QCOMPARE(renames.targets, QStringList({"rozchod.txt", "Konto.txt", "przychod.txt", "dlugi.txt", "planowanie.txt"}));
        QCOMPARE(test::fileBytes(dir.filePath(QStringLiteral("przychod.txt"))), QByteArray("10-02-2002\t1000,00\tpensja\r\n"));
        QVERIFY(QFile::exists(dir.filePath(QStringLiteral("dlugi.txt"))));
        QCOMPARE(QFileInfo(dir.filePath(QStringLiteral("dlugi.txt"))).size(), 0);
        // An export replaces the file and keeps no backup of it.
        QVERIFY(ExportRegisters(db, dir.path(), requests, ExportFormat::text, sink));
        QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("rozchod.txt~"))));
        QVERIFY(sink.messages.isEmpty());
    }

    // A file that cannot be created stops the export at that file with a message; the files
    // before it stay, the later registers are not written.
    void fileThatCannotBeCreated()
    {
        QTemporaryDir dir;
        const Database db = sampleDatabase();
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("Konto.csv")));
        Sink sink;
        QVERIFY(!ExportRegisters(db, dir.path(),
                                 {{RegisterKind::expenses, QStringLiteral("rozchod")},
                                  {RegisterKind::bankAccount, QStringLiteral("Konto")},
                                  {RegisterKind::incomes, QStringLiteral("przychod")}},
                                 ExportFormat::csv, sink));
        QCOMPARE(sink.messages.size(), 1);
        QVERIFY(sink.messages.first().contains(QStringLiteral("Konto.csv")));
        QVERIFY(QFile::exists(dir.filePath(QStringLiteral("rozchod.csv"))));
        QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("przychod.csv"))));
    }
};

QTEST_GUILESS_MAIN(TestExport)
#include "tst_export.moc"
