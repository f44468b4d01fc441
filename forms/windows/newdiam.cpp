#include "forms/windows/newdiam.h"

#include "ui_newdiam.h"

#include "engine/catalogue/catalogue.h"
#include "engine/catalogue/catalogueedit.h"
#include "forms/widgets/guarded.h"
#include "forms/widgets/messages.h"
#include "forms/widgets/qtext.h"
#include "forms/widgets/screencentre.h"
#include "forms/windows/Inputdiam.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QShowEvent>

TForm10::TForm10(const std::string& dataDir, Messages& messages, TForm11& newDiameter, QWidget* parent)
    : QDialog(parent, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
    , ui(std::make_unique<Ui::TForm10>())
    , dataDir_(dataDir)
    , messages_(messages)
    , newDiameter_(newDiameter)
{
    ui->setupUi(this);
    setFixedSize(size());
    centreOnScreen(*this);
    connect(ui->plus, &QToolButton::clicked, this, &TForm10::plusClick);
    connect(ui->minus, &QToolButton::clicked, this, &TForm10::minusClick);
    connect(ui->okButton, &QPushButton::clicked, this, &TForm10::okClick);
    // The words beside the buttons act as the buttons; Delete in the list
    // removes as "Удалить" does.
    for (QLabel* label : { ui->plusLabel, ui->minusLabel }) {
        label->setCursor(Qt::PointingHandCursor);
        label->installEventFilter(this);
    }
    ui->list->installEventFilter(this);
}

bool TForm10::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == ui->list && event->type() == QEvent::KeyPress
        && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Delete) {
        minusClick();
        return true;
    }
    if (event->type() == QEvent::MouseButtonRelease
        && static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        if (watched == ui->plusLabel)
            ui->plus->click();
        else if (watched == ui->minusLabel)
            ui->minus->click();
    }
    return QDialog::eventFilter(watched, event);
}

TForm10::~TForm10() = default;

void TForm10::setMaterial(const std::string& material, bool loadFile)
{
    material_ = material;
    loadFile_ = loadFile;
}

void TForm10::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (event->spontaneous() || !loadFile_)
        return;
    if (!captionExtended_) {
        caption_ = windowTitle();
        setWindowTitle(windowTitle() + QStringLiteral(" для ") + qs(material_));
        captionExtended_ = true;
    }
    std::optional<std::vector<std::string>> diameters;
    if (!guarded(messages_, [&] { diameters = readDiameters(dataDir_, material_); }))
        return;
    if (diameters)
        setEntries(*diameters);
    else
        messages_.message(qs(noFileMessage(diameterFileName(material_))));
}

void TForm10::plusClick()
{
    if (runDialog(newDiameter_) != QDialog::Accepted)
        return;
    std::vector<std::string> diameters = entries();
    const std::string refusal = addDiameter(diameters, newDiameter_.diameter());
    setEntries(diameters);
    if (!refusal.empty())
        messages_.message(qs(refusal));
}

bool confirmDiameterDeletion(Messages& messages, const QString& diameter)
{
    return messages.confirm(QStringLiteral("Удаление диаметра."),
        QStringLiteral("Вы действительно хотите удалить диаметр  ") + diameter);
}

void TForm10::minusClick()
{
    if (ui->list->count() == 0) {
        messages_.message(QStringLiteral("Уже нечего удалять"));
        return;
    }
    QListWidgetItem* item = ui->list->currentItem();
    if (!item || !item->isSelected()) {
        messages_.message(QStringLiteral("Не выбран удаляемый диаметр!!"));
        return;
    }
    if (confirmDiameterDeletion(messages_, item->text())) {
        delete ui->list->takeItem(ui->list->row(item));
        ui->list->setCurrentRow(-1);
    }
}

void TForm10::okClick()
{
    restoreCaption();
    if (ui->list->count() == 0) {
        messages_.message(kOneDiameterAtLeast);
        return;
    }
    if (!writeDiameters(dataDir_, material_, entries())) {
        messages_.message(qs(writeErrorMessage(diameterFileName(material_))));
        return;
    }
    accept();
}

void TForm10::reject()
{
    restoreCaption();
    QDialog::reject();
}

void TForm10::restoreCaption()
{
    if (captionExtended_) {
        setWindowTitle(caption_);
        captionExtended_ = false;
    }
}

std::vector<std::string> TForm10::entries() const
{
    std::vector<std::string> diameters;
    for (int k = 0; k < ui->list->count(); ++k)
        diameters.push_back(ss(ui->list->item(k)->text()));
    return diameters;
}

void TForm10::setEntries(const std::vector<std::string>& diameters)
{
    ui->list->clear();
    ui->list->addItems(qsList(diameters));
}
