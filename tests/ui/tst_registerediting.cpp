#include "mainwindowfixture.h"
#include "ui/registers/entrydialog.h"
#include "ui/registers/finddialog.h"
#include "ui/registers/repeatdialog.h"
#include "ui/registers/registercommands.h"
#include "ui/registers/registermodel.h"
#include "ui/registers/registerpage.h"
#include "ui/reports/statementpage.h"
#include "core/store/databasefiles.h"
#include "core/store/databaseops.h"
#include "ui/store/optionswindow.h"

#include <QCheckBox>
#include <QComboBox>
#include <QItemSelectionModel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTableView>
#include <QtTest>

using namespace trelfin;
using test::ScriptedDesktop;

namespace {

using Script = std::function<void(QDialog &)>;

template<class W> W *child(QDialog &d, const char *name)
{
    return d.findChild<W *>(QString::fromLatin1(name));
}

void setField(QDialog &d, const char *name, const QString &text)
{
    auto *edit = child<QLineEdit>(d, name);
    if (edit->inputMask().isEmpty()) {
        edit->setText(text); // typed keys reach only ASCII
        return;
    }
    edit->selectAll();
    QTest::keyClicks(edit, text);
}

// Fills an entry dialog and closes it with Enter.
Script fillEntry(const QString &date, const QString &amount, int groupIndex, const QString &description)
{
    return [=](QDialog &d) {
        setField(d, "data", date);
        setField(d, "wartosc", amount);
        if (auto *group = child<QComboBox>(d, "grupa"))
            group->setCurrentIndex(groupIndex);
        setField(d, "opis", description);
        QTest::keyClick(child<QLineEdit>(d, "opis"), Qt::Key_Return);
    };
}

struct Fixture : test::MainWindowFixture
{
    Fixture()
    {
        SetDefaultGroups(db.header);
        db.header.periods[1] = {QStringLiteral("01.05.2004brak"), QStringLiteral("maj")};
        markOpen();
        window.RefreshRegisterGrids();
    }

    RegisterCommands &commands() { return *window.registerCommands(); }
    RegisterPage *page(RegisterKind kind) { return window.registerPage(kind); }
    const QVector<Entry> &entries(RegisterKind kind) { return db.reg(kind).entries; }

    void add(RegisterKind kind, const char *date, double amount, int group, const char *description)
    {
        db.reg(kind).append(Entry{QString::fromLatin1(date), amount, static_cast<std::uint8_t>(group),
                                  QString::fromUtf8(description)});
        window.RefreshRegisterGrids();
    }

