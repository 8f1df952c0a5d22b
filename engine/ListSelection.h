#pragma once

#include "TaskListRules.h"

#include <QList>
#include <Qt>

/// The task list's selection: the selected rows, the current row (the row with the focus, whose
/// task the controls show) and the anchor that Shift extends a range from. Rows count from 0; -1
/// means none.
struct ListSelection
{
    QList<int> rows; ///< ascending, each once
    int current = -1;
    int anchor = -1;

    bool operator==(const ListSelection &) const = default;
};

/// One thing the person did to the list: a click with the left or right button on a row (-1 for
/// the empty space below the rows), a navigation key, or Ctrl+A; each with the modifiers held.
struct SelectionInput
{
    enum Kind { Click, RightClick, Key, SelectAll };

    Kind kind = Click;
    int row = -1;                          ///< the clicked row (Click, RightClick)
    NavigationKey key = NavigationKey::Up; ///< the key pressed (Key)
    Qt::KeyboardModifiers modifiers;
};

/// The selection after input in a list of count rows that was selected as before:
/// - a plain click selects the clicked row alone and makes it current; on empty space it selects
///   the current row alone;
/// - Ctrl+click adds a row and makes it current, or takes a selected row other than the current
///   one out; the current row stays selected;
/// - Shift+click selects the rows from the anchor to the clicked row (with Ctrl: adds them), and
///   makes the clicked row current;
/// - a right click on a selected row makes it current and keeps the selection (the row menu acts
///   on it); on another row it is a plain click; on empty space it changes nothing;
/// - a navigation key moves the current row as NavigationTarget says (the page keys by three) and
///   selects it alone, or with Shift the rows from the anchor to it; Ctrl changes nothing there;
/// - Ctrl+A selects every row; the current row stays (the first when there was none).
/// The current row is always selected when there is one. Rows of before outside the list are
/// dropped; an anchor outside it counts as the current row.
ListSelection NextSelection(const ListSelection &before, int count, const SelectionInput &input);
