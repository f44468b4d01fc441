// The tab "Мех. свойства" of the settings window: the properties file of a
// material, the end of an addition, and the three table viewers.

#include "forms/windows/setup.h"

#include "ui_setup.h"

#include "engine/catalogue/catalogue.h"
#include "engine/catalogue/catalogueedit.h"
#include "forms/widgets/messages.h"
#include "forms/widgets/qtext.h"
#include "forms/windows/VIEVTAU.h"
#include "forms/windows/VievI.h"
#include "forms/windows/Vievsb.h"

#include <QButtonGroup>
#include <QEvent>
#include <QKeyEvent>

#include <algorithm>

namespace {

// A viewer is made on first use and kept; showing it again only brings it
// to the front.
template <class Viewer, class Make> void showViewer(Viewer*& viewer, const Make& make)
{
    if (!viewer)
        viewer = make();
    viewer->show();
    viewer->raise();
    viewer->activateWindow();
}

} // namespace

void TForm4::propertiesTabShown()
{
    for (QLineEdit* field : { ui->ro, ui->EE, ui->ge })
        field->setText(QStringLiteral("0"));
    setGroup(-1);
    const auto names = reloadMaterialList(*ui->Mlist);
    if (!names)
        return;
    const bool loaded = !names->empty() && loadProperties(names->front());
    if (state_ == SettingsState::Adding) {
        // The new material, not yet in "material.dat", stands last; it
        // starts from the values of the first one and stays selected
        // until "Применить".
        ui->Mlist->addItem(qs(editMaterial_));
        setRowQuietly(*ui->Mlist, ui->Mlist->count() - 1);
        ui->Mlist->setEnabled(false);
        setPending(true);
        return;
    }
    if (loaded && state_ == SettingsState::Browsing) {
        selectEntry(0);
        setPending(false);
    }
}

void TForm4::selectEntry(int row)
{
    setRowQuietly(*ui->Mlist, row);
    entrySelected();
}

void TForm4::entrySelected()
{
    const int row = ui->Mlist->currentRow();
    if (state_ == SettingsState::Adding || row < 0)
        return;
    if (loadProperties(ss(ui->Mlist->item(row)->text())))
        setPending(true);
}

bool TForm4::loadProperties(const std::string& material)
{
    const PropertiesRead read = readPropertiesText(dataDir_, material);
    if (!read.properties) {
        messages_.message(qs(read.message));
        return false;
    }
    ui->ro->setText(qs(read.properties->ro));
    ui->EE->setText(qs(read.properties->E));
    ui->ge->setText(qs(read.properties->G));
    setGroup(read.properties->group);
    return true;
}

void TForm4::setGroup(int group)
{
    if (group >= 0) {
        groups_->button(group)->setChecked(true);
        return;
    }
    if (QAbstractButton* checked = groups_->checkedButton()) {
        groups_->setExclusive(false);
        checked->setChecked(false);
        groups_->setExclusive(true);
    }
}

void TForm4::groupChosen(int group)
{
    setPending(true);
    const bool finalTable = usesFinalStressTable(group);
    ui->vpp->setVisible(!finalTable);
    for (QWidget* w : std::initializer_list<QWidget*> {
             ui->sigma, ui->sigmaLabel, ui->sigmaSymbol, ui->sigmaIndex, ui->sigmaRest })
        w->setEnabled(!finalTable);
    tauTableKind_ = tauTableKindFor(group);
}

// Leaving a field or the group with a value other than the one it was
// entered with makes the window pending.
bool TForm4::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == ui->diametr && event->type() == QEvent::KeyPress
        && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Delete) {
        deleteDiameter();
        return true;
    }
    if (watched == ui->ro || watched == ui->EE || watched == ui->ge) {
        const std::string text = ss(static_cast<QLineEdit*>(watched)->text());
        if (event->type() == QEvent::FocusIn)
            enteredValue_ = text;
        else if (event->type() == QEvent::FocusOut && text != enteredValue_)
            setPending(true);
    }
    return QDialog::eventFilter(watched, event);
}

void TForm4::focusChanged(QWidget* old, QWidget* now)
{
    if (old == ui->comment)
        saveDescription();
    const auto inGroup = [this](QWidget* w) { return w && ui->grupMat->isAncestorOf(w); };
    if (!inGroup(old) && inGroup(now))
        groupBefore_ = groups_->checkedId();
    else if (inGroup(old) && !inGroup(now) && groups_->checkedId() != groupBefore_)
        setPending(true);
}

void TForm4::appsvClick()
{
    const int row = ui->Mlist->currentRow();
    if (row < 0) {
        messages_.message(QStringLiteral("Не выбран изменяемый материал"));
        return;
    }
    const std::string target
        = state_ == SettingsState::Adding ? editMaterial_ : ss(ui->Mlist->item(row)->text());
    const PropertiesText properties { ss(ui->ro->text()), ss(ui->EE->text()), ss(ui->ge->text()),
        groups_->checkedId() };
    if (const std::string refusal = propertiesRefusal(properties); !refusal.empty()) {
        messages_.message(qs(refusal)); // the values stay for the user to mend
        return;
    }
    if (!writeProperties(dataDir_, target, properties)) {
        messages_.message(qs(writeErrorMessage(propertiesFileName(target))));
        if (state_ == SettingsState::Adding)
            takeBackAddition();
        else
            setPending(false);
        return;
    }
    if (state_ == SettingsState::Adding) {
        // Both files are complete: listing the material commits it.
        const std::vector<std::string> listed = listEntries(*ui->Mlist);
        const ListRewrite committed = rewriteMaterialList([&] {
            return commitAddition(dataDir_, { listed.begin(), listed.end() - 1 }, listed);
        });
        if (committed != ListRewrite::Done) {
            takeBackAddition();
            return;
        }
        ui->Mlist->setEnabled(true);
        setRowQuietly(*ui->Mlist, ui->Mlist->count() - 1);
    }
    setPending(false);
    ui->PageControl1->setTabEnabled(0, true);
    state_ = SettingsState::Browsing;
}

// A new material could not be committed (its properties or the list could
// not be written, or the list changed under the window): the files the
// addition wrote are taken back, and the window starts over on the tab
// "Материалы", which reads the list again.
void TForm4::takeBackAddition()
{
    ::abandonAddition(dataDir_);
    state_ = SettingsState::Browsing;
    ui->Mlist->setEnabled(true);
    ui->PageControl1->setTabEnabled(0, true);
    ui->PageControl1->setCurrentIndex(0);
}

void TForm4::tauClick()
{
    showViewer(tauViewer_, [this] {
        return new TForm6(
            dataDir_, [this] { return tauTableKind_; }, messages_, this);
    });
}
void TForm4::sigmaClick()
{
    showViewer(sigmaViewer_, [this] { return new TForm7(dataDir_, messages_, this); });
}
void TForm4::ik3Click()
{
    showViewer(k3Viewer_, [this] { return new TForm5(dataDir_, messages_, this); });
}
