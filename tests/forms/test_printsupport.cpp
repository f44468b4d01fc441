// Printing without its module, missing or broken: the program says why it
// cannot print and goes on; pages are still set up, pictures stay empty.
#include "forms/print/printsupport.h"
#include "helpers/onmodal.h"

#include <QApplication>
#include <QMessageBox>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QTemporaryDir>
#include <QtTest>

class TestPrintSupport : public QObject {
    Q_OBJECT
private slots:
    void withoutTheModule_data()
    {
        QTest::addColumn<QByteArray>("contents"); // empty: no file at all
        QTest::newRow("missing") << QByteArray();
        QTest::newRow("not a library") << QByteArray("not a library\n");
    }
    void withoutTheModule()
    {
        QFETCH(QByteArray, contents);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("libpruzprint.so"));
        if (!contents.isEmpty()) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(contents);
        }
        PrintSupport& print = loadPrintSupport(path);

        const auto printer = print.makePrinter();
        print.setUpPage(*printer, QPageLayout::Landscape);
        QCOMPARE(printer->pageLayout().orientation(), QPageLayout::Landscape);
        QVERIFY(!print.isRealPrinter(*printer));
        QVERIFY(print.resolution(*printer) > 0);

        QString said;
        OnModal answer([&](QWidget* modal) {
            said = qobject_cast<QMessageBox*>(modal)->text();
            modal->close();
        });
        QVERIFY(!print.askPrinter(*printer, nullptr));
        QVERIFY2(said.startsWith(QStringLiteral("Печать недоступна: ")), qPrintable(said));

        QVERIFY(print.makeSvg(QSize(10, 10), QStringLiteral("t"), [](QPainter& p) { p.drawLine(0, 0, 9, 9); })
                    .isEmpty());
        QImage image(20, 20, QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        print.readSvg(QStringLiteral(":/sketch/sketch.svg"))->render(painter, QRectF(image.rect()));
        painter.end();
        QImage white(image.size(), image.format());
        white.fill(Qt::white);
        QCOMPARE(image, white);
    }
};

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    TestPrintSupport test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_printsupport.moc"
