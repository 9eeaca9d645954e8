"""Writes the example plans in examples/ from the shipped data tables.

Every rate is the one the program puts in the rate field: a fixed rate from
the bitrate table of the encoding (the editor's formula, truncated to whole
kbps), a scene rate from Scene.csv. The output is the same on every run:
nothing is random and the keys are written in the plan file's order.

Run from anywhere: python3 tools/make_example_plans.py [--data DIR] [--out DIR]
"""
import argparse
import csv
import json
import math
import os

ROOT = os.path.normpath(os.path.join(os.path.dirname(os.path.abspath(__file__)), ".."))
REFERENCE_FPS = 25.0


class Tables:
    def __init__(self, data):
        self.rates = {}
        for kind in ("IPC", "DVR"):
            folder = os.path.join(data, kind + "Bitrate")
            for name in os.listdir(folder):
                if name.endswith(".csv"):
                    with open(os.path.join(folder, name), encoding="utf-8") as f:
                        for row in csv.reader(f):
                            if len(row) >= 2 and row[1].strip().isdigit():
                                self.rates[(kind, name[:-4], row[0])] = int(row[1])
        self.scenes = {}
        with open(os.path.join(data, "Scene.csv"), encoding="utf-8") as f:
            for row in list(csv.reader(f))[1:]:
                self.scenes[(row[0], row[1], row[2])] = int(row[3])

    def fixed(self, kind, resolution, fps, encoding):
        d = float(self.rates[(kind, encoding, resolution)])
        if kind == "DVR":
            rate = d / 5.0 + (fps * 4.0 * d) / (5.0 * REFERENCE_FPS)
        elif fps >= 10.0:
            rate = d * fps / REFERENCE_FPS
        else:
            steps = 10.0 - fps if fps >= 1.0 else 9.0
            rate = (d * 10.0 / REFERENCE_FPS) * math.pow(0.9, steps)
        return math.trunc(rate)

    def scene(self, scene, encoding, resolution):
        return self.scenes[(scene, encoding, resolution)]


