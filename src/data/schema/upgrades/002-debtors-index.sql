-- Open credit sales only: who still owes is read from these few, not from every sale of the years.
CREATE INDEX IF NOT EXISTS Ventas_Deudores ON Ventas(NitCI) WHERE FormaP=2 AND Estado='V' AND Saldo<>0;
