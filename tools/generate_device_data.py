"""Regenerates the bitrate tables, XML files and scene table in data/.

Run from anywhere: python3 tools/generate_device_data.py
"""
import os
D = os.path.normpath(os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "data"))
os.makedirs(D + "/IPCBitrate", exist_ok=True)
os.makedirs(D + "/DVRBitrate", exist_ok=True)

def px(name):
    wh = name[name.index("(")+1:name.index(")")]
    w, h = wh.split("x"); return int(w)*int(h)

def r256(v): return int(round(v/256.0))*256

# ---------------- IPC H.264 main + sub ----------------
ref12 = (4000*3000, 20480)
def extrap(p):  # above 12MP: area^0.7 from the 12MP anchor
    return r256(ref12[1]*(p/ref12[0])**0.7)
a720 = (1280*720, 2048)
def small(p):   # below 720P: area^0.7 from the 720P anchor
    return r256(a720[1]*(p/a720[0])**0.7)

ipc_main = [
 ("32MP(7680x4320)", None), ("24MP(6016x4016)", None), ("20MP(5472x3648)", None),
 ("16MP(4608x3456)", None), ("12MP(4000x3000)", 20480), ("10MP(3648x2752)", None),
 ("4K(3840x2160)", 16384), ("8MP(3264x2448)", None), ("6MP(3072x2048)", 10240),
 ("5MP(2592x1944)", 9216), ("4MP(2560x1440)", 8192), ("3MP(2048x1536)", 6144),
 ("1080P(1920x1080)", 4096), ("1.3MP(1280x960)", None), ("720P(1280x720)", 2048),
 ("XGA(1024x768)", None), ("WD1(960x576)", None), ("SVGA(800x600)", None),
]
ipc = []
for n, v in ipc_main:
    p = px(n)
    if v is None:
        if p > 12_000_000: v = extrap(p)
        elif n.startswith("10MP"):   # between 4K and 12MP anchors
            v = r256(16384*(p/(3840*2160))**0.7)
        elif n.startswith("8MP"):    # just under 4K
            v = r256(16384*(p/(3840*2160))**0.7)
        elif n.startswith("1.3MP"):  # between 720P and 1080P anchors (power law through both)
            import math
            k = math.log(4096/2048)/math.log((1920*1080)/(1280*720))
            v = r256(2048*(p/(1280*720))**k)
        else: v = small(p)
    ipc.append((n, v))
ipc_sub = [("D1(704x576)", 1024), ("VGA(640x480)", 768), ("nHD(640x360)", 512),
           ("CIF(352x288)", 384), ("QVGA(320x240)", 256), ("QCIF(176x144)", 128)]
ipc += ipc_sub

dvr = [("4K(3840x2160)", 16384), ("5MP(2592x1944)", 9216), ("4MP(2560x1440)", 8192),
       ("1080P(1920x1080)", 4096), ("1080N(960x1080)", 2048), ("720P(1280x720)", 1792),
       ("960H(960x576)", 1536), ("D1(704x576)", 1280), ("HD1(704x288)", 768),
       ("CIF(352x288)", 512), ("QCIF(176x144)", 192)]

factors = {"H.264": 1.0, "H.265": 0.5, "H.264+": 0.5, "Smart H.264": 0.5,
           "H.265+": 0.25, "Smart H.265": 0.25, "MJPEG": 6.0}

def check_table(t):
    names = [n for n, _ in t]
    assert len(names) == len(set(names)), names
    ps = [px(n) for n in names]
    assert ps == sorted(ps, reverse=True), names

check_table(ipc); check_table(dvr)
assert len(ipc_main) == 18

MAX_STREAM_KBPS = 204800

def scaled(t, f):
    out = []
    for n, v in t:
        x = v*f
        assert x == int(x), (n, v, f)
        # The editor's rate field takes at most 204800 kbps per stream; no
        # camera streams MJPEG above that anyway.
        out.append((n, min(int(x), MAX_STREAM_KBPS)))
    return out

def wtext(path, s):
    with open(path, "w", encoding="utf-8", newline="\n") as fh: fh.write(s)

tables = {"IPC": {}, "DVR": {}}
for enc, f in factors.items():
    for kind, t in (("IPC", ipc), ("DVR", dvr)):
        st = scaled(t, f); tables[kind][enc] = st
        wtext(f"{D}/{kind}Bitrate/{enc}.csv", "".join(f"{n},{v}\n" for n, v in st))

