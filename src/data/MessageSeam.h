#pragma once
#include <QString>

class QWidget;

// Every box the program shows goes through here, so tests can read the texts and script the
// answers. The program uses the real boxes; a test installs a recorder.
class MessageSeam {
public:
    virtual ~MessageSeam() = default;
    virtual void information(const QString& text) = 0;                  // one OK button
    virtual bool question(const QString& title, const QString& text) = 0; // Yes/No, true on Yes
    virtual void error(const QString& text) = 0;                        // the standard error box
    virtual void plain(const QString& text) = 0;                        // untitled message box

    static MessageSeam& current();
    // Installs an implementation; nullptr puts the real boxes back. The caller keeps ownership.
    static void install(MessageSeam* seam);
};

// The real boxes, parented to the active window.
class DialogMessages : public MessageSeam {
public:
    void information(const QString& text) override;
    bool question(const QString& title, const QString& text) override;
    void error(const QString& text) override;
    void plain(const QString& text) override;
};
