-- The folder the closing's backup copies go to, chosen in the parameters window (empty: the
-- folder "backups" beside the database).
ALTER TABLE Codigos ADD COLUMN CarpetaCopias TEXT NOT NULL DEFAULT '' CONSTRAINT len250_CarpetaCopias CHECK (length(CarpetaCopias) <= 250);
