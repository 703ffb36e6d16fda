#pragma once
// The applied-forces dialogs' rules, apart from their windows: the list lines, the force
// locations with the coordinate each derives from the section, and the list's edits on the copy.
#include <vector>

#include "engine/Unites.h"
#include "platform/rtl/UString.h"

// "(x:%8.3f, el:%8.3f) (H:%8.1f, V:%8.1f)"
String ForceLine(const TForce& force);

// The choices of the force editor's location group, in their order.
enum TForceLocation { flUpstreamFace, flCrest, flDownstreamFace, flUserDefined };

// What a location does to the editor's two coordinate fields.  Bounds equal to each other mean
// none.
struct TForceLocationFields {
    bool ElevationEnabled = true;
    double ElevationMin = 0, ElevationMax = 0;
    bool PositionEnabled = true;
    double PositionMin = 0, PositionMax = 0;
    bool ElevationIsCrest = false;   // the elevation field shows G
    bool FocusOnPosition = false;
};
TForceLocationFields ForceLocationFields(TForceLocation location, const TDimension& dim);

// x of the upstream face at an elevation: 0 up to C, the straight face to (L2, E), L2 above E.
double UpstreamFaceX(const TDimension& dim, double elevation);

// The coordinate the location derives for the force (on the crest the elevation, on a face the
// position); nothing at a user-defined location.
void DeriveForceCoordinate(TForceLocation location, const TDimension& dim, TForce& force);

// The editor refuses a force without components with this message.
extern const char* const ForceIsZeroMessage;
inline bool IsZeroForce(const TForce& force) { return force.HorForce == 0 && force.VertForce == 0; }

// The list dialog's edits of its copy: the array is replaced (never changed in place while it
// may be shared), and NForces, Force.count and the array's length stay equal.
class TForcesRules {
public:
    explicit TForcesRules(TParametres& model) : FModel(model) {}

    // The list's lines, one per force.
    std::vector<String> Lines() const;
    void Add(const TForce& force);
    void Replace(Integer index, const TForce& force);
    // Keeps the forces whose line is not selected, in order.
    void Remove(const std::vector<bool>& selected);
    // OK: the forces flag by count, and the results no longer valid.
    void ApplyOk();

private:
    void SetForces(const DynArray<TForce>& forces);
    TParametres& FModel;
};
