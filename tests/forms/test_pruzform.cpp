// The main window: start-up, the key filter of the nine fields, pasting,
// the Enter and Tab keys, the shortcuts, "Расчет", New, Settings, Load and
// Save of ".rid" files with the question before changed input is dropped,
// what is remembered between runs, and the report of an example file
// against pruzcalc's.
#include "engine/catalogue/textfile.h"
#include "engine/common/encoding.h"
#include "engine/method/inputform.h"
#include "forms/widgets/appsettings.h"
#include "forms/widgets/filechooser.h"
#include "forms/windows/autor.h"
#include "forms/windows/harakter.h"
#include "forms/windows/pruzform.h"
#include "forms/windows/rascet.h"
#include "forms/windows/scetch.h"
#include "helpers/child.h"
#include "helpers/datacopy.h"
#include "helpers/formtest.h"
#include "helpers/onmodal.h"
#include "helpers/recorder.h"
#include "helpers/replacing.h"
#include "helpers/scetch_testing.h"
#include "helpers/scriptedfiles.h"
#include "helpers/textfit.h"

#include <QClipboard>
#include <QComboBox>
#include <QDialog>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QToolButton>
#include <QWindow>
#include <memory>

namespace {

const QString kCaption = QStringLiteral("Расчет пружин сжатия по ОСТ 5.9539-80");
const QString kWire1 = QStringLiteral("Проволока I класса");
const QString kWire2 = QStringLiteral("Проволока II класса");

QStringList fileLines(const QString& path)
{
    QStringList out;
    if (auto lines = readTextLines(path.toStdString()))
        for (const auto& l : *lines)
            out << QString::fromStdString(l);
    return out;
}

QStringList ridText(const InputForm& form)
{
    QStringList out;
    for (const auto& l : ridLines(form))
        out << QString::fromStdString(l);
    return out;
}

// The state of the wire-class2 example, typed by hand.
const QStringList kWire2Example { "1", "0", "1", "0", "0", "1", "1", "10", "30", "20", "15", "2", "0", "5",
    "0", "0", "0", "1", "1", "1", "1", kWire2 };

} // namespace

class TestPruzform : public QObject {
    Q_OBJECT

    struct Rig {
        DataCopy data;
        MessageRecorder messages;
        ScriptedFiles files;
        std::unique_ptr<AppSettings> settings;
        TForm1 form;
        // The inputs the last "Расчет" stored, up to where it stopped.
        const CalcInputs& inputs() const { return form.lastResult().inputs; }

        // With `ini`, the settings are kept in that file.
        explicit Rig(bool show = true, const QString& ini = QString())
            : settings(ini.isEmpty() ? nullptr : std::make_unique<AppSettings>(ini))
            , form(messages, files, data.dataDir(), settings.get())
        {
            if (show)
                start();
        }
        void start()
        {
            form.show();
            QApplication::setActiveWindow(&form);
            QVERIFY(QTest::qWaitForWindowActive(&form));
        }
        QString ridPath(const QString& name) const { return data.dir() + name; }
        // A writable copy of an example beside the data, named `name`.
        QString ownCopy(const char* example, const QString& name) const
        {
            const QString own = ridPath(name);
            QFile::copy(QLatin1String(EXAMPLES_DIR) + QLatin1String(example), own);
            QFile::setPermissions(own, QFile::ReadOwner | QFile::WriteOwner);
            return own;
        }
        QStringList memo() const
        {
            return child<QPlainTextEdit>(form, "comm")->toPlainText().split('\n', Qt::SkipEmptyParts);
        }
        void pickGroup(int index)
        {
            child<QComboBox>(form, "grup")->setCurrentIndex(index);
            emit child<QComboBox>(form, "grup")->activated(index);
        }
        void pickMaterial(int index)
        {
            child<QComboBox>(form, "material")->setCurrentIndex(index);
            emit child<QComboBox>(form, "material")->activated(index);
        }
        void load(const QString& path)
        {
            files.toOpen = path;
            child<QToolButton>(form, "SpeedButton3")->click();
        }
    };

    static QStringList diameterMemo(const DataCopy& data, const QString& material)
    {
        QStringList out;
        for (const QString& line : fileLines(data.dir() + material + ".dat"))
            if (!line.isEmpty())
                out << QStringLiteral("  \u00D8 ") + line;
        return out;
    }

private slots:
    void layout()
    {
        Rig rig(false);
        QCOMPARE(rig.form.size(), QSize(539, 443));
        QCOMPARE(rig.form.windowTitle(), kCaption);
        rig.start();
        QCOMPARE(cutTexts(&rig.form), QStringList());
        for (auto* button : child<QFrame>(rig.form, "Toolbar")->findChildren<QToolButton*>()) {
            QCOMPARE(button->focusPolicy(), Qt::TabFocus); // reached with Tab, not taken by a click
            QCOMPARE(button->icon().isNull(), false);
        }
        QCOMPARE(child<QToolButton>(rig.form, "SpeedButton3")->toolTip(),
            QStringLiteral(
                "Загрузить исходные данные (Ctrl+O)\nпоследние файлы: Ctrl+R или правая кнопка мыши"));
    }

    void startUp()
    {
        Rig rig;
        QCOMPARE(QApplication::focusWidget(), child<QLineEdit>(rig.form, "f1"));
        QCOMPARE(rig.form.materialNames(), fileLines(rig.data.dir() + "material.dat"));
        QCOMPARE(child<QComboBox>(rig.form, "material")->currentText(), kWire1);
        QCOMPARE(child<QComboBox>(rig.form, "grup")->currentText(), QStringLiteral("I"));
        QCOMPARE(rig.form.formState().mode, 1);
        QVERIFY(!child<QLineEdit>(rig.form, "l0")->isEnabled()
            && !child<QLineEdit>(rig.form, "n")->isEnabled() && child<QLineEdit>(rig.form, "h")->isEnabled());
        QCOMPARE(child<QLabel>(rig.form, "Label21")->text(), QStringLiteral("имеющимся на складе"));
        // Every stocked diameter, the last one too.
        QCOMPARE(rig.memo(), diameterMemo(rig.data, kWire1));
        QCOMPARE(rig.memo().last(), QStringLiteral("  \u00D8 8"));
        QCOMPARE(rig.messages.messages, QStringList());
        // Saved at once: the form's start state.
        rig.files.toSave = rig.ridPath("start.rid");
        child<QToolButton>(rig.form, "SpeedButton2")->click();
        QStringList expected { "1", "0", "1", "0", "0", "1", "0", "0", "0", "0", "0", "0", "0", "5", "0", "0",
            "0", "1", "1", "1", "1", kWire1 };
        QCOMPARE(fileLines(rig.files.toSave), expected);
        QCOMPARE(rig.form.windowTitle(), "Расчет пружины " + rig.files.toSave);
    }

    void startUpWithoutCatalogue_data()
    {
        QTest::addColumn<QString>("removed");
        QTest::addColumn<QString>("message");
        QTest::addColumn<int>("mode");
        QTest::newRow("no material list") << "material.dat"
                                          << "no material.dat" << 0;
        QTest::newRow("no diameter file") << kWire1 + ".dat"
                                          << "no " + kWire1 + ".dat" << 1;
    }
    void startUpWithoutCatalogue()
    {
        QFETCH(QString, removed);
        QFETCH(QString, message);
        QFETCH(int, mode);
        Rig rig(false);
        rig.data.remove(removed);
        rig.start();
        QCOMPARE(rig.messages.messages, QStringList { message });
        QCOMPARE(rig.form.formState().mode, mode);
        QCOMPARE(rig.memo(), QStringList());
    }

    // A material list followed by four million empty lines: every line is
    // listed, Load finds a design's material by its name, and the window
    // holds about the file's size rather than an item per line.
    void longMaterialListHeldCompactly()
    {
#if defined(PRUZ_SANITIZED)
        QSKIP("the sanitizer keeps freed memory");
#endif
        const auto residentBytes = [] {
            QFile status(QStringLiteral("/proc/self/status"));
            status.open(QIODevice::ReadOnly);
            for (const QByteArray& line : status.readAll().split('\n'))
                if (line.startsWith("VmRSS:"))
                    return line.mid(6).trimmed().split(' ').front().toLongLong() * 1024;
            return -1LL;
        };
        Rig shortList; // the window's own cost, not counted below
        const long long before = residentBytes();

        constexpr int kEmptyLines = 1 << 22;
        Rig rig(false);
        const QStringList names = fileLines(rig.data.dir() + "material.dat");
        QFile list(rig.data.dir() + "material.dat");
        QVERIFY(list.open(QIODevice::Append));
        QVERIFY(list.write(QByteArray("\r\n").repeated(kEmptyLines)) == 2 * kEmptyLines);
        list.close();
        rig.start();
        const long long grown = residentBytes() - before;

        QCOMPARE(child<QComboBox>(rig.form, "material")->count(), names.size() + kEmptyLines);
        QCOMPARE(rig.memo(), diameterMemo(rig.data, kWire1));
        rig.load(QStringLiteral(EXAMPLES_DIR "steel-60s2a.rid"));
        QCOMPARE(child<QComboBox>(rig.form, "material")->currentText(), QStringLiteral("60С2А"));
        QCOMPARE(rig.messages.messages, QStringList());
        QVERIFY2(before > 0 && grown < 3 * 2 * kEmptyLines, qPrintable(QString::number(grown)));
    }

