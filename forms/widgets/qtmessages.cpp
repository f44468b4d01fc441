#include "forms/widgets/qtmessages.h"

#include "forms/widgets/appstyle.h"
#include "forms/widgets/shortcuts.h"

#include <QApplication>
#include <QGridLayout>
#include <QMessageBox>
#include <QPushButton>
#include <QSpacerItem>

namespace {

// Room a title bar takes beside its text: the window menu and the buttons
// of the usual window managers.
constexpr int kTitleBarExtras = 140;

// Runs the box, wide enough for its title (a box sizes itself by its text
// alone, and a short text cut the title to "Расч…жин").
int run(QMessageBox& box)
{
    const int title = box.fontMetrics().horizontalAdvance(box.windowTitle()) + kTitleBarExtras;
    if (auto* grid = qobject_cast<QGridLayout*>(box.layout()))
        grid->addItem(new QSpacerItem(title, 0, QSizePolicy::Minimum, QSizePolicy::Minimum), grid->rowCount(),
            0, 1, grid->columnCount());
    return box.exec();
}

} // namespace

void QtMessages::message(const QString& text)
{
    QWidget* parent = parent_ ? parent_ : QApplication::activeWindow();
    QString shown = text;
    shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    QMessageBox box(QMessageBox::NoIcon, programName(), shown, QMessageBox::Ok, parent);
    run(box);
}

bool QtMessages::confirm(const QString& caption, const QString& text)
{
    QWidget* parent = parent_ ? parent_ : QApplication::activeWindow();
    QMessageBox box(QMessageBox::NoIcon, caption, text, QMessageBox::Ok | QMessageBox::Cancel, parent);
    return run(box) == QMessageBox::Ok;
}

Messages::SaveAnswer QtMessages::askToSave(const QString& text)
{
    QWidget* parent = parent_ ? parent_ : QApplication::activeWindow();
    QMessageBox box(QMessageBox::NoIcon, programName(), text,
        QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, parent);
    box.button(QMessageBox::Save)->setText(QStringLiteral("&Сохранить"));
    box.button(QMessageBox::Discard)->setText(QStringLiteral("&Не сохранять"));
    box.button(QMessageBox::Cancel)->setText(QStringLiteral("&Отмена"));
    addLatinTwins(&box);
    box.setDefaultButton(QMessageBox::Save);
    box.setEscapeButton(QMessageBox::Cancel);
    switch (run(box)) {
    case QMessageBox::Save:
        return SaveAnswer::Save;
    case QMessageBox::Discard:
        return SaveAnswer::DontSave;
    default:
        return SaveAnswer::Cancel;
    }
}
