#include "filetestsupport.h"
#include "core/store/clock.h"
#include "core/store/database.h"
#include "core/store/databasefiles.h"
#include "core/store/databaseops.h"
#include "core/store/opendatabase.h"
#include "core/store/recovery.h"
#include "core/store/recoverykeeper.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace trelfin;

namespace {

using Sink = test::LineSink;

Entry entry(const QString &description, double amount)
{
    return Entry{QStringLiteral("05-03-2005"), amount, 1, description};
}

} // namespace

// The recovery file: what it keeps, how it is found at an open, and that it is always whole.
class TestRecovery : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    FixedClock m_clock{QDate(2005, 3, 14)};

    QString folder() const { return m_dir.path() + u'/'; }

    // A saved database "budzet" of two periods, open on period 2, with unsaved changes in every
    // part a save writes.
    void makeChangedDatabase(Database &db)
    {
        QDir(m_dir.path()).removeRecursively();
        QDir().mkpath(m_dir.path());
        Sink sink;
        InitialiseNewDatabase(db, folder() + QStringLiteral("budzet.tf4"), m_clock);
        QVERIFY(SavePeriodFiles(db, 0, m_clock, sink));
        QVERIFY(AppendPeriod(db, m_clock));
        db.header.password = QStringLiteral("tajne");
        QVERIFY(SavePeriodFiles(db, 1, m_clock, sink));
        db.databaseLoaded = true;
        db.reg(RegisterKind::expenses).append(entry(QStringLiteral("chleb żytni"), 4.5));
        db.reg(RegisterKind::bankAccount).append(entry(QStringLiteral("wpłata"), 1000));
        db.header.ownerName = QStringLiteral("Anna Nowak");
        db.shoppingItems[3].setText(QStringLiteral("mleko"));
        db.notes[0].setText(QStringLiteral("zapłacić za gaz"));
        db.modified = true;
    }

    void writeRecovery(const Database &db)
    {
        QString reason;
        QVERIFY2(WriteRecoveryFile(RecoveryFilePath(db), RecoveryBytes({db, QDateTime::currentDateTimeUtc()}), RecordFilePath(db), reason),
                 qPrintable(reason));
    }

    // The database as an open of its files gives it, period 1 current.
    Database opened()
    {
        Database db;
        Sink sink;
        [&] {
            QVERIFY(OpenDatabase(db, folder() + QStringLiteral("budzet.tf4"), OpenMode::readWrite, sink));
            QVERIFY(LoadPeriod(db, 0, sink));
        }();
        db.currentPeriod = 1;
        return db;
    }

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Polish, QLocale::Poland)); }

    // What a save would write comes back whole: record, current period and its number, shopping
    // list, notes; the password is not there in plain text; the file is as closed to others as
    // the record.
    void keepsWhatASaveWouldWrite()
    {
        Database db;
        makeChangedDatabase(db);
        QCOMPARE(::chmod(QFile::encodeName(folder() + QStringLiteral("budzet.tf4")).constData(), 0600), 0);
        writeRecovery(db);
        const QByteArray bytes = test::fileBytes(RecoveryFilePath(db));
        QVERIFY(!bytes.contains("tajne"));
        QVERIFY(!bytes.contains("Anna Nowak"));
        struct stat st {};
        QCOMPARE(::stat(QFile::encodeName(RecoveryFilePath(db)).constData(), &st), 0);
        QCOMPARE(int(st.st_mode & 0777), 0600);

        Database later = opened();
        const FoundRecovery found = FindRecovery(later);
        QCOMPARE(found.finding, RecoveryFinding::offered);
        QVERIFY(ApplyRecovery(later, found.state));
        QVERIFY(later.modified);
        QCOMPARE(later.currentPeriod, 2);
        QCOMPARE(later.header.ownerName, QStringLiteral("Anna Nowak"));
        QCOMPARE(later.header.password, db.header.password);
        for (int r = 0; r < RegisterCount; ++r)
            QCOMPARE(later.registers[r].entries, db.registers[r].entries);
        QCOMPARE(later.shoppingItems[3].text(), QStringLiteral("mleko"));
        QCOMPARE(later.notes[0].text(), QStringLiteral("zapłacić za gaz"));
        QCOMPARE(RecordFilePath(later), RecordFilePath(db));
        QVERIFY(!RecoveryNotice(later).isEmpty());
    }

    // A recovery file older than the last save is stale; one that is damaged in any way, or
    // belongs to another database, is never applied.
    void findings_data()
    {
        QTest::addColumn<QString>("change");
        QTest::addColumn<int>("finding");
        QTest::newRow("as written") << "" << int(RecoveryFinding::offered);
        QTest::newRow("saved since") << "save" << int(RecoveryFinding::stale);
        QTest::newRow("a byte changed") << "flip" << int(RecoveryFinding::damaged);
        QTest::newRow("cut short") << "cut" << int(RecoveryFinding::damaged);
        QTest::newRow("not a recovery file") << "garbage" << int(RecoveryFinding::damaged);
        QTest::newRow("a folder") << "folder" << int(RecoveryFinding::damaged);
        QTest::newRow("another database's") << "other" << int(RecoveryFinding::otherDatabase);
    }
    void findings()
    {
        QFETCH(QString, change);
        QFETCH(int, finding);
        Database db;
        makeChangedDatabase(db);
        writeRecovery(db);
        const QString path = RecoveryFilePath(db);
        QByteArray bytes = test::fileBytes(path);
        if (change == u"save") {
            QTest::qSleep(20);
            Sink sink;
            QVERIFY(SavePeriodFiles(db, 1, m_clock, sink));
        } else if (change == u"flip") {
            bytes[bytes.size() / 2] = char(bytes[bytes.size() / 2] ^ 0x20);
            test::writeFileBytes(path, bytes);
        } else if (change == u"cut") {
            test::writeFileBytes(path, bytes.left(bytes.size() - 100));
        } else if (change == u"garbage") {
            test::writeFileBytes(path, QByteArray(5000, 'x'));
        } else if (change == u"folder") {
            QVERIFY(QFile::remove(path));
            QVERIFY(QDir().mkdir(path));
        } else if (change == u"other") {
            Database other = db;
            other.header.createdDate = QStringLiteral("01.01.1999");
            writeRecovery(other);
        }
        const FoundRecovery found = FindRecovery(opened());
        QCOMPARE(int(found.finding), finding);
        if (finding == int(RecoveryFinding::damaged) || finding == int(RecoveryFinding::otherDatabase))
            QVERIFY(!found.problem.isEmpty());
    }

    // The keeper writes a modified database within about a second, follows later changes, and
    // once the file is removed (a save, "Nie") no write still under way brings it back.
    void keeperFollowsTheChanges()
    {
        Database db;
        makeChangedDatabase(db);
        RecoveryKeeper keeper(db);
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(RecoveryFilePath(db)), 1500);
        keeper.flush();
        db.reg(RegisterKind::incomes).append(entry(QStringLiteral("premia"), 300));
        QTRY_COMPARE_WITH_TIMEOUT(
            [&] {
                Database later = opened();
                const FoundRecovery found = FindRecovery(later);
                return found.finding == RecoveryFinding::offered && ApplyRecovery(later, found.state) ? later.incomeCount() : -1;
            }(),
            1, 1500);
        qInfo("UI-thread part of a recovery write: %lld us", keeper.lastPollNanoseconds() / 1000);
        db.modified = false;
        keeper.removeFile();
        QVERIFY(!QFile::exists(RecoveryFilePath(db)));
        QTest::qWait(700);
        QVERIFY(!QFile::exists(RecoveryFilePath(db)));
        // Suspended, it neither writes nor removes.
        db.modified = true;
        keeper.setSuspended(true);
        QTest::qWait(700);
        QVERIFY(!QFile::exists(RecoveryFilePath(db)));
    }

    // A child keeps a database with its keeper, making a change every 150 ms, and is killed with
    // SIGKILL at a different moment each time. What the open then finds is always whole, and
    // holds every change made at least a second before the kill, in order.
    void survivesAKill_data()
    {
        QTest::addColumn<int>("killAfter");
        for (int ms : {300, 900, 1300, 1750, 2400})
            QTest::addRow("%d ms", ms) << ms;
    }
    void survivesAKill()
    {
        QFETCH(int, killAfter);
        Database db;
        makeChangedDatabase(db);
        int fds[2];
        QCOMPARE(::pipe(fds), 0);
        const pid_t child = fork();
        if (child == 0) {
            ::close(fds[0]);
            RecoveryKeeper keeper(db);
            QElapsedTimer clock;
            clock.start();
            for (int i = 0;; ++i) {
                db.reg(RegisterKind::incomes).append(entry(QStringLiteral("zmiana %1").arg(i), i));
                const qint64 at = clock.elapsed();
                const QByteArray line = QByteArray::number(i) + ' ' + QByteArray::number(at) + '\n';
                (void)!::write(fds[1], line.constData(), size_t(line.size()));
                QTest::qWait(150);
            }
        }
        ::close(fds[1]);
        QElapsedTimer clock;
        clock.start();
        QTest::qSleep(killAfter);
        ::kill(child, SIGKILL);
        const qint64 killedAt = clock.elapsed();
        int status = 0;
        waitpid(child, &status, 0);
        QByteArray said;
        char buffer[4096];
        for (ssize_t n; (n = ::read(fds[0], buffer, sizeof buffer)) > 0;)
            said.append(buffer, n);
        ::close(fds[0]);
        // The changes made a second or more before the kill (the two clocks start within
        // milliseconds of each other; the child's started later).
        int due = 0;
        for (const QByteArray &line : said.split('\n')) {
            const QList<QByteArray> fields = line.split(' ');
            if (fields.size() == 2 && fields.at(1).toLongLong() <= killedAt - 1000)
                due = fields.at(0).toInt() + 1;
        }
        Database later = opened();
        const FoundRecovery found = FindRecovery(later);
        if (due == 0 && found.finding == RecoveryFinding::none)
            return; // killed before the first write was due
        QCOMPARE(found.finding, RecoveryFinding::offered);
        QVERIFY(ApplyRecovery(later, found.state));
        const QVector<Entry> &incomes = later.reg(RegisterKind::incomes).entries;
        QVERIFY2(incomes.size() >= due, qPrintable(QStringLiteral("%1 of %2 changes").arg(incomes.size()).arg(due)));
        for (int i = 0; i < incomes.size(); ++i)
            QCOMPARE(incomes.at(i).description, QStringLiteral("zmiana %1").arg(i));
    }
};

QTEST_GUILESS_MAIN(TestRecovery)
#include "tst_recovery.moc"
