"""検証例 3：宅地造成、嵩上げ土（法面上の上載荷重 有り）、試行くさび、常時、粘着力。"""

from common import Table, cosd, cotd, emit, fmt, rhu, sind, tand
from wall import geometry, sliding, stability, totals, wedge

# 入力（examples/verification/v3_raised_soil_wedge.vrh）
h, emb, crest, b, B, f, q = 2.5, 0.5, 0.3, 0.5, 2.2, 0.3, 10.0
H0, beta = 1.5, 30.0
gamma, gamma_c, phi, delta, mu, c, fe = 18.0, 23.0, 30.0, 20.0, 0.5, 10.0, 150.0

g = geometry(h, emb, crest, b, B, f, gamma_c)
H, th = g["H"], g["theta"]
t1 = Table()
t1.row("θ = Atn{(2.2－0.5－0.3)/3.3}（度）", fmt(th, 2), "Calc[10]")
t1.row("W（躯体）= 23×3.3×(0.5＋2.2)/2", fmt(g["W"], 4), "Calc[20]")
t1.row("重心 x", fmt(g["x"], 3), "Calc[28]")

w = wedge(H, H0, th, beta, phi, delta, gamma, q, True)
t2 = Table()
for entry in w["scan"][w["index"] - 3 : w["index"] + 4]:
    t2.row("P(ω = %s°)" % fmt(entry["omega"], 0), fmt(entry["P"], 3))
t2.row("最初の極大 ω（P(ω) > P(ω＋1°) となる最初の整数度）", fmt(w["omega"], 1), "wedge.OmegaMax")
t2.row("b1 = (tanθ＋cotω)･H＋(cotω－cotβ)･H0", fmt(w["b1"], 3), "Calc[68]")
t2.row("b2 = H0･cotβ", fmt(w["b2"], 3), "Calc[69]")
t2.row("T1 = cos(ω－θ)･(H＋H0)²/sinω", fmt(w["t1"], 4), "wedge.WedgeT1")
t2.row("T2 = cos(θ－β)･H0²/sinβ", fmt(w["t2"], 4), "wedge.WedgeT2")
t2.row("T3 = γ/(2･cosθ)", fmt(w["t3"], 4), "wedge.WedgeT3")
t2.row("W = T3･(T1－T2)＋q･(b1＋b2)", fmt(w["W"], 3), "wedge.WedgeW")
t2.row("PAmax = W･sin(ω－φ)/cos(ω－φ－δ－θ)", fmt(w["P"], 3), "wedge.PAmax")
td = th + delta
pax, pay = w["P"] * cosd(td), w["P"] * sind(td)
t2.row("PAX = PAmax･cos(δ＋θ)", fmt(pax, 4), "wedge.PAXw")
t2.row("PAY = PAmax･sin(δ＋θ)", fmt(pay, 4), "wedge.PAYw")

rows = [(g["W"], g["x"], 0.0, 0.0), (pay, g["x_pay"], pax, H / 3)]
sv, mr, sh, mo = totals(rows)
st = stability(sv, mr, sh, mo, B)
sl = sliding(st, sv, sh, B, mu, c, False)
t3 = Table()
t3.row("ΣV = W＋PAY", fmt(sv, 4), "Calc[21]")
t3.row("ΣH = PAX", fmt(sh, 4), "Calc[46]")
t3.row("Mr", fmt(mr, 3), "Calc[40]")
t3.row("Mo = PAX･H/3", fmt(mo, 3), "Calc[39]")
t3.row("F = Mr/Mo（≧1.5）", fmt(st["F"], 3), "Calc[41]")
t3.row("e（≦B/6 = 0.367）", fmt(st["e"], 3), "Calc[43]")
t3.row("σmax（≦fe = 150）", fmt(st["smax"], 3), "Calc[44]")
t3.row("σmin", fmt(st["smin"], 3), "Calc[45]")
t3.row("A' = B－2･e（控除しない場合も記録される）", fmt(sl["A'"], 3), "Calc[48]")
t3.row("RH = C･B＋ΣV･μ（偏心の控除をしない、e ≦ B/6）", fmt(sl["RH"], 3), "Calc[47]")
t3.row("Fs = RH/ΣH（≧1.5）", fmt(sl["Fs"], 3), "Calc[49]")

f3 = lambda v: fmt(v, 3)  # noqa: E731
f2 = lambda v: fmt(v, 2)  # noqa: E731
f4 = lambda v: fmt(v, 4)  # noqa: E731
om = w["omega"]
report = [
    "=(%s＋%s)×%s＋(%s－%s)×%s=%sm"
    % (f4(tand(th)), f4(cotd(om)), f3(H), f4(cotd(om)), f4(cotd(beta)), f3(H0), f3(w["b1"])),
    "={%s/(2×%s)}×{(%s/%s)×%s^2－(%s/%s)×%s^2}＋%s"
    % (fmt(gamma, 1), f4(cosd(th)), f4(cosd(om - th)), f4(sind(om)), f3(H + H0),
       f4(cosd(th - beta)), f4(sind(beta)), f3(H0), f3(q * (w["b1"] + w["b2"]))),
    "=%skN/m" % f3(w["W"]),
    "={sin(%sﾟ－%sﾟ)/cos(%sﾟ－%sﾟ－%sﾟ－%sﾟ)}×%s"
    % (fmt(om, 0), fmt(phi, 0), fmt(om, 0), fmt(phi, 0), f2(delta), f2(th), f3(w["W"])),
    "=(%s/%s)×%s" % (f4(sind(om - phi)), f4(cosd(om - phi - delta - th)), f3(w["W"])),
    "=%skN/m" % f3(w["P"]),
    "PAX=P･cos(δ＋θ)=P･cos(%sﾟ＋%sﾟ)=%s×%s=%skN/m"
    % (f2(delta), f2(th), f3(w["P"]), f4(cosd(td)), f4(rhu(pax, 4))),
    "転 倒 安 全 率 F=Mr/Mo=%s/%s=%s > 1.5  ∴ O.K" % (f3(mr), f3(mo), f3(st["F"])),
    "偏　心　距　離 e=(B/2)－d=(%s/2)－%s=%sm < B/6=%s/6=%sm ∴ O.K"
    % (f3(B), f3(st["d"]), f3(st["e"]), f3(B), f3(B / 6)),
    "滑動に対する抵抗力 RH=C･B＋ΣV･μ=%s×%s＋%s×%s=%skN/m"
    % (fmt(c, 2, 1), f3(B), f3(sv), fmt(mu, 3, 1), f3(sl["RH"])),
    "滑 動 安 全 率      F=RH/ΣH=%s/%s=%s > 1.5  ∴ O.K" % (f3(sl["RH"]), f3(sh), f3(sl["Fs"])),
]
emit([("形状と自重", t1), ("試行くさび", t2), ("荷重の集計と安定計算", t3)], report)
