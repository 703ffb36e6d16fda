# The Results workbook of Dorvane: the load factors of the five combinations, then for each
# load case a stress table and a stability table laid out for one lift joint (two joint rows).
# The export removes the cases that were not analysed and grows or shrinks every table to the
# model's joints.
sheet "Results"
width A 7
width B 11
width C:P 11

style title bold size=14
style head bold size=12
style sub italic size=10
style label
style bold bold
style info border
style date border format="yyyy-mm-dd"
style col bold center wrap border fill=DDEBF7
style num border format="0.00"
style factor border center format="0.00"
style name border center
style required italic border format="0.00" fill=FFF2CC

cell A1 title "Dorvane - Analysis results"
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

# ---- load factors (rows 9 to 18 of D, F, H, J and L)
cell A7 head "Load factors"

cell D8 col "Usual"
cell D9:D18 factor
cell F8 col "Flood"
cell F9:F18 factor
cell H8 col "Seismic #1"
cell H9:H18 factor
cell J8 col "Seismic #2"
cell J9:J18 factor
cell L8 col "Post-seismic"
cell L9:L18 factor
cell A9 label "Dam weight"
cell A10 label "Upstream water"
cell A11 label "Downstream water"
cell A12 label "Uplift"
cell A13 label "Silt"
cell A14 label "Ice"
cell A15 label "Post-tensioning"
cell A16 label "Applied forces"
cell A17 label "Horizontal earthquake"
cell A18 label "Vertical earthquake"

# ---- usual combination (stress data rows 26 and 27, stability data rows 35 and 36)
cell A20 head "Usual combination"
cell A21 sub "Stresses and crack lengths"
cell A23:N25 col
cell A23 col "No."
cell B23 col "Elevation"
cell C23 col "Crack upstream (%)"
cell D23 col "Crack upstream (length)"
cell E23 col "Crack downstream (%)"
cell F23 col "Crack downstream (length)"
cell G23 col "Normal stress upstream"
cell H23 col "Normal stress downstream"
cell I23 col "Allowable tension"
cell J23 col "Allowable compression"
cell K23 col "Shear stress upstream"
cell L23 col "Maximum shear stress"
cell M23 col "Position of the maximum (%)"
cell N23 col "Shear stress downstream"
height 23 39
cell A26:A27 name
cell B26:N27 num
cell A29 head "Usual combination"
cell A30 sub "Safety factors and resultants"
cell A32:M34 col
cell A32 col "No."
cell B32 col "Elevation"
cell C32 col "Sliding, peak"
cell D32 col "Sliding, residual"
cell E32 col "Overturning, upstream"
cell F32 col "Overturning, downstream"
cell G32 col "Uplifting"
cell H32 col "Normal force"
cell I32 col "Shear force"
cell J32 col "Moment"
cell K32 col "Resultant position (%)"
cell L32 col "Uplift force"
cell M32 col "Rock wedge"
height 32 39
cell A35:A36 name
cell B35:M36 num
cell B37 bold "Required"
cell C37:G37 required

# ---- flood combination (stress data rows 45 and 46, stability data rows 54 and 55)
cell A39 head "Flood combination"
cell A40 sub "Stresses and crack lengths"
cell A42:N44 col
cell A42 col "No."
cell B42 col "Elevation"
cell C42 col "Crack upstream (%)"
cell D42 col "Crack upstream (length)"
cell E42 col "Crack downstream (%)"
cell F42 col "Crack downstream (length)"
cell G42 col "Normal stress upstream"
cell H42 col "Normal stress downstream"
cell I42 col "Allowable tension"
cell J42 col "Allowable compression"
cell K42 col "Shear stress upstream"
cell L42 col "Maximum shear stress"
cell M42 col "Position of the maximum (%)"
cell N42 col "Shear stress downstream"
height 42 39
cell A45:A46 name
cell B45:N46 num
cell A48 head "Flood combination"
cell A49 sub "Safety factors and resultants"
cell A51:M53 col
cell A51 col "No."
cell B51 col "Elevation"
cell C51 col "Sliding, peak"
cell D51 col "Sliding, residual"
cell E51 col "Overturning, upstream"
cell F51 col "Overturning, downstream"
cell G51 col "Uplifting"
cell H51 col "Normal force"
cell I51 col "Shear force"
cell J51 col "Moment"
cell K51 col "Resultant position (%)"
cell L51 col "Uplift force"
cell M51 col "Rock wedge"
height 51 39
cell A54:A55 name
cell B54:M55 num
cell B56 bold "Required"
cell C56:G56 required

