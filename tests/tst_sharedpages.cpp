// A page shown by several topics, of one area or of several, reads the same whichever
// of its topics came before: the catalogue gives each page's topics.
#include "AreaHarness.h"
#include "TestSupport.h"

#include "app/Application.h"
#include "app/DecimalSeparator.h"

#include <QTest>

class TestSharedPages : public QObject
{
    Q_OBJECT

private slots:
    void init() { DecimalSeparator::set(u','); }
    void visitOrders_data() { AreaHarness::sharedPageColumns(); AreaHarness::sharedPageRows(); }
    void visitOrders() { AreaHarness::checkSharedPageRow(); }
};

VELQUORA_TEST_MAIN(TestSharedPages)
#include "tst_sharedpages.moc"
