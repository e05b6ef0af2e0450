#include "core/store/databaseops.h"

#include "core/store/clock.h"
#include "core/store/database.h"
#include "core/store/databasefiles.h"
#include "core/store/filewriter.h"
#include "core/store/helpers.h"
#include "core/store/messagesink.h"
#include "core/store/sidefiles.h"

#include <QFile>
#include <QLocale>

namespace trelfin {

namespace {

bool removeIfPresent(const QString &path, MessageSink &sink)
{
    QFile file(path);
    if (!file.exists() || file.remove())
        return true;
    ReportRemoveFailure(path, file.errorString(), sink);
    return false;
}

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
    db.modified = false;
    const bool save = db.saveWithoutAsking || db.pendingAction == PendingAction::saveWithoutQuestion
        || sink.AskQuestion(QStringLiteral("Czy zapisać zmiany w edytowanym okresie ?"), QString(),
                            QStringLiteral("Zamknięcie okresu"));
    if (!save)
        return true;
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

bool RemovePeriod(Database &db, int period, MessageSink &sink)
{
    const int count = db.header.periodCount;
    const auto rename = [&sink](const QString &from, const QString &to) {
        QFile file(from);
        if (file.rename(to))
            return true;
        sink.ShowInformation(QStringLiteral("Nie można zmienić nazwy pliku ") + from, file.errorString(),
                             QStringLiteral("Błąd"));
        return false;
    };

    // The period's file is first set aside, so that a later failure can put every file back:
    // the record and the files on disk always describe the same periods.
    const QString removed = PeriodFilePath(db, period - 1);
    const QString setAside = removed + QStringLiteral(".usuwany");
    const bool hadFile = QFile::exists(removed);
    if (hadFile && (!removeIfPresent(setAside, sink) || !rename(removed, setAside)))
        return false;
    for (int s = period; s < count; ++s) {
        if (QFile::exists(PeriodFilePath(db, s)) && !rename(PeriodFilePath(db, s), PeriodFilePath(db, s - 1))) {
            for (int t = s - 1; t >= period; --t)
                QFile::rename(PeriodFilePath(db, t - 1), PeriodFilePath(db, t));
            if (hadFile)
                QFile::rename(setAside, removed);
            return false;
        }
    }
    if (hadFile)
        removeIfPresent(setAside, sink); // a leftover is harmless: no period file has this name

    for (int s = period; s < count; ++s)
        db.header.periods[s] = db.header.periods[s + 1];
    db.header.periods[count] = PeriodInfo();
    db.header.periodCount = static_cast<std::uint8_t>(count - 1);
    return true;
}

bool DeleteDatabaseFiles(const Database &db, MessageSink &sink)
{
    bool ok = true;
    for (int k = 0; k < db.header.periodCount; ++k)
        ok = removeIfPresent(PeriodFilePath(db, k), sink) && ok;
    for (const QString &path : {DatabaseFilePath(db, QStringLiteral(".tf4")), DatabaseFilePath(db, QStringLiteral(".tf3")),
                                ShoppingListPath(db), NotesPath(db)})
        ok = removeIfPresent(path, sink) && ok;
    return ok;
}

bool CopyDatabase(Database &db, const QString &newPath, const Clock &clock, MessageSink &sink)
{
    const QString oldDir = db.databaseDir, oldName = db.databaseName, oldExt = db.databaseExt;
    SplitDatabasePath(db, newPath);
    const QString newDir = db.databaseDir, newName = db.databaseName, newExt = db.databaseExt;
    const auto useOld = [&] {
        db.databaseDir = oldDir;
        db.databaseName = oldName;
        db.databaseExt = oldExt;
    };
    const auto useNew = [&] {
        db.databaseDir = newDir;
        db.databaseName = newName;
        db.databaseExt = newExt;
    };

    bool copied = true;
    for (int p = 1; p <= db.header.periodCount && copied; ++p) {
        useOld();
        // A file of the previous version has no recurring expenses: they must not come from the
        // period read before.
        db.recurringExpenses = {};
        copied = LoadPeriod(db, p - 1, sink);
        if (copied) {
            useNew();
            copied = SavePeriodFiles(db, p - 1, clock, sink);
        }
    }
    if (!copied)
        useOld();
    // The registers in memory become those of the current period again.
    const bool reloaded = LoadPeriod(db, db.currentPeriod - 1, sink);
    return copied && reloaded;
}

} // namespace trelfin
