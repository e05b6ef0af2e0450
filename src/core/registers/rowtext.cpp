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

QString registerClipboardText(const Database &db, RegisterKind kind, int top, int bottom)
{
    if (top > bottom)
        std::swap(top, bottom);
    top = std::max(top, 1);
    bottom = std::min(bottom, db.reg(kind).count());
    QString text;
    for (int row = top; row <= bottom; ++row) {
        text += registerRowCells(db, kind, row).join(u'\t');
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
