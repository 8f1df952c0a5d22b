#include "CTaskListCtrl.h"

#include "TaskListDelegate.h"
#include "TaskListModel.h"

#include <QCoreApplication>
#include <QHeaderView>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>

#include <algorithm>

CTaskListCtrl::CTaskListCtrl(QWidget *parent)
    : QTableView(parent)
    , m_model(new TaskListModel(this))
    , m_delegate(new TaskListDelegate(this))
    , m_cellInfo(std::make_unique<CellInfo>())
{
    setModel(m_model);
    setItemDelegate(m_delegate);

    // Several rows may be selected (and screen readers are told so); which ones, the list decides
    // itself in mousePressEvent, never the view (selectionCommand).
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setDragEnabled(false);
    setSortingEnabled(false);
    setShowGrid(false);
    setWordWrap(false);
    setCornerButtonEnabled(false);
    setTabKeyNavigation(false);
    setFocusPolicy(Qt::StrongFocus);
    setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);

    // No hover tracking: the list has no hot row and never selects by hovering.
    setMouseTracking(false);
    viewport()->setMouseTracking(false);
    viewport()->setAttribute(Qt::WA_Hover, false);

    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setMinimumSectionSize(1);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 4);

    QHeaderView *header = horizontalHeader();
    header->setSectionsClickable(false);
    header->setSortIndicatorShown(false);
    header->setHighlightSections(false);
    header->setStretchLastSection(false);
    header->setSectionsMovable(false);
    header->setSectionResizeMode(QHeaderView::Interactive);
    header->viewport()->installEventFilter(this);

    // Screen readers read a cell as the list paints it.
    m_model->setCellTextSource(
        [this](int row, int column) { return GetCellInfo(row, column)->text; });
}

CTaskListCtrl::~CTaskListCtrl() = default;

int CTaskListCtrl::InsertColumn(int column,
                                const QString &heading,
                                Qt::Alignment alignment,
                                int width)
{
    if (!m_model->insertTaskColumn(column, heading, alignment))
        return -1;
    setColumnWidth(column, std::max(width, 0));
    return column;
}

int CTaskListCtrl::GetColumnCount() const
{
    return m_model->columnCount();
}

Qt::Alignment CTaskListCtrl::ColumnAlignment(int column) const
{
    return m_model->columnAlignment(column);
}

void CTaskListCtrl::SetItemCount(int count)
{
    m_model->setRowCount(count);
    // The rows show whatever task now sits at their index: paint them all afresh.
    viewport()->update();
}

int CTaskListCtrl::GetItemCount() const
{
    return m_model->rowCount();
}

int CTaskListCtrl::GetSelectionMark() const
{
    const QModelIndex current = selectionModel()->currentIndex();
    return current.isValid() ? current.row() : -1;
}

void CTaskListCtrl::SetSelectionMark(int row)
{
    const QModelIndex index = m_model->index(row, 0);
    selectionModel()->setCurrentIndex(index, QItemSelectionModel::NoUpdate);
}

void CTaskListCtrl::SelectRow(int row)
{
    if (row < 0 || row >= GetItemCount() || GetColumnCount() == 0)
        return;
    SetSelection(ListSelection{{row}, row, row});
}

ListSelection CTaskListCtrl::Selection() const
{
    return ListSelection{SelectedRows(), GetSelectionMark(), m_anchor};
}

void CTaskListCtrl::SetSelection(const ListSelection &selection)
{
    const int count = GetItemCount();
    const int lastColumn = GetColumnCount() - 1;
    QItemSelection rows;
    for (int row : selection.rows) {
        if (row >= 0 && row < count && lastColumn >= 0)
            rows.merge(QItemSelection(m_model->index(row, 0), m_model->index(row, lastColumn)),
                       QItemSelectionModel::Select);
    }
    selectionModel()->select(rows, QItemSelectionModel::ClearAndSelect);
    SetSelectionMark(selection.current);
    m_anchor = selection.anchor;
}

QList<int> CTaskListCtrl::SelectedRows() const
{
    QList<int> rows;
    for (const QItemSelectionRange &range : selectionModel()->selection()) {
        for (int row = range.top(); row <= range.bottom(); ++row)
            rows.append(row);
    }
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    return rows;
}

void CTaskListCtrl::EnsureVisible(int row)
{
    if (row < 0 || row >= GetItemCount() || GetColumnCount() == 0)
        return;
    // Only vertically: the horizontal position stays where the user left it.
    const int horizontal = horizontalScrollBar()->value();
    scrollTo(m_model->index(row, 0), QAbstractItemView::EnsureVisible);
    horizontalScrollBar()->setValue(horizontal);
}

bool CTaskListCtrl::IsRowSelected(int row) const
{
    if (row < 0 || row >= GetItemCount() || GetColumnCount() == 0)
        return false;
    return selectionModel()->isSelected(m_model->index(row, 0));
}

