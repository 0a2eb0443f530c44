-- Schema of the shop database, SQLite; its version is the last line.
-- Column order matters: several readers take "SELECT *" results by position.
-- Text columns compare ignoring letter case (NOCASE), so keys such as logins and NIT/CI match
-- whatever case was typed. Length checks are named lenN_Column so the data layer can say which
-- field was too long; date checks (named date_Column) refuse impossible days. Dates are ISO
-- yyyy-MM-dd text.

CREATE TABLE Codigos (
  IdC INTEGER NOT NULL PRIMARY KEY,
  IdCaja INTEGER NOT NULL DEFAULT 0,
  IdVenta INTEGER NOT NULL DEFAULT 0,
  IdCompra INTEGER NOT NULL DEFAULT 0,
  IdProducto INTEGER NOT NULL DEFAULT 0,
  IdEgreso INTEGER NOT NULL DEFAULT 0,
  Facturar INTEGER NOT NULL DEFAULT 1,
  ImprimirTC INTEGER NOT NULL DEFAULT 0,
  Parametro1 INTEGER NOT NULL DEFAULT 0,
  StockVD TEXT COLLATE NOCASE NOT NULL DEFAULT 'S' CONSTRAINT len1_StockVD CHECK (length(StockVD) <= 1),
  -- Where the copy written at every closing goes; empty: the folder "backups" beside the database.
  CarpetaCopias TEXT NOT NULL DEFAULT '' CONSTRAINT len250_CarpetaCopias CHECK (length(CarpetaCopias) <= 250),
  -- A thermal printer driven directly (a device file or host:port); empty: the installed printer.
  ImpresoraDirecta TEXT NOT NULL DEFAULT '' CONSTRAINT len100_ImpresoraDirecta CHECK (length(ImpresoraDirecta) <= 100),
  PaginaCodigos INTEGER NOT NULL DEFAULT 850,
  AbrirCajon INTEGER NOT NULL DEFAULT 1
) STRICT;

CREATE TABLE DatosC (
  NIT TEXT COLLATE NOCASE NOT NULL DEFAULT '' CONSTRAINT len15_NIT CHECK (length(NIT) <= 15),
  RazonSocial TEXT COLLATE NOCASE NOT NULL DEFAULT '' CONSTRAINT len50_RazonSocial CHECK (length(RazonSocial) <= 50),
  Sucursal INTEGER NOT NULL DEFAULT 0,
  TelefonoM TEXT COLLATE NOCASE DEFAULT '' CONSTRAINT len10_TelefonoM CHECK (length(TelefonoM) <= 10),
  DireccionM TEXT COLLATE NOCASE DEFAULT '' CONSTRAINT len40_DireccionM CHECK (length(DireccionM) <= 40),
  CiudadM TEXT COLLATE NOCASE DEFAULT '' CONSTRAINT len20_CiudadM CHECK (length(CiudadM) <= 20),
  ActividadE TEXT COLLATE NOCASE DEFAULT '' CONSTRAINT len50_ActividadE CHECK (length(ActividadE) <= 50),
  NFactura INTEGER NOT NULL DEFAULT 1,
  Propietario TEXT COLLATE NOCASE DEFAULT '' CONSTRAINT len40_Propietario CHECK (length(Propietario) <= 40)
) STRICT;

