#pragma once
// TForm8, "Выбор диаметра": asks for the wire diameter when the calculation
// cannot derive one (k3 too large). Offers the non-empty lines of the
// material's diameter file; OK returns the chosen one. Made by the main
// window when first needed, shown modally while the calculation waits.

#include <QDialog>

#include <memory>
#include <optional>
#include <string>

class Messages;
class QLabel;
namespace Ui {
class TForm8;
}

class TForm8 : public QDialog {
    Q_OBJECT
public:
    explicit TForm8(Messages& messages, QWidget* parent = nullptr);
    ~TForm8() override;

    // Fills the list with the diameters of `material` in `dataDir` and runs
    // the dialog: the chosen diameter on OK, none on cancel. A missing
    // diameter file, a file without any diameter or an item that is not a
    // number end it as cancel, after their message. With the diameter the
    // calculation `needs`, that is shown and the smallest listed diameter
    // not below it preselected (else the first).
    std::optional<double> choose(
        const std::string& dataDir, const std::string& material, std::optional<double> needs = {});

private:
    // Fills the list from the file and preselects the first item; false
    // (after the message) when there is nothing to choose from.
    bool FormShow(const std::string& dataDir, const std::string& material, std::optional<double> needs);
    void BitBtn1Click();

    std::unique_ptr<Ui::TForm8> ui; // the Designer form
    Messages& messages_;
    double chosen_ = 0; // the item taken, as a number
    QLabel* needed_; // the diameter the calculation needs
};
