#include "forms/sosedi.h"

#include "engine/datafiles.h"
#include "engine/numtext.h"
#include "forms/neighbourmodel.h"
#include "forms/qtext.h"
#include "forms/screencentre.h"
#include "forms/shortcuts.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QTableView>
#include <QVBoxLayout>

namespace {

// Each side of the calculation's own diameter.
constexpr int kEachSide = 2;

const QSize kDefaultSize(1120, 260);
const QSize kLeastSize(640, 220);

const QString kHint = QStringLiteral(
    "Строка «◀ расчет» — пружина отчета; остальные — расчет с этим диаметром, как если бы он был выбран "
    "в окне «Выбор диаметра». EN 13906-1 — проверка изготовленной пружины. Enter или двойной щелчок — "
    "отчет с этим диаметром.");

} // namespace

TForm13::TForm13(QWidget* opener)
    : QWidget(opener, Qt::Window)
{
    setWindowTitle(QStringLiteral("Соседние диаметры"));
    caption_ = new QLabel(this);
    caption_->setObjectName(QStringLiteral("caption"));
    caption_->setWordWrap(true);
    refusal_ = new QLabel(this);
    refusal_->setObjectName(QStringLiteral("refusal"));
    refusal_->setAlignment(Qt::AlignCenter);
    refusal_->setWordWrap(true);
    refusal_->setMargin(24);

    model_ = new NeighbourModel(this);
    view_ = new QTableView(this);
    view_->setObjectName(QStringLiteral("rows"));
    view_->setModel(model_);
    view_->setSelectionBehavior(QAbstractItemView::SelectRows);
    view_->setSelectionMode(QAbstractItemView::SingleSelection);
    view_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view_->verticalHeader()->hide();
    view_->horizontalHeader()->setStretchLastSection(true);
    view_->setWordWrap(false);
    // The row looked at is shaded over its verdict's tint, not hiding it.
    QPalette shade = view_->palette();
    for (auto group : { QPalette::Active, QPalette::Inactive }) {
        shade.setColor(group, QPalette::Highlight, QColor(40, 90, 200, 50));
        shade.setColor(group, QPalette::HighlightedText, shade.color(group, QPalette::Text));
    }
    view_->setPalette(shade);
    view_->installEventFilter(this);
    connect(view_, &QAbstractItemView::doubleClicked, this, &TForm13::pick);

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
    layout->addWidget(caption_);
    layout->addWidget(view_, 1);
    layout->addWidget(refusal_, 1);
    layout->addLayout(bar);

    setMinimumSize(kLeastSize);
    resize(kDefaultSize);
    centreOnScreen(*this);
}

void TForm13::showRows(const CalcInputs& inputs, bool followed)
{
    // The row looked at stays the current one when the rows are worked
    // out again.
    std::optional<double> current;
    if (const QModelIndex at = view_->currentIndex(); at.isValid())
        current = model_->rows()[static_cast<size_t>(at.row())].d;
    const bool selected = view_->selectionModel()->hasSelection();

    table_ = neighbourRows(inputs, FolderFiles(inputs.dataDir), kEachSide);
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
    if (followed)
        caption
            += QStringLiteral("По исходным данным главного окна; отчет пересчитывается кнопкой «Расчет». ");
    caption_->setText(caption + (rows ? kHint : QString()));
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

bool TForm13::eventFilter(QObject* watched, QEvent* event)
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
