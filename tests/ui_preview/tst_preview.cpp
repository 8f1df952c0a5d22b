// Trimming and previewing in the real window with real clips: the slider's moves land in the
// marked task and its list cells, a finished drag shows one second at the new cut, and the play
// button plays exactly the trimmed part.

#include "MediaFixtures.h"

#include "CMainFrameDlg.h"
#include "CRangeSlider.h"
#include "CTaskListCtrl.h"
#include "CTavrelDlg.h"
#include "CVideoEdit.h"
#include "CellInfo.h"
#include "ControlTable.h"
#include "ConversionBatch.h"
#include "FfmpegConverter.h"
#include "ProgramDir.h"
#include "ProgressText.h"
#include "ShellActions.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QToolTip>

#include <memory>

class tst_Preview : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void rangeChanges_data();
    void rangeChanges();
    void reversedRangeIsStoredInOrder();
    void stillPreviews();
    void playPreviewPlaysTheTrimmedPart();
    void stoppingEndsWhateverPlays_data();
    void stoppingEndsWhateverPlays();

private:
    CTavrelDlg *page() const { return m_frame->page(); }
    CRangeSlider *slider() const
    {
        return qobject_cast<CRangeSlider *>(page()->Control(IDC_RANGE_SLIDER));
    }
    CVideoEdit *media() const { return qobject_cast<CVideoEdit *>(page()->Control(IDC_MEDIA)); }
    CTaskListCtrl *list() const
    {
        return qobject_cast<CTaskListCtrl *>(page()->Control(IDC_TASK_LIST));
    }
    /// Drags part (0 left thumb, 1 right thumb, 2 bar) by dx pixels; released unless told not to.
    void drag(int part, int dx, bool release = true);
    void waitForStillToEnd() { QTRY_VERIFY_WITH_TIMEOUT(!page()->IsPreviewBusy(), 15000); }

    QTemporaryDir m_dir;
    QString m_clip;
    std::unique_ptr<CMainFrameDlg> m_frame;
    int m_messages = 0;
};

void tst_Preview::initTestCase()
{
    g_programDir = QDir::toNativeSeparators(qEnvironmentVariable("TAVREL_RUNTIME_DIR") + u'/');
    QVERIFY(m_dir.isValid());
    m_clip = m_dir.filePath("clip.avi");
    QVERIFY(MediaFixtures::MakeSource(m_clip, 8.0));
    ShellActions::SetMessageHandler(
        [this](QWidget *, const QString &, const QString &, QMessageBox::Icon) { ++m_messages; });
}

void tst_Preview::init()
{
    m_frame = std::make_unique<CMainFrameDlg>();
    m_frame->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_frame.get()));
    page()->AddSourceFiles({m_clip, m_clip});
    g_previewPlaying = 0;
    // The second task is current and keeps 2 s to 6 s, which the slider shows.
    ConversionTask task = page()->tasks().at(1);
    task.trimStart = 2.0;
    task.trimEnd = 6.0;
    page()->tasks().store(1, task);
    page()->ShowTask(1);
}

void tst_Preview::cleanup()
{
    media()->StopPlayback();
    m_frame.reset();
    QCOMPARE(m_messages, 0);
}

void tst_Preview::drag(int part, int dx, bool release)
{
    const QRect thumb = part == 0 ? slider()->LeftThumbRect() : slider()->RightThumbRect();
    const QPoint from
        = part == 2
              ? QPoint((slider()->LeftThumbRect().right() + slider()->RightThumbRect().left()) / 2,
                       slider()->height() / 2)
              : thumb.center();
    QTest::mousePress(slider(), Qt::LeftButton, {}, from);
    QTest::mouseMove(slider(), from + QPoint(dx / 2, 0));
    QTest::mouseMove(slider(), from + QPoint(dx, 0));
    if (release)
        QTest::mouseRelease(slider(), Qt::LeftButton, {}, from + QPoint(dx, 0));
}

