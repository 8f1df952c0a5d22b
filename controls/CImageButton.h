#pragma once

#include <QColor>
#include <QPixmap>
#include <QPushButton>

/// Flat push button that shows one image while the pointer is away and another while the pointer
/// is over it or it is pressed (the "hot" image; a button without a normal image always shows the
/// hot one). The image shifts by the press offset while the button is held. Clicks arrive as the
/// ordinary clicked() signal; a double click counts as two clicks. With UseParentBackground the
/// button paints no face at all, so the parent's background shows through.
///
/// Setters return 0 on success or one of the Result codes; an invalid argument changes nothing.
class CImageButton : public QPushButton
{
    Q_OBJECT
    Q_DISABLE_COPY(CImageButton)

public:
    enum Result : int {
        Ok = 0,
        ImageUnreadable = 1, ///< an icon or bitmap could not be loaded; all images were cleared
        MaskFailed = 2,      ///< a bitmap's transparency mask could not be built; images cleared
        BadColorIndex = 3,   ///< SetStateColor with an index above 5
        BadAlignment = 4,    ///< SetImageAlign with a value above 3
        BadPressStyle = 6,   ///< SetPressStyle with a value other than 0 or 1
    };

    /// Indexes of the six state colours.
    enum ColorIndex : int {
        FaceHot = 0,
        TextHot = 1,
        FaceNormal = 2,
        TextNormal = 3,
        FaceFocused = 4,
        TextFocused = 5,
    };

    /// Where the image sits: 0 left of the caption (centred without one), 1 above the caption
    /// (centred without one), 2 right of the caption (top-centred without one), 3 top-left.
    enum ImageAlign : int {
        AlignLeft = 0,
        AlignTop = 1,
        AlignRight = 2,
        AlignTopLeft = 3,
    };

    explicit CImageButton(QWidget *parent = nullptr);
    ~CImageButton() override;

    /// Icons by resource id, shown at their own size. normalId 0 means no normal icon.
    /// Result ImageUnreadable when an icon is missing (all images are then cleared).
    int SetIconPair(int hotId, int normalId);
    /// Bitmaps by resource id, each with the colour that is transparent in it. normalId 0 means
    /// no normal bitmap. Result ImageUnreadable or MaskFailed (all images are then cleared).
    int SetBitmapPair(int hotId, QRgb hotTransparent, int normalId, QRgb normalTransparent);
    /// Image alignment 0-3 (ImageAlign); BadAlignment for anything else.
    int SetImageAlign(int align, bool repaint = true);
    /// Press style 0: the image moves by (1, 1) while pressed; 1: by (0, 2). BadPressStyle else.
    int SetPressStyle(int style, bool repaint = true);
    /// One of the six state colours (ColorIndex); BadColorIndex for an index above 5.
    int SetStateColor(int index, QColor color, bool repaint = true);
    /// Faces back to the palette's button colour, texts to its button-text colour.
    int ResetColors(bool repaint = true);
    /// Whether the thin 3-D border shows while hovered or pressed (on by default).
    int SetHoverBorder(bool on, bool repaint = true);
    /// Paint no face: the parent's background shows through the button.
    int UseParentBackground(bool repaint = true);
    /// Tooltip text; an empty text does nothing. activate false keeps the text but shows no tip.
    int SetTipText(const QString &text, bool activate = true);
    /// Colour of a thin rounded frame drawn inside the button while it has the keyboard focus;
    /// an invalid colour (the default) draws none.
    void SetFocusFrameColor(const QColor &color);

    // Read-only views of the state, for the hosting window and for tests.
    /// True while the pointer is over the button (and no other button held the mouse when it
    /// arrived).
    bool IsHot() const { return m_hot; }
    /// The image the button would show in its current state (null when it has none).
    QPixmap CurrentImage() const;
    QColor StateColor(int index) const;
    int ImageAlign() const { return m_align; }
    QPoint PressOffset() const { return m_pressOffset; }
    bool HoverBorder() const { return m_hoverBorder; }
    bool ParentBackground() const { return m_parentBackground; }
    QString TipText() const { return m_tipText; }
    bool IsTipActive() const { return m_tipActive; }

    QSize sizeHint() const override;

protected:
    // The drawing steps, in the order paintEvent calls them.
    virtual void PaintBackground(QPainter &p);
    virtual void PaintBorder(QPainter &p);
    virtual void PaintIcon(QPainter &p);
    virtual void PaintBitmap(QPainter &p);
    virtual void PaintCaption(QPainter &p);

    void paintEvent(QPaintEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void hideEvent(QHideEvent *event) override;
    void changeEvent(QEvent *event) override;
    bool event(QEvent *event) override;

private:
    enum class ImageKind { None, Icon, Bitmap };

    void ClearImages();
    void SetHot(bool hot);
    bool IsPressedLook() const;
    QPoint ImagePosition(QSize image, QRect *captionRect) const;
    void RepaintIf(bool repaint);

    ImageKind m_kind = ImageKind::None;
    QPixmap m_hotImage;
    QPixmap m_normalImage;
    int m_align = AlignLeft;
    QPoint m_pressOffset{1, 1};
    QPoint m_margin{3, 3};
    bool m_hoverBorder = true;
    bool m_parentBackground = false;
    QColor m_colors[6];
    QColor m_focusFrameColor;
    bool m_hot = false;
    QString m_tipText;
    bool m_tipActive = false;
};
