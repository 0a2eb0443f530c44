#pragma once

// Who is asking the client/supplier picker (TFBusquedas), and so which list it shows and where the
// pick goes in the caller's window.
namespace PickerModes {
constexpr int PurchaseSupplier = 1;  // purchases (TFCompras): suppliers -> ENitCI, EProveedor
constexpr int SaleClient = 2;        // sales register (TFVentas): clients -> ENitCI, then ENombreC
constexpr int ReportClient = 3;      // sales reports (TFRIngresos): clients or debtors -> ENitCI
constexpr int DeliveryClient = 4;    // supply deliveries (TFEgresoI): clients -> ENitCI, then ENombreC
constexpr int ServiceSupplier = 5;   // service purchases (TFEgresoI): suppliers -> ENitCIS, EProveedor

// Modes 1 and 5 list suppliers, 2, 3 and 4 clients; anything else lists nothing.
inline bool ListsSuppliers(int mode) { return mode == PurchaseSupplier || mode == ServiceSupplier; }
inline bool ListsClients(int mode) { return mode >= SaleClient && mode <= DeliveryClient; }
}

// The picker's process-wide settings, as the picker exists once for the whole run: the caller
// sets them before the picker is shown (TFBusquedas::pick does it for the caller).
struct PickerState {
    int PickerMode = 0;
    // Mode 3 only: the sales report stands on credit sales, so the clients that still owe are
    // listed (once per open credit sale) instead of every client.
    bool PickerDebtors = false;

    static PickerState& current();
};
