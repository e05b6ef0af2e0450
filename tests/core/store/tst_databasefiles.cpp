#include "filetestsupport.h"
#include "recordingsink.h"
#include "core/store/clock.h"
#include "core/store/cp1250.h"
#include "core/store/database.h"
#include "core/store/databasefiles.h"
#include "core/store/messagesink.h"
#include "core/store/scramble.h"

#include <QtTest>

#include <csignal>
#include <cstring>
#include <random>
#include <sys/resource.h>

using namespace trelfin;

namespace {

using test::RecordingSink;
using test::fileBytes;
using test::writeFileBytes;

const UserMessage kReadError = {QStringLiteral("Niepoprawny format pliku. Pamiętaj:"),
                            QStringLiteral("dane z wersji TrelFIN 2000 należy importować"),
                            QStringLiteral("Błąd podczas odczytu pliku")};

bool isReadError(const RecordingSink &sink)
{
    return sink.messages == QList<UserMessage>{kReadError};
}

QString bytesText(std::initializer_list<int> bytes)
{
    QByteArray b;
    for (int v : bytes)
        b.append(static_cast<char>(v));
    return fromCp1250(b);
}

// A text of exactly `width` characters with Polish letters in it.
QString fullWidth(const QString &start, int width)
{
    QString s = start;
    const QString fill = QStringLiteral("ąćęłńóśźżĄĆĘŁŃÓŚŹŻ ");
    while (s.size() < width)
        s += fill.at(s.size() % fill.size());
    return s.left(width);
}

Entry entry(const QString &date, double amount, int group, const QString &description)
{
    Entry e;
    e.date = date;
    e.amount = amount;
    e.group = static_cast<std::uint8_t>(group);
    e.description = description;
    return e;
}

// The registers and recurring tables of one period, different for every `seed`.
void fillPeriod(Database &db, int seed)
{
    db.clearPeriodData();
    for (int r = 0; r < RegisterCount; ++r) {
        const auto kind = static_cast<RegisterKind>(r);
        for (int i = 0; i < 2 + r + seed; ++i) {
            Entry e = entry(QStringLiteral("%1-%2-20%3").arg(1 + i, 2, 10, QChar(u'0')).arg(1 + r, 2, 10, QChar(u'0')).arg(seed, 2, 10, QChar(u'0')),
                            i * 1234.56 + r + seed * 0.01, 1 + (i + r) % 30,
                            fullWidth(QStringLiteral("Zakup %1/%2/%3 żółć ").arg(seed).arg(r).arg(i), i % 2 ? 40 : 5 + i));
            if (kind == RegisterKind::incomes)
                e.group = 0;
            db.reg(kind).entries.append(e);
        }
    }
    // A full-width date of Polish letters and an empty date survive too.
    db.reg(RegisterKind::expenses).entries.append(entry(QStringLiteral("ąęśćżźółńĄ"), 0.01, 30, QString()));
    db.reg(RegisterKind::debts).entries.append(entry(QString(), 99999999.99, 4, fullWidth(QStringLiteral("Dług "), 40)));
    for (int i = 0; i < RecurringRows; ++i) {
        RecurringIncome &ri = db.recurringIncomes[i];
        ri.active = (i + seed) % 2;
        ri.day = i == 0 ? QString() : i == 4 ? QStringLiteral("ż1") : QString::number(i * 7 + seed);
        ri.amount = *Real48::fromDouble(100.25 * (i + 1) + seed);
        ri.description = fullWidth(QStringLiteral("Pensja %1 ").arg(i), i == 4 ? 40 : 12);
        RecurringExpense &re = db.recurringExpenses[i];
        re.active = (i + seed) % 3 == 0;
        re.group = static_cast<std::uint8_t>((i * 6 + seed) % 30);
        re.amount = *Real48::fromDouble(-12.5 * (i + 1) - seed);
        re.description = fullWidth(QStringLiteral("Czynsz %1 ").arg(i), i == 3 ? 40 : 15);
    }
}

// Field by field, so that a failure names the field.
void compareRegisters(const Database &actual, const Database &expected)
{
    for (int r = 0; r < RegisterCount; ++r) {
        const auto &a = actual.registers[r].entries;
        const auto &e = expected.registers[r].entries;
        QCOMPARE(a.size(), e.size());
        for (int i = 0; i < a.size(); ++i) {
            QCOMPARE(a[i].date, e[i].date);
            QCOMPARE(a[i].amount, e[i].amount);
            QCOMPARE(a[i].group, e[i].group);
            QCOMPARE(a[i].description, e[i].description);
        }
    }
}

void compareRecurring(const Database &actual, const Database &expected)
{
    for (int i = 0; i < RecurringRows; ++i) {
        QCOMPARE(actual.recurringIncomes[i].active, expected.recurringIncomes[i].active);
        QCOMPARE(actual.recurringIncomes[i].day, expected.recurringIncomes[i].day);
        QCOMPARE(actual.recurringIncomes[i].amount.toDouble(), expected.recurringIncomes[i].amount.toDouble());
        QCOMPARE(actual.recurringIncomes[i].description, expected.recurringIncomes[i].description);
        QCOMPARE(actual.recurringExpenses[i].active, expected.recurringExpenses[i].active);
        QCOMPARE(actual.recurringExpenses[i].group, expected.recurringExpenses[i].group);
        QCOMPARE(actual.recurringExpenses[i].amount.toDouble(), expected.recurringExpenses[i].amount.toDouble());
        QCOMPARE(actual.recurringExpenses[i].description, expected.recurringExpenses[i].description);
    }
}

// The readable characters of the string[width] whose length byte is at `offset` of a file.
QByteArray storedChars(QByteArray bytes, int offset, int width, void (*unscramble)(std::span<std::uint8_t>))
{
    unscramble(textPositions(bytes, offset, width));
    return bytes.mid(offset + 1, static_cast<std::uint8_t>(bytes[offset]));
}

QByteArray endRecord()
{
    QByteArray r(PeriodRecordSize, '\0');
    r[0] = 4;
    std::memcpy(r.data() + 1, "fu2u", 4);
    return r;
}

// Restores the file size limit when it goes out of scope.
class FileSizeLimit
{
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &m_saved);
        m_oldHandler = std::signal(SIGXFSZ, SIG_IGN); // a write past the limit fails instead
        rlimit limit = m_saved;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &m_saved);
        std::signal(SIGXFSZ, m_oldHandler);
    }

