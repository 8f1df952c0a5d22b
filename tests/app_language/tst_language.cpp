// Which language the programs speak: tavrel-convert started under each kind of language setting,
// and the window built under a German locale.

#include "AppTranslations.h"
#include "CMainFrameDlg.h"
#include "CTavrelDlg.h"
#include "ControlTable.h"
#include "ProgramDir.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLabel>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QtTest>

#include <memory>

namespace {

/// What tavrel-convert prints after a usage error, in the installed translation.
QString UsageHint()
{
    return QCoreApplication::translate("ConvertArguments",
                                       "Try \"tavrel-convert --help\" for the options.");
}

} // namespace

class tst_Language : public QObject
{
    Q_OBJECT

private slots:
    void commandLineFollowsTheLanguageSettings_data();
    void commandLineFollowsTheLanguageSettings();
    void windowSpeaksTheSystemLanguage();
    void cleanupTestCase();
};

void tst_Language::commandLineFollowsTheLanguageSettings_data()
{
    QTest::addColumn<QStringList>("environment"); ///< NAME=value pairs; the others unset
    QTest::addColumn<QString>("expected");        ///< the language the program must speak

    QTest::newRow("LANG") << QStringList{"LANG=de_DE.UTF-8"} << "de";
    QTest::newRow("LC_ALL over LANG")
        << QStringList{"LANG=de_DE.UTF-8", "LC_ALL=fr_FR.UTF-8"} << "fr";
    QTest::newRow("LANGUAGE over LANG") << QStringList{"LANG=en_US.UTF-8", "LANGUAGE=ja"} << "ja";
    QTest::newRow("a region's own translation") << QStringList{"LANG=pt_BR.UTF-8"} << "pt_BR";
    QTest::newRow("a region without its own, the language's")
        << QStringList{"LANG=de_AT.UTF-8"} << "de";
    QTest::newRow("TAVREL_LANGUAGE over everything")
        << QStringList{"LANG=de_DE.UTF-8", "LANGUAGE=ja", "TAVREL_LANGUAGE=zh_CN"} << "zh_CN";
    QTest::newRow("English first in LANGUAGE keeps English")
        << QStringList{"LANG=de_DE.UTF-8", "LANGUAGE=en:de"} << "en";
    QTest::newRow("a language without a translation: English")
        << QStringList{"LANG=sv_SE.UTF-8"} << "en";
    QTest::newRow("the C locale: English") << QStringList{"LANG=C"} << "en";
}

void tst_Language::commandLineFollowsTheLanguageSettings()
{
    QFETCH(QStringList, environment);
    QFETCH(QString, expected);
    if (expected != u"en" && !InstallTranslations(QLocale(expected)))
        QSKIP("no translation of that language yet");
    const QString hint = UsageHint();
    InstallTranslations(QLocale(QLocale::English));
    QCOMPARE(expected == u"en", hint == UsageHint());

    QProcessEnvironment variables = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"LANG", "LANGUAGE", "LC_ALL", "LC_MESSAGES", "TAVREL_LANGUAGE"})
        variables.remove(QString::fromLatin1(name));
    for (const QString &pair : environment)
        variables.insert(pair.section(u'=', 0, 0), pair.section(u'=', 1));
    QProcess program;
    program.setProcessEnvironment(variables);
    program.start(qEnvironmentVariable("TAVREL_RUNTIME_DIR") + "/tavrel-convert",
                  {"--no-such-option"});
    QVERIFY(program.waitForFinished(30000));
    QCOMPARE(program.exitCode(), 2);
    const QString error = QString::fromUtf8(program.readAllStandardError());
    QVERIFY2(error.contains(hint), qPrintable(error));
}

void tst_Language::windowSpeaksTheSystemLanguage()
{
    // CTest starts this test under LANG=de_DE.UTF-8 with the other language settings empty.
    QCOMPARE(PreferredLocale().language(), QLocale::German);
    QVERIFY(InstallTranslations(PreferredLocale()));
    g_programDir = qEnvironmentVariable("TAVREL_RUNTIME_DIR") + u'/';
    const auto frame = std::make_unique<CMainFrameDlg>();
    CTavrelDlg *page = frame->page();
    int german = 0;
    int texts = 0;
    for (const ControlEntry &entry : ControlTable()) {
        if (entry.text.isEmpty())
            continue;
        QWidget *widget = page->Control(entry.id);
        const auto *label = qobject_cast<QLabel *>(widget);
        const QString shown
            = label ? label->text() : qobject_cast<QAbstractButton *>(widget)->text();
        QCOMPARE(shown, ControlText(entry));
        ++texts;
        german += shown != entry.text;
    }
    // A word may rightly stay as it is in German; nearly all labels and buttons change.
    QVERIFY2(german * 10 >= texts * 9,
             qPrintable(QStringLiteral("%1 of %2").arg(german).arg(texts)));

    // The shipped profiles' titles in German from the profile file.
    const auto *profiles = qobject_cast<QComboBox *>(page->Control(IDC_MPEG4_PROFILE));
    QCOMPARE(profiles->itemText(0), QStringLiteral("Eigene: nutzt die Einstellungen unten"));

    // Qt's own buttons, in the message boxes and the file dialog, come from Qt's translation.
    QMessageBox box(QMessageBox::Question, {}, {}, QMessageBox::Ok | QMessageBox::Cancel);
    QCOMPARE(box.button(QMessageBox::Cancel)->text().remove(u'&'), QStringLiteral("Abbrechen"));
    QFileDialog dialog;
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    const auto *buttons = dialog.findChild<QDialogButtonBox *>();
    QVERIFY(buttons);
    QCOMPARE(buttons->button(QDialogButtonBox::Cancel)->text().remove(u'&'),
             QStringLiteral("Abbrechen"));
}

void tst_Language::cleanupTestCase()
{
    InstallTranslations(QLocale(QLocale::English));
}

QTEST_MAIN(tst_Language)
#include "tst_language.moc"
