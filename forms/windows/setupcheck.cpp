// "Проверить расчёты…" of the settings window: the saved designs of a
// folder, each worked through with the catalogue as the window found it
// when it was opened and with the catalogue as it is now.
#include "forms/windows/setup.h"

#include "ui_setup.h"

#include "engine/features/designcompare.h"
#include "forms/widgets/filechooser.h"
#include "forms/widgets/guarded.h"
#include "forms/widgets/qtext.h"
#include "forms/windows/designcheck.h"

#include <QApplication>
#include <QScopeGuard>

void TForm4::checkDesignsClick()
{
    if (!opened_)
        return;
    const QString folder = files_.openFolder(this, checkedFolder_);
    if (folder.isEmpty())
        return;
    checkedFolder_ = folder;
    CatalogueComparison comparison;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const bool done = guarded(messages_, [&] {
        const auto restore = qScopeGuard([] { QApplication::restoreOverrideCursor(); });
        // A saved design's diameter question is cancelled, in both runs.
        DesignRun before(DesignSettings { .dataDir = dataDir_, .files = &*opened_ });
        DesignRun now(DesignSettings { .dataDir = dataDir_ });
        comparison = compareCatalogues(designFiles({ ss(folder) }), before, now);
    });
    if (!done)
        return;
    if (!designCheck_)
        designCheck_ = new DesignCheckWindow(this);
    designCheck_->showComparison(folder, comparison);
    designCheck_->show();
    designCheck_->raise();
}
