#pragma once
// The spring sketch window: a dimensioned drawing of a compression spring
// with the results of the last calculation written into 18 read-only fields
// over its value boxes. It refills the fields from the result it was last
// given every time it is shown; while that is no complete calculation
// (none yet, or the last one stopped) the fields stay empty and the window
// says so. A field too narrow for its value shows it rounded to the decimals
// that fit whole, and the whole value in its tooltip. It prints one page drawn from the results
// (forms/print/sketchpage.h) on the printer the report window last chose, straight away when that is a real
// printer, otherwise through the print dialog (which asks before replacing a file); "PDF…" writes the same
// page to a PDF file.

#include "engine/features/reportheader.h"

#include <QWidget>

#include <array>
#include <memory>

class FileChooser;
class Messages;
class QLabel;
class QLineEdit;
class QPagedPaintDevice;
class QPushButton;
class QToolButton;
struct CalcResult;

class TForm2 : public QWidget {
    Q_OBJECT
public:
    // "PDF…" asks for its file in `files`.
    TForm2(Messages& messages, QPagedPaintDevice& printer, FileChooser& files, QWidget* parent = nullptr);

    // The result shown, and the inputs of its calculation: the printout's
    // title block and the PDF's name. An open window (and its chart) shows
    // it at once.
    void setResult(std::shared_ptr<const CalcResult> result, const ReportHeader& header);

    // "Печать": the window without its action buttons, on the current
    // printer.
    void prClick();
    // "PDF…": the printed page as a PDF file.
    void pdfClick();
    // "Закрыть": hides the window.
    void BitBtn1Click();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void fillFields();
    bool paintPage(QPagedPaintDevice& device);

    std::shared_ptr<const CalcResult> result_; // never null
    Messages& messages_;
    QPagedPaintDevice& printer_;
    FileChooser& files_;
    ReportHeader header_;
    QLabel* noResults_ = nullptr;
    std::array<QLineEdit*, 18> fields_ {};
    QToolButton* pr = nullptr;
    QToolButton* pdf = nullptr;
    QPushButton* BitBtn1 = nullptr;
};
