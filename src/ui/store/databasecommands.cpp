#include "ui/store/databasecommands.h"

#include "core/store/cp1250.h"
#include "core/store/database.h"
#include "core/store/databasefiles.h"
#include "core/store/databaseops.h"
#include "core/store/filemessages.h"
#include "core/store/filetransaction.h"
#include "core/store/olderformats.h"
#include "core/store/opendatabase.h"
#include "core/store/recovery.h"
#include "core/store/sidefiles.h"
#include "ui/common/commandaction.h"
#include "ui/common/desktop.h"
#include "ui/common/databaseview.h"
#include "ui/store/deletedatabasewindow.h"
#include "ui/store/lockwindow.h"
#include "ui/store/optionswindow.h"
#include "ui/store/passwordprompt.h"
#include "ui/store/periodnamewindow.h"
#include "ui/store/recentdatabases.h"
#include "ui/store/setpasswordwindow.h"
#include "ui/store/groupsetcommands.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QLocale>
#include <QScopeGuard>
#include <QWidget>

namespace trelfin {

namespace {

const QString kTrelfin = QStringLiteral("Trelfin");
const QString kStartStatus = QStringLiteral(
    "Brak załadowanej bazy danych. Wczytaj lub stwórz nową bazę danych wybierając odpowiedną opcję");

FileDialogRequest saveDatabaseDialog()
{
    FileDialogRequest r;
    r.title = QStringLiteral("Zapisz bazę:");
    r.filter = QStringLiteral("Pliki programu Trelfin  (*.tf4)|*.tf4|Wszystkie pliki  (*.*)|*.*");
    r.defaultExtension = QStringLiteral(".tf4");
    r.defaultFileName = QStringLiteral("beznazwy");
    r.confirmOverwrite = true;
    return r;
}

FileDialogRequest openDatabaseDialog(bool import2000)
{
    FileDialogRequest r;
    r.mustExist = true;
    if (import2000) {
        r.title = QStringLiteral("Importuj bazę:");
        r.filter = QStringLiteral("Pliki programu Trelfin 2000  (*.tfc)|*.tfc");
        r.defaultExtension = QStringLiteral(".tfc");
    } else {
        r.title = QStringLiteral("Otwórz bazę:");
        r.filter = QStringLiteral(
            "Pliki programu Trelfin 4LX (*.tf4)|*.tf4|Pliki programu Trelfin 3000 (*.tf3)|*.tf3");
        r.defaultExtension = QStringLiteral(".tf4");
    }
    return r;
}

// While the lock hides every other window, closing a message box over the lock window must not
// count as closing the program's last window: the application would quit and unsaved work
// would be lost.
class KeepRunningWithoutWindows
{
public:
    KeepRunningWithoutWindows()
        : m_before(QGuiApplication::quitOnLastWindowClosed())
    {
        QGuiApplication::setQuitOnLastWindowClosed(false);
    }
    ~KeepRunningWithoutWindows() { QGuiApplication::setQuitOnLastWindowClosed(m_before); }
    KeepRunningWithoutWindows(const KeepRunningWithoutWindows &) = delete;
    KeepRunningWithoutWindows &operator=(const KeepRunningWithoutWindows &) = delete;

private:
    bool m_before;
};

} // namespace

DatabaseCommands::DatabaseCommands(Database &db, Desktop &desktop, DatabaseView &view, QObject *parent)
    : QObject(parent)
    , m_db(db)
    , m_desktop(desktop)
    , m_view(view)
    , m_groupSets(new GroupSetCommands(db, desktop, view, this))
    , m_recovery(new RecoveryKeeper(db, this))
    , m_recent(new RecentDatabases(this))
{
    createActions();
    m_recent->onOpen = [this](const QString &path) { otworz2Click(path); };
    m_recovery->onWriteFailed = [this](const QString &path, const QString &reason) {
        m_view.setStatusText(QStringLiteral("Nie można zapisać pliku odzyskiwania %1: %2").arg(QDir::toNativeSeparators(path), reason));
    };
}

void DatabaseCommands::createActions()
{
    m_actNew = createCommandAction(this, QStringLiteral("actionNew"), QStringLiteral("&Nowy"), QKeySequence(Qt::CTRL | Qt::Key_N));
    m_actOpen = createCommandAction(this, QStringLiteral("actionOpen"), QStringLiteral("&Otwórz..."),
                                    QKeySequence(Qt::CTRL | Qt::Key_O));
    m_actSave = createCommandAction(this, QStringLiteral("actionSave"), QStringLiteral("&Zapisz"), QKeySequence(Qt::CTRL | Qt::Key_S));
    m_actSaveAs = createCommandAction(this, QStringLiteral("actionSaveAs"), QStringLiteral("Z&apisz jako..."));
    m_actClose = createCommandAction(this, QStringLiteral("actionClose"), QStringLiteral("Z&amknij"));
    m_actImport2000 = createCommandAction(this, QStringLiteral("actionImport2000"), QStringLiteral("Importuj dane z TrelFIN 2000"));
    m_actLock = createCommandAction(this, QStringLiteral("actionLock"), QStringLiteral("Blokuj"));
    m_actOptions = createCommandAction(this, QStringLiteral("actionOptions"), QStringLiteral("Op&cje"));
    connect(m_actNew, &QAction::triggered, this, &DatabaseCommands::nowa1Click);
    connect(m_actOpen, &QAction::triggered, this, [this] { otworz2Click(); });
    connect(m_actSave, &QAction::triggered, this, &DatabaseCommands::zapisz6Click);
    connect(m_actSaveAs, &QAction::triggered, this, &DatabaseCommands::Zapiszjako1Click);
    connect(m_actClose, &QAction::triggered, this, &DatabaseCommands::zamknij3Click);
    connect(m_actImport2000, &QAction::triggered, this, &DatabaseCommands::Importujdane1Click);
    connect(m_actLock, &QAction::triggered, this, &DatabaseCommands::blokuj8Click);
    connect(m_actOptions, &QAction::triggered, this, &DatabaseCommands::opcje4Click);
}

QList<QAction *> DatabaseCommands::fileActions() const
{
    return {m_actNew, m_actOpen, m_actSave, m_actSaveAs, m_actClose, m_actImport2000, m_actLock, m_actOptions};
}

void DatabaseCommands::enableActions(bool databaseOpen)
{
    for (QAction *a : {m_actSave, m_actSaveAs, m_actClose, m_actOptions})
        a->setEnabled(databaseOpen);
    m_groupSets->enableActions(databaseOpen);
}

DatabaseCommands::~DatabaseCommands() = default;

Topcjebazy *DatabaseCommands::optionsWindow()
{
    if (!m_options) {
        m_options = new Topcjebazy(m_db, *this, *m_groupSets, m_view.dialogParent());
        connect(m_options, &Topcjebazy::helpRequested, this, [this] { m_view.showHelp(QStringLiteral("opcje")); });
    }
    return m_options;
}

bool DatabaseCommands::closeCurrentPeriod()
{
    if (!ClosePeriod(m_db, m_db.currentPeriod - 1, m_desktop, m_desktop))
        return false;
    // Saved, or its changes dropped by "Nie": nothing is left to recover.
    if (!m_db.modified)
        m_recovery->removeFile();
    return true;
}

void DatabaseCommands::showLockRefusal(const DatabaseLock &lock, const QString &folder)
{
    const QString where = QDir::toNativeSeparators(folder.isEmpty() ? QStringLiteral(".") : folder);
    switch (lock.refusal()) {
    case DatabaseLock::Refusal::noFolder:
        m_desktop.ShowInformation(QStringLiteral("Folder %1 nie istnieje").arg(where), QString(), kTrelfin);
        return;
    case DatabaseLock::Refusal::folderNotWritable:
        m_desktop.ShowInformation(QStringLiteral("Folder bazy jest tylko do odczytu"),
                                  QStringLiteral("%1 - skopiuj bazę do folderu, w którym można zapisywać").arg(where),
                                  kTrelfin);
        return;
    case DatabaseLock::Refusal::inUse:
    case DatabaseLock::Refusal::none:
        break;
    }
    m_desktop.ShowInformation(QStringLiteral("Baza jest otwarta w innym oknie programu"),
                              QStringLiteral("Zamknij ją tam, aby otworzyć ją tutaj"), kTrelfin);
}

bool DatabaseCommands::lockDatabaseAt(const QString &path)
{
    Database place;
    SplitDatabasePath(place, path);
    if (m_lock.acquire(place.databaseDir, place.databaseName))
        return true;
    showLockRefusal(m_lock, place.databaseDir);
    return false;
}

void DatabaseCommands::leaveDatabase()
{
    m_db.databaseLoaded = false;
    // A recovery file waiting for a decision stays for the next open; the next database starts
    // kept again.
    m_recovery->setSuspended(false);
    m_view.setStatusText(kStartStatus);
    m_view.ClearDatabaseInfo();
    m_view.DisableDatabaseCommands();
    m_view.showMainMenuPage();
}

void DatabaseCommands::nowa1Click()
{
    if (m_db.databaseLoaded) {
        m_desktop.ShowInformation(QStringLiteral("Baza już istnieje"), QStringLiteral("Zamknij istniejącą bazę"), kTrelfin);
        return;
    }
    m_view.setStatusText(QStringLiteral("Podaj nazwę nowo tworzonej bazy"));
    const QString path = m_desktop.chooseSaveFile(saveDatabaseDialog());
    if (path.isEmpty()) {
        m_view.kartaClick();
        m_desktop.ShowInformation(QStringLiteral("Operację anulowano"), QString(), kTrelfin);
        return;
    }
    if (!lockDatabaseAt(path)) {
        m_view.kartaClick();
        return;
    }
    // A save or deletion of a database of this name that was stopped half-way is finished first
    // (or set aside when its files have changed since), with its message; a damaged one stops here.
    {
        Database place;
        SplitDatabasePath(place, path);
        if (!FileTransaction::completePending(place.databaseDir, place.databaseName, m_desktop)) {
            m_lock.release();
            m_view.kartaClick();
            return;
        }
    }
    m_view.ClearDatabaseInfo();
    InitialiseNewDatabase(m_db, path, m_desktop);
    // The recurring windows show the emptied tables, so that closing one writes nothing of the
    // database open before into this one.
    fillRecurringWindows();
    // Nothing is written before the options window's OK, which writes the whole new database;
    // "Anuluj", "Usunięcie bazy" and its frame abandon it, and a database that had this name
    // stays as it was.
    m_db.modified = false;
    m_view.setStatusText(QString());
    m_creatingDatabase = true;
    const bool kept = m_desktop.execDialog(*optionsWindow()) == QDialog::Accepted;
    m_creatingDatabase = false;
    if (kept) {
        m_db.databaseLoaded = true;
        m_recent->add(path);
        m_view.forgetUndo();
        m_view.RefreshRegisterGrids();
        m_view.ShowDatabaseInfo();
        m_view.kartaClick();
        m_view.EnableDatabaseCommands();
        return;
    }
    m_db.databaseLoaded = false;
    m_view.kartaClick();
    m_desktop.ShowInformation(QStringLiteral("Operację anulowano"), QString(), kTrelfin);
    m_lock.release();
    m_view.ClearDatabaseInfo();
}

void DatabaseCommands::otworz2Click(const QString &givenPath)
{
    const bool importing = m_db.pendingAction == PendingAction::importing;
    if (m_db.databaseLoaded && m_db.modified && !closeCurrentPeriod()) {
        m_db.pendingAction = PendingAction::none;
        return;
    }
    const QString path = givenPath.isEmpty() ? m_desktop.chooseOpenFile(openDatabaseDialog(importing)) : givenPath;
    if (path.isEmpty()) {
        if (importing)
            m_db.pendingAction = PendingAction::none;
        return;
    }
    // A name given on the command line may name nothing: that is said once, before the lock
    // (which cannot be taken in a folder that is not there) and before any file is read. An
    // open database stays open.
    if (!QFileInfo::exists(path)) {
        ReportReadFailure(path, QStringLiteral("Plik nie istnieje"), m_desktop);
        if (importing)
            m_db.pendingAction = PendingAction::none;
        return;
    }
    // The lock of the database open so far goes when the new one's is taken.
    if (!lockDatabaseAt(path)) {
        if (importing)
            m_db.pendingAction = PendingAction::none;
        return;
    }
    leaveDatabase();
    bool opened = false;
    const auto releaseUnlessOpened = qScopeGuard([this, &opened] {
        if (!opened)
            m_lock.release();
    });
    if (!OpenDatabase(m_db, path, OpenMode::readWrite, m_desktop)) {
        m_db.pendingAction = PendingAction::none;
        return;
    }
    // A 2000-version database is converted only for someone who knows its password, before any
    // of its files is rewritten. An import that had been stopped past its commit point was just
    // completed by the open: the database is a ".tf4" one now, opened, not converted again.
    const bool converting = importing && m_db.databaseExt.compare(QStringLiteral(".tfc"), Qt::CaseInsensitive) == 0;
    if (converting && !passwordAccepted()) {
        m_db.pendingAction = PendingAction::none;
        return;
    }
    const bool loaded = converting ? convertImportedPeriods() : LoadPeriod(m_db, 0, m_desktop);
    m_db.pendingAction = PendingAction::none;
    if (!loaded)
        return;
    m_view.EnableDatabaseCommands();
    if (!converting && !passwordAccepted())
        return;
    m_db.currentPeriod = 1;
    offerRecovery();
    // The reminders stand over the main menu page: it names the database they belong to
    // already, instead of the "b.d." of no database.
    m_view.ShowDatabaseInfo();
    checkDueEntries(true);
    checkDueNotes();
    m_view.RefreshRegisterGrids();
    fillRecurringWindows();
    m_db.databaseLoaded = true;
    opened = true;
    m_recent->add(DatabaseFilePath(m_db, m_db.databaseExt)); // an imported one under its new name
    m_view.ShowDatabaseInfo();
    m_view.forgetUndo();
    m_view.kartaClick();
}

void DatabaseCommands::zapisz6Click()
{
    if (!m_db.databaseLoaded) {
        m_desktop.ShowInformation(QStringLiteral("Brak załadowanej bazy"), QString(), kTrelfin);
        return;
    }
    const bool hadChanges = m_db.modified;
    m_db.pendingAction = PendingAction::saveWithoutQuestion;
    const bool saved = closeCurrentPeriod();
    m_db.pendingAction = PendingAction::none;
    m_view.ShowDatabaseInfo();
    if (saved && hadChanges)
        m_view.showPassingStatus(QStringLiteral("Zapisano okres %1 w %2")
                                     .arg(m_db.currentPeriodInfo().periodName.trimmed(),
                                          QDir::toNativeSeparators(RecordFilePath(m_db))));
}

void DatabaseCommands::Zapiszjako1Click()
{
    if (!m_db.databaseLoaded)
        return;
    const QString path = m_desktop.chooseSaveFile(saveDatabaseDialog());
    if (path.isEmpty())
        return;
    // The copy becomes the open database: another window must not have it open.
    Database place;
    SplitDatabasePath(place, path);
    DatabaseLock newLock;
    const bool sameDatabase = m_lock.holds(place.databaseDir, place.databaseName);
    if (!sameDatabase && !newLock.acquire(place.databaseDir, place.databaseName)) {
        showLockRefusal(newLock, place.databaseDir);
        return;
    }
    // The open database is saved first only when it holds changes: an unmodified one keeps its
    // files and their backups as they are.
    m_db.saveWithoutAsking = true;
    m_db.pendingAction = PendingAction::saveWithoutQuestion;
    const bool copied = closeCurrentPeriod() && CopyDatabase(m_db, path, m_desktop, m_desktop);
    m_db.pendingAction = PendingAction::none;
    m_db.saveWithoutAsking = false;
    m_view.RefreshRegisterGrids();
    m_view.ShowDatabaseInfo();
    // The lock follows the database in memory: the copy's name once the copy took effect, even when
    // its current period could not be read back.
    if (!sameDatabase && m_db.databaseDir == place.databaseDir && m_db.databaseName == place.databaseName)
        m_lock = std::move(newLock);
    if (copied) {
        m_recent->add(path);
        m_desktop.ShowInformation(QStringLiteral("Dane zostały zapisane pod nową nazwą"), QString(), kTrelfin);
    }
}

void DatabaseCommands::zamknij3Click()
{
    if (!m_db.databaseLoaded) {
        m_desktop.ShowInformation(QStringLiteral("Brak bazy danych"), QString(), kTrelfin);
        return;
    }
    if (!m_desktop.AskQuestion(QStringLiteral("Czy zamknąć bazę ?"), QString(), QStringLiteral("Zamknięcie bazy")))
        return;
    // A period that could not be saved keeps the database open, so nothing is lost.
    if (!closeCurrentPeriod())
        return;
    leaveDatabase();
    m_lock.release();
}

void DatabaseCommands::opcje4Click()
{
    if (!m_db.databaseLoaded) {
        m_desktop.ShowInformation(QStringLiteral("Brak załadowanej bazy"), QString(), kTrelfin);
        return;
    }
    Topcjebazy *options = optionsWindow();
    m_desktop.execDialog(*options);
    if (options->databaseDeleted()) {
        leaveDatabase();
        m_lock.release();
        m_desktop.ShowInformation(QStringLiteral("Usunięto bazę danych"),
                                  QStringLiteral("Wszystkie pliki bazy zostały skasowane"), kTrelfin);
        return;
    }
    m_view.ShowDatabaseInfo();
    m_view.RefreshRegisterGrids();
}

void DatabaseCommands::blokuj8Click()
{
    const QString lockPassword = askNewPassword(QStringLiteral("Blokowanie programu"));
    if (lockPassword.isEmpty())
        return;
    if (!m_lockWindow)
        m_lockWindow = new Tdialogblokujacy(m_desktop, m_view.dialogParent());
    m_lockWindow->setLockPassword(lockPassword);
    const KeepRunningWithoutWindows keepRunning;
    // While locked the lock window is the program's only window: the find window goes too.
    QList<QWidget *> hidden;
    for (QWidget *w : QApplication::topLevelWidgets()) {
        if (w->isVisible() && w != m_lockWindow) {
            hidden.append(w);
            w->hide();
        }
    }
    m_desktop.execDialog(*m_lockWindow);
    for (QWidget *w : hidden)
        w->show();
}

void DatabaseCommands::switchPeriod(int period)
{
    if (!m_db.databaseLoaded || period == m_db.currentPeriod)
        return;
    if (!closeCurrentPeriod()) {
        m_view.ShowDatabaseInfo(); // the list shows the period still in memory
        return;
    }
    const int previous = m_db.currentPeriod;
    m_db.currentPeriod = period;
    const bool loaded = LoadPeriod(m_db, period - 1, m_desktop);
    m_view.forgetUndo();
    if (loaded) {
        checkDueEntries(false);
    } else {
        // A period that cannot be read is left untouched on disk: the period that was current
        // (saved just now, or left as the user chose) is read back, so that no later save writes
        // what little was read of the damaged one over its file.
        m_db.currentPeriod = previous;
        if (!LoadPeriod(m_db, previous - 1, m_desktop)) {
            // Neither can be read: nothing in memory is worth a save over either file.
            leaveDatabase();
            m_lock.release();
            return;
        }
    }
    m_view.RefreshRegisterGrids();
    m_view.ShowDatabaseInfo();
}

bool DatabaseCommands::confirmQuit()
{
    if (!m_desktop.AskQuestion(QStringLiteral("Czy chcesz zakończyć pracę?"), QString(),
                               QStringLiteral("Zakończenie pracy")))
        return false;
    // A period that could not be saved keeps the program running, so nothing is lost.
    return !m_db.databaseLoaded || closeCurrentPeriod();
}

// Renaming and deleting act on the current period, the one the delete question speaks of.
void DatabaseCommands::renamePeriod()
{
    if (!m_nameWindow)
        m_nameWindow = new Tnazwaokresu(optionsWindow());
    const int period = m_db.currentPeriod;
    m_nameWindow->nazwa()->setText(m_db.header.periods[period].periodName);
    m_desktop.execDialog(*m_nameWindow);
    m_db.header.periods[period].periodName = fitText(m_nameWindow->nazwa()->text(), Width::periodName);
}

void DatabaseCommands::addPeriod()
{
    if (m_db.header.periodCount >= MaxPeriods)
        return;
    // A database being created is written whole by the options window's OK: its periods are
    // added in memory.
    if (!m_creatingDatabase && !closeCurrentPeriod())
        return;
    AppendPeriod(m_db, m_desktop);
    bool saved = true;
    if (!m_creatingDatabase) {
        m_db.modified = true;
        m_db.pendingAction = PendingAction::saveWithoutQuestion;
        saved = ClosePeriod(m_db, m_db.selectedPeriod - 1, m_desktop, m_desktop);
        // The code served this save only; left behind it would let a later period change save
        // without the question.
        m_db.pendingAction = PendingAction::none;
    }
    m_view.forgetUndo();
    m_view.RefreshRegisterGrids();
    m_view.ShowDatabaseInfo();
    if (saved)
        m_desktop.ShowInformation(QStringLiteral("Dodano nowy okres"), QString(), kTrelfin);
}

void DatabaseCommands::deletePeriod()
{
    if (m_db.header.periodCount == 1) {
        m_desktop.ShowInformation(QStringLiteral("Baza musi zawierać przynajmniej jeden okres!"), QString(), kTrelfin);
        return;
    }
    if (!m_desktop.AskQuestion(QStringLiteral("Za chwile wszystkie dane z bieżącego okresu"),
                               QStringLiteral("zostaną utracone. Czy usunąć okres ?"),
                               QStringLiteral("Usunięcie okresu"), DefaultAnswer::no))
        return;
    if (m_creatingDatabase) {
        // Nothing of a database being created is on disk yet, and all its periods are empty.
        m_db.header = HeaderWithoutPeriod(m_db.header, m_db.currentPeriod);
        m_db.currentPeriod = m_db.selectedPeriod = 1;
        m_view.forgetUndo();
        m_view.RefreshRegisterGrids();
        m_view.ShowDatabaseInfo();
        return;
    }
    if (!closeCurrentPeriod())
        return;
    if (!RemovePeriod(m_db, m_db.currentPeriod, m_desktop))
        return;
    m_db.currentPeriod = 1;
    m_db.selectedPeriod = 1;
    if (!LoadPeriod(m_db, 0, m_desktop)) {
        // Nothing in memory is worth a save over period 1's file: the database is left as it is.
        leaveDatabase();
        m_lock.release();
        return;
    }
    m_view.forgetUndo();
    m_view.RefreshRegisterGrids();
    m_view.ShowDatabaseInfo();
}

void DatabaseCommands::changePassword()
{
    const QString password = askNewPassword(QStringLiteral("Podanie hasła dostępu do danych"));
    if (!password.isEmpty()) {
        // The record holds the password as its file stores it: a character outside the code page
        // becomes "?" here and in the text typed at the next open alike.
        m_db.header.password = fitText(password, Width::password);
        m_desktop.ShowInformation(QStringLiteral("Podano nowe hasło"), QStringLiteral("Dane będą zabezpieczone hasłem"), kTrelfin);
    } else {
        m_db.header.password.clear();
        m_desktop.ShowInformation(QStringLiteral("Nie podano hasła"), QStringLiteral("Dane będą niezabezpieczone"), kTrelfin);
    }
}

QString DatabaseCommands::askNewPassword(const QString &caption)
{
    if (!m_passwordWindow)
        m_passwordWindow = new Tpodaniehasla(m_desktop, m_view.dialogParent());
    m_passwordWindow->setWindowTitle(caption);
    // "Anuluj" and the frame give no password.
    return m_desktop.execDialog(*m_passwordWindow) == QDialog::Accepted ? m_passwordWindow->password() : QString();
}

bool DatabaseCommands::deleteDatabase()
{
    if (m_creatingDatabase)
        return true;
    if (!m_deleteWindow)
        m_deleteWindow = new Tusuwaniebazy(m_db, optionsWindow());
    if (m_desktop.execDialog(*m_deleteWindow) != QDialog::Accepted)
        return false;
    // No write of the recovery file may come after its deletion.
    m_recovery->setSuspended(true);
    // When a file cannot be deleted the database stays open (its record and periods are still in
    // memory and can be saved again) and nothing claims that it is gone.
    const bool deleted = DeleteDatabaseFiles(m_db, m_desktop);
    m_recovery->setSuspended(false);
    return deleted;
}

bool DatabaseCommands::writeDatabaseRecord()
{
    // While "Nowy" waits for the options, OK writes the whole new database.
    return m_creatingDatabase ? WriteNewDatabase(m_db, m_desktop, m_desktop) : WriteDatabaseRecord(m_db, m_desktop);
}

void DatabaseCommands::checkDueEntries(bool atOpen)
{
    m_view.remindDueEntries(atOpen);
}

void DatabaseCommands::checkDueNotes()
{
    m_view.remindDueNotes();
}

void DatabaseCommands::fillRecurringWindows()
{
    m_view.fillRecurringWindows();
}

void DatabaseCommands::offerRecovery()
{
    FoundRecovery found = FindRecovery(m_db);
    const QString name = QFileInfo(RecoveryFilePath(m_db)).fileName();
    QString reason;
    switch (found.finding) {
    case RecoveryFinding::none:
        return;
    case RecoveryFinding::stale:
        RemoveRecoveryFile(m_db);
        return;
    case RecoveryFinding::damaged:
    case RecoveryFinding::otherDatabase:
        break;
    case RecoveryFinding::offered: {
        const QString when = QLocale().toString(found.state.takenAt.toLocalTime(), QStringLiteral("dd.MM.yyyy HH:mm"));
        const int answer = m_desktop.AskChoice(QStringLiteral("Znaleziono niezapisane zmiany z %1. Przywrócić je?").arg(when),
                                               QString(), QStringLiteral("Odzyskiwanie zmian"),
                                               {QStringLiteral("&Przywróć"), QStringLiteral("&Odrzuć"), QStringLiteral("Pokaż &później")});
        if (answer == 0) {
            if (ApplyRecovery(m_db, found.state))
                return;
            found.problem = QStringLiteral("nie można odczytać zapisanych w nim danych");
            break;
        }
        if (answer == 1) {
            // Kept aside once, so that a wrong click is not final.
            if (!SetRecoveryAside(m_db, reason))
                m_desktop.ShowInformation(QStringLiteral("Nie można odłożyć pliku %1").arg(name), reason, kTrelfin);
            return;
        }
        // Asked again at the next open; until then this run neither writes nor removes it.
        m_recovery->setSuspended(true);
        return;
    }
    }
    const bool aside = SetRecoveryAside(m_db, reason);
    m_desktop.ShowInformation(QStringLiteral("Nie można użyć pliku odzyskiwania %1: %2").arg(name, found.problem),
                              aside ? QStringLiteral("Zachowano go jako %1~").arg(name)
                                    : QStringLiteral("Plik pozostaje bez zmian"),
                              QStringLiteral("Uwaga!"));
}

bool DatabaseCommands::passwordAccepted()
{
    if (m_db.header.password.isEmpty())
        return true;
    if (!m_passwordPrompt)
        m_passwordPrompt = new Tpodajhaslo(m_view.dialogParent());
    m_desktop.execDialog(*m_passwordPrompt);
    if (PasswordMatches(m_db.header, m_passwordPrompt->password()))
        return true;
    m_desktop.ShowInformation(QStringLiteral("Podano złe hasło dostępu"), QString(), QStringLiteral("!!! UWAGA !!!"));
    m_view.DisableDatabaseCommands();
    m_db.databaseLoaded = false;
    m_view.ClearDatabaseInfo();
    return false;
}

bool DatabaseCommands::convertImportedPeriods()
{
    return ConvertDatabase2000(m_db, m_desktop, m_desktop);
}

void DatabaseCommands::Importujdane1Click()
{
    // The open command converts the database it opens while this code is set.
    m_db.pendingAction = PendingAction::importing;
    otworz2Click();
}

} // namespace trelfin
