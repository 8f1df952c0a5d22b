// Building the conversion list in the real window: Add through the dialog seam, files dropped
// from a file manager, Remove and Remove all, clicks and keys in the list, and every setting the
// user changes landing in the task it belongs to.

#include "ListOperationsTest.h"
#include "MediaFixtures.h"

#include "AppSettings.h"
#include "CFadePicture.h"
#include "CMainFrameDlg.h"
#include "CTaskListCtrl.h"
#include "CTavrelDlg.h"
#include "CVideoEdit.h"
#include "CellInfo.h"
#include "ControlTable.h"
#include "ConversionBatch.h"
#include "ProgramDir.h"
#include "SettingTables.h"
#include "ShellActions.h"
#include "SourceFiles.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QFileDialog>
#include <QLineEdit>
#include <QMimeData>
#include <QRadioButton>
#include <QScopeGuard>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <memory>

#include <sys/stat.h>
#include <unistd.h>

namespace {

const QString kAwkwardName = QStringLiteral("it's a \"test\" $TITLE -n \u00fc.avi");

/// Once the modal file dialog has the focus and lists `names` in this order (sorted: rows that
/// arrive and then move would make the keys pick by chance), types `typed` into what
/// has the focus (the name field), then presses each key of `keys` on whatever has the focus by
/// then, as a person would. A dialog still open two seconds later is cancelled, with any message
/// over it: a fault fails, it does not hang.
void DriveFileDialog(QObject *context,
                     const QString &typed,
                     const QKeySequence &keys,
                     const QStringList &names)
{
    auto *poll = new QTimer(context);
    QObject::connect(poll, &QTimer::timeout, poll, [=] {
        auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
        const auto *view = dialog ? dialog->findChild<QAbstractItemView *>("listView") : nullptr;
        if (!view || !dialog->isAncestorOf(QApplication::focusWidget()))
            return;
        QStringList listed;
        for (int row = 0; row < view->model()->rowCount(view->rootIndex()); ++row)
            listed.append(view->model()->index(row, 0, view->rootIndex()).data().toString());
        if (listed != names)
            return;
        poll->deleteLater();
        poll->stop();
        QTimer::singleShot(2000, dialog, [dialog] {
            for (int i = 0; i < 3 && dialog->isVisible(); ++i) {
                if (auto *top = qobject_cast<QDialog *>(QApplication::activeModalWidget()))
                    top->reject();
            }
        });
        for (const QChar c : typed) // by key code and text, as the keyboard sends non-ASCII too
            QTest::sendKeyEvent(
                QTest::Click, QApplication::focusWidget(), Qt::Key(c.toUpper().unicode()), c, {});
        for (int i = 0; i < keys.count(); ++i)
            QTest::keyClick(
                QApplication::focusWidget(), keys[i].key(), keys[i].keyboardModifiers());
    });
    poll->start(20);
}

/// Counts the key presses that reach a widget past the application's filters.
class KeyCounter : public QObject
{
public:
    int presses = 0;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::KeyPress)
            ++presses;
        return false;
    }
};

} // namespace

void tst_ListOperations::initTestCase()
{
    g_programDir = QDir::toNativeSeparators(qEnvironmentVariable("TAVREL_RUNTIME_DIR") + u'/');
    QVERIFY(m_dir.isValid());
    QVERIFY(MediaFixtures::MakeSource(clip("holiday.trip.avi"), 2.0));
    QVERIFY(MediaFixtures::MakeSource(clip("party.rmvb"), 1.0));
    QVERIFY(QFile::copy(clip("holiday.trip.avi"), clip("CAMERA.AVI")));
    QVERIFY(QFile::copy(clip("holiday.trip.avi"), clip("nodot")));
    QVERIFY(QFile::copy(clip("holiday.trip.avi"), clip("notes.txt")));
    QDir(m_dir.path()).mkdir("folder");
    for (const char *name : {"clip10.avi", "Clip2.MPG", "clip1.avi", "readme.txt"})
        QVERIFY(QFile::copy(clip("holiday.trip.avi"), clip(QStringLiteral("folder/") + name)));
    // Files an add must name instead of dropping them silently: a name that is not UTF-8, a
    // FIFO dressed as a video, and a folder of eleven other files.
    QDir(m_dir.path()).mkdir("odd");
    QVERIFY(QFile::copy(clip("holiday.trip.avi"), clip("odd/good.avi")));
    const QByteArray badName = QFile::encodeName(clip("odd/")) + "bad\xff.avi";
    QVERIFY(::link(QFile::encodeName(clip("holiday.trip.avi")).constData(), badName.constData())
            == 0);
    QVERIFY(::mkfifo(QFile::encodeName(clip("odd/pipe.avi")).constData(), 0600) == 0);
    QDir(m_dir.path()).mkdir("many");
    for (int i = 0; i < 11; ++i)
        QVERIFY(QFile(clip(QStringLiteral("many/n%1.txt").arg(i, 2, 10, QChar(u'0'))))
                    .open(QIODevice::WriteOnly));
    ShellActions::SetMessageHandler(
        [this](QWidget *, const QString &text, const QString &, QMessageBox::Icon) {
            m_messages.append(text);
        });
    // Awkward names for the real dialog: quotes, an apostrophe, $, a leading dash, non-ASCII.
    QDir(m_dir.path()).mkdir("keys");
    for (const QString &name : {u"a.avi"_qs, u"b.avi"_qs, kAwkwardName})
        QVERIFY(QFile::copy(clip("holiday.trip.avi"), clip(u"keys/"_qs + name)));
    installDialogDouble();
}

