// The main window as it comes up: every control against the control table, the defaults, the
// output-type rules, the stored settings, the keys that must not close it, and closing it while
// a batch runs.

#include "AppSettings.h"
#include "BatchState.h"
#include "CFadePicture.h"
#include "CImageButton.h"
#include "CMainFrameDlg.h"
#include "CRangeSlider.h"
#include "CTaskListCtrl.h"
#include "CTavrelApp.h"
#include "CTavrelDlg.h"
#include "CVideoEdit.h"
#include "CellInfo.h"
#include "ControlTable.h"
#include "ConversionBatch.h"
#include "ProfileList.h"
#include "ShellActions.h"
#include "SkinDriver.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QSettings>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <limits>
#include <memory>

namespace {

QString runtimeDir()
{
    return qEnvironmentVariable("TAVREL_RUNTIME_DIR");
}

/// The settings file the program reads, emptied.
void clearStoredSettings()
{
    QSettings settings(
        QSettings::NativeFormat, QSettings::UserScope, QString::fromLatin1(kSettingsOrganisation));
    settings.clear();
    settings.sync();
}

void storeSetting(const QString &key, const QString &value)
{
    QSettings settings(
        QSettings::NativeFormat, QSettings::UserScope, QString::fromLatin1(kSettingsOrganisation));
    settings.setValue(key, value);
    settings.sync();
}

ConversionTask makeTask(int mpeg4Profile, int outputWmv)
{
    ConversionTask task = NewConversionTask(QStringLiteral("/videos/clip.avi"), 60.0, 0, 0);
    task.mpeg4Profile = mpeg4Profile;
    task.outputWmv = outputWmv;
    return task;
}

} // namespace

class tst_MainWindow : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void controls_data();
    void controls();
    void settingCombos_data();
    void settingCombos();
    void columns();
    void startScreen();
    void imageButtons();
    void profilesFromTheProfileFile();
    void defaultProfileIndex_data();
    void defaultProfileIndex();
    void wmvProfileNames_data();
    void wmvProfileNames();

    void outputType_data();
    void outputType();
    void titleAfterResetInWmv();

    void storedSettings_data();
    void storedSettings();
    void defaultDestinationWithoutVideosFolder();

    void enterAndEscapeKeepTheWindowOpen_data();
    void enterAndEscapeKeepTheWindowOpen();
    void closingStopsARunningBatch_data();
    void closingStopsARunningBatch();
    void helpCommandOpensTheHelpFile_data();
    void helpCommandOpensTheHelpFile();
    void listCellsComeFromTheTasks();

    void savePictureOfTheWindow();

private:
    CMainFrameDlg *openFrame();
    CTavrelDlg *page() const { return m_frame->page(); }
    template<typename T>
    T *control(int id) const
    {
        return qobject_cast<T *>(page()->Control(id));
    }
    QList<QUrl> m_openedUrls;
    std::unique_ptr<CMainFrameDlg> m_frame;
};

void tst_MainWindow::initTestCase()
{
    QVERIFY2(!runtimeDir().isEmpty(), "TAVREL_RUNTIME_DIR is not set");
    g_programDir = QDir::toNativeSeparators(runtimeDir() + u'/');
    ShellActions::SetOpenUrlHandler([this](const QUrl &url) {
        m_openedUrls.append(url);
        return true;
    });
}

void tst_MainWindow::init()
{
    clearStoredSettings();
    m_openedUrls.clear();
    g_stopRequested = false;
}

void tst_MainWindow::cleanup()
{
    m_frame.reset();
    QCOMPARE(g_mainFrame, nullptr);
}

CMainFrameDlg *tst_MainWindow::openFrame()
{
    m_frame = std::make_unique<CMainFrameDlg>();
    m_frame->show();
    if (!QTest::qWaitForWindowExposed(m_frame.get()))
        return nullptr;
    return m_frame.get();
}

// --- the window after start-up ----------------------------------------------------------------

