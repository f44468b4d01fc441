#include "forms/windows/dopvvod.h"

#include "ui_dopvvod.h"

#include "engine/catalogue/catalogue.h"
#include "engine/catalogue/datafiles.h"
#include "engine/method/diameterchoice.h"
#include "forms/widgets/messages.h"
#include "forms/widgets/qtext.h"
#include "forms/widgets/windowframe.h"

#include <QStyle>

TForm8::TForm8(Messages& messages, QWidget* parent)
    : QDialog(parent)
    , ui(std::make_unique<Ui::TForm8>())
    , messages_(messages)
{
    ui->setupUi(this);
    fixWindow(this, QSize(346, 164));
    QFont big = font();
    big.setPixelSize(13);
    ui->Label1->setFont(big);
    ui->BitBtn1->setIcon(style()->standardIcon(QStyle::SP_DialogOkButton));
    ui->BitBtn2->setIcon(style()->standardIcon(QStyle::SP_DialogCloseButton));
    connect(ui->BitBtn1, &QPushButton::clicked, this, &TForm8::BitBtn1Click);
    connect(ui->BitBtn2, &QPushButton::clicked, this, &QDialog::reject);
}

TForm8::~TForm8() = default;

std::optional<double> TForm8::choose(const std::string& dataDir, const std::string& material)
{
    if (!FormShow(dataDir, material) || exec() != QDialog::Accepted)
        return std::nullopt;
    return chosen_;
}

bool TForm8::FormShow(const std::string& dataDir, const std::string& material)
{
    ui->dBox->clear();
    const auto items = diameterChoices(FolderFiles(dataDir), material);
    if (!items) {
        messages_.message(qs(noFileMessage(diameterFileName(material))));
        return false;
    }
    if (items->empty()) {
        messages_.message(qs(noDiametersMessage(material)));
        return false;
    }
    ui->dBox->addItems(qsList(*items));
    ui->dBox->setCurrentIndex(0);
    const std::string error = takeChosenDiameter(chosen_, items->front());
    if (!error.empty()) {
        messages_.message(qs(error));
        return false;
    }
    ui->dBox->setEnabled(true);
    ui->drb->setChecked(true);
    return true;
}

void TForm8::BitBtn1Click()
{
    const std::string error = takeChosenDiameter(chosen_, ss(ui->dBox->currentText()));
    if (!error.empty()) {
        messages_.message(qs(error));
        reject();
        return;
    }
    accept();
}
