#pragma once

#include "controls/TColor.h"

#include <QPixmap>
#include <QWidget>

#include <array>

// A panel painting a flat colour, a gradient or a picture, with an effect on its caption.
// Colours are TColor values ($00BBGGRR or a system colour).
class TGradPan : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(QPixmap Bitmap READ bitmap WRITE setBitmap)
    Q_PROPERTY(TDirection BackGroundEffect READ backGroundEffect WRITE setBackGroundEffect)
    Q_PROPERTY(uint ColorEnd READ colorEnd WRITE setColorEnd)
    Q_PROPERTY(uint ColorShadow READ colorShadow WRITE setColorShadow)
    Q_PROPERTY(uint ColorStart READ colorStart WRITE setColorStart)
    Q_PROPERTY(bool Ctl3D READ ctl3D WRITE setCtl3D)
    Q_PROPERTY(TTextEffect TextEffect READ textEffect WRITE setTextEffect)
    Q_PROPERTY(TTextRotation TextRotation READ textRotation WRITE setTextRotation)
    Q_PROPERTY(TVertAlign VertAlign READ vertAlign WRITE setVertAlign)
    Q_PROPERTY(int Marge READ marge WRITE setMarge)
    Q_PROPERTY(bool Moveable READ moveable WRITE setMoveable)
    Q_PROPERTY(QString Caption READ caption WRITE setCaption)
    Q_PROPERTY(Qt::Alignment Alignment READ alignment WRITE setAlignment)
    Q_PROPERTY(TBevelCut BevelInner READ bevelInner WRITE setBevelInner)
    Q_PROPERTY(TBevelCut BevelOuter READ bevelOuter WRITE setBevelOuter)
    Q_PROPERTY(int BevelWidth READ bevelWidth WRITE setBevelWidth)
    Q_PROPERTY(int BorderWidth READ borderWidth WRITE setBorderWidth)
    Q_PROPERTY(uint Color READ color WRITE setColor)
    // The caption's colour; the same as the palette's WindowText.
    Q_PROPERTY(uint FontColor READ fontColor WRITE setFontColor)

public:
    enum TDirection { bdFlat, bdStretchImage, bdTileImage, bdUp, bdDown, bdLeft, bdRight,
                      bdHorzIn, bdHorzOut, bdVertIn, bdVertOut };
    Q_ENUM(TDirection)
    enum TTextEffect { tenone, teShadow, teRaised, teLowered, teEmbossed };
    Q_ENUM(TTextEffect)
    enum TTextRotation { trNone, TrUp, TrDown };
    Q_ENUM(TTextRotation)
    enum TVertAlign { vlTop, vlCenter, VlBottom };
    Q_ENUM(TVertAlign)
    enum TBevelCut { bvNone, bvLowered, bvRaised, bvSpace };
    Q_ENUM(TBevelCut)

    // Where a point of a moveable panel grabs it (the values of the Windows hit-test codes).
    enum HitZone { HTNOWHERE = 0, HTCAPTION = 2, HTLEFT = 10, HTRIGHT = 11, HTTOP = 12,
                   HTTOPLEFT = 13, HTTOPRIGHT = 14, HTBOTTOM = 15, HTBOTTOMLEFT = 16,
                   HTBOTTOMRIGHT = 17 };
    Q_ENUM(HitZone)

    using Ramp = std::array<QRgb, 100>;

    explicit TGradPan(QWidget* parent = nullptr);

    QPixmap bitmap() const { return m_bitmap; }
    void setBitmap(const QPixmap& p);
    TDirection backGroundEffect() const { return m_effect; }
    void setBackGroundEffect(TDirection d);
    TColor colorEnd() const { return m_colorEnd; }
    void setColorEnd(TColor c);
    TColor colorShadow() const { return m_colorShadow; }
    void setColorShadow(TColor c);
    TColor colorStart() const { return m_colorStart; }
    void setColorStart(TColor c);
    bool ctl3D() const { return m_ctl3D; }
    void setCtl3D(bool on);
    TTextEffect textEffect() const { return m_textEffect; }
    void setTextEffect(TTextEffect e);
    TTextRotation textRotation() const { return m_rotation; }
    void setTextRotation(TTextRotation r);
    TVertAlign vertAlign() const { return m_vertAlign; }
    void setVertAlign(TVertAlign v);
    int marge() const { return m_marge; }
    void setMarge(int m) { m_marge = m; }
    bool moveable() const { return m_moveable; }
    void setMoveable(bool on);
    QString caption() const { return m_caption; }
    void setCaption(const QString& text);
    Qt::Alignment alignment() const { return m_alignment; }
    void setAlignment(Qt::Alignment a);
    TBevelCut bevelInner() const { return m_bevelInner; }
    void setBevelInner(TBevelCut b);
    TBevelCut bevelOuter() const { return m_bevelOuter; }
    void setBevelOuter(TBevelCut b);
    int bevelWidth() const { return m_bevelWidth; }
    void setBevelWidth(int w);
    int borderWidth() const { return m_borderWidth; }
    void setBorderWidth(int w);
    TColor color() const { return m_color; }
    void setColor(TColor c);
    TColor fontColor() const;
    void setFontColor(TColor c);

    // The zone under a client point; HTNOWHERE unless the panel is moveable.
    HitZone hitTest(QPoint client) const;

    // 100 steps from a towards b, each channel truncated; entry 99 stops one step short of b.
    static Ramp buildRamp(const QColor& a, const QColor& b);
    // Multiply-divide rounding halves away from zero, as the band placement needs.
    static int mulDiv(int a, int b, int c);

signals:
    void panelMoved(TGradPan* sender);

protected:
    void paintEvent(QPaintEvent*) override;
    void moveEvent(QMoveEvent*) override;
    void mousePressEvent(QMouseEvent*) override;
    void mouseMoveEvent(QMouseEvent*) override;
    void mouseReleaseEvent(QMouseEvent*) override;
    void changeEvent(QEvent*) override;

private:
    void invalidateBackground();
    bool isGradient() const { return m_effect >= bdUp; }
    const QPixmap& gradientPixmap();
    void paintGradient(QPainter& p, const QSize& size) const;
    void paintInheritedPanel(QPainter& p) const;
    void paintPicture(QPainter& p) const;
    void paintCaption(QPainter& p) const;
    void paintBevels(QPainter& p) const;

    QPixmap m_bitmap;
    TDirection m_effect = bdVertIn;
    TColor m_colorEnd = TColors::clWhite;
    TColor m_colorShadow = TColors::clGray;
    TColor m_colorStart = TColors::clTeal;
    bool m_ctl3D = false;
    TTextEffect m_textEffect = teShadow;
    TTextRotation m_rotation = trNone;
    TVertAlign m_vertAlign = vlCenter;
    int m_marge = 6;
    bool m_moveable = false;
    QString m_caption;
    Qt::Alignment m_alignment = Qt::AlignHCenter;
    TBevelCut m_bevelInner = bvNone;
    TBevelCut m_bevelOuter = bvRaised;
    int m_bevelWidth = 1;
    int m_borderWidth = 0;
    TColor m_color = TColors::clBtnFace;

    // The rendered gradient, reused until the size, colours, effect or pixel ratio change.
    QPixmap m_gradientCache;
    bool m_gradientValid = false;

    HitZone m_dragZone = HTNOWHERE;
    QPoint m_dragStart;
    QRect m_dragGeometry;
};
