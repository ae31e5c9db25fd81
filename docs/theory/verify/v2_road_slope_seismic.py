"""検証例 2：道路土工、一様斜面、地震時、KAE を計算（物部・岡部式）。"""

from common import Table, cosd, emit, fmt, rhu, sind
from wall import geometry, mononobe_okabe, shown_coefficient, sliding, stability, totals

# 入力（examples/verification/v2_road_slope_seismic.vrh）
h, emb, crest, b, B, f, q = 3.5, 0.5, 0.4, 0.8, 3.0, 0.6, 5.0
gamma, gamma_c, phi, delta, beta, mu, qa = 19.0, 23.0, 35.0, 17.5, 10.0, 0.6, 300.0
Cz, Kho, Kv = 0.85, 0.2, 0.0  # 地域区分 B

g = geometry(h, emb, crest, b, B, f, gamma_c)
H, Hw, th = g["H"], g["Hw"], g["theta"]
Kh = Cz * Kho
t1 = Table()
t1.row("H = 3.5＋0.5", fmt(H, 3), "Calc[1]")
t1.row("θ = Atn{(3.0－0.8－0.6)/4.4}（度）", fmt(th, 2), "Calc[10]")
t1.row("W = 23×4.4×(0.8＋3.0)/2", fmt(g["W"], 4), "Calc[20]")
t1.row("重心 x", fmt(g["x"], 3), "Calc[28]")
t1.row("重心 y = Σ(A･y)/ΣA（慣性力の作用高さ）", fmt(g["y"], 3), "Calc[38]")

mo_ = mononobe_okabe(phi, delta, beta, th, Kh, Kv)
KAE = shown_coefficient(mo_["KA"])
t2 = Table()
t2.row("Kh = Cz･Kho = 0.85×0.20", fmt(Kh, 2), "Cond[15]")
t2.row("θk = Atn{Kh/(1－Kv)}（度）", fmt(mo_["tk"], 2), "Cond[18]")
t2.row("(1－Kv)･cos²(φ－θ－θk)", fmt(mo_["num"], 4), "Cond[20]")
t2.row("cos θk", fmt(mo_["cos_tk"], 4), "Cond[27]")
t2.row("cos²θ", fmt(mo_["cos2t"], 4), "Cond[21]")
t2.row("cos(δ＋θ＋θk)", fmt(mo_["cos_dtk"], 4), "Cond[22]")
t2.row("sin(φ＋δ)", fmt(mo_["sin_pd"], 4), "Cond[23]")
t2.row("sin(φ－β－θk)", fmt(mo_["sin_pbk"], 4), "Cond[24]")
t2.row("cos(θ－β)", fmt(mo_["cos_tb"], 4), "Cond[26]")
t2.row("KAE（式の値）", fmt(mo_["KA"], 5))
t2.row("KAE（表示「0.00#」、計算に用いる値）", fmt(KAE, 3, 2), "Cond[6]")

td = th + delta
pah = KAE * q * H + 0.5 * KAE * gamma * H**2
inertia = Kh * g["W"]
t3 = Table()
t3.row("PAH = KA･q･H＋1/2･KA･γ･H²", fmt(pah, 4), "Calc[17]")
t3.row("PAX = PAH･cos(θ＋δ)", fmt(pah * cosd(td), 4), "Calc[18]")
t3.row("PAY = PAH･sin(θ＋δ)", fmt(pah * sind(td), 4), "Calc[19]")
t3.row("PAY の x", fmt(g["x_pay"], 3), "Calc[29]")
t3.row("慣性力 Kh･W", fmt(inertia, 4))

rows = [
    (g["W"], g["x"], inertia, g["y"]),
    (pah * sind(td), g["x_pay"], pah * cosd(td), H / 3),
]
sv, mr, sh, mo = totals(rows)
st = stability(sv, mr, sh, mo, B)
sl = sliding(st, sv, sh, B, mu, 0.0, False)
t4 = Table()
t4.row("ΣV = W＋PAY", fmt(sv, 4), "Calc[21]")
t4.row("ΣH = PAX＋Kh･W", fmt(sh, 4), "Calc[46]")
t4.row("Mr", fmt(mr, 3), "Calc[40]")
t4.row("Mo = PAX･H/3＋Kh･W･y", fmt(mo, 3), "Calc[39]")
t4.row("F = Mr/Mo（≧1.2）", fmt(st["F"], 3), "Calc[41]")
t4.row("d", fmt(st["d"], 3), "Calc[42]")
t4.row("e（≦B/3 = 1.000、B/6 = 0.500 を超え三角形分布）", fmt(st["e"], 3), "Calc[43]")
t4.row("qmax = (ΣV/B)･2/{3･(1/2－e/B)}（≦1.5･qa = 450）", fmt(st["smax"], 3), "Calc[44]")
t4.row("X = 3･(B/2－e)", fmt(st["X"], 3), "Calc[55]")
t4.row("RH = ΣV･μ", fmt(sl["RH"], 3), "Calc[47]")
t4.row("Fs = RH/ΣH（≧1.2）", fmt(sl["Fs"], 3), "Calc[49]")

f3 = lambda v: fmt(v, 3)  # noqa: E731
f2 = lambda v: fmt(v, 2)  # noqa: E731
report = [
    "重心 ｘ=ΣWx/ΣW=%s/%s=%sm" % (f3(rhu(g["W"] * g["x"], 3)), f3(rhu(g["W"], 3)), f3(g["x"])),
    "設計水平震度Kh=CZ･Kho=%s×%s=%s    設計鉛直震度Kv=%s" % (f2(Cz), f2(Kho), f2(Kh), f2(Kv)),
    "地震合成角θk=Atn{Kh/(1－Kv)}=Atn{%s/(1－%s)}=%sﾟ" % (f2(Kh), f2(Kv), f2(mo_["tk"])),
    "=%s" % f3(KAE),
    "=1/2×%s×%s×%s^2＋%s×%s×%s=%skN/m"
    % (fmt(KAE, 3, 2), fmt(gamma, 2, 1), f3(H), fmt(KAE, 3, 2), fmt(q, 2, 1), f3(H),
       fmt(rhu(pah, 4), 4)),
    "PAX=PA･cos(δ＋θ)=PA･cos(%sﾟ＋%sﾟ)=%s×%s=%skN/m"
    % (f2(delta), f2(th), f3(pah), fmt(cosd(td), 4), fmt(rhu(pah * cosd(td), 4), 4)),
    fmt(rhu(inertia, 4), 4),
    "転 倒 安 全 率 F=Mr/Mo=%s/%s=%s > 1.2  ∴ O.K" % (f3(mr), f3(mo), f3(st["F"])),
    "偏　心　距　離 e=(B/2)－d=(%s/2)－%s=%sm < B/3=%s/3=%sm ∴ O.K"
    % (f3(B), f3(st["d"]), f3(st["e"]), f3(B), f3(B / 3)),
    "=(%s/%s)×[2/{3×(1/2－%s/%s)}]" % (f3(sv), f3(B), f3(abs(st["e"])), f3(B)),
    "=%skN/m2" % f3(st["smax"]),
    "ｑmax,ｑmin < %skN/m2  ∴ O.K" % fmt(1.5 * qa, 1),
    "滑 動 安 全 率      F=RH/ΣH=%s/%s=%s > 1.2  ∴ O.K" % (f3(sl["RH"]), f3(sh), f3(sl["Fs"])),
]
emit([("形状と自重", t1), ("地震時主働土圧係数", t2), ("土圧と慣性力", t3),
      ("荷重の集計と安定計算", t4)], report)
