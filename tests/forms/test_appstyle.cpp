// The program's style draws every group box as the desktop's Fusion style
// does, pixel for pixel, though it reads Fusion's frame picture itself.
#include "forms/widgets/appstyle.h"

#include <QApplication>
#include <QGroupBox>
#include <QStyle>
#include <QStyleFactory>
#include <QtTest>
#include <memory>

class TestAppStyle : public QObject {
    Q_OBJECT
private slots:
    void groupBoxAsFusionDrawsIt_data()
    {
        QTest::addColumn<QString>("title");
        QTest::addColumn<bool>("checkable");
        QTest::newRow("titled") << QStringLiteral("Группа пружины") << false;
        QTest::newRow("untitled") << QString() << false;
        QTest::newRow("checkable") << QStringLiteral("Проверка") << true;
    }
    void groupBoxAsFusionDrawsIt()
    {
        QFETCH(QString, title);
        QFETCH(bool, checkable);
        const std::unique_ptr<QStyle> fusion(QStyleFactory::create(QStringLiteral("fusion")));
        const std::unique_ptr<QStyle> ours(makeAppStyle());
        auto draw = [&](QStyle* style) {
            QGroupBox box(title);
            box.setCheckable(checkable);
            box.setStyle(style);
            box.resize(120, 70);
            return box.grab().toImage();
        };
        const QImage expected = draw(fusion.get());
        QCOMPARE(draw(ours.get()), expected);
        // The comparison sees a style's difference.
        const std::unique_ptr<QStyle> windows(QStyleFactory::create(QStringLiteral("windows")));
        QVERIFY(draw(windows.get()) != expected);
    }
};

int main(int argc, char** argv)
{
    QApplication::setStyle(QStringLiteral("fusion"));
    QApplication app(argc, argv);
    TestAppStyle test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_appstyle.moc"
