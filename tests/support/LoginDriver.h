#pragma once
// Only for test programs that link the program's windows (the app folder).
#include "WindowDriver.h"

#include "app/ui/UIniciarS.h"
#include "data/SessionState.h"

#include <QCheckBox>

// Logs in through the login window as a cashier does: the window opens in login mode, the
// database path is set (it is chosen by dialog, never typed), user and password are typed,
// "Recordar Contraseña" set and "Aceptar" clicked.
inline void LogInThroughWindow(TFIniciarS& login, const QString& databasePath, const QString& user = QStringLiteral("admin"),
                               const QString& password = QStringLiteral("admin"), bool remember = false)
{
    SessionState::current().LoginMode = TFIniciarS::LoginModeLogin;
    login.show();
    Drive::control<QLineEdit>(login, "edtServer")->setText(databasePath);
    Drive::type(login, "edtUser", user);
    Drive::type(login, "edtPassword", password);
    Drive::control<QCheckBox>(login, "CB1")->setChecked(remember);
    Drive::click(login, "BAceptar");
}
