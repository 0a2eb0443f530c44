#include "app/ui/SetupPasswordPage.h"

#include "app/PasswordChange.h"
#include "app/ui/SetupFields.h"
#include "data/DatabaseError.h"
#include "data/MessageSeam.h"
#include "data/SessionState.h"

#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

SetupPasswordPage::SetupPasswordPage(QWidget* parent) : QWizardPage(parent)
{
    setObjectName(QStringLiteral("PClave"));
    setTitle(QStringLiteral("Clave del Administrador"));
    setSubTitle(QStringLiteral("Una clave que solo usted conozca."));
    m_ENuevaC = SetupFields::line(this, "ENuevaC", 15, true);
    m_ERepetirC = SetupFields::line(this, "ERepetirC", 15, true);
    m_state = new QLabel(this);
    m_state->setObjectName(QStringLiteral("LEstado"));
    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("Clave Nueva:"), m_ENuevaC);
    form->addRow(QStringLiteral("Repetir Clave:"), m_ERepetirC);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(SetupFields::note(this, QStringLiteral("Deje los campos vacíos para seguir con la clave que ya tiene.")));
    layout->addStretch(1);
    layout->addWidget(m_state);
}

void SetupPasswordPage::initializePage()
{
    m_ENuevaC->clear();
    m_ERepetirC->clear();
    bool shipped = false;
    try {
        shipped = PasswordChange::StillShipped(SessionState::current().UserLogin);
    } catch (const DatabaseError&) {
    }
    SetupFields::showState(m_state, !shipped, QStringLiteral("Ya tiene una clave propia."),
                           QStringLiteral("Todavía tiene la clave de fábrica: elija una nueva."));
}

bool SetupPasswordPage::validatePage()
{
    if (m_ENuevaC->text().isEmpty() && m_ERepetirC->text().isEmpty())
        return true;
    if (const QString refusal = PasswordChange::CheckOwnPassword(m_ENuevaC->text(), m_ERepetirC->text()); !refusal.isEmpty()) {
        MessageSeam::current().information(refusal);
        return false;
    }
    SessionState& s = SessionState::current();
    try {
        PasswordChange::Store(s.UserLogin, m_ENuevaC->text());
    } catch (const DatabaseError& e) {
        MessageSeam::current().error(e.text());
        return false;
    }
    s.UserPassword = m_ENuevaC->text();
    MessageSeam::current().information(QStringLiteral("Clave cambiada correctamente"));
    return true;
}
