#include "CRangeSlider.h"

#include <QAccessible>
#include <QApplication>
#include <QPainter>
#include <QTest>

namespace {

struct Notification
{
    int wParam;
    int lParam;
    double left; // the selection the parent reads back while handling the event
    double right;
};

// The slider's parent: records every RANGE_CHANGED and reads the selection back at once, as the
// main window's handler does.
class RecordingParent : public QWidget
{
public:
    CRangeSlider *slider = nullptr;
    QList<Notification> seen;

    QList<int> WParams() const
    {
        QList<int> out;
        for (const Notification &n : seen)
            out.append(n.wParam);
        return out;
    }

protected:
    bool event(QEvent *e) override
    {
        if (e->type() == RANGE_CHANGED) {
            auto *range = static_cast<CRangeChangedEvent *>(e);
            double l = 0, r = 0;
            slider->GetSelection(l, r);
            seen.append({range->wParam(), range->lParam(), l, r});
            return true;
        }
        return QWidget::event(e);
    }
};

// Width 154 gives a scale of 128 pixels; with the limits 0 and 128 one pixel is one unit, so every
// position below is exact.
constexpr int kWidth = 154;
constexpr int kHeight = 18;
constexpr int kMidY = 9;

} // namespace

class TestRangeSlider : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<RecordingParent> m_parent;
    CRangeSlider *m_slider = nullptr;

    void Select(double left, double right)
    {
        m_slider->SetSelection(left, right);
        m_parent->seen.clear();
    }
    QPair<double, double> Selection() const
    {
        double l = 0, r = 0;
        m_slider->GetSelection(l, r);
        return {l, r};
    }

