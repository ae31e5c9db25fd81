"""検証例の表に「プログラム」の列を加えて出力する（verification.md への貼り付け用）。

使い方: python3 paste.py VARNHOLT_CLI 名前
  名前.py の出力の各行に、examples/verification/名前.vrh を varnholt-cli calc --json で
  計算した値を、手計算と同じ桁数で加える。値は ctest の verification の試験が照合する。
"""

import json
import os
import re
import subprocess
import sys

from common import fmt

cli, name = sys.argv[1], sys.argv[2]
here = os.path.dirname(os.path.abspath(__file__))
project = os.path.join(here, "..", "..", "..", "examples", "verification", name + ".vrh")
out = subprocess.run([sys.executable, "-B", os.path.join(here, name + ".py")], check=True,
                     capture_output=True, text=True, cwd=here).stdout
data = json.loads(subprocess.run([cli, "calc", "--json", project], capture_output=True,
                                 text=True).stdout)


def lookup(path):
    v = data
    for part in path.split("."):
        m = re.fullmatch(r"(\w+)(?:\[(\d+)\])?", part)
        v = v[m.group(1)]
        if m.group(2) is not None:
            v = v[int(m.group(2))]
    return v


print("<!-- verify %s -->" % name)
for line in out.rstrip("\n").split("\n"):
    if line == "|---|---|---|":
        print("|---|---|---|---|")
    elif line.startswith("| "):
        cells = [c.strip() for c in line.strip("|").split("|")]
        if cells[2] == "所在":
            program = "プログラム"
        elif cells[2] == "—":
            program = "—"
        else:
            shown = cells[1]
            decimals = len(shown.split(".")[1]) if "." in shown else 0
            program = fmt(lookup(cells[2].strip("`")), decimals)
        print("| %s | %s | %s | %s |" % (cells[0], cells[1], program, cells[2]))
    else:
        print(line)
print("<!-- end verify -->")
