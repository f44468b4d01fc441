#include "forms/widgets/closeicon.h"
#include "forms/widgets/glyphs.h"

#include <QAbstractButton>
#include <QApplication>
#include <QEvent>
#include <QIcon>
#include <QPointer>
#include <QStyle>

namespace {

const QString kThemeName = QStringLiteral("window-close");

QIcon styleIcon(const QAbstractButton* button)
{
    return button->style()->standardIcon(QStyle::SP_DialogCloseButton);
}

// Qt's own pictures, read as the PNG files they are: the button's size and
// twice it (Qt's larger picture would only cost start-up time).
QIcon qtIcon(const QAbstractButton* button)
{
    QIcon icon;
    for (int size : { 16, 32 }) {
        const QPixmap picture
            = readPng(QStringLiteral(":/qt-project.org/styles/commonstyle/images/standardbutton-close-%1.png")
                          .arg(size));
        if (picture.isNull()) // a Qt that keeps its pictures elsewhere
            return styleIcon(button);
        icon.addPixmap(picture);
    }
    return icon;
}

// After the window's first drawing, gives the button the theme's icon if
// the theme has one.
class ThemeLookAfterPaint : public QObject {
public:
    explicit ThemeLookAfterPaint(QAbstractButton* button)
        : QObject(button)
        , button_(button)
    {
        button->window()->installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint) {
            watched->removeEventFilter(this);
            QMetaObject::invokeMethod(
                this,
                [this] {
                    if (button_ && QIcon::hasThemeIcon(kThemeName))
                        button_->setIcon(styleIcon(button_));
                    deleteLater();
                },
                Qt::QueuedConnection);
        }
        return false;
    }

private:
    QPointer<QAbstractButton> button_;
};

} // namespace

void setCloseButtonIcon(QAbstractButton* button)
{
    const bool themed = QApplication::desktopSettingsAware() && !QIcon::themeName().isEmpty();
    if (themed && QIcon::themeName() != QIcon::fallbackThemeName()) {
        button->setIcon(styleIcon(button));
        return;
    }
    button->setIcon(qtIcon(button));
    if (themed)
        new ThemeLookAfterPaint(button);
}
