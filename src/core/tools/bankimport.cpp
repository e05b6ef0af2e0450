#include "core/tools/bankimport.h"

#include "core/store/cp1250.h"
#include "core/store/helpers.h"

#include <QCryptographicHash>
#include <QStringBuilder>
#include <QDate>
#include <QHash>

#include <algorithm>
#include <cmath>

namespace trelfin {

namespace {

QDate dateOf(const QString &text)
{
    const auto parts = ParseDate(text);
    return parts ? QDate(parts->year, parts->month, parts->day) : QDate();
}

// The bank's kind and the title in capitals, where the kind of operation is looked for.
QString kindText(const StatementRow &row)
{
    return (row.kind + u' ' + row.title).toUpper();
}

bool mentions(const QString &kindText, std::initializer_list<QStringView> words)
{
    return std::any_of(words.begin(), words.end(), [&kindText](QStringView word) { return kindText.contains(word); });
}

// The group named "INNE", else the first: what an expense no rule matches gets.
int fallbackGroup(const Database &db)
{
    for (int g = 1; g <= GroupCount; ++g) {
        if (QStringView(db.header.groupNames[g]).trimmed() == u"INNE")
            return g;
    }
    return 1;
}

int groupByRules(const Database &db, const StatementRow &row, int fallback)
{
    for (const Database::ImportRule &rule : db.importRules) {
        if (row.counterparty.contains(rule.text, Qt::CaseInsensitive) || row.title.contains(rule.text, Qt::CaseInsensitive))
            return rule.group;
    }
    return fallback;
}

} // namespace

QString ImportStatusText(ImportStatus status)
{
    switch (status) {
    case ImportStatus::fresh: return QStringLiteral("nowy");
    case ImportStatus::imported: return QStringLiteral("już zaimportowany");
    case ImportStatus::possibleDuplicate: return QStringLiteral("możliwy duplikat");
    case ImportStatus::pending: return QStringLiteral("blokada");
    case ImportStatus::skipped: return QStringLiteral("pominięty");
    }
    return QString();
}

int BankKindOf(const StatementRow &row)
{
    // 1 ZASILENIE, 2 OBCIĄŻENIE, 3 OPŁATY, 4 PROWIZJE, 5 %% WINIEN, 6 %% MA
    const QString text = kindText(row);
    if (mentions(text, {u"ODSETK", u"KAPITALIZACJA"}))
        return row.amount >= 0 ? 6 : 5;
    if (row.amount < 0 && mentions(text, {u"PROWIZJ"}))
        return 4;
    if (row.amount < 0 && mentions(text, {u"OPŁAT"}))
        return 3;
    return row.amount >= 0 ? 1 : 2;
}

int GroupByRules(const Database &db, const StatementRow &row)
{
    return groupByRules(db, row, fallbackGroup(db));
}

bool GoesIntoRegister(int bankKind)
{
    return bankKind == 1 || bankKind == 2; // ZASILENIE, OBCIĄŻENIE: not fees, commissions, interest
}

QString ImportRegistersText(const ImportRow &row, bool alsoIntoRegisters)
{
    if (row.status == ImportStatus::pending)
        return QStringLiteral("—"); // a block is never booked
    if (!alsoIntoRegisters || !GoesIntoRegister(row.bankKind))
        return QStringLiteral("Konto bankowe");
    return row.registerKind == RegisterKind::expenses ? QStringLiteral("Konto bankowe, Rozchód") : QStringLiteral("Konto bankowe, Przychód");
}

QString ImportDescription(const StatementRow &row)
{
    QString text = fitText(QString(row.counterparty % u' ' % row.title).simplified(), 1000);
    if (text.size() <= Width::description)
        return text;
    // Cut at the last blank within the width, unless that leaves too little.
    const qsizetype blank = text.lastIndexOf(u' ', Width::description);
    return text.left(blank > Width::description / 2 ? blank : Width::description).trimmed();
}

QStringList ImportFingerprints(const BankStatement &statement)
{
    QStringList fingerprints;
    fingerprints.reserve(statement.rows.size());
    QHash<QString, int> seen;
    seen.reserve(statement.rows.size());
    const QString account = statement.account.simplified() + u'|';
    QCryptographicHash sha1(QCryptographicHash::Sha1);
    for (const StatementRow &row : statement.rows) {
        if (!row.reference.isEmpty()) {
            fingerprints.append(QStringLiteral("ref:") + statement.format + u':' + row.reference);
            continue;
        }
        const QString key = account % row.date % u'|' % QString::number(row.amount, 'f', 2) % u'|'
            % QString(row.counterparty % u' ' % row.title).simplified().toUpper();
        const int occurrence = ++seen[key];
        sha1.reset();
        sha1.addData(key.toUtf8());
        fingerprints.append(QString::fromLatin1(sha1.resultView().toByteArray().toHex()) + u'#' + QString::number(occurrence));
    }
    return fingerprints;
}

QVector<ImportRow> PlanImport(const Database &db, const BankStatement &statement, const QSet<QString> &remembered)
{
    const QStringList fingerprints = ImportFingerprints(statement);
    // The register's days by amount in grosze, so that each row looks only at entries of its own
    // amount.
    QHash<qint64, QVector<QDate>> daysByAmount;
    for (const Entry &e : db.reg(RegisterKind::bankAccount).entries) {
        const QDate day = dateOf(e.date);
        if (day.isValid())
            daysByAmount[std::llround(e.amount * 100)].append(day);
    }
    const int fallback = fallbackGroup(db);
    QVector<ImportRow> rows;
    rows.reserve(statement.rows.size());
    for (qsizetype i = 0; i < statement.rows.size(); ++i) {
        ImportRow r;
        r.source = statement.rows.at(i);
        r.fingerprint = fingerprints.at(i);
        r.bankKind = BankKindOf(r.source);
        r.entry = Entry{r.source.date, std::abs(r.source.amount), static_cast<std::uint8_t>(r.bankKind), ImportDescription(r.source)};
        r.intoRegister = db.importAlsoIntoRegisters && GoesIntoRegister(r.bankKind);
        r.registerKind = r.source.amount < 0 ? RegisterKind::expenses : RegisterKind::incomes;
        r.group = r.registerKind == RegisterKind::expenses ? groupByRules(db, r.source, fallback) : 0;
        if (r.source.pending) {
            r.status = ImportStatus::pending;
        } else if (remembered.contains(r.fingerprint)) {
            r.status = ImportStatus::imported;
        } else {
            const QDate day = dateOf(r.source.date);
            const QVector<QDate> days = daysByAmount.value(std::llround(r.entry.amount * 100));
            const bool typedBefore = day.isValid() && std::any_of(days.begin(), days.end(), [&day](const QDate &other) {
                return std::abs(other.daysTo(day)) <= 3;
            });
            r.status = typedBefore ? ImportStatus::possibleDuplicate : ImportStatus::fresh;
        }
        r.checked = r.status == ImportStatus::fresh;
        rows.append(r);
    }
    return rows;
}

ImportApplied ApplyImport(Database &db, const QVector<ImportRow> &rows)
{
    ImportApplied applied;
    Register &account = db.reg(RegisterKind::bankAccount);
    for (const ImportRow &row : rows) {
        if (!row.checked || row.status == ImportStatus::pending || row.status == ImportStatus::skipped)
            continue;
        if (account.count() >= MaxEntries) {
            ++applied.leftOut;
            continue;
        }
        account.append(row.entry);
        db.importedSinceSave.insert(row.fingerprint, row.entry);
        ++applied.added;
        if (row.intoRegister && GoesIntoRegister(row.bankKind)) {
            Register &other = db.reg(row.registerKind);
            if (other.count() >= MaxEntries) {
                ++applied.leftOut;
                continue;
            }
            other.append(Entry{row.entry.date, row.entry.amount,
                               static_cast<std::uint8_t>(row.registerKind == RegisterKind::expenses ? std::clamp(row.group, 1, GroupCount) : 0),
                               row.entry.description});
        }
    }
    if (applied.added > 0)
        db.modified = true;
    return applied;
}

} // namespace trelfin