void tst_ListOperations::installDialogDouble()
{
    ShellActions::SetOpenFileHandler(
        [this](QWidget *, const QString &filter, const QString &folder) {
            m_dialogFilter = filter;
            m_dialogFolders.append(folder);
            return m_dialogAnswer;
        });
}

void tst_ListOperations::init()
{
    QSettings(
        QSettings::NativeFormat, QSettings::UserScope, QString::fromLatin1(kSettingsOrganisation))
        .clear();
    m_dialogFolders.clear();
    m_frame = std::make_unique<CMainFrameDlg>();
    m_frame->show();
    QVERIFY(QTest::qWaitForWindowActive(m_frame.get()));
}

void tst_ListOperations::cleanup()
{
    m_frame.reset();
}

void tst_ListOperations::addClips(int count)
{
    for (int i = 0; i < count; ++i)
        page()->AddSourceFile(clip("holiday.trip.avi"));
    QCOMPARE(page()->tasks().count(), count);
}

void tst_ListOperations::chooseInCombo(int id, int index)
{
    auto *combo = control<QComboBox>(id);
    combo->setCurrentIndex(index);
    emit combo->activated(index);
}

// --- Add ----------------------------------------------------------------------------------------

void tst_ListOperations::addSourceFile_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<bool>("wmv");
    QTest::addColumn<QString>("title");
    QTest::addColumn<int>("preconversion");

    QTest::newRow("several dots") << "holiday.trip.avi" << false << "holiday.trip" << 0;
    QTest::newRow("no dot: empty title") << "nodot" << false << "" << 0;
    QTest::newRow("RealMedia is pre-converted") << "party.rmvb" << false << "party" << 1;
    QTest::newRow("capital extension") << "CAMERA.AVI" << false << "CAMERA" << 0;
    QTest::newRow("while WMV is shown") << "holiday.trip.avi" << true << "holiday.trip" << 0;
}

void tst_ListOperations::addSourceFile()
{
    QFETCH(QString, file);
    QFETCH(bool, wmv);
    QFETCH(QString, title);
    QFETCH(int, preconversion);

    // Another task is current and shows settings of its own before the Add.
    page()->AddSourceFile(clip("party.rmvb"));
    chooseInCombo(IDC_VIDEO_SIZE, 1);
    typeTitle("earlier");
    if (wmv) {
        control<QRadioButton>(IDC_TO_WMV)->click();
        control<QComboBox>(IDC_WMV_PROFILE)->setCurrentIndex(2);
    }

    page()->AddSourceFile(clip(file));
    const ConversionTask task = page()->tasks().at(1);
    QCOMPARE(task.sourcePath, clip(file));
    QCOMPARE(task.baseName + u'|' + task.title, title + u'|' + title);
    QCOMPARE(task.needsPreconversion, preconversion);
    QVERIFY(task.trimStart == 0.0 && task.trimEnd > 0.9);
    QCOMPARE(task.outputWmv, wmv ? 1 : 0);
    // The new task keeps the WMV profile chosen before the Add, while the combo is reset.
    QCOMPARE(task.wmvProfile, wmv ? 2 : 0);
    QCOMPARE(control<QComboBox>(IDC_WMV_PROFILE)->currentIndex(), 0);
    QCOMPARE(task.mpeg4Profile, 0);
    ConversionTask defaults;
    ApplyDefaultSettings(defaults);
    for (const SettingTable &table : SettingTables()) {
        QCOMPARE(task.*(table.field), defaults.*(table.field));
        QCOMPARE(control<QComboBox>(table.comboId)->currentIndex(), table.defaultIndex);
    }
    QCOMPARE(control<QLineEdit>(IDC_TITLE)->text(), title);
    QCOMPARE(page()->CurTask(), 1);
    QVERIFY(list()->GetItemCount() == 2 && list()->IsRowSelected(1));
    QCOMPARE(page()->tasks().at(0).title, QStringLiteral("earlier"));
}

