// damtool sample: writes the sample model the program ships.
#include "tools/SampleModel.h"
#include "tools/damtool.h"

namespace {

// damtool sample OUT.dam
int Sample(const TDamToolArgs& args)
{
    if (args.size() != 1)
        return ExitUsage;
    TParametres model = SampleModel();
    return WriteModelFile(args[0], model) ? 0 : ExitFailed;
}

const bool registered = RegisterDamToolCommand(
    {"sample", "OUT.dam", Sample, "writes the sample model of a 60 m gravity dam (programdata/samples)"});

} // namespace
