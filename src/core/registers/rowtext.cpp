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

} // namespace trelfin
