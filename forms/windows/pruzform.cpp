#include "forms/windows/pruzform.h"

#include "ui_pruzform.h"

#include "engine/catalogue/catalogue.h"
#include "engine/catalogue/datafiles.h"
#include "engine/catalogue/textfile.h"
#include "engine/common/errors.h"
#include "engine/common/numtext.h"
#include "engine/features/verification.h"
#include "engine/method/calchost.h"
#include "engine/method/diameterchoice.h"
#include "forms/print/printer.h"
#include "forms/widgets/appsettings.h"
#include "forms/widgets/cataloguelock.h"
#include "forms/widgets/filechooser.h"
#include "forms/widgets/glyphs.h"
#include "forms/widgets/guarded.h"
#include "forms/widgets/linesmodel.h"
#include "forms/widgets/messages.h"
#include "forms/widgets/numericfield.h"
#include "forms/widgets/qtext.h"
#include "forms/widgets/screenfit.h"
#include "forms/widgets/shortcuts.h"
#include "forms/widgets/stalemark.h"
#include "forms/widgets/urlopener.h"
#include "forms/widgets/windowframe.h"
#include "forms/widgets/windowplace.h"
#include "forms/windows/Inputdiam.h"
#include "forms/windows/NewMat.h"
#include "forms/windows/autor.h"
#include "forms/windows/chertezh.h"
#include "forms/windows/dopvvod.h"
#include "forms/windows/newdiam.h"
#include "forms/windows/rascet.h"
#include "forms/windows/scetch.h"
#include "forms/windows/setup.h"

#include <QCloseEvent>
#include <QDateTime>
#include <QDialog>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QListView>
#include <QMenu>
#include <QPagedPaintDevice>
#include <QScopeGuard>
#include <QShortcut>
#include <QStyle>
#include <algorithm>

namespace {

const QString kCaption = QStringLiteral("Расчет пружин сжатия по ОСТ 5.9539-80");
const QString kFileCaption = QStringLiteral("Расчет пружины ");
// More materials than anyone lists by hand.
constexpr size_t kLongList = 1000;
// The diameter sign: Ø, which the window's font has; a sign it lacks (⌀)
// would have Qt look for another font to draw it with.
const QString kDiameterPrefix = QStringLiteral("  \u00D8 ");

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

// Marks the first `letter` of the widget's text as its Alt accelerator.
template <typename Widget> void addMnemonic(Widget* widget, const QString& letter)
{
    QString text = widget->text();
    const qsizetype at = text.indexOf(letter);
    if (at >= 0 && !text.contains(QLatin1Char('&')))
        widget->setText(text.insert(at, QLatin1Char('&')));
}

void selectIndex(QComboBox* box, int index)
{
    box->setCurrentIndex(index < box->count() ? index : -1);
}

const QString kAskToSave = QStringLiteral("Исходные данные изменены. Сохранить их?");

// The calculation's host while "Расчет" runs: its messages in message
// boxes, the diameter question in the diameter choice dialog.
class WindowHost : public CalcHost {
public:
    WindowHost(Messages& messages, TForm8& dialog)
        : messages_(messages)
        , dialog_(dialog)
    {
    }

    void showMessage(const std::string& text) override { messages_.message(qs(text)); }
    std::optional<double> chooseDiameter(const CalcInputs& inputs, std::optional<double> needed) override
    {
        return dialog_.choose(inputs.dataDir, inputs.materialName, needed);
    }

private:
    Messages& messages_;
    TForm8& dialog_;
};

// What stopped a calculation, on one line.
QString stopText(const CalcResult& r)
{
    std::string why = !r.error.empty() ? r.error
        : r.messages.empty()           ? std::string("расчет не завершен")
                                       : r.messages.back();
    std::replace(why.begin(), why.end(), '\r', ' ');
    return QStringLiteral("Расчет остановлен: ") + qs(why);
}

} // namespace

