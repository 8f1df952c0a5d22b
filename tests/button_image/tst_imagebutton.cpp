#include "CImageButton.h"
#include "ResourceImages.h"

#include <QApplication>
#include <QLineEdit>
#include <QPainter>
#include <QSignalSpy>
#include <QTest>
#include <QWindow>

namespace {

const QColor kParentColor(255, 0, 255);

// A window whose own colour shows through buttons that use the parent background.
class Host : public QWidget
{
public:
    Host()
    {
        QPalette pal = palette();
        pal.setColor(QPalette::Window, kParentColor);
        setPalette(pal);
        setAutoFillBackground(true);
        resize(300, 200);
    }
};

// What a button of `size` should show: the parent's colour with `image` at `pos`.
QImage Expected(QSize size, const QPixmap &image, QPoint pos)
{
    QImage out(size, QImage::Format_ARGB32_Premultiplied);
    out.fill(kParentColor);
    QPainter p(&out);
    p.drawPixmap(pos, image);
    return out;
}

QImage Grab(QWidget *host, QWidget *button)
{
    return host->grab(button->geometry())
        .toImage()
        .convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

QPixmap Keyed(int id)
{
    QImage image = LoadResourceImage(id).convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if ((image.pixel(x, y) & 0xffffff) == 0x00ff00)
                image.setPixel(x, y, 0);
        }
    }
    return QPixmap::fromImage(image);
}

// Smallest rectangle holding every pixel that differs from the parent's colour.
QRect Drawn(const QImage &image)
{
    QRect r;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if ((image.pixel(x, y) & 0xffffff) != (kParentColor.rgb() & 0xffffff))
                r |= QRect(x, y, 1, 1);
        }
    }
    return r;
}

QRect AlphaBounds(const QImage &image)
{
    QRect r;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (qAlpha(image.pixel(x, y)) > 0)
                r |= QRect(x, y, 1, 1);
        }
    }
    return r;
}

// Position of `p` of widget `w` in its window, for events that go through the window system.
QPoint InWindow(QWidget *w, QPoint p)
{
    return w->mapTo(w->window(), p);
}

// Moves the pointer through the window system, first away so that the move is not dropped as a
// repeat of the last position.
void PointAt(QWidget *w, QPoint p)
{
    QWindow *window = w->window()->windowHandle();
    QTest::mouseMove(window, QPoint(window->width() - 1, window->height() - 1));
    QTest::mouseMove(window, InWindow(w, p));
}

void SendMouse(QWidget *w, QEvent::Type type, QPoint pos, Qt::MouseButtons buttons)
{
    const Qt::MouseButton button = (type == QEvent::MouseMove) ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent e(
        type, QPointF(pos), w->mapToGlobal(QPointF(pos)), button, buttons, Qt::NoModifier);
    QApplication::sendEvent(w, &e);
}

} // namespace

class TestImageButton : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<Host> m_host;
    CImageButton *m_button = nullptr;

