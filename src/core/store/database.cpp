#include "core/store/database.h"

#include "core/store/cp1250.h"

#include <algorithm>

namespace trelfin {

namespace {

const std::array<QString, 5> kDebtKinds = {
    QString(), QStringLiteral("DŁUG      "), QStringLiteral("POŻYCZKA  "),
    QStringLiteral("ODDANY    "), QStringLiteral("ODEBRANA  "),
};

const std::array<QString, 7> kBankOperationKinds = {
    QString(), QStringLiteral("ZASILENIE "), QStringLiteral("OBCIĄŻENIE"),
    QStringLiteral("OPŁATY    "), QStringLiteral("PROWIZJE  "),
    QStringLiteral("%% WINIEN "), QStringLiteral("%% MA     "),
};

} // namespace

const QString settledGroupName = QStringLiteral("DOKONANE  ");

Entry Entry::fitted() const
{
    Entry e = *this;
    e.date = fitText(date, Width::entryDate);
    e.description = fitText(description, Width::description);
    return e;
}

bool Register::append(const Entry &entry)
{
    if (isFull())
        return false;
    entries.append(entry.fitted());
    return true;
}

void DatabaseHeader::fitTexts()
{
    ownerName = fitText(ownerName, Width::ownerName);
    otherData = fitText(otherData, Width::otherData);
    createdDate = fitText(createdDate, Width::recordDate);
    lastSaveDate = fitText(lastSaveDate, Width::recordDate);
    password = fitText(password, Width::password);
    for (int g = 1; g <= GroupCount; ++g)
        groupNames[g] = fitText(groupNames[g], Width::groupName);
    for (int p = 1; p <= MaxPeriods; ++p) {
        periods[p].periodDates = fitText(periods[p].periodDates, Width::periodDates);
        periods[p].periodName = fitText(periods[p].periodName, Width::periodName);
    }
}

namespace {

QString storedText(const std::uint8_t *field, int width)
{
    const int length = std::min<int>(field[0], width);
    return fromCp1250(QByteArray(reinterpret_cast<const char *>(field + 1), length));
}

void storeText(std::uint8_t *field, int width, const QString &text)
{
    const QByteArray bytes = toCp1250(text).left(width);
    field[0] = static_cast<std::uint8_t>(bytes.size());
    std::fill(field + 1, field + 1 + width, 0);
    std::copy(bytes.cbegin(), bytes.cend(), field + 1);
}

} // namespace

QString ShoppingItem::text() const { return storedText(bytes.data(), textWidth); }
void ShoppingItem::setText(const QString &text) { storeText(bytes.data(), textWidth, text); }

QString Note::text() const { return storedText(bytes.data(), textWidth); }
void Note::setText(const QString &text) { storeText(bytes.data(), textWidth, text); }
QString Note::term() const { return storedText(bytes.data() + termOffset, termWidth); }
void Note::setTerm(const QString &term) { storeText(bytes.data() + termOffset, termWidth, term); }

void Note::clear()
{
    setText(QString());
    setTerm(QString());
}

QString debtKindName(int kind)
{
    return kind >= 1 && kind <= 4 ? kDebtKinds[kind] : QString();
}

QString bankOperationKindName(int kind)
{
    return kind >= 1 && kind <= 6 ? kBankOperationKinds[kind] : QString();
}

std::array<QString, GroupCount + 1> defaultGroupNames()
{
    static const char16_t *const named[] = {
        u"ŻYWNOŚĆ", u"ODZIEŻ", u"KOSMETYKI", u"CZYNSZ", u"PRĄD",
        u"TELEFON", u"TV/RTV", u"NAUKA", u"KULTURA", u"ROZRYWKA",
        u"KOM.MIEJ.", u"SAMOCHÓD", u"PRASA", u"REKREACJA", u"SANITARNE",
    };
    std::array<QString, GroupCount + 1> names;
    for (int g = 1; g <= 15; ++g)
        names[g] = QString::fromUtf16(named[g - 1]).leftJustified(Width::groupName, u' ');
    for (int g = 16; g <= GroupCount; ++g)
        names[g] = QStringLiteral("INNE") + QString::number(g - 15);
    return names;
}

void SetDefaultGroups(DatabaseHeader &header)
{
    header.groupNames = defaultGroupNames();
}

QString Database::groupName(int group) const
{
    if (group >= 1 && group <= GroupCount)
        return header.groupNames[group];
    return group == SettledGroup ? settledGroupName : QString();
}

QString Database::groupColumnText(RegisterKind kind, int group) const
{
    switch (kind) {
    case RegisterKind::expenses:
    case RegisterKind::planned:
        return groupName(group);
    case RegisterKind::debts:
        return debtKindName(group);
    case RegisterKind::bankAccount:
        return bankOperationKindName(group);
    case RegisterKind::incomes:
        break;
    }
    return QString();
}

void Database::clearPeriodData()
{
    for (Register &r : registers)
        r.entries.clear();
    recurringIncomes = {};
    recurringExpenses = {};
}

void Database::clearSideData()
{
    shoppingItems = {};
    notes = {};
    importedRows.clear();
    importedSinceSave.clear();
    importedRowsKept = false;
    importRules.clear();
    importAlsoIntoRegisters = false;
    importRulesChanged = false;
    importRulesKept = false;
}

} // namespace trelfin
