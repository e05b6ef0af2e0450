#pragma once

#include <QDialog>
#include <QList>
#include <QStringList>

class QLabel;
class QPushButton;

namespace trelfin {

// A question with buttons of its own, laid out like the question box: the first button is the
// default; Escape and the frame answer none of them.
class ChoiceBox : public QDialog
{
    Q_OBJECT
public:
    explicit ChoiceBox(const QStringList &buttons, QWidget *parent = nullptr);

    // The index of the button pressed, or -1 for Escape and the frame.
    int ask(const QString &line1, const QString &line2, const QString &title);

private:
    QLabel *m_napis1;
    QLabel *m_napis2;
    QList<QPushButton *> m_buttons;
    int m_chosen = -1;
};

} // namespace trelfin
