#pragma once
// Test helpers of the sketch and About windows.

#include "engine/method/calc.h"
#include "engine/method/inputform.h"
#include "forms/widgets/messages.h"

#include <QStringList>

#include <functional>

class QWidget;

namespace scetchtest {

// Records messages; questions are answered with OK (Don't save).
class RecordedMessages : public Messages {
public:
    void message(const QString& text) override { shown << text; }
    bool confirm(const QString&, const QString& text) override
    {
        shown << text;
        return true;
    }
    SaveAnswer askToSave(const QString& text) override
    {
        shown << text;
        return SaveAnswer::DontSave;
    }
    QStringList shown;
};

// Loads an example input file as the main window does, lets `edit` change
// the form and runs it as "Расчет" does with the shipped data, with the
// inputs of `r` to start from, into `r`. True when the calculation ran to
// its end.
bool calculateExample(CalcResult& r, const char* ridName, const std::function<void(InputForm&)>& edit = {});

// With PRUZ_SCREENSHOT_DIR set, saves the widget's picture there as
// <name>.png (for the documentation).
void saveScreenshot(QWidget& widget, const QString& name);

} // namespace scetchtest
