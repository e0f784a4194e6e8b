#include "model/airfoil.h"

#include "model/parse.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <numbers>

namespace tv {
namespace {

constexpr int kCamberStations = 400; // cosine-spaced stations of a camber line made here

double thetaOf(double x) { return std::acos(std::clamp(1.0 - 2.0 * x, -1.0, 1.0)); }

/// x of station i of n + 1 cosine-spaced stations from 0 to 1.
double cosineStation(int i, int n) { return (1.0 - std::cos(std::numbers::pi * i / n)) / 2.0; }

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

std::string_view trimmed(std::string_view s) {
    while (!s.empty() && isBlank(s.front())) s.remove_prefix(1);
    while (!s.empty() && isBlank(s.back())) s.remove_suffix(1);
    return s;
}

/// The lines of a text, ending in LF, CR LF or CR.
std::vector<std::string_view> splitLines(std::string_view text) {
    std::vector<std::string_view> lines;
    size_t start = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\n' && text[i] != '\r') continue;
        lines.push_back(text.substr(start, i - start));
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
        start = i + 1;
    }
    if (start < text.size()) lines.push_back(text.substr(start));
    return lines;
}

/// Two blank-separated numbers filling the line, or nothing.
std::optional<std::pair<double, double>> numberPair(std::string_view line) {
    line = trimmed(line);
    size_t gap = 0;
    while (gap < line.size() && !isBlank(line[gap])) ++gap;
    const auto x = parseStrictReal(line.substr(0, gap));
    const auto y = parseStrictReal(trimmed(line.substr(gap)));
    if (!x || !y) return std::nullopt;
    return std::pair{*x, *y};
}

struct Point {
    double x, z;
    int line;
};
using Surface = std::vector<Point>;

/// Points with the same x as the one before are dropped (a doubled leading-edge point); x must
/// not fall. Returns the line of the first point out of order, 0 when the surface is in order.
int orderedSurface(Surface& s) {
    Surface out;
    for (const Point& p : s) {
        if (!out.empty() && p.x < out.back().x) return p.line;
        if (!out.empty() && p.x == out.back().x) continue;
        out.push_back(p);
    }
    s = std::move(out);
    return 0;
}

double interpolate(const Surface& s, double x) {
    const auto hi = std::lower_bound(s.begin(), s.end(), x, [](const Point& p, double v) { return p.x < v; });
    if (hi == s.begin()) return hi->z;
    if (hi == s.end()) return s.back().z;
    const Point& a = *(hi - 1);
    const double f = (x - a.x) / (hi->x - a.x);
    return a.z + f * (hi->z - a.z);
}

/// The camber line half-way between the surfaces at cosine-spaced x over their common extent,
/// scaled so that the chord runs from 0 to 1.
CamberLine camberOf(const Surface& upper, const Surface& lower) {
    const double x0 = std::max(upper.front().x, lower.front().x);
    const double x1 = std::min(upper.back().x, lower.back().x);
    const double chord = x1 - x0;
    CamberLine c;
    for (int i = 0; i <= kCamberStations; ++i) {
        const double x = x0 + chord * cosineStation(i, kCamberStations);
        c.emplace_back((x - x0) / chord, (interpolate(upper, x) + interpolate(lower, x)) / 2.0 / chord);
    }
    return c;
}

Airfoil failed(Airfoil a, AirfoilError e, int line) {
    a.Error = e, a.Line = line;
    return a;
}

/// Lednicer's layout: the first pair holds the point counts of the two surfaces.
bool isCountLine(const Point& p) {
    return p.x >= 2 && p.z >= 2 && p.x == std::floor(p.x) && p.z == std::floor(p.z);
}

/// Counts that the points after them can hold (a count beyond them is not converted at all).
bool countsFit(const Point& p, size_t points) { return p.x + p.z <= double(points); }

} // namespace

