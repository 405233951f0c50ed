#include "app/Application.h"

#include "app/Fonts.h"
#include "app/QtTranslations.h"
#include "app/DecimalSeparator.h"

#include <QEvent>
#include <QLocale>

TApplication::TApplication(int& argc, char** argv)
    : QApplication(argc, argv)
{
    Fonts::installSubstitutions();
    Fonts::installApplicationFont();
    QtTranslations::install(*this);
    DecimalSeparator::readFrom(QLocale());
}

bool TApplication::notify(QObject* receiver, QEvent* event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& e) {
        ++s_escaped;
        reportException(e);
    } catch (...) {
        // Not ours to judge: nothing is shown and the program goes on.
        ++s_escaped;
    }
    return true;
}

void TApplication::reportException(const std::exception& e)
{
    auto* app = qobject_cast<TApplication*>(QCoreApplication::instance());
    if (app && app->m_events && app->m_events->OnException)
        app->m_events->OnException(app->m_events, e);
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
    try {
        handler();
    } catch (const std::exception& e) {
        TApplication::reportException(e);
    } catch (...) {
        // Not ours to judge: nothing is shown and the program goes on.
    }
}
