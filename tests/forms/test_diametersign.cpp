// The diameter column's sign is drawn from the program's own font, its
// digits from the window's face.
#include "forms/widgets/appstyle.h"
#include "forms/widgets/diametersign.h"

#include <QApplication>
#include <QGlyphRun>
#include <QTextLayout>
#include <QtTest>

class TestDiameterSign : public QObject {
    Q_OBJECT
private slots:
    void signFromTheProgramsFontDigitsFromTheWindows()
    {
        QFont font = withDiameterSign(QApplication::font());
        font.setPixelSize(13);
        QTextLayout layout(QStringLiteral("  \u2205 1,2"), font);
        layout.beginLayout();
        layout.createLine();
        layout.endLayout();
        QStringList faces;
        for (const QGlyphRun& run : layout.glyphRuns())
            faces << run.rawFont().familyName();
        faces.sort();
        QCOMPARE(
            faces, (QStringList { QApplication::font().family(), QStringLiteral("Pruz Diameter Sign") }));
    }
};

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    applyAppStyle(app);
    TestDiameterSign test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_diametersign.moc"
