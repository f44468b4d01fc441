#include "textfit.h"

#include <QAbstractButton>
#include <QLabel>
#include <QPushButton>

namespace {

// A push button's own size hint has a minimum width of its own; what counts
// is the text, the icon and the frame.
int pushButtonNeed(const QPushButton* button)
{
    QString text = button->text();
    text.remove(QLatin1Char('&'));
    int need = button->fontMetrics().horizontalAdvance(text) + 12;
    if (!button->icon().isNull())
        need += button->iconSize().width() + 4;
    return need;
}

} // namespace

QStringList cutTexts(const QWidget* window)
{
    QStringList cut;
    for (const QLabel* label : window->findChildren<QLabel*>()) {
        if (label->text().isEmpty() || !label->isVisibleTo(window)) // on a tab not on view: not laid out
            continue;
        const bool fits = label->wordWrap() ? label->heightForWidth(label->width()) <= label->height()
                                            : label->sizeHint().width() <= label->width();
        if (!fits)
            cut << label->objectName();
    }
    for (const QAbstractButton* button : window->findChildren<QAbstractButton*>()) {
        if (button->text().isEmpty())
            continue;
        const auto* push = qobject_cast<const QPushButton*>(button);
        const int need = push ? pushButtonNeed(push) : button->sizeHint().width();
        if (need > button->width())
            cut << button->objectName();
    }
    return cut;
}
