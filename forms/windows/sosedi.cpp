#include "forms/windows/sosedi.h"

#include "engine/catalogue/datafiles.h"
#include "engine/common/numtext.h"
#include "forms/widgets/materialmodel.h"
#include "forms/widgets/neighbourmodel.h"
#include "forms/widgets/qtext.h"
#include "forms/widgets/screencentre.h"
#include "forms/widgets/shortcuts.h"
#include "forms/windows/searchtab.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QTabWidget>
#include <QTableView>
#include <QVBoxLayout>

namespace {

// Each side of the calculation's own diameter.
constexpr int kEachSide = 2;

const QSize kDefaultSize(1180, 420);
const QSize kLeastSize(640, 220);

const QString kHint = QStringLiteral(
    "Строка «◀ расчет» — пружина отчета; остальные — расчет с этим диаметром, как если бы он был выбран "
    "в окне «Выбор диаметра». EN 13906-1 — проверка изготовленной пружины. Enter или двойной щелчок — "
    "отчет с этим диаметром.");
const QString kMaterialsHint = QStringLiteral(
    "Каждая строка — расчет в этом материале, как по кнопке «Расчет» с ним (◀ — материал главного окна). "
    "Enter или двойной щелчок — выбрать материал в главном окне и рассчитать.");

// A read-only table of rows, one picked at a time with Enter or a double
// click.
QTableView* rowView(QWidget* owner, const QString& name, QAbstractItemModel* model)
{
    auto* view = new QTableView(owner);
    view->setObjectName(name);
    view->setModel(model);
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    view->setSelectionMode(QAbstractItemView::SingleSelection);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->verticalHeader()->hide();
    // One line of text a row, so that a whole catalogue is seen at once.
    view->verticalHeader()->setDefaultSectionSize(view->fontMetrics().height() + 8);
    view->horizontalHeader()->setStretchLastSection(true);
    view->setWordWrap(false);
    // The row looked at is shaded over its verdict's tint, not hiding it.
    QPalette shade = view->palette();
    for (auto group : { QPalette::Active, QPalette::Inactive }) {
        shade.setColor(group, QPalette::Highlight, QColor(40, 90, 200, 50));
        shade.setColor(group, QPalette::HighlightedText, shade.color(group, QPalette::Text));
    }
    view->setPalette(shade);
    view->installEventFilter(owner);
    return view;
}

} // namespace

TForm13::TForm13(QWidget* opener)
    : QWidget(opener, Qt::Window)
{
    setWindowTitle(QStringLiteral("Варианты"));
    caption_ = new QLabel;
    caption_->setObjectName(QStringLiteral("caption"));
    caption_->setWordWrap(true);
    refusal_ = new QLabel;
    refusal_->setObjectName(QStringLiteral("refusal"));
    refusal_->setAlignment(Qt::AlignCenter);
    refusal_->setWordWrap(true);
    refusal_->setMargin(24);
    model_ = new NeighbourModel(this);
    view_ = rowView(this, QStringLiteral("rows"), model_);
    connect(view_, &QAbstractItemView::doubleClicked, this, &TForm13::pick);
    auto* neighbours = new QWidget;
    auto* neighboursLayout = new QVBoxLayout(neighbours);
    neighboursLayout->addWidget(caption_);
    neighboursLayout->addWidget(view_, 1);
    neighboursLayout->addWidget(refusal_, 1);

    materialsCaption_ = new QLabel;
    materialsCaption_->setObjectName(QStringLiteral("materialsCaption"));
    materialsCaption_->setWordWrap(true);
    materialModel_ = new MaterialModel(this);
    materialsView_ = rowView(this, QStringLiteral("materials"), materialModel_);
    materialsView_->setSortingEnabled(true);
    materialsView_->horizontalHeader()->setSortIndicator(
        static_cast<int>(materialOrder()), Qt::AscendingOrder);
    connect(materialsView_, &QAbstractItemView::doubleClicked, this, &TForm13::pickMaterial);
    auto* materials = new QWidget;
    auto* materialsLayout = new QVBoxLayout(materials);
    materialsLayout->addWidget(materialsCaption_);
    materialsLayout->addWidget(materialsView_, 1);

    tabs_ = new QTabWidget(this);
    tabs_->setObjectName(QStringLiteral("tabs"));
    tabs_->addTab(neighbours, QStringLiteral("Соседние диаметры"));
    tabs_->addTab(materials, QStringLiteral("Материалы"));
    search_ = new SearchTab;
    tabs_->addTab(search_, QStringLiteral("Подбор"));
    connect(search_, &SearchTab::candidatePicked, this, &TForm13::candidatePicked);
    connect(tabs_, &QTabWidget::currentChanged, this, &TForm13::workOutTabOnView);

    BitBtn1 = new QPushButton(QStringLiteral("Закрыть"), this);
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    BitBtn1->setIcon(style()->standardIcon(QStyle::SP_DialogCloseButton));
    BitBtn1->setMinimumWidth(75);
    connect(BitBtn1, &QPushButton::clicked, this, &QWidget::close);
    closeOnEscape(this);

    auto* bar = new QHBoxLayout;
    bar->addStretch();
    bar->addWidget(BitBtn1);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabs_, 1);
    layout->addLayout(bar);

    setMinimumSize(kLeastSize);
    resize(kDefaultSize);
    centreOnScreen(*this);
}

