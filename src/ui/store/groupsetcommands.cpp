#include "ui/store/groupsetcommands.h"

#include "core/store/database.h"
#include "core/store/groupset.h"
#include "ui/common/commandaction.h"
#include "ui/common/databaseview.h"
#include "ui/common/desktop.h"
#include "ui/store/groupseteditor.h"

#include <QAction>

namespace trelfin {

namespace {

const QString kGroupSetFilter = QStringLiteral("Zbiory grup programu Trelfin  (*.tgr)|*.tgr|Wszystkie pliki  (*.*)|*.*");

} // namespace

GroupSetCommands::GroupSetCommands(Database &db, Desktop &desktop, DatabaseView &view, QObject *parent)
    : QObject(parent)
    , m_db(db)
    , m_desktop(desktop)
    , m_view(view)
{
    m_actEdit = createCommandAction(this, QStringLiteral("actionEditGroups"), QStringLiteral("Edycja zbioru grup"),
                                    QKeySequence(Qt::SHIFT | Qt::CTRL | Qt::Key_F4));
    m_actExport = createCommandAction(this, QStringLiteral("actionExportGroups"), QStringLiteral("Eksport zbioru grup"));
    m_actImport = createCommandAction(this, QStringLiteral("actionImportGroups"), QStringLiteral("Import zbioru grup"));
    connect(m_actEdit, &QAction::triggered, this, &GroupSetCommands::Edycjagrup1Click);
    connect(m_actExport, &QAction::triggered, this, &GroupSetCommands::Eksportgrup1Click);
    connect(m_actImport, &QAction::triggered, this, &GroupSetCommands::Importgrup1Click);
}

void GroupSetCommands::enableActions(bool databaseOpen)
{
    for (QAction *a : {m_actEdit, m_actExport, m_actImport})
        a->setEnabled(databaseOpen);
}

Tedycjagrup *GroupSetCommands::groupSetEditor()
{
    if (!m_groupSetEditor) {
        m_groupSetEditor = new Tedycjagrup(m_db, m_desktop, m_view.dialogParent());
        connect(m_groupSetEditor, &Tedycjagrup::helpRequested, this, [this] { m_view.showHelp(QStringLiteral("grupy")); });
    }
    return m_groupSetEditor;
}

void GroupSetCommands::editGroupSet()
{
    m_desktop.execDialog(*groupSetEditor());
}

void GroupSetCommands::Eksportgrup1Click()
{
    const QString path = m_desktop.chooseSaveFile(
        saveFileRequest(QStringLiteral("Eksportuj zbiór grup:"), kGroupSetFilter, QStringLiteral(".tgr"), QStringLiteral("beznazwy")));
    if (path.isEmpty())
        return;
    if (ExportGroupSet(m_db.header, path, m_desktop))
        m_desktop.ShowInformation(QStringLiteral("Operację wykonano poprawnie"), QString(), QStringLiteral("Trelfin"));
}

void GroupSetCommands::importGroupSet()
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

void GroupSetCommands::Edycjagrup1Click()
{
    editGroupSet();
    m_view.RefreshRegisterGrids();
}

void GroupSetCommands::Importgrup1Click()
{
    importGroupSet();
    m_view.RefreshRegisterGrids();
}

} // namespace trelfin
