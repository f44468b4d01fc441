#include "forms/rascet.h"

#include "engine/calc.h"
#include "engine/catalogue.h"
#include "engine/peremenn.h"
#include "engine/tracetext.h"
#include "engine/verificationtext.h"
#include "forms/checktab.h"
#include "forms/dopvvod.h"
#include "forms/filechooser.h"
#include "forms/glyphs.h"
#include "forms/guarded.h"
#include "forms/harakter.h"
#include "forms/messages.h"
#include "forms/pdfexport.h"
#include "forms/printerchoice.h"
#include "forms/qtext.h"
#include "forms/reportprint.h"
#include "forms/shortcuts.h"
#include "forms/sosedi.h"
#include "forms/stalemark.h"
#include "forms/windowframe.h"

#include <QLabel>
#include <QPdfWriter>
#include <QPrinter>
#include <QScopeGuard>
#include <QShowEvent>
#include <QTextCursor>

TForm3::TForm3(
    Peremenn& peremenn, Messages& messages, TForm8& diameterChoice, QPrinter& printer, QWidget* parent)
    : QWidget(parent, Qt::Window)
    , peremenn_(peremenn)
    , messages_(messages)
    , diameterChoice_(diameterChoice)
    , printer_(printer)
    , checkTab_(new CheckTab)
    , checkWarning_(new QLabel)
{
    ui.setupUi(this);
    addCheckTab();
    resizableWindow(this, QSize(536, 344));
    // The bar's frame counts into its margins: the buttons stand at y 8,
    // "Печать" at x 50 and "Закрыть" 19 pixels from the right edge.
    const int frame = ui.Panel1->frameWidth();
    ui.buttonBar->setContentsMargins(50 - frame, 8 - frame, 19 - frame, 8 - frame);
    ui.otcet->setUndoRedoEnabled(false); // nothing to undo; it would only grow
    ui.podrobno->setUndoRedoEnabled(false);
    ui.podrobno->setFont(ui.otcet->font());
    connect(ui.views, &QTabWidget::currentChanged, this, [this] {
        if (ui.views->currentWidget() == ui.podrobnoTab)
            showTrace();
    });
    // Beside the tabs, which leave the rest of their row free.
    ui.views->setCornerWidget(makeStaleLine(this, ui.views), Qt::BottomRightCorner);
    ui.BitBtn2->setIcon(glyph("print"));
    ui.BitBtn1->setIcon(style()->standardIcon(QStyle::SP_DialogCloseButton));
    ui.pdf->setToolTip(QStringLiteral("Сохранить отчет в PDF"));
    ui.neighboursButton->setToolTip(
        QStringLiteral("Окно «Варианты»: соседние диаметры проволоки и тот же расчет во всех материалах"));
    bindShortcut(ui.BitBtn2, QKeySequence(Qt::CTRL | Qt::Key_P));
    closeOnEscape(this);
    connect(ui.BitBtn2, &QPushButton::clicked, this, &TForm3::BitBtn2Click);
    connect(ui.pdf, &QPushButton::clicked, this, &TForm3::pdfClick);
    connect(ui.BitBtn1, &QPushButton::clicked, this, &QWidget::close);
    connect(ui.chartButton, &QPushButton::clicked, this,
        [this] { setStale(TForm12::showFor(this, peremenn_, messages_, printer_), isStale(this)); });
    connect(ui.neighboursButton, &QPushButton::clicked, this, &TForm3::neighboursClick);
    connect(&Timer1, &QTimer::timeout, this, &TForm3::Timer1Timer);
    Timer1.start(55);
    liveTimer_.setSingleShot(true);
    liveTimer_.setInterval(0);
    connect(&liveTimer_, &QTimer::timeout, this, &TForm3::followInputs);
}

