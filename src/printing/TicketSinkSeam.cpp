#include "printing/TicketSinkSeam.h"

#include "printing/TicketSink.h"

#include <QImage>

namespace {

class NoTicketSink : public TicketSink {
public:
    QString begin(const QString&) override { return QStringLiteral("No hay impresora de tickets en este programa."); }
    int lineHeight() const override { return 0; }
    void drawText(int, int, const QString&) override {}
    void drawImage(int, int, const QImage&) override {}
    QString end() override { return QStringLiteral("No hay impresora de tickets en este programa."); }
    void discard() override {}
};

NoTicketSink g_none;
TicketSink* g_installed = &g_none;

}

namespace TicketSinkSeam {

TicketSink& current() { return *g_installed; }

void install(TicketSink* sink) { g_installed = sink ? sink : &g_none; }

}
