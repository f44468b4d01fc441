#pragma once
// The sketch on paper and in its PDF, drawn from the results rather than
// from the window: the drawing, every value whole in its box (a value too
// long for its box is rounded as the chart rounds, and a box still too
// narrow grows to the right), no buttons, and a title block under it.

#include <QRect>
#include <QString>

#include <vector>

class QFontMetricsF;
class QPagedPaintDevice;
struct CalcValues;
struct ReportHeader;

struct SketchValue {
    QRect box; // in the window's pixels, widened where the text needs it
    QString text;
};

// The 18 values as printed with `metrics` (the print font's).
std::vector<SketchValue> sketchPageValues(const CalcValues& p, const QFontMetricsF& metrics);

// One page; false when the device could not be opened.
bool paintSketchPage(QPagedPaintDevice& device, const CalcValues& p, const ReportHeader& header);