void tst_Preview::rangeChanges_data()
{
    QTest::addColumn<QString>("how");
    QTest::addColumn<bool>("busy");
    QTest::addColumn<int>("mark");
    QTest::addColumn<bool>("stored");
    QTest::addColumn<int>("previewedEnd"); // -1 none, 0 left, 1 right

    QTest::newRow("keyboard move: stored, no preview") << "key" << false << 1 << true << -1;
    QTest::newRow("drag not let go: stored, no preview") << "hold" << false << 1 << true << -1;
    QTest::newRow("left thumb let go: left end") << "left" << false << 1 << true << 0;
    QTest::newRow("bar let go: left end") << "bar" << false << 1 << true << 0;
    QTest::newRow("right thumb let go: right end") << "right" << false << 1 << true << 1;
    QTest::newRow("task being converted: nothing") << "left" << true << 1 << false << -1;
    QTest::newRow("no row marked: nothing") << "left" << false << -1 << false << -1;
}

void tst_Preview::rangeChanges()
{
    QFETCH(QString, how);
    QFETCH(bool, busy); // the marked task is being converted
    QFETCH(int, mark);
    QFETCH(bool, stored);
    QFETCH(int, previewedEnd);

    // The window's own moves change nothing: a selected task shows its range on the slider.
    slider()->setFocus();
    list()->SetSelectionMark(mark);
    if (busy)
        page()->tasks().update(
            1, NoColumn, [](ConversionTask &t) { t.state = TaskState::Converting; });
    const ConversionTask before = page()->tasks().at(1);
    const ConversionTask other = page()->tasks().at(0);
    if (how == "key") {
        QTest::keyClick(slider(), Qt::Key_Right);
    } else if (how == "right") {
        drag(1, -30);
    } else {
        drag(how == "bar" ? 2 : 0, 30, how != "hold");
        if (how == "hold") {
            // The dragged time shows beside the thumb while the button is held.
            double left = 0, right = 0;
            slider()->GetSelection(left, right);
            QCOMPARE(QToolTip::text(), FormatHms(TruncateToInt(left)));
        }
    }

    double left = 0, right = 0;
    slider()->GetSelection(left, right);
    const ConversionTask after = page()->tasks().at(1);
    QCOMPARE(after != before, stored);
    QCOMPARE(page()->tasks().at(0), other); // the other task is untouched
    if (stored) {
        QCOMPARE(after.trimStart, left);
        QCOMPARE(after.trimEnd, right);
        QCOMPARE(list()->GetCellInfo(1, BeginColumn)->text, FormatHms(TruncateToInt(left)));
        QCOMPARE(list()->GetCellInfo(1, EndColumn)->text, FormatHms(TruncateToInt(right)));
    }
    if (previewedEnd < 0) {
        QVERIFY(!page()->IsPreviewBusy());
        QVERIFY(media()->Converter().VideoClips().isEmpty());
    } else {
        const double t = previewedEnd == 0 ? left : right;
        QVERIFY(page()->IsPreviewBusy());
        QCOMPARE(media()->Converter().VideoClips(), (QList<MediaClip>{{m_clip, t, t + 1.0}}));
        QVERIFY(media()->Converter().AudioClips().isEmpty());
        waitForStillToEnd();
    }
    if (how == "hold")
        QTest::mouseRelease(slider(), Qt::LeftButton);
}

void tst_Preview::reversedRangeIsStoredInOrder()
{
    // Both ends on one pixel, then Shift + Left moves the right end below the left one.
    slider()->SetSelection(4.0, 4.0);
    slider()->setFocus();
    QTest::keyClick(slider(), Qt::Key_Left, Qt::ShiftModifier);
    double left = 0, right = 0;
    slider()->GetSelection(left, right);
    QVERIFY(right < left);
    QCOMPARE(page()->tasks().at(1).trimStart, right);
    QCOMPARE(page()->tasks().at(1).trimEnd, left);
}