AirfoilCoefficients thinAirfoil(const CamberLine& camber) {
    double a0 = 0, cm = 0;
    for (size_t k = 0; k + 1 < camber.size(); ++k) {
        const auto [xa, za] = camber[k];
        const auto [xb, zb] = camber[k + 1];
        if (!(xb > xa)) continue;
        const double slope = (zb - za) / (xb - xa);
        const double ta = thetaOf(xa), tb = thetaOf(xb);
        a0 += slope * ((std::sin(tb) - tb) - (std::sin(ta) - ta));
        cm += slope * ((std::sin(2 * tb) / 2 - std::sin(tb)) - (std::sin(2 * ta) / 2 - std::sin(ta)));
    }
    return {-a0 / std::numbers::pi * 180.0 / std::numbers::pi, cm / 2.0};
}

std::optional<CamberLine> nacaFourDigitCamber(std::string_view name, int points) {
    name = trimmed(name);
    if (name.size() >= 4) {
        std::string head(name.substr(0, 4));
        std::transform(head.begin(), head.end(), head.begin(), [](unsigned char c) { return std::tolower(c); });
        if (head == "naca") name = trimmed(name.substr(4));
    }
    if (name.size() != 4 || !std::all_of(name.begin(), name.end(), [](unsigned char c) { return std::isdigit(c); }))
        return std::nullopt;
    const double m = (name[0] - '0') / 100.0, p = (name[1] - '0') / 10.0;
    if (points < 2) points = 2;
    CamberLine c;
    for (int i = 0; i <= points; ++i) {
        const double x = cosineStation(i, points);
        double z = 0;
        if (m > 0 && p > 0 && x < p) z = m / (p * p) * (2 * p * x - x * x);
        else if (m > 0) z = m / ((1 - p) * (1 - p)) * ((1 - 2 * p) + 2 * p * x - x * x);
        c.emplace_back(x, z);
    }
    return c;
}

std::optional<AirfoilCoefficients> nacaFourDigit(std::string_view name) {
    const auto camber = nacaFourDigitCamber(name, kCamberStations);
    if (!camber) return std::nullopt;
    return thinAirfoil(*camber);
}

Airfoil airfoilFromCoordinates(std::string_view text) {
    Airfoil a;
    const std::vector<std::string_view> lines = splitLines(text);
    size_t i = 0;
    while (i < lines.size() && trimmed(lines[i]).empty()) ++i;
    if (i < lines.size()) a.Name = std::string(trimmed(lines[i++]));
    Surface points;
    for (; i < lines.size(); ++i) {
        if (trimmed(lines[i]).empty()) continue;
        const auto pair = numberPair(lines[i]);
        if (!pair) return failed(a, AirfoilError::NotNumeric, int(i) + 1);
        points.push_back({pair->first, pair->second, int(i) + 1});
    }
    if (points.empty()) return failed(a, AirfoilError::Empty, 0);
    Surface upper, lower;
    if (isCountLine(points.front())) {
        if (!countsFit(points.front(), points.size() - 1)) return failed(a, AirfoilError::SingleSurface, 0);
        const size_t nu = size_t(points.front().x), nl = size_t(points.front().z);
        upper.assign(points.begin() + 1, points.begin() + 1 + long(nu));
        lower.assign(points.begin() + 1 + long(nu), points.begin() + 1 + long(nu + nl));
    } else {
        const auto le = std::min_element(points.begin(), points.end(),
                                         [](const Point& p, const Point& q) { return p.x < q.x; });
        if (le == points.begin() || le + 1 == points.end()) return failed(a, AirfoilError::SingleSurface, 0);
        upper.assign(std::make_reverse_iterator(le + 1), points.rend());
        lower.assign(le, points.end());
    }
    for (Surface* s : {&upper, &lower})
        if (const int line = orderedSurface(*s)) return failed(a, AirfoilError::OutOfOrder, line);
    if (upper.size() < 2 || lower.size() < 2) return failed(a, AirfoilError::SingleSurface, 0);
    const double x0 = std::max(upper.front().x, lower.front().x), x1 = std::min(upper.back().x, lower.back().x);
    if (!(x1 > x0) || !std::isfinite(x1 - x0)) return failed(a, AirfoilError::SingleSurface, 0);
    a.Coefficients = thinAirfoil(camberOf(upper, lower));
    // Coordinates near the largest numbers overflow on the way: no airfoil comes of them.
    if (!std::isfinite(a.Coefficients.Alpha0Deg) || !std::isfinite(a.Coefficients.Cm0))
        return failed(a, AirfoilError::NotNumeric, 0);
    return a;
}

} // namespace tv
