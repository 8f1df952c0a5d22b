#include "TaskListModel.h"

TaskListModel::TaskListModel(QObject *parent)
    : QAbstractTableModel(parent)
{}

int TaskListModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_rows;
}

int TaskListModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_columns.size());
}

QVariant TaskListModel::data(const QModelIndex &index, int role) const
{
    if (role != Qt::AccessibleTextRole || !m_cellText || !index.isValid() || index.row() >= m_rows
        || index.column() >= m_columns.size())
        return QVariant();
    return m_cellText(index.row(), index.column());
}

void TaskListModel::setCellTextSource(std::function<QString(int, int)> source)
{
    m_cellText = std::move(source);
}

QVariant TaskListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 || section >= m_columns.size())
        return QVariant();
    switch (role) {
    case Qt::DisplayRole:
        return m_columns.at(section).heading;
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(
            Qt::Alignment(m_columns.at(section).alignment | Qt::AlignVCenter));
    default:
        return QVariant();
    }
}

Qt::ItemFlags TaskListModel::flags(const QModelIndex &index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemNeverHasChildren;
}

void TaskListModel::setRowCount(int count)
{
    count = std::max(count, 0);
    if (count > m_rows) {
        beginInsertRows(QModelIndex(), m_rows, count - 1);
        m_rows = count;
        endInsertRows();
    } else if (count < m_rows) {
        beginRemoveRows(QModelIndex(), count, m_rows - 1);
        m_rows = count;
        endRemoveRows();
    }
}

bool TaskListModel::insertTaskColumn(int column, const QString &heading, Qt::Alignment alignment)
{
    if (column < 0 || column > m_columns.size())
        return false;
    beginInsertColumns(QModelIndex(), column, column);
    m_columns.insert(column, Column{heading, alignment & Qt::AlignHorizontal_Mask});
    endInsertColumns();
    return true;
}

Qt::Alignment TaskListModel::columnAlignment(int column) const
{
    if (column < 0 || column >= m_columns.size())
        return Qt::AlignLeft;
    return m_columns.at(column).alignment;
}
