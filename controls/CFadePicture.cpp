#include "CFadePicture.h"

#include "ResourceImages.h"

#include <QPainter>

CFadePicture::CFadePicture(QWidget *parent)
    : QWidget(parent)
{
    setAutoFillBackground(false);
    m_timer.setSingleShot(false);
    connect(&m_timer, &QTimer::timeout, this, &CFadePicture::Step);
}

CFadePicture::~CFadePicture() = default;

bool CFadePicture::StartFade(int bitmapId, int stepDelayMs)
{
    const QPixmap picture = LoadResourcePixmap(bitmapId);
    if (picture.isNull())
        return false;
    m_timer.stop();
    m_picture = picture;
    m_bitmapId = bitmapId;
    m_stepDelay = qMax(0, stepDelayMs);
    m_fadeDone = false;
    resize(m_picture.deviceIndependentSize().toSize());

    // The first step (alpha 0) shows at once; each timeout shows the next one, and the timeout
    // after the last step ends the fade.
    m_alpha = 0;
    update();
    emit fadeStepped(m_alpha);
    m_timer.start(m_stepDelay);
    return true;
}

void CFadePicture::Step()
{
    if (m_alpha >= (kFadeSteps - 1) * kAlphaStep) {
        m_timer.stop();
        m_fadeDone = true;
        update();
        emit fadeFinished();
        return;
    }
    m_alpha += kAlphaStep;
    update();
    emit fadeStepped(m_alpha);
}

QSize CFadePicture::sizeHint() const
{
    return m_picture.isNull() ? QSize(264, 196) : m_picture.deviceIndependentSize().toSize();
}

void CFadePicture::paintEvent(QPaintEvent *)
{
    if (m_picture.isNull() || m_alpha < 0)
        return;
    QPainter p(this);
    if (!m_fadeDone)
        p.setOpacity(m_alpha / 255.0);
    p.drawPixmap(0, 0, m_picture);
}
