#include "forms/windows/tableviewer.h"

#include "engine/catalogue/tables.h"
#include "forms/widgets/messages.h"
#include "forms/widgets/qtext.h"
#include "forms/widgets/shortcuts.h"
#include "forms/widgets/tablemodel.h"

#include <QHeaderView>
#include <QPushButton>
#include <QShowEvent>
#include <QTableView>

namespace {

constexpr int kBarHeight = 41;
constexpr int kStripHeight = 16;

QTableView* makeGrid(QWidget* parent, const char* name, TableModel* model, int rowHeight)
{
    auto* view = new QTableView(parent);
    view->setObjectName(QString::fromLatin1(name));
    view->setModel(model);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->verticalHeader()->hide();
    view->verticalHeader()->setMinimumSectionSize(rowHeight);
    view->verticalHeader()->setDefaultSectionSize(rowHeight);
    view->horizontalHeader()->setFixedHeight(rowHeight);
    view->horizontalHeader()->setHighlightSections(false);
    view->horizontalHeader()->setMinimumSectionSize(8);
    view->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    return view;
}

} // namespace

TableViewer::TableViewer(Messages& messages, ViewerLayout layout, QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
    , messages_(messages)
    , layout_(std::move(layout))
    , tablModel_(new TableModel(this))
{
    setWindowTitle(QStringLiteral("Справочник"));
    setFixedSize(layout_.client);
    closeOnEscape(this);
    const int width = layout_.client.width();
    int top = 0;
    if (layout_.strip) {
        zagModel_ = new TableModel(this);
        zag_ = makeGrid(this, "zag", zagModel_, kStripHeight);
        zag_->setFrameShape(QFrame::NoFrame);
        zag_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        zag_->setFocusPolicy(Qt::NoFocus);
        zag_->setGeometry(0, 0, width, kStripHeight);
        top = kStripHeight;
    }
    tablModel_->setFixedFirstColumn(true);
    tabl_ = makeGrid(this, "tabl", tablModel_, layout_.rowHeight);
    tabl_->setGeometry(0, top, width, layout_.client.height() - kBarHeight - top);
    if (layout_.resizable) {
        tabl_->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
        tabl_->setSelectionMode(QAbstractItemView::ContiguousSelection);
    } else {
        tabl_->setFrameShape(QFrame::NoFrame);
        tabl_->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
        tabl_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
        tabl_->setSelectionMode(QAbstractItemView::SingleSelection);
    }

    auto* close = new QPushButton(QStringLiteral("Закрыть"), this);
    close->setObjectName(QStringLiteral("BitBtn1"));
    close->setGeometry((width - 75) / 2, layout_.client.height() - kBarHeight + 8, 75, 25);
    connect(close, &QPushButton::clicked, this, &TableViewer::BitBtn1Click);
}

void TableViewer::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (!event->spontaneous())
        fill();
}

void TableViewer::fill()
{
    const TableGrid grid = loadGrid();
    tablModel_->setTable(grid.header, grid.rows);
    applyColumnWidths(*tabl_);
    if (zag_) {
        zagModel_->setTable(grid.strip, {});
        applyColumnWidths(*zag_);
    }
    if (!grid.message.empty())
        messages_.message(qs(grid.message));
}

void TableViewer::applyColumnWidths(QTableView& view)
{
    for (size_t c = 0; c < layout_.columnWidths.size(); ++c)
        view.horizontalHeader()->resizeSection(static_cast<int>(c), layout_.columnWidths[c]);
}

void TableViewer::BitBtn1Click()
{
    close();
}
