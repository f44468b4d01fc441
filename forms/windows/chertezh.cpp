#include "forms/windows/chertezh.h"

#include "engine/catalogue/catalogue.h"
#include "engine/catalogue/textfile.h"
#include "engine/features/sheetdxf.h"
#include "forms/print/exportchooser.h"
#include "forms/print/printer.h"
#include "forms/print/sheetoutput.h"
#include "forms/widgets/appsettings.h"
#include "forms/widgets/filechooser.h"
#include "forms/widgets/glyphs.h"
#include "forms/widgets/messages.h"
#include "forms/widgets/qtext.h"
#include "forms/widgets/screencentre.h"
#include "forms/widgets/sheetpaint.h"
#include "forms/widgets/shortcuts.h"

#include <QComboBox>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QShowEvent>
#include <QStyle>
#include <QVBoxLayout>

// The sheet at the zoom chosen, or filling the view (zoom 0).
class SheetView : public QWidget {
public:
    explicit SheetView(QWidget* parent)
        : QWidget(parent)
    {
        setObjectName(QStringLiteral("sheetView"));
    }
    void show(const SheetShapes* sheet, double zoom, QSize room)
    {
        sheet_ = sheet;
        if (sheet_) {
            const double perMm = logicalDpiX() / 25.4;
            const double fit
                = std::min((room.width() - 8) / sheet_->width, (room.height() - 8) / sheet_->height);
            scale_ = zoom > 0 ? perMm * zoom : std::max(0.2, fit);
            setFixedSize(int(sheet_->width * scale_) + 8, int(sheet_->height * scale_) + 8);
        }
        update();
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.fillRect(rect(), palette().dark());
        if (!sheet_)
            return;
        painter.translate(4, 4);
        painter.scale(scale_, scale_);
        paintSheet(painter, *sheet_);
    }

private:
    const SheetShapes* sheet_ = nullptr;
    double scale_ = 1;
};

namespace {

const QSize kDefaultSize(900, 700);
const QSize kLeastSize(640, 480);

// The fields beside the sheet: the settings' key, the caption, and what
// the value is kept for.
enum class Kept { PerDesign, PerMaterial, ForAll };
struct FieldSpec {
    const char* key;
    const char* caption;
    Kept kept;
};
const FieldSpec kFields[] = {
    { "designation", "Обозначение", Kept::PerDesign },
    { "material", "Материал", Kept::PerMaterial },
    { "designer", "Разработал", Kept::ForAll },
    { "checker", "Проверил", Kept::PerDesign },
    { "techControl", "Т. контроль", Kept::PerDesign },
    { "normControl", "Н. контроль", Kept::PerDesign },
    { "approver", "Утвердил", Kept::PerDesign },
    { "company", "Организация", Kept::ForAll },
    { "requirement", "Требование", Kept::PerDesign },
};

const double kZooms[] = { 0, 0.5, 0.75, 1, 1.5, 2, 3 };

} // namespace

