#include "forms/windows/searchtab.h"

#include "engine/catalogue/memoryfiles.h"
#include "engine/common/errortext.h"
#include "engine/common/numtext.h"
#include "engine/features/searchtable.h"
#include "forms/widgets/qtext.h"

#include <QAbstractTableModel>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTableView>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>
#include <climits>
#include <mutex>
#include <tuple>

// The kept rows, as the table shows them.
class SearchModel : public QAbstractTableModel {
public:
    using QAbstractTableModel::QAbstractTableModel;

    void setRows(std::vector<SearchRow> rows)
    {
        beginResetModel();
        rows_ = std::move(rows);
        endResetModel();
    }
    const std::vector<SearchRow>& rows() const { return rows_; }

    int rowCount(const QModelIndex& = {}) const override { return static_cast<int>(rows_.size()); }
    int columnCount(const QModelIndex& = {}) const override
    {
        return static_cast<int>(searchColumns().size());
    }
    QVariant data(const QModelIndex& index, int role) const override
    {
        const SearchRow& row = rows_[static_cast<size_t>(index.row())];
        if (role == Qt::DisplayRole)
            return qs(searchColumns()[static_cast<size_t>(index.column())].text(row));
        if (role == Qt::BackgroundRole)
            return row.passed ? QColor(225, 245, 225) : QColor(250, 225, 225);
        return {};
    }
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override
    {
        if (orientation == Qt::Horizontal && role == Qt::DisplayRole)
            return qs(searchColumns()[static_cast<size_t>(section)].header);
        return {};
    }

private:
    std::vector<SearchRow> rows_;
};

namespace {

// The rows the table follows a running search with, and shows at the end.
constexpr size_t kShownRows = 500;
constexpr int kPollMs = 100;

enum Field { F1, F2, H, L0, N, Vmax, OuterMin, OuterMax, Step, InnerMin, LengthMax, SolidMax, MassMax };
struct FieldText {
    const char* label;
    const char* name;
};
constexpr FieldText kFields[] = {
    { "F1, кгс", "f1" },
    { "F2, кгс", "f2" },
    { "H, мм", "h" },
    { "L0, мм", "l0" },
    { "n", "n" },
    { "Vmax, м/с", "vmax" },
    { "D1 от, мм", "outerMin" },
    { "D1 до, мм", "outerMax" },
    { "шаг D1, мм", "step" },
    { "Dвн не менее, мм", "innerMin" },
    { "L0 не более, мм", "lengthMax" },
    { "Lc не более, мм", "solidMax" },
    { "m не более, кг", "massMax" },
};

QString numberText(double v)
{
    return v > 0 ? qs(numText(v)) : QString();
}

} // namespace

struct SearchTab::Live {
    std::mutex mutex;
    SearchProgress progress;
    std::vector<SearchRow> kept; // so far, in no order
    std::optional<SearchResult> result; // once the search has ended
};

