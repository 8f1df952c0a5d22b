// Contact sheet of the program's pictures: each one at its own size with its id, the colour-keyed
// ones also as the program shows them, the small slider pictures also enlarged, and a mock of the
// main window's lower left corner made of the real controls over the stretched background.

#include "CFadePicture.h"
#include "CImageButton.h"
#include "CRangeSlider.h"
#include "ResourceImages.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPainter>
#include <QTextStream>
#include <QWidget>

namespace {

const QColor kSheet(0x40, 0x44, 0x4b);
const QColor kLabel(0xe8, 0xec, 0xf0);
const QSize kClient(669, 608);

// The main window's client area: background 185 stretched over it, as the window paints it.
class BackgroundPage : public QWidget
{
public:
    explicit BackgroundPage(QWidget *parent = nullptr)
        : QWidget(parent)
        , m_background(LoadResourcePixmap(IDB_BACKGROUND))
    {
        resize(kClient);
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter p(this);
        p.drawPixmap(rect(), m_background);
    }

private:
    QPixmap m_background;
};

QImage KeyedOut(const QImage &image)
{
    QImage out = image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < out.height(); ++y) {
        for (int x = 0; x < out.width(); ++x) {
            if ((out.pixel(x, y) & 0xffffff) == (kPictureKeyColor & 0xffffff))
                out.setPixel(x, y, 0);
        }
    }
    return out;
}

// Places pictures left to right with a caption under each, wrapping at the sheet's width.
class Sheet
{
public:
    Sheet(QPainter &p, int width)
        : m_p(p)
        , m_width(width)
    {}

    void Heading(const QString &text)
    {
        NewRow();
        QFont f = m_p.font();
        f.setBold(true);
        f.setPointSize(11);
        m_p.setFont(f);
        m_p.setPen(kLabel);
        m_p.drawText(QPoint(kMargin, m_y + 16), text);
        m_y += 26;
        f.setBold(false);
        f.setPointSize(8);
        m_p.setFont(f);
    }

    void Place(const QImage &image, const QString &caption, const QColor &tile, int scale = 1)
    {
        const QSize size = image.size() * scale;
        const int cellW = qMax(size.width(), 60) + 2 * kPad;
        if (m_x + cellW > m_width - kMargin)
            NewRow();
        const QRect cell(m_x, m_y, cellW, size.height() + 2 * kPad);
        m_p.fillRect(cell, tile);
        const QRect target(cell.left() + (cellW - size.width()) / 2,
                           cell.top() + kPad,
                           size.width(),
                           size.height());
        m_p.drawImage(target, image);
        m_p.setPen(kLabel);
        m_p.drawText(QRect(cell.left() - 10, cell.bottom() + 2, cellW + 20, 28),
                     Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap,
                     caption);
        m_x += cellW + kGap;
        m_rowHeight = qMax(m_rowHeight, cell.height() + 32);
    }

    void NewRow()
    {
        if (m_rowHeight > 0)
            m_y += m_rowHeight + kGap;
        m_x = kMargin;
        m_rowHeight = 0;
    }

    int Bottom() const { return m_y + m_rowHeight; }

private:
    static constexpr int kMargin = 16;
    static constexpr int kPad = 8;
    static constexpr int kGap = 14;
    QPainter &m_p;
    int m_width;
    int m_x = kMargin;
    int m_y = kMargin;
    int m_rowHeight = 0;
};

QString SizeText(const QImage &image)
{
    return QStringLiteral("%1 x %2").arg(image.width()).arg(image.height());
}

