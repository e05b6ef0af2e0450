#include "mainwindowfixture.h"
#include "ui/registers/debtentrydialog.h"
#include "ui/registers/entrydialog.h"
#include "ui/registers/registercommands.h"
#include "ui/registers/registermodel.h"
#include "ui/registers/registerpage.h"
#include "ui/reports/summarypage.h"
#include "ui/store/databasecommands.h"
#include "ui/store/optionswindow.h"
#include "ui/registers/reminderwindow.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableView>
#include <QtTest>

#include <algorithm>
#include <memory>

using namespace trelfin;
using test::ScriptedDesktop;

namespace {

// The object names Tab visits from the focus, until it comes round again.
QStringList tabChain()
{
    QStringList names;
    QWidget *start = QApplication::focusWidget();
    if (!start)
        return names;
    for (int i = 0; i < 60; ++i) {
        names.append(QApplication::focusWidget()->objectName());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        if (QApplication::focusWidget() == start)
            break;
    }
    return names;
}

// The fields a person sees, in reading order: rows from top to bottom, each from left to right.
QStringList screenOrder(QWidget &window)
{
    QList<QWidget *> fields;
    for (QWidget *w : window.findChildren<QWidget *>()) {
        if (w->isVisible() && w->isEnabled() && (w->focusPolicy() & Qt::TabFocus) && !w->objectName().isEmpty())
            fields.append(w);
    }
    const auto centre = [&window](QWidget *w) { return w->mapTo(&window, w->rect().center()); };
    std::sort(fields.begin(), fields.end(), [&](QWidget *a, QWidget *b) {
        const QPoint pa = centre(a), pb = centre(b);
        if (std::abs(pa.y() - pb.y()) > 8)
            return pa.y() < pb.y();
        return pa.x() < pb.x();
    });
    QStringList names;
    for (QWidget *w : fields)
        names.append(w->objectName());
    return names;
}

void showActive(QWidget &window)
{
    window.show();
    // Without a window manager nothing hands the new window the keyboard: do as one would.
    QApplication::setActiveWindow(&window);
    QVERIFY(QTest::qWaitForWindowActive(&window));
}

} // namespace