class Plan:
    def __init__(self, tables, site, notes, storage, uplink=None, disks=0, customer="", address="", designer=""):
        self.disks = disks
        # What page 1 of a report says about the site beside its name.
        self.properties = (("customer", customer), ("address", address), ("designer", designer))
        self.tables = tables
        self.site = site
        self.notes = notes
        self.storage = storage
        self.uplink = uplink
        self.groups = []
        self.switches = []
        self.recorders = []

    # The network: switches in a tree under the site uplink, recorders on
    # them. Keys in the plan file's order.
    def switch(self, id, name, parent, ports, uplink_mbps, poe_w):
        self.switches.append({"id": id, "name": name, "parent": parent, "ports": ports,
                              "uplinkMbps": uplink_mbps, "poeBudgetW": poe_w})

    def recorder(self, id, name, switch, channels, input_mbps, bays):
        self.recorders.append({"id": id, "name": name, "switch": switch, "channels": channels,
                               "inputMbps": input_mbps, "bays": bays})

    # at: where the group sits, (switch, recorder, PoE class), each None
    # for none.
    def fixed(self, name, kind, channels, resolution, fps, encoding, streams=1, view=None, at=None, **recording):
        rate = self.tables.fixed(kind, resolution, float(fps), encoding)
        self._add(name, kind, channels, streams, "fixed", "", resolution, str(fps), encoding, rate, recording, view, at)

    def scene(self, name, kind, channels, scene, resolution, encoding, streams=1, view=None, at=None, **recording):
        rate = self.tables.scene(scene, encoding, resolution)
        self._add(name, kind, channels, streams, "scene", scene, resolution, "", encoding, rate, recording, view, at)

    # Keys of version 2, written after the first ones and only when given,
    # as the program writes them.
    ADDITIONS = ("nightHours", "nightFactor", "audioKbps", "eventRetentionDays")

    def _add(self, name, kind, channels, streams, mode, scene, resolution, fps, encoding, rate, recording, view, at):
        rec = {"mode": "continuous", "hoursPerDay": 24, "eventShare": 0.3, "retentionDays": 30, "recordedStreams": 1}
        rec.update({k.replace("_", ""): v for k, v in recording.items()})
        first = {"mode": rec["mode"], "hoursPerDay": rec["hoursPerDay"], "eventShare": rec["eventShare"],
                 "retentionDays": rec["retentionDays"], "recordedStreams": rec["recordedStreams"]}
        first.update({k: rec[k] for k in self.ADDITIONS if k in rec})
        group = {
            "number": len(self.groups) + 1, "name": name, "deviceType": kind,
            "channels": channels, "streams": streams, "rateMode": mode, "scene": scene,
            "resolution": resolution, "frameRate": fps, "encoding": encoding,
            "bitrateKbps": rate, "recording": first}
        if view:
            order = ("hfovDeg", "focalMm", "sensorWidthMm", "distanceM", "required")
            group["view"] = {k: view[k] for k in order if k in view}
        if at:
            for key, value in zip(("switch", "recorder", "poeClass"), at):
                if value is not None:
                    group[key] = value
        self.groups.append(group)

    def version(self):
        uses = self.disks or self.switches or self.recorders or any("view" in g or "switch" in g
                                                                      or "recorder" in g or "poeClass" in g or g["recording"]["mode"] == "mixed"
                                 or any(k in g["recording"] for k in self.ADDITIONS) for g in self.groups)
        return 2 if uses else 1

    def write(self, path):
        dump = lambda value: json.dumps(value, ensure_ascii=False)
        disks = ', "disksAvailable": %d' % self.disks if self.disks else ""
        lines = ["{", '  "format": "vantrel-plan",', '  "version": %d,' % self.version(),
                 '  "site": %s,' % dump(self.site), '  "notes": %s,' % dump(self.notes)]
        lines += ['  "%s": %s,' % (key, dump(text)) for key, text in self.properties if text]
        lines += ['  "videoStandard": "PAL",',
                 '  "storage": {"diskTB": %s, "raid": "%s", "hotSpares": %d, "fsOverhead": 0.05%s},'
                 % (self.storage[0], self.storage[1], self.storage[2], disks)]
        if self.uplink:
            lines.append('  "uplinkMbps": %s,' % dump(self.uplink[1]))
            if self.uplink[0]:
                lines.append('  "uplinkName": %s,' % dump(self.uplink[0]))
        if self.switches or self.recorders:
            entry = lambda item: "      {%s}" % ", ".join('"%s": %s' % (k, dump(v)) for k, v in item.items())
            lines.append('  "network": {')
            lines.append('    "switches": [\n%s\n    ],' % ",\n".join(entry(s) for s in self.switches))
            lines.append('    "recorders": [\n%s\n    ]' % ",\n".join(entry(r) for r in self.recorders))
            lines.append("  },")
        lines.append('  "groups": [')
        body = []
        place = ("switch", "recorder", "poeClass")
        for g in self.groups:
            items = ", ".join('"%s": %s' % (k, dump(v)) for k, v in g.items()
                              if k not in ("recording", "view") + place)
            rec = ", ".join('"%s": %s' % (k, dump(v)) for k, v in g["recording"].items())
            view = ""
            if "view" in g:
                view = ', "view": {%s}' % ", ".join('"%s": %s' % (k, dump(v)) for k, v in g["view"].items())
            where = "".join(', "%s": %s' % (k, dump(g[k])) for k in place if k in g)
            body.append('    {%s, "recording": {%s}%s%s}' % (items, rec, view, where))
        lines.append(",\n".join(body))
        lines.append("  ]")
        lines.append("}")
        with open(path, "w", encoding="utf-8", newline="\n") as f:
            f.write("\n".join(lines) + "\n")


