#include "stress_driver.h"

#include "child.h"
#include "stress_events.h"
#include "stress_inputs.h"

#include "engine/catalogue/catalogueedit.h"
#include "engine/catalogue/textfile.h"
#include "forms/widgets/qtext.h"
#include "forms/windows/pruzform.h"
#include "forms/windows/rascet.h"

#include <QAbstractButton>
#include <QAbstractEventDispatcher>
#include <QAbstractItemView>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QFileDialog>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPrintDialog>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTimer>
#include <QToolButton>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <utility>

using namespace stress;

namespace {

PropertiesText fieldsOf(QWidget* settings)
{
    const auto text = [settings](const char* name) {
        return ss(settings->findChild<QLineEdit*>(QLatin1String(name))->text());
    };
    return { text("ro"), text("EE"), text("ge"), 0 };
}

// Widgets of `window` itself (not of windows it owns) that the user sees.
template <class W> QList<W*> shown(QWidget* window)
{
    QList<W*> out;
    for (W* w : window->findChildren<W*>())
        if (w->window() == window && w->isVisible())
            out << w;
    return out;
}

// A window the modal dialog owns stays usable beside it (the viewers of the
// settings window).
bool owns(const QWidget* modal, const QWidget* window)
{
    for (const QWidget* p = window; p; p = p->parentWidget())
        if (p == modal)
            return true;
    return false;
}

// The program's own dialogs; anything else modal is Qt's (file, print,
// message box) and is only answered.
bool ours(const QWidget* w)
{
    for (const char* name : { "TForm4", "TForm8", "TForm9", "TForm10", "TForm11", "TAboutBox" })
        if (w->inherits(name))
            return true;
    return false;
}

} // namespace

StressDriver::StressDriver(StressRandom& random, StressInputs& inputs, StressFiles& files, TForm1& main)
    : random_(random)
    , inputs_(inputs)
    , files_(files)
    , main_(main)
{
}

void StressDriver::run(int events, int seconds)
{
    events_ = events;
    seconds_ = seconds;
    clock_.start();
    QTimer::singleShot(0, this, &StressDriver::step);
    loop_.exec();
}

// With PRUZ_STRESS_TRACE set, every action is written out, to follow a
// seed that fails.
void StressDriver::count(const QString& action, const QWidget* window)
{
    ++counts[action];
    static const bool tracing = qEnvironmentVariableIsSet("PRUZ_STRESS_TRACE");
    if (tracing)
        std::fprintf(stderr, "%d %s in %s\n", driven, qPrintable(action), window->metaObject()->className());
}

void StressDriver::problem(const QString& text)
{
    if (!problems.contains(text))
        problems << text;
}

void StressDriver::step()
{
    if (done_)
        return;
    // What the last action set going (a window activated, focus moved) is
    // delivered before the next one, whatever the machine's speed; no other
    // step is queued now, so none runs here.
    for (int k = 0;
         k < 50 && QAbstractEventDispatcher::instance()->processEvents(QEventLoop::X11ExcludeTimers); ++k) { }
    // Queued first: if this step opens a modal dialog, the next one runs
    // inside its loop.
    QTimer::singleShot(0, this, &StressDriver::step);
    checkInterlock();
    if (!finishing_ && (driven >= events_ || clock_.elapsed() > seconds_ * 1000LL)) {
        if (driven < events_)
            problem(QStringLiteral("time limit reached after %1 events").arg(driven));
        finishing_ = true;
    }
    QWidget* modal = QApplication::activeModalWidget();
    if (modal != modal_) {
        modal_ = modal;
        stepsInModal_ = 0;
        answers_ = 0;
    }
    if (QWidget* popup = QApplication::activePopupWidget()) {
        answerPopup(popup);
        return;
    }
    if (finishing_) {
        finish();
        return;
    }
    ++driven;
    if (modal) {
        const int leaveChance = !ours(modal) ? 100 : modal->inherits("TForm4") ? 2 : 12;
        if (++stepsInModal_ > 300 || random_.chance(leaveChance)) {
            leave(modal, false);
            return;
        }
    }
    if (QWidget* window = pickWindow(modal))
        act(window);
}

QWidget* StressDriver::pickWindow(QWidget* modal)
{
    QList<QWidget*> windows;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->isVisible() && w->windowType() != Qt::Popup && w->windowType() != Qt::ToolTip
            && (!qobject_cast<QDialog*>(w) || ours(w)) && (!modal || owns(modal, w)))
            windows << w;
    // The application keeps its windows in a hash: put them in an order
    // that does not change from run to run.
    std::sort(windows.begin(), windows.end(), [](const QWidget* a, const QWidget* b) {
        return std::strcmp(a->metaObject()->className(), b->metaObject()->className()) < 0;
    });
    // The modal dialog itself counts once more than the windows beside it.
    if (modal)
        windows << modal;
    if (windows.isEmpty()) {
        main_.show();
        return nullptr;
    }
    return random_.oneOf(windows);
}

