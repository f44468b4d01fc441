#include "forms/windows/Inputdiam.h"

#include "ui_Inputdiam.h"

#include "engine/catalogue/catalogueedit.h"
#include "forms/widgets/numericfield.h"
#include "forms/widgets/qtext.h"
#include "forms/widgets/screencentre.h"

TForm11::TForm11(QWidget* parent)
    : QDialog(parent, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
    , ui(std::make_unique<Ui::TForm11>())
{
    ui->setupUi(this);
    setFixedSize(size());
    centreOnScreen(*this);
    field_ = new NumericField(ui->diameter, FieldKind::Float, NumericField::Role::DialogField);
    connect(ui->okButton, &QPushButton::clicked, this, &TForm11::okClick);
    connect(ui->cancelButton, &QPushButton::clicked, this, &QDialog::reject);
}

TForm11::~TForm11() = default;

void TForm11::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    ui->diameter->setFocus();
}

void TForm11::okClick()
{
    // Enter presses OK without the field losing the focus: tidy it as leaving would.
    field_->exit();
    const std::string text = ss(ui->diameter->text());
    if (!diameterAboveZero(text)) {
        ui->diameter->setFocus();
        return;
    }
    diameter_ = text;
    accept();
}
