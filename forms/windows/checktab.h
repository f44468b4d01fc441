#pragma once
// The report window's third tab, "Проверка": the spring the report
// specifies, checked as it will be made by EN 13906-1
// (engine/features/verification.h), and the spring to order. Above the
// table the check's settings (tolerance standard and grade, ends, seating
// ν) and its assumptions; the table has a row per rule with the method's,
// the made spring's and the spring to order's value, the limit, the
// utilisation, the verdict and a note; below, the two verdicts. The
// settings are kept for the input file the design came from; a design
// without its own starts from the defaults.

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
    // The settings are kept in `settings`; without them every design starts
    // from the defaults and nothing is kept.
    explicit CheckTab(AppSettings* settings, QWidget* parent = nullptr);

    // Checks a completed calculation, reading its data folder; `design`
    // names its input file (empty when it has none). An incomplete one
    // leaves the tab saying why there is no check.
    void check(std::shared_ptr<const CalcResult> done, const QString& design);

    const Verification& verification() const { return v_; }
    const CheckSettings& checkSettings() const { return settingsNow_; }
    // The check as printed after the report.
    QStringList lines() const;
    // How much larger the table must be to show every row and column
    // without scrolling.
    QSize tableShortfall() const;

signals:
    // A new check, or the same design checked again with other settings.
    void checked();

private:
    void choose();
    void recheck();
    void fill();
    void showSettings();

    AppSettings* settings_;
    QComboBox* tolerance_;
    QComboBox* ends_;
    QComboBox* seating_;
    QLabel* assumptions_;
    QTableWidget* table_;
    QLabel* verdict_;
    QLabel* orderVerdict_;
    std::shared_ptr<const CalcResult> done_ = std::make_shared<const CalcResult>();
    QString design_;
    CheckSettings settingsNow_;
    Verification v_;
};
