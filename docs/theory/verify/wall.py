"""重力式擁壁の手計算。計算理論（docs/theory/）の式をそのまま書き下したもの。

プログラムの実装は読まずに、文書の式から独立に作っている。単位は m、kN、度。
"""

import math

from common import PI, cosd, cotd, deg, fmt, sind, tand


# ---- 形状と自重（geometry.md） ----
def geometry(h, emb, crest, b, B, f, gc):
    g = {}
    g["H"] = h + emb
    g["Hw"] = crest + g["H"]
    Hw = g["Hw"]
    g["bp"] = B - (b + f)
    g["theta"] = deg(math.atan(g["bp"] / Hw))
    if abs(g["theta"]) < 1e-10:
        g["theta"] = 0.0
    g["A"] = [f * Hw / 2, b * Hw, g["bp"] * Hw / 2]
    g["xs"] = [2 * f / 3, f + b / 2, (b + f) + g["bp"] / 3]
    g["ys"] = [Hw / 3, Hw / 2, Hw / 3]
    area = sum(g["A"])
    g["W"] = gc * (Hw * (b + B) / 2)
    g["x"] = sum(a * x for a, x in zip(g["A"], g["xs"])) / area
    g["y"] = sum(a * y for a, y in zip(g["A"], g["ys"])) / area
    g["x_pay"] = (b + f) + g["bp"] * 2 / 3
    g["x_dpay"] = (b + f) + g["bp"] / 2
    return g


# ---- 土圧係数（earth_pressure.md） ----
def coulomb(phi, delta, beta, theta):
    t = {}
    t["num"] = cosd(phi - theta) ** 2
    t["cos2t"] = cosd(theta) ** 2
    t["cos_td"] = cosd(theta + delta)
    t["sin_pd"] = sind(phi + delta)
    t["sin_pb"] = 0.0 if phi < beta else sind(abs(phi - beta))
    t["cos_tb"] = cosd(abs(theta - beta))
    root = (1 + math.sqrt(t["sin_pd"] * t["sin_pb"] / (t["cos_td"] * t["cos_tb"]))) ** 2
    t["KA"] = t["num"] / (t["cos2t"] * t["cos_td"] * root)
    return t


def seismic_angle(kh, kv):
    r = math.atan(kh / (1 - kv))
    return r, r * 180 / PI


def mononobe_okabe(phi, delta, beta, theta, kh, kv):
    t = {}
    t["tk_rad"], t["tk"] = seismic_angle(kh, kv)
    tk = t["tk"]
    t["num"] = (1 - kv) * cosd(phi - theta - tk) ** 2
    t["cos_tk"] = cosd(tk)
    t["cos2t"] = cosd(theta) ** 2
    t["cos_dtk"] = cosd(delta + theta + tk)
    t["sin_pd"] = sind(phi + delta)
    t["sin_pbk"] = 0.0 if phi < beta + tk else sind(abs(phi - beta - tk))
    t["cos_tb"] = cosd(abs(theta - beta))
    root = (1 + math.sqrt(t["sin_pd"] * t["sin_pbk"] / (t["cos_dtk"] * t["cos_tb"]))) ** 2
    t["KA"] = t["num"] / (root * t["cos_dtk"] * t["cos2t"] * t["cos_tk"])
    return t


def shown_coefficient(ka):
    """寸法の窓に「0.00#」で表示され、計算に読み戻される値。"""
    return float(fmt(ka, 3, 2))


# ---- 試行くさび（trial_wedge.md） ----
def wedge(H, H0, theta, beta, phi, delta, gamma, q, with_slope_load, theta_k=None):
    """ω = 0.1°〜90° の表と、1° ごとの走査で選ぶ最初の極大。"""
    t2 = cosd(theta - beta) * H0**2 / sind(beta)
    t3 = gamma / (2 * cosd(theta))
    b2 = H0 * cotd(beta)

    def at(om):
        b1 = (cotd(om) + tand(theta)) * H + (cotd(om) - cotd(beta)) * H0
        t1 = cosd(om - theta) * (H + H0) ** 2 / sind(om)
        w = t3 * (t1 - t2) + q * ((b2 + b1) if with_slope_load else b1)
        num = om - phi + (theta_k if theta_k is not None else 0)
        p = w * sind(num) / cosd(om - phi - delta - theta)
        return {"omega": om, "b1": b1, "t1": t1, "W": w, "P": p}

    table = [at(0.1 * i) for i in range(1, 901)]
    whole = [table[k - 1] for k in range(10, 901, 10)]
    for i in range(len(whole) - 1):
        if whole[i]["P"] > whole[i + 1]["P"]:
            chosen = dict(whole[i])
            chosen.update({"t2": t2, "t3": t3, "b2": b2, "index": i})
            chosen["scan"] = whole
            return chosen
    raise ValueError("no maximum up to 90 degrees")


# ---- 荷重の集計と安定計算（loads.md、stability.md） ----
def totals(rows):
    """rows: (V, x, H, y) の並び。ΣV、Mr、ΣH、Mo。"""
    sv = sum(r[0] for r in rows)
    mr = sum(r[0] * r[1] for r in rows)
    sh = sum(r[2] for r in rows)
    mo = sum(r[2] * r[3] for r in rows)
    return sv, mr, sh, mo


def stability(sv, mr, sh, mo, B):
    s = {"F": mr / mo, "d": (mr - mo) / sv}
    s["e"] = B / 2 - s["d"]
    ae = abs(s["e"])
    r = ae / B
    s["r"] = r
    if r < 1 / 6:
        s["smax"] = sv / B * (1 + 6 * ae / B)
        s["smin"] = sv / B * (1 - 6 * ae / B)
    else:
        s["smax"] = sv / B * (2 / (3 * (0.5 - ae / B)))
        s["smin"] = 0.0
    s["X"] = (B / 2) * (1 + B / (6 * ae)) if r <= 1 / 6 else 3 * (B / 2 - ae)
    return s


def sliding(st, sv, sh, B, mu, c, deduct):
    """滑動抵抗 RH と安全率。deduct: True 控除する、False 控除しない。"""
    ae = abs(st["e"])
    a_eff = B - 2 * ae
    if c == 0:
        rh = sv * mu
    elif deduct:
        rh = c * a_eff + sv * mu
    elif ae / B <= 1 / 6:
        rh = c * B + sv * mu
    else:
        rh = c * abs(st["X"]) + sv * mu
    return {"A'": a_eff, "RH": rh, "Fs": rh / sh}


# ---- 躯体の応力度（body_stress.md） ----
def polygon_centroid(pts):
    """多角形の面積と重心（座標の和の公式）。"""
    a = cx = cy = 0.0
    for (x0, y0), (x1, y1) in zip(pts, pts[1:] + pts[:1]):
        cr = x0 * y1 - x1 * y0
        a += cr
        cx += (x0 + x1) * cr
        cy += (y0 + y1) * cr
    a /= 2
    return a, cx / (6 * a), cy / (6 * a)
