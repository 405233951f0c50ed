#pragma once

#include <QApplication>
#include <QPointer>
#include <exception>
#include <functional>

class TApplicationEvents;

// The application: its notify() is the one place where exceptions that escape an event
// handler end up; it hands them to the main window's application events component.
class TApplication : public QApplication
{
    Q_OBJECT

public:
    TApplication(int& argc, char** argv);

    bool notify(QObject* receiver, QEvent* event) override;

    void setApplicationEvents(TApplicationEvents* events) { m_events = events; }

protected:
    bool event(QEvent* event) override;

private:
    void reportException(const std::exception& e);

    QPointer<TApplicationEvents> m_events;
};

// Handles the application's events on a window's behalf (the exception hook).
class TApplicationEvents : public QObject
{
    Q_OBJECT

public:
    using ExceptionHandler = std::function<void(QObject* sender, const std::exception& e)>;

    explicit TApplicationEvents(QObject* owner);

    ExceptionHandler OnException;
};

// Runs a window's event handler as an event of its own, sent through the application:
// whatever it throws reaches notify() directly instead of unwinding through Qt's input
// handling, which is not built to carry exceptions.
void runEventHandler(const std::function<void()>& handler);
