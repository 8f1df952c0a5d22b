#include "OutputTypeRules.h"

OutputTypeView ViewForOutputType(int type, std::optional<int> markedProfile)
{
    const bool mp4 = type == 0;
    return {mp4, type == 1, mp4, mp4 && markedProfile.value_or(0) == 0};
}
