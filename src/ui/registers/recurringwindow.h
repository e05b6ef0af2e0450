#pragma once

#include "core/store/database.h"

#include <QDialog>

#include <array>

class QCheckBox;
class QComboBox;
class QLineEdit;

namespace trelfin {

class MessageSink;

// The recurring incomes ("Przychód okresowy / cykliczny", `Tfstalyp`) or expenses ("Okresowe /
// cykliczne wydatki", `Tfstalyr`): five rows of a box "aktywny", (expenses) a group, an amount and
// a description. The window keeps what it shows for the whole run; it is loaded from the
// period's rows when a database opens. OK and the add button refuse an amount that cannot be
// read; however it closes, its rows are stored into the current period (a row's amount only
// when it can be read), which counts as modified. Its add button closes it with `AddResult`.
class RecurringItemsWindow : public QDialog
{
    Q_OBJECT
public:
    static constexpr int AddResult = 2;

    RecurringItemsWindow(RegisterKind kind, Database &db, MessageSink &sink, QWidget *parent = nullptr);

    RegisterKind kind() const { return m_kind; }
    // Fills the rows from the current period's recurring rows.
    void load();
    void done(int result) override;

protected:
    void showEvent(QShowEvent *event) override;

private:
    void store();

    RegisterKind m_kind;
    Database &m_db;
    MessageSink &m_sink;
    std::array<QCheckBox *, RecurringRows> m_active{};
    std::array<QLineEdit *, RecurringRows> m_day{};
    std::array<QComboBox *, RecurringRows> m_group{};
    std::array<int, RecurringRows> m_groupIndex{};
    std::array<QLineEdit *, RecurringRows> m_amount{};
    std::array<QLineEdit *, RecurringRows> m_description{};
};

} // namespace trelfin
