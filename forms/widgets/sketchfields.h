#pragma once
// The 18 value fields of the spring sketch: where each lies over the
// drawing (client-area pixels) and which value of the result it
// shows. The drawing in resources/sketch.svg has a box with the same
// rectangle under every field and the field's label to the left of it.

#include <QRect>

#include <array>

struct CalcValues;

struct SketchField {
    const char* name; // object name of the field, also the id suffix in the drawing
    QRect rect;
    double (*value)(const CalcValues& p);
};

extern const std::array<SketchField, 18> kSketchFields;

// The pitch field's value: the one field that may show a value that is no
// pitch (isPitch).
double pitchOf(const CalcValues& p);
