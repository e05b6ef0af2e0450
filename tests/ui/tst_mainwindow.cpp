#include "mainwindowfixture.h"
#include "ui/mainwindow/mainmenupage.h"
#include "ui/registers/registercommands.h"
#include "ui/registers/registerpage.h"
#include "ui/reports/chartspage.h"
#include "ui/reports/chartwindows.h"
#include "ui/reports/statementpage.h"
#include "ui/reports/summarypage.h"
#include "ui/store/databasecommands.h"
#include "ui/store/recentdatabases.h"

#include <QAction>
#include <QComboBox>
#include <QDialog>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTableView>
#include <QTableWidget>
#include <QtTest>

#include <functional>

using namespace trelfin;
using test::ScriptedDesktop;

namespace {

const QString kStartStatus = QStringLiteral(
    "Brak załadowanej bazy danych. Wczytaj lub stwórz nową bazę danych wybierając odpowiedną opcję");
const QString kNoDatabaseStatus = QStringLiteral(
    "Brak załadowanej bazy danych. Wczytaj bazę danych wybierając odpowiedni przycisk lub pozycję z menu");

// The main window fixture with a database of two periods, as if it had just been opened.
struct Fixture : test::MainWindowFixture
{
    void openDatabase()
    {
        SetDefaultGroups(db.header);
        db.header.ownerName = QStringLiteral("Jan Kowalski");
        db.header.otherData = QStringLiteral("domowy budżet");
        db.header.createdDate = QStringLiteral("01.01.2004");
        db.header.lastSaveDate = QStringLiteral("10.05.2004");
        db.header.periodCount = 2;
        db.header.periods[1] = {QStringLiteral("01.01.200431.01.2004"), QStringLiteral("styczeń")};
        db.header.periods[2] = {QStringLiteral("01.02.2004brak"), QStringLiteral("luty")};
        db.currentPeriod = 2;
        db.reg(RegisterKind::expenses).append({QStringLiteral("02-02-2004"), 12.5, 1, QStringLiteral("chleb")});
        db.reg(RegisterKind::planned).append({QStringLiteral("03-02-2004"), 100, 2, QStringLiteral("buty")});
        db.reg(RegisterKind::planned).append({QStringLiteral("04-02-2004"), 50, 31, QStringLiteral("kurtka")});
        markOpen();
    }
};

QStringList visibleMenus(QMainWindow &window)
{
    QStringList titles;
    for (QAction *a : window.menuBar()->actions()) {
        if (a->isVisible())
            titles.append(a->text());
    }
    return titles;
}

} // namespace

