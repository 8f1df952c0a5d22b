#include "TaskListHost.h"
#include "TaskRowStates.h"

#include "ProgressText.h"

#include <QImage>
#include <QTest>

namespace {

const COLORREF kBack = Rgb(180, 180, 255);
const COLORREF kText = Rgb(10, 5, 20);
const COLORREF kSelBack = Rgb(30, 50, 96);
const COLORREF kSelBackNoFocus = Rgb(20, 20, 120);
const COLORREF kSelText = Rgb(240, 200, 128);
const COLORREF kBar = Rgb(154, 30, 28);
const COLORREF kBarText = Rgb(255, 255, 0);

QRgb Px(COLORREF c)
{
    return qRgb(RedOf(c), GreenOf(c), BlueOf(c));
}

/// Bounding box of the pixels of exactly `color` inside `area`; null when there are none.
QRect Extent(const QImage &image, const QRect &area, QRgb color)
{
    QRect box;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (image.pixel(x, y) == color)
                box = box.united(QRect(x, y, 1, 1));
    return box;
}

int Count(const QImage &image, const QRect &area, QRgb color)
{
    int n = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            n += image.pixel(x, y) == color;
    return n;
}

void RowColours(CellInfo &info)
{
    info.textColor = kText;
    info.backColor = kBack;
    info.selTextColor = kSelText;
    info.selBackColor = kSelBack;
    info.selBackColorNoFocus = kSelBackNoFocus;
}

} // namespace

class tst_TaskListPaint : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void barPixels_data();
    void barPixels();
    void barTextTakesTwoColours_data();
    void barTextTakesTwoColours();
    void plainCellSelection_data();
    void plainCellSelection();
    void textLayout_data();
    void textLayout();
    void columnZeroEndsWhereColumnOneBegins();
    void parentThatDoesNotAnswer();
    void recordDefaultsWithoutParent();
    void imageAndStrip();
    void barsOfEveryState();

private:
    QImage grabList();
    void focusList(bool focused);

    std::unique_ptr<TaskListHost> m_host;
};

void tst_TaskListPaint::init()
{
    m_host = std::make_unique<TaskListHost>();
    m_host->insertTaskColumns();
    m_host->list->SetItemCount(4);
    m_host->sizeListForRows(4.5);
    m_host->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_host.get()));
}

void tst_TaskListPaint::cleanup()
{
    m_host.reset();
}

QImage tst_TaskListPaint::grabList()
{
    return m_host->list->viewport()->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

void tst_TaskListPaint::focusList(bool focused)
{
    if (focused) {
        m_host->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_host.get()));
        m_host->list->setFocus();
        QTRY_VERIFY(m_host->list->hasFocus());
    } else {
        m_host->list->clearFocus();
        QVERIFY(!m_host->list->hasFocus());
    }
}

void tst_TaskListPaint::barPixels_data()
{
    QTest::addColumn<int>("progressPos");
    QTest::addColumn<int>("progressMax");
    QTest::addColumn<bool>("selected");
    QTest::addColumn<bool>("focused");
    QTest::addColumn<COLORREF>("margin");

    QTest::newRow("half, not selected") << 50 << 100 << false << false << kBack;
    QTest::newRow("half, selected, no focus") << 50 << 100 << true << false << kSelBackNoFocus;
    QTest::newRow("half, selected, focused") << 50 << 100 << true << true << kSelBack;
    QTest::newRow("full") << 100 << 100 << false << false << kBack;
    QTest::newRow("past the end") << 250 << 100 << true << false << kSelBackNoFocus;
    QTest::newRow("empty") << 0 << 100 << false << false << kBack;
    QTest::newRow("a third of 7") << 2 << 7 << false << false << kBack;
}

