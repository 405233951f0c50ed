#pragma once

#include "controls/TColor.h"
#include "controls/XPMenuColors.h"

#include <QFont>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QSet>

class QMenu;
class QStyle;
class QWidget;
class TFlatStyle;

// Paints a window's menus and its edits and panels in a flat look while Active.
// Hooking means giving a widget the flat style (menus, menu bar, edits, panels) and
// watching it for its hot and focus state; unhooking gives back the style it had.
// A menu item (QAction) or control with the dynamic property Tag = 999, or a control whose
// parent has it, is left alone.
class TXPMenu : public QObject
{
    Q_OBJECT
    Q_PROPERTY(int DimLevel READ dimLevel WRITE setDimLevel)
    Q_PROPERTY(int GrayLevel READ grayLevel WRITE setGrayLevel)
    Q_PROPERTY(QFont Font READ font WRITE setFont)
    Q_PROPERTY(uint FontColor READ fontColor WRITE setFontColor)
    Q_PROPERTY(uint Color READ color WRITE setColor)
    Q_PROPERTY(uint IconBackColor READ iconBackColor WRITE setIconBackColor)
    Q_PROPERTY(uint MenuBarColor READ menuBarColor WRITE setMenuBarColor)
    Q_PROPERTY(uint SelectColor READ selectColor WRITE setSelectColor)
    Q_PROPERTY(uint SelectBorderColor READ selectBorderColor WRITE setSelectBorderColor)
    Q_PROPERTY(uint SelectFontColor READ selectFontColor WRITE setSelectFontColor)
    Q_PROPERTY(uint DisabledColor READ disabledColor WRITE setDisabledColor)
    Q_PROPERTY(uint SeparatorColor READ separatorColor WRITE setSeparatorColor)
    Q_PROPERTY(uint CheckedColor READ checkedColor WRITE setCheckedColor)
    Q_PROPERTY(int IconWidth READ iconWidth WRITE setIconWidth)
    Q_PROPERTY(bool DrawSelect READ drawSelect WRITE setDrawSelect)
    Q_PROPERTY(bool UseSystemColors READ useSystemColors WRITE setUseSystemColors)
    Q_PROPERTY(bool OverrideOwnerDraw READ overrideOwnerDraw WRITE setOverrideOwnerDraw)
    Q_PROPERTY(bool Gradient READ gradient WRITE setGradient)
    Q_PROPERTY(bool FlatMenu READ flatMenu WRITE setFlatMenu)
    Q_PROPERTY(bool AutoDetect READ autoDetect WRITE setAutoDetect)
    Q_PROPERTY(XPContainers XPContainers READ xpContainers WRITE setXPContainers)
    Q_PROPERTY(XPControls XPControls READ xpControls WRITE setXPControls)
    Q_PROPERTY(bool Active READ active WRITE setActive)

public:
    enum XPContainer {
        xccForm = 0x1, xccFrame = 0x2, xccToolbar = 0x4, xccCoolbar = 0x8, xccControlbar = 0x10,
        xccPanel = 0x20, xccScrollBox = 0x40, xccGroupBox = 0x80, xccTabSheet = 0x100,
        xccPageScroller = 0x200
    };
    Q_DECLARE_FLAGS(XPContainers, XPContainer)
    Q_FLAG(XPContainers)
    enum XPControl {
        xcMainMenu = 0x1, xcPopupMenu = 0x2, xcToolbar = 0x4, xcControlbar = 0x8, xcCombo = 0x10,
        xcEdit = 0x20, xcMaskEdit = 0x40, xcMemo = 0x80, xcRichEdit = 0x100, xcCheckBox = 0x200,
        xcRadioButton = 0x400, xcButton = 0x800, xcBitBtn = 0x1000, xcSpeedButton = 0x2000,
        xcPanel = 0x4000, xcGroupBox = 0x8000
    };
    Q_DECLARE_FLAGS(XPControls, XPControl)
    Q_FLAG(XPControls)

    static constexpr int excludedTag = 999;

    explicit TXPMenu(QWidget* owner);

    // The painter as both windows declare it (menu font, levels, flat gradient look), active.
    static TXPMenu* forWindow(QWidget* owner, const QFont& menuFont, bool autoDetect);
    ~TXPMenu() override;

