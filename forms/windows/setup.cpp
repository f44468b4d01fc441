#include "forms/windows/setup.h"

#include "ui_setup.h"

#include "engine/catalogue/catalogue.h"
#include "engine/catalogue/catalogueedit.h"
#include "forms/widgets/charfilter.h"
#include "forms/widgets/guarded.h"
#include "forms/widgets/messages.h"
#include "forms/widgets/qtext.h"
#include "forms/widgets/screencentre.h"
#include "forms/windows/NewMat.h"
#include "forms/windows/checkdata.h"
#include "forms/windows/newdiam.h"

#include <QApplication>
#include <QButtonGroup>
#include <QFileInfo>
#include <QHideEvent>
#include <QShowEvent>
#include <QSignalBlocker>
#include <QTimer>

std::vector<std::string> listEntries(const QListWidget& list)
{
    std::vector<std::string> entries;
    for (int k = 0; k < list.count(); ++k)
        entries.push_back(ss(list.item(k)->text()));
    return entries;
}

void setRowQuietly(QListWidget& list, int row)
{
    const QSignalBlocker quiet(&list);
    list.setCurrentRow(row);
}

TForm4::TForm4(const std::string& dataDir, Messages& messages, TForm9& newMat, TForm10& diameters,
    FileChooser& files, QWidget* parent)
    : QDialog(parent, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
    , ui(std::make_unique<Ui::TForm4>())
    , dataDir_(dataDir)
    , messages_(messages)
    , newMat_(newMat)
    , diameters_(diameters)
    , groups_(new QButtonGroup(this))
    , files_(files)
{
    ui->setupUi(this);
    setFixedSize(size());
    centreOnScreen(*this);

    QFont small = font();
    small.setPixelSize(8);
    for (QLabel* raised : { ui->roPower, ui->EEPower, ui->gePower, ui->sigmaIndex })
        raised->setFont(small);
    QPalette red = ui->vpp->palette();
    red.setColor(QPalette::WindowText, Qt::red);
    ui->vpp->setPalette(red);

    QRadioButton* const items[kMaterialGroups]
        = { ui->groupItem0, ui->groupItem1, ui->groupItem2, ui->groupItem3, ui->groupItem4, ui->groupItem5,
              ui->groupItem6, ui->groupItem7, ui->groupItem8, ui->groupItem9 };
    for (int k = 0; k < kMaterialGroups; ++k) {
        items[k]->setText(QString::fromUtf8(kMaterialClasses[static_cast<size_t>(k)].caption));
        groups_->addButton(items[k], k);
    }

    connect(ui->PageControl1, &QTabWidget::currentChanged, this, &TForm4::tabChanged);
    connect(ui->mat, &QListWidget::currentRowChanged, this, &TForm4::materialSelected);
    connect(ui->addButton, &QPushButton::clicked, this, &TForm4::addClick);
    connect(ui->deleteButton, &QPushButton::clicked, this, &TForm4::deleteClick);
    connect(ui->editButton, &QPushButton::clicked, this, &TForm4::editClick);
    connect(ui->closeButton, &QPushButton::clicked, this, &TForm4::closeClick);
    connect(ui->checkDesigns, &QPushButton::clicked, this, &TForm4::checkDesignsClick);
    // In the free space between "Изменить" and "Применить".
    checkDataButton_ = new QPushButton(QStringLiteral("Проверка…"), ui->materialsTab);
    checkDataButton_->setObjectName(QStringLiteral("checkDataButton"));
    checkDataButton_->setGeometry(256, 240, 104, 25);
    checkDataButton_->setAutoDefault(false);
    checkDataButton_->setToolTip(QStringLiteral("Предел прочности и выносливость материала для проверки "
                                                "изготовленной пружины (расчет их не читает)"));
    connect(checkDataButton_, &QPushButton::clicked, this, [this] {
        if (!ui->mat->currentItem())
            return;
        CheckDataDialog dialog(dataDir_, ui->mat->currentItem()->text().toStdString(), messages_, this);
        dialog.exec();
    });

    connect(ui->Mlist, &QListWidget::currentRowChanged, this, &TForm4::entrySelected);
    for (QLineEdit* field : { ui->ro, ui->EE, ui->ge }) {
        keepOnOneLine(*field);
        connect(field, &QLineEdit::textChanged, this, [this] { setPending(true); });
        field->installEventFilter(this);
    }
    ui->readOnlyNote->hide();
    ui->diametr->installEventFilter(this);
    connect(groups_, &QButtonGroup::idToggled, this, [this](int id, bool checked) {
        if (checked)
            groupChosen(id);
    });
    connect(qApp, &QApplication::focusChanged, this, &TForm4::focusChanged);
    connect(ui->appsv, &QPushButton::clicked, this, &TForm4::appsvClick);
    connect(ui->tau, &QPushButton::clicked, this, &TForm4::tauClick);
    connect(ui->sigma, &QPushButton::clicked, this, &TForm4::sigmaClick);
    connect(ui->ik3, &QPushButton::clicked, this, &TForm4::ik3Click);
}

namespace {

const QString kLockedNote
    = QStringLiteral("Только просмотр: каталог материалов изменяется в другом окне программы");
const QString kUnwritableNote = QStringLiteral("Только просмотр: папка каталога недоступна для записи");

} // namespace

bool isWritableFolder(const std::string& dir)
{
    return QFileInfo(qs(dir)).isWritable();
}

TForm4::~TForm4()
{
    // Hiding on destruction moves the focus; the widgets are gone by then.
    disconnect(qApp, nullptr, this, nullptr);
}

void TForm4::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (event->spontaneous()) // restored from the task bar: nothing starts over
        return;
    // A folder the user may not write is said to be read-only at once,
    // rather than after a confirmed edit fails.
    const bool writable = folderWritable(dataDir_);
    setReadOnly(!writable || !lock_.take(dataDir_));
    ui->readOnlyNote->setText(writable ? kLockedNote : kUnwritableNote);
    opened_ = MemoryFiles::snapshot(dataDir_);
    state_ = SettingsState::Browsing;
    ui->applybt->setEnabled(false);
    ui->closeButton->setEnabled(true);
    // A window closed in the middle of an addition does not come back locked.
    ui->PageControl1->setTabEnabled(0, true);
    ui->Mlist->setEnabled(true);
    if (ui->PageControl1->currentIndex() == 0)
        materialsTabShown();
    else
        ui->PageControl1->setCurrentIndex(0);
    if (!lock_.takeOverNote().isEmpty())
        messages_.message(lock_.takeOverNote());
    // Said once the window is up, so the user sees what is only shown.
    if (!writable)
        QTimer::singleShot(0, this, [this] {
            if (isVisible())
                messages_.message(QStringLiteral("Папка каталога материалов ") + qs(dataDir_)
                    + QStringLiteral(" недоступна для записи. Настройки открыты только для просмотра."));
        });
    else if (readOnly_)
        QTimer::singleShot(0, this, [this] {
            if (!isVisible() || !readOnly_)
                return;
            const QString holder = lock_.holder().isEmpty() ? QString() : " (" + lock_.holder() + ")";
            messages_.message("Каталог материалов этой папки сейчас изменяется в другом окне программы"
                + holder + ". Настройки открыты только для просмотра.");
        });
}

