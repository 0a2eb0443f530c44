-- Every shop carries an identity of its own, so that a folder holding the backup copies of
-- several shops (one USB disk for two shops) only ever prunes the copies of the shop that wrote.
ALTER TABLE Codigos ADD COLUMN IdTienda text NOT NULL DEFAULT '' CONSTRAINT "len32_IdTienda" CHECK (length(IdTienda) <= 32);
UPDATE Codigos SET IdTienda=md5(random()::text || clock_timestamp()::text) WHERE IdTienda='';
