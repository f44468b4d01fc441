// Every file the program writes, made to fail at each stage of the atomic
// write in turn, on a real full device and in a place that cannot be
// written: the message names the file, the old file stays byte for byte,
// no temporary file is left beside it, and the window goes on working.

#include "helpers/child.h"
#include "helpers/childjob.h"
#include "helpers/datacopy.h"
#include "helpers/recorder.h"
#include "helpers/scriptedfiles.h"
#include "helpers/setup_fixture.h"

#include "engine/catalogue/textfile.h"
#include "engine/common/encoding.h"
#include "engine/method/inputform.h"
#include "forms/widgets/cataloguelock.h"
#include "forms/widgets/filechooser.h"
#include "forms/widgets/qtext.h"
#include "forms/windows/pruzform.h"
#include "forms/windows/setup.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace {

// How a write is made to fail: one stage of the atomic writer through its
// fault seam (numbered as WriteStage), or the temporary file's descriptor
// pointed at /dev/full so the data really meets a full device.
enum Fault { CreateTemp, Write, Flush, Rename, Permissions, FullDevice };

const char* const kFaultNames[] = { "create temp", "write", "flush", "rename", "permissions", "/dev/full" };

// Makes the `write`-th atomic write (counted from 1) fail while it lives.
class FaultOnWrite {
public:
    FaultOnWrite(Fault fault, int write)
    {
        setWriteFaultInjector([this, fault, write](WriteStage stage) {
            if (stage == WriteStage::CreateTemp)
                ++started_;
            return fault != FullDevice && started_ == write && static_cast<int>(stage) == fault;
        });
        if (fault == FullDevice)
            setWriteDescriptorHook([this, write](int fd) {
                if (started_ != write)
                    return;
                const int full = ::open("/dev/full", O_WRONLY);
                QVERIFY(full >= 0);
                QVERIFY(::dup2(full, fd) == fd);
                ::close(full);
            });
    }
    ~FaultOnWrite()
    {
        setWriteFaultInjector({});
        setWriteDescriptorHook({});
    }
    FaultOnWrite(const FaultOnWrite&) = delete;
    FaultOnWrite& operator=(const FaultOnWrite&) = delete;

private:
    int started_ = 0;
};

const QStringList kShipped { "Проволока I класса", "Проволока II класса", "60С2А", "50ХФА", "51ХФА", "40Х13",
    "12Х18Н10Т", "ХН77ТЮР", "БрКМц3-1", "БрОЦ4-3", "БрБ2" };

QByteArray fileBytes(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QByteArray ridBytes(const InputForm& form)
{
    QByteArray bytes;
    for (const auto& line : ridLines(form))
        bytes += QByteArray::fromStdString(utf8ToCp1251(line)) + "\r\n";
    return bytes;
}

QPushButton* okButton(QDialog& d)
{
    return d.findChild<QPushButton*>(QStringLiteral("okButton"));
}

} // namespace

class TestWriteFaults : public QObject {
    Q_OBJECT

private slots:
    void cleanup()
    {
        setWriteFaultInjector({});
        setWriteDescriptorHook({});
    }

    // An addition whose note, properties file or material list cannot be
    // written: the catalogue stays as before (no file of the material is
    // left, nor the note), and the window is clean on "Материалы".
    void additionFails_data()
    {
        QTest::addColumn<int>("stage"); // 0 the note at "Добавить"; at "Применить": 1 properties, 2 list
        QTest::addColumn<int>("fault");
        QTest::addColumn<QString>("file");
        const char* const stages[] = { "note", "properties", "list" };
        const char* const files[] = { ".pruz-addition", "Латуньmat.dat", "material.dat" };
        for (int stage = 0; stage < 3; ++stage)
            for (int f = CreateTemp; f <= FullDevice; ++f)
                QTest::addRow("%s, %s", stages[stage], kFaultNames[f]) << stage << f << files[stage];
    }
    void additionFails()
    {
        QFETCH(int, stage);
        QFETCH(int, fault);
        QFETCH(QString, file);
        SetupWindow w;
        w.form->show();
        const auto before = w.files();
        if (stage == 0) {
            w.player.then(nameStep(QStringLiteral("Латунь")));
            FaultOnWrite failing(static_cast<Fault>(fault), 1);
            w.button("addButton")->click();
        } else {
            scriptAddition(w);
            w.button("addButton")->click();
            QCOMPARE(fileLines(w, "material.dat"), kShipped); // listed only once complete
            w.field("ro")->setText(QStringLiteral("8,5"));
            FaultOnWrite failing(static_cast<Fault>(fault), stage);
            w.button("appsv")->click();
        }
        QCOMPARE(w.messages.messages, QStringList { "Ошибка при записи в " + file });
        QCOMPARE(w.files(), before);
        QVERIFY(!w.data.exists(QString::fromLatin1(kAdditionNote)));
        QCOMPARE(w.tabs()->currentIndex(), 0);
        QCOMPARE(entries(w.mat()), kShipped);
        QCOMPARE(w.form->settingsState(), TForm4::SettingsState::Browsing);
        closes(w);
    }

