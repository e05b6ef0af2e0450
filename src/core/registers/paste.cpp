#include "core/registers/paste.h"

#include "core/store/cp1250.h"
#include "core/store/helpers.h"

#include <QDate>
#include <QRegularExpression>

#include <algorithm>

namespace trelfin {

namespace {

// A date in one of the common forms, as the registers store it; nothing when it is no day of
// the calendar.
std::optional<QString> readDate(const QString &text)
{
    static const QRegularExpression dayFirst(QStringLiteral("^(\\d{1,2})[-./](\\d{1,2})[-./](\\d{4})$"));
    static const QRegularExpression yearFirst(QStringLiteral("^(\\d{4})-(\\d{1,2})-(\\d{1,2})$"));
    const QString t = text.trimmed();
    int day = 0, month = 0, year = 0;
    if (const auto m = dayFirst.match(t); m.hasMatch()) {
        day = m.captured(1).toInt();
        month = m.captured(2).toInt();
        year = m.captured(3).toInt();
    } else if (const auto y = yearFirst.match(t); y.hasMatch()) {
        year = y.captured(1).toInt();
        month = y.captured(2).toInt();
        day = y.captured(3).toInt();
    } else {
        return std::nullopt;
    }
    const QDate date(year, month, day);
    if (!date.isValid())
        return std::nullopt;
    return FormatDashDate(date);
}

// An amount with an optional sign and currency; stored without the sign.
std::optional<double> readAmount(const QString &text)
{
    QString t = text.trimmed();
    for (const QString &currency : {QStringLiteral("zł"), QStringLiteral("PLN")}) {
        if (t.endsWith(currency, Qt::CaseInsensitive)) {
            t.chop(currency.size());
            t = t.trimmed();
            break;
        }
    }
    if (t.startsWith(u'-') || t.startsWith(u'+') || t.startsWith(QChar(0x2212)))
        t.remove(0, 1);
    if (t.trimmed().isEmpty())
        return std::nullopt;
    return ReadTypedAmount(t);
}

// The register's group or kind of that name (blanks and letter case aside); 0 when none.
int groupNamed(const Database &db, RegisterKind kind, const QString &name)
{
    const QString wanted = name.trimmed();
    for (int g = 1; g <= highestGroup(kind); ++g) {
        if (db.groupColumnText(kind, g).trimmed().compare(wanted, Qt::CaseInsensitive) == 0)
            return g;
    }
    return 0;
}

} // namespace

PastedRows ReadPastedRows(const Database &db, RegisterKind kind, const QString &text)
{
    PastedRows pasted;
    QString all = text;
    all.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(u'\r', u'\n');
    const QStringList lines = all.split(u'\n');
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QString &line = lines.at(i);
        if (line.trimmed().isEmpty())
            continue;
        const QStringList cells = line.split(u'\t');
        const auto date = cells.size() >= 2 ? readDate(cells.at(0)) : std::nullopt;
        const auto amount = cells.size() >= 2 ? readAmount(cells.at(1)) : std::nullopt;
        if (!date || !amount || cells.size() > 4) {
            pasted.unreadable.append(QStringLiteral("wiersz %1: %2").arg(i + 1).arg(QString(line).replace(u'\t', u' ')));
            continue;
        }
        Entry entry;
        entry.date = *date;
        entry.amount = *amount;
        // Four cells carry a group or kind; three, a description only.
        const QString groupText = cells.size() == 4 ? cells.at(2) : QString();
        entry.description = fitText(cells.size() >= 3 ? cells.last().trimmed() : QString(), Width::description);
        if (kind != RegisterKind::incomes) {
            const int group = groupNamed(db, kind, groupText);
            entry.group = static_cast<std::uint8_t>(group == 0 ? 1 : group);
            if (group == 0)
                ++pasted.groupsReplaced;
        }
        pasted.entries.append(entry);
    }
    return pasted;
}

int InsertPastedRows(Database &db, RegisterKind kind, int afterRow, const QVector<Entry> &entries)
{
    QVector<Entry> &target = db.reg(kind).entries;
    const qsizetype room = std::max<qsizetype>(0, MaxEntries - target.size());
    const qsizetype count = std::min<qsizetype>(room, entries.size());
    if (count == 0)
        return 0;
    const qsizetype at = std::clamp<qsizetype>(afterRow, 0, target.size());
    target.insert(at, count, Entry());
    std::copy(entries.begin(), entries.begin() + count, target.begin() + at);
    db.modified = true;
    return int(count);
}

} // namespace trelfin