void TForm4::hideEvent(QHideEvent* event)
{
    saveDescription();
    QDialog::hideEvent(event);
    if (!event->spontaneous()) // not merely minimised: closed
        lock_.release();
}

void TForm4::setReadOnly(bool readOnly)
{
    readOnly_ = readOnly;
    for (QWidget* writes : std::initializer_list<QWidget*> {
             ui->addButton, ui->deleteButton, ui->editButton, ui->grupMat, checkDataButton_ })
        writes->setEnabled(!readOnly);
    for (QLineEdit* field : { ui->ro, ui->EE, ui->ge })
        field->setReadOnly(readOnly);
    ui->comment->setReadOnly(readOnly);
    ui->readOnlyNote->setVisible(readOnly);
}

void TForm4::reject()
{
    if (!pending())
        QDialog::reject();
}

void TForm4::closeClick()
{
    accept();
}

// A read-only window has nothing to apply and is never pending.
void TForm4::setPending(bool pending)
{
    ui->appsv->setEnabled(pending && !readOnly_);
    ui->closeButton->setEnabled(!pending || readOnly_);
}

bool TForm4::pending() const
{
    return ui->appsv->isEnabled();
}

void TForm4::tabChanged(int index)
{
    if (index == 0)
        materialsTabShown();
    else
        propertiesTabShown();
}

