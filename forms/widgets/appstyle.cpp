#include "forms/widgets/appstyle.h"

#include <QApplication>
#include <QFont>

void applyAppStyle(QApplication& app)
{
    app.setApplicationName(QStringLiteral("pruz"));
    app.setAttribute(Qt::AA_DontUseNativeDialogs);
    // The layouts were drawn for an 8 pt sans serif at 96 dpi (11 pixels);
    // Liberation Sans has the metrics of the font they were drawn for.
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(11);
    app.setFont(font);
}

QString programName()
{
    return QStringLiteral("Расчет пружин");
}
