#include "controls/XPMenu.h"

#include "controls/FlatStyle.h"

#include <QAction>
#include <QActionEvent>
#include <QApplication>
#include <QEvent>
#include <QFrame>
#include <QGroupBox>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QScrollArea>
#include <QStackedWidget>
#include <QToolBar>

#include <utility>

namespace {

const char* const hotProperty = "xpHot";

bool tagged(const QObject* o)
{
    if (!o)
        return false;
    const QVariant tag = o->property("Tag");
    return tag.isValid() && tag.toInt() == TXPMenu::excludedTag;
}

}

TXPMenu::TXPMenu(QWidget* owner)
    : QObject(owner)
    , m_owner(owner)
    , m_style(new TFlatStyle(this))
{
    setObjectName(QStringLiteral("XPMenu1"));
    m_style->setParent(this);
    m_font = QApplication::font("QMenu");
}

TXPMenu::~TXPMenu()
{
    unhookAll();
}

QStyle* TXPMenu::style() const
{
    return m_style;
}

bool TXPMenu::isExcluded(const QObject* o)
{
    if (tagged(o))
        return true;
    const auto* w = qobject_cast<const QWidget*>(o);
    return w && tagged(w->parentWidget());
}

int TXPMenu::colorDepth() const
{
    if (m_depthOverride > 0)
        return m_depthOverride;
    const QScreen* screen = m_owner && m_owner->screen() ? m_owner->screen() : QGuiApplication::primaryScreen();
    return screen ? screen->depth() : 32;
}

TXPWorkingColors TXPMenu::workingColors() const
{
    using namespace TColors;
    using XPColors::darken;
    const int depth = colorDepth();
    auto lighten = [depth](const QColor& c, int p) { return XPColors::lighten(c, p, depth); };
    const QColor face = toQColor(clBtnFace);
    const QColor shadow = toQColor(clBtnShadow);
    const QColor highlight = toQColor(clHighlight);
    const QColor white(255, 255, 255);

    TXPWorkingColors c;
    c.deep = depth > 15;
    c.font = m_font;
    c.fontColor = toQColor(m_fontColor);
    c.back = toQColor(m_color);
    c.icon = toQColor(m_iconBackColor);
    c.selectBorder = toQColor(m_selectBorderColor);
    c.selectFont = toQColor(m_selectFontColor);
    c.menuBar = toQColor(m_menuBarColor);
    c.disabled = toQColor(m_disabledColor);
    c.check = toQColor(m_checkedColor);
    c.separator = toQColor(m_separatorColor);
    const QColor select = toQColor(m_selectColor);
    if (c.deep) {
        c.select = lighten(select, 68);
        c.checked = lighten(select, 80);
        c.checkedSelected = lighten(select, 50);
        c.menuBorder = darken(face, 90);
        c.menuShadow = darken(face, 76);
    } else {
        c.select = select;
        c.checked = white;
        c.checkedSelected = QColor(0xC0, 0xC0, 0xC0);
        c.menuBorder = shadow;
        c.menuShadow = shadow;
    }

    if (m_useSystemColors) {
        c.font = QApplication::font("QMenu");
        c.selectFont = c.fontColor;
        c.selectBorder = highlight;
        c.menuBar = face;
        c.check = highlight;
        if (c.deep) {
            c.back = lighten(face, 86);
            c.icon = lighten(face, 16);
            c.select = lighten(highlight, 68);
            c.disabled = lighten(shadow, 10);
            c.separator = lighten(shadow, 25);
            c.checked = lighten(highlight, 80);
            c.checkedSelected = lighten(highlight, 50);
        } else {
            c.back = white;
            c.icon = face;
            c.select = white;
            c.disabled = shadow;
            c.separator = shadow;
            c.checked = white;
            c.checkedSelected = white;
        }
    }
    return c;
}

void TXPMenu::setActive(bool on)
{
    if (m_active == on)
        return;
    m_active = on;
    if (on)
        hookAll();
    else
        unhookAll();
    if (m_owner) {
        for (QMenuBar* bar : m_owner->findChildren<QMenuBar*>()) {
            bar->updateGeometry();
            bar->update();
        }
    }
}

void TXPMenu::setAutoDetect(bool on)
{
    m_autoDetect = on;
    if (!on && m_appFilter) {
        qApp->removeEventFilter(this);
        m_appFilter = false;
    } else if (on && m_active && !m_appFilter) {
        qApp->installEventFilter(this);
        m_appFilter = true;
    }
}

void TXPMenu::hookAll()
{
    if (!m_owner)
        return;
    hookControls(m_owner);
    if (m_autoDetect && !m_appFilter) {
        // New widgets are polished before they are first shown: the moment to hook them.
        qApp->installEventFilter(this);
        m_appFilter = true;
    }
}

void TXPMenu::hookControls(QWidget* root)
{
    if (!m_active || !root)
        return;

    // Menus of an excluded menu bar stay as they are, whoever else lists them.
    QList<QMenu*> skipped;
    QList<QMenuBar*> bars = root->findChildren<QMenuBar*>();
    if (auto* bar = qobject_cast<QMenuBar*>(root))
        bars.prepend(bar);
    for (QMenuBar* bar : bars) {
        const bool hook = (m_controls & xcMainMenu) && !tagged(bar);
        if (hook)
            hookWidget(bar, false);
        for (QAction* a : bar->actions()) {
            if (!a->menu())
                continue;
            if (hook)
                hookMenuTree(a->menu());
            else
                skipped.append(a->menu());
        }
    }
    if (m_controls & xcPopupMenu) {
        for (QMenu* menu : root->findChildren<QMenu*>()) {
            bool underSkipped = false;
            for (QObject* o = menu; o && !underSkipped; o = o->parent())
                underSkipped = skipped.contains(o);
            if (!underSkipped)
                hookMenuTree(menu);
        }
    }

    QList<QWidget*> widgets = root->findChildren<QWidget*>();
    widgets.prepend(root);
    for (QWidget* w : widgets)
        if (wantsControl(w))
            hookWidget(w, true);
}

