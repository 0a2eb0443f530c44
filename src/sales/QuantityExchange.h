#pragma once
#include <QString>

// What a window hands the quantity dialog (TFCantidad) and gets back from it: the caller sets the
// mode, the labels, the starting values and Accepted = 0, shows the dialog, and acts only when
// Accepted is 1. One record for the whole program.
struct QuantityExchange {
    enum Mode : int {
        SaleQuantityMode = 1,      // "Cantidad de Venta": SaleQuantity
        PurchaseQuantityMode = 2,  // "Cantidad de Compra": PurchaseQuantity and TotalCost
        UnitCostMode = 3,          // "Costo Unitario": UnitCost
        ProductPhotoMode = 4,      // "Foto Producto": BrandOrId is the product id
        SupplyQuantityMode = 5,    // "Cantidad de Insumo": SaleQuantity
        SupplyPhotoMode = 6,       // "Foto Insumo": BrandOrId is the supply id
        ServiceDetailMode = 7,     // "Detalle de Servicio": PurchaseQuantity, ProductName, TotalCost
    };

    int Mode = SaleQuantityMode;
    int Accepted = 0;
    double SaleQuantity = 0;
    double PurchaseQuantity = 0;
    double TotalCost = 0;
    double UnitCost = 0;
    QString BrandOrId;
    QString ProductName;
    QString Presentation;
    QString Unit;

    static QuantityExchange& current();
};
