#pragma once
// TForm3, "Результат расчета": the report window. Every showing runs the
// calculation, which writes its report line by line into the memo `otcet`
// through the CalcHost interface; a wire diameter question goes to the
// diameter choice dialog. A 55 ms timer closes the window once a
// calculation has failed. The memo is the first tab; the second, "Подробно",
// shows the calculation's trace as text (engine/tracetext.h), filled when
// it is looked at. "Печать" prints the tab on view on the shared printer.

#include "engine/calchost.h"
#include "engine/trace.h"
#include "ui_rascet.h"

#include <QStringList>
#include <QTimer>
#include <QWidget>

class Messages;
class QPrinter;
class TForm8;
struct Peremenn;

class TForm3 : public QWidget, public CalcHost {
    Q_OBJECT
public:
    TForm3(Peremenn& peremenn, Messages& messages, TForm8& diameterChoice, QPrinter& printer,
           QWidget* parent = nullptr);

    // The report as shown, one string per line.
    QStringList reportLines() const;
    // The "Подробно" view's text, one string per line (filled first if the
    // view has not been looked at since the calculation).
    QStringList traceViewLines();
    // The font the report is printed in: the memo's, at 10 points.
    QFont printFont() const;

    void clearReport() override;
    void appendLine(const std::string& line) override;
    void showMessage(const std::string& text) override;
    bool chooseDiameter(Peremenn& p) override;
    void enablePrint() override;

    Ui::TForm3 ui;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void flushReport();
    void showTrace();
    void traceChanged();
    void BitBtn2Click();
    void Timer1Timer();

    Peremenn& peremenn_;
    Messages& messages_;
    TForm8& diameterChoice_;
    QPrinter& printer_;
    QTimer Timer1;
    QStringList pending_; // appended, not yet in the memo
    int lineCount_ = 0;
    Trace trace_;
    bool traceShown_ = false; // the view holds trace_ as it stands
};
