#pragma once
// The open and save dialogs of the input data file and of PDF exports, and
// the choice of a folder of input data files, behind an interface so that
// tests can answer them. The program passes QtFileChooser.

#include <QString>

class Messages;
class QWidget;

class FileChooser {
public:
    virtual ~FileChooser() = default;
    // The full name of the chosen file; empty when the user cancelled.
    // `folder` is where the dialog opens (the folder of the last Load or
    // Save); empty for the dialog's own choice.
    virtual QString openFile(QWidget* parent, const QString& folder) = 0;
    virtual QString saveFile(QWidget* parent, const QString& folder) = 0;
    // A PDF file to write, `suggested` (a full name) offered first.
    virtual QString savePdfFile(QWidget* parent, const QString& suggested) = 0;
    // A folder of input data files to read; empty when the user cancelled.
    virtual QString openFolder(QWidget* parent, const QString& folder) = 0;

    // The folder a PDF was last saved to, where the next PDF is offered
    // (askPdfFile); empty until one is.
    QString lastPdfFolder;
};

// Qt's own (non-native) file dialogs. The ".rid" dialogs each remember the
// last file chosen in them. None asks before an existing file is replaced:
// the window that writes asks (askReplace), and the open dialog accepts a
// name that does not exist (Load then reports it).
class QtFileChooser : public FileChooser {
public:
    QString openFile(QWidget* parent, const QString& folder) override;
    QString saveFile(QWidget* parent, const QString& folder) override;
    QString savePdfFile(QWidget* parent, const QString& suggested) override;
    QString openFolder(QWidget* parent, const QString& folder) override;

private:
    QString lastOpened_;
    QString lastSaved_;
};

// True when `path` may be written: it does not exist yet, or the user said
// OK to replacing it.
bool askReplace(Messages& messages, const QString& path);
