"""検証例の手計算に共通する道具（標準ライブラリのみ）。

角度の換算はプログラムと同じく π = 3.14159 とする。数値の丸めは計算書と同じく、
値を有効数字 15 桁の 10 進数にしてから四捨五入する（負の値は絶対値で四捨五入）。
この道具はプログラムのコードを読まず、計算理論の文書の式だけから作っている。
"""

import math
from decimal import ROUND_HALF_UP, Decimal

PI = 3.14159


def rad(deg):
    return deg * PI / 180


def deg(r):
    return r / PI * 180


def sind(d):
    return math.sin(rad(d))


def cosd(d):
    return math.cos(rad(d))


def tand(d):
    return math.tan(rad(d))


def cotd(d):
    return math.tan(rad(90 - d))


def _dec15(v):
    return Decimal("%.14e" % v)


def fmt(v, decimals, min_decimals=None):
    """小数 `decimals` 桁に四捨五入した文字列。min_decimals を与えると、
    それより後ろの 0 を落とす（"0.00#" は fmt(v, 3, 2)）。"""
    if min_decimals is None:
        min_decimals = decimals
    r = _dec15(v).quantize(Decimal(1).scaleb(-decimals), rounding=ROUND_HALF_UP)
    if r == 0:
        r = abs(r)
    s = format(r, "f")
    if "." in s:
        whole, frac = s.split(".")
        while len(frac) > min_decimals and frac.endswith("0"):
            frac = frac[:-1]
        s = whole + ("." + frac if frac else "")
    return s


def rhu(v, places):
    """小数 places 桁への四捨五入（切り上げは +0.5 の切り捨て）を数値で返す。"""
    scaled = float(_dec15(v * 10**places))
    r = math.floor(scaled + 0.5) / 10**places
    return 0.0 if r == 0 else r


class Table:
    """検証表の行を集め、Markdown で出力する。所在は calc --json の値の場所。"""

    def __init__(self):
        self.rows = []

    def row(self, item, text, where="—"):
        self.rows.append((item, text, where))

    def lines(self):
        out = ["| 項目 | 手計算 | 所在 |", "|---|---|---|"]
        for item, text, where in self.rows:
            w = where if where == "—" else "`" + where + "`"
            out.append("| %s | %s | %s |" % (item, text, w))
        return out


def emit(title_tables, report_lines):
    """表（見出しと Table の組）と、計算書に出るはずの行を出力する。"""
    for title, table in title_tables:
        print("**" + title + "**")
        print()
        for line in table.lines():
            print(line)
        print()
    print("計算書（`varnholt-cli report --dump` に同じ行がある）:")
    print()
    print("```text")
    for line in report_lines:
        print(line)
    print("```")
