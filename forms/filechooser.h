#pragma once
// The open and save dialogs of the input data file, behind an interface so
// that tests can answer them. The program passes QtFileChooser.

#include <QString>

class QFileDialog;
class QWidget;

class FileChooser {
public:
    virtual ~FileChooser() = default;
    // The full name of the chosen file; empty when the user cancelled.
    virtual QString openFile(QWidget* parent) = 0;
    virtual QString saveFile(QWidget* parent) = 0;
};

// Qt's own (non-native) file dialogs for ".rid" files. Each dialog remembers
// the last file chosen in it. The save dialog replaces an existing file
// without asking; the open dialog accepts a name that does not exist (Load
// then reports it).
class QtFileChooser : public FileChooser {
public:
    QString openFile(QWidget* parent) override;
    QString saveFile(QWidget* parent) override;

private:
    QString lastOpened_;
    QString lastSaved_;
};
