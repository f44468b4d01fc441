#pragma once
// The settings window "Настройки", where the user keeps the material
// catalogue. Tab "Материалы" lists the materials and the diameters of the
// selected one, and adds (TForm9, then TForm10), deletes and edits the
// diameters (TForm10) of a material; its "Описание" box keeps a free text
// per material, written to the catalogue when the box is left, another
// material is selected or the window closes. Tab "Мех. свойства" edits a material's
// properties file, finishes an addition, and opens the three table viewers.
//
// The window is clean ("Закрыть" enabled) or pending ("Применить" of the
// properties tab enabled, "Закрыть" disabled); settingsState says whether a
// material is being added (1) or had its diameters edited (2). Every file
// is rewritten whole through the engine's atomic writer.
//
// While it is open the window holds the catalogue lock of the data folder.
// When another program holds it, the window opens read-only: the lists,
// properties and viewers can be looked at, nothing that writes is enabled.
// An addition that cannot be completed is taken back whole, and
// "material.dat" is never rewritten over a change made under the window.
//
// The catalogue as it was when the window was opened is kept in memory:
// "Проверить расчёты…" (read-only too) works the saved designs of a folder
// through with it and with the catalogue as it is now, and lists those
// whose results differ (DesignCheckWindow).

#include "engine/catalogue/catalogueedit.h"
#include "engine/catalogue/memoryfiles.h"
#include "forms/widgets/cataloguelock.h"
#include "forms/widgets/dialogrunner.h"

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class DesignCheckWindow;
class FileChooser;
class Messages;
class TForm5;
class TForm6;
class TForm7;
class TForm9;
class TForm10;
class QButtonGroup;
class QListWidget;
class QPushButton;
namespace Ui {
class TForm4;
}

// Whether the folder `dir` may be written by this user.
bool isWritableFolder(const std::string& dir);

class TForm4 : public QDialog {
    Q_OBJECT
public:
    // What the window is doing: looking, adding a material (until its
    // properties are applied), or having edited a material's diameters.
    enum class SettingsState { Browsing, Adding, DiametersEdited };

    // Keeps the catalogue of `dataDir`, which lives as long as the window.
    // "Проверить расчёты…" asks for the folder of saved designs in `files`.
    TForm4(const std::string& dataDir, Messages& messages, TForm9& newMat, TForm10& diameters,
        FileChooser& files, QWidget* parent = nullptr);
    ~TForm4() override;

    // How the modal dialogs are shown; tests replace it.
    DialogRunner runDialog = execDialog;
    // Whether the user may write in the catalogue's folder (a site
    // catalogue given with --data may be read-only); tests replace it.
    std::function<bool(const std::string&)> folderWritable = isWritableFolder;

    // Esc closes the window only while it is clean.
    void reject() override;

    SettingsState settingsState() const { return state_; }
    // The material being added, or whose diameters were edited last.
    const std::string& editMaterial() const { return editMaterial_; }
    // The torsion-stress table the viewer shows, after the material class
    // picked last: "PREDVARIT" ("tau1.dat") or "OKONCAT" ("tau2.dat").
    const std::string& tauTableKind() const { return tauTableKind_; }

    // True while another program holds the catalogue lock, or the folder
    // cannot be written.
    bool readOnly() const { return readOnly_; }

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Tab "Материалы" (setup.cpp)
    void tabChanged(int index);
    void materialsTabShown();
    void materialSelected();
    void selectMaterial(int row);
    void selectFirstMaterial();
    // Refills a material list from "material.dat" (non-empty lines), without
    // running its selection handler; nullopt, after the message, when the
    // file cannot be read.
    std::optional<std::vector<std::string>> reloadMaterialList(QListWidget& list);
    bool loadDiameters(const std::string& material);
    void loadDescription(const std::string& material);
    void saveDescription();
    void addClick();
    void abandonAddition();
    void takeBackAddition();
    // Runs a rewrite of "material.dat" (rewriteMaterialNames, deleteMaterial);
    // when it is not Done, the user has been told why.
    ListRewrite rewriteMaterialList(const std::function<ListRewrite()>& rewrite);
    void setReadOnly(bool readOnly);
    bool haveMaterialToActOn(const QString& whenEmpty);
    void deleteClick();
    // Delete in the diameter list: the selected diameter leaves the
    // material's file, after the question "Диаметры" asks.
    void deleteDiameter();
    void editClick();
    void closeClick();
    void setPending(bool pending);
    bool pending() const;

    // Tab "Мех. свойства" (setupprops.cpp)
    void propertiesTabShown();
    void entrySelected();
    void selectEntry(int row);
    bool loadProperties(const std::string& material);
    void setGroup(int group);
    void groupChosen(int group);
    void focusChanged(QWidget* old, QWidget* now);
    void appsvClick();
    void tauClick();
    void sigmaClick();
    void ik3Click();

    // "Проверить расчёты…" (setupcheck.cpp)
    void checkDesignsClick();
    QPushButton* checkDataButton_ = nullptr;

    std::unique_ptr<Ui::TForm4> ui;
    const std::string dataDir_;
    SettingsState state_ = SettingsState::Browsing;
    std::string editMaterial_;
    bool diamFileFound_ = false; // the material being added had a diameter file already
    std::string enteredValue_; // a property field's text when it gained the focus
    int groupBefore_ = 0; // the group selection when the group gained the focus
    std::string tauTableKind_; // the stress table the viewer shows: "PREDVARIT" or "OKONCAT"
    Messages& messages_;
    TForm9& newMat_;
    TForm10& diameters_;
    QButtonGroup* groups_;
    TForm5* k3Viewer_ = nullptr;
    TForm6* tauViewer_ = nullptr;
    TForm7* sigmaViewer_ = nullptr;
    CatalogueLock lock_;
    bool readOnly_ = false;
    std::string describedMaterial_; // whose description the box shows
    FileChooser& files_;
    std::optional<MemoryFiles> opened_; // the catalogue as the window found it when opened
    QString checkedFolder_;
    DesignCheckWindow* designCheck_ = nullptr;
};

// The entries of a list widget, top to bottom.
std::vector<std::string> listEntries(const QListWidget& list);

// Makes `row` current without running the list's selection handler.
void setRowQuietly(QListWidget& list, int row);
