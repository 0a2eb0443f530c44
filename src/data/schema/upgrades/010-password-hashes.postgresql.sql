-- Passwords are kept as a salted slow hash, never as typed. The program hashes every stored
-- password into the new column right after this step, in the same transaction, and empties Clave
-- (CambiarClave, set by the step before from the clear password, keeps its meaning).
ALTER TABLE Usuario ADD COLUMN ClaveHash text NOT NULL DEFAULT '' CONSTRAINT "len128_ClaveHash" CHECK (length(ClaveHash) <= 128);
