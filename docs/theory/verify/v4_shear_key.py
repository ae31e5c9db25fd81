"""検証例 4：宅地造成、水平、KA 直接入力、常時、突起、粘着力（偏心の控除をする）。"""

from common import Table, cosd, emit, fmt, sind, tand
from wall import geometry, sliding, stability, totals

# 入力（examples/verification/v4_shear_key.vrh）
h, emb, crest, b, B, f, q = 3.0, 0.5, 0.3, 0.5, 2.2, 0.4, 10.0
gamma, gamma_c, delta, phi_b, mu, c, fe = 18.0, 23.0, 20.0, 30.0, 0.3, 5.0, 150.0
KA = 0.3
H0, B1 = 0.3, 1.2  # 突起の高さと位置（つま先から）

g = geometry(h, emb, crest, b, B, f, gamma_c)
H, th = g["H"], g["theta"]
td = th + delta
pa, dpa = 0.5 * KA * gamma * H**2, KA * q * H
rows = [
    (g["W"], g["x"], 0.0, 0.0),
    (pa * sind(td), g["x_pay"], pa * cosd(td), H / 3),
    (dpa * sind(td), g["x_dpay"], dpa * cosd(td), H / 2),
]
sv, mr, sh, mo = totals(rows)
st = stability(sv, mr, sh, mo, B)
sl = sliding(st, sv, sh, B, mu, c, True)
t1 = Table()
t1.row("θ（度）", fmt(th, 2), "Calc[10]")
t1.row("ΣV", fmt(sv, 4), "Calc[21]")
t1.row("ΣH", fmt(sh, 4), "Calc[46]")
t1.row("F = Mr/Mo（≧1.5）", fmt(st["F"], 3), "Calc[41]")
t1.row("e（B/6 = 0.367 未満）", fmt(st["e"], 3), "Calc[43]")
t1.row("σmax（≦fe = 150）", fmt(st["smax"], 3), "Calc[44]")
t1.row("σmin", fmt(st["smin"], 3), "Calc[45]")
t1.row("X = (B/2)･{1＋B/(6･e)}（圧力線が 0 になる距離）", fmt(st["X"], 3), "Calc[55]")
t1.row("A' = B－2･e", fmt(sl["A'"], 3), "Calc[48]")
t1.row("RH = C･A'＋ΣV･μ", fmt(sl["RH"], 3), "Calc[47]")
t1.row("Fs = RH/ΣH（突起があるときは ≧1.0）", fmt(sl["Fs"], 3), "Calc[49]")

tk = tand(45 + phi_b / 2)
L = H0 * tk
X = abs(st["X"])
s1 = st["smax"] * (X - (B1 - L)) / X
s2 = st["smax"] * (X - B1) / X
s0 = (s1 + s2) * 0.5
P = tk * tk * s0
L1, L2 = B1 - L, B - B1
wj = ((st["smax"] + s1) / 2) * L1 + ((s2 + st["smin"]) / 2) * L2
rc = c * sl["A'"]
fk = (wj * mu + P * H0 + rc) / sh
t2 = Table()
t2.row("tan(45°＋φB/2)", fmt(tk, 3))
t2.row("L = H0･tan(45°＋φB/2)", fmt(L, 3), "Calc[56]")
t2.row("σ1 = σmax･{X－(B1－L)}/X", fmt(s1, 3), "Calc[61]")
t2.row("σ2 = σmax･(X－B1)/X", fmt(s2, 3), "Calc[62]")
t2.row("σ0 = (σ1＋σ2)/2", fmt(s0, 3), "Calc[60]")
t2.row("P = σ0･tan²(45°＋φB/2)", fmt(P, 3), "Calc[63]")
t2.row("L1 = B1－L", fmt(L1, 3))
t2.row("L2 = B－B1", fmt(L2, 3))
t2.row("WJ = {(σmax＋σ1)/2}･L1＋{(σ2＋σmin)/2}･L2", fmt(wj, 3), "Calc[64]")
t2.row("Fk = (C･A'＋WJ･μ＋P･H0)/ΣH（≧1.5）", fmt(fk, 3), "Calc[66]")

f3 = lambda v: fmt(v, 3)  # noqa: E731
report = [
    "底版の有効載荷面積 A'=B-2e=%s－2×%s=%sm2/m" % (f3(B), f3(abs(st["e"])), f3(sl["A'"])),
    "滑動に対する抵抗力 RH=C･A'＋ΣV･μ=%s×%s＋%s×%s=%skN/m"
    % (fmt(c, 2, 1), f3(sl["A'"]), f3(sv), fmt(mu, 3, 1), f3(sl["RH"])),
    "滑 動 安 全 率      F=RH/ΣH=%s/%s=%s > 1.0  ――-> 突起を設ける"
    % (f3(sl["RH"]), f3(sh), f3(sl["Fs"])),
    "L=H0･tan(45ﾟ＋φB/2)=%s×tan{45ﾟ＋(%sﾟ/2)}=%s×%s=%sm"
    % (f3(H0), fmt(phi_b, 2), f3(H0), f3(tk), f3(L)),
    "σ0=(σ1＋σ2)/2=(%s＋%s)/2=%skN/m2" % (f3(s1), f3(s2), f3(s0)),
    "=%s×tan^2{45ﾟ＋(%sﾟ/2)}=%s×%s=%skN/m2" % (f3(s0), fmt(phi_b, 2), f3(s0), f3(tk * tk), f3(P)),
    "={(%s＋%s)/2}×%s＋{(%s＋%s)/2}×%s=%skN/m"
    % (f3(st["smax"]), f3(s1), f3(L1), f3(s2), f3(st["smin"]), f3(L2), f3(wj)),
    "=(%s×%s＋%s×%s＋%s×%s)/%s"
    % (fmt(c, 2, 1), f3(sl["A'"]), f3(wj), fmt(mu, 3, 1), f3(P), f3(H0), f3(sh)),
    "=%s > 1.5  ∴ O.K" % f3(fk),
]
emit([("安定計算（突起なし）", t1), ("突起の計算", t2)], report)
