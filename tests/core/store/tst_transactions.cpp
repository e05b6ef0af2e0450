#include "filetestsupport.h"
#include "database2000.h"
#include "core/store/clock.h"
#include "core/store/database.h"
#include "core/store/databasefiles.h"
#include "core/store/databaselock.h"
#include "core/store/databaseops.h"
#include "core/store/fileoperations.h"
#include "core/store/filetransaction.h"
#include "core/store/filewriter.h"
#include "core/store/olderformats.h"
#include "core/store/opendatabase.h"
#include "core/store/recovery.h"
#include "core/store/messagesink.h"
#include "core/store/sidefiles.h"

#include <QDir>
#include <QFile>
#include <QMap>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <algorithm>
#include <csignal>
#include <functional>

#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace trelfin;

namespace {

using Sink = test::LineSink;

// Counts every file step and, at step `stopAt`, fails it, or ends the process there as a kill
// would (no clean-up runs).
class StoppingFileOperations : public FileOperations
{
public:
    enum class Mode { fail, kill };
    int stopAt = 0; // 0: never
    Mode mode = Mode::fail;
    int steps = 0;

    bool writeNew(const QString &path, const QByteArray &bytes, int mode, QString &reason) override
    {
        return step(reason) && FileOperations::writeNew(path, bytes, mode, reason);
    }
    bool link(const QString &from, const QString &to, QString &reason) override
    {
        return step(reason) && FileOperations::link(from, to, reason);
    }
    bool rename(const QString &from, const QString &to, QString &reason) override
    {
        return step(reason) && FileOperations::rename(from, to, reason);
    }
    bool remove(const QString &path, QString &reason) override
    {
        return step(reason) && FileOperations::remove(path, reason);
    }
    bool syncFolder(const QString &folder, QString &reason) override
    {
        return step(reason) && FileOperations::syncFolder(folder, reason);
    }

private:
    bool step(QString &reason)
    {
        if (++steps != stopAt)
            return true;
        if (mode == Mode::kill)
            ::_exit(0);
        reason = QStringLiteral("injected failure");
        return false;
    }
};

Entry entry(const char *date, double amount, int group, const char *description)
{
    return Entry{QString::fromLatin1(date), amount, static_cast<std::uint8_t>(group), QString::fromUtf8(description)};
}

// The bytes of every file in the folder, backups ("~") and the lock file left out.
QMap<QString, QByteArray> contents(const QString &folder)
{
    QMap<QString, QByteArray> files;
    const QStringList names = QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::System);
    for (const QString &name : names) {
        if (name.endsWith(u'~') || name.endsWith(QStringLiteral(".tfl")))
            continue;
        QFile file(QDir(folder).filePath(name));
        file.open(QIODevice::ReadOnly);
        files.insert(name, file.readAll());
    }
    return files;
}

QString describe(const QMap<QString, QByteArray> &files)
{
    QStringList names;
    for (auto it = files.begin(); it != files.end(); ++it)
        names.append(QStringLiteral("%1(%2)").arg(it.key()).arg(it.value().size()));
    return names.join(u' ');
}

} // namespace

// Every operation that writes several files of a database, stopped at each of its file steps in
// turn, by a failure or by the end of the process: the next open finds the complete old database
// or the complete new one, and no stray file.
class TestTransactions : public QObject
{
    Q_OBJECT

    using Operation = std::function<void(Database &, Sink &)>;

    QTemporaryDir m_dir;
    FixedClock m_clock{QDate(2005, 3, 14)};
    // The name of the database createDatabase makes; "budzet" unless a test says otherwise.
    QString m_name = QStringLiteral("budzet");

    QString folder() const { return m_dir.path() + u'/'; }

    // A database "budzet" of three periods in a fresh folder, opened on period 2.
    void createDatabase(Database &db, Sink &sink)
    {
        QDir(m_dir.path()).removeRecursively();
        QDir().mkpath(m_dir.path());
        InitialiseNewDatabase(db, folder() + m_name + QStringLiteral(".tf4"), m_clock);
        for (int p = 1; p <= 3; ++p) {
            if (p > 1)
                AppendPeriod(db, m_clock);
            db.reg(RegisterKind::expenses).append(entry("01-03-2005", 10.0 * p, p, "chleb"));
            db.reg(RegisterKind::bankAccount).append(entry("02-03-2005", 100.0 * p, 1, "wpłata"));
            QVERIFY(SavePeriodFiles(db, p - 1, m_clock, sink));
        }
        db.currentPeriod = 2;
        QVERIFY(LoadPeriod(db, 1, sink));
        db.shoppingItems[0].setText(QStringLiteral("mleko"));
        db.notes[0].setText(QStringLiteral("rachunek"));
    }

    // Runs `operation` on a fresh database (made ready by `setUp`) with the file steps stopped at
    // `stopAt` (0: never) and returns how many steps it took.
    int run(const Operation &setUp, const Operation &operation, int stopAt, StoppingFileOperations::Mode mode)
    {
        Database db;
        Sink sink;
        createDatabase(db, sink);
        if (setUp)
            setUp(db, sink);
        StoppingFileOperations files;
        files.stopAt = stopAt;
        files.mode = mode;
        if (mode == StoppingFileOperations::Mode::kill) {
            const pid_t child = fork();
            if (child == 0) {
                FileOperations::Override use(files);
                operation(db, sink);
                ::_exit(0);
            }
            int status = 0;
            waitpid(child, &status, 0);
            return 0;
        }
        FileOperations::Override use(files);
        operation(db, sink);
        return files.steps;
    }