QImage MockWindow()
{
    BackgroundPage page;
    // Controls at their places in the main window.
    struct IconButton
    {
        int hot, normal;
        QRect rect;
    };
    const IconButton icons[] = {{IDI_ADD_HOT, IDI_ADD, {620, 15, 50, 50}},
                                {IDI_REMOVE_HOT, IDI_REMOVE, {620, 80, 50, 50}},
                                {IDI_REMOVE_ALL_HOT, IDI_REMOVE_ALL, {620, 145, 50, 50}},
                                {IDI_START_HOT, IDI_START, {35, 445, 95, 75}}};
    for (const IconButton &b : icons) {
        auto *button = new CImageButton(&page);
        button->SetIconPair(b.hot, b.normal);
        button->SetImageAlign(CImageButton::AlignTop, false);
        button->UseParentBackground(false);
        button->SetHoverBorder(false, true);
        button->setGeometry(b.rect);
    }
    auto *play = new CImageButton(&page);
    play->SetBitmapPair(IDB_PREVIEW_PLAY_HOT, kPictureKeyColor, IDB_PREVIEW_PLAY, kPictureKeyColor);
    play->UseParentBackground(false);
    play->SetHoverBorder(false, true);
    play->setGeometry(10, 413, 19, 19);
    auto *stop = new CImageButton(&page);
    stop->SetBitmapPair(IDB_PREVIEW_STOP_HOT, kPictureKeyColor, IDB_PREVIEW_STOP, kPictureKeyColor);
    stop->UseParentBackground(false);
    stop->SetHoverBorder(false, true);
    stop->setGeometry(30, 413, 19, 19);

    auto *slider = new CRangeSlider(&page);
    slider->setGeometry(51, 415, 222, 18);
    slider->SetLimits(0, 120);
    slider->SetSelection(25, 80);

    auto *picture = new CFadePicture(&page);
    picture->setGeometry(10, 212, 264, 200);
    picture->StartFade(IDB_PREVIEW_AREA, 0);
    page.show();
    QElapsedTimer wait;
    wait.start();
    while (!picture->fadeDone() && wait.elapsed() < 10000)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    return page.grab().toImage();
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTextStream err(stderr);
    const QStringList args = app.arguments();
    const QString outPath = args.size() > 1 ? args.at(1) : QStringLiteral("contact-sheet.png");

    const int width = 1400;
    QImage sheet(width, 3000, QImage::Format_RGB32);
    sheet.fill(kSheet);
    QPainter p(&sheet);
    Sheet s(p, width);
    const QColor window = LoadResourceImage(IDB_BACKGROUND).pixelColor(200, 150);

    s.Heading(QStringLiteral("Window pictures"));
    for (const int id : {IDB_BACKGROUND, IDB_PREVIEW_AREA}) {
        const QImage image = LoadResourceImage(id);
        s.Place(image, QStringLiteral("%1  %2").arg(id).arg(SizeText(image)), kSheet.darker(130));
    }

    s.Heading(QStringLiteral("List buttons (normal, hover) and Start / Stop (normal, hover)"));
    const int buttons[] = {IDI_ADD,
                           IDI_ADD_HOT,
                           IDI_REMOVE,
                           IDI_REMOVE_HOT,
                           IDI_REMOVE_ALL,
                           IDI_REMOVE_ALL_HOT,
                           IDI_START,
                           IDI_START_HOT,
                           IDI_STOP,
                           IDI_STOP_HOT};
    for (const int id : buttons) {
        const QImage image = LoadResourceImage(id);
        s.Place(image, QStringLiteral("%1  %2").arg(id).arg(SizeText(image)), window);
    }

    s.Heading(QStringLiteral("Preview buttons: as stored (green is transparent), then as shown"));
    const int preview[]
        = {IDB_PREVIEW_PLAY, IDB_PREVIEW_PLAY_HOT, IDB_PREVIEW_STOP, IDB_PREVIEW_STOP_HOT};
    for (const int id : preview) {
        const QImage image = LoadResourceImage(id);
        s.Place(image, QStringLiteral("%1  %2").arg(id).arg(SizeText(image)), kSheet.darker(130));
    }
    for (const int id : preview)
        s.Place(KeyedOut(LoadResourceImage(id)), QStringLiteral("%1 x4").arg(id), window, 4);

    s.Heading(QStringLiteral("Range slider: track, bar, left thumb, right thumb (1:1 and x4)"));
    const int slider[]
        = {IDB_SLIDER_TRACK, IDB_SLIDER_RANGE, IDB_SLIDER_LEFT_THUMB, IDB_SLIDER_RIGHT_THUMB};
    for (const int id : slider) {
        const QImage image = LoadResourceImage(id);
        s.Place(image, QStringLiteral("%1  %2").arg(id).arg(SizeText(image)), window);
    }
    for (const int id : slider)
        s.Place(LoadResourceImage(id), QStringLiteral("%1 x4").arg(id), window, 4);

    s.Heading(QStringLiteral("Application icon 128"));
    const QIcon appIcon = LoadResourceIcon(IDI_APPLICATION_ICON);
    for (const QSize &size : appIcon.availableSizes()) {
        const QImage image = appIcon.pixmap(size).toImage();
        s.Place(image, QStringLiteral("128  %1").arg(SizeText(image)), window);
        s.Place(image, QStringLiteral("128  %1 on light").arg(SizeText(image)), kLabel);
    }

    s.Heading(QStringLiteral("Main window (669 x 608) with the real controls"));
    const QImage mock = MockWindow();
    s.Place(mock, QStringLiteral("background stretched, controls at their places"), kSheet);
    p.end();

    const QImage result = sheet.copy(0, 0, width, qMin(sheet.height(), s.Bottom() + 16));
    if (!result.save(outPath)) {
        err << "cannot write " << outPath << "\n";
        return 1;
    }
    err << "wrote " << outPath << "\n";
    return 0;
}
