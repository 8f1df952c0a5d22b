#include "SharedSettings.h"

#include "SettingTables.h"

void CopySharedSettings(const ConversionTask &from, ConversionTask &to)
{
    to.outputWmv = from.outputWmv;
    to.mpeg4Profile = from.mpeg4Profile;
    for (const SettingTable &table : SettingTables())
        to.*(table.field) = from.*(table.field);
    to.wmvProfile = from.wmvProfile;
    to.alwaysEncode = from.alwaysEncode;
    to.note.clear(); // it told of a restored profile that has just been replaced
}

QList<int> UpdateChangeableTasks(TaskArray &tasks,
                                 const QList<int> &rows,
                                 int column,
                                 const std::function<void(ConversionTask &)> &edit)
{
    QList<int> changed;
    for (int row : rows) {
        if (tasks.isValidIndex(row) && CanChangeTask(tasks.at(row))) {
            tasks.update(row, column, edit);
            changed.append(row);
        }
    }
    return changed;
}

QList<int> ApplySettingsToAll(TaskArray &tasks, int row)
{
    if (!tasks.isValidIndex(row))
        return {};
    const ConversionTask from = tasks.at(row);
    QList<int> others;
    for (int i = 0; i < tasks.count(); ++i) {
        if (i != row)
            others.append(i);
    }
    return UpdateChangeableTasks(tasks, others, OutputColumn, [&from](ConversionTask &task) {
        CopySharedSettings(from, task);
    });
}
