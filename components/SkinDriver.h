#pragma once

#include "SkinEngine.h"

#include <QString>

#include <memory>

class QWidget;

/// The program's handle on the skin component. Every operation does nothing while no component
/// was created (or after ReleaseDispatch), so the program runs with plain windows then.
class SkinDriver
{
    Q_DISABLE_COPY(SkinDriver)

public:
    SkinDriver() = default;
    ~SkinDriver();

    /// Creates the component registered under name (SkinComponentName) through the factory.
    /// Returns false, leaving the driver empty, when it cannot be created.
    bool CreateDispatch(const QString &name);
    /// Drops the component (ending the skin first if it is active).
    void ReleaseDispatch();
    /// The component, or nullptr when none was created.
    SkinEngine *component() const { return m_engine.get(); }
    bool isEmpty() const { return !m_engine; }

    void SetSkinMode(int mode);
    void StartSkinning(int start);
    void LoadSkinFile(const QString &fileName);
    void ActivateSkin();
    void SetWindowUnskinned(QWidget *window, int flag);
    void SetWindowKind(QWidget *window, int kind);
    void EndSkinning();

private:
    std::unique_ptr<SkinEngine> m_engine;
};

/// The program's one skin driver: created at start-up, ended at exit. Call ReleaseDispatch
/// before the application object goes away.
extern SkinDriver g_skin;
