#pragma once

#include "CellInfo.h"
#include "ListSelection.h"

#include <QTableView>

#include <memory>

class TaskListModel;
class TaskListDelegate;

/// The list of conversion tasks. It holds no task data: the main window sets the number of rows,
/// and every painted cell is obtained from the parent through GetCellInfo (UM_GETCELLINFO). The
/// engine changes its tasks and then calls InvalidateCells; the next paint asks again.
///
/// Full-row selection of one or several rows, always shown; no sorting, no hover tracking, no hot
/// row. Clicks select by the rules of NextSelection (the view's own selecting is off); the keys
/// are left to the parent, which filters them. Left clicks on a cell also send UM_CELLCLICK to the
/// parent, right clicks on the header UM_HEADERRCLICK.
class CTaskListCtrl : public QTableView
{
    Q_OBJECT
    Q_DISABLE_COPY(CTaskListCtrl)

public:
    explicit CTaskListCtrl(QWidget *parent = nullptr);
    ~CTaskListCtrl() override;

    /// Inserts a column at `column` (0..GetColumnCount()) with its heading, the alignment of its
    /// cell texts (Qt::AlignLeft, Qt::AlignHCenter or Qt::AlignRight) and its width in pixels.
    /// Returns the new column's index, or -1 when `column` is out of range.
    int InsertColumn(int column, const QString &heading, Qt::Alignment alignment, int width);
    int GetColumnCount() const;
    /// The horizontal alignment of a column's texts (left for a column out of range).
    Qt::Alignment ColumnAlignment(int column) const;

    /// Sets the number of rows (negative counts as 0). Rows that remain keep their selection;
    /// every visible cell is painted afresh, since rows show whatever their task is now.
    void SetItemCount(int count);
    int GetItemCount() const;
    /// Removes every row.
    void DeleteAllItems() { SetItemCount(0); }

    /// The row that the user's last click or key made current (the anchor), -1 for none.
    int GetSelectionMark() const;
    /// Moves the mark without changing the selection; -1 or a row out of range clears it.
    void SetSelectionMark(int row);
    /// Gives `row` the states selected and focused (the only selected row) and sets the mark and
    /// the anchor to it; out of range: nothing. Does not take the keyboard focus and does not
    /// scroll.
    void SelectRow(int row);
    /// The selected rows (ascending), the mark as the current row and the anchor.
    ListSelection Selection() const;
    /// Selects exactly selection.rows (rows out of range are left out), moves the mark to
    /// selection.current (-1 clears it) and keeps selection.anchor. Does not take the keyboard
    /// focus and does not scroll.
    void SetSelection(const ListSelection &selection);
    /// The selected rows, ascending.
    QList<int> SelectedRows() const;
    /// Scrolls so that `row` is at least partly visible; out of range: nothing.
    void EnsureVisible(int row);
    /// True when `row` is selected.
    bool IsRowSelected(int row) const;

    /// Repaints the cells of `column` from row `first` to row `last`, limited to the rows in view
    /// (the partly visible last row counts). Nothing for an empty list or rows out of view.
    /// `erase` is accepted for callers' sake: every repaint paints the cells' background anyway.
    void InvalidateCells(int first, int last, int column, bool erase);
    /// Repaints whole rows first..last that are in view.
    void RedrawItems(int first, int last);

    /// Resets the list's one scratch record, sets item/subItem/selected/hot/imageList, asks the
    /// parent with UM_GETCELLINFO and returns the record. The pointer stays valid for the list's
    /// lifetime, but its contents only until the next query. Without a parent the defaults stay.
    virtual CellInfo *GetCellInfo(int item, int subItem);

    /// The images that cells may show by index; not owned, nullptr for none.
    void SetImageList(const CellImageList *images);

    /// Full-row selection paints every column of a selected row as selected; without it only
    /// column 0, and only behind its text. On by default.
    void SetFullRowSelect(bool on);
    bool FullRowSelect() const { return m_fullRowSelect; }
    /// Selected rows are painted as selected also while the list lacks the focus. On by default.
    void SetShowSelAlways(bool on);

    /// A hint drawn in the middle of the list while it has no rows; empty for none.
    void SetEmptyText(const QString &text);

    /// The bounds of cell (item, subItem) in viewport coordinates; an empty rectangle for a row or
    /// column out of range.
    QRect CellBounds(int item, int subItem) const;
    /// The row and column at a viewport point; {-1, -1} when no cell is there.
    CellHitInfo HitTest(const QPoint &viewportPos);

signals:
    /// The list's own click notifications, sent after the list has handled the click (the
    /// selection already follows it). item/subItem are -1 on empty space.
    void listClicked(int item, int subItem);
    void listRightClicked(int item, int subItem);
    void listDoubleClicked(int item, int subItem);
    void listRightDoubleClicked(int item, int subItem);

protected:
    void paintEvent(QPaintEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    bool viewportEvent(QEvent *event) override;
    QItemSelectionModel::SelectionFlags selectionCommand(const QModelIndex &index,
                                                         const QEvent *event) const override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    friend class TaskListDelegate;

    /// Narrows rows first..last (either order) to the rows in view; false when none is.
    bool ClipToVisibleRows(int &first, int &last) const;

    bool isCellSelected(int item, int subItem) const;
    void sendHeaderRightClick(const QPoint &globalPos);

    TaskListModel *m_model;
    TaskListDelegate *m_delegate;
    std::unique_ptr<CellInfo> m_cellInfo;
    const CellImageList *m_images = nullptr;
    bool m_fullRowSelect = true;
    bool m_showSelAlways = true;
    QString m_emptyText;
    bool m_inDoubleClick = false;
    int m_anchor = -1; ///< where Shift extends the selection from; -1 for none
};
