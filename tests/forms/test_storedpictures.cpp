// The pictures stored in the program are their PNG files' pixels.
#include "forms/widgets/storedpictures.h"

#include <QApplication>
#include <QtTest>

class TestStoredPictures : public QObject {
    Q_OBJECT
private slots:
    void equalTheirSources()
    {
        QVERIFY(storedPictures.size() > 0);
        for (const StoredPicture& picture : storedPictures) {
            const QString source = QString::fromUtf8(picture.source);
            QImage png = QImage(source.startsWith(QStringLiteral(":/")) ? source : PROJECT_DIR + source)
                             .convertToFormat(QImage::Format_ARGB32_Premultiplied);
            QVERIFY2(!png.isNull(), picture.source);
            png.setDevicePixelRatio(1); // the stored one is plain pixels; glyph() sets it
            QCOMPARE(storedPicture(picture.name), png);
        }
        QVERIFY(storedPicture("no such picture").isNull());
    }
};

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    TestStoredPictures test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_storedpictures.moc"
