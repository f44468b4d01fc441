#pragma once
// Messages for tests: records what the windows would show and answers
// OK/Cancel questions from a script, so no message box ever opens.
//
//   MessageRecorder messages;
//   messages.answers = {true, false};   // first question OK, second Cancel
//   ... run the window ...
//   QCOMPARE(messages.messages, QStringList{"no material.dat"});

#include "forms/widgets/messages.h"

#include <QList>
#include <QStringList>

class MessageRecorder : public Messages {
public:
    QStringList messages; // texts of message(), in order
    QStringList questions; // texts of confirm(), in order
    QStringList captions; // captions of confirm(), in order
    QList<bool> answers; // confirm() answers, first used first; Cancel when none is left
    QStringList saveQuestions; // texts of askToSave(), in order
    QList<SaveAnswer> saveAnswers; // its answers, first used first; Cancel when none is left

    void message(const QString& text) override;
    bool confirm(const QString& caption, const QString& text) override;
    SaveAnswer askToSave(const QString& text) override;
};
