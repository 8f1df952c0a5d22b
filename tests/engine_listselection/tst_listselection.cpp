// The task list's selection rules: clicks, Ctrl+click, Shift+click, right clicks, the navigation
// keys with and without Shift, and Ctrl+A, each from a given selection, current row and anchor.

#include "ListSelection.h"

#include <QTest>

Q_DECLARE_METATYPE(SelectionInput)

namespace {

SelectionInput Click(int row, Qt::KeyboardModifiers modifiers = {})
{
    return SelectionInput{SelectionInput::Click, row, NavigationKey::Up, modifiers};
}

SelectionInput RightClick(int row)
{
    return SelectionInput{SelectionInput::RightClick, row, NavigationKey::Up, {}};
}

SelectionInput Key(NavigationKey key, Qt::KeyboardModifiers modifiers = {})
{
    return SelectionInput{SelectionInput::Key, -1, key, modifiers};
}

const SelectionInput kSelectAll{SelectionInput::SelectAll, -1, NavigationKey::Up, {}};
constexpr Qt::KeyboardModifiers kCtrl = Qt::ControlModifier;
constexpr Qt::KeyboardModifiers kShift = Qt::ShiftModifier;

} // namespace

class tst_ListSelection : public QObject
{
    Q_OBJECT

private slots:
    void rules_data();
    void rules();
};

void tst_ListSelection::rules_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<QList<int>>("rows"); // selected before
    QTest::addColumn<int>("current");
    QTest::addColumn<int>("anchor");
    QTest::addColumn<SelectionInput>("input");
    QTest::addColumn<QList<int>>("expectedRows");
    QTest::addColumn<int>("expectedCurrent");

    using L = QList<int>;
    QTest::newRow("click selects one row") << 6 << L{1, 2, 3} << 3 << 1 << Click(5) << L{5} << 5;
    QTest::newRow("click on the current row keeps it, alone")
        << 6 << L{1, 2, 3} << 2 << 1 << Click(2) << L{2} << 2;
    QTest::newRow("click on empty space: the current row alone")
        << 6 << L{1, 2, 3} << 2 << 1 << Click(-1) << L{2} << 2;
    QTest::newRow("Ctrl+click adds a row")
        << 6 << L{1} << 1 << 1 << Click(4, kCtrl) << L{1, 4} << 4;
    QTest::newRow("Ctrl+click takes a selected row out")
        << 6 << L{1, 2, 4} << 4 << 1 << Click(2, kCtrl) << L{1, 4} << 4;
    QTest::newRow("Ctrl+click on the current row keeps it")
        << 6 << L{1, 4} << 4 << 4 << Click(4, kCtrl) << L{1, 4} << 4;
    QTest::newRow("Shift+click: anchor to row")
        << 6 << L{2} << 2 << 2 << Click(5, kShift) << L{2, 3, 4, 5} << 5;
    QTest::newRow("Shift+click above the anchor")
        << 6 << L{2, 3, 4, 5} << 5 << 2 << Click(0, kShift) << L{0, 1, 2} << 0;
    QTest::newRow("Ctrl+Shift+click adds the range")
        << 6 << L{0, 3} << 3 << 3 << Click(5, kCtrl | kShift) << L{0, 3, 4, 5} << 5;
    QTest::newRow("Shift+click on empty space changes nothing")
        << 6 << L{1, 2} << 2 << 1 << Click(-1, kShift) << L{1, 2} << 2;
    QTest::newRow("right click in the selection keeps it")
        << 6 << L{1, 2, 3} << 3 << 1 << RightClick(1) << L{1, 2, 3} << 1;
    QTest::newRow("right click elsewhere selects one row")
        << 6 << L{1, 2, 3} << 3 << 1 << RightClick(5) << L{5} << 5;
    QTest::newRow("Down selects one row")
        << 6 << L{1, 2, 3} << 3 << 1 << Key(NavigationKey::Down) << L{4} << 4;
    QTest::newRow("Page Down moves three")
        << 6 << L{0} << 0 << 0 << Key(NavigationKey::PageDown) << L{3} << 3;
    QTest::newRow("Ctrl+Down moves as Down")
        << 6 << L{1, 3} << 1 << 1 << Key(NavigationKey::Down, kCtrl) << L{2} << 2;
    QTest::newRow("Shift+Down extends from the anchor")
        << 6 << L{2} << 2 << 2 << Key(NavigationKey::Down, kShift) << L{2, 3} << 3;
    QTest::newRow("Shift+Up shrinks towards the anchor")
        << 6 << L{2, 3, 4} << 4 << 2 << Key(NavigationKey::Up, kShift) << L{2, 3} << 3;
    QTest::newRow("Shift+Home") << 6 << L{3} << 3 << 3 << Key(NavigationKey::Home, kShift)
                                << L{0, 1, 2, 3} << 0;
    QTest::newRow("Ctrl+A selects every row, the current stays")
        << 6 << L{2} << 2 << 2 << kSelectAll << L{0, 1, 2, 3, 4, 5} << 2;
    QTest::newRow("Ctrl+A on an empty list") << 0 << L{} << -1 << -1 << kSelectAll << L{} << -1;
    QTest::newRow("rows gone from the list are dropped, the anchor with them")
        << 3 << L{1, 4, 5} << 1 << 5 << Key(NavigationKey::Down, kShift) << L{1, 2} << 2;
}

void tst_ListSelection::rules()
{
    QFETCH(int, count);
    QFETCH(QList<int>, rows);
    QFETCH(int, current);
    QFETCH(int, anchor);
    QFETCH(SelectionInput, input);
    QFETCH(QList<int>, expectedRows);
    QFETCH(int, expectedCurrent);

    const ListSelection next = NextSelection(ListSelection{rows, current, anchor}, count, input);
    QCOMPARE(next.rows, expectedRows);
    QCOMPARE(next.current, expectedCurrent);
    QVERIFY(expectedCurrent < 0 || next.rows.contains(next.current));
}

QTEST_APPLESS_MAIN(tst_ListSelection)
#include "tst_listselection.moc"