void tst_MainWindow::controls_data()
{
    QTest::addColumn<int>("id");
    QTest::addColumn<QString>("className");
    QTest::addColumn<QRect>("rect");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("shown");
    QTest::addColumn<bool>("enabled");

    const QString none;
    auto row = [](const char *name,
                  int id,
                  const char *className,
                  QRect rect,
                  const QString &text,
                  bool shown,
                  bool enabled) {
        QTest::newRow(name) << id << QString::fromLatin1(className) << rect << text << shown
                            << enabled;
    };
    row("1011 task list", 1011, "CTaskListCtrl", {10, 13, 605, 160}, none, true, true);
    row("1012 Add", 1012, "CImageButton", {620, 15, 50, 50}, none, true, true);
    row("1013 Remove", 1013, "CImageButton", {620, 80, 50, 50}, none, true, true);
    row("1014 Remove all", 1014, "CImageButton", {620, 145, 50, 50}, none, true, true);
    row("1034 label", 1034, "QLabel", {10, 182, 100, 15}, "Output Directory:", true, true);
    row("1021 output directory", 1021, "QLineEdit", {115, 178, 440, 20}, none, true, false);
    row("1022 Browse", 1022, "QPushButton", {557, 178, 60, 20}, "Browse", true, true);
    row("1058 picture", 1058, "CFadePicture", {10, 212, 264, 200}, none, true, true);
    row("1053 media", 1053, "CVideoEdit", {10, 212, 264, 200}, none, false, true);
    row("1054 preview play", 1054, "CImageButton", {10, 413, 19, 19}, none, true, true);
    row("1055 preview stop", 1055, "CImageButton", {30, 413, 19, 19}, none, true, true);
    row("1047 range slider", 1047, "CRangeSlider", {51, 415, 222, 18}, none, true, true);
    row("1052 settings frame", 1052, "QGroupBox", {280, 206, 372, 255}, none, true, true);
    row("1065 label", 1065, "QLabel", {288, 227, 74, 20}, "Output Type", true, true);
    row("1063 MPEG4 radio", 1063, "QRadioButton", {365, 225, 120, 20}, "To Zune MPEG4", true, true);
    row("1064 WMV radio", 1064, "QRadioButton", {485, 225, 120, 20}, "To Zune WMV", true, true);
    row("1035 label",
        1035,
        "QLabel",
        {288, 255, 115, 15},
        QStringLiteral("Title (showed in Zune)"),
        true,
        true);
    row("1023 title", 1023, "QLineEdit", {405, 251, 240, 20}, none, true, true);
    row("1036 label", 1036, "QLabel", {288, 280, 75, 15}, "MPEG4 Profile", true, true);
    row("1024 MPEG4 profile", 1024, "QComboBox", {365, 277, 280, 20}, none, true, true);
    row("1046 label", 1046, "QLabel", {288, 280, 75, 15}, "WMV Profile", false, true);
    row("1050 WMV profile", 1050, "QComboBox", {365, 277, 280, 20}, none, false, true);
    row("1037 label", 1037, "QLabel", {288, 305, 75, 15}, "Video Type", true, true);
    row("1025 video type", 1025, "QComboBox", {365, 303, 100, 20}, none, true, true);
    row("1043 label", 1043, "QLabel", {478, 305, 75, 15}, "Video Size", true, true);
    row("1026 video size", 1026, "QComboBox", {545, 303, 100, 20}, none, true, true);
    row("1038 label", 1038, "QLabel", {288, 330, 75, 15}, "Frame Rate", true, true);
    row("1027 frame rate", 1027, "QComboBox", {365, 328, 100, 20}, none, true, true);
    row("1044 label", 1044, "QLabel", {478, 330, 75, 15}, "Video Quality", true, true);
    row("1028 video bit rate", 1028, "QComboBox", {545, 328, 100, 20}, none, true, true);
    row("1039 label", 1039, "QLabel", {288, 355, 75, 15}, "Video Aspect", true, true);
    row("1029 aspect", 1029, "QComboBox", {365, 353, 100, 20}, none, true, true);
    row("1040 label", 1040, "QLabel", {288, 380, 75, 15}, "Audio Quality", true, true);
    row("1030 audio bit rate", 1030, "QComboBox", {365, 377, 100, 20}, none, true, true);
    row("1045 label", 1045, "QLabel", {478, 380, 75, 15}, "Channels", true, true);
    row("1031 channels", 1031, "QComboBox", {545, 378, 100, 20}, none, true, true);
    row("1041 label", 1041, "QLabel", {288, 405, 75, 15}, "Sample Rate", true, true);
    row("1032 sample rate", 1032, "QComboBox", {365, 403, 100, 20}, none, true, true);
    row("1042 label", 1042, "QLabel", {478, 405, 75, 15}, "Volume", true, true);
    row("1033 volume", 1033, "QComboBox", {545, 403, 100, 20}, none, true, true);
    row("1059 shut down",
        1059,
        "QCheckBox",
        {288, 432, 358, 15},
        QStringLiteral("Automatically Shut Down the computer when converting finished"),
        true,
        true);
    row("1016 Help", 1016, "QPushButton", {570, 475, 70, 25}, "Help", true, true);
    row("1048 Start", 1048, "CImageButton", {35, 445, 95, 75}, none, true, true);
    row("1049 Stop", 1049, "CImageButton", {35, 445, 95, 75}, none, false, true);
    row("1061 unused button", 1061, "CImageButton", {}, none, false, true);
    row("1062 unused button", 1062, "CImageButton", {}, none, false, true);
}

