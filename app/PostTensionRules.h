#pragma once
// The post-tensioning dialog's rules, apart from its window: the checks of the two anchor
// fields, the downstream anchor's position on the face, and what OK writes into the copy.
#include "engine/Unites.h"
#include "platform/rtl/UString.h"

// The fields of the dialog as OK reads them.
struct TPostTensionEntries {
    double Tension = 0, Position = 0, Tension2 = 0, Angle = 0, Elev = 0;
    TPostTensionType Type = ptActive;
};

class TPostTensionRules {
public:
    explicit TPostTensionRules(TParametres& model) : FModel(model) {}

    // Leaving the crest cable's distance from the upstream side of the crest: a distance beyond
    // the crest width L4 is refused with this message (empty when accepted); the field shows 0.
    String CheckCrestCable(double position) const;
    // Leaving the downstream anchor's elevation: it must lie strictly between the toe (B) and
    // the crest (G); otherwise this message (empty when accepted) and the field shows B.
    String CheckDownstreamAnchor(double elevation) const;

    // OK: the cables into the copy with the downstream anchor's x on the face, the
    // post-tensioning flag (a cable with a positive tension), and the results no longer valid.
    void ApplyOk(const TPostTensionEntries& entries);

private:
    TParametres& FModel;
};

// x of the point of the downstream face at an elevation: the vertical part above the toe up to
// D, then the straight faces (D, L1)-(F, L2 + L3) and (F, L2 + L3)-(G, L2 + L4).
double DownstreamFaceX(const TDimension& dim, double elevation);
