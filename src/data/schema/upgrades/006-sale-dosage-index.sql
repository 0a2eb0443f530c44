-- A stored invoice printed again reads the dosage of its authorization number (deadline, legend).
CREATE INDEX IF NOT EXISTS Dosificaciones_NAutorizacion ON Dosificaciones(NAutorizacion);
