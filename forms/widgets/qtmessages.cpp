#include "forms/widgets/qtmessages.h"

#include "forms/widgets/appstyle.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

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

Messages::SaveAnswer QtMessages::askToSave(const QString& text)
{
    QWidget* parent = parent_ ? parent_ : QApplication::activeWindow();
    QMessageBox box(QMessageBox::NoIcon, programName(), text,
        QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, parent);
    box.button(QMessageBox::Save)->setText(QStringLiteral("Сохранить"));
    box.button(QMessageBox::Discard)->setText(QStringLiteral("Не сохранять"));
    box.button(QMessageBox::Cancel)->setText(QStringLiteral("Отмена"));
    box.setDefaultButton(QMessageBox::Save);
    box.setEscapeButton(QMessageBox::Cancel);
    switch (box.exec()) {
    case QMessageBox::Save:
        return SaveAnswer::Save;
    case QMessageBox::Discard:
        return SaveAnswer::DontSave;
    default:
        return SaveAnswer::Cancel;
    }
}
