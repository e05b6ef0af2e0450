#pragma once

#include <QDate>
#include <QString>

#include <optional>

namespace trelfin {

// Dates, amounts and Polish upper-casing as every command reads and writes them.
//
// Register dates are "dd-mm-yyyy", the database record's dates "dd.mm.yyyy". Dates are read by
// character position only (1-2 day, 4-5 month, 7-10 year), so either separator is accepted.

// `text` with "-" in positions 3 and 6 when it is exactly 10 characters whose positions
// 1, 2, 4, 5, 7, 8, 9, 10 are digits; otherwise today as "dd-mm-yyyy". Day and month are not
// range-checked. Turns the contents of a "  -  -    " date field into a register date.
QString NormalizeDate(const QString &text, const QDate &today);

struct DateParts
{
    int day = 0;
    int month = 0;
    int year = 0;
    bool operator==(const DateParts &) const = default;
};

// Day, month and year as decimal integers from positions 1-2, 4-5 and 7-10; nothing when a piece
// is missing or not a number.
std::optional<DateParts> ParseDate(const QString &text);

// Whether a date typed in full ("dd-mm-yyyy", every digit present) names no day of the calendar,
// such as 31-02-2025 or 99-13-9999. Text whose digits are incomplete is not judged here: it
// falls back to today as NormalizeDate says.
bool IsImpossibleDate(const QString &text);

// `date` ("dd-mm-yyyy") with its day brought back to the last day of its month when it lies past
// it: "31-02-2026" gives "28-02-2026", "31-09-2026" gives "30-09-2026". A text that is no date,
// or names no calendar month, comes back as it is.
QString ClampToMonthEnd(const QString &date);

// The number year * 10000 + month * 100 + day of a parsed date, the key dates are ordered by.
inline int DateKey(const DateParts &d) { return d.year * 10000 + d.month * 100 + d.day; }

enum DateComparison : int {
    DateEarlier = 0,
    DateEqual = 1,
    DateLater = 2,
    DateUnreadable = 6,
};

// 0 when a is earlier than b, 1 when equal, 2 when later, 6 when either cannot be parsed.
int CompareDates(const QString &a, const QString &b);

// "dd-mm-yyyy": day and month with a leading zero below 10, the year padded with zeros to four
// digits, the whole cut to 10 characters.
QString FormatDate(int day, int month, int year);

// A calendar date as a register date "dd-mm-yyyy" and as a record date "dd.mm.yyyy".
QString FormatDashDate(const QDate &date);
QString FormatDotDate(const QDate &date);

// Reads an amount from the left: digits, then optionally "." or "," and the digits among the next
// two characters; anything after those is ignored. Any other character where a digit or the
// separator is expected (a minus, a blank, a letter) gives 0. An empty text gives 0. A third and
// further decimals are dropped, not rounded. Never negative.
double ParseAmount(const QString &text);

// An amount as a person types it into an amount field: digits, optionally grouped by thousands
// with blanks (non-breaking ones too) or with dots before a decimal comma ("1 234,56",
// "1.234,56"), then optionally "," or "." and at most two decimals; blanks around it are ignored
// and an empty text is 0. Nothing when the text is none of these ("12,345", "1.234", "1 23",
// "-5"), so that no number is ever stored shortened or misread.
std::optional<double> ReadTypedAmount(const QString &text);

// Upper-cases "a".."z" and the Polish letters ą ć ę ł ń ó ś ź ż; every other character is kept.
QString UpperCasePolish(const QString &text);

// An amount with the pattern "0.00": at least one integer digit, two decimals rounded, the
// decimal separator of the desktop's number settings (QLocale()), never a group separator.
QString FormatAmount(double amount);

// A percentage with the pattern "0.0000".
QString FormatPercent(double percent);

// `value` with `decimals` decimals in the "0.00" style; the shared worker of the two above.
QString FormatFixed(double value, int decimals);

} // namespace trelfin
