#include "filetestsupport.h"
#include "database2000.h"
#include "core/store/clock.h"
#include "core/store/cp1250.h"
#include "core/store/database.h"
#include "core/store/databasefiles.h"
#include "core/store/fileoperations.h"
#include "core/store/groupset.h"
#include "core/store/messagesink.h"
#include "core/store/olderformats.h"
#include "core/store/real48.h"
#include "core/store/scramble.h"

#include <QDir>
#include <QFile>
#include <QMap>
#include <QTemporaryDir>
#include <QtTest>

#include <cstring>

using namespace trelfin;

namespace {

using Sink = test::LineSink;

using test::RecordingRenames;

QMap<QString, QByteArray> contents(const QString &folder)
{
    QMap<QString, QByteArray> files;
    for (const QString &name : QDir(folder).entryList(QDir::Files | QDir::Hidden)) {
        QFile file(QDir(folder).filePath(name));
        file.open(QIODevice::ReadOnly);
        files.insert(name, file.readAll());
    }
    return files;
}

} // namespace

class TestOlderFormats : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    FixedClock m_clock{QDate(2005, 3, 14)};

    QString path(const QString &file) const { return m_dir.filePath(file); }

    void write(const QString &file, const QByteArray &bytes)
    {
        QFile f(path(file));
        QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(bytes);
    }

    // A 2000-version database "stara" of three periods, in a folder of its own.
    void writeDatabase2000(const QString &password = QString())
    {
        QDir(m_dir.path()).removeRecursively();
        QDir().mkpath(m_dir.path());
        test::writeDatabase2000(m_dir.path(), QStringLiteral("stara"), password);
    }