TForm1::TForm1(
    Messages& messages, FileChooser& files, std::string dataDir, AppSettings* settings, QWidget* parent)
    : QWidget(parent)
    , messages_(messages)
    , files_(files)
    , ui(std::make_unique<Ui::TForm1>())
    , dataFolder_(std::move(dataDir))
    , appSettings_(settings)
{
    ui->setupUi(this);
    title_ = windowTitle();
    fixWindow(this, QSize(539, 443));

    ui->SpeedButton1->setIcon(glyph("new"));
    ui->SpeedButton3->setIcon(glyph("open"));
    ui->SpeedButton2->setIcon(glyph("save"));
    ui->SpeedButton4->setIcon(glyph("setup"));
    ui->SpeedButton5->setIcon(glyph("about"));
    ui->Stop->setIcon(style()->standardIcon(QStyle::SP_DialogCloseButton));

    materials_ = new LinesModel(this);
    ui->material->setModel(materials_);

    QFont listFont = font();
    listFont.setPixelSize(13);
    ui->comm->setFont(listFont);
    QPalette white = ui->stepni->palette();
    white.setColor(QPalette::Base, Qt::white);
    ui->stepni->setPalette(white);
    ui->stepni->setTextMargins(-2, -1, -2, -1);

    for (QLineEdit* edit : { ui->f1, ui->f2, ui->d1, ui->h, ui->l0, ui->n, ui->vmax })
        new NumericField(edit, FieldKind::Float);
    for (QLineEdit* edit : { ui->ni, ui->stepni })
        new NumericField(edit, FieldKind::Integer);
    // The last calculation that stopped, in the free middle of the bottom
    // bar, with the way to its trace.
    lastFailure_ = new QLabel(ui->Bottom);
    lastFailure_->setObjectName(QStringLiteral("lastFailure"));
    lastFailure_->setGeometry(208, 6, 228, 18);
    // Its link is set when first shown: a rich-text label would build a
    // text document and load the HTML parser before the window first shows.
    lastFailureTrace_ = new QLabel(ui->Bottom);
    lastFailureTrace_->setObjectName(QStringLiteral("lastFailureTrace"));
    lastFailureTrace_->setGeometry(208, 24, 228, 18);
    lastFailureTrace_->setToolTip(QStringLiteral("Ход остановленного расчета"));
    connect(lastFailureTrace_, &QLabel::linkActivated, this, [this] {
        if (report_)
            report_->showResult(last_, lastHeader_, true);
    });
    showLastFailure();
    setUpKeyboard();
    // Installed after the fields' filters, so the window sees each key first.
    for (QWidget* w : findChildren<QWidget*>())
        if (w->focusPolicy() != Qt::NoFocus)
            w->installEventFilter(this);

    connect(ui->Rascet, &QPushButton::clicked, this, &TForm1::RascetClick);
    connect(ui->scetch, &QPushButton::clicked, this, &TForm1::scetchClick);
    connect(ui->Stop, &QPushButton::clicked, this, &TForm1::StopClick);
    connect(ui->SpeedButton1, &QToolButton::clicked, this, &TForm1::SpeedButton1Click);
    connect(ui->SpeedButton2, &QToolButton::clicked, this, &TForm1::SpeedButton2Click);
    connect(ui->SpeedButton3, &QToolButton::clicked, this, &TForm1::SpeedButton3Click);
    connect(ui->SpeedButton4, &QToolButton::clicked, this, &TForm1::SpeedButton4Click);
    connect(ui->SpeedButton5, &QToolButton::clicked, this, &TForm1::SpeedButton5Click);
    connect(ui->rbh, &QRadioButton::clicked, this, &TForm1::rbhClick);
    connect(ui->rbl0, &QRadioButton::clicked, this, &TForm1::rbl0Click);
    // activated: picked by the user; selecting from code runs neither.
    connect(ui->material, &QComboBox::activated, this, &TForm1::materialChange);
    connect(ui->grup, &QComboBox::activated, this, &TForm1::grupChange);
    // After the handlers above, so the mode is already set.
    for (QLineEdit* edit : { ui->f1, ui->f2, ui->d1, ui->h, ui->l0, ui->n, ui->vmax, ui->ni, ui->stepni })
        connect(edit, &QLineEdit::textChanged, this, &TForm1::inputsEdited);
    for (QRadioButton* mode : { ui->rbh, ui->rbl0 })
        connect(mode, &QRadioButton::clicked, this, &TForm1::inputsEdited);
    for (QComboBox* choice : { ui->material, ui->grup })
        connect(choice, &QComboBox::currentIndexChanged, this, &TForm1::inputsEdited);
    connect(this, &TForm1::inputsEdited, this, &TForm1::markStaleResults);
    connect(this, &TForm1::inputsEdited, this, &TForm1::showChanged);
    // The winding is printed with the results, though it is no input of
    // the calculation.
    for (QRadioButton* winding : { ui->navivkaLeft, ui->navivkaRight }) {
        connect(winding, &QRadioButton::toggled, this, &TForm1::markStaleResults);
        connect(winding, &QRadioButton::toggled, this, &TForm1::showChanged);
    }
}

