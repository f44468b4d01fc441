#pragma once
// The look every window shares: the font the fixed layouts are drawn for
// and the program's name in message box captions.

#include <QString>

class QApplication;

void applyAppStyle(QApplication& app);

// The caption of message boxes. Not set as Qt's application display name,
// which the platform would append to every window caption.
QString programName();