void tst_TaskListPaint::barPixels()
{
    QFETCH(int, progressPos);
    QFETCH(int, progressMax);
    QFETCH(bool, selected);
    QFETCH(bool, focused);
    QFETCH(COLORREF, margin);

    const int row = 1;
    m_host->fill = [&](CellInfo &info) {
        RowColours(info);
        if (info.subItem == 4 && info.item == row) {
            info.progressMax = progressMax;
            info.progressPos = progressPos;
            info.barColor = kBar;
        }
    };
    if (selected)
        m_host->list->SelectRow(row);
    focusList(focused);
    const QImage image = grabList();

    // Cell bounds R; bar O = R moved in 1 (left, top, bottom) and 2 (right); inner I = O - 2.
    const QRect r = m_host->list->CellBounds(row, 4);
    const int iLeft = r.left() + 3, iRight = r.left() + r.width() - 4; // exclusive right
    const int iTop = r.top() + 3, iBottom = r.top() + r.height() - 3;
    const int midY = (iTop + iBottom) / 2;
    const int iWidth = iRight - iLeft;
    const int done = progressPos < progressMax ? iWidth * progressPos / progressMax : iWidth;

    // The margin around the bar takes the area colour: the selection colour in a selected row.
    QCOMPARE(image.pixel(r.left(), midY), Px(margin));
    QCOMPARE(image.pixel(r.right(), midY), Px(margin));
    QCOMPARE(image.pixel(r.right() - 1, midY), Px(margin));
    QCOMPARE(image.pixel((r.left() + r.right()) / 2, r.top()), Px(margin));
    // Inside the bar: the done part in the bar colour, the rest in the normal background, also
    // when the row is selected.
    const QRect inner(iLeft, iTop, iWidth, iBottom - iTop);
    QCOMPARE(Count(image, inner, Px(kBar)), done * inner.height());
    QCOMPARE(Count(image, inner, Px(kBack)), (iWidth - done) * inner.height());
    if (done > 0) {
        QCOMPARE(image.pixel(iLeft, midY), Px(kBar));
        QCOMPARE(image.pixel(iLeft + done - 1, midY), Px(kBar));
    }
    if (done < iWidth)
        QCOMPARE(image.pixel(iLeft + done, midY), Px(kBack));
    // The sunken edge sits between margin and inner bar: neither colour.
    QVERIFY(image.pixel(r.left() + 1, midY) != Px(margin));
    QVERIFY(image.pixel(r.left() + 1, midY) != Px(kBack));
}

void tst_TaskListPaint::barTextTakesTwoColours_data()
{
    QTest::addColumn<bool>("selected");
    QTest::newRow("normal row") << false;
    QTest::newRow("selected row keeps the normal text colour beside the bar") << true;
}

void tst_TaskListPaint::barTextTakesTwoColours()
{
    QFETCH(bool, selected);
    const int row = 2;
    m_host->fill = [&](CellInfo &info) {
        RowColours(info);
        if (info.subItem == 4 && info.item == row) {
            info.text = QString(60, u'M');
            info.progressMax = 100;
            info.progressPos = 50;
            info.barColor = kBar;
            info.barTextColor = kBarText;
        }
    };
    if (selected)
        m_host->list->SelectRow(row);
    focusList(false);
    const QImage image = grabList();

    const QRect r = m_host->list->CellBounds(row, 4);
    const QRect inner(r.left() + 3, r.top() + 3, r.width() - 7, r.height() - 6);
    const int boundary = inner.left() + inner.width() * 50 / 100;
    const QRect doneArea(inner.left(), inner.top(), boundary - inner.left(), inner.height());
    const QRect restArea(boundary, inner.top(), inner.right() - boundary + 1, inner.height());

    QVERIFY(Count(image, doneArea, Px(kBarText)) > 20);
    QCOMPARE(Count(image, doneArea, Px(kText)), 0);
    QVERIFY(Count(image, restArea, Px(kText)) > 20);
    QCOMPARE(Count(image, restArea, Px(kBarText)), 0);
    QCOMPARE(Count(image, r, Px(kSelText)), 0);
    // Text reaches the boundary from both sides: it is one text split in two colours.
    QVERIFY(Extent(image, doneArea, Px(kBarText)).right() >= boundary - 3);
    QVERIFY(Extent(image, restArea, Px(kText)).left() <= boundary + 3);
}

void tst_TaskListPaint::plainCellSelection_data()
{
    QTest::addColumn<bool>("fullRowSelect");
    QTest::addColumn<int>("column");
    QTest::addColumn<COLORREF>("area");     // beyond the text
    QTest::addColumn<COLORREF>("textBack"); // behind the text
    QTest::addColumn<COLORREF>("text");

    QTest::newRow("full row, column 0")
        << true << 0 << kSelBackNoFocus << kSelBackNoFocus << kSelText;
    QTest::newRow("full row, column 3")
        << true << 3 << kSelBackNoFocus << kSelBackNoFocus << kSelText;
    QTest::newRow("no full row, column 0: only behind the text")
        << false << 0 << kBack << kSelBackNoFocus << kSelText;
    QTest::newRow("no full row, column 3: not selected") << false << 3 << kBack << kBack << kText;
}

