#!/usr/bin/env python3
"""Writes a plan of N groups made by repeating the groups of another plan
(numbers renumbered, names marked with their copy), keeping everything else:
the same kinds of group at any size, to see how reading grows.

    bench/grow_plan.py examples/city.vantrel 100000 OUT.vantrel
"""
import json
import sys


def main():
    if len(sys.argv) != 4:
        sys.exit(__doc__)
    source, count, out = sys.argv[1], int(sys.argv[2]), sys.argv[3]
    with open(source, encoding="utf-8") as f:
        plan = json.load(f)
    seed = plan["groups"]
    groups = []
    for i in range(count):
        group = dict(seed[i % len(seed)])
        group["number"] = i + 1
        if i >= len(seed):
            group["name"] = "%s (copy %d)" % (group["name"], i // len(seed))
        groups.append(group)
    plan["groups"] = groups
    # One group a line, as the program writes it.
    head = {k: v for k, v in plan.items() if k != "groups"}
    with open(out, "w", encoding="utf-8") as f:
        f.write("{\n")
        for key, value in head.items():
            f.write("  %s: %s,\n" % (json.dumps(key), json.dumps(value, ensure_ascii=False)))
        f.write('  "groups": [\n')
        f.write(",\n".join("    " + json.dumps(g, ensure_ascii=False) for g in groups))
        f.write("\n  ]\n}\n")


if __name__ == "__main__":
    main()
