#include "forms/widgets/shortcuts.h"

#include <QAbstractButton>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>

namespace {

// The key of a Cyrillic letter on a Russian keyboard, as its Latin layout
// names it; 0 for another letter.
int latinKey(QChar letter)
{
    static const QString cyrillic = QStringLiteral("ЙЦУКЕНГШЩЗХЪФЫВАПРОЛДЖЭЯЧСМИТЬБЮ");
    static const int latin[] { Qt::Key_Q, Qt::Key_W, Qt::Key_E, Qt::Key_R, Qt::Key_T, Qt::Key_Y, Qt::Key_U,
        Qt::Key_I, Qt::Key_O, Qt::Key_P, Qt::Key_BracketLeft, Qt::Key_BracketRight, Qt::Key_A, Qt::Key_S,
        Qt::Key_D, Qt::Key_F, Qt::Key_G, Qt::Key_H, Qt::Key_J, Qt::Key_K, Qt::Key_L, Qt::Key_Semicolon,
        Qt::Key_Apostrophe, Qt::Key_Z, Qt::Key_X, Qt::Key_C, Qt::Key_V, Qt::Key_B, Qt::Key_N, Qt::Key_M,
        Qt::Key_Comma, Qt::Key_Period };
    const qsizetype at = cyrillic.indexOf(letter.toUpper());
    return at < 0 ? 0 : latin[at];
}

// The letter after the single "&" of a text, or a null character.
QChar mnemonic(const QString& text)
{
    for (qsizetype k = 0; k + 1 < text.size(); ++k) {
        if (text[k] != QLatin1Char('&'))
            continue;
        if (text[k + 1] != QLatin1Char('&'))
            return text[k + 1];
        ++k;
    }
    return {};
}

void onLatinTwin(QWidget* widget, const QString& text, const std::function<void()>& act)
{
    const int key = latinKey(mnemonic(text));
    if (key == 0)
        return;
    auto* shortcut = new QShortcut(QKeySequence(Qt::ALT | Qt::Key(key)), widget);
    QObject::connect(shortcut, &QShortcut::activated, widget, [widget, act] {
        if (widget->isEnabled() && widget->isVisible())
            act();
    });
}

} // namespace

void bindShortcut(QAbstractButton* button, const QKeySequence& key)
{
    auto* shortcut = new QShortcut(key, button->window());
    QObject::connect(shortcut, &QShortcut::activated, button, [button] {
        if (!button->isEnabled() || !button->isVisible())
            return;
        // A click gives the focus to buttons that take it, and the field
        // that had it is tidied first.
        if (button->focusPolicy() & Qt::ClickFocus)
            button->setFocus(Qt::ShortcutFocusReason);
        button->click();
    });
    const QString hint = button->toolTip().isEmpty() ? button->text() : button->toolTip();
    button->setToolTip(hint + QStringLiteral(" (") + keyName(key) + QLatin1Char(')'));
}

void closeOnEscape(QWidget* window)
{
    auto* shortcut = new QShortcut(QKeySequence(Qt::Key_Escape), window);
    QObject::connect(shortcut, &QShortcut::activated, window, &QWidget::close);
}

QString keyName(const QKeySequence& key)
{
    return key.toString(QKeySequence::PortableText);
}

void addLatinTwins(QWidget* window)
{
    for (QLabel* label : window->findChildren<QLabel*>())
        if (QWidget* buddy = label->buddy())
            onLatinTwin(label, label->text(), [buddy] { buddy->setFocus(Qt::ShortcutFocusReason); });
    for (QAbstractButton* button : window->findChildren<QAbstractButton*>()) {
        onLatinTwin(button, button->text(), [button] {
            // As Qt's accelerator: the focus, and a push button is pressed.
            if (button->focusPolicy() != Qt::NoFocus)
                button->setFocus(Qt::ShortcutFocusReason);
            if (qobject_cast<QPushButton*>(button))
                button->animateClick();
            else
                button->click();
        });
    }
}
