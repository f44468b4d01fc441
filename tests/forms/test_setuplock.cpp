// The settings windows of two programs on one data folder: the first edits
// the catalogue, the second may only look; the lock of a program that died
// is taken over; and a material list changed under the window (by a program
// that does not lock) is never overwritten.

#include "helpers/childjob.h"
#include "helpers/setup_fixture.h"

#include "forms/widgets/cataloguelock.h"
#include "forms/widgets/qtext.h"
#include "forms/windows/VievI.h"
#include "forms/windows/setup.h"

#include <QAbstractButton>
#include <QDateTime>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QSysInfo>
#include <QTabWidget>
#include <QTest>

#include <thread>

namespace {

const QStringList kShipped { "Проволока I класса", "Проволока II класса", "60С2А", "50ХФА", "51ХФА", "40Х13",
    "12Х18Н10Т", "ХН77ТЮР", "БрКМц3-1", "БрОЦ4-3", "БрБ2" };

// The child holds the lock of the folder until it is killed.
int holdLock(const QString& dataDir)
{
    CatalogueLock lock;
    if (!lock.take(ss(dataDir)))
        return 1;
    sayReady();
    std::this_thread::sleep_for(std::chrono::minutes(5));
    return 0;
}

// Everything in the window that would write is disabled; what only shows
// the catalogue works.
void checkOnlyLooks(SetupWindow& w)
{
    QVERIFY(w.form->readOnly());
    for (const char* writes : { "addButton", "deleteButton", "editButton", "appsv" })
        QVERIFY2(!w.button(writes)->isEnabled(), writes);
    QVERIFY(w.button("closeButton")->isEnabled());
    QVERIFY(w.form->findChild<QLabel*>(QStringLiteral("readOnlyNote"))->isVisible());
    QCOMPARE(entries(w.mat()), kShipped);
    QVERIFY(w.diametr()->count() > 0);
    w.showProperties();
    w.Mlist()->setCurrentRow(2);
    QCOMPARE(w.field("ro")->text(), QStringLiteral("7,68"));
    QVERIFY(w.field("ro")->isReadOnly() && !w.groupItem(2)->isEnabled());
    QVERIFY(!w.pending());
    w.button("ik3")->click();
    QVERIFY(w.form->findChild<TForm5*>()->isVisible());
}

} // namespace

class TestSetupLock : public QObject {
    Q_OBJECT

private slots:
    void secondWindowOnTheFolderOnlyLooks()
    {
        SetupWindow first;
        SetupWindow second(first.dataDir);
        first.form->show();
        QVERIFY(!first.form->readOnly());
        second.form->show();
        QTRY_COMPARE(second.messages.messages,
            QStringList {
                QStringLiteral("Каталог материалов этой папки сейчас изменяется в другом окне программы "
                               "(процесс %1 на компьютере %2). Настройки открыты только для просмотра.")
                    .arg(QCoreApplication::applicationPid())
                    .arg(QSysInfo::machineHostName()) });
        checkOnlyLooks(second);
        second.button("closeButton")->click();

        // Once the first has closed, the next opening may edit.
        first.button("closeButton")->click();
        second.messages.messages.clear();
        second.form->show();
        QVERIFY(!second.form->readOnly());
        QVERIFY(second.messages.messages.isEmpty());
        QVERIFY(second.button("addButton")->isEnabled());
        QVERIFY(!second.form->findChild<QLabel*>(QStringLiteral("readOnlyNote"))->isVisible());
    }

    // A folder the user may not write (a site catalogue): said at once,
    // and nothing that writes is offered.
    void unwritableFolderOnlyLooks()
    {
        SetupWindow w;
        w.form->folderWritable = [](const std::string&) { return false; };
        w.form->show();
        QTRY_COMPARE(w.messages.messages,
            QStringList { "Папка каталога материалов " + QString::fromStdString(w.dataDir)
                + " недоступна для записи. Настройки открыты только для просмотра." });
        checkOnlyLooks(w);
    }

