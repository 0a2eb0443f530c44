#include "app/ui/SetupInvoicingPage.h"

#include "app/ui/SetupFields.h"
#include "data/DatabaseError.h"
#include "data/Formats.h"
#include "data/MessageSeam.h"
#include "data/SessionState.h"
#include "masterdata/SystemParameters.h"
#include "tax/ControlCodeCertification.h"
#include "tax/Dosages.h"
#include "widgets/InputFilters.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
MessageSeam& messages() { return MessageSeam::current(); }
}

SetupInvoicingPage::SetupInvoicingPage(QWidget* parent) : QWizardPage(parent)
{
    setObjectName(QStringLiteral("PFacturacion"));
    setTitle(QStringLiteral("Facturación"));
    setSubTitle(QStringLiteral("Cómo factura la tienda."));
    m_CBFacturar = new QCheckBox(QStringLiteral("Habilitar Facturación Computarizada"), this);
    m_CBFacturar->setObjectName(QStringLiteral("CBFacturar"));
    m_dosage = buildDosageGroup();
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_CBFacturar);
    layout->addWidget(m_dosage);
    layout->addWidget(buildCertificationGroup());
    layout->addStretch(1);
    connect(m_CBFacturar, &QCheckBox::toggled, m_dosage, &QWidget::setEnabled);
}

QGroupBox* SetupInvoicingPage::buildDosageGroup()
{
    auto* group = new QGroupBox(QStringLiteral("Dosificación que le dio Impuestos Nacionales"), this);
    m_LDosificacion = new QLabel(group);
    m_LDosificacion->setObjectName(QStringLiteral("LDosificacion"));
    m_ENAutorizacion = SetupFields::line(group, "ENAutorizacion", 15);
    InputFilters::digits(m_ENAutorizacion);
    m_MDosificacion = SetupFields::line(group, "MDosificacion", 255);
    m_EFechaL = SetupFields::line(group, "EFechaL", 10);
    InputFilters::digitsAnd(m_EFechaL, QStringLiteral("/"));
    m_MLeyenda = SetupFields::line(group, "MLeyenda", 255);
    InputFilters::plainLetters(m_MLeyenda);
    auto* form = new QFormLayout(group);
    form->addRow(m_LDosificacion);
    form->addRow(QStringLiteral("Número de Autorización:"), m_ENAutorizacion);
    form->addRow(QStringLiteral("Llave de Dosificación:"), m_MDosificacion);
    form->addRow(QStringLiteral("Fecha Límite de Emisión (DD/MM/AAAA):"), m_EFechaL);
    form->addRow(QStringLiteral("Leyenda de Factura:"), m_MLeyenda);
    return group;
}

QGroupBox* SetupInvoicingPage::buildCertificationGroup()
{
    auto* group = new QGroupBox(QStringLiteral("Certificación: pruebe la llave con un caso de Impuestos Nacionales"), this);
    m_ENFacturaC = SetupFields::line(group, "ENFacturaC", 10);
    InputFilters::digits(m_ENFacturaC);
    m_ECIC = SetupFields::line(group, "ECIC", 12);
    InputFilters::digits(m_ECIC);
    m_EFechaC = SetupFields::line(group, "EFechaC", 10);
    InputFilters::digitsAnd(m_EFechaC, QStringLiteral("/"));
    m_EMontoC = SetupFields::line(group, "EMontoC", 10);
    InputFilters::amount(m_EMontoC);
    m_ECodigoC = SetupFields::line(group, "ECodigoC", 20);
    m_ECodigoC->setReadOnly(true);
    auto* generate = new QPushButton(QStringLiteral("Generar CODIGO DE CONTROL"), group);
    generate->setObjectName(QStringLiteral("SBGenerarCC"));
    generate->setAutoDefault(false);
    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("Número de Factura:"), m_ENFacturaC);
    form->addRow(QStringLiteral("NIT/CI Cliente:"), m_ECIC);
    form->addRow(QStringLiteral("Fecha (DD/MM/AAAA):"), m_EFechaC);
    form->addRow(QStringLiteral("Monto (Bs.):"), m_EMontoC);
    auto* result = new QHBoxLayout;
    result->addWidget(generate);
    result->addWidget(m_ECodigoC, 1);
    form->addRow(result);
    connect(generate, &QPushButton::clicked, this, &SetupInvoicingPage::SBGenerarCCClick);
    return group;
}

