#include "app/ui/SetupUsersPage.h"

#include "app/ui/SetupFields.h"
#include "data/DatabaseError.h"
#include "data/MessageSeam.h"
#include "masterdata/UserAccounts.h"
#include "widgets/InputFilters.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

SetupUsersPage::SetupUsersPage(QWidget* parent) : QWizardPage(parent)
{
    setObjectName(QStringLiteral("PUsuarios"));
    setTitle(QStringLiteral("Usuarios"));
    setSubTitle(QStringLiteral("Cada cajero entra con su propio usuario y clave."));
    m_ELogin = SetupFields::line(this, "ELogin", 15);
    m_EClave1 = SetupFields::line(this, "EClave1", 15, true);
    m_EClave2 = SetupFields::line(this, "EClave2", 15, true);
    m_ENombre = SetupFields::line(this, "ENombre", 40);
    m_EOcupacion = SetupFields::line(this, "EOcupacion", 30);
    for (QLineEdit* field : {m_ELogin, m_EClave1, m_EClave2, m_ENombre, m_EOcupacion})
        InputFilters::upperCase(field);
    m_CBPerfil = new QComboBox(this);
    m_CBPerfil->setObjectName(QStringLiteral("CBPerfil"));
    m_CBPerfil->addItems(
        {QStringLiteral("CAJERO: vender, cobrar, abrir y cerrar caja"), QStringLiteral("ADMINISTRADOR: todo")});
    auto* add = new QPushButton(QStringLiteral("Agregar Usuario"), this);
    add->setObjectName(QStringLiteral("SBAgregarU"));
    add->setAutoDefault(false);
    m_LUsuarios = new QListWidget(this);
    m_LUsuarios->setObjectName(QStringLiteral("LUsuarios"));

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("Login:"), m_ELogin);
    form->addRow(QStringLiteral("Clave:"), m_EClave1);
    form->addRow(QStringLiteral("Confirmar Clave:"), m_EClave2);
    form->addRow(QStringLiteral("Nombre Completo:"), m_ENombre);
    form->addRow(QStringLiteral("Ocupación:"), m_EOcupacion);
    form->addRow(QStringLiteral("Permisos:"), m_CBPerfil);
    form->addRow(add);
    auto* list = new QVBoxLayout;
    list->addWidget(new QLabel(QStringLiteral("Usuarios de la tienda:"), this));
    list->addWidget(m_LUsuarios, 1);
    auto* row = new QHBoxLayout;
    row->addLayout(form, 3);
    row->addLayout(list, 2);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(row, 1);
    layout->addWidget(SetupFields::note(this, QStringLiteral("Los permisos de cada usuario se ajustan después en "
                                                             "Herramientas > Gestionar Usuarios.")));
    connect(add, &QPushButton::clicked, this, &SetupUsersPage::SBAgregarUClick);
}

QStringList SetupUsersPage::ProfileRights(int profile)
{
    if (profile == 1)
        return {QStringLiteral("111111111"), QStringLiteral("11111111111"), QStringLiteral("111111"),
                QStringLiteral("11101"), QStringLiteral("11111111")};
    // Sells, collects debts, looks up sales, debtors and stock, opens and closes the cash.
    return {QStringLiteral("110110000"), QStringLiteral("00000000000"), QStringLiteral("100000"), QStringLiteral("11100"),
            QStringLiteral("00001000")};
}

void SetupUsersPage::initializePage() { listUsers(); }

void SetupUsersPage::listUsers()
{
    m_LUsuarios->clear();
    try {
        for (const UserAccounts::User& user : UserAccounts::List())
            m_LUsuarios->addItem(QStringLiteral("%1 - %2").arg(user.login, user.name));
    } catch (const DatabaseError& e) {
        MessageSeam::current().error(e.text());
    }
}

void SetupUsersPage::SBAgregarUClick()
{
    const UserAccounts::UserData data{m_ELogin->text(), m_EClave1->text(), m_EClave2->text(), m_ENombre->text(),
                                      m_EOcupacion->text()};
    try {
        QString refusal = UserAccounts::Insert(data);
        if (refusal.isEmpty())
            refusal = UserAccounts::SaveRights(data.login.trimmed(), ProfileRights(m_CBPerfil->currentIndex()));
        if (!refusal.isEmpty()) {
            MessageSeam::current().information(refusal);
            return;
        }
    } catch (const DatabaseError& e) {
        MessageSeam::current().error(e.text());
        return;
    }
    for (QLineEdit* field : {m_ELogin, m_EClave1, m_EClave2, m_ENombre, m_EOcupacion})
        field->clear();
    listUsers();
    m_ELogin->setFocus();
}
