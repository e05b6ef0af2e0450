#pragma once

#include "core/registers/find.h"

#include <QDialog>

class QCheckBox;
class QLineEdit;
class QRadioButton;

namespace trelfin {

// The find window: a text, whether case matters and the direction; it stays open between
// searches and asks for the next match with each "Znajdź następny".
class FindDialog : public QDialog
{
    Q_OBJECT
public:
    explicit FindDialog(QWidget *parent = nullptr);
    FindRequest request() const;

signals:
    void findNext();

private:
    QLineEdit *m_text;
    QCheckBox *m_matchCase;
    QRadioButton *m_up;
    QRadioButton *m_down;
};

} // namespace trelfin
