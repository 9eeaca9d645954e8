#!/usr/bin/env python3
"""The yardstick of bench/report_vs_peer.sh, in two commands:

  report_peer.py make EXAMPLE.vantrel GROUPS OUT.vantrel
      a plan of GROUPS groups: the example's groups over and over, numbered
      and named anew (the totals, storage and uplink stay the example's);
  report_peer.py draw PLAN.vantrel OUT.pdf
      the plan's groups table as an A4 landscape PDF with reportlab: the
      same ten columns as Vantrel's printed table, the heading row repeated
      on every page, one line a group.
"""
import json
import sys


def make(example, groups, out):
    with open(example, encoding="utf-8") as f:
        plan = json.load(f)
    pattern = plan["groups"]
    plan["groups"] = []
    for index in range(groups):
        group = dict(pattern[index % len(pattern)])
        group["number"] = index + 1
        group["name"] = "%s %d" % (pattern[index % len(pattern)]["name"], index // len(pattern) + 1)
        plan["groups"].append(group)
    with open(out, "w", encoding="utf-8") as f:
        json.dump(plan, f, ensure_ascii=False)


def draw(path, out):
    from reportlab.lib import colors
    from reportlab.lib.pagesizes import A4, landscape
    from reportlab.lib.units import mm
    from reportlab.platypus import LongTable, Paragraph, SimpleDocTemplate, TableStyle
    from reportlab.lib.styles import getSampleStyleSheet

    with open(path, encoding="utf-8") as f:
        plan = json.load(f)
    loads = [g["channels"] * g["streams"] * g["bitrateKbps"] for g in plan["groups"]]
    total = sum(loads) or 1
    rows = [["No.", "Name", "Type", "Channels × streams", "Resolution", "Frame rate", "Encoding",
             "Rate (kbps)", "Bandwidth (Mbps)", "Share (%)"]]
    for group, load in zip(plan["groups"], loads):
        rate = group["frameRate"] if group["rateMode"] == "fixed" else "Scene: " + group["scene"]
        rows.append([str(group["number"]), group["name"], group["deviceType"],
                     "%d × %d" % (group["channels"], group["streams"]), group["resolution"], rate,
                     group["encoding"], "%g" % group["bitrateKbps"], "%.1f" % (load * 10 / 7 / 1024),
                     "%.1f" % (load * 100 / total)])
    table = LongTable(rows, repeatRows=1)
    table.setStyle(TableStyle([
        ("FONT", (0, 0), (-1, -1), "Helvetica", 7.5),
        ("FONT", (0, 0), (-1, 0), "Helvetica-Bold", 7.5),
        ("BACKGROUND", (0, 0), (-1, 0), colors.HexColor("#e4e8fc")),
        ("LINEBELOW", (0, 0), (-1, -1), 0.25, colors.HexColor("#e2e6ec")),
        ("ALIGN", (7, 0), (-1, -1), "RIGHT"),
        ("ALIGN", (0, 0), (0, -1), "RIGHT"),
    ]))
    doc = SimpleDocTemplate(out, pagesize=landscape(A4), leftMargin=18 * mm, rightMargin=18 * mm,
                            topMargin=14 * mm, bottomMargin=10 * mm, title="Network plan: " + plan.get("site", ""))
    title = Paragraph("Network plan: " + plan.get("site", ""), getSampleStyleSheet()["Title"])
    doc.build([title, table])


if __name__ == "__main__":
    if len(sys.argv) == 5 and sys.argv[1] == "make":
        make(sys.argv[2], int(sys.argv[3]), sys.argv[4])
    elif len(sys.argv) == 4 and sys.argv[1] == "draw":
        draw(sys.argv[2], sys.argv[3])
    else:
        sys.exit(__doc__)
