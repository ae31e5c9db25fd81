"""検証例 5：躯体の応力度照査。道路土工、水平、KA 直接入力、衝突荷重（短期）、天端幅 0.3 m。"""

from common import Table, cosd, emit, fmt, sind
from wall import geometry, polygon_centroid, stability, totals

# 入力（examples/verification/v5_road_body_stress.vrh、examples/07 と同じ）
h, emb, crest, b, B, f, q = 4.0, 1.0, 0.5, 0.3, 4.0, 1.0, 10.0
gamma, gamma_c, delta, mu, qa, sck = 18.0, 23.0, 20.0, 0.5, 200.0, 18.0
KA = 0.297
fence_h, fence_x, fence_p, fence_y, fence_w = 1.2, 0.15, 20.0, 1.0, 0.5

g = geometry(h, emb, crest, b, B, f, gamma_c)
H, Hw, th = g["H"], g["Hw"], g["theta"]
td = th + delta
pah = KA * q * H + 0.5 * KA * gamma * H**2
x_fence, y_fence = f + fence_x, Hw + fence_y
rows = [
    (g["W"], g["x"], 0.0, 0.0),
    (pah * sind(td), g["x_pay"], pah * cosd(td), H / 3),
    (fence_w, x_fence, fence_p, y_fence),
]
sv, mr, sh, mo = totals(rows)
st = stability(sv, mr, sh, mo, B)
t1 = Table()
t1.row("PAH = KA･q･H＋1/2･KA･γ･H²", fmt(pah, 4), "Calc[17]")
t1.row("ΣV = W＋PAY＋柵等の自重", fmt(sv, 4), "Calc[21]")
t1.row("ΣH = PAX＋P", fmt(sh, 4), "Calc[46]")
t1.row("Mo = PAX･H/3＋P･(Hw＋1.0)", fmt(mo, 3), "Calc[39]")
t1.row("e", fmt(st["e"], 3), "Calc[43]")
t1.row("ΣV･e（底面の M と同じ）", fmt(sv * st["e"], 3))

# 許容応力度（道路土工、短期：圧縮・曲げ引張 1.5 倍、せん断は割増しなし）
ca, ta, sa = sck / 4 * 1.5 * 1000, sck / 80 * 1.5 * 1000, (sck / 100 + 0.15) * 1000
t2 = Table()
t2.row("σca = (σck/4)×1.5（kN/m²）", fmt(ca, 1), "body.allowable.compression")
t2.row("σta = (σck/80)×1.5", fmt(ta, 1), "body.allowable.tension")
t2.row("τa = σck/100＋0.15", fmt(sa, 1), "body.allowable.shear")


def section(yp):
    """底面から yp の高さの断面：幅、断面より上の荷重、N、S、M、応力度。"""
    xf, xb = f * yp / Hw, B - (B - b - f) * yp / Hw
    t, xc = xb - xf, (xf + xb) / 2
    area, gx, gy = polygon_centroid([(xf, yp), (xb, yp), (f + b, Hw), (f, Hw)])
    forces = [("躯体", gamma_c * area, 0.0, gx - xc, gy - yp)]
    z = max(0.0, H - yp) if abs(H - yp) > 1e-9 else 0.0
    if z > 0:
        p = KA * q * z + 0.5 * KA * gamma * z * z
        x_v = (f + b) + (xb - (f + b)) * 2 / 3 - xc
        forces.append(("土圧", p * sind(td), p * cosd(td), x_v, z / 3))
    forces.append(("柵等の自重", fence_w, 0.0, x_fence - xc, 0.0))
    forces.append(("水平荷重 P", 0.0, fence_p, 0.0, y_fence - yp))
    n = sum(v for _, v, _, _, _ in forces)
    s = sum(hh for _, _, hh, _, _ in forces)
    m = sum(hh * y - v * x for _, v, hh, x, y in forces)
    return {"t": t, "forces": forces, "N": n, "S": s, "M": m,
            "s1": n / t + 6 * m / t**2, "s2": n / t - 6 * m / t**2, "tau": s / t}


