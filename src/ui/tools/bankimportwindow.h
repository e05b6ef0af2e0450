#pragma once

#include "core/tools/bankimport.h"

#include <QDialog>

class QCheckBox;
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
    BankImportWindow(const Database &db, const QString &file, const BankStatement &statement, QVector<ImportRow> rows,
                     QWidget *parent = nullptr);

    // The rows with the boxes, kinds, groups and descriptions as the user left them.
    QVector<ImportRow> rows() const;
    // The rows as the import first offered them (to tell what the user changed).
    const QVector<ImportRow> &offeredRows() const { return m_rows; }
    // Whether card payments and transfers also go into "Rozchód" and "Przychód".
    bool alsoIntoRegisters() const;

signals:
    void helpRequested();

private:
    void updateTotals();

    QVector<ImportRow> m_rows;
    QTableWidget *m_table;
    QLabel *m_totals;
    QCheckBox *m_alsoRegisters;
};

} // namespace trelfin