void tst_TaskListPaint::plainCellSelection()
{
    QFETCH(bool, fullRowSelect);
    QFETCH(int, column);
    QFETCH(COLORREF, area);
    QFETCH(COLORREF, textBack);
    QFETCH(COLORREF, text);

    const int row = 0;
    m_host->fill = [](CellInfo &info) {
        RowColours(info);
        info.text = QStringLiteral("II II");
    };
    m_host->list->SetFullRowSelect(fullRowSelect);
    m_host->list->SelectRow(row);
    focusList(false);
    const QImage image = grabList();

    const QRect r = m_host->list->CellBounds(row, column);
    const QRect glyphs = Extent(image, r, Px(text));
    QVERIFY(!glyphs.isNull());
    QCOMPARE(image.pixel(r.right() - 1, r.center().y()), Px(area));
    QCOMPARE(image.pixel(r.left(), r.center().y()), Px(area));
    // Between the two words: the text's own background.
    const QRect gap(glyphs.left(), glyphs.top(), glyphs.width(), glyphs.height());
    QVERIFY(Count(image, gap, Px(textBack)) > 0);
    if (area != textBack)
        QCOMPARE(Count(image, gap, Px(area)), 0);
}

void tst_TaskListPaint::textLayout_data()
{
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("shown"); // what the pixels must measure like

    QTest::newRow("ampersand shows as it is") << 3 << "Tom & Jerry"
                                              << "Tom & Jerry";
    QTest::newRow("double ampersand stays double") << 3 << "A&&B"
                                                   << "A&&B";
    QTest::newRow("centred column") << 1 << "00:01:00"
                                    << "00:01:00";
    QTest::newRow("too wide: ellipsis at the end") << 1 << "A much longer text than fits"
                                                   << "";
}

void tst_TaskListPaint::textLayout()
{
    QFETCH(int, column);
    QFETCH(QString, text);
    QFETCH(QString, shown);

    m_host->fill = [&](CellInfo &info) {
        RowColours(info);
        if (info.item == 0 && info.subItem == column)
            info.text = text;
    };
    const QImage image = grabList();
    const QRect r = m_host->list->CellBounds(0, column);
    const QRect glyphs = Extent(image, r, Px(kText));
    QVERIFY(!glyphs.isNull());
    const QFontMetrics metrics(m_host->list->font());
    const QRect label(r.left() + 2, r.top(), r.width() - 2, r.height());

    if (shown.isEmpty()) {
        // Cut to the cell, ending in an ellipsis: the text's pixels stay inside the cell and
        // measure like the elided text.
        const QString elided = metrics.elidedText(text, Qt::ElideRight, label.width());
        QVERIFY(elided.endsWith(QChar(0x2026)));
        QVERIFY(glyphs.right() <= r.right());
        QVERIFY(qAbs(glyphs.width() - metrics.horizontalAdvance(elided)) <= 3);
        const QRect next = m_host->list->CellBounds(0, column + 1);
        QCOMPARE(Count(image, next, Px(kText)), 0);
        return;
    }
    QVERIFY(qAbs(glyphs.width() - metrics.horizontalAdvance(shown)) <= 3);
    if (m_host->list->ColumnAlignment(column) & Qt::AlignHCenter) {
        const int leftGap = glyphs.left() - label.left();
        const int rightGap = label.right() - glyphs.right();
        QVERIFY2(qAbs(leftGap - rightGap) <= 3,
                 qPrintable(QStringLiteral("gaps %1 and %2").arg(leftGap).arg(rightGap)));
    } else {
        QVERIFY(glyphs.left() - label.left() <= 2);
    }
}

void tst_TaskListPaint::columnZeroEndsWhereColumnOneBegins()
{
    const COLORREF first = Rgb(200, 0, 0), second = Rgb(0, 200, 0);
    m_host->fill = [&](CellInfo &info) {
        info.backColor = info.subItem == 0 ? first : second;
    };
    QImage image = grabList();
    const int border = m_host->list->columnViewportPosition(1);
    QCOMPARE(border, 120);
    QCOMPARE(image.pixel(border - 1, 5), Px(first));
    QCOMPARE(image.pixel(border, 5), Px(second));

    // With one column only, column 0 spans the whole row.
    TaskListHost single;
    single.list->InsertColumn(0, QStringLiteral("Source"), Qt::AlignLeft, 300);
    single.list->SetItemCount(2);
    single.sizeListForRows(2, 400);
    single.fill = [&](CellInfo &info) {
        info.backColor = first;
    };
    single.show();
    QVERIFY(QTest::qWaitForWindowExposed(&single));
    image = single.list->viewport()->grab().toImage().convertToFormat(QImage::Format_RGB32);
    QCOMPARE(image.pixel(0, 5), Px(first));
    QCOMPARE(image.pixel(299, 5), Px(first));
    QVERIFY(image.pixel(300, 5) != Px(first));
}

