#include "ListSelection.h"

#include <algorithm>

namespace {

QList<int> RowRange(int from, int to)
{
    QList<int> rows;
    for (int row = std::min(from, to); row <= std::max(from, to); ++row)
        rows.append(row);
    return rows;
}

QList<int> Merged(QList<int> rows, const QList<int> &more)
{
    rows.append(more);
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    return rows;
}

/// before, with what lies outside count rows dropped and the anchor falling back on the current
/// row.
ListSelection InRange(const ListSelection &before, int count)
{
    const auto valid = [count](int row) {
        return row >= 0 && row < count;
    };
    ListSelection selection;
    for (int row : before.rows) {
        if (valid(row))
            selection.rows.append(row);
    }
    selection.rows = Merged(selection.rows, {});
    selection.current = valid(before.current) ? before.current : -1;
    selection.anchor = valid(before.anchor) ? before.anchor : selection.current;
    return selection;
}

ListSelection Single(int row)
{
    return ListSelection{{row}, row, row};
}

/// Shift's range from the anchor (the current row, then row, when there is none) to row, which
/// becomes current; with add, joined to the selected rows.
ListSelection Extended(const ListSelection &from, int row, bool add)
{
    const int anchor = from.anchor >= 0 ? from.anchor : row;
    const QList<int> range = RowRange(anchor, row);
    return ListSelection{add ? Merged(from.rows, range) : range, row, anchor};
}

ListSelection AfterClick(const ListSelection &from, int count, int row, Qt::KeyboardModifiers mods)
{
    const bool ctrl = mods.testFlag(Qt::ControlModifier);
    const bool shift = mods.testFlag(Qt::ShiftModifier);
    if (row < 0 || row >= count) {
        if (ctrl || shift || from.current < 0)
            return from;
        return Single(from.current);
    }
    if (shift)
        return Extended(from, row, ctrl);
    if (!ctrl)
        return Single(row);
    if (row == from.current)
        return from;
    ListSelection next = from;
    if (from.current >= 0 && from.rows.contains(row)) {
        next.rows.removeOne(row);
        return next;
    }
    next.rows = Merged(from.rows, {row});
    next.current = next.anchor = row;
    return next;
}

} // namespace

ListSelection NextSelection(const ListSelection &before, int count, const SelectionInput &input)
{
    const ListSelection from = InRange(before, count);
    switch (input.kind) {
    case SelectionInput::Click:
        return AfterClick(from, count, input.row, input.modifiers);
    case SelectionInput::RightClick:
        if (input.row < 0 || input.row >= count)
            return from;
        if (!from.rows.contains(input.row))
            return Single(input.row);
        return ListSelection{from.rows, input.row, from.anchor};
    case SelectionInput::Key: {
        const int current = NavigationTarget(input.key, from.current, count).value_or(from.current);
        if (current < 0)
            return from;
        if (input.modifiers.testFlag(Qt::ShiftModifier))
            return Extended(from, current, false);
        return Single(current);
    }
    case SelectionInput::SelectAll: {
        if (count <= 0)
            return from;
        const int current = from.current >= 0 ? from.current : 0;
        return ListSelection{
            RowRange(0, count - 1), current, from.anchor >= 0 ? from.anchor : current};
    }
    }
    return from;
}
