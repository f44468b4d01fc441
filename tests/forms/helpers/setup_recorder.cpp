#include "setup_recorder.h"

#include "engine/catalogue/textfile.h"
#include "engine/common/encoding.h"
#include "forms/widgets/qtext.h"

#include "forms/widgets/appstyle.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QTest>

bool SetupRecorder::confirm(const QString& caption, const QString& text)
{
    questions.append({ caption, text });
    return answers.isEmpty() ? false : answers.takeFirst();
}

int DialogPlayer::run(QDialog& dialog)
{
    shown << dialog.objectName();
    dialog.setResult(QDialog::Rejected);
    dialog.show();
    titles << dialog.windowTitle();
    if (!steps_.isEmpty())
        steps_.takeFirst()(dialog);
    if (dialog.isVisible()) {
        ++leftOpen;
        dialog.reject();
    }
    return dialog.result();
}

CatalogueScratch::CatalogueScratch(const QString& source)
{
    const QDir from(source);
    for (const QString& name : from.entryList(QDir::Files))
        QFile::copy(from.filePath(name), path(name));
}

std::string CatalogueScratch::dataDir() const
{
    return ss(dir_.path()) + "/";
}

QString CatalogueScratch::path(const QString& name) const
{
    return dir_.filePath(name);
}

QByteArray CatalogueScratch::bytes(const QString& name) const
{
    QFile f(path(name));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

bool CatalogueScratch::exists(const QString& name) const
{
    return QFile::exists(path(name));
}

void CatalogueScratch::write(const QString& name, const QByteArray& bytes) const
{
    QFile f(path(name));
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(bytes);
}

void CatalogueScratch::remove(const QString& name) const
{
    QFile::remove(path(name));
}

void typeText(QWidget* widget, const QString& text)
{
    for (const QChar c : text)
        QTest::sendKeyEvent(
            QTest::Click, widget, static_cast<Qt::Key>(c.toUpper().unicode()), QString(c), Qt::NoModifier);
}

FailingWrites::FailingWrites(int after)
{
    setWriteFaultInjector([after, started = 0](WriteStage stage) mutable {
        if (stage == WriteStage::CreateTemp)
            ++started;
        return started > after;
    });
}

FailingWrites::~FailingWrites()
{
    setWriteFaultInjector({});
}

int runStyledTest(QObject& test, int argc, char** argv)
{
    QApplication app(argc, argv);
    applyAppStyle(app);
    return QTest::qExec(&test, argc, argv);
}

QByteArray catalogueBytes(const QStringList& lines)
{
    QByteArray bytes;
    for (const QString& line : lines) {
        const std::string encoded = utf8ToCp1251(ss(line));
        bytes.append(encoded.data(), static_cast<qsizetype>(encoded.size()));
        bytes.append("\r\n");
    }
    return bytes;
}
