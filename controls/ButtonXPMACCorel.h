#pragma once

#include <QImage>
#include <QPixmap>
#include <QPushButton>

// A push button that draws its face from a five-state skin picture (normal,
// pressed, disabled, hot, focused), stretched to the button with its corners
// kept at their own size, with an optional glyph beside the centred caption.
class TButtonXPMACCorel : public QPushButton
{
    Q_OBJECT
    Q_PROPERTY(TSkinGlyph SkinGlyph READ skinGlyph WRITE setSkinGlyph)
    Q_PROPERTY(TGlyphKind GlyphKind READ glyphKind WRITE setGlyphKind)
    Q_PROPERTY(int GlyphWidth READ glyphWidth WRITE setGlyphWidth)
    Q_PROPERTY(QPixmap Bitmap READ bitmap WRITE setBitmap)

public:
    enum TSkinGlyph { sWinXP, sMac, sCorel };
    Q_ENUM(TSkinGlyph)
    enum TGlyphKind { glOK, glCancel, glCancel2, glHelp, glYes, glPrint, glNo, glClose,
                      glAbort, glRetry, glIgnore, glAll, glBitmap, glNone };
    Q_ENUM(TGlyphKind)

    // The skin cells, left to right.
    enum Cell { CellNormal = 0, CellPressed = 1, CellDisabled = 2, CellHot = 3, CellFocused = 4 };

    explicit TButtonXPMACCorel(QWidget* parent = nullptr);

    TSkinGlyph skinGlyph() const { return m_skin; }
    void setSkinGlyph(TSkinGlyph s);
    TGlyphKind glyphKind() const { return m_glyphKind; }
    void setGlyphKind(TGlyphKind k);
    int glyphWidth() const { return m_glyphWidth; }
    void setGlyphWidth(int w) { m_glyphWidth = w; }
    QPixmap bitmap() const { return m_bitmap; }
    void setBitmap(const QPixmap& p);

    // True while this is the window's active button: focused, or the default
    // button while a control that is not a push button has the focus.
    bool defaultLook() const { return m_defaultLook; }
    // Whether the pointer was over the button at the last draw.
    bool mouseOver() const { return m_mouseOver; }

    // The skin picture of a skin with its magenta pixels made transparent
    // (an @2x picture when scale is above 1); null when it cannot be loaded.
    static QImage skinPicture(TSkinGlyph skin, qreal scale = 1.0);

protected:
    void paintEvent(QPaintEvent*) override;
    void enterEvent(QEnterEvent* e) override;
    void leaveEvent(QEvent* e) override;
    void changeEvent(QEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;

private:
    void loadSkin();
    void loadGlyph();
    const QImage& glyph(qreal dpr) const;
    bool activeWith(const QWidget* focused) const;
    void followFocus(QWidget* focused);
    void drawSkinFace(QPainter& p, int cell) const;
    void drawCorelBevel(QPainter& p, const QRect& r, Cell look) const;

    TSkinGlyph m_skin = sWinXP;
    TGlyphKind m_glyphKind = glNone;
    int m_glyphWidth = 0;
    QPixmap m_bitmap;
    // The resources of the skin and glyph shown (decoded, without their transparent
    // colour, when first drawn, in the size the screen needs); an assigned glyph
    // picture is kept as it was given.
    QString m_skinName;
    QString m_glyphName;
    QImage m_glyph;
    bool m_defaultLook = false;
    bool m_mouseOver = false;
};
