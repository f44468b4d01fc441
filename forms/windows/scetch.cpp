#include "forms/windows/scetch.h"

#include "engine/method/calc.h"

#include "engine/catalogue/catalogue.h"
#include "engine/common/numtext.h"
#include "forms/print/pdfexport.h"
#include "forms/print/printer.h"
#include "forms/print/printjob.h"
#include "forms/print/sketchpage.h"
#include "forms/print/svgpicture.h"
#include "forms/widgets/filechooser.h"
#include "forms/widgets/messages.h"
#include "forms/widgets/qtext.h"
#include "forms/widgets/shortcuts.h"
#include "forms/widgets/sketchfields.h"
#include "forms/widgets/sketchresources.h"
#include "forms/widgets/stalemark.h"
#include "forms/windows/harakter.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPagedPaintDevice>
#include <QPdfWriter>
#include <QPushButton>
#include <QScreen>
#include <QShowEvent>
#include <QStyle>
#include <QToolButton>

namespace {

QFont fieldFont(const QFont& windowFont)
{
    // Figures in a fixed-pitch font line up from field to field.
    QFont font(QStringLiteral("Liberation Mono"));
    font.setStyleHint(QFont::Monospace);
    font.setFixedPitch(true);
    font.setPixelSize(windowFont.pixelSize() > 0 ? windowFont.pixelSize() : 11);
    return font;
}

QLineEdit* makeField(const SketchField& field, const QFont& font, QWidget* parent)
{
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QString::fromLatin1(field.name));
    edit->setGeometry(field.rect);
    edit->setReadOnly(true);
    edit->setFocusPolicy(Qt::NoFocus);
    edit->setFont(font);
    edit->setText(QStringLiteral("0"));
    return edit;
}

// The room a line edit leaves for its text: its frame and the margin Qt
// keeps on either side of the text.
int textRoom(const QLineEdit& edit)
{
    const int frame = edit.style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, &edit);
    const QMargins margins = edit.textMargins();
    constexpr int kLineEditMargin = 2; // QLineEdit's fixed horizontal margin
    return edit.width() - 2 * frame - 2 * kLineEditMargin - margins.left() - margins.right() - 1;
}

// The value with as many decimals as the field can show whole: a digit is
// never cut in half, the last one shown is rounded.
QString fittedValue(double value, const QString& full, const QLineEdit& edit)
{
    const QFontMetrics metrics(edit.font());
    const int room = textRoom(edit);
    if (metrics.horizontalAdvance(full) <= room)
        return full;
    for (int decimals = 14; decimals >= 0; --decimals) {
        QString text = QString::number(value, 'f', decimals);
        if (text.contains(QLatin1Char('.'))) {
            while (text.endsWith(QLatin1Char('0')))
                text.chop(1);
            if (text.endsWith(QLatin1Char('.')))
                text.chop(1);
        }
        text.replace(QLatin1Char('.'), QLatin1Char(','));
        if (metrics.horizontalAdvance(text) <= room)
            return text;
    }
    return full;
}

// A text the field's box cannot hold even without decimals widens the field
// to the right, within the window.
void widenToText(QLineEdit& edit, const QRect& box)
{
    edit.setGeometry(box);
    const int lack = QFontMetrics(edit.font()).horizontalAdvance(edit.text()) - textRoom(edit);
    if (lack > 0 && edit.parentWidget())
        edit.resize(qMin(box.width() + lack, edit.parentWidget()->width() - box.left()), box.height());
}

} // namespace

