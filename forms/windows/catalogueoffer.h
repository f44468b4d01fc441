#pragma once
// After the user's catalogue took a new shipped version: what changed, and
// "Проверить расчёты…" against the catalogue as it was before (the copy the
// update kept, engine/catalogue/cataloguesync.h). The copy goes once the user has
// checked or declined; "Позже" keeps it, and the offer comes again at the
// next start.

#include <QString>

#include <functional>
#include <string>

class FileChooser;
class Messages;
class QWidget;

enum class UpdateAnswer { Check, Later, Discard };
// Shows the text and the three choices; the program passes a message box.
using UpdateQuestion = std::function<UpdateAnswer(const QString& text)>;
UpdateAnswer askInMessageBox(QWidget* parent, const QString& text);

// Nothing when the catalogue in `dataDir` has no previous copy. The
// comparison's window is made as a child of `parent`.
void offerDesignCheck(QWidget* parent, const std::string& dataDir, FileChooser& files, Messages& messages,
    const UpdateQuestion& ask);
