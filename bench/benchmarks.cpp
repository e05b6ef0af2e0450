// The benchmarks of the program on a full database: 100 periods with 3999 entries in every
// register. Prints one table line per measure, "name<TAB>median ms<TAB>target ms", each the median
// of several runs. Not a test: it asserts nothing and never fails a build.
//
//   trelfin-bench write-full DIR   writes the full database DIR/pelna.tf4 (used by bench-start too)
//   trelfin-bench DIR              times the work on DIR/pelna.tf4, writing it first when missing
#include "core/registers/sort.h"
#include "core/reports/charts.h"
#include "core/reports/groupsummary.h"
#include "core/reports/periodsummary.h"
#include "core/reports/statement.h"
#include "core/store/database.h"
#include "core/store/databasefiles.h"
#include "core/store/filewriter.h"
#include "core/store/helpers.h"
#include "core/store/messagesink.h"
#include "core/store/recovery.h"
#include "core/store/cp1250.h"
#include "core/tools/bankimport.h"
#include "core/tools/printdocument.h"
#include "ui/mainwindow/mainwindow.h"
#include "ui/store/databasecommands.h"
#include "ui/registers/registerpage.h"

#include "scripteddesktop.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QPdfWriter>
#include <QRandomGenerator>

#include <optional>
#include <QTableView>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <functional>

using namespace trelfin;

namespace {

constexpr int Periods = MaxPeriods;

struct PrintingSink : MessageSink
{
    void ShowInformation(const QString &line1, const QString &line2, const QString &) override
    {
        std::fprintf(stderr, "message: %s %s\n", qPrintable(line1), qPrintable(line2));
    }
};

// 3999 entries with scattered dates, amounts and groups. Half the planned ones are settled, the
// other half lie in 2099, so that the forecast has work and opening the database no reminder.
Register fullRegister(RegisterKind kind, QRandomGenerator &random)
{
    Register r;
    for (int i = 0; i < MaxEntries; ++i) {
        std::uint8_t group = static_cast<std::uint8_t>(1 + random.bounded(30));
        if (kind == RegisterKind::debts)
            group = static_cast<std::uint8_t>(1 + random.bounded(4));
        else if (kind == RegisterKind::bankAccount)
            group = static_cast<std::uint8_t>(1 + random.bounded(6));
        else if (kind == RegisterKind::incomes)
            group = 0;
        const bool ahead = kind == RegisterKind::planned && i % 2 == 1;
        if (kind == RegisterKind::planned && !ahead)
            group = SettledGroup;
        r.append(Entry{FormatDate(1 + random.bounded(28), 1 + random.bounded(12), ahead ? 2099 : 2004),
                       random.bounded(100000) / 100.0, group, QStringLiteral("zakupy spożywcze nr %1").arg(i)});
    }
    return r;
}

bool writeFullDatabase(const QString &folder)
{
    PrintingSink sink;
    Database db;
    QDir().mkpath(folder);
    SplitDatabasePath(db, QDir(folder).filePath(QStringLiteral("pelna.tf4")));
    SetDefaultGroups(db.header);
    db.header.ownerName = QStringLiteral("Pełna baza");
    db.header.otherData = QStringLiteral("100 okresów po 3999 wpisów w każdym rejestrze");
    db.header.createdDate = db.header.lastSaveDate = QStringLiteral("12.05.2004");
    db.header.periodCount = Periods;
    QRandomGenerator random(3999);
    for (int k = 0; k < Periods; ++k) {
        db.header.periods[k + 1] = {QStringLiteral("12.05.200412.05.2004"), QStringLiteral("okres %1").arg(k + 1)};
        for (int r = 0; r < RegisterCount; ++r)
            db.registers[r] = fullRegister(static_cast<RegisterKind>(r), random);
        if (!WriteWholeFile(PeriodFilePath(db, k), PeriodFileBytes(db), sink, false))
            return false;
    }
    return WriteWholeFile(RecordFilePath(db), DatabaseRecordBytes(db.header), sink, false);
}

double median(QVector<double> values)
{
    std::sort(values.begin(), values.end());
    return values.at(values.size() / 2);
}

// The median in milliseconds of `runs` runs of `work`, each after `prepare` (not timed).
double timeIt(int runs, const std::function<void()> &work, const std::function<void()> &prepare = {})
{
    QVector<double> times;
    for (int i = 0; i < runs; ++i) {
        if (prepare)
            prepare();
        QElapsedTimer timer;
        timer.start();
        work();
        times.append(timer.nsecsElapsed() / 1e6);
    }
    return median(times);
}

// The process's peak resident memory so far (VmHWM), in kilobytes; 0 when it cannot be read.
qint64 peakResidentKilobytes()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').first().toLongLong();
    }
    return 0;
}

