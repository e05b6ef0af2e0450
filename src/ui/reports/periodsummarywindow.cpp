#include "ui/reports/periodsummarywindow.h"

#include "core/store/cp1250.h"
#include "core/store/database.h"
#include "core/store/filewriter.h"
#include "core/tools/printdocument.h"
#include "ui/common/desktop.h"
#include "ui/common/hints.h"
#include "ui/reports/chartwindows.h"

#include <QAction>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFont>
#include <QFontInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QPrinter>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>

namespace trelfin {

namespace {

void fillTable(QTableWidget *table, const QStringList &titles, const QVector<QStringList> &rows, int firstNumber)
{
    table->clear();
    table->setColumnCount(int(titles.size()));
    table->setRowCount(int(rows.size()));
    table->setHorizontalHeaderLabels(titles);
    for (int r = 0; r < rows.size(); ++r) {
        for (int c = 0; c < rows[r].size(); ++c) {
            auto *item = new QTableWidgetItem(rows[r][c]);
            if (c >= firstNumber)
                item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            table->setItem(r, c, item);
        }
    }
    table->resizeColumnsToContents();
}

QTableWidget *createTable(QWidget *parent, const QString &name)
{
    auto *table = new QTableWidget(parent);
    table->setObjectName(name);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->verticalHeader()->hide();
    table->verticalHeader()->setDefaultSectionSize(table->fontMetrics().height() + 6);
    return table;
}

// A CSV field in double quotes; a text a spreadsheet would take for a formula gets "'" first.
QString csvField(QString cell, bool number)
{
    if (!number && !cell.isEmpty() && QStringView(u"=+-@\t\r").contains(cell.front()))
        cell.prepend(u'\'');
    return u'"' + cell.replace(u'"', QStringLiteral("\"\"")) + u'"';
}

} // namespace

PeriodsSummaryWindow::PeriodsSummaryWindow(Database &db, Desktop &desktop, QWidget *parent)
    : QDialog(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint)
    , m_db(db)
    , m_desktop(desktop)
    , m_from(new QSpinBox(this))
    , m_to(new QSpinBox(this))
    , m_periods(createTable(this, QStringLiteral("okresy")))
    , m_groups(createTable(this, QStringLiteral("grupy")))
    , m_chart(new ChartCanvas(this))
    , m_progress(new QProgressBar(this))
    , m_note(new QLabel(this))
    , m_progressTimer(new QTimer(this))
{
    setObjectName(QStringLiteral("zestawienie"));
    setWindowTitle(QStringLiteral("Zestawienie okresów"));
    m_from->setObjectName(QStringLiteral("odokresu"));
    m_to->setObjectName(QStringLiteral("dookresu"));
    setHint(m_from, QStringLiteral("Pierwszy okres zestawienia"));
    setHint(m_to, QStringLiteral("Ostatni okres zestawienia"));
    auto *fromLabel = new QLabel(QStringLiteral("&Od okresu:"), this);
    fromLabel->setBuddy(m_from);
    auto *toLabel = new QLabel(QStringLiteral("&Do okresu:"), this);
    toLabel->setBuddy(m_to);
    QPushButton *count = createButton(this, QStringLiteral("przelicz"), QStringLiteral("P&rzelicz"),
                                      QStringLiteral("Zestawia wybrane okresy"));
    connect(count, &QPushButton::clicked, this, &PeriodsSummaryWindow::recompute);
    m_progress->setObjectName(QStringLiteral("postep"));
    m_progress->hide();
    m_note->setObjectName(QStringLiteral("uwagi"));
    auto *range = new QHBoxLayout;
    for (QWidget *w : std::initializer_list<QWidget *>{fromLabel, m_from, toLabel, m_to, count, m_progress})
        range->addWidget(w);
    range->addWidget(m_note, 1);

    m_chart->setObjectName(QStringLiteral("wykres"));
    m_chart->setMinimumHeight(220);
    m_chart->paint = [this](QPainter &painter) { renderPeriodsChart(painter, m_summary, m_chart->rect()); };
    auto *periodsLabel = new QLabel(QStringLiteral("&Okresy:"), this);
    periodsLabel->setBuddy(m_periods);
    auto *groupsLabel = new QLabel(QStringLiteral("&Grupy wydatków:"), this);
    groupsLabel->setBuddy(m_groups);

    QPushButton *copy = createButton(this, QStringLiteral("kopiuj"), QStringLiteral("&Kopiuj"),
                                     QStringLiteral("Kopiuje obie tabele do schowka jako tekst"));
    QPushButton *png = createButton(this, QStringLiteral("png"), QStringLiteral("Zapisz jako P&NG..."),
                                    QStringLiteral("Zapisuje wykres jako obraz PNG"));
    QPushButton *csv = createButton(this, QStringLiteral("csv"), QStringLiteral("&Eksportuj CSV..."),
                                    QStringLiteral("Zapisuje obie tabele jako plik CSV"));
    QPushButton *print = createButton(this, QStringLiteral("drukuj"), QStringLiteral("Dr&ukuj"),
                                      QStringLiteral("Drukuje obie tabele"));
    QPushButton *help = createButton(this, QStringLiteral("pomoc"), QStringLiteral("Pomoc"), QStringLiteral("Pomoc programu TrelFIN"));
    QPushButton *close = createButton(this, QStringLiteral("zamknij"), QStringLiteral("&Zamknij"));
    connect(copy, &QPushButton::clicked, this, &PeriodsSummaryWindow::copyTables);
    connect(png, &QPushButton::clicked, this, &PeriodsSummaryWindow::savePng);
    connect(csv, &QPushButton::clicked, this, &PeriodsSummaryWindow::exportCsv);
    connect(print, &QPushButton::clicked, this, &PeriodsSummaryWindow::print);
    connect(help, &QPushButton::clicked, this, &PeriodsSummaryWindow::helpRequested);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    auto *copyKey = new QAction(this);
    copyKey->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_C));
    connect(copyKey, &QAction::triggered, this, &PeriodsSummaryWindow::copyTables);
    addAction(copyKey);
    auto *buttons = new QHBoxLayout;
    for (QPushButton *b : {copy, png, csv, print, help})
        buttons->addWidget(b);
    buttons->addStretch();
    buttons->addWidget(close);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(range);
    layout->addWidget(m_chart, 2);
    layout->addWidget(periodsLabel);
    layout->addWidget(m_periods, 2);
    layout->addWidget(groupsLabel);
    layout->addWidget(m_groups, 3);
    layout->addLayout(buttons);
    resize(980, 760);

    // The progress shows only for a computation that takes longer than about 100 ms.
    m_progressTimer->setInterval(50);
    connect(m_progressTimer, &QTimer::timeout, this, [this] {
        m_progress->setMaximum(std::max(1, m_all.load()));
        m_progress->setValue(m_done.load());
        m_progress->show();
    });
}

