#include "recorder.h"

void MessageRecorder::message(const QString& text)
{
    messages << text;
}

bool MessageRecorder::confirm(const QString& caption, const QString& text)
{
    captions << caption;
    questions << text;
    return answers.isEmpty() ? false : answers.takeFirst();
}

Messages::SaveAnswer MessageRecorder::askToSave(const QString& text)
{
    saveQuestions << text;
    return saveAnswers.isEmpty() ? SaveAnswer::Cancel : saveAnswers.takeFirst();
}