void TForm1::markStaleResults()
{
    const bool stale = !calculatedForm_.empty() && ridLines(formState()) != calculatedForm_;
    for (QWidget* window : { static_cast<QWidget*>(report_), static_cast<QWidget*>(sketch_) })
        if (window)
            setStale(window, stale);
}

std::optional<CalcInputs> TForm1::calcInputs() const
{
    CalcInputs in;
    in.dataDir = dataFolder_;
    InputForm form = calcForm();
    try {
        if (applyCalcInputs(in, form) == InputOutcome::Proceed)
            return in;
    } catch (const PruzError&) {
        // a field that is not a number
    }
    return std::nullopt;
}

TForm1::~TForm1() = default;

void TForm1::setUpKeyboard()
{
    // The order Tab walks; Enter walks the edit fields in the same order.
    const QList<QWidget*> tabOrder { ui->f1, ui->f2, ui->d1, ui->h, ui->rbh, ui->rbl0, ui->l0, ui->n,
        ui->navivkaLeft, ui->navivkaRight, ui->ni, ui->stepni, ui->vmax, ui->material, ui->grup, ui->comm,
        ui->Rascet, ui->scetch, ui->Stop, ui->SpeedButton1, ui->SpeedButton3, ui->SpeedButton2,
        ui->SpeedButton4, ui->SpeedButton5 };
    // The toolbar is reached with Tab; a click on it leaves the focus in
    // the field being edited, so that it is saved as typed.
    for (QToolButton* tool :
        { ui->SpeedButton1, ui->SpeedButton3, ui->SpeedButton2, ui->SpeedButton4, ui->SpeedButton5 })
        tool->setFocusPolicy(Qt::TabFocus);
    for (qsizetype k = 1; k < tabOrder.size(); ++k)
        setTabOrder(tabOrder[k - 1], tabOrder[k]);
    // Reached with Tab, the diameter list scrolls with the arrow keys.
    ui->comm->setTabChangesFocus(true);
    ui->comm->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    keepTabOnCheckedButton(ui->rbh, ui->rbl0);
    keepTabOnCheckedButton(ui->navivkaLeft, ui->navivkaRight);

    bindShortcut(ui->SpeedButton1, QKeySequence(Qt::CTRL | Qt::Key_N));
    bindShortcut(ui->SpeedButton3, QKeySequence(Qt::CTRL | Qt::Key_O));
    bindShortcut(ui->SpeedButton2, QKeySequence(Qt::CTRL | Qt::Key_S));
    bindShortcut(ui->Rascet, QKeySequence(Qt::Key_F9));
    bindShortcut(ui->scetch, QKeySequence(Qt::CTRL | Qt::Key_E));
    bindShortcut(ui->SpeedButton4, QKeySequence(Qt::CTRL | Qt::Key_Comma));
    bindShortcut(ui->SpeedButton5, QKeySequence(Qt::Key_F1));

    const QKeySequence saveAsKey(Qt::CTRL | Qt::SHIFT | Qt::Key_S);
    connect(new QShortcut(saveAsKey, this), &QShortcut::activated, this, [this] { saveAs(); });
    ui->SpeedButton2->setToolTip(ui->SpeedButton2->toolTip() + QStringLiteral("\nСохранить как… (")
        + keyName(saveAsKey) + QStringLiteral(", правая кнопка мыши)"));
    ui->SpeedButton2->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(ui->SpeedButton2, &QWidget::customContextMenuRequested, this, [this](const QPoint& pos) {
        auto* menu = new QMenu(this);
        menu->setAttribute(Qt::WA_DeleteOnClose);
        connect(menu->addAction(QStringLiteral("Сохранить как…")), &QAction::triggered, this,
            [this] { saveAs(); });
        menu->popup(ui->SpeedButton2->mapToGlobal(pos));
    });

    const QKeySequence recentKey(Qt::CTRL | Qt::Key_R);
    connect(new QShortcut(recentKey, this), &QShortcut::activated, this,
        [this] { showRecentFiles(ui->SpeedButton3->mapToGlobal(ui->SpeedButton3->rect().bottomLeft())); });
    ui->SpeedButton3->setToolTip(ui->SpeedButton3->toolTip() + QStringLiteral("\nпоследние файлы: ")
        + keyName(recentKey) + QStringLiteral(" или правая кнопка мыши"));
    ui->SpeedButton3->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(ui->SpeedButton3, &QWidget::customContextMenuRequested, this,
        [this](const QPoint& pos) { showRecentFiles(ui->SpeedButton3->mapToGlobal(pos)); });

    // Alt and a letter: each field through its label, each choice and
    // button through its own text.
    const struct {
        QLabel* label;
        QWidget* field;
        const char* letter;
    } labelled[] { { ui->Label1, ui->f1, "С" }, { ui->Label2, ui->f2, "ч" }, { ui->Label3, ui->d1, "Н" },
        { ui->ln, ui->n, "в" }, { ui->Label9, ui->ni, "Т" }, { ui->Label12, ui->vmax, "ж" },
        { ui->Label7, ui->material, "М" }, { ui->Label8, ui->grup, "Г" } };
    for (const auto& [label, field, letter] : labelled) {
        addMnemonic(label, QString::fromUtf8(letter));
        label->setBuddy(field);
    }
    const std::pair<QAbstractButton*, const char*> buttons[] { { ui->rbh, "х" }, { ui->rbl0, "Д" },
        { ui->navivkaLeft, "Л" }, { ui->navivkaRight, "П" }, { ui->Rascet, "Р" }, { ui->scetch, "Э" },
        { ui->Stop, "З" } };
    for (const auto& [button, letter] : buttons)
        addMnemonic(button, QString::fromUtf8(letter));
    addLatinTwins(this);
}

