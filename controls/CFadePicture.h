#pragma once

#include <QPixmap>
#include <QTimer>
#include <QWidget>

/// Shows a picture from the resources and fades it in from transparent to opaque: 52 steps of
/// alpha 0, 5, ..., 255 with a fixed delay after each step, driven by a timer on the UI thread.
/// The control takes the picture's size when the fade starts. After the last step (and its
/// delay) fadeDone() is true, fadeFinished() is emitted, and every paint draws the picture opaque.
class CFadePicture : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY(CFadePicture)

public:
    /// Number of steps of a fade and the alpha added by each.
    static constexpr int kFadeSteps = 52;
    static constexpr int kAlphaStep = 5;

    explicit CFadePicture(QWidget *parent = nullptr);
    ~CFadePicture() override;

    /// Loads picture `bitmapId` and starts fading it in, waiting `stepDelayMs` milliseconds after
    /// each step (negative counts as 0). Returns false, and starts nothing, when the picture
    /// cannot be loaded. Calling it again restarts the fade with the new picture.
    bool StartFade(int bitmapId, int stepDelayMs);

    /// True once the last step of the fade has been shown.
    bool fadeDone() const { return m_fadeDone; }
    /// Alpha of the step now shown (0-255), -1 before a fade started.
    int CurrentAlpha() const { return m_alpha; }
    int BitmapId() const { return m_bitmapId; }
    int StepDelay() const { return m_stepDelay; }

    QSize sizeHint() const override;

signals:
    /// Each step of the fade, with its alpha (0, 5, ..., 255), when it is shown.
    void fadeStepped(int alpha);
    /// The fade has ended; fadeDone() is now true.
    void fadeFinished();

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void Step();

    bool m_fadeDone = false;
    int m_bitmapId = 0;
    int m_stepDelay = 100;
    int m_alpha = -1;
    QPixmap m_picture;
    QTimer m_timer;
};
