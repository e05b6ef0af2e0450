#pragma once

#include "core/store/messagesink.h"

#include <QDialog>

class QLabel;
class QPushButton;

namespace trelfin {

// The question box: laid out like the information box, with the buttons "Tak" and "Nie".
// Only "Tak" answers yes; "Nie" and closing the window by its frame answer no. The question
// whether to save changes has a third button, "Anuluj", which Escape and the frame press.
class TDpytanie : public QDialog
{
    Q_OBJECT
public:
    explicit TDpytanie(QWidget *parent = nullptr);

    // Enter presses the default button: "Tak" unless `defaultAnswer` says "Nie".
    void prepare(const QString &line1, const QString &line2, const QString &title,
                 DefaultAnswer defaultAnswer = DefaultAnswer::yes);
    bool ask(const QString &line1, const QString &line2, const QString &title,
             DefaultAnswer defaultAnswer = DefaultAnswer::yes);
    // Asks with "Tak", "Nie" and "Anuluj"; Enter presses "Tak".
    SaveAnswer askToSave(const QString &line1, const QString &line2, const QString &title);
    // Whether the window was last closed by "Tak".
    bool answeredYes() const { return m_answeredYes; }

private:
    QLabel *m_napis1;
    QLabel *m_napis2;
    QPushButton *m_tak;
    QPushButton *m_nie;
    QPushButton *m_anuluj;
    bool m_answeredYes = false;
    bool m_answeredNo = false;
};

} // namespace trelfin
