#include "forms/floatkeyfilter.h"

#include "forms/inputfloat.h"

#include <QKeyEvent>
#include <QLineEdit>

FloatKeyFilter::FloatKeyFilter(char& lastKey, QLineEdit& field)
    : QObject(&field)
    , lastKey_(lastKey)
    , field_(field)
{
    field.installEventFilter(this);
}

bool FloatKeyFilter::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != &field_ || event->type() != QEvent::KeyPress)
        return false;
    const auto& key = static_cast<const QKeyEvent&>(*event);
    lastKey_ = inputFloat(key);
    switch (key.key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Escape:
        return false;
    default:
        break;
    }
    if (!producesCharacter(key))
        return false;
    if (acceptKey(FieldKind::Float, lastKey_, field_.text())) {
        if (lastKey_ == kBackspace)
            field_.backspace();
        else
            field_.insert(QString(QLatin1Char(lastKey_)));
    }
    return true;
}
