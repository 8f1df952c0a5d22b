#include "TaskListHost.h"

#include <QAbstractItemModelTester>
#include <QApplication>
#include <QHeaderView>
#include <QHelpEvent>
#include <QMouseEvent>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QToolTip>

#include <set>

using Query = TaskListHost::Query;

class tst_TaskListBehaviour : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void modelHoldsRowsAndHeadingsOnly();
    void invalidateCells_data();
    void invalidateCells();
    void invalidateCellsOnEmptyList();
    void fullRepaintAsksOncePerVisibleCell();
    void progressTickRepaintsOneCell();
    void clicks_data();
    void clicks();
    void doubleClickReachesParent();
    void headerRightClick_data();
    void headerRightClick();
    void mouseMovesChangeNothing();
    void selectionOperations();
    void choosingTheSelectedRowAgainKeepsIt_data();
    void choosingTheSelectedRowAgainKeepsIt();
    void selectedFlag_data();
    void selectedFlag();
    void toolTipFromRecord();

private:
    /// Waits until every pending paint is done, by invalidating one more cell (row `row` of
    /// column 0) and waiting for its query; returns the queries made meanwhile, the sentinel
    /// left out.
    QList<Query> flushPaints(int row);
    QPoint cellCentre(int item, int subItem) const;

    std::unique_ptr<TaskListHost> m_host;
};

void tst_TaskListBehaviour::init()
{
    m_host = std::make_unique<TaskListHost>();
    m_host->insertTaskColumns();
    m_host->list->SetItemCount(50);
    m_host->sizeListForRows(10.5, 700);
    m_host->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_host.get()));
    m_host->list->verticalScrollBar()->setValue(10); // rows 10 to 20 in view, 20 partly
    QCOMPARE(m_host->list->rowAt(0), 10);
    QCOMPARE(m_host->list->rowAt(m_host->list->viewport()->height() - 1), 20);
    // Let the paints of showing, activating and scrolling settle.
    for (int attempt = 0; attempt < 20 && !flushPaints(10).isEmpty(); ++attempt)
        QTest::qWait(20);
    QVERIFY(flushPaints(10).isEmpty());
}

void tst_TaskListBehaviour::cleanup()
{
    m_host.reset();
}

QList<Query> tst_TaskListBehaviour::flushPaints(int row)
{
    CTaskListCtrl *list = m_host->list;
    // Queries made for other reasons (a paint still pending) stay in the result.
    QList<Query> &queries = m_host->queries;
    list->InvalidateCells(row, row, 0, false);
    const Query sentinel{row, 0};
    [&] {
        QTRY_VERIFY_WITH_TIMEOUT(queries.contains(sentinel), 10000);
    }();
    QList<Query> made;
    for (const Query &q : std::as_const(queries))
        if (!(q == sentinel))
            made.append(q);
    queries.clear();
    return made;
}

QPoint tst_TaskListBehaviour::cellCentre(int item, int subItem) const
{
    return m_host->list->CellBounds(item, subItem).center();
}

