#pragma once

#include "ui/common/notebookpage.h"

#include <QWidget>

class QComboBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace trelfin {

class Database;
class DatabaseCommands;

// The "Główne menu" page: what the open database and its current period are, the period list
// `biezacyokres`, and the buttons of the database commands.
class MainMenuPage : public QWidget, public NotebookPage
{
    Q_OBJECT
public:
    explicit MainMenuPage(QWidget *parent = nullptr);

    QWidget *pageWidget() override { return this; }
    QString statusText() const override;

    // Fills the fields from the database record and its current period.
    void showDatabaseInfo(const Database &db);
    // Every field "b.d.", the period list empty.
    void clearDatabaseInfo();

    QComboBox *periodList() const { return m_biezacyokres; }

    // The database buttons run the database commands.
    void connectDatabaseCommands(DatabaseCommands &commands);

signals:
    void newRequested();
    void openRequested();
    void saveRequested();
    void closeRequested();
    void lockRequested();
    void optionsRequested();
    void summaryRequested();
    void helpRequested();
    void quitRequested();
    // The user chose item `index` of the period list.
    void periodChosen(int index);

private:
    QLineEdit *m_uzytkownik = nullptr;
    QPlainTextEdit *m_innedane = nullptr;
    QLineEdit *m_datautworzenia = nullptr;
    QLineEdit *m_ostatnizapis = nullptr;
    QLineEdit *m_iloscokresow = nullptr;
    QComboBox *m_biezacyokres = nullptr;
    QLineEdit *m_pierwszywpis = nullptr;
    QLineEdit *m_ostatniwpis = nullptr;
};

} // namespace trelfin
