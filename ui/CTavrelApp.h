#pragma once

#include <QApplication>

/// The application object. InitInstance prepares the process (the program's folder made
/// current, the skin component created and started) and runs the top-level window modally;
/// ExitInstance ends the skin. The program takes no command-line arguments.
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

    /// Start-up: PrepareProcess, then the top-level window runs modally until it is closed and
    /// is destroyed with its page and tasks. Returns false: the application then ends.
    bool InitInstance();
    /// Ends any encoder still running (ShutDownEncoder) and the skin; returns the process's exit
    /// code (0).
    int ExitInstance();

    /// The start-up steps before the window: g_programDir (filled when still empty) made the
    /// current directory, then the skin component created by its name and started with
    /// kSkinFile. Nothing is checked: without the component or the file, windows stay plain.
    static void PrepareProcess();
};