def shop(t):
    p = Plan(t, "Corner shop, 12 High Street",
             "A small shop: five cameras and an old four-channel recorder kept for the back corridor. Shows "
             "fixed and scene rates side by side, event recording in the stock room, two mirrored disks, and "
             "a 100 Mbps fibre line that carries every stream with room to spare (the gauge stays green). The "
             "entrance camera recognises faces at the door, the till cameras record the counter's audio, and "
             "the back door's infrared night raises its rate; the four disks keep more than the days asked.",
             (4, "RAID1", 0), ("Fibre 100 Mbps", 100), disks=4)
    p.fixed("Entrance", "IPC", 1, "4MP(2560x1440)", 25, "H.265", streams=2,
            view={"hfovDeg": 92, "distanceM": 4, "required": "recognise"})
    p.scene("Till", "IPC", 2, "Shop", "1080P(1920x1080)", "H.265", streams=2, audioKbps=64,
            view={"focalMm": 2.8, "sensorWidthMm": 5.37, "distanceM": 2.5, "required": "identify"})
    p.scene("Sales floor", "IPC", 4, "Shop", "4MP(2560x1440)", "Smart H.265", streams=2)
    p.fixed("Stock room", "IPC", 1, "1080P(1920x1080)", 15, "H.265", mode="event", eventShare=0.2)
    p.fixed("Back door", "IPC", 1, "1080P(1920x1080)", 20, "H.264", retentionDays=14, nightHours=12,
            nightFactor=1.5)
    p.fixed("Corridor recorder", "DVR", 4, "1080N(960x1080)", 12, "H.264", retentionDays=14)
    return p


def office(t):
    p = Plan(t, "Harbour View offices",
             "A six-storey office building: cameras on every floor's lifts, corridors and open-plan areas, "
             "the car park and the ground-floor reception, plus two recorders that keep the analogue cameras "
             "of the plant rooms. Open-plan areas use the Office scene rate, the car park the Parking Lot "
             "scene; the rest use fixed rates. Every floor has its own PoE switch under the core in the "
             "basement, where two recorders keep the cameras. The building's 500 Mbps fibre carries the "
             "analogue recorders' streams to the security desk of the owner's other site with its headroom "
             "intact. The design is a first draft, and the check lists what to change: the car park switch's "
             "80 Mbps wireless bridge runs warm, its PoE budget cannot power the heated cameras, and the second "
             "recorder is given more channels than it takes.",
             (8, "RAID5", 1), ("Fibre 500 Mbps", 500),
             customer="Harbour View Properties Ltd.", address="2 Quay Street, Northport",
             designer="A. Moreno, Moreno Security Design")
    p.switch("core", "Basement core", "", 24, 10000, 0)
    p.switch("ground", "Ground floor", "core", 16, 1000, 240)
    p.switch("parking", "Car park", "core", 8, 80, 120)
    for floor in range(1, 7):
        p.switch("floor%d" % floor, "Floor %d" % floor, "core", 16, 1000, 240)
    p.recorder("nvr1", "NVR 1", "core", 64, 320, 8)
    p.recorder("nvr2", "NVR 2", "core", 32, 160, 8)
    p.fixed("Reception", "IPC", 2, "4MP(2560x1440)", 25, "H.265", streams=2, retentionDays=60, mode="mixed",
            eventShare=0.2, eventRetentionDays=180, audioKbps=32,
            view={"hfovDeg": 85, "distanceM": 6, "required": "recognise"}, at=("ground", "nvr1", 3))
    p.fixed("Main entrance", "IPC", 2, "4K(3840x2160)", 25, "H.265", streams=2, retentionDays=60,
            view={"focalMm": 4, "sensorWidthMm": 7.18, "distanceM": 8, "required": "identify"},
            at=("ground", "nvr1", 3))
    p.scene("Car park", "IPC", 6, "Parking Lot", "4MP(2560x1440)", "H.265", streams=2, nightHours=11,
            nightFactor=1.6, view={"hfovDeg": 100, "distanceM": 25, "required": "detect"},
            at=("parking", "nvr2", 4))
    for floor in range(1, 7):
        nvr = "nvr1" if floor <= 3 else "nvr2"
        at = "floor%d" % floor
        p.scene("Floor %d open plan" % floor, "IPC", 4, "Office", "4MP(2560x1440)", "H.265+", streams=2,
                hoursPerDay=12, at=(at, nvr, 2))
        p.fixed("Floor %d corridors" % floor, "IPC", 3, "1080P(1920x1080)", 15, "H.265", at=(at, nvr, 2))
        p.fixed("Floor %d lift lobby" % floor, "IPC", 1, "1080P(1920x1080)", 20, "Smart H.265", at=(at, nvr, 2))
    p.fixed("Stairwells", "IPC", 4, "1080P(1920x1080)", 10, "H.265", mode="event", eventShare=0.1,
            at=("ground", "nvr2", 1))
    p.fixed("Loading bay", "IPC", 2, "4MP(2560x1440)", 20, "H.265", nightHours=10, nightFactor=1.4,
            at=("ground", "nvr2", 4))
    p.fixed("Plant rooms recorder", "DVR", 8, "1080N(960x1080)", 12, "H.264", at=("core", None, None))
    p.fixed("Roof recorder", "DVR", 4, "720P(1280x720)", 25, "H.265", at=("floor6", None, None))
    return p


