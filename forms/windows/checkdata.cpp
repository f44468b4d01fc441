#include "forms/windows/checkdata.h"

#include "engine/catalogue/catalogue.h"
#include "engine/catalogue/catalogueedit.h"
#include "engine/common/numtext.h"
#include "engine/features/checkdata.h"
#include "forms/widgets/messages.h"
#include "forms/widgets/qtext.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

constexpr int kFatigueRows = 8; // wire diameters a table may hold here

std::string cellText(const QTableWidget& table, int row, int column)
{
    const QTableWidgetItem* item = table.item(row, column);
    return item ? item->text().trimmed().toStdString() : std::string();
}

} // namespace

CheckDataDialog::CheckDataDialog(
    const std::string& dataDir, const std::string& material, Messages& messages, QWidget* parent)
    : QDialog(parent, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
    , dataDir_(dataDir)
    , material_(material)
    , messages_(messages)
    , strength_(new QLineEdit(this))
    , peened_(new QCheckBox(QStringLiteral("дробеструйная обработка"), this))
    , fatigue_(new QTableWidget(kFatigueRows, 3, this))
{
    setObjectName(QStringLiteral("checkData"));
    setWindowTitle(QStringLiteral("Данные проверки: ") + qs(material));
    strength_->setObjectName(QStringLiteral("strength"));
    fatigue_->setObjectName(QStringLiteral("fatigue"));
    strength_->setToolTip(QStringLiteral("Наименьший предел прочности после термообработки; пусто — нет"));
    fatigue_->setHorizontalHeaderLabels(
        { QStringLiteral("d, мм"), QStringLiteral("τkO при τkU = 0"), QStringLiteral("τkOmax") });
    fatigue_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    fatigue_->verticalHeader()->hide();
    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("Предел прочности Rm, МПа:"), strength_);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(
        new QLabel(QStringLiteral("Выносливость при 10⁷ циклах, МПа (пусто — нет данных):"), this));
    layout->addWidget(peened_);
    layout->addWidget(fatigue_);
    layout->addWidget(buttons);
    load();
}

void CheckDataDialog::load()
{
    const auto rm = readMaterialLines(dataDir_, strengthFileName(material_));
    strength_->setText(rm.empty() ? QString() : qs(rm.front()));
    const auto table = parseFatigue(readMaterialLines(dataDir_, fatigueFileName(material_)));
    if (!table)
        return;
    peened_->setChecked(table->peened);
    for (size_t row = 0; row < table->lines.size() && row < kFatigueRows; ++row) {
        const FatigueLine& l = table->lines[row];
        int column = 0;
        for (double v : { l.d, l.tauO, l.tauMax })
            fatigue_->setItem(static_cast<int>(row), column++, new QTableWidgetItem(qs(numText(v))));
    }
}

void CheckDataDialog::accept()
{
    double value = 0;
    const std::string rm = strength_->text().trimmed().toStdString();
    if (!rm.empty() && (!tryStrToFloat(rm, value) || value <= 0)) {
        messages_.message(QStringLiteral("Предел прочности должен быть числом больше 0"));
        return;
    }
    std::vector<std::string> fatigue;
    for (int row = 0; row < kFatigueRows; ++row) {
        std::vector<std::string> cells;
        for (int column = 0; column < 3; ++column)
            cells.push_back(cellText(*fatigue_, row, column));
        if (cells[0].empty() && cells[1].empty() && cells[2].empty())
            continue;
        fatigue.insert(fatigue.end(), cells.begin(), cells.end());
    }
    if (!fatigue.empty()) {
        fatigue.insert(fatigue.begin(), peened_->isChecked() ? "1" : "0");
        if (!parseFatigue(fatigue)) {
            messages_.message(
                QStringLiteral("Строка выносливости: d, τkO и τkOmax — числа больше 0, τkOmax больше τkO"));
            return;
        }
    }
    const std::vector<std::string> rmLines = rm.empty() ? std::vector<std::string> {} : std::vector { rm };
    for (const auto& [file, lines] : { std::pair { strengthFileName(material_), rmLines },
             std::pair { fatigueFileName(material_), fatigue } })
        if (!writeMaterialLines(dataDir_, file, lines)) {
            messages_.message(qs(writeErrorMessage(file)));
            return;
        }
    QDialog::accept();
}
