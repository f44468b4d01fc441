#include "forms/windows/rascet.h"

#include "ui_rascet.h"

#include "engine/catalogue/catalogue.h"
#include "engine/features/verificationtext.h"
#include "engine/method/tracetext.h"
#include "forms/print/pdfexport.h"
#include "forms/print/printer.h"
#include "forms/print/printjob.h"
#include "forms/print/reportprint.h"
#include "forms/widgets/filechooser.h"
#include "forms/widgets/glyphs.h"
#include "forms/widgets/messages.h"
#include "forms/widgets/qtext.h"
#include "forms/widgets/shortcuts.h"
#include "forms/widgets/stalemark.h"
#include "forms/widgets/windowframe.h"
#include "forms/windows/checktab.h"
#include "forms/windows/chertezh.h"
#include "forms/windows/harakter.h"
#include "forms/windows/sosedi.h"

#include <QLabel>
#include <QLayout>
#include <QPagedPaintDevice>
#include <QPdfWriter>
#include <QScreen>
#include <QStyle>

#include <algorithm>

TForm3::TForm3(Messages& messages, QPagedPaintDevice& printer, FileChooser& files, AppSettings* settings,
    QWidget* parent)
    : QWidget(parent, Qt::Window)
    , ui(std::make_unique<Ui::TForm3>())
    , messages_(messages)
    , printer_(printer)
    , files_(files)
    , checkTab_(new CheckTab(settings))
    , checkWarning_(new QLabel)
{
    ui->setupUi(this);
    addCheckTab();
    resizableWindow(this, QSize(536, 344));
    // The bar's frame counts into its margins: the buttons stand at y 8,
    // "Печать" at x 50 and "Закрыть" 19 pixels from the right edge.
    const int frame = ui->Panel1->frameWidth();
    ui->buttonBar->setContentsMargins(50 - frame, 8 - frame, 19 - frame, 8 - frame);
    ui->otcet->setUndoRedoEnabled(false); // nothing to undo; it would only grow
    ui->podrobno->setUndoRedoEnabled(false);
    ui->podrobno->setFont(ui->otcet->font());
    connect(ui->views, &QTabWidget::currentChanged, this, [this] {
        if (ui->views->currentWidget() == ui->podrobnoTab)
            showTrace();
    });
    // Beside the tabs, which leave the rest of their row free.
    ui->views->setCornerWidget(makeStaleLine(this, ui->views), Qt::BottomRightCorner);
    ui->BitBtn2->setIcon(glyph("print"));
    ui->BitBtn1->setIcon(style()->standardIcon(QStyle::SP_DialogCloseButton));
    ui->pdf->setToolTip(QStringLiteral("Сохранить отчет в PDF"));
    ui->neighboursButton->setToolTip(
        QStringLiteral("Окно «Варианты»: соседние диаметры проволоки и тот же расчет во всех материалах"));
    bindShortcut(ui->BitBtn2, QKeySequence(Qt::CTRL | Qt::Key_P));
    closeOnEscape(this);
    connect(ui->BitBtn2, &QPushButton::clicked, this, &TForm3::BitBtn2Click);
    connect(ui->pdf, &QPushButton::clicked, this, &TForm3::pdfClick);
    connect(ui->BitBtn1, &QPushButton::clicked, this, &QWidget::close);
    connect(ui->chartButton, &QPushButton::clicked, this,
        [this] { setStale(TForm12::showFor(this, result_, messages_, printer_), isStale(this)); });
    connect(ui->neighboursButton, &QPushButton::clicked, this, &TForm3::neighboursClick);
    // The drawing of the spring this report and its check give, beside the tabs.
    ui->views->setCornerWidget(
        TForm14::addButton(
            this, this,
            [this] {
                return DrawingInput { drawingSpring(*result_, checkTab_->verification()),
                    qs(header_.inputFile), qs(result_->inputs.materialName) };
            },
            messages_, settings),
        Qt::TopRightCorner);
    liveTimer_.setSingleShot(true);
    liveTimer_.setInterval(0);
    connect(&liveTimer_, &QTimer::timeout, this, &TForm3::followInputs);
}

TForm3::~TForm3() = default;

