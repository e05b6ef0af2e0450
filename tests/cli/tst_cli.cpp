#include "filetestsupport.h"
#include "core/reports/groupsummary.h"
#include "core/reports/statement.h"
#include "core/store/clock.h"
#include "core/store/database.h"
#include "core/store/databasefiles.h"
#include "core/store/databaselock.h"
#include "core/store/databaseops.h"
#include "core/store/helpers.h"
#include "core/store/opendatabase.h"
#include "core/store/recovery.h"
#include "core/tools/export.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <cmath>

#include <sys/stat.h>

using namespace trelfin;

namespace {

struct Run
{
    int exitCode = -1;
    QString out;
    QString err;
};

} // namespace

// The command-line companion, run as a user runs it, on databases the tests write.
class TestCli : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    Database m_db;

    QString path(const QString &file) const { return m_dir.filePath(file); }

    Run cli(const QStringList &arguments, const QByteArray &input = QByteArray())
    {
        QProcess process;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("LC_ALL"), QStringLiteral("pl_PL.UTF-8"));
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        process.setProcessEnvironment(env);
        process.start(QStringLiteral(TRELFIN_CLI), arguments);
        process.write(input);
        process.closeWriteChannel();
        process.waitForFinished(60000);
        return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
                QString::fromUtf8(process.readAllStandardError())};
    }

