#include "onmodal.h"

#include <QApplication>
#include <QWidget>

OnModal::OnModal(std::function<void(QWidget*)> action)
    : action_(std::move(action))
{
    QObject::connect(&timer_, &QTimer::timeout, [this] {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal && (modal->isActiveWindow() || ++waited_ > 50)) {
            timer_.stop();
            fired_ = true;
            action_(modal);
        }
    });
    timer_.start(10);
}
