#pragma once
// The rules of the pre-cracked joints window, apart from its controls: the lines of the joint
// list and the crack lengths set on the selected joints.
#include <vector>

#include "engine/Unites.h"
#include "platform/rtl/UString.h"

// The list shows the lift joints 1 to NJoints first and the base joint last.
Integer JointOfLine(Integer line, Integer nJoints);

// "%9.3f   %10s  %9.3f   %9.3f": elevation, material name, upstream and downstream crack, the
// cracks as lengths or, in percentage mode, as per cent of the joint length.
String CrackListLine(const TParametres& model, Integer joint, bool percentage);

// The length unit of the model: "m" or "ft".
String LengthUnit(const TParametres& model);

// Sets the cracks of the joints from the two fields: lengths (per cent in percentage mode) at
// the upstream and the downstream end. A joint whose two fractions would exceed its length, or
// that the values cannot crack (a negative crack, a length on a joint of no length), keeps its
// cracks; the warning for each such joint is returned, in the order of the joints.
std::vector<String> SetCrackLengths(TParametres& model, const std::vector<Integer>& joints, double up,
                                    double down, bool percentage);
