"""varnholt-cli section as a user runs it, each DXF read back by ezdxf.

Usage: section_export_test.py VARNHOLT_CLI EXAMPLES_DIR

ezdxf is an independent reader: every exported DXF must pass its audit
without an error, and its outline, texts and resultant must agree with the
numbers `varnholt-cli calc --json` reports for the same file.
"""

import json
import os
import pathlib
import subprocess
import sys
import tempfile
import unittest

import ezdxf

CLI = sys.argv[1] if len(sys.argv) > 1 else "varnholt-cli"
EXAMPLES = pathlib.Path(sys.argv[2] if len(sys.argv) > 2 else "examples")


def run(*args):
    return subprocess.run([CLI, *map(str, args)], capture_output=True, text=True, check=False)


def calc_json(path):
    return json.loads(run("calc", "--json", path).stdout)


def near(a, b, tol):
    return abs(a - b) <= tol


class SectionExport(unittest.TestCase):
    def setUp(self):
        self.tmp = tempfile.TemporaryDirectory()
        self.dir = pathlib.Path(self.tmp.name)

    def tearDown(self):
        self.tmp.cleanup()

    def export(self, example, suffix, *options):
        out = self.dir / (example.stem + suffix)
        r = run("section", example, "-o", out, *options)
        self.assertEqual(r.returncode, 0, r.stderr)
        return out

    def test_every_example_reads_back_with_its_outline_and_forces(self):
        examples = sorted(EXAMPLES.glob("*.vrh"))
        self.assertGreaterEqual(len(examples), 6)
        for example in examples:
            calc = calc_json(example)["Calc"]
            b, B, f = calc[5], calc[6], calc[7]
            hw = calc[4] + calc[2] + calc[3]
            for unit, scale in (("mm", 1000.0), ("m", 1.0)):
                with self.subTest(example=example.name, unit=unit):
                    path = self.export(example, "_" + unit + ".dxf", "--forces", "--unit", unit)
                    doc = ezdxf.readfile(path)
                    auditor = doc.audit()
                    self.assertFalse(auditor.has_errors, [str(e) for e in auditor.errors])
                    self.assertEqual(doc.dxfversion, "AC1009")
                    self.assertEqual(doc.encoding, "cp932")
                    msp = doc.modelspace()
                    layers = {e.dxf.layer for e in msp}
                    self.assertEqual(layers, {"OUTLINE", "GROUND", "DIMENSIONS", "TEXTS", "FORCES"})
                    # The wall: toe, crest front and back edges, heel.
                    walls = [p for p in msp.query("POLYLINE") if p.dxf.layer == "OUTLINE"]
                    self.assertTrue(walls)
                    points = [tuple(v.dxf.location)[:2] for v in walls[0].vertices]
                    expected = [(0, 0), (f, hw), (f + b, hw), (B, 0)]
                    self.assertEqual(len(points), 4)
                    for (x, y), (ex, ey) in zip(points, expected):
                        self.assertTrue(near(x, ex * scale, 1e-3) and near(y, ey * scale, 1e-3),
                                        (points, expected))
                    self.assertTrue(walls[0].is_closed)
                    # The base width in millimetres, as the report writes it.
                    texts = [t.dxf.text for t in msp.query("TEXT")]
                    self.assertIn(f"{round(B * 1000):,}", texts)
                    self.assertIn("W", texts)
                    # The resultant meets the base at d.
                    d = calc[42]
                    heads = [l for l in msp.query("LINE")
                             if l.dxf.layer == "FORCES"
                             and near(l.dxf.end.x, d * scale, 1e-3) and near(l.dxf.end.y, 0, 1e-6)]
                    self.assertTrue(heads, f"no force line ends at d = {d}")

    def test_japanese_texts_are_code_page_932(self):
        example = EXAMPLES / "03_residential_raised_seismic_method2.vrh"
        path = self.export(example, ".dxf", "--forces")
        raw = path.read_bytes()
        self.assertIn(b"$DWGCODEPAGE\r\n  3\r\nANSI_932", raw)
        self.assertIn("ω=".encode("cp932"), raw)
        texts = [t.dxf.text for t in ezdxf.readfile(path).modelspace().query("TEXT")]
        self.assertTrue(any(t.startswith("ω=") for t in texts), texts)
        self.assertTrue(any(t.startswith("力 1 m = ") for t in texts), texts)

    def test_pictures_and_the_a4_page(self):
        example = EXAMPLES / "05_residential_fence_concentrated_load.vrh"
        for suffix, magic in ((".svg", b"<?xml"), (".png", b"\x89PNG"), (".pdf", b"%PDF")):
            with self.subTest(suffix=suffix):
                path = self.export(example, suffix, "--forces", "--size", "800x600")
                self.assertTrue(path.read_bytes().startswith(magic))
        svg = (self.dir / (example.stem + ".svg")).read_text(encoding="utf-8")
        self.assertIn('width="800"', svg)
        self.assertIn("Ｐ=", svg)

    def test_what_cannot_be_drawn_exits_with_two(self):
        lines = (EXAMPLES / "01_residential_level_entered_ka.vrh").read_bytes().split(b"\r\n")
        mark = lines.index(b"W-1")
        # The coefficient emptied: the file opens, the calculation has no result.
        no_result = list(lines)
        no_result[mark + 9] = b""
        self.assertEqual(lines[mark + 9], b"0.297")
        no_result_path = self.dir / "no_result.vrh"
        no_result_path.write_bytes(b"\r\n".join(no_result))
        out = self.dir / "out.dxf"
        self.assertEqual(run("section", no_result_path, "-o", out).returncode, 0)
        forces = run("section", no_result_path, "-o", self.dir / "forces.dxf", "--forces")
        self.assertEqual(forces.returncode, 2)
        self.assertIn("計算結果がないため、力を描けません。", forces.stderr)
        self.assertFalse((self.dir / "forces.dxf").exists())
        # B emptied: the section cannot be drawn as typed.
        no_base = list(lines)
        self.assertEqual(lines[mark + 5], b"4")
        no_base[mark + 5] = b""
        no_base_path = self.dir / "no_base.vrh"
        no_base_path.write_bytes(b"\r\n".join(no_base))
        r = run("section", no_base_path, "-o", self.dir / "b.svg")
        self.assertEqual(r.returncode, 2)
        self.assertIn("底版幅 B が未入力です。", r.stderr)
        self.assertFalse((self.dir / "b.svg").exists())
        # A file that is not there, a format by an unknown extension, a bad unit.
        self.assertEqual(run("section", self.dir / "none.vrh", "-o", out).returncode, 2)
        example = EXAMPLES / "01_residential_level_entered_ka.vrh"
        for args in (("-o", self.dir / "x.jpg"), ("-o", out, "--unit", "cm"),
                     ("-o", self.dir / "no folder" / "x.dxf"),
                     ("-o", self.dir / "x.png", "--size", "10x10"), ()):
            with self.subTest(args=args):
                r = run("section", example, *args)
                self.assertEqual(r.returncode, 2)
                self.assertTrue(r.stderr)


if __name__ == "__main__":
    unittest.main(argv=[sys.argv[0]], verbosity=1)
