#pragma once
// Small dam sections for the load tests, with their joints' end points computed.
#include <initializer_list>
#include <utility>

#include "engine/Unites.h"

// Rectangle 10 wide from elevation 100 to 120 (vertical faces).
inline TDimension RectangleSection()
{
    TDimension d;
    d.L1 = 10; d.L2 = 0; d.L3 = 10; d.L4 = 10;
    d.Elev = {100, 100, 100, 100, 120, 120, 120, 100, 100};
    return d;
}

// Right triangle: vertical upstream face 20 high, base 16 wide, downstream face from the
// toe (16, 100) straight to the crest (0, 120).
inline TDimension TriangleSection()
{
    TDimension d;
    d.L1 = 16; d.L2 = 0; d.L3 = 0; d.L4 = 0;
    d.Elev = {100, 100, 100, 100, 120, 120, 120, 100, 100};
    return d;
}

// A metric model (gravity 9.81, concrete 2400 kg/m3, water 9.81 kN/m3) on the section with
// the lift joints given as (elevation, angle).
inline TParametres MakeModel(const TDimension& dim, std::initializer_list<std::pair<double, double>> joints = {})
{
    TParametres m;
    m.unites = SI;
    m.gravity = 9.81;
    m.Concrete.mass = 2400;
    m.Reservoir.WaterWeight = 9.81;
    m.Dim = dim;
    m.NJoints = static_cast<Integer>(joints.size());
    SizeJointArrays(m.Joint, m.JointLoad, m.NJoints);
    int k = 1;
    for (const auto& [elev, angle] : joints) {
        m.Joint.Elev[k] = elev;
        m.Joint.Angle[k] = angle;
        ++k;
    }
    ComputeJointEnds(m);
    return m;
}
