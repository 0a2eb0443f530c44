-- The purchase windows list the latest valid purchases of their kind newest first from this
-- index. The state leads, so the reports that filter a kind over a date range keep starting from
-- the date.
CREATE INDEX IF NOT EXISTS Compras_Recientes ON Compras(Estado, Inventario, IdCompra);
-- A supplier's invoice is found by its number, not among all the supplier's purchases of the years.
CREATE INDEX IF NOT EXISTS Compras_Factura ON Compras(NitCI, NroFact, NroAut);
