#include "printing/ui/DialogReportPreview.h"

#include "data/FileDialogSeam.h"
#include "data/MessageSeam.h"
#include "data/SessionState.h"
#include "printing/ReportDefinition.h"
#include "printing/ReportLayouter.h"
#include "printing/ReportPainter.h"

#include <QAction>
#include <QApplication>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QScreen>
#include <QToolBar>

namespace {
void AddSavePdfAction(QPrintPreviewDialog& dialog, const QList<ReportDefinition*>& reports)
{
    auto* toolBar = dialog.findChild<QToolBar*>();
    if (!toolBar)
        return;
    toolBar->addSeparator();
    QAction* save = toolBar->addAction(QStringLiteral("Guardar PDF"));
    QObject::connect(save, &QAction::triggered, &dialog, [&dialog, reports] {
        const QString path =
            FileDialogSeam::current().saveFile(&dialog, QStringLiteral("Guardar PDF"), SessionState::current().AppFolder,
                                               QStringLiteral("Documento PDF (*.pdf)"));
        if (path.isEmpty())
            return;
        const QString failure = ReportPainter::writePdf(ReportLayouter::layout(reports), path);
        if (!failure.isEmpty())
            MessageSeam::current().error(failure);
    });
}

// The preview opens large, its page as wide as the window: the report reads without zooming.
void OpenAtPageWidth(QPrintPreviewDialog& dialog)
{
    if (const QScreen* screen = dialog.screen()) {
        const QRect free = screen->availableGeometry();
        dialog.resize(free.width() * 9 / 10, free.height() * 9 / 10);
    }
    if (auto* preview = dialog.findChild<QPrintPreviewWidget*>())
        preview->fitToWidth();
}
}

void DialogReportPreview::showComposite(const QList<ReportDefinition*>& reports)
{
    if (reports.isEmpty())
        return;
    const QString title = reports.first()->title;
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(title);
    printer.setFullPage(true);
    printer.setPageLayout(reports.first()->page.pageLayout());

    QPrintPreviewDialog dialog(&printer, QApplication::activeWindow());
    dialog.setWindowTitle(title);
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog, [reports](QPrinter* target) {
        target->setFullPage(true);
        const QString failure = ReportPainter::paint(ReportLayouter::layout(reports), *target);
        if (!failure.isEmpty())
            MessageSeam::current().error(failure);
    });
    AddSavePdfAction(dialog, reports);
    OpenAtPageWidth(dialog);
    dialog.exec();
}
