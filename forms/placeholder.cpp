#include "forms/placeholder.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QVBoxLayout>

QDialog* makePlaceholder(QWidget* parent, const QString& caption, const QString& text)
{
    auto* dialog = new QDialog(parent);
    dialog->setWindowTitle(caption);
    auto* layout = new QVBoxLayout(dialog);
    layout->addWidget(new QLabel(text, dialog));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, dialog);
    QObject::connect(buttons, &QDialogButtonBox::accepted, dialog, &QDialog::accept);
    layout->addWidget(buttons);
    return dialog;
}
