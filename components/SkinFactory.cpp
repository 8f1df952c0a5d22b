#include "SkinFactory.h"

#include "SkinEngine.h"

std::unique_ptr<SkinEngine> CreateSkinComponent(const QString &name)
{
    if (name == QLatin1String(SkinComponentName))
        return std::make_unique<SkinEngine>();
    return nullptr;
}
