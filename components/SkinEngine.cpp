#include "SkinEngine.h"

#include "ProgramDir.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStyle>

namespace {

// A skin is a short text; anything larger is not one of ours.
constexpr qint64 MaxSkinFileSize = 1024 * 1024;

QString ProgramFolder()
{
    if (!g_programDir.isEmpty())
        return g_programDir;
    return QCoreApplication::applicationDirPath();
}

} // namespace

SkinEngine::~SkinEngine()
{
    if (m_active && qApp)
        EndSkinning();
}

void SkinEngine::SetSkinMode(int mode)
{
    m_skinMode = mode;
}

void SkinEngine::StartSkinning(int start)
{
    m_started = start != 0;
    if (!m_started && m_active)
        EndSkinning();
}

void SkinEngine::LoadSkinFile(const QString &fileName)
{
    m_styleSheet.clear();
    if (fileName.isEmpty())
        return;
    const QString path
        = QFileInfo(fileName).isRelative() ? QDir(ProgramFolder()).filePath(fileName) : fileName;
    QFile file(path);
    if (!QFileInfo(path).isFile() || file.size() > MaxSkinFileSize
        || !file.open(QIODevice::ReadOnly))
        return;
    const QByteArray bytes = file.read(MaxSkinFileSize + 1);
    if (bytes.size() > MaxSkinFileSize)
        return;
    const QString text = QString::fromUtf8(bytes);
    // Text that does not decode cleanly is not a skin; a broken sheet must not reach the windows.
    if (text.contains(QChar::ReplacementCharacter) || text.contains(QChar(0)))
        return;
    if (text.trimmed().isEmpty())
        return;
    m_styleSheet = text;
}

void SkinEngine::ActivateSkin()
{
    if (!m_started || m_styleSheet.isEmpty() || !qApp)
        return;
    if (!m_active) {
        m_sheetBeforeSkin = qApp->styleSheet();
        m_plainPalette = QApplication::palette();
        m_plainFont = QApplication::font();
    }
    m_active = true;
    qApp->setStyleSheet(m_styleSheet);
    for (const QPointer<QWidget> &window : std::as_const(m_marked)) {
        if (window && window->property(UnskinnedProperty).toBool())
            applyUnskinned(window, true);
    }
}

void SkinEngine::SetWindowUnskinned(QWidget *window, int flag)
{
    if (!window)
        return;
    remember(window);
    window->setProperty(UnskinnedProperty, flag != 0);
    if (m_active)
        applyUnskinned(window, flag != 0);
    else
        repolish(window);
}

void SkinEngine::SetWindowKind(QWidget *window, int kind)
{
    if (!window)
        return;
    remember(window);
    window->setProperty(KindProperty, kind);
    repolish(window);
}

void SkinEngine::EndSkinning()
{
    if (m_active && qApp)
        qApp->setStyleSheet(m_sheetBeforeSkin);
    m_active = false;
    for (const QPointer<QWidget> &window : std::as_const(m_marked)) {
        if (!window)
            continue;
        applyUnskinned(window, false);
        window->setProperty(UnskinnedProperty, QVariant());
        window->setProperty(KindProperty, QVariant());
        repolish(window);
    }
    m_marked.clear();
    m_plainPalette.reset();
    m_plainFont.reset();
}

void SkinEngine::remember(QWidget *window)
{
    m_marked.removeIf([](const QPointer<QWidget> &w) { return w.isNull(); });
    if (!m_marked.contains(window))
        m_marked.append(window);
}

/*
 * Qt wraps every widget of an application with a style sheet in the style-sheet style; no widget
 * can leave it. A window that draws itself is kept out of the skin instead by a sheet of its
 * own that gives it back the plain palette colours and font and takes away the skin's borders
 * and padding: what it paints from its palette then looks as it does without a skin.
 */
void SkinEngine::applyUnskinned(QWidget *window, bool unskinned)
{
    const QString ownSheet = unskinned ? neutralSheet() : QString();
    const QString current = window->styleSheet();
    // Only a sheet this engine set is replaced; one that the window's owner set stays.
    if (current.isEmpty() || current.startsWith(QLatin1String(NeutralSheetMark)))
        window->setStyleSheet(ownSheet);
    repolish(window);
}

QString SkinEngine::neutralSheet() const
{
    const QPalette p = m_plainPalette.value_or(QApplication::palette());
    const QFont font = m_plainFont.value_or(QApplication::font());
    QString family = font.family();
    family.remove(QLatin1Char('"'));
    QString size;
    if (font.pointSizeF() > 0)
        size = QStringLiteral("font-size: %1pt;").arg(font.pointSizeF());
    else if (font.pixelSize() > 0)
        size = QStringLiteral("font-size: %1px;").arg(font.pixelSize());
    return QStringLiteral("%1\n*[%2=\"true\"] { color: %3; background-color: %4; "
                          "border: none; padding: 0px; margin: 0px; min-height: 0px; "
                          "min-width: 0px; font-family: \"%5\"; %6 font-weight: normal; "
                          "selection-color: %7; selection-background-color: %8; }")
        .arg(QLatin1String(NeutralSheetMark),
             QLatin1String(UnskinnedProperty),
             p.color(QPalette::ButtonText).name(QColor::HexArgb),
             p.color(QPalette::Button).name(QColor::HexArgb),
             family,
             size,
             p.color(QPalette::HighlightedText).name(QColor::HexArgb),
             p.color(QPalette::Highlight).name(QColor::HexArgb));
}

void SkinEngine::repolish(QWidget *window)
{
    QStyle *style = window->style();
    style->unpolish(window);
    style->polish(window);
    window->update();
}
