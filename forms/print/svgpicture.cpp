#include "forms/print/svgpicture.h"
#include "forms/print/printsupport.h"

#include <QPainter>

SvgPicture::SvgPicture(const QString& fileName, QWidget* parent)
    : QWidget(parent)
    , fileName_(fileName)
{
}

SvgPicture::~SvgPicture() = default;

void SvgPicture::paintEvent(QPaintEvent*)
{
    if (!drawing_)
        drawing_ = printSupport().readSvg(fileName_);
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    drawing_->render(painter, QRectF(rect()));
}