// Tab reaches a radio choice at its selected button (the first one when
// none is selected), whichever was selected by code or by the user.
void TForm1::keepTabOnCheckedButton(QAbstractButton* a, QAbstractButton* b)
{
    auto update = [a, b] {
        const bool tabToB = b->isChecked() && !a->isChecked();
        a->setFocusPolicy(tabToB ? Qt::ClickFocus : Qt::StrongFocus);
        b->setFocusPolicy(tabToB ? Qt::StrongFocus : Qt::ClickFocus);
    };
    connect(a, &QAbstractButton::toggled, this, update);
    connect(b, &QAbstractButton::toggled, this, update);
    update();
}

QPagedPaintDevice& TForm1::printer()
{
    if (!printer_)
        printer_ = makePrinter();
    return *printer_;
}

const TextLines& TForm1::materialList() const
{
    return materials_->lines();
}

QStringList TForm1::materialNames() const
{
    QStringList names;
    for (int k = 0; k < ui->material->count(); ++k)
        names << ui->material->itemText(k);
    return names;
}

void TForm1::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (!started_ && !event->spontaneous()) {
        started_ = true;
        FormShow();
        cleanUpStaleWrites(dataFolder_);
        markUnchanged();
    }
}

void TForm1::closeEvent(QCloseEvent* event)
{
    if (mayDropInput())
        event->accept();
    else
        event->ignore();
}

void TForm1::markUnchanged()
{
    unchangedForm_ = ridLines(formState());
    showChanged();
}

void TForm1::setTitle(const QString& title)
{
    title_ = title;
    showChanged();
}

// Unsaved changes are marked in the title, as desktop programs do.
void TForm1::showChanged()
{
    const QString title = inputChanged() ? title_ + QStringLiteral(" *") : title_;
    if (windowTitle() != title)
        setWindowTitle(title);
}

bool TForm1::inputChanged() const
{
    return ridLines(formState()) != unchangedForm_;
}

bool TForm1::mayDropInput()
{
    if (!inputChanged())
        return true;
    switch (messages_.askToSave(kAskToSave)) {
    case Messages::SaveAnswer::DontSave:
        return true;
    case Messages::SaveAnswer::Cancel:
        return false;
    case Messages::SaveAnswer::Save:
        break;
    }
    return saveCurrent();
}

