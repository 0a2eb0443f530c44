#pragma once
#include <QString>

// Every box the program shows goes through here, so tests can read the texts and script the
// answers. The window program installs the real boxes (widgets/DialogMessages) at start; a test
// installs a recorder. Until then the texts go to the standard error stream and every question is
// answered No, so a tool without windows never acts on a question nobody saw.
class MessageSeam {
public:
    virtual ~MessageSeam() = default;
    virtual void information(const QString& text) = 0;                     // one OK button
    virtual bool question(const QString& title, const QString& text) = 0;  // Yes/No, true on Yes
    virtual void error(const QString& text) = 0;                           // the standard error box
    virtual void plain(const QString& text) = 0;                           // untitled message box

    static MessageSeam& current();
    // Installs an implementation; nullptr puts the standard-error one back. The caller keeps
    // ownership.
    static void install(MessageSeam* seam);
};
