#include "scetch_testing.h"

#include "engine/calc.h"
#include "engine/quiethost.h"
#include "engine/textfile.h"

#include <QDir>
#include <QPixmap>
#include <QWidget>

namespace scetchtest {

bool calculateExample(Peremenn& p, const char* ridName, const std::function<void(InputForm&)>& edit)
{
    auto rid = readTextLines(std::string(EXAMPLES_DIR) + ridName);
    auto materials = readDataLines(SHIPPED_DATA_DIR, "material.dat");
    if (!rid || !materials)
        return false;
    p.dataDir = SHIPPED_DATA_DIR;
    InputForm form = parseRid(*rid);
    int index = ridMaterialIndex(form, *materials);
    form.materialName = index >= 0 ? (*materials)[static_cast<size_t>(index)] : std::string();
    if (edit)
        edit(form);
    p.mode = form.mode;
    if (applyCalcInputs(p, form) == InputOutcome::Stopped)
        return false;
    p.userChoice = false;
    QuietHost host; // the diameter question is cancelled
    return runCalculation(p, host);
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
