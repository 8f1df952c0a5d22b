#pragma once

#include <optional>

/// The keys that move the current task in the task list.
enum class NavigationKey { PageDown, PageUp, Up, Down, Home, End };

/// The task that becomes current when key is pressed in a list of count tasks whose selection
/// mark is mark (-1 for none); nullopt when the key changes nothing. The page keys move by three
/// rows, not by a page.
std::optional<int> NavigationTarget(NavigationKey key, int mark, int count);

/// The task that becomes current after the task at removedIndex was removed, leaving countAfter
/// tasks: the one that took its place, or the new last one; -1 when the list is empty.
int CurrentAfterRemoval(int removedIndex, int countAfter);