    void selectRows(RegisterKind kind, int top, int bottom)
    {
        RegisterPage *p = page(kind);
        p->grid()->selectionModel()->select(
            QItemSelection(p->model()->index(top - 1, 0), p->model()->index(bottom - 1, 3)),
            QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    }

    QString undoCaption() { return action("actionUndo")->text(); }
    QStringList descriptions(RegisterKind kind)
    {
        QStringList texts;
        for (const Entry &e : entries(kind))
            texts.append(e.description);
        return texts;
    }
};

} // namespace

class TestRegisterEditing : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Polish, QLocale::Poland)); }

    void addExpenseUndoRedo()
    {
        Fixture f;
        f.clickTab(Tmain::ExpensesTab);
        QVERIFY(!f.action("actionUndo")->isEnabled());
        f.desktop.dialogScripts.enqueue([](QDialog &d) {
            QCOMPARE(d.windowTitle(), QStringLiteral("Edycja danych Rochód"));
            // The new row's defaults.
            QCOMPARE(child<QLineEdit>(d, "data")->displayText(), QStringLiteral("12-05-2004"));
            QCOMPARE(child<QLineEdit>(d, "wartosc")->text(), QStringLiteral("0,00"));
            QCOMPARE(child<QComboBox>(d, "grupa")->count(), 30);
            QCOMPARE(child<QComboBox>(d, "grupa")->currentText(), QStringLiteral("ŻYWNOŚĆ   "));
            QCOMPARE(child<QLineEdit>(d, "opis")->text(), QStringLiteral("Brak"));
            fillEntry(QStringLiteral("03052004"), QStringLiteral("12,34"), 2, QStringLiteral("krem"))(d);
        });
        QTest::keyClick(&f.window, Qt::Key_Insert);
        QCOMPARE(f.entries(RegisterKind::expenses),
                 (QVector<Entry>{{QStringLiteral("03-05-2004"), 12.34, 3, QStringLiteral("krem")}}));
        QVERIFY(f.db.modified);
        QCOMPARE(f.page(RegisterKind::expenses)->model()->cellText(0, 2), QStringLiteral("KOSMETYKI "));
        QCOMPARE(f.widget<QLineEdit>("ilosc_r")->text(), QStringLiteral("1"));
        QVERIFY(!f.page(RegisterKind::expenses)->grid()->isHidden());
        QVERIFY(f.action("actionUndo")->isEnabled());
        QCOMPARE(f.undoCaption(), QStringLiteral("&Cofnij"));

        f.action("actionUndo")->trigger();
        QCOMPARE(f.db.expenseCount(), 0);
        QCOMPARE(f.undoCaption(), QStringLiteral("&Ponów"));
        QVERIFY(f.page(RegisterKind::expenses)->grid()->isHidden());
        f.action("actionUndo")->trigger();
        QCOMPARE(f.db.expenseCount(), 1);
        QCOMPARE(f.undoCaption(), QStringLiteral("&Cofnij"));
    }

    // A date typed wrongly becomes today; an amount with a minus reads as 0; closing by the frame
    // hands the fields back like OK.
    void entryDialogClosedByItsFrame()
    {
        Fixture f;
        f.clickTab(Tmain::IncomesTab);
        f.desktop.dialogScripts.enqueue([](QDialog &d) {
            QVERIFY(!child<QComboBox>(d, "grupa"));
            setField(d, "data", QStringLiteral("3105"));
            setField(d, "wartosc", QStringLiteral("-15"));
            setField(d, "opis", QStringLiteral("premia"));
            d.close();
        });
        f.window.registerPage(RegisterKind::incomes)->button(RegisterCommand::add)->click();
        QCOMPARE(f.entries(RegisterKind::incomes),
                 (QVector<Entry>{{QStringLiteral("12-05-2004"), 0.0, 0, QStringLiteral("premia")}}));
    }

    // Typed as a person types it, an amount with thousands separators is stored whole; one that
    // cannot be read keeps the dialog open on OK with a message, and nothing shortened is stored.
    void typedAmounts_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<double>("stored"); // -1: refused
        QTest::newRow("plain") << "1234,56" << 1234.56;
        QTest::newRow("blank groups") << "1 234,56" << 1234.56;
        QTest::newRow("dot groups") << "1.234,56" << 1234.56;
        QTest::newRow("three decimals") << "12,345" << -1.0;
        QTest::newRow("dot, three digits") << "1.234" << -1.0;
        QTest::newRow("two separators") << "1,2,3" << -1.0;
    }
    void typedAmounts()
    {
        QFETCH(QString, typed);
        QFETCH(double, stored);
        Fixture f;
        f.clickTab(Tmain::ExpensesTab);
        bool keptOpen = false;
        f.desktop.dialogScripts.enqueue([&](QDialog &d) {
            auto *amount = child<QLineEdit>(d, "wartosc");
            amount->clear();
            QTest::keyClicks(amount, typed);
            QCOMPARE(amount->text(), typed); // no character dropped
            QTest::keyClick(amount, Qt::Key_Return);
            keptOpen = d.isVisible();
            if (keptOpen)
                d.close(); // the frame stores the rest with the amount of 0,00
        });
        f.window.registerPage(RegisterKind::expenses)->button(RegisterCommand::add)->click();
        QCOMPARE(keptOpen, stored < 0);
        if (stored < 0) {
            QCOMPARE(f.desktop.messages.last().line1, QStringLiteral("Wprowadzona kwota jest niepoprawna"));
            QCOMPARE(f.desktop.messages.last().line2, QStringLiteral("Wpisz ją na przykład jako 1234,56 lub 1 234,56"));
        }
        QCOMPARE(f.entries(RegisterKind::expenses).first().amount, stored < 0 ? 0.0 : stored);
    }

    void editTheTopSelectedRow()
    {
        Fixture f;
        f.add(RegisterKind::planned, "01-06-2004", 10, 1, "a");
        f.add(RegisterKind::planned, "02-06-2004", 20, 2, "b");
        f.add(RegisterKind::planned, "03-06-2004", 30, 3, "c");
        f.clickTab(Tmain::PlannedTab);
        f.selectRows(RegisterKind::planned, 2, 3);
        f.desktop.dialogScripts.enqueue([](QDialog &d) {
            QCOMPARE(child<QLineEdit>(d, "wartosc")->text(), QStringLiteral("20,00"));
            QCOMPARE(child<QComboBox>(d, "grupa")->count(), 31);
            QCOMPARE(child<QComboBox>(d, "grupa")->itemText(30), QStringLiteral("DOKONANE  "));
            QCOMPARE(child<QComboBox>(d, "grupa")->currentIndex(), 1);
            fillEntry(QStringLiteral("05062004"), QStringLiteral("25"), 30, QStringLiteral("zapłacone"))(d);
        });
        QTest::keyClick(f.page(RegisterKind::planned)->grid(), Qt::Key_Return);
        QCOMPARE(f.entries(RegisterKind::planned).at(1),
                 (Entry{QStringLiteral("05-06-2004"), 25.0, 31, QStringLiteral("zapłacone")}));
        QCOMPARE(f.page(RegisterKind::planned)->model()->cellText(1, 2), QStringLiteral("DOKONANE  "));

        // Edytuj on an empty register.
        f.window.registerPage(RegisterKind::bankAccount)->button(RegisterCommand::edit)->click();
        QCOMPARE(f.desktop.messages.last(),
                 (ScriptedDesktop::Message{"Brak danych w bazie Konto bankowe", "", "Trelfin", false}));
    }

    void fullRegisterRefusesAnAdd()
    {
        Fixture f;
        for (int i = 0; i < MaxEntries; ++i)
            f.db.reg(RegisterKind::debts).append(Entry{QStringLiteral("01-01-2004"), 1, 1, QString()});
        f.window.RefreshRegisterGrids();
        f.window.registerPage(RegisterKind::debts)->button(RegisterCommand::add)->click();
        QCOMPARE(f.desktop.messages.last(),
                 (ScriptedDesktop::Message{"Za dużo danych w bazie Długi / pożyczki", "", "Uwaga!", false}));
        QCOMPARE(f.db.debtCount(), MaxEntries);
        QVERIFY(f.desktop.shownDialogs.isEmpty());
        QVERIFY(f.action("actionUndo")->isEnabled());
    }

    // A loan of 100 on 01-03-2005 returned on 15-03-2005 adds the loan and its "ODEBRANA"; equal
    // dates are refused until corrected.
    void loanWithItsReturnEntry()
    {
        Fixture f;
        f.clickTab(Tmain::DebtsTab);
        f.desktop.dialogScripts.enqueue([&f](QDialog &d) {
            QCOMPARE(d.windowTitle(), QStringLiteral("Dopisywanie danych Długi / Pożyczki"));
            QCOMPARE(child<QLineEdit>(d, "typ2")->text(), QStringLiteral("ODDANY"));
            QVERIFY(child<QCheckBox>(d, "active")->isChecked());
            auto *kind = child<QComboBox>(d, "grupa");
            kind->setCurrentIndex(2);
            emit kind->activated(2);
            QCOMPARE(child<QLineEdit>(d, "typ2")->text(), QStringLiteral("nie dot."));
            QVERIFY(!child<QLineEdit>(d, "termin")->isEnabled());
            kind->setCurrentIndex(1);
            emit kind->activated(1);
            QCOMPARE(child<QLineEdit>(d, "typ2")->text(), QStringLiteral("ODEBRANA  "));
            setField(d, "data", QStringLiteral("01032005"));
            setField(d, "termin", QStringLiteral("01032005"));
            setField(d, "wartosc", QStringLiteral("100"));
            setField(d, "opis", QStringLiteral("dla Ewy"));
            setField(d, "opis2", QStringLiteral("zwrot od Ewy"));
            child<QPushButton>(d, "ok")->click();
            QVERIFY(d.isVisible());
            QCOMPARE(f.desktop.messages.last(),
                     (ScriptedDesktop::Message{"Termin zwrotu jest młodszy od daty dokonania operacji", "Popraw daty!",
                                               "Uwaga", false}));
            d.close();
            QVERIFY(d.isVisible()); // the frame is refused as well
            setField(d, "termin", QStringLiteral("15032005"));
            child<QPushButton>(d, "ok")->click();
            QVERIFY(!d.isVisible());
        });
        f.window.registerPage(RegisterKind::debts)->button(RegisterCommand::add)->click();
        QCOMPARE(f.entries(RegisterKind::debts),
                 (QVector<Entry>{{QStringLiteral("01-03-2005"), 100.0, 2, QStringLiteral("dla Ewy")},
                                 {QStringLiteral("15-03-2005"), 100.0, 4, QStringLiteral("zwrot od Ewy")}}));
        QCOMPARE(f.page(RegisterKind::debts)->selectedRows(), (std::pair{2, 2}));
    }

    void deleteRowsAndUndoFromAnotherPage()
    {
        Fixture f;
        for (const char *d : {"a", "b", "c", "d", "e", "f", "g", "h"})
            f.add(RegisterKind::planned, "01-06-2004", 1, 1, d);
        f.clickTab(Tmain::PlannedTab);
        f.selectRows(RegisterKind::planned, 3, 5);
        f.desktop.answers.enqueue(true);
        f.action("actionDelete")->trigger();
        QCOMPARE(f.desktop.messages.last(),
                 (ScriptedDesktop::Message{"Czy usunąć dane ?", "", "Usuwanie danych", true}));
        QCOMPARE(f.descriptions(RegisterKind::planned), QStringList({"a", "b", "f", "g", "h"}));
        QCOMPARE(f.widget<QLineEdit>("ilosc_l")->text(), QStringLiteral("5"));

        f.clickTab(Tmain::ExpensesTab);
        QTest::keyClick(&f.window, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(f.karta()->currentIndex(), int(Tmain::PlannedTab));
        QCOMPARE(f.descriptions(RegisterKind::planned), QStringList({"a", "b", "c", "d", "e", "f", "g", "h"}));
    }

    void selectAllAndDeleteWithoutAsking()
    {
        Fixture f;
        f.db.header.confirmDeletes = 0;
        f.window.ShowDatabaseInfo();
        for (int i = 0; i < 4; ++i)
            f.add(RegisterKind::bankAccount, "01-06-2004", i, 1, "x");
        f.clickTab(Tmain::BankAccountTab);
        f.action("actionSelectAll")->trigger();
        f.action("actionDelete")->trigger();
        QCOMPARE(f.db.bankCount(), 0);
        QVERIFY(f.page(RegisterKind::bankAccount)->grid()->isHidden());
        QVERIFY(f.desktop.messages.isEmpty());
    }

    // Rows copied from one register paste into another after the selected row, every field
    // kept, as one undo step; kinds the target lacks become its first, and the paste says so;
    // a paste that would pass 3999 takes what fits and says how many were left out.
    void pasteRows()
    {
        Fixture f;
        f.add(RegisterKind::expenses, "01-05-2004", 1, 1, "jeden");
        f.add(RegisterKind::expenses, "02-05-2004", 2.5, 4, "dwa");
        f.add(RegisterKind::planned, "10-05-2004", 7, 2, "plan");
        f.add(RegisterKind::planned, "11-05-2004", 8, 2, "plan 2");
        f.clickTab(Tmain::ExpensesTab);
        f.selectRows(RegisterKind::expenses, 1, 2);
        f.action("actionCopy")->trigger();
        f.clickTab(Tmain::PlannedTab);
        f.selectRows(RegisterKind::planned, 1, 1);
        f.action("actionPaste")->trigger();
        QCOMPARE(f.descriptions(RegisterKind::planned), QStringList({"plan", "jeden", "dwa", "plan 2"}));
        QCOMPARE(f.entries(RegisterKind::planned).at(2), f.entries(RegisterKind::expenses).at(1));
        QVERIFY(f.desktop.messages.isEmpty());
        QCOMPARE(f.window.findChild<QLineEdit *>(QStringLiteral("ilosc_l"))->text(), QStringLiteral("4"));
        f.commands().undo();
        QCOMPARE(f.descriptions(RegisterKind::planned), QStringList({"plan", "plan 2"}));

        f.clickTab(Tmain::DebtsTab);
        f.action("actionPaste")->trigger();
        QCOMPARE(f.entries(RegisterKind::debts).size(), 2);
        QCOMPARE(f.entries(RegisterKind::debts).at(1).group, 1);
        QCOMPARE(f.desktop.messages.last().line1, QStringLiteral("Wklejono 2 z 2 wierszy"));
        QVERIFY(f.desktop.messages.last().line2.startsWith(QStringLiteral("2 z grupą lub rodzajem")));

        f.db.reg(RegisterKind::incomes).entries.resize(MaxEntries - 1);
        f.clickTab(Tmain::IncomesTab);
        f.desktop.clipboard = QStringLiteral("01-05-2004\t10,00\tpierwszy\n02-05-2004\t20,00\tdrugi\nzły wiersz\n");
        f.action("actionPaste")->trigger();
        QCOMPARE(f.db.incomeCount(), MaxEntries);
        QCOMPARE(f.entries(RegisterKind::incomes).last().description, QStringLiteral("pierwszy"));
        QCOMPARE(f.desktop.messages.last().line1, QStringLiteral("Wklejono 1 z 3 wierszy"));
        QVERIFY2(f.desktop.messages.last().line2.contains(QStringLiteral("1 nie zmieściło się")), qPrintable(f.desktop.messages.last().line2));
        QVERIFY(f.desktop.messages.last().line2.contains(QStringLiteral("wiersz 3: zły wiersz")));
    }

    void copyAndCut()
    {
        Fixture f;
        f.add(RegisterKind::expenses, "01-05-2004", 1, 1, "jeden");
        f.add(RegisterKind::expenses, "02-05-2004", 2.5, 2, "dwa");
        f.add(RegisterKind::expenses, "03-05-2004", 3, 3, "trzy");
        f.clickTab(Tmain::ExpensesTab);
        f.selectRows(RegisterKind::expenses, 2, 3);
        f.action("actionCopy")->trigger();
        QCOMPARE(f.desktop.clipboard, QStringLiteral("02-05-2004\t2,50\tODZIEŻ\tdwa\n"
                                                     "03-05-2004\t3,00\tKOSMETYKI\ttrzy\n"));

        // A cut answered "Nie" changes neither the register nor the clipboard.
        f.desktop.clipboard = QStringLiteral("wcześniej");
        f.selectRows(RegisterKind::expenses, 1, 1);
        f.desktop.answers.enqueue(false);
        f.action("actionCut")->trigger();
        QCOMPARE(f.db.expenseCount(), 3);
        QCOMPARE(f.desktop.clipboard, QStringLiteral("wcześniej"));

        f.desktop.answers.enqueue(true);
        f.action("actionCut")->trigger();
        QCOMPARE(f.descriptions(RegisterKind::expenses), QStringList({"dwa", "trzy"}));
        QCOMPARE(f.desktop.clipboard, QStringLiteral("01-05-2004\t1,00\tŻYWNOŚĆ\tjeden\n"));
    }

    void copyFromTheStatement()
    {
        Fixture f;
        f.add(RegisterKind::incomes, "01-05-2004", 100, 0, "");
        f.clickTab(Tmain::StatementTab);
        QTableWidget *grid = f.window.statementPage()->grid();
        grid->selectRow(0);
        f.action("actionCopy")->trigger();
        QCOMPARE(f.desktop.clipboard, QStringLiteral("A. Przychód").leftJustified(53) + QStringLiteral("\t100,00\t1\n"));
    }

    // The undo copy never crosses into another period.
    void periodChangeForgetsTheUndoCopy()
    {
        Fixture f;
        QTemporaryDir dir;
        InitialiseNewDatabase(f.db, dir.filePath(QStringLiteral("b.tf4")), f.desktop);
        f.db.header.periodCount = 2;
        QVERIFY(SavePeriodFiles(f.db, 0, f.desktop, f.desktop)); // two empty periods on disk
        QVERIFY(SavePeriodFiles(f.db, 1, f.desktop, f.desktop));
        f.markOpen();
        f.window.RefreshRegisterGrids();
        f.desktop.dialogScripts.enqueue(fillEntry(QStringLiteral("01052004"), QStringLiteral("5"), 0, QStringLiteral("x")));
        f.window.registerPage(RegisterKind::expenses)->button(RegisterCommand::add)->click();
        QVERIFY(f.action("actionUndo")->isEnabled());
        f.desktop.answers.enqueue(false); // leave period 1 without saving
        f.window.biezacyokresChange(1);
        QCOMPARE(f.db.currentPeriod, 2);
        QVERIFY(!f.action("actionUndo")->isEnabled());
        f.action("actionUndo")->trigger();
        QCOMPARE(f.db.expenseCount(), 0);

        // Adding and deleting a period, and opening a database, forget it as well.
        const auto changeAndCheck = [&f](const std::function<void()> &periodChange) {
            f.desktop.dialogScripts.enqueue(fillEntry(QStringLiteral("01052004"), QStringLiteral("5"), 0, QStringLiteral("y")));
            f.window.registerPage(RegisterKind::expenses)->button(RegisterCommand::add)->click();
            QVERIFY(f.action("actionUndo")->isEnabled());
            f.db.modified = false; // nothing to ask about
            periodChange();
            QVERIFY(!f.action("actionUndo")->isEnabled());
        };
        changeAndCheck([&f] {
            f.desktop.dialogScripts.enqueue([](QDialog &d) {
                static_cast<Topcjebazy &>(d).dodajClick();
                d.findChild<QPushButton *>(QStringLiteral("ok"))->click();
            });
            f.window.databaseCommands()->opcje4Click();
        });
        changeAndCheck([&f] {
            f.desktop.answers.enqueue(true);
            f.desktop.dialogScripts.enqueue([](QDialog &d) {
                static_cast<Topcjebazy &>(d).UsunokresClick();
                d.findChild<QPushButton *>(QStringLiteral("ok"))->click();
            });
            f.window.databaseCommands()->opcje4Click();
        });
        changeAndCheck([&f, &dir] { f.window.databaseCommands()->otworz2Click(dir.filePath(QStringLiteral("b.tf4"))); });
        QVERIFY(f.db.databaseLoaded);
    }

    void repeatedEntries()
    {
        Fixture f;
        f.clickTab(Tmain::ExpensesTab);
        f.desktop.dialogScripts.enqueue([&f](QDialog &d) {
            QCOMPARE(d.windowTitle(), QStringLiteral("Dopisz specjalnie"));
            QCOMPARE(child<QComboBox>(d, "grupa")->count(), 30);
            // The end before the start is refused and the dialog stays.
            setField(d, "dataod", QStringLiteral("30012005"));
            setField(d, "datado", QStringLiteral("29012005"));
            static_cast<Tdopiszspecjalnie &>(d).ok();
            QVERIFY(d.isVisible());
            QCOMPARE(f.desktop.messages.last(),
                     (ScriptedDesktop::Message{"Wprowadzone daty są niepoprawne", "", "Trelfin", false}));
            setField(d, "datado", QStringLiteral("02022005"));
            setField(d, "wartosc", QStringLiteral("7,5"));
            child<QComboBox>(d, "grupa")->setCurrentIndex(4);
            setField(d, "opis", QStringLiteral("bilet"));
            child<QPushButton>(d, "ok")->click();
        });
        f.window.registerPage(RegisterKind::expenses)->button(RegisterCommand::addMany)->click();
        QCOMPARE(f.db.expenseCount(), 4);
        QCOMPARE(f.entries(RegisterKind::expenses).at(2),
                 (Entry{QStringLiteral("01-02-2005"), 7.5, 5, QStringLiteral("bilet")}));
        QCOMPARE(f.page(RegisterKind::expenses)->selectedRows(), (std::pair{4, 4}));
        QVERIFY(f.db.modified);

        // Five the same day, on incomes; the number chooses its option.
        f.clickTab(Tmain::IncomesTab);
        f.desktop.dialogScripts.enqueue([](QDialog &d) {
            QVERIFY(!child<QComboBox>(d, "grupa"));
            child<QSpinBox>(d, "ilerazy")->setValue(5);
            QVERIFY(child<QRadioButton>(d, "tegosamegodnia")->isChecked());
            child<QPushButton>(d, "ok")->click();
        });
        f.window.registerPage(RegisterKind::incomes)->button(RegisterCommand::addMany)->click();
        QCOMPARE(f.db.incomeCount(), 5);
        QCOMPARE(f.entries(RegisterKind::incomes).at(4).date, QStringLiteral("12-05-2004"));

        // Cancelled: nothing.
        f.desktop.dialogScripts.enqueue([](QDialog &d) { child<QPushButton>(d, "anuluj")->click(); });
        f.window.registerPage(RegisterKind::incomes)->button(RegisterCommand::addMany)->click();
        QCOMPARE(f.db.incomeCount(), 5);
    }

    void sortAndUndo()
    {
        Fixture f;
        f.add(RegisterKind::debts, "01-01-2004", 2, 3, "A");
        f.add(RegisterKind::debts, "02-01-2004", 2, 1, "B");
        f.add(RegisterKind::debts, "03-01-2004", 1, 2, "C");
        f.clickTab(Tmain::DebtsTab);
        f.desktop.dialogScripts.enqueue([](QDialog &d) {
            QCOMPARE(d.windowTitle(), QStringLiteral("Sortowanie"));
            child<QRadioButton>(d, "grupy")->setChecked(true);
            child<QPushButton>(d, "sortuj")->click();
        });
        f.window.registerPage(RegisterKind::debts)->button(RegisterCommand::sort)->click();
        QCOMPARE(f.descriptions(RegisterKind::debts), QStringList({"B", "C", "A"}));
        f.action("actionUndo")->trigger();
        QCOMPARE(f.descriptions(RegisterKind::debts), QStringList({"A", "B", "C"}));

        // The dialog keeps its choice; "Anuluj" changes nothing.
        f.desktop.dialogScripts.enqueue([](QDialog &d) {
            QVERIFY(child<QRadioButton>(d, "grupy")->isChecked());
            child<QPushButton>(d, "anuluj")->click();
        });
        f.window.registerPage(RegisterKind::debts)->button(RegisterCommand::sort)->click();
        QCOMPARE(f.descriptions(RegisterKind::debts), QStringList({"A", "B", "C"}));

        f.window.registerPage(RegisterKind::incomes)->button(RegisterCommand::sort)->click();
        QCOMPARE(f.desktop.messages.last(),
                 (ScriptedDesktop::Message{"Brak danych w bazie przychod", "", "Operacja anulowana", false}));
    }

    void findThroughTheFindWindow()
    {
        Fixture f;
        f.add(RegisterKind::expenses, "01-05-2004", 1, 1, "Chleb");
        f.add(RegisterKind::expenses, "02-05-2004", 2, 1, "mleko");
        f.add(RegisterKind::expenses, "03-05-2004", 3, 1, "CHLEB żytni");
        f.clickTab(Tmain::ExpensesTab);
        f.window.registerPage(RegisterKind::expenses)->button(RegisterCommand::find)->click();
        FindDialog *find = f.window.registerCommands()->findDialog();
        QVERIFY(find && find->isVisible());
        QTest::keyClicks(find->findChild<QLineEdit *>(QStringLiteral("tekst")), QStringLiteral("chleb"));
        QPushButton *next = find->findChild<QPushButton *>(QStringLiteral("znajdz"));
        next->click();
        QCOMPARE(f.page(RegisterKind::expenses)->selectedRows(), (std::pair{1, 1}));
        next->click();
        QCOMPARE(f.page(RegisterKind::expenses)->selectedRows(), (std::pair{3, 3}));
        next->click();
        QCOMPARE(f.page(RegisterKind::expenses)->selectedRows(), (std::pair{1, 1}));
        find->findChild<QCheckBox *>(QStringLiteral("wielkoscliter"))->setChecked(true);
        next->click();
        QCOMPARE(f.desktop.messages.last(),
                 (ScriptedDesktop::Message{"Nie znaleziono szukanego tekstu", "", "Zakończono wyszukiwanie", false}));
        QCOMPARE(f.page(RegisterKind::expenses)->selectedRows(), (std::pair{1, 1}));
        find->close();
    }

    void settlePlannedRows()
    {
        Fixture f;
        // An expense added through the page first leaves an undo copy of the expenses.
        f.clickTab(Tmain::ExpensesTab);
        f.desktop.dialogScripts.enqueue([](QDialog &d) { d.findChild<QPushButton *>(QStringLiteral("ok"))->click(); });
        f.commands().add(RegisterKind::expenses);
        QVERIFY(f.action("actionUndo")->isEnabled());
        f.db.reg(RegisterKind::expenses).entries.clear(); // below, the settled copies alone

        f.add(RegisterKind::planned, "15-04-2005", 120, 3, "Czynsz");
        f.add(RegisterKind::planned, "16-04-2005", 50, SettledGroup, "już");
        f.add(RegisterKind::planned, "17-04-2005", 10, 2, "skarpety");
        f.clickTab(Tmain::PlannedTab);
        f.selectRows(RegisterKind::planned, 1, 3);
        f.desktop.answers.enqueue(false);
        f.window.registerPage(RegisterKind::planned)->button(RegisterCommand::settle)->click();
        QCOMPARE(f.db.expenseCount(), 0);
        f.desktop.answers.enqueue(true);
        f.window.registerPage(RegisterKind::planned)->button(RegisterCommand::settle)->click();
        QCOMPARE(f.desktop.messages.last(),
                 (ScriptedDesktop::Message{"Czy dopisać dane do bazy rozchód ?", "Operacja nie będzie mogła być cofnięta",
                                           "Przenoszenie danych", true}));
        QCOMPARE(f.entries(RegisterKind::expenses),
                 (QVector<Entry>{{QStringLiteral("15-04-2005"), 120.0, 3, QStringLiteral("Czynsz")},
                                 {QStringLiteral("17-04-2005"), 10.0, 2, QStringLiteral("skarpety")}}));
        QCOMPARE(f.page(RegisterKind::planned)->model()->cellText(0, 2), QStringLiteral("DOKONANE  "));
        QCOMPARE(f.widget<QLineEdit>("ilosc_r")->text(), QStringLiteral("2"));

        // Settling cannot be undone, and the older copy of the expenses is gone with it: Ctrl+Z
        // changes nothing.
        QVERIFY(!f.action("actionUndo")->isEnabled());
        QCOMPARE(f.undoCaption(), QStringLiteral("&Cofnij"));
        f.commands().undo();
        QCOMPARE(f.db.expenseCount(), 2);
        QCOMPARE(f.page(RegisterKind::planned)->model()->cellText(0, 2), QStringLiteral("DOKONANE  "));
    }
};

QTEST_MAIN(TestRegisterEditing)
#include "tst_registerediting.moc"