void TXPMenu::hookMenuTree(QMenu* menu)
{
    if (!menu || isHooked(menu))
        return;
    // A menu with a look of its own keeps it unless told otherwise.
    const bool ownLook = menu->testAttribute(Qt::WA_SetStyle) && menu->style() != m_style;
    if (!ownLook || m_overrideOwnerDraw)
        hookWidget(menu, false);
    for (QAction* a : menu->actions())
        if (a->menu())
            hookMenuTree(a->menu());
}

bool TXPMenu::containerAllowed(const QWidget* parent) const
{
    if (!parent)
        return m_containers & xccForm;
    if (qobject_cast<const QGroupBox*>(parent))
        return m_containers & xccGroupBox;
    if (qobject_cast<const QToolBar*>(parent))
        return m_containers & xccToolbar;
    const QWidget* grand = parent->parentWidget();
    if (grand && (qobject_cast<const QStackedWidget*>(grand)))
        return m_containers & xccTabSheet;
    // A scroll box's contents sit in its viewport.
    if (qobject_cast<const QScrollArea*>(grand)
        || (grand && qobject_cast<const QScrollArea*>(grand->parentWidget())))
        return m_containers & xccScrollBox;
    if (parent->isWindow())
        return m_containers & xccForm;
    return (m_containers & xccPanel) || (m_containers & xccFrame);
}

bool TXPMenu::wantsControl(const QWidget* w) const
{
    if (isHooked(w) || isExcluded(w))
        return false;
    bool kind = false;
    if (qobject_cast<const QLineEdit*>(w))
        kind = m_controls & xcEdit;
    else if (w->metaObject() == &QFrame::staticMetaObject)
        kind = m_controls & xcPanel;
    return kind && containerAllowed(w->parentWidget());
}

bool TXPMenu::isHooked(const QWidget* w) const
{
    return m_hookedSet.contains(w);
}

void TXPMenu::hookWidget(QWidget* w, bool watchState)
{
    if (isHooked(w))
        return;
    Hooked h;
    h.widget = w;
    if (w->testAttribute(Qt::WA_SetStyle))
        h.previous = w->style();
    m_hooked.append(h);
    m_hookedSet.insert(w);
    // A destroyed widget's address may be reused by a new one, which is not hooked.
    connect(w, &QObject::destroyed, this, [this](QObject* o) { m_hookedSet.remove(o); });
    w->setStyle(m_style);
    w->installEventFilter(this);
    if (watchState)
        w->setProperty(hotProperty, false);
    w->update();
}

void TXPMenu::unhookAll()
{
    if (m_appFilter) {
        qApp->removeEventFilter(this);
        m_appFilter = false;
    }
    const QList<Hooked> hooked = std::exchange(m_hooked, {});
    m_hookedSet.clear();
    for (const Hooked& h : hooked) {
        QWidget* w = h.widget;
        if (!w)
            continue;
        disconnect(w, &QObject::destroyed, this, nullptr);
        w->removeEventFilter(this);
        w->setStyle(h.previous);
        w->setProperty(hotProperty, QVariant());
        w->update();
    }
}

bool TXPMenu::eventFilter(QObject* watched, QEvent* e)
{
    if (e->type() == QEvent::Polish && m_appFilter && m_active) {
        auto* w = qobject_cast<QWidget*>(watched);
        bool ours = false;
        for (QObject* o = w; o && !ours; o = o->parent())
            ours = o == m_owner;
        if (w && ours && !isHooked(w)) {
            if (auto* menu = qobject_cast<QMenu*>(w)) {
                if (m_controls & xcPopupMenu)
                    hookMenuTree(menu);
            } else if (auto* bar = qobject_cast<QMenuBar*>(w)) {
                hookControls(bar);
            } else if (wantsControl(w)) {
                hookWidget(w, true);
            }
        }
        return false;
    }

    // With AutoDetect every event of the application passes here; only hooked widgets matter.
    if (!m_active || !m_hookedSet.contains(watched))
        return false;
    auto* w = static_cast<QWidget*>(watched);
    switch (e->type()) {
    case QEvent::ActionAdded:
    case QEvent::ActionChanged:
        // Sub-menus added to a hooked menu later take the same look.
        if (auto* a = static_cast<QActionEvent*>(e)->action(); a && a->menu() && !tagged(w))
            hookMenuTree(a->menu());
        break;
    case QEvent::Enter:
        if (w->isEnabled() && w->property(hotProperty).isValid()) {
            w->setProperty(hotProperty, true);
            w->update();
        }
        break;
    case QEvent::FocusIn:
    case QEvent::Leave:
    case QEvent::FocusOut:
        if (w->property(hotProperty).isValid()) {
            w->setProperty(hotProperty, e->type() == QEvent::FocusIn);
            w->update();
        }
        break;
    case QEvent::EnabledChange:
    case QEvent::FontChange:
        w->update();
        break;
    default:
        break;
    }
    return false;
}

TXPMenu* TXPMenu::forWindow(QWidget* owner, const QFont& menuFont, bool autoDetect)
{
    auto* painter = new TXPMenu(owner);
    painter->setFont(menuFont);
    painter->setDimLevel(30);
    painter->setGrayLevel(50);
    painter->setIconWidth(16);
    painter->setUseSystemColors(false);
    painter->setGradient(true);
    painter->setFlatMenu(true);
    painter->setAutoDetect(autoDetect);
    painter->setActive(true);
    return painter;
}
