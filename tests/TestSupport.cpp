#include "TestSupport.h"
#include "controls/TEdit.h"
#include <QStackedWidget>
#include <algorithm>

#include "app/Fonts.h"
#include "app/TfrmMain.h"
#include "app/TopicLists.h"
#include "app/DecimalSeparator.h"

#include <QAbstractButton>
#include <QClipboard>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

namespace TestSupport {

QWidget* currentPage(TfrmMain* main)
{
    return main->findChild<QStackedWidget*>("Equacoes")->currentWidget();
}

std::vector<TEdit*> editableFields(TfrmMain* main)
{
    std::vector<TEdit*> fields;
    QWidget* page = currentPage(main);
    for (TEdit* f : page->findChildren<TEdit*>()) {
        if (f->isVisibleTo(page) && !f->isReadOnly())
            fields.push_back(f);
    }
    std::sort(fields.begin(), fields.end(), [](TEdit* a, TEdit* b) { return std::pair(a->y(), a->x()) < std::pair(b->y(), b->x()); });
    return fields;
}

void prepare()
{
    // Each test program keeps the settings it writes (the panel shown or hidden) to itself.
    static QTemporaryDir settingsDir;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settingsDir.path());
    Fonts::installSubstitutions();
    Fonts::installApplicationFont();
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

namespace TestSupport {

QWidget* Student::widget(const char* name) const
{
    QWidget* w = m_window->findChild<QWidget*>(QLatin1String(name));
    if (!w) {
        // A topic of a list not shown yet: its list is built as its area would build it.
        if (auto* main = qobject_cast<TfrmMain*>(m_window)) {
            main->lists().buildAll();
            w = m_window->findChild<QWidget*>(QLatin1String(name));
        }
    }
    if (!w)
        qFatal("no widget named %s", name);
    return w;
}

void Student::click(const char* button)
{
    QWidget* w = widget(button);
    if (auto* b = qobject_cast<QAbstractButton*>(w)) {
        b->click();
        return;
    }
    const QPoint centre = w->rect().center();
    QTest::mousePress(w, Qt::LeftButton, {}, centre);
    QTest::mouseRelease(w, Qt::LeftButton, {}, centre);
}

void Student::fill(std::initializer_list<std::pair<const char*, QString>> values)
{
    for (const auto& [name, value] : values)
        qobject_cast<QLineEdit*>(widget(name))->setText(value);
}

QString Student::text(const char* field) const
{
    return qobject_cast<QLineEdit*>(widget(field))->text();
}

QString Student::caption(const char* label) const
{
    return qobject_cast<QLabel*>(widget(label))->text();
}

QString Student::solve(const char* topic, std::initializer_list<std::pair<const char*, QString>> values,
                       const char* calcular, const char* result, int* boxes)
{
    click(topic);
    fill(values);
    const BoxSeen seen = catchMessageBoxes([&] { click(calcular); });
    if (boxes)
        *boxes = seen.count;
    return text(result);
}

}

namespace TestSupport {

ShownWindow::ShownWindow()
    : main((DecimalSeparator::set(u','), new TfrmMain))
    , student(main)
{
    main->show();
    if (!QTest::qWaitForWindowExposed(main))
        qFatal("the main window was not shown");
}

ShownWindow::~ShownWindow()
{
    delete main;
}

}