void tst_MainWindow::controls()
{
    QFETCH(int, id);
    QFETCH(QString, className);
    QFETCH(QRect, rect);
    QFETCH(QString, text);
    QFETCH(bool, shown);
    QFETCH(bool, enabled);

    QVERIFY(openFrame());
    QWidget *widget = page()->Control(id);
    QVERIFY(widget);
    QCOMPARE(widget->parentWidget(), page());
    QCOMPARE(QString::fromLatin1(widget->metaObject()->className()), className);
    QCOMPARE(widget->property("controlId").toInt(), id);
    if (!rect.isNull())
        QCOMPARE(widget->geometry(), rect);
    QCOMPARE(widget->isVisible(), shown);
    QCOMPARE(widget->isEnabled(), enabled);

    if (auto *label = qobject_cast<QLabel *>(widget))
        QCOMPARE(label->text(), text);
    else if (auto *button = qobject_cast<QAbstractButton *>(widget))
        QCOMPARE(button->text(), text);

    const ControlEntry *entry = ControlEntryFor(id);
    QVERIFY(entry);
    QCOMPARE(entry->rect, rect);
    QCOMPARE(entry->text, text);
}

void tst_MainWindow::settingCombos_data()
{
    QTest::addColumn<int>("id");
    QTest::addColumn<QStringList>("items");
    QTest::addColumn<int>("defaultIndex");

    QTest::newRow("1025 video type") << 1025 << QStringList{"MPEG4", "AVC"} << 1;
    QTest::newRow("1026 video size") << 1026 << QStringList{"320 x 240", "640 x 480"} << 0;
    QTest::newRow("1027 frame rate") << 1027 << QStringList{"29.97    fps"} << 0;
    QTest::newRow("1028 video bit rate") << 1028
                                         << QStringList{"256   kbps",
                                                        "512   kbps",
                                                        "768   kbps",
                                                        "1200 kbps",
                                                        "1500 kbps",
                                                        "2000 kbps"}
                                         << 3;
    QTest::newRow("1029 aspect") << 1029 << QStringList{"4:3", "16:9"} << 0;
    QTest::newRow("1030 audio bit rate") << 1030
                                         << QStringList{"32     kbps",
                                                        "40     kbps",
                                                        "48     kbps",
                                                        "56     kbps",
                                                        "64     kbps",
                                                        "80     kbps",
                                                        "96     kbps",
                                                        "112   kbps",
                                                        "128   kbps",
                                                        "160   kbps",
                                                        "192   kbps",
                                                        "224   kbps",
                                                        "256   kbps",
                                                        "320   kbps"}
                                         << 4;
    QTest::newRow("1031 channels") << 1031 << QStringList{"Mono", "Stereo"} << 1;
    QTest::newRow("1032 sample rate") << 1032
                                      << QStringList{"96000  Hz",
                                                     "54000  Hz",
                                                     "48000  Hz",
                                                     "44100  Hz",
                                                     "32000  Hz",
                                                     "22050  Hz",
                                                     "16000  Hz",
                                                     "8000    Hz"}
                                      << 2;
    QTest::newRow("1033 volume")
        << 1033 << QStringList{"50%", "100%", "150%", "200%", "250%", "300%", "350%", "400%"} << 1;
}

void tst_MainWindow::settingCombos()
{
    QFETCH(int, id);
    QFETCH(QStringList, items);
    QFETCH(int, defaultIndex);

    QVERIFY(openFrame());
    auto *combo = control<QComboBox>(id);
    QVERIFY(combo);
    QVERIFY(!combo->isEditable());
    QStringList shown;
    for (int i = 0; i < combo->count(); ++i)
        shown.append(combo->itemText(i));
    QCOMPARE(shown, items);
    QCOMPARE(combo->currentIndex(), defaultIndex);
    QVERIFY(combo->isEnabled());
    QVERIFY(SettingComboIds().contains(id));
}

void tst_MainWindow::columns()
{
    QVERIFY(openFrame());
    auto *list = control<CTaskListCtrl>(IDC_TASK_LIST);
    QVERIFY(list);
    const QStringList headings{"Source", "Begin Time", "End Time", "Output", "Progress"};
    const QList<int> widths{120, 70, 70, 100, 250};
    const QList<Qt::Alignment> alignments{
        Qt::AlignLeft, Qt::AlignHCenter, Qt::AlignHCenter, Qt::AlignLeft, Qt::AlignLeft};
    QCOMPARE(list->GetColumnCount(), 5);
    for (int column = 0; column < 5; ++column) {
        QCOMPARE(list->model()->headerData(column, Qt::Horizontal).toString(), headings[column]);
        QCOMPARE(list->columnWidth(column), widths[column]);
        const auto alignment = Qt::Alignment(
            list->model()->headerData(column, Qt::Horizontal, Qt::TextAlignmentRole).toInt());
        QCOMPARE(alignment & Qt::AlignHorizontal_Mask, alignments[column]);
    }
    QCOMPARE(list->GetItemCount(), 0);
    QVERIFY(list->FullRowSelect());
}