void tst_ListOperations::addThroughTheDialog()
{
    auto *picture = control<CFadePicture>(IDC_PICTURE);
    auto *media = control<CVideoEdit>(IDC_MEDIA);

    // Cancelled: nothing changes; the dialog never opens in the program's working directory.
    m_dialogAnswer.clear();
    page()->OnAdd();
    QCOMPARE(page()->tasks().count(), 0);
    QVERIFY(picture->isVisible() && !media->isVisible());
    QCOMPARE(m_dialogFilter, QtSourceFileFilter());
    QVERIFY(m_dialogFilter.contains("*.avi") && m_dialogFilter.contains("*.AVI"));
    QVERIFY(m_dialogFolders.constLast() != QDir::currentPath());
    QVERIFY(QFileInfo(m_dialogFolders.constLast()).isDir());

    // The same file twice makes two tasks; the next dialog opens where the last file came from.
    m_dialogAnswer = {clip("CAMERA.AVI")};
    page()->OnAdd();
    page()->OnAdd();
    QCOMPARE(page()->tasks().count(), 2);
    // Several files picked at once become tasks in the order picked.
    m_dialogAnswer = {clip("party.rmvb"), clip("holiday.trip.avi")};
    page()->OnAdd();
    QCOMPARE(page()->tasks().count(), 4);
    QCOMPARE(page()->tasks().at(2).sourcePath, clip("party.rmvb"));
    QCOMPARE(page()->tasks().at(3).sourcePath, clip("holiday.trip.avi"));
    QCOMPARE(m_dialogFolders.constLast(), m_dir.path());
    QVERIFY(media->isVisible() && !picture->isVisible());

    // Emptied again, the preview area stays the media's.
    page()->OnRemoveAll();
    QCOMPARE(page()->tasks().count(), 0);
    QCOMPARE(list()->GetItemCount(), 0);
    QCOMPARE(page()->CurTask(), -1);
    QVERIFY(media->isVisible() && !picture->isVisible());
}

void tst_ListOperations::addThroughTheRealDialog_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QKeySequence>("keys");
    QTest::addColumn<QStringList>("added");

    const QStringList a{u"a.avi"_qs};
    const QStringList b{u"b.avi"_qs};
    const QStringList awkward{kAwkwardName};
    QTest::newRow("Return on the row the list's focus is on")
        << "" << QKeySequence("Shift+Tab, Return") << a;
    QTest::newRow("arrow key selects") << "" << QKeySequence("Shift+Tab, Down, Return") << b;
    QTest::newRow("Ctrl+arrow moves the focus only")
        << "" << QKeySequence("Shift+Tab, Ctrl+Down, Return") << b;
    QTest::newRow("quoted name from the list")
        << "" << QKeySequence("Shift+Tab, End, Return") << awkward;
    QTest::newRow("quoted name typed, Return") << kAwkwardName << QKeySequence("Return") << awkward;
    QTest::newRow("quoted name typed, Open") << kAwkwardName << QKeySequence("Alt+O") << awkward;
    QTest::newRow("two files: Space, Shift+Down")
        << "" << QKeySequence("Shift+Tab, Space, Shift+Down, Return") << QStringList{a + b};
}

void tst_ListOperations::addThroughTheRealDialog()
{
    QFETCH(QString, typed);
    QFETCH(QKeySequence, keys);
    QFETCH(QStringList, added);

    ShellActions::SetOpenFileHandler({});
    const auto restore = qScopeGuard([this] { installDialogDouble(); });
    WriteLastSourceFolder(clip("keys/a.avi")); // the dialog opens where the last file came from
    DriveFileDialog(m_frame.get(), typed, keys, {u"a.avi"_qs, u"b.avi"_qs, kAwkwardName});
    page()->OnAdd();

    QStringList paths;
    for (int i = 0; i < page()->tasks().count(); ++i)
        paths.append(QFileInfo(page()->tasks().at(i).sourcePath).fileName());
    QCOMPARE(paths, added);
}

// --- Remove ---------------------------------------------------------------------------------------

void tst_ListOperations::remove_data()
{
    QTest::addColumn<int>("tasks");
    QTest::addColumn<int>("mark");
    QTest::addColumn<int>("current");

    QTest::newRow("last of three: new last current") << 3 << 2 << 1;
    QTest::newRow("middle of three: next takes its place") << 3 << 1 << 1;
    QTest::newRow("only row: nothing current") << 1 << 0 << -1;
    QTest::newRow("no mark: nothing removed") << 2 << -1 << -2;
}

