#pragma once

#include "controls/TColor.h"

#include <QFont>
#include <QImage>
#include <QWidget>

#include <vector>

class QPainter;

// The glossy "aqua" push button: clicks on release over it. The mouse never gives it
// the focus; Tab does, and then a dotted ring inside the face marks it and Space or
// Return clicks it.
// It paints every layer into one off-screen image and copies that, so the shadow,
// face and caption never flicker one after the other. The images of the looks it
// showed last are kept, keyed by everything their pixels depend on, so a paint that
// shows one of them again only samples the background and copies it.
class TJLAqua : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(bool CaptionMouseOver READ captionMouseOver WRITE setCaptionMouseOver)
    Q_PROPERTY(bool ButtonActive READ buttonActive WRITE setButtonActive)
    Q_PROPERTY(uint BackgroundError READ backgroundError WRITE setBackgroundError)
    Q_PROPERTY(uint ButtonColor READ buttonColor WRITE setButtonColor)
    Q_PROPERTY(TJLAquaType ButtonShape READ buttonShape WRITE setButtonShape)
    Q_PROPERTY(QString Caption READ caption WRITE setCaption)
    Q_PROPERTY(bool Enabled READ isButtonEnabled WRITE setButtonEnabled)
    Q_PROPERTY(QFont Font READ buttonFont WRITE setButtonFont)
    Q_PROPERTY(uint FontColor READ fontColor WRITE setFontColor)
    Q_PROPERTY(TJLCustomColor CustomColor READ customColor WRITE setCustomColor)
    Q_PROPERTY(bool SmallCorners READ smallCorners WRITE setSmallCorners)

public:
    enum TJLAquaType { bsOrb, bsButton };
    Q_ENUM(TJLAquaType)
    enum TJLCustomColor { ccNone, ccPaleBlue, ccNeonBlue, ccNeonGreen, ccNeonPink, ccOrange,
                          ccViolet, ccRose, ccPepermint, ccBurntOrange, ccBrown };
    Q_ENUM(TJLCustomColor)

    explicit TJLAqua(QWidget* parent = nullptr);

    bool captionMouseOver() const { return m_captionMouseOver; }
    void setCaptionMouseOver(bool on) { m_captionMouseOver = on; }
    bool buttonActive() const { return m_buttonActive; }
    void setButtonActive(bool on);
    TColor backgroundError() const { return m_backgroundError; }
    void setBackgroundError(TColor c) { m_backgroundError = c; }
    TColor buttonColor() const { return m_buttonColor; }
    void setButtonColor(TColor c);
    TJLAquaType buttonShape() const { return m_shape; }
    void setButtonShape(TJLAquaType s);
    QString caption() const { return m_caption; }
    void setCaption(const QString& text);
    bool isButtonEnabled() const { return m_enabled; }
    void setButtonEnabled(bool on);
    QFont buttonFont() const { return m_font; }
    void setButtonFont(const QFont& f);
    TColor fontColor() const { return m_fontColor; }
    void setFontColor(TColor c);
    TJLCustomColor customColor() const { return m_customColor; }
    void setCustomColor(TJLCustomColor c);
    bool smallCorners() const { return m_smallCorners; }
    void setSmallCorners(bool on);

    // The generated layout code sets the Font and Enabled properties through these
    // names. Like those properties they belong to the button: the caption font and
    // the button's own enabled state; QWidget's font and enabled state stay as they are.
    void setFont(const QFont& f) { setButtonFont(f); }
    void setEnabled(bool on) { setButtonEnabled(on); }

    // One step of the button's shade table: k 0..4 darken, 5 keeps, 6..9 lighten.
    static QColor shade(TColor c, int k);
    static QColor shade(QColor c, int k);
    static QColor presetColor(TJLCustomColor c);

    // Where the pointer counts as over the face (not the shadow or the corners).
    bool hitTest(QPoint p) const;

    // Clicks the button as a release over its face does.
    void click();

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void leaveEvent(QEvent*) override;
    void hideEvent(QHideEvent*) override;
    void keyPressEvent(QKeyEvent* e) override;
    void keyReleaseEvent(QKeyEvent* e) override;
    void focusInEvent(QFocusEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;

private:
    // Everything a face image's pixels depend on.
    struct FaceKey
    {
        QSize size;
        qreal dpr = 1.0;
        QRgb bg = 0;
        QRgb face = 0;
        QRgb fontColor = 0;
        bool pressed = false;
        bool focusMark = false;
        bool enabled = true;
        bool smallCorners = false;
        TJLAquaType shape = bsButton;
        QString caption; // empty when no caption is drawn
        QFont font;

        bool operator==(const FaceKey&) const = default;
    };
    struct Face
    {
        FaceKey key;
        QImage image;
    };

    enum State : quint8 { Normal = 0, Pressed = 1, Hot = 3 };
    void setState(State s);
    void disarm();
    // The colour under the corner, read from the picture being painted where it can be.
    QColor background(const QPainter& p, const QRegion& region);
    QColor faceColor(const QColor& bg) const;
    void drawShape(QPainter& p, const QColor& bg, const QColor& face) const;
    void drawCaption(QPainter& p, const QColor& bg, const QColor& face) const;
    void drawFocusMark(QPainter& p) const;
    static bool activates(const QKeyEvent* e);
    bool captionShown() const;
    const QImage& faceImage(const QColor& bg, const QColor& face);

    bool m_captionMouseOver = false;
    bool m_buttonActive = false;
    TColor m_backgroundError = TColors::clBtnFace;
    TColor m_buttonColor = TColors::clBlue;
    TJLAquaType m_shape = bsButton;
    QString m_caption;
    bool m_enabled = true;
    QFont m_font;
    TColor m_fontColor = TColors::clBlack;
    TJLCustomColor m_customColor = ccNone;
    bool m_smallCorners = false;
    State m_state = Normal;
    bool m_armed = false;
    // Focus that came from the keyboard: the only focus the ring shows.
    bool m_keyboardFocus = false;
    // The last looks drawn, most recent first; at most kFaces of them.
    static constexpr std::size_t kFaces = 4;
    std::vector<Face> m_faces;
    // The background read at the last paint; a repaint for a change of state reuses
    // it (see setState). m_bgRead is false when it could not be read.
    bool m_repaintingState = false;
    bool m_bgKnown = false;
    bool m_bgRead = false;
    QColor m_bg;
};
