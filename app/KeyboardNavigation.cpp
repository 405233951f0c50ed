#include "app/KeyboardNavigation.h"

#include "app/EquationPages.h"
#include "controls/ButtonXPMACCorel.h"

#include <QApplication>
#include <QKeyEvent>
#include <QScrollArea>

#include <algorithm>

namespace {

const char* const topicListProperty = "velquoraTopicList";

// The topic buttons of a list, top to bottom.
QList<TButtonXPMACCorel*> topicsOf(QWidget* list)
{
    auto buttons = list->findChildren<TButtonXPMACCorel*>();
    std::stable_sort(buttons.begin(), buttons.end(),
                     [](const QWidget* a, const QWidget* b) { return a->y() < b->y(); });
    return buttons;
}

QWidget* listOf(QObject* topic)
{
    return topic->property(topicListProperty).value<QWidget*>();
}

}

KeyboardNavigation::KeyboardNavigation(EquationPages& pages, QObject* parent)
    : QObject(parent)
    , m_pages(pages)
{
    // Whether an area came from the keyboard or the mouse is told by the last input.
    qApp->installEventFilter(this);
}

KeyboardNavigation::~KeyboardNavigation()
{
    qApp->removeEventFilter(this);
}

void KeyboardNavigation::addAreaButton(QWidget* button)
{
    button->installEventFilter(this);
}

void KeyboardNavigation::addTopicList(QWidget* list)
{
    for (TButtonXPMACCorel* topic : topicsOf(list)) {
        topic->setProperty(topicListProperty, QVariant::fromValue(list));
        topic->installEventFilter(this);
    }
}

void KeyboardNavigation::areaShown(QWidget* list)
{
    if (!m_lastInputWasKeyboard)
        return;
    const auto topics = topicsOf(list);
    if (!topics.isEmpty())
        topics.front()->setFocus(Qt::TabFocusReason);
}

bool KeyboardNavigation::topicKey(QWidget* topic, int key)
{
    if (key == Qt::Key_Tab) {
        QWidget* field = m_pages.firstField();
        if (field)
            field->setFocus(Qt::TabFocusReason);
        return field;
    }
    if (key != Qt::Key_Up && key != Qt::Key_Down)
        return false;
    const auto topics = topicsOf(listOf(topic));
    const qsizetype at = topics.indexOf(topic);
    const qsizetype next = key == Qt::Key_Up ? at - 1 : at + 1;
    if (at >= 0 && next >= 0 && next < topics.size())
        topics[next]->setFocus(Qt::TabFocusReason);
    return true;
}

bool KeyboardNavigation::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::ShortcutOverride:
        m_lastInputWasKeyboard = true;
        break;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        m_lastInputWasKeyboard = false;
        break;
    default:
        break;
    }
    auto* button = qobject_cast<TButtonXPMACCorel*>(watched);
    if (!button)
        return false;
    if (event->type() == QEvent::FocusIn && listOf(button)) {
        // The list scrolls so that the topic the keyboard reached is seen.
        for (QWidget* w = button->parentWidget(); w; w = w->parentWidget()) {
            if (auto* box = qobject_cast<QScrollArea*>(w)) {
                box->ensureWidgetVisible(button, 0, 2);
                break;
            }
        }
        return false;
    }
    if (event->type() != QEvent::KeyPress)
        return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
        button->click();
        return true;
    }
    return listOf(button) && key->modifiers() == Qt::NoModifier && topicKey(button, key->key());
}
