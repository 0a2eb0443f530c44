#include "app/ui/SetupTaxpayerPage.h"

#include "app/ui/SetupFields.h"
#include "data/DatabaseError.h"
#include "data/MessageSeam.h"
#include "data/SessionState.h"
#include "tax/TaxpayerData.h"
#include "tax/TaxpayerIdentity.h"
#include "widgets/InputFilters.h"

#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

SetupTaxpayerPage::SetupTaxpayerPage(QWidget* parent) : QWizardPage(parent)
{
    setObjectName(QStringLiteral("PContribuyente"));
    setTitle(QStringLiteral("Datos del Contribuyente"));
    setSubTitle(QStringLiteral("Los datos de la tienda que salen en las facturas y los tickets."));
    m_ENIT = SetupFields::line(this, "ENIT", 15);
    InputFilters::digits(m_ENIT);
    m_ERazonS = SetupFields::line(this, "ERazonS", 50);
    InputFilters::upperCase(m_ERazonS);
    m_EPropietario = SetupFields::line(this, "EPropietario", 40);
    InputFilters::plainLetters(m_EPropietario);
    m_ETelefonoM = SetupFields::line(this, "ETelefonoM", 10);
    InputFilters::digitsAnd(m_ETelefonoM, QStringLiteral("-"));
    m_MActividadE = SetupFields::line(this, "MActividadE", 50);
    InputFilters::plainLetters(m_MActividadE);
    m_EDireccionM = SetupFields::line(this, "EDireccionM", 40);
    m_ECiudadM = SetupFields::line(this, "ECiudadM", 20);
    m_state = new QLabel(this);
    m_state->setObjectName(QStringLiteral("LEstado"));

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("NIT:"), m_ENIT);
    form->addRow(QStringLiteral("Razón Social según NIT:"), m_ERazonS);
    form->addRow(QStringLiteral("Nombre del Propietario:"), m_EPropietario);
    form->addRow(QStringLiteral("Teléfono:"), m_ETelefonoM);
    form->addRow(QStringLiteral("Actividad Económica (*):"), m_MActividadE);
    form->addRow(QStringLiteral("Dirección (*):"), m_EDireccionM);
    form->addRow(QStringLiteral("Ciudad (*):"), m_ECiudadM);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(SetupFields::note(
        this, QStringLiteral("(*) Sin actividad, dirección y ciudad no se puede abrir la caja. El NIT y la razón "
                             "social se pueden cambiar aquí mientras la tienda no haya vendido nada.")));
    layout->addStretch(1);
    layout->addWidget(m_state);
}

void SetupTaxpayerPage::initializePage()
{
    const SessionState& s = SessionState::current();
    m_ENIT->setText(s.TaxpayerNit);
    m_ERazonS->setText(s.TaxpayerName);
    bool editable = false;
    try {
        editable = TaxpayerIdentity::Editable();
    } catch (const DatabaseError&) {
    }
    m_ENIT->setReadOnly(!editable);
    m_ERazonS->setReadOnly(!editable);
    const TaxpayerData data = TaxpayerData::fromSession();
    m_EPropietario->setText(data.owner);
    m_ETelefonoM->setText(data.phone);
    m_MActividadE->setText(data.activity);
    m_EDireccionM->setText(data.address);
    m_ECiudadM->setText(data.city);
    SetupFields::showState(m_state, data.check().isEmpty(), QStringLiteral("Datos guardados."),
                           QStringLiteral("Faltan datos: complete los marcados con (*)."));
}

// Stores what the page holds; false when something was refused (the refusal has been shown).
bool SetupTaxpayerPage::store()
{
    const SessionState& s = SessionState::current();
    try {
        if (!m_ENIT->isReadOnly() && (m_ENIT->text() != s.TaxpayerNit || m_ERazonS->text() != s.TaxpayerName))
            if (const QString refusal = TaxpayerIdentity::Save(m_ENIT->text(), m_ERazonS->text()); !refusal.isEmpty()) {
                MessageSeam::current().information(refusal);
                return false;
            }
        const TaxpayerData data{m_EPropietario->text(), m_ETelefonoM->text(), m_EDireccionM->text(), m_ECiudadM->text(),
                                m_MActividadE->text()};
        data.save();
    } catch (const DatabaseError& e) {
        MessageSeam::current().error(e.text());
        return false;
    }
    return true;
}

bool SetupTaxpayerPage::validatePage()
{
    const TaxpayerData typed{m_EPropietario->text(), m_ETelefonoM->text(), m_EDireccionM->text(), m_ECiudadM->text(),
                             m_MActividadE->text()};
    if (!typed.check().isEmpty()
        && !MessageSeam::current().question(QStringLiteral("Datos del Contribuyente"),
                                            QStringLiteral("Faltan la actividad, la dirección o la ciudad: sin ellas no "
                                                           "se puede abrir la caja. ¿Guardar lo escrito y completarlo "
                                                           "más tarde?")))
        return false;
    return store();
}
