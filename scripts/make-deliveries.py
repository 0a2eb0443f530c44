#!/usr/bin/env python3
"""Fills a demo shop with years of supply deliveries, to measure the delivery lists on a big file.

    build/cvi-zelto --create-database /tmp/deliveries.sqlite --demo --days 0
    scripts/make-deliveries.py /tmp/deliveries.sqlite [--years 10] [--per-day 60]

A file without cash sessions gets one closed session per day for the years, ending today, the
last one left open; a file that already has sessions (scripts/make-big-shop.py) keeps them and the
deliveries go into them. Each delivery has one to six lines of the demo supplies, one in fifty is
annulled, and the counter moves past them, as years of handing out would leave the file. Run by
hand; not part of the test suite.
"""
import argparse
import datetime
import random
import sqlite3
import sys


def sessions_of(db, years):
    rows = db.execute("SELECT IdCaja, Fecha FROM Caja ORDER BY Fecha").fetchall()
    if rows:
        return rows
    days = 365 * years
    first = datetime.date.today() - datetime.timedelta(days=days - 1)
    rows = [("C%09d" % (d + 1), (first + datetime.timedelta(days=d)).isoformat()) for d in range(days)]
    db.executemany("INSERT INTO Caja(IdCaja, Fecha, CInicial, Cajero, Estado) VALUES(?, ?, 0, 'admin', 0)", rows)
    db.execute("UPDATE Caja SET Estado=1 WHERE IdCaja=?", (rows[-1][0],))
    db.execute("UPDATE Codigos SET IdCaja=? WHERE IdC=1", (days,))
    return rows


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("database")
    parser.add_argument("--years", type=int, default=10)
    parser.add_argument("--per-day", type=int, default=60)
    args = parser.parse_args()

    random.seed(16)
    db = sqlite3.connect(args.database)
    db.execute("PRAGMA foreign_keys = ON")
    if db.execute("SELECT COUNT(*) FROM EntregaI").fetchone()[0]:
        sys.exit("the file already holds deliveries")
    supplies = db.execute("SELECT IdProducto, IdCategoria FROM Productos WHERE Inventario=2").fetchall()
    if not supplies:
        sys.exit("the file has no supplies; create it with --demo")
    workers = ["TRABAJADOR %d" % i for i in range(300)]

    headers, lines = [], []
    number = 0
    for session, date in sessions_of(db, args.years):
        for _ in range(args.per_day):
            number += 1
            key = "E%09d" % number
            state = "A" if random.random() < 0.02 else "V"
            anonymous = random.random() < 0.2
            nit, name = ("", "") if anonymous else (str(6_000_000 + random.randrange(300)), random.choice(workers))
            if state == "A":
                nit, name = "0", "ANULADO"
            headers.append((key, date, nit, name, "%02d:%02d:00" % (random.randrange(8, 19), random.randrange(60)),
                            "", 0, "admin", session, state))
            for supply, category in random.sample(supplies, random.randint(1, min(6, len(supplies)))):
                lines.append((random.choice([1, 2, 2.5, 5, 10]), supply, key, category, state))
        if len(headers) >= 50_000:
            flush(db, headers, lines)
    flush(db, headers, lines)
    db.execute("UPDATE Codigos SET IdEgreso=? WHERE IdC=1", (number,))
    db.commit()
    print("%d deliveries" % number)


def flush(db, headers, lines):
    db.executemany("INSERT INTO EntregaI(IdEntrega, FechaE, NitCI, Cliente, HoraE, Obs, Sucursal, Cajero, IdCaja, Estado) "
                   "VALUES(?, ?, ?, ?, ?, ?, ?, ?, ?, ?)", headers)
    db.executemany("INSERT INTO DetalleEI(Cantidad, IdProducto, IdEntrega, IdCategoria, Estado) VALUES(?, ?, ?, ?, ?)",
                   lines)
    db.commit()
    headers.clear()
    lines.clear()


if __name__ == "__main__":
    main()
