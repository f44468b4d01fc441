#include "setup_fixture.h"

#include "forms/windows/Inputdiam.h"
#include "forms/windows/NewMat.h"
#include "forms/windows/newdiam.h"
#include "forms/windows/setup.h"

#include <QAbstractButton>
#include <QDir>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>

SetupWindow::SetupWindow(const std::string& dir)
{
    dataDir = dir.empty() ? data.dataDir() : dir;
    newMat = std::make_unique<TForm9>(messages);
    input = std::make_unique<TForm11>();
    diameters = std::make_unique<TForm10>(dataDir, messages, *input);
    form = std::make_unique<TForm4>(dataDir, messages, *newMat, *diameters, chooser);
    form->runDialog = player.runner();
    diameters->runDialog = player.runner();
}

SetupWindow::~SetupWindow() = default;

QListWidget* SetupWindow::mat() const
{
    return form->findChild<QListWidget*>(QStringLiteral("mat"));
}
QListWidget* SetupWindow::diametr() const
{
    return form->findChild<QListWidget*>(QStringLiteral("diametr"));
}
QListWidget* SetupWindow::Mlist() const
{
    return form->findChild<QListWidget*>(QStringLiteral("Mlist"));
}
QTabWidget* SetupWindow::tabs() const
{
    return form->findChild<QTabWidget*>(QStringLiteral("PageControl1"));
}

QLineEdit* SetupWindow::field(const char* name) const
{
    return form->findChild<QLineEdit*>(QString::fromLatin1(name));
}

QAbstractButton* SetupWindow::button(const char* name) const
{
    return form->findChild<QAbstractButton*>(QString::fromLatin1(name));
}

QAbstractButton* SetupWindow::groupItem(int k) const
{
    return form->findChild<QAbstractButton*>(QStringLiteral("groupItem%1").arg(k));
}

bool SetupWindow::pending() const
{
    const bool apply = button("appsv")->isEnabled();
    const bool close = button("closeButton")->isEnabled();
    if (apply == close)
        QTest::qFail("Применить and Закрыть are both enabled or both disabled", __FILE__, __LINE__);
    return apply;
}

QMap<QString, QByteArray> SetupWindow::files() const
{
    QMap<QString, QByteArray> all;
    for (const QString& name : QDir(data.path(QString())).entryList(QDir::Files))
        all.insert(name, data.bytes(name));
    return all;
}

void SetupWindow::showProperties()
{
    tabs()->setCurrentIndex(1);
}

QStringList entries(const QListWidget* list)
{
    QStringList out;
    for (int k = 0; k < list->count(); ++k)
        out << list->item(k)->text();
    return out;
}

QString current(const QListWidget* list)
{
    return list->currentItem() ? list->currentItem()->text() : QString();
}

DialogPlayer::Step nameStep(const QString& name)
{
    return [name](QDialog& d) {
        d.findChild<QLineEdit*>(QStringLiteral("name"))->setText(name);
        d.findChild<QPushButton*>(QStringLiteral("okButton"))->click();
    };
}

DialogPlayer::Step diameterStep(const QString& diameter)
{
    return [diameter](QDialog& d) {
        d.findChild<QLineEdit*>(QStringLiteral("diameter"))->setText(diameter);
        d.findChild<QPushButton*>(QStringLiteral("okButton"))->click();
    };
}

DialogPlayer::Step diameterListStep(int additions, const std::function<void(QDialog&)>& before)
{
    return [additions, before](QDialog& d) {
        if (before)
            before(d);
        for (int k = 0; k < additions; ++k)
            d.findChild<QAbstractButton*>(QStringLiteral("plus"))->click();
        d.findChild<QPushButton*>(QStringLiteral("okButton"))->click();
    };
}

DialogPlayer::Step rejectStep()
{
    return [](QDialog& d) { d.reject(); };
}
