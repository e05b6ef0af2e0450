#include "core/store/databaseops.h"

#include "core/store/clock.h"
#include "core/store/database.h"
#include "core/store/databasefiles.h"
#include "core/store/filetransaction.h"
#include "core/store/filewriter.h"
#include "core/store/helpers.h"
#include "core/store/messagesink.h"
#include "core/store/recovery.h"
#include "core/store/sidefiles.h"

#include <QFile>
#include <QFileInfo>
#include <QLocale>

#include <utility>

namespace trelfin {

namespace {

PeriodInfo newPeriod(const QDate &today)
{
    return {FormatDotDate(today) + QStringLiteral("brak"), PeriodNameFor(today)};
}

} // namespace

QString PeriodNameFor(const QDate &day)
{
    return QLocale().standaloneMonthName(day.month(), QLocale::LongFormat);
}

bool ClosePeriod(Database &db, int k, const Clock &clock, MessageSink &sink)
{
    if (!db.modified)
        return true;
    const bool withoutQuestion = db.saveWithoutAsking || db.pendingAction == PendingAction::saveWithoutQuestion;
    if (!withoutQuestion) {
        const SaveAnswer answer = sink.AskToSave(QStringLiteral("Czy zapisać zmiany w edytowanym okresie ?"),
                                                 QString(), QStringLiteral("Zamknięcie okresu"));
        // Cancelling keeps the changes in memory and stops the operation that asked.
        if (answer == SaveAnswer::cancel)
            return false;
        if (answer == SaveAnswer::discard) {
            db.modified = false;
            // An import in the changes dropped is not remembered either.
            db.importedSinceSave.clear();
            return true;
        }
    }
    db.modified = false;
    if (SavePeriodFiles(db, k, clock, sink))
        return true;
    db.modified = true;
    return false;
}

void InitialiseNewDatabase(Database &db, const QString &path, const Clock &clock)
{
    const QDate today = clock.today();
    SplitDatabasePath(db, path);
    DatabaseHeader &h = db.header;
    h = DatabaseHeader();
    SetDefaultGroups(h);
    h.ownerName = QStringLiteral("Anonimowy");
    h.otherData = QStringLiteral("brak");
    h.confirmDeletes = 1;
    h.createdDate = FormatDotDate(today);
    h.lastSaveDate = QStringLiteral("Brak");
    h.periodCount = 1;
    h.password.clear();
    h.periods[1] = newPeriod(today);
    h.periods[1].periodDates = h.periods[1].firstWriteDate() + FormatDotDate(today);
    db.currentPeriod = 1;
    db.selectedPeriod = 1;
    // Nothing of a database open earlier in this run may reach the new one.
    db.clearPeriodData();
    db.clearSideData();
    // The balance and forecast start over, as at program start: a span chosen for another
    // database is not this one's.
    db.balanceMode = ReportMode{};
    db.forecastMode = ReportMode{};
    db.oldFormatPending = false;
}

bool AppendPeriod(Database &db, const Clock &clock)
{
    if (db.header.periodCount >= MaxPeriods)
        return false;
    ++db.header.periodCount;
    db.currentPeriod = db.selectedPeriod = db.header.periodCount;
    db.header.periods[db.currentPeriod] = newPeriod(clock.today());
    for (RegisterKind kind : {RegisterKind::expenses, RegisterKind::incomes, RegisterKind::planned,
                              RegisterKind::debts})
        db.reg(kind).entries.clear();
    return true;
}

DatabaseHeader HeaderWithoutPeriod(const DatabaseHeader &from, int period)
{
    DatabaseHeader header = from;
    const int count = header.periodCount;
    for (int s = period; s < count; ++s)
        header.periods[s] = header.periods[s + 1];
    header.periods[count] = PeriodInfo();
    header.periodCount = static_cast<std::uint8_t>(count - 1);
    return header;
}

bool WriteNewDatabase(Database &db, const Clock &clock, MessageSink &sink)
{
    const QString today = FormatDotDate(clock.today());
    DatabaseHeader header = db.header;
    header.lastSaveDate = today;
    for (int p = 1; p <= header.periodCount; ++p) {
        PeriodInfo &info = header.periods[p];
        info.periodDates = info.periodDates.left(10).leftJustified(10, u' ') + today;
    }
    const QByteArray emptyPeriod = PeriodFileBytes(db);
    FileTransaction files(db.databaseDir, db.databaseName);
    files.write(ShoppingListPath(db), encodeShoppingList(db), sink);
    files.write(NotesPath(db), encodeNotes(db), sink);
    files.write(RecordFilePath(db), DatabaseRecordBytes(header), sink);
    for (int k = 0; k < header.periodCount; ++k)
        files.write(PeriodFilePath(db, k), emptyPeriod, sink);
    for (int k = header.periodCount; k < MaxPeriods; ++k) {
        if (QFileInfo::exists(PeriodFilePath(db, k)))
            files.remove(PeriodFilePath(db, k));
    }
    // What the replaced database imported or left unsaved is not the new one's.
    for (const QString &other : {ImportedRowsPath(db), ImportRulesPath(db), RecoveryFilePath(db)}) {
        if (QFileInfo::exists(other))
            files.remove(other);
    }
    if (!files.commit(sink))
        return false;
    db.header = header;
    db.modified = false;
    db.shoppingListKept = db.notesKept = false;
    return true;
}

bool RemovePeriod(Database &db, int period, MessageSink &sink)
{
    const int count = db.header.periodCount;
    const DatabaseHeader header = HeaderWithoutPeriod(db.header, period);

    // The later periods' files move one number down, the last number goes, and the record
    // describes the periods left: all of it takes effect together or not at all. The removed
    // period's file stays as its backup "<name>.<k>~".
    FileTransaction files(db.databaseDir, db.databaseName);
    for (int s = period; s < count; ++s) {
        const QString source = PeriodFilePath(db, s);
        if (QFileInfo::exists(source))
            files.copyFrom(source, PeriodFilePath(db, s - 1), sink);
        else
            files.remove(PeriodFilePath(db, s - 1));
    }
    files.remove(PeriodFilePath(db, count - 1));
    files.write(RecordFilePath(db), DatabaseRecordBytes(header), sink);
    if (!files.commit(sink))
        return false;
    db.header = header;
    return true;
}

bool DeleteDatabaseFiles(const Database &db, MessageSink &sink)
{
    // The record goes first: a deletion stopped half-way leaves no record that names periods
    // already gone. Every file goes, the backups of earlier saves too, those of periods removed
    // before and of an imported older database included.
    FileTransaction files(db.databaseDir, db.databaseName);
    QStringList paths = {RecordFilePath(db), FoundFilePath(db, QStringLiteral(".tf3")), FoundFilePath(db, QStringLiteral(".tfc"))};
    for (int k = 0; k < db.header.periodCount; ++k)
        paths.append(PeriodFilePath(db, k));
    paths << ShoppingListPath(db) << NotesPath(db) << RecoveryFilePath(db) << ImportedRowsPath(db) << ImportRulesPath(db);
    for (const QString &path : std::as_const(paths))
        files.remove(path, false);
    for (const QString &path : std::as_const(paths))
        files.remove(FileTransaction::backupPath(path), false);
    for (int k = db.header.periodCount; k < MaxPeriods; ++k) {
        const QString backup = FileTransaction::backupPath(PeriodFilePath(db, k));
        if (QFileInfo::exists(backup))
            files.remove(backup, false);
    }
    return files.commit(sink);
}

bool CopyDatabase(Database &db, const QString &newPath, const Clock &clock, MessageSink &sink)
{
    const QString oldDir = db.databaseDir, oldName = db.databaseName, oldExt = db.databaseExt;
    Database target;
    SplitDatabasePath(target, newPath);
    if (target.databaseDir == oldDir && target.databaseName == oldName) {
        // Onto its own name it is a save of the current period when that holds changes, and
        // nothing else: a second save would make every backup a copy of the file it backs up.
        if (!db.modified)
            return true;
        if (!SavePeriodFiles(db, db.currentPeriod - 1, clock, sink))
            return false;
        db.modified = false;
        return true;
    }
    const bool shoppingListKept = std::exchange(db.shoppingListKept, false);
    const bool notesKept = std::exchange(db.notesKept, false);
    const auto useOld = [&] {
        db.databaseDir = oldDir;
        db.databaseName = oldName;
        db.databaseExt = oldExt;
        db.shoppingListKept = shoppingListKept;
        db.notesKept = notesKept;
    };

    // Every file of the copy is written under a temporary name first; the copy takes the new
    // name all at once, and periods of a database that had that name before and are beyond the
    // copy's last period go with it.
    FileTransaction files(target.databaseDir, target.databaseName);
    files.setModeSource(oldDir + oldName + oldExt); // a copy is as closed to others as its source
    bool copied = true;
    for (int p = 1; p <= db.header.periodCount && copied; ++p) {
        useOld();
        // A file of the previous version has no recurring expenses: they must not come from the
        // period read before.
        db.recurringExpenses = {};
        copied = LoadPeriod(db, p - 1, sink)
            && files.write(target.databaseDir + target.databaseName + u'.' + QString::number(p - 1), PeriodFileBytes(db), sink);
    }
    useOld();
    if (copied) {
        const QString today = FormatDotDate(clock.today());
        DatabaseHeader header = db.header;
        header.lastSaveDate = today;
        PeriodInfo &info = header.periods[db.currentPeriod];
        info.periodDates = info.periodDates.left(10).leftJustified(10, u' ') + today;
        db.databaseDir = target.databaseDir;
        db.databaseName = target.databaseName;
        db.databaseExt = QStringLiteral(".tf4");
        files.write(ShoppingListPath(db), encodeShoppingList(db), sink);
        files.write(NotesPath(db), encodeNotes(db), sink);
        // The rows imported go with the copy, which replaces what a database of that name had.
        if (!RememberedImports(db).isEmpty())
            files.write(ImportedRowsPath(db), encodeImportedRows(db), sink);
        else if (QFileInfo::exists(ImportedRowsPath(db)))
            files.remove(ImportedRowsPath(db));
        if (!db.importRules.isEmpty() || db.importAlsoIntoRegisters)
            files.write(ImportRulesPath(db), encodeImportRules(db), sink);
        else if (QFileInfo::exists(ImportRulesPath(db)))
            files.remove(ImportRulesPath(db));
        files.write(RecordFilePath(db), DatabaseRecordBytes(header), sink);
        for (int k = db.header.periodCount; k < MaxPeriods; ++k) {
            if (QFileInfo::exists(PeriodFilePath(db, k)))
                files.remove(PeriodFilePath(db, k));
        }
        copied = files.commit(sink);
        if (copied) {
            db.header = header;
            db.shoppingListKept = db.notesKept = false;
        } else {
            useOld();
        }
    }
    // A copy that stopped leaves nothing: its temporary files go with the transaction.
    // The registers in memory become those of the current period again.
    const bool reloaded = LoadPeriod(db, db.currentPeriod - 1, sink);
    return copied && reloaded;
}

} // namespace trelfin
