#include "purchases/ui/PurchaseHeaderForm.h"

#include "data/DatabaseError.h"
#include "data/Formats.h"
#include "data/MessageSeam.h"
#include "data/SessionState.h"
#include "data/UDataModule.h"
#include "masterdata/ui/PickerChoice.h"
#include "masterdata/ui/UBusquedas.h"
#include "purchases/StoredPurchases.h"
#include "widgets/InputFilters.h"
#include "widgets/NamedControls.h"

#include <QComboBox>
#include <QDateEdit>
#include <QFocusEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>
#include <QVBoxLayout>
#include <cmath>

using NamedControls::Field;

namespace {

// Amount and number boxes take digits and "." only.
QLineEdit* NumberField(QWidget* parent, const char* name, int maxLength, bool amount)
{
    QLineEdit* edit = Field(parent, name, maxLength);
    InputFilters::digitsAndPoint(edit);
    if (amount)
        edit->setAlignment(Qt::AlignRight);
    return edit;
}

QComboBox* List(QWidget* parent, const char* name, const QStringList& items = {})
{
    QComboBox* combo = NamedControls::List(parent, name, items);
    InputFilters::refuseTyping(combo);
    return combo;
}

QLabel* Caption(QWidget* parent, const QString& text)
{
    auto* label = new QLabel(text, parent);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return label;
}

qint64 Cents(double amount) { return std::llround(amount * 100.0); }

}

PurchaseHeaderForm::PurchaseHeaderForm(const Names& names, QWidget* parent) : QObject(parent), m_pickerMode(names.pickerMode)
{
    m_band = buildSupplierBand(parent, names);
    m_PDatosP = new QWidget(parent);
    m_PDatosP->setObjectName(QStringLiteral("PDatosP"));
    auto* data = new QVBoxLayout(m_PDatosP);
    data->setContentsMargins(0, 0, 0, 0);
    data->addWidget(buildReceiptPanel());
    data->addWidget(buildInvoicePanel());
    showVoucherPanel(PurchaseCodes::ReceiptVoucher);
}

QWidget* PurchaseHeaderForm::buildSupplierBand(QWidget* parent, const Names& names)
{
    auto* band = new QWidget(parent);
    band->setObjectName(QStringLiteral("PProveedor"));
    m_ENitCI = Field(band, names.nitCi, 12);
    InputFilters::digits(m_ENitCI);
    m_ENitCI->setToolTip(QStringLiteral("Espacio: buscar proveedor"));
    // After the digit filter, so the space bar reaches this window's filter first.
    m_ENitCI->installEventFilter(this);
    m_SBBuscar = new QToolButton(band);
    m_SBBuscar->setObjectName(QLatin1String(names.search));
    m_SBBuscar->setText(QStringLiteral("..."));
    m_SBBuscar->setToolTip(QStringLiteral("Buscar Proveedor"));
    m_EProveedor = Field(band, "EProveedor", 50);
    m_EProveedor->setReadOnly(true);
    m_CBFormaP = List(band, "CBFormaP", PurchaseCodes::PaymentFormNames());
    m_CBComprobante = List(band, "CBComprobante");
    m_LFechaRF = Caption(band, QString());
    m_LFechaRF->setObjectName(QStringLiteral("LFechaRF"));
    // Room for the longer of its two captions.
    m_LFechaRF->setMinimumWidth(m_LFechaRF->fontMetrics().horizontalAdvance(QStringLiteral("Fecha Factura o DUI")) + 6);
    m_DTFechaC = new QDateEdit(band);
    m_DTFechaC->setObjectName(QStringLiteral("DTFechaC"));
    m_DTFechaC->setDisplayFormat(QStringLiteral("dd/MM/yyyy"));
    m_DTFechaC->setCalendarPopup(true);

    m_ENitCI->setFixedWidth(120);
    // Two rows that do not share columns, so the band stays as narrow as its longest row.
    auto* supplier = new QHBoxLayout;
    supplier->addWidget(Caption(band, QStringLiteral("NIT/CI Proveedor:")));
    supplier->addWidget(m_ENitCI);
    supplier->addSpacing(-4);
    supplier->addWidget(m_SBBuscar);
    supplier->addSpacing(12);
    supplier->addWidget(Caption(band, QStringLiteral("Razón Social/Nombre Proveedor:")));
    supplier->addWidget(m_EProveedor, 1);
    auto* payment = new QHBoxLayout;
    payment->addWidget(Caption(band, QStringLiteral("Forma de Pago:")));
    payment->addWidget(m_CBFormaP);
    payment->addSpacing(12);
    payment->addWidget(Caption(band, QStringLiteral("Comprobante:")));
    payment->addWidget(m_CBComprobante);
    payment->addStretch(1);
    payment->addWidget(m_LFechaRF);
    payment->addWidget(m_DTFechaC);
    auto* rows = new QVBoxLayout(band);
    rows->setContentsMargins(0, 0, 0, 0);
    rows->addLayout(supplier);
    rows->addLayout(payment);

    connect(m_ENitCI, &QLineEdit::textChanged, m_EProveedor, &QLineEdit::clear);
    connect(m_SBBuscar, &QToolButton::clicked, this, &PurchaseHeaderForm::SBBuscarClick);
    connect(m_CBFormaP, &QComboBox::activated, this, &PurchaseHeaderForm::CBFormaPChange);
    connect(m_CBComprobante, &QComboBox::activated, this, &PurchaseHeaderForm::CBComprobanteChange);
    return band;
}

