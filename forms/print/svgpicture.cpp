#include "forms/print/svgpicture.h"

#include <QPainter>
#include <QSvgRenderer>

SvgPicture::SvgPicture(const QString& fileName, QWidget* parent)
    : QWidget(parent)
    , fileName_(fileName)
{
}

SvgPicture::~SvgPicture() = default;

void SvgPicture::paintEvent(QPaintEvent*)
{
    if (!drawing_)
        drawing_ = std::make_unique<QSvgRenderer>(fileName_);
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    drawing_->render(&painter, QRectF(rect()));
}
