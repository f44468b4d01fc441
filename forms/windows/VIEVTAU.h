#pragma once
// The torsion-stress viewer: "TAU1.DAT" or "TAU2.DAT" as the settings
// window's chosen material class says, one row per material class, the
// values of the spring groups I to IV.

#include "forms/windows/tableviewer.h"

#include <functional>
#include <string>

class TForm6 : public TableViewer {
    Q_OBJECT
public:
    // `tableKind` asks the settings window for the table its chosen class
    // uses: "PREDVARIT" or "OKONCAT".
    TForm6(const std::string& dataDir, std::function<std::string()> tableKind, Messages& messages,
        QWidget* parent = nullptr);

protected:
    TableGrid loadGrid() const override;

private:
    const std::string dataDir_;
    std::function<std::string()> tableKind_;
};
