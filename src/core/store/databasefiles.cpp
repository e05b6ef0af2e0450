#include "core/store/databasefiles.h"

#include "core/store/clock.h"
#include "core/store/cp1250.h"
#include "core/store/database.h"
#include "core/store/filetransaction.h"
#include "core/store/filemessages.h"
#include "core/store/fileoperations.h"
#include "core/store/filewriter.h"
#include "core/store/helpers.h"
#include "core/store/messagesink.h"
#include "core/store/scramble.h"
#include "core/store/sidefiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QtEndian>

#include <algorithm>
#include <cstring>
#include <optional>
#include <utility>

namespace trelfin {

namespace {

// ---- Database record layout -------------------------------------------------------------------

namespace RecordOffset {
constexpr int ownerName = 0;
constexpr int otherData = 41;
constexpr int createdDate = 297;
constexpr int lastSaveDate = 308;
constexpr int periodCount = 319;
constexpr int confirmDeletes = 320;
constexpr int password = 321;
constexpr int groupNames = 332;     // group g at 332 + 11 * (g - 1)
constexpr int groupSize = 11;
constexpr int periods = 662;        // period p at 662 + 62 * (p - 1)
constexpr int periodSize = 62;
constexpr int periodName = 21;      // inside a period's 62 bytes, after periodDates
} // namespace RecordOffset

static_assert(RecordOffset::periods + MaxPeriods * RecordOffset::periodSize == DatabaseRecordSize);

// ---- Period record layout ---------------------------------------------------------------------

namespace EntryOffset {
constexpr int date = int(EntryField::date);
constexpr int amount = int(EntryField::amount);
constexpr int group = int(EntryField::group);
constexpr int description = int(EntryField::description);
} // namespace EntryOffset

// A register section of a period file holds at most this many entries before its end record.
constexpr int SectionEntryLimit = EntrySlots;

// The longest file the reader can use: four register sections of SectionEntryLimit entries and
// their end records, 5 recurring incomes, the bank section, 5 recurring expenses. Bytes beyond it
// are never looked at, so a huge file is not read into memory whole.
constexpr qsizetype MaxPeriodFileSize =
    qsizetype(PeriodRecordSize) * (5 * (SectionEntryLimit + 1) + 2 * RecurringRows);

const char kEndMark[] = "fu2u";
constexpr int kEndMarkLength = 4;

// ---- Texts ------------------------------------------------------------------------------------

// Stores `text` as a string[width] at `offset`: length byte, characters, zeros behind them.
void putText(QByteArray &bytes, int offset, int width, const QString &text)
{
    const QByteArray chars = toCp1250(text).left(width);
    bytes[offset] = static_cast<char>(chars.size());
    std::memcpy(bytes.data() + offset + 1, chars.constData(), chars.size());
}

// The text of the string[width] at `offset` whose character positions are already readable.
QString getText(const QByteArray &bytes, int offset, int width)
{
    const int length = std::min<int>(static_cast<std::uint8_t>(bytes[offset]), width);
    return fromCp1250(bytes.mid(offset + 1, length));
}

void putWrappedText(QByteArray &bytes, int offset, int width, const QString &text)
{
    putText(bytes, offset, width, text);
    ScrambleWrapping(textPositions(bytes, offset, width));
}

QString getWrappedText(QByteArray &bytes, int offset, int width)
{
    UnscrambleWrapping(textPositions(bytes, offset, width));
    return getText(bytes, offset, width);
}

void putDouble(QByteArray &bytes, int offset, double value)
{
    quint64 bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    qToLittleEndian(bits, bytes.data() + offset);
}

double getDouble(const QByteArray &bytes, int offset)
{
    const quint64 bits = qFromLittleEndian<quint64>(bytes.constData() + offset);
    double value = 0;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

// ---- Database record --------------------------------------------------------------------------

QByteArray encodeDatabaseRecord(const DatabaseHeader &h)
{
    using namespace RecordOffset;
    QByteArray bytes(DatabaseRecordSize, '\0');
    putWrappedText(bytes, ownerName, Width::ownerName, h.ownerName);
    putWrappedText(bytes, otherData, Width::otherData, h.otherData);
    putWrappedText(bytes, createdDate, Width::recordDate, h.createdDate);
    putWrappedText(bytes, lastSaveDate, Width::recordDate, h.lastSaveDate);
    bytes[periodCount] = static_cast<char>(h.periodCount);
    bytes[confirmDeletes] = static_cast<char>(h.confirmDeletes);
    putWrappedText(bytes, password, Width::password, h.password);
    for (int g = 1; g <= GroupCount; ++g)
        putWrappedText(bytes, groupNames + groupSize * (g - 1), Width::groupName, h.groupNames[g]);
    for (int p = 1; p <= MaxPeriods; ++p) {
        const int at = periods + periodSize * (p - 1);
        putWrappedText(bytes, at, Width::periodDates, h.periods[p].periodDates);
        putWrappedText(bytes, at + periodName, Width::periodName, h.periods[p].periodName);
    }
    return bytes;
}

// The header stored in `bytes` (DatabaseRecordSize of them), or nothing with the reason.
std::optional<DatabaseHeader> decodeDatabaseRecord(QByteArray bytes, QString &problem)
{
    using namespace RecordOffset;
    const int count = static_cast<std::uint8_t>(bytes[periodCount]);
    if (count < 1 || count > MaxPeriods) {
        problem = QStringLiteral("Plik jest uszkodzony (liczba okresów: %1).").arg(count);
        return std::nullopt;
    }
    DatabaseHeader h;
    h.ownerName = getWrappedText(bytes, ownerName, Width::ownerName);
    h.otherData = getWrappedText(bytes, otherData, Width::otherData);
    h.createdDate = getWrappedText(bytes, createdDate, Width::recordDate);
    h.lastSaveDate = getWrappedText(bytes, lastSaveDate, Width::recordDate);
    h.periodCount = static_cast<std::uint8_t>(count);
    h.confirmDeletes = static_cast<std::uint8_t>(bytes[confirmDeletes]);
    h.password = getWrappedText(bytes, password, Width::password);
    for (int g = 1; g <= GroupCount; ++g)
        h.groupNames[g] = getWrappedText(bytes, groupNames + groupSize * (g - 1), Width::groupName);
    for (int p = 1; p <= MaxPeriods; ++p) {
        const int at = periods + periodSize * (p - 1);
        h.periods[p].periodDates = getWrappedText(bytes, at, Width::periodDates);
        h.periods[p].periodName = getWrappedText(bytes, at + periodName, Width::periodName);
    }
    return h;
}

// ---- Period records ---------------------------------------------------------------------------

void putEntry(QByteArray &bytes, int at, const Entry &e, std::uint8_t group)
{
    putText(bytes, at + EntryOffset::date, Width::entryDate, e.date);
    ScramblePlain(textPositions(bytes, at + EntryOffset::date, Width::entryDate));
    putDouble(bytes, at + EntryOffset::amount, e.amount);
    bytes[at + EntryOffset::group] = static_cast<char>(group);
    putWrappedText(bytes, at + EntryOffset::description, Width::description, e.description);
}

void putEndRecord(QByteArray &bytes, int at)
{
    bytes[at + EntryOffset::date] = static_cast<char>(kEndMarkLength);
    std::memcpy(bytes.data() + at + EntryOffset::date + 1, kEndMark, kEndMarkLength);
}

QByteArray encodePeriod(const Database &db)
{
    int records = 2 * RecurringRows;
    for (const Register &r : db.registers)
        records += r.count() + 1;
    QByteArray bytes(qsizetype(records) * PeriodRecordSize, '\0');

    int at = 0;
    auto writeSection = [&](RegisterKind kind) {
        for (const Entry &e : db.reg(kind).entries) {
            putEntry(bytes, at, e, kind == RegisterKind::incomes ? 0 : e.group);
            at += PeriodRecordSize;
        }
        putEndRecord(bytes, at);
        at += PeriodRecordSize;
    };

    writeSection(RegisterKind::expenses);
    writeSection(RegisterKind::incomes);
    writeSection(RegisterKind::debts);
    writeSection(RegisterKind::planned);
    for (const RecurringIncome &ri : db.recurringIncomes) {
        // The day sits in the date field; only its two positions are scrambled.
        putText(bytes, at + EntryOffset::date, Width::recurringDay, ri.day);
        ScramblePlain(textPositions(bytes, at + EntryOffset::date, Width::recurringDay));
        putDouble(bytes, at + EntryOffset::amount, ri.amount.toDouble());
        bytes[at + EntryOffset::group] = ri.active ? 1 : 0;
        putWrappedText(bytes, at + EntryOffset::description, Width::description, ri.description);
        at += PeriodRecordSize;
    }
    writeSection(RegisterKind::bankAccount);
    for (const RecurringExpense &re : db.recurringExpenses) {
        // The date field holds one unscrambled character: "T" active, "N" not.
        bytes[at + EntryOffset::date] = 1;
        bytes[at + EntryOffset::date + 1] = re.active ? 'T' : 'N';
        putDouble(bytes, at + EntryOffset::amount, re.amount.toDouble());
        bytes[at + EntryOffset::group] = static_cast<char>(re.group);
        putWrappedText(bytes, at + EntryOffset::description, Width::description, re.description);
        at += PeriodRecordSize;
    }
    Q_ASSERT(at == bytes.size());
    return bytes;
}

// What a period file holds, gathered before it replaces the database's period data.
struct PeriodData
{
    std::array<Register, RegisterCount> registers;
    std::array<RecurringIncome, RecurringRows> recurringIncomes;
    std::array<RecurringExpense, RecurringRows> recurringExpenses;
};

// Walks a period file record by record. `record` holds a copy of the current record, so that
// unscrambling never touches the file's bytes.
class PeriodReader
{
public:
    explicit PeriodReader(const QByteArray &file) : m_file(file) {}

    // Makes the next record current; false when fewer than a record's bytes are left.
    bool next()
    {
        if (m_file.size() - m_pos < PeriodRecordSize)
            return false;
        // One buffer for every record: no allocation per record.
        record.resize(PeriodRecordSize);
        std::memcpy(record.data(), m_file.constData() + m_pos, PeriodRecordSize);
        m_pos += PeriodRecordSize;
        return true;
    }

    bool atEnd() const { return m_pos >= m_file.size(); }

    // The end record is recognised by its stored, unscrambled date field: length 4, "fu2u".
    bool isEndRecord() const
    {
        return static_cast<std::uint8_t>(record[EntryOffset::date]) == kEndMarkLength
            && std::memcmp(record.constData() + EntryOffset::date + 1, kEndMark, kEndMarkLength) == 0;
    }

    Entry entry(bool withGroup)
    {
        Entry e;
        UnscramblePlain(textPositions(record, EntryOffset::date, Width::entryDate));
        e.date = getText(record, EntryOffset::date, Width::entryDate);
        e.amount = amount();
        e.group = withGroup ? group() : 0;
        e.description = description();
        return e;
    }

    double amount() const { return getDouble(record, EntryOffset::amount); }
    // The date key (year * 10000 + month * 100 + day) of the current record's date, read as
    // ParseDate reads it: each piece blanks then digits; nothing when it is no date.
    std::optional<int> dateKey()
    {
        UnscramblePlain(textPositions(record, EntryOffset::date, Width::entryDate));
        const int length = std::min<int>(static_cast<std::uint8_t>(record[EntryOffset::date]), Width::entryDate);
        const char *text = record.constData() + EntryOffset::date + 1;
        const auto piece = [&](int from, int size) -> std::optional<int> {
            int i = from;
            const int end = std::min(from + size, length);
            while (i < end && text[i] == ' ')
                ++i;
            if (i >= end)
                return std::nullopt;
            int value = 0;
            for (; i < end; ++i) {
                if (text[i] < '0' || text[i] > '9')
                    return std::nullopt;
                value = value * 10 + (text[i] - '0');
            }
            return value;
        };
        const auto day = piece(0, 2), month = piece(3, 2), year = piece(6, 4);
        if (!day || !month || !year)
            return std::nullopt;
        return *year * 10000 + *month * 100 + *day;
    }
    std::uint8_t group() const { return static_cast<std::uint8_t>(record[EntryOffset::group]); }
    QString description() { return getWrappedText(record, EntryOffset::description, Width::description); }

    // Reads entries from the current record up to the end record, which stays current.
    bool readSection(Register &reg, bool withGroup)
    {
        while (!isEndRecord()) {
            if (reg.count() >= SectionEntryLimit)
                return false;
            reg.entries.append(entry(withGroup));
            if (!next())
                return false;
        }
        return true;
    }

    // Visits the entries from the current record up to the end record, which stays current.
    template<class Visit>
    bool visitSection(RegisterKind kind, Visit &visit)
    {
        int count = 0;
        while (!isEndRecord()) {
            if (count++ >= SectionEntryLimit)
                return false;
            visit(kind, dateKey(), amount(), kind == RegisterKind::incomes ? 0 : int(group()));
            if (!next())
                return false;
        }
        return true;
    }

    QByteArray record;

private:
    const QByteArray &m_file;
    qsizetype m_pos = 0;
};

// Reads the seven sections into `data`; false at the first damage. `previousExpenses` are the
// recurring expenses in memory, which a file without that section keeps (with group 0).
bool decodePeriod(const QByteArray &file, PeriodData &data,
                  const std::array<RecurringExpense, RecurringRows> &previousExpenses)
{
    PeriodReader in(file);
    auto &regs = data.registers;
    auto reg = [&regs](RegisterKind kind) -> Register & { return regs[static_cast<int>(kind)]; };

    if (!in.next() || !in.readSection(reg(RegisterKind::expenses), true) || !in.next())
        return false;
    if (!in.readSection(reg(RegisterKind::incomes), false) || !in.next())
        return false;
    if (!in.readSection(reg(RegisterKind::debts), true))
        return false;
    // A file ending after the debts leaves the planned register empty; reading the recurring
    // incomes below then fails.
    if (!in.atEnd() && (!in.next() || !in.readSection(reg(RegisterKind::planned), true)))
        return false;

    for (RecurringIncome &ri : data.recurringIncomes) {
        if (!in.next())
            return false;
        UnscramblePlain(textPositions(in.record, EntryOffset::date, Width::recurringDay));
        ri.day = getText(in.record, EntryOffset::date, Width::recurringDay);
        const auto amount = Real48::fromDouble(in.amount());
        if (!amount)
            return false; // not a number, or too large for a recurring amount
        ri.amount = *amount;
        ri.active = in.group() == 1;
        ri.description = in.description();
    }

    if (!in.next() || !in.readSection(reg(RegisterKind::bankAccount), true))
        return false;

    // Files of the previous version end after the bank account: the recurring expenses in memory
    // stay, with their groups reset.
    if (in.atEnd()) {
        data.recurringExpenses = previousExpenses;
        for (RecurringExpense &re : data.recurringExpenses)
            re.group = 0;
        return true;
    }
    for (RecurringExpense &re : data.recurringExpenses) {
        if (!in.next())
            return false;
        re.group = in.group();
        const auto amount = Real48::fromDouble(in.amount());
        if (!amount)
            return false;
        re.amount = *amount;
        re.active = in.record[EntryOffset::date + 1] == 'T';
        re.description = in.description();
    }
    return true;
}

} // namespace

qsizetype LargestPeriodFileSize()
{
    return MaxPeriodFileSize;
}

bool ForEachPeriodEntry(const QByteArray &file, const PeriodEntryVisitor &visit)
{
    // The same walk as decodePeriod, so that a file is damaged for both or for neither.
    PeriodReader in(file);
    if (!in.next() || !in.visitSection(RegisterKind::expenses, visit) || !in.next())
        return false;
    if (!in.visitSection(RegisterKind::incomes, visit) || !in.next())
        return false;
    if (!in.visitSection(RegisterKind::debts, visit))
        return false;
    if (!in.atEnd() && (!in.next() || !in.visitSection(RegisterKind::planned, visit)))
        return false;
    for (int r = 0; r < RecurringRows; ++r) {
        if (!in.next() || !Real48::fromDouble(in.amount()))
            return false;
    }
    if (!in.next() || !in.visitSection(RegisterKind::bankAccount, visit))
        return false;
    if (in.atEnd())
        return true;
    for (int r = 0; r < RecurringRows; ++r) {
        if (!in.next() || !Real48::fromDouble(in.amount()))
            return false;
    }
    return true;
}

QByteArray DatabaseRecordBytes(const DatabaseHeader &header)
{
    return encodeDatabaseRecord(header);
}

QByteArray PeriodFileBytes(const Database &db)
{
    return encodePeriod(db);
}

// ---- Paths ------------------------------------------------------------------------------------

void SplitDatabasePath(Database &db, const QString &path)
{
    db.databaseDir.clear();
    db.databaseName.clear();
    db.databaseExt.clear();
    const qsizetype stemLength = std::max<qsizetype>(path.size() - 4, 0);
    for (qsizetype i = 0; i < stemLength; ++i) {
        const QChar ch = path.at(i);
        if (ch == u'/' || ch == u'\\') {
            db.databaseDir += db.databaseName + ch;
            db.databaseName.clear();
        } else {
            db.databaseName += ch;
        }
    }
    db.databaseExt = path.mid(stemLength);
}

QString DatabaseFilePath(const Database &db, const QString &extension)
{
    return db.databaseDir + db.databaseName + extension;
}

QString FoundFilePath(const Database &db, const QString &extension)
{
    const QString preferred = DatabaseFilePath(db, extension);
    if (QFileInfo::exists(preferred))
        return preferred;
    // A database copied from another system may carry its extensions in capitals.
    const QString wanted = db.databaseName + extension;
    const QStringList names = QDir(db.databaseDir.isEmpty() ? QStringLiteral(".") : db.databaseDir)
                                  .entryList(QDir::Files | QDir::Hidden | QDir::System);
    for (const QString &name : names) {
        if (name.size() == wanted.size() && name.startsWith(db.databaseName)
            && name.endsWith(extension, Qt::CaseInsensitive))
            return db.databaseDir + name;
    }
    return preferred;
}

QString RecordFilePath(const Database &db)
{
    // A record found as "<name>.TF4" is written back under that name; one of an older version
    // becomes "<name>.tf4".
    if (db.databaseExt.compare(QStringLiteral(".tf4"), Qt::CaseInsensitive) == 0)
        return DatabaseFilePath(db, db.databaseExt);
    return FoundFilePath(db, QStringLiteral(".tf4"));
}

QString PeriodFilePath(const Database &db, int k)
{
    return DatabaseFilePath(db, u'.' + QString::number(k));
}

// ---- Database record --------------------------------------------------------------------------

bool ReadDatabaseRecord(Database &db, MessageSink &sink)
{
    const QString path = DatabaseFilePath(db, db.databaseExt);
    QFile file(path);
    QString reason;
    if (!OpenRegularFileForReading(file, reason)) {
        ReportReadFailure(path, reason, sink);
        return false;
    }
    const QByteArray bytes = file.read(DatabaseRecordSize);
    if (bytes.size() != DatabaseRecordSize) {
        const QString reason = file.error() != QFileDevice::NoError
            ? file.errorString()
            : QStringLiteral("Plik jest za krótki (%1 B zamiast %2 B).").arg(bytes.size()).arg(DatabaseRecordSize);
        ReportReadFailure(path, reason, sink);
        return false;
    }
    file.close();

    QString problem;
    auto header = decodeDatabaseRecord(bytes, problem);
    if (!header) {
        ReportReadFailure(path, problem, sink);
        return false;
    }
    db.header = std::move(*header);
    return true;
}

bool WriteDatabaseRecord(Database &db, MessageSink &sink)
{
    if (!WriteWholeFile(RecordFilePath(db), encodeDatabaseRecord(db.header), sink))
        return false;

    if (db.oldFormatPending) {
        // The previous version's file has now been replaced by the ".tf4" one. If it cannot be
        // removed the flag stays set, so that the next save tries again.
        QFile old(FoundFilePath(db, QStringLiteral(".tf3")));
        if (old.exists() && !old.remove())
            ReportRemoveFailure(old.fileName(), old.errorString(), sink);
        else
            db.oldFormatPending = false;
    }
    return true;
}

// ---- Periods ----------------------------------------------------------------------------------

qsizetype PeriodEntryOffset(const Database &db, RegisterKind kind, int index, EntryField field)
{
    // The sections in file order, each register's entries closed by an end record; the recurring
    // incomes stand between the planned register and the bank account.
    qsizetype records = 0;
    for (RegisterKind before : {RegisterKind::expenses, RegisterKind::incomes, RegisterKind::debts,
                                RegisterKind::planned, RegisterKind::bankAccount}) {
        if (before == RegisterKind::bankAccount)
            records += RecurringRows;
        if (before == kind)
            break;
        records += db.reg(before).count() + 1;
    }
    return (records + index) * PeriodRecordSize + int(field);
}

std::optional<QByteArray> ReadPeriodFileBytes(const Database &db, int k, qsizetype maxSize)
{
    QFile file(PeriodFilePath(db, k));
    QString reason;
    if (!OpenRegularFileForReading(file, reason))
        return std::nullopt;
    // Asking for no more than the file holds: read() sets aside all it is asked for.
    const qint64 wanted = file.isSequential() ? maxSize : std::min<qint64>(maxSize, file.size());
    QByteArray bytes = file.read(wanted);
    if (file.error() != QFileDevice::NoError)
        return std::nullopt;
    return bytes;
}

void ReportPeriodReadFailure(Database &db, const QString &hint, MessageSink &sink)
{
    sink.ShowInformation(QStringLiteral("Niepoprawny format pliku. Pamiętaj:"), hint, QStringLiteral("Błąd podczas odczytu pliku"));
    db.pendingAction = PendingAction::readFailed;
}

std::optional<DatabaseHeader> DatabaseRecordFromBytes(const QByteArray &bytes, QString &problem)
{
    if (bytes.size() != DatabaseRecordSize) {
        problem = QStringLiteral("Plik jest za krótki (%1 B zamiast %2 B).").arg(bytes.size()).arg(DatabaseRecordSize);
        return std::nullopt;
    }
    return decodeDatabaseRecord(bytes, problem);
}

bool PeriodFromBytes(Database &db, const QByteArray &bytes)
{
    PeriodData data;
    if (!decodePeriod(bytes, data, db.recurringExpenses))
        return false;
    db.registers = std::move(data.registers);
    db.recurringIncomes = data.recurringIncomes;
    db.recurringExpenses = data.recurringExpenses;
    return true;
}

bool LoadPeriod(Database &db, int k, MessageSink &sink)
{
    const std::optional<QByteArray> bytes = ReadPeriodFileBytes(db, k, MaxPeriodFileSize);
    PeriodData data;
    const bool ok = bytes && decodePeriod(*bytes, data, db.recurringExpenses);

    // Also after a failure the period data is replaced, so that the registers never mix what was
    // read of this period with the rest of the previous one.
    db.registers = std::move(data.registers);
    db.recurringIncomes = data.recurringIncomes;
    db.recurringExpenses = data.recurringExpenses;

    if (!ok) {
        ReportPeriodReadFailure(db, QStringLiteral("dane z wersji TrelFIN 2000 należy importować"), sink);
        return false;
    }
    db.modified = false;
    db.pendingAction = PendingAction::none;
    return true;
}

bool SavePeriodFiles(Database &db, int k, const Clock &clock, MessageSink &sink)
{
    const QString today = FormatDotDate(clock.today());
    db.header.lastSaveDate = today;
    if (db.currentPeriod >= 1 && db.currentPeriod <= MaxPeriods) {
        // Characters 1-10 keep the day the period was created; 11-20 become today.
        PeriodInfo &info = db.header.periods[db.currentPeriod];
        info.periodDates = info.periodDates.left(10).leftJustified(10, u' ') + today;
    }
    // The record and the period file take effect together. The side files belong to the whole
    // database, not to the period: one that cannot be written is reported and the registers are
    // saved all the same.
    FileTransaction files(db.databaseDir, db.databaseName);
    files.setModeSource(DatabaseFilePath(db, db.databaseExt));
    if (!db.shoppingListKept)
        files.write(ShoppingListPath(db), encodeShoppingList(db), sink, FileTransaction::Need::optional);
    if (!db.notesKept)
        files.write(NotesPath(db), encodeNotes(db), sink, FileTransaction::Need::optional);
    files.write(RecordFilePath(db), encodeDatabaseRecord(db.header), sink);
    files.write(PeriodFilePath(db, k), encodePeriod(db), sink);
    // The rows imported since the last save are remembered in the same step as the period that
    // holds them.
    const QSet<QString> remembered = RememberedImports(db);
    const bool importsToRemember = remembered.size() != db.importedRows.size() && !db.importedRowsKept;
    if (importsToRemember)
        files.write(ImportedRowsPath(db), encodeImportedRows(db), sink);
    const bool rulesToWrite = db.importRulesChanged && !db.importRulesKept;
    if (rulesToWrite)
        files.write(ImportRulesPath(db), encodeImportRules(db), sink, FileTransaction::Need::optional);
    if (db.oldFormatPending)
        files.remove(FoundFilePath(db, QStringLiteral(".tf3")));
    if (!files.commit(sink))
        return false;
    // The previous version's file was replaced by the ".tf4" one with the rest.
    db.oldFormatPending = false;
    if (importsToRemember)
        db.importedRows = remembered;
    db.importedSinceSave.clear();
    if (rulesToWrite)
        db.importRulesChanged = false;
    return true;
}

} // namespace trelfin
