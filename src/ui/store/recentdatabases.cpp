#include "ui/store/recentdatabases.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QKeySequence>
#include <QSettings>
#include <QStandardPaths>

namespace trelfin {

namespace {
const QString kKey = QStringLiteral("ostatnie/bazy");
} // namespace

RecentDatabases::RecentDatabases(QObject *parent)
    : QObject(parent)
{
    for (int i = 0; i < Count; ++i) {
        auto *item = new QAction(this);
        item->setObjectName(QStringLiteral("actionRecent%1").arg(i + 1));
        item->setShortcut(QKeySequence(Qt::ALT | Qt::Key(Qt::Key_1 + i)));
        connect(item, &QAction::triggered, this, [this, i] {
            if (i < m_paths.size() && onOpen)
                onOpen(m_paths.at(i));
        });
        m_actions.append(item);
    }
    m_separator = new QAction(this);
    m_separator->setSeparator(true);
    m_clear = new QAction(QStringLiteral("Wyczyść listę"), this);
    m_clear->setObjectName(QStringLiteral("actionRecentClear"));
    connect(m_clear, &QAction::triggered, this, &RecentDatabases::clear);
    m_actions << m_separator << m_clear;
    load();
    refreshActions();
}

QString RecentDatabases::settingsPath()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + QStringLiteral("/trelfin/trelfin.conf");
}

void RecentDatabases::load()
{
    const QSettings settings(settingsPath(), QSettings::IniFormat);
    m_paths = settings.value(kKey).toStringList().mid(0, Count);
}

void RecentDatabases::store() const
{
    QSettings settings(settingsPath(), QSettings::IniFormat);
    settings.setValue(kKey, m_paths);
    settings.sync();
}

void RecentDatabases::add(const QString &path)
{
    const QString absolute = QFileInfo(path).absoluteFilePath();
    m_paths.removeAll(absolute);
    m_paths.prepend(absolute);
    m_paths = m_paths.mid(0, Count);
    store();
    refreshActions();
}

void RecentDatabases::clear()
{
    m_paths.clear();
    store();
    refreshActions();
}

void RecentDatabases::refreshActions()
{
    for (int i = 0; i < Count; ++i) {
        QAction *item = m_actions.at(i);
        const bool used = i < m_paths.size();
        item->setVisible(used);
        if (!used)
            continue;
        const QFileInfo file(m_paths.at(i));
        // "&" in a name would make a shortcut of the letter after it.
        QString name = file.fileName();
        name.replace(u'&', QStringLiteral("&&"));
        item->setText(QStringLiteral("&%1 %2").arg(i + 1).arg(name));
        item->setToolTip(QDir::toNativeSeparators(file.absoluteFilePath()));
        item->setStatusTip(QDir::toNativeSeparators(file.absoluteFilePath()));
        item->setEnabled(file.isFile());
    }
    m_separator->setVisible(!m_paths.isEmpty());
    m_clear->setVisible(!m_paths.isEmpty());
}

} // namespace trelfin
