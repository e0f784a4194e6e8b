#include "views/view3d.h"

#include "views/wing_outline.h"

#include <algorithm>
#include <cmath>

namespace tv {
namespace {

constexpr double kDegree = 0.017453292519943295769;

Matrix4 identity() {
    Matrix4 m{};
    for (int i = 0; i < 4; ++i) m[i][i] = 1;
    return m;
}

void setPoint(Point3D& p, double X, double Y, double Z) {
    p.X = X;
    p.Y = Y;
    p.Z = Z;
}

void drawWing(QPainter& p, const PointTable3D& t, int w, int trapezia, QSize image) {
    auto at = [&](int s, bool left, bool te) {
        return screenPoint(t.points[PointTable3D::cornerIndex(w, s, left, te)], image);
    };
    setPen(p, wingColour(w));
    for (bool left : {false, true})
        p.drawPolyline(QPolygon{at(1, left, false), at(2, left, false), at(2, left, true), at(1, left, true),
                                at(1, left, false)});
    for (int k = 2; k <= trapezia; ++k)
        for (bool left : {false, true})
            p.drawPolyline(QPolygon{at(k, left, false), at(k + 1, left, false), at(k + 1, left, true),
                                    at(k, left, true)});
}

void drawAxesAndArrow(QPainter& p, const PointTable3D& t, QSize image) {
    auto at = [&](int i) { return screenPoint(t.points[i], image); };
    setPen(p, Qt::black);
    p.drawLine(at(PointTable3D::kAxisSpan), at(PointTable3D::kAxisSpan + 1));
    p.drawLine(at(PointTable3D::kAxisFuselage), at(PointTable3D::kAxisFuselage + 1));
    setPen(p, Qt::red);
    const QPoint tip = at(PointTable3D::kArrowTip);
    p.drawLine(at(PointTable3D::kArrowTail), tip);
    p.drawPolyline(QPolygon{at(PointTable3D::kBarbSide1), tip, at(PointTable3D::kBarbSide2)});
    p.drawPolyline(QPolygon{at(PointTable3D::kBarbUp), tip, at(PointTable3D::kBarbDown)});
}

void drawStalksAndMesh(QPainter& p, const PressurePoints3D& pts, int wingCount, QSize image) {
    auto at = [&](int i) { return screenPoint(pts.points[i], image); };
    setPen(p, QColor(200, 200, 200));
    for (int i = 0; i + 1 < pts.count; i += 2) p.drawLine(at(i), at(i + 1));
    setPen(p, QColor(0, 255, 0), 1);
    const int last = std::clamp(wingCount, 0, kWingMax);
    for (int w = 1; w <= last; ++w)
        for (int s = 1; s <= pts.strips[w]; ++s)
            for (int k = 1; k < pts.rows[w]; ++k)
                p.drawLine(at(pts.baseIndex(w, s, k) + 1), at(pts.baseIndex(w, s, k + 1) + 1));
    for (int w = 1; w <= last; ++w)
        for (int s = 1; s < pts.strips[w]; ++s)
            for (int k = 1; k <= pts.rows[w]; ++k)
                p.drawLine(at(pts.baseIndex(w, s, k) + 1), at(pts.baseIndex(w, s + 1, k) + 1));
}

} // namespace

Matrix4 MulMatrix(const Matrix4& A, const Matrix4& B) {
    Matrix4 C{};
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c) {
            double sum = 0;
            for (int k = 0; k < 4; ++k) sum += A[r][k] * B[k][c];
            C[r][c] = sum;
        }
    return C;
}

Matrix4 viewMatrix(double elevationDeg, double azimuthDeg) {
    const double a = azimuthDeg * kDegree, e = elevationDeg * kDegree;
    Matrix4 Rz = identity();
    Rz[0] = {std::cos(a), std::sin(a), 0, 0};
    Rz[1] = {-std::sin(a), std::cos(a), 0, 0};
    Matrix4 Rx = identity();
    Rx[1] = {0, std::cos(e), std::sin(e), 0};
    Rx[2] = {0, -std::sin(e), std::cos(e), 0};
    Matrix4 T = identity(); // the view centre is the origin: last row (-0, -0, -0, 1)
    Matrix4 P = identity();
    P[1][3] = 1.0 / 10000.0;
    return MulMatrix(MulMatrix(MulMatrix(Rz, Rx), T), P);
}

void projectPoints(const Matrix4& M, Point3D* points, int count) {
    for (int i = 0; i < count; ++i) {
        Point3D& pt = points[i];
        const double in[4] = {pt.X, pt.Y, pt.Z, 1.0};
        double out[4] = {0, 0, 0, 0};
        for (int c = 0; c < 4; ++c)
            for (int k = 0; k < 4; ++k) out[c] += in[k] * M[k][c];
        if (out[3] > 0) {
            pt.u = out[2] / out[3];
            pt.v = out[0] / out[3];
        }
    }
}

QPoint screenPoint(const Point3D& pt, QSize image) {
    return {image.width() / 2 - truncPixel(pt.v), image.height() / 2 - truncPixel(pt.u)};
}