void TForm1::FormShow()
{
    ui->Label21->setText(QStringLiteral("имеющимся на складе"));
    ui->Label22->setText(QStringLiteral("все обозначения и термины по ОСТ 5.9539-80"));
    ui->Label23->setText(QStringLiteral("Внимание! Диаметр проволоки подбирается ПРОГРАММОЙ!"));
    if (!fillMaterialList())
        return;
    ui->material->setCurrentIndex(0);
    ui->grup->setCurrentIndex(0);
    setModeH();
    fillDiameterMemo(ui->material->currentText());
    // Typing starts in the first field, not on the toolbar.
    ui->f1->setFocus(Qt::OtherFocusReason);
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
    std::shared_ptr<const TextLines> lines;
    const bool read = guarded(messages_, [&] { lines = FolderFiles(dataFolder_).text(kMaterialList); });
    if (read && !lines)
        messages_.message(qs(noFileMessage(kMaterialList)));
    // Rows of one height let the popup of a long list open at once; asking
    // for the popup makes it, so a short list leaves that to the first click.
    if (lines && lines->size() > kLongList)
        if (auto* view = qobject_cast<QListView*>(ui->material->view()))
            view->setUniformItemSizes(true);
    materials_->setLines(lines);
    return lines != nullptr;
}

// Every stocked diameter of the material, one per line after the diameter
// sign; an unreadable file leaves the column empty.
void TForm1::fillDiameterMemo(const QString& material)
{
    ui->comm->clear();
    const std::string file = diameterFileName(ss(material));
    std::shared_ptr<const TextLines> lines;
    if (!guarded(messages_, [&] { lines = FolderFiles(dataFolder_).text(file); }))
        return;
    if (!lines) {
        messages_.message(qs(noFileMessage(file)));
        return;
    }
    QString shown;
    for (size_t at = 0; at < lines->end();) {
        const std::string_view line = lines->next(at);
        if (line.empty())
            continue;
        if (!shown.isEmpty())
            shown += QLatin1Char('\n');
        shown += kDiameterPrefix;
        shown += QString::fromUtf8(line.data(), static_cast<qsizetype>(line.size()));
    }
    ui->comm->setPlainText(shown);
}

void TForm1::setModeH()
{
    ui->rbh->setChecked(true);
    ui->rbl0->setChecked(false);
    rbhClick();
}

void TForm1::rbhClick()
{
    mode_ = 1;
    ui->rbl0->setChecked(false);
    ui->l0->setEnabled(false);
    ui->n->setEnabled(false);
    ui->h->setEnabled(true);
}

void TForm1::rbl0Click()
{
    mode_ = 2;
    ui->rbh->setChecked(false);
    ui->l0->setEnabled(true);
    ui->n->setEnabled(true);
    ui->h->setEnabled(false);
}

void TForm1::materialChange()
{
    setAbsentMaterial({}, -1);
    fillDiameterMemo(ui->material->currentText());
}

bool TForm1::selectMaterial(const QString& material)
{
    const int index = ui->material->findText(material, Qt::MatchExactly);
    if (index < 0) { // the catalogue was changed behind the program's back
        messages_.message(
            QStringLiteral("Материала ") + material + QStringLiteral(" нет в списке материалов"));
        return false;
    }
    if (index != ui->material->currentIndex()) {
        ui->material->setCurrentIndex(index);
        materialChange();
    }
    return true;
}

void TForm1::calculateIn(const QString& material)
{
    if (selectMaterial(material))
        RascetClick();
}

void TForm1::calculateDesign(const CalcInputs& in)
{
    if (!selectMaterial(qs(in.materialName)))
        return;
    ui->grup->setCurrentIndex(in.group - 1);
    grupChange();
    const std::pair<QLineEdit*, double> fields[]
        = { { ui->f1, in.F1 / 10 }, { ui->f2, in.F2 / 10 }, { ui->d1, in.D1 }, { ui->vmax, in.Vmax } };
    for (const auto& [edit, value] : fields)
        edit->setText(qs(numText(value)));
    if (in.mode == 2) {
        ui->l0->setText(qs(numText(in.L0)));
        ui->n->setText(qs(numText(in.n)));
    } else {
        ui->h->setText(qs(numText(in.H)));
    }
    calculate(in.chosenD);
}

void TForm1::grupChange()
{
    const int index = ui->grup->currentIndex();
    const bool endurance = index == 0 || index == 2;
    ui->ni->setEnabled(endurance);
    ui->stepni->setEnabled(endurance);
    ui->vmax->setEnabled(endurance);
}

