// The diameter list is drawn in one face of the program's own, the sign
// and the digits alike.
#include "forms/widgets/appstyle.h"
#include "forms/widgets/diameterfont.h"

#include <QApplication>
#include <QGlyphRun>
#include <QTextLayout>
#include <QtTest>

class TestDiameterFont : public QObject {
    Q_OBJECT
private slots:
    void signAndDigitsInTheProgramsFace()
    {
        QTextLayout layout(QStringLiteral("  \u2205 1,25"), diameterListFont(QApplication::font(), 13));
        layout.beginLayout();
        layout.createLine();
        layout.endLayout();
        const QList<QGlyphRun> runs = layout.glyphRuns();
        QCOMPARE(runs.size(), 1);
        QCOMPARE(runs.front().rawFont().familyName(), QStringLiteral("Pruz Diameters"));
        QCOMPARE(runs.front().rawFont().pixelSize(), 13.0);
        QCOMPARE(runs.front().glyphIndexes().size(), 8);
        QVERIFY(!runs.front().glyphIndexes().contains(0)); // no missing glyph
    }
};

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    applyAppStyle(app);
    TestDiameterFont test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_diameterfont.moc"