    // The operation stopped at each of its steps in turn, by a failure and by a kill. A killed
    // operation leaves the whole old or the whole new database. A failed one may also have
    // written a side file (shopping list, notes) and not the rest, or the rest and not a side
    // file, since a side file that cannot be written does not stop a save; the record and the
    // period files are still all old or all new.
    void checkEveryStop(const Operation &operation, const QStringList &names, const Operation &setUp = {})
    {
        Database db;
        Sink sink;
        createDatabase(db, sink);
        if (setUp)
            setUp(db, sink);
        const QMap<QString, QByteArray> before = contents(m_dir.path());
        const int steps = run(setUp, operation, 0, StoppingFileOperations::Mode::fail);
        const QMap<QString, QByteArray> after = contents(m_dir.path());
        QVERIFY(steps > 2);
        QVERIFY(before != after);
        const auto withoutSideFiles = [](QMap<QString, QByteArray> files) {
            files.removeIf([](const auto &it) { return it.key().endsWith(".tlz") || it.key().endsWith(".tnt"); });
            return files;
        };

        for (auto mode : {StoppingFileOperations::Mode::fail, StoppingFileOperations::Mode::kill}) {
            for (int stopAt = 1; stopAt <= steps; ++stopAt) {
                run(setUp, operation, stopAt, mode);
                Sink openSink;
                for (const QString &name : names)
                    QVERIFY(FileTransaction::completePending(folder(), name, openSink));
                const QMap<QString, QByteArray> now = contents(m_dir.path());
                const QString where = QStringLiteral("%1 at step %2 of %3: %4")
                                          .arg(mode == StoppingFileOperations::Mode::kill ? "killed" : "failed")
                                          .arg(stopAt)
                                          .arg(steps)
                                          .arg(describe(now));
                if (mode == StoppingFileOperations::Mode::kill) {
                    QVERIFY2(now == before || now == after, qPrintable(where));
                    continue;
                }
                const auto core = withoutSideFiles(now);
                QVERIFY2(core == withoutSideFiles(before) || core == withoutSideFiles(after), qPrintable(where));
                // Every file is as it was or as it became; a stray file is neither.
                for (auto it = now.begin(); it != now.end(); ++it) {
                    const bool known = (before.contains(it.key()) && it.value() == before.value(it.key()))
                        || (after.contains(it.key()) && it.value() == after.value(it.key()));
                    QVERIFY2(known, qPrintable(where));
                }
            }
        }
        qInfo("%d file steps, each stopped by a failure and by a kill", steps);
    }

private slots:
    void init() { m_name = QStringLiteral("budzet"); }

    void initTestCase()
    {
        QLocale::setDefault(QLocale(QLocale::Polish, QLocale::Poland));
        QVERIFY(m_dir.isValid());
    }

    void savePeriod()
    {
        checkEveryStop([this](Database &db, Sink &sink) {
            db.reg(RegisterKind::incomes).append(entry("05-03-2005", 1250.5, 0, "pensja"));
            db.header.ownerName = QStringLiteral("Anna");
            SavePeriodFiles(db, db.currentPeriod - 1, m_clock, sink);
        }, {QStringLiteral("budzet")});
    }

    // A save that remembers imported rows writes "<name>.tfi" in the same step as the period:
    // stopped anywhere, both are old or both are new.
    void saveWithImportedRows()
    {
        checkEveryStop([this](Database &db, Sink &sink) {
            db.reg(RegisterKind::bankAccount).append(entry("05-03-2005", 2000, 1, "FIRMA pensja"));
            db.importedSinceSave.insert(QStringLiteral("ref:MT940:R1"), db.reg(RegisterKind::bankAccount).entries.last());
            SavePeriodFiles(db, db.currentPeriod - 1, m_clock, sink);
        }, {QStringLiteral("budzet")});
    }

    void addPeriod()
    {
        checkEveryStop([this](Database &db, Sink &sink) {
            AppendPeriod(db, m_clock);
            SavePeriodFiles(db, db.currentPeriod - 1, m_clock, sink);
        }, {QStringLiteral("budzet")});
    }

    void removePeriod()
    {
        checkEveryStop([](Database &db, Sink &sink) { RemovePeriod(db, 1, sink); }, {QStringLiteral("budzet")});
    }

    // After "Usuń okres" every backup is a file of its own, and restoring as the README says
    // (each "~" copied with cp over the name without it), in either order, brings back the
    // database exactly as it was.
    void restoreAfterRemovingAPeriod_data()
    {
        QTest::addColumn<bool>("reverse");
        QTest::newRow("in name order") << false;
        QTest::newRow("in reverse order") << true;
    }
    void restoreAfterRemovingAPeriod()
    {
        QFETCH(bool, reverse);
        Database db;
        Sink sink;
        createDatabase(db, sink);
        const QMap<QString, QByteArray> before = contents(m_dir.path());
        QVERIFY(RemovePeriod(db, 1, sink));
        const QStringList all = QDir(m_dir.path()).entryList({QStringLiteral("*~")}, QDir::Files);
        for (const QString &name : all) {
            struct stat st {};
            QCOMPARE(::stat(QFile::encodeName(folder() + name).constData(), &st), 0);
            QVERIFY2(st.st_nlink == 1, qPrintable(name));
        }
        // The backups this removal made: the record's and the three period files'.
        QStringList backups = {QStringLiteral("budzet.0~"), QStringLiteral("budzet.1~"), QStringLiteral("budzet.2~"),
                               QStringLiteral("budzet.tf4~")};
        for (const QString &name : std::as_const(backups))
            QVERIFY2(all.contains(name), qPrintable(name));
        if (reverse)
            std::reverse(backups.begin(), backups.end());
        for (const QString &name : std::as_const(backups))
            QCOMPARE(QProcess::execute(QStringLiteral("cp"), {folder() + name, folder() + name.chopped(1)}), 0);
        QCOMPARE(contents(m_dir.path()), before);
    }

