#include "core/tools/printdocument.h"

#include "core/reports/groupsummary.h"
#include "core/reports/periodsummary.h"
#include "core/reports/statement.h"
#include "core/store/helpers.h"

#include <QFontMetrics>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QTextLayout>

#include <cmath>

namespace trelfin {

namespace {

constexpr int kMargin = 5;
constexpr int kRowHeight = 16;
constexpr int kLineWidth = 600;
// The blank a right-aligned column leaves before the next one.
constexpr int kNumberGap = 8;

const char *const kTitles[5] = {
    "ROZCHÓD    dane z przedzialu od ", "PRZYCHÓD    dane z przedzialu od ", "DŁUGI/POŻYCZKI    dane z przedzialu od ",
    "PLANOWANE WYDATKI    dane z przedzialu od ", "KONTO BANKOWE    dane z przedzialu od ",
};

// The date pair (0-based od/do index) of a dated section.
int rangeIndex(PrintSectionKind kind, bool oneRange)
{
    if (oneRange)
        return 0;
    switch (kind) {
    case PrintSectionKind::expenses: return 0;
    case PrintSectionKind::incomes: return 1;
    case PrintSectionKind::debts: return 2;
    case PrintSectionKind::planned: return 3;
    case PrintSectionKind::bankAccount: return 5;
    case PrintSectionKind::balance: return 4;
    case PrintSectionKind::forecast: return 6;
    default: return 0;
    }
}

QString periodLine(const Database &db, const PrintOptions &options)
{
    return options.periodName ? QStringLiteral("wydruk okresu: ") + db.currentPeriodInfo().periodName : QString();
}

PrintSection registerSection(const Database &db, RegisterKind kind, const ReportSpan &span)
{
    PrintSection section;
    const QString kindHeading = kind == RegisterKind::planned || kind == RegisterKind::debts ? QStringLiteral("RODZAJ")
                              : kind == RegisterKind::bankAccount ? QStringLiteral("RODZAJ OPERACJI")
                                                                  : QStringLiteral("GRUPA");
    section.columns = {{kind == RegisterKind::planned ? QStringLiteral("TERMIN") : QStringLiteral("DATA"), 70},
                       {QStringLiteral("WARTOŚĆ"), 70, true}};
    if (kind != RegisterKind::incomes)
        section.columns.append({kindHeading, kind == RegisterKind::bankAccount ? 150 : 100});
    section.columns.append({QStringLiteral("OPIS"), 350});
    double sum = 0.0;
    int count = 0;
    for (const Entry &e : db.reg(kind).entries) {
        if (!insideSpan(e.date, span))
            continue;
        sum += e.amount;
        ++count;
        QStringList row = {e.date, FormatAmount(e.amount)};
        if (kind == RegisterKind::debts)
            row.append(debtKindName(e.group));
        else if (kind == RegisterKind::bankAccount)
            row.append(bankOperationKindName(e.group));
        else if (kind != RegisterKind::incomes)
            row.append(db.groupName(e.group));
        row.append(e.description);
        section.rows.append(row);
    }
    QStringList total = {QStringLiteral("Razem"), FormatAmount(sum)};
    if (kind != RegisterKind::incomes)
        total.append(QString());
    total.append(QStringLiteral("pozycji: %1").arg(count));
    section.rows.append(total);
    return section;
}

PrintSection breakdownSection(const Database &db, RegisterKind kind, const ReportSpan &span)
{
    GroupSummaryTable table;
    table.initialise(db.header.groupNames);
    double total = 0.0;
    for (const Entry &e : db.reg(kind).entries) {
        // Settled planned entries have no group row; they count nowhere.
        if (!insideSpan(e.date, span) || e.group < 1 || e.group > GroupCount)
            continue;
        table.add(e.group, e.amount);
        total += e.amount;
    }
    PrintSection section;
    section.columns = {{QStringLiteral("RODZAJ"), 100}, {QStringLiteral("ILOŚĆ"), 70, true}, {QStringLiteral("WARTOŚĆ"), 70, true},
                       {QStringLiteral("PROCENT"), 70, true}};
    for (int g = 1; g <= GroupCount; ++g) {
        const GroupSummaryRow &row = table.row(g);
        section.rows.append({db.header.groupNames[g], QString::number(row.count), FormatAmount(row.sum),
                             total != 0.0 ? FormatPercent(row.sum / total * 100.0) : QStringLiteral("-")});
    }
    return section;
}

// The balance's last rows: the incomes of the span, its expenses and their difference.
void appendBalanceTotals(PrintSection &section, const Database &db, const ReportSpan &span)
{
    const auto total = [&](RegisterKind kind, int &count) {
        double sum = 0.0;
        for (const Entry &e : db.reg(kind).entries) {
            if (insideSpan(e.date, span)) {
                sum += e.amount;
                ++count;
            }
        }
        return sum;
    };
    int incomeCount = 0, expenseCount = 0;
    const double incomes = total(RegisterKind::incomes, incomeCount);
    const double expenses = total(RegisterKind::expenses, expenseCount);
    section.rows.append({QStringLiteral("PRZYCHÓD"), QString::number(incomeCount), FormatAmount(incomes), QString()});
    section.rows.append({QStringLiteral("ROZCHÓD"), QString::number(expenseCount), FormatAmount(expenses), QString()});
    section.rows.append({QStringLiteral("RÓŻNICA"), QString(), FormatAmount(incomes - expenses), QString()});
}

// round(length × scale), halves to even.
int scaled(double length, double scale)
{
    return static_cast<int>(std::nearbyint(length * scale));
}

} // namespace

QList<PrintSection> PeriodsSummarySections(const Database &db, const PeriodsSummary &summary)
{
    const auto section = [](const QString &title, const QStringList &titles, const QVector<QStringList> &rows,
                            int firstNumber, int firstWidth, int width) {
        PrintSection s;
        s.title = title;
        for (qsizetype c = 0; c < titles.size(); ++c)
            s.columns.append({titles[c].toUpper(), c == 0 ? firstWidth : width, c >= firstNumber});
        s.rows = rows;
        return s;
    };
    const QString span = summary.periods.isEmpty()
        ? QString()
        : QStringLiteral("okresy %1 - %2").arg(summary.periods.first().period).arg(summary.periods.last().period);
    const int columns = int(summary.periods.size()) + 3;
    return {section(QStringLiteral("ZESTAWIENIE OKRESÓW    ") + span, periodTableTitles(), periodTableRows(summary), 3, 110, 62),
            section(QStringLiteral("WYDATKI WEDŁUG GRUP    ") + span, groupTableTitles(summary),
                    groupTableRows(db, summary), 1, 80, std::max(40, 560 / std::max(1, columns)))};
}

QString PrintHeaderText(const Database &db, const PrintOptions &options, const QDate &today)
{
    QString text;
    if (options.programHeader)
        text += QStringLiteral("TrelFIN 4LX   ");
    if (options.owner)
        text += QStringLiteral("użytkownik: ") + db.header.ownerName + QStringLiteral("   ");
    if (options.printDate)
        text += QStringLiteral("data wydruku: ") + FormatDotDate(today) + QStringLiteral("    ");
    return text;
}

QList<PrintSection> BuildPrintSections(const Database &db, const PrintOptions &options, const QDate &today,
                                       const NoteLineBreaker &breakNote)
{
    QList<PrintSection> sections;
    const QString period = periodLine(db, options);
    const auto span = [&](PrintSectionKind kind) {
        const int i = rangeIndex(kind, options.oneRange);
        return ReportSpan{NormalizeDate(options.from[i], today), NormalizeDate(options.to[i], today), SpanKind::span};
    };
    const auto datedTitle = [&](const char *title, const ReportSpan &range) {
        return QString::fromUtf8(title) + range.from + QStringLiteral(" do ") + range.to + QStringLiteral("   ") + period;
    };
    for (int i = 0; i < PrintSectionCount; ++i) {
        if (!options.sections[i])
            continue;
        const auto kind = static_cast<PrintSectionKind>(i);
        switch (kind) {
        case PrintSectionKind::expenses:
        case PrintSectionKind::incomes:
        case PrintSectionKind::debts:
        case PrintSectionKind::planned:
        case PrintSectionKind::bankAccount: {
            static constexpr RegisterKind registers[] = {RegisterKind::expenses, RegisterKind::incomes, RegisterKind::debts,
                                                         RegisterKind::planned, RegisterKind::bankAccount};
            const RegisterKind reg = registers[i];
            if (db.reg(reg).count() == 0)
                break;
            PrintSection section = registerSection(db, reg, span(kind));
            section.title = datedTitle(kTitles[i], span(kind));
            sections.append(section);
            break;
        }
        case PrintSectionKind::balance:
        case PrintSectionKind::forecast: {
            const bool balance = kind == PrintSectionKind::balance;
            PrintSection section = breakdownSection(db, balance ? RegisterKind::expenses : RegisterKind::planned, span(kind));
            if (balance)
                appendBalanceTotals(section, db, span(kind));
            section.title = datedTitle(balance ? "BILANS    dane z przedzialu od " : "PROGNOZA    dane z przedzialu od ", span(kind));
            sections.append(section);
            break;
        }
        case PrintSectionKind::statement: {
            const QString day = NormalizeDate(options.statementDay, today);
            PrintSection section;
            section.title = QStringLiteral("STATYSTYKA    na dzień ") + day + QStringLiteral("   ") + period;
            section.columns = {{QStringLiteral("OPIS"), 300}, {QStringLiteral("WARTOŚĆ"), 70, true},
                               {QStringLiteral("ILOŚĆ ELEMENTÓW"), 120, true}};
            for (QStringList row : statementRowTexts(computeStatement(db, day))) {
                row[0] = row[0].trimmed();
                section.rows.append(row);
            }
            sections.append(section);
            break;
        }
        case PrintSectionKind::shoppingList: {
            PrintSection section;
            section.title = QStringLiteral("LISTA ZAKUPÓW    ") + period;
            section.columns = {{QStringLiteral("DO KUPIENIA"), 500}};
            for (const ShoppingItem &item : db.shoppingItems) {
                if (!item.text().trimmed().isEmpty())
                    section.rows.append({item.text()});
            }
            sections.append(section);
            break;
        }
        case PrintSectionKind::periodsSummary: {
            const auto [first, last] = DefaultSummaryRange(db);
            sections += PeriodsSummarySections(db, SummarisePeriods(db, first, last));
            break;
        }
        case PrintSectionKind::notes: {
            PrintSection section;
            section.title = QStringLiteral("NOTATKI    ") + period;
            section.columns = {{QStringLiteral("TERMIN"), 70}, {QStringLiteral("NOTATKA"), 600}};
            for (const Note &note : db.notes) {
                if (note.term().trimmed().isEmpty())
                    continue;
                const QStringList lines = breakNote(note.text());
                for (qsizetype l = 0; l < lines.size(); ++l)
                    section.rows.append({l == 0 ? note.term() : QString(), lines.at(l)});
            }
            sections.append(section);
            break;
        }
        }
    }
    return sections;
}

QStringList WrapText(const QString &text, const QFont &font, int width)
{
    QStringList lines;
    if (text.isEmpty())
        return lines;
    QString plain = text;
    plain.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    for (const QString &paragraph : plain.split(u'\n')) {
        QTextLayout layout(paragraph, font);
        QTextOption option;
        option.setWrapMode(QTextOption::WordWrap);
        layout.setTextOption(option);
        layout.beginLayout();
        bool any = false;
        while (true) {
            QTextLine line = layout.createLine();
            if (!line.isValid())
                break;
            line.setLineWidth(width);
            lines.append(paragraph.mid(line.textStart(), line.textLength()).trimmed());
            any = true;
        }
        layout.endLayout();
        if (!any)
            lines.append(QString());
    }
    return lines;
}

QList<PrintedPage> LayOutPrintJob(const QString &headerText, const QList<PrintSection> &sections, double scale,
                                  int pageBottom, const TextHeight &textHeight)
{
    QList<PrintedPage> pages;
    const int margin = scaled(kMargin, scale);
    const int rowHeight = scaled(kRowHeight, scale);
    int y = margin;
    const auto textLine = [&](const QString &text) {
        pages.last().append({QRect(margin, y, scaled(kLineWidth, scale), rowHeight), text});
        y += rowHeight;
    };
    const auto newPage = [&] {
        pages.append(PrintedPage());
        y = margin;
    };
    const auto rowFits = [&](const PrintSection &section, const QStringList &cells) {
        for (qsizetype c = 0; c < section.columns.size(); ++c) {
            if (y + textHeight(cells.value(c), scaled(section.columns.at(c).width, scale)) > pageBottom)
                return false;
        }
        return true;
    };
    const auto placeRow = [&](const PrintSection &section, const QStringList &cells) {
        int x = margin;
        for (qsizetype c = 0; c < section.columns.size(); ++c) {
            const int width = scaled(section.columns.at(c).width, scale);
            const bool right = section.columns.at(c).alignRight;
            pages.last().append({QRect(x, y, right ? width - scaled(kNumberGap, scale) : width, rowHeight), cells.value(c),
                                 right ? Qt::AlignRight : Qt::AlignLeft});
            x += width;
        }
        y += rowHeight;
    };

    for (const PrintSection &section : sections) {
        newPage();
        textLine(QStringLiteral("STRONA - %1 -   ").arg(pages.size()) + headerText);
        textLine(section.title);
        QStringList headings;
        for (const PrintColumn &column : section.columns)
            headings.append(column.heading);
        QVector<QStringList> rows = {headings};
        rows += section.rows;
        for (const QStringList &cells : std::as_const(rows)) {
            if (!rowFits(section, cells)) {
                newPage();
                textLine(QStringLiteral("STRONA %1   ").arg(pages.size()) + headerText);
                // A row too tall for any page stays on this one, clipped: never a loop.
            }
            placeRow(section, cells);
        }
    }
    return pages;
}

bool PaintPrintJob(QPagedPaintDevice &device, const QString &headerText, const QList<PrintSection> &sections,
                   const QFont &font, double scale, const PagePainter &firstPage)
{
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    painter.setFont(font);
    if (firstPage) {
        firstPage(painter, QRect(0, 0, device.width(), device.height()));
        if (!sections.isEmpty() && !device.newPage())
            return false;
        painter.setFont(font);
    }
    const auto textHeight = [&painter, &device](const QString &text, int width) {
        return painter.boundingRect(QRect(0, 0, width, device.height() * 4), Qt::TextWordWrap, text).height();
    };
    const QList<PrintedPage> pages = LayOutPrintJob(headerText, sections, scale, device.height(), textHeight);
    for (qsizetype p = 0; p < pages.size(); ++p) {
        if (p > 0 && !device.newPage())
            return false;
        for (const PrintedText &t : pages.at(p)) {
            painter.save();
            painter.setClipRect(t.box);
            painter.drawText(t.box, t.alignment | Qt::AlignTop | Qt::TextWordWrap, t.text);
            painter.restore();
        }
    }
    return painter.end();
}

} // namespace trelfin
