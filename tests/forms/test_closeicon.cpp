// The main window's close icon, made without the image format plugins, is
// the style's own, pixel for pixel, at the sizes a button shows.
#include "forms/appstyle.h"
#include "forms/closeicon.h"

#include <QApplication>
#include <QStyle>
#include <QtTest>

class TestCloseIcon : public QObject {
    Q_OBJECT
private slots:
    void isTheStylesIcon()
    {
        QStyle* style = QApplication::style();
        const QIcon ours = closeButtonIcon(style);
        const QIcon styles = style->standardIcon(QStyle::SP_DialogCloseButton);
        for (int size : { 16, 24, 32, 64 })
            QCOMPARE(ours.pixmap(size).toImage(), styles.pixmap(size).toImage());
    }
};

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    applyAppStyle(app);
    TestCloseIcon test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_closeicon.moc"
