// A random walk over the whole program, reproducible from its seed: set VELQUORA_MONKEY_SEED
// to replay one, VELQUORA_MONKEY_ACTIONS for a longer walk.
#include "Monkey.h"
#include "TestSupport.h"

#include "app/Application.h"

#include <QTest>

class TestMonkey : public QObject
{
    Q_OBJECT

private slots:
    void walk()
    {
        const std::uint64_t seed = qEnvironmentVariableIsSet("VELQUORA_MONKEY_SEED")
            ? qEnvironmentVariable("VELQUORA_MONKEY_SEED").toULongLong()
            : 20261209;
        const long actions = qEnvironmentVariableIntValue("VELQUORA_MONKEY_ACTIONS") > 0
            ? qEnvironmentVariableIntValue("VELQUORA_MONKEY_ACTIONS")
            : 20000;
        const Monkey::Result r = Monkey::walk(seed, actions);
        qInfo("seed %llu: %ld actions, %ld calculations, %ld results, %ld warning boxes, %ld conversions",
              static_cast<unsigned long long>(seed), r.actions, r.calculations, r.results, r.warnings, r.conversions);
        QVERIFY2(r.failure.isEmpty(), qPrintable(r.failure));
        QVERIFY(r.results > 0 && r.warnings > 0 && r.conversions > 0);
    }
};

VELQUORA_TEST_MAIN(TestMonkey)
#include "tst_monkey.moc"
