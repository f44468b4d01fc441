#pragma once
// The About window: the program's name and version, a request to report
// faults, and a button, captioned with the feedback address, that starts a
// feedback mail in the user's mail program; when no mail program opens, the
// address goes to the clipboard and a message says so. A build without a
// feedback address shows no button.

#include <QDialog>

class Messages;
class QPushButton;
class UrlOpener;

// The feedback address, set when the program is built; empty when none was.
QString feedbackAddress();

// The mail link of the feedback button: recipient, subject and a body of
// one line break.
QString feedbackLink(const QString& address);

class TAboutBox : public QDialog {
    Q_OBJECT
public:
    TAboutBox(Messages& messages, UrlOpener& opener, QWidget* parent = nullptr,
        const QString& address = feedbackAddress());

    void sendClick();
    void OKButtonClick();

protected:
    void showEvent(QShowEvent* event) override;

private:
    Messages& messages_;
    UrlOpener& opener_;
    QPushButton* send = nullptr;
};
