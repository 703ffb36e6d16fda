# The Loads workbook of Dorvane: the loads on every joint, nine tables laid out for one lift
# joint (two joint rows), each load beside its lever arm. The export grows or shrinks every
# table to the model's joints and removes the seismic tables the model does not use.
sheet "Loads"
width A 7
width B 11
width C:V 10

style title bold size=14
style head bold size=11
style sub italic
style label
style info border
style date border format="yyyy-mm-dd"
style col bold center wrap border fill=DDEBF7
style arm center border fill=F2F2F2
style num border format="0.00"
style name border center

cell A1 title "Dorvane - Loads on the joints"
cell C2 label "Title"
cell C3 label "Dam"
cell C4 label "Company"
cell C5 label "Address"
cell F2:I5 info
cell K2 label "Engineer"
cell K3 label "Created by"
cell K4 label "Date"
cell K5 label "Units"
cell M2:O3 info
cell M4 date
cell M5 info


# ---- Static loads: normal operating level (data rows 13 and 14)
cell A7 head "Static loads: normal operating level"
cell A10:B12 col
cell A10 col "No."
cell B10 col "Elevation"
cell C10:D11 col
cell C10 col "Dam weight"
merge C10:D10
merge C11:D11
cell C12 arm "Force"
cell D12 arm "x"
cell E10:F11 col
cell E10 col "Masses"
merge E10:F10
merge E11:F11
cell E12 arm "Force"
cell F12 arm "x"
cell G10:H11 col
cell G10 col "Upstream water, horizontal"
merge G10:H10
merge G11:H11
cell G12 arm "Force"
cell H12 arm "y"
cell I10:J11 col
cell I10 col "Upstream water, vertical"
merge I10:J10
merge I11:J11
cell I12 arm "Force"
cell J12 arm "x"
cell K10:L11 col
cell K10 col "Downstream water, horizontal"
merge K10:L10
merge K11:L11
cell K12 arm "Force"
cell L12 arm "y"
cell M10:N11 col
cell M10 col "Downstream water, vertical"
merge M10:N10
merge M11:N11
cell M12 arm "Force"
cell N12 arm "x"
cell O10:P11 col
cell O10 col "Water on the crest"
merge O10:P10
merge O11:P11
cell O12 arm "Force"
cell P12 arm "x"
cell Q10:R11 col
cell Q10 col "Uplift"
merge Q10:R10
merge Q11:R11
cell Q12 arm "Force"
cell R12 arm "x"
cell S10:T11 col
cell S10 col "Ice"
merge S10:T10
merge S11:T11
cell S12 arm "Force"
cell T12 arm "y"
height 10 26
cell A13:A14 name
cell B13:T14 num

# ---- Static loads: flood level and silt (data rows 22 and 23)
cell A16 head "Static loads: flood level and silt"
cell A19:B21 col
cell A19 col "No."
cell B19 col "Elevation"
cell C19:D20 col
cell C19 col "Silt, horizontal"
merge C19:D19
merge C20:D20
cell C21 arm "Force"
cell D21 arm "y"
cell E19:F20 col
cell E19 col "Silt, vertical"
merge E19:F19
merge E20:F20
cell E21 arm "Force"
cell F21 arm "x"
cell G19:H20 col
cell G19 col "Upstream water, horizontal"
merge G19:H19
merge G20:H20
cell G21 arm "Force"
cell H21 arm "y"
cell I19:J20 col
cell I19 col "Upstream water, vertical"
merge I19:J19
merge I20:J20
cell I21 arm "Force"
cell J21 arm "x"
cell K19:L20 col
cell K19 col "Downstream water, horizontal"
merge K19:L19
merge K20:L20
cell K21 arm "Force"
cell L21 arm "y"
cell M19:N20 col
cell M19 col "Downstream water, vertical"
merge M19:N19
merge M20:N20
cell M21 arm "Force"
cell N21 arm "x"
cell O19:P20 col
cell O19 col "Water on the crest"
merge O19:P19
merge O20:P20
cell O21 arm "Force"
cell P21 arm "x"
cell Q19:R20 col
cell Q19 col "Uplift"
merge Q19:R19
merge Q20:R20
cell Q21 arm "Force"
cell R21 arm "x"
height 19 26
cell A22:A23 name
cell B22:R23 num

