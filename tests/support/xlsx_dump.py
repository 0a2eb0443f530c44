#!/usr/bin/python3
"""Prints the first sheet of an .xlsx file as JSON, read back by an independent reader (openpyxl):
column widths, and for every stored cell its value, type, number format, bold, fill colour, top
border and horizontal alignment."""
import json
import sys

import openpyxl


def main(path):
    book = openpyxl.load_workbook(path)
    sheet = book.worksheets[0]
    widths = {letter: dim.width for letter, dim in sheet.column_dimensions.items() if dim.width}
    cells = {}
    for row in sheet.iter_rows():
        for cell in row:
            fill = cell.fill.fgColor.rgb if cell.fill is not None and cell.fill.fill_type == "solid" else None
            value = cell.value
            if hasattr(value, "isoformat"):
                value = value.date().isoformat() if hasattr(value, "date") else value.isoformat()
            cells[cell.coordinate] = {
                "v": value,
                "t": cell.data_type,
                "fmt": cell.number_format,
                "bold": bool(cell.font.b),
                "fill": fill,
                "top": cell.border.top.style,
                "align": cell.alignment.horizontal,
            }
    json.dump({"widths": widths, "cells": cells}, sys.stdout)


if __name__ == "__main__":
    main(sys.argv[1])
