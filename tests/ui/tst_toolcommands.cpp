#include "commandfixture.h"
#include "filetestsupport.h"
#include "core/store/cp1250.h"
#include "core/store/databasefiles.h"
#include "ui/registers/registercommands.h"
#include "ui/registers/registermodel.h"
#include "ui/registers/registerpage.h"
#include "ui/reports/statementpage.h"
#include "ui/tools/shoppingwindows.h"
#include "ui/tools/toolcommands.h"
#include "ui/reports/periodsummarywindow.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QFile>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QLabel>
#include <QImage>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QtTest>

#include <algorithm>

using namespace trelfin;
using test::ScriptedDesktop;

using Fixture = test::CommandFixture;
using test::Script;
using test::click;
using test::entry;
using test::press;

// The tools through their commands: export, printing, recurring items, due-entry reminders, notes
// and the shopping list.
class TestToolCommands : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Polish, QLocale::Poland)); }

    // The export window: the register boxes follow their name fields; the files go to the
    // database's folder; the completion message follows the last file.
    void exportRegisters()
    {
        Fixture f;
        f.createDatabase();
        f.addEntry(RegisterKind::expenses, entry("01-02-2002", 12.5, 1, "chleb"));
        f.desktop.messages.clear();
        f.desktop.dialogScripts.enqueue([](QDialog &d) {
            QCOMPARE(d.windowTitle(), QStringLiteral("Eksport danych jako ASCII (Tekst)"));
            auto *debts = d.findChild<QCheckBox *>(QStringLiteral("dlugi"));
            auto *debtsName = d.findChild<QLineEdit *>(QStringLiteral("dlugin"));
            // Leaving a name empty gives its register up; typing one chooses it again.
            QApplication::setActiveWindow(&d); // focus moves only in the active window
            debtsName->setFocus();
            debtsName->clear();
            d.findChild<QLineEdit *>(QStringLiteral("konton"))->setFocus();
            QVERIFY(!debts->isChecked());
            debtsName->setText(QStringLiteral("dlugi"));
            QVERIFY(debts->isChecked());
            click(d, "ok");
        });
        f.window.toolCommands()->EksportujjakoDBF1Click();
        QCOMPARE(f.desktop.messages, (QList<ScriptedDesktop::Message>{
            {"Operacja zakończona", "pliki danych otrzymały rozszerzenia .txt", "Eksport danych", false}}));
        for (const char *file : {"rozchod.txt", "Konto.txt", "przychod.txt", "dlugi.txt", "planowanie.txt"})
            QVERIFY2(f.exists(QString::fromLatin1(file)), file);
        QVERIFY(f.bytes("rozchod.txt").startsWith("01-02-2002\t12,50\t"));

        // Nothing chosen: nothing written, nothing said.
        f.desktop.messages.clear();
        f.desktop.dialogScripts.enqueue([](QDialog &d) {
            for (QCheckBox *box : d.findChildren<QCheckBox *>())
                box->setChecked(false);
            click(d, "ok");
        });
        f.window.toolCommands()->EksportujdanejakoCSVExcel1Click();
        QVERIFY(f.desktop.messages.isEmpty());
        QVERIFY(!f.exists("rozchod.csv"));

        // A file that cannot be created: its message, no completion message.
        QVERIFY(QDir(f.dir.path()).mkdir(QStringLiteral("rozchod.csv")));
        f.desktop.dialogScripts.enqueue([](QDialog &d) {
            for (QCheckBox *box : d.findChildren<QCheckBox *>())
                box->setChecked(true);
            click(d, "ok");
        });
        f.window.toolCommands()->EksportujdanejakoCSVExcel1Click();
        QCOMPARE(f.desktop.messages.size(), 1);
        QVERIFY(f.desktop.messages.first().line1.contains(QStringLiteral("rozchod.csv")));
        QVERIFY(!f.exists("Konto.csv"));

        // The CSV window's boxes for a Polish spreadsheet: a semicolon, a header line, UTF-8.
        QVERIFY(QDir(f.dir.path()).rmdir(QStringLiteral("rozchod.csv")));
        f.desktop.messages.clear();
        f.desktop.dialogScripts.enqueue([](QDialog &d) {
            for (const char *box : {"srednik", "naglowek", "utf8"})
                d.findChild<QCheckBox *>(QString::fromLatin1(box))->setChecked(true);
            click(d, "ok");
        });
        f.window.toolCommands()->EksportujdanejakoCSVExcel1Click();
        QVERIFY(f.bytes("rozchod.csv").startsWith("\xef\xbb\xbf\"Data\";\"Wartość\";\"Grupa\";\"Opis\"\r\n\"01-02-2002\";\"12,50\";"));
        QVERIFY(!f.window.findChild<QDialog *>(QStringLiteral("eksport"))
                     || !f.window.findChild<QDialog *>(QStringLiteral("eksport"))->findChild<QCheckBox *>(QStringLiteral("utf8")));

        // A folder that does not exist is said in the window, which stays open for another.
        f.desktop.messages.clear();
        const QString missing = QDir::toNativeSeparators(f.path("brak"));
        bool stayedOpen = false;
        f.desktop.dialogScripts.enqueue([&](QDialog &d) {
            d.findChild<QLineEdit *>(QStringLiteral("katalog"))->setText(missing);
            click(d, "ok");
            stayedOpen = d.isVisible();
            click(d, "anuluj");
        });
        f.window.toolCommands()->EksportujjakoDBF1Click();
        QVERIFY(stayedOpen);
        QCOMPARE(f.desktop.messages, (QList<ScriptedDesktop::Message>{
            {QStringLiteral("Katalog ") + missing + QStringLiteral(" nie istnieje"), QStringLiteral("Wybierz istniejący katalog"),
             QStringLiteral("Eksport danych"), false}}));
        QVERIFY(!QFileInfo::exists(f.path("brak")));
    }

    // The print panel: printing to the printer, to a PDF file, and the clear message without a
    // printer; a page's "Drukuj" clears the section boxes but the bank account's.
    void printPanel()
    {
        Fixture f;
        f.createDatabase();
        f.addEntry(RegisterKind::expenses, entry("12-05-2004", 12.5, 1, "chleb"));
        f.desktop.messages.clear();
        f.desktop.fileChoices.enqueue(f.path("wydruk.pdf"));
        f.desktop.dialogScripts.enqueue([&f](QDialog &d) {
            QCOMPARE(d.windowTitle(), QStringLiteral("Drukowanie danych"));
            auto *perSection = d.findChild<QLineEdit *>(QStringLiteral("od2"));
            QVERIFY(perSection->isHidden());
            d.findChild<QCheckBox *>(QStringLiteral("jednadata"))->click();
            QVERIFY(!perSection->isHidden());
            d.findChild<QCheckBox *>(QStringLiteral("jednadata"))->click();
            for (const char *name : {"rozchod", "konto", "stankonta"})
                d.findChild<QCheckBox *>(QString::fromLatin1(name))->setChecked(true);
            click(d, "pdf");
            click(d, "BitBtn2"); // "Drukuj"
            f.desktop.printerInstalled = false;
            click(d, "BitBtn2");
            click(d, "BitBtn1"); // "Ustawienia drukarek"
            click(d, "BitBtn3");
        });
        f.window.toolCommands()->PrintClick();
        QCOMPARE(f.desktop.fileRequests.last().title, QStringLiteral("Zapisz wydruk jako PDF"));
        QCOMPARE(f.desktop.printJobs.size(), 2);
        QCOMPARE(f.desktop.printJobs[0].kind, ScriptedDesktop::PrintedJob::Kind::pdf);
        QVERIFY(f.desktop.printJobs[0].painted);
        QVERIFY(f.bytes("wydruk.pdf").startsWith("%PDF-"));
        QCOMPARE(f.desktop.printJobs[1].kind, ScriptedDesktop::PrintedJob::Kind::printed);
        QCOMPARE(f.desktop.printJobs[1].title, QStringLiteral("Wydruk danych programu Trelfin"));
        // Without a printer both buttons say so in the program's own words, with a way out.
        const ScriptedDesktop::Message noPrinter{
            QStringLiteral("Problem z drukarką"),
            QStringLiteral("Sprawdź drukarkę\nNie zainstalowano żadnej drukarki; wydruk można zapisać jako PDF."),
            QStringLiteral("Uwaga"), false};
        QCOMPARE(f.desktop.messages, (QList<ScriptedDesktop::Message>{noPrinter, noPrinter}));
        QCOMPARE(f.desktop.printerSetups, 0);

        // From a page: the boxes cleared, the bank account's kept.
        f.desktop.dialogScripts.enqueue([](QDialog &d) {
            QVERIFY(!d.findChild<QCheckBox *>(QStringLiteral("rozchod"))->isChecked());
            QVERIFY(!d.findChild<QCheckBox *>(QStringLiteral("stankonta"))->isChecked());
            QVERIFY(d.findChild<QCheckBox *>(QStringLiteral("konto"))->isChecked());
            click(d, "BitBtn3");
        });
        f.window.showPage(Tmain::StatementTab);
        f.window.statementPage()->findChild<QPushButton *>(QStringLiteral("drukuj"))->click();
        QCOMPARE(f.desktop.shownDialogs.last(), QStringLiteral("drukuj"));
    }

    // "Okresowo": the rows are stored however the window closes, the add button posts the active
    // ones dated today, and the rows survive a save and a new open.
    void recurringItems()
    {
        Fixture f;
        f.createDatabase();
        f.window.showPage(Tmain::ExpensesTab);
        f.desktop.dialogScripts.enqueue([](QDialog &d) {
            QCOMPARE(d.windowTitle(), QStringLiteral("Okresowe / cykliczne wydatki"));
            QCOMPARE(d.findChild<QComboBox *>(QStringLiteral("grupa1"))->count(), 30);
            d.findChild<QCheckBox *>(QStringLiteral("a1"))->setChecked(true);
            d.findChild<QComboBox *>(QStringLiteral("grupa1"))->setCurrentIndex(2);
            auto *amount = d.findChild<QLineEdit *>(QStringLiteral("wartosc1"));
            amount->clear();
            QTest::keyClicks(amount, QStringLiteral("12,345"));
            d.findChild<QLineEdit *>(QStringLiteral("opis1"))->setText(QStringLiteral("czynsz"));
            click(d, "dodaj");
            QVERIFY(d.isVisible()); // an amount that cannot be read is refused, not shortened
            amount->clear();
            QTest::keyClicks(amount, QStringLiteral("1 234,5"));
            click(d, "dodaj");
        });
        f.window.registerPage(RegisterKind::expenses)->button(RegisterCommand::recurring)->click();
        QCOMPARE(f.db.reg(RegisterKind::expenses).entries,
                 (QVector<Entry>{{QStringLiteral("12-05-2004"), 1234.5, 3, QStringLiteral("czynsz")}}));
        QCOMPARE(f.widget<QLineEdit>("ilosc_r")->text(), QStringLiteral("1"));
        QVERIFY(f.db.modified);

        f.window.databaseCommands()->zapisz6Click();
        f.desktop.answers.enqueue(true);
        f.window.databaseCommands()->zamknij3Click();
        f.window.databaseCommands()->otworz2Click(f.path("budzet.tf4"));
        QVERIFY(f.db.databaseLoaded);
        f.window.showPage(Tmain::ExpensesTab);
        f.desktop.dialogScripts.enqueue([](QDialog &d) {
            QVERIFY(d.findChild<QCheckBox *>(QStringLiteral("a1"))->isChecked());
            QCOMPARE(d.findChild<QComboBox *>(QStringLiteral("grupa1"))->currentIndex(), 2);
            QCOMPARE(d.findChild<QLineEdit *>(QStringLiteral("wartosc1"))->text(), QStringLiteral("1234,5"));
            QCOMPARE(d.findChild<QLineEdit *>(QStringLiteral("opis1"))->text(), QStringLiteral("czynsz"));
            click(d, "ok");
        });
        f.window.registerPage(RegisterKind::expenses)->button(RegisterCommand::recurring)->click();
        QCOMPARE(f.db.expenseCount(), 1); // OK adds nothing
    }

    // "Zestawienie okresów": the last periods summed in both tables and the chart, the current
    // period with its unsaved entry; copied, saved as PNG and CSV, printed; the range chosen.
    void periodsSummaryWindow()
    {
        Fixture f;
        f.createDatabase();
        f.addEntry(RegisterKind::incomes, entry("02-05-2004", 1000, 0, "pensja"));
        f.addEntry(RegisterKind::expenses, entry("03-05-2004", 250, 1, "zakupy"));
        f.desktop.answers.enqueue(true); // save period 1 first
        f.withOptions([](Topcjebazy &o) { o.dodajClick(); }); // period 2, now current
        f.addEntry(RegisterKind::expenses, entry("04-05-2004", 40, 2, "niezapisane"));
        f.action("actionPeriodsSummary")->trigger();
        QCOMPARE(f.desktop.shownWindows.last(), QStringLiteral("zestawienie"));
        auto *window = f.window.findChild<PeriodsSummaryWindow *>(QStringLiteral("zestawienie"));
        QVERIFY(window);
        window->waitForResult();
        QCOMPARE(window->summary().periods.size(), 2);
        QCOMPARE(window->summary().total.incomes, 1000.0);
        QCOMPARE(window->summary().total.expenses, 290.0);
        auto *periods = window->findChild<QTableWidget *>(QStringLiteral("okresy"));
        QCOMPARE(periods->rowCount(), 3);
        QCOMPARE(periods->item(2, 0)->text(), QStringLiteral("Razem"));
        QCOMPARE(periods->item(2, 4)->text(), QStringLiteral("290,00"));
        QCOMPARE(periods->item(2, 4)->textAlignment(), int(Qt::AlignRight | Qt::AlignVCenter));
        auto *groups = window->findChild<QTableWidget *>(QStringLiteral("grupy"));
        QCOMPARE(groups->rowCount(), 30);
        QCOMPARE(groups->item(1, 2)->text(), QStringLiteral("40,00")); // ODZIEŻ in period 2
        for (const char *field : {"odokresu", "dookresu"}) {
            const QWidget *box = window->findChild<QWidget *>(QString::fromLatin1(field));
            const auto labels = window->findChildren<QLabel *>();
            QVERIFY2(std::any_of(labels.begin(), labels.end(), [box](QLabel *l) { return l->buddy() == box; }), field);
        }

        QApplication::setActiveWindow(window); // shortcuts work in the active window
        window->findChild<QTableWidget *>(QStringLiteral("okresy"))->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(f.desktop.clipboard, window->clipboardText());
        QVERIFY(f.desktop.clipboard.startsWith(QStringLiteral("Okres\tOd\tDo\t")));
        f.desktop.fileChoices.enqueue(f.path("zestawienie.png"));
        window->findChild<QPushButton *>(QStringLiteral("png"))->click();
        QVERIFY(!QImage(f.path("zestawienie.png")).isNull());
        f.desktop.fileChoices.enqueue(f.path("zestawienie.csv"));
        window->findChild<QPushButton *>(QStringLiteral("csv"))->click();
        QVERIFY(f.bytes("zestawienie.csv").startsWith("\xef\xbb\xbf\"Okres\";\"Od\";\"Do\";"));
        window->findChild<QPushButton *>(QStringLiteral("drukuj"))->click();
        QCOMPARE(f.desktop.printJobs.last().title, QStringLiteral("Zestawienie okresów"));
        QVERIFY(f.desktop.printJobs.last().painted);

        // One period chosen: its own figures.
        window->findChild<QSpinBox *>(QStringLiteral("odokresu"))->setValue(2);
        window->findChild<QPushButton *>(QStringLiteral("przelicz"))->click();
        window->waitForResult();
        QCOMPARE(window->summary().periods.size(), 1);
        QCOMPARE(window->summary().total.expenses, 40.0);
        window->close();
    }

    // "Importuj wyciąg bankowy...": the file read, its rows reviewed (a box unchecked, a kind and a
    // description changed), OK adds them to the bank account as one undo step; the same file
    // again finds everything imported; a file that is no statement says so.
    void bankStatementImport()
    {
        Fixture f;
        f.createDatabase();
        test::writeFileBytes(f.path("historia.csv"), toCp1250(QStringLiteral(
            "#Data operacji;#Data księgowania;#Opis operacji;#Tytuł;#Nadawca/Odbiorca;#Numer konta;#Kwota;#Saldo po operacji;\n"
            "2004-05-03;2004-05-03;ZAKUP PRZY UŻYCIU KARTY;BIEDRONKA;;;-54,20;945,80;\n"
            "2004-05-04;2004-05-04;OPŁATA;za kartę;;;-5,00;940,80;\n"
            "2004-05-05;2004-05-05;PRZELEW PRZYCHODZĄCY;WYNAGRODZENIE;FIRMA;;3 000,00;3 940,80;\n")));
        f.desktop.fileChoices.enqueue(f.path("historia.csv"));
        f.desktop.dialogScripts.enqueue([](QDialog &d) {
            QCOMPARE(d.objectName(), QStringLiteral("importwyciagu"));
            QCOMPARE(d.findChild<QLabel *>(QStringLiteral("format"))->text(), QStringLiteral("mBank"));
            auto *rows = d.findChild<QTableWidget *>(QStringLiteral("wiersze"));
            QCOMPARE(rows->rowCount(), 3);
            QCOMPARE(rows->item(2, 7)->text(), QStringLiteral("nowy"));
            QCOMPARE(d.findChild<QLabel *>(QStringLiteral("razem"))->text(), QStringLiteral("Wierszy do dodania: 3, wpływy 3000,00, wydatki 59,20"));
            rows->item(1, 0)->setCheckState(Qt::Unchecked);
            QCOMPARE(d.findChild<QLabel *>(QStringLiteral("razem"))->text(), QStringLiteral("Wierszy do dodania: 2, wpływy 3000,00, wydatki 54,20"));
            d.findChild<QComboBox *>(QStringLiteral("rodzaj1"))->setCurrentIndex(2); // OPŁATY
            rows->item(2, 6)->setText(QStringLiteral("pensja za kwiecień"));
            click(d, "ok");
        });
        f.window.toolCommands()->importBankStatement();
        QCOMPARE(f.db.reg(RegisterKind::bankAccount).entries,
                 (QVector<Entry>{entry("03-05-2004", 54.2, 3, "BIEDRONKA"), entry("05-05-2004", 3000, 1, "pensja za kwiecień")}));
        QCOMPARE(f.desktop.messages.last().line1, QStringLiteral("Dodano do konta bankowego wierszy: 2"));
        QVERIFY(f.db.modified);

        // The same file again, before the save: what was added is known.
        f.desktop.fileChoices.enqueue(f.path("historia.csv"));
        QStringList statuses;
        f.desktop.dialogScripts.enqueue([&statuses](QDialog &d) {
            auto *rows = d.findChild<QTableWidget *>(QStringLiteral("wiersze"));
            for (int r = 0; r < rows->rowCount(); ++r)
                statuses.append(rows->item(r, 7)->text());
            click(d, "anuluj");
        });
        f.window.toolCommands()->importBankStatement();
        QCOMPARE(statuses, QStringList({"już zaimportowany", "nowy", "już zaimportowany"}));

        // One undo step takes the whole import back.
        f.window.registerCommands()->undo();
        QCOMPARE(f.db.bankCount(), 0);

        // Card payments and transfers also into "Rozchód" and "Przychód": a group changed is
        // offered as a rule, the choice and the rule are remembered, one undo takes all back.
        f.desktop.fileChoices.enqueue(f.path("historia.csv"));
        f.desktop.answers.enqueue(true); // remember the rule
        f.desktop.dialogScripts.enqueue([](QDialog &d) {
            QVERIFY(!d.findChild<QComboBox *>(QStringLiteral("grupa1"))->isEnabled());
            d.findChild<QCheckBox *>(QStringLiteral("rejestry"))->setChecked(true);
            QVERIFY(d.findChild<QComboBox *>(QStringLiteral("grupa1"))->isEnabled());
            auto *rows = d.findChild<QTableWidget *>(QStringLiteral("wiersze"));
            QCOMPARE(rows->item(0, 3)->text(), QStringLiteral("Konto bankowe, Rozchód"));
            QCOMPARE(rows->item(1, 3)->text(), QStringLiteral("Konto bankowe")); // a fee: the account only
            QVERIFY(!d.findChild<QComboBox *>(QStringLiteral("grupa2"))->isEnabled());
            d.findChild<QComboBox *>(QStringLiteral("rodzaj2"))->setCurrentIndex(1); // OBCIĄŻENIE: into "Rozchód" too
            QCOMPARE(rows->item(1, 3)->text(), QStringLiteral("Konto bankowe, Rozchód"));
            QVERIFY(d.findChild<QComboBox *>(QStringLiteral("grupa2"))->isEnabled());
            d.findChild<QComboBox *>(QStringLiteral("rodzaj2"))->setCurrentIndex(2);
            d.findChild<QComboBox *>(QStringLiteral("grupa1"))->setCurrentIndex(2); // the third group, not the one offered
            click(d, "ok");
        });
        f.window.toolCommands()->importBankStatement();
        QCOMPARE(f.db.bankCount(), 3);
        QCOMPARE(f.db.reg(RegisterKind::expenses).entries, (QVector<Entry>{entry("03-05-2004", 54.2, 3, "BIEDRONKA")}));
        QCOMPARE(f.db.reg(RegisterKind::incomes).entries, (QVector<Entry>{entry("05-05-2004", 3000, 0, "FIRMA WYNAGRODZENIE")}));
        QVERIFY(f.db.importAlsoIntoRegisters);
        QCOMPARE(f.db.importRules.size(), 1);
        QCOMPARE(f.db.importRules.first().text, QStringLiteral("BIEDRONKA"));
        QCOMPARE(f.db.importRules.first().group, 3);
        f.window.registerCommands()->undo();
        QCOMPARE(f.db.bankCount(), 0);
        QCOMPARE(f.db.expenseCount(), 0);
        QCOMPARE(f.db.incomeCount(), 0);

        test::writeFileBytes(f.path("zdjecie.csv"), QByteArray("%PDF-1.7\n"));
        f.desktop.fileChoices.enqueue(f.path("zdjecie.csv"));
        f.window.toolCommands()->importBankStatement();
        QCOMPARE(f.desktop.messages.last().line1, QStringLiteral("Nie rozpoznano formatu wyciągu bankowego"));
        QVERIFY(f.desktop.messages.last().line2.startsWith(QStringLiteral("sprawdzono: PKO BP")));
    }

    // A CSV file no bank's layout matches: "Kolumny wyciągu" asks which column is which (OK only
    // once a date and an amount are chosen), the review follows, and the choice is remembered:
    // the same columns next time start from it; "Anuluj" there imports nothing.
    void csvColumnsChosenByTheUser()
    {
        Fixture f;
        f.createDatabase();
        test::writeFileBytes(f.path("inny.csv"), QStringLiteral("Dzień;Kontrahent;Opis;Kwota\n"
                                                                "2004-05-03;SKLEP U ZOSI;chleb;-12,50\n"
                                                                "2004-05-04;JAN KOWALSKI;zwrot;40,00\n").toUtf8());
        f.desktop.fileChoices.enqueue(f.path("inny.csv"));
        f.desktop.dialogScripts.enqueue([](QDialog &d) {
            QCOMPARE(d.objectName(), QStringLiteral("kolumnywyciagu"));
            // The columns guessed from their names, each shown with its first value.
            auto *ok = d.findChild<QPushButton *>(QStringLiteral("ok"));
            auto *amount = d.findChild<QComboBox *>(QStringLiteral("kwota"));
            QCOMPARE(amount->currentText(), QStringLiteral("Kwota — -12,50"));
            QCOMPARE(d.findChild<QComboBox *>(QStringLiteral("data"))->currentIndex(), 1);
            QCOMPARE(d.findChild<QComboBox *>(QStringLiteral("drugastrona"))->currentIndex(), 2);
            QVERIFY(ok->isEnabled());
            amount->setCurrentIndex(0);
            QVERIFY(!ok->isEnabled());
            amount->setCurrentIndex(4);
            d.findChild<QComboBox *>(QStringLiteral("tytul"))->setCurrentIndex(0);
            d.findChild<QComboBox *>(QStringLiteral("tytul"))->setCurrentIndex(3);
            QVERIFY(ok->isEnabled());
            click(d, "ok");
        });
        f.desktop.dialogScripts.enqueue([](QDialog &d) {
            QCOMPARE(d.objectName(), QStringLiteral("importwyciagu"));
            QCOMPARE(d.findChild<QLabel *>(QStringLiteral("format"))->text(), QStringLiteral("CSV"));
            click(d, "ok");
        });
        f.window.toolCommands()->importBankStatement();
        QCOMPARE(f.db.reg(RegisterKind::bankAccount).entries,
                 (QVector<Entry>{entry("03-05-2004", 12.5, 2, "SKLEP U ZOSI chleb"), entry("04-05-2004", 40, 1, "JAN KOWALSKI zwrot")}));
        QCOMPARE(f.db.importColumnMaps.value(QStringLiteral(";|Dzień|Kontrahent|Opis|Kwota")), (QVector<int>{0, 3, -1, -1, 1, 2}));

        f.desktop.fileChoices.enqueue(f.path("inny.csv"));
        f.desktop.dialogScripts.enqueue([](QDialog &d) {
            QCOMPARE(d.findChild<QComboBox *>(QStringLiteral("kwota"))->currentIndex(), 4);
            QCOMPARE(d.findChild<QComboBox *>(QStringLiteral("tytul"))->currentIndex(), 3);
            QVERIFY(d.findChild<QPushButton *>(QStringLiteral("ok"))->isEnabled());
            click(d, "anuluj");
        });
        f.window.toolCommands()->importBankStatement();
        QCOMPARE(f.db.bankCount(), 2);
        QVERIFY(f.desktop.dialogScripts.isEmpty());
    }

    // "Reguły importu wyciągów...": the rules of the database listed in order; a rule added, one
    // moved up, an empty one dropped; OK keeps them for the next save (the database is modified),
    // "Anuluj" changes nothing; the next import gives the groups by the new rules.
    void importRulesEdited()
    {
        Fixture f;
        f.createDatabase();
        f.db.importRules = {{QStringLiteral("ORLEN"), 5}, {QStringLiteral("ŻABKA"), 2}};
        f.db.modified = false;
        const auto editRules = [&f](std::function<void(QDialog &, QTableWidget *)> script) {
            f.desktop.dialogScripts.enqueue([script](QDialog &d) {
                QCOMPARE(d.objectName(), QStringLiteral("regulyimportu"));
                script(d, d.findChild<QTableWidget *>(QStringLiteral("reguly")));
            });
            f.window.toolCommands()->editImportRules();
        };
        editRules([](QDialog &d, QTableWidget *table) {
            QCOMPARE(table->rowCount(), 2);
            QCOMPARE(table->item(1, 0)->text(), QStringLiteral("ŻABKA"));
            click(d, "dodaj");
            click(d, "dodaj");
            table->item(2, 0)->setText(QStringLiteral("  biedronka\t123 "));
            static_cast<QComboBox *>(table->cellWidget(2, 1))->setCurrentIndex(0);
            table->setCurrentCell(2, 0);
            click(d, "wgore");
            QCOMPARE(table->currentRow(), 1);
            click(d, "anuluj");
        });
        QCOMPARE(f.db.importRules.size(), 2);
        QVERIFY(!f.db.modified);

        editRules([](QDialog &d, QTableWidget *table) {
            click(d, "dodaj");
            click(d, "dodaj"); // left empty: dropped
            table->item(2, 0)->setText(QStringLiteral("biedronka"));
            static_cast<QComboBox *>(table->cellWidget(2, 1))->setCurrentIndex(0);
            table->setCurrentCell(2, 0);
            click(d, "wgore");
            table->setCurrentCell(0, 0);
            click(d, "usun");
            d.findChild<QCheckBox *>(QStringLiteral("rejestry"))->setChecked(true);
            click(d, "ok");
        });
        QCOMPARE(f.db.importRules, (QList<Database::ImportRule>{{QStringLiteral("biedronka"), 1}, {QStringLiteral("ŻABKA"), 2}}));
        QVERIFY(f.db.importAlsoIntoRegisters);
        QVERIFY(f.db.importRulesChanged);
        QVERIFY(f.db.modified);
    }

    // A database made after another starts with empty recurring windows: closing one writes
    // nothing of the database open before into the new one.
    void recurringWindowsOfANewDatabase()
    {
        Fixture f;
        f.createDatabase(QStringLiteral("pierwsza"));
        f.window.showPage(Tmain::ExpensesTab);
        f.desktop.dialogScripts.enqueue([](QDialog &d) {
            d.findChild<QCheckBox *>(QStringLiteral("a1"))->setChecked(true);
            d.findChild<QLineEdit *>(QStringLiteral("wartosc1"))->setText(QStringLiteral("50"));
            d.findChild<QLineEdit *>(QStringLiteral("opis1"))->setText(QStringLiteral("czynsz"));
            click(d, "ok");
        });
        f.window.registerPage(RegisterKind::expenses)->button(RegisterCommand::recurring)->click();
        QVERIFY(f.db.recurringExpenses[0].active);
        f.desktop.answers.enqueue(true); // close the database
        f.desktop.answers.enqueue(true); // and save it
        f.window.databaseCommands()->zamknij3Click();
        QVERIFY(!f.db.databaseLoaded);
        f.createDatabase(QStringLiteral("druga"));
        f.window.showPage(Tmain::ExpensesTab);
        f.desktop.dialogScripts.enqueue([](QDialog &d) {
            QVERIFY(!d.findChild<QCheckBox *>(QStringLiteral("a1"))->isChecked());
            QCOMPARE(d.findChild<QLineEdit *>(QStringLiteral("opis1"))->text(), QString());
            click(d, "ok");
        });
        f.window.registerPage(RegisterKind::expenses)->button(RegisterCommand::recurring)->click();
        QVERIFY(!f.db.recurringExpenses[0].active);
        QCOMPARE(f.db.recurringExpenses[0].description, QString());
    }

    // Opening a database asks about each due planned expense: booking settles it in place,
    // deleting removes it, editing shows the planned entry's dialog; a switch to a period books by
    // moving the entry to the expenses.
    void dueEntryReminders()
    {
        Fixture f;
        f.createDatabase();
        for (const Entry &e : {entry("10-05-2004", 10, 4, "a"), entry("12-05-2004", 20, 4, "b"), entry("13-05-2004", 30, 4, "c"),
                               entry("01-05-2004", 40, 4, "d")})
            f.addEntry(RegisterKind::planned, e);
        f.window.databaseCommands()->zapisz6Click();
        f.desktop.answers.enqueue(true);
        f.window.databaseCommands()->zamknij3Click();

        const auto answer = [](const char *button) {
            return [button](QDialog &d) {
                QCOMPARE(d.objectName(), QStringLiteral("terminplan"));
                click(d, button);
            };
        };
        f.desktop.dialogScripts.enqueue([](QDialog &d) {
            QCOMPARE(d.windowTitle(), QStringLiteral("Na bieżącą datę zaplanowano wydatek:"));
            const auto *tab = d.findChild<QTableWidget *>(QStringLiteral("tab"));
            QCOMPARE(tab->item(0, 0)->text(), QStringLiteral("Termin"));
            QCOMPARE(tab->item(1, 0)->text(), QStringLiteral("10-05-2004"));
            QCOMPARE(tab->item(1, 1)->text(), QStringLiteral("10,00"));
            QCOMPARE(tab->item(1, 2)->text(), QStringLiteral("CZYNSZ    "));
            click(d, "Button1");
        });
        f.desktop.dialogScripts.enqueue(answer("Button2"));
        f.desktop.dialogScripts.enqueue(answer("Button3"));
        f.desktop.dialogScripts.enqueue([](QDialog &d) {
            QCOMPARE(d.objectName(), QStringLiteral("edycjaplanowanie"));
            auto *date = d.findChild<QLineEdit *>(QStringLiteral("data"));
            date->selectAll();
            QTest::keyClicks(date, QStringLiteral("20052004"));
            click(d, "ok");
        });
        f.window.databaseCommands()->otworz2Click(f.path("budzet.tf4"));
        QVERIFY(f.db.databaseLoaded);
        QCOMPARE(f.desktop.shownDialogs.count(QStringLiteral("terminplan")), 3);
        QCOMPARE(f.db.reg(RegisterKind::planned).entries,
                 (QVector<Entry>{entry("10-05-2004", 10, SettledGroup, "a"), entry("13-05-2004", 30, 4, "c"),
                                 entry("20-05-2004", 40, 4, "d")}));
        QCOMPARE(f.db.reg(RegisterKind::expenses).entries, (QVector<Entry>{entry("10-05-2004", 10, 4, "a")}));
        QVERIFY(f.db.modified);
        QCOMPARE(f.window.registerPage(RegisterKind::planned)->model()->cellText(0, 2), QStringLiteral("DOKONANE  "));

        // A switch to a period with a due entry: booking moves it.
        f.addEntry(RegisterKind::planned, entry("11-05-2004", 5, 2, "e"));
        f.desktop.answers.enqueue(true); // save before the new period
        f.withOptions([](Topcjebazy &o) { o.dodajClick(); });
        QCOMPARE(f.db.currentPeriod, 2);
        f.desktop.dialogScripts.enqueue(answer("Button1"));
        f.window.biezacyokresChange(0);
        QCOMPARE(f.db.currentPeriod, 1);
        QVERIFY(!f.db.reg(RegisterKind::planned).entries.contains(entry("11-05-2004", 5, 2, "e")));
        QVERIFY(f.db.reg(RegisterKind::expenses).entries.contains(entry("11-05-2004", 5, 2, "e")));
    }

    // The notes: stepping round the 30, storing with today's term when none is typed, and the
    // reminders of due notes at the next open, in number order, with "Usuń".
    void notes()
    {
        Fixture f;
        f.createDatabase();
        f.db.modified = false;
        f.desktop.dialogScripts.enqueue([&f](QDialog &d) {
            QCOMPARE(d.findChild<QLineEdit *>(QStringLiteral("ilosc_n"))->text(), QStringLiteral("1"));
            click(d, "prev");
            QCOMPARE(d.findChild<QLineEdit *>(QStringLiteral("ilosc_n"))->text(), QStringLiteral("30"));
            click(d, "next");
            click(d, "next");
            click(d, "next");
            QCOMPARE(d.findChild<QLineEdit *>(QStringLiteral("ilosc_n"))->text(), QStringLiteral("3"));
            d.findChild<QPlainTextEdit *>(QStringLiteral("notatka"))->setPlainText(QStringLiteral("zapłacić za gaz"));
            click(d, "next");
            d.findChild<QPlainTextEdit *>(QStringLiteral("notatka"))->setPlainText(QStringLiteral("urodziny"));
            auto *term = d.findChild<QLineEdit *>(QStringLiteral("termin"));
            term->selectAll();
            QTest::keyClicks(term, QStringLiteral("13052004"));
            click(d, "next");
            d.findChild<QPlainTextEdit *>(QStringLiteral("notatka"))->setPlainText(QStringLiteral("prąd"));
            click(d, "ok");
        });
        f.window.toolCommands()->notatki1Click();
        QVERIFY(f.db.modified);
        QCOMPARE(f.db.notes[2].term(), QStringLiteral("12-05-2004"));
        QCOMPARE(f.db.notes[3].term(), QStringLiteral("13-05-2004"));
        QCOMPARE(f.db.notes[4].text(), QStringLiteral("prąd"));
        f.window.databaseCommands()->zapisz6Click();
        f.desktop.answers.enqueue(true);
        f.window.databaseCommands()->zamknij3Click();

        // Notes 3 and 5 are due, 4 only tomorrow: two reminders, in number order.
        f.desktop.dialogScripts.enqueue([](QDialog &d) {
            QCOMPARE(d.objectName(), QStringLiteral("shownotatka"));
            QCOMPARE(d.findChild<QPlainTextEdit *>(QStringLiteral("notatka"))->toPlainText(), QStringLiteral("zapłacić za gaz"));
            click(d, "ok");
        });
        f.desktop.dialogScripts.enqueue([](QDialog &d) {
            QCOMPARE(d.findChild<QPlainTextEdit *>(QStringLiteral("notatka"))->toPlainText(), QStringLiteral("prąd"));
            click(d, "usun");
        });
        f.window.databaseCommands()->otworz2Click(f.path("budzet.tf4"));
        QCOMPARE(f.desktop.shownDialogs.count(QStringLiteral("shownotatka")), 2);
        QCOMPARE(f.db.notes[2].text(), QStringLiteral("zapłacić za gaz"));
        QVERIFY(f.db.notes[4].text().isEmpty());
        QVERIFY(f.db.modified);

        // Saved, the deleted note stays gone; the next day the note of the 13th is due too.
        f.desktop.answers.enqueue(true);
        f.desktop.answers.enqueue(true);
        f.window.databaseCommands()->zamknij3Click();
        f.desktop.day = QDate(2004, 5, 13);
        f.window.databaseCommands()->otworz2Click(f.path("budzet.tf4"));
        QCOMPARE(f.desktop.shownDialogs.count(QStringLiteral("shownotatka")), 4);
    }

    // The shopping list: stored trimmed at every edit; an item added as an expense through the
    // expense dialog leaves the list and can be undone; the viewer closes when the editor opens;
    // "Do listy zakup." copies planned descriptions into it.
    void shoppingList()
    {
        Fixture f;
        f.createDatabase();
        f.window.toolCommands()->Pokalistzakupw1Click();
        QCOMPARE(f.desktop.shownWindows.last(), QStringLiteral("showlistazakupow"));
        QWidget *viewer = f.window.findChild<QDialog *>(QStringLiteral("showlistazakupow"));
        QVERIFY(viewer->isVisible());
        f.desktop.dialogScripts.enqueue([&f, viewer](QDialog &d) {
            QVERIFY(!viewer->isVisible());
            auto *grid = d.findChild<QTableWidget *>(QStringLiteral("zakupy"));
            QCOMPARE(grid->item(0, 0)->text(), QStringLiteral("1. "));
            grid->item(0, 1)->setText(QStringLiteral("  mleko  "));
            grid->item(2, 1)->setText(QStringLiteral("chleb"));
            QCOMPARE(f.db.shoppingItems[0].text(), QStringLiteral("mleko"));
            auto &editor = static_cast<Tlistazakupow &>(d);
            editor.PorzadkujClick();
            QCOMPARE(grid->item(1, 1)->text(), QStringLiteral("chleb"));
            grid->setCurrentCell(1, 1);
            f.desktop.dialogScripts.enqueue([](QDialog &entry) {
                QCOMPARE(entry.objectName(), QStringLiteral("edycjarozchod"));
                QCOMPARE(entry.findChild<QLineEdit *>(QStringLiteral("opis"))->text(), QStringLiteral("chleb"));
                entry.close(); // no cancel: the frame adds it all the same
            });
            editor.addAsExpense();
            // An expense of 0,00 is not a purchase: the item stays on the list.
            QCOMPARE(grid->item(1, 1)->text(), QStringLiteral("chleb"));
            f.desktop.dialogScripts.enqueue([](QDialog &entry) {
                auto *amount = entry.findChild<QLineEdit *>(QStringLiteral("wartosc"));
                amount->selectAll();
                QTest::keyClicks(amount, QStringLiteral("4,20"));
                click(entry, "ok");
            });
            editor.addAsExpense();
            QCOMPARE(grid->item(1, 1)->text(), QString());
            grid->setCurrentCell(0, 1);
            f.desktop.dialogScripts.enqueue([](QDialog &entry) { click(entry, "ok"); });
            editor.addAsPlanned();
            QCOMPARE(grid->item(0, 1)->text(), QStringLiteral("mleko"));
            editor.copyItems();
            click(d, "ok");
        });
        f.window.toolCommands()->Listazakupw1Click();
        QCOMPARE(f.db.reg(RegisterKind::expenses).entries,
                 (QVector<Entry>{entry("12-05-2004", 0, 1, "chleb"), entry("12-05-2004", 4.2, 1, "chleb")}));
        QCOMPARE(f.db.reg(RegisterKind::planned).entries.last().description, QStringLiteral("mleko"));
        QCOMPARE(f.desktop.clipboard, QStringLiteral("mleko\n"));
        QVERIFY(f.db.shoppingItems[1].isEmpty());
        // The undo copy is of the register added to: Ctrl+Z takes the planned entry back.
        const int plannedBefore = f.db.plannedCount();
        f.window.registerCommands()->undo();
        QCOMPARE(f.db.plannedCount(), plannedBefore - 1);
        f.window.registerCommands()->undo();

        // "Do listy zakup." on the planned page, after its question.
        f.window.showPage(Tmain::PlannedTab);
        RegisterPage *planned = f.window.registerPage(RegisterKind::planned);
        planned->selectRow(1);
        f.desktop.answers.enqueue(true);
        planned->button(RegisterCommand::toShoppingList)->click();
        QCOMPARE(f.desktop.messages.last(),
                 (ScriptedDesktop::Message{"Czy dopisać zaznaczone dane do listy zakupów ?", "Operacja nie będzie mogła być cofnięta",
                                           "Kopiowanie danych", true}));
        QCOMPARE(f.db.shoppingItems[1].text(), QStringLiteral("mleko"));

        // The shopping list survives a save and a new open.
        f.window.databaseCommands()->zapisz6Click();
        f.desktop.answers.enqueue(true);
        f.window.databaseCommands()->zamknij3Click();
        f.window.databaseCommands()->otworz2Click(f.path("budzet.tf4"));
        QCOMPARE(f.db.shoppingItems[0].text(), QStringLiteral("mleko"));
    }
};

QTEST_MAIN(TestToolCommands)
#include "tst_toolcommands.moc"