// The check's tab after the others, and its warning line above the report,
// as plain as a warning must be to be seen.
void TForm3::addCheckTab()
{
    ui->views->addTab(checkTab_, QStringLiteral("Проверка"));
    ui->views->setTabToolTip(
        ui->views->indexOf(checkTab_), QStringLiteral("Изготовленная пружина, проверенная по EN 13906-1"));
    checkWarning_->setObjectName(QStringLiteral("checkWarning"));
    checkWarning_->setWordWrap(true);
    checkWarning_->setStyleSheet(
        QStringLiteral("QLabel { background: #c00000; color: white; font-weight: bold; padding: 4px; }"));
    checkWarning_->hide();
    ui->otcetTabLayout->insertWidget(0, checkWarning_);
    connect(checkWarning_, &QLabel::linkActivated, this, [this] { ui->views->setCurrentWidget(checkTab_); });
    connect(checkTab_, &CheckTab::checked, this, &TForm3::checkChanged);
}

void TForm3::checkChanged()
{
    const Verification& v = checkTab_->verification();
    const bool failed = v.available && !v.passed;
    // Its steps are part of "Подробно".
    traceShown_ = false;
    if (ui->views->currentWidget() == ui->podrobnoTab)
        showTrace();
    checkWarning_->setVisible(failed);
    if (neighbours_) // "Варианты" checks as the report does
        neighbours_->setCheckSettings(checkTab_->checkSettings());
    if (failed)
        checkWarning_->setText(qs(verificationWarning(v)).toHtmlEscaped()
            + QStringLiteral(
                " <a href=\"#check\" style=\"color: white;\">Подробнее на вкладке «Проверка»</a>"));
}

void TForm3::setLiveInputs(std::function<std::optional<CalcInputs>()> inputs,
    std::function<void(double)> calculateWith, std::function<void(const QString&)> calculateIn,
    std::function<void(const CalcInputs&)> calculateDesign)
{
    calculateDesign_ = std::move(calculateDesign);
    liveInputs_ = std::move(inputs);
    calculateWith_ = std::move(calculateWith);
    calculateIn_ = std::move(calculateIn);
}

void TForm3::setResult(std::shared_ptr<const CalcResult> result, const ReportHeader& header)
{
    result_ = std::move(result);
    header_ = header;
    ui->otcet->setPlainText(qsList(result_->report).join(QLatin1Char('\n')));
    TForm12::refreshFor(this, result_);
    traceShown_ = false;
    if (ui->views->currentWidget() == ui->podrobnoTab)
        showTrace();
    ui->BitBtn2->setEnabled(true);
    ui->pdf->setEnabled(true);
    ui->neighboursButton->setEnabled(result_->wire.has_value());
    checkTab_->check(result_, qs(header_.inputFile));
    if (neighbours_ && neighbours_->isVisible())
        neighbours_->showRows(reportNeighbourInputs());
}

void TForm3::showResult(std::shared_ptr<const CalcResult> result, const ReportHeader& header, bool trace)
{
    setResult(std::move(result), header);
    if (trace)
        ui->views->setCurrentWidget(ui->podrobnoTab);
    show();
    if (QScreen* shown = screen())
        fitCheckTable(shown->availableGeometry());
    // The keyboard goes with the result: Ctrl+Tab turns its tabs at once.
    raise();
    activateWindow();
    ui->views->currentWidget()->setFocus(Qt::OtherFocusReason);
}

void TForm3::fitCheckTable(const QRect& area)
{
    // A size the user chose, or one kept from an earlier run, stays.
    if (size() != minimumSize() || !checkTab_->verification().available)
        return;
    // The pages share one place; the check's is laid out there to measure it.
    checkTab_->setGeometry(ui->views->currentWidget()->geometry());
    checkTab_->layout()->activate();
    const QSize frame = frameGeometry().size() - size();
    const QSize wanted = (size() + checkTab_->tableShortfall()).boundedTo(area.size() - frame);
    if (wanted == size())
        return;
    resize(wanted);
    // Grown to the right or down past the screen's edge, it steps back in.
    QPoint at = pos();
    at.setX(std::max(area.left(), std::min(at.x(), area.right() - frameGeometry().width() + 1)));
    at.setY(std::max(area.top(), std::min(at.y(), area.bottom() - frameGeometry().height() + 1)));
    move(at);
}

