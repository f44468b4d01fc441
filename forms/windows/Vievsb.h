#pragma once
// The tensile-strength viewer: the six blocks of "SIGMAB.DAT" side by side,
// by the wire diameters of "SIGMDIAM.DAT".

#include "forms/windows/tableviewer.h"

#include <string>

class TForm7 : public TableViewer {
    Q_OBJECT
public:
    TForm7(const std::string& dataDir, Messages& messages, QWidget* parent = nullptr);

protected:
    TableGrid loadGrid() const override;

private:
    const std::string dataDir_;
};