private:
    rlimit m_saved{};
    void (*m_oldHandler)(int) = nullptr;
};

} // namespace

class TestDatabaseFiles : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    FixedClock m_clock{QDate(2004, 5, 12)};

    // A database at "<temporary folder>/<name>.tf4" with one period and nothing in it.
    void openAt(Database &db, const QString &name = QStringLiteral("budżet"))
    {
        SplitDatabasePath(db, m_dir.filePath(name + QStringLiteral(".tf4")));
        db.header.ownerName = QStringLiteral("Anonimowy");
        db.header.createdDate = QStringLiteral("12.05.2004");
        db.header.lastSaveDate = QStringLiteral("Brak");
        db.header.periodCount = 1;
        db.header.periods[1].periodDates = QStringLiteral("12.05.2004brak");
        db.header.periods[1].periodName = QStringLiteral("maj");
        SetDefaultGroups(db.header);
        db.currentPeriod = 1;
    }

    QByteArray savedPeriod(Database &db)
    {
        RecordingSink sink;
        if (!SavePeriodFiles(db, db.currentPeriod - 1, m_clock, sink))
            return {};
        return fileBytes(PeriodFilePath(db, db.currentPeriod - 1));
    }

    // Loads `bytes` as period file 0 of `db`.
    bool loadBytes(Database &db, const QByteArray &bytes, RecordingSink &sink)
    {
        writeFileBytes(PeriodFilePath(db, 0), bytes);
        return LoadPeriod(db, 0, sink);
    }

