#include "forms/pruzform.h"

#include "engine/catalogue.h"
#include "engine/peremenn.h"
#include "engine/textfile.h"
#include "forms/dopvvod.h"
#include "forms/filechooser.h"
#include "forms/glyphs.h"
#include "forms/cataloguelock.h"
#include "forms/guarded.h"
#include "forms/messages.h"
#include "forms/numericfield.h"
#include "forms/autor.h"
#include "forms/Inputdiam.h"
#include "forms/NewMat.h"
#include "forms/newdiam.h"
#include "forms/setup.h"
#include "forms/scetch.h"
#include "forms/urlopener.h"
#include "forms/qtext.h"
#include "forms/rascet.h"
#include "forms/windowframe.h"

#include <QDialog>
#include <QDir>
#include <QKeyEvent>
#include <QPrinter>
#include <QScopeGuard>

namespace {

const QString kCaption = QStringLiteral("Расчет пружин сжатия по ОСТ 5.9539-80");
const QString kFileCaption = QStringLiteral("Расчет пружины ");
const QString kDiameterPrefix = QStringLiteral("  \u2205 ");

// Sets both buttons of a radio choice as given, none or both included,
// which an exclusive pair would not allow.
void setRadioPair(QAbstractButton* a, bool checkA, QAbstractButton* b, bool checkB)
{
    a->setAutoExclusive(false);
    b->setAutoExclusive(false);
    a->setChecked(checkA);
    b->setChecked(checkB);
    a->setAutoExclusive(true);
    b->setAutoExclusive(true);
}

void selectIndex(QComboBox* box, int index) { box->setCurrentIndex(index < box->count() ? index : -1); }

} // namespace

TForm1::TForm1(Peremenn& peremenn, Messages& messages, FileChooser& files, QWidget* parent)
    : QWidget(parent), peremenn_(peremenn), messages_(messages), files_(files)
{
    ui.setupUi(this);
    fixWindow(this, QSize(539, 443));

    ui.SpeedButton1->setIcon(glyph("new"));
    ui.SpeedButton3->setIcon(glyph("open"));
    ui.SpeedButton2->setIcon(glyph("save"));
    ui.SpeedButton4->setIcon(glyph("setup"));
    ui.SpeedButton5->setIcon(glyph("about"));
    ui.Stop->setIcon(style()->standardIcon(QStyle::SP_DialogCloseButton));

    QFont memoFont = font();
    memoFont.setPixelSize(13);
    ui.comm->setFont(memoFont);
    QPalette white = ui.stepni->palette();
    white.setColor(QPalette::Base, Qt::white);
    ui.stepni->setPalette(white);
    ui.stepni->setTextMargins(-2, -1, -2, -1);

    for (QLineEdit* edit : {ui.f1, ui.f2, ui.d1, ui.h, ui.l0, ui.n, ui.vmax})
        new NumericField(edit, FieldKind::Float, peremenn_);
    for (QLineEdit* edit : {ui.ni, ui.stepni})
        new NumericField(edit, FieldKind::Integer, peremenn_);
    // Installed after the fields' filters, so the window sees each key first.
    for (QWidget* w : findChildren<QWidget*>())
        if (w->focusPolicy() != Qt::NoFocus)
            w->installEventFilter(this);

    connect(ui.Rascet, &QPushButton::clicked, this, &TForm1::RascetClick);
    connect(ui.scetch, &QPushButton::clicked, this, &TForm1::scetchClick);
    connect(ui.Stop, &QPushButton::clicked, this, &TForm1::StopClick);
    connect(ui.SpeedButton1, &QToolButton::clicked, this, &TForm1::SpeedButton1Click);
    connect(ui.SpeedButton2, &QToolButton::clicked, this, &TForm1::SpeedButton2Click);
    connect(ui.SpeedButton3, &QToolButton::clicked, this, &TForm1::SpeedButton3Click);
    connect(ui.SpeedButton4, &QToolButton::clicked, this, &TForm1::SpeedButton4Click);
    connect(ui.SpeedButton5, &QToolButton::clicked, this, &TForm1::SpeedButton5Click);
    connect(ui.rbh, &QRadioButton::clicked, this, &TForm1::rbhClick);
    connect(ui.rbl0, &QRadioButton::clicked, this, &TForm1::rbl0Click);
    // activated: picked by the user; selecting from code runs neither.
    connect(ui.material, &QComboBox::activated, this, &TForm1::materialChange);
    connect(ui.grup, &QComboBox::activated, this, &TForm1::grupChange);
}

TForm1::~TForm1() = default;

QPrinter& TForm1::printer()
{
    if (!printer_)
        printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    return *printer_;
}

void TForm1::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (!started_ && !event->spontaneous()) {
        started_ = true;
        FormShow();
        cleanUpStaleWrites(peremenn_.dataDir);
    }
}

std::string TForm1::dataDir() const { return dataDir_.empty() ? ss(QDir::currentPath()) + "/" : dataDir_; }