InputForm TForm1::formState() const
{
    InputForm f;
    f.rbh = ui->rbh->isChecked();
    f.rbl0 = ui->rbl0->isChecked();
    f.mode = mode_;
    f.l0Enabled = ui->l0->isEnabled();
    f.nEnabled = ui->n->isEnabled();
    f.hEnabled = ui->h->isEnabled();
    f.materialIndex = ui->material->currentIndex();
    f.f1 = ss(ui->f1->text());
    f.f2 = ss(ui->f2->text());
    f.d1 = ss(ui->d1->text());
    f.h = ss(ui->h->text());
    f.vmax = ss(ui->vmax->text());
    f.ni = ss(ui->ni->text());
    f.stepni = ss(ui->stepni->text());
    f.l0 = ss(ui->l0->text());
    f.n = ss(ui->n->text());
    f.grupIndex = ui->grup->currentIndex();
    f.navivkaIndex = ui->navivkaLeft->isChecked() ? 0 : ui->navivkaRight->isChecked() ? 1 : -1;
    f.niEnabled = ui->ni->isEnabled();
    f.stepniEnabled = ui->stepni->isEnabled();
    f.vmaxEnabled = ui->vmax->isEnabled();
    f.materialName = ss(ui->material->currentText());
    if (f.materialIndex < 0 && !absentMaterial_.empty()) {
        f.materialIndex = absentMaterialIndex_;
        f.materialName = absentMaterial_;
    }
    return f;
}

InputForm TForm1::calcForm() const
{
    InputForm f = formState();
    if (ui->material->currentIndex() < 0)
        f.materialName.clear();
    return f;
}

void TForm1::setAbsentMaterial(std::string name, int index)
{
    absentMaterial_ = std::move(name);
    absentMaterialIndex_ = index;
    ui->material->setPlaceholderText(
        absentMaterial_.empty() ? QString() : qs(absentMaterial_) + QStringLiteral(" (нет в каталоге)"));
    if (!absentMaterial_.empty()) {
        ui->material->setCurrentIndex(-1);
        ui->comm->clear();
    }
}

void TForm1::applyFormState(const InputForm& f)
{
    setRadioPair(ui->rbh, f.rbh, ui->rbl0, f.rbl0);
    mode_ = f.mode;
    ui->l0->setEnabled(f.l0Enabled);
    ui->n->setEnabled(f.nEnabled);
    ui->h->setEnabled(f.hEnabled);
    selectIndex(ui->material, f.materialIndex);
    ui->f1->setText(qs(f.f1));
    ui->f2->setText(qs(f.f2));
    ui->d1->setText(qs(f.d1));
    ui->h->setText(qs(f.h));
    ui->vmax->setText(qs(f.vmax));
    ui->ni->setText(qs(f.ni));
    ui->stepni->setText(qs(f.stepni));
    ui->l0->setText(qs(f.l0));
    ui->n->setText(qs(f.n));
    selectIndex(ui->grup, f.grupIndex);
    setRadioPair(ui->navivkaLeft, f.navivkaIndex == 0, ui->navivkaRight, f.navivkaIndex == 1);
    ui->ni->setEnabled(f.niEnabled);
    ui->stepni->setEnabled(f.stepniEnabled);
    ui->vmax->setEnabled(f.vmaxEnabled);
}

void TForm1::RascetClick()
{
    calculate(std::nullopt);
}

void TForm1::calculate(std::optional<double> wire)
{
    // Without a new result the open windows would show one that no longer
    // belongs to the form: they are closed; a new result is shown in them.
    const auto closeResults = [this] {
        for (QWidget* window : { static_cast<QWidget*>(sketch_), static_cast<QWidget*>(report_) })
            if (window)
                window->close();
    };
    if (!diameterChoice_)
        diameterChoice_ = new TForm8(messages_, this);
    // The program's own replacement of "0" in vmax and ni is no change of
    // the user's input.
    const bool unchanged = !inputChanged();
    // Stored in order over the last inputs: a stop keeps what it reached.
    CalcInputs given = last_->inputs;
    given.dataDir = dataFolder_;
    given.chosenD = wire;
    given.askAlways = wire.has_value();
    WindowHost host(messages_, *diameterChoice_);
    const ReportHeader header { .dateTime
        = ss(QDateTime::currentDateTime().toString(QStringLiteral("dd.MM.yyyy HH:mm"))),
        .inputFile = ss(inputFile_) };
    auto r = std::make_shared<const DesignResult>(
        runForm(calcForm(), given, host, FolderFiles(dataFolder_), { .trace = true }));
    // "0" in vmax and ni is replaced for good, even when a later field
    // stops the command.
    const InputForm& applied = *r->form;
    if (ui->vmax->text() != qs(applied.vmax))
        ui->vmax->setText(qs(applied.vmax));
    if (ui->ni->text() != qs(applied.ni))
        ui->ni->setText(qs(applied.ni));
    if (unchanged)
        markUnchanged();
    if (!r->error.empty())
        messages_.message(qs(r->error)); // the application's error box
    // A refusal too: the sketch then no longer shows a complete calculation.
    if (r->refused())
        closeResults();
    last_ = std::move(r);
    if (last_->refused())
        return;
    // The inputs as this calculation was given them, for the printed
    // report; later edits of the form do not change it.
    lastHeader_ = header;
    lastHeader_.form = applied;
    lastHeader_.catalogue = catalogueLabel(dataFolder_);
    calculatedForm_ = ridLines(formState());
    showLastFailure();
    if (!report_) {
        report_ = new TForm3(messages_, printer(), files_, appSettings_, this);
        report_->setLiveInputs([this] { return calcInputs(); }, [this](double d) { calculate(d); },
            [this](const QString& material) { calculateIn(material); },
            [this](const CalcInputs& inputs) { calculateDesign(inputs); });
        connect(this, &TForm1::inputsEdited, report_, &TForm3::inputsEdited);
        placeBesideWindow(*report_, *this);
        if (appSettings_)
            new WindowPlace(report_, *appSettings_, QStringLiteral("report"));
    }
    // After a failed check the messages have said it all: no report window,
    // and the user is back where the calculation was started.
    if (last_->stopped()) {
        closeResults();
        report_->setResult(last_, lastHeader_);
        activateWindow();
    } else {
        report_->showResult(last_, lastHeader_);
        if (sketch_ && sketch_->isVisible())
            sketch_->setResult(last_, lastHeader_);
    }
    markStaleResults();
}

