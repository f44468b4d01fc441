// After the user's catalogue took a new shipped version: the offer to check
// saved designs against the catalogue as it was, and the one lock file that
// the settings window (QLockFile) and the code without Qt (FolderLock) both
// honour.

#include "helpers/childjob.h"
#include "helpers/datacopy.h"
#include "helpers/recorder.h"
#include "helpers/scriptedfiles.h"
#include "helpers/setup_recorder.h"

#include "engine/catalogue/cataloguesync.h"
#include "engine/catalogue/folderlock.h"
#include "engine/catalogue/textfile.h"
#include "forms/widgets/cataloguelock.h"
#include "forms/widgets/qtext.h"
#include "forms/windows/catalogueoffer.h"
#include "forms/windows/designcheck.h"

#include <QDir>
#include <QTableWidget>
#include <QTest>

#include <thread>

namespace {

// The child holds the folder's lock, the Qt way or the engine's, until it
// is killed.
int holdWith(bool qt, const QString& dir)
{
    CatalogueLock qtLock;
    FolderLock engineLock;
    if (!(qt ? qtLock.take(ss(dir)) : engineLock.take(ss(dir))))
        return 1;
    sayReady();
    std::this_thread::sleep_for(std::chrono::minutes(5));
    return 0;
}

// A user's catalogue whose 60С2А list lost its 5 in an update: the
// copy before it is kept, as followUpstream leaves it.
struct Updated {
    DataCopy shipped;
    DataCopy user;
    Updated()
    {
        writeManifest(user.dataDir(), hashCatalogue(user.dataDir()));
        QStringList diameters;
        const auto lines = readDataLines(shipped.dataDir(), "60С2А.dat");
        for (const std::string& d : *lines)
            if (d != "5")
                diameters << qs(d);
        shipped.write(QStringLiteral("60С2А.dat"), diameters);
        const CatalogueUpdate update = followUpstream(user.dataDir(), shipped.dataDir());
        QCOMPARE(update.replaced, std::vector<std::string> { "60С2А.dat" });
    }
    bool previousKept() const { return previousCatalogue(user.dataDir()).has_value(); }
};

} // namespace

class TestCatalogueUpdate : public QObject {
    Q_OBJECT
private slots:
    void aLivingHolderOfEitherKindKeepsTheOtherOut_data()
    {
        QTest::addColumn<bool>("holderIsQt");
        QTest::newRow("settings window holds, update waits") << true;
        QTest::newRow("update holds, settings window looks") << false;
    }
    void aLivingHolderOfEitherKindKeepsTheOtherOut()
    {
        QFETCH(bool, holderIsQt);
        DataCopy data;
        QProcess child;
        QVERIFY(startChildJob(child, holderIsQt ? "hold-qt" : "hold-engine", data.dir()));
        CatalogueLock qtLock;
        FolderLock engineLock;
        const bool taken = holderIsQt ? engineLock.take(data.dataDir()) : qtLock.take(data.dataDir());
        QVERIFY(!taken);
        const QString holder = holderIsQt ? qs(engineLock.holder()) : qtLock.holder();
        QVERIFY2(holder.contains(QString::number(child.processId())), qPrintable(holder));
        child.kill();
        child.waitForFinished();
        QVERIFY2(holderIsQt ? engineLock.take(data.dataDir()) : qtLock.take(data.dataDir()),
            "a dead holder's lock is taken over");
    }

    void offerFollowsTheAnswer_data()
    {
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("folderChosen");
        QTest::addColumn<bool>("kept");
        QTest::addColumn<int>("changedRows");
        QTest::newRow("later") << int(UpdateAnswer::Later) << true << true << -1;
        QTest::newRow("not needed") << int(UpdateAnswer::Discard) << true << false << -1;
        QTest::newRow("check, folder cancelled") << int(UpdateAnswer::Check) << false << true << -1;
        QTest::newRow("check") << int(UpdateAnswer::Check) << true << false << 1;
    }
    void offerFollowsTheAnswer()
    {
        QFETCH(int, answer);
        QFETCH(bool, folderChosen);
        QFETCH(bool, kept);
        QFETCH(int, changedRows);
        Updated u;
        QWidget parent;
        ScriptedFiles files;
        files.toOpenFolder = folderChosen ? QStringLiteral(EXAMPLES_DIR) : QString();
        MessageRecorder messages;
        QString asked;
        offerDesignCheck(&parent, u.user.dataDir(), files, messages, [&](const QString& text) {
            asked = text;
            return UpdateAnswer(answer);
        });
        QVERIFY2(asked.contains(QStringLiteral("60С2А.dat")), qPrintable(asked));
        QCOMPARE(u.previousKept(), kept);
        auto* window = parent.findChild<DesignCheckWindow*>();
        QCOMPARE(window != nullptr, changedRows >= 0);
        if (window)
            QCOMPARE(window->findChild<QTableWidget*>()->rowCount(), changedRows);
        QVERIFY(messages.messages.isEmpty());
    }

    void noOfferWithoutAnUpdate()
    {
        DataCopy data;
        ScriptedFiles files;
        MessageRecorder messages;
        bool asked = false;
        offerDesignCheck(nullptr, data.dataDir(), files, messages, [&](const QString&) {
            asked = true;
            return UpdateAnswer::Later;
        });
        QVERIFY(!asked);
    }
};

int main(int argc, char** argv)
{
    runChildJobIfAsked({ { "hold-qt", [](const QString& d) { return holdWith(true, d); } },
        { "hold-engine", [](const QString& d) { return holdWith(false, d); } } });
    TestCatalogueUpdate test;
    return runStyledTest(test, argc, argv);
}

#include "test_catalogueupdate.moc"