# ---- Post-tensioning and applied forces (data rows 31 and 32)
cell A25 head "Post-tensioning and applied forces"
cell A28:B30 col
cell A28 col "No."
cell B28 col "Elevation"
cell C28:D29 col
cell C28 col "Crest cable"
merge C28:D28
merge C29:D29
cell C30 arm "Force"
cell D30 arm "x"
cell E28:F29 col
cell E28 col "Inclined cable, vertical"
merge E28:F28
merge E29:F29
cell E30 arm "Force"
cell F30 arm "x"
cell G28:H29 col
cell G28 col "Inclined cable, horizontal"
merge G28:H28
merge G29:H29
cell G30 arm "Force"
cell H30 arm "y"
cell I28:J29 col
cell I28 col "Applied forces, horizontal"
merge I28:J28
merge I29:J29
cell I30 arm "Force"
cell J30 arm "y"
cell K28:L29 col
cell K28 col "Applied forces, vertical"
merge K28:L28
merge K29:L29
cell K30 arm "Force"
cell L30 arm "x"
height 28 26
cell A31:A32 name
cell B31:L32 num

# ---- Seismic loads: pseudo-static method, peak accelerations (data rows 41 and 42)
cell A35 head "Seismic loads: pseudo-static method"
cell A36 sub "Peak accelerations"
cell A38:B40 col
cell A38 col "No."
cell B38 col "Elevation"
cell C38:D39 col
cell C38 col "Concrete inertia, horizontal"
merge C38:D38
merge C39:D39
cell C40 arm "Force"
cell D40 arm "y"
cell E38:F39 col
cell E38 col "Concrete inertia, vertical"
merge E38:F38
merge E39:F39
cell E40 arm "Force"
cell F40 arm "x"
cell G38:H39 col
cell G38 col "Mass inertia, horizontal"
merge G38:H38
merge G39:H39
cell G40 arm "Force"
cell H40 arm "y"
cell I38:J39 col
cell I38 col "Mass inertia, vertical"
merge I38:J38
merge I39:J39
cell I40 arm "Force"
cell J40 arm "x"
cell K38:L39 col
cell K38 col "Upstream hydrodynamic, horizontal"
merge K38:L38
merge K39:L39
cell K40 arm "Force"
cell L40 arm "y"
cell M38:N39 col
cell M38 col "Upstream hydrodynamic, vertical"
merge M38:N38
merge M39:N39
cell M40 arm "Force"
cell N40 arm "x"
cell O38:P39 col
cell O38 col "Downstream hydrodynamic, horizontal"
merge O38:P38
merge O39:P39
cell O40 arm "Force"
cell P40 arm "y"
cell Q38:R39 col
cell Q38 col "Downstream hydrodynamic, vertical"
merge Q38:R38
merge Q39:R39
cell Q40 arm "Force"
cell R40 arm "x"
cell S38:T39 col
cell S38 col "Dynamic silt, horizontal"
merge S38:T38
merge S39:T39
cell S40 arm "Force"
cell T40 arm "y"
cell U38:V39 col
cell U38 col "Dynamic silt, vertical"
merge U38:V38
merge U39:V39
cell U40 arm "Force"
cell V40 arm "x"
height 38 26
cell A41:A42 name
cell B41:V42 num

