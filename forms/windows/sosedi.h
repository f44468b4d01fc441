#pragma once
// TForm13, "Варианты": the same spring worked through otherwise, in two
// tabs. "Соседние диаметры": the stocked wire diameters of the material
// around the one the calculation chose, each worked through as if it had
// been picked in the diameter choice (engine/features/neighbours.h); Enter or a
// double click on a row asks for the report with that diameter
// (diameterPicked). "Материалы": the inputs worked through in every
// material of the catalogue as "Расчет" would with it selected
// (engine/features/allmaterials.h), lightest first, any column sorted by its header,
// the main window's material marked; Enter or a double click asks for that
// material in the main window and its report (materialPicked). "Подбор":
// the search for the lightest spring that does the job
// (forms/windows/searchtab.h); a row picked there asks for that spring in
// the main window and its report (candidatePicked).
//
// Opened from the report window, which hands it the inputs of its
// calculation; while it is open the report window hands it the main
// window's inputs after every edit that leaves them valid, so the rows
// follow the form before "Расчет" is pressed. Only the tab on view is
// worked out; the other when it is looked at. The catalogue is read from
// the inputs' data folder. Esc closes it.

#include "engine/features/allmaterials.h"
#include "engine/features/neighbours.h"

#include <QWidget>

class MaterialModel;
class NeighbourModel;
class QLabel;
class QPushButton;
class QTabWidget;
class QTableView;
class SearchTab;

class TForm13 : public QWidget {
    Q_OBJECT
public:
    explicit TForm13(QWidget* opener = nullptr);

    // Rows for these inputs (as "Расчет" gives them, with the answer to the
    // diameter question in chosenD). `followed`: they are the main window's,
    // not yet calculated in the report.
    void showRows(const CalcInputs& inputs, bool followed = false);
    // The check of the made spring in both tabs uses these, the report's own
    // settings; a change works the rows out again.
    void setCheckSettings(const CheckSettings& check);
    // Brings the "Материалы" tab to view.
    void showMaterials();

    const Neighbours& table() const { return table_; }
    QTableView* view() const { return view_; }
    QString captionText() const;
    const AllMaterials& materials() const { return materials_; }
    QTableView* materialsView() const { return materialsView_; }
    SearchTab* searchTab() const { return search_; }

signals:
    // The user wants the report with this diameter.
    void diameterPicked(double d);
    // The user wants this material selected in the main window and its report.
    void materialPicked(const QString& material);
    // The user wants this spring (material, group, D1, wire) in the main window and its report.
    void candidatePicked(const CalcInputs& inputs);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void showNeighbours();
    void showAllMaterials();
    void workOutTabOnView();
    void pick(const QModelIndex& index);
    void pickMaterial(const QModelIndex& index);
    QString followedWords() const;

    CalcInputs inputs_;
    CheckSettings check_;
    bool followed_ = false;
    bool neighboursStale_ = true;
    bool materialsStale_ = true;
    Neighbours table_;
    AllMaterials materials_;
    QTabWidget* tabs_ = nullptr;
    NeighbourModel* model_ = nullptr;
    QLabel* caption_ = nullptr;
    QLabel* refusal_ = nullptr;
    QTableView* view_ = nullptr;
    MaterialModel* materialModel_ = nullptr;
    QLabel* materialsCaption_ = nullptr;
    QTableView* materialsView_ = nullptr;
    SearchTab* search_ = nullptr;
    QPushButton* BitBtn1 = nullptr; // "Закрыть"
};
