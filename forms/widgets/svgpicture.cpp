#include "forms/widgets/svgpicture.h"

#include <QPainter>

SvgPicture::SvgPicture(const QString& fileName, QWidget* parent)
    : QWidget(parent)
    , renderer_(fileName)
{
}

void SvgPicture::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    renderer_.render(&painter, QRectF(rect()));
}