TForm14::TForm14(
    Source source, Messages& messages, AppSettings* settings, QWidget* opener, ExportChooser* files)
    : QWidget(opener, Qt::Window)
    , source_(std::move(source))
    , messages_(messages)
    , settings_(settings)
    , ownFiles_(files ? nullptr : std::make_unique<QtExportChooser>())
    , files_(files ? *files : *ownFiles_)
{
    setWindowTitle(QStringLiteral("Чертеж"));
    scroll_ = new QScrollArea(this);
    scroll_->setObjectName(QStringLiteral("sheetScroll"));
    scroll_->setAlignment(Qt::AlignCenter);
    scroll_->setBackgroundRole(QPalette::Dark);
    view_ = new SheetView(scroll_);
    scroll_->setWidget(view_);
    scroll_->viewport()->installEventFilter(this);
    refusal_ = new QLabel(this);
    refusal_->setObjectName(QStringLiteral("refusal"));
    refusal_->setAlignment(Qt::AlignCenter);
    refusal_->setWordWrap(true);
    refusal_->setMargin(24);

    fieldsPanel_ = new QWidget(this);
    auto* form = new QFormLayout(fieldsPanel_);
    form->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
    zoom_ = new QComboBox(fieldsPanel_);
    zoom_->setObjectName(QStringLiteral("zoom"));
    for (double z : kZooms)
        zoom_->addItem(z == 0 ? QStringLiteral("По размеру окна")
                              : QString::number(int(z * 100)) + QStringLiteral(" %"));
    form->addRow(QStringLiteral("Масштаб вида"), zoom_);
    format_ = new QComboBox(fieldsPanel_);
    format_->setObjectName(QStringLiteral("sheetFormat"));
    format_->addItems({ QStringLiteral("A4, книжный"), QStringLiteral("A3, альбомный") });
    form->addRow(QStringLiteral("Формат"), format_);
    for (const FieldSpec& f : kFields)
        fields_.emplace_back(QLatin1String(f.key), addField(f.key, QString::fromUtf8(f.caption)));
    fields_.back().second->setToolTip(
        QStringLiteral("Последний пункт технических требований: твердость, покрытие и прочее"));

    printButton_ = new QPushButton(QStringLiteral("Печать"), this);
    printButton_->setObjectName(QStringLiteral("printButton"));
    printButton_->setIcon(glyph("print"));
    exportButton_ = new QPushButton(QStringLiteral("Экспорт…"), this);
    exportButton_->setObjectName(QStringLiteral("exportButton"));
    exportButton_->setToolTip(QStringLiteral("Сохранить чертеж в PDF, SVG или DXF"));
    auto* close = new QPushButton(QStringLiteral("Закрыть"), this);
    close->setObjectName(QStringLiteral("BitBtn1")); // "Закрыть", as in every window
    close->setIcon(style()->standardIcon(QStyle::SP_DialogCloseButton));
    bindShortcut(printButton_, QKeySequence(Qt::CTRL | Qt::Key_P));
    closeOnEscape(this);

    auto* side = new QVBoxLayout;
    side->addWidget(fieldsPanel_);
    side->addStretch();
    auto* bar = new QHBoxLayout;
    bar->addWidget(printButton_);
    bar->addWidget(exportButton_);
    bar->addStretch();
    bar->addWidget(close);
    side->addLayout(bar);
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(scroll_, 1);
    layout->addWidget(refusal_, 1);
    layout->addLayout(side);
    fieldsPanel_->setFixedWidth(300);

    connect(zoom_, &QComboBox::currentIndexChanged, this, &TForm14::zoomChanged);
    connect(format_, &QComboBox::currentIndexChanged, this, &TForm14::rebuild);
    connect(printButton_, &QPushButton::clicked, this, &TForm14::printClick);
    connect(exportButton_, &QPushButton::clicked, this, &TForm14::exportClick);
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    if (opener)
        opener->installEventFilter(this);
    setMinimumSize(kLeastSize);
    resize(kDefaultSize);
    centreOnScreen(*this);
}

TForm14::~TForm14() = default;

QLineEdit* TForm14::addField(const char* name, const QString& caption)
{
    auto* edit = new QLineEdit(fieldsPanel_);
    edit->setObjectName(QLatin1String(name));
    static_cast<QFormLayout*>(fieldsPanel_->layout())->addRow(caption, edit);
    connect(edit, &QLineEdit::textEdited, this, &TForm14::fieldEdited);
    return edit;
}

QPushButton* TForm14::addButton(
    QWidget* parent, QWidget* opener, Source source, Messages& messages, AppSettings* settings)
{
    auto* button = new QPushButton(QStringLiteral("Чертеж…"), parent);
    button->setObjectName(QStringLiteral("drawingButton"));
    button->setToolTip(QStringLiteral("Рабочий чертеж пружины по ГОСТ 2.401-68 (Ctrl+D)"));
    bindShortcut(button, QKeySequence(Qt::CTRL | Qt::Key_D));
    connect(button, &QPushButton::clicked, opener,
        [=, &messages] { showFor(opener, source, messages, settings); });
    return button;
}

TForm14* TForm14::showFor(QWidget* opener, Source source, Messages& messages, AppSettings* settings)
{
    auto* window = opener->findChild<TForm14*>(QString(), Qt::FindDirectChildrenOnly);
    if (!window)
        window = new TForm14(std::move(source), messages, settings, opener);
    window->show();
    window->raise();
    window->activateWindow();
    return window;
}

QString TForm14::refusal() const
{
    return refusal_->text();
}

void TForm14::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (!event->spontaneous())
        refresh();
}