bool CTaskListCtrl::isCellSelected(int item, int subItem) const
{
    return IsRowSelected(item) && (subItem == 0 || m_fullRowSelect)
           && (hasFocus() || m_showSelAlways);
}

QRect CTaskListCtrl::CellBounds(int item, int subItem) const
{
    if (item < 0 || item >= GetItemCount() || subItem < 0 || subItem >= GetColumnCount())
        return QRect();
    return QRect(columnViewportPosition(subItem),
                 rowViewportPosition(item),
                 columnWidth(subItem),
                 rowHeight(item));
}

bool CTaskListCtrl::ClipToVisibleRows(int &first, int &last) const
{
    const int count = GetItemCount();
    if (count == 0)
        return false;
    if (first > last)
        std::swap(first, last);
    const int top = rowAt(0);
    if (top < 0)
        return false;
    // The partly visible row below the last whole one counts.
    int bottom = rowAt(viewport()->height() - 1);
    if (bottom < 0)
        bottom = count - 1;
    if (last < top || first > bottom)
        return false;
    first = std::max(first, top);
    last = std::min(last, bottom);
    return true;
}

void CTaskListCtrl::InvalidateCells(int first, int last, int column, bool erase)
{
    Q_UNUSED(erase) // every paint fills the cells' background
    if (column < 0 || column >= GetColumnCount() || !ClipToVisibleRows(first, last))
        return;
    viewport()->update(CellBounds(first, column).united(CellBounds(last, column)));
}

void CTaskListCtrl::RedrawItems(int first, int last)
{
    if (GetColumnCount() == 0 || !ClipToVisibleRows(first, last))
        return;
    const QRect rows(0,
                     rowViewportPosition(first),
                     viewport()->width(),
                     rowViewportPosition(last) + rowHeight(last) - rowViewportPosition(first));
    viewport()->update(rows);
}

CellInfo *CTaskListCtrl::GetCellInfo(int item, int subItem)
{
    CellInfo &info = *m_cellInfo;
    info.reset();
    info.item = item;
    info.subItem = subItem;
    info.selected = isCellSelected(item, subItem);
    info.hot = false; // the list tracks no hot row
    info.imageList = m_images;
    if (QWidget *parent = parentWidget()) {
        GetCellInfoEvent event(this, &info);
        QCoreApplication::sendEvent(parent, &event);
    }
    return &info;
}

void CTaskListCtrl::SetImageList(const CellImageList *images)
{
    m_images = images;
    viewport()->update();
}

void CTaskListCtrl::SetEmptyText(const QString &text)
{
    m_emptyText = text;
    viewport()->update();
}

void CTaskListCtrl::SetFullRowSelect(bool on)
{
    if (m_fullRowSelect == on)
        return;
    m_fullRowSelect = on;
    viewport()->update();
}

void CTaskListCtrl::SetShowSelAlways(bool on)
{
    if (m_showSelAlways == on)
        return;
    m_showSelAlways = on;
    viewport()->update();
}

CellHitInfo CTaskListCtrl::HitTest(const QPoint &viewportPos)
{
    CellHitInfo hit;
    const int row = rowAt(viewportPos.y());
    const int column = columnAt(viewportPos.x());
    if (row < 0 || column < 0)
        return hit;
    hit.item = row;
    hit.subItem = column;
    const QRect bounds = CellBounds(row, column);
    const CellInfo &info = *GetCellInfo(row, column);
    hit.onImage = TaskListDelegate::ImageRect(info, bounds).contains(viewportPos);
    return hit;
}

void CTaskListCtrl::paintEvent(QPaintEvent *event)
{
    // Every cell is painted by the delegate from the parent's answer; the list itself paints no
    // label, grid, focus rectangle or selection of its own.
    QPainter painter(viewport());
    const QRegion &region = event->region();
    const int rows = GetItemCount();
    const int columns = GetColumnCount();

    // The viewport fills its background (the window colour) before this runs, as the list's
    // erase would; cells paint over it.
    if (rows == 0 && !m_emptyText.isEmpty()) {
        painter.setPen(palette().color(QPalette::Disabled, QPalette::Text));
        painter.drawText(viewport()->rect().adjusted(8, 8, -8, -8),
                         Qt::AlignCenter | Qt::TextWordWrap,
                         m_emptyText);
    }
    if (rows == 0 || columns == 0)
        return;

    const QRect bounding = event->rect();
    const int firstRow = rowAt(std::max(bounding.top(), 0));
    if (firstRow < 0)
        return;
    int lastRow = rowAt(bounding.bottom());
    if (lastRow < 0)
        lastRow = rows - 1;

    QStyleOptionViewItem option;
    initViewItemOption(&option);
    for (int row = firstRow; row <= lastRow; ++row) {
        for (int column = 0; column < columns; ++column) {
            if (isColumnHidden(column))
                continue;
            const QRect cell = CellBounds(row, column);
            if (!region.intersects(cell))
                continue;
            option.rect = cell;
            m_delegate->paint(&painter, option, m_model->index(row, column));
        }
    }
}

