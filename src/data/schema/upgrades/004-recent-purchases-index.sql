-- The purchase windows list the latest valid purchases of their kind newest first from this
-- index. The state leads, so the reports that filter a kind over a date range keep starting from
-- the date.
CREATE INDEX IF NOT EXISTS Compras_Recientes ON Compras(Estado, Inventario, IdCompra);
