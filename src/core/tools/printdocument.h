#pragma once

#include "core/store/database.h"

#include <QDate>
#include <QRect>
#include <QList>
#include <QString>
#include <QStringList>
#include <QVector>

#include <array>
#include <functional>

class QFont;
class QPainter;
class QPagedPaintDevice;

namespace trelfin {

struct PeriodsSummary;

// The ten sections a print job may hold, in the order they print.
enum class PrintSectionKind {
    expenses, incomes, debts, planned, bankAccount, balance, forecast, statement, shoppingList, notes, periodsSummary
};
constexpr int PrintSectionCount = 11;

// What the print panel asks for. Dates are as typed; blank or incomplete ones stand for today.
struct PrintOptions
{
    bool programHeader = true;
    bool printDate = true;
    bool owner = true;
    bool periodName = true;
    std::array<bool, PrintSectionCount> sections{};
    bool oneRange = true;
    std::array<QString, 7> from;   // od1..od7
    std::array<QString, 7> to;     // do1..do7
    QString statementDay;
};

struct PrintColumn
{
    QString heading;
    int width = 0;  // panel pixels
    bool alignRight = false; // numbers, as the grids show them
};

// One printed section: its title line, its columns and its data rows (the headings row apart).
// A register section ends with a "Razem" row: the sum of the amounts and the count of entries;
// the balance ends with the incomes, the expenses and their difference.
struct PrintSection
{
    QString title;
    QList<PrintColumn> columns;
    QVector<QStringList> rows;
};

// Breaks a note's text into the lines a 249-pixel word-wrapping box shows.
using NoteLineBreaker = std::function<QStringList(const QString &text)>;

// The page header text after "STRONA ...": "TrelFIN 4LX   ", "użytkownik: <owner>   ",
// "data wydruku: dd.mm.yyyy    " as chosen.
QString PrintHeaderText(const Database &db, const PrintOptions &options, const QDate &today);

// The sections chosen, in print order, filled from the current period: a register section only
// when its register holds an entry (its rows those in range), the others whenever chosen. The
// summary of periods gives two sections (periods, then groups) over the last 12 periods.
QList<PrintSection> BuildPrintSections(const Database &db, const PrintOptions &options, const QDate &today,
                                       const NoteLineBreaker &breakNote);

// The two sections of a summary across periods: its table of periods and its table of groups.
QList<PrintSection> PeriodsSummarySections(const Database &db, const PeriodsSummary &summary);

// A text placed on a page: drawn word-wrapped into `box` and clipped to it.
struct PrintedText
{
    QRect box;
    QString text;
    Qt::Alignment alignment = Qt::AlignLeft;
    bool operator==(const PrintedText &) const = default;
};
using PrintedPage = QList<PrintedText>;

// The height `text` takes when word-wrapped into `width` device units.
using TextHeight = std::function<int(const QString &text, int width)>;

// The pages of a job: each section from a new page with a page header line ("STRONA - n -   "
// on a section's first page, "STRONA n   " on its continuations, then `headerText`), the title
// line, the headings row and the data rows, one row height each. A row whose wrapped cells would
// reach below `pageBottom` moves whole to the next page; a row too tall for any page is placed
// on its own page, clipped. Lengths are panel pixels times `scale` (the device's vertical
// resolution over the screen's), rounded half to even.
QList<PrintedPage> LayOutPrintJob(const QString &headerText, const QList<PrintSection> &sections, double scale,
                                  int pageBottom, const TextHeight &textHeight);

// Paints the job on `device` in `font`. False when the device could not be painted on or a page
// could not be started.
// `firstPage`, when given, paints a page of its own before the sections (a chart), into the
// page's rectangle.
using PagePainter = std::function<void(QPainter &painter, const QRect &page)>;
bool PaintPrintJob(QPagedPaintDevice &device, const QString &headerText, const QList<PrintSection> &sections,
                   const QFont &font, double scale, const PagePainter &firstPage = {});

// The word wrap of notes: lines of `text` as a box `width` pixels wide shows them in `font`.
QStringList WrapText(const QString &text, const QFont &font, int width);

} // namespace trelfin
