// Writes the seed corpus of the file readers' fuzz targets (one folder per target under
// TRELFIN_FUZZ_SEEDS) and checks that every seed is a file its reader accepts, so that the
// fuzzers start from the real formats.
#include "core/store/cp1250.h"
#include "core/store/database.h"
#include "core/store/databasefiles.h"
#include "core/store/groupset.h"
#include "core/store/olderformats.h"
#include "core/store/sidefiles.h"
#include "core/tools/bankstatement.h"
#include "core/tools/exampledatabase.h"

#include "database2000.h"
#include "filetestsupport.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace trelfin;

class TestFuzzSeeds : public QObject
{
    Q_OBJECT

private slots:
    void writeAndCheckSeeds();

private:
    void seed(const QString &target, const QString &name, const QByteArray &bytes)
    {
        QDir dir(QStringLiteral(TRELFIN_FUZZ_SEEDS));
        QVERIFY(dir.mkpath(target));
        QFile file(dir.filePath(target + u'/' + name));
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        QCOMPARE(file.write(bytes), bytes.size());
        m_written.append(target + u'/' + name);
    }
    QStringList m_written;
};

void TestFuzzSeeds::writeAndCheckSeeds()
{
    QTemporaryDir dir;
    test::LineSink sink;

    // The current format: the example database, and a small period of two entries a register.
    const ExampleDatabase example = BuildExampleDatabase(QDate(2026, 12, 10));
    QVERIFY(WriteExampleDatabase(example, dir.path(), sink));
    Database db;
    SplitDatabasePath(db, dir.filePath("przyklad.tf4"));
    QVERIFY(ReadDatabaseRecord(db, sink));
    seed("database_record", "example.tf4", test::fileBytes(dir.filePath("przyklad.tf4")));
    QVERIFY(LoadPeriod(db, 0, sink));
    seed("period", "example.0", test::fileBytes(dir.filePath("przyklad.0")));
    QVERIFY(ReadShoppingList(db));
    seed("shopping_list", "example.tlz", test::fileBytes(ShoppingListPath(db)));
    QVERIFY(ReadNotes(db));
    seed("notes", "example.tnt", test::fileBytes(NotesPath(db)));

    Database small;
    SplitDatabasePath(small, dir.filePath("small.tf4"));
    for (int r = 0; r < RegisterCount; ++r) {
        // Incomes have no group.
        const std::uint8_t group = r == int(RegisterKind::incomes) ? 0 : 1;
        small.registers[r].append({QStringLiteral("01-02-2004"), 12.5, group, QStringLiteral("chleb")});
        small.registers[r].append({QStringLiteral("29-02-2004"), 1e6, group, QStringLiteral("ąęłóśżźćń")});
    }
    small.recurringIncomes[0] = {true, QStringLiteral("10"), *Real48::fromDouble(3000), QStringLiteral("pensja")};
    small.recurringExpenses[4] = {true, 3, *Real48::fromDouble(780), QStringLiteral("czynsz")};
    seed("period", "small.0", PeriodFileBytes(small));

    seed("group_set", "default.tgr", GroupSetBytes(defaultGroupNames()));
    QVERIFY(ReadGroupSetBytes(GroupSetBytes(defaultGroupNames())).has_value());

    // The 2000 version: its record and period files.
    test::writeDatabase2000(dir.path(), QStringLiteral("stara"));
    Database old;
    SplitDatabasePath(old, dir.filePath("stara.tfc"));
    QVERIFY(ReadDatabaseRecord(old, sink));
    seed("database_record", "old.tfc", test::fileBytes(dir.filePath("stara.tfc")));
    for (int k = 0; k < 3; ++k) {
        QVERIFY(LoadPeriod2000(old, k, sink));
        seed("period_2000", QStringLiteral("old.%1").arg(k), test::fileBytes(dir.filePath(QStringLiteral("stara.%1").arg(k))));
    }
    QVERIFY2(sink.messages.isEmpty(), qPrintable(sink.messages.join('\n')));

    // Bank statements: one small file of each kind the reader knows, each read back.
    const QList<std::pair<const char *, QByteArray>> statements = {
        {"pko.csv", toCp1250(QStringLiteral("\"Data operacji\",\"Data waluty\",\"Typ transakcji\",\"Kwota\",\"Waluta\",\"Saldo po transakcji\",\"Opis transakcji\"\r\n"
                                            "\"2026-10-02\",\"2026-10-03\",\"Płatność kartą\",\"-38.17\",\"PLN\",\"+1961.83\",\"Tytuł: ŻABKA\"\r\n"))},
        {"mbank.csv", toCp1250(QStringLiteral("#Data operacji;#Data księgowania;#Opis operacji;#Tytuł;#Nadawca/Odbiorca;#Numer konta;#Kwota;#Saldo po operacji;\n"
                                              "2026-10-05;2026-10-06;ZAKUP PRZY UŻYCIU KARTY;BIEDRONKA;;;-1 234,56;-234,56;\n"))},
        {"mt940.sta", toCp1250(QStringLiteral(":20:ST1\r\n:25:/PL61\r\n:60F:C261001PLN1234,56\r\n:61:2610021002DN25,50NTRFNONREF//C1\r\n"
                                              ":86:073~00PŁATNOŚĆ~20ŻABKA~27ŻABKA POLSKA\r\n:62F:C261031PLN1209,06\r\n"))},
        {"santander.csv", QByteArray("1,02-10-2026,Zakup,LIDL,,\"-48,20\",\"1186,36\",\n")},
        {"alior.csv", toCp1250(QStringLiteral("Kryteria;;;\nData transakcji;Data księgowania;Nazwa nadawcy;Nazwa odbiorcy;Szczegóły transakcji;"
                                              "Kwota operacji;Waluta operacji\n03-10-2026;04-10-2026;JAN;ORLEN;Płatność kartą;-50,00;PLN\n"))},
        {"camt.xml", QByteArray("<Document><BkToCstmrStmt><Stmt><Ntry><Amt Ccy=\"PLN\">10.00</Amt><CdtDbtInd>DBIT</CdtDbtInd>"
                                "<Sts>BOOK</Sts><BookgDt><Dt>2026-10-05</Dt></BookgDt></Ntry></Stmt></BkToCstmrStmt></Document>")},
    };
    for (const auto &[name, bytes] : statements) {
        QString problem;
        const auto statement = ReadBankStatement(bytes, problem);
        QVERIFY2(statement && statement->rows.size() == 1, name);
        seed("bank_statement", QString::fromLatin1(name), bytes);
    }
    // A CSV file of columns no layout knows, for the columns a user chooses.
    const QByteArray columns("Dzien;Kontrahent;Opis;Kwota\n2026-10-02;SKLEP;chleb;-12,50\n");
    QVERIFY(FindCsvHeader(columns));
    seed("bank_statement", QStringLiteral("columns.csv"), QByteArray("\x01\x04\x00\x00\x02\x03") + columns);

    // Every seed written is there, and the small period reads back as written.
    for (const QString &name : m_written)
        QVERIFY2(QFileInfo(QDir(QStringLiteral(TRELFIN_FUZZ_SEEDS)).filePath(name)).size() > 0, qPrintable(name));
    QFile::copy(QDir(QStringLiteral(TRELFIN_FUZZ_SEEDS)).filePath("period/small.0"), PeriodFilePath(small, 0));
    Database back;
    SplitDatabasePath(back, dir.filePath("small.tf4"));
    QVERIFY(LoadPeriod(back, 0, sink));
    QCOMPARE(back.registers, small.registers);
}

QTEST_GUILESS_MAIN(TestFuzzSeeds)
#include "tst_fuzzseeds.moc"