    // A save keeps the permissions of every file it replaces and of their backups, and a file
    // written anew (a new period, a missing side file) takes the record's: a database closed to
    // others stays closed. 0660 is wider than the usual umask lets a new file be.
    void permissionsAreKept_data()
    {
        QTest::addColumn<int>("mode");
        QTest::newRow("0600") << 0600;
        QTest::newRow("0640") << 0640;
        QTest::newRow("0660") << 0660;
    }
    void permissionsAreKept()
    {
        QFETCH(int, mode);
        Database db;
        Sink sink;
        createDatabase(db, sink);
        const mode_t umaskBefore = ::umask(022);
        const auto restoreUmask = qScopeGuard([umaskBefore] { ::umask(umaskBefore); });
        const QDir dir(m_dir.path());
        for (const QString &name : dir.entryList(QDir::Files))
            QCOMPARE(::chmod(QFile::encodeName(dir.filePath(name)).constData(), mode_t(mode)), 0);
        QVERIFY(QFile::remove(folder() + QStringLiteral("budzet.tnt")));
        db.reg(RegisterKind::incomes).append(entry("05-03-2005", 1, 0, "pensja"));
        db.modified = true;
        QVERIFY(SavePeriodFiles(db, db.currentPeriod - 1, m_clock, sink));
        AppendPeriod(db, m_clock); // budzet.3, a file written anew
        QVERIFY(SavePeriodFiles(db, db.currentPeriod - 1, m_clock, sink));
        QVERIFY(RemovePeriod(db, 1, sink)); // copies, and budzet.3 goes to budzet.3~
        const auto modeOf = [this](const char *name) {
            struct stat st {};
            return ::stat(QFile::encodeName(folder() + QString::fromLatin1(name)).constData(), &st) == 0
                ? int(st.st_mode & 0777)
                : -1;
        };
        for (const char *name : {"budzet.tf4", "budzet.tf4~", "budzet.0", "budzet.1", "budzet.2", "budzet.3~",
                                 "budzet.tlz", "budzet.tlz~", "budzet.tnt"})
            QVERIFY2(modeOf(name) == mode, qPrintable(QStringLiteral("%1: %2").arg(QString::fromLatin1(name)).arg(modeOf(name), 0, 8)));
    }

    // A recovery write stopped at any of its steps, by a failure or a kill, leaves the previous
    // recovery file or the new one, whole: never a file that cannot be read.
    void recoveryWriteStoppedAtEveryStep()
    {
        const auto writeWithIncomes = [](Database &db, int count) {
            db.databaseLoaded = true;
            db.reg(RegisterKind::incomes).entries.clear();
            for (int i = 0; i < count; ++i)
                db.reg(RegisterKind::incomes).append(entry("05-03-2005", i + 1, 0, "pensja"));
            QString reason;
            WriteRecoveryFile(RecoveryFilePath(db), RecoveryBytes({db, QDateTime::currentDateTimeUtc()}), RecordFilePath(db), reason);
        };
        const Operation first = [&](Database &db, Sink &) { writeWithIncomes(db, 1); };
        const Operation second = [&](Database &db, Sink &) { writeWithIncomes(db, 2); };
        const int steps = run(first, second, 0, StoppingFileOperations::Mode::fail);
        QVERIFY(steps >= 3);
        for (auto mode : {StoppingFileOperations::Mode::fail, StoppingFileOperations::Mode::kill}) {
            for (int stopAt = 1; stopAt <= steps; ++stopAt) {
                run(first, second, stopAt, mode);
                Database db;
                Sink sink;
                QVERIFY(OpenDatabase(db, folder() + QStringLiteral("budzet.tf4"), OpenMode::readOnly, sink));
                const FoundRecovery found = FindRecovery(db);
                QCOMPARE(found.finding, RecoveryFinding::offered);
                QVERIFY(ApplyRecovery(db, found.state));
                QVERIFY2(db.incomeCount() == 1 || db.incomeCount() == 2, qPrintable(QString::number(db.incomeCount())));
            }
        }
    }

    // A new database written over an existing one of that name (OK in the options window after
    // "Nowy") takes its place whole or not at all.
    void newDatabaseOverAnExistingOne()
    {
        checkEveryStop([this](Database &db, Sink &sink) {
            InitialiseNewDatabase(db, folder() + QStringLiteral("budzet.tf4"), m_clock);
            AppendPeriod(db, m_clock);
            WriteNewDatabase(db, m_clock, sink);
        }, {QStringLiteral("budzet")});
    }

    void deleteDatabase()
    {
        checkEveryStop([](Database &db, Sink &sink) { DeleteDatabaseFiles(db, sink); }, {QStringLiteral("budzet")});
    }

