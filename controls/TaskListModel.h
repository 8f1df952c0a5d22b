#pragma once

#include <QAbstractTableModel>
#include <QList>

#include <functional>

/// The task list's model: a number of rows and the column headings, nothing else. The cells'
/// contents are asked for at paint time (CTaskListCtrl::GetCellInfo), so data() holds only
/// the texts screen readers ask for (Qt::AccessibleTextRole), taken from the same source.
class TaskListModel : public QAbstractTableModel
{
    Q_OBJECT
    Q_DISABLE_COPY(TaskListModel)

public:
    explicit TaskListModel(QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section,
                        Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;

    /// Grows or shrinks the rows at the end (negative counts as 0).
    void setRowCount(int count);
    /// Inserts a column before `column` (0..columnCount()); false when out of range.
    bool insertTaskColumn(int column, const QString &heading, Qt::Alignment alignment);
    /// The horizontal alignment of a column's texts; left for a column out of range.
    Qt::Alignment columnAlignment(int column) const;
    /// Where the cells' texts come from for screen readers (Qt::AccessibleTextRole): called with
    /// row and column of a valid cell. Without it cells have no text.
    void setCellTextSource(std::function<QString(int row, int column)> source);

private:
    struct Column
    {
        QString heading;
        Qt::Alignment alignment;
    };

    QList<Column> m_columns;
    std::function<QString(int, int)> m_cellText;
    int m_rows = 0;
};