void CTaskListCtrl::focusInEvent(QFocusEvent *event)
{
    // Not the item view's own: it would make the first row current (the selection mark) when the
    // focus arrives, and a row nobody chose would then count as marked.
    QAbstractScrollArea::focusInEvent(event);
    viewport()->update(); // selected rows take their focused colours
}

void CTaskListCtrl::mousePressEvent(QMouseEvent *event)
{
    const QPoint pos = event->position().toPoint();
    const Qt::MouseButton button = event->button();
    const ListSelection before = Selection();
    QTableView::mousePressEvent(event);

    // The press selects, before the parent hears of the click; the second press of a double
    // click on the same row never comes here, so it does not toggle a row back.
    const CellHitInfo hit = HitTest(pos);
    if (button == Qt::LeftButton || button == Qt::RightButton) {
        SelectionInput input;
        input.kind = button == Qt::LeftButton ? SelectionInput::Click : SelectionInput::RightClick;
        input.row = hit.item;
        input.modifiers = event->modifiers();
        SetSelection(NextSelection(before, GetItemCount(), input));
    }
    if (m_inDoubleClick)
        return;

    if (button == Qt::LeftButton) {
        if (hit.item >= 0) {
            CellHitInfo info = hit;
            if (QWidget *parent = parentWidget()) {
                CellClickEvent click(this, &info);
                QCoreApplication::sendEvent(parent, &click);
            }
        }
        emit listClicked(hit.item, hit.subItem);
    } else if (button == Qt::RightButton) {
        emit listRightClicked(hit.item, hit.subItem);
    }
}

void CTaskListCtrl::mouseDoubleClickEvent(QMouseEvent *event)
{
    const QPoint pos = event->position().toPoint();
    const Qt::MouseButton button = event->button();
    // The base may treat the second press as a plain press; that is no new click.
    m_inDoubleClick = true;
    QTableView::mouseDoubleClickEvent(event);
    m_inDoubleClick = false;

    const int row = rowAt(pos.y());
    const int column = columnAt(pos.x());
    const int item = row >= 0 && column >= 0 ? row : -1;
    const int subItem = row >= 0 && column >= 0 ? column : -1;
    if (button == Qt::LeftButton)
        emit listDoubleClicked(item, subItem);
    else if (button == Qt::RightButton)
        emit listRightDoubleClicked(item, subItem);
}

void CTaskListCtrl::mouseMoveEvent(QMouseEvent *event)
{
    // Mouse moves never reach the list: no hover selection, no drag selection, no hot row.
    event->accept();
}

// The view never selects by itself: its press, release, key and drag selecting would differ
// from the list's rules (a click on empty space would clear the selection after the parent had
// been told of the click; Ctrl+click or Ctrl+Space would un-select the current task).
QItemSelectionModel::SelectionFlags CTaskListCtrl::selectionCommand(const QModelIndex &,
                                                                    const QEvent *) const
{
    return QItemSelectionModel::NoUpdate;
}

bool CTaskListCtrl::viewportEvent(QEvent *event)
{
    switch (event->type()) {
    case QEvent::HoverEnter:
    case QEvent::HoverMove:
    case QEvent::HoverLeave:
        return true;
    default:
        return QTableView::viewportEvent(event);
    }
}

bool CTaskListCtrl::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == horizontalHeader()->viewport() && event->type() == QEvent::MouseButtonRelease) {
        auto *mouse = static_cast<QMouseEvent *>(event);
        if (mouse->button() == Qt::RightButton)
            sendHeaderRightClick(mouse->globalPosition().toPoint());
    }
    return QTableView::eventFilter(watched, event);
}

void CTaskListCtrl::sendHeaderRightClick(const QPoint &globalPos)
{
    QWidget *parent = parentWidget();
    if (!parent)
        return;
    QHeaderView *header = horizontalHeader();
    const QPoint local = header->viewport()->mapFromGlobal(globalPos);
    HeaderClickInfo info;
    info.column = -1;
    for (int section = 0; section < header->count(); ++section) {
        const int left = header->sectionViewportPosition(section);
        const QRect rect(left, 0, header->sectionSize(section), header->viewport()->height());
        if (!header->isSectionHidden(section) && rect.contains(local)) {
            info.column = section;
            break;
        }
    }
    info.point = globalPos;
    HeaderRClickEvent click(this, &info);
    QCoreApplication::sendEvent(parent, &click);
}
