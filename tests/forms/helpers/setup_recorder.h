#pragma once
// Test doubles for the catalogue windows: a Messages recorder with scripted
// answers, a player for their modal dialogs, and a scratch copy of a data
// directory.

#include "forms/widgets/messages.h"

#include <QByteArray>
#include <QList>
#include <QPair>
#include <QStringList>
#include <QTemporaryDir>

#include <functional>
#include <string>

class QDialog;
class QObject;
class QWidget;

class SetupRecorder : public Messages {
public:
    void message(const QString& text) override { messages << text; }
    // Records the question; answers with the next scripted answer, Cancel
    // when none is left.
    bool confirm(const QString& caption, const QString& text) override;
    // Recorded among the questions, without a caption; answered Cancel.
    SaveAnswer askToSave(const QString& text) override
    {
        questions.append({ QString(), text });
        return SaveAnswer::Cancel;
    }

    QStringList messages;
    QList<QPair<QString, QString>> questions;
    QList<bool> answers;
};

// Plays modal dialogs without a modal loop: shows the dialog, runs the next
// scripted step on it and returns its result. A dialog that a step leaves
// open is counted in `leftOpen` and then closed with reject().
class DialogPlayer {
public:
    using Step = std::function<void(QDialog&)>;

    void then(Step step) { steps_.append(std::move(step)); }
    int run(QDialog& dialog);
    std::function<int(QDialog&)> runner()
    {
        return [this](QDialog& d) { return run(d); };
    }
    bool done() const { return steps_.isEmpty(); }

    QStringList shown; // object names of the dialogs, in the order shown
    QStringList titles; // their captions while the step ran
    int leftOpen = 0;

private:
    QList<Step> steps_;
};

// A scratch copy of a data directory; dataDir() ends with "/".
class CatalogueScratch {
public:
    explicit CatalogueScratch(const QString& source = QStringLiteral(SHIPPED_DATA_DIR));
    std::string dataDir() const;
    QString path(const QString& name) const;
    QByteArray bytes(const QString& name) const;
    bool exists(const QString& name) const;
    void write(const QString& name, const QByteArray& bytes) const;
    void remove(const QString& name) const;

private:
    QTemporaryDir dir_;
};

// Types text into a widget key by key, Cyrillic included (QTest::keyClicks
// sends Latin-1 only).
void typeText(QWidget* widget, const QString& text);

// Every atomic write fails while one of these lives; with `after` set, only
// the writes after the first `after` ones fail.
class FailingWrites {
public:
    explicit FailingWrites(int after = 0);
    ~FailingWrites();
    FailingWrites(const FailingWrites&) = delete;
    FailingWrites& operator=(const FailingWrites&) = delete;
};

// Runs a Qt test object in an application with the program's style.
int runStyledTest(QObject& test, int argc, char** argv);

// Windows-1251 lines, each ended with CR LF.
QByteArray catalogueBytes(const QStringList& lines);
