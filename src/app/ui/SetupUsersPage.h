#pragma once
#include <QWizardPage>

class QComboBox;
class QLineEdit;
class QListWidget;

// The shop's first users: login, password, name and occupation, with the rights of a cashier
// (sell, collect, open and close the cash) or of an administrator (everything). The users
// window ("Gestionar Usuarios") adjusts each right later.
class SetupUsersPage : public QWizardPage {
    Q_OBJECT
public:
    explicit SetupUsersPage(QWidget* parent = nullptr);
    void initializePage() override;

    // The rights strings M1..M5 of each profile of CBPerfil.
    static QStringList ProfileRights(int profile);

private:
    void SBAgregarUClick();
    void listUsers();

    QLineEdit* m_ELogin;
    QLineEdit* m_EClave1;
    QLineEdit* m_EClave2;
    QLineEdit* m_ENombre;
    QLineEdit* m_EOcupacion;
    QComboBox* m_CBPerfil;
    QListWidget* m_LUsuarios;
};
