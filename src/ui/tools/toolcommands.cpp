#include "ui/tools/toolcommands.h"

#include "core/store/database.h"
#include "core/store/groupset.h"
#include "ui/desktop.h"
#include "ui/mainwindow/mainviews.h"
#include "ui/store/groupseteditor.h"
#include "ui/tools/exportwindow.h"
#include "ui/tools/noteswindows.h"
#include "ui/tools/printpanel.h"
#include "ui/tools/shoppingwindows.h"
#include "core/tools/shopping.h"
#include "core/tools/notes.h"

namespace trelfin {

namespace {

const QString kGroupSetFilter = QStringLiteral("Zbiory grup programu Trelfin  (*.tgr)|*.tgr|Wszystkie pliki  (*.*)|*.*");

} // namespace

ToolCommands::ToolCommands(Database &db, Desktop &desktop, DatabaseView &view, RegisterCommands &registers,
                           QObject *parent)
    : QObject(parent)
    , m_db(db)
    , m_desktop(desktop)
    , m_view(view)
    , m_registers(registers)
{
}

Tedycjagrup *ToolCommands::groupSetEditor()
{
    if (!m_groupSetEditor) {
        m_groupSetEditor = new Tedycjagrup(m_db, m_desktop, m_view.dialogParent());
        connect(m_groupSetEditor, &Tedycjagrup::helpRequested, this, [this] { m_view.showHelp(QStringLiteral("grupy")); });
    }
    return m_groupSetEditor;
}

Teksport *ToolCommands::exportWindow(ExportFormat format)
{
    Teksport *&window = format == ExportFormat::text ? m_textExportWindow : m_csvExportWindow;
    if (!window)
        window = new Teksport(format, m_desktop, m_view.dialogParent());
    return window;
}

void ToolCommands::exportRegisters(ExportFormat format)
{
    Teksport *window = exportWindow(format);
    window->setStartFolder(m_db.databaseDir);
    if (m_desktop.execDialog(*window) != QDialog::Accepted)
        return;
    if (!ExportRegisters(m_db, window->folder(), window->requests(), format, m_desktop))
        return;
    m_desktop.ShowInformation(QStringLiteral("Operacja zakończona"),
                              format == ExportFormat::text ? QStringLiteral("pliki danych otrzymały rozszerzenia .txt")
                                                           : QStringLiteral("pliki danych otrzymały rozszerzenia .csv"),
                              QStringLiteral("Eksport danych"));
}

Tdrukuj *ToolCommands::printPanel()
{
    if (!m_printPanel)
        m_printPanel = new Tdrukuj(m_db, m_desktop, m_view.dialogParent());
    return m_printPanel;
}

void ToolCommands::showPrintPanel(bool clearSections)
{
    Tdrukuj *panel = printPanel();
    if (clearSections)
        panel->clearSectionBoxes();
    m_desktop.execDialog(*panel);
}

Tnotatnik *ToolCommands::notesWindow()
{
    if (!m_notesWindow) {
        m_notesWindow = new Tnotatnik(m_db, m_desktop, m_view.dialogParent());
        connect(m_notesWindow, &Tnotatnik::helpRequested, this, [this] { m_view.showHelp(QStringLiteral("notatki")); });
        connect(m_notesWindow, &Tnotatnik::printRequested, this, [this] { showPrintPanel(true); });
    }
    return m_notesWindow;
}

Tshownotatka *ToolCommands::noteReminder()
{
    if (!m_noteReminder) {
        m_noteReminder = new Tshownotatka(m_db, m_view.dialogParent());
        connect(m_noteReminder, &Tshownotatka::helpRequested, this, [this] { m_view.showHelp(QStringLiteral("notatki")); });
    }
    return m_noteReminder;
}

Tlistazakupow *ToolCommands::shoppingListEditor()
{
    if (!m_shoppingListEditor) {
        m_shoppingListEditor = new Tlistazakupow(m_db, m_desktop, m_registers, m_view.dialogParent());
        connect(m_shoppingListEditor, &Tlistazakupow::helpRequested, this, [this] { m_view.showHelp(QStringLiteral("lista-zakupow")); });
        connect(m_shoppingListEditor, &Tlistazakupow::printRequested, this, [this] { showPrintPanel(true); });
        // The viewer closes whenever the editor opens.
        connect(m_shoppingListEditor, &Tlistazakupow::shown, this, [this] {
            if (m_shoppingListViewer && m_shoppingListViewer->isVisible())
                m_desktop.closeWindow(*m_shoppingListViewer);
        });
    }
    return m_shoppingListEditor;
}

Tshowlistazakupow *ToolCommands::shoppingListViewer()
{
    if (!m_shoppingListViewer)
        m_shoppingListViewer = new Tshowlistazakupow(m_db, m_desktop, m_view.dialogParent());
    return m_shoppingListViewer;
}

void ToolCommands::editShoppingList()
{
    m_db.modified = true;
    m_desktop.execDialog(*shoppingListEditor());
}

void ToolCommands::showShoppingList()
{
    Tshowlistazakupow *viewer = shoppingListViewer();
    if (viewer->isVisible())
        viewer->hide(); // shown afresh, with the items as they are now
    m_desktop.showWindow(*viewer);
}

void ToolCommands::copyPlannedToShoppingList(int top, int bottom)
{
    if (m_db.plannedCount() == 0)
        return;
    if (!m_desktop.AskQuestion(QStringLiteral("Czy dopisać zaznaczone dane do listy zakupów ?"),
                               QStringLiteral("Operacja nie będzie mogła być cofnięta"), QStringLiteral("Kopiowanie danych")))
        return;
    if (CopyPlannedToShoppingList(m_db, top, bottom).full)
        m_desktop.ShowInformation(QStringLiteral("Nie ma już miejsca w liście zakupów"), QString(), QStringLiteral("UWAGA !"));
}

void ToolCommands::editNotes()
{
    m_db.modified = true;
    m_desktop.execDialog(*notesWindow());
}

void ToolCommands::remindDueNotes()
{
    const QDate today = m_desktop.today();
    for (int n = 1; n <= NoteCount; ++n) {
        if (!IsNoteDue(m_db.notes[n - 1], today))
            continue;
        noteReminder()->setNote(n);
        m_desktop.execDialog(*noteReminder());
    }
}

void ToolCommands::editGroupSet()
{
    m_desktop.execDialog(*groupSetEditor());
}

void ToolCommands::exportGroupSet()
{
    FileDialogRequest request;
    request.title = QStringLiteral("Eksportuj zbiór grup:");
    request.filter = kGroupSetFilter;
    request.defaultExtension = QStringLiteral(".tgr");
    request.defaultFileName = QStringLiteral("beznazwy");
    request.confirmOverwrite = true;
    const QString path = m_desktop.chooseSaveFile(request);
    if (path.isEmpty())
        return;
    if (ExportGroupSet(m_db.header, path, m_desktop))
        m_desktop.ShowInformation(QStringLiteral("Operację wykonano poprawnie"), QString(), QStringLiteral("Trelfin"));
}

void ToolCommands::importGroupSet()
{
    FileDialogRequest request;
    request.title = QStringLiteral("Importuj zbiór grup:");
    request.filter = kGroupSetFilter;
    request.defaultExtension = QStringLiteral(".tgr");
    request.mustExist = true;
    const QString path = m_desktop.chooseOpenFile(request);
    if (path.isEmpty() || !ImportGroupSet(m_db.header, path, m_desktop))
        return;
    m_db.modified = true;
    m_desktop.ShowInformation(QStringLiteral("Operację wykonano poprawnie"), QStringLiteral("Wczytano nowy opis grup"),
                              QStringLiteral("Trelfin"));
}

} // namespace trelfin
