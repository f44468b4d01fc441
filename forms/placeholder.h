#pragma once
// A stand-in for a window that is not built yet: its caption, one line of
// text and an OK button. Shown modally or not, like the window it stands for.

#include <QString>

class QDialog;
class QWidget;

QDialog* makePlaceholder(QWidget* parent, const QString& caption, const QString& text);
