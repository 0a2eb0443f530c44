#include "app/ui/UAsistente.h"

#include "app/ui/SetupInvoicingPage.h"
#include "app/ui/SetupPasswordPage.h"
#include "app/ui/SetupPrinterPage.h"
#include "app/ui/SetupProductsPage.h"
#include "app/ui/SetupTaxpayerPage.h"
#include "app/ui/SetupUsersPage.h"
#include "app/ui/SetupWelcomePage.h"
#include "data/MainStatus.h"

#include <QEvent>
#include <QMdiSubWindow>

TFAsistente::TFAsistente(QWidget* parent) : QWizard(parent)
{
    setObjectName(QStringLiteral("FAsistente"));
    setWindowTitle(QStringLiteral("Asistente de Configuración"));
    setWizardStyle(QWizard::ClassicStyle);
    setOption(QWizard::NoBackButtonOnStartPage);
    setOption(QWizard::HaveFinishButtonOnEarlyPages);
    setButtonText(QWizard::NextButton, QStringLiteral("Siguiente >"));
    setButtonText(QWizard::BackButton, QStringLiteral("< Anterior"));
    setButtonText(QWizard::FinishButton, QStringLiteral("Terminar"));
    setButtonText(QWizard::CancelButton, QStringLiteral("Dejar para después"));
    setPage(WelcomePage, new SetupWelcomePage(this));
    setPage(TaxpayerPage, new SetupTaxpayerPage(this));
    setPage(InvoicingPage, new SetupInvoicingPage(this));
    setPage(PrinterPage, new SetupPrinterPage(this));
    setPage(PasswordPage, new SetupPasswordPage(this));
    setPage(UsersPage, new SetupUsersPage(this));
    setPage(ProductsPage, new SetupProductsPage(this));
    setMinimumSize(720, 560);
    connect(this, &QDialog::finished, this, &TFAsistente::closeFrame);
}

bool TFAsistente::event(QEvent* event)
{
    if (event->type() == QEvent::WindowActivate)
        MainStatus::setText(3, QStringLiteral("Operacion: Asistente de Configuración"));
    return QWizard::event(event);
}

void TFAsistente::closeFrame()
{
    if (auto* frame = qobject_cast<QMdiSubWindow*>(parentWidget()))
        frame->close();
}
