#include "mainwindowfixture.h"
#include "ui/reports/chartspage.h"
#include "ui/reports/chartwindows.h"
#include "ui/reports/spandialogs.h"
#include "ui/reports/statementpage.h"
#include "ui/reports/summarypage.h"
#include "core/store/helpers.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>

#include <cmath>
#include <functional>
#include <memory>

using namespace trelfin;

namespace {

struct Fixture : test::MainWindowFixture
{
    Fixture()
    {
        SetDefaultGroups(db.header);
        db.header.ownerName = QStringLiteral("Anna Nowak");
        db.header.periodCount = 1;
        db.header.periods[1] = {QStringLiteral("01.01.2004brak"), QStringLiteral("maj")};
        add(RegisterKind::expenses, "03-05-2004", 100, 1);
        add(RegisterKind::expenses, "20-05-2004", 300, 2);
        add(RegisterKind::incomes, "01-05-2004", 1250.5, 0);
        add(RegisterKind::planned, "10-05-2004", 50, 3);
        add(RegisterKind::planned, "11-06-2004", 150, 7);
        add(RegisterKind::planned, "01-05-2004", 500, SettledGroup);
        markOpen();
    }

    void add(RegisterKind kind, const char *date, double amount, int group)
    {
        db.reg(kind).append(Entry{QString::fromLatin1(date), amount, static_cast<std::uint8_t>(group), QString()});
    }

    QString field(const char *name) { return widget<QLineEdit>(name)->text(); }
    QString caption(const char *name) { return widget<QLabel>(name)->text(); }

    QStringList gridRow(const char *grid, int row)
    {
        const auto *g = widget<QTableWidget>(grid);
        QStringList cells;
        for (int c = 0; c < g->columnCount(); ++c)
            cells.append(g->item(row, c) ? g->item(row, c)->text() : QString());
        return cells;
    }

    // Presses a span button of a page; the dialog it opens gets the texts typed and is closed by
    // Enter, or by its frame when `byFrame`.
    void chooseSpan(GroupSummaryPage *page, const char *button, const QString &od, const QString &dod = QString(),
                    bool byFrame = false)
    {
        desktop.dialogScripts.enqueue([=](QDialog &dialog) {
            auto *first = dialog.findChild<QLineEdit *>(QStringLiteral("od"));
            first->selectAll();
            QTest::keyClicks(first, od);
            if (auto *second = dialog.findChild<QLineEdit *>(QStringLiteral("dod"))) {
                second->selectAll();
                QTest::keyClicks(second, dod);
            }
            if (byFrame)
                dialog.close();
            else
                QTest::keyClick(first, Qt::Key_Return);
        });
        widget<QPushButton>(page, button)->click();
    }
};

} // namespace

