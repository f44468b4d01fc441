#include "forms/widgets/filechooser.h"

#include "forms/widgets/appstyle.h"
#include "forms/widgets/messages.h"

#include <QFileDialog>
#include <QFileInfo>

namespace {

QString run(QFileDialog& dialog, QFileDialog::AcceptMode mode)
{
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    dialog.setAcceptMode(mode);
    dialog.setFileMode(QFileDialog::AnyFile);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

QString runRid(QWidget* parent, QFileDialog::AcceptMode mode, const QString& caption, const QString& folder,
    QString& last)
{
    QFileDialog dialog(parent, caption);
    dialog.setNameFilters({ QStringLiteral("Исходные данные (*.rid)"), QStringLiteral("Все файлы (*)") });
    dialog.setDefaultSuffix(QStringLiteral("rid"));
    if (!folder.isEmpty())
        dialog.setDirectory(folder);
    // The file chosen last, when it lies in that folder.
    if (!last.isEmpty()
        && (folder.isEmpty() || QFileInfo(last).absolutePath() == QFileInfo(folder).absoluteFilePath()))
        dialog.selectFile(last);
    const QString chosen = run(dialog, mode);
    if (!chosen.isEmpty())
        last = chosen;
    return chosen;
}

} // namespace

QString QtFileChooser::openFile(QWidget* parent, const QString& folder)
{
    return runRid(
        parent, QFileDialog::AcceptOpen, QStringLiteral("Загрузить исходные данные"), folder, lastOpened_);
}

QString QtFileChooser::saveFile(QWidget* parent, const QString& folder)
{
    return runRid(
        parent, QFileDialog::AcceptSave, QStringLiteral("Сохранить исходные данные"), folder, lastSaved_);
}

QString QtFileChooser::savePdfFile(QWidget* parent, const QString& suggested)
{
    QFileDialog dialog(parent, QStringLiteral("Сохранить в PDF"));
    dialog.setNameFilters({ QStringLiteral("PDF (*.pdf)"), QStringLiteral("Все файлы (*)") });
    dialog.setDefaultSuffix(QStringLiteral("pdf"));
    dialog.setDirectory(QFileInfo(suggested).absolutePath());
    dialog.selectFile(suggested);
    return run(dialog, QFileDialog::AcceptSave);
}

QString QtFileChooser::openFolder(QWidget* parent, const QString& folder)
{
    QFileDialog dialog(parent, QStringLiteral("Папка с исходными данными"));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setFileMode(QFileDialog::Directory);
    // The input files are shown, so that the user sees the folder is the one.
    dialog.setNameFilter(QStringLiteral("Исходные данные (*.rid *.RID)"));
    if (!folder.isEmpty())
        dialog.setDirectory(folder);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

bool askReplace(Messages& messages, const QString& path)
{
    if (!QFileInfo::exists(path))
        return true;
    return messages.confirm(programName(), QStringLiteral("Файл %1 уже существует. Заменить его?").arg(path));
}
