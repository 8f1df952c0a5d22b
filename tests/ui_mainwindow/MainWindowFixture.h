#pragma once

// What the main-window tests share: the program's folder, stored settings emptied, and the
// window opened and shown as start-up opens it.

#include "AppSettings.h"
#include "CMainFrameDlg.h"
#include "CTavrelDlg.h"
#include "ProgramDir.h"

#include <QDir>
#include <QSettings>
#include <QTest>

#include <memory>

namespace MainWindowFixture {

inline QString runtimeDir()
{
    return qEnvironmentVariable("TAVREL_RUNTIME_DIR");
}

/// The settings file the program reads, emptied.
inline void clearStoredSettings()
{
    QSettings settings(
        QSettings::NativeFormat, QSettings::UserScope, QString::fromLatin1(kSettingsOrganisation));
    settings.clear();
    settings.sync();
}

inline void storeSetting(const QString &key, const QString &value)
{
    QSettings settings(
        QSettings::NativeFormat, QSettings::UserScope, QString::fromLatin1(kSettingsOrganisation));
    settings.setValue(key, value);
    settings.sync();
}

/// The program's folder as the laid-out build has it (app/, help/, the skin file).
inline void useRuntimeDir()
{
    g_programDir = QDir::toNativeSeparators(runtimeDir() + u'/');
}

/// The window of one test function, as the test classes use it (mixed in beside QObject).
class Host
{
protected:
    /// Opens and shows the window; nullptr when it never became exposed.
    CMainFrameDlg *openFrame()
    {
        m_frame = std::make_unique<CMainFrameDlg>();
        m_frame->show();
        if (!QTest::qWaitForWindowExposed(m_frame.get()))
            return nullptr;
        return m_frame.get();
    }
    CTavrelDlg *page() const { return m_frame->page(); }
    template<typename T>
    T *control(int id) const
    {
        return qobject_cast<T *>(page()->Control(id));
    }

    std::unique_ptr<CMainFrameDlg> m_frame;
};

/// The items a combo box shows, in order.
template<typename Combo>
QStringList itemTexts(const Combo *combo)
{
    QStringList shown;
    for (int i = 0; i < combo->count(); ++i)
        shown.append(combo->itemText(i));
    return shown;
}

} // namespace MainWindowFixture