CREATE TABLE Dosificaciones (
  IdDosificacion INTEGER PRIMARY KEY AUTOINCREMENT,
  FechaR TEXT CONSTRAINT date_FechaR CHECK (FechaR IS NULL OR date(FechaR, '+0 days') IS FechaR),
  NAutorizacion TEXT COLLATE NOCASE DEFAULT '' CONSTRAINT len15_NAutorizacion CHECK (length(NAutorizacion) <= 15),
  Dosificacion TEXT DEFAULT '' CONSTRAINT len255_Dosificacion CHECK (length(Dosificacion) <= 255),
  FLimiteE TEXT CONSTRAINT date_FLimiteE CHECK (FLimiteE IS NULL OR date(FLimiteE, '+0 days') IS FLimiteE),
  Leyenda TEXT COLLATE NOCASE DEFAULT '' CONSTRAINT len255_Leyenda CHECK (length(Leyenda) <= 255),
  TelefonoS TEXT COLLATE NOCASE DEFAULT '' CONSTRAINT len10_TelefonoS CHECK (length(TelefonoS) <= 10),
  DireccionS TEXT COLLATE NOCASE DEFAULT '' CONSTRAINT len40_DireccionS CHECK (length(DireccionS) <= 40),
  CiudadS TEXT COLLATE NOCASE DEFAULT '' CONSTRAINT len20_CiudadS CHECK (length(CiudadS) <= 20),
  TelefonoM TEXT COLLATE NOCASE DEFAULT '' CONSTRAINT len10_TelefonoM CHECK (length(TelefonoM) <= 10),
  DireccionM TEXT COLLATE NOCASE DEFAULT '' CONSTRAINT len40_DireccionM CHECK (length(DireccionM) <= 40),
  CiudadM TEXT COLLATE NOCASE DEFAULT '' CONSTRAINT len20_CiudadM CHECK (length(CiudadM) <= 20),
  Estado INTEGER NOT NULL DEFAULT 1
) STRICT;
CREATE INDEX Dosificaciones_Estado ON Dosificaciones(Estado);
-- A stored invoice printed again reads the dosage of its authorization number (deadline, legend).
CREATE INDEX Dosificaciones_NAutorizacion ON Dosificaciones(NAutorizacion);

CREATE TABLE Usuario (
  Login TEXT COLLATE NOCASE NOT NULL PRIMARY KEY CONSTRAINT len15_Login CHECK (length(Login) <= 15),
  Clave TEXT COLLATE NOCASE NOT NULL DEFAULT '' CONSTRAINT len15_Clave CHECK (length(Clave) <= 15),
  Nombre TEXT COLLATE NOCASE DEFAULT '' CONSTRAINT len40_Nombre CHECK (length(Nombre) <= 40),
  Ocupacion TEXT COLLATE NOCASE DEFAULT '' CONSTRAINT len30_Ocupacion CHECK (length(Ocupacion) <= 30),
  Estado INTEGER NOT NULL DEFAULT 1,
  M1 TEXT DEFAULT '00000000000000000000' CONSTRAINT len20_M1 CHECK (length(M1) <= 20),
  M2 TEXT DEFAULT '00000000000000000000' CONSTRAINT len20_M2 CHECK (length(M2) <= 20),
  M3 TEXT DEFAULT '00000000000000000000' CONSTRAINT len20_M3 CHECK (length(M3) <= 20),
  M4 TEXT DEFAULT '00000000000000000000' CONSTRAINT len20_M4 CHECK (length(M4) <= 20),
  M5 TEXT DEFAULT '00000000000000000000' CONSTRAINT len20_M5 CHECK (length(M5) <= 20),
  M6 TEXT DEFAULT '00000000000000000000' CONSTRAINT len20_M6 CHECK (length(M6) <= 20),
  -- 1 while the user still has the password the program ships with: the next login asks for his own.
  CambiarClave INTEGER NOT NULL DEFAULT 0,
  -- The password as a salted slow hash (Argon2id, self-describing); Clave stays empty.
  ClaveHash TEXT NOT NULL DEFAULT '' CONSTRAINT len128_ClaveHash CHECK (length(ClaveHash) <= 128)
) STRICT;