    int dimLevel() const { return m_dimLevel; }
    void setDimLevel(int v) { m_dimLevel = v; }
    int grayLevel() const { return m_grayLevel; }
    void setGrayLevel(int v) { m_grayLevel = v; }
    QFont font() const { return m_font; }
    void setFont(const QFont& f) { m_font = f; }
    TColor fontColor() const { return m_fontColor; }
    void setFontColor(TColor c) { m_fontColor = c; }
    TColor color() const { return m_color; }
    void setColor(TColor c) { m_color = c; }
    TColor iconBackColor() const { return m_iconBackColor; }
    void setIconBackColor(TColor c) { m_iconBackColor = c; }
    TColor menuBarColor() const { return m_menuBarColor; }
    void setMenuBarColor(TColor c) { m_menuBarColor = c; }
    TColor selectColor() const { return m_selectColor; }
    void setSelectColor(TColor c) { m_selectColor = c; }
    TColor selectBorderColor() const { return m_selectBorderColor; }
    void setSelectBorderColor(TColor c) { m_selectBorderColor = c; }
    TColor selectFontColor() const { return m_selectFontColor; }
    void setSelectFontColor(TColor c) { m_selectFontColor = c; }
    TColor disabledColor() const { return m_disabledColor; }
    void setDisabledColor(TColor c) { m_disabledColor = c; }
    TColor separatorColor() const { return m_separatorColor; }
    void setSeparatorColor(TColor c) { m_separatorColor = c; }
    TColor checkedColor() const { return m_checkedColor; }
    void setCheckedColor(TColor c) { m_checkedColor = c; }
    int iconWidth() const { return m_iconWidth; }
    void setIconWidth(int w) { m_iconWidth = w; }
    bool drawSelect() const { return m_drawSelect; }
    void setDrawSelect(bool on) { m_drawSelect = on; }
    bool useSystemColors() const { return m_useSystemColors; }
    void setUseSystemColors(bool on) { m_useSystemColors = on; }
    bool overrideOwnerDraw() const { return m_overrideOwnerDraw; }
    void setOverrideOwnerDraw(bool on) { m_overrideOwnerDraw = on; }
    bool gradient() const { return m_gradient; }
    void setGradient(bool on) { m_gradient = on; }
    bool flatMenu() const { return m_flatMenu; }
    void setFlatMenu(bool on) { m_flatMenu = on; }
    bool autoDetect() const { return m_autoDetect; }
    void setAutoDetect(bool on);
    XPContainers xpContainers() const { return m_containers; }
    void setXPContainers(XPContainers c) { m_containers = c; }
    XPControls xpControls() const { return m_controls; }
    void setXPControls(XPControls c) { m_controls = c; }
    bool active() const { return m_active; }
    void setActive(bool on);

    // Hooks the menus, edits and panels under root that are not hooked yet, when Active.
    // For controls created after activation while AutoDetect is off (lazily built pages).
    void hookControls(QWidget* root);

    // Bits per pixel the colours are worked out for: the screen's, unless set (0 = the screen's).
    int colorDepth() const;
    void setColorDepth(int bitsPerPixel) { m_depthOverride = bitsPerPixel; }

    TXPWorkingColors workingColors() const;
    QStyle* style() const;
    bool isHooked(const QWidget* w) const;

    // True when the action or control is excluded by its (or, for a control, its parent's) Tag.
    static bool isExcluded(const QObject* o);

protected:
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    struct Hooked
    {
        QPointer<QWidget> widget;
        QPointer<QStyle> previous; // null when the widget followed the application style
    };

    void hookAll();
    void unhookAll();
    void hookMenuTree(QMenu* menu);
    void hookWidget(QWidget* w, bool watchState);
    bool wantsControl(const QWidget* w) const;
    bool containerAllowed(const QWidget* parent) const;

    QWidget* m_owner;
    TFlatStyle* m_style;
    QList<Hooked> m_hooked;
    QSet<const QObject*> m_hookedSet;
    bool m_appFilter = false;
    int m_depthOverride = 0;

    int m_dimLevel = 30;
    int m_grayLevel = 10;
    QFont m_font;
    TColor m_fontColor = TColors::clMenuText;
    TColor m_color = TColors::clBtnFace;
    TColor m_iconBackColor = TColors::clBtnFace;
    TColor m_menuBarColor = TColors::clBtnFace;
    TColor m_selectColor = TColors::clHighlight;
    TColor m_selectBorderColor = TColors::clHighlight;
    TColor m_selectFontColor = TColors::clMenuText;
    TColor m_disabledColor = TColors::clInactiveCaption;
    TColor m_separatorColor = TColors::clBtnFace;
    TColor m_checkedColor = TColors::clHighlight;
    int m_iconWidth = 24;
    bool m_drawSelect = true;
    bool m_useSystemColors = true;
    bool m_overrideOwnerDraw = false;
    bool m_gradient = false;
    bool m_flatMenu = false;
    bool m_autoDetect = false;
    XPContainers m_containers = XPContainers(0x3FF);
    XPControls m_controls = XPControls(0xFFFF);
    bool m_active = false;
};

Q_DECLARE_OPERATORS_FOR_FLAGS(TXPMenu::XPContainers)
Q_DECLARE_OPERATORS_FOR_FLAGS(TXPMenu::XPControls)
