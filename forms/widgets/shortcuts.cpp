#include "forms/widgets/shortcuts.h"

#include <QAbstractButton>
#include <QShortcut>

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