void TForm13::showRows(const CalcInputs& inputs, bool followed)
{
    inputs_ = inputs;
    followed_ = followed;
    neighboursStale_ = materialsStale_ = true;
    search_->setInputs(inputs);
    workOutTabOnView();
}

void TForm13::setCheckSettings(const CheckSettings& check)
{
    if (check == check_)
        return;
    check_ = check;
    neighboursStale_ = materialsStale_ = true;
    if (isVisible())
        workOutTabOnView();
}

void TForm13::showMaterials()
{
    tabs_->setCurrentIndex(1);
}

void TForm13::workOutTabOnView()
{
    if (tabs_->currentIndex() == 0 && neighboursStale_)
        showNeighbours();
    else if (tabs_->currentIndex() == 1 && materialsStale_)
        showAllMaterials();
}

QString TForm13::followedWords() const
{
    return followed_
        ? QStringLiteral("По исходным данным главного окна; отчет пересчитывается кнопкой «Расчет». ")
        : QString();
}

void TForm13::showNeighbours()
{
    neighboursStale_ = false;
    // The row looked at stays the current one when the rows are worked
    // out again.
    std::optional<double> current;
    if (const QModelIndex at = view_->currentIndex(); at.isValid())
        current = model_->rows()[static_cast<size_t>(at.row())].d;
    const bool selected = view_->selectionModel()->hasSelection();

    table_ = neighbourRows(inputs_, FolderFiles(inputs_.dataDir), kEachSide, check_);
    model_->setRows(table_.rows);
    view_->clearSpans();
    int select = -1;
    for (int r = 0; r < model_->rowCount(); ++r) {
        const NeighbourRow& row = table_.rows[static_cast<size_t>(r)];
        if (!row.complete())
            view_->setSpan(r, NeighbourModel::stopColumn(), 1, NeighbourModel::stopSpan());
        if ((current && row.d == *current) || (select < 0 && row.methodChoice))
            select = r;
    }
    view_->resizeColumnsToContents();
    // Until the user picks a row the tints show unshaded; Enter takes the
    // current row all the same.
    if (select >= 0 && selected)
        view_->selectRow(select);
    else if (select >= 0)
        view_->selectionModel()->setCurrentIndex(model_->index(select, 0), QItemSelectionModel::NoUpdate);

    const bool rows = table_.refusal.empty();
    refusal_->setText(qs(table_.refusal));
    refusal_->setVisible(!rows);
    view_->setVisible(rows);
    QString caption = QStringLiteral("Материал ") + qs(table_.material) + QStringLiteral(". ");
    for (const NeighbourRow& row : table_.rows)
        if (row.methodChoice)
            caption += (table_.asked ? QStringLiteral("Выбран в окне «Выбор диаметра»: d = ")
                                     : QStringLiteral("Расчет выбрал d = "))
                + qs(row.listed) + QStringLiteral(" мм. ");
    caption_->setText(caption + followedWords() + (rows ? kHint : QString()));
}

void TForm13::showAllMaterials()
{
    materialsStale_ = false;
    // As for the diameters: the row looked at stays, else the main
    // window's material is the current one.
    std::string current;
    if (const QModelIndex at = materialsView_->currentIndex(); at.isValid())
        current = materialModel_->rows()[static_cast<size_t>(at.row())].material;
    const bool selected = materialsView_->selectionModel()->hasSelection();

    materials_ = allMaterialRows(inputs_, FolderFiles(inputs_.dataDir), check_);
    materialModel_->setRows(materials_.rows);
    int select = -1;
    for (int r = 0; r < materialModel_->rowCount(); ++r) {
        const MaterialRow& row = materialModel_->rows()[static_cast<size_t>(r)];
        if (row.material == current || (select < 0 && current.empty() && row.selected))
            select = r;
    }
    materialsView_->resizeColumnsToContents();
    if (select >= 0 && selected)
        materialsView_->selectRow(select);
    else if (select >= 0)
        materialsView_->selectionModel()->setCurrentIndex(
            materialModel_->index(select, 0), QItemSelectionModel::NoUpdate);
    const bool rows = materials_.refusal.empty();
    materialsView_->setVisible(rows);
    materialsCaption_->setText(rows ? followedWords() + kMaterialsHint : qs(materials_.refusal));
}

QString TForm13::captionText() const
{
    return caption_->text();
}

void TForm13::pick(const QModelIndex& index)
{
    if (index.isValid())
        emit diameterPicked(table_.rows[static_cast<size_t>(index.row())].d);
}

void TForm13::pickMaterial(const QModelIndex& index)
{
    if (index.isValid())
        emit materialPicked(qs(materialModel_->rows()[static_cast<size_t>(index.row())].material));
}

bool TForm13::eventFilter(QObject* watched, QEvent* event)
{
    if ((watched == view_ || watched == materialsView_) && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            if (watched == view_)
                pick(view_->currentIndex());
            else
                pickMaterial(materialsView_->currentIndex());
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}
