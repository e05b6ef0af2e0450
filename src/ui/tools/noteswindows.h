#pragma once

#include <QDialog>

class QLineEdit;
class QPlainTextEdit;

namespace trelfin {

class Clock;
class Database;

// "Notatki": the 30 notes, one at a time, with "<<" and ">>" stepping round them. The note shown
// is stored before every step and however the window closes.
class Tnotatnik : public QDialog
{
    Q_OBJECT
public:
    Tnotatnik(Database &db, const Clock &clock, QWidget *parent = nullptr);

    int noteNumber() const { return m_number; }
    void prevClick();
    void nextClick();
    void usunClick();
    void done(int result) override;

signals:
    void printRequested();
    void helpRequested();

protected:
    void showEvent(QShowEvent *event) override;

private:
    void showNote(int number);
    void storeNote();

    Database &m_db;
    const Clock &m_clock;
    int m_number = 1;
    QLineEdit *m_termin;
    QPlainTextEdit *m_notatka;
    QLineEdit *m_numberField;
};

// "Notatka": a due note shown when its database opens; "Usuń" deletes it.
class Tshownotatka : public QDialog
{
    Q_OBJECT
public:
    Tshownotatka(Database &db, QWidget *parent = nullptr);

    // The note (1..30) the next showing shows.
    void setNote(int number);

signals:
    void helpRequested();

protected:
    void showEvent(QShowEvent *event) override;

private:
    Database &m_db;
    int m_number = 1;
    QLineEdit *m_data;
    QPlainTextEdit *m_notatka;
};

} // namespace trelfin
