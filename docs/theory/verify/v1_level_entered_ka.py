"""検証例 1：宅地造成、水平、KA 直接入力、常時。"""

from common import Table, cosd, emit, fmt, rhu, sind
from wall import geometry, sliding, stability, totals

# 入力（examples/verification/v1_level_entered_ka.vrh）
h, emb, crest, b, B, f, q = 2.5, 0.5, 0.3, 0.5, 1.9, 0.4, 10.0
gamma, gamma_c, delta, mu, fe = 18.0, 23.0, 20.0, 0.5, 150.0
KA = 0.35  # 直接入力

g = geometry(h, emb, crest, b, B, f, gamma_c)
H, Hw, th = g["H"], g["Hw"], g["theta"]
t1 = Table()
t1.row("H = h＋根入れ = 2.5＋0.5", fmt(H, 3), "Calc[1]")
t1.row("Hw = 天端高さ＋H = 0.3＋3.0", fmt(Hw, 3))
t1.row("θ = Atn{(B－b－f)/Hw} = Atn(1.0/3.3)（度）", fmt(th, 2), "Calc[10]")
for i, (name, a, x) in enumerate(zip("①②③", g["A"], g["xs"])):
    t1.row("%s 面積 A%d" % (name, i + 1), fmt(a, 4), "Calc[%d]" % (22 + i))
    t1.row("%s 重心距離 x%d" % (name, i + 1), fmt(x, 3), "Calc[%d]" % (25 + i))
t1.row("W = γc･Hw･(b＋B)/2 = 23×3.3×2.4/2", fmt(g["W"], 4), "Calc[20]")
t1.row("重心 x = Σ(A･x)/ΣA", fmt(g["x"], 3), "Calc[28]")

td = th + delta
pa = 0.5 * KA * gamma * H**2
dpa = KA * q * H
t2 = Table()
t2.row("KA（直接入力）", fmt(KA, 3, 2), "Cond[6]")
t2.row("cos(θ＋δ)", fmt(cosd(td), 4))
t2.row("sin(θ＋δ)", fmt(sind(td), 4))
t2.row("PA = 1/2･KA･γ･H² = 0.5×0.35×18×3.0²", fmt(pa, 4), "Calc[11]")
t2.row("PAX = PA･cos(θ＋δ)", fmt(pa * cosd(td), 4), "Calc[12]")
t2.row("PAY = PA･sin(θ＋δ)", fmt(pa * sind(td), 4), "Calc[13]")
t2.row("ΔPA = KA･q･H = 0.35×10×3.0", fmt(dpa, 4), "Calc[14]")
t2.row("ΔPAX = ΔPA･cos(θ＋δ)", fmt(dpa * cosd(td), 4), "Calc[15]")
t2.row("ΔPAY = ΔPA･sin(θ＋δ)", fmt(dpa * sind(td), 4), "Calc[16]")
t2.row("PAY の x = (b＋f)＋(B－b－f)×2/3", fmt(g["x_pay"], 3), "Calc[29]")
t2.row("ΔPAY の x = (b＋f)＋(B－b－f)×1/2", fmt(g["x_dpay"], 3), "Calc[30]")

rows = [
    (g["W"], g["x"], 0.0, 0.0),
    (pa * sind(td), g["x_pay"], pa * cosd(td), H / 3),
    (dpa * sind(td), g["x_dpay"], dpa * cosd(td), H / 2),
]
sv, mr, sh, mo = totals(rows)
st = stability(sv, mr, sh, mo, B)
sl = sliding(st, sv, sh, B, mu, 0.0, False)
t3 = Table()
t3.row("ΣV = W＋PAY＋ΔPAY", fmt(sv, 4), "Calc[21]")
t3.row("ΣH = PAX＋ΔPAX", fmt(sh, 4), "Calc[46]")
t3.row("Mr = W･x＋PAY･x＋ΔPAY･x", fmt(mr, 3), "Calc[40]")
t3.row("Mo = PAX･H/3＋ΔPAX･H/2", fmt(mo, 3), "Calc[39]")
t3.row("F = Mr/Mo（≧1.5）", fmt(st["F"], 3), "Calc[41]")
t3.row("d = (Mr－Mo)/ΣV", fmt(st["d"], 3), "Calc[42]")
t3.row("e = B/2－d（B/6 = 0.317 未満で台形分布）", fmt(st["e"], 3), "Calc[43]")
t3.row("σmax = (ΣV/B)･(1＋6e/B)（≦fe = 150）", fmt(st["smax"], 3), "Calc[44]")
t3.row("σmin = (ΣV/B)･(1－6e/B)", fmt(st["smin"], 3), "Calc[45]")
t3.row("RH = ΣV･μ（C = 0）", fmt(sl["RH"], 3), "Calc[47]")
t3.row("Fs = RH/ΣH（≧1.5）", fmt(sl["Fs"], 3), "Calc[49]")

f3 = lambda v: fmt(v, 3)  # noqa: E731
report = [
    "重心 ｘ=ΣWx/ΣW=%s/%s=%sm" % (f3(rhu(g["W"] * g["x"], 3)), f3(rhu(g["W"], 3)), f3(g["x"])),
    "主働土圧係数  KA = %s" % fmt(KA, 3, 2),
    "PAH=1/2･KA･γ･H^2=1/2×%s×%s×%s^2=%skN/m"
    % (fmt(KA, 3, 2), fmt(gamma, 2, 1), f3(H), fmt(rhu(pa, 4), 4)),
    "PAX=PA･cos(δ＋θ)=PA･cos(%sﾟ＋%sﾟ)=%s×%s=%skN/m"
    % (fmt(delta, 2), fmt(th, 2), f3(pa), fmt(cosd(td), 4), fmt(rhu(pa * cosd(td), 4), 4)),
    "抵抗モーメント Mr=ΣV･x=%skNm/m" % f3(mr),
    "転倒モーメント Mo=ΣH･y=%skNm/m" % f3(mo),
    "転 倒 安 全 率 F=Mr/Mo=%s/%s=%s > 1.5  ∴ O.K" % (f3(mr), f3(mo), f3(st["F"])),
    "偏　心　距　離 e=(B/2)－d=(%s/2)－%s=%sm" % (f3(B), f3(st["d"]), f3(st["e"])),
    "=%skN/m2" % f3(st["smax"]),
    "σmax,σmin < %skN/m2  ∴ O.K" % fmt(fe, 1),
    "滑動に対する抵抗力 RH=C･B＋ΣV･μ=0.0×%s＋%s×%s=%skN/m"
    % (f3(B), f3(sv), fmt(mu, 3, 1), f3(sl["RH"])),
    "滑 動 安 全 率      F=RH/ΣH=%s/%s=%s > 1.5  ∴ O.K" % (f3(sl["RH"]), f3(sh), f3(sl["Fs"])),
]
emit([("形状と自重", t1), ("土圧", t2), ("荷重の集計と安定計算", t3)], report)
