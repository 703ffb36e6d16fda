#!/usr/bin/env python3
"""Lists an .xlsx file as an independent reader sees it, one fact a line, tab-separated:
   cell ADDRESS n|s|d VALUE    a number (shortest repr), a string, a date (ISO)
   merge RANGE                 a merged range
   height ROW POINTS           a row whose height differs from the sheet's default
   sheet NAME                  the active sheet"""
import datetime
import sys

import openpyxl

book = openpyxl.load_workbook(sys.argv[1])
sheet = book.active
print("sheet\t" + sheet.title)
for row in sheet.iter_rows():
    for cell in row:
        v = cell.value
        if v is None:
            continue
        if isinstance(v, bool):
            kind, text = "s", str(v)
        elif isinstance(v, (int, float)):
            kind, text = "n", repr(float(v))
        elif isinstance(v, (datetime.datetime, datetime.date)):
            kind, text = "d", v.isoformat()
        else:
            kind, text = "s", str(v).replace("\\", "\\\\").replace("\n", "\\n")
        print("cell\t%s\t%s\t%s" % (cell.coordinate, kind, text))
for merged in sorted(str(m) for m in sheet.merged_cells.ranges):
    print("merge\t" + merged)
default = sheet.sheet_format.defaultRowHeight
for index, dim in sorted(sheet.row_dimensions.items()):
    if dim.customHeight and dim.height is not None and float(dim.height) != float(default):
        print("height\t%d\t%s" % (index, repr(float(dim.height))))
