#include "RecordingMessages.h"

bool RecordingMessages::question(const QString& title, const QString& text)
{
    questions << qMakePair(title, text);
    all << text;
    return answers.isEmpty() ? defaultAnswer : answers.takeFirst();
}

void RecordingMessages::clear()
{
    infos.clear();
    errors.clear();
    plains.clear();
    all.clear();
    questions.clear();
    answers.clear();
}
