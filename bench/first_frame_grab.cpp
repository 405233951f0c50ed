// Saves what the program's window shows in its first frame, and again once start-up has
// settled, so a change to start-up can be checked pixel for pixel against the one before.
// The folder is named by VELQUORA_GRAB_DIR (the program's own arguments are its commands):
// first.png and settled.png, first.txt and settled.txt (the focused control, and each shown
// control's place, size, accessible name and description, in the order of the window's tree).
#include "app/Startup.h"

#include <QAccessible>
#include <QApplication>
#include <QDir>
#include <QEvent>
#include <QFile>
#include <QTextStream>
#include <QTimer>
#include <QWidget>
#include <cstdio>

namespace {

QString folder()
{
    return qEnvironmentVariable("VELQUORA_GRAB_DIR", QStringLiteral("."));
}

void saveState(QWidget* window, const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Text))
        return;
    QTextStream out(&file);
    const QWidget* focus = QApplication::focusWidget();
    out << "focus " << (focus ? focus->objectName() : QStringLiteral("-")) << '\n';
    QList<QWidget*> widgets = window->findChildren<QWidget*>();
    widgets.prepend(window);
    for (const QWidget* w : widgets) {
        if (!w->isVisible())
            continue;
        const QRect g(w->mapTo(window, QPoint(0, 0)), w->size());
        QAccessibleInterface* a = QAccessible::queryAccessibleInterface(const_cast<QWidget*>(w));
        out << w->metaObject()->className() << ' ' << w->objectName() << ' ' << g.x() << ',' << g.y() << ' '
            << g.width() << 'x' << g.height() << " \"" << (a ? a->text(QAccessible::Name) : QString()) << "\" \""
            << (a ? a->text(QAccessible::Description) : QString()) << "\"\n";
    }
}

class Grabber : public QObject
{
public:
    explicit Grabber(QWidget* window)
        : QObject(window)
        , m_window(window)
    {
    }

    bool eventFilter(QObject*, QEvent* e) override
    {
        if (e->type() != QEvent::Paint || m_seen)
            return false;
        m_seen = true;
        // Right after the first frame was flushed, before anything else runs.
        QTimer::singleShot(0, this, [this] {
            m_window->grab().save(QDir(folder()).filePath(QStringLiteral("first.png")));
            saveState(m_window, QDir(folder()).filePath(QStringLiteral("first.txt")));
            QTimer::singleShot(500, this, [this] {
                m_window->grab().save(QDir(folder()).filePath(QStringLiteral("settled.png")));
                saveState(m_window, QDir(folder()).filePath(QStringLiteral("settled.txt")));
                QCoreApplication::quit();
            });
        });
        return false;
    }

private:
    QWidget* m_window;
    bool m_seen = false;
};

}

int main(int argc, char** argv)
{
    return Startup::run(argc, argv, [](QWidget* window) { window->installEventFilter(new Grabber(window)); });
}
