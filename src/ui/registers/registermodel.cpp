#include "ui/registers/registermodel.h"

#include "core/registers/rowtext.h"

namespace trelfin {

RegisterModel::RegisterModel(const Database &db, RegisterKind kind, QObject *parent)
    : QAbstractTableModel(parent)
    , m_db(db)
    , m_kind(kind)
{
}

int RegisterModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_db.reg(m_kind).count();
}

int RegisterModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : 4;
}

QString RegisterModel::cellText(int row, int column) const
{
    return registerRowCells(m_db, m_kind, row + 1).value(column);
}

QVariant RegisterModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid())
        return QVariant();
    if (role == Qt::DisplayRole)
        return cellText(index.row(), index.column());
    if (role == Qt::TextAlignmentRole && index.column() == 1)
        return QVariant(Qt::AlignRight | Qt::AlignVCenter);
    return QVariant();
}

QStringList RegisterModel::columnTitles(RegisterKind kind)
{
    return registerColumnTitles(kind);
}

QVariant RegisterModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole)
        return columnTitles(m_kind).value(section);
    return QAbstractTableModel::headerData(section, orientation, role);
}

void RegisterModel::refresh()
{
    beginResetModel();
    endResetModel();
}

void RegisterModel::rowChanged(int row)
{
    emit dataChanged(index(row, 0), index(row, 3));
}

} // namespace trelfin