void tst_TaskListBehaviour::modelHoldsRowsAndHeadingsOnly()
{
    CTaskListCtrl list;
    QAbstractItemModelTester tester(list.model(),
                                    QAbstractItemModelTester::FailureReportingMode::QtTest);
    QCOMPARE(list.InsertColumn(0, QStringLiteral("Source"), Qt::AlignLeft, 120), 0);
    QCOMPARE(list.InsertColumn(1, QStringLiteral("Progress"), Qt::AlignLeft, 250), 1);
    QCOMPARE(list.InsertColumn(1, QStringLiteral("Begin Time"), Qt::AlignHCenter, 70), 1);
    QCOMPARE(list.InsertColumn(9, QStringLiteral("Nowhere"), Qt::AlignLeft, 70), -1);
    QCOMPARE(list.GetColumnCount(), 3);
    QCOMPARE(list.columnWidth(1), 70);
    QCOMPARE(list.columnWidth(2), 250);

    list.SetItemCount(5);
    QCOMPARE(list.GetItemCount(), 5);
    list.SelectRow(4);
    list.SetItemCount(7);
    QVERIFY(list.IsRowSelected(4));
    list.SetItemCount(3);
    QCOMPARE(list.GetItemCount(), 3);
    QVERIFY(!list.IsRowSelected(4));
    list.SetItemCount(-2);
    QCOMPARE(list.GetItemCount(), 0);
    list.SetItemCount(2);
    list.DeleteAllItems();
    QCOMPARE(list.GetItemCount(), 0);

    const QAbstractItemModel *model = list.model();
    QCOMPARE(model->headerData(1, Qt::Horizontal).toString(), QStringLiteral("Begin Time"));
    QCOMPARE(model->headerData(1, Qt::Horizontal, Qt::TextAlignmentRole).value<Qt::Alignment>(),
             Qt::AlignHCenter | Qt::AlignVCenter);
    QCOMPARE(list.ColumnAlignment(2), Qt::AlignLeft);
    list.SetItemCount(1);
    QVERIFY(!model->data(model->index(0, 0)).isValid());
    QVERIFY(!list.horizontalHeader()->sectionsClickable());
    QVERIFY(!list.isSortingEnabled());
}

void tst_TaskListBehaviour::invalidateCells_data()
{
    QTest::addColumn<int>("first");
    QTest::addColumn<int>("last");
    QTest::addColumn<int>("column");
    QTest::addColumn<QList<int>>("paintedRows");

    QTest::newRow("rows above the view") << 0 << 9 << 4 << QList<int>{};
    QTest::newRow("rows below the view") << 21 << 49 << 4 << QList<int>{};
    QTest::newRow("one visible row") << 12 << 12 << 4 << QList<int>{12};
    QTest::newRow("the partly visible row") << 20 << 20 << 4 << QList<int>{20};
    QTest::newRow("across the top") << 3 << 11 << 3 << QList<int>{10, 11};
    QTest::newRow("across the bottom") << 19 << 30 << 1 << QList<int>{19, 20};
    QTest::newRow("more than the view")
        << 0 << 49 << 2 << QList<int>{10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20};
    QTest::newRow("a column that does not exist") << 12 << 12 << 5 << QList<int>{};
}

void tst_TaskListBehaviour::invalidateCells()
{
    QFETCH(int, first);
    QFETCH(int, last);
    QFETCH(int, column);
    QFETCH(QList<int>, paintedRows);

    m_host->list->InvalidateCells(first, last, column, false);
    const QList<Query> made = flushPaints(15);
    QList<Query> expected;
    for (int row : paintedRows)
        expected.append(Query{row, column});
    QCOMPARE(made, expected);
}

void tst_TaskListBehaviour::invalidateCellsOnEmptyList()
{
    m_host->list->SetItemCount(0);
    QTRY_VERIFY(m_host->list->GetItemCount() == 0);
    QTest::qWait(50);
    m_host->queries.clear();
    m_host->list->InvalidateCells(0, 0, 4, false);
    m_host->list->InvalidateCells(-5, 100, 0, true);
    QTest::qWait(100);
    QVERIFY(m_host->queries.isEmpty());
}

void tst_TaskListBehaviour::fullRepaintAsksOncePerVisibleCell()
{
    m_host->list->viewport()->repaint();
    std::set<std::pair<int, int>> seen;
    for (const Query &q : std::as_const(m_host->queries))
        QVERIFY(seen.insert({q.item, q.subItem}).second);
    QCOMPARE(int(m_host->queries.size()), 11 * 5);
    QCOMPARE(seen.begin()->first, 10);
    QCOMPARE(seen.rbegin()->first, 20);
}

void tst_TaskListBehaviour::progressTickRepaintsOneCell()
{
    m_host->list->InvalidateCells(14, 14, 4, false);
    m_host->list->viewport()->repaint(QRect()); // nothing by itself
    QCOMPARE(flushPaints(16), (QList<Query>{{14, 4}}));
}