void tst_MainWindow::startScreen()
{
    QVERIFY(openFrame());
    CMainFrameDlg *frame = m_frame.get();
    QCOMPARE(g_mainFrame, frame);
    QCOMPARE(frame->pos(), QPoint(0, 0));
    QCOMPARE(frame->size(), QSize(692, 590));
    QCOMPARE(page()->geometry(), QRect(2, 2, 669, 608));
    QVERIFY(!frame->windowIcon().isNull());
    QCOMPARE(frame->windowTitle(), QStringLiteral("Tavrel V" TAVREL_VERSION));

    QCOMPARE(page()->CurTask(), -1);
    QCOMPARE(page()->OutputType(), 0);
    QVERIFY(!page()->IsBusy());
    QVERIFY(control<QRadioButton>(IDC_TO_MPEG4)->isChecked());
    QVERIFY(!control<QRadioButton>(IDC_TO_WMV)->isChecked());
    QVERIFY(!control<QCheckBox>(IDC_SHUTDOWN)->isChecked());
    QCOMPARE(control<QLineEdit>(IDC_TITLE)->text(), QString());
    QCOMPARE(control<QLineEdit>(IDC_OUTPUT_DIR)->text(), DefaultDestination());

    auto *slider = control<CRangeSlider>(IDC_RANGE_SLIDER);
    double left = -1.0;
    double right = -1.0;
    slider->GetSelection(left, right);
    QCOMPARE(slider->MinValue(), 0.0);
    QCOMPARE(slider->MaxValue(), 120.0);
    QCOMPARE(left, 0.0);
    QCOMPARE(right, 120.0);

    // The picture fades in where the preview will play.
    auto *picture = control<CFadePicture>(IDC_PICTURE);
    QCOMPARE(picture->BitmapId(), int(IDB_PREVIEW_AREA));
    QCOMPARE(picture->StepDelay(), 100);
    QTRY_VERIFY_WITH_TIMEOUT(picture->CurrentAlpha() > 0, 20000);

    // The WMV profiles come from the media component, blank-free and with the first selected.
    auto *wmv = control<QComboBox>(IDC_WMV_PROFILE);
    const MediaItemList listed = control<CVideoEdit>(IDC_MEDIA)->WmvProfileList();
    QStringList expected;
    for (int i = 0; i < listed.Count(); ++i) {
        const QString name = listed.ItemName(i).remove(QRegularExpression(QStringLiteral("^\\s+")));
        if (!name.isEmpty())
            expected.append(name);
    }
    QStringList shown;
    for (int i = 0; i < wmv->count(); ++i)
        shown.append(wmv->itemText(i));
    QCOMPARE(shown, expected);
    QCOMPARE(wmv->currentIndex(), expected.isEmpty() ? -1 : 0);
}

void tst_MainWindow::imageButtons()
{
    QVERIFY(openFrame());
    struct Expected
    {
        int id;
        const char *tip;
    };
    const Expected buttons[] = {{1012, "Add a video to converting task"},
                                {1013, "Remove selected video"},
                                {1014, "Remove all videos"},
                                {1054, "Preview selected videos"},
                                {1055, "Stop preview"},
                                {1048, "Start Converting"},
                                {1049, "Stop Converting"}};
    for (const Expected &expected : buttons) {
        auto *button = control<CImageButton>(expected.id);
        QVERIFY(button);
        QCOMPARE(button->TipText(), QString::fromLatin1(expected.tip));
        QVERIFY(button->IsTipActive());
        QVERIFY(button->ParentBackground());
        QVERIFY(!button->HoverBorder());
        QVERIFY2(!button->CurrentImage().isNull(), expected.tip);
        QCOMPARE(button->text(), QString());
    }
    QCOMPARE(control<CImageButton>(IDC_ADD)->ImageAlign(), int(CImageButton::AlignTop));
    QCOMPARE(control<CImageButton>(IDC_START)->ImageAlign(), int(CImageButton::AlignTop));
    QCOMPARE(control<CImageButton>(IDC_ADD)->CurrentImage().size(), QSize(50, 50));
    QCOMPARE(control<CImageButton>(IDC_START)->CurrentImage().size(), QSize(77, 76));
    QCOMPARE(control<CImageButton>(IDC_PREVIEW_PLAY)->CurrentImage().size(), QSize(18, 18));
}

