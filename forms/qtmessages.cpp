#include "forms/qtmessages.h"

#include "forms/appstyle.h"

#include <QApplication>
#include <QMessageBox>

void QtMessages::message(const QString& text)
{
    QWidget* parent = parent_ ? parent_ : QApplication::activeWindow();
    QString shown = text;
    shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    QMessageBox box(QMessageBox::NoIcon, programName(), shown, QMessageBox::Ok, parent);
    box.exec();
}

bool QtMessages::confirm(const QString& caption, const QString& text)
{
    QWidget* parent = parent_ ? parent_ : QApplication::activeWindow();
    QMessageBox box(QMessageBox::NoIcon, caption, text, QMessageBox::Ok | QMessageBox::Cancel, parent);
    return box.exec() == QMessageBox::Ok;
}
