# The Input workbook of Dorvane: the model's parameters. Laid out for two joint materials, one
# lift joint (two joint rows), two concentrated masses and two applied forces; the export grows
# or shrinks each table, removes the blocks the model does not use and moves the right part
# (columns O to AA) below the left part.
sheet "Model parameters"
width A 30
width B:M 12
width N 3
width O 30
width P:AA 12

style title bold size=14
style head bold size=11
style label
style info border
style date border format="yyyy-mm-dd"
style col bold center wrap border fill=DDEBF7
style num border format="0.000"
style text border
style name border center

# ---- general information
cell A1 title "Dorvane - Model parameters"
cell A2 label "Title"
cell A3 label "Dam"
cell A4 label "Company"
cell A5 label "Address"
cell C2:G5 info
cell I2 label "Engineer"
cell I3 label "Created by"
cell I4 label "Date"
cell I5 label "Units"
cell J2:L3 info
cell J4 date
cell J5 info

# ---- section geometry (A, B)
cell A7 head "Section geometry"
cell A8 label "Distance"
cell A9 label "L1: toe from heel"
cell A10 label "L2: upstream crest corner"
cell A11 label "L3: downstream slope break"
cell A12 label "L4: downstream crest corner"
cell A13 label "A: heel elevation"
cell A14 label "B: toe elevation"
cell A15 label "C: top of upstream foot"
cell A16 label "D: top of downstream foot"
cell A17 label "E: foot of upstream crest part"
cell A18 label "F: downstream slope break"
cell A19 label "G: crest elevation"
cell A20 label "Upstream foundation surface"
cell A21 label "Downstream foundation surface"
cell B9:B21 num
cell A23 head "Concrete"
cell A24 label "Unit weight"
cell B24 num

# ---- joint materials (E to M, data rows 12 and 13)
cell E10 head "Lift joint materials"
cell E11 col "Material"
cell F11 col "fc"
cell G11 col "ft"
cell H11 col "Peak cohesion"
cell I11 col "Peak friction angle"
cell J11 col "Residual cohesion"
cell K11 col "Residual friction angle"
cell L11:M11 col "Minimum stress"
merge L11:M11
cell E12:E13 name
cell F12:M13 num
merge L12:M13

# ---- lift joints (data rows 19 and 20)
cell E16 head "Lift joints"
cell E17:E18 col
cell E17 col "Joint"
cell F17:F18 col
cell F17 col "Material"
cell G17:H17 col "Upstream end"
merge G17:H17
cell I17:J17 col "Downstream end"
merge I17:J17
cell K17:K18 col
cell K17 col "Length"
cell L17:M17 col "Inertia"
merge L17:M17
cell G18 col "Elevation"
cell H18 col "x"
cell I18 col "Elevation"
cell J18 col "x"
cell L18:M18 col "L³ / 12"
merge L18:M18
cell E19:F20 name
cell G19:M20 num
merge L19:M20

# ---- pre-existing cracks (data rows 26 and 27)
cell E23 head "Pre-existing cracks"
cell E24:E25 col
cell E24 col "Joint"
cell F24:F25 col
cell F24 col "Material"
cell G24:H24 col "Upstream crack"
merge G24:H24
cell I24:J24 col "Downstream crack"
merge I24:J24
cell G25 col "Length"
cell H25 col "% of joint"
cell I25 col "Length"
cell J25 col "% of joint"
cell E26:F27 name
cell G26:J27 num

# ---- concentrated masses (block rows 29 to 34, data rows 31 and 32)
cell E29 head "Concentrated masses"
cell E30 col "Mass"
cell F30 col "Elevation"
cell G30 col "x"
cell H30 col "Horizontal mass"
cell I30 col "Vertical mass"
cell E31:E32 name
cell F31:I32 num

# ---- reservoir (right part from row 8)
cell O8 head "Reservoir"
cell O9 label "Unit weight of water"
cell P9 num
cell O11 label "Ice"
cell O12 label "Ice load"
cell O13 label "Ice thickness"
cell O14 label "Elevation of the ice load"
cell P12:P14 num
cell O16 label "Silt"
cell O17 label "Silt elevation"
cell O18 label "Silt unit weight"
cell O19 label "Silt friction angle"
cell O20 label "Silt pressure"
cell P17:P19 num
cell P20 text
cell V9 col "Upstream"
cell Y9 col "Downstream"
cell S10 label "Normal operating level"
cell S11 label "Flood level"
cell S12 label "Crest overtopping pressure (%)"
cell V10:V12 num
cell Y10:Y12 num

