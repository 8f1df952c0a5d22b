#include "PreConversion.h"

#include "MediaConverter.h"

int LastIndexContaining(const MediaItemList &, const QString &)
{
    return -1;
}
IntermediateCodecs ChooseIntermediateCodecs(const MediaItemList &, const MediaItemList &)
{
    return {};
}
int RandomBetween(int a, int)
{
    return a;
}
QString IntermediateFolder()
{
    return {};
}
void PreConvert(int, TaskArray &, MediaConverter &) {}
void OnConversionProgress(double, double, TaskArray &, MediaConverter &) {}
void OnConversionFinished(TaskArray &, MediaConverter &, int &) {}