// Keyboard, input limits and legibility of the windows.
class TestKeyboard : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Polish, QLocale::Poland)); }

    // Tab goes through an entry dialog's fields in the order they stand on screen, starting in
    // the first field when the dialog shows.
    void entryDialogFocusChains_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<bool>("adding");
        QTest::newRow("expenses") << int(RegisterKind::expenses) << false;
        QTest::newRow("incomes") << int(RegisterKind::incomes) << false;
        QTest::newRow("debts") << int(RegisterKind::debts) << false;
        QTest::newRow("adding a debt") << int(RegisterKind::debts) << true;
        QTest::newRow("planned") << int(RegisterKind::planned) << false;
        QTest::newRow("bank account") << int(RegisterKind::bankAccount) << false;
    }
    void entryDialogFocusChains()
    {
        QFETCH(int, kind);
        QFETCH(bool, adding);
        test::MainWindowFixture f;
        SetDefaultGroups(f.db.header);
        f.db.edit = EditBuffer{QStringLiteral("12-05-2004"), 0.0, 1, QStringLiteral("Brak")};
        EntryDialog *dialog = f.window.registerCommands()->entryDialog(static_cast<RegisterKind>(kind), adding);
        showActive(*dialog);
        QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("data"));
        const QStringList chain = tabChain();
        QCOMPARE(chain, screenOrder(*dialog));
        QVERIFY(chain.size() >= 4);
        if (adding)
            QVERIFY(chain.indexOf(QStringLiteral("termin")) < chain.indexOf(QStringLiteral("ok")));
        dialog->close();
    }

    // The options window: the fields from top to bottom, then its buttons, then OK and "Anuluj";
    // Tab in "Inne dane" moves on instead of typing a tab.
    void optionsWindowFocusChain()
    {
        test::MainWindowFixture f;
        f.markOpen();
        Topcjebazy *options = f.window.databaseCommands()->optionsWindow();
        showActive(*options);
        QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("uzytkownik"));
        QCOMPARE(tabChain(),
                 QStringList({"uzytkownik", "innedane", "datautworzenia", "ostatnizapis", "iloscokresow", "czypytac",
                              "biezacyokres", "pierwszywpis", "ostatniwpis", "nazwa", "dodaj", "usunokres", "haslo",
                              "edycjagrup", "import", "export", "usun", "pomoc", "ok", "anuluj"}));
        auto *notes = options->findChild<QPlainTextEdit *>(QStringLiteral("innedane"));
        notes->setFocus();
        QTest::keyClick(notes, Qt::Key_Tab);
        QVERIFY(!notes->toPlainText().contains(u'\t'));
        QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("datautworzenia"));
        options->reject();
    }

    // A field takes no more than its stored field holds, and an amount field only the characters
    // amounts are written with, every one of them.
    void fieldLimits_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("kept");
        QTest::newRow("description, 45 characters") << "opis" << QString(45, u'x') << QString(40, u'x');
        QTest::newRow("amount with a letter and a minus") << "wartosc" << "-12a,5" << "12,5";
        QTest::newRow("amount, three decimals kept for OK to refuse") << "wartosc" << "7.125" << "7.125";
        QTest::newRow("amount with thousands") << "wartosc" << "1 234,56" << "1 234,56";
    }
    void fieldLimits()
    {
        QFETCH(QString, field);
        QFETCH(QString, typed);
        QFETCH(QString, kept);
        test::MainWindowFixture f;
        SetDefaultGroups(f.db.header);
        EntryDialog *dialog = f.window.registerCommands()->entryDialog(RegisterKind::expenses, false);
        showActive(*dialog);
        auto *edit = dialog->findChild<QLineEdit *>(field);
        edit->clear();
        edit->setFocus();
        QTest::keyClicks(edit, typed);
        QCOMPARE(edit->text(), kept);
        dialog->close();
    }

    // OK or Enter with an impossible date keeps the dialog open with the message; closed by its
    // frame, the dialog hands over today's date instead.
    void impossibleDateInAnEntryDialog()
    {
        test::MainWindowFixture f;
        SetDefaultGroups(f.db.header);
        f.markOpen();
        f.window.showPage(Tmain::ExpensesTab);
        f.desktop.dialogScripts.enqueue([&f](QDialog &d) {
            auto *date = d.findChild<QLineEdit *>(QStringLiteral("data"));
            date->setFocus();
            date->selectAll();
            QTest::keyClicks(date, QStringLiteral("31022025"));
            QTest::keyClick(date, Qt::Key_Return);
            QVERIFY(d.isVisible());
            QCOMPARE(f.desktop.messages.last(),
                     (ScriptedDesktop::Message{"Wprowadzone daty są niepoprawne", "", "Trelfin", false}));
            QCOMPARE(d.focusWidget(), date);
            d.close();
        });
        f.window.registerCommands()->add(RegisterKind::expenses);
        QCOMPARE(f.db.expenseCount(), 1);
        QCOMPARE(f.db.reg(RegisterKind::expenses).entries.first().date, QStringLiteral("12-05-2004"));
    }

    // The balance's month dialog refuses month 13; closed by its frame it gives today's span.
    void impossibleMonthInTheBalance()
    {
        test::MainWindowFixture f;
        SetDefaultGroups(f.db.header);
        f.markOpen();
        f.clickTab(Tmain::BalanceTab);
        f.desktop.dialogScripts.enqueue([&f](QDialog &d) {
            auto *month = d.findChild<QLineEdit *>(QStringLiteral("od"));
            month->setFocus();
            month->selectAll();
            QTest::keyClicks(month, QStringLiteral("132026"));
            QTest::keyClick(month, Qt::Key_Return);
            QVERIFY(d.isVisible());
            QCOMPARE(f.desktop.messages.last().line1, QStringLiteral("Wprowadzone daty są niepoprawne"));
            d.close();
        });
        f.window.balancePage()->findChild<QPushButton *>(QStringLiteral("miesieczny"))->click();
        QCOMPARE(f.widget<QLineEdit>("bdata")->text(), QStringLiteral("Od 12-05-2004 do 12-05-2004"));
    }

    // Enter in the reminder of a due planned expense leaves it: nothing changes by chance.
    void reminderEnterLeaves()
    {
        test::MainWindowFixture f;
        SetDefaultGroups(f.db.header);
        f.db.edit = EditBuffer{QStringLiteral("10-05-2004"), 10.0, 4, QStringLiteral("czynsz")};
        Tterminplan reminder(f.db);
        showActive(reminder);
        QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("Button4"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QVERIFY(!reminder.isVisible());
        QCOMPARE(reminder.answer(), ReminderAnswer::leave);
    }

    // Two or more rows selected: their count and sum in the status line; one row: the page's text.
    void selectionSum()
    {
        test::MainWindowFixture f;
        SetDefaultGroups(f.db.header);
        for (double amount : {100.0, 20.4, 5.0})
            f.db.reg(RegisterKind::expenses).append(Entry{QStringLiteral("01-05-2004"), amount, 1, QString()});
        f.markOpen();
        f.window.RefreshRegisterGrids();
        f.clickTab(Tmain::ExpensesTab);
        RegisterPage *page = f.window.registerPage(RegisterKind::expenses);
        const QString pageText = f.window.statusText(1);
        page->selectAll();
        QCOMPARE(f.window.statusText(1), QStringLiteral("Zaznaczono 3, suma 125,40"));
        page->selectRow(2);
        QCOMPARE(f.window.statusText(1), pageText);
    }
};

QTEST_MAIN(TestKeyboard)
#include "tst_keyboard.moc"