QWidget* PurchaseHeaderForm::buildReceiptPanel()
{
    m_PRecibo = new QWidget(m_PDatosP);
    m_PRecibo->setObjectName(QStringLiteral("PRecibo"));
    m_ENRecibo = NumberField(m_PRecibo, "ENRecibo", 12, false);
    m_ETotalR = NumberField(m_PRecibo, "ETotalR", 12, true);
    m_EEfectivoR = NumberField(m_PRecibo, "EEfectivoR", 12, true);
    m_ESaldoR = NumberField(m_PRecibo, "ESaldoR", 12, true);
    // The balance box is worked out from the total and the cash.
    m_ESaldoR->setReadOnly(true);
    m_LCoS = Caption(m_PRecibo, QStringLiteral("Cambio:"));
    m_LCoS->setObjectName(QStringLiteral("LCoS"));
    auto* grid = new QGridLayout(m_PRecibo);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->addWidget(Caption(m_PRecibo, QStringLiteral("Nro. de Recibo:")), 0, 0);
    grid->addWidget(m_ENRecibo, 0, 1);
    grid->addWidget(Caption(m_PRecibo, QStringLiteral("Total Compra Bs.:")), 0, 2);
    grid->addWidget(m_ETotalR, 0, 3);
    grid->addWidget(Caption(m_PRecibo, QStringLiteral("Efectivo a Pagar:")), 1, 0);
    grid->addWidget(m_EEfectivoR, 1, 1);
    grid->addWidget(m_LCoS, 1, 2);
    grid->addWidget(m_ESaldoR, 1, 3);
    connect(m_EEfectivoR, &QLineEdit::textChanged, this, &PurchaseHeaderForm::updateBalance);
    connect(m_ETotalR, &QLineEdit::textEdited, this, &PurchaseHeaderForm::updateBalance);
    return m_PRecibo;
}

QWidget* PurchaseHeaderForm::buildInvoicePanel()
{
    m_PFactura = new QWidget(m_PDatosP);
    m_PFactura->setObjectName(QStringLiteral("PFactura"));
    m_ENFactura = NumberField(m_PFactura, "ENFactura", 12, false);
    m_ENAutorizacion = NumberField(m_PFactura, "ENAutorizacion", 15, false);
    m_ENDui = NumberField(m_PFactura, "ENDui", 20, false);
    m_ECodigoC = Field(m_PFactura, "ECodigoC", 14);
    InputFilters::upperCase(m_ECodigoC);
    m_ETotalF = NumberField(m_PFactura, "ETotalF", 12, true);
    m_EExentos = NumberField(m_PFactura, "EExentos", 12, true);
    m_EDescuentos = NumberField(m_PFactura, "EDescuentos", 12, true);
    m_CBTipoC = List(m_PFactura, "CBTipoC", PurchaseCodes::PurchaseTypeNames());
    auto* grid = new QGridLayout(m_PFactura);
    grid->setContentsMargins(0, 0, 0, 0);
    const QList<std::pair<const char*, QWidget*>> left = {{"Nro. de Factura:", m_ENFactura},
                                                          {"Nro. de Autorización:", m_ENAutorizacion},
                                                          {"Nro. de DUI:", m_ENDui},
                                                          {"Codigo de Control:", m_ECodigoC}};
    const QList<std::pair<const char*, QWidget*>> right = {{"Total Compra Bs.:", m_ETotalF},
                                                           {"Exentos de Cred. Fiscal:", m_EExentos},
                                                           {"Descuentos:", m_EDescuentos},
                                                           {"Tipo de Compra:", m_CBTipoC}};
    for (int row = 0; row < 4; ++row) {
        grid->addWidget(Caption(m_PFactura, QString::fromUtf8(left.at(row).first)), row, 0);
        grid->addWidget(left.at(row).second, row, 1);
        grid->addWidget(Caption(m_PFactura, QString::fromUtf8(right.at(row).first)), row, 2);
        grid->addWidget(right.at(row).second, row, 3);
    }
    return m_PFactura;
}

