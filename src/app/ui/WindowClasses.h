#pragma once
#include <QString>

// The names under which the main window's commands find their windows: a window class becomes
// reachable from every command that opens it once a factory is registered under its name
// (TFPrincipal::dispatcher()->registerWindow(WindowClass::Cash, [] { return new TFCaja; })).
namespace WindowClass {

inline const QString Login = QStringLiteral("TFIniciarS");
inline const QString Cash = QStringLiteral("TFCaja");
inline const QString DailyCashReport = QStringLiteral("TFRCajaDiaria");
inline const QString Sales = QStringLiteral("TFVentas");
inline const QString Debts = QStringLiteral("TFSaldarD");
inline const QString SalesReport = QStringLiteral("TFRIngresos");
inline const QString Books = QStringLiteral("TFRLCV");
inline const QString SuppliersClients = QStringLiteral("TFProveedores");
inline const QString DispatchQueue = QStringLiteral("TFPilaP");
inline const QString Purchases = QStringLiteral("TFCompras");
inline const QString Supplies = QStringLiteral("TFEgresoI");
inline const QString PurchaseReport = QStringLiteral("TFRCompras");
inline const QString Products = QStringLiteral("TFProductosC");
inline const QString Users = QStringLiteral("TFUsuarios");
inline const QString Dosages = QStringLiteral("TFDatosF");
inline const QString Setup = QStringLiteral("TFAsistente");

}