CREATE TABLE Caja (
  IdCaja TEXT COLLATE NOCASE NOT NULL PRIMARY KEY CONSTRAINT len10_IdCaja CHECK (length(IdCaja) <= 10),
  Fecha TEXT NOT NULL CONSTRAINT date_Fecha CHECK (date(Fecha, '+0 days') IS Fecha),
  CInicial REAL NOT NULL DEFAULT 0,
  VentasEf REAL NOT NULL DEFAULT 0,
  VentasCr REAL NOT NULL DEFAULT 0,
  VentasDo REAL NOT NULL DEFAULT 0,
  ComprasEf REAL NOT NULL DEFAULT 0,
  ComprasCr REAL NOT NULL DEFAULT 0,
  ComprasDo REAL NOT NULL DEFAULT 0,
  Traspaso REAL NOT NULL DEFAULT 0,
  Saldo REAL NOT NULL DEFAULT 0,
  SobFal REAL NOT NULL DEFAULT 0,
  PCobrar REAL NOT NULL DEFAULT 0,
  PPagar REAL NOT NULL DEFAULT 0,
  NVentasEf INTEGER NOT NULL DEFAULT 0,
  NVentasCr INTEGER NOT NULL DEFAULT 0,
  NVentasDo INTEGER NOT NULL DEFAULT 0,
  NVentasSC INTEGER NOT NULL DEFAULT 0,
  NComprasEf INTEGER NOT NULL DEFAULT 0,
  NComprasCr INTEGER NOT NULL DEFAULT 0,
  NComprasDo INTEGER NOT NULL DEFAULT 0,
  NComprasSC INTEGER NOT NULL DEFAULT 0,
  NVentasA INTEGER NOT NULL DEFAULT 0,
  NComprasA INTEGER NOT NULL DEFAULT 0,
  Cajero TEXT COLLATE NOCASE DEFAULT '' CONSTRAINT len15_Cajero CHECK (length(Cajero) <= 15),
  Estado INTEGER NOT NULL DEFAULT 1
) STRICT;
CREATE INDEX Caja_Estado ON Caja(Estado);
CREATE INDEX Caja_Fecha ON Caja(Fecha);

CREATE TABLE Ventas (
  IdVenta TEXT COLLATE NOCASE NOT NULL PRIMARY KEY CONSTRAINT len10_IdVenta CHECK (length(IdVenta) <= 10),
  FechaV TEXT NOT NULL CONSTRAINT date_FechaV CHECK (date(FechaV, '+0 days') IS FechaV),
  NroFact INTEGER NOT NULL DEFAULT 0,
  NroAut INTEGER NOT NULL DEFAULT 0 CONSTRAINT digits15_NroAut CHECK (NroAut BETWEEN 0 AND 999999999999999),
  Estado TEXT COLLATE NOCASE NOT NULL DEFAULT 'V' CONSTRAINT len1_Estado CHECK (length(Estado) <= 1),
  NitCI TEXT COLLATE NOCASE NOT NULL DEFAULT '0' CONSTRAINT len12_NitCI CHECK (length(NitCI) <= 12),
  Cliente TEXT COLLATE NOCASE DEFAULT '' CONSTRAINT len50_Cliente CHECK (length(Cliente) <= 50),
  TotalF REAL NOT NULL DEFAULT 0,
  TotalE REAL NOT NULL DEFAULT 0,
  Saldo REAL NOT NULL DEFAULT 0,
  ICE REAL NOT NULL DEFAULT 0,
  Exentos REAL NOT NULL DEFAULT 0,
  Neto REAL NOT NULL DEFAULT 0,
  IVA REAL NOT NULL DEFAULT 0,
  CodigoC TEXT COLLATE NOCASE NOT NULL DEFAULT '0' CONSTRAINT len15_CodigoC CHECK (length(CodigoC) <= 15),
  Sucursal INTEGER NOT NULL DEFAULT 0,
  HoraV TEXT DEFAULT '' CONSTRAINT len8_HoraV CHECK (length(HoraV) <= 8),
  FormaP INTEGER NOT NULL DEFAULT 1,
  Comprobante INTEGER NOT NULL DEFAULT 0,
  IdCaja TEXT COLLATE NOCASE NOT NULL REFERENCES Caja(IdCaja) ON DELETE CASCADE CONSTRAINT len10_IdCaja CHECK (length(IdCaja) <= 10),
  IdDosificacion INTEGER NOT NULL DEFAULT 0,
  Obs TEXT COLLATE NOCASE DEFAULT '' CONSTRAINT len40_Obs CHECK (length(Obs) <= 40),
  Cajero TEXT COLLATE NOCASE DEFAULT '' CONSTRAINT len15_Cajero CHECK (length(Cajero) <= 15)
) STRICT;
-- The closing sums a session's rows by state and payment form straight from this index (it holds
-- the summed columns too), so a closing stays fast however many sales the file keeps.
CREATE INDEX Ventas_Caja ON Ventas(IdCaja, Estado, FormaP, TotalE, Saldo);
CREATE INDEX Ventas_FechaV ON Ventas(FechaV);
CREATE INDEX Ventas_NroFact ON Ventas(NroFact);
CREATE INDEX Ventas_NitCI ON Ventas(NitCI);
CREATE INDEX Ventas_Dosificacion ON Ventas(IdDosificacion, NroFact);
-- Open credit sales only: who still owes is read from these few, not from every sale of the years.
CREATE INDEX Ventas_Deudores ON Ventas(NitCI) WHERE FormaP=2 AND Estado='V' AND Saldo<>0;
-- A client's sales of a date range (debtors report) without reading all the client's years.
CREATE INDEX Ventas_NitCIFecha ON Ventas(NitCI, FechaV);
-- The debts window lists a year's open credits from here, whatever the years of sales stored.
CREATE INDEX Ventas_Credito ON Ventas(FormaP, Estado, FechaV);