void PurchaseHeaderForm::loadVoucherKinds()
{
    m_CBComprobante->clear();
    const SqlRows rows =
        TDataModule1::instance().query(QStringLiteral("SELECT Comprobante FROM ComprobanteC ORDER BY IdCompC"));
    for (SqlRows r = rows; !r.atEnd(); r.next())
        m_CBComprobante->addItem(r.text(0));
    m_CBComprobante->setCurrentIndex(0);
    showVoucherPanel(m_CBComprobante->currentIndex());
}

void PurchaseHeaderForm::clearForNew()
{
    for (QLineEdit* edit : {m_ENitCI, m_EProveedor, m_ENRecibo, m_ETotalR, m_EEfectivoR, m_ESaldoR, m_ENFactura,
                            m_ENAutorizacion, m_ETotalF, m_ECodigoC})
        edit->clear();
    for (QLineEdit* edit : {m_ENDui, m_EExentos, m_EDescuentos})
        edit->setText(QStringLiteral("0"));
    m_CBFormaP->setCurrentIndex(PurchaseCodes::Cash);
    applyPaymentForm(PurchaseCodes::Cash);
    m_DTFechaC->setDate(SessionState::current().WorkDate);
    m_CBComprobante->setCurrentIndex(PurchaseCodes::ReceiptVoucher);
    showVoucherPanel(PurchaseCodes::ReceiptVoucher);
    m_CBTipoC->setCurrentIndex(1);
    m_LCoS->setText(QStringLiteral("Cambio:"));
}

void PurchaseHeaderForm::showStored(const QStringList& row)
{
    using namespace StoredPurchases;
    // The NIT/CI first: changing it clears the name.
    m_ENitCI->setText(row.value(ColNitCI));
    m_EProveedor->setText(row.value(ColProveedor));
    m_CBFormaP->setCurrentIndex(row.value(ColFormaP).toInt());
    m_CBComprobante->setCurrentIndex(row.value(ColComprobante).toInt());
    showVoucherPanel(row.value(ColComprobante).toInt());
    m_DTFechaC->setDate(Formats::ParseDate(row.value(ColFechaC)));
    m_ENRecibo->setText(row.value(ColNroFact));
    m_ENFactura->setText(row.value(ColNroFact));
    m_ENDui->setText(row.value(ColNroDUI));
    m_ENAutorizacion->setText(row.value(ColNroAut));
    m_ETotalR->setText(row.value(ColTotalF));
    m_ETotalF->setText(row.value(ColTotalF));
    m_EEfectivoR->setText(row.value(ColTotalE));
    m_ESaldoR->setText(row.value(ColSaldo));
    m_EExentos->setText(row.value(ColExentos));
    m_EDescuentos->setText(row.value(ColDescuentos));
    m_ECodigoC->setText(row.value(ColCodigoC));
    m_CBTipoC->setCurrentIndex(row.value(ColTipoC).toInt());
}

void PurchaseHeaderForm::setEditable(bool editable)
{
    m_band->setEnabled(editable);
    m_PDatosP->setEnabled(editable);
}

void PurchaseHeaderForm::setLinesTotal(bool hasLines, double total)
{
    const QString text = hasLines ? Formats::Money(total) : QStringLiteral("0");
    m_ETotalR->setText(text);
    m_ESaldoR->setText(QStringLiteral("0"));
    m_ETotalF->setText(text);
    updateBalance();
}

int PurchaseHeaderForm::paymentForm() const { return m_CBFormaP->currentIndex(); }

int PurchaseHeaderForm::voucherKind() const { return m_CBComprobante->currentIndex(); }

PurchaseHeaderInput PurchaseHeaderForm::input(int inventory) const
{
    PurchaseHeaderInput in = PurchaseHeaderInput::fromSession(inventory);
    in.nitCi = m_ENitCI->text().trimmed();
    in.supplierName = m_EProveedor->text();
    in.date = m_DTFechaC->date();
    in.paymentForm = paymentForm();
    in.voucherKind = voucherKind();
    in.receiptNumber = m_ENRecibo->text();
    in.receiptTotal = m_ETotalR->text();
    in.receiptCash = m_EEfectivoR->text();
    in.receiptBalance = m_ESaldoR->text();
    in.invoiceNumber = m_ENFactura->text();
    in.authorization = m_ENAutorizacion->text();
    in.dui = m_ENDui->text();
    in.invoiceTotal = m_ETotalF->text();
    in.exempt = m_EExentos->text();
    in.discounts = m_EDescuentos->text();
    in.controlCode = m_ECodigoC->text();
    in.purchaseType = m_CBTipoC->currentIndex();
    return in;
}

