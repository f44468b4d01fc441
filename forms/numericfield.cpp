#include "forms/numericfield.h"

#include "engine/peremenn.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>

NumericField::NumericField(QLineEdit* edit, FieldKind kind, Peremenn& peremenn, Role role)
    : QObject(edit), edit_(edit), kind_(kind), peremenn_(peremenn), role_(role)
{
    edit_->installEventFilter(this);
}

void NumericField::keyDown(const QKeyEvent& event) { peremenn_.lastKey = inputFloat(event); }

bool NumericField::keyPress(const QKeyEvent& event)
{
    if (!producesCharacter(event))
        return false;
    const char key = peremenn_.lastKey;
    if (!acceptKey(kind_, key, edit_->text()))
        return true; // swallowed without a sound
    if (key == kBackspace)
        return false; // the field deletes as usual
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

bool NumericField::eventFilter(QObject* watched, QEvent* event)
{
    // While the field is being destroyed it is no longer a line edit (its
    // focus leaves it then), and there is nothing left to tidy.
    if (watched != edit_ || !qobject_cast<QLineEdit*>(watched))
        return false;
    switch (event->type()) {
    case QEvent::KeyPress: {
        const auto& key = static_cast<const QKeyEvent&>(*event);
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
        return keyPress(key);
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