void tst_MainWindow::profilesFromTheProfileFile()
{
    QTemporaryDir programDir;
    QVERIFY(programDir.isValid());
    QVERIFY(QDir(programDir.path()).mkdir(QStringLiteral("app")));
    struct Case
    {
        const char *name;
        QByteArray ini;
        QStringList items;
        int current;
    };
    const Case cases[] = {
        {"Info and two profiles",
         "[Info]\nDefaultProfile=1\n[profile0]\nTitle=First\n[profile1]\nTitle=Second\n",
         {"First", "Second"},
         0},
        {"no Info section", "[profile0]\nTitle=First\n", {}, -1},
        {"default beyond the profiles",
         "[Info]\nDefaultProfile=7\n[profile0]\nTitle=Only\n",
         {"Only"},
         0},
        {"missing title", "[Info]\nDefaultProfile=0\n[profile0]\nCommand0=x\n", {""}, 0},
    };
    const QString saved = g_programDir;
    const QString workingDir = QDir::currentPath();
    for (const Case &c : cases) {
        QFile file(programDir.filePath(QStringLiteral("app/Zune_Profile.ini")));
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(c.ini);
        file.close();
        g_programDir = QDir::toNativeSeparators(programDir.path() + u'/');
        QVERIFY(openFrame());
        auto *combo = control<QComboBox>(IDC_MPEG4_PROFILE);
        QStringList shown;
        for (int i = 0; i < combo->count(); ++i)
            shown.append(combo->itemText(i));
        QVERIFY2(shown == c.items, c.name);
        // Whatever the file's default, the window starts on profile 0.
        QVERIFY2(combo->currentIndex() == c.current, c.name);
        // Read by absolute path: the working directory stays.
        QVERIFY2(QDir::currentPath() == workingDir, c.name);
        m_frame.reset();
    }
    g_programDir = saved;
}

void tst_MainWindow::defaultProfileIndex_data()
{
    QTest::addColumn<QString>("value"); // DefaultProfile as written in [Info]; null: no key
    QTest::addColumn<int>("index");
    QTest::newRow("plain number") << "2" << 2;
    QTest::newRow("leading digits count") << " 3rd" << 3;
    QTest::newRow("no digits") << "first" << 0;
    QTest::newRow("missing key") << QString() << 0;
    QTest::newRow("negative") << "-1" << -1;
    QTest::newRow("beyond int") << "99999999999" << std::numeric_limits<int>::max();
}

void tst_MainWindow::defaultProfileIndex()
{
    QFETCH(QString, value);
    QFETCH(int, index);

    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QFile file(dir.filePath(QStringLiteral("Zune_Profile.ini")));
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Text));
    file.write("[Info]\nVersion=1\n");
    if (!value.isNull())
        file.write("DefaultProfile=" + value.toUtf8() + "\n");
    file.write("[profile0]\nTitle=A\n[profile1]\nTitle=B\n");
    file.close();

    const ProfileList list = ReadProfileList(file.fileName());
    QVERIFY(list.hasInfo);
    QCOMPARE(list.titles, QStringList({"A", "B"}));
    QCOMPARE(list.defaultIndex, index);
}

void tst_MainWindow::wmvProfileNames_data()
{
    QTest::addColumn<QStringList>("names"); // as the media component's profile file gives them
    QTest::addColumn<QStringList>("items");
    QTest::newRow("leading blanks and a blank name")
        << QStringList{"\"   Spaced\"", "\"    \"", "Plain"} << QStringList{"Spaced", "Plain"};
    QTest::newRow("no profiles") << QStringList{} << QStringList{};
}

void tst_MainWindow::wmvProfileNames()
{
    QFETCH(QStringList, names);
    QFETCH(QStringList, items);

    QTemporaryDir programDir;
    QVERIFY(programDir.isValid());
    QFile file(programDir.filePath(QStringLiteral("WMV_Profiles.ini")));
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Text));
    for (int i = 0; i < names.size(); ++i) {
        file.write(QStringLiteral("[profile%1]\nname=%2\nvideoCodec=wmv2\nvideoBitrate=500\n"
                                  "audioCodec=wmav2\naudioBitrate=96\n")
                       .arg(i)
                       .arg(names[i])
                       .toUtf8());
    }
    file.close();
    const QString saved = g_programDir;
    g_programDir = QDir::toNativeSeparators(programDir.path() + u'/');
    auto restore = qScopeGuard([&] { g_programDir = saved; });

    QVERIFY(openFrame());
    auto *combo = control<QComboBox>(IDC_WMV_PROFILE);
    QStringList shown;
    for (int i = 0; i < combo->count(); ++i)
        shown.append(combo->itemText(i));
    QCOMPARE(shown, items);
    QCOMPARE(combo->currentIndex(), items.isEmpty() ? -1 : 0);
}

// --- output type ------------------------------------------------------------------------------