private slots:
    void init()
    {
        QVERIFY(m_dir.isValid());
        m_clock.setToday(QDate(2004, 5, 12));
    }
    void cleanup()
    {
        QDir dir(m_dir.path());
        dir.removeRecursively();
        QDir().mkpath(m_dir.path());
    }

    void splitDatabasePath_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("dir");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("ext");

        QTest::newRow("unix") << "/home/ala/budżet.tf4" << "/home/ala/" << "budżet" << ".tf4";
        QTest::newRow("backslashes") << "C:\\Dane\\dom.tf3" << "C:\\Dane\\" << "dom" << ".tf3";
        QTest::newRow("both separators") << "/mnt/a\\b/dom.tfc" << "/mnt/a\\b/" << "dom" << ".tfc";
        QTest::newRow("dots in folder and name") << "/x.y/z.old.tf4" << "/x.y/" << "z.old" << ".tf4";
        QTest::newRow("no folder") << "dom.tf4" << "" << "dom" << ".tf4";
        QTest::newRow("four characters") << "/.tf" << "" << "" << "/.tf";
        QTest::newRow("shorter than an extension") << "ab" << "" << "" << "ab";
        QTest::newRow("empty") << "" << "" << "" << "";
        QTest::newRow("no extension") << "/x/budzet" << "/x/" << "bu" << "dzet";
    }
    void splitDatabasePath()
    {
        QFETCH(QString, path);
        Database db;
        db.databaseDir = db.databaseName = db.databaseExt = QStringLiteral("stare");
        SplitDatabasePath(db, path);
        QTEST(db.databaseDir, "dir");
        QTEST(db.databaseName, "name");
        QTEST(db.databaseExt, "ext");
    }

    // An empty period: 4 end records, 5 recurring incomes, 1 end record, 5 recurring expenses.
    void emptyPeriodIs15Records()
    {
        Database db;
        openAt(db);
        const QByteArray file = savedPeriod(db);
        QCOMPARE(file.size(), 15 * PeriodRecordSize);
        QCOMPARE(file.size(), 1080);
        for (int r : {0, 1, 2, 3, 9})
            QCOMPARE(file.mid(r * PeriodRecordSize, PeriodRecordSize), endRecord());
        for (int r = 10; r < 15; ++r) {
            const QByteArray rec = file.mid(r * PeriodRecordSize, PeriodRecordSize);
            QCOMPARE(int(rec[0]), 1);
            QCOMPARE(rec[1], 'N');
        }
        QCOMPARE(QFileInfo(DatabaseFilePath(db, ".tf4")).size(), qint64(DatabaseRecordSize));
        QCOMPARE(QFileInfo(DatabaseFilePath(db, ".tlz")).size(), qint64(8000));
        QCOMPARE(QFileInfo(DatabaseFilePath(db, ".tnt")).size(), qint64(8340));
    }

    // Every field of the 6862-byte record at its offset; length bytes and the two plain bytes
    // stored as they are, the characters scrambled.
    void databaseRecordLayout()
    {
        Database db;
        openAt(db);
        DatabaseHeader &h = db.header;
        h.ownerName = QStringLiteral("AŁa");
        h.otherData = fullWidth(QStringLiteral("Inne "), 255);
        h.createdDate = QStringLiteral("01.02.2003");
        h.lastSaveDate = QStringLiteral("Brak");
        h.periodCount = 7;
        h.confirmDeletes = 0;
        h.password = QStringLiteral("hasło");
        for (int g = 1; g <= GroupCount; ++g)
            h.groupNames[g] = QStringLiteral("GR%1").arg(g);
        for (int p = 1; p <= MaxPeriods; ++p) {
            h.periods[p].periodDates = QStringLiteral("%1.01.2004brak").arg(p % 28 + 1, 2, 10, QChar(u'0'));
            h.periods[p].periodName = QStringLiteral("okres %1").arg(p);
        }
        RecordingSink sink;
        QVERIFY(WriteDatabaseRecord(db, sink));
        const QByteArray file = fileBytes(DatabaseFilePath(db, ".tf4"));
        QCOMPARE(file.size(), DatabaseRecordSize);

        struct Field { int offset; int width; QString text; };
        QList<Field> fields = {
            {0, 40, h.ownerName}, {41, 255, h.otherData}, {297, 10, h.createdDate},
            {308, 10, h.lastSaveDate}, {321, 10, h.password},
        };
        for (int g = 1; g <= GroupCount; ++g)
            fields.append({332 + 11 * (g - 1), 10, h.groupNames[g]});
        for (int p = 1; p <= MaxPeriods; ++p) { // all 100 slots, beyond periodCount too
            fields.append({662 + 62 * (p - 1), 20, h.periods[p].periodDates});
            fields.append({662 + 62 * (p - 1) + 21, 40, h.periods[p].periodName});
        }
        for (const Field &f : fields) {
            const QByteArray text = toCp1250(f.text);
            QCOMPARE(int(std::uint8_t(file[f.offset])), int(text.size()));
            QCOMPARE(storedChars(file, f.offset, f.width, UnscrambleWrapping), text);
        }
        QCOMPARE(int(file[319]), 7);
        QCOMPARE(int(file[320]), 0);
        // "A" at position 1 is stored as 'A' + 97, "Ł" (0xA3) at position 2 as 0xA3 - 151.
        QCOMPARE(int(std::uint8_t(file[1])), 65 + 97);
        QCOMPARE(int(std::uint8_t(file[2])), 0xA3 - 151);

        Database back;
        SplitDatabasePath(back, DatabaseFilePath(db, ".tf4"));
        QVERIFY(ReadDatabaseRecord(back, sink));
        QVERIFY(back.header == h);
        QVERIFY(sink.messages.isEmpty());
    }

    // One record of each kind, byte by byte.
    void periodRecordLayout()
    {
        Database db;
        openAt(db);
        db.reg(RegisterKind::expenses).entries.append(entry("12-05-2004", 12.5, 7, QStringLiteral("Chleb żytni")));
        db.reg(RegisterKind::incomes).entries.append(entry("13-05-2004", 1.0, 5, QStringLiteral("Pensja")));
        db.recurringIncomes[0] = {true, QStringLiteral("7"), *Real48::fromDouble(2.0), QStringLiteral("Renta")};
        db.recurringExpenses[0] = {true, 29, *Real48::fromDouble(-1.5), QStringLiteral("Gaz")};
        const QByteArray file = savedPeriod(db);
        QCOMPARE(file.size(), 17 * PeriodRecordSize);

        const QByteArray expense = file.left(PeriodRecordSize);
        QCOMPARE(int(expense[0]), 10);
        QCOMPARE(storedChars(expense, 0, 10, UnscramblePlain), QByteArray("12-05-2004"));
        QCOMPARE(expense.mid(11, 5), QByteArray(5, '\0'));
        QCOMPARE(expense.mid(16, 8), QByteArray::fromHex("0000000000002940")); // 12.5
        QCOMPARE(int(expense[24]), 7);
        QCOMPARE(int(expense[25]), 11);
        QCOMPARE(storedChars(expense, 25, 40, UnscrambleWrapping), toCp1250(QStringLiteral("Chleb żytni")));
        QCOMPARE(expense.mid(66, 6), QByteArray(6, '\0'));

        const QByteArray income = file.mid(2 * PeriodRecordSize, PeriodRecordSize);
        QCOMPARE(int(income[24]), 0); // an income's group is not stored

        const QByteArray recurringIncome = file.mid(6 * PeriodRecordSize, PeriodRecordSize);
        QCOMPARE(int(recurringIncome[0]), 1);
        QCOMPARE(storedChars(recurringIncome, 0, 2, UnscramblePlain), QByteArray("7"));
        QCOMPARE(recurringIncome.mid(3, 8), QByteArray(8, '\0')); // only the day's two positions
        QCOMPARE(recurringIncome.mid(16, 8), QByteArray::fromHex("0000000000000040"));
        QCOMPARE(int(recurringIncome[24]), 1);

        const QByteArray recurringExpense = file.mid(12 * PeriodRecordSize, PeriodRecordSize);
        QCOMPARE(recurringExpense.left(2), QByteArray("\x01T"));
        QCOMPARE(recurringExpense.mid(16, 8), QByteArray::fromHex("000000000000f8bf"));
        QCOMPARE(int(recurringExpense[24]), 29);
        QCOMPARE(storedChars(recurringExpense, 25, 40, UnscrambleWrapping), QByteArray("Gaz"));
    }

    // Only a date field stored with length 4 and the bytes "fu2u" ends a section.
    void endRecordDetection_data()
    {
        QTest::addColumn<QByteArray>("dateField"); // length byte and stored characters
        QTest::addColumn<bool>("isEnd");
        QTest::addColumn<QString>("date");         // the date read when it is an entry

        auto field = [](const char *bytes) { return QByteArray(bytes, 5) + QByteArray(6, '\0'); };
        auto readAs = [](QByteArray field) { return fromCp1250(storedChars(field, 0, 10, UnscramblePlain)); };
        QByteArray logicalMark = field("\x04" "fu2u");
        ScramblePlain(textPositions(logicalMark, 0, 10));

        QTest::newRow("end record") << field("\x04" "fu2u") << true << QString();
        QTest::newRow("length 10 starting with fu2u") << field("\x0a" "fu2u") << false << readAs(field("\x0a" "fu2u"));
        QTest::newRow("length 3") << field("\x03" "fu2u") << false << readAs(field("\x03" "fu2u"));
        QTest::newRow("fu2U") << field("\x04" "fu2U") << false << readAs(field("\x04" "fu2U"));
        QTest::newRow("the text fu2u, scrambled") << logicalMark << false << "fu2u";
        QTest::newRow("empty date") << QByteArray(1, '\0') << false << "";
    }
    void endRecordDetection()
    {
        QFETCH(QByteArray, dateField);
        QFETCH(bool, isEnd);
        QFETCH(QString, date);

        Database db;
        openAt(db);
        const QByteArray empty = savedPeriod(db);
        QByteArray record = dateField + QByteArray(PeriodRecordSize - dateField.size(), '\0');
        record[24] = 3;
        // As an end record it replaces the expenses' end record; as an entry it comes before it.
        const QByteArray file = record + (isEnd ? empty.mid(PeriodRecordSize) : empty);
        RecordingSink sink;
        QVERIFY(loadBytes(db, file, sink));
        QCOMPARE(db.expenseCount(), isEnd ? 0 : 1);
        if (!isEnd) {
            QCOMPARE(db.reg(RegisterKind::expenses).entries[0].date, date);
            QCOMPARE(int(db.reg(RegisterKind::expenses).entries[0].group), 3);
        }
    }

    // Through a saved and loaded period file, every byte of a description survives but 255 at
    // odd positions (read back as 0) and 0 at even positions (read back as 255); every byte of a
    // date survives.
    void everyTextByteSurvivesButTheWrapLosses()
    {
        Database db;
        openAt(db);
        auto &entries = db.reg(RegisterKind::planned).entries;
        for (int e = 0; e < 26; ++e) {
            QByteArray date, description;
            for (int j = 0; j < 10; ++j)
                date.append(static_cast<char>((e * 10 + j) % 256));
            for (int m = 0; m < 20; ++m) // the same byte at an odd and the following even position
                description.append(2, static_cast<char>((e * 20 + m) % 256));
            entries.append(entry(fromCp1250(date), e, 31, fromCp1250(description)));
        }
        const Database written = db;
        RecordingSink sink;
        QVERIFY(SavePeriodFiles(db, 0, m_clock, sink));
        db.clearPeriodData();
        QVERIFY(LoadPeriod(db, 0, sink));

        const auto &back = db.reg(RegisterKind::planned).entries;
        QCOMPARE(back.size(), entries.size());
        for (int e = 0; e < back.size(); ++e) {
            QCOMPARE(back[e].date, written.reg(RegisterKind::planned).entries[e].date);
            const QByteArray in = toCp1250(written.reg(RegisterKind::planned).entries[e].description);
            const QByteArray out = toCp1250(back[e].description);
            QCOMPARE(out.size(), 40);
            for (int i = 0; i < 40; ++i) {
                const int b = std::uint8_t(in[i]);
                const bool odd = i % 2 == 0;
                const int expected = odd && b == 255 ? 0 : !odd && b == 0 ? 255 : b;
                QCOMPARE(int(std::uint8_t(out[i])), expected);
            }
        }

        // The database record loses the same bytes.
        db.header.ownerName = bytesText({255, 255, 0, 0, 'a'});
        QVERIFY(WriteDatabaseRecord(db, sink));
        Database reread;
        SplitDatabasePath(reread, DatabaseFilePath(db, ".tf4"));
        QVERIFY(ReadDatabaseRecord(reread, sink));
        QCOMPARE(reread.header.ownerName, bytesText({0, 255, 0, 255, 'a'}));
    }

    // Previous-version files end after the bank account: they load, and the recurring expenses
    // in memory keep everything but their group.
    void fileEndingAfterBankSectionLoads()
    {
        Database db;
        openAt(db);
        fillPeriod(db, 1);
        const Database written = db;
        const QByteArray file = savedPeriod(db);

        fillPeriod(db, 2);
        const auto before = db.recurringExpenses;
        db.modified = true;
        db.pendingAction = 7;
        RecordingSink sink;
        QVERIFY(loadBytes(db, file.left(file.size() - RecurringRows * PeriodRecordSize), sink));
        QVERIFY(sink.messages.isEmpty());
        QCOMPARE(int(db.pendingAction), 0);
        QVERIFY(!db.modified);
        compareRegisters(db, written);
        for (int i = 0; i < RecurringRows; ++i) {
            QVERIFY(db.recurringIncomes[i] == written.recurringIncomes[i]);
            QCOMPARE(int(db.recurringExpenses[i].group), 0);
            QCOMPARE(db.recurringExpenses[i].active, before[i].active);
            QVERIFY(db.recurringExpenses[i].amount == before[i].amount);
            QCOMPARE(db.recurringExpenses[i].description, before[i].description);
        }
    }

    // A register section holds up to 4000 entries; one more is a damaged file.
    void sectionLimit_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("count");
        for (int r = 0; r < RegisterCount; ++r) {
            QTest::addRow("register %d, 4000", r) << r << 4000;
            QTest::addRow("register %d, 4001", r) << r << 4001;
        }
    }
    void sectionLimit()
    {
        QFETCH(int, kind);
        QFETCH(int, count);
        Database db;
        openAt(db);
        auto &entries = db.registers[kind].entries;
        entries.fill(entry("01-01-2004", 1.0, kind == 1 ? 0 : 1, "x"), count); // past what append() allows
        const QByteArray file = savedPeriod(db);
        QCOMPARE(file.size(), (count + 15) * PeriodRecordSize);
        db.clearPeriodData();

        RecordingSink sink;
        const bool loaded = loadBytes(db, file, sink);
        QCOMPARE(loaded, count <= 4000);
        if (loaded) {
            QCOMPARE(db.registers[kind].count(), count);
            QVERIFY(sink.messages.isEmpty());
        } else {
            QVERIFY(isReadError(sink));
            QCOMPARE(int(db.pendingAction), int(PendingAction::readFailed));
            QCOMPARE(db.registers[kind].count(), 4000); // what was read stays
        }
    }

    void missingPeriodFile()
    {
        Database db;
        openAt(db);
        fillPeriod(db, 1);
        RecordingSink sink;
        QVERIFY(!LoadPeriod(db, 5, sink));
        QVERIFY(isReadError(sink));
        QCOMPARE(int(db.pendingAction), int(PendingAction::readFailed));
        for (const Register &r : db.registers)
            QCOMPARE(r.count(), 0); // nothing of the previous period is left behind
    }

    // A valid file cut at every length loads only when whole or cut right after the bank
    // section's end record (a cut after the debts' end record, too, is a damaged file). Whatever
    // else ends in the read error, with the registers holding a part of what the file holds.
    void truncatedAtEveryOffset()
    {
        Database db;
        openAt(db);
        fillPeriod(db, 0);
        const Database written = db;
        const QByteArray file = savedPeriod(db);
        const qsizetype afterBank = file.size() - RecurringRows * PeriodRecordSize;

        for (qsizetype length = 0; length <= file.size(); ++length) {
            Database reader;
            openAt(reader);
            fillPeriod(reader, 3);
            RecordingSink sink;
            const bool loaded = loadBytes(reader, file.left(length), sink);
            const bool expected = length == file.size() || length == afterBank;
            if (loaded != expected)
                QFAIL(qPrintable(QStringLiteral("length %1: loaded %2").arg(length).arg(loaded)));
            if (loaded) {
                QVERIFY(sink.messages.isEmpty());
                compareRegisters(reader, written);
                continue;
            }
            QVERIFY(isReadError(sink));
            QCOMPARE(int(reader.pendingAction), int(PendingAction::readFailed));
            for (int r = 0; r < RegisterCount; ++r) {
                const auto &got = reader.registers[r].entries;
                QVERIFY(got.size() <= written.registers[r].count());
                QVERIFY(got == written.registers[r].entries.mid(0, got.size()));
            }
        }
    }

    // Files of random bytes, and of records with random fields among end records, either load
    // or end in the read error; loaded texts stay within their widths.
    void randomFiles()
    {
        std::mt19937 random(20040512);
        auto byte = [&random] { return static_cast<char>(random() & 0xFF); };
        for (int round = 0; round < 400; ++round) {
            QByteArray file;
            if (round % 2 == 0) {
                file.resize(random() % 3000);
                for (char &c : file)
                    c = byte();
            } else {
                const int records = random() % 40;
                for (int r = 0; r < records; ++r) {
                    QByteArray rec(PeriodRecordSize, '\0');
                    for (char &c : rec)
                        c = byte();
                    if (random() % 3 == 0)
                        rec.replace(0, 5, QByteArray("\x04" "fu2u", 5));
                    file += rec;
                }
                file += QByteArray(random() % 3 == 0 ? random() % PeriodRecordSize : 0, 'x');
            }
            Database db;
            openAt(db);
            RecordingSink sink;
            if (loadBytes(db, file, sink)) {
                QVERIFY(sink.messages.isEmpty());
                QCOMPARE(int(db.pendingAction), 0);
                for (const Register &r : db.registers) {
                    QVERIFY(r.count() <= 4000);
                    for (const Entry &e : r.entries)
                        QVERIFY(e.date.size() <= 10 && e.description.size() <= 40);
                }
                for (const RecurringIncome &ri : db.recurringIncomes)
                    QVERIFY(ri.day.size() <= 2 && ri.description.size() <= 40);
            } else {
                QVERIFY(isReadError(sink));
                QCOMPARE(int(db.pendingAction), int(PendingAction::readFailed));
            }
        }

        // Random database records: either read, with every text within its width and a period
        // count of 1..100, or refused with the header left as it was.
        for (int round = 0; round < 200; ++round) {
            QByteArray record(DatabaseRecordSize, '\0');
            for (char &c : record)
                c = byte();
            Database db;
            openAt(db);
            const DatabaseHeader before = db.header;
            writeFileBytes(DatabaseFilePath(db, ".tf4"), record);
            RecordingSink sink;
            if (ReadDatabaseRecord(db, sink)) {
                QVERIFY(db.header.periodCount >= 1 && db.header.periodCount <= 100);
                QVERIFY(db.header.ownerName.size() <= 40 && db.header.otherData.size() <= 255);
                for (int p = 1; p <= MaxPeriods; ++p)
                    QVERIFY(db.header.periods[p].periodDates.size() <= 20);
            } else {
                QCOMPARE(sink.messages.size(), 1);
                QVERIFY(db.header == before);
            }
        }
    }

    // A database of three periods with every field filled to its width and Polish letters in
    // every text, saved and read back field by field.
    void roundTripOfSeveralPeriods()
    {
        Database db;
        openAt(db, QStringLiteral("domowy budżet"));
        DatabaseHeader &h = db.header;
        h.ownerName = fullWidth(QStringLiteral("Zażółć Gęślą "), 40);
        h.otherData = fullWidth(QStringLiteral("Jaźń\r\nŁódź "), 255);
        h.createdDate = fullWidth(QStringLiteral("śr."), 10);
        h.periodCount = 3;
        h.confirmDeletes = 1;
        h.password = fullWidth(QStringLiteral("Hasło"), 10);
        for (int g = 1; g <= GroupCount; ++g)
            h.groupNames[g] = fullWidth(QStringLiteral("Ż%1 ").arg(g), 10);
        for (int p = 1; p <= 3; ++p) {
            h.periods[p].periodDates = QStringLiteral("0%1.01.2004brak").arg(p);
            h.periods[p].periodName = fullWidth(QStringLiteral("Październik %1 ").arg(p), 40);
        }
        // A slot beyond the period count is written and read like the others.
        h.periods[100] = {fullWidth(QStringLiteral("żółć"), 20), fullWidth(QStringLiteral("Grudzień "), 40)};
        QList<Database> periods;
        RecordingSink sink;
        for (int p = 1; p <= 3; ++p) {
            m_clock.setToday(QDate(2004, 6, p));
            db.currentPeriod = p;
            fillPeriod(db, p);
            periods.append(db);
            QVERIFY(SavePeriodFiles(db, p - 1, m_clock, sink));
        }
        QVERIFY(sink.messages.isEmpty());
        QCOMPARE(h.lastSaveDate, QStringLiteral("03.06.2004"));
        QCOMPARE(h.periods[2].periodDates, QStringLiteral("02.01.200402.06.2004"));

        Database back;
        SplitDatabasePath(back, m_dir.filePath(QStringLiteral("domowy budżet.tf4")));
        QVERIFY(ReadDatabaseRecord(back, sink));
        QCOMPARE(back.header.ownerName, h.ownerName);
        QCOMPARE(back.header.otherData, h.otherData);
        QCOMPARE(back.header.createdDate, h.createdDate);
        QCOMPARE(back.header.lastSaveDate, h.lastSaveDate);
        QCOMPARE(back.header.periodCount, h.periodCount);
        QCOMPARE(back.header.confirmDeletes, h.confirmDeletes);
        QCOMPARE(back.header.password, h.password);
        for (int g = 1; g <= GroupCount; ++g)
            QCOMPARE(back.header.groupNames[g], h.groupNames[g]);
        for (int p = 1; p <= MaxPeriods; ++p) {
            QCOMPARE(back.header.periods[p].periodDates, h.periods[p].periodDates);
            QCOMPARE(back.header.periods[p].periodName, h.periods[p].periodName);
        }
        for (int p = 1; p <= 3; ++p) {
            QVERIFY(LoadPeriod(back, p - 1, sink));
            compareRegisters(back, periods[p - 1]);
            compareRecurring(back, periods[p - 1]);
        }
        QVERIFY(sink.messages.isEmpty());
    }

    // The previous version's "<name>.tf3" is replaced by "<name>.tf4" at the next save, and only
    // then removed.
    void oldFormatFileRemovedOnlyWhenPending_data()
    {
        QTest::addColumn<bool>("pending");
        QTest::newRow("pending") << true;
        QTest::newRow("not pending") << false;
    }
    void oldFormatFileRemovedOnlyWhenPending()
    {
        QFETCH(bool, pending);
        Database db;
        SplitDatabasePath(db, m_dir.filePath("stary.tf3"));
        writeFileBytes(DatabaseFilePath(db, ".tf3"), "old");
        db.oldFormatPending = pending;
        RecordingSink sink;
        QVERIFY(WriteDatabaseRecord(db, sink));
        QCOMPARE(QFileInfo(DatabaseFilePath(db, ".tf4")).size(), qint64(DatabaseRecordSize));
        QCOMPARE(QFile::exists(DatabaseFilePath(db, ".tf3")), !pending);
        QVERIFY(!db.oldFormatPending);
        QVERIFY(sink.messages.isEmpty());

        // When the new file cannot be written the old one stays, and so does the flag.
        db.oldFormatPending = true;
        writeFileBytes(DatabaseFilePath(db, ".tf3"), "old");
        QVERIFY(QFile::remove(DatabaseFilePath(db, ".tf4")));
        QVERIFY(QDir().mkdir(DatabaseFilePath(db, ".tf4")));
        QVERIFY(!WriteDatabaseRecord(db, sink));
        QCOMPARE(fileBytes(DatabaseFilePath(db, ".tf3")), QByteArray("old"));
        QVERIFY(db.oldFormatPending);
    }

    // A database file that cannot be used stops with a message naming it and changes nothing.
    void unreadableDatabaseRecord_data()
    {
        QTest::addColumn<QByteArray>("content"); // "missing" and "folder" are no file at all
        QByteArray valid(DatabaseRecordSize, '\0');
        valid[319] = 1;
        QByteArray noPeriods = valid;
        noPeriods[319] = 0;
        QByteArray tooManyPeriods = valid;
        tooManyPeriods[319] = 101;
        QTest::newRow("missing") << QByteArray("missing");
        QTest::newRow("folder") << QByteArray("folder");
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("one byte short") << valid.left(DatabaseRecordSize - 1);
        QTest::newRow("no periods") << noPeriods;
        QTest::newRow("101 periods") << tooManyPeriods;
    }
    void unreadableDatabaseRecord()
    {
        QFETCH(QByteArray, content);
        Database db;
        openAt(db);
        const QString path = DatabaseFilePath(db, ".tf4");
        if (content == "folder")
            QVERIFY(QDir().mkdir(path));
        else if (content != "missing")
            writeFileBytes(path, content);
        const DatabaseHeader before = db.header;
        RecordingSink sink;
        QVERIFY(!ReadDatabaseRecord(db, sink));
        QCOMPARE(sink.messages.size(), 1);
        QVERIFY(sink.messages[0].line1.contains(QDir::toNativeSeparators(path)));
        QVERIFY(!sink.messages[0].line2.isEmpty());
        QVERIFY(db.header == before);
    }

    void longerDatabaseFileReadsItsFirstRecord()
    {
        Database db;
        openAt(db);
        db.header.ownerName = QStringLiteral("Łucja");
        RecordingSink sink;
        QVERIFY(WriteDatabaseRecord(db, sink));
        writeFileBytes(DatabaseFilePath(db, ".tf4"), fileBytes(DatabaseFilePath(db, ".tf4")) + "trailing");
        Database back;
        SplitDatabasePath(back, DatabaseFilePath(db, ".tf4"));
        QVERIFY(ReadDatabaseRecord(back, sink));
        QCOMPARE(back.header.ownerName, QStringLiteral("Łucja"));
    }

    // A side file that cannot be written is reported and the registers are saved all the same; a
    // record or period file that cannot be written stops the save before any file changes. The
    // message names the file. File-size limits and folders in place of files make writes fail
    // for every user, root included.
    void failedSaveKeepsEarlierFiles_data()
    {
        QTest::addColumn<int>("sizeLimit");     // 0: none
        QTest::addColumn<QString>("folderAt");  // extension of a file replaced by a folder
        QTest::addColumn<int>("failing");       // index into the save order below

        QTest::newRow("shopping list is a folder") << 0 << ".tlz" << 0;
        QTest::newRow("period file over the size limit") << 9000 << QString() << 3;
        QTest::newRow("notes file is a folder") << 0 << ".tnt" << 1;
        QTest::newRow("database file is a folder") << 0 << ".tf4" << 2;
    }
    void failedSaveKeepsEarlierFiles()
    {
        QFETCH(int, sizeLimit);
        QFETCH(QString, folderAt);
        QFETCH(int, failing);
        const QStringList order = {".tlz", ".tnt", ".tf4", ".0"};

        Database db;
        openAt(db);
        fillPeriod(db, 1);
        RecordingSink sink;
        QVERIFY(SavePeriodFiles(db, 0, m_clock, sink));
        if (!folderAt.isEmpty()) {
            QVERIFY(QFile::remove(DatabaseFilePath(db, folderAt)));
            QVERIFY(QDir().mkdir(DatabaseFilePath(db, folderAt)));
        }
        QMap<QString, QByteArray> before;
        for (const QString &ext : order)
            before[ext] = fileBytes(DatabaseFilePath(db, ext));
        // Every name but the backups of replaced files ("<file>~"), hidden ones included.
        const auto names = [this] {
            QStringList names = QDir(m_dir.path()).entryList(QDir::Files | QDir::Dirs | QDir::Hidden | QDir::NoDotAndDotDot);
            names.removeIf([](const QString &name) { return name.endsWith(u'~'); });
            return names;
        };
        const QStringList filesBefore = names();

        // Change every file's content.
        fillPeriod(db, 2);
        for (int i = 0; i < 200; ++i) // a period file well over the size limit
            db.reg(RegisterKind::bankAccount).append(entry("01-07-2004", i, 1, "Wpłata"));
        db.shoppingItems[0].setText(QStringLiteral("mleko"));
        db.notes[0].setText(QStringLiteral("zapłacić"));
        m_clock.setToday(QDate(2004, 7, 1));
        bool saved = false;
        {
            std::optional<FileSizeLimit> limit;
            if (sizeLimit)
                limit.emplace(sizeLimit);
            saved = SavePeriodFiles(db, 0, m_clock, sink);
        }
        const bool sideFile = failing <= 1;
        QCOMPARE(saved, sideFile);
        QCOMPARE(sink.messages.size(), 1);
        const QString failedPath = DatabaseFilePath(db, order[failing]);
        QVERIFY2(sink.messages[0].line1.contains(QDir::toNativeSeparators(failedPath)), qPrintable(sink.messages[0].line1));
        QVERIFY(!sink.messages[0].line2.isEmpty());

        for (int i = 0; i < order.size(); ++i) {
            const QByteArray now = fileBytes(DatabaseFilePath(db, order[i]));
            const bool written = sideFile && i != failing;
            QVERIFY2((now != before[order[i]]) == written, qPrintable(order[i]));
        }
        // No temporary or intent file is left behind.
        QCOMPARE(names(), filesBefore);
    }

    void writeIntoMissingFolderFails()
    {
        Database db;
        SplitDatabasePath(db, m_dir.filePath("brak/baza.tf4"));
        RecordingSink sink;
        QVERIFY(!WriteDatabaseRecord(db, sink));
        QCOMPARE(sink.messages.size(), 1);
        QVERIFY(sink.messages[0].line1.contains(QDir::toNativeSeparators(m_dir.filePath("brak/baza.tf4"))));
        QCOMPARE(sink.messages[0].title, QStringLiteral("Błąd podczas zapisu pliku"));
    }
};

QTEST_APPLESS_MAIN(TestDatabaseFiles)
#include "tst_databasefiles.moc"