// Inputs for the neighbours: the diameter question answered as this
// result's calculation got it answered.
CalcInputs TForm3::neighbourInputs(const CalcInputs& inputs) const
{
    return result_->sameAnswer(inputs);
}

// The report's own inputs: a wire picked in "Варианты" stays the report's
// spring, so the mark follows the report.
CalcInputs TForm3::reportNeighbourInputs() const
{
    CalcInputs inputs = neighbourInputs(result_->inputs);
    inputs.askAlways = result_->inputs.askAlways && result_->chosenD;
    return inputs;
}

void TForm3::neighboursClick()
{
    if (!neighbours_) {
        neighbours_ = new TForm13(this);
        connect(neighbours_, &TForm13::diameterPicked, this, [this](double d) {
            if (calculateWith_)
                calculateWith_(d);
        });
        connect(neighbours_, &TForm13::materialPicked, this, [this](const QString& material) {
            if (calculateIn_)
                calculateIn_(material);
        });
        connect(neighbours_, &TForm13::candidatePicked, this, [this](const CalcInputs& inputs) {
            if (calculateDesign_)
                calculateDesign_(inputs);
        });
    }
    neighbours_->setCheckSettings(checkTab_->checkSettings());
    neighbours_->showRows(reportNeighbourInputs());
    neighbours_->show();
    neighbours_->raise();
    neighbours_->activateWindow();
}

void TForm3::inputsEdited()
{
    if (neighbours_ && neighbours_->isVisible() && liveInputs_)
        liveTimer_.start();
}

void TForm3::followInputs()
{
    if (!neighbours_ || !neighbours_->isVisible() || !liveInputs_)
        return;
    if (std::optional<CalcInputs> live = liveInputs_())
        neighbours_->showRows(neighbourInputs(*live), true);
}

QStringList TForm3::reportLines() const
{
    return ui->otcet->toPlainText().split(QLatin1Char('\n'));
}

QStringList TForm3::traceViewLines()
{
    showTrace();
    return ui->podrobno->toPlainText().split(QLatin1Char('\n'));
}

// The calculation's trace, then the check's steps, as pruzcalc --verify
// --explain prints them.
QStringList TForm3::traceText() const
{
    QStringList lines = qsList(traceLines(result_->trace));
    if (const Verification& v = checkTab_->verification(); v.available) {
        lines << QString();
        lines += qsList(traceLines(v.trace));
    }
    return lines;
}

// The trace is laid out only when the view is looked at: most reports are
// read without it.
void TForm3::showTrace()
{
    if (traceShown_)
        return;
    ui->podrobno->setPlainText(traceText().join(QLatin1Char('\n')));
    traceShown_ = true;
}

QStringList TForm3::headerLines() const
{
    return qsList(reportHeaderLines(header_));
}

QFont TForm3::printFont() const
{
    QFont font = ui->otcet->font();
    font.setPointSize(10);
    return font;
}

int TForm3::printTo(QPagedPaintDevice& device)
{
    if (ui->views->currentWidget() == ui->podrobnoTab)
        return printReport(headerLines(), traceText(), device, printFont());
    QStringList lines = qsList(result_->report);
    if (checkTab_->verification().available)
        lines << QString() << checkTab_->lines();
    return printReport(headerLines(), lines, device, printFont());
}

void TForm3::BitBtn2Click()
{
    const auto paint = [this](QPagedPaintDevice& printer) { return printTo(printer) > 0; };
    const QString pdfName = pdfNameFor(qs(header_.inputFile), QString());
    if (printOnce(printer_, QPageLayout::Portrait, this, true, paint, pdfName) == PrintOutcome::Failed)
        messages_.message(QStringLiteral("Ошибка печати"));
}

void TForm3::pdfClick()
{
    const QString name = askPdfFile(files_, this, qs(header_.inputFile), QString());
    if (name.isEmpty() || !askReplace(messages_, name))
        return;
    setUpPrinterPage(printer_, QPageLayout::Portrait);
    const bool written = writePdf(name, printer_, [this](QPdfWriter& pdf) { return printTo(pdf) > 0; });
    if (!written)
        messages_.message(qs(writeErrorMessage(ss(name))));
}
