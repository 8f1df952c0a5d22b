#pragma once

#include <functional>

class QWidget;

/// Powering the computer off at the end of a batch, in two replaceable steps so that tests (and
/// anything else that must not touch the machine) answer in their place: a countdown the user
/// can cancel, and the request to the system. The defaults show CPowerOffCountdown and ask
/// logind to power off (org.freedesktop.login1.Manager.PowerOff over the system bus; the
/// shutdown privilege and ExitWindowsEx on Windows).
///
/// As a last guard, the default power-off refuses when the environment variable
/// TAVREL_NO_POWEROFF is set (every test run sets it).
class PowerActions
{
public:
    /// Returns true when the computer is to be powered off now, false when the user cancelled.
    using CountdownHandler = std::function<bool(QWidget *parent)>;
    /// Asks the system to power off; returns true when it accepted.
    using PowerOffHandler = std::function<bool()>;

    static bool Countdown(QWidget *parent);
    static bool PowerOff();

    /// Replace a handler; an empty function restores the default.
    static void SetCountdownHandler(CountdownHandler handler);
    static void SetPowerOffHandler(PowerOffHandler handler);
};

/// How ShutDownComputer ended.
enum class ShutdownResult {
    PoweringOff, ///< the system accepted: the computer is going down
    Cancelled,   ///< the user cancelled the countdown
    Refused      ///< the system refused; the user was told
};

/// The countdown, then the power-off. When the system refuses, the warning "Your computer cannot
/// shutdown" (centred, caption "Warning", stop-sign icon) is shown over parent.
ShutdownResult ShutDownComputer(QWidget *parent);
