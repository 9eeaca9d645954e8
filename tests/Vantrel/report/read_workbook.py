"""Reads a report workbook back as data for tst_ReportWriters: every cell of
the Groups sheet with its type and number format, the Totals block as
label -> values and its first columns row by row, the sheets that follow
them cell by cell, and what the chart plots."""
import json
import re
import sys
import zipfile

import openpyxl


def text(value):
    """Control characters are stored as _xHHHH_, which Excel reads back and
    openpyxl leaves as it is."""
    if not isinstance(value, str):
        return value
    return re.sub(r"_x([0-9A-Fa-f]{4})_", lambda m: chr(int(m.group(1), 16)), value)


path = sys.argv[1]
book = openpyxl.load_workbook(path)
groups = book.worksheets[0]
totals = book.worksheets[1]
out = {
    "sheets": book.sheetnames,
    "freeze": groups.freeze_panes,
    "totalsImages": len(totals._images),
    "groups": [[{"value": text(c.value), "type": c.data_type, "format": c.number_format} for c in row]
               for row in groups.iter_rows()],
    "totals": {row[0].value: [c.value for c in row[1:3] if c.value is not None]
               for row in totals.iter_rows() if row[0].value},
    "totalsRows": [[{"value": text(c.value), "type": c.data_type, "format": c.number_format} for c in row[:3]]
                   for row in totals.iter_rows()],
}
# The sheets after Groups and Totals, each cell as above.
out["sheetRows"] = {sheet.title: [[{"value": text(c.value), "type": c.data_type, "format": c.number_format}
                                   for c in row] for row in sheet.iter_rows()]
                    for sheet in book.worksheets[2:]}
with zipfile.ZipFile(path) as archive:
    charts = [n for n in archive.namelist() if n.startswith("xl/charts/chart")]
    xml = archive.read(charts[0]).decode() if charts else ""
out["barChart"] = "<c:barChart>" in xml and '<c:barDir val="bar"/>' in xml
values = re.search(r"<c:val><c:numRef><c:f>([^<]*)</c:f>", xml)
out["chartValues"] = values.group(1) if values else ""
print(json.dumps(out, default=str))
