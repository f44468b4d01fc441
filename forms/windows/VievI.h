#pragma once
// The k3 viewer: each line of "k3.dat" beside its spring index 3, 3,1, ...

#include "forms/windows/tableviewer.h"

#include <string>

class TForm5 : public TableViewer {
    Q_OBJECT
public:
    TForm5(const std::string& dataDir, Messages& messages, QWidget* parent = nullptr);

protected:
    TableGrid loadGrid() const override;

private:
    const std::string dataDir_;
};
