#pragma once

#include <QString>
#include <QWidget>
#include <functional>
#include <initializer_list>
#include <utility>
#include <vector>

class TEdit;
class TfrmMain;

namespace TestSupport {

// Sets up what the program's start-up sets up (fonts, the comma as decimal separator).
void prepare();

// Runs `action`; a modal message box it opens is answered with OK and its caption and
// text are returned ("" and "" when none opened).
struct BoxSeen
{
    int count = 0;
    QString caption;
    QString text;
};
BoxSeen catchMessageBoxes(const std::function<void()>& action);

// The equation page on show, and the fields a student fills there, top to bottom.
QWidget* currentPage(TfrmMain* main);
std::vector<TEdit*> editableFields(TfrmMain* main);

// The part of `window` named `name`; a test without it cannot go on.
template <class W>
W* part(QWidget* window, const char* name)
{
    auto* w = window->findChild<W*>(QLatin1String(name));
    if (!w)
        qFatal("no %s", name);
    return w;
}

// Types `keys` into `w` one key press at a time.
void type(QWidget* w, const QString& keys);

// The main window as a student uses it: click buttons by name, fill fields, read them.
class Student
{
public:
    explicit Student(QWidget* mainWindow) : m_window(mainWindow) { }

    // A topic, area or Calcular button (the latter pressed and released with the mouse).
    void click(const char* button);
    // Fills the named fields in order (an empty text leaves the field blank).
    void fill(std::initializer_list<std::pair<const char*, QString>> values);
    QString text(const char* field) const;
    QString caption(const char* label) const;
    QWidget* widget(const char* name) const;
    // Chooses `topic`, fills the fields, presses `calcular` and returns the text of
    // `result`, with the number of warning boxes shown in `boxes`.
    QString solve(const char* topic, std::initializer_list<std::pair<const char*, QString>> values,
                  const char* calcular, const char* result, int* boxes = nullptr);

private:
    QWidget* m_window;
};

// A main window shown as the program starts it (comma locale), a student at it.
struct ShownWindow
{
    ShownWindow();
    ~ShownWindow();
    ShownWindow(const ShownWindow&) = delete;
    ShownWindow& operator=(const ShownWindow&) = delete;

    TfrmMain* main;
    Student student;
};

}

// A test main with the program's own application object (and so its exception hook).
#define VELQUORA_TEST_MAIN(TestObject)                                                                                 \
    int main(int argc, char** argv)                                                                                    \
    {                                                                                                                  \
        TApplication app(argc, argv);                                                                                  \
        TestSupport::prepare();                                                                                        \
        TestObject tc;                                                                                                 \
        QTEST_SET_MAIN_SOURCE_PATH                                                                                     \
        return QTest::qExec(&tc, argc, argv);                                                                          \
    }
