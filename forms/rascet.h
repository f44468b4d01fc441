#pragma once
// TForm3, "Результат расчета": the report window. Every showing runs the
// calculation, which writes its report line by line into the memo `otcet`
// through the CalcHost interface; a wire diameter question goes to the
// diameter choice dialog. When a calculation has failed the window closes
// itself once the showing is over (a 55 ms timer, and at once after the
// show event), so no window is left behind however many messages came.
// The memo is the first tab; the second, "Подробно", shows the
// calculation's trace as text (engine/tracetext.h), filled when it is
// looked at. "Печать" prints the tab on view on the shared printer and
// "PDF…" writes the same pages to a PDF file; both start with the header
// block of the inputs. The window can be resized; the button bar keeps
// "Печать" and "PDF…" (and buttons added after them) on the left and
// "Закрыть" on the right edge. "Соседние диаметры…", enabled after a
// calculation that reached the wire diameter, opens TForm13 over the inputs
// of that calculation; with the main window's inputs handed in
// (setLiveInputs) that window follows every valid edit of them, and a row
// picked there gives the report with its diameter, as if chosen in the
// diameter choice dialog (recalculateWith). The third tab, "Проверка"
// (forms/checktab.h), checks the spring of a complete report as it will be
// made by EN 13906-1; when that check fails, a line above the report names
// the worst finding and links to the tab. Printouts add the check after
// the report's lines.

#include "engine/calchost.h"
#include "engine/peremenn.h"
#include "engine/reportheader.h"
#include "engine/trace.h"
#include "ui_rascet.h"

#include <QStringList>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <optional>

class AppSettings;
class CheckTab;
class FileChooser;
class QLabel;
class Messages;
class QPagedPaintDevice;
class QPrinter;
class TForm8;
class TForm13;

class TForm3 : public QWidget, public CalcHost {
    Q_OBJECT
public:
    TForm3(Peremenn& peremenn, Messages& messages, TForm8& diameterChoice, QPrinter& printer,
        QWidget* parent = nullptr);

    // Where "PDF…" asks for the file; without it "PDF…" stays disabled.
    void setFileChooser(FileChooser& files);
    // Where the check keeps its seating coefficient per design.
    void setSettings(AppSettings& settings);
    CheckTab* checkTab() const { return checkTab_; }
    // The warning above the report; hidden while the check passes.
    QLabel* checkWarning() const { return checkWarning_; }
    // The inputs of the calculation the next showing runs.
    void setHeader(const ReportHeader& header) { header_ = header; }

    // The main window's inputs as "Расчет" would store them (nullopt while a
    // field is not valid), and its "Расчет" itself.
    void setLiveInputs(std::function<std::optional<Peremenn>()> inputs, std::function<void()> calculate);
    // The main window's inputs were edited: an open neighbours window
    // follows them.
    void inputsEdited();
    // The report again, with `d` taken as if chosen in the diameter choice
    // dialog whatever k3 is: through the main window's "Расчет" when it was
    // handed in, else over the inputs of the last calculation.
    void recalculateWith(double d);
    // The neighbours window once "Соседние диаметры…" has made it.
    TForm13* neighboursWindow() const { return neighbours_; }

    // The report as shown, one string per line.
    QStringList reportLines() const;
    // The "Подробно" view's text, one string per line (filled first if the
    // view has not been looked at since the calculation).
    QStringList traceViewLines();
    // The header block that printouts start with.
    QStringList headerLines() const;
    // The font the report is printed in: the memo's, at 10 points.
    QFont printFont() const;
    // Header, rule, the lines of the tab on view and page feet on a paged
    // device. Returns the number of pages, 0 when the device could not be
    // opened.
    int printTo(QPagedPaintDevice& device);

    void clearReport() override;
    void appendLine(const std::string& line) override;
    void showMessage(const std::string& text) override;
    bool chooseDiameter(Peremenn& p) override;
    bool choiceForced() const override { return forcedChoice_.has_value(); }
    void enablePrint() override;

    Ui::TForm3 ui;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void addCheckTab();
    void flushReport();
    void showTrace();
    void traceChanged();
    void BitBtn2Click();
    void pdfClick();
    void Timer1Timer();
    void closeAfterFailure();
    void neighboursClick();
    void followInputs();
    void checkChanged();

    Peremenn& peremenn_;
    Messages& messages_;
    TForm8& diameterChoice_;
    QPrinter& printer_;
    FileChooser* files_ = nullptr;
    ReportHeader header_;
    QTimer Timer1;
    QStringList pending_; // appended, not yet in the memo
    int lineCount_ = 0;
    Trace trace_;
    bool traceShown_ = false; // the view holds trace_ as it stands
    bool calculating_ = false; // inside the show event
    Peremenn inputs_; // of the last calculation, with its answer to the diameter question
    std::optional<double> forcedChoice_;
    std::function<std::optional<Peremenn>()> liveInputs_;
    std::function<void()> calculate_;
    QTimer liveTimer_; // one recalculation of the neighbours for a burst of edits
    TForm13* neighbours_ = nullptr;
    CheckTab* checkTab_;
    QLabel* checkWarning_;
};
