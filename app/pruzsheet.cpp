// pruzsheet: pruzcalc's command line for the working drawing, linked with
// Qt so that it writes PDF and SVG as well as DXF. It needs no display: it
// draws offscreen unless told otherwise.
#include "cli/drawingoutput.h"
#include "cli/options.h"
#include "engine/common/errortext.h"
#include "engine/common/exitstatus.h"
#include "engine/features/sheetdxf.h"
#include "forms/print/sheetoutput.h"

#include <QGuiApplication>

#include <iostream>

namespace {

std::optional<std::string> anySheet(const SpringSheet& sheet, const std::string& extension)
{
    if (extension == "dxf")
        return sheetDxf(sheet.shapes);
    if (extension == "pdf")
        return sheetPdf(sheet.shapes).toStdString();
    if (extension == "svg")
        return sheetSvg(sheet.shapes).toStdString();
    return std::nullopt;
}

} // namespace

int main(int argc, char** argv)
{
    try {
        const ParsedArgs args = parseArgs(argc, argv);
        if (args.kind == ParsedArgs::Help || args.kind == ParsedArgs::Version) {
            std::cout << args.help;
            return Completed;
        }
        if (args.kind == ParsedArgs::WrongUsage || args.options.drawing.empty()) {
            std::cerr << "error: " << (args.problem.empty() ? "pruzsheet needs --drawing FILE" : args.problem)
                      << '\n';
            return Usage;
        }
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        QGuiApplication app(argc, argv);
        return writeDrawings(args.options, anySheet, "pruzsheet");
    } catch (...) {
        std::cerr << "error: " << errorText(std::current_exception()) << '\n';
        return Ended;
    }
}
