#include "SkinFactory.h"

#include "SkinEngine.h"

std::unique_ptr<SkinEngine> CreateSkinComponent(const QString &name)
{
    // Component names are looked up without regard to letter case, as the system registry does.
    if (name.compare(QLatin1String(SkinComponentName), Qt::CaseInsensitive) == 0)
        return std::make_unique<SkinEngine>();
    return nullptr;
}