class TestMainWindow : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Polish, QLocale::Poland)); }

    void startState()
    {
        Fixture f;
        QCOMPARE(f.window.windowTitle(), QStringLiteral("Trelfin 4 LX"));
        QTabWidget *karta = f.karta();
        const QStringList captions = {"Główne menu", "Bilans", "Statystyka", "Rozchód", "Przychód",
                                      "Długi / pożyczki", "Planowanie", "Konto bankowe", "Prognoza", "Wykresy"};
        QCOMPARE(karta->count(), captions.size());
        for (int i = 0; i < karta->count(); ++i)
            QCOMPARE(karta->tabText(i), captions.at(i));
        QCOMPARE(karta->currentIndex(), 0);

        QCOMPARE(visibleMenus(f.window), QStringList({"&Plik", "Pomo&c"}));
        QCOMPARE(f.window.statusText(0), QStringLiteral("12.05.2004 "));
        QCOMPARE(f.window.statusText(1), kStartStatus);

        for (const char *name : {"uzytkownik", "datautworzenia", "ostatnizapis", "iloscokresow", "pierwszywpis"})
            QCOMPARE(f.widget<QLineEdit>(name)->text(), QStringLiteral("b.d."));
        QCOMPARE(f.widget<QPlainTextEdit>("innedane")->toPlainText(), QStringLiteral("b.d."));
        QCOMPARE(f.widget<QLineEdit>("ostatniwpis")->text(), QStringLiteral("b.d"));
        QCOMPARE(f.widget<QComboBox>("biezacyokres")->count(), 0);
        for (const char *grid : {"Rtab", "ptab", "dtab", "ltab", "ktab"})
            QVERIFY(!f.widget<QTableView>(grid)->isVisible());
        QCOMPARE(f.widget<QLineEdit>("stannadzien")->displayText(), QStringLiteral("12-05-2004"));
        QVERIFY(f.desktop.messages.isEmpty());
    }

    // Every menu item: caption, shortcut and whether it starts enabled.
    void menuItems_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QKeySequence>("shortcut");
        QTest::addColumn<bool>("enabled");
        const auto row = [](const char *name, const char *caption, QKeySequence key, bool enabled) {
            QTest::newRow(name) << QString::fromLatin1(name) << QString::fromUtf8(caption) << key << enabled;
        };
        row("actionNew", "&Nowy", QKeySequence(QStringLiteral("Ctrl+N")), true);
        row("actionOpen", "&Otwórz...", QKeySequence(QStringLiteral("Ctrl+O")), true);
        row("actionSave", "&Zapisz", QKeySequence(QStringLiteral("Ctrl+S")), false);
        row("actionSaveAs", "Z&apisz jako...", QKeySequence(), false);
        row("actionClose", "Z&amknij", QKeySequence(), false);
        row("actionImport2000", "Importuj dane z TrelFIN 2000", QKeySequence(), true);
        row("actionLock", "Blokuj", QKeySequence(), true);
        row("actionOptions", "Op&cje", QKeySequence(), false);
        row("actionPrint", "&Drukuj", QKeySequence(), false);
        row("actionQuit", "Za&kończ", QKeySequence(QStringLiteral("Alt+F4")), true);
        row("actionUndo", "&Cofnij", QKeySequence(QStringLiteral("Ctrl+Z")), false);
        row("actionCut", "&Wytnij", QKeySequence(QStringLiteral("Ctrl+X")), false);
        row("actionCopy", "&Kopiuj", QKeySequence(QStringLiteral("Ctrl+C")), false);
        row("actionDelete", "&Usuń", QKeySequence(QStringLiteral("Del")), false);
        row("actionSelectAll", "Zaznacz wszystko", QKeySequence(QStringLiteral("Ctrl+A")), false);
        row("actionInsert", "", QKeySequence(QStringLiteral("Ins")), true);
        row("actionViewPage0", "Główne menu", QKeySequence(QStringLiteral("Ctrl+F1")), true);
        row("actionViewPage1", "Bilans", QKeySequence(QStringLiteral("Ctrl+F2")), false);
        row("actionViewPage5", "Długi / pożyczki", QKeySequence(QStringLiteral("Ctrl+F6")), false);
        row("actionViewPage9", "Wykresy", QKeySequence(QStringLiteral("Ctrl+F10")), false);
        row("actionShowShoppingList", "Pokaż listę zakupów", QKeySequence(QStringLiteral("Shift+Ctrl+F1")), false);
        row("actionShoppingList", "Lista zakupów", QKeySequence(QStringLiteral("Shift+Ctrl+F2")), false);
        row("actionNotes", "Notatki", QKeySequence(QStringLiteral("Shift+Ctrl+F3")), false);
        row("actionEditGroups", "Edycja zbioru grup", QKeySequence(QStringLiteral("Shift+Ctrl+F4")), false);
        row("actionExportGroups", "Eksport zbioru grup", QKeySequence(), false);
        row("actionImportGroups", "Import zbioru grup", QKeySequence(), false);
        row("actionExportText", "Eksportuj dane jako ASCII (Tekst)", QKeySequence(), false);
        row("actionExportCsv", "Eksportuj dane jako CSV (MS Excel)", QKeySequence(), false);
        row("actionHelp", "&Pomoc", QKeySequence(QStringLiteral("F1")), true);
        row("actionAbout", "O prog&ramie", QKeySequence(), true);
    }
    void menuItems()
    {
        QFETCH(QString, name);
        QFETCH(QString, caption);
        QFETCH(QKeySequence, shortcut);
        QFETCH(bool, enabled);
        Fixture f;
        QAction *a = f.action(name);
        QVERIFY(a);
        QCOMPARE(a->text(), caption);
        QCOMPARE(a->shortcut(), shortcut);
        QCOMPARE(a->isEnabled(), enabled);
    }

    void menuOrderAndHiddenInsert()
    {
        Fixture f;
        f.window.databaseCommands()->recentDatabases()->clear();
        const auto captions = [&](const char *menu) {
            QStringList texts;
            // What the menu shows: separators and the items of an empty recent list left out.
            for (QAction *a : f.widget<QMenu>(menu)->actions()) {
                if (a->isVisible() && !a->isSeparator())
                    texts.append(a->text());
            }
            return texts;
        };
        QCOMPARE(captions("menuPlik"),
                 QStringList({"&Nowy", "&Otwórz...", "&Zapisz", "Z&apisz jako...", "Z&amknij",
                              "Importuj dane z TrelFIN 2000", "Blokuj", "Op&cje", "&Drukuj", "Za&kończ"}));
        QCOMPARE(captions("menuEdycja"),
                 QStringList({"&Cofnij", "&Wytnij", "&Kopiuj", "Wkl&ej", "&Usuń", "Zaznacz wszystko"}));
        QCOMPARE(captions("menuPomoc"), QStringList({"&Pomoc", "O prog&ramie"}));
        QCOMPARE(captions("menuWidok").size(), 10);
        QCOMPARE(captions("menuNarzedzia").size(), 11);
        QCOMPARE(captions("menuNarzedzia").mid(8),
                 QStringList({"&Zestawienie okresów...", "&Importuj wyciąg bankowy...", "&Reguły importu wyciągów..."}));
        // Ins works from the window without a caption in any menu.
        QVERIFY(f.window.actions().contains(f.action("actionInsert")));
        QCOMPARE(f.window.menuBar()->actions().size(), 5);
        QCOMPARE(f.widget<QMenu>("popupMenu")->actions().size(), 6);
    }

    void mainMenuButtons()
    {
        Fixture f;
        const QList<std::pair<const char *, const char *>> expected = {
            {" Nowa baza   ", "Tworzy nową bazę"},
            {"Otwórz bazę ", "Otwiera isniejącą bazę"},
            {"Zapisz bazę  ", "Zapisuje edytowaną bazę"},
            {" Zamknij bazę", "Zamyka edytowaną bazę"},
            {"   Blokuj         ", "Blokuje hasłem dostęp do programu pod Twoją nieobecność"},
            {"   Opcje          ", "Ustawienie opcji otwartej bazy. Dodawanie / usuwanie okresów księgowych"},
            {"Zestawienie", "Zestawienie wybranych okresów: przychód, rozchód, grupy wydatków"},
            {"   Pomoc         ", "Pomoc programu TrelFIN"},
            {"  Wyjście       ", "Kończy pracę programu"},
        };
        QWidget *page = f.karta()->widget(0);
        const auto buttons = page->findChildren<QPushButton *>();
        QCOMPARE(buttons.size(), expected.size());
        for (qsizetype i = 0; i < expected.size(); ++i) {
            QCOMPARE(buttons.at(i)->text(), QString::fromUtf8(expected.at(i).first));
            QCOMPARE(buttons.at(i)->toolTip(), QString::fromUtf8(expected.at(i).second));
            QCOMPARE(buttons.at(i)->toolTipDuration(), 20000);
        }
    }

    // Without a database every page but "Główne menu" is refused, by tab, keyboard or popup.
    void pageChangeWithoutDatabase()
    {
        Fixture f;
        f.clickTab(3);
        QCOMPARE(f.karta()->currentIndex(), 0);
        QCOMPARE(f.desktop.messages,
                 QList<ScriptedDesktop::Message>({{"Brak bazy danych", "", "Trelfin", false}}));
        QCOMPARE(f.window.statusText(1), kNoDatabaseStatus);

        QTest::keyClick(f.karta()->tabBar(), Qt::Key_Right);
        QCOMPARE(f.karta()->currentIndex(), 0);
        QCOMPARE(f.desktop.messages.size(), 2);

        f.window.preparePopupMenu();
        QCOMPARE(f.desktop.messages.size(), 3);
        for (QAction *a : f.widget<QMenu>("popupMenu")->actions()) {
            if (!a->isSeparator())
                QVERIFY(!a->isEnabled());
        }
    }

    void openAndCloseStates()
    {
        Fixture f;
        f.openDatabase();
        QCOMPARE(visibleMenus(f.window),
                 QStringList({"&Plik", "&Edycja", "&Widok", "&Narzędzia", "Pomo&c"}));
        for (const char *name : {"actionSave", "actionSaveAs", "actionClose", "actionOptions", "actionPrint",
                                 "actionViewPage1", "actionViewPage9", "actionNotes", "actionExportCsv"})
            QVERIFY2(f.action(name)->isEnabled(), name);
        QVERIFY(!f.action("actionUndo")->isEnabled());

        QCOMPARE(f.widget<QLineEdit>("uzytkownik")->text(), QStringLiteral("Jan Kowalski"));
        QCOMPARE(f.widget<QPlainTextEdit>("innedane")->toPlainText(), QStringLiteral("domowy budżet"));
        QCOMPARE(f.widget<QLineEdit>("datautworzenia")->text(), QStringLiteral("01.01.2004"));
        QCOMPARE(f.widget<QLineEdit>("ostatnizapis")->text(), QStringLiteral("10.05.2004"));
        QCOMPARE(f.widget<QLineEdit>("iloscokresow")->text(), QStringLiteral("2"));
        auto *periods = f.widget<QComboBox>("biezacyokres");
        QCOMPARE(periods->count(), 2);
        QCOMPARE(periods->itemText(0), QStringLiteral("styczeń"));
        QCOMPARE(periods->currentIndex(), 1);
        QCOMPARE(f.widget<QLineEdit>("pierwszywpis")->text(), QStringLiteral("01.02.2004"));
        QCOMPARE(f.widget<QLineEdit>("ostatniwpis")->text(), QStringLiteral("brak"));
        QCOMPARE(f.widget<QLineEdit>("ilosc_r")->text(), QStringLiteral("1"));
        QCOMPARE(f.widget<QLineEdit>("ilosc_l")->text(), QStringLiteral("2"));
        QCOMPARE(f.widget<QLineEdit>("ilosc_p")->text(), QStringLiteral("0"));

        f.clickTab(3);
        f.db.databaseLoaded = false;
        f.window.DisableDatabaseCommands();
        f.window.ClearDatabaseInfo();
        QCOMPARE(visibleMenus(f.window), QStringList({"&Plik", "Pomo&c"}));
        for (const char *name : {"actionSave", "actionViewPage3", "actionNotes", "actionUndo", "actionCut",
                                 "actionCopy", "actionDelete", "actionSelectAll"})
            QVERIFY2(!f.action(name)->isEnabled(), name);
        QCOMPARE(f.widget<QLineEdit>("uzytkownik")->text(), QStringLiteral("b.d."));
        QCOMPARE(f.widget<QComboBox>("biezacyokres")->count(), 0);
    }

    // With a database open: status text and Edit items of every page.
    void editItemsByPage_data()
    {
        QTest::addColumn<int>("page");
        QTest::addColumn<QString>("status");
        QTest::addColumn<QList<bool>>("items"); // cut, copy, paste, delete, select all
        const QList<bool> reports{false, true, false, false, true};
        const QList<bool> registers{true, true, true, true, true};
        const QList<bool> none{false, false, false, false, false};
        QTest::newRow("Bilans") << 1
            << "Aby zapoznać się z bilansem na konkretny okres naciśnij przycisk opisujący odpowiedni przedział czasowy"
            << reports;
        QTest::newRow("Statystyka") << 2 << "Stan konta na podany dzień" << reports;
        QTest::newRow("Rozchód") << 3
            << "Baza danych dotycząca wydatków. Wybierz odpowiedni przycisk aby dokonać żądanej operacji" << registers;
        QTest::newRow("Przychód") << 4
            << "Baza danych dotycząca przychodów. Wybierz odpowiedni przycisk aby dokonać żądanej operacji" << registers;
        QTest::newRow("Długi") << 5 << "Baza danych dotycząca zaciągniętych długów i udzielonych pożyczek" << registers;
        QTest::newRow("Planowanie") << 6 << "Baza danych dotycząca planowania wydatków na przyszłość" << registers;
        QTest::newRow("Konto bankowe") << 7
            << "Prowadzenie konta banowego. Wybierz odpowiedni przycisk aby dokonać żądanej operacji" << registers;
        QTest::newRow("Prognoza") << 8
            << "Aby zapoznać się z prognozą wydatków na konkretny okres naciśnij przycisk opisujący odpowiedni przedział czasowy"
            << reports;
        QTest::newRow("Wykresy") << 9
            << "Wykresy statystyczne opisujące wybrane dane. Wybierz odpowiedni przycisk aby obejrzeć dany wykres"
            << none;
    }
    void editItemsByPage()
    {
        QFETCH(int, page);
        QFETCH(QString, status);
        QFETCH(QList<bool>, items);
        Fixture f;
        f.openDatabase();
        f.clickTab(page);
        QCOMPARE(f.karta()->currentIndex(), page);
        QCOMPARE(f.window.statusText(1), status);
        const QList<bool> actual{f.action("actionCut")->isEnabled(), f.action("actionCopy")->isEnabled(),
                                 f.action("actionPaste")->isEnabled(), f.action("actionDelete")->isEnabled(),
                                 f.action("actionSelectAll")->isEnabled()};
        QCOMPARE(actual, items);
        f.window.preparePopupMenu();
        QList<bool> popup;
        for (QAction *a : f.widget<QMenu>("popupMenu")->actions()) {
            if (!a->isSeparator())
                popup.append(a->isEnabled());
        }
        QCOMPARE(popup, items);
        QVERIFY(f.desktop.messages.isEmpty());

        // Back to "Główne menu": everything off again.
        f.clickTab(0);
        QCOMPARE(f.window.statusText(1), QStringLiteral("Dane dotyczące użytkownika i wybranego okresu kięgowania"));
        for (const char *item : {"actionCut", "actionCopy", "actionPaste", "actionDelete", "actionSelectAll"})
            QVERIFY2(!f.action(item)->isEnabled(), item);
    }

    void chartDatesPresetOnFirstVisitOnly()
    {
        Fixture f;
        f.openDatabase();
        QVERIFY(f.window.chartDatesPending());
        f.clickTab(9);
        QVERIFY(!f.window.chartDatesPending());
        QCOMPARE(f.widget<QLineEdit>("mc")->text(), QStringLiteral("05-2004"));
        QCOMPARE(f.widget<QLineEdit>("rk")->text(), QStringLiteral("2004"));
        for (const char *name : {"wod", "wdo", "pwod", "pwdo"})
            QCOMPARE(f.widget<QLineEdit>(name)->text(), QStringLiteral("12-05-2004"));
        f.widget<QLineEdit>("mc")->setText(QStringLiteral("01-2003"));
        f.clickTab(0);
        f.desktop.day = QDate(2005, 6, 7);
        f.clickTab(9);
        QCOMPARE(f.widget<QLineEdit>("mc")->text(), QStringLiteral("01-2003"));
        QCOMPARE(f.widget<QLineEdit>("wod")->text(), QStringLiteral("12-05-2004"));
    }

    void viewMenuSelectsPages()
    {
        Fixture f;
        f.openDatabase();
        f.action("actionViewPage6")->trigger();
        QCOMPARE(f.karta()->currentIndex(), 6);
        QCOMPARE(f.window.statusText(1), QStringLiteral("Baza danych dotycząca planowania wydatków na przyszłość"));
        f.window.registerCommands()->findState().restart = false;
        f.action("actionViewPage0")->trigger();
        QCOMPARE(f.karta()->currentIndex(), 0);
        QCOMPARE(f.window.statusText(1), QStringLiteral("Dane dotyczące użytkownika i wybranego okresu kięgowania"));
        f.clickTab(4);
        QVERIFY(f.window.registerCommands()->findState().restart);
    }

    void closeQuestion_data()
    {
        QTest::addColumn<bool>("answer");
        QTest::newRow("Nie keeps running") << false;
        QTest::newRow("Tak ends") << true;
    }
    void closeQuestion()
    {
        QFETCH(bool, answer);
        Fixture f;
        f.openDatabase();
        f.db.modified = true;
        f.desktop.answers.enqueue(answer);
        f.action("actionQuit")->trigger();
        QCOMPARE(f.desktop.messages.first(),
                 (ScriptedDesktop::Message{"Czy chcesz zakończyć pracę?", "", "Zakończenie pracy", true}));
        QCOMPARE(f.window.isVisible(), !answer);
        if (!answer) {
            QVERIFY(f.db.modified);
            QCOMPARE(f.db.expenseCount(), 1);
            QCOMPARE(f.desktop.messages.size(), 1);
        } else {
            // The modified period is offered for saving before the program ends ("Nie" here).
            QCOMPARE(f.desktop.messages.size(), 2);
            QCOMPARE(f.desktop.messages.at(1),
                     (ScriptedDesktop::Message{"Czy zapisać zmiany w edytowanym okresie ?", "", "Zamknięcie okresu",
                                               true}));
        }
    }

    // The quick start: the window goes to the screen empty, its contents are built after, with
    // "Główne menu" alone at first; the other pages follow in the first idle moment, each once,
    // also when one was asked for before.
    void quickStartBuildsTheFirstPageFirst()
    {
        Database db;
        ScriptedDesktop desktop;
        Tmain window(db, desktop, nullptr, Tmain::Contents::afterShow);
        QVERIFY(!window.findChild<QTabWidget *>());
        window.show();
        window.buildContents();
        QCOMPARE(window.findChildren<MainMenuPage *>().size(), 1);
        QVERIFY(window.findChildren<RegisterPage *>().isEmpty());
        QVERIFY(window.findChildren<GroupSummaryPage *>().isEmpty());
        QVERIFY(window.findChildren<QDialog *>().isEmpty());
        QCOMPARE(window.statusText(1), kStartStatus);

        RegisterPage *asked = window.registerPage(RegisterKind::planned);
        QCOMPARE(window.findChildren<RegisterPage *>().size(), 1);
        QTRY_COMPARE(window.findChildren<RegisterPage *>().size(), RegisterCount);
        QCOMPARE(window.registerPage(RegisterKind::planned), asked);
        QCOMPARE(window.findChildren<GroupSummaryPage *>().size(), 2);
        QCOMPARE(window.findChildren<StatementPage *>().size(), 1);
        QCOMPARE(window.findChildren<ChartsPage *>().size(), 1);
        QCOMPARE(window.findChildren<MainMenuPage *>().size(), 1);
        QVERIFY(window.findChildren<QDialog *>().isEmpty());
    }

    // Each window exists once for the whole run: none before it is first used, the same one
    // every later time.
    void windowsAreMadeOnFirstUseAndReused()
    {
        Fixture f;
        f.openDatabase();
        QVERIFY(f.window.findChildren<QDialog *>().isEmpty());
        RegisterCommands *registers = f.window.registerCommands();
        QList<std::function<void()>> uses = {
            [&] { f.window.databaseCommands()->opcje4Click(); },
            [&] { f.window.toolCommands()->notatki1Click(); },
            [&] { f.window.toolCommands()->Listazakupw1Click(); },
            [&] { f.window.toolCommands()->Pokalistzakupw1Click(); },
            [&] { f.window.toolCommands()->PrintClick(); },
            [&] { f.window.toolCommands()->EksportujjakoDBF1Click(); },
            [&] { f.window.toolCommands()->EksportujdanejakoCSVExcel1Click(); },
            [&] { f.window.groupSetCommands()->Edycjagrup1Click(); },
            [&] { f.window.chartsPage()->balanceChart(); },
            [&] { f.window.chartsPage()->forecastChart(); },
            [&] { f.window.chartsPage()->lineChart(); },
        };
        for (int k = 0; k < RegisterCount; ++k) {
            const auto kind = static_cast<RegisterKind>(k);
            uses.append([=] { registers->add(kind); });
            uses.append([=] { registers->addMany(kind); });
            uses.append([=] { registers->sort(kind); });
            uses.append([=] { registers->find(kind); });
        }
        for (GroupSummaryPage *page : {f.window.balancePage(), f.window.forecastPage()}) {
            for (SpanKind kind : {SpanKind::year, SpanKind::month, SpanKind::span})
                uses.append([=] { page->spanDialog(kind); });
        }
        for (const auto &use : uses)
            use();
        const QList<QDialog *> made = f.window.findChildren<QDialog *>();
        QVERIFY2(made.size() >= 25, qPrintable(QString::number(made.size())));
        for (const auto &use : uses)
            use();
        QCOMPARE(f.window.findChildren<QDialog *>(), made);
    }

    void helpOpensTheDocumentBesideTheProgram()
    {
        Fixture f;
        f.action("actionHelp")->trigger();
        const QString expected = QCoreApplication::applicationDirPath() + QStringLiteral("/help.htm");
        QCOMPARE(f.desktop.openedDocuments, QStringList({expected}));
        // The build puts the document there.
        QVERIFY(QFileInfo(expected).size() > 1000);
    }

    // Every "Pomoc" button opens the document at the section of its page or window, and the
    // document has that section.
    void helpButtonsOpenTheirSection()
    {
        Fixture f;
        f.openDatabase();
        const auto press = [](QWidget *inside) {
            QPushButton *button = inside->findChild<QPushButton *>(QStringLiteral("pomoc"));
            QVERIFY2(button, qPrintable(inside->objectName()));
            button->click();
        };
        QStringList expected;
        const QStringList pageSections = {"glowne-menu", "bilans", "statystyka", "rejestry", "rejestry", "rejestry",
                                          "rejestry", "rejestry", "prognoza", "wykresy"};
        for (int index = 0; index < Tmain::PageCount; ++index) {
            press(f.window.page(index)->pageWidget());
            expected.append(pageSections.at(index));
        }
        press(f.window.chartsPage()->balanceChart());
        press(f.window.chartsPage()->lineChart());
        expected << "wykresy" << "wykresy";
        const QList<std::pair<std::function<void()>, QString>> windows = {
            {[&] { f.window.databaseCommands()->opcje4Click(); }, "opcje"},
            {[&] { f.window.groupSetCommands()->Edycjagrup1Click(); }, "grupy"},
            {[&] { f.window.toolCommands()->notatki1Click(); }, "notatki"},
            {[&] { f.window.toolCommands()->Listazakupw1Click(); }, "lista-zakupow"},
        };
        for (const auto &[open, section] : windows) {
            f.desktop.dialogScripts.enqueue([&](QDialog &dialog) { press(&dialog); });
            open();
            QVERIFY(f.desktop.dialogScripts.isEmpty());
            expected.append(section);
        }

        const QString document = QCoreApplication::applicationDirPath() + QStringLiteral("/help.htm");
        QFile file(document);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QString html = QString::fromUtf8(file.readAll());
        QStringList opened;
        for (const QString &section : expected) {
            opened.append(document + u'#' + section);
            QVERIFY2(html.contains(QStringLiteral("id=\"%1\"").arg(section)), qPrintable(section));
        }
        QCOMPARE(f.desktop.openedDocuments, opened);
    }
};

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
