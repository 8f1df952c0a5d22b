#include "SkinEngine.h"

SkinEngine::~SkinEngine() = default;
void SkinEngine::SetSkinMode(int mode)
{
    m_skinMode = mode;
}
void SkinEngine::StartSkinning(int start)
{
    m_started = start != 0;
}
void SkinEngine::LoadSkinFile(const QString &) {}
void SkinEngine::ActivateSkin() {}
void SkinEngine::SetWindowUnskinned(QWidget *, int) {}
void SkinEngine::SetWindowKind(QWidget *, int) {}
void SkinEngine::EndSkinning() {}
void SkinEngine::repolish(QWidget *) {}
