#include "forms/windows/checktab.h"

#include "engine/catalogue/datafiles.h"
#include "engine/common/numtext.h"
#include "engine/features/characteristic.h"
#include "engine/features/verificationtext.h"
#include "forms/widgets/appsettings.h"
#include "forms/widgets/qtext.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

const QStringList kHeaders { QStringLiteral("Величина"), QStringLiteral("Расчет"), QStringLiteral("Пружина"),
    QStringLiteral("Предел"), QStringLiteral("Итог"), QStringLiteral("Примечание") };

QColor verdictColour(CheckVerdict verdict)
{
    switch (verdict) {
    case CheckVerdict::Failed:
        return QColor(0xff, 0xc7, 0xc7);
    case CheckVerdict::Remark:
        return QColor(0xff, 0xee, 0xb0);
    case CheckVerdict::Passed:
        return QColor(0xd4, 0xf0, 0xd4);
    case CheckVerdict::Info:
        break;
    }
    return {};
}

QTableWidgetItem* cell(const QString& text, Qt::Alignment align = Qt::AlignLeft | Qt::AlignVCenter)
{
    auto* item = new QTableWidgetItem(text);
    item->setTextAlignment(align);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    return item;
}

QString figure(const std::optional<double>& v)
{
    return v ? qs(chartNumber(*v)) : QString();
}

} // namespace

CheckTab::CheckTab(AppSettings* settings, QWidget* parent)
    : QWidget(parent)
    , settings_(settings)
    , seating_(new QComboBox(this))
    , table_(new QTableWidget(this))
    , verdict_(new QLabel(this))
{
    setObjectName(QStringLiteral("checkTab"));
    seating_->setObjectName(QStringLiteral("seating"));
    table_->setObjectName(QStringLiteral("checkTable"));
    verdict_->setObjectName(QStringLiteral("checkVerdict"));
    for (const SeatingCase& c : kSeatingCases)
        seating_->addItem(QStringLiteral("ν = %1: %2").arg(qs(numText(c.nu)), qs(c.caption)), c.nu);
    seating_->setCurrentIndex(seating_->findData(kDefaultSeating));
    seating_->setToolTip(
        QStringLiteral("Как опираются концы пружины: коэффициент ν проверки на устойчивость"));
    auto* top = new QHBoxLayout;
    top->addWidget(new QLabel(QStringLiteral("Опирание концов:"), this));
    top->addWidget(seating_, 1);
    table_->setColumnCount(static_cast<int>(kHeaders.size()));
    table_->setHorizontalHeaderLabels(kHeaders);
    table_->verticalHeader()->hide();
    table_->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setWordWrap(false);
    table_->horizontalHeader()->setStretchLastSection(true);
    verdict_->setWordWrap(true);
    verdict_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addLayout(top);
    layout->addWidget(table_, 1);
    layout->addWidget(verdict_);
    connect(seating_, &QComboBox::activated, this, [this] {
        if (settings_)
            settings_->setSeating(design_, seating_->currentData().toDouble());
        recheck();
    });
    fill();
}

void CheckTab::check(std::shared_ptr<const CalcResult> done, const QString& design)
{
    done_ = std::move(done);
    design_ = design;
    const double nu = settings_ ? settings_->seating(design).value_or(kDefaultSeating) : kDefaultSeating;
    const int index = seating_->findData(nu);
    seating_->setCurrentIndex(index >= 0 ? index : seating_->findData(kDefaultSeating));
    recheck();
}

void CheckTab::recheck()
{
    // With its steps: the report window's "Подробно" shows them after the
    // calculation's.
    v_ = verifySpring(*done_, FolderFiles(done_->inputs.dataDir), seating_->currentData().toDouble(), true);
    fill();
    emit checked();
}

void CheckTab::fill()
{
    table_->setRowCount(0);
    if (!v_.available) {
        verdict_->setText(qs(v_.refusal.empty() ? "Проверка появится после расчета" : v_.refusal));
        verdict_->setStyleSheet(QString());
        return;
    }
    table_->setRowCount(static_cast<int>(v_.rows.size()));
    const Qt::Alignment right = Qt::AlignRight | Qt::AlignVCenter;
    for (int k = 0; k < table_->rowCount(); ++k) {
        const CheckRow& row = v_.rows[static_cast<size_t>(k)];
        const std::string unit = *row.unit ? std::string(", ") + row.unit : std::string();
        table_->setItem(k, 0, cell(qs(checkRowCaption(v_, row) + unit)));
        table_->setItem(k, 1, cell(figure(row.method), right));
        table_->setItem(k, 2, cell(figure(row.made), right));
        table_->setItem(k, 3, cell(qs(checkRowLimit(row))));
        QTableWidgetItem* verdict = cell(qs(checkVerdictWords(row.verdict)));
        if (const QColor colour = verdictColour(row.verdict); colour.isValid())
            verdict->setBackground(colour);
        table_->setItem(k, 4, verdict);
        table_->setItem(k, 5, cell(qs(checkRowNote(v_, row))));
    }
    table_->resizeColumnsToContents();
    verdict_->setText(qs("Итог проверки: " + verificationVerdictText(v_)));
    verdict_->setStyleSheet(v_.passed ? QStringLiteral("color: #006000; font-weight: bold;")
                                      : QStringLiteral("color: #b00000; font-weight: bold;"));
}

QStringList CheckTab::lines() const
{
    return qsList(verificationLines(v_));
}