void TForm1::FormShow()
{
    ui.Label21->setText(QStringLiteral("имеющимся на складе"));
    ui.Label22->setText(QStringLiteral("все обозначения и термины по ОСТ 5.9539-80"));
    ui.Label23->setText(QStringLiteral("Внимание! Диаметр проволоки подбирается ПРОГРАММОЙ!"));
    peremenn_.dataDir = dataDir();
    if (!fillMaterialList())
        return;
    ui.material->setCurrentIndex(0);
    ui.grup->setCurrentIndex(0);
    setModeH();
    fillDiameterMemo(ui.material->currentText());
}

bool TForm1::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress && watched->isWidgetType()) {
        auto* widget = static_cast<QWidget*>(watched);
        if (widget->window() == this)
            FormKeyDown(widget, static_cast<const QKeyEvent&>(*event));
    }
    return false; // the focused control still gets the key
}

void TForm1::FormKeyDown(QWidget* focused, const QKeyEvent& event)
{
    if (event.key() != Qt::Key_Return && event.key() != Qt::Key_Enter)
        return;
    if (qobject_cast<QPlainTextEdit*>(focused))
        return;
    // The next field in the tab order that can take the focus, wrapping.
    for (QWidget* w = focused->nextInFocusChain(); w && w != focused; w = w->nextInFocusChain()) {
        auto* edit = qobject_cast<QLineEdit*>(w);
        if (edit && edit->window() == this && (edit->focusPolicy() & Qt::TabFocus) && edit->isEnabled()
            && edit->isVisibleTo(this)) {
            edit->setFocus(Qt::TabFocusReason);
            return;
        }
    }
}

bool TForm1::fillMaterialList()
{
    std::optional<std::vector<std::string>> lines;
    if (!guarded(messages_, [&] { lines = readDataLines(peremenn_.dataDir, kMaterialList); }))
        return false;
    if (!lines) {
        messages_.message(qs(noFileMessage(kMaterialList)));
        return false;
    }
    ui.material->addItems(qsList(*lines));
    return true;
}

// Every stocked diameter of the material, one per line after the diameter
// sign; an unreadable file leaves the column empty.
void TForm1::fillDiameterMemo(const QString& material)
{
    ui.comm->clear();
    const std::string file = diameterFileName(ss(material));
    std::optional<std::vector<std::string>> lines;
    if (!guarded(messages_, [&] { lines = readDataLines(peremenn_.dataDir, file); }))
        return;
    if (!lines) {
        messages_.message(qs(noFileMessage(file)));
        return;
    }
    QStringList shown;
    for (const auto& line : *lines)
        if (!line.empty())
            shown << kDiameterPrefix + qs(line);
    ui.comm->setPlainText(shown.join(QLatin1Char('\n')));
}

void TForm1::setModeH()
{
    ui.rbh->setChecked(true);
    ui.rbl0->setChecked(false);
    rbhClick();
}

void TForm1::rbhClick()
{
    peremenn_.mode = 1;
    ui.rbl0->setChecked(false);
    ui.l0->setEnabled(false);
    ui.n->setEnabled(false);
    ui.h->setEnabled(true);
}

void TForm1::rbl0Click()
{
    peremenn_.mode = 2;
    ui.rbh->setChecked(false);
    ui.l0->setEnabled(true);
    ui.n->setEnabled(true);
    ui.h->setEnabled(false);
}

void TForm1::materialChange() { fillDiameterMemo(ui.material->currentText()); }

void TForm1::grupChange()
{
    const int index = ui.grup->currentIndex();
    const bool endurance = index == 0 || index == 2;
    ui.ni->setEnabled(endurance);
    ui.stepni->setEnabled(endurance);
    ui.vmax->setEnabled(endurance);
}

InputForm TForm1::formState() const
{
    InputForm f;
    f.rbh = ui.rbh->isChecked();
    f.rbl0 = ui.rbl0->isChecked();
    f.mode = peremenn_.mode;
    f.l0Enabled = ui.l0->isEnabled();
    f.nEnabled = ui.n->isEnabled();
    f.hEnabled = ui.h->isEnabled();
    f.materialIndex = ui.material->currentIndex();
    f.f1 = ss(ui.f1->text());
    f.f2 = ss(ui.f2->text());
    f.d1 = ss(ui.d1->text());
    f.h = ss(ui.h->text());
    f.vmax = ss(ui.vmax->text());
    f.ni = ss(ui.ni->text());
    f.stepni = ss(ui.stepni->text());
    f.l0 = ss(ui.l0->text());
    f.n = ss(ui.n->text());
    f.grupIndex = ui.grup->currentIndex();
    f.navivkaIndex = ui.navivkaLeft->isChecked() ? 0 : ui.navivkaRight->isChecked() ? 1 : -1;
    f.niEnabled = ui.ni->isEnabled();
    f.stepniEnabled = ui.stepni->isEnabled();
    f.vmaxEnabled = ui.vmax->isEnabled();
    f.materialName = ss(ui.material->currentText());
    return f;
}