# ---- Seismic loads: pseudo-static method, sustained accelerations (data rows 50 and 51)
cell A44 head "Seismic loads: pseudo-static method"
cell A45 sub "Sustained accelerations"
cell A47:B49 col
cell A47 col "No."
cell B47 col "Elevation"
cell C47:D48 col
cell C47 col "Concrete inertia, horizontal"
merge C47:D47
merge C48:D48
cell C49 arm "Force"
cell D49 arm "y"
cell E47:F48 col
cell E47 col "Concrete inertia, vertical"
merge E47:F47
merge E48:F48
cell E49 arm "Force"
cell F49 arm "x"
cell G47:H48 col
cell G47 col "Mass inertia, horizontal"
merge G47:H47
merge G48:H48
cell G49 arm "Force"
cell H49 arm "y"
cell I47:J48 col
cell I47 col "Mass inertia, vertical"
merge I47:J47
merge I48:J48
cell I49 arm "Force"
cell J49 arm "x"
cell K47:L48 col
cell K47 col "Upstream hydrodynamic, horizontal"
merge K47:L47
merge K48:L48
cell K49 arm "Force"
cell L49 arm "y"
cell M47:N48 col
cell M47 col "Upstream hydrodynamic, vertical"
merge M47:N47
merge M48:N48
cell M49 arm "Force"
cell N49 arm "x"
cell O47:P48 col
cell O47 col "Downstream hydrodynamic, horizontal"
merge O47:P47
merge O48:P48
cell O49 arm "Force"
cell P49 arm "y"
cell Q47:R48 col
cell Q47 col "Downstream hydrodynamic, vertical"
merge Q47:R47
merge Q48:R48
cell Q49 arm "Force"
cell R49 arm "x"
cell S47:T48 col
cell S47 col "Dynamic silt, horizontal"
merge S47:T47
merge S48:T48
cell S49 arm "Force"
cell T49 arm "y"
cell U47:V48 col
cell U47 col "Dynamic silt, vertical"
merge U47:V47
merge U48:V48
cell U49 arm "Force"
cell V49 arm "x"
height 47 26
cell A50:A51 name
cell B50:V51 num

# ---- Seismic loads: pseudo-dynamic method, horizontal, peak accelerations (data rows 60 and 61)
cell A54 head "Seismic loads: pseudo-dynamic method, horizontal"
cell A55 sub "Peak accelerations"
cell A57:B59 col
cell A57 col "No."
cell B57 col "Elevation"
cell C57:D58 col
cell C57 col "Dam, first mode"
merge C57:D57
merge C58:D58
cell C59 arm "Force"
cell D59 arm "y"
cell E57:F58 col
cell E57 col "Reservoir, first mode"
merge E57:F57
merge E58:F58
cell E59 arm "Force"
cell F59 arm "y"
cell G57:H58 col
cell G57 col "Masses, first mode"
merge G57:H57
merge G58:H58
cell G59 arm "Force"
cell H59 arm "y"
cell I57:J58 col
cell I57 col "Total, first mode"
merge I57:J57
merge I58:J58
cell I59 arm "Force"
cell J59 arm "y"
cell K57:L58 col
cell K57 col "Dam, higher modes"
merge K57:L57
merge K58:L58
cell K59 arm "Force"
cell L59 arm "y"
cell M57:N58 col
cell M57 col "Reservoir, higher modes"
merge M57:N57
merge M58:N58
cell M59 arm "Force"
cell N59 arm "y"
cell O57:P58 col
cell O57 col "Masses, higher modes"
merge O57:P57
merge O58:P58
cell O59 arm "Force"
cell P59 arm "y"
cell Q57:R58 col
cell Q57 col "Total, higher modes"
merge Q57:R57
merge Q58:R58
cell Q59 arm "Force"
cell R59 arm "y"
cell S57:T58 col
cell S57 col "Total, SRSS combination"
merge S57:T57
merge S58:T58
cell S59 arm "Force"
cell T59 arm "y"
cell U57:V58 col
cell U57 col "Total, absolute value combination"
merge U57:V57
merge U58:V58
cell U59 arm "Force"
cell V59 arm "y"
height 57 26
cell A60:A61 name
cell B60:V61 num

# ---- Seismic loads: pseudo-dynamic method, vertical, peak accelerations (data rows 69 and 70)
cell A63 head "Seismic loads: pseudo-dynamic method, vertical"
cell A64 sub "Peak accelerations"
cell A66:B68 col
cell A66 col "No."
cell B66 col "Elevation"
cell C66:D67 col
cell C66 col "Dam inertia, vertical"
merge C66:D66
merge C67:D67
cell C68 arm "Force"
cell D68 arm "x"
cell E66:F67 col
cell E66 col "Upstream hydrodynamic, vertical"
merge E66:F66
merge E67:F67
cell E68 arm "Force"
cell F68 arm "x"
cell G66:H67 col
cell G66 col "Downstream hydrodynamic, vertical"
merge G66:H66
merge G67:H67
cell G68 arm "Force"
cell H68 arm "x"
cell I66:J67 col
cell I66 col "Mass inertia, vertical"
merge I66:J66
merge I67:J67
cell I68 arm "Force"
cell J68 arm "x"
cell K66:L67 col
cell K66 col "Dynamic silt, vertical"
merge K66:L66
merge K67:L67
cell K68 arm "Force"
cell L68 arm "x"
cell M66:N67 col
cell M66 col "Downstream hydrodynamic, horizontal"
merge M66:N66
merge M67:N67
cell M68 arm "Force"
cell N68 arm "y"
cell O66:P67 col
cell O66 col "Dynamic silt, horizontal"
merge O66:P66
merge O67:P67
cell O68 arm "Force"
cell P68 arm "y"
height 66 26
cell A69:A70 name
cell B69:P70 num

