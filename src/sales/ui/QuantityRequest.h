#pragma once
#include <QString>

// What a window asks the quantity dialog (TFCantidad) with: the mode, the labels and the starting
// values. The dialog answers with a copy holding the values the user confirmed.
struct QuantityRequest {
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
    double SaleQuantity = 0;
    double PurchaseQuantity = 0;
    double TotalCost = 0;
    double UnitCost = 0;
    QString BrandOrId;
    QString ProductName;
    QString Presentation;
    QString Unit;
};