-- Sale lines; dispatch-queue order lines (written by the order-taking side) use the same table
-- with IdIngreso set, no sale, and the product name, unit code and stock flag of their own.
CREATE TABLE DetalleV (
  IdDetalleV INTEGER PRIMARY KEY AUTOINCREMENT,
  Cantidad REAL NOT NULL DEFAULT 0,
  IdProducto TEXT COLLATE NOCASE NOT NULL DEFAULT '' CONSTRAINT len10_IdProducto CHECK (length(IdProducto) <= 10),
  PrecioU REAL NOT NULL DEFAULT 0,
  PrecioT REAL NOT NULL DEFAULT 0,
  IdVenta TEXT COLLATE NOCASE REFERENCES Ventas(IdVenta) ON DELETE CASCADE CONSTRAINT len10_IdVenta CHECK (length(IdVenta) <= 10),
  IdCategoria INTEGER NOT NULL DEFAULT 0,
  Estado TEXT COLLATE NOCASE NOT NULL DEFAULT 'V' CONSTRAINT len1_Estado CHECK (length(Estado) <= 1),
  IdIngreso TEXT COLLATE NOCASE DEFAULT NULL CONSTRAINT len10_IdIngreso CHECK (length(IdIngreso) <= 10),
  Producto TEXT COLLATE NOCASE DEFAULT '' CONSTRAINT len45_Producto CHECK (length(Producto) <= 45),
  CodUMedida INTEGER NOT NULL DEFAULT 0,
  ControlStock INTEGER NOT NULL DEFAULT 0
) STRICT;
CREATE INDEX DetalleV_Venta ON DetalleV(IdVenta);
CREATE INDEX DetalleV_Ingreso ON DetalleV(IdIngreso);
CREATE INDEX DetalleV_Producto ON DetalleV(IdProducto);
CREATE INDEX DetalleV_Categoria ON DetalleV(IdCategoria);
-- The lines of one sale for one product: a report filtered by product walks the range's sales and
-- finds each one's lines here, never the product's lines of every year.
CREATE INDEX DetalleV_VentaProducto ON DetalleV(IdVenta, IdProducto);

