#pragma once
// Drawing the spring's characteristic (engine/features/characteristic.h) with
// QPainter: force against deflection with its three labelled points, the
// spring's lengths on a scale along the top, the solid length, and the
// stress scale on the right with the allowable stress as a line. The same
// drawing serves the window, the printed page, the PDF and the SVG
// picture, in vectors throughout. Sizes are pixels of a 96-dpi canvas
// (fonts too), so the painter's transform alone sets the physical size.

class QPainter;
class QSizeF;
struct Characteristic;

// Paints the chart on a canvas of `size` with its top left at the origin.
// A chart with a refusal paints the refusal's text instead.
void paintCharacteristic(QPainter& painter, const QSizeF& size, const Characteristic& chart);
