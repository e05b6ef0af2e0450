#pragma once

#include "core/tools/reminders.h"

#include <QDialog>

class QPushButton;
class QTableWidget;

namespace trelfin {

class Database;

// "Na bieżącą datę zaplanowano wydatek:": the due planned expense in the edit buffer and what to
// do with it. Its answer is the window's result, as a ReminderAnswer; the frame leaves it.
class Tterminplan : public QDialog
{
    Q_OBJECT
public:
    Tterminplan(Database &db, QWidget *parent = nullptr);

    ReminderAnswer answer() const { return m_answer; }

protected:
    void showEvent(QShowEvent *event) override;

private:
    void answerWith(ReminderAnswer answer);

    Database &m_db;
    QTableWidget *m_tab;
    QPushButton *m_leave = nullptr;
    ReminderAnswer m_answer = ReminderAnswer::leave;
};

} // namespace trelfin
