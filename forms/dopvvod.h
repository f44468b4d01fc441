#pragma once
// TForm8, "Выбор диаметра": asks for the wire diameter when the calculation
// cannot derive one (k3 too large). Offers the non-empty lines of the
// material's diameter file; OK hands the chosen one over in
// peremenn.chosenD. Made by the main window when first needed, shown modally
// by the calculation.

#include "ui_dopvvod.h"

#include <QDialog>

class Messages;
struct Peremenn;

class TForm8 : public QDialog {
    Q_OBJECT
public:
    TForm8(Peremenn& peremenn, Messages& messages, QWidget* parent = nullptr);

    // Fills the list and runs the dialog. True only for OK with chosenD set
    // from the chosen item. A missing diameter file, a file without any
    // diameter or an item that is not a number end it as cancel, after their
    // message.
    bool choose();

    Ui::TForm8 ui;

private:
    // Fills the list from the file and preselects the first item; false
    // (after the message) when there is nothing to choose from.
    bool FormShow();
    void BitBtn1Click();

    Peremenn& peremenn_;
    Messages& messages_;
};
