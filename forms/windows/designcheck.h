#pragma once
// "Проверка расчетов": the saved designs of a folder whose results differ
// between the catalogue as it was when the settings window was opened and
// as it is now. One row per design: its file and, old → new, the wire
// diameter, the number of coils, the free length and how it ended (a value
// that stays is shown once; one that changes is in bold, not only told by
// its arrow); the row's tooltip gives the first line of the output that
// differs. Files that cannot be read are listed too. "Изменений нет" when
// no design differs. The window only shows: nothing is written.

#include <QWidget>

struct CatalogueComparison;
class QLabel;
class QTableWidget;

class DesignCheckWindow : public QWidget {
    Q_OBJECT
public:
    explicit DesignCheckWindow(QWidget* parent = nullptr);

    // Fills the window; `folder` is where the designs were read.
    void showComparison(const QString& folder, const CatalogueComparison& comparison);

private:
    QLabel* folder_;
    QLabel* summary_;
    QTableWidget* changes_;
};

// The summary line: "Изменений нет", or how many of how many changed, and
// how many files could not be read.
QString designCheckSummary(const CatalogueComparison& comparison);
