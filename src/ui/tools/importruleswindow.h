#pragma once

#include "core/store/database.h"

#include <QDialog>

class QCheckBox;
class QPushButton;
class QTableWidget;

namespace trelfin {

// "Reguły importu wyciągów": the rules that give a bank statement's expense its spending group,
// one a row (the text looked for in the other side's name or the title, and the group), in the
// order they are tried; and whether card payments and transfers also go into "Rozchód" and
// "Przychód". Rows can be added, removed and moved; rules left without a text are dropped at OK.
class ImportRulesWindow : public QDialog
{
    Q_OBJECT
public:
    ImportRulesWindow(const Database &db, QWidget *parent = nullptr);

    QList<Database::ImportRule> rules() const;
    bool alsoIntoRegisters() const;

signals:
    void helpRequested();

private:
    void addRule(const Database::ImportRule &rule);
    void moveCurrent(int by);
    void updateButtons();

    const Database &m_db;
    QTableWidget *m_table;
    QCheckBox *m_alsoRegisters;
    QPushButton *m_remove = nullptr;
    QPushButton *m_up = nullptr;
    QPushButton *m_down = nullptr;
};

} // namespace trelfin
