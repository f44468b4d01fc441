#pragma once
// The numeric key filter of the input fields (main window and the
// new-diameter dialog): a key gives a digit, the decimal comma, backspace
// or nothing, by the physical key, whatever Shift and the keyboard layout
// do. Main-keyboard and keypad digits give digits, the comma and full stop
// keys and the keypad decimal key give ",", Backspace gives backspace.

#include <QString>

class QKeyEvent;

constexpr char kBackspace = 8;

// The character the key gives (the new lastKey), 0 for nothing. Uses the
// native X11 key code where the platform supplies one, Qt::KeypadModifier
// for the keypad, and the Qt key as the fallback.
char inputFloat(const QKeyEvent& event);

enum class FieldKind { Float, Integer };

// Whether the character the filter gave may be inserted into a field whose
// whole text (before the insertion) is `text`: a second comma and a leading
// double zero are refused; integer fields refuse the comma; 0 is refused.
bool acceptKey(FieldKind kind, char lastKey, const QString& text);

// A field that shows a lone "0" holds no number yet: a digit typed into it
// replaces the zero, wherever the caret stands, and a comma goes after it.
bool replacesLoneZero(char lastKey, const QString& text);

// Tidying when a field loses the focus: a trailing comma goes, an empty
// text becomes "0".
QString tidyOnExit(const QString& text);

// The standard edit keys a field lets through: copy, cut, paste, select
// all, undo and redo (Ctrl+C, Ctrl+Insert, Ctrl+X, Shift+Delete, Ctrl+V,
// Shift+Insert, Ctrl+A, Ctrl+Z, ...).
bool isEditKey(const QKeyEvent& event);

// What of `pasted` goes into a field holding `text` (the selection already
// taken out) at `caret`: each character as if typed there, a full stop
// typing a comma, under the rules of acceptKey; everything else is dropped.
QString pastedText(FieldKind kind, const QString& pasted, QString text, qsizetype caret);

// Whether a key press would give a character to the field (as opposed to
// moving the caret, Tab, Delete and the like, which keep their effect).
bool producesCharacter(const QKeyEvent& event);
