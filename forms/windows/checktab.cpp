#include "forms/windows/checktab.h"

#include "engine/catalogue/datafiles.h"
#include "engine/common/numtext.h"
#include "engine/features/characteristic.h"
#include "engine/features/verificationtext.h"
#include "forms/widgets/appsettings.h"
#include "forms/widgets/qtext.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

enum Column { Caption, Method, Made, Order, Limit, Use, Verdict, Note };
const QStringList kHeaders { QStringLiteral("Величина"), QStringLiteral("Расчет"), QStringLiteral("Пружина"),
    QStringLiteral("К заказу"), QStringLiteral("Предел"), QStringLiteral("Исп."), QStringLiteral("Итог"),
    QStringLiteral("Примечание") };

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

// A figure cell tinted by the verdict of the row it belongs to.
QTableWidgetItem* judged(const std::optional<double>& v, CheckVerdict verdict)
{
    QTableWidgetItem* item = cell(figure(v), Qt::AlignRight | Qt::AlignVCenter);
    if (const QColor colour = verdictColour(verdict); colour.isValid() && verdict != CheckVerdict::Passed)
        item->setBackground(colour);
    return item;
}

QComboBox* combo(QWidget* parent, const char* name, const QString& tip)
{
    auto* box = new QComboBox(parent);
    box->setObjectName(QLatin1String(name));
    box->setToolTip(tip);
    box->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    return box;
}

} // namespace

CheckTab::CheckTab(AppSettings* settings, QWidget* parent)
    : QWidget(parent)
    , settings_(settings)
    , tolerance_(
          combo(this, "tolerance", QStringLiteral("По какому стандарту судить отклонения сил и длины L0")))
    , ends_(combo(this, "ends", QStringLiteral("Как обработаны концы пружины: длина Lc")))
    , seating_(combo(this, "seating",
          QStringLiteral("Как опираются концы пружины: коэффициент ν проверки на устойчивость")))
    , assumptions_(new QLabel(this))
    , table_(new QTableWidget(this))
    , verdict_(new QLabel(this))
    , orderVerdict_(new QLabel(this))
{
    setObjectName(QStringLiteral("checkTab"));
    table_->setObjectName(QStringLiteral("checkTable"));
    verdict_->setObjectName(QStringLiteral("checkVerdict"));
    orderVerdict_->setObjectName(QStringLiteral("orderVerdict"));
    assumptions_->setObjectName(QStringLiteral("assumptions"));
    for (ToleranceStandard standard : { ToleranceStandard::En15800, ToleranceStandard::Gost16118 })
        for (int grade = 1; grade <= kToleranceGrades; ++grade)
            tolerance_->addItem(qs(toleranceCaption(standard, grade)), qs(toleranceName(standard, grade)));
    for (EndType ends : { EndType::Ground, EndType::NotGround })
        ends_->addItem(qs(endTypeCaption(ends)), qs(endTypeName(ends)));
    for (const SeatingCase& c : kSeatingCases)
        seating_->addItem(QStringLiteral("ν = %1: %2").arg(qs(numText(c.nu)), qs(c.caption)), c.nu);
    auto* top = new QGridLayout;
    top->addWidget(new QLabel(QStringLiteral("Допуски:"), this), 0, 0);
    top->addWidget(tolerance_, 0, 1);
    top->addWidget(new QLabel(QStringLiteral("Концы:"), this), 0, 2);
    top->addWidget(ends_, 0, 3);
    top->addWidget(new QLabel(QStringLiteral("Опирание:"), this), 1, 0);
    top->addWidget(seating_, 1, 1, 1, 3);
    top->setColumnStretch(4, 1);
    table_->setColumnCount(static_cast<int>(kHeaders.size()));
    table_->setHorizontalHeaderLabels(kHeaders);
    table_->verticalHeader()->hide();
    table_->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 4);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setWordWrap(false);
    table_->horizontalHeader()->setStretchLastSection(true);
    assumptions_->setWordWrap(true);
    assumptions_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    for (QLabel* label : { verdict_, orderVerdict_ }) {
        label->setWordWrap(true);
        label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    }
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->setSpacing(3);
    layout->addLayout(top);
    layout->addWidget(assumptions_);
    layout->addWidget(table_, 1);
    layout->addWidget(verdict_);
    layout->addWidget(orderVerdict_);
    for (QComboBox* box : { tolerance_, ends_, seating_ })
        connect(box, &QComboBox::activated, this, &CheckTab::choose);
    showSettings();
    fill();
}

void CheckTab::showSettings()
{
    tolerance_->setCurrentIndex(
        tolerance_->findData(qs(toleranceName(settingsNow_.standard, settingsNow_.grade))));
    ends_->setCurrentIndex(ends_->findData(qs(endTypeName(settingsNow_.ends))));
    const int seat = seating_->findData(settingsNow_.nu);
    seating_->setCurrentIndex(seat >= 0 ? seat : seating_->findData(kDefaultSeating));
}

