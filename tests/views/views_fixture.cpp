#include "views_fixture.h"

#include "files/projectfile.h"
#include "model/planform.h"
#include "solver/calculation.h"

#include <QDir>

#include <map>
#include <stdexcept>

namespace tvtest {

tv::WingTexts wingTexts(const WingSpec& spec) {
    using tv::WingField;
    tv::WingTexts t;
    t.TrapeziumCount = spec.trapezia;
    t[WingField::RootOffset] = std::to_string(spec.rootOffset);
    for (int k = 1; k <= 4; ++k) t[tv::spanField(k)] = std::to_string(spec.span[k]);
    for (int s = 1; s <= 5; ++s) t[tv::chordField(s)] = std::to_string(spec.chord[s]);
    for (int s = 2; s <= 5; ++s) t[tv::xOffsetField(s)] = std::to_string(spec.xOffset[s]);
    t[WingField::PositionX] = std::to_string(spec.positionX);
    t[WingField::PositionZ] = std::to_string(spec.positionZ);
    return t;
}

tv::Wing makeWing(const WingSpec& spec) { return tv::computeWing(wingTexts(spec)); }

tv::Aircraft makeAircraft(int count, const WingSpec* specs, int n) {
    if (n < 0) n = count;
    tv::AircraftTexts t;
    t.WingCount = count;
    for (int w = 1; w <= tv::kWingMax; ++w) t.wings[w] = wingTexts(specs[w <= n ? w - 1 : 0]);
    return tv::computeAircraft(t);
}

QImage blankImage(int w, int h, const QColor& fill) {
    QImage img(w, h, QImage::Format_RGB32);
    img.fill(fill);
    return img;
}

QColor at(const QImage& img, int x, int y) { return QColor(img.pixel(x, y)).toRgb(); }

bool anyPixel(const QImage& img, const QRect& r, const QColor& c) {
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            if (img.rect().contains(x, y) && at(img, x, y) == c) return true;
    return false;
}

tv::AircraftTexts exampleTexts(const std::string& name) {
    const auto file = tv::readProjectFile(std::string(TV_TEST_DATA) + "/../../examples/" + name + ".tv4");
    if (!file.ok()) throw std::runtime_error("cannot read example " + name);
    tv::AircraftTexts texts = tv::defaultAircraftTexts();
    tv::applyProjectTable(file.value, texts);
    return texts;
}

CalculatedAircraft calculatedAircraft(const std::string& name, const tv::AircraftTexts& texts) {
    CalculatedAircraft c{name, tv::computeAircraft(texts), tv::makeSolverWorkspace(), {}};
    tv::runCalculation(c.aircraft, *c.solver, tv::UiLanguage::English);
    if (!tv::resultsUsable(*c.solver)) throw std::runtime_error("aircraft " + name + " does not calculate");
    c.reference = {c.solver->ReferenceArea, c.solver->ReferenceChord, c.solver->NeutralPointX};
    return c;
}

const CalculatedAircraft& startingAircraft(const std::string& name) {
    static std::map<std::string, CalculatedAircraft> done;
    if (const auto it = done.find(name); it != done.end()) return it->second;
    return done.emplace(name, calculatedAircraft(name, exampleTexts(name))).first->second;
}

void keep(const QImage& img, const std::string& name) {
    const QByteArray dir = qgetenv("TV_VIEWS_PNG");
    if (dir.isEmpty() || !QDir(QString::fromLocal8Bit(dir)).exists()) return;
    img.save(QString::fromLocal8Bit(dir) + "/" + QString::fromStdString(name) + ".png");
}

tv::StabilityScene calculatedScene(const CalculatedAircraft& c, tv::UiLanguage lang) {
    tv::StabilityScene scene;
    scene.aircraft = &c.aircraft;
    scene.solver = c.solver.get();
    scene.lang = lang;
    scene.NeutralPointKnown = scene.LatticeKnown = true;
    scene.reference = c.reference;
    scene.numbers =
        tv::computeStability(c.aircraft.WingCount, c.reference.NeutralPointX, c.reference.ReferenceChord, 7.5);
    return scene;
}

} // namespace tvtest
