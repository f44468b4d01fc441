#pragma once
// The spring sketch window: a dimensioned drawing of a compression spring
// with the results of the last calculation written into 18 read-only fields
// over its value boxes. It refills the fields from the main window's last
// result every time it is shown; while that holds no complete calculation
// (none yet, or the last one stopped) the fields stay empty and the window
// says so. A field too narrow for its value shows the whole value in its
// tooltip. It prints one page drawn from the results (forms/print/sketchpage.h)
// on the printer the report window last chose, straight away when that is
// a real printer, otherwise through the print dialog (which asks before
// replacing a file); "PDF…" writes the same page to a PDF file.

#include "engine/features/reportheader.h"

#include <QWidget>

#include <array>

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
    // Shows `result`, which lives as long as the window and is replaced by
    // each calculation; "PDF…" asks for its file in `files`.
    TForm2(const CalcResult& result, Messages& messages, QPagedPaintDevice& printer, FileChooser& files,
        QWidget* parent = nullptr);

    // The inputs of the calculation shown: the printout's title block and
    // the PDF's name.
    void setHeader(const ReportHeader& header) { header_ = header; }
    // Shows the result anew (a new calculation was put in its place), and
    // so does its open chart.
    void refresh();

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

    const CalcResult& result_;
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
