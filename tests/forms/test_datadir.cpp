// The main window reads the catalogue handed to it, whatever the working
// directory: at start-up and again when the settings window closes.
#include "forms/widgets/filechooser.h"
#include "forms/windows/pruzform.h"
#include "helpers/child.h"
#include "helpers/datacopy.h"
#include "helpers/formtest.h"
#include "helpers/onmodal.h"
#include "helpers/recorder.h"
#include "helpers/scriptedfiles.h"

#include <QDialog>
#include <QTemporaryDir>
#include <QToolButton>

class TestDataDir : public QObject {
    Q_OBJECT

private slots:
    void handedInFolderIsTheDataDirectory()
    {
        DataCopy data;
        data.write("material.dat", { "60С2А", "БрБ2" });
        QTemporaryDir elsewhere; // the working directory holds no catalogue
        QDir::setCurrent(elsewhere.path());
        MessageRecorder messages;
        ScriptedFiles files; // every dialog cancelled
        TForm1 form(messages, files, data.dataDir());

        form.show();
        QCOMPARE(form.dataFolder(), data.dataDir());
        QCOMPARE(form.materialNames(), QStringList({ "60С2А", "БрБ2" }));

        data.write("material.dat", { "БрБ2" });
        OnModal close([](QWidget* modal) { qobject_cast<QDialog*>(modal)->accept(); });
        child<QToolButton>(form, "SpeedButton4")->click();
        QVERIFY(close.fired());
        QCOMPARE(form.dataFolder(), data.dataDir());
        QCOMPARE(form.materialNames(), QStringList({ "БрБ2" }));
        // The material chosen was deleted: said, not replaced.
        QCOMPARE(messages.messages, QStringList { "В каталоге нет материала \"60С2А\"" });
        QDir::setCurrent(QDir::tempPath());
    }
};

PRUZ_FORM_TEST_MAIN(TestDataDir)
#include "test_datadir.moc"
