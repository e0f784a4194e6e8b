#pragma once
// INDU: vertical velocity of a unit horseshoe vortex (Biot-Savart), without the factor 1/(4 pi).
#include <cmath>

namespace tv {

struct Vec3 {
    double x, y, z;
};

/// The same as INDU(a, b) on the components, for loops the compiler can vectorise.
/// a = C - A and b = C - B (mm) for the horseshoe +inf -> A -> B -> +inf and the point C.
/// Round-off makes a point on the line of the bound segment give a cross product of 1e-24..1e-32
/// instead of 0, whose inverse would be a huge wrong term: the bound segment is therefore left
/// out when |r0 x a|^2 <= 1e-20 |r0|^2 |a|^2 (sine of the angle below 1e-10). A point straight
/// behind a corner (a.y = a.z = 0) uses 1e-34 for a.y^2 + a.z^2; its leg term is 0 either way.
/// A point on a corner itself (a = 0) contributes no bound term and no leg term of that corner.
inline double induComponents(double ax, double ay, double az, double bx, double by, double bz) {
    const double rx = bx - ax, ry = by - ay, rz = bz - az; // r0 = A - B
    const double a2 = ax * ax + ay * ay + az * az;
    const double b2 = bx * bx + by * by + bz * bz;
    // Selects are on operands, never around a division, so the loops over panels vectorise.
    const double iaAny = 1.0 / std::sqrt(a2 > 0 ? a2 : 1.0), ibAny = 1.0 / std::sqrt(b2 > 0 ? b2 : 1.0);
    const double ia = a2 > 0 ? iaAny : 0.0; // 1/|a|
    const double ib = b2 > 0 ? ibAny : 0.0; // 1/|b|
    const double sa = rx * ax + ry * ay + rz * az;
    const double sb = rx * bx + ry * by + rz * bz;
    const double qx = ry * az - rz * ay, qy = rz * ax - rx * az, qz = rx * ay - ry * ax; // r0 x a
    const double Q = qx * qx + qy * qy + qz * qz;
    const double r2 = rx * rx + ry * ry + rz * rz;
    const bool offLine = Q > 1e-20 * r2 * a2;
    const double FAny = (sa * ia - sb * ib) / (offLine ? Q : 1.0);
    const double F = offLine ? FAny : 0.0; // bound segment
    const double da = ay * ay + az * az, db = by * by + bz * bz;
    const double Ta = (1.0 + ax * ia) / (da > 0 ? da : 1e-34); // trailing leg from A
    const double Tb = (1.0 + bx * ib) / (db > 0 ? db : 1e-34); // trailing leg to B
    return qz * F - ay * Ta + by * Tb;
}

/// INDU(a, b): z-velocity at C of the unit horseshoe +inf -> A -> B -> +inf, a = C - A,
/// b = C - B (mm); positive circulation gives downwash (negative) behind the bound segment:
/// A = (0, -1, 0), B = (0, 1, 0), C = (1, 0, 0) gives -4.828.
inline double INDU(const Vec3& a, const Vec3& b) { return induComponents(a.x, a.y, a.z, b.x, b.y, b.z); }

} // namespace tv
