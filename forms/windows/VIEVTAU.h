#pragma once
// The torsion-stress viewer: "TAU1.DAT" or "TAU2.DAT" as the settings
// window's chosen material class says, one row per material class, the
// values of the spring groups I to IV.

#include "forms/windows/tableviewer.h"

#include <string>

class TForm6 : public TableViewer {
    Q_OBJECT
public:
    TForm6(const std::string& dataDir, const std::string& tableKind, Messages& messages,
        QWidget* parent = nullptr);

protected:
    TableGrid loadGrid() const override;

private:
    const std::string& dataDir_;
    const std::string& tableKind_; // "PREDVARIT" or "OKONCAT"
};