private slots:
    void initTestCase()
    {
        QLocale::setDefault(QLocale(QLocale::Polish, QLocale::Poland));
        QVERIFY(m_dir.isValid());
    }

    // The 6-byte real: 81 00 00 00 00 00 is 1.0; an exponent byte 0 is 0 whatever follows.
    void sixByteReal()
    {
        QCOMPARE(Real48::fromBytes({0x81, 0, 0, 0, 0, 0}).toDouble(), 1.0);
        QCOMPARE(Real48::fromBytes({0, 0x12, 0x34, 0x56, 0x78, 0x9a}).toDouble(), 0.0);
    }

    void readPeriod2000()
    {
        writeDatabase2000();
        Database db;
        SplitDatabasePath(db, path(QStringLiteral("stara.tfc")));
        db.recurringIncomes[0].description = QStringLiteral("z poprzedniego okresu");
        Sink sink;
        QVERIFY(LoadPeriod2000(db, 1, sink));
        QCOMPARE(db.expenseCount(), 2);
        QCOMPARE(db.reg(RegisterKind::expenses).entries.at(1),
                 (Entry{QStringLiteral("02-02-2000"), 3.0, 3, QStringLiteral("zakupy ąę")}));
        QCOMPARE(db.reg(RegisterKind::incomes).entries.first(), (Entry{QStringLiteral("10-02-2000"), 1000.0, 0, QStringLiteral("pensja")}));
        QCOMPARE(db.debtCount(), 1);
        QCOMPARE(db.plannedCount(), 1);
        QCOMPARE(db.reg(RegisterKind::planned).entries.first().amount, 75.25);
        QCOMPARE(db.bankCount(), 0);
        QVERIFY(db.recurringIncomes[0].description.isEmpty());

        // A file that ends after the debts has no planned entries.
        QVERIFY(LoadPeriod2000(db, 2, sink));
        QCOMPARE(db.plannedCount(), 0);
        QVERIFY(sink.messages.isEmpty());

        // A file cut inside a section is refused with the reader's message.
        QFile file(path(QStringLiteral("stara.2")));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray whole = file.readAll();
        file.close();
        write(QStringLiteral("stara.2"), whole.left(whole.size() - 30));
        QVERIFY(!LoadPeriod2000(db, 2, sink));
        QCOMPARE(sink.messages, QStringList({"Niepoprawny format pliku. Pamiętaj:|dane z poprzedniej wersji programu należy importować"}));
        QCOMPARE(db.pendingAction, PendingAction::readFailed);
    }

    // Periods 3, 2, 1 are converted in that order, the record becomes "<name>.tf4" and the
    // ".tfc" goes; period 1 is open with the amounts read from their 6-byte form.
    void convertDatabase2000()
    {
        writeDatabase2000();
        Database db;
        SplitDatabasePath(db, path(QStringLiteral("stara.tfc")));
        Sink sink;
        QVERIFY(ReadDatabaseRecord(db, sink));
        RecordingRenames renames;
        {
            FileOperations::Override use(renames);
            QVERIFY2(ConvertDatabase2000(db, m_clock, sink), qPrintable(sink.messages.join(u'\n')));
        }
        QStringList periods = renames.targets;
        periods.removeIf([](const QString &name) { return !name.startsWith(QStringLiteral("stara.")) || name.size() != 7; });
        QCOMPARE(periods, QStringList({"stara.2", "stara.1", "stara.0"}));
        QVERIFY(!QFile::exists(path(QStringLiteral("stara.tfc"))));
        QVERIFY(QFile::exists(path(QStringLiteral("stara.tf4"))));
        QCOMPARE(db.databaseExt, QStringLiteral(".tf4"));
        QCOMPARE(db.currentPeriod, 1);
        QCOMPARE(db.expenseCount(), 1);
        QCOMPARE(db.reg(RegisterKind::expenses).entries.first().amount, 1.5);
        QCOMPARE(db.header.lastSaveDate, QStringLiteral("14.03.2005"));

        // The converted files read as today's: period 3 too.
        Database back;
        SplitDatabasePath(back, path(QStringLiteral("stara.tf4")));
        QVERIFY(ReadDatabaseRecord(back, sink));
        QCOMPARE(back.header.ownerName, QStringLiteral("Jan"));
        QVERIFY(LoadPeriod(back, 2, sink));
        QCOMPARE(back.expenseCount(), 3);
        QCOMPARE(back.reg(RegisterKind::expenses).entries.at(2).amount, 4.5);
        QCOMPARE(back.plannedCount(), 0);
    }

    // A period that cannot be read stops the import: every original file stays byte for byte
    // and no other file is left.
    void damagedPeriodLeavesEverything()
    {
        writeDatabase2000();
        write(QStringLiteral("stara.0"), QByteArray(90, 'x'));
        const auto before = contents(m_dir.path());
        Database db;
        SplitDatabasePath(db, path(QStringLiteral("stara.tfc")));
        Sink sink;
        QVERIFY(ReadDatabaseRecord(db, sink));
        QVERIFY(!ConvertDatabase2000(db, m_clock, sink));
        QCOMPARE(sink.messages.last(), QStringLiteral("Niepoprawny format pliku. Pamiętaj:|dane z poprzedniej wersji programu należy importować"));
        QCOMPARE(contents(m_dir.path()), before);
    }

    // A record that cannot be written stops the import the same way.
    void blockedRecordLeavesEverything()
    {
        writeDatabase2000();
        QVERIFY(QDir().mkdir(path(QStringLiteral("stara.tf4"))));
        const auto before = contents(m_dir.path());
        Database db;
        SplitDatabasePath(db, path(QStringLiteral("stara.tfc")));
        Sink sink;
        QVERIFY(ReadDatabaseRecord(db, sink));
        QVERIFY(!ConvertDatabase2000(db, m_clock, sink));
        QCOMPARE(contents(m_dir.path()), before);
        QCOMPARE(db.header.ownerName, QStringLiteral("Jan"));
        QVERIFY(QDir().rmdir(path(QStringLiteral("stara.tf4"))));
    }

    // A group-set file holds 30 string[10] fields; writing and reading it again gives the names
    // back byte for byte, padding included.
    void groupSetFile()
    {
        DatabaseHeader header;
        SetDefaultGroups(header);
        header.groupNames[5] = QStringLiteral("ŚWIATŁO   ");
        header.groupNames[30] = QString();
        const QByteArray bytes = GroupSetBytes(header.groupNames);
        QCOMPARE(bytes.size(), 330);
        QCOMPARE(bytes.mid(0, 11), QByteArray("\x0a\xaf" "YWNO\x8c\xc6   ", 11));
        QCOMPARE(bytes.mid(16 * 11 - 11, 11), QByteArray("\x05INNE1\0\0\0\0\0", 11));
        Sink sink;
        QVERIFY(ExportGroupSet(header, path(QStringLiteral("grupy.tgr")), sink));
        DatabaseHeader other;
        QVERIFY(ImportGroupSet(other, path(QStringLiteral("grupy.tgr")), sink));
        QCOMPARE(other.groupNames, header.groupNames);
        QFile file(path(QStringLiteral("grupy.tgr")));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), bytes);
        file.close();

        // Only a group set is taken: exactly 330 bytes, lengths of at most 10, printable
        // characters. Anything else is refused with a message naming the file; the set stays.
        QByteArray longName = bytes;
        longName[11] = 11;
        QByteArray control = bytes;
        control[1] = '\x07';
        QByteArray undefined = bytes;
        undefined[2] = '\x98';
        QByteArray pdfLike("%PDF-1.7\n");
        pdfLike = pdfLike.repeated(40).left(330);
        const QList<std::pair<QByteArray, QString>> refused = {
            {bytes.left(329), QStringLiteral("330 bajtów")},
            {bytes + '\0', QStringLiteral("330 bajtów")},
            {longName, QStringLiteral("grupy 2")},
            {control, QStringLiteral("grupy 1")},
            {undefined, QStringLiteral("grupy 1")},
            {pdfLike, QStringLiteral("grupy 1")},
        };
        for (const auto &[content, reason] : refused) {
            write(QStringLiteral("zly.tgr"), content);
            sink.messages.clear();
            QVERIFY(!ImportGroupSet(other, path(QStringLiteral("zly.tgr")), sink));
            QCOMPARE(other.groupNames, header.groupNames);
            QCOMPARE(sink.messages.size(), 1);
            QVERIFY2(sink.messages.last().contains(QStringLiteral("zly.tgr")), qPrintable(sink.messages.last()));
            QVERIFY2(sink.messages.last().contains(reason), qPrintable(sink.messages.last()));
        }
        // Every printable byte of the code page, Polish letters and the euro sign included.
        QByteArray printable = bytes;
        printable.replace(0, 11, QByteArray("\x0a\x80\x8c\xa5\xb9 ~\xff\xa0\x8f\x9f", 11));
        write(QStringLiteral("znaki.tgr"), printable);
        QVERIFY(ImportGroupSet(other, path(QStringLiteral("znaki.tgr")), sink));
        QCOMPARE(other.groupNames[1], QStringLiteral("€ŚĄą ~˙\u00a0Źź"));

        QCOMPARE(StoredGroupName(QString()), QString(10, u' '));
        QCOMPARE(StoredGroupName(QStringLiteral("WYPOCZYNEK ZIMOWY")), QStringLiteral("WYPOCZYNEK"));
        QCOMPARE(StoredGroupName(QStringLiteral("INNE1")), QStringLiteral("INNE1     "));
    }
};

QTEST_GUILESS_MAIN(TestOlderFormats)
#include "tst_olderformats.moc"
