#pragma once
// The tensile-strength viewer: the six blocks of "SIGMAB.DAT" side by side,
// by the wire diameters of "SIGMDIAM.DAT".

#include "forms/tableviewer.h"

struct Peremenn;

class TForm7 : public TableViewer {
    Q_OBJECT
public:
    TForm7(const Peremenn& p, Messages& messages, QWidget* parent = nullptr);

protected:
    TableGrid loadGrid() const override;

private:
    const Peremenn& p_;
};
