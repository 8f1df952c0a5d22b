#pragma once

#include <QApplication>

/// The application object. InitInstance prepares the process (the program's folder made
/// current, the skin component created and started) and runs the top-level window modally;
/// ExitInstance ends the skin. Video files named on the command line (a file manager's "Open
/// with") become tasks when the window opens, after the saved list the first window restores
/// (ListKeeper); other arguments are ignored. While a window runs, a later start with files
/// hands them to it and ends with exit code 0 (InstanceChannel). With the environment
/// variable TAVREL_SELFTEST set (see SelfCheck.h) the window is built but not run: the
/// self-check converts the file it names and its result becomes the exit code. SIGTERM, SIGINT
/// and SIGHUP stop a running batch as Stop does, close the windows and end the program with
/// exit code 0.
class CTavrelApp : public QApplication
{
    Q_OBJECT
    Q_DISABLE_COPY(CTavrelApp)

public:
    /// Name of the skin file, looked up in the program's folder.
    static constexpr const char *kSkinFile = "Total_Eclipse.skf";

    CTavrelApp(int &argc, char **argv);
    /// Releases the skin component.
    ~CTavrelApp() override;

    /// Start-up: the start-up files go to a window that runs already, if any, and nothing else
    /// happens. Otherwise PrepareProcess, then the top-level window runs modally (with the saved
    /// list restored and the start-up files added as tasks) until it is closed (or the
    /// self-check runs) and is destroyed with its page and tasks; a window with a batch running
    /// closes only once the batch has ended. Returns false: the application then ends.
    bool InitInstance();
    /// Ends the skin; returns the process's exit code: 0, or 1 after a failed self-check.
    int ExitInstance();

    /// The start-up steps before the window: g_programDir filled when still empty (the working
    /// directory is left as it is), then the skin component created by its name and started
    /// with kSkinFile from the program's folder. Nothing is checked: without the component or the file, windows stay plain.
    static void PrepareProcess();

    /// The source files added as tasks when the window opens; read from the command line when
    /// the application is made (relative paths against the working directory of that moment).
    void SetStartupFiles(const QStringList &files) { m_startupFiles = files; }

private:
    /// A termination signal arrived: Stop, then every window closes and the modal loop ends.
    void OnTerminationRequested();

    QStringList m_startupFiles;
    QStringList m_startupRejected;
    bool m_terminated = false;
    int m_exitCode = 0;
};
