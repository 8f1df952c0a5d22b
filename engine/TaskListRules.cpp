#include "TaskListRules.h"

#include <algorithm>

std::optional<int> NavigationTarget(NavigationKey key, int mark, int count)
{
    constexpr int pageStep = 3;
    switch (key) {
    case NavigationKey::PageDown:
        if (mark < count - 1)
            return std::min(mark + pageStep, count - 1);
        break;
    case NavigationKey::PageUp:
        if (mark > 0)
            return std::max(mark - pageStep, 0);
        break;
    case NavigationKey::Up:
        if (mark > 0)
            return mark - 1;
        break;
    case NavigationKey::Down:
        if (mark < count - 1)
            return mark + 1;
        break;
    case NavigationKey::Home:
        if (count > 0)
            return 0;
        break;
    case NavigationKey::End:
        if (count > 0)
            return count - 1;
        break;
    }
    return std::nullopt;
}

int CurrentAfterRemoval(int removedIndex, int countAfter)
{
    if (countAfter <= 0)
        return -1;
    return std::clamp(removedIndex, 0, countAfter - 1);
}
