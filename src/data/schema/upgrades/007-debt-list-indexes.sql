-- The debts window lists a year's open credits of the sales and of the purchases, and the payments
-- of a year, each from an index on its date instead of reading every row the years have stored.
CREATE INDEX IF NOT EXISTS Ventas_Credito ON Ventas(FormaP, Estado, FechaV);
CREATE INDEX IF NOT EXISTS Compras_Credito ON Compras(FormaP, Estado, FechaC);
CREATE INDEX IF NOT EXISTS SaldoV_FechaR ON SaldoV(FechaR);
CREATE INDEX IF NOT EXISTS SaldoC_FechaR ON SaldoC(FechaR);
