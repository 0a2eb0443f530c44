#!/usr/bin/env python3
"""Fills a shop database with years of trade, to check query plans and opening times by hand.

    build/cvi-zelto --create-database /tmp/big.sqlite --demo --days 0
    scripts/big-shop.py /tmp/big.sqlite            # 1,000,000 sales, 20,000 clients, 200,000 payments
    scripts/big-shop.py /tmp/big.sqlite --sales 200000 --clients 5000 --payments 40000

Not part of the test suite: it takes a minute or two. The database must be a fresh one made by the
program (the demo shop's categories, products and users are kept).
"""
import argparse
import datetime
import random
import sqlite3
import sys

WORDS = ("JUAN MARIA CARLOS ROSA LUIS ANA PEDRO ELENA JORGE SONIA QUISPE MAMANI CONDORI FLORES "
         "ROJAS VARGAS GUTIERREZ LOPEZ CHOQUE APAZA TORREZ LIMA PAREDES SUAREZ").split()


def name(rng, words=3):
    return " ".join(rng.choice(WORDS) for _ in range(words))


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("database")
    parser.add_argument("--sales", type=int, default=1_000_000)
    parser.add_argument("--clients", type=int, default=20_000)
    parser.add_argument("--products", type=int, default=2_000)
    parser.add_argument("--days", type=int, default=1_500)
    parser.add_argument("--payments", type=int, default=200_000,
                        help="instalments on credit sales; a tenth as many on credit purchases")
    args = parser.parse_args()

    rng = random.Random(7)
    db = sqlite3.connect(args.database)
    db.execute("PRAGMA foreign_keys = ON")
    if db.execute("SELECT COUNT(*) FROM Ventas").fetchone()[0]:
        sys.exit("the database already holds sales: start from a fresh one")

    db.execute("BEGIN")
    clients = [(str(2_000_000 + i), name(rng), "C. %d" % i, rng.randrange(0, 10), 0 if i % 50 == 0 else 1)
               for i in range(args.clients)]
    db.executemany("INSERT INTO Clientes(NitCI, Cliente, Direccion, NCreditos, Usuario, Estado) "
                   "VALUES(?, ?, ?, ?, 'admin', ?)", clients)
    db.executemany("INSERT INTO Proveedores(NitCI, RSocial, Usuario, Estado) VALUES(?, ?, 'admin', 1)",
                   [(str(9_000_000 + i), name(rng, 2) + " SRL") for i in range(300)])

    first = db.execute("SELECT IdProducto FROM Codigos").fetchone()[0]
    products = []
    for i in range(args.products):
        supply = i % 5 == 0
        category = rng.randrange(17, 25) if supply else rng.randrange(1, 9)
        products.append(("P%09d" % (first + i + 1), 2 if supply else 1, category, "PRODUCTO %06d" % i,
                         rng.randrange(0, 20), rng.randrange(0, 500), rng.randrange(0, 400)))
    db.executemany("INSERT INTO Productos(IdProducto, Inventario, IdCategoria, Producto, StockM, Ingreso, Egreso) "
                   "VALUES(?, ?, ?, ?, ?, ?, ?)", products)
    db.execute("UPDATE Codigos SET IdProducto=?", (first + args.products,))
    sale_products = [p for p in products if p[1] == 1]
    supply_products = [p for p in products if p[1] == 2]

    start = datetime.date(2022, 1, 3)
    sessions = []
    for day in range(args.days):
        sessions.append(("C%09d" % (day + 1), (start + datetime.timedelta(days=day)).isoformat()))
    db.executemany("INSERT INTO Caja(IdCaja, Fecha, CInicial, Cajero, Estado) VALUES(?, ?, 0, 'admin', 0)", sessions)

    per_day = max(1, args.sales // args.days)
    credit_sales = []                        # (sale, index of its session)
    sales, lines = [], []
    open_credit = 0
    for n in range(args.sales):
        caja, fecha = sessions[min(n // per_day, len(sessions) - 1)]
        total = rng.randrange(5, 500)
        roll = rng.random()
        estado, form, paid, owed = "V", 1, total, 0
        if roll < 0.10:                      # credit: most are paid off since (the payment rewrites FormaP)
            if rng.random() < 0.05:
                form, paid, owed = 2, 0, total
                open_credit += 1
            else:
                form = rng.choice((1, 2))
        elif roll < 0.15:
            form = 3
        elif roll < 0.18:
            form, paid = 0, 0
        elif roll < 0.20:
            estado, total, paid = "A", 0, 0
        client = "0" if rng.random() < 0.6 else clients[rng.randrange(len(clients))][0]
        sale = "V%09d" % (n + 1)
        if roll < 0.10:
            credit_sales.append((sale, min(n // per_day, len(sessions) - 1)))
        sales.append((sale, fecha, estado, client, total, paid, owed, form, caja))
        for _ in range(2):
            p = sale_products[rng.randrange(len(sale_products))]
            lines.append((1, p[0], total / 2, total / 2, sale, p[2]))
        if len(sales) >= 50_000:
            flush(db, sales, lines)
    flush(db, sales, lines)
    db.execute("UPDATE Codigos SET IdVenta=?, IdCaja=?", (args.sales, len(sessions)))

    purchases, purchase_lines = [], []
    credit_purchases = []
    for n in range(args.sales // 10):
        day = rng.randrange(len(sessions))
        caja, fecha = sessions[day]
        purchase = "P%09d" % (n + 1)
        total = rng.randrange(50, 2000)
        if rng.random() < 0.10:              # on credit, half of it still owed
            purchases.append((purchase, fecha, "9000000", total, total / 2, total / 2, 2, caja))
            credit_purchases.append((purchase, day))
        else:
            purchases.append((purchase, fecha, "9000000", total, total, 0, 1, caja))
        p = products[rng.randrange(len(products))]
        purchase_lines.append((p[2], p[0], 0, 10, 1, 10, purchase))
    db.executemany("INSERT INTO Compras(IdCompra, FechaC, NitCI, TotalF, TotalE, Saldo, FormaP, IdCaja) "
                   "VALUES(?, ?, ?, ?, ?, ?, ?, ?)", purchases)
    payments = instalments(rng, credit_sales, sessions, args.payments)
    db.executemany("INSERT INTO SaldoV(TotalE, IdVenta, IdCaja, FechaR, Cajero) VALUES(?, ?, ?, ?, 'admin')", payments)
    supplier_payments = instalments(rng, credit_purchases, sessions, args.payments // 10)
    db.executemany("INSERT INTO SaldoC(TotalE, IdCompra, IdCaja, FechaR, Cajero) VALUES(?, ?, ?, ?, 'admin')",
                   supplier_payments)
    db.executemany("INSERT INTO DetalleC(IdCategoria, IdProducto, CInicial, CEntrante, PrecioU, PrecioT, IdCompra) "
                   "VALUES(?, ?, ?, ?, ?, ?, ?)", purchase_lines)
    deliveries, delivery_lines = [], []
    for n in range(args.sales // 20):
        caja, fecha = sessions[rng.randrange(len(sessions))]
        delivery = "E%09d" % (n + 1)
        deliveries.append((delivery, fecha, caja))
        p = supply_products[rng.randrange(len(supply_products))]
        delivery_lines.append((2, p[0], delivery, p[2]))
    db.executemany("INSERT INTO EntregaI(IdEntrega, FechaE, IdCaja) VALUES(?, ?, ?)", deliveries)
    db.executemany("INSERT INTO DetalleEI(Cantidad, IdProducto, IdEntrega, IdCategoria) VALUES(?, ?, ?, ?)",
                   delivery_lines)
    db.execute("COMMIT")
    db.close()
    print("%d clients, %d sales (%d open credit), %d sale lines, %d purchases (%d on credit), %d deliveries, "
          "%d payments received, %d made"
          % (len(clients), args.sales, open_credit, 2 * args.sales, len(purchases), len(credit_purchases),
             len(deliveries), len(payments), len(supplier_payments)))


def instalments(rng, credits, sessions, count):
    """Payments on credits, each in a session on or after the credit's own."""
    rows = []
    if not credits:
        return rows
    for _ in range(count):
        key, day = credits[rng.randrange(len(credits))]
        caja, fecha = sessions[rng.randrange(day, min(day + 120, len(sessions)))]
        rows.append((rng.randrange(1, 200) / 2, key, caja, fecha))
    return rows


def flush(db, sales, lines):
    db.executemany("INSERT INTO Ventas(IdVenta, FechaV, Estado, NitCI, TotalF, TotalE, Saldo, FormaP, IdCaja) "
                   "VALUES(?, ?, ?, ?, ?, ?, ?, ?, ?)", sales)
    db.executemany("INSERT INTO DetalleV(Cantidad, IdProducto, PrecioU, PrecioT, IdVenta, IdCategoria) "
                   "VALUES(?, ?, ?, ?, ?, ?)", lines)
    sales.clear()
    lines.clear()


if __name__ == "__main__":
    main()
