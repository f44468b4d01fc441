#include "forms/windows/harakter.h"

#include "engine/catalogue/catalogue.h"
#include "engine/catalogue/textfile.h"
#include "engine/method/calc.h"
#include "forms/print/chartoutput.h"
#include "forms/print/exportchooser.h"
#include "forms/print/printjob.h"
#include "forms/widgets/chartpaint.h"
#include "forms/widgets/filechooser.h"
#include "forms/widgets/glyphs.h"
#include "forms/widgets/messages.h"
#include "forms/widgets/qtext.h"
#include "forms/widgets/screencentre.h"
#include "forms/widgets/stalemark.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPushButton>
#include <QShowEvent>
#include <QStyle>
#include <QVBoxLayout>

namespace {

const QSize kDefaultSize(820, 600);
const QSize kLeastSize(600, 460);
const QSize kSvgSize(960, 640);

class ChartView : public QWidget {
public:
    ChartView(const Characteristic& chart, QWidget* parent)
        : QWidget(parent)
        , chart_(chart)
    {
        setObjectName(QStringLiteral("chartView"));
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        paintCharacteristic(painter, QSizeF(size()), chart_);
    }

private:
    const Characteristic& chart_;
};

QPushButton* barButton(const QString& text, const char* name, QWidget* parent)
{
    auto* button = new QPushButton(text, parent);
    button->setObjectName(QLatin1String(name));
    button->setMinimumWidth(75);
    return button;
}

} // namespace

TForm12::TForm12(std::shared_ptr<const CalcResult> result, Messages& messages, QPagedPaintDevice& printer,
    QWidget* opener, ExportChooser* files)
    : QWidget(opener, Qt::Window)
    , result_(std::move(result))
    , messages_(messages)
    , printer_(printer)
    , ownFiles_(files ? nullptr : std::make_unique<QtExportChooser>())
    , files_(files ? *files : *ownFiles_)
{
    setWindowTitle(QStringLiteral("Характеристика пружины"));
    view_ = new ChartView(chart_, this);
    refusal_ = new QLabel(this);
    refusal_->setObjectName(QStringLiteral("refusal"));
    refusal_->setAlignment(Qt::AlignCenter);
    refusal_->setWordWrap(true);
    refusal_->setMargin(24);
    QFont larger = refusal_->font();
    larger.setPixelSize(14);
    refusal_->setFont(larger);

    BitBtn2 = barButton(QStringLiteral("Печать"), "BitBtn2", this);
    BitBtn2->setIcon(glyph("print"));
    pdfButton = barButton(QStringLiteral("PDF…"), "pdfButton", this);
    pdfButton->setToolTip(QStringLiteral("Сохранить характеристику в файл PDF"));
    svgButton = barButton(QStringLiteral("SVG…"), "svgButton", this);
    svgButton->setToolTip(QStringLiteral("Сохранить характеристику как рисунок SVG"));
    BitBtn1 = barButton(QStringLiteral("Закрыть"), "BitBtn1", this);
    BitBtn1->setIcon(style()->standardIcon(QStyle::SP_DialogCloseButton));

    auto* bar = new QHBoxLayout;
    bar->setContentsMargins(12, 8, 12, 8);
    bar->setSpacing(6);
    for (QPushButton* button : { BitBtn2, pdfButton, svgButton })
        bar->addWidget(button);
    bar->addSpacing(12);
    bar->addWidget(makeStaleLine(this, this));
    bar->addStretch();
    bar->addWidget(BitBtn1);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(view_, 1);
    layout->addWidget(refusal_, 1);
    layout->addLayout(bar);

    connect(BitBtn2, &QPushButton::clicked, this, &TForm12::BitBtn2Click);
    connect(pdfButton, &QPushButton::clicked, this, &TForm12::pdfClick);
    connect(svgButton, &QPushButton::clicked, this, &TForm12::svgClick);
    connect(BitBtn1, &QPushButton::clicked, this, &QWidget::close);

    if (opener)
        opener->installEventFilter(this);
    setMinimumSize(kLeastSize);
    resize(kDefaultSize);
    centreOnScreen(*this);
    refresh();
}

TForm12::~TForm12() = default;

TForm12* TForm12::showFor(
    QWidget* opener, std::shared_ptr<const CalcResult> result, Messages& messages, QPagedPaintDevice& printer)
{
    auto* window = opener->findChild<TForm12*>(QString(), Qt::FindDirectChildrenOnly);
    if (!window)
        window = new TForm12(result, messages, printer, opener);
    window->setResult(std::move(result));
    window->show();
    window->raise();
    window->activateWindow();
    return window;
}

void TForm12::refreshFor(QWidget* opener, std::shared_ptr<const CalcResult> result)
{
    auto* window = opener->findChild<TForm12*>(QString(), Qt::FindDirectChildrenOnly);
    if (!window)
        return;
    window->setResult(std::move(result));
    if (window->isVisible())
        window->refresh();
}

void TForm12::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    // Restoring a minimised window is no new showing.
    if (!event->spontaneous())
        refresh();
}

void TForm12::refresh()
{
    chart_ = characteristic(*result_);
    const bool drawn = chart_.refusal.empty();
    refusal_->setText(qs(chart_.refusal));
    refusal_->setVisible(!drawn);
    view_->setVisible(drawn);
    for (QPushButton* button : { BitBtn2, pdfButton, svgButton })
        button->setEnabled(drawn);
    layout()->activate(); // the view takes its room before it is first painted
    view_->update();
}

void TForm12::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier)
        close();
    else
        QWidget::keyPressEvent(event);
}

// The chart goes with the window that opened it: "Расчет" hides that
// window before it replaces the results.
bool TForm12::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == parent() && event->type() == QEvent::Hide && !event->spontaneous())
        hide();
    return QWidget::eventFilter(watched, event);
}

void TForm12::BitBtn2Click()
{
    if (!chart_.refusal.empty())
        return;
    const auto paint = [this](QPagedPaintDevice& printer) { return paintChartPage(printer, chart_); };
    // Landscape, as its PDF.
    if (printOnce(printer_, QPageLayout::Landscape, this, true, paint) == PrintOutcome::Failed)
        messages_.message(QStringLiteral("Ошибка печати"));
}

void TForm12::pdfClick()
{
    save(QStringLiteral("Сохранить характеристику в PDF"), QStringLiteral("Документ PDF (*.pdf)"),
        QStringLiteral("pdf"), [this] { return chartPdf(chart_); });
}

void TForm12::svgClick()
{
    save(QStringLiteral("Сохранить характеристику как рисунок SVG"), QStringLiteral("Рисунок SVG (*.svg)"),
        QStringLiteral("svg"), [this] { return chartSvg(chart_, kSvgSize); });
}

void TForm12::save(const QString& caption, const QString& filter, const QString& suffix,
    const std::function<QByteArray()>& make)
{
    if (!chart_.refusal.empty())
        return;
    const QString name = files_.saveAs(this, caption, filter, suffix);
    if (name.isEmpty())
        return;
    if (!askReplace(messages_, name))
        return;
    const QByteArray bytes = make();
    if (bytes.isEmpty() || !writeFileBytes(ss(name), bytes.toStdString()))
        messages_.message(qs(writeErrorMessage(ss(name))));
}