private slots:
    void init()
    {
        m_host = std::make_unique<Host>();
        m_button = new CImageButton(m_host.get());
        m_button->setGeometry(20, 20, 80, 70);
        m_button->UseParentBackground(false);
        m_button->SetHoverBorder(false, false);
        m_host->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_host.get()));
    }
    void cleanup() { m_host.reset(); }

    void resultCodes_data()
    {
        QTest::addColumn<QString>("operation");
        QTest::addColumn<int>("argument");
        QTest::addColumn<int>("result");
        QTest::newRow("align 0") << "align" << 0 << 0;
        QTest::newRow("align 3") << "align" << 3 << 0;
        QTest::newRow("align 4") << "align" << 4 << 4;
        QTest::newRow("align -1") << "align" << -1 << 4;
        QTest::newRow("press style 0") << "press" << 0 << 0;
        QTest::newRow("press style 1") << "press" << 1 << 0;
        QTest::newRow("press style 2") << "press" << 2 << 6;
        QTest::newRow("colour 5") << "color" << 5 << 0;
        QTest::newRow("colour 6") << "color" << 6 << 3;
        QTest::newRow("colour -1") << "color" << -1 << 3;
        QTest::newRow("icons, both") << "icons" << 137 << 0;
        QTest::newRow("icons, missing hot") << "icons" << 9999 << 1;
        QTest::newRow("icons, missing normal") << "icons normal" << 9999 << 1;
        QTest::newRow("bitmaps, both") << "bitmaps" << 202 << 0;
        QTest::newRow("bitmaps, missing hot") << "bitmaps" << 9999 << 1;
        QTest::newRow("bitmaps, missing normal") << "bitmaps normal" << 9999 << 1;
        QTest::newRow("reset colours") << "reset" << 0 << 0;
        QTest::newRow("tip text") << "tip" << 0 << 0;
    }
    void resultCodes()
    {
        QFETCH(QString, operation);
        QFETCH(int, argument);
        QFETCH(int, result);
        // Start from a configured button so that failures can be seen to change nothing or to
        // clear the images.
        QCOMPARE(m_button->SetIconPair(IDI_ADD_HOT, IDI_ADD), 0);
        QCOMPARE(m_button->SetImageAlign(2), 0);
        QCOMPARE(m_button->SetPressStyle(1), 0);
        QCOMPARE(m_button->SetStateColor(2, Qt::red), 0);

        int got = -1;
        if (operation == "align")
            got = m_button->SetImageAlign(argument);
        else if (operation == "press")
            got = m_button->SetPressStyle(argument);
        else if (operation == "color")
            got = m_button->SetStateColor(argument, Qt::blue);
        else if (operation == "icons")
            got = m_button->SetIconPair(argument, IDI_ADD);
        else if (operation == "icons normal")
            got = m_button->SetIconPair(IDI_ADD_HOT, argument);
        else if (operation == "bitmaps")
            got = m_button->SetBitmapPair(argument, kPictureKeyColor, 202, kPictureKeyColor);
        else if (operation == "bitmaps normal")
            got = m_button->SetBitmapPair(203, kPictureKeyColor, argument, kPictureKeyColor);
        else if (operation == "reset")
            got = m_button->ResetColors();
        else if (operation == "tip")
            got = m_button->SetTipText(QStringLiteral("Add"), true);
        QCOMPARE(got, result);

        if (operation == "align" && result != 0)
            QCOMPARE(m_button->ImageAlign(), 2);
        if (operation == "press" && result != 0)
            QCOMPARE(m_button->PressOffset(), QPoint(0, 2));
        if (operation == "color" && result != 0)
            QCOMPARE(m_button->StateColor(2), QColor(Qt::red));
        if (operation.startsWith("icons") || operation.startsWith("bitmaps"))
            QCOMPARE(m_button->CurrentImage().isNull(), result != 0);
    }

    void emptyTipDoesNothing()
    {
        QCOMPARE(m_button->SetTipText(QStringLiteral("Stop preview"), true), 0);
        QCOMPARE(m_button->toolTip(), QStringLiteral("Stop preview"));
        QCOMPARE(m_button->SetTipText(QString(), false), 0);
        QCOMPARE(m_button->toolTip(), QStringLiteral("Stop preview"));
        QVERIFY(m_button->IsTipActive());
        QCOMPARE(m_button->SetTipText(QStringLiteral("Other"), false), 0);
        QVERIFY(m_button->toolTip().isEmpty());
        QCOMPARE(m_button->TipText(), QStringLiteral("Other"));
    }

    void imageByState_data()
    {
        QTest::addColumn<int>("hotId");
        QTest::addColumn<int>("normalId");
        QTest::addColumn<bool>("bitmaps");
        QTest::addColumn<int>("pressStyle");
        QTest::addColumn<QString>("state"); // "normal", "hover", "pressed"
        QTest::addColumn<int>("shownId");
        QTest::addColumn<QPoint>("offset");
        QTest::newRow("icons, normal") << 138 << 137 << false << 0 << "normal" << 137 << QPoint();
        QTest::newRow("icons, hover") << 138 << 137 << false << 0 << "hover" << 138 << QPoint();
        QTest::newRow("icons, pressed")
            << 138 << 137 << false << 0 << "pressed" << 138 << QPoint(1, 1);
        QTest::newRow("icons, pressed, style 1")
            << 138 << 137 << false << 1 << "pressed" << 138 << QPoint(0, 2);
        QTest::newRow("no normal icon: hot always")
            << 138 << 0 << false << 0 << "normal" << 138 << QPoint();
        QTest::newRow("bitmaps, normal") << 203 << 202 << true << 0 << "normal" << 202 << QPoint();
        QTest::newRow("bitmaps, hover") << 203 << 202 << true << 0 << "hover" << 203 << QPoint();
        QTest::newRow("bitmaps, pressed")
            << 192 << 210 << true << 0 << "pressed" << 192 << QPoint(1, 1);
    }
    void imageByState()
    {
        QFETCH(int, hotId);
        QFETCH(int, normalId);
        QFETCH(bool, bitmaps);
        QFETCH(int, pressStyle);
        QFETCH(QString, state);
        QFETCH(int, shownId);
        QFETCH(QPoint, offset);
        if (bitmaps)
            QCOMPARE(m_button->SetBitmapPair(hotId, kPictureKeyColor, normalId, kPictureKeyColor),
                     0);
        else
            QCOMPARE(m_button->SetIconPair(hotId, normalId), 0);
        m_button->SetPressStyle(pressStyle);

        const QPoint centre = m_button->rect().center();
        if (state == "hover") {
            PointAt(m_button, centre);
            QTRY_VERIFY(m_button->IsHot());
        } else if (state == "pressed") {
            QTest::mousePress(m_button, Qt::LeftButton, {}, centre);
            QVERIFY(m_button->isDown());
        }
        const QPixmap shown = bitmaps ? Keyed(shownId) : LoadResourcePixmap(shownId);
        const QPoint pos((80 - shown.width()) / 2, (70 - shown.height()) / 2);
        const QImage expected = Expected(QSize(80, 70), shown, pos + offset);
        QCOMPARE(Grab(m_host.get(), m_button), expected);
        if (state == "pressed")
            QTest::mouseRelease(m_button, Qt::LeftButton, {}, centre);
    }

    void keyColourNeverShows()
    {
        QCOMPARE(m_button->SetBitmapPair(203, kPictureKeyColor, 202, kPictureKeyColor), 0);
        const QImage img = Grab(m_host.get(), m_button);
        for (int y = 0; y < img.height(); ++y) {
            for (int x = 0; x < img.width(); ++x)
                QVERIFY((img.pixel(x, y) & 0xffffff) != 0x00ff00);
        }
    }

    void imagePosition_data()
    {
        QTest::addColumn<int>("align");
        QTest::addColumn<bool>("caption");
        QTest::addColumn<bool>("pressed");
        QTest::addColumn<QPoint>("topLeft");
        // Button 80 x 70, image 50 x 50, margins 3.
        QTest::newRow("0, no caption: centred") << 0 << false << false << QPoint(15, 10);
        QTest::newRow("1, no caption: centred") << 1 << false << false << QPoint(15, 10);
        QTest::newRow("2, no caption: top centre") << 2 << false << false << QPoint(15, 0);
        QTest::newRow("3, no caption: top left") << 3 << false << false << QPoint(0, 0);
        QTest::newRow("0, caption: left margin") << 0 << true << false << QPoint(3, 10);
        QTest::newRow("1, caption: top margin") << 1 << true << false << QPoint(15, 3);
        QTest::newRow("2, caption: right margin") << 2 << true << false << QPoint(27, 10);
        QTest::newRow("3, caption: top left") << 3 << true << false << QPoint(0, 0);
        QTest::newRow("0, no caption, pressed") << 0 << false << true << QPoint(16, 11);
    }
    void imagePosition()
    {
        QFETCH(int, align);
        QFETCH(bool, caption);
        QFETCH(bool, pressed);
        QFETCH(QPoint, topLeft);
        QCOMPARE(m_button->SetIconPair(IDI_ADD_HOT, IDI_ADD), 0);
        QCOMPARE(m_button->SetImageAlign(align), 0);
        if (caption) {
            // The caption is drawn in the parent's colour, so only the image shows.
            m_button->setText(QStringLiteral("Add"));
            for (int i = CImageButton::TextHot; i <= CImageButton::TextFocused; i += 2)
                m_button->SetStateColor(i, kParentColor);
        }
        if (pressed)
            QTest::mousePress(m_button, Qt::LeftButton, {}, QPoint(2, 2));
        const QRect iconBounds = AlphaBounds(LoadResourceImage(pressed ? IDI_ADD_HOT : IDI_ADD));
        QCOMPARE(Drawn(Grab(m_host.get(), m_button)), iconBounds.translated(topLeft));
        if (pressed)
            QTest::mouseRelease(m_button, Qt::LeftButton, {}, QPoint(2, 2));
    }

    void captionUsesStateColours()
    {
        m_button->setText(QStringLiteral("Go"));
        m_button->clearFocus(); // a focused button would use the focused colours
        m_button->SetStateColor(CImageButton::TextNormal, QColor(0, 0, 255));
        m_button->SetStateColor(CImageButton::TextHot, QColor(0, 255, 0));
        // Large bold glyphs have stems wide enough for pixels of the pure text colour.
        QFont font = m_button->font();
        font.setPixelSize(40);
        font.setBold(true);
        m_button->setFont(font);
        auto contains = [this](QRgb c) {
            const QImage img = Grab(m_host.get(), m_button);
            for (int y = 0; y < img.height(); ++y)
                for (int x = 0; x < img.width(); ++x)
                    if ((img.pixel(x, y) & 0xffffff) == (c & 0xffffff))
                        return true;
            return false;
        };
        QVERIFY(contains(qRgb(0, 0, 255)));
        QVERIFY(!contains(qRgb(0, 255, 0)));
        PointAt(m_button, QPoint(5, 5));
        QTRY_VERIFY(m_button->IsHot());
        QVERIFY(contains(qRgb(0, 255, 0)));
        QVERIFY(!contains(qRgb(0, 0, 255)));
    }

    void ownFaceWhenNotParentBackground()
    {
        auto *own = new CImageButton(m_host.get());
        own->setGeometry(150, 20, 40, 40);
        own->SetStateColor(CImageButton::FaceNormal, QColor(10, 20, 30));
        own->SetStateColor(CImageButton::FaceHot, QColor(40, 50, 60));
        own->show();
        QCOMPARE(Grab(m_host.get(), own).pixelColor(20, 20), QColor(10, 20, 30));
        PointAt(own, QPoint(20, 20));
        QTRY_VERIFY(own->IsHot());
        QCOMPARE(Grab(m_host.get(), own).pixelColor(20, 20), QColor(40, 50, 60));
    }

    void hoverStartsAndEnds()
    {
        PointAt(m_button, QPoint(10, 10));
        QTRY_VERIFY(m_button->IsHot());
        QTest::mouseMove(m_host->windowHandle(), QPoint(250, 150));
        QTRY_VERIFY(!m_button->IsHot());
    }

    void hiddenButtonComesBackCold()
    {
        PointAt(m_button, QPoint(10, 10));
        QTRY_VERIFY(m_button->IsHot());
        m_button->hide();
        QVERIFY(!m_button->IsHot());
        m_button->show();
        QVERIFY(!m_button->IsHot());
    }

    void noHoverWhileAnotherButtonHoldsTheMouse()
    {
        auto *other = new CImageButton(m_host.get());
        other->setGeometry(150, 20, 50, 50);
        other->show();
        QWindow *window = m_host->windowHandle();
        // Through the window system: the held button keeps the mouse, the other stays cold.
        PointAt(other, QPoint(10, 10));
        QTRY_VERIFY(other->IsHot());
        QTest::mousePress(window, Qt::LeftButton, {}, InWindow(other, QPoint(10, 10)));
        QTest::mouseMove(window, InWindow(m_button, QPoint(10, 10)));
        QTest::mouseMove(window, InWindow(m_button, QPoint(12, 12)));
        QVERIFY(!m_button->IsHot());
        QVERIFY(!other->IsHot()); // the pointer left it
        QTest::mouseRelease(window, Qt::LeftButton, {}, InWindow(m_button, QPoint(12, 12)));

        // The rule itself: a move with the left button down does not make a cold button hot...
        SendMouse(m_button, QEvent::MouseMove, QPoint(12, 12), Qt::LeftButton);
        QVERIFY(!m_button->IsHot());
        SendMouse(m_button, QEvent::MouseMove, QPoint(12, 12), Qt::NoButton);
        QVERIFY(m_button->IsHot());
        // ...but a hot button stays hot while its own press holds the mouse.
        SendMouse(m_button, QEvent::MouseMove, QPoint(14, 14), Qt::LeftButton);
        QVERIFY(m_button->IsHot());
    }

    void hotEndsWithFocusLoss()
    {
        auto *edit = new QLineEdit(m_host.get());
        edit->setGeometry(150, 150, 60, 20);
        edit->show();
        m_button->setFocus();
        SendMouse(m_button, QEvent::MouseMove, QPoint(12, 12), Qt::NoButton);
        QVERIFY(m_button->IsHot());
        edit->setFocus();
        QVERIFY(!m_button->IsHot());
    }

    void doubleClickCountsTwice_data()
    {
        QTest::addColumn<QList<int>>("events");
        using E = QList<int>;
        const int press = QEvent::MouseButtonPress;
        const int release = QEvent::MouseButtonRelease;
        const int dbl = QEvent::MouseButtonDblClick;
        // The double-click event may follow a press of its own or take the press's place.
        QTest::newRow("press and double click") << E{press, release, press, dbl, release};
        QTest::newRow("double click in place of the press") << E{press, release, dbl, release};
    }
    void doubleClickCountsTwice()
    {
        QFETCH(QList<int>, events);
        QSignalSpy clicked(m_button, &QAbstractButton::clicked);
        QVERIFY(clicked.isValid());
        const QPoint at(10, 10);
        for (const int type : std::as_const(events)) {
            const bool down = type != QEvent::MouseButtonRelease;
            SendMouse(m_button,
                      QEvent::Type(type),
                      at,
                      down ? Qt::MouseButtons(Qt::LeftButton) : Qt::NoButton);
        }
        QCOMPARE(clicked.count(), 2);
    }

    void doubleClickThroughTheWindowSystem()
    {
        QSignalSpy clicked(m_button, &QAbstractButton::clicked);
        QVERIFY(clicked.isValid());
        // Press, release, press with double click, release, as the window system delivers them.
        QTest::mouseDClick(
            m_host->windowHandle(), Qt::LeftButton, {}, InWindow(m_button, QPoint(10, 10)));
        QCOMPARE(clicked.count(), 2);
    }

    void disabledButtonPassesFocusOn_data()
    {
        QTest::addColumn<bool>("withNext");
        QTest::newRow("to the next tab stop") << true;
        QTest::newRow("to the parent when there is none") << false;
    }
    void disabledButtonPassesFocusOn()
    {
        QFETCH(bool, withNext);
        QLineEdit *next = nullptr;
        if (withNext) {
            next = new QLineEdit(m_host.get());
            next->setGeometry(150, 150, 60, 20);
            next->show();
        }
        m_host->activateWindow();
        m_button->setFocus();
        QTRY_VERIFY(m_button->hasFocus());
        SendMouse(m_button, QEvent::MouseMove, QPoint(12, 12), Qt::NoButton);
        QVERIFY(m_button->IsHot());
        m_button->setEnabled(false);
        QVERIFY(!m_button->hasFocus());
        QVERIFY(!m_button->IsHot());
        if (withNext)
            QVERIFY(next->hasFocus());
        else
            QCOMPARE(QApplication::focusWidget(), m_host.get());
    }

    void checkBoxShowsHotWhileChecked()
    {
        QCOMPARE(m_button->SetIconPair(IDI_ADD_HOT, IDI_ADD), 0);
        m_button->setCheckable(true);
        QTest::mouseClick(m_button, Qt::LeftButton, {}, QPoint(5, 5));
        QVERIFY(m_button->isChecked());
        QTest::mouseMove(m_host->windowHandle(), QPoint(250, 150));
        QTRY_VERIFY(!m_button->IsHot());
        // Checked reads as pressed: the hot image, not moved by the press offset.
        const QPixmap hot = LoadResourcePixmap(IDI_ADD_HOT);
        QCOMPARE(Grab(m_host.get(), m_button), Expected(QSize(80, 70), hot, QPoint(15, 10)));
        QTest::mouseClick(m_button, Qt::LeftButton, {}, QPoint(5, 5));
        QVERIFY(!m_button->isChecked());
    }

    void pictures_data()
    {
        // The button pictures load, and each kind in the form its drawing expects: icons with
        // their own transparency, bitmaps without (they are keyed by colour when drawn).
        QTest::addColumn<int>("id");
        QTest::addColumn<bool>("keyed");
        for (int id = 135; id <= 148; ++id) {
            if (id <= 140 || id >= 145)
                QTest::addRow("icon %d", id) << id << false;
        }
        for (const int id : {192, 202, 203, 210})
            QTest::addRow("bitmap %d", id) << id << true;
    }
    void pictures()
    {
        QFETCH(int, id);
        QFETCH(bool, keyed);
        const QImage image = LoadResourceImage(id);
        QVERIFY(!image.isNull());
        QCOMPARE(image.hasAlphaChannel(), !keyed);
    }
};

QTEST_MAIN(TestImageButton)
#include "tst_imagebutton.moc"
