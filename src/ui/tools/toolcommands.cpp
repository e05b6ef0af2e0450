#include "ui/tools/toolcommands.h"

#include "core/store/database.h"
#include "core/store/filemessages.h"
#include "core/store/fileoperations.h"
#include "core/store/sidefiles.h"
#include "core/tools/bankstatement.h"
#include "core/tools/notes.h"
#include "core/tools/shopping.h"
#include "ui/common/commandaction.h"
#include "ui/common/databaseview.h"
#include "ui/common/desktop.h"
#include "ui/registers/registercommands.h"
#include "ui/reports/periodsummarywindow.h"
#include "ui/tools/bankimportwindow.h"
#include "ui/tools/csvcolumnswindow.h"
#include "ui/tools/exportwindow.h"
#include "ui/tools/importruleswindow.h"
#include "ui/tools/noteswindows.h"
#include "ui/tools/printpanel.h"
#include "ui/tools/shoppingwindows.h"

#include <QFile>

namespace trelfin {

ToolCommands::ToolCommands(Database &db, Desktop &desktop, DatabaseView &view, RegisterCommands &registers,
                           QObject *parent)
    : QObject(parent)
    , m_db(db)
    , m_desktop(desktop)
    , m_view(view)
    , m_registers(registers)
{
    createActions();
}

void ToolCommands::createActions()
{
    m_actPrint = createCommandAction(this, QStringLiteral("actionPrint"), QStringLiteral("&Drukuj"));
    m_actShowShoppingList = createCommandAction(this, QStringLiteral("actionShowShoppingList"), QStringLiteral("Pokaż listę zakupów"),
                                                QKeySequence(Qt::SHIFT | Qt::CTRL | Qt::Key_F1));
    m_actShoppingList = createCommandAction(this, QStringLiteral("actionShoppingList"), QStringLiteral("Lista zakupów"),
                                            QKeySequence(Qt::SHIFT | Qt::CTRL | Qt::Key_F2));
    m_actNotes = createCommandAction(this, QStringLiteral("actionNotes"), QStringLiteral("Notatki"),
                                     QKeySequence(Qt::SHIFT | Qt::CTRL | Qt::Key_F3));
    m_actExportText = createCommandAction(this, QStringLiteral("actionExportText"), QStringLiteral("Eksportuj dane jako ASCII (Tekst)"));
    m_actExportCsv = createCommandAction(this, QStringLiteral("actionExportCsv"), QStringLiteral("Eksportuj dane jako CSV (MS Excel)"));
    connect(m_actPrint, &QAction::triggered, this, &ToolCommands::PrintClick);
    connect(m_actShowShoppingList, &QAction::triggered, this, &ToolCommands::Pokalistzakupw1Click);
    connect(m_actShoppingList, &QAction::triggered, this, &ToolCommands::Listazakupw1Click);
    connect(m_actNotes, &QAction::triggered, this, &ToolCommands::notatki1Click);
    connect(m_actExportText, &QAction::triggered, this, &ToolCommands::EksportujjakoDBF1Click);
    connect(m_actExportCsv, &QAction::triggered, this, &ToolCommands::EksportujdanejakoCSVExcel1Click);
    m_actPeriodsSummary = createCommandAction(this, QStringLiteral("actionPeriodsSummary"), QStringLiteral("&Zestawienie okresów..."));
    connect(m_actPeriodsSummary, &QAction::triggered, this, &ToolCommands::showPeriodsSummary);
    m_actBankImport = createCommandAction(this, QStringLiteral("actionBankImport"), QStringLiteral("&Importuj wyciąg bankowy..."));
    connect(m_actBankImport, &QAction::triggered, this, &ToolCommands::importBankStatement);
    m_actImportRules = createCommandAction(this, QStringLiteral("actionImportRules"), QStringLiteral("&Reguły importu wyciągów..."));
    connect(m_actImportRules, &QAction::triggered, this, &ToolCommands::editImportRules);
}

QList<QAction *> ToolCommands::shoppingAndNotesActions() const
{
    return {m_actShowShoppingList, m_actShoppingList, m_actNotes};
}

QList<QAction *> ToolCommands::exportActions() const
{
    return {m_actExportText, m_actExportCsv};
}

void ToolCommands::enableActions(bool databaseOpen)
{
    for (QAction *a : {m_actPrint, m_actShowShoppingList, m_actShoppingList, m_actNotes, m_actExportText, m_actExportCsv,
                       m_actPeriodsSummary, m_actBankImport, m_actImportRules})
        a->setEnabled(databaseOpen);
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
    if (!ExportRegisters(m_db, window->folder(), window->requests(), format, m_desktop, window->csvOptions()))
        return;
    m_desktop.ShowInformation(QStringLiteral("Operacja zakończona"),
                              format == ExportFormat::text ? QStringLiteral("pliki danych otrzymały rozszerzenia .txt")
                                                           : QStringLiteral("pliki danych otrzymały rozszerzenia .csv"),
                              QStringLiteral("Eksport danych"));
}

void ToolCommands::editImportRules()
{
    if (!m_db.databaseLoaded)
        return;
    ImportRulesWindow window(m_db, m_view.dialogParent());
    connect(&window, &ImportRulesWindow::helpRequested, this, [this] { m_view.showHelp(QStringLiteral("import-wyciagu")); });
    if (m_desktop.execDialog(window) != QDialog::Accepted)
        return;
    const QList<Database::ImportRule> rules = window.rules();
    if (rules == m_db.importRules && window.alsoIntoRegisters() == m_db.importAlsoIntoRegisters)
        return;
    // Kept with the next save, as the rules remembered during an import are.
    m_db.importRules = rules;
    m_db.importAlsoIntoRegisters = window.alsoIntoRegisters();
    m_db.importRulesChanged = true;
    m_db.modified = true;
}

void ToolCommands::importBankStatement()
{
    if (!m_db.databaseLoaded)
        return;
    FileDialogRequest request;
    request.title = QStringLiteral("Importuj wyciąg bankowy:");
    request.filter = QStringLiteral("Wyciągi bankowe (*.csv *.txt *.sta *.mt940 *.xml)|*.csv;*.txt;*.sta;*.mt940;*.xml|Wszystkie pliki  (*.*)|*.*");
    request.mustExist = true;
    const QString path = m_desktop.chooseOpenFile(request);
    if (path.isEmpty())
        return;
    QFile file(path);
    QString reason;
    QByteArray bytes;
    // A statement is small: anything past 64 MB is no statement of a household account.
    if (!OpenRegularFileForReading(file, reason) || (bytes = file.read(64 * 1024 * 1024), file.error() != QFileDevice::NoError)) {
        ReportReadFailure(path, reason.isEmpty() ? file.errorString() : reason, m_desktop);
        return;
    }
    QString problem;
    std::optional<BankStatement> statement = ReadBankStatement(bytes, problem);
    // A CSV file of a bank no layout knows: the user says which column holds what, starting from
    // what was chosen for files of the same columns before.
    std::optional<std::pair<QString, CsvColumnMapping>> columnsChosen;
    if (!statement) {
        if (const std::optional<CsvHeader> header = FindCsvHeader(bytes)) {
            const auto remembered = m_db.importColumnMaps.constFind(header->key());
            CsvColumnsWindow columns(*header,
                                     remembered != m_db.importColumnMaps.cend() ? CsvColumnMapping::fromNumbers(*remembered)
                                                                                 : GuessCsvColumns(*header),
                                     m_view.dialogParent());
            connect(&columns, &CsvColumnsWindow::helpRequested, this, [this] { m_view.showHelp(QStringLiteral("import-wyciagu")); });
            if (m_desktop.execDialog(columns) != QDialog::Accepted)
                return;
            statement = ReadMappedCsvStatement(bytes, *header, columns.mapping(), problem);
            columnsChosen = std::make_pair(header->key(), columns.mapping());
        }
    }
    if (!statement) {
        const qsizetype paren = problem.indexOf(QStringLiteral(" ("));
        m_desktop.ShowInformation(paren < 0 ? problem : problem.left(paren),
                                  paren < 0 ? QString() : problem.mid(paren + 2).chopped(1), QStringLiteral("Import wyciągu bankowego"));
        return;
    }
    BankImportWindow window(m_db, path, *statement, PlanImport(m_db, *statement, RememberedImports(m_db)),
                            m_view.dialogParent());
    connect(&window, &BankImportWindow::helpRequested, this, [this] { m_view.showHelp(QStringLiteral("import-wyciagu")); });
    if (m_desktop.execDialog(window) != QDialog::Accepted)
        return;
    const QVector<ImportRow> chosen = window.rows();
    if (columnsChosen && m_db.importColumnMaps.value(columnsChosen->first) != columnsChosen->second.numbers()) {
        m_db.importColumnMaps.insert(columnsChosen->first, columnsChosen->second.numbers());
        m_db.importRulesChanged = true;
    }
    // The choice of registers is remembered, and a group the user changed is offered as a rule.
    if (window.alsoIntoRegisters() != m_db.importAlsoIntoRegisters) {
        m_db.importAlsoIntoRegisters = window.alsoIntoRegisters();
        m_db.importRulesChanged = true;
    }
    for (qsizetype i = 0; i < chosen.size(); ++i) {
        const ImportRow &row = chosen.at(i);
        const QString text = row.source.counterparty.isEmpty() ? row.source.title : row.source.counterparty;
        if (!row.checked || !row.intoRegister || row.registerKind != RegisterKind::expenses
            || row.group == window.offeredRows().at(i).group || text.isEmpty())
            continue;
        const QString groupName = m_db.header.groupNames[row.group].trimmed();
        if (m_desktop.AskQuestion(QStringLiteral("Zapamiętać regułę: „%1” → %2?").arg(text, groupName),
                                  QStringLiteral("Następne wiersze z tym tekstem dostaną tę grupę"), QStringLiteral("Import wyciągu bankowego"))) {
            m_db.importRules.prepend({text, row.group});
            m_db.importRulesChanged = true;
        }
    }
    QList<RegisterKind> changed = {RegisterKind::bankAccount};
    for (const ImportRow &row : chosen) {
        if (row.checked && row.intoRegister && !changed.contains(row.registerKind))
            changed.append(row.registerKind);
    }
    m_registers.takeUndoSnapshot(changed);
    const ImportApplied applied = ApplyImport(m_db, chosen);
    m_view.RefreshRegisterGrids();
    m_desktop.ShowInformation(QStringLiteral("Dodano do konta bankowego wierszy: %1").arg(applied.added),
                              applied.leftOut > 0
                                  ? QStringLiteral("%1 nie zmieściło się (najwyżej %2 pozycji)").arg(applied.leftOut).arg(MaxEntries)
                                  : QStringLiteral("Zostaną zapamiętane przy zapisie okresu"),
                              QStringLiteral("Import wyciągu bankowego"));
}

PeriodsSummaryWindow *ToolCommands::periodsSummaryWindow()
{
    if (!m_periodsSummary) {
        m_periodsSummary = new PeriodsSummaryWindow(m_db, m_desktop, m_view.dialogParent());
        connect(m_periodsSummary, &PeriodsSummaryWindow::helpRequested, this,
                [this] { m_view.showHelp(QStringLiteral("zestawienie")); });
    }
    return m_periodsSummary;
}

void ToolCommands::showPeriodsSummary()
{
    if (!m_db.databaseLoaded)
        return;
    PeriodsSummaryWindow *window = periodsSummaryWindow();
    window->start();
    m_desktop.showWindow(*window);
}

Tdrukuj *ToolCommands::printPanel()
{
    if (!m_printPanel)
        m_printPanel = new Tdrukuj(m_db, m_desktop, m_view.dialogParent());
    return m_printPanel;
}

void ToolCommands::EksportujjakoDBF1Click()
{
    exportRegisters(ExportFormat::text);
}

void ToolCommands::EksportujdanejakoCSVExcel1Click()
{
    exportRegisters(ExportFormat::csv);
}

void ToolCommands::PrintClick()
{
    showPrintPanel(false);
}

void ToolCommands::BitBtn33Click()
{
    showPrintPanel(true);
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
        connect(m_notesWindow, &Tnotatnik::printRequested, this, [this] { BitBtn33Click(); });
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
        connect(m_shoppingListEditor, &Tlistazakupow::printRequested, this, [this] { BitBtn33Click(); });
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

void ToolCommands::Listazakupw1Click()
{
    m_db.modified = true;
    m_desktop.execDialog(*shoppingListEditor());
}

void ToolCommands::Pokalistzakupw1Click()
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

void ToolCommands::notatki1Click()
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

} // namespace trelfin
