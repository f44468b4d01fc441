#pragma once
// "Чертеж": the working drawing of the spring of the last calculation
// (engine/features/springdrawing.h), opened from the report window and from
// the sketch. The sheet fills the view or is shown at a chosen zoom with
// scroll bars; beside it the title block's fields and the free line of the
// technical requirements, which the settings keep (the designation and the
// free line per input file, the material's designation per material, the
// names for all designs). "Печать" prints the one page on a printer of
// its own, its page set up for the sheet's format every time; "Экспорт…"
// writes PDF, SVG or DXF. Without a drawing (no complete calculation, no
// check) the window says why and offers nothing to print or save. It
// belongs to the window that opened it and is hidden with it.

#include "engine/features/springdrawing.h"

#include <QWidget>

#include <functional>
#include <memory>

class AppSettings;
class ExportChooser;
class Messages;
class QAbstractButton;
class QComboBox;
class QLabel;
class QLineEdit;
class QPagedPaintDevice;
class QPushButton;
class QScrollArea;
class SheetView;

// What the opener hands over each time the window is shown.
struct DrawingInput {
    DrawingSource source;
    QString design; // the input file; empty when never saved
    QString material; // the catalogue's material name
};

class TForm14 : public QWidget {
    Q_OBJECT
public:
    using Source = std::function<DrawingInput()>;
    // `settings` may be null (nothing is kept); `files` answers the save
    // dialog, null: Qt's own.
    TForm14(Source source, Messages& messages, AppSettings* settings, QWidget* opener,
        ExportChooser* files = nullptr);
    ~TForm14() override;

    // A "Чертеж…" button (Ctrl+D) on `parent` that shows the drawing window
    // of `opener`, made on its first use.
    static QPushButton* addButton(
        QWidget* parent, QWidget* opener, Source source, Messages& messages, AppSettings* settings);
    static TForm14* showFor(QWidget* opener, Source source, Messages& messages, AppSettings* settings);

    // The sheet on view; none while there is no drawing.
    const SpringSheet* sheet() const { return sheet_ ? &*sheet_ : nullptr; }
    QString refusal() const;

    void printClick();
    void exportClick();

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void refresh();
    void rebuild();
    void fieldEdited();
    void zoomChanged();
    QLineEdit* addField(const char* name, const QString& caption);

    Source source_;
    Messages& messages_;
    AppSettings* settings_;
    std::unique_ptr<ExportChooser> ownFiles_;
    ExportChooser& files_;
    std::unique_ptr<QPagedPaintDevice> printer_;
    DrawingInput input_;
    std::optional<SpringSheet> sheet_;
    QScrollArea* scroll_ = nullptr;
    SheetView* view_ = nullptr;
    QLabel* refusal_ = nullptr;
    QComboBox* zoom_ = nullptr;
    QComboBox* format_ = nullptr;
    QWidget* fieldsPanel_ = nullptr;
    std::vector<std::pair<QString, QLineEdit*>> fields_;
    QPushButton* printButton_ = nullptr;
    QPushButton* exportButton_ = nullptr;
    bool filling_ = false;
};