void StressDriver::act(QWidget* window)
{
    // The user's click activates the window at once.
    if (QApplication::activeWindow() != window)
        QApplication::setActiveWindow(window);
    // Out of 100; the program's dialogs get more clicks on their buttons.
    const bool dialog = ours(window);
    const std::pair<int, void (StressDriver::*)(QWidget*)> actions[] = {
        { dialog ? 16 : 32, &StressDriver::pressKey },
        { dialog ? 36 : 20, &StressDriver::clickButton },
        { 7, &StressDriver::clickItem },
        { 4, &StressDriver::clickCombo },
        { 3, &StressDriver::clickTab },
        { 10, &StressDriver::typeInField },
        { 7, &StressDriver::clickAnywhere },
        { 1, &StressDriver::failNextWrite },
        { 3, &StressDriver::closeWindow },
        { 2, &StressDriver::copyText },
        { 11, &StressDriver::command },
    };
    int roll = random_.below(100);
    for (const auto& [weight, action] : actions) {
        if (roll < weight)
            return (this->*action)(window);
        roll -= weight;
    }
}

// The disk fails the next file the program writes, at one stage of the
// write (any stage but the descriptor's, which the hook covers).
void StressDriver::failNextWrite(QWidget* window)
{
    count(QStringLiteral("next write fails"), window);
    const int stages = static_cast<int>(WriteStage::Permissions) + 1;
    setWriteFaultInjector(
        [stage = static_cast<WriteStage>(random_.below(stages)), armed = true](WriteStage at) mutable {
            const bool fails = armed && at == stage;
            armed = armed && !fails;
            return fails;
        });
}

// Text copied from elsewhere, for a later Ctrl+V.
void StressDriver::copyText(QWidget* window)
{
    count(QStringLiteral("clipboard"), window);
    QApplication::clipboard()->setText(
        random_.chance(20) ? QString(random_.between(100, 5000), QLatin1Char('5')) : inputs_.clipboardText());
}

void StressDriver::pressKey(QWidget* window)
{
    count(QStringLiteral("key"), window);
    QWidget* target = window->focusWidget() ? window->focusWidget() : window;
    Key k = random_.oneOf(keys());
    // Closing the main window ends the program; the mail button starts a
    // mail program. The user does neither here.
    const bool pressesButton = k.code == Qt::Key_Space || k.code == Qt::Key_Return || k.code == Qt::Key_Enter;
    if (pressesButton && (target == child<QPushButton>(main_, "Stop") || target->objectName() == "send"))
        k = { Qt::Key_Tab, Qt::NoModifier, "\t" };
    key(target, k.code, k.modifiers, k.text);
}

void StressDriver::clickButton(QWidget* window)
{
    QList<QAbstractButton*> buttons;
    for (QAbstractButton* b : shown<QAbstractButton>(window))
        if (b != child<QPushButton>(main_, "Stop") && b->objectName() != "send")
            buttons << b;
    if (buttons.isEmpty())
        return pressKey(window);
    count(QStringLiteral("button"), window);
    QAbstractButton* button = random_.oneOf(buttons);
    click(button);
    if (button->objectName() == "appsv" && window->inherits("TForm4"))
        checkApplied(window);
}

// One of the widgets of kind W that the window shows, counted as `action`;
// when it shows none, a key is pressed instead and the result is null.
template <class W> W* StressDriver::pickShown(QWidget* window, const QString& action)
{
    const auto widgets = shown<W>(window);
    if (widgets.isEmpty()) {
        pressKey(window);
        return nullptr;
    }
    count(action, window);
    return random_.oneOf(widgets);
}

void StressDriver::clickItem(QWidget* window)
{
    QAbstractItemView* view = pickShown<QAbstractItemView>(window, QStringLiteral("list or grid"));
    if (!view)
        return;
    const QAbstractItemModel* model = view->model();
    if (!model || model->rowCount() == 0 || random_.chance(5))
        return click(view->viewport());
    const QModelIndex index
        = model->index(random_.below(model->rowCount()), random_.below(model->columnCount()));
    view->scrollTo(index);
    click(view->viewport(), view->visualRect(index).center());
}

void StressDriver::clickCombo(QWidget* window)
{
    QComboBox* combo = pickShown<QComboBox>(window, QStringLiteral("combo"));
    if (!combo)
        return;
    if (random_.chance(50))
        return click(combo); // opens the list; a later step answers it
    combo->setFocus(Qt::MouseFocusReason);
    key(combo,
        random_.oneOf(QList<int> { Qt::Key_Up, Qt::Key_Down, Qt::Key_Home, Qt::Key_End, Qt::Key_PageDown }));
}