# ---- Seismic loads: pseudo-dynamic method, horizontal, sustained accelerations (data rows 78 and 79)
cell A72 head "Seismic loads: pseudo-dynamic method, horizontal"
cell A73 sub "Sustained accelerations"
cell A75:B77 col
cell A75 col "No."
cell B75 col "Elevation"
cell C75:D76 col
cell C75 col "Dam, first mode"
merge C75:D75
merge C76:D76
cell C77 arm "Force"
cell D77 arm "y"
cell E75:F76 col
cell E75 col "Reservoir, first mode"
merge E75:F75
merge E76:F76
cell E77 arm "Force"
cell F77 arm "y"
cell G75:H76 col
cell G75 col "Masses, first mode"
merge G75:H75
merge G76:H76
cell G77 arm "Force"
cell H77 arm "y"
cell I75:J76 col
cell I75 col "Total, first mode"
merge I75:J75
merge I76:J76
cell I77 arm "Force"
cell J77 arm "y"
cell K75:L76 col
cell K75 col "Dam, higher modes"
merge K75:L75
merge K76:L76
cell K77 arm "Force"
cell L77 arm "y"
cell M75:N76 col
cell M75 col "Reservoir, higher modes"
merge M75:N75
merge M76:N76
cell M77 arm "Force"
cell N77 arm "y"
cell O75:P76 col
cell O75 col "Masses, higher modes"
merge O75:P75
merge O76:P76
cell O77 arm "Force"
cell P77 arm "y"
cell Q75:R76 col
cell Q75 col "Total, higher modes"
merge Q75:R75
merge Q76:R76
cell Q77 arm "Force"
cell R77 arm "y"
cell S75:T76 col
cell S75 col "Total, SRSS combination"
merge S75:T75
merge S76:T76
cell S77 arm "Force"
cell T77 arm "y"
cell U75:V76 col
cell U75 col "Total, absolute value combination"
merge U75:V75
merge U76:V76
cell U77 arm "Force"
cell V77 arm "y"
height 75 26
cell A78:A79 name
cell B78:V79 num

# ---- Seismic loads: pseudo-dynamic method, vertical, sustained accelerations (data rows 87 and 88)
cell A81 head "Seismic loads: pseudo-dynamic method, vertical"
cell A82 sub "Sustained accelerations"
cell A84:B86 col
cell A84 col "No."
cell B84 col "Elevation"
cell C84:D85 col
cell C84 col "Dam inertia, vertical"
merge C84:D84
merge C85:D85
cell C86 arm "Force"
cell D86 arm "x"
cell E84:F85 col
cell E84 col "Upstream hydrodynamic, vertical"
merge E84:F84
merge E85:F85
cell E86 arm "Force"
cell F86 arm "x"
cell G84:H85 col
cell G84 col "Downstream hydrodynamic, vertical"
merge G84:H84
merge G85:H85
cell G86 arm "Force"
cell H86 arm "x"
cell I84:J85 col
cell I84 col "Mass inertia, vertical"
merge I84:J84
merge I85:J85
cell I86 arm "Force"
cell J86 arm "x"
cell K84:L85 col
cell K84 col "Dynamic silt, vertical"
merge K84:L84
merge K85:L85
cell K86 arm "Force"
cell L86 arm "x"
cell M84:N85 col
cell M84 col "Downstream hydrodynamic, horizontal"
merge M84:N84
merge M85:N85
cell M86 arm "Force"
cell N86 arm "y"
cell O84:P85 col
cell O84 col "Dynamic silt, horizontal"
merge O84:P84
merge O85:P85
cell O86 arm "Force"
cell P86 arm "y"
height 84 26
cell A87:A88 name
cell B87:P88 num