CREATE TABLE Compras (
  IdCompra TEXT COLLATE NOCASE NOT NULL PRIMARY KEY CONSTRAINT len10_IdCompra CHECK (length(IdCompra) <= 10),
  FechaC TEXT NOT NULL CONSTRAINT date_FechaC CHECK (date(FechaC, '+0 days') IS FechaC),
  NitCI TEXT COLLATE NOCASE NOT NULL DEFAULT '' CONSTRAINT len12_NitCI CHECK (length(NitCI) <= 12),
  Proveedor TEXT COLLATE NOCASE DEFAULT '' CONSTRAINT len50_Proveedor CHECK (length(Proveedor) <= 50),
  NroFact INTEGER NOT NULL DEFAULT 0,
  NroDUI TEXT COLLATE NOCASE NOT NULL DEFAULT '' CONSTRAINT len15_NroDUI CHECK (length(NroDUI) <= 15),
  NroAut TEXT COLLATE NOCASE NOT NULL DEFAULT '' CONSTRAINT len15_NroAut CHECK (length(NroAut) <= 15),
  TotalF REAL NOT NULL DEFAULT 0,
  TotalE REAL NOT NULL DEFAULT 0,
  Saldo REAL NOT NULL DEFAULT 0,
  Exentos REAL NOT NULL DEFAULT 0,
  SubTotal REAL NOT NULL DEFAULT 0,
  Descuentos REAL NOT NULL DEFAULT 0,
  ImpBase REAL NOT NULL DEFAULT 0,
  CreditoF REAL NOT NULL DEFAULT 0,
  CodigoC TEXT COLLATE NOCASE NOT NULL DEFAULT '' CONSTRAINT len14_CodigoC CHECK (length(CodigoC) <= 14),
  TipoC INTEGER NOT NULL DEFAULT 0,
  FormaP INTEGER NOT NULL DEFAULT 1,
  Comprobante INTEGER NOT NULL DEFAULT 0,
  Inventario INTEGER NOT NULL DEFAULT 1,
  Cajero TEXT COLLATE NOCASE DEFAULT '' CONSTRAINT len15_Cajero CHECK (length(Cajero) <= 15),
  IdCaja TEXT COLLATE NOCASE NOT NULL REFERENCES Caja(IdCaja) ON DELETE CASCADE CONSTRAINT len10_IdCaja CHECK (length(IdCaja) <= 10),
  Estado TEXT COLLATE NOCASE NOT NULL DEFAULT 'V' CONSTRAINT len1_Estado CHECK (length(Estado) <= 1)
) STRICT;
CREATE INDEX Compras_Caja ON Compras(IdCaja, Estado, FormaP, TotalE, Saldo);
CREATE INDEX Compras_FechaC ON Compras(FechaC);
CREATE INDEX Compras_NitCI ON Compras(NitCI);
-- The purchase windows list the latest valid purchases of their kind newest first from this
-- index, however many purchases the years have stored. The state leads, so the reports that filter
-- a kind over a date range keep starting from the date.
CREATE INDEX Compras_Recientes ON Compras(Estado, Inventario, IdCompra);
-- A supplier's invoice is found by its number, not among all the supplier's purchases of the years.
CREATE INDEX Compras_Factura ON Compras(NitCI, NroFact, NroAut);
-- The year's open credits of the purchases, for the debts window.
CREATE INDEX Compras_Credito ON Compras(FormaP, Estado, FechaC);

CREATE TABLE DetalleC (
  IdDetalleC INTEGER PRIMARY KEY AUTOINCREMENT,
  IdCategoria INTEGER NOT NULL DEFAULT 0,
  IdProducto TEXT COLLATE NOCASE NOT NULL DEFAULT '' CONSTRAINT len10_IdProducto CHECK (length(IdProducto) <= 10),
  CInicial REAL NOT NULL DEFAULT 0,
  CEntrante REAL NOT NULL DEFAULT 0,
  PrecioU REAL NOT NULL DEFAULT 0,
  PrecioT REAL NOT NULL DEFAULT 0,
  IdCompra TEXT COLLATE NOCASE NOT NULL REFERENCES Compras(IdCompra) ON DELETE CASCADE CONSTRAINT len10_IdCompra CHECK (length(IdCompra) <= 10)
) STRICT;
CREATE INDEX DetalleC_Compra ON DetalleC(IdCompra);
CREATE INDEX DetalleC_Producto ON DetalleC(IdProducto);
CREATE INDEX DetalleC_CompraProducto ON DetalleC(IdCompra, IdProducto);

CREATE TABLE DetalleS (
  IdDetalleS INTEGER PRIMARY KEY AUTOINCREMENT,
  Cantidad REAL NOT NULL DEFAULT 0,
  Concepto TEXT COLLATE NOCASE DEFAULT '' CONSTRAINT len60_Concepto CHECK (length(Concepto) <= 60),
  PrecioT REAL NOT NULL DEFAULT 0,
  IdCompra TEXT COLLATE NOCASE NOT NULL REFERENCES Compras(IdCompra) ON DELETE CASCADE CONSTRAINT len10_IdCompra CHECK (length(IdCompra) <= 10)
) STRICT;
CREATE INDEX DetalleS_Compra ON DetalleS(IdCompra);

