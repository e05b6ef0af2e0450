#pragma once

#include "core/tools/bankstatement.h"

#include <QDialog>

class QComboBox;
class QFormLayout;
class QPushButton;

namespace trelfin {

// "Kolumny wyciągu": for a CSV file that no bank's layout matches, the user says which column
// holds the date, the amount (or the debits and credits), the other side and the title. Every
// column is offered by its name with the value of the first row beside it. OK is possible once
// a date and an amount are chosen.
class CsvColumnsWindow : public QDialog
{
    Q_OBJECT
public:
    CsvColumnsWindow(const CsvHeader &header, const CsvColumnMapping &start, QWidget *parent = nullptr);

    CsvColumnMapping mapping() const;

signals:
    void helpRequested();

private:
    QComboBox *addChoice(const QString &name, const QString &caption, int column);
    void updateOk();

    const CsvHeader m_header;
    QComboBox *m_date = nullptr;
    QComboBox *m_amount = nullptr;
    QComboBox *m_debit = nullptr;
    QComboBox *m_credit = nullptr;
    QComboBox *m_counterparty = nullptr;
    QComboBox *m_title = nullptr;
    QPushButton *m_ok = nullptr;
    QFormLayout *m_form = nullptr;
};

} // namespace trelfin