void StressDriver::answerPopup(QWidget* popup)
{
    count(QStringLiteral("list of a combo"), popup);
    QWidget* target = popup->focusWidget() ? popup->focusWidget() : popup;
    if (random_.chance(30))
        return key(target, Qt::Key_Escape);
    for (int k = random_.below(4); k > 0; --k)
        key(target, Qt::Key_Down);
    key(target, Qt::Key_Return);
}

void StressDriver::clickTab(QWidget* window)
{
    QTabWidget* tabs = pickShown<QTabWidget>(window, QStringLiteral("tab"));
    if (!tabs)
        return;
    QTabBar* bar = tabs->tabBar();
    click(bar, bar->tabRect(random_.below(bar->count())).center());
}

void StressDriver::typeInField(QWidget* window)
{
    QList<QWidget*> fields;
    for (QLineEdit* e : shown<QLineEdit>(window))
        fields << e;
    for (QPlainTextEdit* e : shown<QPlainTextEdit>(window))
        fields << e;
    if (fields.isEmpty())
        return pressKey(window);
    count(QStringLiteral("typing"), window);
    const QPointer<QWidget> field = random_.oneOf(fields);
    click(field, QPoint(random_.below(field->width()), field->height() / 2));
    if (!field)
        return;
    if (random_.chance(50))
        key(field, Qt::Key_A, Qt::ControlModifier, QStringLiteral("\x01"));
    const QString text = inputs_.fieldText(field->objectName());
    for (qsizetype k = 0; k < text.size() && field; ++k) {
        QString typed(text.at(k));
        if (text.at(k).isHighSurrogate() && k + 1 < text.size())
            typed += text.at(++k);
        key(field, keyFor(text.at(k)), Qt::NoModifier, typed);
        ++driven;
    }
    if (field && random_.chance(50))
        key(field, random_.chance(50) ? Qt::Key_Tab : Qt::Key_Return);
}

void StressDriver::clickAnywhere(QWidget* window)
{
    QList<QWidget*> widgets { window };
    for (QWidget* w : shown<QWidget>(window)) {
        bool allowed = true;
        for (QWidget* p = w; p && allowed; p = p->parentWidget())
            allowed = p != child<QPushButton>(main_, "Stop") && p->objectName() != "send";
        if (allowed)
            widgets << w;
    }
    count(QStringLiteral("click"), window);
    QWidget* w = random_.oneOf(widgets);
    click(w, QPoint(random_.below(w->width()), random_.below(w->height())));
}

void StressDriver::closeWindow(QWidget* window)
{
    const Qt::WindowFlags flags = window->windowFlags();
    const bool hasCloseButton = !(flags & Qt::CustomizeWindowHint) || (flags & Qt::WindowCloseButtonHint);
    if (window == &main_ || !hasCloseButton)
        return pressKey(window);
    count(QStringLiteral("title-bar close"), window);
    window->close();
}

// Load, Save or a calculation on generated inputs in the main window;
// elsewhere a key.
void StressDriver::command(QWidget* window)
{
    if (window != &main_)
        return pressKey(window);
    switch (random_.below(3)) {
    case 0:
        count(QStringLiteral("Load"), &main_);
        return click(child<QToolButton>(main_, "SpeedButton3"));
    case 1:
        count(QStringLiteral("Save"), &main_);
        return click(child<QToolButton>(main_, "SpeedButton2"));
    default:
        count(QStringLiteral("calculation on generated inputs"), &main_);
        files_.queueOpen(inputs_.ridFile(true));
        click(child<QToolButton>(main_, "SpeedButton3"));
        click(child<QPushButton>(main_, "Rascet"));
    }
}

void StressDriver::leave(QWidget* modal, bool finishing)
{
    count(QStringLiteral("answer %1").arg(QLatin1String(modal->metaObject()->className())), modal);
    const int answer = answers_++;
    const auto button
        = [modal](const char* name) { return modal->findChild<QAbstractButton*>(QLatin1String(name)); };
    if (modal->inherits("TForm4"))
        return leaveSettings(modal);
    if (modal->inherits("TForm10")) {
        // OK writes the list; Esc leaves when it cannot be written.
        if (answer == 0 || (!finishing && random_.chance(70)))
            return click(button("okButton"));
        return key(modal, Qt::Key_Escape);
    }
    if (modal->inherits("TForm9") || modal->inherits("TForm11"))
        return click(button(!finishing && random_.chance(60) ? "okButton" : "cancelButton"));
    if (modal->inherits("TForm8"))
        return click(button(random_.chance(60) ? "BitBtn1" : "BitBtn2"));
    if (modal->inherits("TAboutBox"))
        return random_.chance(70) ? click(button("OKButton")) : key(modal, Qt::Key_Escape);
    if (auto* files = qobject_cast<QFileDialog*>(modal)) {
        if (finishing || random_.chance(30))
            return files->reject();
        files->selectFile(files_.nameForDialog(files->acceptMode() == QFileDialog::AcceptOpen));
        return static_cast<QDialog*>(files)->accept(); // its Open or Save button
    }
    if (auto* print = qobject_cast<QPrintDialog*>(modal))
        return !finishing && random_.chance(30) ? print->accept() : print->reject();
    // A message box of Qt's own dialogs: Esc, then its title-bar close.
    if (answer == 0)
        return key(modal, Qt::Key_Escape);
    modal->close();
}

