#!/usr/bin/env python3
"""Fills a demo shop with years of sales, to measure the sales queries on a big file.

    build/cvi-zelto --create-database /tmp/big.sqlite --demo --days 0
    scripts/make-big-shop.py /tmp/big.sqlite [--sales 1000000] [--clients 20000] [--per-day 400]
                                             [--orders 0]

Adds one closed cash session per day, the clients, the sales (half of them to anonymous buyers,
one in ten on credit, one in five an invoice) with two or three lines each, and moves the
counters past them, as years of selling would leave the file. The last day's session stays open,
so the program can go on selling in it. With --orders, as many orders of the order-taking side
(Ingresos, two lines each in DetalleV), all dispatched but the last twenty. Run by hand; not part of
the test suite.
"""
import argparse
import datetime
import random
import sqlite3
import sys


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("database")
    parser.add_argument("--sales", type=int, default=1_000_000)
    parser.add_argument("--clients", type=int, default=20_000)
    parser.add_argument("--per-day", type=int, default=400)
    parser.add_argument("--orders", type=int, default=0)
    args = parser.parse_args()

    random.seed(12)
    db = sqlite3.connect(args.database)
    db.execute("PRAGMA foreign_keys = ON")
    if db.execute("SELECT COUNT(*) FROM Ventas").fetchone()[0]:
        sys.exit("the file already holds sales")
    products = db.execute(
        "SELECT IdProducto, IdCategoria, PVenta FROM Productos WHERE Inventario=1").fetchall()

    clients = [(str(3_000_000 + i), "CLIENTE %d" % i, random.choice([0, 0, 0, 2, 3]))
               for i in range(args.clients)]
    db.executemany("INSERT INTO Clientes(NitCI, Cliente, NCreditos, Usuario) VALUES(?, ?, ?, 'admin')",
                   clients)

    days = (args.sales + args.per_day - 1) // args.per_day
    first = datetime.date.today() - datetime.timedelta(days=days - 1)
    sessions = []
    for d in range(days):
        sessions.append(("C%09d" % (d + 1), (first + datetime.timedelta(days=d)).isoformat(),
                         0 if d < days - 1 else 1))
    db.executemany("INSERT INTO Caja(IdCaja, Fecha, CInicial, Cajero, Estado) VALUES(?, ?, 0, 'admin', ?)", sessions)

    sales, lines = [], []
    invoice = 0
    for n in range(1, args.sales + 1):
        session, date, _ = sessions[(n - 1) // args.per_day]
        key = "V%09d" % n
        form = random.choices([1, 2, 3, 0], weights=[80, 10, 8, 2])[0]
        is_invoice = form in (1, 3) and random.random() < 0.25
        anonymous = form != 2 and random.random() < 0.5
        nit, name = ("0", "S/N") if anonymous else random.choice(clients)[:2]
        chosen = random.sample(products, random.choice([2, 2, 3]))
        total = 0.0
        for product, category, price in chosen:
            quantity = random.choice([1, 1, 2, 3])
            price = 0 if form == 0 else price
            total += quantity * price
            lines.append((quantity, product, price, quantity * price, key, category))
        total = round(total, 2)
        paid = total if form != 2 else round(total * random.choice([0, 0.3, 0.5]), 2)
        if is_invoice:
            invoice += 1
        estado = "A" if random.random() < 0.01 else "V"
        sales.append((key, date, invoice if is_invoice else 0, 29040011007 if is_invoice else 0, estado, nit, name,
                      total, paid, round(total - paid, 2), total if is_invoice else 0,
                      round(total * 0.13, 3) if is_invoice else 0, "7B-F3-48-A8" if is_invoice else "0",
                      "12:00:00", form, 1 if is_invoice else 0, session, 1, "admin"))
        if len(sales) == 50_000:
            flush(db, sales, lines)
    flush(db, sales, lines)

    add_orders(db, products, args.orders)
    db.execute("UPDATE Codigos SET IdCaja=?, IdVenta=?, StockVD='S' WHERE IdC=1", (days, args.sales))
    db.execute("UPDATE DatosC SET NFactura=?", (invoice + 1,))
    db.execute("UPDATE Productos SET Ingreso=Ingreso+1000000")
    db.commit()
    print("%d sales over %d days, %d invoices, %d clients" % (args.sales, days, invoice, args.clients))


def add_orders(db, products, count):
    orders, lines = [], []
    first = db.execute("SELECT COUNT(*) FROM Ingresos").fetchone()[0]  # the demo shop's own orders
    for n in range(1, count + 1):
        key = "I%09d" % (first + n)
        orders.append((key, "%02d:%02d:00" % (8 + n % 12, n % 60), "MESA %d" % (n % 30), "",
                       0 if n > count - 20 else 1))
        for product, category, price in random.sample(products, 2):
            quantity = random.choice([1, 2, 3])
            lines.append((quantity, category, product, "PRODUCTO " + product, 0, price, quantity * price, 1, key))
    db.executemany("INSERT INTO Ingresos(IdIngreso, HoraV, Cliente, Obs, Despachado, Estado) VALUES(?, ?, ?, ?, ?, 'V')",
                   orders)
    db.executemany("INSERT INTO DetalleV(Cantidad, IdCategoria, IdProducto, Producto, CodUMedida, PrecioU, PrecioT, "
                   "ControlStock, IdIngreso) VALUES(?, ?, ?, ?, ?, ?, ?, ?, ?)", lines)
    db.commit()


def flush(db, sales, lines):
    db.executemany(
        "INSERT INTO Ventas(IdVenta, FechaV, NroFact, NroAut, Estado, NitCI, Cliente, TotalF, TotalE, Saldo, Neto, IVA, "
        "CodigoC, HoraV, FormaP, Comprobante, IdCaja, IdDosificacion, Cajero) "
        "VALUES(?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)", sales)
    db.executemany("INSERT INTO DetalleV(Cantidad, IdProducto, PrecioU, PrecioT, IdVenta, IdCategoria) "
                   "VALUES(?, ?, ?, ?, ?, ?)", lines)
    db.commit()
    sales.clear()
    lines.clear()


if __name__ == "__main__":
    main()