void TForm4::materialsTabShown()
{
    setPending(false);
    ui->diametr->clear();
    const auto names = reloadMaterialList(*ui->mat);
    if (!names || names->empty() || !loadDiameters(names->front()))
        return;
    selectMaterial(0);
}

std::optional<std::vector<std::string>> TForm4::reloadMaterialList(QListWidget& list)
{
    const QSignalBlocker quiet(&list);
    list.clear();
    std::optional<std::vector<std::string>> names;
    if (!guarded(messages_, [&] { names = readMaterialNames(dataDir_); }))
        return std::nullopt;
    if (names)
        list.addItems(qsList(*names));
    else
        messages_.message(qs(noFileMessage(kMaterialList)));
    return names;
}

void TForm4::selectMaterial(int row)
{
    setRowQuietly(*ui->mat, row);
    materialSelected();
}

void TForm4::selectFirstMaterial()
{
    if (ui->mat->count() > 0)
        selectMaterial(0);
    else
        ui->diametr->clear();
}

void TForm4::materialSelected()
{
    const int row = ui->mat->currentRow();
    if (state_ == SettingsState::Adding || row < 0)
        return;
    const std::string material = ss(ui->mat->item(row)->text());
    loadDiameters(material);
    loadDescription(material);
}

// The description box shows the selected material's text; what was typed
// for the material before is written first.
void TForm4::loadDescription(const std::string& material)
{
    saveDescription();
    std::vector<std::string> lines;
    guarded(messages_, [&] { lines = readDescription(dataDir_, material); });
    ui->comment->setPlainText(qsList(lines).join(QLatin1Char('\n')));
    ui->comment->document()->setModified(false);
    describedMaterial_ = material;
}

