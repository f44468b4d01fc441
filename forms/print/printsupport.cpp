#include "forms/print/printsupport.h"
#include "forms/widgets/appstyle.h"

#include <QCoreApplication>
#include <QLibrary>
#include <QMessageBox>
#include <QPdfWriter>
#include <cstdio>
#include <vector>

namespace {

class NoDrawing : public SvgDrawing {
public:
    void render(QPainter&, const QRectF&) override { }
};

// What a program whose module is missing can still do: set up pages and
// write PDFs (Qt Gui's own), and say why it cannot print.
class Unavailable : public PrintSupport {
public:
    explicit Unavailable(QString why)
        : why_(std::move(why))
    {
    }
    std::unique_ptr<QPagedPaintDevice> makePrinter() override
    {
        return std::make_unique<QPdfWriter>(QString());
    }
    bool askPrinter(QPagedPaintDevice&, QWidget* parent) override
    {
        QMessageBox::warning(parent, programName(), QStringLiteral("Печать недоступна: ") + why_);
        return false;
    }
    void setUpPage(QPagedPaintDevice& page, QPageLayout::Orientation orientation) override
    {
        page.setPageLayout(QPageLayout(
            QPageSize(QPageSize::A4), orientation, QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter));
    }
    std::unique_ptr<QPagedPaintDevice> printerFor(const QPagedPaintDevice&) override { return makePrinter(); }
    bool isRealPrinter(const QPagedPaintDevice&) const override { return false; }
    int resolution(const QPagedPaintDevice& page) const override
    {
        const auto* pdf = dynamic_cast<const QPdfWriter*>(&page);
        return pdf ? pdf->resolution() : page.logicalDpiX();
    }
    std::unique_ptr<SvgDrawing> readSvg(const QString&) override { return std::make_unique<NoDrawing>(); }
    QByteArray makeSvg(const QSize&, const QString&, const std::function<void(QPainter&)>&) override
    {
        return {};
    }

private:
    QString why_;
};

} // namespace

PrintSupport& loadPrintSupport(const QString& path)
{
    QLibrary module(path);
    using Entry = PrintSupport* (*)();
    if (const auto entry = reinterpret_cast<Entry>(module.resolve(PRUZ_PRINT_SUPPORT_ENTRY)))
        return *entry();
    const QString why = module.errorString();
    std::fprintf(stderr, "pruz: %s\n", qPrintable(why));
    // One for each failed load: a program loads its module once.
    static std::vector<std::unique_ptr<Unavailable>> failed;
    failed.push_back(std::make_unique<Unavailable>(why));
    return *failed.back();
}

PrintSupport& printSupport()
{
    // Where the build puts the module, relative to the program's folder as
    // the installed program has it.
    static PrintSupport& loaded
        = loadPrintSupport(QCoreApplication::applicationDirPath() + QStringLiteral("/" PRUZ_PRINT_MODULE));
    return loaded;
}
