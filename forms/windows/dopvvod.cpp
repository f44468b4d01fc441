#include "forms/windows/dopvvod.h"

#include "ui_dopvvod.h"

#include "engine/catalogue/catalogue.h"
#include "engine/catalogue/datafiles.h"
#include "engine/method/diameterchoice.h"
#include "forms/widgets/messages.h"
#include "forms/widgets/qtext.h"
#include "forms/widgets/windowframe.h"

#include <QLabel>
#include <QLocale>
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
    // In the frame's free room under the list.
    needed_ = new QLabel(ui->GroupBox1);
    needed_->setObjectName(QStringLiteral("needed"));
    needed_->setGeometry(18, 56, 300, 20);
    needed_->hide();
    connect(ui->BitBtn1, &QPushButton::clicked, this, &TForm8::BitBtn1Click);
    connect(ui->BitBtn2, &QPushButton::clicked, this, &QDialog::reject);
}

TForm8::~TForm8() = default;

std::optional<double> TForm8::choose(
    const std::string& dataDir, const std::string& material, std::optional<double> needs)
{
    if (!FormShow(dataDir, material, needs) || exec() != QDialog::Accepted)
        return std::nullopt;
    return chosen_;
}

bool TForm8::FormShow(const std::string& dataDir, const std::string& material, std::optional<double> needs)
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
    const size_t first = needs ? preselectedChoice(*items, *needs) : 0;
    ui->dBox->setCurrentIndex(static_cast<int>(first));
    needed_->setVisible(needs.has_value());
    if (needs)
        needed_->setText(QStringLiteral("Расчетный диаметр проволоки: %1 мм")
                             .arg(QLocale(QLocale::Russian).toString(*needs, 'g', 3)));
    const std::string error = takeChosenDiameter(chosen_, (*items)[first]);
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
