#pragma once
// Only for test programs that link the printing folder.
#include "printing/RecordingReportPreview.h"
#include "printing/RecordingTicketSink.h"
#include "printing/TicketSinkSeam.h"

#include <QtTest>

// Catches everything the code under test prints while it lives: roll tickets in a recorder,
// letter-size reports in a recording preview (laid out as they were shown). The program's own
// outputs come back when it goes.
class PrintCapture {
public:
    PrintCapture()
    {
        TicketSinkSeam::install(&tickets);
        ReportPreview::install(&previews);
    }
    ~PrintCapture()
    {
        TicketSinkSeam::install(nullptr);
        ReportPreview::install(nullptr);
    }
    PrintCapture(const PrintCapture&) = delete;
    PrintCapture& operator=(const PrintCapture&) = delete;

    // The text of a label of a shown preview (the last one unless told) as it was printed. No
    // preview shown, or a label the report does not hold, stops the test at once.
    QString label(const char* name, int preview = -1) const
    {
        if (previews.shown.isEmpty())
            qFatal("no report was shown, so there is no label %s", name);
        const ReportDocument& document = previews.shown.at(preview < 0 ? previews.shown.size() - 1 : preview);
        for (const LaidOutPage& page : document.pages)
            if (const PlacedElement* element = page.find(QString::fromLatin1(name)))
                return element->text;
        qFatal("the report \"%s\" has no label %s", qPrintable(document.title), name);
    }

    RecordingTicketSink tickets;
    RecordingReportPreview previews;
};
