-- The ticket printer may be a thermal printer driven directly: its device file or network
-- address, the code page its texts go in, and whether it opens the cash drawer.
ALTER TABLE Codigos ADD COLUMN ImpresoraDirecta TEXT NOT NULL DEFAULT '' CONSTRAINT len100_ImpresoraDirecta CHECK (length(ImpresoraDirecta) <= 100);
ALTER TABLE Codigos ADD COLUMN PaginaCodigos INTEGER NOT NULL DEFAULT 850;
ALTER TABLE Codigos ADD COLUMN AbrirCajon INTEGER NOT NULL DEFAULT 1;
