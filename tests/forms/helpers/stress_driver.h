#pragma once
// A random user for the stress run. Each step is one action: a key, a
// click on a button, a field, a list, a combo box, a tab or anywhere in a
// window, a Load, a Save, a calculation on generated inputs, or a disk
// that fails the next file the program writes. It acts only where a user
// could: on the active modal dialog (or a window that dialog owns), else on
// any visible window of the program. Steps are queued events, so they go
// on inside the modal loops the actions open. Now and then, and always at
// the end, the user leaves the modal dialog the way its buttons allow; Qt's
// file and print dialogs are only ever answered, never clicked about in,
// so no file outside the scratch folders is chosen.
//
// The report window closes itself 55 ms after a failed calculation, on a
// timer; the user waits for that before going on, which keeps a seed's run
// the same from one run to the next.
//
// What the user could not leave, and any moment when "Применить" and
// "Закрыть" of the settings window were enabled together (or disabled
// together), is recorded in `problems`.

#include <QElapsedTimer>
#include <QEventLoop>
#include <QMap>
#include <QPointer>
#include <QStringList>

class QWidget;
class StressFiles;
class StressInputs;
class StressRandom;
class TForm1;

class StressDriver : public QObject {
    Q_OBJECT
public:
    StressDriver(StressRandom& random, StressInputs& inputs, StressFiles& files, TForm1& main);

    // Drives `events` actions, then leaves every modal dialog and closes
    // every window but the main one with its own button; returns when done
    // or, recording a problem, after `seconds`.
    void run(int events, int seconds);

    QStringList problems;
    int driven = 0;
    QMap<QString, int> counts; // actions by kind, modal dialogs left by class

private:
    void step();
    void act(QWidget* window);
    void finish();
    QWidget* pickWindow(QWidget* modal);
    void answerPopup(QWidget* popup);
    void leave(QWidget* modal, bool finishing);
    void leaveSettings(QWidget* settings);
    void checkInterlock();
    void checkApplied(QWidget* settings);
    void mendProperties(QWidget* settings);
    void problem(const QString& text);
    void count(const QString& action, const QWidget* window);

    template <class W> W* pickShown(QWidget* window, const QString& action);
    void pressKey(QWidget* window);
    void clickButton(QWidget* window);
    void clickItem(QWidget* window);
    void clickCombo(QWidget* window);
    void clickTab(QWidget* window);
    void typeInField(QWidget* window);
    void clickAnywhere(QWidget* window);
    void closeWindow(QWidget* window);
    void copyText(QWidget* window);
    void failNextWrite(QWidget* window);
    void command(QWidget* window);

    StressRandom& random_;
    StressInputs& inputs_;
    StressFiles& files_;
    TForm1& main_;
    QEventLoop loop_;
    QElapsedTimer clock_;
    int events_ = 0;
    int seconds_ = 0;
    bool finishing_ = false;
    bool done_ = false;
    QPointer<QWidget> modal_; // the modal dialog of the last steps
    int stepsInModal_ = 0;
    int answers_ = 0; // how often the user answered the modal dialog of the last steps
};
