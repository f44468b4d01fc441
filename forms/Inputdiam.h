#pragma once
// "Новый диаметр": entry of one wire diameter in millimetres, opened from
// the diameter list dialog. The field takes keys through the numeric key
// filter of the input fields; OK accepts only a number above zero and
// leaves its text in `newDiameter`. The field keeps its text between uses.

#include <QDialog>

#include <memory>

class NumericField;
struct Peremenn;
namespace Ui {
class TForm11;
}

class TForm11 : public QDialog {
    Q_OBJECT
public:
    explicit TForm11(Peremenn& p, QWidget* parent = nullptr);
    ~TForm11() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void okClick();

    std::unique_ptr<Ui::TForm11> ui;
    Peremenn& p_;
    NumericField* field_ = nullptr;
};
