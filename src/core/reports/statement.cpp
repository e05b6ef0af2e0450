#include "core/reports/statement.h"

#include "core/store/helpers.h"

namespace trelfin {

namespace {

bool onOrBefore(const QString &date, const QString &day)
{
    const int c = CompareDates(date, day);
    return c == DateEarlier || c == DateEqual;
}

} // namespace

Statement computeStatement(const Database &db, const QString &day)
{
    Statement s;
    for (const Entry &e : db.reg(RegisterKind::incomes).entries) {
        if (onOrBefore(e.date, day)) {
            s.A += e.amount;
            ++s.nA;
        }
    }
    for (const Entry &e : db.reg(RegisterKind::expenses).entries) {
        if (onOrBefore(e.date, day)) {
            s.B += e.amount;
            ++s.nB;
        }
    }
    s.C = s.A - s.B;

    double debtsTaken = 0, debtsPaidBack = 0, loansGiven = 0, loansReceivedBack = 0;
    for (const Entry &e : db.reg(RegisterKind::debts).entries) {
        if (!onOrBefore(e.date, day))
            continue;
        switch (e.group) {
        case 1: debtsTaken += e.amount; break;
        case 2: loansGiven += e.amount; break;
        case 3: debtsPaidBack += e.amount; break;
        case 4: loansReceivedBack += e.amount; break;
        default: break;
        }
    }
    s.E = debtsTaken - debtsPaidBack;
    s.D = loansGiven - loansReceivedBack;

    for (const Entry &e : db.reg(RegisterKind::planned).entries) {
        if (e.group != SettledGroup && onOrBefore(e.date, day)) {
            s.F += e.amount;
            ++s.nF;
        }
    }
    s.G = s.C - s.F;
    s.H = s.C - s.D + s.E;
    s.I = s.C - s.D + s.E - s.F;
    s.J = s.C - s.D - s.F;

    for (const Entry &e : db.reg(RegisterKind::bankAccount).entries) {
        if (e.group >= 1 && e.group <= 6 && onOrBefore(e.date, day)) {
            s.bank[e.group] += e.amount;
            ++s.bankCount[e.group];
        }
    }
    s.g = s.bank[1] - s.bank[2] - s.bank[3] - s.bank[4] - s.bank[5] + s.bank[6];
    return s;
}

QStringList statementColumnTitles()
{
    return {QStringLiteral("Opis"), QStringLiteral("Wartość"), QStringLiteral("ilość element.")};
}

QStringList statementRowLabels()
{
    static const QStringList labels = [] {
        const QStringList texts = {
            QStringLiteral("A. Przychód"),
            QStringLiteral("B. Rozchód"),
            QStringLiteral("C. Saldo konta (A-B)"),
            QStringLiteral("D. Wierzytelności (pieniądze pożyczone)"),
            QStringLiteral("E. Długi zaciągnięte"),
            QStringLiteral("F. Wydatki planowane"),
            QStringLiteral("G. Saldo - wydatki planowane (C-F)"),
            QStringLiteral("H. Gotówka dostępna obecnie (C-D+E)"),
            QStringLiteral("I. Punkt H - wydatki planowane (H-F)"),
            QStringLiteral("J. Saldo - wierzytelności - wydatki planowane (C-D-F)"),
            QStringLiteral("Statystyka konta banowego:"),
            QStringLiteral("a. Zasilenie konta łącznie"),
            QStringLiteral("b. obciążenie konta łącznie"),
            QStringLiteral("c. opłaty łącznie"),
            QStringLiteral("d. prowizje łącznie"),
            QStringLiteral("e. %%winien łącznie"),
            QStringLiteral("f. %%ma łącznie"),
            QStringLiteral("g. saldo końcowe (a-b-c-d-e+f)"),
        };
        QStringList padded;
        for (const QString &t : texts)
            padded.append(t.leftJustified(53, u' '));
        return padded;
    }();
    return labels;
}

QVector<QStringList> statementRowTexts(const Statement &s)
{
    const QStringList labels = statementRowLabels();
    QVector<QStringList> rows;
    for (const QString &label : labels)
        rows.append({label, QString(), QString()});
    const QString notApplicable = QStringLiteral("n.d.");
    const auto line = [&rows](int row, double value, const QString &count) {
        rows[row - 1][1] = FormatAmount(value);
        rows[row - 1][2] = count;
    };
    const auto number = [](int n) { return QString::number(n); };
    line(1, s.A, number(s.nA));
    line(2, s.B, number(s.nB));
    line(3, s.C, notApplicable);
    line(4, s.D, notApplicable);
    line(5, s.E, notApplicable);
    line(6, s.F, number(s.nF));
    line(7, s.G, notApplicable);
    line(8, s.H, notApplicable);
    line(9, s.I, notApplicable);
    line(10, s.J, notApplicable);
    for (int kind = 1; kind <= 6; ++kind)
        line(11 + kind, s.bank[kind], number(s.bankCount[kind]));
    line(18, s.g, notApplicable);
    return rows;
}

} // namespace trelfin
