// The power-off at the end of a batch as a person meets it: the countdown dialog, its keys and
// buttons, and what happens when the time runs out. The system's power-off is always the test's
// stand-in (PowerActions' seam); TAVREL_NO_POWEROFF guards the real one besides.

#include "CPowerOffCountdown.h"
#include "PowerActions.h"
#include "ShellActions.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>

class tst_PowerOff : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void countdown_data();
    void countdown();

private:
    int m_powerOffs = 0;
    bool m_systemAccepts = true;
    QStringList m_messages;
};

namespace {

/// The countdown that is open now (modal, on top), or nullptr.
CPowerOffCountdown *openCountdown()
{
    return qobject_cast<CPowerOffCountdown *>(QApplication::activeModalWidget());
}

/// The text the dialog shows.
QString shownText(const CPowerOffCountdown *dialog)
{
    const QList<QLabel *> labels = dialog->findChildren<QLabel *>();
    return labels.isEmpty() ? QString() : labels.first()->text();
}

} // namespace

void tst_PowerOff::init()
{
    m_powerOffs = 0;
    m_systemAccepts = true;
    m_messages.clear();
    PowerActions::SetPowerOffHandler([this] {
        ++m_powerOffs;
        return m_systemAccepts;
    });
    ShellActions::SetMessageHandler(
        [this](QWidget *, const QString &text, const QString &, QMessageBox::Icon) {
            m_messages.append(text);
        });
}

void tst_PowerOff::cleanup()
{
    PowerActions::SetCountdownHandler({});
    PowerActions::SetPowerOffHandler({});
    ShellActions::SetMessageHandler({});
}

void tst_PowerOff::countdown_data()
{
    QTest::addColumn<QString>("action"); // what the person does while the dialog counts down
    QTest::addColumn<int>("seconds");    // 0: the program's own countdown
    QTest::addColumn<bool>("poweredOff");

    QTest::newRow("Enter cancels") << "Enter" << 0 << false;
    QTest::newRow("Return cancels") << "Return" << 0 << false;
    QTest::newRow("Escape cancels") << "Escape" << 0 << false;
    QTest::newRow("Cancel button") << "Cancel" << 0 << false;
    QTest::newRow("Power off now") << "Power off now" << 0 << true;
    QTest::newRow("time runs out") << "nothing" << 2 << true;
}

void tst_PowerOff::countdown()
{
    QFETCH(QString, action);
    QFETCH(int, seconds);
    QFETCH(bool, poweredOff);

    if (seconds > 0) {
        // The same dialog with a shorter time, so that the test need not wait a minute.
        PowerActions::SetCountdownHandler([seconds](QWidget *parent) {
            CPowerOffCountdown countdown(parent, seconds);
            return countdown.exec() == QDialog::Accepted;
        });
    }

    QWidget window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    // The dialog runs modally inside ShutDownComputer; the person acts once it is on screen.
    QStringList seen;
    bool acted = false;
    QTimer person;
    person.setInterval(20);
    connect(&person, &QTimer::timeout, this, [&] {
        CPowerOffCountdown *dialog = openCountdown();
        if (!dialog || acted)
            return;
        const QString text = shownText(dialog);
        if (seen.isEmpty() || seen.last() != text)
            seen.append(text);
        if (action == u"nothing")
            return;
        acted = true;
        QWidget *focus = dialog->focusWidget() ? dialog->focusWidget() : dialog;
        if (action == u"Enter")
            QTest::keyClick(focus, Qt::Key_Enter);
        else if (action == u"Return")
            QTest::keyClick(focus, Qt::Key_Return);
        else if (action == u"Escape")
            QTest::keyClick(focus, Qt::Key_Escape);
        else if (action == u"Cancel")
            dialog->CancelButton()->click();
        else
            dialog->PowerOffNowButton()->click();
    });
    person.start();
    // Whatever goes wrong, the dialog does not outlive the test.
    QTimer::singleShot(120000, this, [] {
        if (CPowerOffCountdown *dialog = openCountdown())
            dialog->reject();
    });

    const ShutdownResult result = ShutDownComputer(&window);
    person.stop();

    QCOMPARE(result, poweredOff ? ShutdownResult::PoweringOff : ShutdownResult::Cancelled);
    QCOMPARE(m_powerOffs, poweredOff ? 1 : 0);
    QVERIFY(m_messages.isEmpty());
    QVERIFY(!seen.isEmpty());
    const int first = seconds > 0 ? seconds : 60;
    QCOMPARE(seen.first(), QStringLiteral("The computer will power off in %1 seconds").arg(first));
    if (seconds > 0) // counted down to the last second before it powered off
        QCOMPARE(seen.last(), QStringLiteral("The computer will power off in 1 second"));
}

QTEST_MAIN(tst_PowerOff)
#include "tst_poweroff.moc"