levels = [(Hw - Hw * i / 10 if i < 10 else 0.0) for i in range(1, 11)]
for ground in (H, emb):
    if not any(abs(y - ground) <= 1e-9 for y in levels):
        levels.append(ground)
levels = sorted(levels, reverse=True)
secs = [section(y) for y in levels]


def ratio(s):
    comp = max(s["s1"], s["s2"], 0.0)
    tens = max(-s["s1"], -s["s2"], 0.0)
    return max(comp / ca, tens / ta, abs(s["tau"]) / sa)


gov = max(range(len(secs)), key=lambda i: (ratio(secs[i]), -i))
t3 = Table()
for i, (y, s) in enumerate(zip(levels, secs)):
    t3.row("深さ %s m の σ2（背面の縁）" % fmt(Hw - y, 3), fmt(s["s2"], 1),
           "body.sections[%d].sigma2" % i)
g_sec, gy = secs[gov], levels[gov]
t4 = Table()
t4.row("深さ y = Hw－y'", fmt(Hw - gy, 3), "body.sections[%d].depth" % gov)
t4.row("幅 t = xb－xf", fmt(g_sec["t"], 3), "body.sections[%d].t" % gov)
for name, v, hh, x, y in g_sec["forces"]:
    if v:
        t4.row("%s V（x = %s）" % (name, fmt(x, 3)), fmt(v, 3))
    if hh:
        t4.row("%s H（y = %s）" % (name, fmt(y, 3)), fmt(hh, 3))
t4.row("N = ΣV", fmt(g_sec["N"], 3), "body.sections[%d].N" % gov)
t4.row("S = ΣH", fmt(g_sec["S"], 3), "body.sections[%d].S" % gov)
t4.row("M = ΣH･y－ΣV･x", fmt(g_sec["M"], 3), "body.sections[%d].M" % gov)
t4.row("σ1 = N/t＋6M/t²", fmt(g_sec["s1"], 1), "body.sections[%d].sigma1" % gov)
t4.row("σ2 = N/t－6M/t²", fmt(g_sec["s2"], 1), "body.sections[%d].sigma2" % gov)
t4.row("τ = S/t", fmt(g_sec["tau"], 1), "body.sections[%d].tau" % gov)
t4.row("応力度比（引張 σt/σta）", fmt(ratio(g_sec), 3), "body.sections[%d].ratio" % gov)
base = secs[-1]
t4.row("底面の N（= ΣV）", fmt(base["N"], 3), "body.sections[%d].N" % (len(secs) - 1))
t4.row("底面の M（= ΣV･e）", fmt(base["M"], 3), "body.sections[%d].M" % (len(secs) - 1))

f3 = lambda v: fmt(v, 3)  # noqa: E731
f1 = lambda v: fmt(v, 1)  # noqa: E731
report = [
    "許容圧縮応力度   σca=(σck/4)×1.5=(%s/4)×1.5=%sN/mm2=%skN/m2" % (f1(sck), f3(ca / 1000), f1(ca)),
    "許容曲げ引張応力度 σta=(σck/80)×1.5=(%s/80)×1.5=%sN/mm2=%skN/m2"
    % (f1(sck), f3(ta / 1000), f1(ta)),
    "３）応力度比が最大の断面（天端から y=%sm）" % f3(Hw - gy),
    "断面幅       t=%sm" % f3(g_sec["t"]),
    "前面の縁応力 σ1=N/t＋6M/t^2=%s/%s＋6×%s/%s^2=%skN/m2"
    % (f3(g_sec["N"]), f3(g_sec["t"]), f3(g_sec["M"]), f3(g_sec["t"]), f1(g_sec["s1"])),
    "背面の縁応力 σ2=N/t－6M/t^2=%s/%s－6×%s/%s^2=%skN/m2"
    % (f3(g_sec["N"]), f3(g_sec["t"]), f3(g_sec["M"]), f3(g_sec["t"]), f1(g_sec["s2"])),
    "引張応力度 σt=%skN/m2 > σta=%skN/m2  ∴ NG" % (f1(-g_sec["s2"]), f1(ta)),
]
emit([("安定計算の値", t1), ("許容応力度", t2), ("各断面の背面の縁応力度", t3),
      ("応力度比が最大の断面", t4)], report)
