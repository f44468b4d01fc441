#pragma once
// The diameter sign (∅) in the window's face. Liberation Sans lacks it, and
// left to fontconfig the sign came from whichever face it found first (on
// Debian a Type 1 font, whose loading cost the start a third of a megabyte
// of memory). The program carries the sign alone as a font of its own
// (resources/diameter-sign.ttf, made by tools/make-sign-font.sh).

#include <QFont>

// `font`, with the program's sign font after its face.
QFont withDiameterSign(QFont font);
