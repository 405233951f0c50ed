#pragma once

#include <QApplication>
#include <QPointer>
#include <exception>
#include <functional>

class TApplicationEvents;

// The application: exceptions that escape a window's event handler are handed to the
// main window's application events component (the exception hook), where the handler
// runs; notify() is the safety net for anything thrown past one.
class TApplication : public QApplication
{
    Q_OBJECT

public:
    TApplication(int& argc, char** argv);

    bool notify(QObject* receiver, QEvent* event) override;

    void setApplicationEvents(TApplicationEvents* events) { m_events = events; }

    // Hands `e` to the exception hook, when the program has one.
    static void reportException(const std::exception& e);

    // How many exceptions the safety net caught: each is one that escaped a handler.
    static int escapedExceptions() { return s_escaped; }

protected:
    bool event(QEvent* event) override;

private:
    QPointer<TApplicationEvents> m_events;
    static inline int s_escaped = 0;
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

// Runs a window's event handler and hands whatever it throws to the exception hook right
// there, so no exception unwinds through Qt's own frames, which are not built to carry
// one.
void runEventHandler(const std::function<void()>& handler);