    // QTest keys carry no native scan code: the Qt key and the keypad flag count.
    void keyFilter_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("before");
        QTest::addColumn<bool>("selectAll");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<QString>("after");
        const int none = Qt::NoModifier, keypad = Qt::KeypadModifier;
        QTest::newRow("comma into empty") << "f1"
                                          << "" << false << int(Qt::Key_Comma) << none << ",";
        QTest::newRow("full stop types a comma") << "f2"
                                                 << "5" << false << int(Qt::Key_Period) << none << "5,";
        QTest::newRow("second comma refused") << "d1"
                                              << "12,5" << false << int(Qt::Key_Comma) << none << "12,5";
        QTest::newRow("zero after a comma") << "h"
                                            << "12,5" << false << int(Qt::Key_0) << none << "12,50";
        QTest::newRow("second leading zero refused") << "l0"
                                                     << "0" << false << int(Qt::Key_0) << none << "0";
        QTest::newRow("five replaces a lone zero") << "n"
                                                   << "0" << false << int(Qt::Key_5) << none << "5";
        QTest::newRow("comma after a lone zero") << "f1"
                                                 << "0" << false << int(Qt::Key_Comma) << none << "0,";
        QTest::newRow("integer: digit replaces a lone zero") << "ni"
                                                             << "0" << false << int(Qt::Key_3) << none << "3";
        QTest::newRow("five after 0, is kept") << "f1"
                                               << "0," << false << int(Qt::Key_5) << none << "0,5";
        QTest::newRow("zero after 0,") << "vmax"
                                       << "0," << false << int(Qt::Key_0) << none << "0,0";
        QTest::newRow("letter refused") << "f1"
                                        << "1" << false << int(Qt::Key_A) << none << "1";
        QTest::newRow("space refused") << "f1"
                                       << "1" << false << int(Qt::Key_Space) << none << "1";
        QTest::newRow("minus refused") << "f1"
                                       << "1" << false << int(Qt::Key_Minus) << none << "1";
        QTest::newRow("shift+7 gives 7") << "f1"
                                         << "" << false << int(Qt::Key_7) << int(Qt::ShiftModifier) << "7";
        QTest::newRow("keypad digit") << "f1"
                                      << "2" << false << int(Qt::Key_3) << keypad << "23";
        QTest::newRow("keypad decimal") << "f1"
                                        << "2" << false << int(Qt::Key_Period) << keypad << "2,";
        QTest::newRow("keypad movement gives nothing") << "f1"
                                                       << "2" << false << int(Qt::Key_Clear) << keypad << "2";
        QTest::newRow("backspace deletes") << "f1"
                                           << "12" << false << int(Qt::Key_Backspace) << none << "1";
        QTest::newRow("digit replaces a selection") << "f1"
                                                    << "1,5" << true << int(Qt::Key_7) << none << "7";
        QTest::newRow("comma refused over 1,5 selected")
            << "f1"
            << "1,5" << true << int(Qt::Key_Comma) << none << "1,5";
        QTest::newRow("integer: comma refused") << "ni"
                                                << "1" << false << int(Qt::Key_Comma) << none << "1";
        QTest::newRow("integer: keypad decimal refused")
            << "ni"
            << "1" << false << int(Qt::Key_Period) << keypad << "1";
        QTest::newRow("integer: zero on zero refused") << "ni"
                                                       << "0" << false << int(Qt::Key_0) << none << "0";
        QTest::newRow("integer: digit") << "ni"
                                        << "1" << false << int(Qt::Key_0) << none << "10";
        QTest::newRow("stepni takes one character") << "stepni"
                                                    << "5" << false << int(Qt::Key_3) << none << "5";
        QTest::newRow("Ctrl+B inserts nothing")
            << "f1"
            << "1" << false << int(Qt::Key_B) << int(Qt::ControlModifier) << "1";
    }
    void keyFilter()
    {
        QFETCH(QString, field);
        QFETCH(QString, before);
        QFETCH(bool, selectAll);
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(QString, after);
        Rig rig;
        QApplication::clipboard()->setText(QStringLiteral("99"));
        auto* edit = rig.form.findChild<QLineEdit*>(field);
        QVERIFY(edit);
        edit->setEnabled(true);
        edit->setFocus();
        edit->setText(before);
        if (selectAll)
            edit->selectAll();
        QTest::keyClick(edit, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        QCOMPARE(edit->text(), after);
    }

    // Pasted text goes through the typing rules, whichever way it comes in.
    void paste_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("before"); // "[...]" marks the selection, "|" the caret
        QTest::addColumn<QString>("clipboard");
        QTest::addColumn<QString>("after");
        QTest::newRow("good number") << "f1"
                                     << "|"
                                     << "12,5"
                                     << "12,5";
        QTest::newRow("point becomes a comma") << "f2"
                                               << "|"
                                               << "3.75"
                                               << "3,75";
        QTest::newRow("mixed text keeps digits and a comma") << "d1"
                                                             << "|"
                                                             << " 1 234,5 мм\r\n"
                                                             << "1234,5";
        QTest::newRow("nothing usable: nothing pasted") << "h"
                                                        << "[7]"
                                                        << "abc\r\n\u001a"
                                                        << "7";
        QTest::newRow("second comma dropped") << "vmax"
                                              << "1,5|"
                                              << "2,5"
                                              << "1,525";
        QTest::newRow("second comma in the paste dropped") << "l0"
                                                           << "|"
                                                           << "1,2,3"
                                                           << "1,23";
        QTest::newRow("replaces the selection") << "n"
                                                << "1[2,5]"
                                                << "0,75"
                                                << "10,75";
        QTest::newRow("integer field: digits only") << "ni"
                                                    << "|"
                                                    << "1,5e3"
                                                    << "153";
        QTest::newRow("leading double zero refused") << "f1"
                                                     << "|"
                                                     << "007"
                                                     << "07";
        QTest::newRow("NUL and Ctrl-Z dropped") << "f1"
                                                << "|" << QStringLiteral("4") + QChar(0) + "\u001a2"
                                                << "42";
    }
    void paste()
    {
        QFETCH(QString, field);
        QFETCH(QString, before);
        QFETCH(QString, clipboard);
        QFETCH(QString, after);
        Rig rig;
        auto* edit = rig.form.findChild<QLineEdit*>(field);
        edit->setEnabled(true);
        edit->setFocus();
        QApplication::clipboard()->setText(clipboard);
        const auto prepare = [&] {
            QString text = before;
            const int from = text.indexOf('['), caret = text.indexOf('|');
            text.remove('[').remove(']').remove('|');
            edit->setText(text);
            if (from >= 0)
                edit->setSelection(from, before.indexOf(']') - from - 1);
            else
                edit->setCursorPosition(caret);
        };
        prepare();
        QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(edit->text(), after);
        prepare();
        QTest::keyClick(edit, Qt::Key_Insert, Qt::ShiftModifier);
        QCOMPARE(edit->text(), after);
        // The context menu's Paste.
        prepare();
        QContextMenuEvent menuEvent(
            QContextMenuEvent::Keyboard, QPoint(5, 5), edit->mapToGlobal(QPoint(5, 5)));
        QApplication::sendEvent(edit, &menuEvent);
        QMenu* menu = nullptr;
        QTRY_VERIFY((menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())));
        auto* pasteAction = menu->findChild<QAction*>(QStringLiteral("edit-paste"));
        QVERIFY(pasteAction);
        pasteAction->trigger();
        menu->close();
        QCOMPARE(edit->text(), after);
    }

    // The standard edit keys reach the field.
    void editKeys_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<QString>("after");
        QTest::addColumn<QString>("clipboard");
        const int ctrl = Qt::ControlModifier, shift = Qt::ShiftModifier;
        QTest::newRow("Ctrl+C copies") << int(Qt::Key_C) << ctrl << "12,5"
                                       << "2,5";
        QTest::newRow("Ctrl+Insert copies") << int(Qt::Key_Insert) << ctrl << "12,5"
                                            << "2,5";
        QTest::newRow("Ctrl+X cuts") << int(Qt::Key_X) << ctrl << "1"
                                     << "2,5";
        QTest::newRow("Shift+Delete cuts") << int(Qt::Key_Delete) << shift << "1"
                                           << "2,5";
        QTest::newRow("Ctrl+A selects all, a digit replaces it") << int(Qt::Key_A) << ctrl << "7"
                                                                 << "x";
        QTest::newRow("Ctrl+Z undoes the last typing") << int(Qt::Key_Z) << ctrl << "12,5"
                                                       << "x";
    }
    void editKeys()
    {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(QString, after);
        QFETCH(QString, clipboard);
        Rig rig;
        QLineEdit* edit = child<QLineEdit>(rig.form, "f1");
        edit->setFocus();
        edit->setText(QStringLiteral("12,5"));
        QApplication::clipboard()->setText(QStringLiteral("x"));
        edit->setSelection(1, 3);
        if (key == Qt::Key_Z)
            QTest::keyClick(edit, Qt::Key_9); // replaces the selection: 19
        QTest::keyClick(edit, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        if (key == Qt::Key_A)
            QTest::keyClick(edit, Qt::Key_7);
        QCOMPARE(edit->text(), after);
        QCOMPARE(QApplication::clipboard()->text(), clipboard);
    }

    // Keys as X11 reports them: the physical key decides, whatever the layout.
    void nativeKeys_data()
    {
        QTest::addColumn<quint32>("scanCode");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("after");
        const int shift = Qt::ShiftModifier;
        QTest::newRow("Russian б key") << 59u << 0x0411 << 0 << "б"
                                       << "1,";
        QTest::newRow("Russian ю key") << 60u << 0x042E << 0 << "ю"
                                       << "1,";
        QTest::newRow("Shift+7, US") << 16u << int(Qt::Key_Ampersand) << shift << "&"
                                     << "17";
        QTest::newRow("Shift+1, Russian") << 10u << int(Qt::Key_Exclam) << shift << "!"
                                          << "11";
        QTest::newRow("Shift+0") << 19u << int(Qt::Key_ParenRight) << shift << ")"
                                 << "10";
        QTest::newRow("Russian letter й") << 24u << 0x0419 << 0 << "й"
                                          << "1";
        QTest::newRow("slash key") << 61u << int(Qt::Key_Period) << 0 << "."
                                   << "1";
        QTest::newRow("keypad 5") << 84u << int(Qt::Key_5) << int(Qt::KeypadModifier) << "5"
                                  << "15";
        QTest::newRow("keypad decimal, Russian")
            << 91u << int(Qt::Key_Comma) << int(Qt::KeypadModifier) << ","
            << "1,";
    }
    void nativeKeys()
    {
        QFETCH(quint32, scanCode);
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(QString, text);
        QFETCH(QString, after);
        Rig rig;
        QLineEdit* edit = child<QLineEdit>(rig.form, "f1");
        edit->setFocus();
        edit->setText(QStringLiteral("1"));
        QKeyEvent press(QEvent::KeyPress, key, Qt::KeyboardModifiers(modifiers), scanCode, 0, 0, text);
        QApplication::sendEvent(edit, &press);
        QCOMPARE(edit->text(), after);
    }

    void tidyOnLeaving_data()
    {
        QTest::addColumn<QString>("before");
        QTest::addColumn<int>("reason");
        QTest::addColumn<QString>("after");
        QTest::newRow("trailing comma goes") << "5," << int(Qt::TabFocusReason) << "5";
        QTest::newRow("comma alone becomes 0") << "," << int(Qt::MouseFocusReason) << "0";
        QTest::newRow("empty becomes 0") << "" << int(Qt::OtherFocusReason) << "0";
        QTest::newRow("number kept") << "12,5" << int(Qt::TabFocusReason) << "12,5";
        QTest::newRow("context menu is not leaving") << "5," << int(Qt::PopupFocusReason) << "5,";
        QTest::newRow("other application is not leaving") << "" << int(Qt::ActiveWindowFocusReason) << "";
    }
    void tidyOnLeaving()
    {
        QFETCH(QString, before);
        QFETCH(int, reason);
        QFETCH(QString, after);
        Rig rig;
        for (QLineEdit* edit : { child<QLineEdit>(rig.form, "vmax"), child<QLineEdit>(rig.form, "ni") }) {
            edit->setText(before);
            QFocusEvent out(QEvent::FocusOut, Qt::FocusReason(reason));
            QApplication::sendEvent(edit, &out);
            QCOMPARE(edit->text(), after);
        }
    }

    // The bottom buttons take the focus, so a field is tidied before it is read.
    void clickingRascetTidiesTheField()
    {
        Rig rig;
        child<QLineEdit>(rig.form, "f1")->setFocus();
        QTRY_VERIFY(child<QLineEdit>(rig.form, "f1")->hasFocus());
        child<QLineEdit>(rig.form, "f1")->clear();
        QTest::keyClicks(child<QLineEdit>(rig.form, "f1"), QStringLiteral("0."));
        QCOMPARE(child<QLineEdit>(rig.form, "f1")->text(), QStringLiteral("0,"));
        QTest::mouseClick(child<QPushButton>(rig.form, "Rascet"), Qt::LeftButton);
        QCOMPARE(child<QLineEdit>(rig.form, "f1")->text(), QStringLiteral("0"));
        QCOMPARE(rig.form.reportWindow(), nullptr);
    }

    void enterWalks_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<int>("group");
        QTest::addColumn<QString>("from");
        QTest::addColumn<QString>("to");
        QTest::newRow("f1 to f2") << 1 << 0 << "f1"
                                  << "f2";
        QTest::newRow("d1 to h in mode 1") << 1 << 0 << "d1"
                                           << "h";
        QTest::newRow("d1 to l0 in mode 2") << 2 << 0 << "d1"
                                            << "l0";
        QTest::newRow("h to ni in mode 1") << 1 << 0 << "h"
                                           << "ni";
        QTest::newRow("n to ni in mode 2") << 2 << 0 << "n"
                                           << "ni";
        QTest::newRow("n to f1 with group II") << 2 << 1 << "n"
                                               << "f1";
        QTest::newRow("h to f1 with group IV") << 1 << 3 << "h"
                                               << "f1";
        QTest::newRow("stepni to vmax") << 1 << 2 << "stepni"
                                        << "vmax";
        QTest::newRow("vmax to f1") << 1 << 0 << "vmax"
                                    << "f1";
        QTest::newRow("rbh to ni in mode 1") << 1 << 0 << "rbh"
                                             << "ni";
        QTest::newRow("rbl0 to l0 in mode 2") << 2 << 0 << "rbl0"
                                              << "l0";
        QTest::newRow("winding to ni") << 1 << 0 << "navivkaRight"
                                       << "ni";
        QTest::newRow("material to f1") << 1 << 0 << "material"
                                        << "f1";
        QTest::newRow("group to f1") << 1 << 0 << "grup"
                                     << "f1";
        QTest::newRow("memo keeps the focus") << 1 << 0 << "comm"
                                              << "comm";
    }
    void enterWalks()
    {
        QFETCH(int, mode);
        QFETCH(int, group);
        QFETCH(QString, from);
        QFETCH(QString, to);
        Rig rig;
        (mode == 1 ? child<QRadioButton>(rig.form, "rbh") : child<QRadioButton>(rig.form, "rbl0"))->click();
        rig.pickGroup(group);
        auto* start = rig.form.findChild<QWidget*>(from);
        auto* target = rig.form.findChild<QWidget*>(to);
        QVERIFY(start && target);
        for (Qt::Key key : { Qt::Key_Return, Qt::Key_Enter }) {
            start->setFocus();
            QTRY_COMPARE(QApplication::focusWidget(), start);
            const QString textBefore
                = child<QLineEdit>(rig.form, "f1")->text() + child<QLineEdit>(rig.form, "ni")->text();
            QTest::keyClick(start, key, key == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier);
            QCOMPARE(QApplication::focusWidget(), target);
            QCOMPARE(child<QLineEdit>(rig.form, "f1")->text() + child<QLineEdit>(rig.form, "ni")->text(),
                textBefore);
        }
    }

    // Tab: every control, the selected button of each radio choice.
    void tabWalks_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<bool>("newForm"); // after New
        QTest::addColumn<QString>("from");
        QTest::addColumn<QString>("to");
        const QList<QPair<QString, QString>> mode1 { { "f1", "f2" }, { "f2", "d1" }, { "d1", "h" },
            { "h", "rbh" }, { "rbh", "navivkaRight" }, { "navivkaRight", "ni" }, { "ni", "stepni" },
            { "stepni", "vmax" }, { "vmax", "material" }, { "material", "grup" }, { "grup", "comm" },
            { "comm", "Rascet" }, { "Rascet", "scetch" }, { "scetch", "Stop" }, { "Stop", "SpeedButton1" },
            { "SpeedButton1", "SpeedButton3" }, { "SpeedButton3", "SpeedButton2" },
            { "SpeedButton2", "SpeedButton4" }, { "SpeedButton4", "SpeedButton5" },
            { "SpeedButton5", "f1" } };
        for (const auto& [from, to] : mode1)
            QTest::addRow("%s to %s", qPrintable(from), qPrintable(to)) << 1 << false << from << to;
        QTest::newRow("mode 2: d1 to rbl0") << 2 << false << "d1"
                                            << "rbl0";
        QTest::newRow("mode 2: rbl0 to l0") << 2 << false << "rbl0"
                                            << "l0";
        QTest::newRow("mode 2: n to the winding") << 2 << false << "n"
                                                  << "navivkaRight";
        QTest::newRow("after New: rbh to the winding") << 1 << true << "rbh"
                                                       << "navivkaRight";
    }
    void tabWalks()
    {
        QFETCH(int, mode);
        QFETCH(bool, newForm);
        QFETCH(QString, from);
        QFETCH(QString, to);
        Rig rig;
        if (newForm)
            child<QToolButton>(rig.form, "SpeedButton1")->click();
        (mode == 1 ? child<QRadioButton>(rig.form, "rbh") : child<QRadioButton>(rig.form, "rbl0"))->click();
        auto* start = rig.form.findChild<QWidget*>(from);
        start->setFocus();
        QTRY_COMPARE(QApplication::focusWidget(), start);
        QTest::keyClick(start, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget()->objectName(), to);
    }

    // Each shortcut works with the caret in a numeric field, and its
    // button's tooltip names it.
    void shortcuts_data()
    {
        QTest::addColumn<QKeyCombination>("key");
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("tooltip");
        QTest::newRow("Ctrl+N new") << (Qt::CTRL | Qt::Key_N) << "SpeedButton1"
                                    << "Новый расчет (Ctrl+N)";
        QTest::newRow("Ctrl+O load") << (Qt::CTRL | Qt::Key_O) << "SpeedButton3"
                                     << "Загрузить исходные данные (Ctrl+O)";
        QTest::newRow("Ctrl+S save") << (Qt::CTRL | Qt::Key_S) << "SpeedButton2"
                                     << "Сохранить исходные данные (Ctrl+S)";
        QTest::newRow("F9 Расчет") << QKeyCombination(Qt::Key_F9) << "Rascet"
                                   << "Расчет (F9)";
        QTest::newRow("Ctrl+E Эскиз") << (Qt::CTRL | Qt::Key_E) << "scetch"
                                      << "Эскиз (Ctrl+E)";
    }
    void shortcuts()
    {
        QFETCH(QKeyCombination, key);
        QFETCH(QString, button);
        QFETCH(QString, tooltip);
        Rig rig;
        QVERIFY(rig.form.findChild<QAbstractButton*>(button)->toolTip().startsWith(tooltip));
        const QString loaded = rig.ownCopy("wire-class2.rid", "loaded.rid"); // Save writes into it
        rig.load(loaded);
        rig.files.toOpen = rig.ridPath("again.rid");
        QFile::copy(QStringLiteral(EXAMPLES_DIR "wire-class2.rid"), rig.files.toOpen);
        rig.files.toSave = rig.ridPath("saved.rid");
        child<QLineEdit>(rig.form, "d1")->setFocus();
        QTRY_VERIFY(child<QLineEdit>(rig.form, "d1")->hasFocus());
        child<QLineEdit>(rig.form, "d1")->setText(QStringLiteral("20,")); // tidied before "Расчет" reads it
        rig.messages.saveAnswers = { Messages::SaveAnswer::DontSave };
        QTest::keyClick(child<QLineEdit>(rig.form, "d1"), key.key(), key.keyboardModifiers());
        // What the command leaves behind.
        if (button == "SpeedButton1")
            QCOMPARE(child<QLineEdit>(rig.form, "f1")->text(), QStringLiteral("0"));
        else if (button == "SpeedButton3")
            QCOMPARE(rig.form.windowTitle(), "Расчет пружины " + rig.files.toOpen);
        else if (button == "SpeedButton2")
            QCOMPARE(fileLines(loaded).value(9), QStringLiteral("20,")); // as typed
        else if (button == "Rascet")
            QVERIFY(rig.form.reportWindow() && rig.form.reportWindow()->isVisible());
        else
            QVERIFY(rig.form.sketchWindow() && rig.form.sketchWindow()->isVisible());
        // The field was tidied as a click on "Расчет" tidies it.
        if (button == "Rascet")
            QCOMPARE(child<QLineEdit>(rig.form, "d1")->text(), QStringLiteral("20"));
    }

    void groupChoiceEnablesEndurance()
    {
        Rig rig;
        const QList<QLineEdit*> endurance { child<QLineEdit>(rig.form, "ni"),
            child<QLineEdit>(rig.form, "stepni"), child<QLineEdit>(rig.form, "vmax") };
        for (int group : { 1, 2, 3, 0 }) {
            rig.pickGroup(group);
            for (QLineEdit* edit : endurance)
                QCOMPARE(edit->isEnabled(), group == 0 || group == 2);
        }
    }

    void materialChoiceRefillsTheColumn()
    {
        Rig rig;
        rig.pickMaterial(2);
        QCOMPARE(rig.memo(), diameterMemo(rig.data, child<QComboBox>(rig.form, "material")->itemText(2)));
    }

    // What "Расчет" stores before it stops or goes on.
    void rascetReads_data()
    {
        QTest::addColumn<QStringList>("texts"); // f1 f2 d1 h vmax ni stepni l0 n
        QTest::addColumn<int>("mode");
        QTest::addColumn<int>("group");
        QTest::addColumn<bool>("proceeds");
        QTest::addColumn<QList<double>>("stored"); // F1 F2 D1 H Vmax L0 n
        QTest::addColumn<QStringList>("after"); // vmax and ni texts afterwards
        const double unset = 0; // as before the first calculation
        QTest::newRow("f1 zero stops")
            << QStringList { "0", "30", "20", "15", "0", "0", "5", "0", "0" } << 1 << 0 << false
            << QList<double> { 0, unset, unset, unset, unset, unset, unset } << QStringList { "0", "0" };
        QTest::newRow("d1 zero stops")
            << QStringList { "10", "30", "0", "15", "0", "0", "5", "0", "0" } << 1 << 0 << false
            << QList<double> { 100, 300, 0, unset, unset, unset, unset } << QStringList { "0", "0" };
        QTest::newRow("h zero stops in mode 1")
            << QStringList { "10", "30", "20", "0", "0", "0", "5", "60", "8" } << 1 << 0 << false
            << QList<double> { 100, 300, 20, 0, unset, unset, unset } << QStringList { "0", "0" };
        QTest::newRow("l0 zero stops in mode 2, after the replacements")
            << QStringList { "10", "30", "20", "15", "0", "0", "0", "0", "8" } << 2 << 0 << false
            << QList<double> { 100, 300, 20, 15, 3, 0, unset } << QStringList { "3", "1" };
        QTest::newRow("n zero stops in mode 2")
            << QStringList { "10", "30", "20", "0", "0,0", "2", "5", "60", "0" } << 2 << 0 << false
            << QList<double> { 100, 300, 20, 0, 0, 60, 0 } << QStringList { "0,0", "2" };
        QTest::newRow("mode 1 proceeds with l0 and n zero")
            << QStringList { "10", "30", "20", "15", "2", "0", "5", "0", "0" } << 1 << 0 << true
            << QList<double> { 100, 300, 20, 15, 2, 0, 0 } << QStringList { "2", "1" };
        QTest::newRow("mode 2 proceeds with h zero")
            << QStringList { "10", "30", "20", "0", "2", "0", "5", "60", "8" } << 2 << 0 << true
            << QList<double> { 100, 300, 20, 0, 2, 60, 8 } << QStringList { "2", "1" };
        QTest::newRow("group II reads its disabled fields")
            << QStringList { "10", "30", "20", "15", "0", "0", "0", "0", "0" } << 1 << 1 << true
            << QList<double> { 100, 300, 20, 15, 3, 0, 0 } << QStringList { "3", "1" };
    }
    void rascetReads()
    {
        QFETCH(QStringList, texts);
        QFETCH(int, mode);
        QFETCH(int, group);
        QFETCH(bool, proceeds);
        QFETCH(QList<double>, stored);
        QFETCH(QStringList, after);
        Rig rig;
        const QList<QLineEdit*> fields { child<QLineEdit>(rig.form, "f1"), child<QLineEdit>(rig.form, "f2"),
            child<QLineEdit>(rig.form, "d1"), child<QLineEdit>(rig.form, "h"),
            child<QLineEdit>(rig.form, "vmax"), child<QLineEdit>(rig.form, "ni"),
            child<QLineEdit>(rig.form, "stepni"), child<QLineEdit>(rig.form, "l0"),
            child<QLineEdit>(rig.form, "n") };
        for (int k = 0; k < fields.size(); ++k)
            fields[k]->setText(texts[k]);
        (mode == 1 ? child<QRadioButton>(rig.form, "rbh") : child<QRadioButton>(rig.form, "rbl0"))->click();
        rig.pickGroup(group);
        child<QRadioButton>(rig.form, "navivkaLeft")->click();
        child<QPushButton>(rig.form, "Rascet")->click();
        const CalcInputs& in = rig.inputs();
        QCOMPARE(QList<double>({ in.F1, in.F2, in.D1, in.H, in.Vmax, in.L0, in.n }), stored);
        QCOMPARE(QString::fromStdString(in.materialName), kWire1);
        QCOMPARE(QStringList({ child<QLineEdit>(rig.form, "vmax")->text(),
                     child<QLineEdit>(rig.form, "ni")->text() }),
            after);
        QCOMPARE(rig.form.reportWindow() != nullptr, proceeds);
        if (proceeds) {
            QVERIFY(rig.form.reportWindow()->isVisible());
            const CalcResult& result = rig.form.lastResult();
            QVERIFY(!result.chosenD || result.values.k3 > 59.43);
            QCOMPARE(in.group, group + 1);
            QCOMPARE(in.winding, 1);
            QCOMPARE(in.NiExp, child<QLineEdit>(rig.form, "stepni")->text().toInt());
        }
    }

    // "Расчет" shows its result in the open report, sketch and chart; one
    // that stops closes them, and they come back.
    void rascetRefreshesTheOpenWindows()
    {
        Rig rig;
        rig.load(QStringLiteral(EXAMPLES_DIR "wire-class2.rid"));
        child<QPushButton>(rig.form, "Rascet")->click();
        TForm3* report = rig.form.reportWindow();
        child<QPushButton>(*report, "chartButton")->click();
        auto* chart = report->findChild<TForm12*>();
        child<QPushButton>(rig.form, "scetch")->click();
        QWidget* sketch = rig.form.sketchWindow();
        // The sketch shows this calculation's force F3 = 1,25 × 300 Н.
        auto* f3 = child<QLineEdit>(*sketch, "Edit3");
        QCOMPARE(f3->text(), QStringLiteral("375"));
        child<QLineEdit>(rig.form, "f2")->setText("40");
        child<QPushButton>(rig.form, "Rascet")->click();
        QVERIFY(report->isVisible() && sketch->isVisible() && chart->isVisible());
        QCOMPARE(f3->text(), QStringLiteral("500"));
        QCOMPARE(chart->chart().points.back().force, 500.0);
        child<QLineEdit>(rig.form, "f1")->setText("0");
        child<QPushButton>(rig.form, "Rascet")->click();
        QVERIFY(!report->isVisible() && !sketch->isVisible());
        // The same windows come back.
        child<QLineEdit>(rig.form, "f1")->setText("3");
        child<QPushButton>(rig.form, "Rascet")->click();
        child<QPushButton>(rig.form, "scetch")->click();
        QCOMPARE(rig.form.reportWindow(), report);
        QCOMPARE(rig.form.sketchWindow(), sketch);
        QVERIFY(report->isVisible() && sketch->isVisible());
    }

    // The title marks unsaved changes, until they are saved or undone.
    void titleMarksUnsavedChanges()
    {
        Rig rig;
        child<QLineEdit>(rig.form, "f1")->setText("5");
        QCOMPARE(rig.form.windowTitle(), kCaption + " *");
        child<QLineEdit>(rig.form, "f1")->setText("0");
        QCOMPARE(rig.form.windowTitle(), kCaption);
        child<QRadioButton>(rig.form, "navivkaLeft")->click();
        rig.files.toSave = rig.ridPath("saved.rid");
        QCOMPARE(rig.form.windowTitle(), kCaption + " *");
        child<QToolButton>(rig.form, "SpeedButton2")->click();
        QCOMPARE(rig.form.windowTitle(), "Расчет пружины " + rig.files.toSave);
    }

    // After F9 the report has the keyboard: Ctrl+Tab turns its tabs.
    void f9GivesTheReportTheKeyboard()
    {
        Rig rig;
        rig.load(QStringLiteral(EXAMPLES_DIR "wire-class2.rid"));
        QTest::keyClick(child<QLineEdit>(rig.form, "f1"), Qt::Key_F9);
        TForm3* report = rig.form.reportWindow();
        QTRY_COMPARE(QApplication::activeWindow(), report);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, Qt::ControlModifier);
        QCOMPARE(child<QTabWidget>(*report, "views")->currentIndex(), 1);
    }

    // A pasted text that is no number, or a value that makes no spring (a
    // file or a paste can bring both in): one message, no report, and the
    // windows stay closed as after a zero stop.
    void rascetEndsWithAMessage_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("message");
        QTest::newRow("float") << "d1"
                               << "2O"
                               << "'2O' is not a valid floating point value";
        QTest::newRow("integer") << "stepni"
                                 << "x"
                                 << "'x' is not a valid integer value";
        QTest::newRow("negative stroke") << "h"
                                         << "-20"
                                         << "Значение H не может быть отрицательным";
    }
    void rascetEndsWithAMessage()
    {
        QFETCH(QString, field);
        QFETCH(QString, text);
        QFETCH(QString, message);
        Rig rig;
        rig.load(QStringLiteral(EXAMPLES_DIR "wire-class2.rid"));
        child<QPushButton>(rig.form, "Rascet")->click();
        child<QPushButton>(rig.form, "scetch")->click();
        QVERIFY(rig.form.reportWindow()->isVisible() && rig.form.sketchWindow()->isVisible());
        rig.form.findChild<QLineEdit*>(field)->setText(text); // as pasted
        child<QPushButton>(rig.form, "Rascet")->click();
        QCOMPARE(rig.messages.messages, QStringList { message });
        QVERIFY(!rig.form.reportWindow()->isVisible());
        QVERIFY(!rig.form.sketchWindow()->isVisible());
    }

    // The report of an example file equals what pruzcalc prints for it.
    void reportAsPruzcalc()
    {
        const QString pruzcalc = QStringLiteral(PRUZCALC);
        Rig rig;
        const QString rid = QStringLiteral(EXAMPLES_DIR "wire-class2.rid");
        QProcess calc;
        calc.start(pruzcalc, { "--data", rig.data.dir(), rid });
        QVERIFY(calc.waitForFinished(30000));
        rig.load(rid);
        child<QPushButton>(rig.form, "Rascet")->click();
        QVERIFY(rig.form.reportWindow());
        QCOMPARE(rig.form.reportWindow()->reportLines().join('\n') + '\n',
            QString::fromUtf8(calc.readAllStandardOutput()));
        QString messages = rig.messages.messages.join('\n');
        QCOMPARE(messages.replace('\r', '\n'), QString::fromUtf8(calc.readAllStandardError()).trimmed());
    }

    // Save writes into the design's own file without a question; "Сохранить
    // как…" (Ctrl+Shift+S) asks for a name; a design never saved asks too.
    void saveAndSaveAs_data()
    {
        QTest::addColumn<bool>("loaded");
        QTest::addColumn<QKeyCombination>("key");
        QTest::addColumn<bool>("asked");
        QTest::newRow("Ctrl+S on a loaded design") << true << (Qt::CTRL | Qt::Key_S) << false;
        QTest::newRow("Ctrl+Shift+S on a loaded design")
            << true << (Qt::CTRL | Qt::SHIFT | Qt::Key_S) << true;
        QTest::newRow("Ctrl+S on a new design") << false << (Qt::CTRL | Qt::Key_S) << true;
    }
    void saveAndSaveAs()
    {
        QFETCH(bool, loaded);
        QFETCH(QKeyCombination, key);
        QFETCH(bool, asked);
        Rig rig;
        const QString own = rig.ownCopy("wire-class2.rid", "own.rid");
        if (loaded)
            rig.load(own);
        rig.files.folders.clear();
        rig.files.toSave = rig.ridPath("other.rid");
        child<QLineEdit>(rig.form, "f1")->setText(QStringLiteral("12"));
        QTest::keyClick(child<QLineEdit>(rig.form, "f1"), key.key(), key.keyboardModifiers());
        QCOMPARE(rig.files.folders.size(), asked ? 1 : 0);
        const QString written = asked ? rig.files.toSave : own;
        QCOMPARE(fileLines(written).value(7), QStringLiteral("12"));
        QVERIFY(rig.messages.questions.isEmpty());
        QVERIFY(!rig.form.inputChanged());
    }

    // Result windows that no longer show what the form holds say so, until
    // the next calculation; the chart opened from such a window too.
    void staleResultsAreMarked()
    {
        Rig rig;
        rig.load(QStringLiteral(EXAMPLES_DIR "wire-class2.rid"));
        child<QPushButton>(rig.form, "Rascet")->click();
        child<QPushButton>(rig.form, "scetch")->click();
        QList<QWidget*> windows { rig.form.reportWindow(), rig.form.sketchWindow() };
        auto marked = [&](QWidget* w) {
            auto* line = w->property("staleLine").value<QLabel*>();
            return line && line->isVisible()
                && w->windowTitle().endsWith(QStringLiteral(" — исходные данные изменены"));
        };
        for (QWidget* w : windows)
            QVERIFY(!marked(w));
        child<QLineEdit>(rig.form, "f2")->setText(QStringLiteral("31"));
        for (QWidget* w : windows)
            QVERIFY2(marked(w), qPrintable(w->windowTitle()));
        scetchtest::saveScreenshot(*rig.form.reportWindow(), QStringLiteral("report-stale"));
        scetchtest::saveScreenshot(*rig.form.sketchWindow(), QStringLiteral("sketch-stale"));
        QCOMPARE(rig.form.reportWindow()->property("staleLine").value<QLabel*>()->text(),
            QStringLiteral("Исходные данные изменены — нажмите «Расчет»"));
        rig.form.reportWindow()->findChild<QPushButton*>(QStringLiteral("chartButton"))->click();
        auto* chart = rig.form.reportWindow()->findChild<TForm12*>();
        QVERIFY(chart && marked(chart));
        child<QLineEdit>(rig.form, "f2")->setText(QStringLiteral("30")); // back as calculated
        QVERIFY(!marked(rig.form.reportWindow()) && !marked(chart));
        child<QLineEdit>(rig.form, "f2")->setText(QStringLiteral("31"));
        child<QPushButton>(rig.form, "Rascet")->click();
        child<QPushButton>(rig.form, "scetch")->click();
        for (QWidget* w : windows)
            QVERIFY(!marked(w));
        QCOMPARE(rig.form.reportWindow()->windowTitle(), QStringLiteral("Результат расчета"));
        QVERIFY(!marked(chart));
    }

    // Alt and a letter reach the controls; Settings, About and the recent
    // files have keys of their own.
    void keyboardReach_data()
    {
        QTest::addColumn<QKeyCombination>("key");
        QTest::addColumn<QString>("focused");
        QTest::newRow("Alt+М material") << (Qt::ALT | Qt::Key(0x041C)) << "material";
        QTest::newRow("Alt+Ч F2") << (Qt::ALT | Qt::Key(0x0427)) << "f2";
        QTest::newRow("Alt+Л winding") << (Qt::ALT | Qt::Key(0x041B)) << "navivkaLeft";
        // The same keys with a Latin layout.
        QTest::newRow("Alt+V material") << (Qt::ALT | Qt::Key_V) << "material";
        QTest::newRow("Alt+X F2") << (Qt::ALT | Qt::Key_X) << "f2";
        QTest::newRow("Alt+K winding") << (Qt::ALT | Qt::Key_K) << "navivkaLeft";
    }
    void keyboardReach()
    {
        QFETCH(QKeyCombination, key);
        QFETCH(QString, focused);
        Rig rig;
        child<QLineEdit>(rig.form, "f1")->setFocus();
        QTRY_COMPARE(QApplication::focusWidget(), child<QLineEdit>(rig.form, "f1"));
        const QString letter = QString(QChar(char16_t(key.key()))).toLower();
        QTest::sendKeyEvent(
            QTest::Click, child<QLineEdit>(rig.form, "f1"), key.key(), letter, key.keyboardModifiers());
        QCOMPARE(QApplication::focusWidget()->objectName(), focused);
    }

    void shortcutsOpenSettingsAboutAndRecentFiles()
    {
        QTemporaryDir config;
        Rig rig(true, config.filePath("pruz.ini"));
        QTest::keyClick(child<QLineEdit>(rig.form, "f1"), Qt::Key_R, Qt::ControlModifier);
        auto* recent = rig.form.findChild<QMenu*>(QStringLiteral("recentFiles"));
        QVERIFY(recent);
        recent->close();
        QString opened;
        OnModal close([&](QWidget* modal) {
            opened = qobject_cast<TAboutBox*>(modal) ? QStringLiteral("about") : modal->objectName();
            static_cast<QDialog*>(modal)->reject();
        });
        QTest::keyClick(child<QLineEdit>(rig.form, "f1"), Qt::Key_F1);
        QCOMPARE(opened, QStringLiteral("about"));
        QVERIFY(child<QToolButton>(rig.form, "SpeedButton4")
                    ->toolTip()
                    .contains(QKeySequence(Qt::CTRL | Qt::Key_Comma).toString(QKeySequence::NativeText)));
    }

    // Two programs at once: a file the other one added is kept when this
    // one writes its list.
    void recentFilesOfAnotherInstanceKept()
    {
        QTemporaryDir config;
        const QString ini = config.filePath("pruz.ini");
        AppSettings mine(ini);
        mine.addRecentFile(QStringLiteral("/d/a.rid"));
        QVERIFY(mine.save());
        QTest::qWait(20); // a later time stamp
        {
            QFile other(ini); // the other program's write
            QVERIFY(other.open(QIODevice::WriteOnly));
            other.write("[files]\nrecent=/d/b.rid, /d/a.rid\n");
        }
        mine.addRecentFile(QStringLiteral("/d/c.rid"));
        QVERIFY(mine.save());
        QCOMPARE(AppSettings(ini).recentFiles(), QStringList({ "/d/c.rid", "/d/b.rid", "/d/a.rid" }));
    }

    void saveThenLoadRestoresTheForm()
    {
        Rig rig;
        child<QRadioButton>(rig.form, "rbl0")->click();
        rig.pickMaterial(4);
        rig.pickGroup(3);
        child<QRadioButton>(rig.form, "navivkaLeft")->click();
        const QList<QLineEdit*> fields { child<QLineEdit>(rig.form, "f1"), child<QLineEdit>(rig.form, "f2"),
            child<QLineEdit>(rig.form, "d1"), child<QLineEdit>(rig.form, "h"),
            child<QLineEdit>(rig.form, "vmax"), child<QLineEdit>(rig.form, "ni"),
            child<QLineEdit>(rig.form, "stepni"), child<QLineEdit>(rig.form, "l0"),
            child<QLineEdit>(rig.form, "n") };
        const QStringList texts { "1,5", "12,", "", "0", "3", "7", "9", "45,25", "6,5" };
        for (int k = 0; k < fields.size(); ++k)
            fields[k]->setText(texts[k]);
        child<QLineEdit>(rig.form, "vmax")->setEnabled(true); // not what the group says: saved as it is
        const QStringList saved = ridText(rig.form.formState());
        rig.files.toSave = rig.ridPath("проба.rid");
        child<QToolButton>(rig.form, "SpeedButton2")->click();
        QCOMPARE(fileLines(rig.files.toSave), saved);
        QFile raw(rig.files.toSave);
        QVERIFY(raw.open(QIODevice::ReadOnly));
        QCOMPARE(raw.readAll(),
            QByteArray::fromStdString(utf8ToCp1251(saved.join("\r\n").toStdString() + "\r\n")));

        child<QToolButton>(rig.form, "SpeedButton1")->click();
        QCOMPARE(rig.form.windowTitle(), kCaption);
        QVERIFY(ridText(rig.form.formState()) != saved);
        rig.load(rig.files.toSave);
        QCOMPARE(ridText(rig.form.formState()), saved);
        QCOMPARE(rig.form.formState().mode, 2);
        QCOMPARE(rig.form.windowTitle(), "Расчет пружины " + rig.files.toSave);
        QCOMPARE(rig.memo(), diameterMemo(rig.data, child<QComboBox>(rig.form, "material")->itemText(4)));
        QCOMPARE(rig.messages.messages, QStringList());
    }

    // A file that does not load changes nothing, the caption included.
    void badFileChangesNothing_data()
    {
        QTest::addColumn<QStringList>("lines"); // empty: no such file
        QTest::addColumn<QString>("message"); // "%1": the file's full name
        QStringList letters = kWire2Example;
        letters[2] = "один";
        QStringList badGroup = kWire2Example;
        badGroup[16] = "II";
        QTest::newRow("missing file") << QStringList() << "no %1";
        QTest::newRow("mode not an integer") << letters << "Файл %1: строка 3 — не целое число «один»";
        QTest::newRow("group not an integer") << badGroup << "Файл %1: строка 17 — не целое число «II»";
        QTest::newRow("16 lines") << kWire2Example.mid(0, 16) << "Файл %1: строка 17 — не целое число «»";
    }
    void badFileChangesNothing()
    {
        QFETCH(QStringList, lines);
        QFETCH(QString, message);
        Rig rig;
        const QString path = rig.ridPath("bad.rid");
        if (!lines.isEmpty())
            rig.data.write("bad.rid", lines);
        child<QLineEdit>(rig.form, "f1")->setText("4");
        const QStringList before = ridText(rig.form.formState());
        const QStringList memoBefore = rig.memo();
        rig.messages.saveAnswers = { Messages::SaveAnswer::DontSave };
        rig.load(path);
        QCOMPARE(rig.messages.messages, QStringList { QString(message).replace("%1", path) });
        QCOMPARE(ridText(rig.form.formState()), before);
        QCOMPARE(rig.form.windowTitle(), kCaption + " *"); // the changes stay unsaved
        QCOMPARE(rig.memo(), memoBefore);
    }

    void loadChoices_data()
    {
        QTest::addColumn<int>("line"); // 1-based line of kWire2Example to replace
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("material");
        QTest::addColumn<int>("winding");
        QTest::addColumn<QStringList>("messages");
        QTest::newRow("material found by its name") << 7 << "5" << kWire2 << 1 << QStringList();
        QTest::newRow("material gone: none chosen, and said")
            << 22 << "Бронза" << QString() << 1
            << QStringList { "В каталоге нет материала \"Бронза\"", "Не выбран материал" };
        QTest::newRow("no name: by index") << 22 << "" << kWire2 << 1 << QStringList();
        QTest::newRow("winding 5 is right") << 18 << "5" << kWire2 << 1 << QStringList();
        QTest::newRow("winding -3 is none") << 18 << "-3" << kWire2 << -1 << QStringList();
        QTest::newRow("winding 0 is left") << 18 << "0" << kWire2 << 0 << QStringList();
    }
    void loadChoices()
    {
        QFETCH(int, line);
        QFETCH(QString, value);
        QFETCH(QString, material);
        QFETCH(int, winding);
        QFETCH(QStringList, messages);
        Rig rig;
        QStringList lines = kWire2Example;
        lines[line - 1] = value;
        rig.data.write("case.rid", lines);
        rig.load(rig.ridPath("case.rid"));
        QCOMPARE(child<QComboBox>(rig.form, "material")->currentText(), material);
        QCOMPARE(rig.form.formState().navivkaIndex, winding);
        QCOMPARE(
            child<QLineEdit>(rig.form, "f1")->text(), lines[7]); // the other inputs are loaded in any case
        if (material.isEmpty()) { // saved as the file had it, and shown as missing
            QCOMPARE(ridText(rig.form.formState()).mid(6, 1), lines.mid(6, 1));
            QCOMPARE(ridText(rig.form.formState()).last(), value);
            QCOMPARE(child<QComboBox>(rig.form, "material")->placeholderText(), value + " (нет в каталоге)");
        }
        child<QPushButton>(rig.form, "Rascet")->click();
        QCOMPARE(rig.messages.messages, messages);
        QCOMPARE(QString::fromStdString(rig.inputs().materialName), material);
        if (!material.isEmpty()) // "Расчет" went on past the material
            QCOMPARE(rig.inputs().winding, winding + 1);
    }

    void loadKeepsEnabledStatesOfTheFile()
    {
        Rig rig;
        QStringList lines = kWire2Example;
        lines[18] = "0"; // ni disabled although the group is I
        lines[20] = "0"; // vmax too
        rig.data.write("states.rid", lines);
        rig.load(rig.ridPath("states.rid"));
        QVERIFY(!child<QLineEdit>(rig.form, "ni")->isEnabled()
            && child<QLineEdit>(rig.form, "stepni")->isEnabled()
            && !child<QLineEdit>(rig.form, "vmax")->isEnabled());
        QCOMPARE(ridText(rig.form.formState()), lines);
    }

    void loadWithNeitherRadioChecked()
    {
        Rig rig;
        QStringList lines = kWire2Example;
        lines[0] = "0";
        rig.data.write("none.rid", lines);
        rig.load(rig.ridPath("none.rid"));
        QVERIFY(!child<QRadioButton>(rig.form, "rbh")->isChecked()
            && !child<QRadioButton>(rig.form, "rbl0")->isChecked());
        QCOMPARE(ridText(rig.form.formState()), lines);
    }

    void failedSaveKeepsTheCaption()
    {
        Rig rig;
        rig.files.toSave = rig.data.dir() + "no-such-folder/x.rid";
        child<QToolButton>(rig.form, "SpeedButton2")->click();
        QCOMPARE(rig.messages.messages, QStringList { "Ошибка при записи в " + rig.files.toSave });
        QCOMPARE(rig.form.windowTitle(), kCaption);
        // A write that fails late leaves the old file as it was.
        rig.files.toSave = rig.ridPath("keep.rid");
        rig.data.write("keep.rid", { "old" });
        rig.messages.answers = { true }; // replace it
        setWriteFaultInjector([](WriteStage stage) { return stage == WriteStage::Rename; });
        child<QToolButton>(rig.form, "SpeedButton2")->click();
        setWriteFaultInjector({});
        QCOMPARE(rig.messages.messages.value(1), "Ошибка при записи в " + rig.files.toSave);
        QCOMPARE(fileLines(rig.files.toSave), QStringList { "old" });
        QCOMPARE(rig.form.windowTitle(), kCaption);
    }

    // New, Load and closing ask first when the form was changed since the
    // last Save or Load: Save / Don't save / Cancel.
    void unsavedInput_data()
    {
        QTest::addColumn<QString>("command"); // new, load, close
        QTest::addColumn<bool>("touched");
        QTest::addColumn<int>("answer"); // Messages::SaveAnswer
        QTest::addColumn<bool>("saved");
        QTest::addColumn<bool>("done");
        const int save = int(Messages::SaveAnswer::Save), dontSave = int(Messages::SaveAnswer::DontSave),
                  cancel = int(Messages::SaveAnswer::Cancel);
        for (const char* command : { "new", "load", "close" }) {
            QTest::addRow("%s, untouched: no question", command)
                << command << false << cancel << false << true;
            QTest::addRow("%s, Save", command) << command << true << save << true << true;
            QTest::addRow("%s, Don't save", command) << command << true << dontSave << false << true;
            QTest::addRow("%s, Cancel", command) << command << true << cancel << false << false;
        }
        // "Расчет" replaces ni "0" by "1" itself: no change of the user's.
        QTest::newRow("new after Расчет alone: no question")
            << "rascet, new" << false << cancel << false << true;
    }
    void unsavedInput()
    {
        QFETCH(QString, command);
        QFETCH(bool, touched);
        QFETCH(int, answer);
        QFETCH(bool, saved);
        QFETCH(bool, done);
        Rig rig;
        // "Сохранить" writes into the loaded file: a copy of the example.
        const QString own = rig.ownCopy("steel-60s2a.rid", "steel.rid");
        rig.load(own);
        QVERIFY(!rig.form.inputChanged());
        const QString original = child<QLineEdit>(rig.form, "f2")->text();
        if (touched) {
            child<QLineEdit>(rig.form, "f2")->setFocus();
            QTest::keyClick(child<QLineEdit>(rig.form, "f2"), Qt::Key_5);
        }
        rig.files.toSave = rig.ridPath("changes.rid"); // never asked for
        rig.files.toOpen = QStringLiteral(EXAMPLES_DIR "wire-class2.rid");
        rig.messages.saveAnswers = { Messages::SaveAnswer(answer) };
        const QString title = rig.form.windowTitle();
        const QString typed = child<QLineEdit>(rig.form, "f2")->text();
        if (command.startsWith("rascet")) {
            child<QPushButton>(rig.form, "Rascet")->click();
            QCOMPARE(child<QLineEdit>(rig.form, "ni")->text(), QStringLiteral("1"));
        }
        if (command.endsWith("new"))
            child<QToolButton>(rig.form, "SpeedButton1")->click();
        else if (command == "load")
            child<QToolButton>(rig.form, "SpeedButton3")->click();
        else
            child<QPushButton>(rig.form, "Stop")->click();
        QCOMPARE(rig.messages.saveQuestions.size(), touched ? 1 : 0);
        QVERIFY(!QFile::exists(rig.files.toSave));
        QCOMPARE(fileLines(own).value(8), saved ? typed : original);
        if (command == "close")
            QCOMPARE(rig.form.isVisible(), !done);
        else
            QCOMPARE(rig.form.windowTitle() != title, done);
    }

    void saveAsksBeforeReplacing()
    {
        Rig rig;
        rig.files.toSave = rig.ridPath("there.rid");
        // "Сохранить как…": Save itself asks only while the design has no file.
        checkReplacing(rig.messages, rig.files.toSave, [&] {
            QTest::keyClick(
                child<QLineEdit>(rig.form, "f1"), Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier);
        });
    }

    void cancelledDialogsChangeNothing()
    {
        Rig rig;
        const QStringList before = ridText(rig.form.formState());
        child<QToolButton>(rig.form, "SpeedButton2")->click();
        child<QToolButton>(rig.form, "SpeedButton3")->click();
        QCOMPARE(ridText(rig.form.formState()), before);
        QCOMPARE(rig.form.windowTitle(), kCaption);
        QCOMPARE(rig.messages.messages, QStringList());
    }

    void newCalculation()
    {
        Rig rig;
        rig.load(QStringLiteral(EXAMPLES_DIR "stainless-free-length.rid"));
        rig.pickGroup(1);
        rig.messages.saveAnswers = { Messages::SaveAnswer::DontSave };
        child<QToolButton>(rig.form, "SpeedButton1")->click();
        QCOMPARE(rig.form.windowTitle(), kCaption);
        InputForm expected; // as at start-up
        expected.materialName = kWire1.toStdString();
        QCOMPARE(ridText(rig.form.formState()), ridText(expected));
        QCOMPARE(rig.form.formState().mode, 1);
        QCOMPARE(rig.memo(), diameterMemo(rig.data, kWire1));
    }

    // Back from the settings window: the catalogue is read again, the
    // material chosen before stays chosen while it is still there, and the
    // column shows the diameters of the material now selected.
    void returnFromSettings_data()
    {
        QTest::addColumn<int>("picked");
        QTest::addColumn<QString>("selected");
        QTest::addColumn<QStringList>("messages");
        QTest::newRow("deleted: none, and said")
            << 3 << QString() << QStringList { "В каталоге нет материала \"50ХФА\"", "Не выбран материал" };
        QTest::newRow("still there: kept") << 2 << QStringLiteral("60С2А") << QStringList();
    }
    void returnFromSettings()
    {
        QFETCH(int, picked);
        QFETCH(QString, selected);
        QFETCH(QStringList, messages);
        Rig rig;
        rig.pickMaterial(picked);
        child<QLineEdit>(rig.form, "f1")->setText("4");
        child<QRadioButton>(rig.form, "rbl0")->click();
        OnModal close([&](QWidget* modal) {
            rig.data.write("material.dat", { kWire2, "60С2А" });
            qobject_cast<QDialog*>(modal)->accept();
        });
        child<QToolButton>(rig.form, "SpeedButton4")->click();
        QVERIFY(close.fired());
        QCOMPARE(child<QComboBox>(rig.form, "material")->count(), 2);
        QCOMPARE(child<QComboBox>(rig.form, "material")->currentText(), selected);
        QCOMPARE(rig.memo(), selected.isEmpty() ? QStringList() : diameterMemo(rig.data, selected));
        QCOMPARE(child<QLineEdit>(rig.form, "f1")->text(), QStringLiteral("4"));
        QCOMPARE(rig.form.formState().mode, 2);
        child<QPushButton>(rig.form, "Rascet")->click();
        QCOMPARE(rig.messages.messages.mid(0, 2), messages);
    }

    // The last input files, newest first, eight at most, on the Load
    // button's right click; a file that is gone leaves the list with a
    // message. The dialogs open in the folder of the last Load or Save.
    void recentFiles()
    {
        QTemporaryDir config;
        Rig rig(true, config.filePath("pruz.ini"));
        QStringList names;
        for (int k = 1; k <= 10; ++k) {
            names.prepend(rig.ridPath(QStringLiteral("f%1.rid").arg(k)));
            QFile::copy(QStringLiteral(EXAMPLES_DIR "wire-class2.rid"), names.first());
            rig.load(names.first());
        }
        rig.files.toSave = rig.ridPath("f3.rid"); // saved again: first once more
        rig.messages.answers = { true };
        QTest::keyClick(child<QLineEdit>(rig.form, "f1"), Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier);
        names.removeAll(rig.files.toSave);
        names.prepend(rig.files.toSave);
        QCOMPARE(rig.settings->recentFiles(), names.mid(0, 8));
        QCOMPARE(rig.files.folders.last(), QDir(rig.data.dir()).absolutePath());

        // Read back by the next run, and shown in the menu.
        Rig next(true, config.filePath("pruz.ini"));
        QCOMPARE(next.settings->recentFiles(), names.mid(0, 8));
        QFile::remove(names[1]);
        emit child<QToolButton>(next.form, "SpeedButton3")->customContextMenuRequested(QPoint(2, 2));
        auto* menu = next.form.findChild<QMenu*>(QStringLiteral("recentFiles"));
        QVERIFY(menu);
        QStringList shown;
        for (QAction* action : menu->actions())
            shown << action->text();
        QCOMPARE(shown, names.mid(0, 8));
        menu->actions().at(1)->trigger();
        QCOMPARE(next.messages.messages, QStringList { "no " + names[1] });
        QCOMPARE(next.settings->recentFiles(), names.mid(0, 1) + names.mid(2, 6));
        menu->actions().at(2)->trigger();
        QCOMPARE(next.form.windowTitle(), "Расчет пружины " + names[2]);
        menu->close();
    }

    // A settings file that cannot be read as one gives the defaults.
    void brokenSettingsGiveDefaults_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::newRow("binary junk") << QByteArray("\x00\xff[[[\x1a\r\n=\x00\x01", 12);
        QTest::newRow("values of the wrong kind")
            << QByteArray("[files]\nrecent=@Point(1 2)\nlastFolder=@Rect(1 2 3 4)\n[windows]\nreport=abc\n");
        QTest::newRow("a folder, not a file") << QByteArray();
    }
    void brokenSettingsGiveDefaults()
    {
        QFETCH(QByteArray, content);
        QTemporaryDir config;
        const QString ini = config.filePath("pruz.ini");
        if (content.isEmpty()) {
            QVERIFY(QDir().mkdir(ini));
        } else {
            QFile f(ini);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(content);
        }
        Rig rig(true, ini);
        QCOMPARE(rig.settings->recentFiles(), QStringList());
        QCOMPARE(rig.settings->lastFolder(), QString());
        QVERIFY(!rig.settings->windowPosition("report"));
        rig.load(QStringLiteral(EXAMPLES_DIR "wire-class2.rid"));
        child<QPushButton>(rig.form, "Rascet")->click();
        QVERIFY(rig.form.reportWindow()->isVisible());
        QCOMPARE(rig.messages.messages.size(), content.isEmpty() ? 1 : 0); // said once: not written
    }

    // The report and sketch windows open where the user last left them.
    // The report's size too, which the user may change.
    void windowPlacesRemembered()
    {
        QTemporaryDir config;
        const QPoint reportAt(31, 42), sketchAt(53, 64);
        const QSize reportSize(700, 420);
        {
            Rig rig(true, config.filePath("pruz.ini"));
            rig.load(QStringLiteral(EXAMPLES_DIR "wire-class2.rid"));
            child<QPushButton>(rig.form, "Rascet")->click();
            child<QPushButton>(rig.form, "scetch")->click();
            rig.form.reportWindow()->move(reportAt);
            rig.form.reportWindow()->resize(reportSize);
            rig.form.sketchWindow()->move(sketchAt);
            rig.form.reportWindow()->close();
            rig.form.sketchWindow()->close();
        }
        Rig rig(true, config.filePath("pruz.ini"));
        rig.load(QStringLiteral(EXAMPLES_DIR "wire-class2.rid"));
        child<QPushButton>(rig.form, "Rascet")->click();
        child<QPushButton>(rig.form, "scetch")->click();
        QCOMPARE(rig.form.reportWindow()->pos(), reportAt);
        QCOMPARE(rig.form.reportWindow()->size(), reportSize);
        QCOMPARE(rig.form.sketchWindow()->pos(), sketchAt);
    }

    // The printed report's header holds the inputs "Расчет" was given,
    // not later edits.
    void headerIsTheInputsOfTheCalculation()
    {
        Rig rig;
        rig.load(QStringLiteral(EXAMPLES_DIR "wire-class2.rid"));
        child<QPushButton>(rig.form, "Rascet")->click();
        child<QLineEdit>(rig.form, "f1")->setText(QStringLiteral("99"));
        const QStringList header = rig.form.reportWindow()->headerLines();
        QCOMPARE(header.value(2), QStringLiteral("Исходные данные: " EXAMPLES_DIR "wire-class2.rid"));
        QVERIFY(header.contains(QStringLiteral("Сила при предварительном сжатии F1 = 10 кг")));
        rig.messages.saveAnswers = { Messages::SaveAnswer::DontSave };
        child<QToolButton>(rig.form, "SpeedButton1")->click();
        child<QPushButton>(rig.form, "Rascet")->click(); // stops at F1 = 0: the header stays
        QCOMPARE(rig.form.reportWindow()->headerLines(), header);
    }

    // A failed calculation leaves no window behind, however many messages
    // (each open for a while, the close timer ticking) came, and the main
    // window has the focus again.
    void failureLeavesNoWindow_data()
    {
        QTest::addColumn<QStringList>("inputs"); // F1 F2 D1 H
        QTest::addColumn<QString>("pick"); // answer to the diameter question; empty: not asked
        QTest::addColumn<QStringList>("messages");
        QTest::newRow("two messages")
            << QStringList { "1000", "3000", "200", "150" } << QString()
            << QStringList { "Нет подходящего диаметра по нормали",
                   "Материал Проволока II класса не применяется для D=32,3025247206578" };
        QTest::newRow("a message, the diameter question and a message")
            << QStringList { "1", "2", "35", "10" } << "2"
            << QStringList { "Не выполнено условие устойчивости i>10",
                   "Индекс пружины i>15.\rИзмените исходные данные и повторите расчет." };
    }
    void failureLeavesNoWindow()
    {
        QFETCH(QStringList, inputs);
        QFETCH(QString, pick);
        QFETCH(QStringList, messages);
        Rig rig;
        rig.load(QStringLiteral(EXAMPLES_DIR "wire-class2.rid"));
        const QList<QLineEdit*> fields { child<QLineEdit>(rig.form, "f1"), child<QLineEdit>(rig.form, "f2"),
            child<QLineEdit>(rig.form, "d1"), child<QLineEdit>(rig.form, "h") };
        for (int k = 0; k < fields.size(); ++k)
            fields[k]->setText(inputs[k]);
        std::unique_ptr<OnModal> answer;
        if (!pick.isEmpty())
            answer = std::make_unique<OnModal>([&](QWidget* choice) {
                child<QComboBox>(*choice, "dBox")->setCurrentText(pick);
                child<QPushButton>(*choice, "BitBtn1")->click();
            });
        QTest::mouseClick(child<QPushButton>(rig.form, "Rascet"), Qt::LeftButton);
        QCOMPARE(rig.messages.messages, messages);
        QVERIFY(rig.form.lastResult().stopped());
        TForm3* report = rig.form.reportWindow();
        QVERIFY(!report->isVisible());
        QVERIFY(!report->windowHandle() || !report->windowHandle()->isVisible()); // not left mapped either
        QTRY_COMPARE(QApplication::activeWindow(), &rig.form);
        QCOMPARE(QApplication::focusWidget(), child<QPushButton>(rig.form, "Rascet"));

        // The main window names the failure and opens its trace.
        auto* failure = rig.form.findChild<QLabel*>(QStringLiteral("lastFailure"));
        QVERIFY(failure->isVisible());
        QCOMPARE(failure->toolTip(), "Расчет остановлен: " + QString(messages.last()).replace('\r', ' '));
        QCOMPARE(cutTexts(rig.form.findChild<QWidget*>(QStringLiteral("Bottom"))), QStringList());
        scetchtest::saveScreenshot(rig.form, QStringLiteral("main-failure"));
        emit rig.form.findChild<QLabel*>(QStringLiteral("lastFailureTrace"))->linkActivated({});
        QVERIFY(report->isVisible());
        QCOMPARE(report->findChild<QTabWidget*>(QStringLiteral("views"))->currentWidget(),
            report->findChild<QWidget*>(QStringLiteral("podrobnoTab")));
        QVERIFY(report->traceViewLines().join('\n').contains(messages.last().section('\r', 0, 0)));
        // A calculation that runs to its end takes the line away.
        for (int k = 0; k < fields.size(); ++k)
            fields[k]->setText(QStringList { "10", "30", "20", "15" }[k]);
        child<QPushButton>(rig.form, "Rascet")->click();
        QVERIFY(!failure->isVisible());
    }

    // A field that is destroyed while it has the focus loses the focus from
    // inside its destructor (closing the program does this): the filter
    // must not tidy a line edit that is no longer one.
    void fieldDestroyedWithTheFocus()
    {
        Rig rig;
        child<QLineEdit>(rig.form, "d1")->setFocus();
        QTRY_VERIFY(child<QLineEdit>(rig.form, "d1")->hasFocus());
        child<QLineEdit>(rig.form, "d1")->setText("12,");
        delete child<QLineEdit>(rig.form, "d1");
        QVERIFY(rig.form.isVisible());
    }

    void aboutAndClose()
    {
        Rig rig;
        OnModal close([](QWidget* modal) { qobject_cast<QDialog*>(modal)->accept(); });
        child<QToolButton>(rig.form, "SpeedButton5")->click();
        QVERIFY(close.fired());
        child<QPushButton>(rig.form, "Stop")->click();
        QVERIFY(!rig.form.isVisible());
    }
};

PRUZ_FORM_TEST_MAIN(TestPruzform)
#include "test_pruzform.moc"
