#pragma once

#include "core/store/database.h"

#include <QString>
#include <QStringList>
#include <QVector>

#include <array>

namespace trelfin {

// The account statement on a day: the current period's entries dated on or before the day.
struct Statement
{
    double A = 0, B = 0, C = 0, D = 0, E = 0, F = 0, G = 0, H = 0, I = 0, J = 0;
    int nA = 0, nB = 0, nF = 0;
    // Bank-account sums and counts by operation kind 1..6 (lines a..f); [0] unused.
    std::array<double, 7> bank{};
    std::array<int, 7> bankCount{};
    double g = 0;
};

// A = incomes, B = expenses, C = A - B; D = loans given less loans received back, E = debts taken
// less debts paid back; F = planned entries not settled; G = C - F, H = C - D + E,
// I = C - D + E - F, J = C - D - F; a..f the bank account by kind, g = a - b - c - d - e + f.
// An entry whose date, or a day that, cannot be read counts nowhere.
Statement computeStatement(const Database &db, const QString &day);

// The statement grid: column titles and the 18 line labels, each padded with blanks to 53
// characters.
QStringList statementColumnTitles();
QStringList statementRowLabels();

// The texts of the 18 grid rows (label, value, count) that show `statement`; the bank heading
// (row 11) has no value, and the lines that count nothing show "n.d." as their count.
QVector<QStringList> statementRowTexts(const Statement &statement);

} // namespace trelfin
