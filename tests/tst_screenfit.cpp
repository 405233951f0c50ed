// The main window on a 1 920 × 1 200 screen at twice the pixel ratio (960 × 600): with the
// Resolução panel shown it still fits, the panel scrolling what it cannot show.
#include "TestSupport.h"

#include "app/Application.h"
#include "app/Resolution.h"
#include "app/ResolutionPanel.h"
#include "app/TfrmMain.h"

#include <QAction>
#include <QFile>
#include <QListWidget>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>

class TestScreenFit : public QObject
{
    Q_OBJECT

private slots:
    void panelScrollsOnAShortScreen();
};

void TestScreenFit::panelScrollsOnAShortScreen()
{
    TestSupport::ShownWindow window;
    TfrmMain* main = window.main;
    QCOMPARE(main->screen()->devicePixelRatio(), 2.0);
    const QRect area = main->screen()->availableGeometry();
    QCOMPARE(area.height(), 600);
    main->findChild<QAction*>("Resolucao1")->trigger();
    QVERIFY(main->resolution().isShown());
    QTRY_VERIFY2(area.contains(main->frameGeometry()), qPrintable(QStringLiteral("%1 × %2 at %3")
                                                                     .arg(main->frameGeometry().width())
                                                                     .arg(main->frameGeometry().height())
                                                                     .arg(main->frameGeometry().top())));
    // The pages above keep their size; the panel under them scrolls to every control.
    QCOMPARE(main->centralWidget()->width(), Resolution::clientWidth);
    auto* scroll = main->findChild<QScrollArea*>("ResolucaoRolagem");
    QVERIFY(scroll->isVisible());
    QVERIFY(scroll->height() < ResolutionPanel::panelHeight);
    QCOMPARE(scroll->geometry().bottom(), main->centralWidget()->height() - 1);
    QVERIFY(scroll->verticalScrollBar()->isVisible());
    QCOMPARE(scroll->verticalScrollBar()->maximum(), ResolutionPanel::panelHeight - scroll->viewport()->height());
    ResolutionPanel* panel = main->resolution().panel();
    QCOMPARE(panel->width(), scroll->viewport()->width());
    for (QWidget* w : {static_cast<QWidget*>(panel->list()), panel->copyButton(), panel->clearButton()}) {
        scroll->ensureWidgetVisible(w, 0, 0);
        const QRect shown(w->mapTo(scroll->viewport(), QPoint(0, 0)), w->size());
        QVERIFY2(scroll->viewport()->rect().contains(shown.topLeft()) && shown.right() < scroll->viewport()->width(),
                 qPrintable(w->objectName()));
    }
    // Hidden again, the window is as it was.
    main->findChild<QAction*>("Resolucao1")->trigger();
    QCOMPARE(main->centralWidget()->size(), QSize(Resolution::clientWidth, Resolution::clientHeight));
}

// A screen of 1 920 × 1 200 pixels, at twice the pixel ratio, as the offscreen platform
// is told before the application starts.
int main(int argc, char** argv)
{
    QTemporaryDir dir;
    const QString config = dir.filePath(QStringLiteral("screen.json"));
    QFile file(config);
    if (!file.open(QIODevice::WriteOnly))
        return 1;
    file.write(R"({"screens": [{"name": "tall", "x": 0, "y": 0, "width": 1920, "height": 1200}]})");
    file.close();
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + config.toLocal8Bit());
    qputenv("QT_SCALE_FACTOR", "2");
    TApplication app(argc, argv);
    TestSupport::prepare();
    TestScreenFit tc;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&tc, argc, argv);
}

#include "tst_screenfit.moc"