private slots:
    void init()
    {
        m_parent = std::make_unique<RecordingParent>();
        m_parent->resize(200, 60);
        m_slider = new CRangeSlider(m_parent.get());
        m_parent->slider = m_slider;
        m_slider->setGeometry(10, 20, kWidth, kHeight);
        m_slider->SetLimits(0, 128);
        m_parent->seen.clear();
        m_parent->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_parent.get()));
    }
    void cleanup() { m_parent.reset(); }

    void eventTypeIsRegistered()
    {
        QVERIFY(RANGE_CHANGED >= QEvent::User);
        QVERIFY(RANGE_CHANGED <= QEvent::MaxUser);
        CRangeChangedEvent e(2, 1);
        QCOMPARE(int(e.type()), RANGE_CHANGED);
        QCOMPARE(e.wParam(), 2);
        QCOMPARE(e.lParam(), 1);
    }

    void setLimits_data()
    {
        QTest::addColumn<double>("a");
        QTest::addColumn<double>("b");
        QTest::addColumn<bool>("inverted");
        QTest::addColumn<double>("min");
        QTest::addColumn<double>("max");
        QTest::newRow("in order") << 0.0 << 120.0 << false << 0.0 << 120.0;
        QTest::newRow("larger first is swapped") << 120.0 << 0.0 << false << 0.0 << 120.0;
        QTest::newRow("negative, larger first") << -5.0 << -10.0 << false << -10.0 << -5.0;
        QTest::newRow("equal") << 7.5 << 7.5 << false << 7.5 << 7.5;
        QTest::newRow("inverted stores negated") << 0.0 << 120.0 << true << -120.0 << 0.0;
    }
    void setLimits()
    {
        QFETCH(double, a);
        QFETCH(double, b);
        QFETCH(bool, inverted);
        QFETCH(double, min);
        QFETCH(double, max);
        m_slider->SetInverted(inverted);
        m_slider->SetLimits(a, b);
        QCOMPARE(m_slider->MinValue(), min);
        QCOMPARE(m_slider->MaxValue(), max);
    }

    void setSelection_data()
    {
        QTest::addColumn<double>("left");
        QTest::addColumn<double>("right");
        QTest::addColumn<double>("expectLeft");
        QTest::addColumn<double>("expectRight");
        QTest::addColumn<QList<int>>("notified");
        using L = QList<int>;
        QTest::newRow("inside: no notification") << 10.0 << 50.0 << 10.0 << 50.0 << L{};
        QTest::newRow("on the limits") << 0.0 << 128.0 << 0.0 << 128.0 << L{};
        QTest::newRow("left below") << -5.0 << 50.0 << 0.0 << 50.0 << L{0};
        QTest::newRow("right above") << 10.0 << 200.0 << 10.0 << 128.0 << L{1};
        QTest::newRow("both outside") << -5.0 << 200.0 << 0.0 << 128.0 << L{0, 1};
        QTest::newRow("both below") << -20.0 << -10.0 << 0.0 << 0.0 << L{0, 1};
        QTest::newRow("both above") << 200.0 << 300.0 << 128.0 << 128.0 << L{1, 0};
        QTest::newRow("reversed inside stays reversed") << 50.0 << 10.0 << 50.0 << 10.0 << L{};
    }
    void setSelection()
    {
        QFETCH(double, left);
        QFETCH(double, right);
        QFETCH(double, expectLeft);
        QFETCH(double, expectRight);
        QFETCH(QList<int>, notified);
        m_slider->SetSelection(left, right);
        QCOMPARE(Selection(), qMakePair(expectLeft, expectRight));
        QCOMPARE(m_parent->WParams(), notified);
        for (const Notification &n : std::as_const(m_parent->seen))
            QCOMPARE(n.lParam, 0);
    }

    void clampNotifiesEachChangeAsItHappens()
    {
        // The parent's handler runs inside the call and sees each end pulled in separately.
        m_slider->SetSelection(-5, 200);
        QCOMPARE(m_parent->seen.size(), 2);
        QCOMPARE(m_parent->seen[0].left, 0.0);
        QCOMPARE(m_parent->seen[0].right, 200.0);
        QCOMPARE(m_parent->seen[1].left, 0.0);
        QCOMPARE(m_parent->seen[1].right, 128.0);
    }

    void narrowingLimitsPullsSelectionIn()
    {
        Select(10, 100);
        m_slider->SetLimits(80, 20);
        QCOMPARE(Selection(), qMakePair(20.0, 80.0));
        QCOMPARE(m_parent->WParams(), (QList<int>{0, 1}));
    }

    void invertedSelectionRoundTrips()
    {
        m_slider->SetInverted(true);
        m_slider->SetLimits(0, 128);
        Select(10, 50);
        QCOMPARE(Selection(), qMakePair(10.0, 50.0));
        // Stored negated: the thumbs sit at -50 and -10 of the scale -128 .. 0.
        QCOMPARE(m_slider->LeftThumbRect().left(), 128 - 50);
    }

    void layout_data()
    {
        QTest::addColumn<double>("left");
        QTest::addColumn<double>("right");
        QTest::addColumn<QRect>("leftThumb");
        QTest::addColumn<QRect>("rightThumb");
        QTest::newRow("apart") << 20.0 << 60.0 << QRect(20, 0, 13, 18) << QRect(73, 0, 13, 18);
        QTest::newRow("equal: side by side")
            << 40.0 << 40.0 << QRect(40, 0, 13, 18) << QRect(53, 0, 13, 18);
        QTest::newRow("whole scale")
            << 0.0 << 128.0 << QRect(0, 0, 13, 18) << QRect(141, 0, 13, 18);
        QTest::newRow("half pixels round up")
            << 10.5 << 20.49 << QRect(11, 0, 13, 18) << QRect(33, 0, 13, 18);
    }
    void layout()
    {
        QFETCH(double, left);
        QFETCH(double, right);
        QFETCH(QRect, leftThumb);
        QFETCH(QRect, rightThumb);
        Select(left, right);
        QCOMPARE(m_slider->TrackPixels(), 128);
        QCOMPARE(m_slider->LeftThumbRect(), leftThumb);
        QCOMPARE(m_slider->RightThumbRect(), rightThumb);
    }

    void layoutFollowsResize()
    {
        Select(64, 128);
        m_slider->resize(282, kHeight); // scale of 256 pixels
        QCOMPARE(m_slider->TrackPixels(), 256);
        QCOMPARE(m_slider->LeftThumbRect().left(), 128);
    }

    void pressHitTest_data()
    {
        QTest::addColumn<double>("left");
        QTest::addColumn<double>("right");
        QTest::addColumn<int>("x");
        QTest::addColumn<int>("part"); // -1: no drag
        // Selection 20 .. 60: left thumb 20-32, dead 33, bar 34-71, dead 72, right thumb 73-85.
        QTest::newRow("left of the left thumb") << 20.0 << 60.0 << 19 << -1;
        QTest::newRow("left thumb, first column") << 20.0 << 60.0 << 20 << 0;
        QTest::newRow("left thumb, last column") << 20.0 << 60.0 << 32 << 0;
        QTest::newRow("dead column after the left thumb") << 20.0 << 60.0 << 33 << -1;
        QTest::newRow("bar, first column") << 20.0 << 60.0 << 34 << 2;
        QTest::newRow("bar, last column") << 20.0 << 60.0 << 71 << 2;
        QTest::newRow("dead column before the right thumb") << 20.0 << 60.0 << 72 << -1;
        QTest::newRow("right thumb, first column") << 20.0 << 60.0 << 73 << 1;
        QTest::newRow("right thumb, last column") << 20.0 << 60.0 << 85 << 1;
        QTest::newRow("right of the right thumb") << 20.0 << 60.0 << 86 << -1;
        QTest::newRow("equal values: left thumb") << 40.0 << 40.0 << 52 << 0;
        QTest::newRow("equal values: right thumb") << 40.0 << 40.0 << 53 << 1;
    }
    void pressHitTest()
    {
        QFETCH(double, left);
        QFETCH(double, right);
        QFETCH(int, x);
        QFETCH(int, part);
        Select(left, right);
        m_parent->setFocus();
        QTest::mousePress(m_slider, Qt::LeftButton, {}, QPoint(x, kMidY));
        // The press takes the focus whether or not it grabs something.
        QVERIFY(m_slider->hasFocus());
        QCOMPARE(m_slider->IsTracking(), part >= 0);
        QTest::mouseRelease(m_slider, Qt::LeftButton, {}, QPoint(x, kMidY));
        QVERIFY(!m_slider->IsTracking());
        if (part < 0) {
            QVERIFY(m_parent->seen.isEmpty());
        } else {
            QCOMPARE(m_parent->seen.size(), 1);
            QCOMPARE(m_parent->seen[0].wParam, part);
            QCOMPARE(m_parent->seen[0].lParam, 1);
        }
        QCOMPARE(Selection(), qMakePair(left, right));
    }

    void drag_data()
    {
        QTest::addColumn<int>("pressX");
        QTest::addColumn<int>("moveX");
        QTest::addColumn<double>("expectLeft");
        QTest::addColumn<double>("expectRight");
        QTest::addColumn<int>("moveWParam");
        QTest::addColumn<int>("part");
        // Selection 20 .. 60. Centres: left thumb 26, bar 53, right thumb 79.
        QTest::newRow("left thumb right") << 26 << 36 << 30.0 << 60.0 << 0 << 0;
        QTest::newRow("left thumb grabbed off centre") << 21 << 31 << 30.0 << 60.0 << 0 << 0;
        QTest::newRow("left thumb past the right one") << 26 << 126 << 60.0 << 60.0 << 0 << 0;
        QTest::newRow("left thumb below the minimum") << 26 << -30 << 0.0 << 60.0 << 0 << 0;
        QTest::newRow("right thumb right") << 79 << 89 << 20.0 << 70.0 << 1 << 1;
        QTest::newRow("right thumb below the left one") << 79 << -20 << 20.0 << 20.0 << 1 << 1;
        QTest::newRow("right thumb past the maximum") << 79 << 300 << 20.0 << 128.0 << 1 << 1;
        QTest::newRow("right thumb not moved") << 79 << 79 << 20.0 << 60.0 << 0 << 1;
        QTest::newRow("bar right") << 53 << 63 << 30.0 << 70.0 << 2 << 2;
        QTest::newRow("bar against the minimum") << 53 << 13 << 0.0 << 40.0 << 2 << 2;
        QTest::newRow("bar against the maximum") << 53 << 200 << 88.0 << 128.0 << 2 << 2;
    }
    void drag()
    {
        QFETCH(int, pressX);
        QFETCH(int, moveX);
        QFETCH(double, expectLeft);
        QFETCH(double, expectRight);
        QFETCH(int, moveWParam);
        QFETCH(int, part);
        Select(20, 60);
        QTest::mousePress(m_slider, Qt::LeftButton, {}, QPoint(pressX, kMidY));
        QVERIFY(m_slider->IsTracking());
        QTest::mouseMove(m_slider, QPoint(moveX, kMidY));
        QCOMPARE(Selection(), qMakePair(expectLeft, expectRight));
        QCOMPARE(m_parent->seen.size(), 1);
        QCOMPARE(m_parent->seen[0].wParam, moveWParam);
        QCOMPARE(m_parent->seen[0].lParam, 0);
        QTest::mouseRelease(m_slider, Qt::LeftButton, {}, QPoint(moveX, kMidY));
        QCOMPARE(m_parent->seen.size(), 2);
        QCOMPARE(m_parent->seen[1].wParam, part);
        QCOMPARE(m_parent->seen[1].lParam, 1);
        QCOMPARE(Selection(), qMakePair(expectLeft, expectRight));
        // The thumbs are where the values say, so the next press finds them there.
        QCOMPARE(m_slider->LeftThumbRect().left(), int(expectLeft));
    }

    void dragTipStaysClearOfTheSlider_data()
    {
        QTest::addColumn<int>("pressX"); // selection 20 .. 60, as in drag()
        QTest::newRow("left thumb") << 26;
        QTest::newRow("right thumb") << 79;
        QTest::newRow("bar") << 53;
    }
    void dragTipStaysClearOfTheSlider()
    {
        QFETCH(int, pressX);
        Select(20, 60);
        m_slider->SetValueText([](double v) { return QString::number(v); });
        QTest::mousePress(m_slider, Qt::LeftButton, {}, QPoint(pressX, kMidY));
        QTest::mouseMove(m_slider, QPoint(pressX + 10, kMidY));
        QWidget *tip = nullptr;
        QTRY_VERIFY((tip = [] {
            for (QWidget *w : QApplication::topLevelWidgets())
                if (w->inherits("QTipLabel") && w->isVisible())
                    return w;
            return static_cast<QWidget *>(nullptr);
        }()));
        const QRect slider(m_slider->mapToGlobal(QPoint(0, 0)), m_slider->size());
        QVERIFY2(!tip->geometry().intersects(slider) && tip->geometry().bottom() < slider.top(),
                 qPrintable(QStringLiteral("tip %1,%2 %3x%4 over the slider at y %5")
                                .arg(tip->x())
                                .arg(tip->y())
                                .arg(tip->width())
                                .arg(tip->height())
                                .arg(slider.top())));
        QTest::mouseRelease(m_slider, Qt::LeftButton, {}, QPoint(pressX + 10, kMidY));
    }

    void accessibleValueFollowsTheRange()
    {
        m_slider->SetValueText([](double v) { return QStringLiteral("t%1").arg(v); });
        Select(20, 60);
        QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(m_slider);
        QVERIFY(iface);
        QCOMPARE(iface->role(), QAccessible::Slider);
        QCOMPARE(iface->text(QAccessible::Value), QStringLiteral("from t20 to t60"));
        m_slider->setFocus();
        QTest::keyClick(m_slider, Qt::Key_Right);
        QCOMPARE(iface->text(QAccessible::Value), QStringLiteral("from t21 to t61"));
        QCOMPARE(iface->text(QAccessible::Description), QStringLiteral("from t21 to t61"));
        QVERIFY(iface->valueInterface());
        QCOMPARE(iface->valueInterface()->currentValue().toDouble(), 21.0);
    }

    void everyMoveNotifiesWhileDragging()
    {
        Select(20, 60);
        QTest::mousePress(m_slider, Qt::LeftButton, {}, QPoint(26, kMidY));
        for (int x = 27; x <= 31; ++x)
            QTest::mouseMove(m_slider, QPoint(x, kMidY));
        QTest::mouseMove(m_slider, QPoint(31, kMidY)); // no change, still reported
        QTest::mouseRelease(m_slider, Qt::LeftButton, {}, QPoint(31, kMidY));
        QCOMPARE(m_parent->seen.size(), 7);
        QCOMPARE(m_parent->seen[5].left, 25.0);
        QCOMPARE(m_parent->seen[6].lParam, 1);
    }

    void pressDuringDragIsIgnored()
    {
        Select(20, 60);
        QTest::mousePress(m_slider, Qt::LeftButton, {}, QPoint(26, kMidY)); // left thumb
        // A second press on the bar while the left thumb is held changes nothing.
        QMouseEvent press(QEvent::MouseButtonPress,
                          QPointF(53, kMidY),
                          m_slider->mapToGlobal(QPointF(53, kMidY)),
                          Qt::LeftButton,
                          Qt::LeftButton,
                          Qt::NoModifier);
        QApplication::sendEvent(m_slider, &press);
        QVERIFY(m_slider->IsTracking());
        QTest::mouseMove(m_slider, QPoint(36, kMidY));
        QCOMPARE(Selection(), qMakePair(30.0, 60.0));
        QTest::mouseRelease(m_slider, Qt::LeftButton, {}, QPoint(36, kMidY));
        QCOMPARE(m_parent->seen.last().wParam, 0);
        QCOMPARE(m_parent->seen.last().lParam, 1);
    }

    void moveWithoutDragDoesNothing()
    {
        Select(20, 60);
        QTest::mouseMove(m_slider, QPoint(40, kMidY));
        QVERIFY(m_parent->seen.isEmpty());
        QCOMPARE(Selection(), qMakePair(20.0, 60.0));
    }

    void keys_data()
    {
        QTest::addColumn<double>("min");
        QTest::addColumn<double>("max");
        QTest::addColumn<double>("left");
        QTest::addColumn<double>("right");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<double>("expectLeft");
        QTest::addColumn<double>("expectRight");
        QTest::addColumn<QList<int>>("notified");
        using L = QList<int>;
        const int none = Qt::NoModifier;
        const int shift = Qt::ShiftModifier;
        const int ctrl = Qt::ControlModifier;
        const int right = Qt::Key_Right;
        const int left = Qt::Key_Left;
        QTest::newRow("right moves the range")
            << 0.0 << 128.0 << 20.0 << 60.0 << right << none << 21.0 << 61.0 << L{2};
        QTest::newRow("left moves the range")
            << 0.0 << 128.0 << 20.0 << 60.0 << left << none << 19.0 << 59.0 << L{2};
        QTest::newRow("shift+right widens")
            << 0.0 << 128.0 << 20.0 << 60.0 << right << shift << 20.0 << 61.0 << L{0};
        QTest::newRow("shift+left narrows")
            << 0.0 << 128.0 << 20.0 << 60.0 << left << shift << 20.0 << 59.0 << L{0};
        QTest::newRow("ctrl+right is not the slider's")
            << 0.0 << 128.0 << 20.0 << 60.0 << right << ctrl << 20.0 << 60.0 << L{};
        QTest::newRow("ctrl+shift+left is not the slider's")
            << 0.0 << 128.0 << 20.0 << 60.0 << left << (ctrl | shift) << 20.0 << 60.0 << L{};
        QTest::newRow("right at the maximum: unchanged, still reported")
            << 0.0 << 128.0 << 20.0 << 128.0 << right << none << 20.0 << 128.0 << L{2};
        QTest::newRow("left at the minimum: unchanged, still reported")
            << 0.0 << 128.0 << 0.0 << 60.0 << left << none << 0.0 << 60.0 << L{2};
        QTest::newRow("shift+right at the maximum")
            << 0.0 << 128.0 << 20.0 << 128.0 << right << shift << 20.0 << 128.0 << L{0};
        QTest::newRow("shift+left on a shared pixel crosses the ends")
            << 0.0 << 128.0 << 40.0 << 40.0 << left << shift << 40.0 << 39.0 << L{0};
        QTest::newRow("ends snap to whole pixels")
            << 0.0 << 256.0 << 21.0 << 61.0 << right << none << 24.0 << 64.0 << L{2};
        QTest::newRow("equal limits: nothing at all")
            << 50.0 << 50.0 << 50.0 << 50.0 << right << none << 50.0 << 50.0 << L{};
        QTest::newRow("other keys are not the slider's")
            << 0.0 << 128.0 << 20.0 << 60.0 << int(Qt::Key_Up) << none << 20.0 << 60.0 << L{};
    }
    void keys()
    {
        QFETCH(double, min);
        QFETCH(double, max);
        QFETCH(double, left);
        QFETCH(double, right);
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(double, expectLeft);
        QFETCH(double, expectRight);
        QFETCH(QList<int>, notified);
        m_slider->SetLimits(min, max);
        Select(left, right);
        m_slider->setFocus();
        QTest::keyClick(m_slider, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        QCOMPARE(Selection(), qMakePair(expectLeft, expectRight));
        QCOMPARE(m_parent->WParams(), notified);
    }

    void narrowSliderStaysSafe()
    {
        // Narrower than two thumbs: no scale at all. Nothing may divide by it.
        m_slider->resize(20, kHeight);
        Select(20, 60);
        m_slider->setFocus();
        QTest::keyClick(m_slider, Qt::Key_Right);
        QTest::mousePress(m_slider, Qt::LeftButton, {}, QPoint(3, kMidY));
        QTest::mouseMove(m_slider, QPoint(15, kMidY));
        QTest::mouseRelease(m_slider, Qt::LeftButton, {}, QPoint(15, kMidY));
        double l = 0, r = 0;
        m_slider->GetSelection(l, r);
        QVERIFY(qIsFinite(l) && qIsFinite(r));
        QVERIFY(l >= 0 && r <= 128);
    }

    void paintsOverTheParentWithoutFilling()
    {
        // The parent's own colour must show wherever the slider's pictures leave room.
        const QColor parentColor(255, 0, 255);
        QPalette pal = m_parent->palette();
        pal.setColor(QPalette::Window, parentColor);
        m_parent->setPalette(pal);
        m_parent->setAutoFillBackground(true);
        Select(20, 60);
        const QImage img = m_parent->grab(m_slider->geometry()).toImage();
        auto at = [&img](int x, int y) {
            return img.pixelColor(x, y).rgb() & 0xffffff;
        };

        // Above and below the track the parent shows over the full width; the track does not.
        const QRgb parent = parentColor.rgb() & 0xffffff;
        for (const int x : {0, 5, 100, kWidth - 1}) {
            QCOMPARE(at(x, 1), parent);
            QCOMPARE(at(x, 14), parent);
            QVERIFY(at(x, 8) != parent);
        }
        // The range bar runs the same from thumb to thumb, and the track shows beyond it.
        QCOMPARE(at(50, 8), at(32, 8));
        QCOMPARE(at(73, 8), at(32, 8));
        QVERIFY(at(90, 8) != at(50, 8));
        // Only 17 rows of a thumb show: the last row is the parent again.
        QCOMPARE(at(26, 17), parentColor.rgb() & 0xffffff);
        QVERIFY(at(26, 16) != (parentColor.rgb() & 0xffffff));
    }

    void thumbPictures()
    {
        // Left and right thumbs differ (each has its own mark) and have the documented size.
        const QImage left = QImage(QStringLiteral(":/res/214.png"));
        const QImage right = QImage(QStringLiteral(":/res/215.png"));
        QCOMPARE(left.size(), QSize(13, 18));
        QCOMPARE(right.size(), QSize(13, 18));
        QVERIFY(left != right);
    }
};

QTEST_MAIN(TestRangeSlider)
#include "tst_rangeslider.moc"