void tst_MainWindow::outputType_data()
{
    QTest::addColumn<int>("startType");
    QTest::addColumn<int>("markedProfile"); // -1: no task marked
    QTest::addColumn<int>("taskOutputWmv"); // of the marked task before the click
    QTest::addColumn<bool>("busy");
    QTest::addColumn<int>("click"); // 0 "To Zune MPEG4", 1 "To Zune WMV"
    QTest::addColumn<int>("outputType");
    QTest::addColumn<bool>("mpeg4Shown");
    QTest::addColumn<bool>("titleEnabled");
    QTest::addColumn<bool>("combosEnabled");
    QTest::addColumn<int>("expectedTaskWmv");

    // clang-format off
    QTest::newRow("WMV, nothing marked")              << 0 << -1 << 0 << false << 1 << 1 << false << false << false << -1;
    QTest::newRow("back to MPEG4, nothing marked")    << 1 << -1 << 0 << false << 0 << 0 << true  << true  << true  << -1;
    QTest::newRow("MPEG4 with profile 0 marked")      << 1 <<  0 << 1 << false << 0 << 0 << true  << true  << true  <<  0;
    QTest::newRow("MPEG4 with profile 2 marked")      << 1 <<  2 << 1 << false << 0 << 0 << true  << true  << false <<  0;
    QTest::newRow("WMV with profile 0 marked")        << 0 <<  0 << 0 << false << 1 << 1 << false << false << false <<  1;
    QTest::newRow("MPEG4 clicked while in force")     << 0 <<  0 << 1 << false << 0 << 0 << true  << true  << true  <<  1;
    QTest::newRow("WMV clicked while in force")       << 1 <<  2 << 0 << false << 1 << 1 << false << false << false <<  0;
    QTest::newRow("WMV clicked while busy")           << 0 <<  0 << 0 << true  << 1 << 0 << true  << true  << true  <<  0;
    // clang-format on
}

void tst_MainWindow::outputType()
{
    QFETCH(int, startType);
    QFETCH(int, markedProfile);
    QFETCH(int, taskOutputWmv);
    QFETCH(bool, busy);
    QFETCH(int, click);
    QFETCH(int, outputType);
    QFETCH(bool, mpeg4Shown);
    QFETCH(bool, titleEnabled);
    QFETCH(bool, combosEnabled);
    QFETCH(int, expectedTaskWmv);

    QVERIFY(openFrame());
    if (startType == 1)
        control<QRadioButton>(IDC_TO_WMV)->click();
    QCOMPARE(page()->OutputType(), startType);

    auto *list = control<CTaskListCtrl>(IDC_TASK_LIST);
    if (markedProfile >= 0) {
        page()->tasks().append(makeTask(0, 0));
        page()->tasks().append(makeTask(markedProfile, taskOutputWmv));
        list->SetItemCount(2);
        list->SelectRow(1);
        QCOMPARE(list->GetSelectionMark(), 1);
    }
    const ConversionTask unmarkedBefore = page()->tasks().at(0);
    page()->Batch().SetBusy(busy);

    control<QRadioButton>(click == 0 ? IDC_TO_MPEG4 : IDC_TO_WMV)->click();

    QCOMPARE(page()->OutputType(), outputType);
    QCOMPARE(control<QLabel>(IDC_LABEL_MPEG4_PROFILE)->isVisible(), mpeg4Shown);
    QCOMPARE(control<QComboBox>(IDC_MPEG4_PROFILE)->isVisible(), mpeg4Shown);
    QCOMPARE(control<QLabel>(IDC_LABEL_WMV_PROFILE)->isVisible(), !mpeg4Shown);
    QCOMPARE(control<QComboBox>(IDC_WMV_PROFILE)->isVisible(), !mpeg4Shown);
    QCOMPARE(control<QLineEdit>(IDC_TITLE)->isEnabled(), titleEnabled);
    for (int id : SettingComboIds())
        QCOMPARE(control<QComboBox>(id)->isEnabled(), combosEnabled);
    if (expectedTaskWmv >= 0) {
        QCOMPARE(page()->tasks().at(1).outputWmv, expectedTaskWmv);
        QCOMPARE(page()->tasks().at(0), unmarkedBefore);
        // The list shows the marked task's new output name.
        QCOMPARE(list->GetCellInfo(1, 3)->text,
                 expectedTaskWmv ? QStringLiteral("clip.wmv") : QStringLiteral("clip.mp4"));
    }
    page()->Batch().SetBusy(false);
}

