#include "forms/Inputdiam.h"

#include "ui_Inputdiam.h"

#include "engine/catalogueedit.h"
#include "engine/peremenn.h"
#include "forms/floatkeyfilter.h"
#include "forms/qtext.h"
#include "forms/screencentre.h"

TForm11::TForm11(Peremenn& p, QWidget* parent)
    : QDialog(parent, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
    , ui(std::make_unique<Ui::TForm11>())
    , p_(p)
{
    ui->setupUi(this);
    setFixedSize(size());
    centreOnScreen(*this);
    new FloatKeyFilter(p_.lastKey, *ui->diameter);
    ui->diameter->installEventFilter(this);
    connect(ui->okButton, &QPushButton::clicked, this, &TForm11::okClick);
    connect(ui->cancelButton, &QPushButton::clicked, this, &QDialog::reject);
}

TForm11::~TForm11() = default;

void TForm11::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    ui->diameter->setFocus();
}

bool TForm11::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == ui->diameter && event->type() == QEvent::FocusOut)
        diameterExit();
    return QDialog::eventFilter(watched, event);
}

// Leaving the field drops a trailing comma.
void TForm11::diameterExit()
{
    QString text = ui->diameter->text();
    if (text.endsWith(QLatin1Char(','))) {
        text.chop(1);
        ui->diameter->setText(text);
    }
}

void TForm11::okClick()
{
    // Enter presses OK without the field losing the focus: tidy it as leaving would.
    diameterExit();
    const std::string text = ss(ui->diameter->text());
    if (!diameterAboveZero(text)) {
        ui->diameter->setFocus();
        return;
    }
    p_.newDiameter = text;
    accept();
}