void tst_TaskListBehaviour::clicks_data()
{
    QTest::addColumn<QPoint>("pos");
    QTest::addColumn<Qt::MouseButton>("button");
    QTest::addColumn<int>("item");
    QTest::addColumn<int>("subItem");
    QTest::addColumn<bool>("cellClick");

    m_host = std::make_unique<TaskListHost>(); // positions only; init() makes the real one
    m_host->insertTaskColumns();
    m_host->list->SetItemCount(3);
    m_host->sizeListForRows(6);
    const int rowHeight = m_host->list->verticalHeader()->defaultSectionSize();

    QTest::newRow("left on a cell")
        << QPoint(150, rowHeight + 3) << Qt::LeftButton << 1 << 1 << true;
    QTest::newRow("left below the last row")
        << QPoint(50, rowHeight * 4) << Qt::LeftButton << -1 << -1 << false;
    QTest::newRow("left right of the last column")
        << QPoint(650, 3) << Qt::LeftButton << -1 << -1 << false;
    QTest::newRow("right on a cell")
        << QPoint(300, 2 * rowHeight + 3) << Qt::RightButton << 2 << 3 << false;
    QTest::newRow("right below the last row")
        << QPoint(50, rowHeight * 5) << Qt::RightButton << -1 << -1 << false;
}

void tst_TaskListBehaviour::clicks()
{
    QFETCH(QPoint, pos);
    QFETCH(Qt::MouseButton, button);
    QFETCH(int, item);
    QFETCH(int, subItem);
    QFETCH(bool, cellClick);

    CTaskListCtrl *list = m_host->list;
    list->SetItemCount(3);
    list->verticalScrollBar()->setValue(0);
    list->SelectRow(0);
    QSignalSpy left(list, &CTaskListCtrl::listClicked);
    QSignalSpy right(list, &CTaskListCtrl::listRightClicked);
    QVERIFY(left.isValid() && right.isValid());

    QTest::mouseClick(list->viewport(), button, Qt::NoModifier, pos);

    QSignalSpy &spy = button == Qt::LeftButton ? left : right;
    QCOMPARE(spy.size(), 1);
    QCOMPARE(spy.at(0).at(0).toInt(), item);
    QCOMPARE(spy.at(0).at(1).toInt(), subItem);
    QCOMPARE((button == Qt::LeftButton ? right : left).size(), 0);
    if (cellClick) {
        QCOMPARE(m_host->cellClicks.size(), 1);
        const CellHitInfo hit = m_host->cellClicks.at(0);
        QCOMPARE(hit.item, item);
        QCOMPARE(hit.subItem, subItem);
        QCOMPARE(hit.onImage, false);
        QCOMPARE(hit.onCheck, false);
    } else {
        QCOMPARE(m_host->cellClicks.size(), 0);
    }
    // The list's selection follows a click on a row, before the parent hears of it.
    if (item >= 0) {
        QVERIFY(list->IsRowSelected(item));
        QCOMPARE(list->GetSelectionMark(), item);
    }
}

void tst_TaskListBehaviour::doubleClickReachesParent()
{
    CTaskListCtrl *list = m_host->list;
    QPixmap icon(10, 10);
    icon.fill(Qt::blue);
    const CellImageList images{icon};
    list->SetImageList(&images);
    m_host->fill = [](CellInfo &info) {
        info.image = info.subItem == 3 ? 0 : -1;
    };

    QSignalSpy clicked(list, &CTaskListCtrl::listClicked);
    QSignalSpy doubled(list, &CTaskListCtrl::listDoubleClicked);
    QVERIFY(clicked.isValid() && doubled.isValid());
    const QRect cell = list->CellBounds(13, 3);
    const QPoint onImage(cell.left() + 4, cell.center().y());
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, onImage);

    QCOMPARE(doubled.size(), 1);
    QCOMPARE(doubled.at(0).at(0).toInt(), 13);
    QCOMPARE(doubled.at(0).at(1).toInt(), 3);
    // The double-click event itself is no new click and sends no UM_CELLCLICK.
    QCOMPARE(clicked.size(), 0);
    QCOMPARE(m_host->cellClicks.size(), 0);
    QVERIFY(list->IsRowSelected(13));

    // A single click on the image says so.
    m_host->cellClicks.clear();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, onImage, 500);
    QCOMPARE(m_host->cellClicks.size(), 1);
    QCOMPARE(m_host->cellClicks.at(0).onImage, true);
    m_host->cellClicks.clear();
    QTest::mouseClick(list->viewport(),
                      Qt::LeftButton,
                      Qt::NoModifier,
                      QPoint(cell.left() + 40, cell.center().y()),
                      500);
    QCOMPARE(m_host->cellClicks.size(), 1);
    QCOMPARE(m_host->cellClicks.at(0).onImage, false);
}

