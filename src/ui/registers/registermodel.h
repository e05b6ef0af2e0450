#pragma once

#include "core/store/database.h"

#include <QAbstractTableModel>

namespace trelfin {

// One register of the current period as its grid shows it: date, "0.00" amount, group or kind
// name (nothing for incomes), description. The model reads the database directly, so a refresh
// after a bulk change is a model reset, not a fill cell by cell.
class RegisterModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    RegisterModel(const Database &db, RegisterKind kind, QObject *parent = nullptr);

    RegisterKind kind() const { return m_kind; }

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    // The text of a cell as the grid shows it (0-based row).
    QString cellText(int row, int column) const;

    // After the register changed in bulk.
    void refresh();
    // After one entry (0-based) was replaced in place.
    void rowChanged(int row);

    static QStringList columnTitles(RegisterKind kind);

private:
    const Database &m_db;
    RegisterKind m_kind;
};

} // namespace trelfin
