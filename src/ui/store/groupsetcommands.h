#pragma once

#include <QObject>

class QAction;

namespace trelfin {

class Database;
class DatabaseView;
class Desktop;
class Tedycjagrup;

// The group-set commands of the "&Narzędzia" menu and the options window: edit the names of the
// spending groups, export them to a ".tgr" file and import them from one. It owns their menu
// items and the editor window.
class GroupSetCommands : public QObject
{
    Q_OBJECT
public:
    GroupSetCommands(Database &db, Desktop &desktop, DatabaseView &view, QObject *parent = nullptr);

    // The group-set editor, storing the names whichever way it closes.
    void editGroupSet();
    // Replaces the group set with a ".tgr" file the user chooses.
    void importGroupSet();

    // The menu items. Writes the group set into a ".tgr" file the user chooses (the options
    // window's export too).
    void Eksportgrup1Click();
    // The editor and the import, after which the grids show the new names, also after a
    // cancelled import, as the editor stores the names whichever way it closes.
    void Edycjagrup1Click();
    void Importgrup1Click();

    QAction *actionEditGroups() const { return m_actEdit; }
    QAction *actionExportGroups() const { return m_actExport; }
    QAction *actionImportGroups() const { return m_actImport; }
    // The items work only while a database is open.
    void enableActions(bool databaseOpen);

    Tedycjagrup *groupSetEditor();

private:
    Database &m_db;
    Desktop &m_desktop;
    DatabaseView &m_view;
    QAction *m_actEdit = nullptr;
    QAction *m_actExport = nullptr;
    QAction *m_actImport = nullptr;
    Tedycjagrup *m_groupSetEditor = nullptr;
};

} // namespace trelfin
