#include "core/registers/rowtext.h"

#include "core/store/helpers.h"

#include <algorithm>

namespace trelfin {

QStringList registerRowCells(const Database &db, RegisterKind kind, int row)
{
    const Register &r = db.reg(kind);
    if (row < 1 || row > r.count())
        return {QString(), QString(), QString(), QString()};
    const Entry &e = r.entries[row - 1];
    return {e.date, FormatAmount(e.amount), db.groupColumnText(kind, e.group), e.description};
}

QStringList registerColumnTitles(RegisterKind kind)
{
    const QString date = QStringLiteral("Data");
    const QString amount = QStringLiteral("Wartość");
    const QString description = QStringLiteral("Opis");
    switch (kind) {
    case RegisterKind::expenses: return {date, amount, QStringLiteral("Grupa"), description};
    case RegisterKind::incomes: return {date, amount, QStringLiteral("XXXXXXXXXXXXXX"), description};
    case RegisterKind::debts: return {date, amount, QStringLiteral("Rodzaj"), description};
    case RegisterKind::planned: return {QStringLiteral("Termin"), amount, QStringLiteral("Grupa"), description};
    case RegisterKind::bankAccount: return {date, amount, QStringLiteral("Rodzaj operacji"), description};
    }
    return {};
}

QStringList registerRowTexts(const Database &db, RegisterKind kind, int row)
{
    QStringList cells = registerRowCells(db, kind, row);
    while (cells[2].endsWith(u' '))
        cells[2].chop(1);
    return cells;
}

QString registerClipboardText(const Database &db, RegisterKind kind, int top, int bottom)
{
    if (top > bottom)
        std::swap(top, bottom);
    top = std::max(top, 1);
    bottom = std::min(bottom, db.reg(kind).count());
    QString text;
    for (int row = top; row <= bottom; ++row) {
        text += registerRowTexts(db, kind, row).join(u'\t');
        text += u'\n';
    }
    return text;
}

QString selectionSummary(const Database &db, RegisterKind kind, int top, int bottom)
{
    const QVector<Entry> &entries = db.reg(kind).entries;
    top = std::max(top, 1);
    bottom = std::min(bottom, static_cast<int>(entries.size()));
    if (bottom - top + 1 < 2)
        return QString();
    double sum = 0.0;
    for (int row = top; row <= bottom; ++row)
        sum += entries.at(row - 1).amount;
    return QStringLiteral("Zaznaczono %1, suma %2").arg(bottom - top + 1).arg(FormatAmount(sum));
}

} // namespace trelfin
