#pragma once
// "Диаметры": the wire diameters of the material set by setMaterial. When
// the diameters of a listed material are edited the dialog loads its file
// on showing; while a material is being added it starts from the list it
// showed last. Adding a diameter re-sorts the whole list; OK
// writes the list to the material's diameter file and is the way out. Esc
// leaves without writing (for when the file cannot be written at all).

#include "forms/widgets/dialogrunner.h"

#include <QString>

#include <memory>
#include <string>
#include <vector>

class Messages;
class TForm11;
namespace Ui {
class TForm10;
}

// Why a material's last diameter stays.
inline const QString kOneDiameterAtLeast = QStringLiteral("должен быть хотя бы один диаметр");

// The question before a diameter is deleted from a list; true for OK.
bool confirmDiameterDeletion(Messages& messages, const QString& diameter);

class TForm10 : public QDialog {
    Q_OBJECT
public:
    // Reads and writes the diameter files of `dataDir`, which lives as long
    // as the dialog.
    TForm10(const std::string& dataDir, Messages& messages, TForm11& newDiameter, QWidget* parent = nullptr);
    ~TForm10() override;

    // The material whose diameters the next showing edits; `loadFile`: its
    // list is read from its file (a listed material), else the dialog keeps
    // the list it has (a material being added).
    void setMaterial(const std::string& material, bool loadFile);

    // How "Новый диаметр" is shown; tests replace it.
    DialogRunner runDialog = execDialog;

    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void plusClick();
    void minusClick();
    void okClick();
    void restoreCaption();
    std::vector<std::string> entries() const;
    void setEntries(const std::vector<std::string>& diameters);

    std::unique_ptr<Ui::TForm10> ui;
    const std::string dataDir_;
    Messages& messages_;
    std::string material_;
    bool loadFile_ = false;
    QString caption_; // before " для " and the material were added
    TForm11& newDiameter_;
    bool captionExtended_ = false;
};
