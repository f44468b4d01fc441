#include "forms/filechooser.h"

#include <QFileDialog>

namespace {

QString run(QWidget* parent, QFileDialog::AcceptMode mode, const QString& caption, QString& last)
{
    QFileDialog dialog(parent, caption);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(mode);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    dialog.setNameFilters({QStringLiteral("Исходные данные (*.rid)"), QStringLiteral("Все файлы (*)")});
    dialog.setDefaultSuffix(QStringLiteral("rid"));
    if (!last.isEmpty())
        dialog.selectFile(last);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    last = dialog.selectedFiles().constFirst();
    return last;
}

} // namespace

QString QtFileChooser::openFile(QWidget* parent)
{
    return run(parent, QFileDialog::AcceptOpen, QStringLiteral("Загрузить исходные данные"), lastOpened_);
}

QString QtFileChooser::saveFile(QWidget* parent)
{
    return run(parent, QFileDialog::AcceptSave, QStringLiteral("Сохранить исходные данные"), lastSaved_);
}
