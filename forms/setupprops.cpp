// The tab "Мех. свойства" of the settings window: the properties file of a
// material, the end of an addition, and the three table viewers.

#include "forms/setup.h"

#include "ui_setup.h"

#include "engine/catalogue.h"
#include "engine/catalogueedit.h"
#include "engine/peremenn.h"
#include "forms/VIEVTAU.h"
#include "forms/VievI.h"
#include "forms/Vievsb.h"
#include "forms/messages.h"
#include "forms/qtext.h"

#include <QButtonGroup>
#include <QEvent>

#include <algorithm>

namespace {

// A viewer is made on first use and kept; showing it again only brings it
// to the front.
template <class Viewer>
void showViewer(Viewer*& viewer, const Peremenn& p, Messages& messages, QWidget* owner)
{
    if (!viewer)
        viewer = new Viewer(p, messages, owner);
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
    if (p_.settingsState == 1) {
        // The new material, not yet in "material.dat", stands last; it
        // starts from the values of the first one and stays selected
        // until "Применить".
        ui->Mlist->addItem(qs(p_.editMaterial));
        setRowQuietly(*ui->Mlist, ui->Mlist->count() - 1);
        ui->Mlist->setEnabled(false);
        setPending(true);
        return;
    }
    if (loaded && p_.settingsState == 0) {
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
    if (p_.settingsState == 1 || row < 0)
        return;
    if (loadProperties(ss(ui->Mlist->item(row)->text())))
        setPending(true);
}

bool TForm4::loadProperties(const std::string& material)
{
    const PropertiesRead read = readPropertiesText(p_.dataDir, material);
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
    p_.tauTableKind = tauTableKindFor(group);
}

// Leaving a field or the group with a value other than the one it was
// entered with makes the window pending.
bool TForm4::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == ui->ro || watched == ui->EE || watched == ui->ge) {
        const std::string text = ss(static_cast<QLineEdit*>(watched)->text());
        if (event->type() == QEvent::FocusIn)
            p_.enteredValue = text;
        else if (event->type() == QEvent::FocusOut && text != p_.enteredValue)
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
        p_.groupBefore = groups_->checkedId();
    else if (inGroup(old) && !inGroup(now) && groups_->checkedId() != p_.groupBefore)
        setPending(true);
}

void TForm4::appsvClick()
{
    const int row = ui->Mlist->currentRow();
    if (row < 0) {
        messages_.message(QStringLiteral("Не выбран изменяемый материал"));
        return;
    }
    const std::string target = p_.settingsState == 1 ? p_.editMaterial : ss(ui->Mlist->item(row)->text());
    const PropertiesText properties { ss(ui->ro->text()), ss(ui->EE->text()), ss(ui->ge->text()),
        groups_->checkedId() };
    if (const std::string refusal = propertiesRefusal(properties); !refusal.empty()) {
        messages_.message(qs(refusal)); // the values stay for the user to mend
        return;
    }
    if (!writeProperties(p_.dataDir, target, properties)) {
        messages_.message(qs(writeErrorMessage(propertiesFileName(target))));
        if (p_.settingsState == 1)
            takeBackAddition();
        else
            setPending(false);
        return;
    }
    if (p_.settingsState == 1) {
        // Both files are complete: listing the material commits it.
        const std::vector<std::string> listed = listEntries(*ui->Mlist);
        const ListRewrite committed = rewriteMaterialList([&] {
            return commitAddition(p_.dataDir, { listed.begin(), listed.end() - 1 }, listed);
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
    p_.settingsState = 0;
}

// A new material could not be committed (its properties or the list could
// not be written, or the list changed under the window): the files the
// addition wrote are taken back, and the window starts over on the tab
// "Материалы", which reads the list again.
void TForm4::takeBackAddition()
{
    ::abandonAddition(p_.dataDir);
    p_.settingsState = 0;
    ui->Mlist->setEnabled(true);
    ui->PageControl1->setTabEnabled(0, true);
    ui->PageControl1->setCurrentIndex(0);
}

void TForm4::tauClick()
{
    showViewer(tauViewer_, p_, messages_, this);
}
void TForm4::sigmaClick()
{
    showViewer(sigmaViewer_, p_, messages_, this);
}
void TForm4::ik3Click()
{
    showViewer(k3Viewer_, p_, messages_, this);
}
