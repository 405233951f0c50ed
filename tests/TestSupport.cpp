#include "TestSupport.h"

#include "app/Fonts.h"
#include "engine/DecimalSeparator.h"

#include <QApplication>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

namespace TestSupport {

void prepare()
{
    Fonts::installSubstitutions();
    DecimalSeparator::set(u',');
}

BoxSeen catchMessageBoxes(const std::function<void()>& action)
{
    BoxSeen seen;
    QTimer poll;
    poll.setInterval(10);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            ++seen.count;
            seen.caption = box->windowTitle();
            seen.text = box->text();
            box->button(QMessageBox::Ok)->click();
        }
    });
    poll.start();
    action();
    return seen;
}

void type(QWidget* w, const QString& keys)
{
    for (QChar c : keys)
        QTest::keyClick(w, c.toLatin1());
}

}
