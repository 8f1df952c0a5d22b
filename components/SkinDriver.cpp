#include "SkinDriver.h"

#include "SkinFactory.h"

SkinDriver g_skin;

SkinDriver::~SkinDriver() = default;

bool SkinDriver::CreateDispatch(const QString &name)
{
    ReleaseDispatch();
    m_engine = CreateSkinComponent(name);
    return bool(m_engine);
}

void SkinDriver::ReleaseDispatch()
{
    if (m_engine && m_engine->isActive())
        m_engine->EndSkinning();
    m_engine.reset();
}

void SkinDriver::SetSkinMode(int mode)
{
    if (m_engine)
        m_engine->SetSkinMode(mode);
}

void SkinDriver::StartSkinning(int start)
{
    if (m_engine)
        m_engine->StartSkinning(start);
}

void SkinDriver::LoadSkinFile(const QString &fileName)
{
    if (m_engine)
        m_engine->LoadSkinFile(fileName);
}

void SkinDriver::ActivateSkin()
{
    if (m_engine)
        m_engine->ActivateSkin();
}

void SkinDriver::SetWindowUnskinned(QWidget *window, int flag)
{
    if (m_engine)
        m_engine->SetWindowUnskinned(window, flag);
}

void SkinDriver::SetWindowKind(QWidget *window, int kind)
{
    if (m_engine)
        m_engine->SetWindowKind(window, kind);
}

void SkinDriver::EndSkinning()
{
    if (m_engine)
        m_engine->EndSkinning();
}