class TestReportPages : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Polish, QLocale::Poland)); }

    void balancePageInPolishFormat()
    {
        Fixture f;
        f.clickTab(Tmain::BalanceTab);
        QCOMPARE(f.field("btoday"), QStringLiteral("12.05.2004 "));
        QCOMPARE(f.field("bokres"), QStringLiteral("maj"));
        QCOMPARE(f.field("bprzychod"), QStringLiteral("1250,50"));
        QCOMPARE(f.field("brozchod"), QStringLiteral("400,00"));
        QCOMPARE(f.field("bdata"), QStringLiteral("Od 03-05-2004 do 20-05-2004"));
        QCOMPARE(f.caption("typbilansu"), QStringLiteral("Całkowity"));
        QCOMPARE(f.gridRow("bilans", 0), QStringList({"ŻYWNOŚĆ   ", "1", "100,00", "25,0000"}));
        QCOMPARE(f.gridRow("bilans", 1), QStringList({"ODZIEŻ    ", "1", "300,00", "75,0000"}));
        QCOMPARE(f.gridRow("bilans", 29), QStringList({"INNE15", "0", "", ""}));

        // "Rosnąco" (rising) lists the smallest sum first, "Malejąco" (falling) the largest.
        f.widget<QRadioButton>("Malejaco")->click();
        QCOMPARE(f.gridRow("bilans", 0).first(), QStringLiteral("ODZIEŻ    "));
        f.widget<QRadioButton>("Rosnaco")->click();
        QCOMPARE(f.gridRow("bilans", 29), QStringList({"ODZIEŻ    ", "1", "300,00", "75,0000"}));
        QCOMPARE(f.gridRow("bilans", 0), QStringList({"KOSMETYKI ", "0", "", ""}));

        // Amounts, counts and percents stand right-aligned, as in the register grids.
        const auto *cell = f.widget<QTableWidget>("bilans")->item(29, 2);
        QCOMPARE(Qt::Alignment(cell->textAlignment()) & Qt::AlignHorizontal_Mask, Qt::AlignRight);
        QCOMPARE(Qt::Alignment(f.widget<QTableWidget>("bilans")->item(29, 0)->textAlignment()) & Qt::AlignHorizontal_Mask,
                 Qt::Alignment());
    }

    void balanceDateDialogs()
    {
        Fixture f;
        f.clickTab(Tmain::BalanceTab);
        GroupSummaryPage *page = f.window.balancePage();

        f.chooseSpan(page, "miesieczny", QStringLiteral("052004"));
        QCOMPARE(f.desktop.shownDialogs.last(), QStringLiteral("bmiesiacd"));
        QCOMPARE(f.caption("typbilansu"), QStringLiteral("Miesięczny"));
        QCOMPARE(f.field("bdata"), QStringLiteral("Od 01-05-2004 do 31-05-2004"));
        QCOMPARE(f.db.balanceMode.span.kind, SpanKind::month);
        QVERIFY(f.db.balanceMode.dated);

        f.chooseSpan(page, "podanyokres", QStringLiteral("20052004"), QStringLiteral("04052004"), true);
        QCOMPARE(f.desktop.shownDialogs.last(), QStringLiteral("bokresd"));
        QCOMPARE(f.caption("typbilansu"), QStringLiteral("Na dany okres"));
        QCOMPARE(f.field("bdata"), QStringLiteral("Od 04-05-2004 do 20-05-2004"));
        QCOMPARE(f.field("brozchod"), QStringLiteral("300,00"));
        QCOMPARE(f.field("bprzychod"), QStringLiteral("0,00"));
        QCOMPARE(f.gridRow("bilans", 1), QStringList({"ODZIEŻ    ", "1", "300,00", "100,0000"}));
        QCOMPARE(f.gridRow("bilans", 0), QStringList({"ŻYWNOŚĆ   ", "0", "", ""}));

        // A year left blank gives a balance for today only.
        f.chooseSpan(page, "roczny", QString());
        QCOMPARE(f.desktop.shownDialogs.last(), QStringLiteral("brokd"));
        QCOMPARE(f.caption("typbilansu"), QStringLiteral("Roczny"));
        QCOMPARE(f.field("bdata"), QStringLiteral("Od 12-05-2004 do 12-05-2004"));
        QCOMPARE(f.field("brozchod"), QStringLiteral("0,00"));
        QCOMPARE(f.gridRow("bilans", 0), QStringList({"ŻYWNOŚĆ   ", "", "", ""}));

        QTest::mouseClick(f.widget<QPushButton>(page, "calkowity"), Qt::LeftButton);
        QCOMPARE(f.caption("typbilansu"), QStringLiteral("Całkowity"));
        QCOMPARE(f.field("brozchod"), QStringLiteral("400,00"));
    }

    // The caption of a dated page recomputed on entry names the span it shows, while the other
    // page shows another kind of span.
    void captionFollowsTheSpanShown()
    {
        Fixture f;
        f.clickTab(Tmain::BalanceTab);
        f.chooseSpan(f.window.balancePage(), "miesieczny", QStringLiteral("052004"));
        f.clickTab(Tmain::ForecastTab);
        f.chooseSpan(f.window.forecastPage(), "SpeedButton64", QStringLiteral("2004"));
        QCOMPARE(f.desktop.shownDialogs.last(), QStringLiteral("prokd"));
        QCOMPARE(f.db.forecastMode.span.kind, SpanKind::year);
        f.clickTab(Tmain::BalanceTab);
        QCOMPARE(f.caption("typbilansu"), QStringLiteral("Miesięczny"));
        QCOMPARE(f.field("bdata"), QStringLiteral("Od 01-05-2004 do 31-05-2004"));
    }

    void forecastPage()
    {
        Fixture f;
        f.clickTab(Tmain::ForecastTab);
        QCOMPARE(f.field("ptoday"), QStringLiteral("12.05.2004 "));
        QCOMPARE(f.field("pokres"), QStringLiteral("maj"));
        QCOMPARE(f.caption("typprognozy"), QStringLiteral("Całkowita"));
        QCOMPARE(f.field("prozchod"), QStringLiteral("200,00"));
        QCOMPARE(f.field("pdata"), QStringLiteral("Od 10-05-2004 do 11-06-2004"));
        QCOMPARE(f.gridRow("prognoza", 2), QStringList({"KOSMETYKI ", "1", "50,00", "25,0000"}));
        QCOMPARE(f.gridRow("prognoza", 6), QStringList({"TV/RTV    ", "1", "150,00", "75,0000"}));

        f.widget<QRadioButton>("rosnacop")->click();
        QCOMPARE(f.gridRow("prognoza", 29).first(), QStringLiteral("TV/RTV    "));
        f.widget<QRadioButton>("malejacop")->click();
        QCOMPARE(f.gridRow("prognoza", 0).first(), QStringLiteral("TV/RTV    "));

        f.chooseSpan(f.window.forecastPage(), "SpeedButton63", QStringLiteral("062004"));
        QCOMPARE(f.desktop.shownDialogs.last(), QStringLiteral("pmiesiacd"));
        QCOMPARE(f.caption("typprognozy"), QStringLiteral("Miesięczna"));
        QCOMPARE(f.field("prozchod"), QStringLiteral("150,00"));
        QCOMPARE(f.field("pdata"), QStringLiteral("Od 01-06-2004 do 30-06-2004"));
        f.chooseSpan(f.window.forecastPage(), "SpeedButton65", QStringLiteral("01062004"), QStringLiteral("30062004"));
        QCOMPARE(f.desktop.shownDialogs.last(), QStringLiteral("pokresd"));
        QCOMPARE(f.caption("typprognozy"), QStringLiteral("Na dany okres"));
        f.widget<QPushButton>(f.window.forecastPage(), "SpeedButton62")->click();
        QCOMPARE(f.caption("typprognozy"), QStringLiteral("Całkowita"));
        QCOMPARE(f.field("prozchod"), QStringLiteral("200,00"));
    }

    void statementPage()
    {
        Fixture f;
        f.add(RegisterKind::bankAccount, "01-05-2004", 1000, 1);
        f.add(RegisterKind::bankAccount, "02-05-2004", 310, 2);
        f.clickTab(Tmain::StatementTab);
        QCOMPARE(f.field("stanuzytkownik"), QStringLiteral("Anna Nowak"));
        QCOMPARE(f.field("stanokres"), QStringLiteral("maj"));
        QCOMPARE(f.gridRow("stankonta", 0),
                 QStringList({QStringLiteral("A. Przychód").leftJustified(53), "1250,50", "1"}));
        QCOMPARE(f.gridRow("stankonta", 1).mid(1), QStringList({"100,00", "1"}));     // 20-05 is after today
        QCOMPARE(f.gridRow("stankonta", 2).mid(1), QStringList({"1150,50", "n.d."}));
        QCOMPARE(f.gridRow("stankonta", 5).mid(1), QStringList({"50,00", "1"}));
        QCOMPARE(f.gridRow("stankonta", 10).mid(1), QStringList({"", ""}));
        QCOMPARE(f.gridRow("stankonta", 12).mid(1), QStringList({"310,00", "1"}));
        QCOMPARE(f.gridRow("stankonta", 17).mid(1), QStringList({"690,00", "n.d."}));

        // A new day typed and Enter recompute the statement.
        auto *day = f.widget<QLineEdit>("stannadzien");
        day->setFocus();
        day->selectAll();
        QTest::keyClicks(day, QStringLiteral("31122004"));
        QTest::keyClick(day, Qt::Key_Return);
        QCOMPARE(f.gridRow("stankonta", 1).mid(1), QStringList({"400,00", "2"}));
        QCOMPARE(f.gridRow("stankonta", 5).mid(1), QStringList({"200,00", "2"}));

        // Leaving the day field recomputes the statement too.
        day->selectAll();
        QTest::keyClicks(day, QStringLiteral("01052004"));
        f.widget<QPushButton>("odswiez")->setFocus();
        QCOMPARE(f.gridRow("stankonta", 1).mid(1), QStringList({"0,00", "0"}));

        // A half-typed day makes every sum and count zero.
        day->setFocus();
        day->selectAll();
        QTest::keyClicks(day, QStringLiteral("3112"));
        QTest::mouseClick(f.widget<QPushButton>("odswiez"), Qt::LeftButton);
        QCOMPARE(f.gridRow("stankonta", 0).mid(1), QStringList({"0,00", "0"}));
        QCOMPARE(f.gridRow("stankonta", 17).mid(1), QStringList({"0,00", "n.d."}));
    }

    // Every number of a chart's axis stands under the tick or bar it names, at the normal scale
    // too: the middles of the inked runs under the chart are compared with the ticks.
    void axisNumbersStandUnderTheirTicks_data()
    {
        QTest::addColumn<QString>("chart");
        QTest::addColumn<QString>("family");
        QTest::addColumn<int>("hinting");
        for (const char *family : {"DejaVu Sans", "DejaVu Serif", "DejaVu Sans Mono", "DejaVu Sans Condensed"}) {
            for (const QFont::HintingPreference hinting : {QFont::PreferDefaultHinting, QFont::PreferFullHinting, QFont::PreferNoHinting}) {
                for (const char *chart : {"year", "month", "groups"})
                    QTest::addRow("%s, %s, hinting %d", chart, family, int(hinting))
                        << QString::fromLatin1(chart) << QString::fromLatin1(family) << int(hinting);
            }
        }
    }
    void axisNumbersStandUnderTheirTicks()
    {
        QFETCH(QString, chart);
        QFETCH(QString, family);
        QFETCH(int, hinting);
        const QFont desktopFont = QApplication::font();
        const auto restoreFont = qScopeGuard([&desktopFont] { QApplication::setFont(desktopFont); });
        QFont font(family, 9);
        font.setHintingPreference(QFont::HintingPreference(hinting));
        QApplication::setFont(font);
        Fixture f;
        std::unique_ptr<QDialog> window;
        std::function<double(int)> expected;
        if (chart == QLatin1String("groups")) {
            window = std::make_unique<GroupChartWindow>(SummaryReport::balance, f.db, f.desktop);
            expected = [](int i) { return groupBarLeft(i + 1) + GroupBarWidth / 2.0; };
        } else {
            const bool monthly = chart == QLatin1String("month");
            auto lines = std::make_unique<Twykrespaint>(f.db, f.desktop);
            lines->showChart(monthly, QStringLiteral("01-05-2004"), {true, true, true},
                             {QColor(Qt::red), QColor(Qt::blue), QColor(Qt::green)}, false);
            window = std::move(lines);
            expected = [monthly](int i) { return lineChartTickX(monthly, i + 1) + 0.5; };
        }
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        const QImage image = window->grab().toImage();
        const QString text = window->findChild<QLabel *>(QStringLiteral("l11"))->text();
        const int count = int(text.split(u' ', Qt::SkipEmptyParts).size());
        // Each inked column below the ticks (y 332..335) belongs to the nearest tick; the ink of
        // every number must be there and centred on its tick.
        QList<int> first(count, -1), last(count, -1);
        for (int x = 40; x < image.width(); ++x) {
            bool inked = false;
            for (int y = 337; y < 348 && !inked; ++y)
                inked = qGray(image.pixel(x, y)) < 128;
            if (!inked)
                continue;
            int nearest = 0;
            for (int i = 1; i < count; ++i) {
                if (std::abs(x - expected(i)) < std::abs(x - expected(nearest)))
                    nearest = i;
            }
            if (first[nearest] < 0)
                first[nearest] = x;
            last[nearest] = x;
        }
        for (int i = 0; i < count; ++i) {
            const double centre = (first[i] + last[i]) / 2.0;
            QVERIFY2(first[i] >= 0 && std::abs(centre - expected(i)) <= 2,
                     qPrintable(QStringLiteral("number %1 at %2..%3, its tick at %4").arg(i + 1).arg(first[i]).arg(last[i]).arg(expected(i))));
        }
    }

    // Every value label shows all its digits, clear of the ticks at x = 57, however large the
    // largest value.
    void valueLabelsShowEveryDigit_data()
    {
        QTest::addColumn<double>("maximum");
        QTest::newRow("hundreds") << 999.99;
        QTest::newRow("ten thousands") << 16423.39;
        QTest::newRow("millions") << 1234567.89;
        QTest::newRow("tens of billions") << 39999999960.0;
    }
    void valueLabelsShowEveryDigit()
    {
        QFETCH(double, maximum);
        Database db;
        db.reg(RegisterKind::expenses).append(Entry{QStringLiteral("15-07-2004"), maximum, 1, QString()});
        test::ScriptedDesktop desktop;
        Twykrespaint window(db, desktop);
        window.showChart(false, QStringLiteral("01-01-2004"), {true, true, true},
                         {QColor(Qt::red), QColor(Qt::blue), QColor(Qt::green)}, true);
        QCOMPARE(window.findChild<QLabel *>(QStringLiteral("L10"))->text(), FormatAmount(maximum));
        for (int k = 0; k <= 10; ++k) {
            const auto *l = window.findChild<QLabel *>(QStringLiteral("L%1").arg(k));
            QVERIFY2(QFontMetrics(l->font()).horizontalAdvance(l->text()) <= l->contentsRect().width(), qPrintable(l->text()));
            QVERIFY(l->x() >= 0);
            QVERIFY(l->geometry().right() < 57);
        }
    }

    // "&Rysuj" shows each chart's window without blocking; the chart options are disabled while
    // it is open and enabled after it closes; the chart's span becomes the dated balance's.
    void chartWindows()
    {
        Fixture f;
        f.clickTab(Tmain::BalanceTab);
        f.chooseSpan(f.window.balancePage(), "miesieczny", QStringLiteral("052004"));
        f.clickTab(Tmain::ChartsTab);
        ChartsPage *page = f.window.chartsPage();
        auto *draw = f.widget<QPushButton>("pushtopaint");

        f.widget<QRadioButton>("bilansw")->click();
        QVERIFY(!f.widget<QCheckBox>("drozchod")->isEnabled());
        f.widget<QLineEdit>("wod")->setText(QStringLiteral("01-05-2004"));
        f.widget<QLineEdit>("wdo")->setText(QStringLiteral("31-05-2004"));
        draw->click();
        QCOMPARE(f.desktop.shownWindows.last(), QStringLiteral("wykres2"));
        GroupChartWindow *groups = page->balanceChart();
        QVERIFY(groups->isVisible());
        QVERIFY(!QApplication::activeModalWidget());
        QCOMPARE(groups->windowTitle(), QStringLiteral("Graficzna prezentacja bilansu na podany okres"));
        QCOMPARE(groups->findChild<QLabel *>(QStringLiteral("opis"))->text(), QStringLiteral("Bilans na okres od 01-05-2004 do 31-05-2004"));
        const auto *grid = groups->findChild<QTableWidget *>(QStringLiteral("opisgrup"));
        const auto row = [grid](int r) {
            QStringList cells;
            for (int c = 0; c < 5; ++c)
                cells.append(grid->item(r, c)->text());
            return cells;
        };
        QCOMPARE(row(0), QStringList({"01", "ŻYWNOŚĆ   ", "1", "100,00", "25,0000"}));
        QCOMPARE(row(2), QStringList({"03", "KOSMETYKI ", "0", "", ""}));
        for (const char *name : {"pushtopaint", "miesiac", "rok", "bilansw", "siatka"})
            QVERIFY2(!f.widget<QWidget>(name)->isEnabled(), name);
        QTest::keyClick(groups, Qt::Key_Escape);
        QVERIFY(!groups->isVisible());
        QVERIFY(draw->isEnabled());

        // The yearly lines: the series and colours are disabled while the window is open.
        f.widget<QRadioButton>("rok")->click();
        QVERIFY(f.widget<QCheckBox>("drozchod")->isEnabled());
        f.widget<QLineEdit>("rk")->setText(QStringLiteral("2004"));
        draw->click();
        QCOMPARE(f.desktop.shownWindows.last(), QStringLiteral("wykrespaint"));
        QVERIFY(page->lineChart()->isVisible());
        QVERIFY(!f.widget<QCheckBox>("drozchod")->isEnabled());
        QVERIFY(!f.widget<QComboBox>("kolor1")->isEnabled());
        QCOMPARE(page->lineChart()->findChild<QLabel *>(QStringLiteral("opis"))->text(),
                 QStringLiteral("Zestawienie roczne danych za rok: 2004"));
        QCOMPARE(page->lineChart()->findChild<QLabel *>(QStringLiteral("L10"))->text(), QStringLiteral("1250,50"));
        // Ctrl+C copies the chart as an image; "Zapisz jako PNG..." writes it.
        page->lineChart()->findChild<QAction *>(QStringLiteral("kopiujwykres"))->trigger();
        const QSize chartArea(632, 351); // the drawing with its labels, not the buttons below
        QCOMPARE(f.desktop.clipboardImage.size(), chartArea);
        QTemporaryDir dir;
        f.desktop.fileChoices.enqueue(dir.filePath(QStringLiteral("wykres.png")));
        page->lineChart()->findChild<QAction *>(QStringLiteral("zapiszpng"))->trigger();
        QCOMPARE(QImage(dir.filePath(QStringLiteral("wykres.png"))).size(), chartArea);
        page->lineChart()->close();
        QVERIFY(draw->isEnabled());
        QVERIFY(f.widget<QCheckBox>("drozchod")->isEnabled());

        // The forecast's groups, and a click into a date field choosing its chart.
        QTest::mouseClick(f.widget<QLineEdit>("pwod"), Qt::LeftButton);
        QVERIFY(f.widget<QRadioButton>("prognozaw")->isChecked());
        QVERIFY(!f.widget<QComboBox>("kolor1")->isEnabled());
        draw->click();
        QCOMPARE(f.desktop.shownWindows.last(), QStringLiteral("wykres3"));
        QCOMPARE(page->forecastChart()->windowTitle(), QStringLiteral("Graficzna prezentacja prognozy na podany okres"));
        page->forecastChart()->close();
        QTest::mouseClick(f.widget<QLineEdit>("mc"), Qt::LeftButton);
        QVERIFY(f.widget<QRadioButton>("miesiac")->isChecked());
        QVERIFY(f.widget<QComboBox>("kolor1")->isEnabled());
        f.widget<QComboBox>("kolor2")->setCurrentIndex(4); // "Szary"
        QCOMPARE(page->seriesColour(incomeSeries), QColor(128, 128, 128));
        f.widget<QComboBox>("kolor2")->setCurrentIndex(0);
        QCOMPARE(page->seriesColour(incomeSeries), QColor(0, 0, 255));
        f.widget<QLineEdit>("mc")->setText(QStringLiteral("04-2004"));
        draw->click();
        QCOMPARE(f.desktop.shownWindows.last(), QStringLiteral("wykrespaint"));
        page->lineChart()->close();

        // The dated balance now shows the last chart's span.
        f.clickTab(Tmain::BalanceTab);
        QCOMPARE(f.field("bdata"), QStringLiteral("Od 01-04-2004 do 30-04-2004"));
        QCOMPARE(f.caption("typbilansu"), QStringLiteral("Miesięczny"));
    }

    void spanDialogTexts()
    {
        const auto b = SummaryReport::balance;
        const auto p = SummaryReport::forecast;
        test::ScriptedDesktop d;
        const QList<std::tuple<SpanDialog *, QString, QString>> dialogs = {
            {new SpanDialog(b, SpanKind::year, d), "brokd", "Podaj datę bilansu"},
            {new SpanDialog(b, SpanKind::month, d), "bmiesiacd", "Podaj datę bilansu"},
            {new SpanDialog(b, SpanKind::span, d), "bokresd", "Podaj okres bilansu"},
            {new SpanDialog(p, SpanKind::year, d), "prokd", "Podaj datę prognozy"},
            {new SpanDialog(p, SpanKind::month, d), "pmiesiacd", "Podaj datę prognozy"},
            {new SpanDialog(p, SpanKind::span, d), "pokresd", "Podaj okres prognozy"},
        };
        for (const auto &[dialog, name, title] : dialogs) {
            QCOMPARE(dialog->objectName(), name);
            QCOMPARE(dialog->windowTitle(), title);
            QCOMPARE(dialog->findChild<QPushButton *>(QStringLiteral("SpeedButton51"))->text(), QStringLiteral("&OK"));
            // Enter in an edit closes the dialog.
            dialog->show();
            QTest::keyClick(dialog->findChild<QLineEdit *>(QStringLiteral("od")), Qt::Key_Return);
            QVERIFY(!dialog->isVisible());
            delete dialog;
        }
    }
};

QTEST_MAIN(TestReportPages)
#include "tst_reportpages.moc"
