// damtool commands on model files: new, copy and dump.
#include <iostream>

#include "engine/Fichier.h"
#include "tools/damtool.h"

namespace {

// damtool new OUT.dam [--us]: a new model with the defaults, in imperial units with --us.
int New(const TDamToolArgs& args)
{
    const bool us = args.size() == 2 && args[1] == "--us";
    if (args.size() != 1 && !us) return ExitUsage;
    TParametres model;
    SetDefaultParameters(model);
    if (us) {
        model.unites = US;
        ConvertModelUnits(model);
    }
    return WriteModelFile(args[0], model) ? 0 : ExitFailed;
}

// damtool copy IN.dam OUT.dam: reads the file as the program does and writes it again.
int Copy(const TDamToolArgs& args)
{
    if (args.size() != 2) return ExitUsage;
    TParametres model;
    if (!ReadModelFile(args[0], model)) return ExitFailed;
    return WriteModelFile(args[1], model) ? 0 : ExitFailed;
}

// damtool dump IN.dam: every stored field as "path = value", one per line, in file order.
int Dump(const TDamToolArgs& args)
{
    if (args.size() != 1) return ExitUsage;
    TParametres model;
    if (!ReadModelFile(args[0], model)) return ExitFailed;
    ListModelFields(model, [](const std::string& path, const std::string& value) {
        std::cout << path << " = " << value << "\n";
    });
    return 0;
}

const bool registered = RegisterDamToolCommand({"new", "OUT.dam [--us]", New,
                                                "writes a new model with the defaults (--us: imperial units)"}) &&
                        RegisterDamToolCommand({"copy", "IN.dam OUT.dam", Copy,
                                                "reads a model file and writes it again"}) &&
                        RegisterDamToolCommand({"dump", "IN.dam", Dump,
                                                "prints every stored field as path = value"});

}  // namespace