// "Закрыть" when it is enabled; else "Применить", after which the window
// must be clean unless no material was selected; then a material is
// selected (or the materials tab shown) and "Применить" tried again.
void StressDriver::leaveSettings(QWidget* settings)
{
    auto* close = settings->findChild<QAbstractButton*>(QStringLiteral("closeButton"));
    auto* apply = settings->findChild<QAbstractButton*>(QStringLiteral("appsv"));
    auto* list = settings->findChild<QAbstractItemView*>(QStringLiteral("Mlist"));
    auto* tabs = settings->findChild<QTabWidget*>(QStringLiteral("PageControl1"));
    if (close->isEnabled())
        return click(close);
    if (apply->isEnabled() && apply->isVisible() && answers_ % 2 == 1) {
        mendProperties(settings);
        click(apply);
        return checkApplied(settings);
    }
    if (tabs->currentIndex() != 1 && tabs->isTabEnabled(1))
        return click(tabs->tabBar(), tabs->tabBar()->tabRect(1).center());
    if (list->isEnabled() && list->model()->rowCount() > 0) {
        const QModelIndex first = list->model()->index(0, 0);
        list->scrollTo(first);
        return click(list->viewport(), list->visualRect(first).center());
    }
    if (tabs->isTabEnabled(0))
        click(tabs->tabBar(), tabs->tabBar()->tabRect(0).center());
}

void StressDriver::finish()
{
    if (QWidget* modal = QApplication::activeModalWidget()) {
        if (answers_ > 12) {
            problem(QStringLiteral("the user could not leave %1")
                        .arg(QLatin1String(modal->metaObject()->className())));
            if (auto* dialog = qobject_cast<QDialog*>(modal))
                dialog->done(QDialog::Rejected);
            else
                modal->hide();
            return;
        }
        leave(modal, true);
        return;
    }
    // The windows beside the main one, each by its own "Закрыть".
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w == &main_ || !w->isVisible() || w->windowType() == Qt::Popup || w->windowType() == Qt::ToolTip)
            continue;
        QAbstractButton* close = nullptr;
        for (QAbstractButton* b : shown<QAbstractButton>(w))
            if (b->objectName() == "BitBtn1")
                close = b;
        if (close)
            click(close);
        if (w->isVisible())
            problem(QStringLiteral("%1 stays open after its \"Закрыть\"")
                        .arg(QLatin1String(w->metaObject()->className())));
    }
    setWriteFaultInjector({});
    done_ = true;
    loop_.quit();
}

// After "Применить" with a material selected, "Закрыть" is enabled again
// (whether the properties file could be written or not).
// "Применить" refuses a density or modulus that is no positive number and
// stays pending; otherwise, with a material selected, it makes the window
// clean.
void StressDriver::checkApplied(QWidget* settings)
{
    auto* close = settings->findChild<QAbstractButton*>(QStringLiteral("closeButton"));
    auto* list = settings->findChild<QAbstractItemView*>(QStringLiteral("Mlist"));
    if (!close->isEnabled() && list->currentIndex().isValid()
        && propertiesRefusal(fieldsOf(settings)).empty())
        problem(QStringLiteral("\"Применить\" with a material selected left \"Закрыть\" disabled"));
}

// The user types a number into each field "Применить" would refuse.
void StressDriver::mendProperties(QWidget* settings)
{
    for (const char* name : { "ro", "EE", "ge" }) {
        auto* field = settings->findChild<QLineEdit*>(QLatin1String(name));
        if (!diameterAboveZero(ss(field->text())))
            field->setText(inputs_.number(1, 100, 2));
    }
}

void StressDriver::checkInterlock()
{
    for (QDialog* w : main_.findChildren<QDialog*>())
        if (w->inherits("TForm4") && w->isVisible()) {
            auto* close = w->findChild<QAbstractButton*>(QStringLiteral("closeButton"));
            auto* apply = w->findChild<QAbstractButton*>(QStringLiteral("appsv"));
            if (close->isEnabled() == apply->isEnabled())
                problem(QStringLiteral("\"Применить\" and \"Закрыть\" of the settings window both %1")
                            .arg(close->isEnabled() ? "enabled" : "disabled"));
        }
}
