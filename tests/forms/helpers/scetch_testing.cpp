#include "scetch_testing.h"

#include "engine/catalogue/datafiles.h"
#include "engine/catalogue/textfile.h"
#include "engine/features/design.h"
#include "engine/method/quiethost.h"

#include <QDir>
#include <QPixmap>
#include <QWidget>

namespace scetchtest {

bool calculateExample(CalcResult& r, const char* ridName, const std::function<void(InputForm&)>& edit)
{
    auto rid = readTextLines(std::string(EXAMPLES_DIR) + ridName);
    auto materials = readDataLines(SHIPPED_DATA_DIR, "material.dat");
    if (!rid || !materials)
        return false;
    InputForm form = parseRid(*rid);
    int index = ridMaterialIndex(form, *materials);
    form.materialName = index >= 0 ? (*materials)[static_cast<size_t>(index)] : std::string();
    if (edit)
        edit(form);
    CalcInputs given = r.inputs;
    given.dataDir = SHIPPED_DATA_DIR;
    given.chosenD.reset();
    given.askAlways = false;
    QuietHost host; // the diameter question is cancelled
    r = runForm(form, given, host, FolderFiles(SHIPPED_DATA_DIR));
    return r.complete();
}

void saveScreenshot(QWidget& widget, const QString& name)
{
    const QString dir = qEnvironmentVariable("PRUZ_SCREENSHOT_DIR");
    if (dir.isEmpty())
        return;
    QDir().mkpath(dir);
    widget.grab().save(dir + QLatin1Char('/') + name + QStringLiteral(".png"));
}

} // namespace scetchtest
