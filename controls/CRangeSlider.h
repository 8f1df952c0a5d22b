#pragma once

#include <QColor>
#include <QEvent>
#include <QPixmap>
#include <QRect>
#include <QWidget>

#include <functional>

/// Event type through which a CRangeSlider reports a change of its selection to its parent.
/// Registered once with QEvent::registerEventType() when the program starts. The event is a
/// CRangeChangedEvent, sent synchronously (QCoreApplication::sendEvent) to the slider's parent.
extern const int RANGE_CHANGED;

/// The RANGE_CHANGED notification: which end changed and whether a mouse drag just ended.
class CRangeChangedEvent : public QEvent
{
public:
    CRangeChangedEvent(int wParam, int lParam);

    /// What the user moved: 0 the left thumb, or the right end alone by Shift+arrow; 1 the right
    /// thumb; 2 the whole selection (bar or arrow). Not always the end that changed: receivers
    /// read both ends.
    int wParam() const { return m_wParam; }
    /// 1 when a mouse drag has just ended (the button was released), 0 otherwise.
    int lParam() const { return m_lParam; }

private:
    int m_wParam;
    int m_lParam;
};

/// Two-thumb slider that selects a range [left, right] inside the limits [min, max]. Values are
/// doubles on any scale (the main window uses seconds). The left thumb, the right thumb and the
/// bar between them can be dragged; the left and right arrow keys move the range by one pixel
/// (with Shift only its right end). Every change is reported to the parent with RANGE_CHANGED.
///
/// Horizontal layout for a client width W: thumbs 13 pixels wide, a value scale of W - 26 pixels;
/// the left thumb's left edge lies at p(left), the right thumb's at p(right) + 13, so equal values
/// show the thumbs side by side. The slider fills no background: the parent shows through.
class CRangeSlider : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY(CRangeSlider)

public:
    explicit CRangeSlider(QWidget *parent = nullptr);
    ~CRangeSlider() override;

    /// Limits of the scale, given in either order; the selection is then pulled inside them
    /// (one RANGE_CHANGED per changed end) and the slider repaints.
    void SetLimits(double a, double b);
    /// Selected range, stored as given (not reordered); then pulled inside the limits as for
    /// SetLimits.
    void SetSelection(double left, double right);
    /// The selected range.
    void GetSelection(double &left, double &right) const;

    /// While a part is dragged, a tooltip beside it shows the dragged value (both ends for the
    /// bar) as this function writes it; none without a function.
    void SetValueText(std::function<QString(double)> text) { m_valueText = std::move(text); }

    /// The selection as a screen reader reads it: "from <left> to <right>", each end written by
    /// the value-text function (plain numbers without one).
    QString AccessibleValueText() const;

    /// Colour of the frame drawn around the slider while it has the keyboard focus; an invalid
    /// colour (the default) draws none.
    void SetFocusFrameColor(const QColor &color);

    /// Stores values negated (the scale then runs from right to left). Off by default.
    void SetInverted(bool inverted);

    // Read-only views of the internal state, for the window that hosts the slider and for tests.
    double MinValue() const { return m_minValue; }
    double MaxValue() const { return m_maxValue; }
    /// True while a mouse drag is in progress.
    bool IsTracking() const { return m_tracking; }
    /// Pixel length of the value scale: client width - 26.
    int TrackPixels() const { return m_trackPixels; }
    /// Hit rectangles of the thumbs in client coordinates (right and bottom edges exclusive).
    QRect LeftThumbRect() const;
    QRect RightThumbRect() const;
    /// Pixel position of value v on the scale (the left edge of a left thumb showing v).
    int PixelOf(double v) const;

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    /// Hit rectangle with Windows edge rules: left/top inside, right/bottom outside.
    struct Span
    {
        int left = 0, top = 0, right = 0, bottom = 0;
        bool Contains(QPoint p) const
        {
            return p.x() >= left && p.x() < right && p.y() >= top && p.y() < bottom;
        }
    };

    void ClampSelection();
    void UpdateLayout();
    void Notify(int wParam, int lParam);
    double ValueAtPixel(int n) const;
    void ShowDragTip();

    double m_minValue = 0.0;
    double m_maxValue = 1.0;
    double m_leftValue = 0.0;
    double m_rightValue = 1.0;
    int m_thumbWidth = 13;
    bool m_inverted = false;
    bool m_tracking = false;
    int m_dragPart = 0; ///< 0 left thumb, 1 right thumb, 2 the bar
    Span m_leftThumbRect;
    Span m_rightThumbRect;
    int m_trackPixels = 0;
    int m_grabOffsetX = 0;
    int m_grabOffsetY = 0;

    std::function<QString(double)> m_valueText;
    QColor m_focusFrameColor;
    QPixmap m_track;
    QPixmap m_range;
    QPixmap m_leftThumb;
    QPixmap m_rightThumb;
};
