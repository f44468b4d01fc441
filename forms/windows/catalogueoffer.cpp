#include "forms/windows/catalogueoffer.h"

#include "engine/catalogue/cataloguesync.h"
#include "engine/features/designcompare.h"
#include "forms/widgets/filechooser.h"
#include "forms/widgets/guarded.h"
#include "forms/widgets/qtext.h"
#include "forms/windows/designcheck.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QScopeGuard>

UpdateAnswer askInMessageBox(QWidget* parent, const QString& text)
{
    QMessageBox box(
        QMessageBox::Information, QStringLiteral("Каталог обновлен"), text, QMessageBox::NoButton, parent);
    QPushButton* check = box.addButton(QStringLiteral("Проверить расчёты…"), QMessageBox::AcceptRole);
    QPushButton* later = box.addButton(QStringLiteral("Позже"), QMessageBox::RejectRole);
    box.addButton(QStringLiteral("Не нужно"), QMessageBox::DestructiveRole);
    box.setDefaultButton(check);
    box.setEscapeButton(later);
    box.exec();
    if (box.clickedButton() == check)
        return UpdateAnswer::Check;
    return box.clickedButton() == later ? UpdateAnswer::Later : UpdateAnswer::Discard;
}

void offerDesignCheck(QWidget* parent, const std::string& dataDir, FileChooser& files, Messages& messages,
    const UpdateQuestion& ask)
{
    const auto previous = previousCatalogue(dataDir);
    if (!previous)
        return;
    const QString text = qs(previous->note).trimmed()
        + QStringLiteral("\n\nПроверить, какие сохраненные расчеты дают с новым каталогом другой результат?");
    switch (ask(text)) {
    case UpdateAnswer::Later:
        return;
    case UpdateAnswer::Discard:
        dropPreviousCatalogue(dataDir);
        return;
    case UpdateAnswer::Check:
        break;
    }
    const QString folder = files.openFolder(parent, QString());
    if (folder.isEmpty())
        return; // not seen yet: offered again next time
    CatalogueComparison comparison;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const bool done = guarded(messages, [&] {
        const auto restore = qScopeGuard([] { QApplication::restoreOverrideCursor(); });
        DesignRun before(DesignSettings { .dataDir = previous->dir });
        DesignRun now(DesignSettings { .dataDir = dataDir });
        comparison = compareCatalogues(designFiles({ ss(folder) }), before, now);
    });
    if (!done)
        return;
    dropPreviousCatalogue(dataDir);
    auto* window = new DesignCheckWindow(parent);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->showComparison(folder, comparison);
    window->show();
}
