#pragma once
// The look every window shares: the font the fixed layouts are drawn for
// and the program's name in message box captions.

class QApplication;

void applyAppStyle(QApplication& app);
