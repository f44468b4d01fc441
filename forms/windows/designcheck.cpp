#include "forms/windows/designcheck.h"

#include "engine/common/numtext.h"
#include "engine/features/designcompare.h"
#include "engine/features/designsummary.h"
#include "forms/widgets/qtext.h"
#include "forms/widgets/shortcuts.h"
#include "forms/widgets/windowframe.h"

#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include <array>

namespace {

constexpr QSize kClient { 700, 280 };

// The columns after the file's: a result of the design, or how it ended.
struct Column {
    const char* caption;
    int width;
    double CalcValues::*field; // nullptr: the status
};

constexpr std::array kColumns { Column { "d, мм", 90, &CalcValues::d },
    Column { "n", 70, &CalcValues::nCalc }, Column { "L0, мм", 240, &CalcValues::L0calc },
    Column { "Статус", 0, nullptr } };
constexpr int kFileWidth = 140;

QString valueText(const DesignResult& r, double CalcValues::*field)
{
    if (!field) {
        const ExitStatusMeaning* s = exitStatusMeaning(r.status);
        return s ? QString::fromUtf8(s->caption) : QString::number(r.status);
    }
    const auto v = reachedValue(r, field);
    return v ? qs(numText(*v)) : QStringLiteral("—");
}

QTableWidgetItem* cell(const QString& text, const QString& tip)
{
    auto* item = new QTableWidgetItem(text);
    item->setToolTip(tip);
    return item;
}

// "old → new", in bold, when the two differ.
QTableWidgetItem* changeCell(const QString& before, const QString& after, const QString& tip)
{
    if (before == after)
        return cell(before, tip);
    QTableWidgetItem* item = cell(before + QStringLiteral(" → ") + after, tip);
    QFont bold = item->font();
    bold.setBold(true);
    item->setFont(bold);
    return item;
}

QString firstDifference(const DesignChange& change)
{
    auto side
        = [](const std::optional<std::string>& line) { return line ? qs(*line) : QStringLiteral("(нет)"); };
    return QStringLiteral("Первое отличие, строка %1\nбыло: %2\nстало: %3")
        .arg(change.line + 1)
        .arg(side(change.beforeLine), side(change.afterLine));
}

} // namespace

QString designCheckSummary(const CatalogueComparison& comparison)
{
    QString text = comparison.changed.empty() ? QStringLiteral("Изменений нет")
                                              : QStringLiteral("Изменились расчеты: %1 из %2")
                                                    .arg(comparison.changed.size())
                                                    .arg(comparison.designs);
    if (!comparison.faults.empty())
        text += QStringLiteral(". Не прочитаны файлы: %1").arg(comparison.faults.size());
    return text;
}

DesignCheckWindow::DesignCheckWindow(QWidget* parent)
    : QWidget(parent, Qt::Tool)
    , folder_(new QLabel(this))
    , summary_(new QLabel(this))
    , changes_(new QTableWidget(this))
{
    setWindowTitle(QStringLiteral("Проверка расчетов"));
    resizableWindow(this, kClient);
    closeOnEscape(this);
    folder_->setObjectName(QStringLiteral("folder"));
    summary_->setObjectName(QStringLiteral("summary"));
    changes_->setObjectName(QStringLiteral("changes"));
    QFont bold = summary_->font();
    bold.setBold(true);
    summary_->setFont(bold);

    QStringList headers { QStringLiteral("Файл") };
    for (const Column& c : kColumns)
        headers << QString::fromUtf8(c.caption);
    changes_->setColumnCount(static_cast<int>(headers.size()));
    changes_->setHorizontalHeaderLabels(headers);
    changes_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    changes_->setSelectionBehavior(QAbstractItemView::SelectRows);
    changes_->verticalHeader()->hide();
    changes_->setWordWrap(false);
    changes_->verticalHeader()->setDefaultSectionSize(changes_->fontMetrics().height() + 6);
    changes_->horizontalHeader()->setStretchLastSection(true);
    changes_->setColumnWidth(0, kFileWidth);
    for (size_t k = 0; k + 1 < kColumns.size(); ++k)
        changes_->setColumnWidth(static_cast<int>(k) + 1, kColumns[k].width);

    auto* close = new QPushButton(QStringLiteral("Закрыть"), this);
    close->setObjectName(QStringLiteral("BitBtn1"));
    close->setFixedSize(75, 25);
    connect(close, &QPushButton::clicked, this, &QWidget::close);

    auto* bar = new QHBoxLayout;
    bar->addStretch();
    bar->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 6, 8, 8);
    layout->setSpacing(4);
    layout->addWidget(folder_);
    layout->addWidget(summary_);
    layout->addWidget(changes_, 1);
    layout->addLayout(bar);
}

void DesignCheckWindow::showComparison(const QString& folder, const CatalogueComparison& comparison)
{
    folder_->setText(QStringLiteral("Папка: ") + QDir::toNativeSeparators(folder));
    folder_->setToolTip(folder_->text());
    summary_->setText(designCheckSummary(comparison));
    changes_->setRowCount(0);
    for (const DesignChange& change : comparison.changed) {
        const int row = changes_->rowCount();
        changes_->insertRow(row);
        const QString file = qs(change.before.ridFile);
        const QString tip = file + QLatin1Char('\n') + firstDifference(change);
        changes_->setItem(row, 0, cell(QFileInfo(file).fileName(), tip));
        for (size_t k = 0; k < kColumns.size(); ++k)
            changes_->setItem(row, static_cast<int>(k) + 1,
                changeCell(valueText(change.before, kColumns[k].field),
                    valueText(change.after, kColumns[k].field), tip));
    }
    for (const DesignFault& fault : comparison.faults) {
        const int row = changes_->rowCount();
        changes_->insertRow(row);
        const QString file = qs(fault.file);
        changes_->setItem(row, 0, cell(QFileInfo(file).fileName(), file));
        const ExitStatusMeaning* unread = exitStatusMeaning(NoInput);
        changes_->setItem(row, static_cast<int>(kColumns.size()),
            cell(QString::fromUtf8(unread->caption) + QStringLiteral(": ") + qs(fault.text), file));
    }
}
