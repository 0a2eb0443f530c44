#include "purchases/ui/PurchaseEntrySteps.h"

#include "data/DatabaseError.h"
#include "data/MessageSeam.h"
#include "purchases/PurchaseCodes.h"
#include "purchases/PurchaseDeletion.h"
#include "purchases/ui/PurchaseHeaderForm.h"
#include "purchases/PurchaseRegistration.h"
#include "purchases/ui/PurchaseToolBar.h"
#include "purchases/ui/RecentPurchasesGrid.h"
#include "purchases/StoredPurchases.h"

#include <QToolButton>

PurchaseEntrySteps::PurchaseEntrySteps(RecentPurchasesGrid* list, PurchaseHeaderForm* form, PurchaseToolBar* toolBar,
                                       QObject* parent)
    : QObject(parent)
    , m_list(list)
    , m_form(form)
    , m_toolBar(toolBar)
{
    connect(toolBar->first(), &QToolButton::clicked, this, [this] { m_list->goToRow(0); });
    connect(toolBar->previous(), &QToolButton::clicked, this, [this] { m_list->goToRow(qMax(0, m_list->selectedRow() - 1)); });
    connect(toolBar->next(), &QToolButton::clicked, this,
            [this] { m_list->goToRow(qMin(m_list->rowCount() - 1, m_list->selectedRow() + 1)); });
    connect(toolBar->last(), &QToolButton::clicked, this, [this] { m_list->goToRow(m_list->rowCount() - 1); });
}

void PurchaseEntrySteps::setState(State state, int storedVoucherKind)
{
    m_state = state;
    m_storedVoucherKind = state == State::Viewing ? storedVoucherKind : -1;
    const bool entering = state == State::Entering;
    m_form->setEditable(entering);
    m_toolBar->store()->setEnabled(entering);
    m_toolBar->add()->setEnabled(entering);
    m_toolBar->remove()->setEnabled(!entering);
    m_toolBar->print()->setEnabled(printable());
}

bool PurchaseEntrySteps::printable() const
{
    return m_state == State::Viewing && m_storedVoucherKind == PurchaseCodes::ReceiptVoucher;
}

bool PurchaseEntrySteps::ConfirmAndDelete(const QString& purchaseId)
{
    MessageSeam& messages = MessageSeam::current();
    if (!messages.question(QString(), QStringLiteral("Esta seguro que quiere eliminar el Registro?...")))
        return false;
    try {
        const QString refusal = PurchaseDeletion::Delete(purchaseId);
        if (refusal.isEmpty())
            return true;
        messages.information(refusal);
    } catch (const DatabaseError& e) {
        messages.error(e.text());
    }
    return false;
}

std::optional<PurchaseVoucher> PurchaseEntrySteps::StoredVoucher(const QString& purchaseId)
{
    try {
        if (auto voucher = StoredPurchases::Voucher(purchaseId))
            return voucher;
        MessageSeam::current().information(
            QStringLiteral("La Compra %1 ya no existe, pudo ser eliminada en otra estacion").arg(purchaseId));
    } catch (const DatabaseError& e) {
        MessageSeam::current().error(e.text());
    }
    return std::nullopt;
}

void PurchaseEntrySteps::ReportRefusal(const PurchaseRegistrationResult& result, DataGrid* lines)
{
    if (result.line >= 0)
        lines->goToRow(result.line);
    if (result.conversionError)
        MessageSeam::current().error(result.message);
    else
        MessageSeam::current().information(result.message);
}
