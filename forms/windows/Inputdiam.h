#pragma once
// "Новый диаметр": entry of one wire diameter in millimetres, opened from
// the diameter list dialog. The field takes keys through the numeric key
// filter of the input fields; OK accepts only a number above zero, whose
// text diameter() then returns. The field keeps its text between uses.

#include <QDialog>

#include <memory>
#include <string>

class NumericField;
namespace Ui {
class TForm11;
}

class TForm11 : public QDialog {
    Q_OBJECT
public:
    explicit TForm11(QWidget* parent = nullptr);
    ~TForm11() override;

    // The diameter accepted by the last OK, as typed.
    const std::string& diameter() const { return diameter_; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    void okClick();

    std::unique_ptr<Ui::TForm11> ui;
    NumericField* field_ = nullptr;
    std::string diameter_;
};