    // A program killed before each write of an addition is in place (the
    // note, the diameters, the properties, the list): the next start leaves
    // the catalogue exactly as it was before, temporary files and the
    // addition's own files removed.
    void killedWhileAdding_data()
    {
        QTest::addColumn<int>("write");
        int write = 0;
        for (const char* stage : { "note", "diameters", "properties", "list" })
            QTest::newRow(stage) << ++write;
    }
    void killedWhileAdding()
    {
        QFETCH(int, write);
        DataCopy data;
        const auto before = folderFiles(data.dir());
        QProcess child;
        QVERIFY(
            startChildJob(child, QStringLiteral("killed-adding"), data.dir() + "|" + QString::number(write)));
        QVERIFY(child.waitForFinished());
        QCOMPARE(child.exitStatus(), QProcess::CrashExit);
        QVERIFY(folderFiles(data.dir()) != before);
        startProgram(data);
        QCOMPARE(folderFiles(data.dir()), before);
    }

    void materialListAfterDeleting_data() { faultRows(); }
    void materialListAfterDeleting()
    {
        QFETCH(int, fault);
        SetupWindow w;
        w.form->show();
        const auto before = w.files();
        w.messages.answers = { true };
        {
            FaultOnWrite failing(static_cast<Fault>(fault), 1);
            w.button("deleteButton")->click();
        }
        QCOMPARE(w.messages.messages, QStringList { "Ошибка при записи в material.dat" });
        QCOMPARE(w.files(), before);
        QCOMPARE(entries(w.mat()), kShipped);
        w.messages.answers = { true };
        w.button("deleteButton")->click();
        QCOMPARE(fileLines(w, "material.dat"), kShipped.mid(1));
        QVERIFY(!w.data.exists(kShipped[0] + ".dat"));
        closes(w);
    }

    // "Диаметры" with a diameter added: OK fails and the dialog stays open
    // with its list; OK again, without the fault, writes it.
    void diameterFile_data()
    {
        QTest::addColumn<bool>("adding");
        QTest::addColumn<int>("fault");
        for (bool adding : { false, true })
            for (int f = CreateTemp; f <= FullDevice; ++f)
                QTest::addRow("%s, %s", adding ? "adding" : "editing", kFaultNames[f]) << adding << f;
    }
    void diameterFile()
    {
        QFETCH(bool, adding);
        QFETCH(int, fault);
        SetupWindow w;
        w.form->show();
        const auto before = w.files();
        const QString material = adding ? QStringLiteral("Латунь") : kShipped[2];
        if (adding)
            w.player.then(nameStep(material));
        else
            w.mat()->setCurrentRow(2);
        QStringList atFailure;
        bool openAfterFailure = false;
        bool intactAtFailure = false;
        w.player.then([&](QDialog& d) {
            d.findChild<QAbstractButton*>(QStringLiteral("plus"))->click();
            {
                FaultOnWrite failing(static_cast<Fault>(fault), 1);
                okButton(d)->click();
            }
            openAfterFailure = d.isVisible();
            atFailure = w.messages.messages;
            intactAtFailure = w.files() == before;
            okButton(d)->click();
        });
        w.player.then(diameterStep(QStringLiteral("0,3")));
        w.button(adding ? "addButton" : "editButton")->click();
        QVERIFY(openAfterFailure);
        QCOMPARE(atFailure, QStringList { "Ошибка при записи в " + material + ".dat" });
        QVERIFY(intactAtFailure);
        QCOMPARE(w.player.leftOpen, 0);
        QVERIFY(fileLines(w, material + ".dat").contains(QStringLiteral("0,3")));
        if (adding) {
            w.button("appsv")->click();
            QCOMPARE(fileLines(w, "material.dat").last(), material);
        }
        closes(w);
    }

