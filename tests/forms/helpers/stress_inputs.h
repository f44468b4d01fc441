#pragma once
// What a random but reproducible user brings to the program in the stress
// run: numbers, field texts, input data files (sound ones, and ones damaged
// every way a file can be), answers to questions, and the files chosen in
// the open and save dialogs.

#include "forms/widgets/filechooser.h"
#include "forms/widgets/messages.h"

#include <QString>
#include <QStringList>

#include <cstdint>
#include <optional>
#include <random>
#include <string>

class StressRandom {
public:
    explicit StressRandom(uint32_t seed)
        : engine_(seed)
    {
    }
    // 0 .. n-1 (0 when n is 0).
    int below(int n) { return n <= 0 ? 0 : static_cast<int>(engine_() % static_cast<uint32_t>(n)); }
    int between(int lo, int hi) { return lo + below(hi - lo + 1); }
    bool chance(int percent) { return below(100) < percent; }
    template <class List> const auto& oneOf(const List& items) { return items[below(int(items.size()))]; }

private:
    std::mt19937 engine_;
};

// The texts and files. Generated files go into `folder` (ending with "/").
class StressInputs {
public:
    StressInputs(StressRandom& random, std::string dataDir, QString folder);

    // A number of the kind a designer types, with a decimal comma.
    QString number(double lo, double hi, int decimals);
    // Mostly a sensible value for one of the nine fields of the main window
    // (by its name), sometimes an odd one: empty, zero, a lone comma,
    // letters, a huge or a negative number, a very long text.
    QString fieldText(const QString& field);
    // Any text the user might type or paste anywhere.
    QString anyText();
    // Text copied from elsewhere: the same, and now and then the line breaks
    // and Ctrl-Z a spreadsheet cell or an old text file brings along.
    QString clipboardText();

    // 22 lines of a sound input data file for a spring that can mostly be
    // calculated, naming a material of the current catalogue.
    QStringList soundRid();
    // The full name of a new file holding a sound or a damaged input data
    // file (cut short, a line that is not an integer, LF or CR line ends, a
    // Ctrl-Z, a huge line, random bytes, an empty file, ...).
    QString ridFile(bool sound);

    const QString& folder() const { return folder_; }

private:
    QString writeFile(const QByteArray& bytes);
    QString textOf(const QString& alphabet);

    StressRandom& random_;
    std::string dataDir_;
    QString folder_;
    int made_ = 0;
};

// OK/Cancel questions answered at random; messages counted.
class StressMessages : public Messages {
public:
    explicit StressMessages(StressRandom& random)
        : random_(random)
    {
    }
    void message(const QString& text) override;
    bool confirm(const QString& caption, const QString& text) override;
    SaveAnswer askToSave(const QString& text) override;
    // The answer of the next askToSave(), whatever the dice say.
    void queueSaveAnswer(SaveAnswer answer) { queuedSaveAnswer_ = answer; }

    int shown = 0;
    int asked = 0;
    // Messages that betray an internal fault rather than tell the user
    // something: an unknown error, or a library's own exception text.
    QStringList internal;

private:
    StressRandom& random_;
    std::optional<SaveAnswer> queuedSaveAnswer_;
};

// The open and save dialogs: mostly a generated file or a place in the
// scratch folder, sometimes one that cannot be read or written, sometimes
// cancelled, and now and then Qt's real dialog, which the driver answers.
class StressFiles : public FileChooser {
public:
    StressFiles(StressRandom& random, StressInputs& inputs)
        : random_(random)
        , inputs_(inputs)
    {
    }
    QString openFile(QWidget* parent, const QString& folder) override;
    QString saveFile(QWidget* parent, const QString& folder) override;
    // Mostly a new file in the scratch folder, sometimes the suggested one
    // or cancelled.
    QString savePdfFile(QWidget* parent, const QString& suggested) override;
    // Mostly the scratch folder of generated files, sometimes one that does
    // not exist, or cancelled.
    QString openFolder(QWidget* parent, const QString& folder) override;

    // The answer of the next openFile() / saveFile(), whatever the dice say.
    void queueOpen(const QString& path) { queuedOpen_ = path; }
    void queueSave(const QString& path) { queuedSave_ = path; }
    // A name to type into a real file dialog.
    QString nameForDialog(bool open);

    int loads = 0;
    int saves = 0;

private:
    StressRandom& random_;
    StressInputs& inputs_;
    QtFileChooser real_;
    QString queuedOpen_;
    QString queuedSave_;
    QString lastSaved_;
};
