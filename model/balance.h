#pragma once
// The designer's own balance data as the window holds it: the "My CG" entry and the rows of the
// weight-and-balance table. Kept as the typed texts, like the wing fields, so that a mistyped
// entry is reported (stability/balance.h) and saved as typed, never silently read as 0.
#include <string>
#include <vector>

namespace tv {

/// The weight-and-balance table holds at most this many rows.
inline constexpr int kBalanceRowMax = 30;

/// How the "My CG" entry is given.
enum class CgInput {
    AircraftFrame, // mm, x of the aircraft frame
    BehindRootLe,  // mm behind the reference wing's root leading edge
    PercentMac     // % of the reference wing's mean aerodynamic chord, from the chord's leading edge
};

/// One row of the table: item name, mass in g, x in mm (aircraft frame), each as typed.
struct BalanceRowTexts {
    std::string Name, Mass, X;
    bool operator==(const BalanceRowTexts&) const = default;
};

struct BalanceTexts {
    std::string MyCg;                          // the "My CG" entry, as typed; "" when not given
    CgInput MyCgInput = CgInput::AircraftFrame;
    bool MyCgFromTable = false;                // "My CG" follows the CG of the table's masses
    std::vector<BalanceRowTexts> Rows;         // at most kBalanceRowMax
    bool operator==(const BalanceTexts&) const = default;
    /// Nothing entered: a project with empty balance data stores no balance block.
    bool empty() const { return *this == BalanceTexts{}; }
};

} // namespace tv