SearchTab::SearchTab(QWidget* parent)
    : QWidget(parent)
{
    auto* grid = new QGridLayout;
    for (size_t k = 0; k < std::size(kFields); ++k) {
        auto* edit = new QLineEdit;
        edit->setObjectName(QString::fromLatin1(kFields[k].name));
        edit->setMaximumWidth(90);
        connect(edit, &QLineEdit::returnPressed, this, &SearchTab::find);
        const int row = k < OuterMin ? 0 : 1, column = 2 * static_cast<int>(k < OuterMin ? k : k - OuterMin);
        grid->addWidget(new QLabel(qs(kFields[k].label)), row, column);
        grid->addWidget(edit, row, column + 1);
        fields_.push_back(edit);
    }
    grid->setColumnStretch(14, 1);
    rank_box_ = new QComboBox;
    rank_box_->setObjectName(QStringLiteral("rank"));
    for (int k = 0; k < kSearchKeyCount; ++k)
        rank_box_->addItem(qs(searchKeyWords(static_cast<SearchKey>(k))));
    find_ = new QPushButton(QStringLiteral("Найти"));
    find_->setObjectName(QStringLiteral("find"));
    stop_ = new QPushButton(QStringLiteral("Остановить"));
    stop_->setObjectName(QStringLiteral("stop"));
    stop_->setEnabled(false);
    connect(find_, &QPushButton::clicked, this, &SearchTab::find);
    connect(stop_, &QPushButton::clicked, this, &SearchTab::stop);
    bar_ = new QProgressBar;
    bar_->setObjectName(QStringLiteral("progress"));
    bar_->setTextVisible(false);
    status_ = new QLabel;
    status_->setObjectName(QStringLiteral("status"));
    status_->setWordWrap(true);
    auto* controls = new QHBoxLayout;
    controls->addWidget(new QLabel(QStringLiteral("Порядок:")));
    controls->addWidget(rank_box_);
    controls->addWidget(find_);
    controls->addWidget(stop_);
    controls->addWidget(bar_, 1);

    model_ = new SearchModel(this);
    view_ = new QTableView;
    view_->setObjectName(QStringLiteral("searchRows"));
    view_->setModel(model_);
    view_->setSelectionBehavior(QAbstractItemView::SelectRows);
    view_->setSelectionMode(QAbstractItemView::SingleSelection);
    view_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view_->verticalHeader()->hide();
    view_->verticalHeader()->setDefaultSectionSize(view_->fontMetrics().height() + 8);
    view_->horizontalHeader()->setStretchLastSection(true);
    view_->installEventFilter(this);
    connect(view_, &QAbstractItemView::doubleClicked, this, &SearchTab::pick);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(controls);
    layout->addWidget(status_);
    layout->addWidget(view_, 1);

    timer_ = new QTimer(this);
    timer_->setInterval(kPollMs);
    connect(timer_, &QTimer::timeout, this, &SearchTab::poll);
}

SearchTab::~SearchTab() = default;

void SearchTab::setInputs(const CalcInputs& inputs)
{
    if (running())
        return;
    // A row taken into the main window changes its material, group and D1
    // only: the requirement and the range the user set stay.
    const auto requirement = [](const CalcInputs& in) {
        return std::tie(in.F1, in.F2, in.H, in.L0, in.n, in.Vmax, in.mode, in.dataDir);
    };
    const bool same = requirement(inputs) == requirement(base_);
    base_ = inputs;
    if (same)
        return;
    const double values[] = { inputs.F1 / 10, inputs.F2 / 10, inputs.H, inputs.L0, inputs.n, inputs.Vmax,
        inputs.D1 * 0.5, inputs.D1 * 1.5, 0.5 };
    for (size_t k = 0; k < std::size(values); ++k)
        fields_[k]->setText(numberText(values[k]));
    for (Field f : { H, L0, N })
        fields_[f]->setEnabled((f == H) == (inputs.mode != 2));
}

std::optional<SearchRequest> SearchTab::request(QString& problem) const
{
    double v[std::size(kFields)] = {};
    for (size_t k = 0; k < std::size(kFields); ++k) {
        std::string text = ss(fields_[k]->text().trimmed().replace(QLatin1Char('.'), QLatin1Char(',')));
        if (!fields_[k]->isEnabled() || text.empty())
            continue;
        if (!tryStrToFloat(text, v[k]) || v[k] < 0) {
            problem = QStringLiteral("Не число: ") + qs(kFields[k].label);
            return std::nullopt;
        }
    }
    SearchRequest r;
    r.base = base_;
    r.base.F1 = v[F1] * 10;
    r.base.F2 = v[F2] * 10;
    r.base.H = v[H];
    r.base.L0 = v[L0];
    r.base.n = v[N];
    r.base.Vmax = v[Vmax];
    r.outer = { v[OuterMin], v[OuterMax], v[Step] };
    r.space = { v[OuterMax], v[InnerMin], v[LengthMax], v[SolidMax], v[MassMax] };
    r.rank = static_cast<SearchKey>(rank_box_->currentIndex());
    if (v[F1] <= 0 || v[F2] <= 0 || v[OuterMin] <= 0 || v[Step] <= 0 || v[OuterMax] < v[OuterMin])
        problem = QStringLiteral("Нужны F1, F2, D1 от и до (до не меньше от) и шаг больше 0");
    return problem.isEmpty() ? std::optional(r) : std::nullopt;
}