double view3DScaleForZoom(int position, double aircraftScale) {
    const double s = (100 - position) * aircraftScale * 0.04;
    return s > 0 ? s : 0.0001;
}

void buildPointTable3D(const Aircraft& ac, double scale, PointTable3D& t) {
    for (int w = 1; w <= kWingMax; ++w) {
        const Wing& wing = ac.Wings[w];
        for (int s = 1; s <= kSectionMax; ++s) {
            const double y = double(wing.SectionY[s]);
            const double le = wing.PositionX + sectionLeadingEdge(wing, s);
            const double te = le + wing.Chord[s];
            const double z = wing.PositionZ;
            setPoint(t.points[PointTable3D::cornerIndex(w, s, false, false)], y * scale, le * scale, z * scale);
            setPoint(t.points[PointTable3D::cornerIndex(w, s, false, true)], y * scale, te * scale, z * scale);
            setPoint(t.points[PointTable3D::cornerIndex(w, s, true, false)], -y * scale, le * scale, z * scale);
            setPoint(t.points[PointTable3D::cornerIndex(w, s, true, true)], -y * scale, te * scale, z * scale);
        }
    }
    setPoint(t.points[PointTable3D::kAxisSpan], 4000, 0, 0);
    setPoint(t.points[PointTable3D::kAxisSpan + 1], -4000, 0, 0);
    setPoint(t.points[PointTable3D::kAxisFuselage], 0, 4000, 0);
    setPoint(t.points[PointTable3D::kAxisFuselage + 1], 0, -4000, 0);
    setPoint(t.points[PointTable3D::kArrowTip], 20, -100, 2);
    setPoint(t.points[PointTable3D::kArrowTail], 20, -64, 2);
    setPoint(t.points[PointTable3D::kBarbSide1], 22, -91, 2);
    setPoint(t.points[PointTable3D::kBarbSide2], 18, -90, 2);
    setPoint(t.points[PointTable3D::kBarbUp], 20, -91, 4);
    setPoint(t.points[PointTable3D::kBarbDown], 20, -90, 0);
}

void buildPressurePoints3D(const SolverWorkspace& ws, int wingCount, int gain, double scale, PressurePoints3D& pts) {
    int n = 0;
    pts.strips.fill(0);
    pts.rows.fill(0);
    const int last = std::clamp(wingCount, 0, kWingMax);
    for (int w = 1; w <= last; ++w) {
        int strips = std::clamp(ws.SpanwiseStrips[w], 0, ws.Shape.strips[w]);
        const int rows = std::clamp(ws.ChordwisePanels[w], 0, std::max(ws.Shape.rows[w] - 2, 0));
        if (rows > 0) strips = std::min(strips, (PressurePoints3D::kCapacity - 1 - n) / (2 * rows));
        pts.firstPoint[w] = n;
        pts.strips[w] = rows > 0 ? strips : 0;
        pts.rows[w] = rows;
        const double z = ws.SolverWingZ[w];
        for (int s = 1; s <= pts.strips[w]; ++s)
            for (int k = 1; k <= rows; ++k) {
                const double y = ws.StripYMid(s, w), x = ws.ControlX(k, s, w);
                setPoint(pts.points[n++], y * scale, x * scale, z * scale);
                setPoint(pts.points[n++], y * scale, x * scale, (z + gain * ws.PanelLoad3D(k, s, w)) * scale);
            }
    }
    pts.count = n;
}

void Trans(const Matrix4& M, PointTable3D& table) { projectPoints(M, table.points.data(), PointTable3D::kUsed); }

void Trans2(const Matrix4& M, PressurePoints3D& pts) { projectPoints(M, pts.points.get(), pts.count); }

Matrix4 Calc3D(double elevationDeg, double azimuthDeg, View3DState& state, bool withPressure) {
    const Matrix4 M = viewMatrix(elevationDeg, azimuthDeg);
    Trans(M, state.table);
    if (withPressure) Trans2(M, state.pressure);
    return M;
}

void d_3d(QPainter& p, QSize image, const View3DScene& sc, View3DState& st) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing, false);
    clearImage(p, image, sc.colours.toolTipBackground, kGreyOutline);
    if (sc.aircraft == nullptr) {
        p.restore();
        return;
    }
    const Aircraft& ac = *sc.aircraft;
    buildPointTable3D(ac, sc.View3DScale, st.table);
    // Loads are shown only for a lattice that belongs to the current model.
    const bool loads = sc.pressureOn && sc.LatticeKnown && sc.solver != nullptr && sc.solver->PanelTotal > 0;
    st.pressure.count = 0;
    if (loads) buildPressurePoints3D(*sc.solver, ac.WingCount, sc.gain, sc.View3DScale, st.pressure);
    Calc3D(sc.elevationDeg, sc.azimuthDeg, st, loads);
    drawAxesAndArrow(p, st.table, image);
    for (int w = 1; w <= std::clamp(ac.WingCount, 1, kWingMax); ++w)
        drawWing(p, st.table, w, drawnTrapezia(ac.Wings[w]), image);
    if (loads && sc.NeutralPointKnown) drawStalksAndMesh(p, st.pressure, ac.WingCount, image);
    p.restore();
}

} // namespace tv
