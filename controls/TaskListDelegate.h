#pragma once

#include "CellInfo.h"

#include <QAbstractItemDelegate>

class CTaskListCtrl;

/// Paints one cell of CTaskListCtrl from the CellInfo that the list obtains for it: the image,
/// the in-cell progress bar and the text in the colours of the cell's state. Also answers tooltip
/// requests from the same record.
class TaskListDelegate : public QAbstractItemDelegate
{
    Q_OBJECT
    Q_DISABLE_COPY(TaskListDelegate)

public:
    /// `list` is the view it paints for and its parent.
    explicit TaskListDelegate(CTaskListCtrl *list);

    void paint(QPainter *painter,
               const QStyleOptionViewItem &option,
               const QModelIndex &index) const override;
    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override;
    bool helpEvent(QHelpEvent *event,
                   QAbstractItemView *view,
                   const QStyleOptionViewItem &option,
                   const QModelIndex &index) override;

    /// Where a cell's image goes inside the cell bounds `bounds`; empty when the cell shows no
    /// image (no index, no image list, an index the list does not have, or a cell without width).
    static QRect ImageRect(const CellInfo &info, const QRect &bounds);

private:
    void paintCell(QPainter *painter, const QRect &bounds, const CellInfo &info) const;

    CTaskListCtrl *m_list;
};
