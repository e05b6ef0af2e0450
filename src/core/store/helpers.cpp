#include "core/store/helpers.h"

#include <QLocale>
#include <QRegularExpression>

#include <algorithm>
#include <cmath>

namespace trelfin {

namespace {

bool isDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

// A decimal number in the piece of `text` at `from`: blanks may stand before the digits, nothing
// else and nothing after them, so that a half-typed date ("5 -05-2004") is no date.
std::optional<int> parsePiece(const QString &text, int from, int length)
{
    const QString piece = text.mid(from, length);
    qsizetype i = 0;
    while (i < piece.size() && piece.at(i) == u' ')
        ++i;
    if (i == piece.size())
        return std::nullopt;
    int value = 0;
    for (; i < piece.size(); ++i) {
        if (!isDigit(piece.at(i)))
            return std::nullopt;
        value = value * 10 + (piece.at(i).unicode() - u'0');
    }
    return value;
}

} // namespace

QString NormalizeDate(const QString &text, const QDate &today)
{
    if (text.size() == 10) {
        bool pattern = true;
        for (int i : {0, 1, 3, 4, 6, 7, 8, 9})
            pattern = pattern && isDigit(text.at(i));
        if (pattern) {
            QString date = text;
            date[2] = u'-';
            date[5] = u'-';
            return date;
        }
    }
    return FormatDashDate(today);
}

bool IsImpossibleDate(const QString &text)
{
    if (text.size() != 10)
        return false;
    for (int i : {0, 1, 3, 4, 6, 7, 8, 9}) {
        if (!isDigit(text.at(i)))
            return false;
    }
    const auto parts = ParseDate(text);
    return !parts || !QDate(parts->year, parts->month, parts->day).isValid();
}

QString ClampToMonthEnd(const QString &date)
{
    const auto parts = ParseDate(date);
    if (!parts)
        return date;
    const QDate first(parts->year, parts->month, 1);
    if (!first.isValid() || parts->day <= first.daysInMonth())
        return date;
    return FormatDate(first.daysInMonth(), parts->month, parts->year);
}

std::optional<DateParts> ParseDate(const QString &text)
{
    const auto day = parsePiece(text, 0, 2);
    const auto month = parsePiece(text, 3, 2);
    const auto year = parsePiece(text, 6, 4);
    if (!day || !month || !year)
        return std::nullopt;
    return DateParts{*day, *month, *year};
}

int CompareDates(const QString &a, const QString &b)
{
    const auto da = ParseDate(a);
    const auto db = ParseDate(b);
    if (!da || !db)
        return DateUnreadable;
    const int ka = DateKey(*da);
    const int kb = DateKey(*db);
    if (ka < kb)
        return DateEarlier;
    return ka == kb ? DateEqual : DateLater;
}

QString FormatDate(int day, int month, int year)
{
    const auto twoDigits = [](int v) {
        return v < 10 ? QStringLiteral("0") + QString::number(v) : QString::number(v);
    };
    const QString text = twoDigits(day) + u'-' + twoDigits(month) + u'-'
        + QString::number(year).rightJustified(4, u'0');
    return text.left(10);
}

QString FormatDashDate(const QDate &date)
{
    return FormatDate(date.day(), date.month(), date.year());
}

QString FormatDotDate(const QDate &date)
{
    QString text = FormatDashDate(date);
    text[2] = u'.';
    text[5] = u'.';
    return text;
}

double ParseAmount(const QString &text)
{
    QString collected;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (isDigit(c)) {
            collected.append(c);
            continue;
        }
        if (c != u'.' && c != u',')
            return 0.0;
        collected.append(u'.');
        for (qsizetype j = i + 1; j < text.size() && j <= i + 2; ++j) {
            if (isDigit(text.at(j)))
                collected.append(text.at(j));
        }
        break;
    }
    bool ok = false;
    const double value = collected.toDouble(&ok); // QString::toDouble reads the C locale
    return ok ? value : 0.0;
}

std::optional<double> ReadTypedAmount(const QString &typed)
{
    QString text = typed;
    text.replace(QChar(0x00A0), u' ').replace(QChar(0x202F), u' ');
    text = text.trimmed();
    if (text.isEmpty())
        return 0.0;
    // 1: plain digits; or 2: a first group of one to three digits (not starting with 0) and
    // 3: groups of three, each after the same separator 4 (a blank or a dot); then 5: "," or "."
    // and 6: the decimals.
    static const QRegularExpression pattern(QStringLiteral(
        "^(?:([0-9]*)|([1-9][0-9]{0,2})((?:([ .])[0-9]{3})(?:\\4[0-9]{3})*))(?:([.,])([0-9]{0,2}))?$"));
    const QRegularExpressionMatch match = pattern.match(text);
    if (!match.hasMatch())
        return std::nullopt;
    const QString separator = match.captured(4);
    // "1.234" could be a thousand or a decimal: dots part thousands only before a decimal comma.
    if (separator == QStringLiteral(".") && match.captured(5) != QStringLiteral(","))
        return std::nullopt;
    QString whole = separator.isEmpty() ? match.captured(1) : match.captured(2) + match.captured(3);
    if (!separator.isEmpty())
        whole.remove(separator.at(0));
    const QString decimals = match.captured(6);
    if (whole.isEmpty() && decimals.isEmpty()) // a separator alone
        return std::nullopt;
    const QString number = (whole.isEmpty() ? QStringLiteral("0") : whole) + u'.'
        + (decimals.isEmpty() ? QStringLiteral("0") : decimals);
    bool ok = false;
    const double value = number.toDouble(&ok); // QString::toDouble reads the C locale
    return ok && std::isfinite(value) ? std::optional<double>(value) : std::nullopt;
}

QString UpperCasePolish(const QString &text)
{
    static const QString lower = QStringLiteral("śźłążęńóć");
    static const QString upper = QStringLiteral("ŚŹŁĄŻĘŃÓĆ");
    QString result = text;
    for (QChar &c : result) {
        if (c >= u'a' && c <= u'z') {
            c = QChar(c.unicode() - u'a' + u'A');
        } else if (const qsizetype i = lower.indexOf(c); i >= 0) {
            c = upper.at(i);
        }
    }
    return result;
}

QString FormatFixed(double value, int decimals)
{
    if (!std::isfinite(value))
        value = 0.0;
    QString text = QString::number(value, 'f', decimals);
    // A value that rounds to zero shows without a sign.
    if (text.startsWith(u'-')
        && std::all_of(text.cbegin() + 1, text.cend(), [](QChar c) { return c == u'0' || c == u'.'; }))
        text.remove(0, 1);
    const QString separator = QLocale().decimalPoint();
    if (separator != QStringLiteral("."))
        text.replace(u'.', separator);
    return text;
}

QString FormatAmount(double amount)
{
    return FormatFixed(amount, 2);
}

QString FormatPercent(double percent)
{
    return FormatFixed(percent, 4);
}

} // namespace trelfin
