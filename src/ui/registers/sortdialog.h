#pragma once

#include "core/registers/sort.h"

#include <QDialog>

class QRadioButton;

namespace trelfin {

// "Sortowanie": the key and the order; " &Sortuj   " accepts, "  Anuluj   " rejects. The choice
// stays between uses. Two variants: "sort" with the key "Grupy", and "sort2" for incomes without.
class Tsort : public QDialog
{
    Q_OBJECT
public:
    enum class Variant { withGroup, incomes };

    explicit Tsort(Variant variant, QWidget *parent = nullptr);
    SortKey key() const;
    SortOrder order() const;

private:
    QRadioButton *m_rosnaco;
    QRadioButton *m_malejaco;
    QRadioButton *m_daty;
    QRadioButton *m_wartosci;
    QRadioButton *m_grupy = nullptr;
};

} // namespace trelfin
