#include "database2000.h"
#include "commandfixture.h"
#include "ui/registers/registercommands.h"
#include "ui/registers/registermodel.h"
#include "ui/tools/toolcommands.h"
#include "ui/registers/registerpage.h"
#include "core/store/databasefiles.h"
#include "core/store/fileoperations.h"
#include "core/store/groupset.h"
#include "core/store/opendatabase.h"
#include "core/store/recovery.h"
#include "filetestsupport.h"
#include "recordingsink.h"
#include "ui/store/optionswindow.h"
#include "ui/store/recentdatabases.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMap>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>

using namespace trelfin;
using test::ScriptedDesktop;

using Fixture = test::CommandFixture;

namespace {

// File operations that refuse to remove any file whose name ends with `suffix`, as a disk that
// fails there would: a commit past its commit point then stops with that step left to do.
struct RemovalRefused : FileOperations
{
    explicit RemovalRefused(const QString &suffix)
        : suffix(suffix)
    {
    }
    bool remove(const QString &path, QString &reason) override
    {
        if (path.endsWith(suffix)) {
            reason = QStringLiteral("wstrzymane");
            return false;
        }
        return FileOperations::remove(path, reason);
    }
    QString suffix;
};

// Every file of a folder with its content, hidden ones included.
QMap<QString, QByteArray> folderContents(const QString &folder)
{
    QMap<QString, QByteArray> all;
    for (const QString &name : QDir(folder).entryList(QDir::Files | QDir::Hidden))
        all.insert(name, test::fileBytes(QDir(folder).filePath(name)));
    return all;
}

} // namespace
using test::Script;
using test::click;
using test::entry;
using test::press;
using test::typeInto;
using test::typePasswords;

