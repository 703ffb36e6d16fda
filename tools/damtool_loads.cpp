// damtool loads: computes every load of every joint of a model file and lists them.
#include <iostream>

#include "engine/Loads.h"
#include "tools/damtool.h"

namespace {

// The load steps of the analysis run, in its order, each over every joint.
void ComputeLoads(TParametres& model)
{
    auto eachJoint = [&model](auto step) {
        for (int j = 0; j <= model.NJoints; ++j)
            step(j);
    };
    eachJoint([&](int j) { ComputeSelfWeight(model, j); });
    eachJoint([&](int j) { ComputeConcentratedMasses(model, j); });
    eachJoint([&](int j) { ComputeReservoirLoads(model, j, false); });
    eachJoint([&](int j) { ComputePostTension(model, j); });
    eachJoint([&](int j) { ComputeAppliedForces(model, j); });
    eachJoint([&](int j) {
        ComputeConcreteInertia(model, j);
        ComputeMassInertia(model, j);
        ComputeHydrodynamicLoads(model, j, model.CoeffSis.SlopeCorr);
        ComputeSiltDynamicLoads(model, j);
    });
    ComputePseudoDynamicLoads(model, 0, -1);
    ComputePseudoDynamicLoads(model, 1, -1);
}

// damtool loads IN.dam: every per-joint load as "path = value", one per line.
int Loads(const TDamToolArgs& args)
{
    if (args.size() != 1)
        return ExitUsage;
    TParametres model;
    if (!ReadModelFile(args[0], model))
        return ExitFailed;
    ComputeLoads(model);
    ListJointLoads(model, [](const std::string& path, const std::string& value) {
        std::cout << path << " = " << value << "\n";
    });
    return 0;
}

const bool registered =
    RegisterDamToolCommand({"loads", "IN.dam", Loads, "computes and prints every load of every joint as path = value"});

} // namespace
