-- A credit sale or purchase paid in full leaves no debt: it is settled as paid in cash, so it
-- leaves the debt lists and no longer counts against the client's credit allowance.
UPDATE Ventas SET FormaP=1 WHERE FormaP=2 AND Saldo=0 AND Estado='V';
UPDATE Compras SET FormaP=1 WHERE FormaP=2 AND Saldo=0 AND Estado='V';
