#pragma once

#include <QObject>

class QSocketNotifier;

/// Turns SIGTERM, SIGINT and SIGHUP (a logout, `kill`, Ctrl+C, a closed terminal) into a Qt
/// signal on the thread that made the object, so that the program can stop its batch and leave
/// in good order instead of dying with its encoder still writing. The handler itself only
/// writes the signal's number into a pipe (Qt's self-pipe pattern); the work happens when the
/// notifier reads it. One object at a time; its destructor restores the default actions.
class TerminationSignals : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY(TerminationSignals)

public:
    explicit TerminationSignals(QObject *parent = nullptr);
    ~TerminationSignals() override;

    /// False when the pipe or the handlers could not be set up (the signals then keep their
    /// default action).
    bool IsActive() const { return m_notifier != nullptr; }

signals:
    /// One of the signals arrived (its number). Repeated signals repeat it.
    void terminationRequested(int signalNumber);

private:
    void ReadPipe();

    QSocketNotifier *m_notifier = nullptr;
};
