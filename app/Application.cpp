#include "app/Application.h"

#include "app/Fonts.h"
#include "engine/DecimalSeparator.h"

#include <QEvent>
#include <QLocale>

namespace {

class HandlerEvent : public QEvent
{
public:
    static QEvent::Type type()
    {
        static const auto t = QEvent::Type(QEvent::registerEventType());
        return t;
    }
    explicit HandlerEvent(const std::function<void()>& handler)
        : QEvent(type())
        , handler(handler)
    {
    }
    const std::function<void()>& handler;
};

class HandlerTarget : public QObject
{
public:
    bool event(QEvent* e) override
    {
        if (e->type() != HandlerEvent::type())
            return QObject::event(e);
        static_cast<HandlerEvent*>(e)->handler();
        return true;
    }
};

}

TApplication::TApplication(int& argc, char** argv)
    : QApplication(argc, argv)
{
    Fonts::installSubstitutions();
    DecimalSeparator::readFrom(QLocale());
}

bool TApplication::notify(QObject* receiver, QEvent* event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& e) {
        reportException(e);
    } catch (...) {
        // Not ours to judge: nothing is shown and the program goes on.
    }
    return true;
}

void TApplication::reportException(const std::exception& e)
{
    if (m_events && m_events->OnException)
        m_events->OnException(m_events, e);
}

bool TApplication::event(QEvent* event)
{
    // The regional settings changed while the program runs.
    if (event->type() == QEvent::LocaleChange)
        DecimalSeparator::readFrom(QLocale());
    return QApplication::event(event);
}

TApplicationEvents::TApplicationEvents(QObject* owner)
    : QObject(owner)
{
    if (auto* app = qobject_cast<TApplication*>(QCoreApplication::instance()))
        app->setApplicationEvents(this);
}

void runEventHandler(const std::function<void()>& handler)
{
    static HandlerTarget target;
    HandlerEvent event(handler);
    QCoreApplication::sendEvent(&target, &event);
}
