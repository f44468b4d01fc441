#pragma once
// How a window shows one of its modal dialogs. The window holds a runner so
// that a test can play the dialog without starting a modal loop.

#include <QDialog>

#include <functional>

using DialogRunner = std::function<int(QDialog&)>;

inline int execDialog(QDialog& dialog)
{
    return dialog.exec();
}
