#pragma once
#include "data/MessageSeam.h"

#include <QList>
#include <QPair>
#include <QStringList>

// Keeps every box the code under test shows and answers its questions from a script
// (Yes when the script is empty, unless defaultAnswer says otherwise).
class RecordingMessages : public MessageSeam {
public:
    void information(const QString& text) override
    {
        infos << text;
        all << text;
    }
    bool question(const QString& title, const QString& text) override;
    void error(const QString& text) override
    {
        errors << text;
        all << text;
    }
    void plain(const QString& text) override
    {
        plains << text;
        all << text;
    }

    void answerNext(bool yes) { answers << yes; }
    void clear();

    QStringList infos, errors, plains, all;
    QList<QPair<QString, QString>> questions;  // title, text
    QList<bool> answers;
    bool defaultAnswer = true;
};
