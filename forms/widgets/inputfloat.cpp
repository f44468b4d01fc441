#include "forms/widgets/inputfloat.h"

#include <QKeyEvent>

namespace {

// X11 key codes (evdev code + 8) of the main keyboard.
char fromX11KeyCode(quint32 code)
{
    if (code >= 10 && code <= 18) // 1..9
        return static_cast<char>('1' + (code - 10));
    switch (code) {
    case 19:
        return '0';
    case 22:
        return kBackspace;
    case 59: // comma key ("б" on a Russian layout)
    case 60: // full stop key ("ю")
        return ',';
    default:
        return 0;
    }
}

char fromQtKey(int key, bool keypad)
{
    if (key >= Qt::Key_0 && key <= Qt::Key_9)
        return static_cast<char>('0' + (key - Qt::Key_0));
    if (key == Qt::Key_Backspace)
        return kBackspace;
    if (keypad)
        return key == Qt::Key_Period || key == Qt::Key_Comma ? ',' : 0;
    switch (key) {
    // The shifted digit row of a US layout: the key, not the sign, counts.
    case Qt::Key_Exclam:
        return '1';
    case Qt::Key_At:
        return '2';
    case Qt::Key_NumberSign:
        return '3';
    case Qt::Key_Dollar:
        return '4';
    case Qt::Key_Percent:
        return '5';
    case Qt::Key_AsciiCircum:
        return '6';
    case Qt::Key_Ampersand:
        return '7';
    case Qt::Key_Asterisk:
        return '8';
    case Qt::Key_ParenLeft:
        return '9';
    case Qt::Key_ParenRight:
        return '0';
    case Qt::Key_Comma:
    case Qt::Key_Period:
    case Qt::Key_Less:
    case Qt::Key_Greater:
    case 0x0411: // Б: the comma key on a Russian layout
    case 0x042E: // Ю: the full stop key
        return ',';
    default:
        return 0;
    }
}

} // namespace

char inputFloat(const QKeyEvent& event)
{
    const bool keypad = event.modifiers() & Qt::KeypadModifier;
    // Keypad keys: the Qt key already names the digit (Num Lock on) or a
    // movement key (Num Lock off, which gives nothing here).
    if (!keypad && event.nativeScanCode() != 0) {
        if (char ch = fromX11KeyCode(event.nativeScanCode()))
            return ch;
        return 0;
    }
    return fromQtKey(event.key(), keypad);
}

bool acceptKey(FieldKind kind, char lastKey, const QString& text)
{
    if (lastKey == 0)
        return false;
    if (lastKey == ',')
        return kind == FieldKind::Float && !text.contains(QLatin1Char(','));
    if (lastKey == '0') {
        if (kind == FieldKind::Float && text.contains(QLatin1Char(',')))
            return true;
        return !text.startsWith(QLatin1Char('0'));
    }
    return true;
}

bool replacesLoneZero(char lastKey, const QString& text)
{
    return text == QLatin1String("0") && lastKey >= '1' && lastKey <= '9';
}

QString tidyOnExit(const QString& text)
{
    QString t = text;
    if (t.endsWith(QLatin1Char(',')))
        t.chop(1);
    return t.isEmpty() ? QStringLiteral("0") : t;
}

bool isEditKey(const QKeyEvent& event)
{
    for (auto key : { QKeySequence::Copy, QKeySequence::Cut, QKeySequence::Paste, QKeySequence::SelectAll,
             QKeySequence::Undo, QKeySequence::Redo })
        if (event.matches(key))
            return true;
    return false;
}

QString pastedText(FieldKind kind, const QString& pasted, QString text, qsizetype caret)
{
    QString accepted;
    for (const QChar c : pasted) {
        char key = 0;
        if (c >= QLatin1Char('0') && c <= QLatin1Char('9'))
            key = c.toLatin1();
        else if (c == QLatin1Char(',') || c == QLatin1Char('.'))
            key = ',';
        if (!acceptKey(kind, key, text))
            continue;
        text.insert(caret++, QLatin1Char(key));
        accepted += QLatin1Char(key);
    }
    return accepted;
}

bool producesCharacter(const QKeyEvent& event)
{
    switch (event.key()) {
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Delete:
        return false;
    default:
        break;
    }
    // Printable characters, Enter, Escape and the control characters of
    // Ctrl shortcuts (Ctrl+V among them) all reach the character stage.
    return !event.text().isEmpty();
}