void tst_MainWindow::titleAfterResetInWmv()
{
    QVERIFY(openFrame());
    auto *title = control<QLineEdit>(IDC_TITLE);
    title->setText(QStringLiteral("holiday"));

    control<QRadioButton>(IDC_TO_WMV)->click();
    QVERIFY(title->isVisible());
    QVERIFY(!title->isEnabled());

    page()->ResetSettings();
    QCOMPARE(title->text(), QString());
    QVERIFY(!title->isVisible());

    // Back to MPEG4: the edit is enabled again but stays hidden until a reset made in MPEG4.
    control<QRadioButton>(IDC_TO_MPEG4)->click();
    QVERIFY(title->isEnabled());
    QVERIFY(!title->isVisible());

    page()->ResetSettings();
    QVERIFY(title->isVisible());
    QVERIFY(title->isEnabled());
}

// --- stored settings --------------------------------------------------------------------------

void tst_MainWindow::storedSettings_data()
{
    QTest::addColumn<QString>("destination"); // null: not stored
    QTest::addColumn<QString>("version");     // null: not stored
    QTest::addColumn<QString>("shownDirectory");
    QTest::addColumn<QString>("caption");

    const QString videos = QDir::homePath() + QStringLiteral("/Videos");
    const QString own = QStringLiteral("Tavrel V" TAVREL_VERSION);
    QTest::newRow("nothing stored") << QString() << QString() << videos << own;
    QTest::newRow("both stored") << "/data/converted"
                                 << "2.5"
                                 << "/data/converted"
                                 << "Tavrel V2.5";
    QTest::newRow("empty values stored") << ""
                                         << "" << videos << own;
    QTest::newRow("directory with a trailing separator")
        << "/media/player/" << QString() << "/media/player/" << own;
    QTest::newRow("directory that does not exist") << "/no/such/folder"
                                                   << "1.0 beta"
                                                   << "/no/such/folder"
                                                   << "Tavrel V1.0 beta";
}

void tst_MainWindow::storedSettings()
{
    QFETCH(QString, destination);
    QFETCH(QString, version);
    QFETCH(QString, shownDirectory);
    QFETCH(QString, caption);

    QVERIFY(QDir().mkpath(QDir::homePath() + QStringLiteral("/Videos")));
    if (!destination.isNull())
        storeSetting(QStringLiteral("destination/Default"), destination);
    if (!version.isNull())
        storeSetting(QStringLiteral("Version/Default"), version);

    QVERIFY(openFrame());
    QCOMPARE(control<QLineEdit>(IDC_OUTPUT_DIR)->text(), QDir::toNativeSeparators(shownDirectory));
    QCOMPARE(page()->Destination(), QDir::toNativeSeparators(shownDirectory));
    QCOMPARE(m_frame->windowTitle(), caption);
}

void tst_MainWindow::defaultDestinationWithoutVideosFolder()
{
    const QString videos = QStandardPaths::writableLocation(QStandardPaths::MoviesLocation);
    QVERIFY(QDir().mkpath(videos));
    QCOMPARE(DefaultDestination(), QDir::toNativeSeparators(videos));
    QVERIFY(QDir(videos).removeRecursively());
    QCOMPARE(DefaultDestination(), QDir::toNativeSeparators(QDir::homePath()));

    QVERIFY(openFrame());
    QCOMPARE(control<QLineEdit>(IDC_OUTPUT_DIR)->text(),
             QDir::toNativeSeparators(QDir::homePath()));
}

// --- keys, closing, help ----------------------------------------------------------------------

void tst_MainWindow::enterAndEscapeKeepTheWindowOpen_data()
{
    QTest::addColumn<int>("focusId"); // 0: the frame itself
    QTest::addColumn<int>("key");

    const int focus[] = {0, IDC_BROWSE, IDC_TITLE, IDC_TASK_LIST, IDC_HELP_BUTTON, IDC_VIDEO_TYPE};
    const std::pair<int, const char *> keys[]
        = {{Qt::Key_Return, "Return"}, {Qt::Key_Enter, "Enter"}, {Qt::Key_Escape, "Escape"}};
    for (int id : focus) {
        for (const auto &[key, name] : keys) {
            QTest::addRow("%s on %s", name, id ? qPrintable(QString::number(id)) : "frame")
                << id << key;
        }
    }
}

void tst_MainWindow::enterAndEscapeKeepTheWindowOpen()
{
    QFETCH(int, focusId);
    QFETCH(int, key);

    QVERIFY(openFrame());
    m_frame->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_frame.get()));
    QWidget *target = focusId ? page()->Control(focusId) : static_cast<QWidget *>(m_frame.get());
    target->setFocus();
    QSignalSpy finished(m_frame.get(), &QDialog::finished);
    QVERIFY(finished.isValid());
    QSignalSpy browse(control<QPushButton>(IDC_BROWSE), &QPushButton::clicked);
    QVERIFY(browse.isValid());
    QSignalSpy help(control<QPushButton>(IDC_HELP_BUTTON), &QPushButton::clicked);
    QVERIFY(help.isValid());

    QTest::keyClick(target, Qt::Key(key));
    QCoreApplication::processEvents();

    QVERIFY(m_frame->isVisible());
    QCOMPARE(finished.count(), 0);
    QCOMPARE(browse.count(), 0);
    QCOMPARE(help.count(), 0);
}

