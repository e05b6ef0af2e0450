#pragma once

#include <QDialog>

class QMenu;
class QTableWidget;

namespace trelfin {

class Database;
class Desktop;
class RegisterCommands;

// "Lista zakupów", the editor: the 100 items in the grid `zakupy`, stored into the database at
// every edit (trimmed, at most 40 characters). Its context menu adds the chosen item as an expense
// (removing it from the list) or as a planned expense, empties it, tidies the list and copies it.
class Tlistazakupow : public QDialog
{
    Q_OBJECT
public:
    Tlistazakupow(Database &db, Desktop &desktop, RegisterCommands &registers, QWidget *parent = nullptr);

    void PorzadkujClick();
    void WyczyscListeClick();
    void clearItem();
    void addAsExpense();
    void addAsPlanned();
    void copyItems();
    QMenu *popupMenu() const { return m_popup; }

signals:
    void printRequested();
    void helpRequested();
    void shown();

protected:
    void showEvent(QShowEvent *event) override;

private:
    void fill();
    void storeItems();
    // The item of the selected row, 1-based; 0 when no row is selected.
    int selectedItem() const;

    Database &m_db;
    Desktop &m_desktop;
    RegisterCommands &m_registers;
    QTableWidget *m_zakupy;
    QMenu *m_popup;
    bool m_filling = false;
};

// "Lista zakupów", the viewer: the items that are not empty, without gaps, in a large font,
// always on top, shown without blocking.
class Tshowlistazakupow : public QDialog
{
    Q_OBJECT
public:
    Tshowlistazakupow(Database &db, Desktop &desktop, QWidget *parent = nullptr);

    void copyItems();

protected:
    void showEvent(QShowEvent *event) override;

private:
    Database &m_db;
    Desktop &m_desktop;
    QTableWidget *m_grid;
};

} // namespace trelfin