void tst_TaskListBehaviour::headerRightClick_data()
{
    QTest::addColumn<int>("x");
    QTest::addColumn<int>("column");
    QTest::newRow("on column 0") << 5 << 0;
    QTest::newRow("on column 2") << 120 + 70 + 10 << 2;
    QTest::newRow("on column 4") << 610 - 2 << 4;
    QTest::newRow("right of the last column") << 650 << -1;
}

void tst_TaskListBehaviour::headerRightClick()
{
    QFETCH(int, x);
    QFETCH(int, column);
    QHeaderView *header = m_host->list->horizontalHeader();
    const QPoint pos(x, header->height() / 2);
    QSignalSpy right(m_host->list, &CTaskListCtrl::listRightClicked);
    QTest::mouseClick(header->viewport(), Qt::RightButton, Qt::NoModifier, pos);
    QCOMPARE(m_host->headerClicks.size(), 1);
    QCOMPARE(m_host->headerClicks.at(0).column, column);
    QCOMPARE(m_host->headerClicks.at(0).point, header->viewport()->mapToGlobal(pos));
    // A left click on the header sends nothing.
    QTest::mouseClick(header->viewport(), Qt::LeftButton, Qt::NoModifier, pos);
    QCOMPARE(m_host->headerClicks.size(), 1);
    QCOMPARE(right.size(), 0);
}

void tst_TaskListBehaviour::mouseMovesChangeNothing()
{
    CTaskListCtrl *list = m_host->list;
    list->SelectRow(12);
    QCOMPARE(flushPaints(17).isEmpty(), false); // the selection change repainted row 12
    QWidget *viewport = list->viewport();

    for (int row = 13; row <= 19; ++row)
        QTest::mouseMove(viewport, cellCentre(row, 2));
    // A move with the button held, as a drag would be.
    for (int row = 14; row <= 18; ++row) {
        const QPointF pos = cellCentre(row, 1);
        QMouseEvent move(QEvent::MouseMove,
                         pos,
                         viewport->mapToGlobal(pos),
                         Qt::NoButton,
                         Qt::LeftButton,
                         Qt::NoModifier);
        QApplication::sendEvent(viewport, &move);
    }
    QVERIFY(list->IsRowSelected(12));
    QCOMPARE(list->GetSelectionMark(), 12);
    for (int row = 13; row <= 19; ++row)
        QVERIFY(!list->IsRowSelected(row));
    // No hot row: nothing was repainted for the moves.
    QCOMPARE(flushPaints(17), QList<Query>{});
    QCOMPARE(list->GetCellInfo(15, 1)->hot, false);
}

void tst_TaskListBehaviour::selectionOperations()
{
    CTaskListCtrl *list = m_host->list;
    // Taking the focus marks no row by itself: Remove must not hit a row nobody chose.
    m_host->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_host.get()));
    list->clearFocus();
    list->setFocus(Qt::TabFocusReason);
    QTRY_VERIFY(list->hasFocus());
    QCOMPARE(list->GetSelectionMark(), -1);
    list->SelectRow(30);
    QVERIFY(list->IsRowSelected(30));
    QCOMPARE(list->GetSelectionMark(), 30);

    // The mark moves without the selection.
    list->SetSelectionMark(12);
    QCOMPARE(list->GetSelectionMark(), 12);
    QVERIFY(list->IsRowSelected(30));
    QVERIFY(!list->IsRowSelected(12));

    // Rows out of range are ignored.
    list->SelectRow(50);
    list->SelectRow(-1);
    QVERIFY(list->IsRowSelected(30));
    QVERIFY(!list->IsRowSelected(50));

    list->EnsureVisible(40);
    QVERIFY(list->rowAt(0) <= 40);
    QVERIFY(list->rowAt(list->viewport()->height() - 1) >= 40);
    list->EnsureVisible(2);
    QCOMPARE(list->rowAt(0), 2);

    // Shrinking below the selected row drops the selection.
    list->SetItemCount(20);
    QVERIFY(!list->IsRowSelected(30));
    QVERIFY(list->GetSelectionMark() < 20);
}

