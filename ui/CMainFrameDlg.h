#pragma once

#include <QDialog>
#include <QIcon>

class CTavrelDlg;

/// The top-level window: caption, icon, system menu and minimise box, and the modal loop that
/// is the program's message loop. It has no controls of its own; the main page CTavrelDlg fills
/// it. Opens in the top-left corner of the screen at 692 x 590 pixels.
class CMainFrameDlg : public QDialog
{
    Q_OBJECT
    Q_DISABLE_COPY(CMainFrameDlg)

public:
    /// Outer size of the window and the page's place inside it, pixels.
    static constexpr QSize kFrameSize{692, 590};
    static constexpr QRect kPageRect{2, 2, 669, 608};

    /// Creates the window and its main page; sets g_mainFrame to this window.
    explicit CMainFrameDlg(QWidget *parent = nullptr);
    /// Destroys the page with its tasks (a batch still running is ended at once).
    ~CMainFrameDlg() override;

    /// The main page (owned by this window).
    CTavrelDlg *page() const { return m_page; }

    /// The help command (F1): opens "Help.chm" from the program's folder when it exists, else the
    /// HTML help page "help/help.html" there. Works while a batch runs, too.
    void OnHelp();
    /// Files another start of the program handed over ("Open with" while this window runs): they
    /// are added as dropped files are (a running batch takes them in), the names it left out
    /// are reported, and the window comes to the front.
    void TakeFiles(const QStringList &files, const QStringList &rejected);

protected:
    void closeEvent(QCloseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void OnInitDialog();

    CTavrelDlg *m_page = nullptr;
    QIcon m_icon;
    /// A close was asked for while the batch ran: the window closes once it has ended.
    bool m_closeWhenIdle = false;
};

/// The top-level window while it exists, else nullptr. The page writes the caption through it.
extern CMainFrameDlg *g_mainFrame;
/// The product's name as the caption shows it: "Tavrel".
extern const QString g_productName;
