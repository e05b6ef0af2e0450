#pragma once

#include <QDialog>

class QLineEdit;

namespace trelfin {

// "Podaj nazwę okresu": one name, OK or Enter closes it.
class Tnazwaokresu : public QDialog
{
    Q_OBJECT
public:
    explicit Tnazwaokresu(QWidget *parent = nullptr);
    QLineEdit *nazwa() const { return m_nazwa; }

private:
    QLineEdit *m_nazwa;
};

} // namespace trelfin
