#pragma once
// TForm3, "Результат расчета": the report window. It shows the result of
// the calculation "Расчет" ran (engine/method/calc.h) and calculates nothing
// itself: the report lines in the memo `otcet`; the second tab,
// "Подробно", the calculation's trace as text (engine/method/tracetext.h), laid
// out when it is looked at. "Печать" prints the tab on view on the shared
// printer and "PDF…" writes the same pages to a PDF file; both are made
// from the result, starting with the header block of the inputs. The
// window can be resized; the button bar keeps "Печать" and "PDF…" (and
// buttons added after them) on the left and "Закрыть" on the right edge.
// "Соседние диаметры…", enabled for a result that reached the wire
// diameter, opens TForm13 over the inputs of that calculation, with its
// answer to the diameter question; with the main window's inputs handed in
// (setLiveInputs) that window follows every valid edit of them, keeping the
// answer, and a row picked there asks for the report with its diameter, as
// if chosen in the diameter choice dialog; a material picked on its
// "Материалы" tab, the report in that material.
// The third tab, "Проверка" (forms/windows/checktab.h), checks the spring of a
// complete result as it will be made by EN 13906-1; when that check fails,
// a line above the report names the worst finding and links to the tab.
// Printouts add the check after the report's lines.

#include "engine/features/reportheader.h"
#include "engine/method/calc.h"

#include <QStringList>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <memory>
#include <optional>

class AppSettings;
class CheckTab;
class FileChooser;
class QLabel;
class Messages;
class QPagedPaintDevice;
class TForm13;
namespace Ui {
class TForm3;
}

class TForm3 : public QWidget {
    Q_OBJECT
public:
    // "PDF…" asks for its file in `files`; the check keeps its seating
    // coefficient per design in `settings`, when there are any.
    TForm3(Messages& messages, QPagedPaintDevice& printer, FileChooser& files, AppSettings* settings,
        QWidget* parent = nullptr);
    ~TForm3() override;

    CheckTab* checkTab() const { return checkTab_; }
    // The warning above the report; hidden while the check passes.
    QLabel* checkWarning() const { return checkWarning_; }

    // Takes `result`, calculated from the inputs in `header`, into the
    // window without showing it.
    void setResult(std::shared_ptr<const CalcResult> result, const ReportHeader& header);
    // Shows `result`: the report tab, or with `trace` the "Подробно" tab,
    // on view.
    void showResult(std::shared_ptr<const CalcResult> result, const ReportHeader& header, bool trace = false);
    const CalcResult& result() const { return *result_; }
    // Grows a shown window that still has its designed size, within `area`,
    // until the "Проверка" tab shows every row and the verdict column.
    void fitCheckTable(const QRect& area);

    // The main window's inputs as "Расчет" would give them (nullopt while a
    // field is not valid), the way to ask for the report with a wire
    // diameter taken as if chosen in the diameter choice dialog, and the way
    // to ask for it in another material (selected in the main window).
    void setLiveInputs(std::function<std::optional<CalcInputs>()> inputs,
        std::function<void(double)> calculateWith, std::function<void(const QString&)> calculateIn = {},
        std::function<void(const CalcInputs&)> calculateDesign = {});
    // The main window's inputs were edited: an open neighbours window
    // follows them.
    void inputsEdited();
    // The neighbours window once "Соседние диаметры…" has made it.
    TForm13* neighboursWindow() const { return neighbours_; }

    // The report as shown, one string per line.
    QStringList reportLines() const;
    // The "Подробно" view's text, one string per line (laid out first if the
    // view has not been looked at since the result came).
    QStringList traceViewLines();
    // The header block that printouts start with.
    QStringList headerLines() const;
    // The font the report is printed in: the memo's, at 10 points.
    QFont printFont() const;
    // Header, rule, the lines of the tab on view and page feet on a paged
    // device. Returns the number of pages, 0 when the device could not be
    // opened.
    int printTo(QPagedPaintDevice& device);

private:
    void addCheckTab();
    QStringList traceText() const;
    void showTrace();
    void BitBtn2Click();
    void pdfClick();
    void neighboursClick();
    void followInputs();
    CalcInputs neighbourInputs(const CalcInputs& inputs) const;
    CalcInputs reportNeighbourInputs() const;
    void checkChanged();

    std::unique_ptr<Ui::TForm3> ui; // the Designer form
    Messages& messages_;
    QPagedPaintDevice& printer_;
    FileChooser& files_;
    ReportHeader header_;
    std::shared_ptr<const CalcResult> result_ = std::make_shared<const CalcResult>();
    bool traceShown_ = false; // the view holds the result's trace
    std::function<std::optional<CalcInputs>()> liveInputs_;
    std::function<void(double)> calculateWith_;
    std::function<void(const QString&)> calculateIn_;
    std::function<void(const CalcInputs&)> calculateDesign_; // a spring of the search
    QTimer liveTimer_; // one recalculation of the neighbours for a burst of edits
    TForm13* neighbours_ = nullptr;
    CheckTab* checkTab_;
    QLabel* checkWarning_;
};
