-- Open credit sales only: who still owes is read from these few, not from every sale of the years.
CREATE INDEX Ventas_Deudores ON Ventas(NitCI) WHERE FormaP=2 AND Estado='V' AND Saldo<>0;