void SetupInvoicingPage::initializePage()
{
    m_CBFacturar->setChecked(SessionState::current().InvoicingEnabled == 1);
    m_dosage->setEnabled(m_CBFacturar->isChecked());
    showActiveDosage();
}

void SetupInvoicingPage::showActiveDosage()
{
    const SessionState& s = SessionState::current();
    if (s.DosageId > 0)
        SetupFields::showState(m_LDosificacion, true,
                               QStringLiteral("Dosificación activa: autorización %1, emite hasta el %2. Escriba otra "
                                              "solo si Impuestos le dio una nueva.")
                                   .arg(s.AuthorizationNumber, Formats::Date(s.InvoiceDeadline)),
                               {});
    else
        SetupFields::showState(m_LDosificacion, false, {},
                               QStringLiteral("Todavía no hay dosificación: sin ella no se puede facturar."));
}

bool SetupInvoicingPage::dosageTyped() const
{
    for (const QLineEdit* field : {m_ENAutorizacion, m_MDosificacion, m_EFechaL, m_MLeyenda})
        if (!field->text().trimmed().isEmpty())
            return true;
    return false;
}

void SetupInvoicingPage::SBGenerarCCClick()
{
    const ControlCodeCertification::Result result =
        ControlCodeCertification{m_ENAutorizacion->text(), m_MDosificacion->text(), m_ENFacturaC->text(),
                                 m_ECIC->text(),           m_EFechaC->text(),       m_EMontoC->text()}
            .generate();
    if (!result.refusal.isEmpty())
        messages().information(result.refusal);
    else if (!result.error.isEmpty())
        messages().error(result.error);
    m_ECodigoC->setText(result.code);
}

bool SetupInvoicingPage::storeInvoicing()
{
    const SessionState& s = SessionState::current();
    const int wanted = m_CBFacturar->isChecked() ? 1 : 0;
    if (wanted == s.InvoicingEnabled)
        return true;
    try {
        SystemParameters{wanted, s.PrintFormat, s.TicketPrinterIndex}.save();
    } catch (const DatabaseError& e) {
        messages().error(e.text());
        return false;
    }
    return true;
}

// The new dosage becomes the active one; the address printed with it is the taxpayer's.
bool SetupInvoicingPage::storeDosage()
{
    const SessionState& s = SessionState::current();
    const bool branch = s.BranchNumber != 0;
    const Dosages::DosageInput input{m_ENAutorizacion->text(),
                                     m_MDosificacion->text(),
                                     m_EFechaL->text(),
                                     m_MLeyenda->text(),
                                     branch ? s.BranchPhone : s.HeadOfficePhone,
                                     branch ? s.BranchAddress : s.HeadOfficeAddress,
                                     branch ? s.BranchCity : s.HeadOfficeCity};
    if (input.address.trimmed().isEmpty() || input.city.trimmed().isEmpty()) {
        messages().information(QStringLiteral("Primero complete la dirección y la ciudad en los Datos del Contribuyente"));
        return false;
    }
    try {
        if (const QString refusal = Dosages::Insert(input); !refusal.isEmpty()) {
            messages().information(refusal);
            return false;
        }
    } catch (const DatabaseError& e) {
        messages().error(e.text());
        return false;
    }
    for (QLineEdit* field : {m_ENAutorizacion, m_MDosificacion, m_EFechaL, m_MLeyenda})
        field->clear();
    showActiveDosage();
    return true;
}

bool SetupInvoicingPage::validatePage()
{
    if (!storeInvoicing())
        return false;
    if (m_CBFacturar->isChecked() && dosageTyped())
        return storeDosage();
    if (m_CBFacturar->isChecked() && SessionState::current().DosageId == 0)
        return messages().question(QStringLiteral("Facturación"),
                                   QStringLiteral("Sin dosificación no se puede vender con factura. ¿Seguir y "
                                                  "dosificar más tarde?"));
    return true;
}