CREATE TABLE EntregaI (
  IdEntrega TEXT COLLATE NOCASE NOT NULL PRIMARY KEY CONSTRAINT len10_IdEntrega CHECK (length(IdEntrega) <= 10),
  FechaE TEXT NOT NULL CONSTRAINT date_FechaE CHECK (date(FechaE, '+0 days') IS FechaE),
  NitCI TEXT COLLATE NOCASE DEFAULT '' CONSTRAINT len12_NitCI CHECK (length(NitCI) <= 12),
  Cliente TEXT COLLATE NOCASE DEFAULT '' CONSTRAINT len50_Cliente CHECK (length(Cliente) <= 50),
  HoraE TEXT DEFAULT '' CONSTRAINT len10_HoraE CHECK (length(HoraE) <= 10),
  Obs TEXT COLLATE NOCASE DEFAULT '' CONSTRAINT len40_Obs CHECK (length(Obs) <= 40),
  Sucursal INTEGER NOT NULL DEFAULT 0,
  Cajero TEXT COLLATE NOCASE DEFAULT '' CONSTRAINT len15_Cajero CHECK (length(Cajero) <= 15),
  IdCaja TEXT COLLATE NOCASE NOT NULL REFERENCES Caja(IdCaja) ON DELETE CASCADE CONSTRAINT len10_IdCaja CHECK (length(IdCaja) <= 10),
  Estado TEXT COLLATE NOCASE NOT NULL DEFAULT 'V' CONSTRAINT len1_Estado CHECK (length(Estado) <= 1)
) STRICT;
CREATE INDEX EntregaI_Caja ON EntregaI(IdCaja);
CREATE INDEX EntregaI_FechaE ON EntregaI(FechaE);

CREATE TABLE DetalleEI (
  Cantidad REAL NOT NULL DEFAULT 0,
  IdProducto TEXT COLLATE NOCASE NOT NULL DEFAULT '' CONSTRAINT len10_IdProducto CHECK (length(IdProducto) <= 10),
  IdEntrega TEXT COLLATE NOCASE NOT NULL REFERENCES EntregaI(IdEntrega) ON DELETE CASCADE CONSTRAINT len10_IdEntrega CHECK (length(IdEntrega) <= 10),
  IdCategoria INTEGER NOT NULL DEFAULT 0,
  Estado TEXT COLLATE NOCASE NOT NULL DEFAULT 'V' CONSTRAINT len1_Estado CHECK (length(Estado) <= 1)
) STRICT;
CREATE INDEX DetalleEI_Entrega ON DetalleEI(IdEntrega);
CREATE INDEX DetalleEI_Producto ON DetalleEI(IdProducto);
CREATE INDEX DetalleEI_EntregaProducto ON DetalleEI(IdEntrega, IdProducto);

CREATE TABLE SaldoV (
  IdSaldoV INTEGER PRIMARY KEY AUTOINCREMENT,
  TotalE REAL NOT NULL DEFAULT 0,
  IdVenta TEXT COLLATE NOCASE NOT NULL REFERENCES Ventas(IdVenta) ON DELETE CASCADE CONSTRAINT len10_IdVenta CHECK (length(IdVenta) <= 10),
  IdCaja TEXT COLLATE NOCASE NOT NULL REFERENCES Caja(IdCaja) ON DELETE CASCADE CONSTRAINT len10_IdCaja CHECK (length(IdCaja) <= 10),
  FechaR TEXT NOT NULL CONSTRAINT date_FechaR CHECK (date(FechaR, '+0 days') IS FechaR),
  Cajero TEXT COLLATE NOCASE DEFAULT '' CONSTRAINT len15_Cajero CHECK (length(Cajero) <= 15),
  Estado INTEGER NOT NULL DEFAULT 1
) STRICT;
CREATE INDEX SaldoV_Venta ON SaldoV(IdVenta);
CREATE INDEX SaldoV_Caja ON SaldoV(IdCaja, Estado, TotalE);
-- The payment history of a year.
CREATE INDEX SaldoV_FechaR ON SaldoV(FechaR);