class TestDatabaseCommands : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Polish, QLocale::Poland)); }

    void newDatabase()
    {
        Fixture f;
        f.createDatabase();
        QVERIFY(f.db.databaseLoaded);
        for (const char *file : {"budzet.tf4", "budzet.0", "budzet.tlz", "budzet.tnt"})
            QVERIFY2(f.exists(QString::fromLatin1(file)), file);
        QCOMPARE(f.bytes("budzet.tf4").size(), 6862);
        QCOMPARE(f.bytes("budzet.0").size(), 1080);
        QCOMPARE(f.desktop.shownDialogs, QStringList({"opcjebazy"}));
        const FileDialogRequest &request = f.desktop.fileRequests.first();
        QCOMPARE(request.title, QStringLiteral("Zapisz bazę:"));
        QCOMPARE(request.filter, QStringLiteral("Pliki programu Trelfin  (*.tf4)|*.tf4|Wszystkie pliki  (*.*)|*.*"));
        QCOMPARE(request.defaultFileName, QStringLiteral("beznazwy"));
        QCOMPARE(request.defaultExtension, QStringLiteral(".tf4"));
        QVERIFY(request.confirmOverwrite);
        QCOMPARE(f.widget<QLineEdit>("uzytkownik")->text(), QStringLiteral("Anonimowy"));
        QCOMPARE(f.widget<QComboBox>("biezacyokres")->currentText(), QStringLiteral("maj"));
        QCOMPARE(f.widget<QLineEdit>("datautworzenia")->text(), QStringLiteral("12.05.2004"));
        QVERIFY(f.action("actionSave")->isEnabled());
        QVERIFY(f.desktop.messages.isEmpty());

        // A second "Nowy" refuses while a database is open.
        f.window.databaseCommands()->nowa1Click();
        QCOMPARE(f.desktop.messages.last(),
                 (ScriptedDesktop::Message{"Baza już istnieje", "Zamknij istniejącą bazę", "Trelfin", false}));
    }

    void backingOutOfANewDatabase_data()
    {
        QTest::addColumn<QString>("button");
        QTest::newRow("Anuluj") << "anuluj";
        QTest::newRow("Usunięcie bazy") << "usun";
        QTest::newRow("frame") << "";
    }
    void backingOutOfANewDatabase()
    {
        QFETCH(QString, button);
        Fixture f;
        QFile other(f.path("budzet.tf3"));
        QVERIFY(other.open(QIODevice::WriteOnly));
        other.close();
        f.desktop.fileChoices.enqueue(f.path("budzet.tf4"));
        f.desktop.dialogScripts.enqueue([button](QDialog &d) {
            if (!button.isEmpty())
                click(d, button.toLatin1().constData());
        });
        f.window.databaseCommands()->nowa1Click();
        QVERIFY(!f.db.databaseLoaded);
        QCOMPARE(f.messages(), QStringList({"Operację anulowano"}));
        for (const char *file : {"budzet.tf4", "budzet.0", "budzet.tlz", "budzet.tnt"})
            QVERIFY2(!f.exists(QString::fromLatin1(file)), file);
        QVERIFY(f.exists("budzet.tf3")); // not this command's file
        QVERIFY(!f.action("actionSave")->isEnabled());
        QCOMPARE(f.widget<QLineEdit>("uzytkownik")->text(), QStringLiteral("b.d."));
    }

    // "Nowy" over an existing database writes nothing before the options window's OK: backing
    // out, whatever the period buttons did first, leaves every file of the old database, backups
    // included, byte for byte; OK replaces it whole.
    void newDatabaseOverAnExistingOne_data()
    {
        QTest::addColumn<QString>("buttons"); // pressed in the options window, in order; none: the frame
        QTest::newRow("Anuluj") << "anuluj";
        QTest::newRow("Usunięcie bazy") << "usun";
        QTest::newRow("frame") << "";
        QTest::newRow("Dodaj okres, Anuluj") << "dodaj anuluj";
        QTest::newRow("Dodaj okres twice, Usuń okres, Anuluj") << "dodaj dodaj usunokres anuluj";
        // The group import marks the database modified: the period buttons must still not save.
        QTest::newRow("Import zbioru grup, Dodaj okres, Usuń okres, Anuluj") << "import dodaj usunokres anuluj";
        QTest::newRow("Dodaj okres, OK") << "dodaj ok";
    }
    void newDatabaseOverAnExistingOne()
    {
        QFETCH(QString, buttons);
        Fixture f;
        f.createDatabase();
        f.withOptions([](Topcjebazy &o) {
            o.dodajClick();
            o.dodajClick();
        }); // three periods
        f.addEntry(RegisterKind::expenses, entry("01-05-2004", 7, 1, "stare"));
        f.window.databaseCommands()->zapisz6Click();
        QVERIFY(ExportGroupSet(f.db.header, f.path("grupy.tgr"), f.desktop));
        f.desktop.answers.enqueue(true);
        f.window.databaseCommands()->zamknij3Click();
        QVERIFY(!f.db.databaseLoaded);
        const auto files = [&f] { return folderContents(f.dir.path()); };
        const QMap<QString, QByteArray> old = files();

        f.desktop.fileChoices.enqueue(f.path("budzet.tf4"));
        f.desktop.dialogScripts.enqueue([&f, buttons](QDialog &d) {
            for (const QString &b : buttons.split(u' ', Qt::SkipEmptyParts)) {
                if (b == u"usunokres")
                    f.desktop.answers.enqueue(true);
                if (b == u"import")
                    f.desktop.fileChoices.enqueue(f.path("grupy.tgr"));
                click(d, b.toLatin1().constData());
            }
        });
        f.window.databaseCommands()->nowa1Click();
        if (!buttons.endsWith(u"ok")) {
            QVERIFY(!f.db.databaseLoaded);
            QCOMPARE(files(), old);
            return;
        }
        QVERIFY(f.db.databaseLoaded);
        QCOMPARE(f.db.header.periodCount, 2);
        QVERIFY(f.exists("budzet.1"));
        QVERIFY(!f.exists("budzet.2"));                        // the old database's surplus period goes,
        QCOMPARE(f.bytes("budzet.2~"), old.value("budzet.2")); // kept as its backup
        QCOMPARE(f.bytes("budzet.tf4~"), old.value("budzet.tf4"));
        Database reread;
        test::RecordingSink sink;
        QVERIFY(OpenDatabase(reread, f.path("budzet.tf4"), OpenMode::readOnly, sink));
        QCOMPARE(reread.header.periodCount, 2);
        QVERIFY(LoadPeriod(reread, 0, sink));
        QCOMPARE(reread.expenseCount(), 0);
    }

    void cancelledFileDialog()
    {
        Fixture f;
        f.window.databaseCommands()->nowa1Click();
        QCOMPARE(f.messages(), QStringList({"Operację anulowano"}));
        QVERIFY(!f.db.databaseLoaded);
        QVERIFY(QDir(f.dir.path()).isEmpty());
    }

    // The balance of a new, empty database names no span of the database open before it: not on
    // entering the page, not after "Całkowity", not a dated span chosen there.
    void newDatabaseShowsNoEarlierBalanceSpan()
    {
        Fixture f;
        f.createDatabase(QStringLiteral("pierwsza"));
        f.addEntry(RegisterKind::expenses, test::entry("01-09-2026", 5, 1, "chleb"));
        f.addEntry(RegisterKind::expenses, test::entry("30-12-2026", 7, 1, "masło"));
        f.window.showPage(Tmain::BalanceTab);
        QCOMPARE(f.widget<QLineEdit>("bdata")->text(), QStringLiteral("Od 01-09-2026 do 30-12-2026"));
        f.db.balanceMode = ReportMode{true, ReportSpan{QStringLiteral("01-02-2026"), QStringLiteral("28-02-2026"), SpanKind::month}};
        f.desktop.answers.enqueue(true); // close the database
        f.desktop.answers.enqueue(true); // and save it
        f.window.databaseCommands()->zamknij3Click();
        f.createDatabase(QStringLiteral("druga"));
        f.window.showPage(Tmain::BalanceTab);
        QCOMPARE(f.widget<QLineEdit>("bdata")->text(), QStringLiteral("b.d."));
        f.widget<QPushButton>("calkowity")->click();
        QCOMPARE(f.widget<QLineEdit>("bdata")->text(), QStringLiteral("b.d."));
    }

    // Nothing of a database open earlier in the run reaches a new one.
    void newDatabaseStartsEmpty()
    {
        Fixture f;
        f.createDatabase(QStringLiteral("pierwsza"));
        f.addEntry(RegisterKind::expenses, entry("01-05-2004", 5, 1, "chleb"));
        f.db.recurringExpenses[0].active = true;
        f.db.shoppingItems[0].setText(QStringLiteral("mleko"));
        f.db.notes[0].setText(QStringLiteral("notatka"));
        f.desktop.answers.enqueue(true);  // close the database
        f.desktop.answers.enqueue(true);  // and save it
        f.window.databaseCommands()->zamknij3Click();
        QVERIFY(!f.db.databaseLoaded);
        f.createDatabase(QStringLiteral("druga"));
        QCOMPARE(f.db.expenseCount(), 0);
        QVERIFY(!f.db.recurringExpenses[0].active);
        QVERIFY(f.db.shoppingItems[0].isEmpty());
        QVERIFY(f.db.notes[0].isEmpty());
    }

    void openSaveAndReopen()
    {
        Fixture f;
        f.createDatabase();
        f.addEntry(RegisterKind::expenses, entry("01-05-2004", 12.5, 1, "Zażółć gęślą jaźń"));
        f.window.databaseCommands()->zapisz6Click();
        QVERIFY(!f.db.modified);
        f.desktop.answers.enqueue(true);
        f.window.databaseCommands()->zamknij3Click();
        QVERIFY(!f.db.databaseLoaded);
        QCOMPARE(f.widget<QLineEdit>("uzytkownik")->text(), QStringLiteral("b.d."));
        QCOMPARE(f.window.statusText(1), QStringLiteral(
            "Brak załadowanej bazy danych. Wczytaj lub stwórz nową bazę danych wybierając odpowiedną opcję"));

        f.desktop.fileChoices.enqueue(f.path("budzet.tf4"));
        f.window.databaseCommands()->otworz2Click();
        QVERIFY(f.db.databaseLoaded);
        QCOMPARE(f.db.currentPeriod, 1);
        QCOMPARE(f.db.expenseCount(), 1);
        QCOMPARE(f.db.reg(RegisterKind::expenses).entries.first().description, QStringLiteral("Zażółć gęślą jaźń"));
        const FileDialogRequest &request = f.desktop.fileRequests.last();
        QCOMPARE(request.title, QStringLiteral("Otwórz bazę:"));
        QCOMPARE(request.filter, QStringLiteral(
            "Pliki programu Trelfin 4LX (*.tf4)|*.tf4|Pliki programu Trelfin 3000 (*.tf3)|*.tf3"));
        QVERIFY(request.mustExist);
        QCOMPARE(request.defaultExtension, QStringLiteral(".tf4"));
        auto *grid = f.window.registerPage(RegisterKind::expenses)->grid();
        QVERIFY(!grid->isHidden());
        QCOMPARE(grid->model()->index(0, 1).data().toString(), QStringLiteral("12,50"));
        QCOMPARE(f.widget<QLineEdit>("ilosc_r")->text(), QStringLiteral("1"));

        // Saving right after opening writes nothing.
        QFile::remove(f.path("budzet.0"));
        f.window.databaseCommands()->zapisz6Click();
        QVERIFY(!f.exists("budzet.0"));
    }

    void openFailures()
    {
        Fixture f;
        f.createDatabase();
        f.desktop.answers.enqueue(true);
        f.window.databaseCommands()->zamknij3Click();
        QFile period(f.path("budzet.0"));
        QVERIFY(period.open(QIODevice::WriteOnly | QIODevice::Truncate));
        period.write(QByteArray(100, 'x'));
        period.close();
        f.desktop.fileChoices.enqueue(f.path("budzet.tf4"));
        f.window.databaseCommands()->otworz2Click();
        QVERIFY(!f.db.databaseLoaded);
        QCOMPARE(f.messages().last(), QStringLiteral("Niepoprawny format pliku. Pamiętaj:"));
        QVERIFY(!f.action("actionSave")->isEnabled());

        // A database that is not there, or whose folder is not there, is said to be missing,
        // once, and nothing is left behind.
        for (const QString &missing : {QStringLiteral("brak.tf4"), QStringLiteral("brak/budzet.tf4")}) {
            const QStringList before = QDir(f.dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
            f.desktop.messages.clear();
            f.window.databaseCommands()->otworz2Click(f.path(missing));
            QVERIFY(!f.db.databaseLoaded);
            QCOMPARE(f.desktop.messages,
                     (QList<ScriptedDesktop::Message>{{QStringLiteral("Nie można odczytać pliku ") + QDir::toNativeSeparators(f.path(missing)),
                                                       QStringLiteral("Plik nie istnieje"), QStringLiteral("Błąd podczas odczytu pliku"), false}}));
            QCOMPARE(QDir(f.dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot), before);
        }
    }

    // Opening another database while one is modified asks first; cancelling the file dialog then
    // keeps the first one open.
    void openWhileModified()
    {
        Fixture f;
        f.createDatabase();
        f.addEntry(RegisterKind::incomes, entry("01-05-2004", 100, 0, "pensja"));
        f.desktop.answers.enqueue(false);
        f.window.databaseCommands()->otworz2Click();
        QCOMPARE(f.desktop.messages.last(),
                 (ScriptedDesktop::Message{"Czy zapisać zmiany w edytowanym okresie ?", "", "Zamknięcie okresu", true}));
        QVERIFY(f.db.databaseLoaded);
        QCOMPARE(f.db.incomeCount(), 1);
    }

    // The save question when leaving a modified period: "Tak" saves, "Nie" drops.
    void periodSwitchAsksToSave_data()
    {
        QTest::addColumn<bool>("answer");
        QTest::newRow("Tak") << true;
        QTest::newRow("Nie") << false;
    }
    void periodSwitchAsksToSave()
    {
        QFETCH(bool, answer);
        Fixture f;
        f.createDatabase();
        f.withOptions([](Topcjebazy &o) { o.dodajClick(); });
        QCOMPARE(f.db.header.periodCount, 2);
        QCOMPARE(f.db.currentPeriod, 2);
        f.window.biezacyokresChange(0);
        QCOMPARE(f.db.currentPeriod, 1);
        f.addEntry(RegisterKind::debts, entry("02-05-2004", 40, 1, "od Ani"));
        f.desktop.messages.clear();
        f.desktop.answers.enqueue(answer);
        f.window.biezacyokresChange(1);
        QCOMPARE(f.messages(), QStringList({"Czy zapisać zmiany w edytowanym okresie ?"}));
        QCOMPARE(f.db.currentPeriod, 2);
        QCOMPARE(f.widget<QComboBox>("biezacyokres")->currentIndex(), 1);
        f.window.biezacyokresChange(0);
        QCOMPARE(f.db.debtCount(), answer ? 1 : 0);

        // Choosing the period already current neither asks nor reloads.
        f.addEntry(RegisterKind::debts, entry("03-05-2004", 1, 1, ""));
        f.desktop.messages.clear();
        f.window.biezacyokresChange(0);
        QVERIFY(f.desktop.messages.isEmpty());
        QVERIFY(f.db.modified);
    }

    // A period file that cannot be read is reported and left as it is: the program goes back to
    // the period that was current, and no later save writes over the damaged file.
    void periodSwitchToDamagedPeriod()
    {
        Fixture f;
        f.createDatabase();
        f.withOptions([](Topcjebazy &o) { o.dodajClick(); });
        f.window.biezacyokresChange(0);
        const QByteArray damaged = f.bytes("budzet.1").left(100);
        {
            QFile file(f.path("budzet.1"));
            QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
            file.write(damaged);
        }
        f.addEntry(RegisterKind::expenses, entry("02-05-2004", 40, 1, "chleb"));
        f.desktop.messages.clear();
        f.desktop.answers.enqueue(true);
        f.window.biezacyokresChange(1);
        QCOMPARE(f.messages(), QStringList({"Czy zapisać zmiany w edytowanym okresie ?", "Niepoprawny format pliku. Pamiętaj:"}));
        QCOMPARE(f.db.currentPeriod, 1);
        QCOMPARE(f.widget<QComboBox>("biezacyokres")->currentIndex(), 0);
        QCOMPARE(f.db.expenseCount(), 1);
        QVERIFY(!f.db.modified);

        f.addEntry(RegisterKind::expenses, entry("03-05-2004", 5, 1, "mleko"));
        f.window.databaseCommands()->zapisz6Click();
        QCOMPARE(f.bytes("budzet.1"), damaged);
        QVERIFY(f.db.databaseLoaded);
    }

    void addPeriods()
    {
        Fixture f;
        f.createDatabase();
        f.addEntry(RegisterKind::bankAccount, entry("01-05-2004", 1000, 1, "wpłata"));
        f.addEntry(RegisterKind::expenses, entry("01-05-2004", 10, 1, "chleb"));
        f.db.recurringIncomes[2].description = QStringLiteral("renta");
        f.desktop.answers.enqueue(true);
        f.withOptions([](Topcjebazy &o) { o.dodajClick(); });
        QCOMPARE(f.messages(), QStringList({"Czy zapisać zmiany w edytowanym okresie ?", "Dodano nowy okres"}));
        QCOMPARE(f.db.currentPeriod, 2);
        QCOMPARE(f.db.bankCount(), 1);
        QCOMPARE(f.db.expenseCount(), 0);
        QCOMPARE(f.db.recurringIncomes[2].description, QStringLiteral("renta"));
        QVERIFY(f.exists("budzet.1"));
        QCOMPARE(f.db.pendingAction, PendingAction::none);
        QVERIFY(!f.window.registerPage(RegisterKind::bankAccount)->grid()->isHidden());
        QVERIFY(f.window.registerPage(RegisterKind::expenses)->grid()->isHidden());
        QCOMPARE(f.widget<QComboBox>("biezacyokres")->count(), 2);

        // At 100 periods "Dodaj okres" does nothing, silently.
        f.db.header.periodCount = 100;
        f.desktop.messages.clear();
        f.withOptions([](Topcjebazy &o) { o.dodajClick(); });
        QCOMPARE(f.db.header.periodCount, 100);
        QVERIFY(f.desktop.messages.isEmpty());
    }

    void deletePeriod()
    {
        Fixture f;
        f.createDatabase();
        f.withOptions([](Topcjebazy &o) {
            for (int i = 0; i < 3; ++i)
                o.dodajClick();
        });
        QCOMPARE(f.db.header.periodCount, 4);
        // Mark each period's file with its own entry.
        for (int p = 1; p <= 4; ++p) {
            f.window.biezacyokresChange(p - 1);
            f.addEntry(RegisterKind::incomes, entry("01-05-2004", p, 0, ""));
            f.db.header.periods[p].periodName = QStringLiteral("okres %1").arg(p);
            f.window.databaseCommands()->zapisz6Click();
        }
        f.window.biezacyokresChange(1);
        const QByteArray third = f.bytes("budzet.2");
        f.desktop.answers.enqueue(true);
        f.withOptions([](Topcjebazy &o) { o.UsunokresClick(); });
        QCOMPARE(f.db.header.periodCount, 3);
        QCOMPARE(f.db.currentPeriod, 1);
        QCOMPARE(f.db.reg(RegisterKind::incomes).entries.first().amount, 1.0);
        QCOMPARE(f.bytes("budzet.1"), third);
        QVERIFY(!f.exists("budzet.3"));
        QCOMPARE(f.db.header.periods[2].periodName, QStringLiteral("okres 3"));
        QCOMPARE(f.db.header.periods[3].periodName, QStringLiteral("okres 4"));
        QCOMPARE(f.widget<QComboBox>("biezacyokres")->itemText(1), QStringLiteral("okres 3"));
        QCOMPARE(f.desktop.messages.last(),
                 (ScriptedDesktop::Message{"Za chwile wszystkie dane z bieżącego okresu",
                                           "zostaną utracone. Czy usunąć okres ?", "Usunięcie okresu", true,
                                           DefaultAnswer::no}));
        // The record on disk agrees.
        Database reread;
        SplitDatabasePath(reread, f.path("budzet.tf4"));
        QVERIFY(ReadDatabaseRecord(reread, f.desktop));
        QCOMPARE(reread.header.periodCount, 3);

        // The only period cannot go.
        f.desktop.answers.enqueue(true);
        f.desktop.answers.enqueue(true);
        f.withOptions([](Topcjebazy &o) {
            o.UsunokresClick();
            o.UsunokresClick();
        });
        QCOMPARE(f.db.header.periodCount, 1);
        f.desktop.messages.clear();
        f.withOptions([](Topcjebazy &o) { o.UsunokresClick(); });
        QCOMPARE(f.messages(), QStringList({"Baza musi zawierać przynajmniej jeden okres!"}));
    }

    void renamePeriodAndOwner()
    {
        Fixture f;
        f.createDatabase();
        f.desktop.dialogScripts.enqueue([&f](QDialog &d) {
            auto &o = static_cast<Topcjebazy &>(d);
            f.desktop.dialogScripts.enqueue([](QDialog &name) {
                auto *edit = name.findChild<QLineEdit *>(QStringLiteral("nazwa"));
                edit->selectAll();
                QTest::keyClicks(edit, QStringLiteral("Wakacje"));
                QTest::keyClick(edit, Qt::Key_Return);
            });
            o.nazwaClick();
            auto *owner = d.findChild<QLineEdit *>(QStringLiteral("uzytkownik"));
            owner->setText(QStringLiteral("Jan Kowalski"));
            d.findChild<QCheckBox *>(QStringLiteral("czypytac"))->setChecked(false);
            click(d, "ok");
        });
        f.window.databaseCommands()->opcje4Click();
        QCOMPARE(f.db.header.periods[1].periodName, QStringLiteral("Wakacje"));
        QCOMPARE(f.db.header.ownerName, QStringLiteral("Jan Kowalski"));
        QCOMPARE(f.db.header.confirmDeletes, 0);
        QCOMPARE(f.widget<QComboBox>("biezacyokres")->currentText(), QStringLiteral("Wakacje"));
        Database reread;
        SplitDatabasePath(reread, f.path("budzet.tf4"));
        QVERIFY(ReadDatabaseRecord(reread, f.desktop));
        QCOMPARE(reread.header.ownerName, QStringLiteral("Jan Kowalski"));
        QCOMPARE(reread.header.periods[1].periodName, QStringLiteral("Wakacje"));
    }

    // "Nazwa okresu" and "Usuń okres" act on the current period, whichever the options list shows.
    void periodButtonsActOnTheCurrentPeriod()
    {
        Fixture f;
        f.createDatabase();
        f.withOptions([](Topcjebazy &o) {
            o.dodajClick();
            o.dodajClick();
        });
        f.window.biezacyokresChange(1);
        QCOMPARE(f.db.currentPeriod, 2);
        const QString first = f.db.header.periods[1].periodName;
        const auto chooseFirst = [](Topcjebazy &o) {
            auto *list = o.findChild<QComboBox *>(QStringLiteral("biezacyokres"));
            list->setCurrentIndex(0);
            emit list->activated(0);
        };
        f.desktop.dialogScripts.enqueue([&f, chooseFirst](QDialog &d) {
            auto &o = static_cast<Topcjebazy &>(d);
            chooseFirst(o);
            f.desktop.dialogScripts.enqueue([](QDialog &name) {
                name.findChild<QLineEdit *>(QStringLiteral("nazwa"))->setText(QStringLiteral("drugi"));
            });
            o.nazwaClick();
            click(d, "ok");
        });
        f.window.databaseCommands()->opcje4Click();
        QCOMPARE(f.db.header.periods[2].periodName, QStringLiteral("drugi"));
        QCOMPARE(f.db.header.periods[1].periodName, first);

        f.desktop.answers.enqueue(true);
        f.withOptions([chooseFirst](Topcjebazy &o) {
            chooseFirst(o);
            o.UsunokresClick();
        });
        QCOMPARE(f.db.header.periodCount, 2);
        QCOMPARE(f.db.header.periods[1].periodName, first);
        QVERIFY(f.db.header.periods[2].periodName != QStringLiteral("drugi"));
    }

    // "Zapisz jako" writes the source only when it holds changes, and onto its own name it is one
    // save: each backup keeps what its file held before.
    void saveAsWritesTheSourceOnlyWhenModified_data()
    {
        QTest::addColumn<bool>("modified");
        QTest::addColumn<QString>("target");
        QTest::newRow("unmodified, new name") << false << "kopia.tf4";
        QTest::newRow("modified, new name") << true << "kopia.tf4";
        QTest::newRow("unmodified, own name") << false << "budzet.tf4";
        QTest::newRow("modified, own name") << true << "budzet.tf4";
    }
    void saveAsWritesTheSourceOnlyWhenModified()
    {
        QFETCH(bool, modified);
        QFETCH(QString, target);
        Fixture f;
        f.createDatabase();
        f.addEntry(RegisterKind::expenses, entry("01-05-2004", 5, 1, "pierwszy"));
        f.window.databaseCommands()->zapisz6Click(); // the backups now differ from the files
        if (modified)
            f.addEntry(RegisterKind::expenses, entry("02-05-2004", 6, 1, "drugi"));
        const auto source = [&f] {
            QMap<QString, QByteArray> all;
            for (const QString &name : QDir(f.dir.path()).entryList({QStringLiteral("budzet.*")}, QDir::Files)) {
                if (!name.endsWith(QStringLiteral(".tfl"))) // the lock follows the open database
                    all.insert(name, f.bytes(name));
            }
            return all;
        };
        const QMap<QString, QByteArray> before = source();
        f.desktop.fileChoices.enqueue(f.path(target));
        f.window.databaseCommands()->Zapiszjako1Click();
        QCOMPARE(f.messages().last(), QStringLiteral("Dane zostały zapisane pod nową nazwą"));
        const QMap<QString, QByteArray> after = source();
        if (!modified) {
            QCOMPARE(after, before);
            return;
        }
        for (const char *file : {"budzet.tf4", "budzet.0"})
            QCOMPARE(after.value(QString::fromLatin1(file) + u'~'), before.value(QString::fromLatin1(file)));
        QVERIFY(!f.db.modified);
    }

    void saveUnderANewName()
    {
        Fixture f;
        f.createDatabase();
        f.withOptions([](Topcjebazy &o) {
            o.dodajClick();
            o.dodajClick();
        });
        for (int p = 1; p <= 3; ++p) {
            f.window.biezacyokresChange(p - 1);
            f.addEntry(RegisterKind::planned, entry("01-06-2004", 10 * p, 2, "plan"));
            f.window.databaseCommands()->zapisz6Click();
        }
        f.window.biezacyokresChange(1);
        f.addEntry(RegisterKind::planned, entry("02-06-2004", 5, 2, "niezapisany"));
        QDir(f.dir.path()).mkdir(QStringLiteral("kopia"));
        f.desktop.fileChoices.enqueue(f.path("kopia/nowa.tf4"));
        f.window.databaseCommands()->Zapiszjako1Click();
        QCOMPARE(f.messages().last(), QStringLiteral("Dane zostały zapisane pod nową nazwą"));
        const FileDialogRequest &request = f.desktop.fileRequests.last();
        QCOMPARE(request.title, QStringLiteral("Zapisz bazę:"));
        QCOMPARE(request.filter, QStringLiteral("Pliki programu Trelfin  (*.tf4)|*.tf4|Wszystkie pliki  (*.*)|*.*"));
        QCOMPARE(request.defaultFileName, QStringLiteral("beznazwy"));
        QCOMPARE(request.defaultExtension, QStringLiteral(".tf4"));
        QVERIFY(request.confirmOverwrite);
        for (const char *file : {"kopia/nowa.tf4", "kopia/nowa.0", "kopia/nowa.1", "kopia/nowa.2", "kopia/nowa.tlz",
                                 "kopia/nowa.tnt"})
            QVERIFY2(f.exists(QString::fromLatin1(file)), file);
        QVERIFY(!f.exists("kopia/nowa.3"));
        QCOMPARE(f.db.databaseName, QStringLiteral("nowa"));
        QCOMPARE(f.db.currentPeriod, 2);
        QCOMPARE(f.db.plannedCount(), 2);
        QCOMPARE(f.db.reg(RegisterKind::planned).entries.first().amount, 20.0);
        QCOMPARE(f.widget<QComboBox>("biezacyokres")->currentIndex(), 1);
        QCOMPARE(f.widget<QLineEdit>("ilosc_l")->text(), QStringLiteral("2"));
        QVERIFY(!f.db.saveWithoutAsking);
        // The old files keep the period as it was saved before, plus the change saved first.
        QCOMPARE(f.bytes("kopia/nowa.1"), f.bytes("budzet.1"));
        QCOMPARE(f.bytes("kopia/nowa.2"), f.bytes("budzet.2"));
    }

    // A period that cannot be read stops the copy: the old name stays the open database and no
    // period file is written with another period's data.
    void saveUnderANewNameStopsAtAnUnreadablePeriod()
    {
        Fixture f;
        f.createDatabase();
        f.withOptions([](Topcjebazy &o) {
            o.dodajClick();
            o.dodajClick();
        });
        f.addEntry(RegisterKind::expenses, entry("01-06-2004", 33, 1, "trzeci"));
        f.window.databaseCommands()->zapisz6Click();
        f.window.biezacyokresChange(0);
        QFile broken(f.path("budzet.1"));
        QVERIFY(broken.open(QIODevice::WriteOnly | QIODevice::Truncate));
        broken.write("zepsuty");
        broken.close();
        f.desktop.fileChoices.enqueue(f.path("nowa.tf4"));
        f.window.databaseCommands()->Zapiszjako1Click();
        QCOMPARE(f.messages().last(), QStringLiteral("Niepoprawny format pliku. Pamiętaj:"));
        QVERIFY(!f.exists("nowa.1"));
        QVERIFY(!f.exists("nowa.2"));
        QCOMPARE(f.db.databaseName, QStringLiteral("budzet"));
        QCOMPARE(f.db.currentPeriod, 1);
        QVERIFY(f.db.databaseLoaded);
    }

    // A deletion stopped past its commit point (a file that could not be removed) is finished
    // by the next "Nowy" of that name, which says so before it creates the new database.
    void newDatabaseFinishesAnInterruptedDeletion()
    {
        Fixture f;
        f.createDatabase();
        RemovalRefused keeping(QStringLiteral("budzet.0"));
        {
            const FileOperations::Override stopped(keeping);
            f.desktop.dialogScripts.enqueue([&f](QDialog &d) {
                f.desktop.dialogScripts.enqueue(press("tak"));
                static_cast<Topcjebazy &>(d).UsunClick();
            });
            f.window.databaseCommands()->opcje4Click();
        }
        QVERIFY(f.exists("budzet.tfx"));
        QVERIFY(f.exists("budzet.0"));
        if (f.db.databaseLoaded) {
            f.desktop.answers.enqueue(true);
            f.window.databaseCommands()->zamknij3Click();
        }
        f.desktop.messages.clear();
        f.createDatabase();
        QVERIFY(f.db.databaseLoaded);
        QVERIFY(f.messages().contains(QStringLiteral("Dokończono przerwane usuwanie bazy ")
                                      + QDir::toNativeSeparators(f.path("budzet"))));
        QVERIFY(!f.exists("budzet.tfx"));
        QVERIFY(f.exists("budzet.0"));
        QVERIFY(!f.exists("budzet.0~")); // the deleted database's backups went with it
    }

    void deleteDatabase()
    {
        Fixture f;
        f.createDatabase();
        f.withOptions([](Topcjebazy &o) { o.dodajClick(); });
        // "Nie" in the confirmation keeps everything.
        f.desktop.dialogScripts.enqueue([&f](QDialog &d) {
            f.desktop.dialogScripts.enqueue(press("nie"));
            static_cast<Topcjebazy &>(d).UsunClick();
            click(d, "ok");
        });
        f.window.databaseCommands()->opcje4Click();
        QVERIFY(f.db.databaseLoaded);
        QVERIFY(f.exists("budzet.tf4"));

        f.desktop.dialogScripts.enqueue([&f](QDialog &d) {
            f.desktop.dialogScripts.enqueue([](QDialog &confirm) {
                QCOMPARE(confirm.windowTitle(), QStringLiteral("Usunięcie bazy danych"));
                QCOMPARE(confirm.findChild<QLabel *>(QStringLiteral("plik"))->text(), QStringLiteral("budzet"));
                QCOMPARE(confirm.findChild<QLabel *>(QStringLiteral("user"))->text(), QStringLiteral("Anonimowy"));
                click(confirm, "tak");
            });
            static_cast<Topcjebazy &>(d).UsunClick();
        });
        f.window.databaseCommands()->opcje4Click();
        QVERIFY(!f.db.databaseLoaded);
        QVERIFY(QDir(f.dir.path()).isEmpty());
        QCOMPARE(f.desktop.messages.last(),
                 (ScriptedDesktop::Message{"Usunięto bazę danych", "Wszystkie pliki bazy zostały skasowane", "Trelfin",
                                           false}));
        QVERIFY(!f.action("actionSave")->isEnabled());
        QCOMPARE(f.karta()->currentIndex(), 0);
    }

    // The access password: set in the options, asked at open, compared exactly on its first
    // 10 characters.
    void password_data()
    {
        QTest::addColumn<QString>("password");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("opens");
        const QString secret = QStringLiteral("Tajne12345");
        QTest::newRow("exact") << secret << "Tajne12345" << true;
        QTest::newRow("longer, first 10 equal") << secret << "Tajne12345xyz" << true;
        QTest::newRow("other case") << secret << "tajne12345" << false;
        QTest::newRow("shorter") << secret << "Tajne1234" << false;
        QTest::newRow("empty") << secret << "" << false;
        // A character the file cannot hold is fitted the same way when set and when typed, so the
        // password that was accepted opens the database again.
        QTest::newRow("outside the code page") << QStringLiteral("kawaè") << QStringLiteral("kawaè") << true;
        QTest::newRow("outside the code page, other letter") << QStringLiteral("kawaè") << "kawae" << false;
        QTest::newRow("Polish letters") << QStringLiteral("żółć") << QStringLiteral("żółć") << true;
    }
    void password()
    {
        QFETCH(QString, password);
        QFETCH(QString, typed);
        QFETCH(bool, opens);
        Fixture f;
        f.createDatabase();
        f.desktop.dialogScripts.enqueue([&f, password](QDialog &d) {
            f.desktop.dialogScripts.enqueue(typePasswords(password, password));
            static_cast<Topcjebazy &>(d).hasloClick();
            click(d, "ok");
        });
        f.window.databaseCommands()->opcje4Click();
        QCOMPARE(f.messages().last(), QStringLiteral("Podano nowe hasło"));
        f.desktop.answers.enqueue(true);
        f.window.databaseCommands()->zamknij3Click();

        f.desktop.dialogScripts.enqueue(typeInto("haslo1", typed));
        f.window.databaseCommands()->otworz2Click(f.path("budzet.tf4"));
        QCOMPARE(f.desktop.shownDialogs.last(), QStringLiteral("podajhaslo"));
        QCOMPARE(f.db.databaseLoaded, opens);
        QCOMPARE(f.action("actionSave")->isEnabled(), opens);
        if (!opens) {
            QCOMPARE(f.desktop.messages.last(),
                     (ScriptedDesktop::Message{"Podano złe hasło dostępu", "", "!!! UWAGA !!!", false}));
            QCOMPARE(f.widget<QLineEdit>("uzytkownik")->text(), QStringLiteral("b.d."));
        }
    }

    void passwordConfirmationAndRemoval()
    {
        Fixture f;
        f.createDatabase();
        // A confirmation that differs says so and keeps the window open; then both empty removes
        // the password.
        f.desktop.dialogScripts.enqueue([&f](QDialog &d) {
            f.desktop.dialogScripts.enqueue([&f](QDialog &p) {
                QTest::keyClicks(p.findChild<QLineEdit *>(QStringLiteral("haslo")), QStringLiteral("abc"));
                QTest::keyClicks(p.findChild<QLineEdit *>(QStringLiteral("haslo2")), QStringLiteral("abd"));
                click(p, "ok");
                QVERIFY(p.isVisible());
                QCOMPARE(f.desktop.plainMessages,
                         QStringList({"   Potwierdzenie nie zgadza się z podanym hasłem   "}));
                p.findChild<QLineEdit *>(QStringLiteral("haslo"))->clear();
                p.findChild<QLineEdit *>(QStringLiteral("haslo2"))->clear();
                click(p, "ok");
            });
            static_cast<Topcjebazy &>(d).hasloClick();
            click(d, "ok");
        });
        f.window.databaseCommands()->opcje4Click();
        QCOMPARE(f.desktop.messages.last(),
                 (ScriptedDesktop::Message{"Nie podano hasła", "Dane będą niezabezpieczone", "Trelfin", false}));
        QVERIFY(f.db.header.password.isEmpty());
        f.desktop.answers.enqueue(true);
        f.window.databaseCommands()->zamknij3Click();
        f.window.databaseCommands()->otworz2Click(f.path("budzet.tf4"));
        QVERIFY(f.db.databaseLoaded);
        QVERIFY(!f.desktop.shownDialogs.contains(QStringLiteral("podajhaslo")));
    }

    void programLock()
    {
        Fixture f;
        // Cancelled: nothing happens.
        f.desktop.dialogScripts.enqueue(press("anuluj"));
        f.window.databaseCommands()->blokuj8Click();
        QVERIFY(f.window.isVisible());
        QCOMPARE(f.desktop.shownDialogs, QStringList({"podaniehasla"}));

        f.desktop.dialogScripts.enqueue(typePasswords(QStringLiteral("klucz"), QStringLiteral("klucz")));
        QDialog other; // an open find window, say
        other.show();
        f.desktop.dialogScripts.enqueue([&f, &other](QDialog &lock) {
            QVERIFY(!f.window.isVisible());
            QVERIFY(!other.isVisible());
            QCOMPARE(lock.windowTitle(), QStringLiteral("Trelfin: Program zablokowany"));
            QVERIFY(!lock.windowFlags().testFlag(Qt::WindowCloseButtonHint));
            auto *edit = lock.findChild<QLineEdit *>(QStringLiteral("haslo1"));
            // Neither the frame, Escape nor a wrong or longer password closes it.
            lock.close();
            QVERIFY(lock.isVisible());
            QTest::keyClick(&lock, Qt::Key_Escape);
            QVERIFY(lock.isVisible());
            QTest::keyClicks(edit, QStringLiteral("klucz!"));
            QTest::keyClick(edit, Qt::Key_Return);
            QVERIFY(lock.isVisible());
            QCOMPARE(f.desktop.plainMessages, QStringList({"   Błędne hasło dostępu   "}));
            edit->clear();
            QTest::keyClicks(edit, QStringLiteral("klucz"));
            QTest::keyClick(edit, Qt::Key_Return);
            QVERIFY(!lock.isVisible());
        });
        f.window.databaseCommands()->blokuj8Click();
        QVERIFY(f.window.isVisible());
        QVERIFY(other.isVisible());
        QCOMPARE(f.desktop.shownDialogs.last(), QStringLiteral("dialogblokujacy"));
    }

    // A database with a ".tf3" record, or without its shopping-list file, is one of the previous
    // version, unless its extension is exactly ".tfc"; the record then becomes "<name>.tf4" at the
    // next save. A shopping list that is there but damaged (short, a folder) does not count.
    void previousVersionNotice_data()
    {
        QTest::addColumn<QString>("extension");
        QTest::addColumn<QString>("shoppingList"); // missing, short, folder
        QTest::addColumn<bool>("previousVersion");
        QTest::newRow(".tf3") << ".tf3" << "missing" << true;
        QTest::newRow(".tfc") << ".tfc" << "missing" << false;
        QTest::newRow(".TFC in capitals") << ".TFC" << "missing" << true;
        QTest::newRow(".tf4, short list") << ".tf4" << "short" << false;
        QTest::newRow(".tf4, a folder for the list") << ".tf4" << "folder" << false;
        QTest::newRow(".tf3, short list") << ".tf3" << "short" << true;
    }
    void previousVersionNotice()
    {
        QFETCH(QString, extension);
        QFETCH(QString, shoppingList);
        QFETCH(bool, previousVersion);
        Fixture f;
        f.createDatabase();
        f.desktop.answers.enqueue(true);
        f.window.databaseCommands()->zamknij3Click();
        QVERIFY(QFile::remove(f.path("budzet.tlz")));
        if (shoppingList == u"short")
            test::writeFileBytes(f.path("budzet.tlz"), QByteArray(100, 'x'));
        else if (shoppingList == u"folder")
            QVERIFY(QDir(f.dir.path()).mkdir(QStringLiteral("budzet.tlz")));
        if (extension != u".tf4")
        QVERIFY(QFile::rename(f.path("budzet.tf4"), f.path("budzet" + extension)));

        f.desktop.messages.clear();
        f.window.databaseCommands()->otworz2Click(f.path("budzet" + extension));
        QVERIFY(f.db.databaseLoaded);
        QCOMPARE(f.db.oldFormatPending, previousVersion);
        const ScriptedDesktop::Message notice{"Otwierasz starszą wersję bazy:", "baza otrzyma nowe rozszerzenie - .tf4",
                                              "Uwaga!", false};
        QCOMPARE(f.desktop.messages.contains(notice), previousVersion);
        if (previousVersion) {
            f.addEntry(RegisterKind::incomes, entry("12-05-2004", 10, 0, "pensja"));
            f.window.databaseCommands()->zapisz6Click();
            QVERIFY(f.exists("budzet.tf4"));
            QVERIFY(f.exists("budzet.tlz"));
            QCOMPARE(f.exists("budzet" + extension), extension == QStringLiteral(".TFC"));
            QCOMPARE(f.exists("budzet.tlz.uszkodzony"), shoppingList == u"short");
        }
    }

    // A lock that cannot be taken says why: a folder that is not there, or one that cannot be
    // written (checked only where the user is refused writes, not as root), is not "open in
    // another window".
    void lockRefusalsSayWhy()
    {
        Fixture f;
        f.createDatabase();
        const QString missing = f.path("brak") + u'/';
        f.desktop.fileChoices.enqueue(missing + QStringLiteral("kopia.tf4"));
        f.window.databaseCommands()->Zapiszjako1Click();
        QCOMPARE(f.desktop.messages.last(),
                 (ScriptedDesktop::Message{QStringLiteral("Folder %1 nie istnieje").arg(QDir::toNativeSeparators(missing)),
                                           QString(), QStringLiteral("Trelfin"), false}));
        QVERIFY(f.db.databaseLoaded);
        QCOMPARE(f.db.databaseName, QStringLiteral("budzet"));

        f.desktop.answers.enqueue(true);
        f.window.databaseCommands()->zamknij3Click();
        QTemporaryDir readOnly;
        test::writeFileBytes(readOnly.filePath(QStringLiteral("stara.tf4")), f.bytes("budzet.tf4"));
        QVERIFY(QFile::setPermissions(readOnly.path(), QFile::ReadOwner | QFile::ExeOwner));
        const auto writable = qScopeGuard([&readOnly] {
            QFile::setPermissions(readOnly.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        });
        if (QFileInfo(readOnly.path()).isWritable())
            QSKIP("this user writes into read-only folders");
        f.window.databaseCommands()->otworz2Click(readOnly.filePath(QStringLiteral("stara.tf4")));
        QVERIFY(!f.db.databaseLoaded);
        QCOMPARE(f.desktop.messages.last().line1, QStringLiteral("Folder bazy jest tylko do odczytu"));
    }

    // A database is open in one window at a time: another window of the program is refused
    // until the first closes it.
    void databaseOpenInOneWindowOnly()
    {
        Fixture first;
        first.createDatabase();
        Fixture second;
        second.window.databaseCommands()->otworz2Click(first.path("budzet.tf4"));
        QVERIFY(!second.db.databaseLoaded);
        QCOMPARE(second.desktop.messages.last(),
                 (ScriptedDesktop::Message{"Baza jest otwarta w innym oknie programu",
                                           "Zamknij ją tam, aby otworzyć ją tutaj", "Trelfin", false}));
        // Nor can it create a database of that name or save under it.
        second.desktop.fileChoices.enqueue(first.path("budzet.tf4"));
        second.window.databaseCommands()->nowa1Click();
        QVERIFY(!second.db.databaseLoaded);
        QCOMPARE(second.desktop.messages.last().line1, QStringLiteral("Baza jest otwarta w innym oknie programu"));

        first.desktop.answers.enqueue(true);
        first.window.databaseCommands()->zamknij3Click();
        second.window.databaseCommands()->otworz2Click(first.path("budzet.tf4"));
        QVERIFY(second.db.databaseLoaded);
    }

    // The group-set editor stores every name padded to 10, a cleared cell as 10 blanks; renaming
    // group 5 renames the group of its entries.
    void groupSetEditor()
    {
        Fixture f;
        f.createDatabase();
        f.addEntry(RegisterKind::expenses, entry("02-05-2004", 40, 5, "rachunek"));
        f.window.RefreshRegisterGrids();
        f.desktop.dialogScripts.enqueue([](QDialog &d) {
            QCOMPARE(d.windowTitle(), QStringLiteral("Edycja zbioru grup wydatków"));
            auto *grid = d.findChild<QTableWidget *>(QStringLiteral("grupy"));
            QCOMPARE(grid->rowCount(), 30);
            QCOMPARE(grid->item(4, 0)->text(), QStringLiteral("5"));
            QCOMPARE(grid->item(4, 1)->text(), QStringLiteral("PRĄD      "));
            grid->item(4, 1)->setText(QStringLiteral("ŚWIATŁO"));
            grid->item(29, 1)->setText(QString());
            click(d, "ok");
        });
        f.db.modified = false;
        f.window.groupSetCommands()->Edycjagrup1Click();
        QCOMPARE(f.db.header.groupNames[5], QStringLiteral("ŚWIATŁO   "));
        QCOMPARE(f.db.header.groupNames[30], QString(10, u' '));
        QCOMPARE(f.db.header.groupNames[16], QStringLiteral("INNE1     "));
        QVERIFY(f.db.modified);
        QCOMPARE(f.window.registerPage(RegisterKind::expenses)->model()->cellText(0, 2), QStringLiteral("ŚWIATŁO   "));

        // "Domyślne" then "Anuluj": the defaults stay, padded by the closing.
        f.desktop.dialogScripts.enqueue([&f](QDialog &d) {
            f.desktop.answers.enqueue(true);
            click(d, "domyslne");
            QCOMPARE(f.desktop.messages.last(),
                     (ScriptedDesktop::Message{"Czy przywrócić domyślne nazwy grup?", "", "Trelfin", true}));
            click(d, "anuluj");
        });
        f.window.groupSetCommands()->Edycjagrup1Click();
        QCOMPARE(f.db.header.groupNames[5], QStringLiteral("PRĄD      "));
        QCOMPARE(f.db.header.groupNames[30], QStringLiteral("INNE15    "));
    }

    // Export and import of the group set, from the menu and from the options window alike.
    // What was typed as the owner, the notes and the switch survives the buttons that lead to
    // other windows and questions; OK stores it.
    void optionsKeepWhatWasTyped_data()
    {
        QTest::addColumn<QString>("button");
        QTest::newRow("Edycja zbioru grup") << "edycjagrup"; // the editor closed by its frame
        QTest::newRow("Import zbioru grup") << "import";     // the file dialog cancelled
        QTest::newRow("Eksport zbioru grup") << "export";
        QTest::newRow("Dodaj okres") << "dodaj";
        QTest::newRow("Usuń okres") << "usunokres";          // answered "Nie"
        QTest::newRow("Zmiana hasła") << "haslo";            // the password window closed
    }
    void optionsKeepWhatWasTyped()
    {
        QFETCH(QString, button);
        Fixture f;
        f.createDatabase();
        f.withOptions([&](Topcjebazy &o) {
            o.findChild<QLineEdit *>(QStringLiteral("uzytkownik"))->setText(QStringLiteral("Jan Kowalski"));
            o.findChild<QPlainTextEdit *>(QStringLiteral("innedane"))->setPlainText(QStringLiteral("konto w PKO"));
            o.findChild<QCheckBox *>(QStringLiteral("czypytac"))->setChecked(false);
            click(o, button.toLatin1().constData());
            QCOMPARE(o.findChild<QLineEdit *>(QStringLiteral("uzytkownik"))->text(), QStringLiteral("Jan Kowalski"));
            QCOMPARE(o.findChild<QPlainTextEdit *>(QStringLiteral("innedane"))->toPlainText(), QStringLiteral("konto w PKO"));
            QVERIFY(!o.findChild<QCheckBox *>(QStringLiteral("czypytac"))->isChecked());
        });
        QCOMPARE(f.db.header.ownerName, QStringLiteral("Jan Kowalski"));
        QCOMPARE(f.db.header.otherData, QStringLiteral("konto w PKO"));
        QCOMPARE(f.db.header.confirmDeletes, 0);
    }

    void groupSetExportAndImport()
    {
        Fixture f;
        f.createDatabase();
        f.db.header.groupNames[2] = QStringLiteral("UBRANIA");
        f.desktop.fileChoices.enqueue(f.path("grupy.tgr"));
        f.window.groupSetCommands()->Eksportgrup1Click();
        QCOMPARE(f.desktop.fileRequests.last().title, QStringLiteral("Eksportuj zbiór grup:"));
        QCOMPARE(f.desktop.fileRequests.last().defaultFileName, QStringLiteral("beznazwy"));
        QVERIFY(f.desktop.fileRequests.last().confirmOverwrite);
        QCOMPARE(f.messages().last(), QStringLiteral("Operację wykonano poprawnie"));
        QCOMPARE(f.bytes("grupy.tgr").size(), 330);

        f.db.header.groupNames[2] = QStringLiteral("INNE");
        f.db.modified = false;
        f.withOptions([&f](Topcjebazy &o) {
            f.desktop.fileChoices.enqueue(f.path("grupy.tgr"));
            o.importClick();
        });
        QCOMPARE(f.desktop.fileRequests.last().title, QStringLiteral("Importuj zbiór grup:"));
        QVERIFY(f.desktop.fileRequests.last().mustExist);
        QCOMPARE(f.db.header.groupNames[2], QStringLiteral("UBRANIA"));
        QVERIFY(f.db.modified);
        QCOMPARE(f.desktop.messages.at(f.desktop.messages.size() - 1).line2, QStringLiteral("Wczytano nowy opis grup"));
    }

    // The import of a 2000-version database converts every file before the password is asked;
    // a wrong password leaves the converted database on disk, closed.
    void importDatabase2000()
    {
        Fixture f;
        test::writeDatabase2000(f.dir.path(), QStringLiteral("stara"), QStringLiteral("tajne"));
        const auto files = [&f] { return folderContents(f.dir.path()); };
        const QMap<QString, QByteArray> before = files();
        // The password is asked before anything is converted; a wrong one changes no file.
        f.desktop.fileChoices.enqueue(f.path("stara.tfc"));
        f.desktop.dialogScripts.enqueue([&f](QDialog &d) {
            QCOMPARE(d.objectName(), QStringLiteral("podajhaslo"));
            QVERIFY(f.exists("stara.tfc"));
            QVERIFY(!f.exists("stara.tf4"));
            typeInto("haslo1", QStringLiteral("zle"))(d);
        });
        f.window.databaseCommands()->Importujdane1Click();
        QCOMPARE(f.desktop.fileRequests.last().title, QStringLiteral("Importuj bazę:"));
        QVERIFY(!f.db.databaseLoaded);
        QCOMPARE(f.messages().last(), QStringLiteral("Podano złe hasło dostępu"));
        QCOMPARE(f.db.pendingAction, PendingAction::none);
        QCOMPARE(files(), before);

        // With the right one it is converted and open.
        f.desktop.fileChoices.enqueue(f.path("stara.tfc"));
        f.desktop.dialogScripts.enqueue(typeInto("haslo1", QStringLiteral("tajne")));
        f.window.databaseCommands()->Importujdane1Click();
        QVERIFY(f.db.databaseLoaded);
        QVERIFY(!f.exists("stara.tfc"));
        QCOMPARE(f.db.expenseCount(), 1);
        f.desktop.answers.enqueue(true);
        f.window.databaseCommands()->zamknij3Click();

        // Opened again, it is a database of today's layout, period 1 current.
        f.desktop.dialogScripts.enqueue(typeInto("haslo1", QStringLiteral("tajne")));
        f.window.databaseCommands()->otworz2Click(f.path("stara.tf4"));
        QVERIFY(f.db.databaseLoaded);
        QCOMPARE(f.db.currentPeriod, 1);
        QCOMPARE(f.db.expenseCount(), 1);
        QCOMPARE(f.db.reg(RegisterKind::expenses).entries.first().amount, 1.5);
        QVERIFY(!f.desktop.messages.contains(ScriptedDesktop::Message{
            "Otwierasz starszą wersję bazy:", "baza otrzyma nowe rozszerzenie - .tf4", "Uwaga!", false}));
    }

    // An import stopped past its commit point (here: the old ".tfc" could not be removed) is
    // completed by the next "Importuj" of that file, which opens the result, converted once.
    void interruptedImportIsCompleted()
    {
        Fixture f;
        test::writeDatabase2000(f.dir.path(), QStringLiteral("stara"), QString());
        RemovalRefused keeping(QStringLiteral(".tfc"));
        {
            const FileOperations::Override stopped(keeping);
            f.desktop.fileChoices.enqueue(f.path("stara.tfc"));
            f.window.databaseCommands()->Importujdane1Click();
        }
        QVERIFY(f.exists("stara.tfc"));
        QVERIFY(f.exists("stara.tfx"));
        if (f.db.databaseLoaded) {
            f.desktop.answers.enqueue(true);
            f.window.databaseCommands()->zamknij3Click();
        }
        f.desktop.messages.clear();
        f.desktop.fileChoices.enqueue(f.path("stara.tfc"));
        f.window.databaseCommands()->Importujdane1Click();
        QVERIFY2(f.db.databaseLoaded, qPrintable(f.messages().join(u'\n')));
        QCOMPARE(f.db.databaseExt, QStringLiteral(".tf4"));
        QCOMPARE(f.db.expenseCount(), 1);
        QCOMPARE(f.db.reg(RegisterKind::expenses).entries.first().amount, 1.5);
        QVERIFY(!f.exists("stara.tfc"));
        QVERIFY(!f.exists("stara.tfx"));
        for (const QString &said : f.messages())
            QVERIFY2(!said.startsWith(QStringLiteral("Nie można odczytać pliku")), qPrintable(said));
    }

    // A recovery file left by a run that ended without saving is offered at the next open:
    // "Przywróć" brings the changes back as unsaved ones (a save then writes them and the file
    // goes), "Odrzuć" keeps the file aside once, "Pokaż później" and Escape leave it for the next
    // open, untouched by this run's saves. A damaged one is said and kept aside.
    void recoveryOfferedAtOpen_data()
    {
        QTest::addColumn<int>("choice"); // -1: Escape; -2: the file is damaged
        QTest::newRow("Przywróć") << 0;
        QTest::newRow("Odrzuć") << 1;
        QTest::newRow("Pokaż później") << 2;
        QTest::newRow("Escape") << -1;
        QTest::newRow("damaged") << -2;
    }
    void recoveryOfferedAtOpen()
    {
        QFETCH(int, choice);
        Fixture f;
        f.createDatabase();
        f.addEntry(RegisterKind::expenses, entry("01-05-2004", 7, 1, "niezapisane"));
        QString reason;
        QByteArray recovery = RecoveryBytes({f.db, QDateTime::currentDateTimeUtc().addSecs(5)});
        if (choice == -2)
            recovery[100] = char(recovery[100] ^ 1);
        f.db.modified = false; // as if the program had ended there
        f.window.databaseCommands()->zamknij3Click(); // "Nie" to the question
        const QString path = f.path("budzet.tfr");
        test::writeFileBytes(path, recovery);

        f.desktop.messages.clear();
        if (choice != -2)
            f.desktop.choices.enqueue(choice);
        f.window.databaseCommands()->otworz2Click(f.path("budzet.tf4"));
        QVERIFY(f.db.databaseLoaded);
        if (choice == -2) {
            QVERIFY(f.messages().first().startsWith(QStringLiteral("Nie można użyć pliku odzyskiwania budzet.tfr")));
            QVERIFY(!QFile::exists(path));
            QCOMPARE(f.bytes("budzet.tfr~"), recovery);
            return;
        }
        const QRegularExpression offer(QStringLiteral("^Znaleziono niezapisane zmiany z \\d\\d\\.\\d\\d\\.\\d{4} \\d\\d:\\d\\d\\. Przywrócić je\\?$"));
        QVERIFY2(offer.match(f.desktop.messages.first().line1).hasMatch(), qPrintable(f.desktop.messages.first().line1));
        QCOMPARE(f.db.modified, choice == 0);
        QCOMPARE(f.db.expenseCount(), choice == 0 ? 1 : 0);
        if (choice == 1) {
            QVERIFY(!QFile::exists(path));
            QCOMPARE(f.bytes("budzet.tfr~"), recovery);
            return;
        }
        // A save writes what was restored, and a file waiting for a decision stays as it was.
        f.addEntry(RegisterKind::incomes, entry("02-05-2004", 5, 0, "potem"));
        f.window.databaseCommands()->zapisz6Click();
        QCOMPARE(QFile::exists(path), choice != 0);
        if (choice != 0)
            QCOMPARE(f.bytes("budzet.tfr"), recovery);
        f.window.databaseCommands()->zamknij3Click();
        Database reread;
        test::RecordingSink sink;
        QVERIFY(OpenDatabase(reread, f.path("budzet.tf4"), OpenMode::readOnly, sink));
        QVERIFY(LoadPeriod(reread, 0, sink));
        QCOMPARE(reread.expenseCount(), choice == 0 ? 1 : 0);
        QCOMPARE(reread.incomeCount(), 1);
    }

    // Cut in one period and pasted in another, entries move between periods whole.
    void cutAndPasteBetweenPeriods()
    {
        Fixture f;
        f.createDatabase();
        f.withOptions([](Topcjebazy &o) { o.dodajClick(); }); // period 2, now current
        f.desktop.answers.enqueue(true);
        f.window.biezacyokresChange(0);
        QCOMPARE(f.db.currentPeriod, 1);
        f.addEntry(RegisterKind::expenses, entry("03-05-2004", 12.5, 4, "przenoszony"));
        f.window.showPage(Tmain::ExpensesTab);
        f.window.registerPage(RegisterKind::expenses)->selectRow(1);
        f.db.header.confirmDeletes = 0;
        f.action("actionCut")->trigger();
        QCOMPARE(f.db.expenseCount(), 0);
        f.desktop.answers.enqueue(true); // save period 1 without the entry
        f.window.biezacyokresChange(1);
        QCOMPARE(f.db.currentPeriod, 2);
        f.window.showPage(Tmain::ExpensesTab);
        f.action("actionPaste")->trigger();
        QCOMPARE(f.db.reg(RegisterKind::expenses).entries, (QVector<Entry>{entry("03-05-2004", 12.5, 4, "przenoszony")}));
        f.window.databaseCommands()->zapisz6Click();
        Database reread;
        test::RecordingSink sink;
        QVERIFY(OpenDatabase(reread, f.path("budzet.tf4"), OpenMode::readOnly, sink));
        QVERIFY(LoadPeriod(reread, 0, sink));
        QCOMPARE(reread.expenseCount(), 0);
        QVERIFY(LoadPeriod(reread, 1, sink));
        QCOMPARE(reread.reg(RegisterKind::expenses).entries, (QVector<Entry>{entry("03-05-2004", 12.5, 4, "przenoszony")}));
    }

    // The title names the open database and marks unsaved changes; a save says so in the
    // status line.
    void titleAndSaveStatus()
    {
        Fixture f;
        QCOMPARE(f.window.windowTitle(), QStringLiteral("Trelfin 4 LX"));
        f.createDatabase();
        QCOMPARE(f.window.windowTitle(), QStringLiteral("budzet[*] — Trelfin 4 LX"));
        QVERIFY(!f.window.isWindowModified());
        f.addEntry(RegisterKind::expenses, entry("01-05-2004", 7, 1, "chleb"));
        f.window.updateWindowTitle();
        QVERIFY(f.window.isWindowModified());
        f.window.databaseCommands()->zapisz6Click();
        QVERIFY(!f.window.isWindowModified());
        QCOMPARE(f.window.statusText(1), QStringLiteral("Zapisano okres %1 w %2")
                                             .arg(f.db.currentPeriodInfo().periodName.trimmed(),
                                                  QDir::toNativeSeparators(f.path("budzet.tf4"))));
        f.desktop.answers.enqueue(true);
        f.window.databaseCommands()->zamknij3Click();
        QCOMPARE(f.window.windowTitle(), QStringLiteral("Trelfin 4 LX"));
    }

    // The "Plik" menu lists the last five databases opened, newest first, under Alt+1..5; one
    // whose file is gone shows disabled; an item opens its database; "Wyczyść listę" empties it.
    void recentDatabases()
    {
        Fixture f;
        RecentDatabases *recent = f.window.databaseCommands()->recentDatabases();
        recent->clear();
        for (int i = 1; i <= 6; ++i) {
            f.createDatabase(QStringLiteral("baza%1").arg(i));
            f.desktop.answers.enqueue(true);
            f.window.databaseCommands()->zamknij3Click();
        }
        QStringList expected;
        for (int i = 6; i >= 2; --i)
            expected.append(QFileInfo(f.path(QStringLiteral("baza%1.tf4").arg(i))).absoluteFilePath());
        QCOMPARE(recent->paths(), expected);
        // Kept in the settings file: a new window reads the same list.
        QCOMPARE(RecentDatabases().paths(), expected);
        const QList<QAction *> items = recent->actions();
        QCOMPARE(items.first()->text(), QStringLiteral("&1 baza6.tf4"));
        QCOMPARE(items.first()->shortcut(), QKeySequence(Qt::ALT | Qt::Key_1));
        QCOMPARE(items.at(4)->text(), QStringLiteral("&5 baza2.tf4"));
        QVERIFY(f.action("actionRecent1"));

        QVERIFY(QFile::remove(f.path("baza4.tf4")));
        recent->refreshActions();
        QVERIFY(!items.at(2)->isEnabled());
        QVERIFY(items.at(1)->isEnabled());

        items.at(1)->trigger();
        QVERIFY(f.db.databaseLoaded);
        QCOMPARE(f.db.databaseName, QStringLiteral("baza5"));
        QCOMPARE(recent->paths().first(), expected.at(1));

        f.window.findChild<QAction *>(QStringLiteral("actionRecentClear"))->trigger();
        QVERIFY(recent->paths().isEmpty());
        QVERIFY(!items.first()->isVisible());
    }

    void commandsWithoutADatabase()
    {
        Fixture f;
        f.window.databaseCommands()->zapisz6Click();
        f.window.databaseCommands()->zamknij3Click();
        f.window.databaseCommands()->opcje4Click();
        QCOMPARE(f.messages(), QStringList({"Brak załadowanej bazy", "Brak bazy danych", "Brak załadowanej bazy"}));
    }
};

QTEST_MAIN(TestDatabaseCommands)
#include "tst_databasecommands.moc"