void TForm1::showLastFailure()
{
    const bool stopped = last_->ran() && !last_->complete();
    const QString text = stopped ? stopText(*last_) : QString();
    lastFailure_->setText(
        lastFailure_->fontMetrics().elidedText(text, Qt::ElideRight, lastFailure_->width()));
    lastFailure_->setToolTip(text);
    lastFailure_->setVisible(stopped);
    if (stopped && lastFailureTrace_->text().isEmpty())
        lastFailureTrace_->setText(QStringLiteral("<a href=\"trace\">Подробно</a>"));
    lastFailureTrace_->setVisible(stopped);
}

void TForm1::scetchClick()
{
    if (!sketch_) {
        sketch_ = new TForm2(messages_, printer(), files_, this);
        // Its drawing, with the check worked out when the drawing is shown;
        // the button on the blank paper right of the force diagram.
        TForm14::addButton(
            sketch_, sketch_,
            [this] {
                const DesignResult& last = *last_;
                const Verification check = verifySpring(last, FolderFiles(last.inputs.dataDir),
                    appSettings_
                        ? appSettings_->checkSettings(qs(lastHeader_.inputFile)).value_or(CheckSettings {})
                        : CheckSettings {});
                return DrawingInput { drawingSpring(last, check), qs(lastHeader_.inputFile),
                    qs(last.inputs.materialName) };
            },
            messages_, appSettings_)
            ->setGeometry(345, 100, 80, 25);
        if (appSettings_)
            new WindowPlace(sketch_, *appSettings_, QStringLiteral("sketch"));
    }
    sketch_->setResult(last_, lastHeader_);
    markStaleResults();
    sketch_->show();
}

void TForm1::StopClick()
{
    close();
}

void TForm1::SpeedButton1Click()
{
    if (!mayDropInput())
        return;
    setTitle(kCaption);
    inputFile_.clear();
    // A new design starts as the program does.
    setAbsentMaterial({}, -1);
    applyFormState(InputForm {});
    fillDiameterMemo(ui->material->currentText());
    markUnchanged();
}

void TForm1::SpeedButton2Click()
{
    saveCurrent();
}

// Save: into the file last loaded or saved, without a question; a design
// that has none is saved as a new file.
bool TForm1::saveCurrent()
{
    return inputFile_.isEmpty() ? saveAs() : saveTo(inputFile_, false);
}

bool TForm1::saveAs()
{
    const QString name = files_.saveFile(this, lastFolder());
    return !name.isEmpty() && saveTo(name, true);
}

bool TForm1::saveTo(const QString& name, bool askBeforeReplacing)
{
    if (askBeforeReplacing && !askReplace(messages_, name))
        return false;
    if (!writeTextLines(ss(name), ridLines(formState()))) {
        messages_.message(qs(writeErrorMessage(ss(name))));
        return false;
    }
    setTitle(kFileCaption + name);
    inputFile_ = name;
    markUnchanged();
    rememberFile(name);
    return true;
}

