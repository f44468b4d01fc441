#pragma once
// The spring sketch window: a dimensioned drawing of a compression spring
// with the results of the last calculation written into 18 read-only fields
// over its value boxes. It refills the fields from the main window's last
// result every time it is shown (zeros before the first calculation, the
// values of the one before where a calculation stopped early); a field
// too narrow for its value shows the whole value in its tooltip. It prints
// itself as one page on the printer the report window last chose, straight
// away when that is a real printer, otherwise through the print dialog
// (which asks before replacing a file); "PDF…" writes the same page to a
// PDF file.

#include <QWidget>

#include <array>

class FileChooser;
class Messages;
class QLineEdit;
class QPagedPaintDevice;
class QPrinter;
class QPushButton;
class QToolButton;
struct CalcResult;

class TForm2 : public QWidget {
    Q_OBJECT
public:
    // Shows `result`, which lives as long as the window and is replaced by
    // each calculation.
    TForm2(const CalcResult& result, Messages& messages, QPrinter& printer, QWidget* parent = nullptr);

    // Where "PDF…" asks for the file; without it "PDF…" stays disabled.
    void setFileChooser(FileChooser& files);
    // The input file of the calculation shown, for the PDF's name.
    void setInputFile(const QString& name) { inputFile_ = name; }

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
    // Paints the page as printed: the client area without the buttons
    // other than "Закрыть".
    bool paintPage(QPagedPaintDevice& device);

    const CalcResult& result_;
    Messages& messages_;
    QPrinter& printer_;
    FileChooser* files_ = nullptr;
    QString inputFile_;
    std::array<QLineEdit*, 18> fields_ {};
    QToolButton* pr = nullptr;
    QToolButton* pdf = nullptr;
    QPushButton* BitBtn1 = nullptr;
};
