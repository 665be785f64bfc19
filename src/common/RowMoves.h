#pragma once

// Moves a row (0-based) of a list one place, up for step -1 or down for +1, and returns the row
// it is now at: the same one when it cannot move (the first row up, the last down, no row).
template <typename Rows> int moveRowOnePlace(Rows& rows, int row, int step)
{
    const int to = row + step;
    const int count = static_cast<int>(rows.size());
    if (row < 0 || row >= count || to < 0 || to >= count)
        return row;
    rows.swapItemsAt(row, to);
    return to;
}
