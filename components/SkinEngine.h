#pragma once

#include <QFont>
#include <QList>
#include <QPalette>
#include <QPointer>
#include <QString>
#include <QWidget>

#include <optional>

/// The skin component itself: draws the program's windows with a Qt style sheet read from a
/// skin file. Made only through CreateSkinComponent and called through the driver g_skin.
///
/// The sheet is applied application-wide by ActivateSkin, only after StartSkinning(1) and a
/// successful LoadSkinFile; an unreadable or empty file leaves the windows plain.
class SkinEngine
{
    Q_DISABLE_COPY(SkinEngine)

public:
    /// Name of the widget property the skin file can select on: true on windows that were
    /// declared unskinned (they draw themselves).
    static constexpr const char *UnskinnedProperty = "tavrelUnskinned";
    /// Name of the widget property that carries the kind given by SetWindowKind (an int).
    static constexpr const char *KindProperty = "tavrelKind";

    SkinEngine() = default;
    ~SkinEngine();

    void SetSkinMode(int mode);
    /// 1 starts skinning (nothing is drawn until ActivateSkin), 0 ends it.
    void StartSkinning(int start);
    /// Reads the skin file; a relative name is taken from the program's folder. A file that is
    /// missing, unreadable, empty or larger than 1 MiB is ignored (no skin).
    void LoadSkinFile(const QString &fileName);
    /// Applies the loaded skin to every window.
    void ActivateSkin();
    /// flag 1: window draws itself, the skin leaves it alone; 0: skinned again.
    void SetWindowUnskinned(QWidget *window, int flag);
    /// kind 1 on a combo box gives it the skin's list look; 0 the ordinary skinned look.
    void SetWindowKind(QWidget *window, int kind);
    /// Takes the skin off every window.
    void EndSkinning();

    bool isActive() const { return m_active; }
    /// The style sheet read by LoadSkinFile; empty when none could be read.
    QString styleSheet() const { return m_styleSheet; }
    int skinMode() const { return m_skinMode; }

private:
    /// First line of the sheet that keeps an unskinned window plain.
    static constexpr const char *NeutralSheetMark = "/* tavrel: unskinned window */";

    static void repolish(QWidget *window);
    void remember(QWidget *window);
    void applyUnskinned(QWidget *window, bool unskinned);
    QString neutralSheet() const;

    int m_skinMode = 0;
    bool m_started = false;
    bool m_active = false;
    QString m_styleSheet;
    QString m_sheetBeforeSkin;
    // The look of the windows before the skin, held only while the skin is active, so that
    // nothing of the interface outlives EndSkinning.
    std::optional<QPalette> m_plainPalette;
    std::optional<QFont> m_plainFont;
    QList<QPointer<QWidget>> m_marked;
};