# ---- seismic #1 combination: stress analysis (stress data rows 64 and 65, stability data rows 73 and 74)
cell A58 head "Seismic #1 combination: stress analysis"
cell A59 sub "Stresses and crack lengths"
cell A61:N63 col
cell A61 col "No."
cell B61 col "Elevation"
cell C61 col "Crack upstream (%)"
cell D61 col "Crack upstream (length)"
cell E61 col "Crack downstream (%)"
cell F61 col "Crack downstream (length)"
cell G61 col "Normal stress upstream"
cell H61 col "Normal stress downstream"
cell I61 col "Allowable tension"
cell J61 col "Allowable compression"
cell K61 col "Shear stress upstream"
cell L61 col "Maximum shear stress"
cell M61 col "Position of the maximum (%)"
cell N61 col "Shear stress downstream"
height 61 39
cell A64:A65 name
cell B64:N65 num
cell A67 head "Seismic #1 combination: stress analysis"
cell A68 sub "Safety factors and resultants"
cell A70:M72 col
cell A70 col "No."
cell B70 col "Elevation"
cell C70 col "Sliding, peak"
cell D70 col "Sliding, residual"
cell E70 col "Overturning, upstream"
cell F70 col "Overturning, downstream"
cell G70 col "Uplifting"
cell H70 col "Normal force"
cell I70 col "Shear force"
cell J70 col "Moment"
cell K70 col "Resultant position (%)"
cell L70 col "Uplift force"
cell M70 col "Rock wedge"
height 70 39
cell A73:A74 name
cell B73:M74 num
cell B75 bold "Required"
cell C75:G75 required

# ---- seismic #1 combination: stability analysis (stress data rows 83 and 84, stability data rows 92 and 93)
cell A77 head "Seismic #1 combination: stability analysis"
cell A78 sub "Stresses and crack lengths"
cell A80:N82 col
cell A80 col "No."
cell B80 col "Elevation"
cell C80 col "Crack upstream (%)"
cell D80 col "Crack upstream (length)"
cell E80 col "Crack downstream (%)"
cell F80 col "Crack downstream (length)"
cell G80 col "Normal stress upstream"
cell H80 col "Normal stress downstream"
cell I80 col "Allowable tension"
cell J80 col "Allowable compression"
cell K80 col "Shear stress upstream"
cell L80 col "Maximum shear stress"
cell M80 col "Position of the maximum (%)"
cell N80 col "Shear stress downstream"
height 80 39
cell A83:A84 name
cell B83:N84 num
cell A86 head "Seismic #1 combination: stability analysis"
cell A87 sub "Safety factors and resultants"
cell A89:M91 col
cell A89 col "No."
cell B89 col "Elevation"
cell C89 col "Sliding, peak"
cell D89 col "Sliding, residual"
cell E89 col "Overturning, upstream"
cell F89 col "Overturning, downstream"
cell G89 col "Uplifting"
cell H89 col "Normal force"
cell I89 col "Shear force"
cell J89 col "Moment"
cell K89 col "Resultant position (%)"
cell L89 col "Uplift force"
cell M89 col "Rock wedge"
height 89 39
cell A92:A93 name
cell B92:M93 num
cell B94 bold "Required"
cell C94:G94 required

