#pragma once

#include <QDialog>

class QLabel;

namespace trelfin {

// The information box: a resizable tool window with two centred lines and one button.
class Tdinformacja : public QDialog
{
    Q_OBJECT
public:
    explicit Tdinformacja(QWidget *parent = nullptr);

    // Fills the window; `exec()` then shows it modally.
    void prepare(const QString &line1, const QString &line2, const QString &title);
    // Fills the window and shows it modally until it is closed.
    void showMessage(const QString &line1, const QString &line2, const QString &title);

private:
    QLabel *m_napis1;
    QLabel *m_napis2;
};

} // namespace trelfin
