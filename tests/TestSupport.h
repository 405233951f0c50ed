#pragma once

#include <QString>
#include <functional>

class QWidget;

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

// Types `keys` into `w` one key press at a time.
void type(QWidget* w, const QString& keys);

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
