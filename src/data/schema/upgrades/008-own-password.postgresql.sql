-- An administrator who still logs in with the password the program ships with is asked for his
-- own at his next login.
ALTER TABLE Usuario ADD COLUMN CambiarClave bigint NOT NULL DEFAULT 0;
UPDATE Usuario SET CambiarClave=1 WHERE Login='admin' AND Clave='admin';
