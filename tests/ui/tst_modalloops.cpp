#include "modalanswers.h"
#include "filetestsupport.h"
#include "recordingsink.h"
#include "core/store/database.h"
#include "core/store/databasefiles.h"
#include "core/store/databaseops.h"
#include "ui/mainwindow/mainwindow.h"
#include "ui/store/databasecommands.h"
#include "ui/registers/registercommands.h"
#include "ui/common/qtdesktop.h"
#include "ui/mainwindow/mainmenupage.h"
#include "ui/tools/shoppingwindows.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QtTest>

using namespace trelfin;
using test::ModalAnswers;

namespace {

void type(QWidget &window, const char *edit, const QString &text)
{
    auto *field = window.findChild<QLineEdit *>(QString::fromLatin1(edit));
    QVERIFY2(field, edit);
    field->setFocus();
    QTest::keyClicks(field, text);
}

void press(QWidget &window, const char *button)
{
    auto *b = window.findChild<QAbstractButton *>(QString::fromLatin1(button));
    QVERIFY2(b, button);
    b->click();
}

// Runs `scenario` inside the application's own event loop, as the program runs, and returns
// whether the loop ended only when the scenario ended it: a program that quits on its own
// ends the loop early.
bool runInApplicationLoop(const std::function<void()> &scenario)
{
    constexpr int scenarioDone = 42;
    QTimer::singleShot(0, qApp, [&] {
        scenario();
        QCoreApplication::exit(scenarioDone);
    });
    return QCoreApplication::exec() == scenarioDone;
}

// Shows the main window over an open database with no files: the default groups, every
// command enabled.
void showOverAnOpenDatabase(Tmain &window, Database &db)
{
    SetDefaultGroups(db.header);
    db.databaseLoaded = true;
    window.EnableDatabaseCommands();
    window.show();
}

} // namespace

