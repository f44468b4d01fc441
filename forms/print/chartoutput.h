#pragma once
// The spring's characteristic on paper and in files: one page on a printer
// (or any paged device), a PDF and an SVG picture, each drawn anew in
// vectors by paintCharacteristic. On a page the chart keeps the physical
// size of a 96-dpi canvas as wide as the printable area and at most three
// quarters as high as it is wide, from the area's top left.

#include <QByteArray>
#include <QSize>

class QPagedPaintDevice;
struct Characteristic;

// False when the device could not be opened or the job failed.
bool paintChartPage(QPagedPaintDevice& device, const Characteristic& chart);

// The chart on an A4 landscape page; empty when it could not be made.
QByteArray chartPdf(const Characteristic& chart);

// The chart as an SVG picture of `size` pixels; empty when it could not be made.
QByteArray chartSvg(const Characteristic& chart, const QSize& size);
