#include "cli/drawingoutput.h"

#include "cli/options.h"
#include "engine/catalogue/catalogue.h"
#include "engine/catalogue/textfile.h"
#include "engine/features/design.h"
#include "engine/features/drawingspring.h"
#include "engine/features/sheetdxf.h"

#include <CLI/CLI.hpp>

#include <algorithm>
#include <filesystem>
#include <iostream>
#include <unistd.h>

namespace fs = std::filesystem;

void addDrawingOptions(CLI::App& app, Options& o)
{
    TitleFields& t = o.sheet.title;
    app.add_option("--drawing", o.drawing,
           "instead of the report, the working drawing of the spring (ГОСТ 2.401-68, title block of "
           "ГОСТ 2.104 form 1) as FILE.dxf, .pdf or .svg; for several files a folder that gets one per "
           "design, named as its input (PDF and SVG are drawn by pruzsheet, installed beside pruzcalc)")
        ->type_name("FILE");
    app.add_option("--drawing-type", o.drawingType,
           "the drawings' format when --drawing names a folder for several files: dxf (the default), pdf "
           "or svg")
        ->check(CLI::IsMember({ "dxf", "pdf", "svg" }).description(""))
        ->type_name("TYPE");
    app.add_flag_function(
        "--a3", [&o](int64_t) { o.sheet.format = SheetFormat::A3; },
        "the drawing on an A3 sheet (A4 otherwise)");
    struct Field {
        const char* name;
        std::string* text;
        const char* help;
    };
    const Field fields[]
        = { { "--designation", &t.designation, "the drawing's designation (graphs 2 and 26)" },
              { "--material-text", &t.material, "the material with its standard (graph 3)" },
              { "--designer", &t.designer, "who drew it (\"Разраб.\")" },
              { "--checker", &t.checker, "\"Пров.\"" }, { "--tech-control", &t.techControl, "\"Т.контр.\"" },
              { "--norm-control", &t.normControl, "\"Н.контр.\"" }, { "--approver", &t.approver, "\"Утв.\"" },
              { "--company", &t.company, "the company (graph 9)" },
              { "--requirement", &o.sheet.extraRequirement,
                  "the last technical requirement (hardness, coating, ...)" } };
    for (const Field& f : fields)
        app.add_option(f.name, *f.text, f.help)->type_name("TEXT");
}

std::optional<std::string> dxfSheet(const SpringSheet& sheet, const std::string& extension)
{
    if (extension != "dxf")
        return std::nullopt;
    return sheetDxf(sheet.shapes);
}

std::string drawingExtension(const Options& o)
{
    std::string extension = o.several ? o.drawingType : fs::path(o.drawing).extension().string();
    if (!o.several && !extension.empty())
        extension.erase(0, 1);
    std::transform(extension.begin(), extension.end(), extension.begin(),
        [](unsigned char c) { return std::tolower(c); });
    return extension;
}

std::string handOverToSheetWriter(char** argv)
{
    // Beside this program in the build tree; where installed, in the
    // helper programs' folder relative to it.
    std::error_code failed;
    const fs::path folder = fs::read_symlink("/proc/self/exe", failed).parent_path();
    if (failed)
        return "pruzsheet";
    const fs::path beside = folder / "pruzsheet";
    const fs::path installed = (folder / PRUZ_SHEET_WRITER_FROM_BIN / "pruzsheet").lexically_normal();
    for (const fs::path& writer : { beside, installed })
        if (::access(writer.c_str(), X_OK) == 0)
            ::execv(writer.c_str(), argv);
    return installed.string();
}

int writeDrawings(const Options& o, const SheetWriter& write, const char* program)
{
    const fs::path target = fs::path(o.drawing);
    const std::string extension = drawingExtension(o);
    std::error_code made;
    if (o.several)
        fs::create_directories(target, made);
    DesignRun run(o.design);
    int status = Completed;
    for (const std::string& file : designFiles(o.inputs)) {
        const DesignResult result = run.run(file);
        status = std::max(status, int(result.status));
        const DrawingSource source = drawingSpring(result, result.verification);
        if (!source.spring) {
            std::cerr << file << ": " << source.refusal << '\n';
            status = std::max(status, int(Failed));
            continue;
        }
        const std::optional<std::string> bytes = write(springSheet(*source.spring, o.sheet), extension);
        if (!bytes) {
            std::cerr << "error: " << program << " writes no ." << extension
                      << " drawing (.dxf, .pdf, .svg)\n";
            return Usage;
        }
        const fs::path out = o.several ? target / fs::path(file).stem().concat("." + extension) : target;
        if (bytes->empty() || !writeFileBytes(out.string(), *bytes)) {
            std::cerr << "error: " << writeErrorMessage(out.string()) << '\n';
            return NoInput;
        }
        std::cout << file << " -> " << out.string() << '\n';
    }
    return status;
}