void tst_ListOperations::remove()
{
    QFETCH(int, tasks);
    QFETCH(int, mark);
    QFETCH(int, current);

    addClips(tasks);
    for (int i = 0; i < tasks; ++i) {
        ConversionTask task = page()->tasks().at(i);
        task.title = task.baseName = QString::number(i);
        page()->tasks().store(i, task);
    }
    list()->SetSelectionMark(mark);
    page()->OnRemove();

    if (current == -2) {
        QCOMPARE(page()->tasks().count(), tasks);
        return;
    }
    QCOMPARE(page()->tasks().count(), tasks - 1);
    QCOMPARE(list()->GetItemCount(), tasks - 1);
    QCOMPARE(page()->CurTask(), current);
    if (current < 0) {
        QCOMPARE(control<QLineEdit>(IDC_TITLE)->text(), QString());
        return;
    }
    QCOMPARE(list()->GetSelectionMark(), current);
    const int shownOriginal = current < mark ? current : current + 1;
    QCOMPARE(control<QLineEdit>(IDC_TITLE)->text(), QString::number(shownOriginal));
}

// --- clicks and keys ------------------------------------------------------------------------------

void tst_ListOperations::navigation_data()
{
    QTest::addColumn<int>("tasks");
    QTest::addColumn<int>("from");
    QTest::addColumn<QString>("input"); // a mouse action on row 0, or a key
    QTest::addColumn<int>("current");

    QTest::newRow("left click") << 3 << 2 << "click" << 0;
    QTest::newRow("right click") << 3 << 2 << "right click" << 0;
    QTest::newRow("double click") << 3 << 2 << "double click" << 0;
    QTest::newRow("right double click") << 3 << 2 << "right double click" << 0;
    QTest::newRow("click below the last row keeps the current") << 3 << 2 << "click below" << 2;
    QTest::newRow("Up on the first row") << 3 << 0 << "Up" << 0;
    QTest::newRow("Up") << 3 << 2 << "Up" << 1;
    QTest::newRow("Down on the last row") << 3 << 2 << "Down" << 2;
    QTest::newRow("Page Up on the first row") << 3 << 0 << "PgUp" << 0;
    QTest::newRow("Page Up moves three") << 5 << 4 << "PgUp" << 1;
    QTest::newRow("Page Down on row 0 of five") << 5 << 0 << "PgDown" << 3;
    QTest::newRow("Page Down on row 3 of five") << 5 << 3 << "PgDown" << 4;
    QTest::newRow("Home") << 3 << 2 << "Home" << 0;
    QTest::newRow("End") << 3 << 0 << "End" << 2;
    QTest::newRow("Home on an empty list") << 0 << -1 << "Home" << -1;
    QTest::newRow("End on an empty list") << 0 << -1 << "End" << -1;
}

void tst_ListOperations::navigation()
{
    QFETCH(int, tasks);
    QFETCH(int, from);
    QFETCH(QString, input);
    QFETCH(int, current);

    addClips(tasks);
    list()->SetSelectionMark(from);
    page()->OnTaskListClick();
    KeyCounter counter;
    list()->installEventFilter(&counter);
    list()->setFocus();
    const QPoint row0 = list()->CellBounds(0, 0).center();
    const Qt::MouseButton button = input.startsWith("right") ? Qt::RightButton : Qt::LeftButton;
    if (input == "click below")
        QTest::mouseClick(list()->viewport(), button, {}, row0 + QPoint(0, 120));
    else if (input.endsWith("double click"))
        QTest::mouseDClick(list()->viewport(), button, {}, row0);
    else if (input.endsWith("click"))
        QTest::mouseClick(list()->viewport(), button, {}, row0);
    else
        QTest::keyClick(list(), Qt::Key(QKeySequence(input)[0].key()));
    QCOMPARE(page()->CurTask(), current);
    QCOMPARE(list()->GetSelectionMark(), current);
    QCOMPARE(list()->IsRowSelected(current), current >= 0);
    QCOMPARE(counter.presses, 0); // the list view never sees the keys
}

// --- drops ------------------------------------------------------------------------------------------

