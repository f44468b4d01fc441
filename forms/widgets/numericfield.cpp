#include "forms/widgets/numericfield.h"

#include <QAction>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QFocusEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>

NumericField::NumericField(QLineEdit* edit, FieldKind kind, Role role)
    : QObject(edit)
    , edit_(edit)
    , kind_(kind)
    , role_(role)
{
    edit_->installEventFilter(this);
    edit_->setAcceptDrops(false);
}

void NumericField::keyDown(const QKeyEvent& event)
{
    lastKey_ = inputFloat(event);
}

bool NumericField::keyPress(const QKeyEvent& event)
{
    if (!producesCharacter(event))
        return false;
    const char key = lastKey_;
    if (!acceptKey(kind_, key, edit_->text()))
        return true; // swallowed without a sound
    if (key == kBackspace)
        return false; // the field deletes as usual
    if (replacesLoneZero(key, edit_->text()))
        edit_->selectAll(); // replaced through insert(), so Ctrl+Z brings the 0 back
    else if (edit_->text() == QLatin1String("0"))
        edit_->end(false); // "0," whichever side of the 0 the caret was
    edit_->insert(QString(QLatin1Char(key)));
    return true;
}

void NumericField::exit()
{
    QString tidy = edit_->text();
    if (role_ == Role::FormField)
        tidy = tidyOnExit(tidy);
    else if (tidy.endsWith(QLatin1Char(',')))
        tidy.chop(1);
    if (tidy != edit_->text())
        edit_->setText(tidy);
}

void NumericField::paste(const QString& text)
{
    QString rest = edit_->text();
    qsizetype caret = edit_->cursorPosition();
    if (edit_->hasSelectedText()) {
        caret = edit_->selectionStart();
        rest.remove(caret, edit_->selectionLength());
    }
    const QString accepted = pastedText(kind_, text, rest, caret);
    if (!accepted.isEmpty())
        edit_->insert(accepted);
}

bool NumericField::filterKey(const QKeyEvent& key)
{
    keyDown(key);
    if (role_ == Role::DialogField) {
        switch (key.key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Escape:
            return false;
        default:
            break;
        }
    }
    if (key.matches(QKeySequence::Paste)) {
        paste(QGuiApplication::clipboard()->text());
        return true;
    }
    if (isEditKey(key))
        return false;
    return keyPress(key);
}

// The field's own menu, its Paste going through the typing rules.
void NumericField::showContextMenu(const QPoint& globalPos)
{
    QMenu* menu = edit_->createStandardContextMenu();
    menu->setAttribute(Qt::WA_DeleteOnClose);
    // Found by its text, translated as the menu's is.
    const QString pasteText = QCoreApplication::translate("QLineEdit", "&Paste");
    for (QAction* action : menu->actions()) {
        if (action->text().section(QLatin1Char('\t'), 0, 0) != pasteText)
            continue;
        action->setObjectName(QStringLiteral("edit-paste"));
        disconnect(action, &QAction::triggered, nullptr, nullptr);
        connect(action, &QAction::triggered, this, [this] { paste(QGuiApplication::clipboard()->text()); });
    }
    menu->popup(globalPos);
}

bool NumericField::eventFilter(QObject* watched, QEvent* event)
{
    // While the field is being destroyed it is no longer a line edit (its
    // focus leaves it then), and there is nothing left to tidy.
    if (watched != edit_ || !qobject_cast<QLineEdit*>(watched))
        return false;
    switch (event->type()) {
    case QEvent::KeyPress:
        return filterKey(static_cast<const QKeyEvent&>(*event));
    case QEvent::ShortcutOverride: {
        // The field claims Ctrl keys of its own (Ctrl+E: end of line); only
        // the edit keys stay with it, the rest reach the window's shortcuts.
        const auto& key = static_cast<const QKeyEvent&>(*event);
        const bool command = key.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
        return command && !isEditKey(key);
    }
    case QEvent::ContextMenu:
        showContextMenu(static_cast<const QContextMenuEvent&>(*event).globalPos());
        return true;
    case QEvent::MouseButtonRelease: {
        // The middle button pastes the X11 selection.
        const auto& mouse = static_cast<const QMouseEvent&>(*event);
        if (mouse.button() != Qt::MiddleButton || !QGuiApplication::clipboard()->supportsSelection())
            return false;
        paste(QGuiApplication::clipboard()->text(QClipboard::Selection));
        return true;
    }
    case QEvent::FocusOut: {
        // Leaving for a context menu or another application is not leaving
        // the field.
        const auto reason = static_cast<const QFocusEvent&>(*event).reason();
        if (reason != Qt::PopupFocusReason && reason != Qt::ActiveWindowFocusReason)
            exit();
        return false;
    }
    default:
        return false;
    }
}
