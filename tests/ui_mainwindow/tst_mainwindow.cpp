// The main window as it comes up, checked against the page's own tables (controls, setting
// combos, columns, image buttons) and what a person sees: where each control is, its text,
// what is shown and enabled, and the profiles read from the profile files.

#include "MainWindowFixture.h"

#include "CFadePicture.h"
#include "CImageButton.h"
#include "CRangeSlider.h"
#include "CTaskListCtrl.h"
#include "CVideoEdit.h"
#include "ControlTable.h"
#include "ProfileList.h"
#include "SettingTables.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>

#include <limits>

using namespace MainWindowFixture;

namespace {

/// The class each kind of control of the table is made of.
const char *classOf(ControlKind kind)
{
    switch (kind) {
    case ControlKind::TaskList:
        return "CTaskListCtrl";
    case ControlKind::ImageButton:
        return "CImageButton";
    case ControlKind::Label:
        return "QLabel";
    case ControlKind::Edit:
        return "QLineEdit";
    case ControlKind::PushButton:
        return "QPushButton";
    case ControlKind::FadePicture:
        return "CFadePicture";
    case ControlKind::MediaControl:
        return "CVideoEdit";
    case ControlKind::RangeSlider:
        return "CRangeSlider";
    case ControlKind::GroupBox:
        return "QGroupBox";
    case ControlKind::RadioButton:
        return "QRadioButton";
    case ControlKind::ComboBox:
        return "QComboBox";
    case ControlKind::CheckBox:
        return "QCheckBox";
    }
    return "";
}

} // namespace

class tst_MainWindow
    : public QObject
    , private Host
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void controls_data();
    void controls();
    void shownControlsDoNotOverlap();
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
};

void tst_MainWindow::initTestCase()
{
    QVERIFY2(!runtimeDir().isEmpty(), "TAVREL_RUNTIME_DIR is not set");
    useRuntimeDir();
}

void tst_MainWindow::init()
{
    clearStoredSettings();
}

void tst_MainWindow::cleanup()
{
    m_frame.reset();
    QCOMPARE(g_mainFrame, nullptr);
}

// --- the controls against the page's tables ---------------------------------------------------

void tst_MainWindow::controls_data()
{
    QTest::addColumn<int>("id");
    QTest::addColumn<bool>("shown");
    QTest::addColumn<bool>("enabled");

    // At start-up the WMV profile, the media control, Stop and the two unused buttons are out of
    // sight, and the output folder can only be chosen with Browse.
    const QList<int> hidden{IDC_LABEL_WMV_PROFILE,
                            IDC_WMV_PROFILE,
                            IDC_MEDIA,
                            IDC_STOP,
                            IDC_PAUSE,
                            IDC_UNUSED_BUTTON1,
                            IDC_UNUSED_BUTTON2};
    for (const ControlEntry &entry : ControlTable()) {
        QTest::addRow("%d %s", entry.id, classOf(entry.kind))
            << entry.id << !hidden.contains(entry.id) << (entry.id != IDC_OUTPUT_DIR);
    }
}

void tst_MainWindow::controls()
{
    QFETCH(int, id);
    QFETCH(bool, shown);
    QFETCH(bool, enabled);
    const ControlEntry *entry = ControlEntryFor(id);
    QVERIFY(entry);

    QVERIFY(openFrame());
    QWidget *widget = page()->Control(id);
    QVERIFY(widget);
    QCOMPARE(widget->parentWidget(), page());
    QCOMPARE(QString::fromLatin1(widget->metaObject()->className()),
             QString::fromLatin1(classOf(entry->kind)));
    QCOMPARE(widget->property("controlId").toInt(), id);
    if (!entry->rect.isNull())
        QCOMPARE(widget->geometry(), entry->rect);
    QCOMPARE(widget->isVisible(), shown);
    QCOMPARE(widget->isEnabled(), enabled);

    if (auto *label = qobject_cast<QLabel *>(widget))
        QCOMPARE(label->text(), entry->text);
    else if (auto *button = qobject_cast<QAbstractButton *>(widget))
        QCOMPARE(button->text(), entry->text);
    if (entry->kind == ControlKind::Label || entry->kind == ControlKind::PushButton
        || entry->kind == ControlKind::RadioButton || entry->kind == ControlKind::CheckBox) {
        QVERIFY2(!entry->text.isEmpty(), "a control a person reads has a text");
    }
}