CREATE TABLE SaldoC (
  IdSaldoC INTEGER PRIMARY KEY AUTOINCREMENT,
  TotalE REAL NOT NULL DEFAULT 0,
  IdCompra TEXT COLLATE NOCASE NOT NULL REFERENCES Compras(IdCompra) ON DELETE CASCADE CONSTRAINT len10_IdCompra CHECK (length(IdCompra) <= 10),
  IdCaja TEXT COLLATE NOCASE NOT NULL REFERENCES Caja(IdCaja) ON DELETE CASCADE CONSTRAINT len10_IdCaja CHECK (length(IdCaja) <= 10),
  FechaR TEXT NOT NULL CONSTRAINT date_FechaR CHECK (date(FechaR, '+0 days') IS FechaR),
  Cajero TEXT COLLATE NOCASE DEFAULT '' CONSTRAINT len15_Cajero CHECK (length(Cajero) <= 15),
  Estado INTEGER NOT NULL DEFAULT 1
) STRICT;
CREATE INDEX SaldoC_Compra ON SaldoC(IdCompra);
CREATE INDEX SaldoC_Caja ON SaldoC(IdCaja, Estado, TotalE);
CREATE INDEX SaldoC_FechaR ON SaldoC(FechaR);

CREATE TABLE Productos (
  IdProducto TEXT COLLATE NOCASE NOT NULL PRIMARY KEY CONSTRAINT len10_IdProducto CHECK (length(IdProducto) <= 10),
  Inventario INTEGER NOT NULL DEFAULT 1,
  IdCategoria INTEGER NOT NULL DEFAULT 1,
  Marca TEXT COLLATE NOCASE DEFAULT '' CONSTRAINT len30_Marca CHECK (length(Marca) <= 30),
  Producto TEXT COLLATE NOCASE NOT NULL UNIQUE CONSTRAINT len45_Producto CHECK (length(Producto) <= 45),
  Presentacion TEXT COLLATE NOCASE DEFAULT '' CONSTRAINT len100_Presentacion CHECK (length(Presentacion) <= 100),
  UMedida TEXT COLLATE NOCASE DEFAULT '' CONSTRAINT len20_UMedida CHECK (length(UMedida) <= 20),
  StockM REAL NOT NULL DEFAULT 0,
  PCompra REAL NOT NULL DEFAULT 0,
  PVenta REAL NOT NULL DEFAULT 0,
  PVentaIVA REAL NOT NULL DEFAULT 0,
  CodigoB TEXT COLLATE NOCASE DEFAULT '' CONSTRAINT len20_CodigoB CHECK (length(CodigoB) <= 20),
  Ingreso REAL NOT NULL DEFAULT 0,
  Egreso REAL NOT NULL DEFAULT 0,
  Usuario TEXT COLLATE NOCASE DEFAULT '' CONSTRAINT len15_Usuario CHECK (length(Usuario) <= 15),
  Estado INTEGER NOT NULL DEFAULT 1
) STRICT;
CREATE INDEX Productos_Categoria ON Productos(IdCategoria, Estado);
CREATE INDEX Productos_Inventario ON Productos(Inventario, Estado);
CREATE INDEX Productos_CodigoB ON Productos(CodigoB);

CREATE TABLE Categorias (
  IdCategoria INTEGER NOT NULL PRIMARY KEY,
  Inventario INTEGER NOT NULL DEFAULT 1,
  Categoria TEXT COLLATE NOCASE DEFAULT '' CONSTRAINT len30_Categoria CHECK (length(Categoria) <= 30),
  Icono BLOB,
  Estado INTEGER NOT NULL DEFAULT 1
) STRICT;

CREATE TABLE Marcas (
  IdMarca INTEGER PRIMARY KEY AUTOINCREMENT,
  Marca TEXT COLLATE NOCASE NOT NULL UNIQUE CONSTRAINT len30_Marca CHECK (length(Marca) <= 30),
  Procedencia TEXT COLLATE NOCASE DEFAULT '' CONSTRAINT len20_Procedencia CHECK (length(Procedencia) <= 20),
  Estado INTEGER NOT NULL DEFAULT 1
) STRICT;

CREATE TABLE UMedida (
  IdUMedida INTEGER PRIMARY KEY AUTOINCREMENT,
  UMedida TEXT COLLATE NOCASE NOT NULL UNIQUE CONSTRAINT len20_UMedida CHECK (length(UMedida) <= 20),
  Estado INTEGER NOT NULL DEFAULT 1
) STRICT;