private slots:
    void initTestCase()
    {
        QLocale::setDefault(QLocale(QLocale::Polish, QLocale::Poland));
        FixedClock clock(QDate(2004, 5, 12));
        test::LineSink sink;
        InitialiseNewDatabase(m_db, path(QStringLiteral("budzet.tf4")), clock);
        m_db.header.ownerName = QStringLiteral("Anna Nowak");
        m_db.reg(RegisterKind::expenses).append(Entry{QStringLiteral("03-05-2004"), 100, 1, QStringLiteral("chleb")});
        m_db.reg(RegisterKind::expenses).append(Entry{QStringLiteral("20-05-2004"), 300, 2, QStringLiteral("kurtka")});
        m_db.reg(RegisterKind::incomes).append(Entry{QStringLiteral("01-05-2004"), 1250.5, 0, QStringLiteral("pensja")});
        m_db.reg(RegisterKind::planned).append(Entry{QStringLiteral("10-05-2004"), 50, 3, QStringLiteral("krem")});
        QVERIFY(SavePeriodFiles(m_db, 0, clock, sink));
    }

    void info()
    {
        const Run run = cli({QStringLiteral("info"), path(QStringLiteral("budzet.tf4"))});
        QCOMPARE(run.exitCode, 0);
        QVERIFY(run.out.contains(QStringLiteral("Użytkownik:\tAnna Nowak")));
        QVERIFY(run.out.contains(QStringLiteral("rozchód 2\tprzychód 1\tdługi 0\tplanowanie 1\tkonto 0")));
    }

    // The figures are those the pages compute for the same data.
    void figuresAsThePagesShowThem()
    {
        Run run = cli({QStringLiteral("statement"), path(QStringLiteral("budzet.tf4")), QStringLiteral("--day"), QStringLiteral("31-05-2004")});
        QCOMPARE(run.exitCode, 0);
        QStringList expected;
        for (QStringList row : statementRowTexts(computeStatement(m_db, QStringLiteral("31-05-2004")))) {
            row[0] = row[0].trimmed();
            expected.append(row.join(u'\t'));
        }
        QCOMPARE(run.out.split(u'\n', Qt::SkipEmptyParts), expected);

        run = cli({QStringLiteral("balance"), path(QStringLiteral("budzet.tf4")), QStringLiteral("--from"), QStringLiteral("01-05-2004"),
                   QStringLiteral("--to"), QStringLiteral("10-05-2004")});
        QCOMPARE(run.exitCode, 0);
        const GroupSummary balance = computeDatedBalance(m_db, explicitSpan(QStringLiteral("01-05-2004"), QStringLiteral("10-05-2004"), QDate()),
                                                         SummaryOrder::byGroup);
        const QStringList lines = run.out.split(u'\n', Qt::SkipEmptyParts);
        QCOMPARE(lines.at(0), QStringLiteral("Od 01-05-2004 do 10-05-2004"));
        QCOMPARE(lines.at(1), QStringLiteral("Przychód\t") + FormatAmount(balance.incomeTotal));
        QCOMPARE(lines.at(2), QStringLiteral("Rozchód\t100,00"));
        QCOMPARE(lines.at(3), QStringLiteral("ŻYWNOŚĆ   \t1\t100,00\t100,0000"));

        run = cli({QStringLiteral("forecast"), path(QStringLiteral("budzet.tf4"))});
        QCOMPARE(run.exitCode, 0);
        QVERIFY(run.out.contains(QStringLiteral("KOSMETYKI \t1\t50,00\t100,0000")));
    }

    // The summary of periods prints the window's two tables, as text or JSON.
    void summaryOfPeriods()
    {
        const Run text = cli({QStringLiteral("summary"), path(QStringLiteral("budzet.tf4"))});
        QCOMPARE(text.exitCode, 0);
        const QStringList lines = text.out.split(u'\n');
        QVERIFY(lines.at(0).startsWith(QStringLiteral("Okres\tOd\tDo\tPrzychód\tRozchód\tRóżnica")));
        QVERIFY2(lines.at(1).contains(QStringLiteral("\t1250,50\t400,00\t850,50\t")), qPrintable(lines.at(1)));
        QVERIFY(lines.at(2).startsWith(QStringLiteral("Razem\t")));
        const Run json = cli({QStringLiteral("summary"), path(QStringLiteral("budzet.tf4")), QStringLiteral("--periods"),
                              QStringLiteral("1-1"), QStringLiteral("--json")});
        QCOMPARE(json.exitCode, 0);
        const QJsonObject summary = QJsonDocument::fromJson(json.out.toUtf8()).object();
        QCOMPARE(summary.value(QStringLiteral("periods")).toArray().size(), 1);
        QCOMPARE(summary.value(QStringLiteral("total")).toObject().value(QStringLiteral("expenses")).toDouble(), 400.0);
        QCOMPARE(summary.value(QStringLiteral("groups")).toArray().size(), 30);
        for (const QString &range : {QStringLiteral("1-5"), QStringLiteral("x"), QStringLiteral("2-1")})
            QCOMPARE(cli({QStringLiteral("summary"), path(QStringLiteral("budzet.tf4")), QStringLiteral("--periods"), range}).exitCode, 2);
    }

    // import: --dry-run shows what the review would show and changes nothing; without it the
    // new rows go into the period's bank account and the period is saved; the same file again
    // adds nothing; while the program holds the database, the import is refused.
    void importStatement()
    {
        QTemporaryDir dir;
        for (const QString &name : QDir(m_dir.path()).entryList({QStringLiteral("budzet.*")}, QDir::Files))
            QVERIFY(QFile::copy(path(name), dir.filePath(name)));
        const QString db = dir.filePath(QStringLiteral("budzet.tf4"));
        const QString statement = dir.filePath(QStringLiteral("wyciag.sta"));
        test::writeFileBytes(statement, QByteArray(":20:ST1\r\n:25:/PL61\r\n:60F:C040501PLN100,00\r\n"
                                                   ":61:0405020502DN25,50NTRFNONREF//R1\r\n:86:073~00KARTA~20ZAKUPY~27SKLEP\r\n"
                                                   ":61:040503C2000,00NTRFNONREF//R2\r\n:86:051~00PRZELEW~20PENSJA~27FIRMA\r\n"
                                                   ":62F:C040531PLN2074,50\r\n"));
        const QByteArray periodBefore = test::fileBytes(dir.filePath(QStringLiteral("budzet.0")));
        const Run dry = cli({QStringLiteral("import"), db, statement, QStringLiteral("--dry-run"), QStringLiteral("--json")});
        QCOMPARE(dry.exitCode, 0);
        const QJsonObject shown = QJsonDocument::fromJson(dry.out.toUtf8()).object();
        QCOMPARE(shown.value(QStringLiteral("format")).toString(), QStringLiteral("MT940"));
        const QJsonArray rows = shown.value(QStringLiteral("rows")).toArray();
        QCOMPARE(rows.size(), 2);
        QCOMPARE(rows.at(0).toObject().value(QStringLiteral("date")).toString(), QStringLiteral("02-05-2004"));
        QCOMPARE(rows.at(0).toObject().value(QStringLiteral("kind")).toString(), QStringLiteral("OBCIĄŻENIE"));
        QCOMPARE(rows.at(1).toObject().value(QStringLiteral("description")).toString(), QStringLiteral("FIRMA PENSJA"));
        QCOMPARE(rows.at(1).toObject().value(QStringLiteral("status")).toString(), QStringLiteral("nowy"));
        QCOMPARE(test::fileBytes(dir.filePath(QStringLiteral("budzet.0"))), periodBefore);
        QCOMPARE(cli({QStringLiteral("import"), db, statement, QStringLiteral("--format"), QStringLiteral("camt.053")}).exitCode, 1);

        {
            DatabaseLock program;
            QVERIFY(program.acquire(dir.path() + u'/', QStringLiteral("budzet")));
            const Run refused = cli({QStringLiteral("import"), db, statement});
            QCOMPARE(refused.exitCode, 1);
            QVERIFY(refused.err.contains(QStringLiteral("otwarta")));
            QCOMPARE(test::fileBytes(dir.filePath(QStringLiteral("budzet.0"))), periodBefore);
        }

        const Run done = cli({QStringLiteral("import"), db, statement});
        QCOMPARE(done.exitCode, 0);
        QVERIFY2(done.err.contains(QStringLiteral("wierszy: 2")), qPrintable(done.err));
        Database read;
        test::LineSink sink;
        QVERIFY(OpenDatabase(read, db, OpenMode::readOnly, sink));
        QVERIFY(LoadPeriod(read, 0, sink));
        QCOMPARE(read.bankCount(), 2);
        QCOMPARE(read.importedRows.size(), 2);
        const Run again = cli({QStringLiteral("import"), db, statement});
        QCOMPARE(again.exitCode, 0);
        QVERIFY(again.out.contains(QStringLiteral("już zaimportowany")));
        QVERIFY(again.err.contains(QStringLiteral("wierszy: 0")));

        // A CSV file no layout knows: refused with a hint until its columns were chosen in the
        // program; then read by them, its expense also into "Rozchód" with the group by the rules.
        const QString other = dir.filePath(QStringLiteral("inny.csv"));
        test::writeFileBytes(other, QByteArray("Dzien;Kontrahent;Opis;Kwota\n2004-05-03;SKLEP U ZOSI;chleb;-12,50\n"));
        const Run unknown = cli({QStringLiteral("import"), db, other, QStringLiteral("--dry-run")});
        QCOMPARE(unknown.exitCode, 1);
        QVERIFY2(unknown.err.contains(QStringLiteral("kolumny tego pliku można wskazać w programie")), qPrintable(unknown.err));
        test::writeFileBytes(dir.filePath(QStringLiteral("budzet.tfu")),
                             QByteArray("trelfin-rules 1\nrejestry\t1\nZOSI\t2\nkolumny\t;|Dzien|Kontrahent|Opis|Kwota\t0,3,-1,-1,1,2\n"));
        const Run mapped = cli({QStringLiteral("import"), db, other, QStringLiteral("--dry-run"), QStringLiteral("--json")});
        QCOMPARE(mapped.exitCode, 0);
        const QJsonObject row = QJsonDocument::fromJson(mapped.out.toUtf8()).object().value(QStringLiteral("rows")).toArray().at(0).toObject();
        QCOMPARE(row.value(QStringLiteral("register")).toString(), QStringLiteral("Konto bankowe, Rozchód"));
        QCOMPARE(row.value(QStringLiteral("group")).toString(), read.header.groupNames[2].trimmed());
        QCOMPARE(row.value(QStringLiteral("description")).toString(), QStringLiteral("SKLEP U ZOSI chleb"));
    }

    // The export files are byte for byte the program's.
    void exportFiles()
    {
        QTemporaryDir out;
        const Run run = cli({QStringLiteral("export"), path(QStringLiteral("budzet.tf4")), QStringLiteral("--format"), QStringLiteral("csv"),
                             QStringLiteral("--dir"), out.path(), QStringLiteral("--registers"), QStringLiteral("rozchod,przychod")});
        QCOMPARE(run.exitCode, 0);
        QFile expenses(QDir(out.path()).filePath(QStringLiteral("rozchod.csv")));
        QVERIFY(expenses.open(QIODevice::ReadOnly));
        QCOMPARE(expenses.readAll(), ExportFileBytes(m_db, RegisterKind::expenses, ExportFormat::csv));
        QVERIFY(QFile::exists(QDir(out.path()).filePath(QStringLiteral("przychod.csv"))));
        QVERIFY(!QFile::exists(QDir(out.path()).filePath(QStringLiteral("Konto.csv"))));

        // The options for a Polish spreadsheet give the program's bytes with them.
        QTemporaryDir polish;
        QCOMPARE(cli({QStringLiteral("export"), path(QStringLiteral("budzet.tf4")), QStringLiteral("--format"), QStringLiteral("csv"),
                      QStringLiteral("--dir"), polish.path(), QStringLiteral("--registers"), QStringLiteral("rozchod"),
                      QStringLiteral("--separator"), QStringLiteral(";"), QStringLiteral("--header"), QStringLiteral("--utf8")})
                     .exitCode,
                 0);
        QCOMPARE(test::fileBytes(QDir(polish.path()).filePath(QStringLiteral("rozchod.csv"))),
                 ExportFileBytes(m_db, RegisterKind::expenses, ExportFormat::csv, CsvOptions{u';', true, true}));
        for (const QStringList &wrong : {QStringList{QStringLiteral("--format"), QStringLiteral("txt"), QStringLiteral("--utf8")},
                                         QStringList{QStringLiteral("--format"), QStringLiteral("csv"), QStringLiteral("--separator"), QStringLiteral("|")}})
            QCOMPARE(cli(QStringList{QStringLiteral("export"), path(QStringLiteral("budzet.tf4")), QStringLiteral("--dir"), polish.path()} + wrong)
                         .exitCode,
                     2);

        // A folder that is not there yet is made.
        const QString deeper = QDir(out.path()).filePath(QStringLiteral("arkusze/maj"));
        QCOMPARE(cli({QStringLiteral("export"), path(QStringLiteral("budzet.tf4")), QStringLiteral("--format"), QStringLiteral("txt"),
                      QStringLiteral("--dir"), deeper, QStringLiteral("--registers"), QStringLiteral("konto")})
                     .exitCode,
                 0);
        QVERIFY(QFile::exists(QDir(deeper).filePath(QStringLiteral("Konto.txt"))));
    }

    void printToPdf()
    {
        QTemporaryDir out;
        const QString pdf = QDir(out.path()).filePath(QStringLiteral("wydruk.pdf"));
        const Run run = cli({QStringLiteral("print"), path(QStringLiteral("budzet.tf4")), QStringLiteral("--sections"),
                             QStringLiteral("rozchod,bilans,stankonta"), QStringLiteral("--pdf"), pdf, QStringLiteral("--from"),
                             QStringLiteral("01-05-2004"), QStringLiteral("--to"), QStringLiteral("31-05-2004")});
        QCOMPARE(run.exitCode, 0);
        QFile file(pdf);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        QVERIFY(bytes.startsWith("%PDF-"));
        QCOMPARE(bytes.count("/Type /Page\n") + bytes.count("/Type /Page "), 3);
    }

    // The check: a sound database passes; a truncated period file, a short side file, an amount
    // that is not a number and a period count of 0 are each found.
    void check()
    {
        QTemporaryDir dir;
        FixedClock clock(QDate(2004, 5, 12));
        test::LineSink sink;
        Database db;
        InitialiseNewDatabase(db, dir.filePath(QStringLiteral("b.tf4")), clock);
        AppendPeriod(db, clock);
        QVERIFY(SavePeriodFiles(db, 1, clock, sink));
        db.currentPeriod = 1;
        db.reg(RegisterKind::expenses).append(Entry{QStringLiteral("01-05-2004"), std::nan(""), 1, QStringLiteral("zle")});
        db.reg(RegisterKind::bankAccount).append(Entry{QStringLiteral("02-05-2004"), 5, 1, QStringLiteral("opłata")});
        db.reg(RegisterKind::bankAccount).append(Entry{QStringLiteral("03-05-2004"), 7, 9, QStringLiteral("zła grupa")});
        QVERIFY(SavePeriodFiles(db, 0, clock, sink));
        const QString file = dir.filePath(QStringLiteral("b.tf4"));

        // Each problem names the byte of the file where it lies.
        Run run = cli({QStringLiteral("check"), file});
        QCOMPARE(run.exitCode, 1);
        QVERIFY2(run.out.contains(QStringLiteral("b.0: bajt 16 (rozchód, pozycja 1): kwota nie jest liczbą")), qPrintable(run.out));
        // Before the bank account's second entry: 2 + 1 + 1 + 1 records, 5 recurring incomes, 1 entry.
        const qsizetype groupByte = 11 * 72 + 24;
        QVERIFY2(run.out.contains(QStringLiteral("b.0: bajt %1 (konto, pozycja 2): grupa 9 poza zakresem 1..6").arg(groupByte)),
                 qPrintable(run.out));
        QFile period(dir.filePath(QStringLiteral("b.0")));
        QVERIFY(period.open(QIODevice::ReadOnly));
        QCOMPARE(int(period.readAll().at(groupByte)), 9);

        db.reg(RegisterKind::expenses).entries.clear();
        db.reg(RegisterKind::bankAccount).entries.clear();
        QVERIFY(SavePeriodFiles(db, 0, clock, sink));
        QCOMPARE(cli({QStringLiteral("check"), file}).exitCode, 0);

        const auto cut = [&dir](const QString &name, int bytes) {
            QFile f(dir.filePath(name));
            f.open(QIODevice::ReadWrite);
            f.resize(f.size() - bytes);
        };
        cut(QStringLiteral("b.1"), 30);
        cut(QStringLiteral("b.tnt"), 1);
        run = cli({QStringLiteral("check"), file});
        QCOMPARE(run.exitCode, 1);
        QVERIFY2(run.out.contains(QStringLiteral("b.1: nie można odczytać okresu 2")), qPrintable(run.out));
        QVERIFY2(run.out.contains(QStringLiteral("b.tnt: plik ma 8339 bajtów zamiast 8340")), qPrintable(run.out));

        // A record whose period count is 0 is found at once.
        db.header.periodCount = 0;
        QFile record(file);
        QVERIFY(record.open(QIODevice::WriteOnly | QIODevice::Truncate));
        record.write(DatabaseRecordBytes(db.header));
        record.close();
        run = cli({QStringLiteral("check"), file});
        QCOMPARE(run.exitCode, 1);
        QVERIFY(run.out.contains(QStringLiteral("b.tf4: ")));
    }

    void dumpJson()
    {
        const Run run = cli({QStringLiteral("dump"), path(QStringLiteral("budzet.tf4")), QStringLiteral("--json")});
        QCOMPARE(run.exitCode, 0);
        const QJsonObject root = QJsonDocument::fromJson(run.out.toUtf8()).object();
        QCOMPARE(root.value(QStringLiteral("database")).toObject().value(QStringLiteral("owner")).toString(), QStringLiteral("Anna Nowak"));
        QVERIFY(!root.value(QStringLiteral("database")).toObject().contains(QStringLiteral("password")));
        const QJsonArray expenses = root.value(QStringLiteral("period")).toObject().value(QStringLiteral("expenses")).toArray();
        QCOMPARE(expenses.size(), 2);
        QCOMPARE(expenses.at(1).toObject().value(QStringLiteral("amount")).toDouble(), 300.0);
        QCOMPARE(expenses.at(1).toObject().value(QStringLiteral("description")).toString(), QStringLiteral("kurtka"));
        QCOMPARE(cli({QStringLiteral("dump"), path(QStringLiteral("budzet.tf4"))}).exitCode, 2);

        // The figures in JSON too.
        const Run balance = cli({QStringLiteral("balance"), path(QStringLiteral("budzet.tf4")), QStringLiteral("--json")});
        QCOMPARE(balance.exitCode, 0);
        const QJsonObject figures = QJsonDocument::fromJson(balance.out.toUtf8()).object();
        QCOMPARE(figures.value(QStringLiteral("total")).toDouble(), 400.0);
        QCOMPARE(figures.value(QStringLiteral("incomes")).toDouble(), 1250.5);
        QCOMPARE(figures.value(QStringLiteral("groups")).toArray().at(1).toObject().value(QStringLiteral("value")).toString(),
                 QStringLiteral("300,00"));
        const Run info = cli({QStringLiteral("info"), path(QStringLiteral("budzet.tf4")), QStringLiteral("--json")});
        const QJsonArray periods = QJsonDocument::fromJson(info.out.toUtf8()).object().value(QStringLiteral("periods")).toArray();
        QCOMPARE(periods.at(0).toObject().value(QStringLiteral("counts")).toObject().value(QStringLiteral("expenses")).toInt(), 2);
        const Run statement = cli({QStringLiteral("statement"), path(QStringLiteral("budzet.tf4")), QStringLiteral("--day"),
                                   QStringLiteral("31-05-2004"), QStringLiteral("--json")});
        QCOMPARE(QJsonDocument::fromJson(statement.out.toUtf8()).array().size(), 18);
    }

    void badUsageAndProblems_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("exitCode");
        const QString db = m_dir.filePath(QStringLiteral("budzet.tf4"));
        QTest::newRow("no command") << QStringList() << 2;
        QTest::newRow("unknown command") << QStringList({"sing", db}) << 2;
        QTest::newRow("statement without a day") << QStringList({"statement", db}) << 2;
        QTest::newRow("export without a format") << QStringList({"export", db, "--dir", "/tmp"}) << 2;
        QTest::newRow("unknown register") << QStringList({"export", db, "--format", "txt", "--dir", "/tmp", "--registers", "x"}) << 2;
        QTest::newRow("no such period") << QStringList({"info", db, "--period", "7"}) << 2;
        QTest::newRow("no such database") << QStringList({"info", m_dir.filePath(QStringLiteral("brak.tf4"))}) << 1;
    }
    void badUsageAndProblems()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, exitCode);
        const Run run = cli(arguments);
        QCOMPARE(run.exitCode, exitCode);
        QVERIFY(!run.err.isEmpty());
    }

    // A FIFO in place of a period file is refused at once: the command does not wait for a
    // writer that never comes.
    void specialFileInPlaceOfAPeriod()
    {
        QTemporaryDir dir;
        for (const QString &name : QDir(m_dir.path()).entryList({QStringLiteral("budzet.*")}, QDir::Files))
            QVERIFY(QFile::copy(path(name), dir.filePath(name)));
        QVERIFY(QFile::remove(dir.filePath(QStringLiteral("budzet.0"))));
        QCOMPARE(::mkfifo(QFile::encodeName(dir.filePath(QStringLiteral("budzet.0"))).constData(), 0600), 0);
        QElapsedTimer timer;
        timer.start();
        const Run run = cli({QStringLiteral("check"), dir.filePath(QStringLiteral("budzet.tf4"))});
        QVERIFY(timer.elapsed() < 30000);
        QCOMPARE(run.exitCode, 1);
        QVERIFY(run.out.contains(QStringLiteral("budzet.0")) || run.err.contains(QStringLiteral("budzet.0")));
    }

    // A recovery file of unsaved work is mentioned by "info" and "check" (which then ends with
    // 1), and the database is left as it is.
    void pendingRecoveryIsMentioned()
    {
        QTemporaryDir dir;
        for (const QString &name : QDir(m_dir.path()).entryList({QStringLiteral("budzet.*")}, QDir::Files))
            QVERIFY(QFile::copy(path(name), dir.filePath(name)));
        Database db;
        test::LineSink sink;
        QVERIFY(OpenDatabase(db, dir.filePath(QStringLiteral("budzet.tf4")), OpenMode::readOnly, sink));
        QVERIFY(LoadPeriod(db, 0, sink));
        db.reg(RegisterKind::incomes).append(Entry{QStringLiteral("02-05-2004"), 10, 0, QStringLiteral("zwrot")});
        QString reason;
        QVERIFY(WriteRecoveryFile(RecoveryFilePath(db), RecoveryBytes({db, QDateTime::currentDateTimeUtc().addSecs(5)}),
                                  RecordFilePath(db), reason));
        const QByteArray before = test::fileBytes(RecoveryFilePath(db));
        const Run info = cli({QStringLiteral("info"), dir.filePath(QStringLiteral("budzet.tf4"))});
        QCOMPARE(info.exitCode, 0);
        QVERIFY2(info.out.contains(QStringLiteral("Odzyskiwanie:\tniezapisane zmiany z ")), qPrintable(info.out));
        const Run check = cli({QStringLiteral("check"), dir.filePath(QStringLiteral("budzet.tf4"))});
        QCOMPARE(check.exitCode, 1);
        QVERIFY2(check.out.contains(QStringLiteral("budzet.tfr")), qPrintable(check.out));
        QCOMPARE(test::fileBytes(RecoveryFilePath(db)), before);
    }

    // The example writer takes options as options: "--help" prints the usage, an unknown option
    // is refused with it, and neither writes a folder named after the option.
    void exampleWriterOptions()
    {
        QTemporaryDir dir;
        for (const auto &[option, exitCode] : {std::pair{QStringLiteral("--help"), 0}, std::pair{QStringLiteral("-h"), 0},
                                               std::pair{QStringLiteral("--bogus"), 2}}) {
            QProcess process;
            process.setWorkingDirectory(dir.path());
            process.start(QStringLiteral(TRELFIN_EXAMPLE), {option});
            QVERIFY(process.waitForFinished(60000));
            QCOMPARE(process.exitCode(), exitCode);
            const QByteArray said = exitCode == 0 ? process.readAllStandardOutput() : process.readAllStandardError();
            QVERIFY2(said.contains("KATALOG"), said.constData());
            QVERIFY(QDir(dir.path()).isEmpty());
        }
    }

    // A protected database needs its password, given or typed.
    void password()
    {
        QTemporaryDir dir;
        FixedClock clock(QDate(2004, 5, 12));
        test::LineSink sink;
        Database db;
        InitialiseNewDatabase(db, dir.filePath(QStringLiteral("tajna.tf4")), clock);
        db.header.password = QStringLiteral("sekret");
        QVERIFY(SavePeriodFiles(db, 0, clock, sink));
        const QString file = dir.filePath(QStringLiteral("tajna.tf4"));
        QCOMPARE(cli({QStringLiteral("info"), file, QStringLiteral("--password"), QStringLiteral("sekret")}).exitCode, 0);
        const Run wrong = cli({QStringLiteral("info"), file, QStringLiteral("--password"), QStringLiteral("zle")});
        QCOMPARE(wrong.exitCode, 1);
        QVERIFY(wrong.err.contains(QStringLiteral("Podano złe hasło dostępu")));
        QCOMPARE(cli({QStringLiteral("info"), file}, "sekret\n").exitCode, 0);
    }
};

QTEST_GUILESS_MAIN(TestCli)
#include "tst_cli.moc"
