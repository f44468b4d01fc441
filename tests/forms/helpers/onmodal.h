#pragma once
// For tests that must run a real modal dialog: while this object lives, the
// first modal widget that opens (polled every 10 ms) is handed to `action`,
// which typically presses a button, so a test never hangs. It is handed over
// once it is the active window, as a user meets it (at most half a second
// after it opened): answered before, its late activation would take the
// keyboard from the window the test goes on in.
//
//   OnModal answer([&](QWidget*) { dialog.findChild<QPushButton*>(QStringLiteral("BitBtn1"))->click(); });
//   QVERIFY(dialog.choose());
//   QVERIFY(answer.fired());

#include <QTimer>

#include <functional>

class QWidget;

class OnModal {
public:
    explicit OnModal(std::function<void(QWidget*)> action);
    // Whether a modal widget opened and was handed over.
    bool fired() const { return fired_; }

private:
    QTimer timer_;
    std::function<void(QWidget*)> action_;
    bool fired_ = false;
    int waited_ = 0; // polls since the modal widget opened
};