void TForm1::SpeedButton3Click()
{
    if (!mayDropInput())
        return;
    const QString name = files_.openFile(this, lastFolder());
    if (!name.isEmpty())
        loadFrom(name);
}

void TForm1::loadFrom(const QString& name)
{
    guarded(messages_, [&] {
        const auto lines = readTextLines(ss(name), kRidLines);
        if (!lines) {
            messages_.message(qs(noFileMessage(ss(name))));
            return;
        }
        // The whole file is checked before the form changes.
        InputForm form = parseRid(*lines, ss(name));
        const TextLines& materials = materials_->lines();
        const int savedIndex = form.materialIndex;
        form.materialIndex = ridMaterialIndex(form, materials);
        if (form.materialIndex >= 0) // a file without a name: the diameters of the one chosen
            form.materialName = std::string(materials[static_cast<size_t>(form.materialIndex)]);
        // A material gone from the catalogue: the other inputs are loaded,
        // no material is selected in its place, and the user is told.
        const std::string missing = missingMaterial(form, form.materialIndex);
        setTitle(kFileCaption + name);
        inputFile_ = name;
        applyFormState(form);
        setAbsentMaterial(missing.empty() ? std::string() : form.materialName, savedIndex);
        if (missing.empty())
            fillDiameterMemo(qs(form.materialName));
        markUnchanged();
        rememberFile(name);
        if (!missing.empty())
            messages_.message(qs(missing));
    });
}

QString TForm1::lastFolder() const
{
    return appSettings_ ? appSettings_->lastFolder() : QString();
}

void TForm1::rememberFile(const QString& name)
{
    if (!appSettings_)
        return;
    appSettings_->addRecentFile(QFileInfo(name).absoluteFilePath());
    // Said once a run: the work itself is not lost.
    if (!appSettings_->save() && !settingsWriteReported_) {
        settingsWriteReported_ = true;
        messages_.message(qs(writeErrorMessage(ss(appSettings_->fileName()))));
    }
}

// The recent input files, newest first; one that is gone is dropped from
// the list.
void TForm1::showRecentFiles(const QPoint& at)
{
    if (!appSettings_)
        return;
    auto* menu = new QMenu(this);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->setObjectName(QStringLiteral("recentFiles"));
    const QStringList recent = appSettings_->recentFiles();
    if (recent.isEmpty())
        menu->addAction(QStringLiteral("Нет последних файлов"))->setEnabled(false);
    for (const QString& name : recent) {
        QAction* entry = menu->addAction(QString(name).replace(QLatin1Char('&'), QStringLiteral("&&")));
        connect(entry, &QAction::triggered, this, [this, name] {
            if (!QFileInfo::exists(name)) {
                appSettings_->removeRecentFile(name);
                appSettings_->save();
                messages_.message(qs(noFileMessage(ss(name))));
                return;
            }
            if (mayDropInput())
                loadFrom(name);
        });
    }
    menu->popup(at);
}

void TForm1::SpeedButton4Click()
{
    if (!settings_) {
        if (!newMaterial_) {
            newMaterial_ = new TForm9(messages_, this);
            diameters_ = new TForm10(dataFolder_, messages_, *new TForm11(this), this);
        }
        settings_ = new TForm4(dataFolder_, messages_, *newMaterial_, *diameters_, files_, this);
    }
    settings_->exec();
    // The settings may have changed the catalogue: read it again and show
    // the diameters of the material now selected.
    const InputForm before = formState();
    const bool wasListed = absentMaterial_.empty();
    if (!fillMaterialList())
        return;
    // The material chosen before, while the catalogue still has it; one
    // deleted there is said to be missing, as Load does, never replaced.
    const int index = ui->material->findText(qs(before.materialName), Qt::MatchExactly);
    if (index < 0 && !before.materialName.empty()) {
        setAbsentMaterial(before.materialName, before.materialIndex);
        if (wasListed)
            messages_.message(qs(missingMaterial(before, index)));
        return;
    }
    setAbsentMaterial({}, -1);
    ui->material->setCurrentIndex(std::max(0, index));
    fillDiameterMemo(ui->material->currentText());
}

void TForm1::SpeedButton5Click()
{
    if (!about_) {
        static DesktopUrlOpener mailOpener;
        about_ = new TAboutBox(messages_, mailOpener, this);
    }
    about_->exec();
}
