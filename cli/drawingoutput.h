#pragma once
// --drawing: the working drawing of each design written to a file instead
// of the report: for one FILE.rid the file named, for several a folder
// that gets one file per design (its input's base name, the same
// extension). pruzcalc itself has no windowing library and writes DXF;
// pruzsheet, the same command line linked with Qt, writes PDF and SVG too,
// and pruzcalc hands such a command line over to it.

#include "engine/features/springdrawing.h"

#include <functional>
#include <optional>
#include <string>

namespace CLI {
class App;
}
struct Options;

// The drawing's options: the file or folder and the title block's fields.
void addDrawingOptions(CLI::App& app, Options& o);

// The file's bytes for its extension ("dxf", "pdf", "svg"); nullopt for
// an extension this program cannot write.
using SheetWriter
    = std::function<std::optional<std::string>(const SpringSheet&, const std::string& extension)>;

// pruzcalc's: DXF only.
std::optional<std::string> dxfSheet(const SpringSheet& sheet, const std::string& extension);

// The drawings of o.inputs; the worst status of the designs, Failed for a
// design that gives no drawing (the reason goes to stderr), NoInput for a
// file that could not be written.
int writeDrawings(const Options& o, const SheetWriter& write, const char* program);

// The format the drawings are asked in: "dxf", "pdf", "svg" (or another
// extension, which is refused when written).
std::string drawingExtension(const Options& o);

// PDF and SVG are painted with Qt, which pruzcalc does not link: the same
// command line goes to pruzsheet beside this program. Returns only when
// that cannot be run, with the path it tried.
std::string handOverToSheetWriter(char** argv);