// The drawing goes with the window that opened it: "Расчет" hides that
// window before it replaces the results.
bool TForm14::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == parent() && event->type() == QEvent::Hide && !event->spontaneous())
        hide();
    if (watched == scroll_->viewport() && event->type() == QEvent::Resize && zoom_->currentIndex() == 0)
        zoomChanged();
    return QWidget::eventFilter(watched, event);
}

static QString scopeOf(Kept kept, const DrawingInput& input)
{
    return kept == Kept::PerDesign ? input.design : kept == Kept::PerMaterial ? input.material : QString();
}

void TForm14::refresh()
{
    input_ = source_();
    filling_ = true;
    for (size_t i = 0; i < fields_.size(); ++i) {
        QString value = settings_
            ? settings_->drawingField(fields_[i].first, scopeOf(kFields[i].kept, input_))
            : QString();
        if (fields_[i].first == QLatin1String("material") && input_.source.spring
            && !input_.source.spring->material.empty())
            value = qs(input_.source.spring->material);
        fields_[i].second->setText(value);
    }
    filling_ = false;
    rebuild();
}

void TForm14::fieldEdited()
{
    if (filling_)
        return;
    if (settings_) {
        for (size_t i = 0; i < fields_.size(); ++i)
            settings_->setDrawingField(
                fields_[i].first, scopeOf(kFields[i].kept, input_), fields_[i].second->text());
        settings_->save();
    }
    rebuild();
}

void TForm14::rebuild()
{
    const bool drawn = input_.source.spring.has_value();
    if (drawn) {
        SheetRequest request;
        request.format = format_->currentIndex() == 1 ? SheetFormat::A3 : SheetFormat::A4;
        auto text = [this](const char* key) {
            for (const auto& [name, edit] : fields_)
                if (name == QLatin1String(key))
                    return ss(edit->text().trimmed());
            return std::string();
        };
        TitleFields& t = request.title;
        t.designation = text("designation");
        t.material = text("material");
        t.designer = text("designer");
        t.checker = text("checker");
        t.techControl = text("techControl");
        t.normControl = text("normControl");
        t.approver = text("approver");
        t.company = text("company");
        request.extraRequirement = text("requirement");
        sheet_ = springSheet(*input_.source.spring, request);
    } else
        sheet_.reset();
    refusal_->setText(drawn ? QString() : qs(input_.source.refusal));
    refusal_->setVisible(!drawn);
    scroll_->setVisible(drawn);
    for (QWidget* w : std::initializer_list<QWidget*> { printButton_, exportButton_, fieldsPanel_ })
        w->setEnabled(drawn);
    zoomChanged();
}

void TForm14::zoomChanged()
{
    view_->show(sheet_ ? &sheet_->shapes : nullptr, kZooms[std::max(0, zoom_->currentIndex())],
        scroll_->viewport()->size());
}

void TForm14::printClick()
{
    if (!sheet_)
        return;
    if (!printer_)
        printer_ = makePrinter();
    // The page of the sheet's format every time, whatever the last
    // printout chose; a printer that cannot print to the edge keeps its
    // least margins and the sheet is shrunk into them.
    QPageLayout page = sheetPageLayout(sheet_->shapes);
    if (!printer_->setPageLayout(page)) {
        page.setMargins(QMarginsF(5, 5, 5, 5));
        printer_->setPageLayout(page);
    }
    if (!askPrinter(*printer_, this))
        return;
    if (!paintSheetPage(*printer_, sheet_->shapes))
        messages_.message(QStringLiteral("Ошибка печати"));
}

void TForm14::exportClick()
{
    if (!sheet_)
        return;
    const QString name = files_.saveAs(this, QStringLiteral("Экспорт чертежа"),
        QStringLiteral("Документ PDF (*.pdf);;Рисунок SVG (*.svg);;Чертеж DXF (*.dxf)"),
        QStringLiteral("pdf"));
    if (name.isEmpty() || !askReplace(messages_, name))
        return;
    const QString suffix = QFileInfo(name).suffix().toLower();
    const std::string bytes = suffix == QLatin1String("dxf") ? sheetDxf(sheet_->shapes)
        : suffix == QLatin1String("svg")                     ? sheetSvg(sheet_->shapes).toStdString()
                                                             : sheetPdf(sheet_->shapes).toStdString();
    if (bytes.empty() || !writeFileBytes(ss(name), bytes))
        messages_.message(qs(writeErrorMessage(ss(name))));
}
