#pragma once
// Helpers of the parametric-run tests: a scratch folder, text files split into lines, the
// stored inputs of a model, and hosts that stop or fail a run.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <regex>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "analysis/AnalysisRun.h"
#include "analysis/ParametricRun.h"
#include "engine/Fichier.h"
#include "numerics/VEZ_math1.h"
#include "platform/rtl/tests/TempFolder.h"

// A fresh folder for the files of one test, removed afterwards.
using ScratchFolder = TempFolder;

inline std::string ReadBytes(const std::string& fileName)
{
    std::ifstream in(fileName, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// The lines of a file whose every line ends with CR LF; a line end without CR fails.
inline std::vector<std::string> ReadCrLfLines(const std::string& fileName)
{
    const std::string bytes = ReadBytes(fileName);
    std::vector<std::string> lines;
    size_t start = 0;
    while (start < bytes.size()) {
        const size_t end = bytes.find("\r\n", start);
        if (end == std::string::npos) {
            ADD_FAILURE() << fileName << ": text after the last CR LF";
            break;
        }
        lines.push_back(bytes.substr(start, end - start));
        start = end + 2;
    }
    for (const std::string& line : lines)
        EXPECT_EQ(line.find_first_of("\r\n"), std::string::npos) << fileName << ": a line end other than CR LF";
    return lines;
}

// The fields of the numbers written side by side in a line, each `width` characters.
inline std::vector<double> Columns(const std::string& line, size_t width)
{
    EXPECT_EQ(line.size() % width, 0u) << line;
    std::vector<double> values;
    for (size_t at = 0; at + width <= line.size(); at += width)
        values.push_back(std::stod(line.substr(at, width)));
    return values;
}

// The fields of `width` characters in a line that do not match the number pattern of the
// value files: a positive value with `decimals` decimals and a signed exponent of at least
// two digits, a negative one with a minus sign and one decimal less, each followed by a
// blank, or zero as "0.0" filled with blanks.
inline std::vector<std::string> MisshapenNumbers(const std::string& line, size_t width, int decimals)
{
    const std::string d = std::to_string(decimals), e = "E[+-][0-9]{2,} ";
    const std::regex number("[0-9]\\.[0-9]{" + d + "}" + e + "|-[0-9]\\.[0-9]{" + std::to_string(decimals - 1) + "}" + e +
                            "|0\\.0 {" + std::to_string(width - 3) + "}");
    std::vector<std::string> wrong;
    for (size_t at = 0; at < line.size(); at += width)
        if (!std::regex_match(line.substr(at, width), number))
            wrong.push_back(line.substr(at, width));
    return wrong;
}

// Every stored input of the model, as the model file lists them.
inline std::map<std::string, std::string> StoredInputs(const TParametres& model)
{
    std::map<std::string, std::string> fields;
    ListModelFields(model, [&](const std::string& path, const std::string& value) { fields[path] = value; });
    return fields;
}

// The seed as a program start leaves it: 1234 followed by the library's start-up draws.
// Taken before main, when nothing has drawn yet.
inline const Cardinal StartupRandSeed = RandSeed;

// The model after the analysis run, with the random sequence where a program start puts it.
inline TParametres Analysed(TParametres model)
{
    TSilentAnalysisHost host;
    RunAnalysis(model, host);
    RandSeed = StartupRandSeed;
    return model;
}

// A host whose stop button is pressed after `steps` steps.
class StoppingHost : public TSilentLongRunHost {
public:
    explicit StoppingHost(int steps) : FSteps(steps) {}
    void ProcessPendingEvents() override
    {
        if (++Steps == FSteps)
            Proceed = false;
    }
    int Steps = 0;

private:
    int FSteps;
};

// A host whose event processing fails at step `steps`, as an engine failure would.
class FailingHost : public TSilentLongRunHost {
public:
    explicit FailingHost(int steps) : FSteps(steps) {}
    void ProcessPendingEvents() override
    {
        if (++Steps == FSteps)
            throw std::runtime_error("failure in step");
    }
    int Steps = 0;

private:
    int FSteps;
};

// A host that calls Observe after every step, while the model holds that step's values.
class ObservingHost : public TSilentLongRunHost {
public:
    explicit ObservingHost(std::function<void()> observe) : FObserve(std::move(observe)) {}
    void ProcessPendingEvents() override { FObserve(); }

private:
    std::function<void()> FObserve;
};
