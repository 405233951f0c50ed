#pragma once

#include <QPixmap>
#include <QWidget>

// A picture control that can repeat its picture like wallpaper; the windows' backgrounds.
// Without tiling it draws its picture plainly at the top-left, centred or stretched.
class TTileImage : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(TAlign Align READ align WRITE setAlign)
    Q_PROPERTY(bool AutoSize READ autoSize WRITE setAutoSize)
    Q_PROPERTY(bool Center READ center WRITE setCenter)
    Q_PROPERTY(bool IncrementalDisplay READ incrementalDisplay WRITE setIncrementalDisplay)
    Q_PROPERTY(QPixmap Picture READ picture WRITE setPicture)
    Q_PROPERTY(bool Stretch READ stretch WRITE setStretch)
    Q_PROPERTY(bool TileImage READ tileImage WRITE setTileImage)
    Q_PROPERTY(bool Transparent READ transparent WRITE setTransparent)

public:
    enum TAlign { alNone, alTop, alBottom, alLeft, alRight, alClient };
    Q_ENUM(TAlign)

    explicit TTileImage(QWidget* parent = nullptr);

    TAlign align() const { return m_align; }
    void setAlign(TAlign a);
    bool autoSize() const { return m_autoSize; }
    void setAutoSize(bool on);
    bool center() const { return m_center; }
    void setCenter(bool on);
    bool incrementalDisplay() const { return m_incremental; }
    void setIncrementalDisplay(bool on) { m_incremental = on; }
    QPixmap picture() const { return m_picture; }
    void setPicture(const QPixmap& p);
    bool stretch() const { return m_stretch; }
    void setStretch(bool on);
    bool tileImage() const { return m_tile; }
    void setTileImage(bool on);
    bool transparent() const { return m_transparent; }
    void setTransparent(bool on);

    // Where the picture goes when it is not tiled.
    QRect destRect() const;

protected:
    void paintEvent(QPaintEvent*) override;
    void resizeEvent(QResizeEvent*) override;
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    void pictureChanged();
    void updateOpaque();
    void followParent();

    TAlign m_align = alNone;
    bool m_autoSize = false;
    bool m_center = false;
    bool m_incremental = false;
    QPixmap m_picture;
    QPixmap m_drawn; // the picture as drawn: masked by its bottom-left colour when Transparent
    bool m_stretch = false;
    bool m_tile = false;
    bool m_transparent = false;
    bool m_drawing = false;
    QWidget* m_watchedParent = nullptr;
};
