#pragma once
// The behaviour of one numeric input field: the key filter on key-down
// (inputFloat into lastKey), the character test on key-press (the
// filter's character is inserted instead of the typed one, so the full stop
// key types a comma) and the tidying when the field loses the focus. Keys
// that give no character (arrows, Home, End, Delete, Tab) keep their effect,
// and so do the standard edit keys (copy, cut, paste, select all, undo).
// Pasted text, by key, context menu or middle click, goes through the same
// rules as typed text; nothing can be dropped into the field. Ctrl keys
// that are not edit keys reach the window's shortcuts.
//
// Used by the nine fields of the main window and by the new-diameter dialog.
// In a dialog, Enter and Escape belong to its buttons, and leaving the field
// only drops a trailing comma.

#include "forms/widgets/inputfloat.h"

#include <QObject>

class QLineEdit;

class NumericField : public QObject {
    Q_OBJECT
public:
    enum class Role { FormField, DialogField };

    // Filters `edit`, whose parent owns this object.
    NumericField(QLineEdit* edit, FieldKind kind, Role role = Role::FormField);

    // The three handlers, callable on their own.
    void keyDown(const QKeyEvent& event);
    // True when the key was handled here (inserted or refused).
    bool keyPress(const QKeyEvent& event);
    void exit();
    // Inserts what the typing rules let through of `text`, replacing the
    // selection; nothing changes when nothing usable remains.
    void paste(const QString& text);
    // The character the key filter let through at the last key-down, for
    // the key-press that follows.
    char lastKey() const { return lastKey_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool filterKey(const QKeyEvent& key);
    void showContextMenu(const QPoint& globalPos);

    QLineEdit* edit_;
    FieldKind kind_;
    Role role_;
    char lastKey_ = 0;
};
