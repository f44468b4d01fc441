#pragma once
// What the three reference viewers "Справочник" (TForm5, TForm6, TForm7)
// share: a read-only grid of one of the standard's tables, for some a header
// strip `zag` above it, and a bottom bar with "Закрыть". Every showing reads
// the file(s) again and refills the grid; closing only hides the window.

#include <QWidget>

#include <vector>

struct TableGrid;
class Messages;
class QTableView;
class TableModel;

struct ViewerLayout {
    QSize client; // the window's fixed client area
    std::vector<int> columnWidths; // one per column
    int rowHeight = 16;
    bool strip = false; // a header strip above the grid
    bool resizable = false; // the user may resize columns and select ranges
};

class TableViewer : public QWidget {
    Q_OBJECT
public:
    TableViewer(Messages& messages, ViewerLayout layout, QWidget* parent);

protected:
    // The grid to show, read afresh.
    virtual TableGrid loadGrid() const = 0;
    void showEvent(QShowEvent* event) override;

private:
    void fill();
    void BitBtn1Click();
    void applyColumnWidths(QTableView& view);

    Messages& messages_;
    ViewerLayout layout_;
    TableModel* tablModel_;
    QTableView* tabl_;
    TableModel* zagModel_ = nullptr;
    QTableView* zag_ = nullptr;
};
