#pragma once

#include "ui/mainwindow/mainwindow.h"
#include "ui/store/databasecommands.h"
#include "ui/store/groupsetcommands.h"
#include "ui/tools/toolcommands.h"
#include "scripteddesktop.h"
#include "core/store/database.h"

#include <QAction>
#include <QTabBar>
#include <QTabWidget>
#include <QtTest>

namespace trelfin::test {

// A main window over its own database and scripted desktop, shown offscreen.
struct MainWindowFixture
{
    Database db;
    ScriptedDesktop desktop;
    Tmain window{db, desktop};

    MainWindowFixture()
    {
        window.show();
        // Shortcuts reach only the active window.
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
    }

    QTabWidget *karta() { return window.findChild<QTabWidget *>(QStringLiteral("karta")); }
    QAction *action(const QString &name) { return window.findChild<QAction *>(name); }
    template<class W> W *widget(const QString &name) { return window.findChild<W *>(name); }
    template<class W> W *widget(QWidget *inside, const QString &name) { return inside->findChild<W *>(name); }

    void clickTab(int index)
    {
        QTabBar *bar = karta()->tabBar();
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(index).center());
    }

    // Marks the database open and shows it, as the open command does.
    void markOpen()
    {
        db.databaseLoaded = true;
        window.EnableDatabaseCommands();
        window.ShowDatabaseInfo();
    }
};

} // namespace trelfin::test