PeriodsSummaryWindow::~PeriodsSummaryWindow()
{
    stopWork();
}

void PeriodsSummaryWindow::stopWork()
{
    m_cancel = true;
    if (m_worker.joinable())
        m_worker.join();
    m_cancel = false;
}

void PeriodsSummaryWindow::start()
{
    const int count = std::max(1, int(m_db.header.periodCount));
    const auto [from, to] = DefaultSummaryRange(m_db);
    for (QSpinBox *box : {m_from, m_to})
        box->setRange(1, count);
    m_from->setValue(from);
    m_to->setValue(to);
    recompute();
}

void PeriodsSummaryWindow::recompute()
{
    stopWork();
    if (m_to->value() < m_from->value())
        m_to->setValue(m_from->value());
    const int from = m_from->value(), to = m_to->value();
    m_done = 0;
    m_all = to - from + 1;
    const int generation = ++m_generation;
    m_note->setText(QStringLiteral("Obliczanie..."));
    QTimer::singleShot(100, m_progressTimer, [timer = m_progressTimer, this, generation] {
        if (generation == m_generation && m_worker.joinable() && m_done < m_all)
            timer->start();
    });
    // The thread works on a copy: the registers and texts are shared, not copied, and the window
    // may go on showing the database while the files are read.
    auto snapshot = std::make_shared<const Database>(m_db);
    m_worker = std::thread([this, snapshot, from, to, generation] {
        PeriodsSummary result = SummarisePeriods(*snapshot, from, to, [this](int done, int) {
            m_done = done;
            return !m_cancel.load();
        });
        QMetaObject::invokeMethod(this, [this, result = std::move(result), generation] {
            if (generation == m_generation)
                show(result);
        }, Qt::QueuedConnection);
    });
}

