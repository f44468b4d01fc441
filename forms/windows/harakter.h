#pragma once
// "Характеристика пружины": the force–deflection chart of the last
// calculation, opened from the report window and from the sketch window.
// Each showing takes the chart from the values of the result shown (engine/
// characteristic.h); before any calculation, or when the last one stopped
// before the deflections, the window says so in words instead and its
// print and save buttons are disabled. It prints on one page on the
// printer the report uses, and saves the chart as PDF or SVG through the
// atomic writer, asking before it replaces a file. It belongs to the window
// that opened it and is hidden with it, so it never shows the values of a
// calculation that has since been replaced. Esc closes it.

#include "engine/features/characteristic.h"

#include <QWidget>

#include <functional>
#include <memory>

class ExportChooser;
class Messages;
class QLabel;
class QPagedPaintDevice;
class QPushButton;
struct CalcResult;

class TForm12 : public QWidget {
    Q_OBJECT
public:
    // `files` answers the save dialogs; null: Qt's own dialog.
    TForm12(std::shared_ptr<const CalcResult> result, Messages& messages, QPagedPaintDevice& printer,
        QWidget* opener, ExportChooser* files = nullptr);
    ~TForm12() override;

    // The chart window of `opener`, made on its first use and kept as its
    // child, shown with `result` and brought to the front.
    static TForm12* showFor(QWidget* opener, std::shared_ptr<const CalcResult> result, Messages& messages,
        QPagedPaintDevice& printer);

    // The result charted from the next showing on.
    void setResult(std::shared_ptr<const CalcResult> result) { result_ = std::move(result); }

    // Takes the chart anew from the values it was given (a new calculation
    // was put in their place).
    void refresh();
    // Gives the chart window of `opener`, when there is one, `result`, and
    // shows it at once when the window is open.
    static void refreshFor(QWidget* opener, std::shared_ptr<const CalcResult> result);
    // What the window shows (or why it shows no chart).
    const Characteristic& chart() const { return chart_; }

    // "Печать": the print dialog, then the chart on one page.
    void BitBtn2Click();
    void pdfClick();
    void svgClick();

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void save(const QString& caption, const QString& filter, const QString& suffix,
        const std::function<QByteArray()>& make);

    std::shared_ptr<const CalcResult> result_;
    Messages& messages_;
    QPagedPaintDevice& printer_;
    std::unique_ptr<ExportChooser> ownFiles_;
    ExportChooser& files_;
    Characteristic chart_;
    QWidget* view_ = nullptr;
    QLabel* refusal_ = nullptr;
    QPushButton* BitBtn2 = nullptr; // "Печать"
    QPushButton* pdfButton = nullptr;
    QPushButton* svgButton = nullptr;
    QPushButton* BitBtn1 = nullptr; // "Закрыть"
};
