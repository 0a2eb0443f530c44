#include "data/MessageSeam.h"

#include <QTextStream>

namespace {

class StandardErrorMessages : public MessageSeam {
public:
    void information(const QString& text) override { write(text); }
    bool question(const QString& title, const QString& text) override
    {
        write(title + QStringLiteral(": ") + text + QStringLiteral(" (No)"));
        return false;
    }
    void error(const QString& text) override { write(QStringLiteral("Error: ") + text); }
    void plain(const QString& text) override { write(text); }

private:
    static void write(const QString& text)
    {
        QTextStream err(stderr);
        err << text << Qt::endl;
    }
};

StandardErrorMessages g_standardError;
MessageSeam* g_current = &g_standardError;

}

MessageSeam& MessageSeam::current() { return *g_current; }

void MessageSeam::install(MessageSeam* seam) { g_current = seam ? seam : &g_standardError; }
