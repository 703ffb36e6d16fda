#include "app/UnitTexts.h"

#include <iterator>

namespace {
struct TUnitPair {
    const char* Metric;
    const char* Imperial;
};
// By TUnitQuantity.
constexpr TUnitPair UnitTable[] = {
    {"m", "ft"},           {"kN", "kip"},         {"kN", "kips"},     {"kN/m", "kip/ft"},
    {"kN/m³", "kip/ft³"},  {"kPa", "ksf"},        {"kg", "lb"},       {"kg/m³", "lb/ft³"},
    {"m/s²", "ft/s²"},     {"MPa", "psi"},        {"m/s", "ft/s"},
};
static_assert(std::size(UnitTable) == uqVelocity + 1);
}  // namespace

String UnitText(TUnites u, TUnitQuantity q)
{
    const TUnitPair& p = UnitTable[q];
    return String(u == US ? p.Imperial : p.Metric);
}
