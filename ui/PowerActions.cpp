#include "PowerActions.h"

#include "BatchTexts.h"
#include "CPowerOffCountdown.h"
#include "ShellActions.h"
#include "WindowMessages.h"

#include <QtGlobal>

#ifdef Q_OS_WIN
#include <qt_windows.h>
#else
#include "Logind.h"

#include <QDBusConnection>
#endif

namespace {

PowerActions::CountdownHandler g_countdown;
PowerActions::PowerOffHandler g_powerOff;

bool DefaultCountdown(QWidget *parent)
{
    CPowerOffCountdown countdown(parent);
    return countdown.exec() == QDialog::Accepted;
}

bool DefaultPowerOff()
{
    if (qEnvironmentVariableIsSet("TAVREL_NO_POWEROFF"))
        return false;
#ifdef Q_OS_WIN
    HANDLE token = nullptr;
    if (!OpenProcessToken(GetCurrentProcess(), TOKEN_ADJUST_PRIVILEGES | TOKEN_QUERY, &token))
        return false;
    TOKEN_PRIVILEGES privileges{};
    privileges.PrivilegeCount = 1;
    privileges.Privileges[0].Attributes = SE_PRIVILEGE_ENABLED;
    const bool found
        = LookupPrivilegeValueW(nullptr, SE_SHUTDOWN_NAME, &privileges.Privileges[0].Luid);
    if (found)
        AdjustTokenPrivileges(token, FALSE, &privileges, 0, nullptr, nullptr);
    const bool enabled = found && GetLastError() == ERROR_SUCCESS;
    CloseHandle(token);
    if (!enabled)
        return false;
    return ExitWindowsEx(EWX_POWEROFF | EWX_FORCE, SHTDN_REASON_FLAG_PLANNED) != 0;
#else
    // Not interactive: the session manager decides by its policy and answers at once. Messages
    // are handled while the answer is awaited.
    QDBusConnection bus = QDBusConnection::systemBus();
    if (!bus.isConnected())
        return false;
    QDBusMessage call = LogindManagerCall(QStringLiteral("PowerOff"));
    call << false;
    const QDBusMessage reply = bus.call(call, QDBus::BlockWithGui);
    return reply.type() == QDBusMessage::ReplyMessage;
#endif
}

} // namespace

bool PowerActions::Countdown(QWidget *parent)
{
    return g_countdown ? g_countdown(parent) : DefaultCountdown(parent);
}

bool PowerActions::PowerOff()
{
    return g_powerOff ? g_powerOff() : DefaultPowerOff();
}

void PowerActions::SetCountdownHandler(CountdownHandler handler)
{
    g_countdown = std::move(handler);
}

void PowerActions::SetPowerOffHandler(PowerOffHandler handler)
{
    g_powerOff = std::move(handler);
}

ShutdownResult ShutDownComputer(QWidget *parent)
{
    if (!PowerActions::Countdown(parent))
        return ShutdownResult::Cancelled;
    if (PowerActions::PowerOff())
        return ShutdownResult::PoweringOff;
    ShellActions::Message(parent,
                          CenterMessageText(WindowMessageText(WindowMessage::CannotShutdown)),
                          WindowMessageText(WindowMessage::WarningCaption),
                          QMessageBox::Critical);
    return ShutdownResult::Refused;
}
