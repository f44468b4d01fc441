#include "forms/dopvvod.h"

#include "engine/catalogue.h"
#include "engine/diameterchoice.h"
#include "engine/peremenn.h"
#include "forms/messages.h"
#include "forms/qtext.h"
#include "forms/windowframe.h"

#include <QStyle>

TForm8::TForm8(Peremenn& peremenn, Messages& messages, QWidget* parent)
    : QDialog(parent)
    , peremenn_(peremenn)
    , messages_(messages)
{
    ui.setupUi(this);
    fixWindow(this, QSize(346, 164));
    QFont big = font();
    big.setPixelSize(13);
    ui.Label1->setFont(big);
    ui.BitBtn1->setIcon(style()->standardIcon(QStyle::SP_DialogOkButton));
    ui.BitBtn2->setIcon(style()->standardIcon(QStyle::SP_DialogCloseButton));
    connect(ui.BitBtn1, &QPushButton::clicked, this, &TForm8::BitBtn1Click);
    connect(ui.BitBtn2, &QPushButton::clicked, this, &QDialog::reject);
}

bool TForm8::choose()
{
    if (!FormShow())
        return false;
    return exec() == QDialog::Accepted;
}

bool TForm8::FormShow()
{
    ui.dBox->clear();
    const auto items = diameterChoices(peremenn_);
    if (!items) {
        messages_.message(qs(noFileMessage(diameterFileName(peremenn_.materialName))));
        return false;
    }
    if (items->empty()) {
        messages_.message(qs(noDiametersMessage(peremenn_.materialName)));
        return false;
    }
    ui.dBox->addItems(qsList(*items));
    ui.dBox->setCurrentIndex(0);
    const std::string error = takeChosenDiameter(peremenn_, items->front());
    if (!error.empty()) {
        messages_.message(qs(error));
        return false;
    }
    ui.dBox->setEnabled(true);
    ui.drb->setChecked(true);
    return true;
}

void TForm8::BitBtn1Click()
{
    const std::string error = takeChosenDiameter(peremenn_, ss(ui.dBox->currentText()));
    if (!error.empty()) {
        messages_.message(qs(error));
        reject();
        return;
    }
    accept();
}
