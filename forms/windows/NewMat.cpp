#include "forms/windows/NewMat.h"

#include "ui_NewMat.h"

#include "engine/catalogue/catalogueedit.h"
#include "forms/widgets/charfilter.h"
#include "forms/widgets/messages.h"
#include "forms/widgets/qtext.h"
#include "forms/widgets/screencentre.h"

TForm9::TForm9(Messages& messages, QWidget* parent)
    : QDialog(parent, Qt::Tool)
    , ui(std::make_unique<Ui::TForm9>())
    , messages_(messages)
{
    ui->setupUi(this);
    setFixedSize(size());
    centreOnScreen(*this);
    // A character a material name may not hold is dropped, typed or pasted.
    ui->name->setValidator(new CharacterFilter(
        [](char32_t c) { return !nameCharsAllowed(ss(QString::fromUcs4(&c, 1))); }, ui->name));
    connect(ui->okButton, &QPushButton::clicked, this, &TForm9::okClick);
    connect(ui->cancelButton, &QPushButton::clicked, this, &QDialog::reject);
}

TForm9::~TForm9() = default;

void TForm9::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    ui->name->setFocus();
}

void TForm9::okClick()
{
    const std::string name = ss(ui->name->text());
    if (name.empty()) {
        ui->name->setFocus();
        return;
    }
    if (std::string refusal = materialNameRefusal(name, listed_); !refusal.empty()) {
        messages_.message(qs(refusal));
        ui->name->setFocus();
        return;
    }
    name_ = name;
    accept();
}
