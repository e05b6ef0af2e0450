#include "core/store/olderformats.h"

#include "core/store/clock.h"
#include "core/store/cp1250.h"
#include "core/store/database.h"
#include "core/store/databasefiles.h"
#include "core/store/filetransaction.h"
#include "core/store/helpers.h"
#include "core/store/messagesink.h"
#include "core/store/real48.h"
#include "core/store/scramble.h"
#include "core/store/sidefiles.h"

#include <QFile>

#include <algorithm>
#include <cstring>

namespace trelfin {

namespace {

namespace Offset2000 {
constexpr int date = 0;
constexpr int amount = 12;
constexpr int group = 18;
constexpr int description = 19;
} // namespace Offset2000

// At most four sections of a full register and their end records.
constexpr qsizetype MaxPeriodFileSize2000 = qsizetype(PeriodRecordSize2000) * 4 * (MaxEntries + 2);

QString textAt(const QByteArray &record, int offset, int width)
{
    const int length = std::min<int>(static_cast<std::uint8_t>(record[offset]), width);
    return fromCp1250(record.mid(offset + 1, length));
}

bool isEndRecord(const QByteArray &record)
{
    return static_cast<std::uint8_t>(record[Offset2000::date]) == 4
        && std::memcmp(record.constData() + Offset2000::date + 1, "fu2u", 4) == 0;
}

Entry entryOf(QByteArray record, bool withGroup)
{
    UnscramblePlain(textPositions(record, Offset2000::date, Width::entryDate));
    UnscrambleWrapping(textPositions(record, Offset2000::description, Width::description));
    Real48::Bytes amount{};
    std::memcpy(amount.data(), record.constData() + Offset2000::amount, amount.size());
    Entry e;
    e.date = textAt(record, Offset2000::date, Width::entryDate);
    e.amount = Real48::fromBytes(amount).toDouble();
    e.group = withGroup ? static_cast<std::uint8_t>(record[Offset2000::group]) : 0;
    e.description = textAt(record, Offset2000::description, Width::description);
    return e;
}

// Reads the records from `pos` up to and including the next end record into `reg`.
bool readSection(const QByteArray &file, qsizetype &pos, Register &reg, bool withGroup)
{
    while (true) {
        if (file.size() - pos < PeriodRecordSize2000)
            return false;
        const QByteArray record = file.mid(pos, PeriodRecordSize2000);
        pos += PeriodRecordSize2000;
        if (isEndRecord(record))
            return true;
        if (reg.count() >= EntrySlots)
            return false;
        reg.entries.append(entryOf(record, withGroup).fitted());
    }
}

} // namespace

bool LoadPeriod2000(Database &db, int k, MessageSink &sink)
{
    const std::optional<QByteArray> read = ReadPeriodFileBytes(db, k, MaxPeriodFileSize2000);
    const QByteArray bytes = read.value_or(QByteArray());
    db.clearPeriodData();
    qsizetype pos = 0;
    const bool ok = read && readSection(bytes, pos, db.reg(RegisterKind::expenses), true)
        && readSection(bytes, pos, db.reg(RegisterKind::incomes), false)
        && readSection(bytes, pos, db.reg(RegisterKind::debts), true)
        && (pos >= bytes.size() || readSection(bytes, pos, db.reg(RegisterKind::planned), true));
    if (!ok) {
        ReportPeriodReadFailure(db, QStringLiteral("dane z poprzedniej wersji programu należy importować"), sink);
        return false;
    }
    db.modified = false;
    db.pendingAction = PendingAction::none;
    return true;
}

bool ConvertDatabase2000(Database &db, const Clock &clock, MessageSink &sink)
{
    const DatabaseHeader original = db.header;
    const QString today = FormatDotDate(clock.today());
    FileTransaction files(db.databaseDir, db.databaseName);
    files.setModeSource(DatabaseFilePath(db, db.databaseExt)); // the 2000-version record
    const auto fail = [&] {
        db.header = original;
        db.clearPeriodData();
        return false;
    };
    // From the last period to the first, each saved as its own save would write it.
    for (int k = db.header.periodCount - 1; k >= 0; --k) {
        if (!LoadPeriod2000(db, k, sink))
            return fail();
        db.currentPeriod = k + 1;
        PeriodInfo &info = db.header.periods[k + 1];
        info.periodDates = info.periodDates.left(10).leftJustified(10, u' ') + today;
        if (!files.write(PeriodFilePath(db, k), PeriodFileBytes(db), sink))
            return fail();
    }
    db.header.lastSaveDate = today;
    const QString source = DatabaseFilePath(db, db.databaseExt);
    db.databaseExt = QStringLiteral(".tf4");
    if (!db.shoppingListKept)
        files.write(ShoppingListPath(db), encodeShoppingList(db), sink, FileTransaction::Need::optional);
    if (!db.notesKept)
        files.write(NotesPath(db), encodeNotes(db), sink, FileTransaction::Need::optional);
    files.write(RecordFilePath(db), DatabaseRecordBytes(db.header), sink);
    files.remove(source);
    if (!files.commit(sink)) {
        db.databaseExt = source.right(4);
        return fail();
    }
    db.currentPeriod = 1;
    return LoadPeriod(db, 0, sink);
}

} // namespace trelfin
