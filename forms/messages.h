#pragma once
// How windows reach the user with a message or an OK/Cancel question. The
// program passes QtMessages (message boxes); tests pass a recorder with
// scripted answers, so no modal loop runs in a test.

#include <QString>

class Messages {
public:
    virtual ~Messages() = default;
    // A message with one OK button; waits until the user closes it.
    virtual void message(const QString& text) = 0;
    // OK/Cancel question; true for OK.
    virtual bool confirm(const QString& caption, const QString& text) = 0;
};
