#pragma once
// Puts the numeric key filter of the input fields (forms/inputfloat.h) on
// one line edit: each key is translated by inputFloat into `lastKey`, and a
// key that gives a character inserts that character or nothing, by
// acceptKey. Keys that give no character (arrows, Delete, Tab) and Enter and
// Escape, which belong to the dialog's buttons, pass unchanged.

#include <QObject>

class QLineEdit;

class FloatKeyFilter : public QObject {
public:
    FloatKeyFilter(char& lastKey, QLineEdit& field);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    char& lastKey_;
    QLineEdit& field_;
};