void TForm4::saveDescription()
{
    if (describedMaterial_.empty() || readOnly_ || !ui->comment->document()->isModified())
        return;
    QStringList lines = ui->comment->toPlainText().split(QLatin1Char('\n'));
    while (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    std::vector<std::string> text;
    for (const QString& line : lines)
        text.push_back(ss(line));
    if (!writeDescription(dataDir_, describedMaterial_, text)) {
        messages_.message(qs(writeErrorMessage(descriptionFileName(describedMaterial_))));
        return; // still modified: tried again when the box is left next
    }
    ui->comment->document()->setModified(false);
}

bool TForm4::loadDiameters(const std::string& material)
{
    std::optional<std::vector<std::string>> diameters;
    if (!guarded(messages_, [&] { diameters = readDiameters(dataDir_, material); }))
        return false;
    if (!diameters) {
        messages_.message(qs(noFileMessage(diameterFileName(material))));
        return false;
    }
    ui->diametr->clear();
    ui->diametr->addItems(qsList(*diameters));
    return true;
}

void TForm4::addClick()
{
    setPending(true);
    newMat_.setListedNames(listEntries(*ui->mat));
    if (runDialog(newMat_) != QDialog::Accepted) {
        setPending(false);
        return;
    }
    const std::string name = newMat_.name();
    // The material list is written last, by "Применить" once the
    // properties are in place (commitAddition); until then a note says
    // which files are the addition's own.
    if (!beginAddition(dataDir_, name)) {
        messages_.message(qs(writeErrorMessage(kAdditionNote)));
        setPending(false);
        return;
    }
    state_ = SettingsState::Adding;
    editMaterial_ = name;
    ui->mat->addItem(qs(name));
    selectMaterial(ui->mat->count() - 1);
    diamFileFound_ = hasDiameterFile(dataDir_, name);
    ui->diametr->clear();
    if (diamFileFound_) {
        // A diameter file of that name is already there: it becomes the
        // new material's list as it is.
        loadDiameters(name);
    } else if (diameters_.setMaterial(name, false); runDialog(diameters_) != QDialog::Accepted) {
        abandonAddition();
        return;
    }
    // The properties tab offers the new material; the addition ends with
    // its "Применить".
    ui->PageControl1->setCurrentIndex(1);
    ui->PageControl1->setTabEnabled(0, false);
}

ListRewrite TForm4::rewriteMaterialList(const std::function<ListRewrite()>& rewrite)
{
    ListRewrite result = ListRewrite::Failed;
    if (!guarded(messages_, [&] { result = rewrite(); }))
        return ListRewrite::Failed; // the material list could not be read again; the user was told why
    if (result == ListRewrite::Failed)
        messages_.message(qs(writeErrorMessage(kMaterialList)));
    else if (result == ListRewrite::Changed)
        messages_.message(qs(materialListChangedMessage()));
    return result;
}

// Takes back an addition that cannot be completed, so that nothing is left
// half-added and the window is clean again.
void TForm4::abandonAddition()
{
    ::abandonAddition(dataDir_);
    delete ui->mat->takeItem(ui->mat->count() - 1);
    state_ = SettingsState::Browsing;
    selectFirstMaterial();
    setPending(false);
}

// "Удалить" and "Изменить" act on the selected material, the first when
// none is selected; with an empty list they say so and do nothing.
bool TForm4::haveMaterialToActOn(const QString& whenEmpty)
{
    if (ui->mat->count() == 0) {
        messages_.message(whenEmpty);
        return false;
    }
    if (ui->mat->currentRow() < 0)
        selectMaterial(0);
    return true;
}

void TForm4::deleteClick()
{
    if (!haveMaterialToActOn(QStringLiteral("Уже нечего удалять")))
        return;
    const int row = ui->mat->currentRow();
    if (!messages_.confirm(QStringLiteral("Удаление материала."),
            QStringLiteral("Вы действительно хотите удалить материал  ") + ui->mat->item(row)->text())) {
        selectMaterial(0);
        return;
    }
    std::vector<std::string> names = listEntries(*ui->mat);
    const ListRewrite deleted
        = rewriteMaterialList([&] { return deleteMaterial(dataDir_, names, static_cast<size_t>(row)); });
    if (deleted == ListRewrite::Changed)
        materialsTabShown();
    if (deleted != ListRewrite::Done)
        return;
    describedMaterial_.clear(); // gone with its files
    {
        const QSignalBlocker quiet(ui->mat);
        delete ui->mat->takeItem(row);
    }
    selectFirstMaterial();
}

void TForm4::deleteDiameter()
{
    QListWidgetItem* item = ui->diametr->currentItem();
    if (readOnly_ || !item || !item->isSelected() || ui->mat->currentRow() < 0)
        return;
    if (ui->diametr->count() == 1) {
        messages_.message(kOneDiameterAtLeast);
        return;
    }
    if (!confirmDiameterDeletion(messages_, item->text()))
        return;
    const std::string material = ss(ui->mat->currentItem()->text());
    std::vector<std::string> kept = listEntries(*ui->diametr);
    kept.erase(kept.begin() + ui->diametr->row(item));
    if (!writeDiameters(dataDir_, material, kept))
        messages_.message(qs(writeErrorMessage(diameterFileName(material))));
    loadDiameters(material);
}

void TForm4::editClick()
{
    if (!haveMaterialToActOn(QStringLiteral("Нет ни одного материала")))
        return;
    state_ = SettingsState::DiametersEdited;
    editMaterial_ = ss(ui->mat->currentItem()->text());
    diameters_.setMaterial(editMaterial_, true);
    runDialog(diameters_);
    loadDiameters(editMaterial_);
}