for kind in ("IPC", "DVR"):
    lines = ['<?xml version="1.0" encoding="UTF-8"?>', "<ConfigList>"]
    for n, v in tables[kind]["H.264"]:
        lines.append(f"  <ConfigItem><Resolution>{n}</Resolution><Bitrate>{v}</Bitrate></ConfigItem>")
    lines.append("</ConfigList>")
    wtext(f"{D}/{kind}BitrateConfig.xml", "\n".join(lines) + "\n")

# ---------------- Frame.xml ----------------
fr = [("16","16"),("15","15"),("12","12"),("10","10"),("8","8"),("6","6"),("5","5"),
      ("4","4"),("3","3"),("2","2"),("1","1"),("1/2","0.5"),("1/4","0.25"),("1/8","0.125"),("1/16","0.0625")]
ntsc = [("60","60"),("30","30"),("20","20")] + fr
pal  = [("50","50"),("25","25"),("20","20")] + fr
lines = ['<?xml version="1.0" encoding="UTF-8"?>', "<FrameRate>"]
for tag, lst in (("NTSC", ntsc), ("PAL", pal)):
    lines.append(f"  <{tag}>")
    for s, v in lst: lines.append(f"    <Item><Show>{s}</Show><Value>{v}</Value></Item>")
    lines.append(f"  </{tag}>")
lines.append("</FrameRate>")
wtext(f"{D}/Frame.xml", "\n".join(lines) + "\n")

# ---------------- NetworkConnection.xml ----------------
links = [
 ("ADSL", [("0.5 Mbps","0.5"),("1 Mbps","1"),("1.4 Mbps (ADSL2+)","1.4"),("3.3 Mbps (Annex M)","3.3")]),
 ("Cable", [("10 Mbps","10"),("25 Mbps","25"),("50 Mbps","50")]),
 ("Ethernet", [("10 Mbps (10BASE-T)","9.5"),("100 Mbps (100BASE-TX)","95"),("1000 Mbps (1000BASE-T)","950")]),
 ("Fibre", [("100 Mbps","100"),("300 Mbps","300"),("500 Mbps","500"),("1000 Mbps","1000")]),
 ("LTE 4G", [("5 Mbps","5"),("10 Mbps","10"),("20 Mbps","20")]),
 ("NR 5G", [("30 Mbps","30"),("50 Mbps","50"),("100 Mbps","100")]),
 ("Satellite", [("2 Mbps (GEO)","2"),("10 Mbps (LEO)","10"),("20 Mbps (LEO)","20")]),
 ("VDSL2", [("10 Mbps","10"),("20 Mbps","20"),("40 Mbps","40")]),
 ("Wi-Fi", [("802.11n 100 Mbps","50"),("802.11n 300 Mbps","150"),("802.11ac 600 Mbps","300")]),
]
for _, items in links:
    for s, _ in items: assert len(s) < 24, s
names = sorted(n for n, _ in links)
assert names[2] == "Ethernet", names
lines = ['<?xml version="1.0" encoding="UTF-8"?>', "<NetworkConnection>"]
for n, items in links:
    lines.append("  <Connection>")
    lines.append(f"    <ConnectionType>{n}</ConnectionType>")
    for s, v in items: lines.append(f"    <Item><Show>{s}</Show><Value>{v}</Value></Item>")
    lines.append("  </Connection>")
lines.append("</NetworkConnection>")
wtext(f"{D}/NetworkConnection.xml", "\n".join(lines) + "\n")

# ---------------- Scene.csv ----------------
scenes = [("Office", 0.6), ("Road", 1.4), ("Parking Lot", 1.4), ("Shop", 1.0),
          ("Warehouse", 0.6), ("Hospital", 0.6)]
encs = ["H.264", "H.265", "H.264+", "H.265+", "Smart H.264", "Smart H.265"]
sres = [("4K(3840x2160)", "4k"), ("4MP(2560x1440)", "4mp"), ("1080P(1920x1080)", "1080p"), ("720P(1280x720)", "720p")]
rows = ["Scene,Encoding,Resolution,Recommended Bitrate(kbps),Picture Path"]
for sc, f in scenes:
    for rn, short in sres:
        for e in encs:
            base = dict(tables["IPC"][e])[rn]
            rate = int(round(base*f))
            pic = sc.lower().replace(" ", "_") + "_" + short + ".png"
            rows.append(f"{sc},{e},{rn},{rate},{pic}")
wtext(f"{D}/Scene.csv", "\n".join(rows) + "\n")
print("ipc", ipc); print("dvr", dvr)
