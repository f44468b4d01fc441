#pragma once
// The tab "Подбор" of "Варианты": the search for the lightest spring that
// does the job (engine/features/search.h). The requirement fields are
// filled from the main window's inputs; "Найти" (or Enter) searches the
// catalogue of the inputs' data folder on every core while the table
// follows, best rows first, and the bar counts the candidates tried and
// kept; "Остановить" ends it keeping what was found. When nothing is kept
// the line under the bar says how many candidates each rule rejected.
// Enter or a double click on a row asks for that spring in the main
// window and its report (candidatePicked): the full calculation runs
// again there.

#include "engine/features/search.h"

#include <QWidget>

#include <memory>
#include <thread>

class QComboBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QTableView;
class QTimer;
class SearchModel;

class SearchTab : public QWidget {
    Q_OBJECT
public:
    explicit SearchTab(QWidget* parent = nullptr);
    ~SearchTab() override; // a search still running is stopped

    // Fills the requirement from these inputs (as "Расчет" gives them),
    // unless a search is running or the requirement is the same.
    void setInputs(const CalcInputs& inputs);
    void find();
    void stop();
    bool running() const { return worker_.joinable(); }

    QTableView* view() const { return view_; }
    QString statusText() const;
    const std::vector<SearchRow>& rows() const;

signals:
    void candidatePicked(const CalcInputs& inputs);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Live;
    std::optional<SearchRequest> request(QString& problem) const;
    void poll();
    void finish(const SearchResult& result);
    void showRows(std::vector<SearchRow> rows);
    void pick(const QModelIndex& index);

    CalcInputs base_; // the main window's
    CalcInputs searched_; // the requirement of the last search, as "Расчет" gets it
    SearchKey rank_ = SearchKey::Mass;
    std::vector<QLineEdit*> fields_;
    QComboBox* rank_box_ = nullptr;
    QPushButton* find_ = nullptr;
    QPushButton* stop_ = nullptr;
    QProgressBar* bar_ = nullptr;
    QLabel* status_ = nullptr;
    SearchModel* model_ = nullptr;
    QTableView* view_ = nullptr;
    QTimer* timer_ = nullptr;
    std::shared_ptr<Live> live_;
    std::jthread worker_; // last: stopped and joined before the rest goes
};
