#pragma once
// Where to save an exported file (the chart as PDF or SVG), behind an
// interface so that tests can answer. The program passes QtExportChooser.

#include <QString>

class QWidget;

class ExportChooser {
public:
    virtual ~ExportChooser() = default;
    // The full name of the file to write; empty when the user cancelled.
    // `filter` as a file dialog shows it ("PDF (*.pdf)"); `suffix` is added
    // to a name typed without one.
    virtual QString saveAs(
        QWidget* parent, const QString& caption, const QString& filter, const QString& suffix)
        = 0;
};

// Qt's own (non-native) save dialog, opened in the folder last saved to. It
// does not ask about an existing file: the window asks, through Messages.
class QtExportChooser : public ExportChooser {
public:
    QString saveAs(
        QWidget* parent, const QString& caption, const QString& filter, const QString& suffix) override;

private:
    QString lastFolder_;
};