# ---- seismic #2 combination: stress analysis (stress data rows 102 and 103, stability data rows 111 and 112)
cell A96 head "Seismic #2 combination: stress analysis"
cell A97 sub "Stresses and crack lengths"
cell A99:N101 col
cell A99 col "No."
cell B99 col "Elevation"
cell C99 col "Crack upstream (%)"
cell D99 col "Crack upstream (length)"
cell E99 col "Crack downstream (%)"
cell F99 col "Crack downstream (length)"
cell G99 col "Normal stress upstream"
cell H99 col "Normal stress downstream"
cell I99 col "Allowable tension"
cell J99 col "Allowable compression"
cell K99 col "Shear stress upstream"
cell L99 col "Maximum shear stress"
cell M99 col "Position of the maximum (%)"
cell N99 col "Shear stress downstream"
height 99 39
cell A102:A103 name
cell B102:N103 num
cell A105 head "Seismic #2 combination: stress analysis"
cell A106 sub "Safety factors and resultants"
cell A108:M110 col
cell A108 col "No."
cell B108 col "Elevation"
cell C108 col "Sliding, peak"
cell D108 col "Sliding, residual"
cell E108 col "Overturning, upstream"
cell F108 col "Overturning, downstream"
cell G108 col "Uplifting"
cell H108 col "Normal force"
cell I108 col "Shear force"
cell J108 col "Moment"
cell K108 col "Resultant position (%)"
cell L108 col "Uplift force"
cell M108 col "Rock wedge"
height 108 39
cell A111:A112 name
cell B111:M112 num
cell B113 bold "Required"
cell C113:G113 required

# ---- seismic #2 combination: stability analysis (stress data rows 121 and 122, stability data rows 130 and 131)
cell A115 head "Seismic #2 combination: stability analysis"
cell A116 sub "Stresses and crack lengths"
cell A118:N120 col
cell A118 col "No."
cell B118 col "Elevation"
cell C118 col "Crack upstream (%)"
cell D118 col "Crack upstream (length)"
cell E118 col "Crack downstream (%)"
cell F118 col "Crack downstream (length)"
cell G118 col "Normal stress upstream"
cell H118 col "Normal stress downstream"
cell I118 col "Allowable tension"
cell J118 col "Allowable compression"
cell K118 col "Shear stress upstream"
cell L118 col "Maximum shear stress"
cell M118 col "Position of the maximum (%)"
cell N118 col "Shear stress downstream"
height 118 39
cell A121:A122 name
cell B121:N122 num
cell A124 head "Seismic #2 combination: stability analysis"
cell A125 sub "Safety factors and resultants"
cell A127:M129 col
cell A127 col "No."
cell B127 col "Elevation"
cell C127 col "Sliding, peak"
cell D127 col "Sliding, residual"
cell E127 col "Overturning, upstream"
cell F127 col "Overturning, downstream"
cell G127 col "Uplifting"
cell H127 col "Normal force"
cell I127 col "Shear force"
cell J127 col "Moment"
cell K127 col "Resultant position (%)"
cell L127 col "Uplift force"
cell M127 col "Rock wedge"
height 127 39
cell A130:A131 name
cell B130:M131 num
cell B132 bold "Required"
cell C132:G132 required

# ---- post-seismic combination (stress data rows 140 and 141, stability data rows 149 and 150)
cell A134 head "Post-seismic combination"
cell A135 sub "Stresses and crack lengths"
cell A137:N139 col
cell A137 col "No."
cell B137 col "Elevation"
cell C137 col "Crack upstream (%)"
cell D137 col "Crack upstream (length)"
cell E137 col "Crack downstream (%)"
cell F137 col "Crack downstream (length)"
cell G137 col "Normal stress upstream"
cell H137 col "Normal stress downstream"
cell I137 col "Allowable tension"
cell J137 col "Allowable compression"
cell K137 col "Shear stress upstream"
cell L137 col "Maximum shear stress"
cell M137 col "Position of the maximum (%)"
cell N137 col "Shear stress downstream"
height 137 39
cell A140:A141 name
cell B140:N141 num
cell A143 head "Post-seismic combination"
cell A144 sub "Safety factors and resultants"
cell A146:M148 col
cell A146 col "No."
cell B146 col "Elevation"
cell C146 col "Sliding, peak"
cell D146 col "Sliding, residual"
cell E146 col "Overturning, upstream"
cell F146 col "Overturning, downstream"
cell G146 col "Uplifting"
cell H146 col "Normal force"
cell I146 col "Shear force"
cell J146 col "Moment"
cell K146 col "Resultant position (%)"
cell L146 col "Uplift force"
cell M146 col "Rock wedge"
height 146 39
cell A149:A150 name
cell B149:M150 num
cell B151 bold "Required"
cell C151:G151 required
