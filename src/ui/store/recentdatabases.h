#pragma once

#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>

#include <functional>

class QAction;

namespace trelfin {

// The databases opened last, newest first, at most five: items "&1 name" .. "&5 name" of the
// "Plik" menu (Alt+1..5) and "Wyczyść listę". A database whose file is gone is shown disabled.
// The list is kept in the program's one settings file, trelfin.conf in the user's configuration
// folder ($XDG_CONFIG_HOME/trelfin, ~/.config/trelfin by default).
class RecentDatabases : public QObject
{
    Q_OBJECT
public:
    static constexpr int Count = 5;

    explicit RecentDatabases(QObject *parent = nullptr);

    static QString settingsPath();

    QStringList paths() const { return m_paths; }
    // `path` becomes the first; an earlier place of it goes, and the sixth drops off.
    void add(const QString &path);
    void clear();

    // The five items, a separator and "Wyczyść listę", in menu order.
    QList<QAction *> actions() const { return m_actions; }
    // Brings the items up to date: texts, which are shown, which files are still there.
    void refreshActions();

    // What an item does: opens the database at the path given.
    std::function<void(const QString &path)> onOpen;

private:
    void load();
    void store() const;

    QStringList m_paths;
    QList<QAction *> m_actions;
    QAction *m_clear = nullptr;
    QAction *m_separator = nullptr;
};

} // namespace trelfin