void tst_MainWindow::closingStopsARunningBatch_data()
{
    QTest::addColumn<bool>("busy");
    QTest::addColumn<bool>("byClose"); // false: the window is destroyed without closing
    QTest::newRow("close while converting") << true << true;
    QTest::newRow("close while idle") << false << true;
    QTest::newRow("destroy while converting") << true << false;
    QTest::newRow("destroy while idle") << false << false;
}

void tst_MainWindow::closingStopsARunningBatch()
{
    QFETCH(bool, busy);
    QFETCH(bool, byClose);

    QVERIFY(openFrame());
    page()->Batch().SetBusy(busy);
    QCOMPARE(control<CImageButton>(IDC_START)->isVisible(), !busy);
    QCOMPARE(control<CImageButton>(IDC_STOP)->isVisible(), busy);
    if (byClose) {
        QSignalSpy finished(m_frame.get(), &QDialog::finished);
        QVERIFY(finished.isValid());
        QVERIFY(m_frame->close());
        QCOMPARE(finished.count(), 1);
    } else {
        m_frame.reset();
    }
    QCOMPARE(g_stopRequested, busy);
}

void tst_MainWindow::helpCommandOpensTheHelpFile_data()
{
    QTest::addColumn<bool>("withChm");
    QTest::addColumn<QString>("opened");
    QTest::newRow("compiled help present") << true << "Help.chm";
    QTest::newRow("only the HTML page") << false << "help/help.html";
}

void tst_MainWindow::helpCommandOpensTheHelpFile()
{
    QFETCH(bool, withChm);
    QFETCH(QString, opened);

    QTemporaryDir programDir;
    QVERIFY(programDir.isValid());
    if (withChm) {
        QFile chm(programDir.filePath(QStringLiteral("Help.chm")));
        QVERIFY(chm.open(QIODevice::WriteOnly));
    }
    QVERIFY(openFrame());
    const QString saved = g_programDir;
    g_programDir = QDir::toNativeSeparators(programDir.path() + u'/');

    m_frame->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_frame.get()));
    QTest::keyClick(m_frame.get(), Qt::Key_F1);
    page()->Batch().SetBusy(true); // help works during a batch as well
    QTest::keyClick(control<QLineEdit>(IDC_TITLE), Qt::Key_F1);
    page()->Batch().SetBusy(false);
    g_programDir = saved;

    const QUrl expected = QUrl::fromLocalFile(programDir.filePath(opened));
    QCOMPARE(m_openedUrls, QList<QUrl>({expected, expected}));
}

void tst_MainWindow::listCellsComeFromTheTasks()
{
    QVERIFY(openFrame());
    auto *list = control<CTaskListCtrl>(IDC_TASK_LIST);
    ConversionTask task = makeTask(0, 0);
    task.trimStart = 75.0;
    page()->tasks().append(task);
    task.outputWmv = 1;
    task.wmvPercent = 100;
    page()->tasks().append(task);
    list->SetItemCount(2);

    QCOMPARE(list->GetCellInfo(0, 0)->text, QStringLiteral("clip.avi"));
    QCOMPARE(list->GetCellInfo(0, 1)->text, QStringLiteral("00:01:15"));
    QCOMPARE(list->GetCellInfo(1, 3)->text, QStringLiteral("clip.wmv"));
    const CellInfo *progress = list->GetCellInfo(1, 4);
    QCOMPARE(progress->text, QStringLiteral("    Finished"));
    QCOMPARE(progress->progressPos, 100);
    QCOMPARE(list->GetCellInfo(1, 0)->backColor, Rgb(220, 220, 255));
    // A row without a task keeps the list's defaults.
    QCOMPARE(list->GetCellInfo(5, 0)->text, QString());
}

// --- picture for people to look at ------------------------------------------------------------

void tst_MainWindow::savePictureOfTheWindow()
{
    // As a person sees it: with the skin that start-up loads.
    CTavrelApp::PrepareProcess();
    auto endSkin = qScopeGuard([] {
        g_skin.EndSkinning();
        g_skin.ReleaseDispatch();
    });
    QVERIFY(openFrame());
    auto *picture = control<CFadePicture>(IDC_PICTURE);
    QTRY_VERIFY_WITH_TIMEOUT(picture->fadeDone(), 30000);
    const QString path = runtimeDir() + QStringLiteral("/tests/main-window.png");
    QVERIFY(m_frame->grab().save(path));
    qInfo("picture of the main window: %s", qPrintable(path));
}

QTEST_MAIN(tst_MainWindow)
#include "tst_mainwindow.moc"