    void lockOfAKilledProgramIsTakenOver()
    {
        SetupWindow w;
        QProcess child;
        QVERIFY(startChildJob(child, QStringLiteral("hold-lock"), qs(w.dataDir)));
        w.form->show();
        QVERIFY(w.form->readOnly()); // the child lives and holds it
        w.button("closeButton")->click();
        child.kill();
        QVERIFY(child.waitForFinished());
        QVERIFY(w.data.exists(QString::fromLatin1(kCatalogueLockName))); // left behind

        w.messages.messages.clear();
        w.form->show();
        QVERIFY(!w.form->readOnly());
        QVERIFY(w.messages.messages.isEmpty());
        w.button("closeButton")->click();
        QVERIFY(!w.data.exists(QString::fromLatin1(kCatalogueLockName)));
    }

    // A lock file that names no holder (a crash between making and writing
    // it): kept while it may still be being written, taken over once older,
    // and the user is told.
    void unreadableLockFile_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<int>("age"); // seconds
        QTest::addColumn<bool>("takenOver");
        QTest::newRow("empty, just made") << QByteArray() << 0 << false;
        QTest::newRow("empty, older") << QByteArray() << 60 << true;
        QTest::newRow("garbage, older") << QByteArray("\x01\x02 not a lock\n") << 60 << true;
    }
    void unreadableLockFile()
    {
        QFETCH(QByteArray, content);
        QFETCH(int, age);
        QFETCH(bool, takenOver);
        SetupWindow w;
        const QString lockName = QString::fromLatin1(kCatalogueLockName);
        w.data.write(lockName, content);
        QFile lockFile(w.data.path(lockName));
        QVERIFY(lockFile.open(QIODevice::ReadWrite));
        QVERIFY(lockFile.setFileTime(
            QDateTime::currentDateTime().addSecs(-age), QFileDevice::FileModificationTime));
        lockFile.close();
        w.form->show();
        QCOMPARE(w.form->readOnly(), !takenOver);
        if (takenOver)
            QCOMPARE(w.messages.messages,
                QStringList {
                    "Файл блокировки каталога .pruz-catalogue.lock был пуст или испорчен (программа, "
                    "создававшая его, была прервана). Блокировка снята и взята этим окном." });
        else
            QTRY_COMPARE(w.messages.messages,
                QStringList { "Каталог материалов этой папки сейчас изменяется в другом окне программы. "
                              "Настройки открыты только для просмотра." });
        w.button("closeButton")->click();
        QCOMPARE(w.data.exists(lockName), !takenOver);
    }

    // Another program that does not lock (an older version, a text editor)
    // added "Бронза" while the window was open.
    void listChangedUnderTheWindowIsKept_data()
    {
        QTest::addColumn<QString>("action");
        QTest::newRow("adding") << "addButton";
        QTest::newRow("deleting") << "deleteButton";
    }
    void listChangedUnderTheWindowIsKept()
    {
        QFETCH(QString, action);
        SetupWindow w;
        w.form->show();
        const QByteArray changed = catalogueBytes(kShipped + QStringList { "Бронза" });
        w.player.then(nameStep(QStringLiteral("Латунь")));
        w.player.then(diameterListStep(1));
        w.player.then(diameterStep(QStringLiteral("2")));
        w.messages.answers = { true };
        if (action == "addButton") { // the list is written last, by "Применить"
            w.button("addButton")->click();
            w.data.write(QStringLiteral("material.dat"), changed);
            w.button("appsv")->click();
        } else {
            w.data.write(QStringLiteral("material.dat"), changed);
            w.button(qPrintable(action))->click();
        }

        QCOMPARE(w.messages.messages,
            QStringList {
                "Список материалов в material.dat изменила другая программа, пока было открыто это окно. "
                "Изменение не записано; список прочитан заново." });
        QCOMPARE(w.data.bytes(QStringLiteral("material.dat")), changed);
        QCOMPARE(entries(w.mat()), kShipped + QStringList { "Бронза" });
        QVERIFY(!w.data.exists(QStringLiteral("Латунь.dat")));
        QVERIFY(!w.data.exists(QStringLiteral("Латуньmat.dat")));
        QVERIFY(w.data.exists(QStringLiteral("Проволока I класса.dat")));
        QVERIFY(!w.pending());
        QCOMPARE(w.form->settingsState(), TForm4::SettingsState::Browsing);
        QVERIFY(w.tabs()->isTabEnabled(0));
    }
};

int main(int argc, char** argv)
{
    runChildJobIfAsked({ { "hold-lock", holdLock } });
    TestSetupLock test;
    return runStyledTest(test, argc, argv);
}

#include "test_setuplock.moc"