// The program's modal windows through the real desktop, each running its own event loop and
// answered from a timer as a person would answer it.
class TestModalLoops : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Polish, QLocale::Poland)); }

    // A wrong password at the lock window leaves the program running with its unsaved work; the
    // right one brings the main window back.
    void lockSurvivesWrongPassword()
    {
        Database db;
        QtDesktop desktop;
        Tmain window(db, desktop);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        db.reg(RegisterKind::expenses).append(Entry{QStringLiteral("12-05-2004"), 12.5, 1, QStringLiteral("chleb")});
        db.modified = true;

        ModalAnswers answers;
        bool mainHiddenWhileLocked = false;
        answers.expect(QStringLiteral("podaniehasla"), [](QWidget &w) {
            type(w, "haslo", QStringLiteral("abc"));
            type(w, "haslo2", QStringLiteral("abc"));
            press(w, "ok");
        });
        answers.expect(QStringLiteral("dialogblokujacy"), [&](QWidget &w) {
            mainHiddenWhileLocked = !window.isVisible();
            type(w, "haslo1", QStringLiteral("x"));
            QTest::keyClick(w.findChild<QLineEdit *>(QStringLiteral("haslo1")), Qt::Key_Return);
        });
        answers.expect(QStringLiteral("plainMessage"), [](QWidget &w) {
            QCOMPARE(static_cast<QMessageBox &>(w).text(), QStringLiteral("   Błędne hasło dostępu   "));
            static_cast<QMessageBox &>(w).accept();
        });
        answers.expect(QStringLiteral("dialogblokujacy"), [](QWidget &w) {
            QVERIFY(w.isVisible());
            auto *edit = w.findChild<QLineEdit *>(QStringLiteral("haslo1"));
            edit->selectAll();
            QTest::keyClicks(edit, QStringLiteral("abc"));
            QTest::keyClick(edit, Qt::Key_Return);
        });

        const bool ranToTheEnd = runInApplicationLoop([&] { window.databaseCommands()->blokuj8Click(); });
        QVERIFY2(answers.failures.isEmpty(), qPrintable(answers.failures.join(u'\n')));
        QVERIFY(answers.allAnswered());
        QVERIFY2(ranToTheEnd, "the program quit while locked");
        QVERIFY(mainHiddenWhileLocked);
        QVERIFY(window.isVisible());
        QVERIFY(QGuiApplication::quitOnLastWindowClosed());
        QCOMPARE(db.expenseCount(), 1);
        QCOMPARE(db.reg(RegisterKind::expenses).entries.first().description, QStringLiteral("chleb"));
        QVERIFY(db.modified);
    }

    void messageBoxes()
    {
        QtDesktop desktop;
        ModalAnswers answers;
        answers.expect(QStringLiteral("Dpytanie"), [](QWidget &w) { press(w, "tak"); });
        answers.expect(QStringLiteral("Dpytanie"), [](QWidget &w) { press(w, "nie"); });
        answers.expect(QStringLiteral("Dpytanie"), [](QWidget &w) { w.close(); });
        answers.expect(QStringLiteral("dinformacja"), [](QWidget &w) { press(w, "ok"); });
        // Enter answers the question with its default button.
        answers.expect(QStringLiteral("Dpytanie"), [](QWidget &w) { QTest::keyClick(&w, Qt::Key_Return); });
        answers.expect(QStringLiteral("Dpytanie"), [](QWidget &w) { QTest::keyClick(&w, Qt::Key_Return); });
        bool answers3[3] = {};
        bool enterAnswers[2] = {false, true};
        QVERIFY(runInApplicationLoop([&] {
            answers3[0] = desktop.AskQuestion(QStringLiteral("Czy zamknąć bazę ?"), QString(), QStringLiteral("Zamknięcie bazy"));
            answers3[1] = desktop.AskQuestion(QStringLiteral("Czy zamknąć bazę ?"), QString(), QStringLiteral("Zamknięcie bazy"));
            answers3[2] = desktop.AskQuestion(QStringLiteral("Czy zamknąć bazę ?"), QString(), QStringLiteral("Zamknięcie bazy"));
            desktop.ShowInformation(QStringLiteral("Dodano nowy okres"), QString(), QStringLiteral("Trelfin"));
            enterAnswers[0] = desktop.AskQuestion(QStringLiteral("Czy zamknąć bazę ?"), QString(), QStringLiteral("Zamknięcie bazy"));
            enterAnswers[1] = desktop.AskQuestion(QStringLiteral("Za chwile wszystkie dane z bieżącego okresu"),
                                                  QStringLiteral("zostaną utracone. Czy usunąć okres ?"),
                                                  QStringLiteral("Usunięcie okresu"), DefaultAnswer::no);
        }));
        QVERIFY2(answers.failures.isEmpty(), qPrintable(answers.failures.join(u'\n')));
        QVERIFY(answers.allAnswered());
        QVERIFY(answers3[0]);
        QVERIFY(!answers3[1]);
        QVERIFY(!answers3[2]);
        QVERIFY(enterAnswers[0]);
        QVERIFY(!enterAnswers[1]);
    }

    // The question whether to save the period's changes: Escape, the frame and "Anuluj" cancel
    // the quit, the period switch and the close that asked; the changes stay in memory and
    // nothing is written. "Anuluj" is offered in this question only.
    void saveQuestionCancels()
    {
        QTemporaryDir dir;
        const QString dbPath = dir.filePath(QStringLiteral("budzet.tf4"));
        QtDesktop desktop;
        {
            Database seed;
            test::RecordingSink sink;
            InitialiseNewDatabase(seed, dbPath, desktop);
            QVERIFY(SavePeriodFiles(seed, 0, desktop, sink));
            QVERIFY(AppendPeriod(seed, desktop));
            QVERIFY(SavePeriodFiles(seed, 1, desktop, sink));
        }
        const QByteArray periodBefore = test::fileBytes(dir.filePath(QStringLiteral("budzet.0")));
        const QByteArray recordBefore = test::fileBytes(dbPath);

        Database db;
        Tmain window(db, desktop);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        window.databaseCommands()->otworz2Click(dbPath);
        QVERIFY(db.databaseLoaded);
        db.reg(RegisterKind::incomes).append(Entry{QStringLiteral("12-05-2004"), 100, 0, QStringLiteral("premia")});
        db.modified = true;

        ModalAnswers answers;
        bool cancelOffered = false;
        bool cancelHiddenElsewhere = false;
        answers.expect(QStringLiteral("Dpytanie"), [&](QWidget &w) {
            cancelHiddenElsewhere = !w.findChild<QPushButton *>(QStringLiteral("anuluj"))->isVisible();
            press(w, "tak"); // "Czy chcesz zakończyć pracę?"
        });
        answers.expect(QStringLiteral("Dpytanie"), [&](QWidget &w) {
            cancelOffered = w.findChild<QPushButton *>(QStringLiteral("anuluj"))->isVisible();
            QTest::keyClick(&w, Qt::Key_Escape);
        });
        answers.expect(QStringLiteral("Dpytanie"), [](QWidget &w) { w.close(); }); // the period switch
        answers.expect(QStringLiteral("Dpytanie"), [](QWidget &w) { press(w, "tak"); }); // "Czy zamknąć bazę ?"
        answers.expect(QStringLiteral("Dpytanie"), [](QWidget &w) { press(w, "anuluj"); });
        bool quit = true;
        QVERIFY(runInApplicationLoop([&] {
            quit = window.databaseCommands()->confirmQuit();
            window.biezacyokresChange(1);
            window.databaseCommands()->zamknij3Click();
        }));
        QVERIFY2(answers.failures.isEmpty(), qPrintable(answers.failures.join(u'\n')));
        QVERIFY(answers.allAnswered());
        QVERIFY(cancelOffered);
        QVERIFY(cancelHiddenElsewhere);
        QVERIFY(!quit);
        QVERIFY(db.databaseLoaded);
        QVERIFY(db.modified);
        QCOMPARE(db.currentPeriod, 1);
        QCOMPARE(window.findChild<MainMenuPage *>()->periodList()->currentIndex(), 0);
        QCOMPARE(db.incomeCount(), 1);
        QCOMPARE(test::fileBytes(dir.filePath(QStringLiteral("budzet.0"))), periodBefore);
        QCOMPARE(test::fileBytes(dbPath), recordBefore);
    }

    // "Dodaj jako rozchód" from the shopping list: Escape in the entry window stores its 0,00
    // expense but leaves the item on the list; an expense with an amount takes the item off.
    void shoppingItemLeavesOnlyWhenBought()
    {
        Database db;
        QtDesktop desktop;
        Tmain window(db, desktop);
        showOverAnOpenDatabase(window, db);
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        db.shoppingItems[0].setText(QStringLiteral("mleko"));
        Tlistazakupow editor(db, desktop, *window.registerCommands(), &window);
        editor.show();
        editor.findChild<QTableWidget *>(QStringLiteral("zakupy"))->setCurrentCell(0, 1);

        ModalAnswers answers;
        answers.expect(QStringLiteral("edycjarozchod"), [](QWidget &w) { QTest::keyClick(&w, Qt::Key_Escape); });
        answers.expect(QStringLiteral("edycjarozchod"), [](QWidget &w) {
            auto *amount = w.findChild<QLineEdit *>(QStringLiteral("wartosc"));
            amount->setFocus();
            amount->selectAll();
            QTest::keyClicks(amount, QStringLiteral("3,10"));
            QTest::keyClick(amount, Qt::Key_Return);
        });
        QString afterEscape;
        QVERIFY(runInApplicationLoop([&] {
            editor.addAsExpense();
            afterEscape = db.shoppingItems[0].text();
            editor.addAsExpense();
        }));
        QVERIFY2(answers.failures.isEmpty(), qPrintable(answers.failures.join(u'\n')));
        QVERIFY(answers.allAnswered());
        QCOMPARE(afterEscape, QStringLiteral("mleko"));
        QVERIFY(db.shoppingItems[0].text().isEmpty());
        QCOMPARE(db.expenseCount(), 2);
        QCOMPARE(db.reg(RegisterKind::expenses).entries.at(0).amount, 0.0);
        QCOMPARE(db.reg(RegisterKind::expenses).entries.at(1).amount, 3.1);
    }

    // Adding an expense: the entry dialog is answered by typing and Enter.
    void entryDialog()
    {
        Database db;
        QtDesktop desktop;
        Tmain window(db, desktop);
        showOverAnOpenDatabase(window, db);
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        window.showPage(Tmain::ExpensesTab);

        ModalAnswers answers;
        answers.expect(QStringLiteral("edycjarozchod"), [](QWidget &w) {
            auto *amount = w.findChild<QLineEdit *>(QStringLiteral("wartosc"));
            amount->setFocus();
            amount->selectAll();
            QTest::keyClicks(amount, QStringLiteral("12,50"));
            auto *description = w.findChild<QLineEdit *>(QStringLiteral("opis"));
            description->setFocus();
            description->selectAll();
            QTest::keyClicks(description, QStringLiteral("chleb"));
            QTest::keyClick(description, Qt::Key_Return);
        });
        QVERIFY(runInApplicationLoop([&] { window.registerCommands()->add(RegisterKind::expenses); }));
        QVERIFY2(answers.failures.isEmpty(), qPrintable(answers.failures.join(u'\n')));
        QVERIFY(answers.allAnswered());
        QCOMPARE(db.expenseCount(), 1);
        const Entry &e = db.reg(RegisterKind::expenses).entries.first();
        QCOMPARE(e.amount, 12.5);
        QCOMPARE(e.description, QStringLiteral("chleb"));
        QCOMPARE(e.date, QDate::currentDate().toString(QStringLiteral("dd-MM-yyyy")));
        QVERIFY(db.modified);
    }
};

QTEST_MAIN(TestModalLoops)
#include "tst_modalloops.moc"
