// Where windows open: fully on their screen, and the report beside the
// main window when there is room.

#include "forms/widgets/screenfit.h"

#include <QApplication>
#include <QDialog>
#include <QScreen>
#include <QTest>

class TestScreenfit : public QObject {
    Q_OBJECT

private slots:
    void fitted_data()
    {
        QTest::addColumn<QRect>("frame");
        QTest::addColumn<QRect>("fitted");
        QTest::newRow("inside stays") << QRect(10, 20, 300, 200) << QRect(10, 20, 300, 200);
        QTest::newRow("too wide, left of the screen")
            << QRect(-46, 100, 1120, 500) << QRect(0, 100, 1024, 500);
        QTest::newRow("past the bottom right") << QRect(900, 700, 300, 200) << QRect(724, 568, 300, 200);
        QTest::newRow("too tall") << QRect(10, 10, 300, 900) << QRect(10, 0, 300, 768);
    }
    void fitted()
    {
        QFETCH(QRect, frame);
        QFETCH(QRect, fitted);
        QCOMPARE(fittedOnScreen(frame, QRect(0, 0, 1024, 768)), fitted);
    }

    void beside_data()
    {
        QTest::addColumn<QRect>("main");
        QTest::addColumn<int>("height"); // of the window placed, 550 wide
        QTest::addColumn<QPoint>("at"); // (-1, -1): none
        QTest::newRow("room on the right") << QRect(0, 50, 400, 470) << 380 << QPoint(400, 50);
        QTest::newRow("room only on the left") << QRect(600, 50, 424, 470) << 380 << QPoint(50, 50);
        QTest::newRow("room only below") << QRect(200, 20, 550, 350) << 380 << QPoint(200, 370);
        QTest::newRow("no room: at the right edge") << QRect(200, 50, 550, 470) << 380 << QPoint(474, 50);
        QTest::newRow("taller than the screen") << QRect(200, 50, 550, 470) << 800 << QPoint(-1, -1);
    }
    void beside()
    {
        QFETCH(QRect, main);
        QFETCH(int, height);
        QFETCH(QPoint, at);
        const auto placed = placeBeside(main, QSize(550, height), QRect(0, 0, 1024, 768));
        QCOMPARE(placed.value_or(QPoint(-1, -1)), at);
    }

    // A window larger than the screen, placed partly off it, opens whole.
    void shownWindowFitsItsScreen()
    {
        KeepOnScreen keep;
        qApp->installEventFilter(&keep);
        QWidget window;
        const QRect available = window.screen()->availableGeometry();
        window.setGeometry(available.left() - 46, available.top() + 10, available.width() + 96, 200);
        window.show();
        QVERIFY(available.contains(window.frameGeometry()));
        qApp->removeEventFilter(&keep);
    }

    // A dialog opens over its window, as Qt places it, and is moved only as
    // far as the screen's edge asks.
    void dialogOverItsWindow_data()
    {
        QTest::addColumn<QPoint>("corner"); // of the window, from the screen's bottom right
        QTest::addColumn<bool>("centred");
        QTest::newRow("window in the middle") << QPoint(-600, -500) << true;
        QTest::newRow("window at the bottom right") << QPoint(-399, -299) << false;
    }
    void dialogOverItsWindow()
    {
        QFETCH(QPoint, corner);
        QFETCH(bool, centred);
        KeepOnScreen keep;
        qApp->installEventFilter(&keep);
        QWidget window;
        const QRect available = window.screen()->availableGeometry();
        window.setGeometry(QRect(available.bottomRight() + corner, QSize(400, 300)));
        window.show();
        QDialog dialog(&window);
        dialog.resize(600, 400);
        dialog.show();
        const QRect frame = dialog.frameGeometry();
        QVERIFY(available.contains(frame));
        QCOMPARE(frame.center() == window.frameGeometry().center(), centred);
        QVERIFY(frame.intersects(window.frameGeometry()));
        qApp->removeEventFilter(&keep);
    }
};

QTEST_MAIN(TestScreenfit)
#include "test_screenfit.moc"