void TForm1::applyFormState(const InputForm& f)
{
    setRadioPair(ui.rbh, f.rbh, ui.rbl0, f.rbl0);
    peremenn_.mode = f.mode;
    ui.l0->setEnabled(f.l0Enabled);
    ui.n->setEnabled(f.nEnabled);
    ui.h->setEnabled(f.hEnabled);
    selectIndex(ui.material, f.materialIndex);
    ui.f1->setText(qs(f.f1));
    ui.f2->setText(qs(f.f2));
    ui.d1->setText(qs(f.d1));
    ui.h->setText(qs(f.h));
    ui.vmax->setText(qs(f.vmax));
    ui.ni->setText(qs(f.ni));
    ui.stepni->setText(qs(f.stepni));
    ui.l0->setText(qs(f.l0));
    ui.n->setText(qs(f.n));
    selectIndex(ui.grup, f.grupIndex);
    setRadioPair(ui.navivkaLeft, f.navivkaIndex == 0, ui.navivkaRight, f.navivkaIndex == 1);
    ui.ni->setEnabled(f.niEnabled);
    ui.stepni->setEnabled(f.stepniEnabled);
    ui.vmax->setEnabled(f.vmaxEnabled);
}

void TForm1::RascetClick()
{
    if (sketch_)
        sketch_->close();
    if (report_)
        report_->close();
    guarded(messages_, [this] {
        InputForm form = formState();
        InputCheck check;
        {
            // "0" in vmax and ni is replaced for good, even when a later
            // field stops the command.
            const auto keepReplacements = qScopeGuard([&] {
                if (ui.vmax->text() != qs(form.vmax))
                    ui.vmax->setText(qs(form.vmax));
                if (ui.ni->text() != qs(form.ni))
                    ui.ni->setText(qs(form.ni));
            });
            check = applyCalcInputs(peremenn_, form);
        }
        if (check.outcome == InputOutcome::Refused)
            messages_.message(qs(check.message));
        if (check.outcome != InputOutcome::Proceed)
            return;
        if (!diameterChoice_)
            diameterChoice_ = new TForm8(peremenn_, messages_, this);
        if (!report_)
            report_ = new TForm3(peremenn_, messages_, *diameterChoice_, printer(), this);
        report_->show();
    });
}

void TForm1::scetchClick()
{
    if (!sketch_)
        sketch_ = new TForm2(peremenn_, messages_, printer(), this);
    sketch_->show();
}

void TForm1::StopClick() { close(); }

void TForm1::SpeedButton1Click()
{
    setWindowTitle(kCaption);
    setModeH();
    ui.material->setCurrentIndex(0);
    for (QLineEdit* edit : {ui.f1, ui.f2, ui.d1, ui.h, ui.vmax, ui.ni, ui.stepni, ui.l0, ui.n})
        edit->setText(QStringLiteral("0"));
    ui.grup->setCurrentIndex(0);
    setRadioPair(ui.navivkaLeft, true, ui.navivkaRight, false);
    for (QLineEdit* edit : {ui.ni, ui.stepni, ui.vmax})
        edit->setEnabled(true);
    fillDiameterMemo(ui.material->currentText());
}

void TForm1::SpeedButton2Click()
{
    const QString name = files_.saveFile(this);
    if (name.isEmpty())
        return;
    if (!writeTextLines(ss(name), ridLines(formState()))) {
        messages_.message(qs(writeErrorMessage(ss(name))));
        return;
    }
    setWindowTitle(kFileCaption + name);
}

void TForm1::SpeedButton3Click()
{
    const QString name = files_.openFile(this);
    if (name.isEmpty())
        return;
    guarded(messages_, [&] {
        const auto lines = readTextLines(ss(name));
        if (!lines) {
            messages_.message(qs(noFileMessage(ss(name))));
            return;
        }
        // The whole file is checked before the form changes.
        InputForm form = parseRid(*lines);
        std::vector<std::string> materials;
        for (int k = 0; k < ui.material->count(); ++k)
            materials.push_back(ss(ui.material->itemText(k)));
        form.materialIndex = ridMaterialIndex(form, materials);
        setWindowTitle(kFileCaption + name);
        applyFormState(form);
        fillDiameterMemo(qs(form.materialName));
    });
}

void TForm1::SpeedButton4Click()
{
    if (!settings_) {
        if (!newMaterial_) {
            newMaterial_ = new TForm9(peremenn_, messages_, this);
            diameters_ = new TForm10(peremenn_, messages_, *new TForm11(peremenn_, this), this);
        }
        settings_ = new TForm4(peremenn_, messages_, *newMaterial_, *diameters_, this);
    }
    settings_->exec();
    // The settings may have changed the catalogue: read it again and show
    // the diameters of the material now selected.
    peremenn_.dataDir = dataDir();
    ui.material->clear();
    if (!fillMaterialList())
        return;
    ui.material->setCurrentIndex(0);
    fillDiameterMemo(ui.material->currentText());
}

void TForm1::SpeedButton5Click()
{
    if (!about_) {
        static DesktopUrlOpener mailOpener;
        about_ = new TAboutBox(messages_, mailOpener, this);
    }
    about_->exec();
}
