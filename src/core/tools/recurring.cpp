#include "core/tools/recurring.h"

#include "core/registers/registeredit.h"
#include "core/store/helpers.h"

#include <QLocale>

namespace trelfin {

namespace {

// The amount "0.00" would show, read back: rounded to two decimals.
double roundedAmount(const Real48 &amount)
{
    return ParseAmount(FormatAmount(amount.toDouble()));
}

} // namespace

QString RecurringAmountText(const Real48 &amount)
{
    // A 6-byte real holds 11 to 12 significant digits: more would show its binary rounding
    // ("12,3399999999965" for 12,34).
    QString text = QString::number(amount.toDouble(), 'g', 11);
    text.replace(u'.', QLocale().decimalPoint());
    return text;
}

std::optional<Real48> RecurringAmountFrom(const QString &typed)
{
    const std::optional<double> amount = ReadTypedAmount(typed);
    return amount ? Real48::fromDouble(*amount) : std::nullopt;
}

int PostRecurringIncomes(Database &db, const QDate &today, MessageSink &sink)
{
    int added = 0;
    for (const RecurringIncome &row : db.recurringIncomes) {
        if (!row.active)
            continue;
        if (!appendEntry(db, RegisterKind::incomes, Entry{FormatDashDate(today), roundedAmount(row.amount), 0, row.description}, sink))
            break;
        ++added;
    }
    return added;
}

int PostRecurringExpenses(Database &db, const QDate &today, MessageSink &sink)
{
    int added = 0;
    for (const RecurringExpense &row : db.recurringExpenses) {
        if (!row.active)
            continue;
        const Entry entry{FormatDashDate(today), roundedAmount(row.amount), static_cast<std::uint8_t>(row.group + 1), row.description};
        if (!appendEntry(db, RegisterKind::expenses, entry, sink))
            break;
        ++added;
    }
    return added;
}

} // namespace trelfin
