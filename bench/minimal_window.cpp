// The start-up benchmark's baseline: the least a Qt Widgets program does to
// show a window with one line of text. Built on its own, linking Qt Widgets
// only, so that what pruz loads besides shows in the comparison. Runs until
// it is killed.
#include <QApplication>
#include <QLabel>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QLabel label(QStringLiteral("Расчет пружин"));
    label.resize(539, 443);
    label.show();
    return app.exec();
}