void tst_MainWindow::shownControlsDoNotOverlap()
{
    QVERIFY(openFrame());
    // What each shown control covers: a label only its text (its box may reach under the control
    // it names), the settings frame nothing (it surrounds its controls).
    QList<std::pair<int, QRect>> covered;
    for (const ControlEntry &entry : ControlTable()) {
        QWidget *widget = page()->Control(entry.id);
        if (!widget->isVisible())
            continue;
        // Whole inside the window.
        const QRect inFrame(widget->mapTo(m_frame.get(), QPoint(0, 0)), widget->size());
        QVERIFY2(m_frame->rect().contains(inFrame), qPrintable(QString::number(entry.id)));
        QRect area = widget->geometry();
        if (auto *label = qobject_cast<QLabel *>(widget))
            area.setWidth(
                qMin(area.width(), label->fontMetrics().horizontalAdvance(label->text())));
        if (entry.kind != ControlKind::GroupBox)
            covered.append({entry.id, area});
    }
    for (int i = 0; i < covered.size(); ++i) {
        for (int j = i + 1; j < covered.size(); ++j) {
            QVERIFY2(!covered[i].second.intersects(covered[j].second),
                     qPrintable(
                         QStringLiteral("%1 and %2").arg(covered[i].first).arg(covered[j].first)));
        }
    }
}

void tst_MainWindow::settingCombos_data()
{
    QTest::addColumn<int>("id");
    for (const SettingTable &table : SettingTables())
        QTest::addRow("%d %s", table.comboId, qPrintable(table.label)) << table.comboId;
}

void tst_MainWindow::settingCombos()
{
    QFETCH(int, id);
    const SettingTable *table = SettingTableForCombo(id);
    QVERIFY(table);
    QVERIFY(SettingComboIds().contains(id));

    QVERIFY(openFrame());
    auto *combo = control<QComboBox>(id);
    QVERIFY(combo);
    QVERIFY(!combo->isEditable());
    QStringList items;
    for (const SettingItem &item : table->items)
        items.append(item.itemText);
    QCOMPARE(itemTexts(combo), items);
    QCOMPARE(combo->currentIndex(), table->defaultIndex);
    QVERIFY(combo->isEnabled());
}

void tst_MainWindow::columns()
{
    QVERIFY(openFrame());
    auto *list = control<CTaskListCtrl>(IDC_TASK_LIST);
    QVERIFY(list);
    const QList<ColumnEntry> &columns = ColumnTable();
    QCOMPARE(list->GetColumnCount(), int(columns.size()));
    for (int column = 0; column < columns.size(); ++column) {
        QCOMPARE(list->model()->headerData(column, Qt::Horizontal).toString(),
                 columns[column].heading);
        QCOMPARE(list->columnWidth(column), columns[column].width);
        const auto alignment = Qt::Alignment(
            list->model()->headerData(column, Qt::Horizontal, Qt::TextAlignmentRole).toInt());
        QCOMPARE(alignment & Qt::AlignHorizontal_Mask, columns[column].alignment);
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
    QCOMPARE(itemTexts(wmv), expected);
    QCOMPARE(wmv->currentIndex(), expected.isEmpty() ? -1 : 0);
}

void tst_MainWindow::imageButtons()
{
    QVERIFY(openFrame());
    for (const ImageButtonEntry &entry : ImageButtonTable()) {
        auto *button = control<CImageButton>(entry.id);
        QVERIFY(button);
        const QByteArray what = entry.tooltip.toUtf8();
        QCOMPARE(button->TipText(), entry.tooltip);
        QVERIFY(button->IsTipActive());
        QVERIFY(button->ParentBackground());
        QVERIFY(!button->HoverBorder());
        QCOMPARE(button->text(), QString());
        QVERIFY2(!button->CurrentImage().isNull(), what.constData());
    }
    QCOMPARE(control<CImageButton>(IDC_ADD)->ImageAlign(), int(CImageButton::AlignTop));
    QCOMPARE(control<CImageButton>(IDC_START)->ImageAlign(), int(CImageButton::AlignTop));
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
        QVERIFY2(itemTexts(combo) == c.items, c.name);
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
    QCOMPARE(itemTexts(combo), items);
    QCOMPARE(combo->currentIndex(), items.isEmpty() ? -1 : 0);
}

QTEST_MAIN(tst_MainWindow)
#include "tst_mainwindow.moc"