    // Saved onto the name of a larger database: the copy replaces it whole.
    void saveAsOverAnotherDatabase()
    {
        // "kopia" has five periods and its own side files before the copy.
        const Operation otherDatabase = [this](Database &, Sink &) {
            Database other;
            Sink otherSink;
            InitialiseNewDatabase(other, folder() + QStringLiteral("kopia.tf4"), m_clock);
            for (int p = 1; p <= 5; ++p) {
                if (p > 1)
                    AppendPeriod(other, m_clock);
                other.reg(RegisterKind::incomes).append(entry("03-03-2005", p, 0, "stare"));
                SavePeriodFiles(other, p - 1, m_clock, otherSink);
            }
        };
        const Operation copy = [this](Database &db, Sink &sink) {
            CopyDatabase(db, folder() + QStringLiteral("kopia.tf4"), m_clock, sink);
        };
        Database db;
        Sink sink;
        createDatabase(db, sink);
        otherDatabase(db, sink);
        QVERIFY(QFile::exists(folder() + QStringLiteral("kopia.4")));
        copy(db, sink);
        const QMap<QString, QByteArray> after = contents(m_dir.path());
        QVERIFY(!after.contains(QStringLiteral("kopia.3")));
        QVERIFY(!after.contains(QStringLiteral("kopia.4")));
        QVERIFY(after.contains(QStringLiteral("kopia.2")));
        QCOMPARE(after.value(QStringLiteral("kopia.0")), after.value(QStringLiteral("budzet.0")));
        checkEveryStop(copy, {QStringLiteral("budzet"), QStringLiteral("kopia")}, otherDatabase);
    }

    // The import of a 2000-version database rewrites every period file, the record and the side
    // files, and removes the ".tfc".
    // A save killed after its intent file was written leaves a database that is neither the old
    // state nor the new one until an open completes it. The read-only open (trelfin-cli) refuses
    // it and changes nothing, the check names the pending save, and the program's open completes
    // it to the new state.
    void readOnlyOpenRefusesAPendingSave()
    {
        const Operation save = [this](Database &db, Sink &sink) {
            db.reg(RegisterKind::incomes).append(entry("05-03-2005", 1250.5, 0, "pensja"));
            SavePeriodFiles(db, db.currentPeriod - 1, m_clock, sink);
        };
        const int steps = run({}, save, 0, StoppingFileOperations::Mode::fail);
        const QString intent = FileTransaction::intentPath(folder(), QStringLiteral("budzet"));
        const QString database = folder() + QStringLiteral("budzet.tf4");
        int stop = 1;
        for (; stop <= steps; ++stop) {
            run({}, save, stop, StoppingFileOperations::Mode::kill);
            if (QFile::exists(intent))
                break;
        }
        QVERIFY2(stop <= steps, "no step of a save leaves its intent file behind");
        const QMap<QString, QByteArray> pending = contents(m_dir.path());

        Database reader;
        Sink sink;
        QVERIFY(!OpenDatabase(reader, database, OpenMode::readOnly, sink));
        QVERIFY(sink.messages.join(u'\n').contains(QStringLiteral("niedokończony zapis bazy (plik budzet.tfx)")));
        QCOMPARE(contents(m_dir.path()), pending);
        const QList<DatabaseProblem> problems = CheckDatabase(database);
        QVERIFY(!problems.isEmpty());
        QCOMPARE(problems.first().file, intent);

        QProcess cli;
        cli.start(QStringLiteral(TRELFIN_CLI), {QStringLiteral("info"), database});
        QVERIFY(cli.waitForFinished(60000));
        QCOMPARE(cli.exitCode(), 1);
        QVERIFY(QString::fromUtf8(cli.readAllStandardError()).contains(QStringLiteral("niedokończony zapis bazy")));
        cli.start(QStringLiteral(TRELFIN_CLI), {QStringLiteral("check"), database});
        QVERIFY(cli.waitForFinished(60000));
        QCOMPARE(cli.exitCode(), 1);
        QVERIFY(QString::fromUtf8(cli.readAllStandardOutput()).contains(QStringLiteral("budzet.tfx")));
        QCOMPARE(contents(m_dir.path()), pending);

        Database program;
        QVERIFY(OpenDatabase(program, database, OpenMode::readWrite, sink));
        QVERIFY(!QFile::exists(intent));
        QVERIFY(LoadPeriod(program, 1, sink));
        QCOMPARE(program.reg(RegisterKind::incomes).count(), 1);
        QVERIFY(CheckDatabase(database).isEmpty());
    }

    void importDatabase2000()
    {
        const Operation oldDatabase = [this](Database &, Sink &) {
            test::writeDatabase2000(m_dir.path(), QStringLiteral("stara"));
        };
        const Operation import = [this](Database &, Sink &sink) {
            Database db;
            SplitDatabasePath(db, folder() + QStringLiteral("stara.tfc"));
            if (ReadDatabaseRecord(db, sink))
                ConvertDatabase2000(db, m_clock, sink);
        };
        checkEveryStop(import, {QStringLiteral("budzet"), QStringLiteral("stara")}, oldDatabase);
    }

    // Whatever step a removal of a period fails at, the record in memory is the one the next open
    // reads: past the commit point the new state holds, before it the old one.
    void memoryFollowsTheDisk()
    {
        int steps = 0;
        {
            Database db;
            Sink sink;
            createDatabase(db, sink);
            StoppingFileOperations counter;
            FileOperations::Override use(counter);
            RemovePeriod(db, 1, sink);
            steps = counter.steps;
        }
        for (int stopAt = 1; stopAt <= steps; ++stopAt) {
            Database db;
            Sink sink;
            createDatabase(db, sink);
            StoppingFileOperations files;
            files.stopAt = stopAt;
            {
                FileOperations::Override use(files);
                RemovePeriod(db, 1, sink);
            }
            QVERIFY(FileTransaction::completePending(folder(), QStringLiteral("budzet"), sink));
            Database reopened;
            SplitDatabasePath(reopened, folder() + QStringLiteral("budzet.tf4"));
            QVERIFY(ReadDatabaseRecord(reopened, sink));
            QVERIFY2(reopened.header == db.header, qPrintable(QStringLiteral("stopped at step %1").arg(stopAt)));
        }
    }

