#pragma once
// TForm1, the main window: the input form of one spring, the toolbar (New,
// Load, Save, Settings, About), the column of the stocked wire diameters of
// the chosen material and the bottom bar ("Расчет", "Эскиз", "Закрыть").
//
// How the parts meet: the nine numeric fields are filtered by NumericField;
// the window sees every key first (FormKeyDown: Enter walks to the next
// enabled field). "Расчет" runs the design of the form (engine/features/design.h
// runForm) with this window as the calculation's host: its messages in
// message boxes, a wire diameter question in TForm8. The result is kept
// here and handed to the windows that show it: the report window TForm3
// (not shown after a failed check), the sketch. The bottom bar names the
// last calculation that stopped, with a link to its trace ("Подробно").
// Load and Save go through a FileChooser and the engine's ".rid" reader and
// writer; New, Load and closing ask first when the form was changed since
// the last Save or Load. With AppSettings, the last folder, the recent
// input files (a menu on the Load button's right click) and the places of
// the report and sketch windows are remembered between runs. The diameter
// choice, report, sketch, settings and about windows are made on first use
// and kept; closing this window ends the program. inputsEdited tells of
// every change of the inputs, and calcInputs gives them as "Расчет" would,
// without touching the form.

#include "engine/features/design.h"
#include "engine/features/reportheader.h"
#include "engine/method/inputform.h"
#include <QStringList>
#include <QWidget>
#include <memory>
#include <optional>

class AppSettings;
class FileChooser;
class LinesModel;
class TextLines;
class Messages;
class QAbstractButton;
class QDialog;
class QKeyEvent;
class QLabel;
class QPagedPaintDevice;
class TForm2;
class TForm3;
class TForm8;
class TForm9;
class TForm10;
namespace Ui {
class TForm1;
}

class TForm1 : public QWidget {
    Q_OBJECT
public:
    // `dataDir`, ending with "/", is the catalogue the window lists and the
    // calculation reads; `settings` what is remembered between runs (without
    // them nothing is).
    TForm1(Messages& messages, FileChooser& files, std::string dataDir, AppSettings* settings = nullptr,
        QWidget* parent = nullptr);
    ~TForm1() override;

    // Loads an input data file as "Загрузить" does, with its messages (a
    // file named on the command line or opened from the file manager).
    void loadInputFile(const QString& name) { loadFrom(name); }

    // The form as a ".rid" file holds it, and the way Load puts it back.
    InputForm formState() const;
    void applyFormState(const InputForm& form);

    // The report window once the first "Расчет" has made it.
    TForm3* reportWindow() const { return report_; }
    TForm2* sketchWindow() const { return sketch_; }
    // The input file last saved or loaded; empty after New and at start.
    const QString& inputFile() const { return inputFile_; }
    // Whether the form differs from what was last saved, loaded or set up.
    bool inputChanged() const;
    // The inputs as "Расчет" would give them to the calculation; nullopt
    // while a field is not a number, or "Расчет" would stop or refuse.
    std::optional<CalcInputs> calcInputs() const;
    // The design the last "Расчет" that passed the checks of the inputs ran.
    const DesignResult& lastResult() const { return *last_; }
    // The data directory the catalogue and the calculation read, ending
    // with "/".
    const std::string& dataFolder() const { return dataFolder_; }

    // The printer the report (and the sketch) print on: the last one chosen
    // in a print dialog.
    QPagedPaintDevice& printer();
    // The lines of the material list, as the window lists them (empty lines
    // too: a design names its material by line).
    const TextLines& materialList() const;
    QStringList materialNames() const;

signals:
    // A field, the length mode, the material or the group was changed, by
    // the user or by New or Load.
    void inputsEdited();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void FormShow();
    void FormKeyDown(QWidget* focused, const QKeyEvent& event);
    bool fillMaterialList();
    void fillDiameterMemo(const QString& material);
    void setModeH();
    void setUpKeyboard();
    void keepTabOnCheckedButton(QAbstractButton* a, QAbstractButton* b);
    void markUnchanged();
    // The window's title, with " *" after it while the form has unsaved changes.
    void setTitle(const QString& title);
    void showChanged();
    // Marks the result windows whose calculation the form no longer matches.
    void markStaleResults();
    // True when the form may be dropped: unchanged, saved, or the user
    // said so.
    bool mayDropInput();
    bool saveCurrent();
    bool saveAs();
    bool saveTo(const QString& name, bool askBeforeReplacing);
    void loadFrom(const QString& name);
    void rememberFile(const QString& name);
    void showRecentFiles(const QPoint& at);
    QString lastFolder() const;
    // The form as "Расчет" takes it: no material while none is selected.
    InputForm calcForm() const;
    // The design's material that the catalogue does not list (loaded, or
    // deleted in the settings): no material is selected, the list says
    // which is missing, and saving keeps its name and index until the user
    // picks another. Empty `name`: none is missing.
    void setAbsentMaterial(std::string name, int index);

    void RascetClick();
    // "Расчет", with the diameter question answered beforehand by `wire`
    // whatever k3 is (a wire picked among the neighbours).
    void calculate(std::optional<double> wire);
    void showLastFailure();
    void scetchClick();
    void StopClick();
    void SpeedButton1Click();
    void SpeedButton2Click();
    void SpeedButton3Click();
    void SpeedButton4Click();
    void SpeedButton5Click();
    void rbhClick();
    void rbl0Click();
    void materialChange();
    void grupChange();
    // "Расчет" with the material of this name selected first; a message
    // when the list has no such material.
    void calculateIn(const QString& material);
    // "Расчет" for a spring the search found: its material, group and
    // requirement put into the fields, its wire (if it answered the
    // diameter question) answering it again.
    void calculateDesign(const CalcInputs& inputs);
    bool selectMaterial(const QString& material);

    // The windows that other parts of the program provide, each made here
    // on first use.

    Messages& messages_;
    FileChooser& files_;
    std::unique_ptr<Ui::TForm1> ui; // the Designer form
    TForm8* diameterChoice_ = nullptr;
    std::unique_ptr<QPagedPaintDevice> printer_;
    TForm3* report_ = nullptr;
    TForm2* sketch_ = nullptr;
    QDialog* settings_ = nullptr;
    TForm9* newMaterial_ = nullptr;
    TForm10* diameters_ = nullptr;
    QDialog* about_ = nullptr;
    std::string dataFolder_;
    std::string absentMaterial_; // see setAbsentMaterial
    int absentMaterialIndex_ = -1;
    int mode_ = 0; // 1 working stroke given, 2 free length and coils
    // The result of the last "Расчет", also when it refused its inputs;
    // shared with the windows that show it.
    std::shared_ptr<const DesignResult> last_ = std::make_shared<const DesignResult>();
    LinesModel* materials_ = nullptr; // the lines of the material list, as read
    QLabel* lastFailure_ = nullptr;
    QLabel* lastFailureTrace_ = nullptr;
    AppSettings* appSettings_;
    bool settingsWriteReported_ = false;
    bool started_ = false;
    QString inputFile_;
    QString title_;
    std::vector<std::string> unchangedForm_; // the form's ".rid" lines when last saved, loaded or set up
    ReportHeader lastHeader_; // what the last "Расчет" was given
    std::vector<std::string> calculatedForm_; // the form's ".rid" lines at the last calculation
};
