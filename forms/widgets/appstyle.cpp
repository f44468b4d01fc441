#include "forms/widgets/appstyle.h"
#include "forms/widgets/storedpictures.h"

#include <QApplication>
#include <QFont>
#include <QGroupBox>
#include <QProxyStyle>
#include <QStyleOption>
#include <qdrawutil.h>

namespace {

// Fusion's distance from a group box's title to its frame.
constexpr int kGroupBoxTopMargin = 3;

// Fusion draws a group box's frame from a picture in Qt's resources that it
// reads with QPixmap's format guessing, and the guessing loads every image
// format plugin there is (JPEG's library with them) before the main window
// can show. This draws the same picture where Fusion would, stored in the
// program as pixels; everything else is the desktop's style.
class GroupFrameStyle : public QProxyStyle {
public:
    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
        const QWidget* widget) const override
    {
        if (element != PE_FrameGroupBox || baseStyle()->name() != QLatin1String("fusion")
            || frame().isNull()) {
            QProxyStyle::drawPrimitive(element, option, painter, widget);
            return;
        }
        int topMargin = kGroupBoxTopMargin;
        const auto* box = qobject_cast<const QGroupBox*>(widget);
        if (!box || box->isCheckable() || !box->title().isEmpty())
            topMargin += qMax(pixelMetric(PM_ExclusiveIndicatorHeight), option->fontMetrics.height());
        qDrawBorderPixmap(painter, option->rect.adjusted(0, topMargin, 0, 0), QMargins(6, 6, 6, 6), frame());
    }

private:
    static const QPixmap& frame()
    {
        static const QPixmap picture = QPixmap::fromImage(storedPicture("fusion_groupbox"));
        return picture;
    }
};

} // namespace

QStyle* makeAppStyle()
{
    return new GroupFrameStyle;
}

void applyAppStyle(QApplication& app)
{
    app.setApplicationName(QStringLiteral("pruz"));
    app.setAttribute(Qt::AA_DontUseNativeDialogs);
    QApplication::setStyle(makeAppStyle());
    // The layouts were drawn for an 8 pt sans serif at 96 dpi (11 pixels);
    // Liberation Sans has the metrics of the face they were drawn for.
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(11);
    app.setFont(font);
}

QString programName()
{
    return QStringLiteral("Расчет пружин");
}
