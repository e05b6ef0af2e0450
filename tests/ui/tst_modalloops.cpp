#include "modalanswers.h"
#include "core/store/database.h"
#include "ui/mainwindow/mainwindow.h"
#include "ui/store/databasecommands.h"
#include "ui/registers/registercommands.h"
#include "ui/common/qtdesktop.h"

#include <QAbstractButton>
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

    // Adding an expense: the entry dialog is answered by typing and Enter.
    void entryDialog()
    {
        Database db;
        QtDesktop desktop;
        Tmain window(db, desktop);
        SetDefaultGroups(db.header);
        db.databaseLoaded = true;
        window.EnableDatabaseCommands();
        window.show();
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
