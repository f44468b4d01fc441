#pragma once
// TForm13, "Соседние диаметры": the stocked wire diameters of the material
// around the one the calculation chose, each worked through as if it had
// been picked in the diameter choice (engine/neighbours.h), one table row
// each. Opened from the report window, which hands it the inputs of its
// calculation; while it is open the report window hands it the main
// window's inputs after every edit that leaves them valid, so the rows
// follow the form before "Расчет" is pressed. Enter or a double click on a
// row asks for the report with that diameter (diameterPicked). The catalogue
// is read from the inputs' data folder. Esc closes it.

#include "engine/neighbours.h"

#include <QWidget>

class NeighbourModel;
class QLabel;
class QPushButton;
class QTableView;

class TForm13 : public QWidget {
    Q_OBJECT
public:
    explicit TForm13(QWidget* opener = nullptr);

    // Rows for these inputs (as "Расчет" gives them, with the answer to the
    // diameter question in chosenD). `followed`: they are the main window's,
    // not yet calculated in the report.
    void showRows(const CalcInputs& inputs, bool followed = false);

    const Neighbours& table() const { return table_; }
    QTableView* view() const { return view_; }
    QString captionText() const;

signals:
    // The user wants the report with this diameter.
    void diameterPicked(double d);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void pick(const QModelIndex& index);

    Neighbours table_;
    NeighbourModel* model_ = nullptr;
    QLabel* caption_ = nullptr;
    QLabel* refusal_ = nullptr;
    QTableView* view_ = nullptr;
    QPushButton* BitBtn1 = nullptr; // "Закрыть"
};