void SearchTab::find()
{
    if (running())
        return;
    QString problem;
    const std::optional<SearchRequest> r = request(problem);
    if (!r) {
        status_->setText(problem);
        return;
    }
    rank_ = r->rank;
    searched_ = r->base;
    live_ = std::make_shared<Live>();
    model_->setRows({});
    bar_->setValue(0);
    status_->setText(QStringLiteral("Поиск…"));
    find_->setEnabled(false);
    stop_->setEnabled(true);
    const unsigned threads = std::max(1u, std::thread::hardware_concurrency());
    // The worker owns what it reads; it hands back through `live` alone,
    // never touching the widgets.
    worker_ = std::jthread([live = live_, request = *r, threads](std::stop_token stop) {
        SearchResult result;
        try {
            result = runSearch(request, MemoryFiles::snapshot(request.base.dataDir), threads, stop,
                [&](const SearchProgress& p, const std::vector<SearchRow>& kept) {
                    std::lock_guard lock(live->mutex);
                    live->progress = p;
                    live->kept.insert(live->kept.end(), kept.begin(), kept.end());
                });
        } catch (...) {
            result.refusal = "Ошибка: " + errorText(std::current_exception());
        }
        std::lock_guard lock(live->mutex);
        live->result = std::move(result);
    });
    timer_->start();
}

void SearchTab::stop()
{
    worker_.request_stop();
}

void SearchTab::showRows(std::vector<SearchRow> rows)
{
    const auto before = [this](const SearchRow& a, const SearchRow& b) { return ranksBefore(a, b, rank_); };
    const size_t shown = std::min(rows.size(), kShownRows);
    std::partial_sort(rows.begin(), rows.begin() + static_cast<long>(shown), rows.end(), before);
    rows.resize(shown);
    model_->setRows(std::move(rows));
    view_->resizeColumnsToContents();
}

void SearchTab::poll()
{
    SearchProgress progress;
    std::vector<SearchRow> kept;
    std::optional<SearchResult> done;
    {
        std::lock_guard lock(live_->mutex);
        progress = live_->progress;
        done = std::move(live_->result);
        if (!done)
            kept = live_->kept;
    }
    if (done) {
        finish(*done);
        return;
    }
    bar_->setMaximum(static_cast<int>(std::min<std::uint64_t>(progress.planned, INT_MAX)));
    bar_->setValue(static_cast<int>(std::min<std::uint64_t>(progress.done, INT_MAX)));
    status_->setText(QStringLiteral("Испытано %1, подходят %2").arg(progress.tried).arg(progress.kept));
    showRows(std::move(kept));
}

void SearchTab::finish(const SearchResult& result)
{
    timer_->stop();
    worker_.join();
    worker_ = {};
    find_->setEnabled(true);
    stop_->setEnabled(false);
    bar_->setMaximum(1);
    bar_->setValue(result.stopped ? 0 : 1);
    showRows(result.rows);
    QString text = result.refusal.empty()
        ? QStringLiteral("%1испытано %2, подходят %3")
              .arg(result.stopped ? QStringLiteral("Остановлено: ") : QStringLiteral("Готово: "))
              .arg(result.tried)
              .arg(result.rows.size())
        : qs(result.refusal);
    if (result.rows.empty() && result.refusal.empty()) {
        std::vector<int> rules;
        for (int k = 1; k < kRejectionCount; ++k)
            if (result.rejected[static_cast<size_t>(k)] > 0)
                rules.push_back(k);
        std::stable_sort(rules.begin(), rules.end(), [&](int a, int b) {
            return result.rejected[static_cast<size_t>(a)] > result.rejected[static_cast<size_t>(b)];
        });
        text += QStringLiteral(". Отклонены: ");
        for (int k : rules)
            text += QStringLiteral("%1 — %2; ")
                        .arg(qs(rejectionWords(static_cast<Rejection>(k))))
                        .arg(result.rejected[static_cast<size_t>(k)]);
        text.chop(2);
    }
    status_->setText(text);
}

QString SearchTab::statusText() const
{
    return status_->text();
}

const std::vector<SearchRow>& SearchTab::rows() const
{
    return model_->rows();
}

void SearchTab::pick(const QModelIndex& index)
{
    if (index.isValid())
        emit candidatePicked(rowInputs(searched_, model_->rows()[static_cast<size_t>(index.row())]));
}

bool SearchTab::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == view_ && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            pick(view_->currentIndex());
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}