def warehouse(t):
    p = Plan(t, "Northgate logistics warehouse",
             "A distribution warehouse with a truck yard. Inside, the aisles record only on motion (event "
             "recording, a fifth of the day), which keeps 60 days of storage small; the yard, the gates and "
             "the docks record around the clock with the Warehouse, Parking Lot and Road scene rates. The "
             "300 Mbps leased line carries all streams but eats into the headroom: the gauge shows amber. "
             "The truck gates read number plates at 20 m; the dock cameras, wide lenses at 15 m, fall short of "
             "recognising a face there, and the check says so.",
             (10, "RAID6", 1), ("", 300), disks=16)
    for aisle in range(1, 21):
        p.scene("Aisle %02d" % aisle, "IPC", 2, "Warehouse", "1080P(1920x1080)", "H.265", mode="event",
                eventShare=0.2, retentionDays=60)
    for dock in range(1, 9):
        p.fixed("Dock %d" % dock, "IPC", 1, "4MP(2560x1440)", 20, "H.265", retentionDays=60,
                view={"hfovDeg": 100, "distanceM": 15, "required": "recognise"})
    p.scene("Yard north", "IPC", 4, "Parking Lot", "4MP(2560x1440)", "H.265", retentionDays=60, nightHours=12,
            nightFactor=1.8)
    p.scene("Yard south", "IPC", 4, "Parking Lot", "4MP(2560x1440)", "H.265", retentionDays=60, nightHours=12,
            nightFactor=1.8)
    p.scene("Yard floodlit area", "IPC", 2, "Parking Lot", "4K(3840x2160)", "H.265+", retentionDays=60)
    for gate in ("in", "out"):
        p.scene("Truck gate " + gate, "IPC", 2, "Road", "4MP(2560x1440)", "H.265", streams=2, retentionDays=90,
                view={"focalMm": 12, "sensorWidthMm": 5.37, "distanceM": 20, "required": "identify"})
    p.fixed("Fence line", "IPC", 6, "1080P(1920x1080)", 10, "H.265", mode="event", eventShare=0.1, retentionDays=60,
            nightHours=12, nightFactor=1.5, view={"hfovDeg": 30, "distanceM": 60, "required": "detect"})
    p.fixed("Offices", "IPC", 3, "1080P(1920x1080)", 15, "H.265", hoursPerDay=12, retentionDays=30)
    p.fixed("Cold store", "IPC", 2, "1080P(1920x1080)", 15, "H.265", mode="event", eventShare=0.3, retentionDays=60)
    p.scene("Staff car park", "IPC", 2, "Parking Lot", "1080P(1920x1080)", "H.265", retentionDays=30)
    p.fixed("Charging bay", "IPC", 2, "1080P(1920x1080)", 12, "Smart H.265", retentionDays=60)
    p.fixed("Old racking recorder", "DVR", 16, "1080N(960x1080)", 10, "H.264", mode="event", eventShare=0.25,
            retentionDays=60)
    p.fixed("Gatehouse recorder", "DVR", 4, "1080P(1920x1080)", 25, "H.265", retentionDays=90)
    return p


