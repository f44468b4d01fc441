#pragma once
// The settings window over a scratch copy of the shipped data, with its
// dialogs played by a DialogPlayer and its messages recorded; accessors for
// the widgets the tests reach, and steps for the dialogs.

#include "scriptedfiles.h"
#include "setup_recorder.h"

#include <QMap>

#include <memory>
#include <string>

class QAbstractButton;
class QLineEdit;
class QListWidget;
class QTabWidget;
class TForm4;
class TForm9;
class TForm10;
class TForm11;

class SetupWindow {
public:
    // On its own scratch catalogue, or on the folder `dataDir`.
    explicit SetupWindow(const std::string& dataDir = {});
    ~SetupWindow();

    CatalogueScratch data;
    std::string dataDir;
    SetupRecorder messages;
    DialogPlayer player;
    ScriptedFiles chooser; // "Проверить расчёты…" asks here for the folder
    std::unique_ptr<TForm9> newMat;
    std::unique_ptr<TForm11> input;
    std::unique_ptr<TForm10> diameters;
    std::unique_ptr<TForm4> form;

    QListWidget* mat() const;
    QListWidget* diametr() const;
    QListWidget* Mlist() const;
    QTabWidget* tabs() const;
    QLineEdit* field(const char* name) const;
    QAbstractButton* button(const char* name) const;
    QAbstractButton* groupItem(int k) const;

    // The window's interlock: true when "Применить" is enabled and
    // "Закрыть" disabled; fails the test when the two disagree.
    bool pending() const;

    // Every file of the data directory with its bytes.
    QMap<QString, QByteArray> files() const;

    void showProperties();
};

QStringList entries(const QListWidget* list);
QString current(const QListWidget* list);

// Dialog steps for the player.
DialogPlayer::Step nameStep(const QString& name); // "Новый материал": name, OK
DialogPlayer::Step diameterStep(const QString& diameter); // "Новый диаметр": text, OK
DialogPlayer::Step diameterListStep(int additions, // "Диаметры": "+" so often, then OK
    const std::function<void(QDialog&)>& before = {});
DialogPlayer::Step rejectStep();
