#pragma once

#include <QDialog>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPlainTextEdit;

namespace trelfin {

class Database;
class DatabaseCommands;
class GroupSetCommands;

// "Opcje bazy": the owner and notes of the open database, the delete confirmation switch, and the
// periods: rename, add, delete. The period buttons, the password and the deletion of the database
// act at once, through the database commands; the owner, notes, switch and period names are
// stored by OK, which accepts the window. "Anuluj" and the frame reject it.
class Topcjebazy : public QDialog
{
    Q_OBJECT
public:
    Topcjebazy(Database &db, DatabaseCommands &commands, GroupSetCommands &groupSets, QWidget *parent = nullptr);

    // Fills every field from the database; runs when the window opens.
    void fill();
    // Refills what the buttons change (the dates, the period count and list) after each window
    // opened from it has closed. The owner, the notes and the switch keep what was typed until OK.
    void refresh();

    // Whether "   Usunięcie bazy     " deleted the database while the window was shown.
    bool databaseDeleted() const { return m_databaseDeleted; }

    void nazwaClick();
    void dodajClick();
    void UsunokresClick();
    void hasloClick();
    void pedycjagrup();
    void importClick();
    void exportClick();
    void UsunClick();
    void BitBtn1Click();
    void BitBtn2Click();

signals:
    void helpRequested();

protected:
    void showEvent(QShowEvent *event) override;

private:
    void fillPeriodList();

    Database &m_db;
    DatabaseCommands &m_commands;
    GroupSetCommands &m_groupSets;
    bool m_databaseDeleted = false;
    QLineEdit *m_uzytkownik;
    QPlainTextEdit *m_innedane;
    QLineEdit *m_datautworzenia;
    QLineEdit *m_ostatnizapis;
    QLineEdit *m_iloscokresow;
    QCheckBox *m_czypytac;
    QComboBox *m_biezacyokres;
    QLineEdit *m_pierwszywpis;
    QLineEdit *m_ostatniwpis;
};

} // namespace trelfin
