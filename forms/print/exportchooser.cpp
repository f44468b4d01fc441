#include "forms/print/exportchooser.h"

#include <QFileDialog>
#include <QFileInfo>

QString QtExportChooser::saveAs(
    QWidget* parent, const QString& caption, const QString& filter, const QString& suffix)
{
    QFileDialog dialog(parent, caption, lastFolder_);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilters({ filter, QStringLiteral("Все файлы (*)") });
    dialog.setDefaultSuffix(suffix);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    const QString name = dialog.selectedFiles().constFirst();
    lastFolder_ = QFileInfo(name).absolutePath();
    return name;
}
