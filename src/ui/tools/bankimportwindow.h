#pragma once

#include "core/tools/bankimport.h"

#include <QDialog>

class QLabel;
class QTableWidget;

namespace trelfin {

class Database;

// "Import wyciągu bankowego": the statement read from the bank's file, for review before anything
// is added. It shows the file, the format and account recognised, the statement's dates and
// balances, and a row per statement row: a box (checked for new rows), date, amount, the target
// register, the kind of operation and the description (both editable), and the status ("nowy",
// "już zaimportowany", "możliwy duplikat", "blokada", "pominięty" with its reason). The count and
// the sums of what will be added follow the boxes. OK accepts; the rows as chosen are rows().
class BankImportWindow : public QDialog
{
    Q_OBJECT
public:
    BankImportWindow(const QString &file, const BankStatement &statement, QVector<ImportRow> rows, QWidget *parent = nullptr);

    // The rows with the boxes, kinds and descriptions as the user left them.
    QVector<ImportRow> rows() const;

signals:
    void helpRequested();

private:
    void updateTotals();

    QVector<ImportRow> m_rows;
    QTableWidget *m_table;
    QLabel *m_totals;
};

} // namespace trelfin