void tst_TaskListBehaviour::choosingTheSelectedRowAgainKeepsIt_data()
{
    QTest::addColumn<bool>("byKey"); // Ctrl+Space rather than Ctrl+click
    QTest::newRow("Ctrl+click") << false;
    QTest::newRow("Ctrl+Space") << true;
}

void tst_TaskListBehaviour::choosingTheSelectedRowAgainKeepsIt()
{
    QFETCH(bool, byKey);
    CTaskListCtrl *list = m_host->list;
    list->SelectRow(12);
    list->setFocus();
    if (byKey)
        QTest::keyClick(list, Qt::Key_Space, Qt::ControlModifier);
    else
        QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::ControlModifier, cellCentre(12, 1));
    QVERIFY(list->IsRowSelected(12));
    QCOMPARE(list->GetSelectionMark(), 12);
}

void tst_TaskListBehaviour::selectedFlag_data()
{
    QTest::addColumn<bool>("fullRowSelect");
    QTest::addColumn<bool>("showSelAlways");
    QTest::addColumn<bool>("focused");
    QTest::addColumn<int>("subItem");
    QTest::addColumn<bool>("selected");

    QTest::newRow("full row, column 3, shown always") << true << true << false << 3 << true;
    QTest::newRow("no full row, column 3") << false << true << true << 3 << false;
    QTest::newRow("no full row, column 0") << false << true << false << 0 << true;
    QTest::newRow("hidden without focus") << true << false << false << 2 << false;
    QTest::newRow("shown with focus") << true << false << true << 2 << true;
}

void tst_TaskListBehaviour::selectedFlag()
{
    QFETCH(bool, fullRowSelect);
    QFETCH(bool, showSelAlways);
    QFETCH(bool, focused);
    QFETCH(int, subItem);
    QFETCH(bool, selected);

    CTaskListCtrl *list = m_host->list;
    list->SetFullRowSelect(fullRowSelect);
    list->SetShowSelAlways(showSelAlways);
    list->SelectRow(11);
    if (focused) {
        m_host->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_host.get()));
        list->setFocus();
        QTRY_VERIFY(list->hasFocus());
    } else {
        list->clearFocus();
        QVERIFY(!list->hasFocus());
    }
    QCOMPARE(list->GetCellInfo(11, subItem)->selected, selected);
    QCOMPARE(list->GetCellInfo(12, subItem)->selected, false);
}

void tst_TaskListBehaviour::toolTipFromRecord()
{
    m_host->fill = [](CellInfo &info) {
        if (info.item == 13 && info.subItem == 4)
            info.toolTip = QStringLiteral("The encoder could not be started");
    };
    QWidget *viewport = m_host->list->viewport();
    const QPoint pos = cellCentre(13, 4);
    QHelpEvent help(QEvent::ToolTip, pos, viewport->mapToGlobal(pos));
    QApplication::sendEvent(viewport, &help);
    QTRY_COMPARE(QToolTip::text(), QStringLiteral("The encoder could not be started"));

    const QPoint other = cellCentre(14, 4);
    QHelpEvent none(QEvent::ToolTip, other, viewport->mapToGlobal(other));
    QApplication::sendEvent(viewport, &none);
    QTRY_VERIFY(!QToolTip::isVisible());
}

QTEST_MAIN(tst_TaskListBehaviour)
#include "tst_tasklist_behaviour.moc"