TForm2::TForm2(Messages& messages, QPagedPaintDevice& printer, FileChooser& files, QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
    , result_(std::make_shared<const CalcResult>())
    , messages_(messages)
    , printer_(printer)
    , files_(files)
{
    initSketchResources();
    setWindowTitle(QStringLiteral("Эскиз пружины"));
    setFixedSize(435, 416);

    auto* picture = new SvgPicture(QStringLiteral(":/sketch/sketch.svg"), this);
    picture->setObjectName(QStringLiteral("picture"));
    picture->setGeometry(rect());

    const QFont font = fieldFont(this->font());
    for (size_t k = 0; k < kSketchFields.size(); ++k)
        fields_[k] = makeField(kSketchFields[k], font, this);

    // The stress at F3 is labelled on an opaque patch of the drawing's paper
    // colour; the stress at F2 is labelled straight on the drawing.
    auto* tau3Label = new QLabel(QStringLiteral("Tau3*="), this);
    tau3Label->setObjectName(QStringLiteral("tau3Label"));
    tau3Label->move(26, 22);
    tau3Label->setAutoFillBackground(true);
    QPalette paper = tau3Label->palette();
    paper.setColor(QPalette::Window, Qt::white);
    tau3Label->setPalette(paper);
    tau3Label->adjustSize();
    auto* tau2Label = new QLabel(QStringLiteral("Tau2*="), this);
    tau2Label->setObjectName(QStringLiteral("tau2Label"));
    tau2Label->move(284, 42);
    tau2Label->adjustSize();

    pr = new QToolButton(this);
    pr->setObjectName(QStringLiteral("pr"));
    pr->setText(QStringLiteral("Печать"));
    pr->setIcon(QIcon(QStringLiteral(":/sketch/printer.svg")));
    pr->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    pr->setAutoRaise(true);
    pr->setFocusPolicy(Qt::NoFocus);
    pr->setGeometry(30, 386, 75, 25);
    pr->setEnabled(false);
    connect(pr, &QToolButton::clicked, this, &TForm2::prClick);
    bindShortcut(pr, QKeySequence(Qt::CTRL | Qt::Key_P));

    pdf = new QToolButton(this);
    pdf->setObjectName(QStringLiteral("pdf"));
    pdf->setText(QStringLiteral("PDF…"));
    pdf->setToolTip(QStringLiteral("Сохранить эскиз в PDF"));
    pdf->setAutoRaise(true);
    pdf->setFocusPolicy(Qt::NoFocus);
    pdf->setGeometry(110, 386, 60, 25);
    pdf->setEnabled(false);
    connect(pdf, &QToolButton::clicked, this, &TForm2::pdfClick);

    // The bottom row has no room left beside "Печать": the chart's button
    // sits on the blank band of the drawing above the spring.
    auto* chartButton = new QPushButton(QStringLiteral("Характеристика…"), this);
    chartButton->setObjectName(QStringLiteral("chartButton"));
    chartButton->setGeometry(175, 228, 110, 25);
    connect(chartButton, &QPushButton::clicked, this,
        [this] { setStale(TForm12::showFor(this, result_, messages_, printer_), isStale(this)); });

    // On the blank paper left of the force diagram, over no value.
    QLabel* stale = makeStaleLine(this, this);
    stale->setGeometry(6, 76, 150, 40);
    stale->setWordWrap(true);
    stale->setAutoFillBackground(true);
    QPalette redOnPaper = stale->palette();
    redOnPaper.setColor(QPalette::Window, Qt::white);
    stale->setPalette(redOnPaper);

    noResults_
        = new QLabel(QStringLiteral("Нет результатов расчета для эскиза.\nРасчет еще не выполнялся или "
                                    "остановился, не дойдя до конца. Выполните расчет (кнопка «Расчет» "
                                    "главного окна)."),
            this);
    noResults_->setObjectName(QStringLiteral("noResults"));
    noResults_->setGeometry(60, 258, 315, 64);
    noResults_->setWordWrap(true);
    noResults_->setAlignment(Qt::AlignCenter);
    noResults_->setFrameStyle(QFrame::Box);
    noResults_->setAutoFillBackground(true);
    noResults_->setPalette(paper);
    noResults_->hide();

    BitBtn1 = new QPushButton(QStringLiteral("Закрыть"), this);
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    BitBtn1->setGeometry(346, 386, 75, 25);
    connect(BitBtn1, &QPushButton::clicked, this, &TForm2::BitBtn1Click);
    closeOnEscape(this);

    if (QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

void TForm2::setResult(std::shared_ptr<const CalcResult> result, const ReportHeader& header)
{
    result_ = std::move(result);
    header_ = header;
    if (isVisible())
        fillFields();
    TForm12::refreshFor(this, result_);
}

void TForm2::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    // Restoring a minimised window is no new showing.
    if (event->spontaneous())
        return;
    fillFields();
}

void TForm2::fillFields()
{
    const bool results = result_->complete();
    pr->setEnabled(results);
    pdf->setEnabled(results);
    noResults_->setVisible(!results);
    for (size_t k = 0; k < kSketchFields.size(); ++k) {
        const double value = results ? kSketchFields[k].value(result_->values) : 0;
        const bool noPitch = results && kSketchFields[k].value == pitchOf && !isPitch(value);
        const QString text = !results ? QString() : noPitch ? QStringLiteral("не шаг") : qs(numText(value));
        // A value longer than its field shows as many decimals as fit whole,
        // and all of them when the mouse rests on it.
        fields_[k]->setText(results && !noPitch ? fittedValue(value, text, *fields_[k]) : text);
        widenToText(*fields_[k], kSketchFields[k].rect);
        fields_[k]->setCursorPosition(0);
        fields_[k]->setToolTip(noPitch ? qs(kNoPitch) : text);
    }
}

bool TForm2::paintPage(QPagedPaintDevice& device)
{
    return paintSketchPage(device, result_->values, header_);
}

// The sketch's PDF is named after the input file with this tail.
const QString kPdfTail = QStringLiteral("-эскиз");

void TForm2::prClick()
{
    if (!result_->complete())
        return;
    // Straight to a real printer; a file or no printer at all goes through
    // the dialog, where a printer or a file (asked before it is replaced)
    // can be chosen.
    const auto paint = [this](QPagedPaintDevice& printer) { return paintPage(printer); };
    if (printOnce(
            printer_, QPageLayout::Portrait, this, false, paint, pdfNameFor(qs(header_.inputFile), kPdfTail))
        == PrintOutcome::Failed)
        messages_.message(QStringLiteral("Ошибка печати"));
}

void TForm2::pdfClick()
{
    if (!result_->complete())
        return;
    const QString name = askPdfFile(files_, this, qs(header_.inputFile), kPdfTail);
    if (name.isEmpty() || !askReplace(messages_, name))
        return;
    setUpPrinterPage(printer_, QPageLayout::Portrait);
    if (!writePdf(name, printer_, [this](QPdfWriter& writer) { return paintPage(writer); }))
        messages_.message(qs(writeErrorMessage(ss(name))));
}

void TForm2::BitBtn1Click()
{
    close();
}
