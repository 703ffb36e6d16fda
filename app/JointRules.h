#pragma once
// The lift-joints dialog's rules, apart from its window: joints generated in series or created
// one at a time, removed from the list, kept sorted highest first with the crack lengths and the
// analyses' joint marks that belong to them, and OK with the base joint rebuilt.
#include <vector>

#include "engine/Unites.h"
#include "platform/rtl/UString.h"

// The start, end and increment of a generation of joints.
struct TGenerationRange {
    double Start = 0, End = 0, Increment = 0;
};
// The last range generated in this run of the program; the dialog's fields open with it.
extern TGenerationRange LastGenerationRange;

enum TJointCreation { jcCreated, jcDuplicate, jcOutsideDam };
// "Lift joint is not within dam!"
extern const char* const JointNotWithinDamMessage;

// A generation gives at most this many elevations; a range and increment that would give more (a
// mistyped increment) are refused with TooManyJointsMessage rather than filling the memory.
constexpr Integer MaxGeneratedJoints = 2000;
extern const char* const TooManyJointsMessage;

// A list line: the elevation formatted "%9.3f   " followed by the material's name.
String JointLine(double elevation, const String& materialName);

class TJointRules {
public:
    // Keeps the base joint's crack lengths, given back on OK, and the ids of the materials the
    // two material lists offer (materials 1 and up; the base joint's material is not offered).
    explicit TJointRules(TParametres& model);

    // The names of the materials offered, in list order.
    std::vector<String> MaterialNames() const;
    // One line per lift joint, joint 1 (the highest) first.
    std::vector<String> Lines() const;

    // Joints every increment from the start up to the end (half an increment of slack) with the
    // angle and the material at that list position; nothing unless increment > 0, end > start and
    // increment <= end - start.  An elevation already present (at three decimals), at or below
    // both base corners or at or above the crest is skipped.  False (nothing generated) when the
    // range holds more than MaxGeneratedJoints elevations.
    bool Generate(const TGenerationRange& range, double angle, Integer materialPosition);
    // One joint; a duplicate elevation or one outside the dam is refused.
    TJointCreation Create(double elevation, double angle, Integer materialPosition);
    // Removes the joints whose line is selected; the joints below move up.
    void Remove(const std::vector<bool>& selected);
    // OK: the joints flag by count, the results no longer valid, the base joint's crack lengths
    // given back, the drains' per-joint effectiveness emptied, the base joint rebuilt.
    void ApplyOk();

private:
    struct TRow {
        double Elev, Material, Angle, CrackUp, CrackDown, OutputJoint, IncrementJoint;
    };
    std::vector<TRow> ExistingRows() const;
    bool OutsideDam(double elevation) const;
    // The joints of the model from the rows, which are sorted highest first when asked.
    void Rebuild(std::vector<TRow> rows, bool sort);

    TParametres& FModel;
    double FBaseCrackUp = 0, FBaseCrackDown = 0;
    std::vector<Integer> FComboMaterialIds;   // the id of the material at each list position
};
