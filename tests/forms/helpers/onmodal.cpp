#include "onmodal.h"

#include <QApplication>

OnModal::OnModal(std::function<void(QWidget*)> action)
    : action_(std::move(action))
{
    QObject::connect(&timer_, &QTimer::timeout, [this] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            timer_.stop();
            fired_ = true;
            action_(modal);
        }
    });
    timer_.start(10);
}
