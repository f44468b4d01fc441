#pragma once
// The torsion-stress viewer: "TAU1.DAT" or "TAU2.DAT" as `tauTableKind`
// says, one row per material class, the values of the spring groups I to IV.

#include "forms/tableviewer.h"

struct Peremenn;

class TForm6 : public TableViewer {
    Q_OBJECT
public:
    TForm6(const Peremenn& p, Messages& messages, QWidget* parent = nullptr);

protected:
    TableGrid loadGrid() const override;

private:
    const Peremenn& p_;
};