void tst_TaskListPaint::parentThatDoesNotAnswer()
{
    // No answers: every cell empty, in the list's own (palette) colours.
    const QImage image = grabList();
    const QRgb window = m_host->list->palette().color(QPalette::Active, QPalette::Base).rgb();
    const QRect rows(0, 0, 610, 4 * m_host->list->rowHeight(0));
    QCOMPARE(Count(image, rows, window), rows.width() * rows.height());
    QVERIFY(!m_host->queries.isEmpty());
}

void tst_TaskListPaint::recordDefaultsWithoutParent()
{
    CTaskListCtrl orphan;
    orphan.InsertColumn(0, QStringLiteral("Source"), Qt::AlignLeft, 100);
    orphan.SetItemCount(3);
    orphan.SelectRow(1);
    const CellInfo *info = orphan.GetCellInfo(1, 0);
    CellInfo expected;
    expected.item = 1;
    expected.subItem = 0;
    expected.selected = true; // selection is always shown
    QCOMPARE(info->text, expected.text);
    QCOMPARE(info->image, -1);
    QCOMPARE(info->plainImageBack, true);
    QCOMPARE(info->imageBlend, ILD_BLEND50);
    QCOMPARE(info->progressMax, -1);
    QCOMPARE(info->barEdge, quint32(EDGE_SUNKEN));
    QCOMPARE(info->textColor, CLR_DEFAULT);
    QCOMPARE(info->selBackColorNoFocus, CLR_DEFAULT);
    QCOMPARE(info->item, 1);
    QCOMPARE(info->selected, true);
    QCOMPARE(info->hot, false);
    // The same record is reused, reset for every query.
    CellInfo *again = orphan.GetCellInfo(0, 0);
    QCOMPARE(again, info);
    QCOMPARE(again->selected, false);
    QCOMPARE(again->item, 0);
}

void tst_TaskListPaint::imageAndStrip()
{
    QPixmap red(12, 12);
    red.fill(Qt::red);
    const CellImageList images{red};
    m_host->list->SetImageList(&images);
    m_host->fill = [](CellInfo &info) {
        RowColours(info);
        if (info.subItem == 0) {
            info.image = 0;
            info.text = QStringLiteral("I");
        }
    };
    const QImage image = grabList();
    const QRect r = m_host->list->CellBounds(3, 0);
    const QRect drawn = Extent(image, r, qRgb(255, 0, 0));
    // One pixel in from the cell's left edge, centred vertically.
    QCOMPARE(drawn.left(), r.left() + 1);
    QCOMPARE(drawn.size(), QSize(12, 12));
    QCOMPARE(drawn.top(), r.top() + (r.height() / 2 - 6));
    // The label begins after the image strip.
    const QRect glyphs = Extent(image, r, Px(kText));
    QVERIFY(glyphs.left() >= drawn.right() + 1 + 2);
}

void tst_TaskListPaint::barsOfEveryState()
{
    // The cells exactly as the main window answers them, for every state a task can be in.
    const QList<TaskRowState> rows = EveryTaskRowState();
    TaskListHost host;
    host.insertTaskColumns();
    ShowTaskRowStates(host, rows, 60000);
    host.show();
    QVERIFY(QTest::qWaitForWindowExposed(&host));

    // The failed row has no bar; finished rows have a full one; a paused one keeps its bar.
    const QImage cells
        = host.list->viewport()->grab().toImage().convertToFormat(QImage::Format_RGB32);
    QCOMPARE(Count(cells, host.list->CellBounds(6, 4), Px(kBar)), 0);
    QVERIFY(Count(cells, host.list->CellBounds(5, 4), Px(kBar)) > 200);
    QVERIFY(Count(cells, host.list->CellBounds(4, 4), Px(kBar)) > 0);
    QCOMPARE(Count(cells, host.list->CellBounds(0, 4), Px(kBar)), 0);
}

QTEST_MAIN(tst_TaskListPaint)
#include "tst_tasklist_paint.moc"
