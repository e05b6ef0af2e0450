#include "core/registers/registeredit.h"

#include "core/registers/registermessages.h"
#include "core/store/helpers.h"

#include <algorithm>

namespace trelfin {

namespace {

constexpr int kDebt = 1;
constexpr int kLoan = 2;
constexpr int kDebtPaidBack = 3;
constexpr int kLoanReceivedBack = 4;

bool validRow(const Register &r, int row)
{
    return row >= 1 && row <= r.count();
}

} // namespace

Entry newEntryDefaults(RegisterKind kind, const QDate &today)
{
    Entry e;
    e.date = FormatDashDate(today);
    e.amount = 0.0;
    e.group = kind == RegisterKind::incomes ? 0 : 1;
    e.description = QStringLiteral("Brak");
    return e;
}

void loadEditBuffer(EditBuffer &edit, const Entry &entry)
{
    edit.editDate = entry.date;
    edit.editAmount = entry.amount;
    edit.editGroup = entry.group;
    edit.editDescription = entry.description;
}

Entry entryFromEditBuffer(const EditBuffer &edit, RegisterKind kind, const QDate &today)
{
    Entry e;
    e.date = NormalizeDate(edit.editDate.left(Width::entryDate), today);
    e.amount = edit.editAmount;
    e.group = kind == RegisterKind::incomes ? 0 : static_cast<std::uint8_t>(edit.editGroup + 1);
    e.description = edit.editDescription.left(Width::description);
    return e.fitted();
}

bool appendEntry(Database &db, RegisterKind kind, const Entry &entry, MessageSink &sink)
{
    if (!db.reg(kind).append(entry)) {
        showMessage(sink, registerFullMessage(kind));
        return false;
    }
    db.modified = true;
    return true;
}

std::optional<int> appendNewEntry(Database &db, RegisterKind kind, const QDate &today, MessageSink &sink)
{
    const Entry e = newEntryDefaults(kind, today);
    if (!appendEntry(db, kind, e, sink))
        return std::nullopt;
    loadEditBuffer(db.edit, e);
    return db.reg(kind).count();
}

bool replaceEntry(Database &db, RegisterKind kind, int row, const Entry &entry)
{
    Register &r = db.reg(kind);
    if (!validRow(r, row))
        return false;
    r.entries[row - 1] = entry.fitted();
    db.modified = true;
    return true;
}

bool storeEditBuffer(Database &db, RegisterKind kind, int row, const QDate &today)
{
    return replaceEntry(db, kind, row, entryFromEditBuffer(db.edit, kind, today));
}

int deleteRows(Database &db, RegisterKind kind, int top, int bottom)
{
    Register &r = db.reg(kind);
    if (top > bottom)
        std::swap(top, bottom);
    top = std::max(top, 1);
    bottom = std::min(bottom, r.count());
    if (top > bottom)
        return 0;
    const int removed = bottom - top + 1;
    r.entries.remove(top - 1, removed);
    db.modified = true;
    return removed;
}

bool debtReturnDateAccepted(int kind, bool returnWanted, const QString &operationDate, const QString &returnDate)
{
    if (!returnWanted || (kind != kDebt && kind != kLoan))
        return true;
    const int order = CompareDates(returnDate, operationDate);
    return order != DateEarlier && order != DateEqual;
}

std::optional<Entry> debtReturnEntry(const Entry &debt, bool returnWanted, const QString &returnDate,
                                     const QString &returnDescription, const QDate &today)
{
    if (!returnWanted || (debt.group != kDebt && debt.group != kLoan))
        return std::nullopt;
    Entry back;
    back.date = NormalizeDate(returnDate, today);
    back.amount = debt.amount;
    back.group = debt.group == kDebt ? kDebtPaidBack : kLoanReceivedBack;
    back.description = returnDescription.left(Width::description);
    return back.fitted();
}

} // namespace trelfin
