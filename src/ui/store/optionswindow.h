#pragma once

#include <QDialog>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;

namespace trelfin {

class Database;
class Desktop;
class Tpodaniehasla;

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

// "Usunięcie bazy danych": the last question before a database's files are deleted. "Tak"
// leaves 2 in pendingAction, anything else 0.
class Tusuwaniebazy : public QDialog
{
    Q_OBJECT
public:
    Tusuwaniebazy(Database &db, QWidget *parent = nullptr);

protected:
    void showEvent(QShowEvent *event) override;

private:
    Database &m_db;
    QLabel *m_plik;
    QLabel *m_user;
};

// "Opcje bazy": the owner and notes of the open database, the delete confirmation switch, and the
// periods: rename, add, delete. The period buttons, the password and the deletion of the database
// act at once; the owner, notes, switch and period names are stored by OK.
class Topcjebazy : public QDialog
{
    Q_OBJECT
public:
    Topcjebazy(Database &db, Desktop &desktop, QWidget *parent = nullptr);

    // Fills every field from the database; runs when the window opens and again after each
    // window opened from it has closed.
    void fill();

    void renamePeriod();
    void addPeriod();
    void deletePeriod();
    void changePassword();
    void deleteDatabase();
    void ok();
    void cancel();

signals:
    void helpRequested();
    // A period was added or deleted: another period is now in memory.
    void periodsChanged();

protected:
    void showEvent(QShowEvent *event) override;

private:
    void fillPeriodList();

    Database &m_db;
    Desktop &m_desktop;
    QLineEdit *m_uzytkownik;
    QPlainTextEdit *m_innedane;
    QLineEdit *m_datautworzenia;
    QLineEdit *m_ostatnizapis;
    QLineEdit *m_iloscokresow;
    QCheckBox *m_czypytac;
    QComboBox *m_biezacyokres;
    QLineEdit *m_pierwszywpis;
    QLineEdit *m_ostatniwpis;
    Tnazwaokresu *m_nameWindow = nullptr;
    Tusuwaniebazy *m_deleteWindow = nullptr;
    Tpodaniehasla *m_passwordWindow = nullptr;
};

} // namespace trelfin
