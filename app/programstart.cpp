#include "app/programstart.h"

#include "engine/catalogue/cataloguesync.h"
#include "engine/catalogue/datafolder.h"
#include "engine/catalogue/textlines.h"
#include "forms/widgets/appstyle.h"
#include "forms/widgets/glyphs.h"
#include "forms/widgets/messages.h"
#include "forms/widgets/qtext.h"
#include "forms/widgets/qttranslations.h"
#include "forms/widgets/screenfit.h"
#include "forms/widgets/sketchresources.h"
#include "forms/windows/pruzform.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QFile>
#include <QFileInfo>

#include <cstdio>
#include <cstdlib>

namespace {

const QString kDataOption = QStringLiteral("data");
const QString kListOption = QStringLiteral("list-materials");

void defineOptions(QCommandLineParser& parser)
{
    parser.setApplicationDescription(
        QStringLiteral("The calculator of helical compression springs after ОСТ 5.9539-80 (Russian\n"
                       "interface); pruzcalc prints the same report without windows.\n\n")
        + qs(catalogueHelp(processCataloguePlaces(std::nullopt))).trimmed());
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addOption(QCommandLineOption(kDataOption,
        QStringLiteral("Catalogue folder to use instead of the user's catalogue."), QStringLiteral("DIR")));
    parser.addPositionalArgument(QStringLiteral("FILE"),
        QStringLiteral("Input data file (.rid) to load at start, as \"Загрузить\" does."),
        QStringLiteral("[FILE]"));
    QCommandLineOption list(kListOption, QStringLiteral("Print the material list after start-up and quit."));
    list.setFlags(QCommandLineOption::HiddenFromHelp);
    parser.addOption(list);
}

void setIdentity()
{
    QCoreApplication::setApplicationName(QStringLiteral("pruz"));
    QCoreApplication::setApplicationVersion(QStringLiteral(PRUZ_VERSION));
}

} // namespace

std::optional<int> answerInfoOptions(int argc, char** argv)
{
    const QStringList info { "-h", "--help", "-?", "--help-all", "-v", "--version" };
    bool asked = false;
    for (int k = 1; k < argc; ++k)
        asked = asked || info.contains(QString::fromLocal8Bit(argv[k]));
    if (!asked)
        return std::nullopt;
    QCoreApplication core(argc, argv);
    setIdentity();
    QCommandLineParser parser;
    defineOptions(parser);
    parser.process(core); // prints the answer and ends the program
    return 0;
}

std::optional<int> refuseWithoutDisplay()
{
    const char* platform = std::getenv("QT_QPA_PLATFORM");
    const std::string wanted = platform ? platform : "";
    const bool needsDisplay = wanted.empty() || wanted.starts_with("xcb") || wanted.starts_with("wayland");
    auto set = [](const char* name) { return std::getenv(name) && *std::getenv(name); };
    if (!needsDisplay || set("DISPLAY") || set("WAYLAND_DISPLAY"))
        return std::nullopt;
    std::fputs("pruz: нет дисплея. Программе нужен дисплей (DISPLAY или WAYLAND_DISPLAY); "
               "расчет без окон: pruzcalc ФАЙЛ.rid\n",
        stderr);
    return 1;
}

std::optional<QString> startFileProblem(const QString& file)
{
    const QFileInfo info(file);
    if (!info.exists())
        return QStringLiteral("Файл %1 не найден").arg(file);
    if (info.isDir())
        return QStringLiteral("%1 — папка, а не файл исходных данных").arg(file);
    if (!QFile(file).open(QIODevice::ReadOnly))
        return QStringLiteral("Файл %1 не открывается для чтения: нет прав на чтение").arg(file);
    return std::nullopt;
}

StartOptions readStartOptions(const QApplication& app)
{
    QCommandLineParser parser;
    defineOptions(parser);
    parser.process(app);
    StartOptions options;
    if (parser.isSet(kDataOption))
        options.dataDir = ss(parser.value(kDataOption));
    options.listMaterials = parser.isSet(kListOption);
    const QStringList files = parser.positionalArguments();
    if (files.size() > 1) {
        std::fprintf(stderr, "pruz: one FILE at most; given %lld\n", static_cast<long long>(files.size()));
        std::exit(1); // as the parser ends on a wrong option
    }
    if (!files.isEmpty())
        options.file = files.front();
    return options;
}

void prepareApplication(QApplication& app)
{
    applyAppStyle(app);
    setIdentity();
    QGuiApplication::setDesktopFileName(QStringLiteral(PRUZ_APP_ID));
    initSketchResources();
    QApplication::setWindowIcon(programIcon());
    installQtTranslations(app);
    app.installEventFilter(new KeepOnScreen(&app));
}

std::optional<std::string> openProgramCatalogue(const std::optional<std::string>& dataDir, Messages& messages)
{
    const Catalogue catalogue = openCatalogue(processCataloguePlaces(dataDir));
    if (!catalogue.dir.empty()) {
        if (catalogue.update.any()) {
            const std::string report = updateReport(catalogue.update, catalogue.dir, catalogue.upstream);
            std::fputs(report.c_str(), stderr);
            // With files replaced, the offer once the main window shows says it (the
            // previous copy's note); else this is the one time it is said.
            if (!catalogue.update.touched())
                messages.message(qs(report).trimmed());
        }
        return catalogue.dir;
    }
    std::fprintf(stderr, "%s\n", catalogue.failure.c_str());
    messages.message(qs(catalogue.failure));
    return std::nullopt;
}

void printMaterialList(const TForm1& form)
{
    const TextLines& list = form.materialList();
    for (size_t at = 0; at < list.end();) {
        const std::string_view name = list.next(at);
        std::fwrite(name.data(), 1, name.size(), stdout);
        std::fputc('\n', stdout);
    }
    std::fflush(stdout);
}