    // A writer killed after its temporary file is complete and before the
    // rename: the old file is whole, and the temporary file goes at the next
    // start of the program, unless another program edits the catalogue then.
    void killedBeforeTheRename()
    {
        DataCopy data;
        const QByteArray before = fileBytes(data.dir() + "material.dat");
        QProcess child;
        QVERIFY(startChildJob(child, QStringLiteral("killed-before-rename"), data.dir()));
        QVERIFY(child.waitForFinished());
        QCOMPARE(child.exitStatus(), QProcess::CrashExit);
        QCOMPARE(fileBytes(data.dir() + "material.dat"), before);
        const QStringList stale = temporaryFiles(data.dir());
        QCOMPARE(stale.size(), 1);
        {
            CatalogueLock editing;
            QVERIFY(editing.take(data.dataDir()));
            startProgram(data);
            QCOMPARE(temporaryFiles(data.dir()), stale);
        }
        startProgram(data);
        QCOMPARE(temporaryFiles(data.dir()), QStringList());
        QCOMPARE(fileBytes(data.dir() + "material.dat"), before);
    }

    void propertiesFile_data() { faultRows(); }
    void propertiesFile()
    {
        QFETCH(int, fault);
        SetupWindow w;
        w.form->show();
        w.showProperties();
        w.Mlist()->setCurrentRow(2);
        QVERIFY(w.pending());
        w.field("ro")->setText(QStringLiteral("7,9"));
        const auto before = w.files();
        {
            FaultOnWrite failing(static_cast<Fault>(fault), 1);
            w.button("appsv")->click();
        }
        QCOMPARE(w.messages.messages, QStringList { "Ошибка при записи в 60С2Аmat.dat" });
        QCOMPARE(w.files(), before);
        QVERIFY(!w.pending());
        // Changed again and applied without the fault.
        w.field("ro")->setText(QStringLiteral("7,95"));
        w.button("appsv")->click();
        QCOMPARE(fileLines(w, "60С2Аmat.dat").value(0), QStringLiteral("7,95"));
        closes(w);
    }

    // A data directory the user may not write into (only where chmod
    // stops the user: root writes anyway).
    void readOnlyDataDirectory()
    {
        if (::geteuid() == 0)
            QSKIP("root writes into read-only directories; the stage faults cover it");
        SetupWindow w;
        w.form->show();
        w.showProperties();
        w.Mlist()->setCurrentRow(2);
        const auto before = w.files();
        QVERIFY(QFile::setPermissions(w.data.path(QString()), QFile::ReadOwner | QFile::ExeOwner));
        w.button("appsv")->click();
        QFile::setPermissions(w.data.path(QString()), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QCOMPARE(w.messages.messages, QStringList { "Ошибка при записи в 60С2Аmat.dat" });
        QCOMPARE(w.files(), before);
        w.button("closeButton")->click();
        QVERIFY(!w.form->isVisible());
    }

    void saveInputData_data()
    {
        QTest::addColumn<int>("fault");
        QTest::addColumn<QString>("place");
        for (int f = CreateTemp; f <= FullDevice; ++f)
            QTest::addRow("%s", kFaultNames[f]) << f << QString();
        // /proc takes no new files, not even from root.
        QTest::newRow("folder of /proc") << -1 << QStringLiteral("/proc");
        QTest::newRow("read-only folder") << -1 << QStringLiteral("read-only");
    }
    void saveInputData()
    {
        QFETCH(int, fault);
        QFETCH(QString, place);
        if (place == "read-only" && ::geteuid() == 0)
            QSKIP("root writes into read-only folders; the /proc row covers a place that refuses");
        DataCopy data;
        QDir::setCurrent(data.dir());
        MessageRecorder messages;
        ScriptedFiles files;
        TForm1 form(messages, files, data.dataDir());
        form.show();
        child<QLineEdit>(form, "f1")->setText(QStringLiteral("12"));
        const QString caption = form.windowTitle(); // marked as changed, and stays so
        messages.answers = { true, true }; // replace the file, both times

        QTemporaryDir folder;
        QVERIFY(folder.isValid());
        const QString kept = folder.filePath(QStringLiteral("keep.rid"));
        const QByteArray old = "1\r\n0\r\nold\r\n";
        {
            QFile f(kept);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(old);
        }
        files.toSave = place == "/proc" ? QStringLiteral("/proc/pruz-write-test.rid") : kept;
        const QStringList listed = QDir(folder.path()).entryList(QDir::Files | QDir::Hidden);
        {
            std::unique_ptr<FaultOnWrite> failing;
            if (fault >= 0)
                failing = std::make_unique<FaultOnWrite>(static_cast<Fault>(fault), 1);
            if (place == "read-only")
                QVERIFY(QFile::setPermissions(folder.path(), QFile::ReadOwner | QFile::ExeOwner));
            child<QToolButton>(form, "SpeedButton2")->click();
            QFile::setPermissions(folder.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        }
        QCOMPARE(messages.messages, QStringList { "Ошибка при записи в " + files.toSave });
        QCOMPARE(fileBytes(kept), old);
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden), listed);
        QVERIFY(!QFile::exists(QStringLiteral("/proc/pruz-write-test.rid")));
        QCOMPARE(form.windowTitle(), caption);

        // Saved again where it can be: the file and the caption follow.
        files.toSave = kept;
        child<QToolButton>(form, "SpeedButton2")->click();
        QCOMPARE(messages.messages.size(), 1);
        QCOMPARE(fileBytes(kept), ridBytes(form.formState()));
        QCOMPARE(form.windowTitle(), QStringLiteral("Расчет пружины ") + kept);
        QDir::setCurrent(QDir::tempPath());
    }

private:
    static QMap<QString, QByteArray> folderFiles(const QString& dir)
    {
        QMap<QString, QByteArray> all;
        for (const QString& name : QDir(dir).entryList(QDir::Files | QDir::Hidden))
            all.insert(name, fileBytes(dir + name));
        return all;
    }

