#pragma once
// The spring sketch window: a dimensioned drawing of a compression spring
// with the results of the last calculation written into 18 read-only fields
// over its value boxes. It refills the fields from the shared record every
// time it is shown (whatever the record holds: zeros before the first
// calculation, older values where a calculation stopped early) and prints
// itself as one page on the printer the report window last chose.

#include <QWidget>

#include <array>

class Messages;
class QLineEdit;
class QPrinter;
class QPushButton;
class QToolButton;
struct Peremenn;

class TForm2 : public QWidget {
    Q_OBJECT
public:
    TForm2(Peremenn& p, Messages& messages, QPrinter& printer, QWidget* parent = nullptr);

    // "Печать": the window without this button, on the current printer.
    void prClick();
    // "Закрыть": hides the window.
    void BitBtn1Click();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void fillFields();

    Peremenn& p_;
    Messages& messages_;
    QPrinter& printer_;
    std::array<QLineEdit*, 18> fields_ {};
    QToolButton* pr = nullptr;
    QPushButton* BitBtn1 = nullptr;
};