    // A name holding a backslash (an ordinary character here) saves like any other.
    void backslashInTheName()
    {
        Database db;
        Sink sink;
        createDatabase(db, sink);
        InitialiseNewDatabase(db, folder() + QStringLiteral("a\\b.tf4"), m_clock);
        for (int i = 0; i < 2; ++i)
            QVERIFY2(SavePeriodFiles(db, 0, m_clock, sink), qPrintable(sink.messages.join(u'\n')));
        QVERIFY(QFile::exists(folder() + QStringLiteral("a\\b.tf4")));
        QVERIFY(QFile::exists(folder() + QStringLiteral("a\\b.0")));
    }

    // An intent file that cannot be read, or is damaged, may hold a commit half done: the open
    // refuses with a message naming it, at once (nothing waits for a writer that never comes),
    // and the intent and the temporary files it may name stay for the user to decide.
    void unreadableIntent_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::newRow("folder") << "folder";
        QTest::newRow("FIFO") << "fifo";
        QTest::newRow("damaged") << "damaged";
    }
    void unreadableIntent()
    {
        QFETCH(QString, kind);
        Database db;
        Sink sink;
        createDatabase(db, sink);
        const QString intent = FileTransaction::intentPath(folder(), QStringLiteral("budzet"));
        const QString temporary = FileTransaction::temporaryPath(folder(), QStringLiteral("budzet"));
        if (kind == u"fifo") {
            QCOMPARE(::mkfifo(QFile::encodeName(intent).constData(), 0600), 0);
        } else if (kind == u"folder") {
            QVERIFY(QDir().mkdir(intent));
        } else {
            test::writeFileBytes(intent, "trelfin-intent 2\nP\t" + QFileInfo(temporary).fileName().toUtf8() + "\tbudzet.0\n");
            test::writeFileBytes(temporary, "nowy okres");
        }
        ::alarm(20); // a hang ends the test instead of waiting for the time limit
        QVERIFY(!FileTransaction::completePending(folder(), QStringLiteral("budzet"), sink));
        Database opened;
        QVERIFY(!OpenDatabase(opened, folder() + QStringLiteral("budzet.tf4"), OpenMode::readWrite, sink));
        ::alarm(0);
        QCOMPARE(sink.messages.size(), 2);
        QVERIFY2(sink.messages.first().contains(QStringLiteral("budzet.tfx")), qPrintable(sink.messages.first()));
        QVERIFY(QFileInfo(intent).exists());
        if (kind == u"damaged")
            QVERIFY(QFileInfo::exists(temporary));
        if (kind == u"folder")
            QVERIFY(QDir().rmdir(intent));
        else
            QVERIFY(QFile::remove(intent));
    }

    // A database file that is a symbolic link stays one through a save: the new content replaces
    // the file the link points to, the backup stays beside the database's own name, and no
    // temporary file is left in either folder.
    void symbolicLinksStayLinks_data()
    {
        QTest::addColumn<bool>("absolute");
        QTest::newRow("relative link") << false;
        QTest::newRow("absolute link") << true;
    }
    void symbolicLinksStayLinks()
    {
        QFETCH(bool, absolute);
        Database db;
        Sink sink;
        createDatabase(db, sink);
        QVERIFY(QDir(m_dir.path()).mkdir(QStringLiteral("gdzie")));
        const QString elsewhere = folder() + QStringLiteral("gdzie/");
        const QByteArray oldRecord = test::fileBytes(folder() + QStringLiteral("budzet.tf4"));
        for (const char *name : {"budzet.tf4", "budzet.1"}) {
            const QString file = QString::fromLatin1(name);
            QVERIFY(QFile::rename(folder() + file, elsewhere + file));
            const QString target = absolute ? elsewhere + file : QStringLiteral("gdzie/") + file;
            QCOMPARE(::symlink(QFile::encodeName(target).constData(), QFile::encodeName(folder() + file).constData()), 0);
        }
        db.reg(RegisterKind::incomes).append(entry("05-03-2005", 1250.5, 0, "pensja"));
        db.modified = true;
        QVERIFY(SavePeriodFiles(db, 1, m_clock, sink));
        for (const char *name : {"budzet.tf4", "budzet.1"}) {
            QVERIFY2(QFileInfo(folder() + QString::fromLatin1(name)).isSymLink(), name);
            QVERIFY2(QFileInfo(elsewhere + QString::fromLatin1(name)).isFile(), name);
        }
        QCOMPARE(test::fileBytes(folder() + QStringLiteral("budzet.tf4~")), oldRecord);
        Database again;
        QVERIFY(OpenDatabase(again, folder() + QStringLiteral("budzet.tf4"), OpenMode::readWrite, sink));
        QVERIFY(LoadPeriod(again, 1, sink));
        QCOMPARE(again.incomeCount(), 1);
        for (const QString &where : {folder(), elsewhere})
            QVERIFY(QDir(where).entryList({QStringLiteral(".tf-*.tmp")}, QDir::Files | QDir::Hidden).isEmpty());
    }

    // A save onto linked files stopped at any step leaves the old or the new database.
    void linkedSaveStoppedAtEveryStep()
    {
        const Operation linkRecordAndPeriod = [this](Database &, Sink &) {
            QVERIFY(QDir(m_dir.path()).mkdir(QStringLiteral("gdzie")));
            for (const char *name : {"budzet.tf4", "budzet.1"}) {
                const QString file = QString::fromLatin1(name);
                QVERIFY(QFile::rename(folder() + file, folder() + QStringLiteral("gdzie/") + file));
                QCOMPARE(::symlink(QFile::encodeName(QStringLiteral("gdzie/") + file).constData(),
                                   QFile::encodeName(folder() + file).constData()),
                         0);
            }
        };
        checkEveryStop([this](Database &db, Sink &sink) {
            db.reg(RegisterKind::incomes).append(entry("05-03-2005", 1250.5, 0, "pensja"));
            SavePeriodFiles(db, 1, m_clock, sink);
        }, {QStringLiteral("budzet")}, linkRecordAndPeriod);
    }

    // Names with tabs, line breaks or "%" in them are written into the intent so that it reads
    // back whole: a save stopped at any step leaves the old or the new database.
    void awkwardNames_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("tab") << QStringLiteral("a\tb");
        QTest::newRow("line break") << QStringLiteral("a\nb");
        QTest::newRow("carriage return") << QStringLiteral("a\rb");
        QTest::newRow("percent") << QStringLiteral("100%");
    }
    void awkwardNames()
    {
        QFETCH(QString, name);
        m_name = name;
        checkEveryStop([this](Database &db, Sink &sink) {
            db.reg(RegisterKind::incomes).append(entry("05-03-2005", 1250.5, 0, "pensja"));
            SavePeriodFiles(db, db.currentPeriod - 1, m_clock, sink);
        }, {name});
    }

    // A deletion stopped past its commit point is finished by the next open, which says so and
    // opens nothing; once the files have changed (restored from an older copy) its intent no
    // longer applies: it is set aside with a message and the restored database opens.
    void interruptedDeletion_data()
    {
        QTest::addColumn<bool>("restored");
        QTest::newRow("finished") << false;
        QTest::newRow("restored from a copy") << true;
    }
    void interruptedDeletion()
    {
        QFETCH(bool, restored);
        QMap<QString, QByteArray> copy; // the folder one save earlier: what a person restores
        const Operation saveAfterCopy = [this, &copy](Database &db, Sink &sink) {
            copy = contents(m_dir.path());
            db.reg(RegisterKind::incomes).append(entry("05-03-2005", 1, 0, "po kopii"));
            QVERIFY(SavePeriodFiles(db, db.currentPeriod - 1, m_clock, sink));
        };
        const Operation remove = [](Database &db, Sink &sink) { DeleteDatabaseFiles(db, sink); };
        const int steps = run(saveAfterCopy, remove, 0, StoppingFileOperations::Mode::fail);
        const QString intent = FileTransaction::intentPath(folder(), QStringLiteral("budzet"));
        int checked = 0;
        for (int stop = 1; stop <= steps; ++stop) {
            run(saveAfterCopy, remove, stop, StoppingFileOperations::Mode::kill);
            if (!QFile::exists(intent))
                continue;
            if (restored) {
                for (auto it = copy.cbegin(); it != copy.cend(); ++it)
                    test::writeFileBytes(folder() + it.key(), it.value());
            }
            Database db;
            Sink sink;
            QCOMPARE(OpenDatabase(db, folder() + QStringLiteral("budzet.tf4"), OpenMode::readWrite, sink), restored);
            QVERIFY(!QFile::exists(intent));
            const QString said = sink.messages.join(u'\n');
            if (restored) {
                QCOMPARE(contents(m_dir.path()), copy);
                QVERIFY2(said.contains(QStringLiteral("Pominięto niedokończony zapis bazy")), qPrintable(said));
            } else {
                QVERIFY(!QFile::exists(folder() + QStringLiteral("budzet.0")));
                QVERIFY2(said.contains(QStringLiteral("Dokończono przerwane usuwanie bazy")), qPrintable(said));
            }
            ++checked;
        }
        QVERIFY(checked > 0);
    }

    // A FIFO or a folder in place of a period file or a side file does not hang the open: the
    // period is refused with a message and a side file is kept as it is.
    void specialFilesInPlaceOfDatabaseFiles()
    {
        Database db;
        Sink sink;
        createDatabase(db, sink);
        const QString period = folder() + QStringLiteral("budzet.1");
        const QString list = folder() + QStringLiteral("budzet.tlz");
        QVERIFY(QFile::remove(period));
        QVERIFY(QFile::remove(list));
        QCOMPARE(::mkfifo(QFile::encodeName(period).constData(), 0600), 0);
        QCOMPARE(::mkfifo(QFile::encodeName(list).constData(), 0600), 0);
        ::alarm(20);
        Database opened;
        sink.messages.clear();
        QVERIFY(OpenDatabase(opened, folder() + QStringLiteral("budzet.tf4"), OpenMode::readWrite, sink));
        QVERIFY(!opened.oldFormatPending);
        QVERIFY(opened.shoppingListKept);
        QVERIFY(!LoadPeriod(opened, 1, sink));
        ::alarm(0);
        QVERIFY(sink.messages.join(u'\n').contains(QStringLiteral("budzet.tlz")));
        QVERIFY(QFileInfo(list).exists() && !QFileInfo(list).isFile());
    }

    // A replaced file keeps its previous content as "<file>~"; a long name saves again and again.
    void backupsAndLongNames()
    {
        Database db;
        Sink sink;
        createDatabase(db, sink);
        QFile record(folder() + QStringLiteral("budzet.tf4"));
        QVERIFY(record.open(QIODevice::ReadOnly));
        const QByteArray previous = record.readAll();
        record.close();
        db.header.ownerName = QStringLiteral("Anna");
        QVERIFY(SavePeriodFiles(db, 1, m_clock, sink));
        QFile backup(folder() + QStringLiteral("budzet.tf4~"));
        QVERIFY(backup.open(QIODevice::ReadOnly));
        QCOMPARE(backup.readAll(), previous);

        const QString longName = QString(240, u'b');
        InitialiseNewDatabase(db, folder() + longName + QStringLiteral(".tf4"), m_clock);
        for (int i = 0; i < 3; ++i)
            QVERIFY2(SavePeriodFiles(db, 0, m_clock, sink), qPrintable(sink.messages.join(u'\n')));
        QVERIFY(QFile::exists(folder() + longName + QStringLiteral(".0")));
    }

    // Leftovers of a stopped write are removed at the next open; another database's stay.
    void leftoverTemporaryFiles()
    {
        Database db;
        Sink sink;
        createDatabase(db, sink);
        const QString mine = FileTransaction::temporaryPath(folder(), QStringLiteral("budzet"));
        const QString theirs = FileTransaction::temporaryPath(folder(), QStringLiteral("inna"));
        for (const QString &path : {mine, theirs}) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write("resztki");
        }
        QVERIFY(FileTransaction::completePending(folder(), QStringLiteral("budzet"), sink));
        QVERIFY(!QFile::exists(mine));
        QVERIFY(QFile::exists(theirs));
    }

    // A save flushes what it wrote and then the folder whose names it changed; a flush that fails
    // fails the save.
    void flushesBeforeReportingSuccess()
    {
        class Recording : public FileOperations
        {
        public:
            QStringList calls;
            bool failWrites = false;
            bool writeNew(const QString &path, const QByteArray &bytes, int mode, QString &reason) override
            {
                calls.append(QStringLiteral("write"));
                if (failWrites) {
                    reason = QStringLiteral("Input/output error");
                    return false;
                }
                return FileOperations::writeNew(path, bytes, mode, reason);
            }
            bool rename(const QString &from, const QString &to, QString &reason) override
            {
                calls.append(QStringLiteral("rename"));
                return FileOperations::rename(from, to, reason);
            }
            bool syncFolder(const QString &folder, QString &reason) override
            {
                calls.append(QStringLiteral("sync"));
                return FileOperations::syncFolder(folder, reason);
            }
        };
        Database db;
        Sink sink;
        createDatabase(db, sink);
        Recording files;
        FileOperations::Override use(files);
        QVERIFY(SavePeriodFiles(db, 1, m_clock, sink));
        QVERIFY(files.calls.lastIndexOf(QStringLiteral("sync")) > files.calls.lastIndexOf(QStringLiteral("rename")));

        files.failWrites = true;
        sink.messages.clear();
        QVERIFY(!SavePeriodFiles(db, 1, m_clock, sink));
        QVERIFY(!sink.messages.isEmpty());
        QVERIFY(sink.messages.last().endsWith(QStringLiteral("|Input/output error")));
    }

    // Past the system's file-size limit a save fails and says so; the program goes on.
    void fileSizeLimit()
    {
        Database db;
        Sink sink;
        createDatabase(db, sink);
        const pid_t child = fork();
        if (child == 0) {
            IgnoreFileSizeLimitSignal();
            rlimit limit{};
            getrlimit(RLIMIT_FSIZE, &limit);
            limit.rlim_cur = 4000;
            setrlimit(RLIMIT_FSIZE, &limit);
            Sink childSink;
            db.modified = true;
            const bool saved = SavePeriodFiles(db, 1, m_clock, childSink);
            ::_exit(!saved && !childSink.messages.isEmpty() ? 7 : 1);
        }
        int status = 0;
        waitpid(child, &status, 0);
        QVERIFY2(WIFEXITED(status), "the program was ended by a signal");
        QCOMPARE(WEXITSTATUS(status), 7);
    }

    // A side file that exists but cannot be read keeps its bytes: nothing writes it.
    void unreadableSideFileIsKept()
    {
        Database db;
        Sink sink;
        createDatabase(db, sink);
        const QString notes = folder() + QStringLiteral("budzet.tnt");
        QFile file(notes);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray shortened = file.readAll().chopped(1);
        file.close();
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(shortened);
        file.close();

        QVERIFY(!ReadNotes(db));
        QVERIFY(db.notesKept);
        db.modified = true;
        QVERIFY(SavePeriodFiles(db, 1, m_clock, sink));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), shortened);
        file.close();

        // A missing side file is an empty list, written at the next save.
        QVERIFY(QFile::remove(notes));
        QVERIFY(!ReadNotes(db));
        QVERIFY(!db.notesKept);
        QVERIFY(SavePeriodFiles(db, 1, m_clock, sink));
        QVERIFY(QFile::exists(notes));
    }

    // Opened for work, a damaged shopping list or notes file is kept aside as
    // "<file>.uszkodzony", with one message each; the list and notes start empty and are saved
    // normally from then on. A damaged side file does not make the database an older one, and
    // opening for reading only moves nothing.
    void damagedSideFilesSetAsideAtOpen()
    {
        Database db;
        Sink sink;
        createDatabase(db, sink);
        const QString record = folder() + QStringLiteral("budzet.tf4");
        const QString list = folder() + QStringLiteral("budzet.tlz");
        const QString notes = folder() + QStringLiteral("budzet.tnt");
        test::writeFileBytes(list, "krotki");
        test::writeFileBytes(notes, test::fileBytes(notes).left(100));
        const QByteArray damagedNotes = test::fileBytes(notes);

        Database reader;
        sink.messages.clear();
        QVERIFY(OpenDatabase(reader, record, OpenMode::readOnly, sink));
        QVERIFY(sink.messages.isEmpty());
        QVERIFY(!reader.oldFormatPending);
        QCOMPARE(test::fileBytes(list), QByteArray("krotki"));

        Database opened;
        QVERIFY(OpenDatabase(opened, record, OpenMode::readWrite, sink));
        QCOMPARE(sink.messages.size(), 2);
        QVERIFY2(sink.messages.at(0).contains(QStringLiteral("budzet.tlz.uszkodzony")), qPrintable(sink.messages.at(0)));
        QVERIFY2(sink.messages.at(1).contains(QStringLiteral("budzet.tnt.uszkodzony")), qPrintable(sink.messages.at(1)));
        QVERIFY(!opened.oldFormatPending);
        QCOMPARE(test::fileBytes(list + QStringLiteral(".uszkodzony")), QByteArray("krotki"));
        QCOMPARE(test::fileBytes(notes + QStringLiteral(".uszkodzony")), damagedNotes);
        QVERIFY(LoadPeriod(opened, 0, sink));
        QVERIFY(opened.shoppingItems[0].isEmpty());
        opened.shoppingItems[0].setText(QStringLiteral("chleb"));
        opened.notes[0].setText(QStringLiteral("gaz"));
        opened.modified = true;
        QVERIFY(SavePeriodFiles(opened, 0, m_clock, sink));

        Database again;
        sink.messages.clear();
        QVERIFY(OpenDatabase(again, record, OpenMode::readWrite, sink));
        QVERIFY(sink.messages.isEmpty());
        QCOMPARE(again.shoppingItems[0].text(), QStringLiteral("chleb"));
        QCOMPARE(again.notes[0].text(), QStringLiteral("gaz"));

        // A list damaged again goes beside the first one kept.
        test::writeFileBytes(list, "znowu");
        QVERIFY(OpenDatabase(again, record, OpenMode::readWrite, sink));
        QCOMPARE(test::fileBytes(list + QStringLiteral(".uszkodzony")), QByteArray("krotki"));
        QCOMPARE(test::fileBytes(list + QStringLiteral(".uszkodzony2")), QByteArray("znowu"));
    }

    // A database whose files carry their extensions in capitals is read and written under the
    // names it was found with.
    void upperCaseNames()
    {
        Database db;
        Sink sink;
        createDatabase(db, sink);
        db.modified = true;
        QVERIFY(SavePeriodFiles(db, 1, m_clock, sink));
        for (const char *ext : {"tf4", "tlz", "tnt"})
            QVERIFY(QFile::rename(folder() + "budzet." + ext, folder() + "budzet." + QString::fromLatin1(ext).toUpper()));
        Database opened;
        SplitDatabasePath(opened, folder() + QStringLiteral("budzet.TF4"));
        QVERIFY(ReadShoppingList(opened));
        QVERIFY(ReadNotes(opened));
        QVERIFY(ReadDatabaseRecord(opened, sink));
        QVERIFY(LoadPeriod(opened, 0, sink));
        QCOMPARE(opened.shoppingItems[0].text(), QStringLiteral("mleko"));
        opened.header.ownerName = QStringLiteral("Ewa");
        QVERIFY(SavePeriodFiles(opened, 0, m_clock, sink));
        QStringList names = QDir(m_dir.path()).entryList({QStringLiteral("budzet.t*")}, QDir::Files);
        names.removeIf([](const QString &name) { return name.endsWith(u'~'); });
        QCOMPARE(names, QStringList({"budzet.TF4", "budzet.TLZ", "budzet.TNT"}));
    }

    // A database is held by one running program: a second is refused until the first ends, and
    // the lock of a killed one is taken over.
    void oneProgramPerDatabase()
    {
        int ready[2];
        QVERIFY(pipe(ready) == 0);
        const pid_t child = fork();
        if (child == 0) {
            DatabaseLock lock;
            const char answer = lock.acquire(folder(), QStringLiteral("budzet")) ? '1' : '0';
            (void)::write(ready[1], &answer, 1);
            ::pause(); // holds the lock until killed
            ::_exit(0);
        }
        char answer = 0;
        QCOMPARE(::read(ready[0], &answer, 1), ssize_t(1));
        QCOMPARE(answer, '1');
        DatabaseLock mine;
        QVERIFY(!mine.acquire(folder(), QStringLiteral("budzet")));
        ::kill(child, SIGKILL);
        int status = 0;
        waitpid(child, &status, 0);
        QVERIFY(mine.acquire(folder(), QStringLiteral("budzet")));
        // A second holder in this same program is refused too.
        DatabaseLock another;
        QVERIFY(!another.acquire(folder(), QStringLiteral("budzet")));
        mine.release();
        QVERIFY(another.acquire(folder(), QStringLiteral("budzet")));
        ::close(ready[0]);
        ::close(ready[1]);
    }
};

QTEST_GUILESS_MAIN(TestTransactions)
#include "tst_transactions.moc"