CREATE TABLE Clientes (
  NitCI TEXT COLLATE NOCASE NOT NULL PRIMARY KEY CONSTRAINT len12_NitCI CHECK (length(NitCI) <= 12),
  Cliente TEXT COLLATE NOCASE DEFAULT '' CONSTRAINT len50_Cliente CHECK (length(Cliente) <= 50),
  Direccion TEXT COLLATE NOCASE DEFAULT '' CONSTRAINT len40_Direccion CHECK (length(Direccion) <= 40),
  Telefono TEXT COLLATE NOCASE DEFAULT '' CONSTRAINT len8_Telefono CHECK (length(Telefono) <= 8),
  Celular TEXT COLLATE NOCASE DEFAULT '' CONSTRAINT len8_Celular CHECK (length(Celular) <= 8),
  Empresa TEXT COLLATE NOCASE DEFAULT '' CONSTRAINT len30_Empresa CHECK (length(Empresa) <= 30),
  NVentas INTEGER NOT NULL DEFAULT 0,
  NCreditos INTEGER NOT NULL DEFAULT 0,
  Usuario TEXT COLLATE NOCASE DEFAULT '' CONSTRAINT len15_Usuario CHECK (length(Usuario) <= 15),
  Estado INTEGER NOT NULL DEFAULT 1
) STRICT;
CREATE INDEX Clientes_Cliente ON Clientes(Cliente);

CREATE TABLE Proveedores (
  NitCI TEXT COLLATE NOCASE NOT NULL PRIMARY KEY CONSTRAINT len12_NitCI CHECK (length(NitCI) <= 12),
  RSocial TEXT COLLATE NOCASE DEFAULT '' CONSTRAINT len50_RSocial CHECK (length(RSocial) <= 50),
  Telefono TEXT COLLATE NOCASE DEFAULT '' CONSTRAINT len8_Telefono CHECK (length(Telefono) <= 8),
  Celular TEXT COLLATE NOCASE DEFAULT '' CONSTRAINT len8_Celular CHECK (length(Celular) <= 8),
  CBancaria TEXT COLLATE NOCASE DEFAULT '' CONSTRAINT len30_CBancaria CHECK (length(CBancaria) <= 30),
  Representante TEXT COLLATE NOCASE DEFAULT '' CONSTRAINT len50_Representante CHECK (length(Representante) <= 50),
  Direccion TEXT COLLATE NOCASE DEFAULT '' CONSTRAINT len30_Direccion CHECK (length(Direccion) <= 30),
  Email TEXT COLLATE NOCASE DEFAULT '' CONSTRAINT len40_Email CHECK (length(Email) <= 40),
  Usuario TEXT COLLATE NOCASE DEFAULT '' CONSTRAINT len15_Usuario CHECK (length(Usuario) <= 15),
  Estado INTEGER NOT NULL DEFAULT 1
) STRICT;
CREATE INDEX Proveedores_RSocial ON Proveedores(RSocial);

CREATE TABLE ComprobanteV (
  IdCompV INTEGER NOT NULL PRIMARY KEY,
  Comprobante TEXT COLLATE NOCASE DEFAULT '' CONSTRAINT len22_Comprobante CHECK (length(Comprobante) <= 22),
  Numero INTEGER NOT NULL DEFAULT 0
) STRICT;

CREATE TABLE ComprobanteC (
  IdCompC INTEGER NOT NULL PRIMARY KEY,
  Comprobante TEXT COLLATE NOCASE DEFAULT '' CONSTRAINT len22_Comprobante CHECK (length(Comprobante) <= 22),
  Numero INTEGER NOT NULL DEFAULT 0
) STRICT;

CREATE TABLE Ingresos (
  IdIngreso TEXT COLLATE NOCASE NOT NULL PRIMARY KEY CONSTRAINT len10_IdIngreso CHECK (length(IdIngreso) <= 10),
  HoraV TEXT DEFAULT '',
  Cliente TEXT COLLATE NOCASE DEFAULT '' CONSTRAINT len50_Cliente CHECK (length(Cliente) <= 50),
  Obs TEXT COLLATE NOCASE DEFAULT '' CONSTRAINT len40_Obs CHECK (length(Obs) <= 40),
  Despachado INTEGER NOT NULL DEFAULT 0,
  Estado TEXT COLLATE NOCASE NOT NULL DEFAULT 'V' CONSTRAINT len1_Estado CHECK (length(Estado) <= 1)
) STRICT;
CREATE INDEX Ingresos_Espera ON Ingresos(Despachado, Estado);

PRAGMA user_version = 11;
