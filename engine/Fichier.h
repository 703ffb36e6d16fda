#pragma once
// The ".dam" model file: a binary little-endian stream without tags, written group by
// group in a fixed order after an 8-byte version head. Files of older program versions
// are read through version gates that supply defaults for the groups they lack.
#include <functional>
#include <string>
#include <vector>

#include "engine/Unites.h"
#include "platform/rtl/UString.h"

// What the model-file reader needs from the main window: the open documents (each
// captioned with the full file name of its model), the current model, the proceed flag,
// the running program's version and warning boxes.
class IDamFileHost {
public:
    virtual ~IDamFileHost() = default;
    virtual int DocumentCount() const = 0;
    virtual String DocumentCaption(int index) const = 0;
    virtual TParametres& CurrentModel() = 0;
    virtual bool ProceedFlag() const = 0;
    virtual void SetProceedFlag(bool value) = 0;
    virtual TProgramVersion ProgramVersion() const = 0;
    // A warning box with an OK button.
    virtual void ShowWarning(const String& message) = 0;
};

// A host without windows: documents are given as file names, warnings are collected.
class TDamFileHostHeadless : public IDamFileHost {
public:
    std::vector<String> Documents;
    TParametres Model;
    bool Proceed = false;
    std::vector<String> Warnings;

    int DocumentCount() const override { return static_cast<int>(Documents.size()); }
    String DocumentCaption(int index) const override { return Documents[static_cast<size_t>(index)]; }
    TParametres& CurrentModel() override { return Model; }
    bool ProceedFlag() const override { return Proceed; }
    void SetProceedFlag(bool value) override { Proceed = value; }
    TProgramVersion ProgramVersion() const override { return CurrentProgramVersion; }
    void ShowWarning(const String& message) override { Warnings.push_back(message); }
};

// Largest counts a model file may hold; a file with more is refused as a wrong format.
constexpr Integer MaxFileJoints = 10000;
constexpr Integer MaxFileJointMaterials = 10000;
constexpr Integer MaxFileMasses = 10000;
constexpr Integer MaxFileForces = 10000;
constexpr Integer MaxFileDensityValues = 100000;
// Largest number of simulations of a Monte-Carlo study, the most the input window offers.
constexpr Integer MaxFileSimulations = 10000000;
// Largest number of dam divisions of the pseudo-dynamic method (the input window offers 11
// to 301); more would only make the slice table huge.
constexpr Integer MaxFileDivisions = 10000;

// Clears daChanged in the model, then appends the whole file image of the model to the
// buffer, with the running program's version as head.
void EcritureFichier(std::vector<Byte>& file, TParametres& model);

// Writes the model to the file: the image goes to a temporary file in the same folder that
// replaces the old file only once it is completely written, and the folder is synced so
// that the new file keeps its name. A file the user may not write (no write permission, for
// the superuser too) is not replaced, and a model whose file could not be read again (a
// number that is not finite, a count above its bound …) is not written. Returns false when anything failed; the model then
// keeps daChanged as it was, and the old file is untouched unless only the folder's sync
// failed. When the model holds a value its file cannot keep, refusedField receives the
// field's path ("ChopraC.Alpha", "UserDefinedPDF.elem[3]"), empty where no one field is at fault.
bool SaveModelFile(const String& fileName, TParametres& model, String* refusedField = nullptr);

// Reads the file into the host's current model, or shows why not; sets the proceed flag
// at its start and clears it on every failure, leaving the current model unchanged.
void LectureFichier1_0(IDamFileHost& host, const String& fileName);

// Every field the file stores, as "path" and "value" text in file order ("Dim.Elev.A",
// "100"; "Joint.Elev[1]", "180"): numbers in their shortest exact form, Booleans as true
// or false, enumerations as ordinals, texts quoted.
void ListModelFields(const TParametres& model,
                     const std::function<void(const std::string& path, const std::string& value)>& out);
