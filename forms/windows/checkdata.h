#pragma once
// "Данные проверки": a material's own tensile strength Rm and its fatigue
// table, the catalogue data the check of the made spring reads and the
// method never does (engine/features/checkdata.h). Opened from the
// materials tab of "Настройка"; "OK" writes both files whole, and empty
// fields remove them, so the material has none again.

#include <QDialog>

#include <string>

class Messages;
class QCheckBox;
class QLineEdit;
class QTableWidget;

class CheckDataDialog : public QDialog {
    Q_OBJECT
public:
    CheckDataDialog(const std::string& dataDir, const std::string& material, Messages& messages,
        QWidget* parent = nullptr);

    void accept() override;

private:
    void load();

    std::string dataDir_;
    std::string material_;
    Messages& messages_;
    QLineEdit* strength_;
    QCheckBox* peened_;
    QTableWidget* fatigue_;
};
