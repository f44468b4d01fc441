#pragma once
// The diameter list's face: DejaVu Sans's printable ASCII and its diameter
// sign (∅), carried by the program (resources/diameters.ttf, made by
// tools/make-diameter-font.sh). The window's face, Liberation Sans, lacks
// the sign; left to fontconfig, the sign came from whichever face it found
// first (on Debian a Type 1 font that cost the start a third of a megabyte),
// and naming a second face for it made Qt have fontconfig rank every
// installed font. One face with every character of the list needs neither.

#include <QFont>

// The face at `pixelSize`; `window` when it cannot be had.
QFont diameterListFont(const QFont& window, int pixelSize);