# ---- drainage (S14:X19; removed when the dam has no drains)
cell S14 head "Drainage"
cell S15 label "Drain line abscissa"
cell S16 label "Gallery elevation"
cell S17 label "Drain effectiveness"
cell S18 label "Top of the drain line"
cell S19 label "Uplift guideline"
cell V15:V16 num
cell V17 text
cell V18 num
cell V19 text
cell O22 label "Uplift"

# ---- drain efficiency (O24:AA30, data rows 28 and 29)
cell O24 head "Drain efficiency"
cell O25 label "Efficiency of each joint from the drain formula"
cell S27 col "Joint"
cell T27 col "Elevation"
cell U27:V27 col "Efficiency"
merge U27:V27
cell X27 col "Joint"
cell Y27 col "Elevation"
cell Z27:AA27 col "Efficiency"
merge Z27:AA27
cell S28:S29 name
cell T28:V29 num
cell X28:X29 name
cell Y28:AA29 num
merge U28:V29
merge Z28:AA29

# ---- post-tensioning (O31:AA37)
cell O31 head "Post-tensioning"
cell O32 label "Vertical cable"
cell O33 label "Position from the upstream crest corner"
cell O34 label "Tension"
cell O36 label "Type"
cell R33:R34 num
cell R36 text
cell U32 label "Inclined cable"
cell U33 label "Anchor elevation"
cell U34 label "Position"
cell U35 label "Angle"
cell U36 label "Tension"
cell Y33:Y36 num

# ---- applied forces (O38:AA44, data rows 42 and 43)
cell O38 head "Applied forces"
cell S40:S41 col
cell S40 col "Force"
cell T40:AA40 col "Applied at"
merge T40:AA40
cell T41:AA41 col
cell T41 col "Elevation"
cell V41 col "x"
cell X41 col "Horizontal force"
cell Z41 col "Vertical force"
merge T41:U41
merge V41:W41
merge X41:Y41
merge Z41:AA41
cell S42:S43 name
cell T42:AA43 num
merge T42:U43
merge V42:W43
merge X42:Y43
merge Z42:AA43

# ---- pseudo-static seismic (O45:AA50)
cell O45 head "Seismic loads: pseudo-static method"
cell O46 label "Peak horizontal acceleration (g)"
cell O47 label "Peak vertical acceleration (g)"
cell O48 label "Sustained horizontal acceleration (g)"
cell O49 label "Sustained vertical acceleration (g)"
cell O50 label "Slope correction"
cell T46:T49 num
cell T50 text
cell V46 label "Return period (years)"
cell V47 label "Period te"
cell V48 label "Depth limit"
cell Z46 info
cell Z47:Z48 num
cell AA48 label "below the reservoir level"

# ---- pseudo-dynamic seismic (O51:AA68)
cell O51 head "Seismic loads: simplified pseudo-dynamic method"
cell O53 label "Return period (years)"
cell S53 info
cell O54 label "Peak accelerations"
cell O55 label "Horizontal (g)"
cell O56 label "Vertical (g)"
cell O57 label "Spectral (g)"
cell T55:T57 num
cell O58 label "Sustained accelerations"
cell O59 label "Horizontal (g)"
cell O60 label "Vertical (g)"
cell O61 label "Spectral (g)"
cell T59:T61 num
cell O63 label "Mode combination"
cell T63 text
cell V53 label "Number of slices"
cell V54 label "Damping of the dam"
cell V55 label "Modulus of the concrete"
cell Z53 info
cell Z54:Z55 num
cell V57 label "Reservoir"
cell V58 label "Wave reflection coefficient"
cell V59 label "Wave velocity"
cell Z58:Z59 num
cell V61 label "Foundation"
cell V62 label "Hysteretic damping"
cell V63 label "Modulus of the foundation"
cell Z62:Z63 num
cell V65 label "Dam, reservoir and foundation"
cell V66 label "Fundamental period"
cell V67 label "Damping"
cell Z66:Z67 num

# ---- cracking options (O69:AA81)
cell O69 head "Cracking options"
cell O71 label "Cracking considered"
cell T71 text
cell O73 label "Crack length solution"
cell O74 label "Method"
cell O75 label "Accuracy"
cell Q74:Q75 text
cell W71 col "Criteria"
cell X71 col "Usual"
cell Y71 col "Flood"
cell Z71 col "Seismic"
cell AA71 col "Post-seismic"
cell W72 label "Initiation"
cell W73 label "Propagation"
cell W74 label "Dynamic magnification"
cell X72:AA74 text
cell O76 label "Uplift in cracks: usual and flood"
cell O77 label "Uplift in cracks: seismic"
cell O78 label "Uplift in cracks: post-seismic"
cell O79 label "Closed downstream crack"
cell O80 label "Crack beyond the drain line"