void tst_Preview::stillPreviews()
{
    // A second release while the first still plays stores the range but shows nothing new.
    drag(0, 40);
    const QList<MediaClip> first = media()->Converter().VideoClips();
    drag(0, 30);
    QCOMPARE(media()->Converter().VideoClips(), first);
    QVERIFY(page()->tasks().at(1).trimStart > first.constFirst().start);
    waitForStillToEnd();
    QVERIFY(!media()->IsPlaying());

    // Past the file's end: the span 1.0 to 1.0.
    page()->PreviewStill(m_clip, 1000.0);
    QCOMPARE(media()->Converter().VideoClips(), (QList<MediaClip>{{m_clip, 1.0, 1.0}}));
    media()->StopPlayback();
    page()->OnPlaybackEnded(0.0);

    // A file that cannot be shown leaves the preview calm, ready for the next one.
    const QString broken = m_dir.filePath("broken.avi");
    QFile file(broken);
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(QByteArray(4096, 'x')) == 4096);
    file.close();
    page()->PreviewStill(broken, 0.0);
    waitForStillToEnd();
    page()->PreviewStill(m_dir.filePath("missing.avi"), 0.0);
    QVERIFY(!page()->IsPreviewBusy());
}

void tst_Preview::playPreviewPlaysTheTrimmedPart()
{
    QSignalSpy ended(media(), &CVideoEdit::PlaybackEnded);
    QVERIFY(ended.isValid());
    ConversionTask task = page()->tasks().at(1);
    task.trimStart = 5.5;
    task.trimEnd = 6.5;
    page()->tasks().store(1, task);

    // Conversions have converters of their own: the preview plays also while a batch runs.
    page()->OnPreviewPlay();
    QCOMPARE(g_previewPlaying, 1);
    const QList<MediaClip> clip{{m_clip, 5.5, 6.5}};
    QCOMPARE(media()->Converter().VideoClips(), clip);
    QCOMPARE(media()->Converter().AudioClips(), clip);
    QVERIFY(media()->IsPlaying());
    // The trimmed second plays to its end; the last picture stays until Stop.
    QTRY_COMPARE_WITH_TIMEOUT(ended.count(), 1, 15000);
    QVERIFY(ended.constFirst().at(0).toDouble() >= 6.0);

    page()->OnPreviewPlay();
    page()->OnPreviewStop();
    QVERIFY(!media()->IsPlaying());
    QCOMPARE(g_previewPlaying, 0);
}

void tst_Preview::stoppingEndsWhateverPlays_data()
{
    QTest::addColumn<bool>("still");  // a one-second still preview rather than a full play
    QTest::addColumn<QString>("how"); // "stop" button, "remove" the current row, "remove all"
    QTest::newRow("stop during a still: no longer busy") << true << "stop";
    QTest::newRow("stop with no row marked stops the play") << false << "stop unmarked";
    QTest::newRow("Remove of the playing row stops it") << false << "remove";
    QTest::newRow("Remove all stops the play") << false << "remove all";
}

void tst_Preview::stoppingEndsWhateverPlays()
{
    QFETCH(bool, still);
    QFETCH(QString, how);

    if (still)
        page()->PreviewStill(m_clip, 2.0);
    else
        page()->OnPreviewPlay();
    QVERIFY(media()->IsPlaying());
    if (how == "stop") {
        page()->OnPreviewStop();
    } else if (how == "stop unmarked") {
        list()->SetSelectionMark(-1);
        page()->OnPreviewStop();
    } else if (how == "remove") {
        page()->OnRemove();
        QCOMPARE(page()->tasks().count(), 1);
    } else {
        page()->OnRemoveAll();
    }
    QVERIFY(!media()->IsPlaying());
    QCOMPARE(g_previewPlaying, 0);
    QVERIFY(!page()->IsPreviewBusy());
    // A later finished drag shows its frame again.
    if (page()->tasks().count() > 0) {
        page()->ShowTask(page()->CurTask());
        drag(0, 20);
        QVERIFY(page()->IsPreviewBusy());
        QVERIFY(media()->IsPlaying());
        waitForStillToEnd();
    }
}

QTEST_MAIN(tst_Preview)
#include "tst_preview.moc"
