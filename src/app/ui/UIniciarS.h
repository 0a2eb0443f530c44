#pragma once
#include <QDialog>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QStatusBar;
class QToolButton;
class QWidget;

// The login window, in two modes chosen by SessionState::LoginMode before it is shown:
// 20 logs a user into a shop database and fills the session record, 21 changes the logged-in
// user's password.
class TFIniciarS : public QDialog {
    Q_OBJECT
public:
    static constexpr int LoginModeLogin = 20;
    static constexpr int LoginModePassword = 21;
    static constexpr int MaxFailedLogins = 3;

    explicit TFIniciarS(QWidget* parent = nullptr);

    int failedLogins() const { return m_failedLogins; }

signals:
    // A user logged in and the session record is filled.
    void sessionOpened();

public slots:
    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    QWidget* buildLoginPanel();
    QWidget* buildPasswordPanel();
    QWidget* buildOwnPasswordPanel();
    bool passwordMode() const;
    void FormShowLogin();
    void FormShowPassword();
    void FormActivate();
    void SBAbrirDBClick();
    // The shop on a PostgreSQL server: its connection text instead of a file.
    void SBServidorDBClick();
    void BAceptarClick();
    void BCambiarPClick();
    bool checkUser();
    void loadSession();
    void refuseLogin();
    void finishLogin();
    // The administrator still has the shipped password: he chooses his own before anything else.
    void askOwnPassword();
    void BClaveNuevaClick();
    void showPasswordHint();

    QWidget* m_PLogin;
    QLineEdit* m_edtServer;
    // The database the field names: a server's connection text with its password, which the
    // field only shows masked.
    QString m_databaseText;
    void serverTextChanged(const QString& text);
    QToolButton* m_SBAbrirDB;
    QToolButton* m_SBServidorDB;
    QLineEdit* m_edtUser;
    QLineEdit* m_edtPassword;
    QCheckBox* m_CB1;
    QPushButton* m_BAceptar;
    QLabel* m_LPista;

    QWidget* m_PCambiarP;
    QLineEdit* m_EServidorC;
    QLineEdit* m_EUsuarioC;
    QLineEdit* m_EActualC;
    QLineEdit* m_ENuevaC;
    QLineEdit* m_ERepetirC;
    QPushButton* m_BCambiarP;

    QWidget* m_PClaveNueva;
    QLineEdit* m_EClaveNueva;
    QLineEdit* m_ERepetirNueva;
    QPushButton* m_BClaveNueva;

    QStatusBar* m_StatusBar1;
    int m_failedLogins = 0;
};
