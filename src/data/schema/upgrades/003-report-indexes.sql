-- The reports filtered by a product or a client start from the date range and reach only the
-- lines of those rows (a product's or a client's other years are never read).
CREATE INDEX IF NOT EXISTS Ventas_NitCIFecha ON Ventas(NitCI, FechaV);
CREATE INDEX IF NOT EXISTS DetalleV_VentaProducto ON DetalleV(IdVenta, IdProducto);
CREATE INDEX IF NOT EXISTS DetalleC_CompraProducto ON DetalleC(IdCompra, IdProducto);
CREATE INDEX IF NOT EXISTS DetalleEI_EntregaProducto ON DetalleEI(IdEntrega, IdProducto);
