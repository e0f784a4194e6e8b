#pragma once
// The 3D view: a wire-frame perspective of all wings, turned by elevation and azimuth, with the
// panel loads as stalks and a mesh over their tops while the pressure display is on.
// Model frame of this view: X = span y (right half positive), Y = x along the fuselage (aft
// positive), Z = height z. Points are row vectors [X, Y, Z, 1] multiplied from the left.
#include "solver/workspace.h"
#include "views/view_common.h"

#include <QPainter>
#include <QSize>

#include <array>
#include <memory>

namespace tv {

using Matrix4 = std::array<std::array<double, 4>, 4>;

/// A model point and its projection (u up, v across, in scaled units).
struct Point3D {
    double X = 0, Y = 0, Z = 0, u = 0, v = 0;
};

/// Element [r][c] = sum over k of A[r][k] * B[k][c].
Matrix4 MulMatrix(const Matrix4& A, const Matrix4& B);

/// Rz(azimuth) * Rx(elevation) * T (view centre at the origin) * P (eye 10000 units away), angles
/// in degrees.
Matrix4 viewMatrix(double elevationDeg, double azimuthDeg);

/// Projects count points: [X', Y', Z', W'] = [X, Y, Z, 1] * M; where W' > 0, u = Z'/W' and
/// v = X'/W'; a point with W' <= 0 keeps its previous u and v.
void projectPoints(const Matrix4& M, Point3D* points, int count);

/// Screen pixel of a projected point: (W/2 - trunc(v), H/2 - trunc(u)), halves truncated.
QPoint screenPoint(const Point3D& pt, QSize image);

/// Elevation e = 90 - ScrollBar1 position, azimuth a = 360 - ScrollBar2 position, degrees.
inline double elevationFromBar(int position) { return 90 - position; }
inline double azimuthFromBar(int position) { return 360 - position; }
/// View3DScale of the zoom bar (10..97): (100 - position) * AircraftScale * 0.04, 0.0001 when not positive.
double view3DScaleForZoom(int position, double aircraftScale);

/// The 131 points of the wire frame. Wing corners at cornerIndex; axes and arrow after them.
struct PointTable3D {
    static constexpr int kCapacity = 131;
    static constexpr int kAxisSpan = 100, kAxisFuselage = 102; // two points each (start, end)
    static constexpr int kArrowTip = 104, kArrowTail = 105, kBarbSide1 = 106, kBarbSide2 = 107,
                         kBarbUp = 108, kBarbDown = 109, kUsed = 110;
    /// Corner of wing w (1..5), section s (1..5), right or left half, leading or trailing edge.
    static int cornerIndex(int w, int s, bool left, bool trailing) {
        return (w - 1) * 20 + (s - 1) * 4 + (left ? 2 : 0) + (trailing ? 1 : 0);
    }
    std::array<Point3D, kCapacity> points{};
};

/// Fills the model coordinates of the table for all five wings (lengths times scale) and the
/// unscaled axes and arrow; u and v are kept.
void buildPointTable3D(const Aircraft& ac, double scale, PointTable3D& table);

/// Base and top of a stalk on every panel of wings 1..WingCount: wing, strip, row order, base first.
struct PressurePoints3D {
    static constexpr int kCapacity = 2 * kPanelLimit + 1;
    PressurePoints3D() : points(new Point3D[kCapacity]()) {}
    std::unique_ptr<Point3D[]> points;
    int count = 0;                                 // points in use (2 per panel)
    std::array<int, kWingMax + 1> firstPoint{};    // [w] index of wing w's first base point
    std::array<int, kWingMax + 1> strips{}, rows{}; // [w] lattice size the table was built for
    int baseIndex(int w, int s, int k) const { return firstPoint[w] + ((s - 1) * rows[w] + (k - 1)) * 2; }
};

/// Fills the table from the lattice: base (StripYMid, ControlX, SolverWingZ) and top with
/// height + gain * PanelLoad3D, both times scale. A lattice larger than the table is cut off at
/// the table's capacity.
void buildPressurePoints3D(const SolverWorkspace& ws, int wingCount, int gain, double scale, PressurePoints3D& pts);

struct View3DScene {
    const Aircraft* aircraft = nullptr;      // computed model
    const SolverWorkspace* solver = nullptr; // lattice and loads (may be null)
    double View3DScale = 1;
    double elevationDeg = 10, azimuthDeg = 110;
    bool pressureOn = false;                 // CheckBoxA checked
    bool NeutralPointKnown = false, LatticeKnown = false;
    int gain = 8;
    SystemColours colours;
};

/// The point tables persist between drawings: a point that cannot be projected keeps its last
/// screen position. Make one and keep it with the window.
struct View3DState {
    PointTable3D table;
    PressurePoints3D pressure;
};

/// Trans: projects the wire frame's points; Trans2: the stalk points in use.
void Trans(const Matrix4& M, PointTable3D& table);
void Trans2(const Matrix4& M, PressurePoints3D& pts);
/// Calc3D: builds the view matrix from the angles and projects both tables (the stalk points
/// only when withPressure); returns the matrix.
Matrix4 Calc3D(double elevationDeg, double azimuthDeg, View3DState& state, bool withPressure);

/// d_3d's drawing onto an image of the given size. The lattice overlay on the aircraft view,
/// which d_3d also redraws while the pressure display is on, is the caller's (DrawGrid).
void d_3d(QPainter& p, QSize image, const View3DScene& scene, View3DState& state);

} // namespace tv