void row(const char *name, double ms, double target)
{
    std::printf("%s\t%.1f\t%.0f\n", name, ms, target);
    std::fflush(stdout);
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const QStringList args = QApplication::arguments();
    if (args.size() == 3 && args.at(1) == QLatin1String("write-full"))
        return writeFullDatabase(args.at(2)) ? 0 : 1;
    if (args.size() != 2) {
        std::fprintf(stderr, "usage: trelfin-bench write-full DIR | trelfin-bench DIR\n");
        return 2;
    }
    const QString path = QDir(args.at(1)).filePath(QStringLiteral("pelna.tf4"));
    if (!QFileInfo::exists(path) && !writeFullDatabase(args.at(1)))
        return 1;

    Database db;
    test::ScriptedDesktop desktop;
    Tmain window(db, desktop);
    window.resize(1280, 800);
    window.show();
    QApplication::processEvents();

    row("open", timeIt(9, [&] { window.databaseCommands()->otworz2Click(path); }, [&] { window.databaseCommands()->zamknij3Click(); }), 20);
    if (!db.databaseLoaded) {
        std::fprintf(stderr, "the database did not open\n");
        return 1;
    }
    // The summary across periods, read from warm files one period at a time; the peak memory it
    // adds (VmHWM, in MB, against a target of 20) is measured first, before any larger work.
    const qint64 peakBefore = peakResidentKilobytes();
    row("summary of 100 full periods", timeIt(5, [&] { SummarisePeriods(db, 1, db.header.periodCount); }), 250);
    row("summary peak memory growth (MB)", double(peakResidentKilobytes() - peakBefore) / 1024.0, 20);
    row("summary of 12 full periods", timeIt(9, [&] { SummarisePeriods(db, 1, 12); }), 30);
    if (qEnvironmentVariableIsSet("TRELFIN_BENCH_DETAIL")) {
        Database other = db;
        test::ScriptedDesktop quiet;
        row("  load of one full period", timeIt(9, [&] { LoadPeriod(other, 1, quiet); }), 2);
        row("  total balance of one", timeIt(9, [&] { computeTotalBalance(other, SummaryOrder::byGroup); }), 1);
        row("  statement of one", timeIt(9, [&] { computeStatement(other, QStringLiteral("31-12-9999")); }), 1);
    }

    // A bank statement of 10 000 rows (mBank's layout) recognised, read and matched against the
    // full bank account and 50 000 remembered rows.
    {
        QString text = QStringLiteral("#Data operacji;#Data księgowania;#Opis operacji;#Tytuł;#Nadawca/Odbiorca;#Numer konta;#Kwota;#Saldo po operacji;\n");
        for (int i = 0; i < 10000; ++i)
            text += QStringLiteral("2004-%1-%2;2004-%1-%2;ZAKUP PRZY UŻYCIU KARTY;SKLEP %3 WROCŁAW;;;-%4,%5;1 000,00;\n")
                        .arg(1 + i % 12, 2, 10, QChar(u'0')).arg(1 + i % 28, 2, 10, QChar(u'0')).arg(i).arg(i % 500).arg(i % 100, 2, 10, QChar(u'0'));
        const QByteArray bytes = toCp1250(text);
        QSet<QString> remembered;
        for (int i = 0; i < 50000; ++i)
            remembered.insert(QStringLiteral("ref:mBank:%1").arg(i));
        row("bank statement of 10 000 rows", timeIt(5, [&] {
                QString problem;
                const auto statement = ReadBankStatement(bytes, problem);
                PlanImport(db, *statement, remembered);
            }), 50);
        if (qEnvironmentVariableIsSet("TRELFIN_BENCH_DETAIL")) {
            QString problem;
            const auto statement = ReadBankStatement(bytes, problem);
            row("  reading only", timeIt(5, [&] { ReadBankStatement(bytes, problem); }), 50);
            row("  fingerprints only", timeIt(5, [&] { ImportFingerprints(*statement); }), 50);
            row("  plan only", timeIt(5, [&] { PlanImport(db, *statement, remembered); }), 50);
        }
    }

    int period = 1;
    row("switch period", timeIt(9, [&] { window.biezacyokresChange(period++ % Periods); }), 20);

    const QVector<Entry> entries = db.reg(RegisterKind::expenses).entries;
    QVector<Entry> sorting;
    row("sort 3999 entries", timeIt(9, [&] { exchangeSort(sorting, SortKey::date, SortOrder::ascending); },
                                    [&] { sorting = entries; }), 50);

    window.showPage(Tmain::ExpensesTab);
    QApplication::processEvents();
    // The grids rebuilt from the registers, their pending layouts done and the grid shown
    // painted anew, as the user sees it after a change in bulk.
    QWidget *shownGrid = window.registerPage(RegisterKind::expenses)->findChild<QTableView *>();
    row("refresh all grids", timeIt(15, [&] {
            window.RefreshRegisterGrids();
            QApplication::processEvents();
            shownGrid->repaint();
        }), 5);
    if (qEnvironmentVariableIsSet("TRELFIN_BENCH_DETAIL")) {
        row("  models and selection only", timeIt(15, [&] { window.RefreshRegisterGrids(); }), 5);
        row("  paint of the shown grid only", timeIt(15, [&] { shownGrid->repaint(); }), 5);
        row("  paint of the whole window", timeIt(15, [&] { window.repaint(); }), 5);
    }

    const struct { const char *name; int page; } reports[] = {
        {"page Bilans", Tmain::BalanceTab}, {"page Statystyka", Tmain::StatementTab},
        {"page Prognoza", Tmain::ForecastTab}, {"page Wykresy", Tmain::ChartsTab},
    };
    for (const auto &report : reports)
        row(report.name, timeIt(9, [&] {
                window.showPage(report.page);
                window.repaint();
            }, [&] { window.showPage(Tmain::MainMenuTab); }), 10);

    // The reports over a span of the whole year of the entries, as the pages compute them on
    // their buttons.
    const QDate today(2004, 12, 31);
    const ReportSpan year = explicitSpan(QStringLiteral("01-01-2004"), QStringLiteral("31-12-2004"), today);
    row("report balance, dated", timeIt(9, [&] { computeDatedBalance(db, year, SummaryOrder{}); }), 10);
    row("report balance, total", timeIt(9, [&] { computeTotalBalance(db, SummaryOrder{}); }), 10);
    const ReportSpan ahead = explicitSpan(QStringLiteral("01-01-2099"), QStringLiteral("31-12-2099"), today);
    row("report forecast, dated", timeIt(9, [&] { computeDatedForecast(db, ahead, SummaryOrder{}); }), 10);
    row("report forecast, total", timeIt(9, [&] { computeTotalForecast(db, SummaryOrder{}); }), 10);
    row("report statement", timeIt(9, [&] { computeStatement(db, QStringLiteral("31-12-2004")); }), 10);
    QImage canvas(1000, 400, QImage::Format_RGB32);
    row("report group chart, drawn", timeIt(9, [&] {
            const GroupChart chart = computeGroupChart(db, RegisterKind::expenses, QStringLiteral("01-01-2004"),
                                                       QStringLiteral("31-12-2004"));
            QPainter painter(&canvas);
            renderGroupChart(painter, chart, true, Qt::lightGray, Qt::blue);
        }), 10);
    const std::array<bool, ChartSeriesCount> allSeries{true, true, true};
    row("report yearly line chart, drawn", timeIt(9, [&] {
            const LineChart chart = computeLineChart(db, false, QStringLiteral("01-01-2004"), allSeries);
            QPainter painter(&canvas);
            renderLineChart(painter, chart, true, allSeries, {Qt::red, Qt::green, Qt::blue});
        }), 10);

    // The recovery file of a full period: the snapshot the timer takes on the UI thread, and the
    // bytes and the write its thread does.
    db.modified = true;
    std::optional<RecoverySnapshot> snapshot;
    // Counted with the copy that the next edit of a register then makes of it, since the
    // snapshot shares it.
    row("recovery snapshot (UI thread)", timeIt(15, [&] {
            snapshot = RecoverySnapshot{db, QDateTime::currentDateTimeUtc()};
            db.reg(RegisterKind::expenses).entries[0].amount += 0;
        }, [&] { snapshot.reset(); }), 2);
    const QString recoveryPath = RecoveryFilePath(db);
    row("recovery bytes and write (thread)", timeIt(9, [&] {
            QString reason;
            WriteRecoveryFile(recoveryPath, RecoveryBytes(*snapshot), RecordFilePath(db), reason);
        }), 50);
    RemoveRecoveryFile(db);
    db.modified = false;

    PrintOptions options;
    options.sections[static_cast<int>(PrintSectionKind::expenses)] = true;
    options.from.fill(QStringLiteral("01-01-2004"));
    options.to.fill(QStringLiteral("31-12-2004"));
    QFont font;
    font.setPointSize(8);
    QTemporaryDir dir;
    row("print 3999 rows to PDF", timeIt(3, [&] {
            const QList<PrintSection> sections = BuildPrintSections(db, options, QDate(2004, 5, 12), [&](const QString &t) {
                return WrapText(t, font, 249);
            });
            QPdfWriter pdf(dir.filePath(QStringLiteral("bench.pdf")));
            pdf.setResolution(1200);
            PaintPrintJob(pdf, QStringLiteral("TrelFIN 4LX   "), sections, font, 1200.0 / 96.0);
        }), 1000);
    return 0;
}