def campus(t):
    p = Plan(t, "Riverside university campus",
             "Thirty buildings of a university, ten groups each: the entrances, corridors, lecture halls, "
             "labs, stairs, lifts and the car park of every building, and a recorder for its older cameras. "
             "Lecture halls and corridors record only in term hours; the car parks use the Parking Lot scene "
             "rate. Each building has a 24-port PoE switch on a 1 Gbps fibre to the core, and an 8-port one "
             "outside for its car park; ten recorders in the security centre beside the core keep three "
             "buildings each. Only the old recorders' streams leave for the city's control room, so the "
             "10 Gbps backbone link leaves ample room (the gauge stays green).",
             (16, "RAID6", 2), ("", 10240))
    names = ["Library", "Science", "Engineering", "Arts", "Law", "Medicine", "Business", "Music", "Sports hall",
             "Student union", "Chemistry", "Physics", "Mathematics", "Computing", "Biology", "Geography",
             "History", "Languages", "Architecture", "Design", "Nursing", "Pharmacy", "Psychology", "Economics",
             "Education", "Media", "Halls A", "Halls B", "Halls C", "Administration"]
    p.switch("core", "Campus core", "", 48, 10000, 0)
    for n in range(1, 11):
        p.recorder("nvr%d" % n, "NVR %d" % n, "core", 128, 512, 8)
    for i, building in enumerate(names):
        inside = "b%02d" % (i + 1)
        outside = inside + "-out"
        nvr = "nvr%d" % (i // 3 + 1)
        p.switch(inside, building, "core", 24, 1000, 370)
        p.switch(outside, building + " car park", inside, 8, 1000, 150)
        p.fixed(building + ": entrances", "IPC", 2, "4MP(2560x1440)", 20, "H.265", streams=2,
                view={"hfovDeg": 90, "distanceM": 6, "required": "recognise"}, at=(inside, nvr, 3))
        p.fixed(building + ": corridors", "IPC", 6, "1080P(1920x1080)", 15, "H.265", hoursPerDay=14,
                at=(inside, nvr, 2))
        p.scene(building + ": lecture halls", "IPC", 4, "Office", "1080P(1920x1080)", "H.265+", hoursPerDay=12,
                at=(inside, nvr, 2))
        p.fixed(building + ": labs", "IPC", 3, "1080P(1920x1080)", 12, "Smart H.265", mode="event", eventShare=0.3,
                at=(inside, nvr, 2))
        p.fixed(building + ": stairs", "IPC", 2, "720P(1280x720)", 12, "H.265", mode="event", eventShare=0.15,
                at=(inside, nvr, 1))
        p.fixed(building + ": lifts", "IPC", 1, "720P(1280x720)", 15, "H.265", at=(inside, nvr, 1))
        p.scene(building + ": car park", "IPC", 3, "Parking Lot", "4MP(2560x1440)", "H.265", nightHours=12,
                nightFactor=1.5, at=(outside, nvr, 4))
        p.fixed(building + ": outside", "IPC", 2, "4MP(2560x1440)", 15, "H.265", retentionDays=31,
                at=(outside, nvr, 3))
        p.scene(building + ": reception", "IPC", 1, "Office", "4MP(2560x1440)", "H.265", at=(inside, nvr, 2))
        # The old analogue cameras keep recording on their own recorder.
        p.fixed(building + ": recorder", "DVR", 8, "1080N(960x1080)", 10, "H.264", retentionDays=14,
                at=(inside, None, None))
    return p


def city(t):
    p = Plan(t, "Metropolitan city surveillance",
             "A whole city's network: 7,000 street poles with two cameras each (the Road scene rate), and "
             "3,000 floors of public buildings, each with its recorder or cameras. Generated by "
             "tools/make_example_plans.py. The poles reach the operations centre over the carrier's fibre "
             "and are recorded there; the buildings' cameras record on sixty recorders in ten district "
             "centres, each building block on a 48-port PoE switch (two stacked for a hospital) under its "
             "district's aggregation switch. Its 40 Gbps aggregated uplink to the operations centre is too "
             "small for every pole's main stream at once, which the gauge shows in red; the storage needs "
             "hundreds of disks.",
             (20, "RAID6", 16), ("", 40960))
    streets = ["Elm Avenue", "King Street", "Harbour Road", "Station Road", "Park Lane", "Mill Street",
               "Bridge Street", "Market Square", "Church Road", "Victoria Avenue", "North Ring", "South Ring",
               "Canal Walk", "Castle Hill", "Queens Road", "Riverside Drive", "Airport Road", "Hospital Lane",
               "School Street", "Garden Avenue"]
    for pole in range(7000):
        street = streets[pole % len(streets)]
        number = pole // len(streets) + 1
        if pole % 10 == 0:
            p.scene("%s, pole %d (junction)" % (street, number), "IPC", 2, "Road", "4K(3840x2160)", "H.265+",
                    streams=2, retentionDays=31)
        else:
            p.scene("%s, pole %d" % (street, number), "IPC", 2, "Road", "4MP(2560x1440)", "H.265",
                    retentionDays=31)
    buildings = ["City hall", "Central library", "Police HQ", "Fire station", "Hospital", "Court house",
                 "Bus station", "Train station", "Museum", "Town school"]
    # A core in the operations centre, ten district aggregation switches
    # with six recorders each, and a switch for every block of a building
    # (its ten floors): 311 switches, 60 recorders.
    blocks = 3000 // (len(buildings) * 10)
    p.switch("core", "Operations core", "", 48, 40960, 0)
    for district in range(1, 11):
        p.switch("d%02d" % district, "District %d" % district, "core", 48, 10000, 0)
        for n in range(1, 7):
            p.recorder("d%02d-nvr%d" % (district, n), "District %d NVR %d" % (district, n), "d%02d" % district,
                       256, 512, 24)
    for block in range(1, blocks + 1):
        for b, building in enumerate(buildings):
            hospital = building == "Hospital"
            p.switch("blk%02d-%d" % (block, b), "%s %d" % (building, block), "d%02d" % ((block - 1) // 3 + 1),
                     96 if hospital else 48, 1000, 1480 if hospital else 740)
    for floor in range(3000):
        building = buildings[floor % len(buildings)]
        block = floor // (len(buildings) * 10) + 1
        level = (floor // len(buildings)) % 10
        name = "%s %d, floor %d" % (building, block, level)
        switch = "blk%02d-%d" % (block, floor % len(buildings))
        district = (block - 1) // 3 + 1
        # Five building blocks of the district to a recorder.
        nvr = "d%02d-nvr%d" % (district, (((block - 1) % 3) * len(buildings) + floor % len(buildings)) // 5 + 1)
        if building == "Hospital":
            p.scene(name, "IPC", 6, "Hospital", "1080P(1920x1080)", "H.265", retentionDays=31, at=(switch, nvr, 3))
        elif floor % 3 == 0:
            # A floor's own recorder: its streams go to the operations centre to be watched.
            p.fixed(name, "DVR", 8, "1080N(960x1080)", 12, "H.264", mode="event", eventShare=0.25,
                    retentionDays=31, at=(switch, None, None))
        else:
            p.scene(name, "IPC", 4, "Office", "1080P(1920x1080)", "H.265+", hoursPerDay=16, retentionDays=31,
                    at=(switch, nvr, 2))
    return p


EXAMPLES = [("small-shop", shop), ("office-building", office), ("warehouse-yard", warehouse),
            ("campus", campus), ("city", city)]


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--data", default=os.path.join(ROOT, "data"))
    parser.add_argument("--out", default=os.path.join(ROOT, "examples"))
    args = parser.parse_args()
    tables = Tables(args.data)
    os.makedirs(args.out, exist_ok=True)
    for name, build in EXAMPLES:
        build(tables).write(os.path.join(args.out, name + ".vantrel"))


if __name__ == "__main__":
    main()
