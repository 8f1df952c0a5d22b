#pragma once

#include <optional>

/// Which of the output-type dependent controls the main page shows and enables.
struct OutputTypeView
{
    bool mpeg4ProfileShown;    ///< "MPEG4 Profile" label and combo 1024
    bool wmvProfileShown;      ///< "WMV Profile" label and combo 1050
    bool titleEnabled;         ///< title edit 1023 (its visibility is ResetSettings' business)
    bool settingCombosEnabled; ///< the nine setting combos 1025 to 1033
};

/// The view for output type (0 MP4, 1 WMV). markedProfile is the mpeg4Profile of the task at the
/// list's selection mark, or nullopt when no task is marked. The setting combos are editable only
/// for MP4 output with profile 0; with no task marked, MP4 output enables them.
OutputTypeView ViewForOutputType(int type, std::optional<int> markedProfile);