// ----- rules ---------------------------------------------------------------------------------

void PurchaseHeaderForm::CBFormaPChange()
{
    for (QLineEdit* edit : {m_ETotalR, m_EEfectivoR, m_ESaldoR}) {
        edit->clear();
        edit->setEnabled(true);
    }
    m_CBComprobante->setCurrentIndex(PurchaseCodes::ReceiptVoucher);
    showVoucherPanel(PurchaseCodes::ReceiptVoucher);
    applyPaymentForm(paymentForm());
    if (paymentForm() != PurchaseCodes::Free)
        emit totalsWanted();
}

// A free purchase carries no amounts; free and credit purchases are receipts.
void PurchaseHeaderForm::applyPaymentForm(int form)
{
    const bool free = form == PurchaseCodes::Free;
    const bool receiptOnly = free || form == PurchaseCodes::Credit;
    if (receiptOnly) {
        m_CBComprobante->setCurrentIndex(PurchaseCodes::ReceiptVoucher);
        showVoucherPanel(PurchaseCodes::ReceiptVoucher);
    }
    m_CBComprobante->setEnabled(!receiptOnly);
    for (QLineEdit* edit : {m_ETotalR, m_EEfectivoR, m_ESaldoR}) {
        if (free)
            edit->setText(QStringLiteral("0"));
        edit->setEnabled(!free);
    }
}

void PurchaseHeaderForm::CBComprobanteChange() { showVoucherPanel(voucherKind()); }

void PurchaseHeaderForm::showVoucherPanel(int kind)
{
    const bool invoice = kind == PurchaseCodes::InvoiceVoucher;
    const bool receipt = kind == PurchaseCodes::ReceiptVoucher || kind == PurchaseCodes::OtherReceiptVoucher;
    m_PRecibo->setVisible(receipt);
    m_PFactura->setVisible(invoice);
    m_LFechaRF->setText(invoice ? QStringLiteral("Fecha Factura o DUI") : QStringLiteral("Fecha del Recibo"));
}

// The change when the cash covers the total, otherwise what is still owed.
void PurchaseHeaderForm::updateBalance()
{
    if (m_EEfectivoR->text().isEmpty() || m_ETotalR->text().isEmpty())
        return;
    double cash = 0, total = 0;
    if (!Formats::ParseAmount(m_EEfectivoR->text(), &cash) || !Formats::ParseAmount(m_ETotalR->text(), &total)) {
        m_ESaldoR->clear();
        return;
    }
    const bool covered = Cents(total) <= Cents(cash);
    m_LCoS->setText(covered ? QStringLiteral("Cambio:") : QStringLiteral("Saldo:"));
    m_ESaldoR->setText(Formats::Money(covered ? cash - total : total - cash));
}

// Inactive suppliers are found as well: a purchase names whoever sold it.
void PurchaseHeaderForm::ENitCIExit()
{
    const QString nit = m_ENitCI->text().trimmed();
    if (nit.isEmpty())
        return;
    m_EProveedor->clear();
    try {
        const SqlRows supplier =
            TDataModule1::instance().query(QStringLiteral("SELECT NitCI, RSocial FROM Proveedores WHERE NitCI=?"), {nit});
        if (supplier.isEmpty())
            MessageSeam::current().information(QStringLiteral("El Proveedor con ese Numero de Nit/CI no Existe"));
        else
            m_EProveedor->setText(supplier.text(1));
    } catch (const DatabaseError& e) {
        MessageSeam::current().error(e.text());
    }
}

void PurchaseHeaderForm::SBBuscarClick()
{
    TFBusquedas* picker = TFBusquedas::shared();
    if (!picker || !m_band->isEnabled())
        return;
    const auto choice = picker->pick(m_pickerMode);
    if (!choice)
        return;
    ApplyPickerChoice(m_pickerMode, *choice, m_ENitCI, m_EProveedor);
    // A choice made in the picker's search box brings no name: it comes from the lookup.
    if (m_EProveedor->text().isEmpty())
        ENitCIExit();
}

bool PurchaseHeaderForm::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != m_ENitCI)
        return QObject::eventFilter(watched, event);
    if (event->type() == QEvent::FocusOut) {
        // Leaving the field, not the window: a box or a dialog taking the focus is no exit.
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
            ENitCIExit();
        return false;
    }
    if (event->type() != QEvent::KeyPress)
        return false;
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        m_DTFechaC->setFocus();
        return true;
    }
    if (key == Qt::Key_Space) {
        SBBuscarClick();
        return true;
    }
    return false;
}
