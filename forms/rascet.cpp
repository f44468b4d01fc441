#include "forms/rascet.h"

#include "engine/calc.h"
#include "engine/peremenn.h"
#include "engine/tracetext.h"
#include "forms/dopvvod.h"
#include "forms/glyphs.h"
#include "forms/guarded.h"
#include "forms/harakter.h"
#include "forms/messages.h"
#include "forms/qtext.h"
#include "forms/reportprint.h"
#include "forms/windowframe.h"

#include <QPrintDialog>
#include <QPrinter>
#include <QShowEvent>
#include <QTextCursor>

TForm3::TForm3(Peremenn& peremenn, Messages& messages, TForm8& diameterChoice, QPrinter& printer,
               QWidget* parent)
    : QWidget(parent, Qt::Window), peremenn_(peremenn), messages_(messages), diameterChoice_(diameterChoice),
      printer_(printer)
{
    ui.setupUi(this);
    fixWindow(this, QSize(536, 344));
    ui.otcet->setUndoRedoEnabled(false); // nothing to undo; it would only grow
    ui.podrobno->setUndoRedoEnabled(false);
    ui.podrobno->setFont(ui.otcet->font());
    connect(ui.views, &QTabWidget::currentChanged, this, [this] {
        if (ui.views->currentWidget() == ui.podrobnoTab)
            showTrace();
    });
    ui.BitBtn2->setIcon(glyph("print"));
    ui.BitBtn1->setIcon(style()->standardIcon(QStyle::SP_DialogCloseButton));
    connect(ui.BitBtn2, &QPushButton::clicked, this, &TForm3::BitBtn2Click);
    connect(ui.BitBtn1, &QPushButton::clicked, this, &QWidget::close);
    connect(ui.chartButton, &QPushButton::clicked, this,
            [this] { TForm12::showFor(this, peremenn_, messages_, printer_); });
    connect(&Timer1, &QTimer::timeout, this, &TForm3::Timer1Timer);
    Timer1.start(55);
}

QStringList TForm3::reportLines() const { return ui.otcet->toPlainText().split(QLatin1Char('\n')); }

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
    ui.podrobno->setPlainText(lines.join(QLatin1Char('\n')));
    traceShown_ = true;
}

QFont TForm3::printFont() const
{
    QFont font = ui.otcet->font();
    font.setPointSize(10);
    return font;
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
void TForm3::appendLine(const std::string& line) { pending_ << qs(line); }

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

bool TForm3::chooseDiameter(Peremenn&)
{
    flushReport();
    traceChanged();
    return diameterChoice_.choose();
}

void TForm3::enablePrint() { ui.BitBtn2->setEnabled(true); }

void TForm3::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (!event->spontaneous()) {
        guarded(messages_, [this] {
            try {
                runCalculation(peremenn_, *this, &trace_);
            } catch (const std::exception& e) {
                trace_.addError(e.what());
                throw;
            }
        });
        flushReport();
        traceChanged();
    }
}

void TForm3::BitBtn2Click()
{
    QPrintDialog dialog(&printer_, this);
    // Every line is printed whatever range is chosen, so none is offered.
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
    dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
    dialog.setOption(QAbstractPrintDialog::PrintCurrentPage, false);
    if (dialog.exec() != QDialog::Accepted)
        return;
    printer_.setPrintRange(QPrinter::AllPages);
    const QStringList lines = ui.views->currentWidget() == ui.podrobnoTab ? traceViewLines() : reportLines();
    if (printLines(lines, printer_, printFont()) == 0)
        messages_.message(QStringLiteral("Ошибка печати"));
}

void TForm3::Timer1Timer()
{
    if (peremenn_.calcFailed && isVisible())
        close();
}