    static QStringList temporaryFiles(const QString& dir)
    {
        return QDir(dir).entryList({ QStringLiteral("*.tmp-*") }, QDir::Files | QDir::Hidden);
    }

    // The program's start on the folder: the main window's first showing.
    static void startProgram(const DataCopy& data)
    {
        QDir::setCurrent(data.dir());
        MessageRecorder messages;
        ScriptedFiles files;
        TForm1 form(messages, files, data.dataDir());
        form.show();
        QVERIFY(messages.messages.isEmpty());
        QDir::setCurrent(QDir::tempPath());
    }

    // "Добавить": the name Латунь, one diameter 2, OK.
    static void scriptAddition(SetupWindow& w)
    {
        w.player.then(nameStep(QStringLiteral("Латунь")));
        w.player.then(diameterListStep(1));
        w.player.then(diameterStep(QStringLiteral("2")));
    }

    static void faultRows()
    {
        QTest::addColumn<int>("fault");
        for (int f = CreateTemp; f <= FullDevice; ++f)
            QTest::addRow("%s", kFaultNames[f]) << f;
    }

    // Whatever failed, the window is clean and can be closed, and no dialog
    // was left open.
    static void closes(SetupWindow& w)
    {
        QVERIFY(!w.pending());
        w.button("closeButton")->click();
        QVERIFY(!w.form->isVisible());
        QCOMPARE(w.player.leftOpen, 0);
        QVERIFY(w.player.done());
    }

    static QStringList fileLines(const SetupWindow& w, const QString& name)
    {
        auto lines = readTextLines(ss(w.data.path(name)));
        return lines ? qsList(*lines) : QStringList();
    }
};

// The child dies by SIGKILL, as from a power cut or the task manager, the
// moment its temporary file is complete and synced.
int writeKilledBeforeRename(const QString& dataDir)
{
    setWriteFaultInjector([](WriteStage stage) {
        if (stage == WriteStage::Rename) {
            sayReady();
            ::raise(SIGKILL);
        }
        return false;
    });
    writeDataLines(ss(dataDir), "material.dat", { "Латунь" });
    return 0;
}

// The child adds Латунь through the settings window and dies by SIGKILL
// just before the given write (counted from 1) would be in place.
int addKilledBeforeWrite(const QString& arg)
{
    const QStringList parts = arg.split(QLatin1Char('|'));
    int argc = 1;
    char name[] = "child";
    char* argv[] = { name, nullptr };
    QApplication app(argc, argv);
    SetupWindow w(ss(parts[0]));
    const int killAt = parts[1].toInt();
    int started = 0;
    setWriteFaultInjector([&](WriteStage stage) {
        if (stage == WriteStage::CreateTemp)
            ++started;
        if (stage == WriteStage::Rename && started == killAt) {
            sayReady();
            ::raise(SIGKILL);
        }
        return false;
    });
    w.player.then(nameStep(QStringLiteral("Латунь")));
    w.player.then(diameterListStep(1));
    w.player.then(diameterStep(QStringLiteral("2")));
    w.form->show();
    w.button("addButton")->click();
    w.button("appsv")->click();
    return 0; // not killed: the test fails on the exit status
}

int main(int argc, char** argv)
{
    runChildJobIfAsked(
        { { "killed-before-rename", writeKilledBeforeRename }, { "killed-adding", addKilledBeforeWrite } });
    TestWriteFaults test;
    return runStyledTest(test, argc, argv);
}
#include "test_writefaults.moc"
