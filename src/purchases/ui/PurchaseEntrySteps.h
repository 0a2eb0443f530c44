#pragma once
#include "purchases/PurchaseVoucher.h"

#include <QObject>
#include <optional>

class DataGrid;
class PurchaseHeaderForm;
class PurchaseToolBar;
class RecentPurchasesGrid;
struct PurchaseRegistrationResult;

// What the purchase panel and the service panel do alike around their own lines: the three states
// and what each enables, the arrows that move through the list of recent purchases, and asking
// for and carrying out the deletion of the purchase shown.
//
// Browsing (after opening): nothing is entered, "REGISTRAR ENTRADA", "+" and print are off.
// Entering (after "NUEVA ENTRADA"): the fields and lines take input, "ANULAR ENTRADA" and print
// are off. Viewing (a listed purchase chosen): shown, not editable, "ANULAR ENTRADA" on, and print
// for a purchase on the first voucher kind (a receipt).
class PurchaseEntrySteps : public QObject {
    Q_OBJECT
public:
    enum class State { Browsing, Entering, Viewing };

    PurchaseEntrySteps(RecentPurchasesGrid* list, PurchaseHeaderForm* form, PurchaseToolBar* toolBar, QObject* parent);

    State state() const { return m_state; }
    // `storedVoucherKind` is the voucher kind of the purchase shown (viewing).
    void setState(State state, int storedVoucherKind = -1);
    bool entering() const { return m_state == State::Entering; }
    // Viewing a purchase whose voucher may be printed.
    bool printable() const;

    // Asks whether to delete the purchase shown and deletes it on Yes. True when it was deleted;
    // a refusal (it was no longer there) or an engine error has been shown.
    static bool ConfirmAndDelete(const QString& purchaseId);
    // The voucher of a stored purchase, from what was stored; nothing (and the reason shown) when
    // it is no longer there or cannot be read.
    static std::optional<PurchaseVoucher> StoredVoucher(const QString& purchaseId);
    // Shows why a registration was refused and chooses the line it is about.
    static void ReportRefusal(const PurchaseRegistrationResult& result, DataGrid* lines);

private:
    RecentPurchasesGrid* m_list;
    PurchaseHeaderForm* m_form;
    PurchaseToolBar* m_toolBar;
    State m_state = State::Browsing;
    int m_storedVoucherKind = -1;
};
