#pragma once
// How windows reach the user with a message, an OK/Cancel question or the
// question whether to save changed input first. The
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

    enum class SaveAnswer { Save, DontSave, Cancel };
    // Save / Don't save / Cancel, asked before changed input is dropped.
    virtual SaveAnswer askToSave(const QString& text) = 0;
};