void tst_ListOperations::drops_data()
{
    QTest::addColumn<QStringList>("dropped");
    QTest::addColumn<QStringList>("added");
    QTest::addColumn<QStringList>("notice"); // the lines after the notice's first; none: no box

    QTest::newRow("two files in the order given")
        << QStringList{"party.rmvb", "CAMERA.AVI"} << QStringList{"party.rmvb", "CAMERA.AVI"}
        << QStringList{};
    QTest::newRow("a folder: its supported files by name")
        << QStringList{"folder"}
        << QStringList{"folder/clip1.avi", "folder/clip10.avi", "folder/Clip2.MPG"}
        << QStringList{"readme.txt"};
    QTest::newRow("other types and web addresses are ignored")
        << QStringList{"notes.txt", "https://example.org/a.avi", "holiday.trip.avi"}
        << QStringList{"holiday.trip.avi"} << QStringList{"notes.txt", "https://example.org/a.avi"};
    QTest::newRow("a name that is not UTF-8 and a FIFO are named")
        << QStringList{"odd"} << QStringList{"odd/good.avi"}
        << QStringList{"pipe.avi", u"bad\ufffd.avi"_qs};
    QStringList many;
    for (int i = 0; i < 10; ++i)
        many << QStringLiteral("n%1.txt").arg(i, 2, 10, QChar(u'0'));
    QTest::newRow("ten names, then how many more")
        << QStringList{"many"} << QStringList{} << (many << "and 1 more");
}

void tst_ListOperations::drops()
{
    QFETCH(QStringList, dropped);
    QFETCH(QStringList, added);
    QFETCH(QStringList, notice);

    m_messages.clear();
    QList<QUrl> urls;
    for (const QString &name : dropped)
        urls.append(name.contains(':') ? QUrl(name) : QUrl::fromLocalFile(clip(name)));
    QMimeData data;
    data.setUrls(urls);

    const QPoint at = page()->rect().center();
    QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, {});
    QCoreApplication::sendEvent(page(), &enter);
    QVERIFY(enter.isAccepted());
    QDropEvent drop(at, Qt::CopyAction, &data, Qt::LeftButton, {});
    QCoreApplication::sendEvent(page(), &drop);
    QVERIFY(drop.isAccepted());

    QStringList sources;
    for (int i = 0; i < page()->tasks().count(); ++i)
        sources.append(QDir(m_dir.path()).relativeFilePath(page()->tasks().at(i).sourcePath));
    QCOMPARE(sources, added);
    QCOMPARE(list()->GetItemCount(), added.size());
    QCOMPARE(control<CVideoEdit>(IDC_MEDIA)->isVisible(), !added.isEmpty());
    // One notice after the drop, only when something was left out.
    if (!notice.isEmpty())
        QTRY_COMPARE(m_messages.size(), 1);
    QCoreApplication::processEvents();
    QCOMPARE(m_messages.size(), notice.isEmpty() ? 0 : 1);
    if (!notice.isEmpty())
        QCOMPARE(m_messages.first().split(u'\n').mid(1), notice);
}

void tst_ListOperations::modernContainers_data()
{
    QTest::addColumn<QString>("name");
    for (const char *name : {"phone.mp4",
                             "movie.m4v",
                             "show.mkv",
                             "clip.webm",
                             "dvb.ts",
                             "camcorder.MTS",
                             "bluray.m2ts",
                             "web.flv",
                             "free.ogv",
                             "tape.dv",
                             "old.divx",
                             "phone.3G2",
                             "PHONE.MP4"}) {
        QTest::newRow(name) << QString::fromLatin1(name);
    }
}

void tst_ListOperations::modernContainers()
{
    // The dialog lists the type among all supported files and in a group of its own; a drop
    // and the command line ("Open with") take it too.
    QFETCH(QString, name);
    QVERIFY(QFile::copy(clip("holiday.trip.avi"), clip(name)) || QFile::exists(clip(name)));
    const QString pattern = u"*."_qs + QFileInfo(name).suffix().toLower();
    const QStringList groups = QtSourceFileFilter().split(u";;"_qs);
    QVERIFY(groups.constFirst().contains(pattern)
            && groups.constFirst().contains(pattern.toUpper()));
    QVERIFY(std::any_of(groups.cbegin() + 1, groups.cend(), [&](const QString &group) {
        return group.contains(pattern);
    }));

    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(clip(name))});
    const QPoint at = page()->rect().center();
    QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, {});
    QCoreApplication::sendEvent(page(), &enter);
    QDropEvent drop(at, Qt::CopyAction, &data, Qt::LeftButton, {});
    QCoreApplication::sendEvent(page(), &drop);
    QCOMPARE(page()->tasks().count(), 1);
    QCOMPARE(page()->tasks().at(0).sourcePath, clip(name));

    QCOMPARE(SourceFilesFromArguments({name}, m_dir.path()), QStringList{clip(name)});
}

QTEST_MAIN(tst_ListOperations)
