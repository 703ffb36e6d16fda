#include "tools/damtool.h"

#include <cstring>
#include <iostream>

#include "engine/Fichier.h"

namespace {

std::vector<TDamToolCommand>& Commands()
{
    static std::vector<TDamToolCommand> commands;
    return commands;
}

int Usage()
{
    std::cerr << "usage: damtool COMMAND ARGUMENTS\n";
    for (const TDamToolCommand& c : Commands())
        std::cerr << "  damtool " << c.Name << " " << c.Arguments << "\n      " << c.Description << "\n";
    return ExitUsage;
}

}  // namespace

bool RegisterDamToolCommand(const TDamToolCommand& command)
{
    Commands().push_back(command);
    return true;
}

bool ReadModelFile(const std::string& fileName, TParametres& model)
{
    TDamFileHostHeadless host;
    LectureFichier1_0(host, String(fileName));
    for (const String& warning : host.Warnings) std::cerr << warning << "\n";
    if (!host.ProceedFlag()) return false;
    model = host.Model;
    return true;
}

// Lift joints are kept by elevation, highest first (joint 1 the highest): a model out of that
// order is a fault of the tool that made it and is not written.
bool WriteModelFile(const std::string& fileName, TParametres& model)
{
    for (int j = 1; j < model.NJoints; ++j)
        if (model.Joint.Elev[j] <= model.Joint.Elev[j + 1]) {
            std::cerr << "Lift joint " << j + 1 << " is not below lift joint " << j << ": " << fileName
                      << " is not written\n";
            return false;
        }
    if (SaveModelFile(String(fileName), model)) return true;
    std::cerr << "Cannot write " << fileName << "\n";
    return false;
}

int main(int argc, char** argv)
{
    if (argc < 2) return Usage();
    for (const TDamToolCommand& c : Commands())
        if (std::strcmp(argv[1], c.Name) == 0) return c.Run(TDamToolArgs(argv + 2, argv + argc));
    std::cerr << "damtool: unknown command " << argv[1] << "\n";
    return Usage();
}