void CheckTab::choose()
{
    CheckSettings chosen = settingsNow_;
    chosen = withTolerance(chosen, tolerance_->currentData().toString().toStdString()).value_or(chosen);
    chosen = withEnds(chosen, ends_->currentData().toString().toStdString()).value_or(chosen);
    chosen.nu = seating_->currentData().toDouble();
    settingsNow_ = chosen;
    if (settings_)
        settings_->setCheckSettings(design_, chosen);
    recheck();
}

void CheckTab::check(std::shared_ptr<const CalcResult> done, const QString& design)
{
    done_ = std::move(done);
    design_ = design;
    settingsNow_ = settings_ ? settings_->checkSettings(design).value_or(CheckSettings {}) : CheckSettings {};
    showSettings();
    recheck();
}

void CheckTab::recheck()
{
    // With its steps: the report window's "Подробно" shows them after the
    // calculation's.
    v_ = verifySpring(*done_, FolderFiles(done_->inputs.dataDir), settingsNow_, true);
    fill();
    emit checked();
}

void CheckTab::fill()
{
    table_->setRowCount(0);
    orderVerdict_->clear();
    if (!v_.available) {
        assumptions_->clear();
        verdict_->setText(qs(v_.refusal.empty() ? "Проверка появится после расчета" : v_.refusal));
        verdict_->setStyleSheet(QString());
        return;
    }
    QStringList assumptions = qsList(assumptionLines(v_));
    assumptions.removeFirst();
    for (QString& line : assumptions)
        line = line.trimmed();
    assumptions_->setText(
        QStringLiteral("<b>Допущения:</b> ") + assumptions.join(QStringLiteral("; ")).toHtmlEscaped());
    table_->setRowCount(static_cast<int>(v_.rows.size()));
    const Qt::Alignment right = Qt::AlignRight | Qt::AlignVCenter;
    for (int k = 0; k < table_->rowCount(); ++k) {
        const CheckRow& row = v_.rows[static_cast<size_t>(k)];
        const std::string unit = *row.unit ? std::string(", ") + row.unit : std::string();
        table_->setItem(k, Caption, cell(qs(checkRowCaption(v_, row) + unit)));
        table_->setItem(k, Method, cell(figure(row.method), right));
        table_->setItem(k, Made, cell(figure(row.made), right));
        const CheckRow* order = v_.order ? v_.order->row(row.key) : nullptr;
        table_->setItem(k, Order, order ? judged(order->made, order->verdict) : cell(QString()));
        table_->setItem(k, Limit, cell(qs(row.limitText)));
        table_->setItem(k, Use, cell(qs(checkRowUtilisation(row)), right));
        QTableWidgetItem* verdict = cell(qs(checkVerdictWords(row.verdict)));
        if (const QColor colour = verdictColour(row.verdict); colour.isValid())
            verdict->setBackground(colour);
        table_->setItem(k, Verdict, verdict);
        table_->setItem(k, Note, cell(qs(row.note)));
    }
    table_->resizeColumnsToContents();
    table_->setColumnWidth(
        Caption, std::min(table_->columnWidth(Caption), fontMetrics().averageCharWidth() * 34));
    verdict_->setText(qs("Итог проверки: " + verificationVerdictText(v_)));
    verdict_->setStyleSheet(v_.passed ? QStringLiteral("color: #006000; font-weight: bold;")
                                      : QStringLiteral("color: #b00000; font-weight: bold;"));
    if (v_.order) {
        const OrderSpring& o = *v_.order;
        const std::string what = o.rows.empty()
            ? std::string()
            : "n′ = " + numText(o.spring.n) + ", L0′ = " + chartNumber(o.spring.L0) + " мм: ";
        orderVerdict_->setText(qs("К заказу: " + what + orderVerdictText(v_)));
        orderVerdict_->setStyleSheet(
            o.passed ? QStringLiteral("color: #006000;") : QStringLiteral("color: #b00000;"));
    }
}

QStringList CheckTab::lines() const
{
    return qsList(verificationLines(v_));
}

QSize CheckTab::tableShortfall() const
{
    const QHeaderView& columns = *table_->horizontalHeader();
    // The notes' column stretches to the edge but never below its texts.
    int width = columns.sectionSizeHint(Note);
    for (int r = 0; r < table_->rowCount(); ++r)
        width = std::max(width, table_->sizeHintForIndex(table_->model()->index(r, Note)).width() + 1);
    for (int c = 0; c < Note; ++c)
        width += table_->columnWidth(c);
    const int frame = 2 * table_->frameWidth();
    const QSize whole(
        width + frame, columns.sizeHint().height() + table_->verticalHeader()->length() + frame);
    return (whole - table_->size()).expandedTo(QSize(0, 0));
}