void PeriodsSummaryWindow::waitForResult()
{
    if (m_worker.joinable())
        m_worker.join();
    QCoreApplication::sendPostedEvents(this);
}

void PeriodsSummaryWindow::show(const PeriodsSummary &summary)
{
    m_progressTimer->stop();
    m_progress->hide();
    m_summary = summary;
    fillTable(m_periods, periodTableTitles(), periodTableRows(summary), 3);
    fillTable(m_groups, groupTableTitles(summary), groupTableRows(m_db, summary), 1);
    m_note->setText(summary.unreadable.isEmpty() ? QString()
                                                 : QStringLiteral("Nie można odczytać: ") + summary.unreadable.join(QStringLiteral(", ")));
    m_chart->update();
    emit computed();
}

QString PeriodsSummaryWindow::clipboardText() const
{
    return PeriodsSummaryText(m_db, m_summary);
}

void PeriodsSummaryWindow::copyTables()
{
    m_desktop.setClipboardText(clipboardText());
}

void PeriodsSummaryWindow::savePng()
{
    QImage image(m_chart->size().expandedTo(QSize(640, 300)), QImage::Format_RGB32);
    QPainter painter(&image);
    painter.setFont(font());
    renderPeriodsChart(painter, m_summary, image.rect());
    painter.end();
    saveChartImage(m_desktop, image, QStringLiteral("zestawienie"));
}

void PeriodsSummaryWindow::exportCsv()
{
    const QString path = m_desktop.chooseSaveFile(saveFileRequest(QStringLiteral("Eksportuj zestawienie jako CSV"),
                                                                  QStringLiteral("Pliki CSV (*.csv)|*.csv"), QStringLiteral(".csv"),
                                                                  QStringLiteral("zestawienie")));
    if (path.isEmpty())
        return;
    // Semicolons and UTF-8 with a byte-order mark: a Polish spreadsheet opens it with a double click.
    QString text;
    const auto table = [&text](const QStringList &titles, const QVector<QStringList> &rows, int firstNumber) {
        QStringList cells;
        for (const QString &t : titles)
            cells.append(csvField(t, false));
        text += cells.join(u';') + QStringLiteral("\r\n");
        for (const QStringList &row : rows) {
            cells.clear();
            for (qsizetype c = 0; c < row.size(); ++c)
                cells.append(csvField(row[c], c >= firstNumber));
            text += cells.join(u';') + QStringLiteral("\r\n");
        }
    };
    table(periodTableTitles(), periodTableRows(m_summary), 3);
    text += QStringLiteral("\r\n");
    table(groupTableTitles(m_summary), groupTableRows(m_db, m_summary), 1);
    WriteWholeFile(path, QByteArray("\xEF\xBB\xBF") + text.toUtf8(), m_desktop, false);
}

void PeriodsSummaryWindow::print()
{
    const QList<PrintSection> sections = PeriodsSummarySections(m_db, m_summary);
    const QString header = QStringLiteral("TrelFIN 4LX   użytkownik: ") + m_db.header.ownerName + QStringLiteral("   ");
    QFont printFont = font();
    printFont.setPointSize(7);
    // The chart first, on a page of its own, drawn as on screen at the printer's scale.
    const PeriodsSummary summary = m_summary;
    const QSize chartSize = m_chart->size().expandedTo(QSize(640, 300));
    // In pixels, so that the text scales with the drawing instead of taking the printer's points.
    QFont chartFont = font();
    chartFont.setPixelSize(QFontInfo(font()).pixelSize());
    const auto chartPage = [summary, chartSize, chartFont](QPainter &painter, const QRect &page) {
        const double scale = std::min(double(page.width()) / chartSize.width(), double(page.height()) / 2 / chartSize.height());
        painter.save();
        painter.scale(scale, scale);
        painter.setFont(chartFont);
        renderPeriodsChart(painter, summary, QRect(QPoint(0, 0), chartSize));
        painter.restore();
    };
    if (!m_desktop.print(QStringLiteral("Zestawienie okresów"), [sections, header, printFont, chartPage](QPrinter &printer) {
            return PaintPrintJob(printer, header, sections, printFont, double(printer.resolution()) / 96.0, chartPage);
        }))
        m_desktop.ShowInformation(QStringLiteral("Problem z drukarką"), QStringLiteral("Sprawdź drukarkę"), QStringLiteral("Uwaga"));
}

} // namespace trelfin
