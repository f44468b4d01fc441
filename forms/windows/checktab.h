#pragma once
// The report window's third tab, "Проверка": the spring the report
// specifies, checked as it will be made by EN 13906-1
// (engine/features/verification.h). A table of the check's rows (the method's value
// where it has one, the made spring's value, the limit, the verdict and a
// note), the seating coefficient ν of the buckling check chosen above it,
// and the overall verdict below. ν is kept in the settings for the input
// file the design came from (and as the choice for designs without one).

#include "engine/features/verification.h"
#include "engine/method/calc.h"

#include <QStringList>
#include <QWidget>

#include <memory>

class AppSettings;
class QComboBox;
class QLabel;
class QTableWidget;

class CheckTab : public QWidget {
    Q_OBJECT
public:
    // ν is kept in `settings`; without them ν starts at 0,5 and is not kept.
    explicit CheckTab(AppSettings* settings, QWidget* parent = nullptr);

    // Checks a completed calculation, reading its data folder; `design`
    // names its input file (empty when it has none). An incomplete one
    // leaves the tab saying why there is no check.
    void check(std::shared_ptr<const CalcResult> done, const QString& design);

    const Verification& verification() const { return v_; }
    // The check as printed after the report.
    QStringList lines() const;

signals:
    // A new check, or the same design checked again with another ν.
    void checked();

private:
    void recheck();
    void fill();

    AppSettings* settings_;
    QComboBox* seating_;
    QTableWidget* table_;
    QLabel* verdict_;
    std::shared_ptr<const CalcResult> done_ = std::make_shared<const CalcResult>();
    QString design_;
    Verification v_;
};
