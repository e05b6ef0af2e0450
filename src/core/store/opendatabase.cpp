#include "core/store/opendatabase.h"

#include "core/store/cp1250.h"
#include "core/store/database.h"
#include "core/store/databasefiles.h"
#include "core/store/fileoperations.h"
#include "core/store/filetransaction.h"
#include "core/store/helpers.h"
#include "core/store/messagesink.h"
#include "core/store/recovery.h"
#include "core/store/sidefiles.h"

#include <QFileInfo>

#include <cmath>

namespace trelfin {

namespace {

// Collects what the readers say, to report it as a problem found.
class CollectingSink : public MessageSink
{
public:
    void ShowInformation(const QString &line1, const QString &line2, const QString &) override
    {
        said.append(line2.isEmpty() ? line1 : line1 + QStringLiteral(" ") + line2);
    }
    QStringList said;
};

QString pendingIntentText(const Database &db)
{
    return QStringLiteral("niedokończony zapis bazy (plik %1); otwórz bazę w programie Trelfin, aby go dokończyć")
        .arg(QFileInfo(FileTransaction::intentPath(db.databaseDir, db.databaseName)).fileName());
}

const QStringList kRegisterNames = {QStringLiteral("rozchód"), QStringLiteral("przychód"), QStringLiteral("długi"),
                                    QStringLiteral("planowanie"), QStringLiteral("konto")};

// A side file that is there but cannot be read whole (short, or not a file at all).
bool isDamagedSideFile(const QString &path, qint64 size)
{
    const QFileInfo info(path);
    return info.exists() && (!info.isFile() || info.size() < size);
}

// Moves a damaged side file out of the way as "<file>.uszkodzony" (or "<file>.uszkodzony2" and so
// on, when an earlier one is there) and says so, so that the list or notes typed from now on are
// saved normally and the damaged bytes are not lost. A file that cannot be moved stays kept: it is
// not written over while the database is open.
bool setDamagedSideFileAside(const QString &path, const QString &what, const QString &emptied, MessageSink &sink)
{
    QString aside = path + QStringLiteral(".uszkodzony");
    for (int n = 2; QFileInfo::exists(aside) || QFileInfo(aside).isSymLink(); ++n)
        aside = path + QStringLiteral(".uszkodzony") + QString::number(n);
    QString reason;
    FileOperations &files = FileOperations::current();
    const bool moved = QFileInfo(path).isFile() && files.rename(path, aside, reason)
        && files.syncFolder(QFileInfo(path).absolutePath(), reason);
    const QString name = QFileInfo(path).fileName();
    if (moved)
        sink.ShowInformation(QStringLiteral("Nie można odczytać pliku %1 (%2).").arg(name, what),
                             QStringLiteral("Zachowano go jako %1; %2.").arg(QFileInfo(aside).fileName(), emptied),
                             QStringLiteral("Uwaga!"));
    else
        sink.ShowInformation(QStringLiteral("Nie można odczytać pliku %1 (%2).").arg(name, what),
                             QStringLiteral("Plik pozostaje bez zmian i nie będzie zapisywany."), QStringLiteral("Uwaga!"));
    return moved;
}

} // namespace

bool HasPendingIntent(const Database &db)
{
    return QFileInfo::exists(FileTransaction::intentPath(db.databaseDir, db.databaseName));
}

bool OpenDatabase(Database &db, const QString &path, OpenMode mode, MessageSink &sink)
{
    SplitDatabasePath(db, path);
    db.oldFormatPending = false;
    if (mode == OpenMode::readOnly) {
        if (HasPendingIntent(db)) {
            sink.ShowInformation(QStringLiteral("Nie można odczytać bazy:"), pendingIntentText(db), QStringLiteral("Trelfin"));
            return false;
        }
    } else {
        const QString asked = DatabaseFilePath(db, db.databaseExt);
        const bool askedWasThere = QFileInfo::exists(asked);
        FileTransaction::Pending pending = FileTransaction::Pending::none;
        if (!FileTransaction::completePending(db.databaseDir, db.databaseName, sink, &pending))
            return false;
        // A deletion stopped half-way was finished just now: the database is gone.
        if (pending == FileTransaction::Pending::deletionCompleted)
            return false;
        // An import stopped past its commit point has just been completed: the ".tfc" it started
        // from is gone, and the database is the ".tf4" one now.
        if (askedWasThere && !QFileInfo::exists(asked)
            && db.databaseExt.compare(QStringLiteral(".tfc"), Qt::CaseInsensitive) == 0) {
            const QString converted = FoundFilePath(db, QStringLiteral(".tf4"));
            if (QFileInfo::exists(converted))
                SplitDatabasePath(db, converted);
        }
    }
    if (!ReadDatabaseRecord(db, sink))
        return false;
    // A database of the previous version: its record is a ".tf3" one, or it has no shopping-list
    // file at all (that version wrote none). A 2000-version database is not of that version; the
    // extension is compared exactly, so ".TFC" does not count as one. A shopping list that is
    // there but damaged does not make the database an older one.
    const bool shoppingListRead = ReadShoppingList(db);
    const bool noShoppingList = !shoppingListRead && !QFileInfo::exists(ShoppingListPath(db))
        && !QFileInfo(ShoppingListPath(db)).isSymLink();
    if (db.databaseExt.compare(QStringLiteral(".tf3"), Qt::CaseInsensitive) == 0
        || (noShoppingList && db.databaseExt != QStringLiteral(".tfc"))) {
        // The next write of the record puts "<name>.tf4" in place of "<name>.tf3".
        db.oldFormatPending = true;
        if (mode == OpenMode::readWrite)
            sink.ShowInformation(QStringLiteral("Otwierasz starszą wersję bazy:"),
                                 QStringLiteral("baza otrzyma nowe rozszerzenie - .tf4"), QStringLiteral("Uwaga!"));
    }
    ReadNotes(db);
    // Damaged rules are set aside like a damaged shopping list, so that rules remembered from now
    // on are saved.
    if (!ReadImportRules(db) && mode == OpenMode::readWrite
        && setDamagedSideFileAside(ImportRulesPath(db), QStringLiteral("reguły importu wyciągów"),
                                   QStringLiteral("import zaczyna bez reguł"), sink))
        db.importRulesKept = false;
    // Likewise the list of imported rows: set aside, the rows imported from now on are remembered
    // (and those imported before are still found as possible duplicates in the account).
    if (!ReadImportedRows(db) && mode == OpenMode::readWrite
        && setDamagedSideFileAside(ImportedRowsPath(db), QStringLiteral("zaimportowane wiersze wyciągów"),
                                   QStringLiteral("import nie rozpozna wierszy zaimportowanych wcześniej"), sink))
        db.importedRowsKept = false;
    if (mode == OpenMode::readWrite) {
        if (db.shoppingListKept && isDamagedSideFile(ShoppingListPath(db), ShoppingListFileSize))
            db.shoppingListKept = !setDamagedSideFileAside(ShoppingListPath(db), QStringLiteral("lista zakupów"),
                                                             QStringLiteral("lista zakupów jest pusta"), sink);
        if (db.notesKept && isDamagedSideFile(NotesPath(db), NotesFileSize))
            db.notesKept = !setDamagedSideFileAside(NotesPath(db), QStringLiteral("notatki"), QStringLiteral("notatki są puste"), sink);
    }
    return true;
}

bool PasswordMatches(const DatabaseHeader &header, const QString &typed)
{
    return fitText(typed, Width::password) == header.password;
}

QList<DatabaseProblem> CheckDatabase(const QString &path)
{
    QList<DatabaseProblem> problems;
    const auto report = [&problems](const QString &file, const QString &what) { problems.append({file, what}); };
    Database db;
    SplitDatabasePath(db, path);
    if (HasPendingIntent(db))
        report(FileTransaction::intentPath(db.databaseDir, db.databaseName), pendingIntentText(db));
    CollectingSink sink;
    if (!ReadDatabaseRecord(db, sink)) {
        report(DatabaseFilePath(db, db.databaseExt), sink.said.join(QStringLiteral("; ")));
        return problems;
    }
    if (const QString recovery = RecoveryNotice(db); !recovery.isEmpty())
        report(RecoveryFilePath(db), recovery);
    if (Database imports = db; !ReadImportedRows(imports))
        report(ImportedRowsPath(db), QStringLiteral("nie można odczytać listy wierszy zaimportowanych z wyciągów bankowych"));
    if (Database rules = db; !ReadImportRules(rules))
        report(ImportRulesPath(db), QStringLiteral("nie można odczytać reguł importu wyciągów bankowych"));
    const QList<std::pair<QString, qint64>> sideFiles = {{ShoppingListPath(db), ShoppingListFileSize},
                                                         {NotesPath(db), NotesFileSize}};
    for (const auto &[file, size] : sideFiles) {
        const QFileInfo info(file);
        if (info.exists() && info.size() < size)
            report(file, QStringLiteral("plik ma %1 bajtów zamiast %2").arg(info.size()).arg(size));
    }
    for (int k = 0; k < db.header.periodCount; ++k) {
        Database period = db;
        sink.said.clear();
        const QString file = PeriodFilePath(db, k);
        if (!LoadPeriod(period, k, sink)) {
            report(file, QStringLiteral("nie można odczytać okresu %1 (plik uszkodzony lub za krótki, %2 bajtów)")
                             .arg(k + 1)
                             .arg(QFileInfo(file).size()));
            continue;
        }
        for (int r = 0; r < RegisterCount; ++r) {
            const auto kind = static_cast<RegisterKind>(r);
            const QVector<Entry> &entries = period.reg(kind).entries;
            for (int i = 0; i < entries.size(); ++i) {
                const Entry &e = entries.at(i);
                // Where the field lies in the file, and which entry it belongs to.
                const auto where = [&](EntryField field) {
                    return QStringLiteral("bajt %1 (%2, pozycja %3): ")
                        .arg(PeriodEntryOffset(period, kind, i, field))
                        .arg(kRegisterNames.at(r))
                        .arg(i + 1);
                };
                if (!std::isfinite(e.amount))
                    report(file, where(EntryField::amount) + QStringLiteral("kwota nie jest liczbą"));
                const int highest = highestGroup(kind);
                if (kind != RegisterKind::incomes && (e.group < 1 || e.group > highest))
                    report(file, where(EntryField::group) + QStringLiteral("grupa %1 poza zakresem 1..%2").arg(e.group).arg(highest));
                if (!ParseDate(e.date) || IsImpossibleDate(e.date))
                    report(file, where(EntryField::date) + QStringLiteral("data \"%1\" nie jest dniem kalendarza").arg(e.date));
            }
        }
    }
    return problems;
}

} // namespace trelfin