// The check's tab after the others, and its warning line above the report,
// as plain as a warning must be to be seen.
void TForm3::addCheckTab()
{
    ui.views->addTab(checkTab_, QStringLiteral("Проверка"));
    ui.views->setTabToolTip(
        ui.views->indexOf(checkTab_), QStringLiteral("Изготовленная пружина, проверенная по EN 13906-1"));
    checkWarning_->setObjectName(QStringLiteral("checkWarning"));
    checkWarning_->setWordWrap(true);
    checkWarning_->setStyleSheet(
        QStringLiteral("QLabel { background: #c00000; color: white; font-weight: bold; padding: 4px; }"));
    checkWarning_->hide();
    ui.otcetTabLayout->insertWidget(0, checkWarning_);
    connect(checkWarning_, &QLabel::linkActivated, this, [this] { ui.views->setCurrentWidget(checkTab_); });
    connect(checkTab_, &CheckTab::checked, this, &TForm3::checkChanged);
}

void TForm3::checkChanged()
{
    const Verification& v = checkTab_->verification();
    const bool failed = v.available && !v.passed;
    traceChanged(); // its steps are part of "Подробно"
    checkWarning_->setVisible(failed);
    if (failed)
        checkWarning_->setText(qs(verificationWarning(v)).toHtmlEscaped()
            + QStringLiteral(
                " <a href=\"#check\" style=\"color: white;\">Подробнее на вкладке «Проверка»</a>"));
}

void TForm3::setSettings(AppSettings& settings)
{
    checkTab_->setSettings(&settings);
}

void TForm3::setLiveInputs(std::function<std::optional<Peremenn>()> inputs, std::function<void()> calculate,
    std::function<void(const QString&)> calculateIn)
{
    liveInputs_ = std::move(inputs);
    calculate_ = std::move(calculate);
    calculateIn_ = std::move(calculateIn);
}

void TForm3::neighboursClick()
{
    if (!neighbours_) {
        neighbours_ = new TForm13(this);
        connect(neighbours_, &TForm13::diameterPicked, this, &TForm3::recalculateWith);
        connect(neighbours_, &TForm13::materialPicked, this, &TForm3::recalculateIn);
    }
    neighbours_->showRows(inputs_);
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
    std::optional<Peremenn> live = liveInputs_();
    if (!live)
        return;
    // The diameter picked in the dialog stays the answer while the inputs
    // change.
    live->userChoice = inputs_.userChoice;
    live->chosenD = inputs_.chosenD;
    neighbours_->showRows(*live, true);
}

void TForm3::recalculateWith(double d)
{
    forcedChoice_ = d;
    const auto once = qScopeGuard([this] { forcedChoice_.reset(); });
    if (calculate_) {
        calculate_();
    } else {
        hide();
        show();
    }
}

void TForm3::recalculateIn(const QString& material)
{
    if (calculateIn_) {
        calculateIn_(material);
        return;
    }
    peremenn_.materialName = ss(material);
    hide();
    show();
}

void TForm3::setFileChooser(FileChooser& files)
{
    files_ = &files;
    ui.pdf->setEnabled(ui.BitBtn2->isEnabled());
}

QStringList TForm3::reportLines() const
{
    return ui.otcet->toPlainText().split(QLatin1Char('\n'));
}

QStringList TForm3::traceViewLines()
{
    showTrace();
    return ui.podrobno->toPlainText().split(QLatin1Char('\n'));
}

// The trace has grown: shown again at once when its tab is on view.
void TForm3::traceChanged()
{
    traceShown_ = false;
    if (ui.views->currentWidget() == ui.podrobnoTab)
        showTrace();
}

// The trace is laid out only when the view is looked at: most reports are
// read without it.
void TForm3::showTrace()
{
    if (traceShown_)
        return;
    QStringList lines;
    for (const std::string& line : traceLines(trace_))
        lines << qs(line);
    // The check's steps follow, as pruzcalc --verify --explain prints them.
    if (const Verification& v = checkTab_->verification(); v.available) {
        lines << QString();
        for (const std::string& line : traceLines(v.trace))
            lines << qs(line);
    }
    ui.podrobno->setPlainText(lines.join(QLatin1Char('\n')));
    traceShown_ = true;
}

QStringList TForm3::headerLines() const
{
    return qsList(reportHeaderLines(header_));
}

QFont TForm3::printFont() const
{
    QFont font = ui.otcet->font();
    font.setPointSize(10);
    return font;
}

int TForm3::printTo(QPagedPaintDevice& device)
{
    if (ui.views->currentWidget() == ui.podrobnoTab)
        return printReport(headerLines(), traceViewLines(), device, printFont());
    QStringList lines = reportLines();
    if (checkTab_->verification().available)
        lines << QString() << checkTab_->lines();
    return printReport(headerLines(), lines, device, printFont());
}

void TForm3::clearReport()
{
    pending_.clear();
    // Emptied in place: a new document would drop the shaped fonts too.
    QTextCursor all(ui.otcet->document());
    all.select(QTextCursor::Document);
    all.removeSelectedText();
    lineCount_ = 0;
    traceShown_ = false;
}

// Lines are gathered and put into the memo together: laying out the memo
// line by line would cost far more than the calculation itself.
void TForm3::appendLine(const std::string& line)
{
    pending_ << qs(line);
}

void TForm3::flushReport()
{
    if (pending_.isEmpty())
        return;
    // A cleared memo holds one empty line, which the first line fills.
    QTextCursor end(ui.otcet->document());
    end.movePosition(QTextCursor::End);
    if (lineCount_ > 0)
        end.insertBlock();
    end.insertText(pending_.join(QLatin1Char('\n')));
    lineCount_ += static_cast<int>(pending_.size());
    pending_.clear();
}

void TForm3::showMessage(const std::string& text)
{
    // The lines so far, and the trace so far, are on the screen while the
    // user reads.
    flushReport();
    traceChanged();
    messages_.message(qs(text));
}

bool TForm3::chooseDiameter(Peremenn& p)
{
    if (forcedChoice_) {
        p.chosenD = *forcedChoice_;
        return true;
    }
    flushReport();
    traceChanged();
    return diameterChoice_.choose();
}

void TForm3::enablePrint()
{
    ui.BitBtn2->setEnabled(true);
    ui.pdf->setEnabled(files_ != nullptr);
}

void TForm3::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (event->spontaneous())
        return;
    // The calculation's messages run their own event loops, in which the
    // timer ticks; closing the window from there, while it is still being
    // shown, would leave it mapped and unpainted once the showing ends.
    calculating_ = true;
    ui.neighboursButton->setEnabled(false);
    inputs_ = peremenn_;
    guarded(messages_, [this] {
        try {
            runCalculation(peremenn_, *this, &trace_);
        } catch (const std::exception& e) {
            trace_.addError(e.what());
            throw;
        }
    });
    calculating_ = false;
    flushReport();
    traceChanged();
    inputs_.userChoice = peremenn_.userChoice;
    inputs_.chosenD = peremenn_.chosenD;
    ui.neighboursButton->setEnabled(peremenn_.wireChosen);
    checkTab_->check(peremenn_, qs(header_.inputFile));
    if (neighbours_ && neighbours_->isVisible())
        neighbours_->showRows(inputs_);
    if (peremenn_.calcFailed)
        QMetaObject::invokeMethod(this, &TForm3::closeAfterFailure, Qt::QueuedConnection);
}

void TForm3::BitBtn2Click()
{
    setUpPage(printer_, QPageLayout::Portrait);
    if (!askPrinter(printer_, this))
        return;
    if (printTo(printer_) == 0)
        messages_.message(QStringLiteral("Ошибка печати"));
}

void TForm3::pdfClick()
{
    if (!files_)
        return;
    const QString name = files_->savePdfFile(this, pdfNameFor(qs(header_.inputFile), QString()));
    if (name.isEmpty() || !askReplace(messages_, name))
        return;
    setUpPage(printer_, QPageLayout::Portrait);
    const bool written = writePdf(name, printer_, [this](QPdfWriter& pdf) { return printTo(pdf) > 0; });
    if (!written)
        messages_.message(qs(writeErrorMessage(ss(name))));
}

void TForm3::Timer1Timer()
{
    if (peremenn_.calcFailed && !calculating_ && isVisible())
        closeAfterFailure();
}

void TForm3::closeAfterFailure()
{
    if (!peremenn_.calcFailed || !isVisible())
        return;
    close();
    // Back to the window the calculation was started from.
    if (QWidget* owner = parentWidget())
        owner->activateWindow();
}
