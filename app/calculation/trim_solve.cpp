#include "app/calculation/trim_solve.h"

#include "solver/calculation.h"
#include "stability/balance.h"
#include "stability/stability.h"

TrimState solveTrim(const tv::Aircraft& calculated, tv::SolverWorkspace& ws, const TrimInputs& in) {
    TrimState s;
    if (!tv::resultsUsable(ws)) return s;
    s.calculated = true;
    tv::Aircraft ac = calculated;
    ac.Trim = in.trim;
    ac.Balance = in.balance;
    // The centre-of-gravity figures as the result's own: the same margin, the same neutral point.
    const tv::ReferenceValues reference{ws.ReferenceArea, ws.ReferenceChord, ws.NeutralPointX};
    const tv::StabilityNumbers numbers =
        tv::computeStability(ac.WingCount, ws.NeutralPointX, ws.ReferenceChord, in.desiredMargin);
    const tv::BalanceFigures figures = tv::balanceFigures(ac, ws.ReferenceWing, reference, numbers);
    if (figures.MyCg.ok()) s.cgX = figures.MyCg.X;
    else if (numbers.DesiredMarginAccepted) s.cgX = numbers.CgDesired;
    if (!s.cgX) return s;
    tv::TrimRequest request;
    request.Question = in.question;
    request.TargetCl = in.targetCl;
    request.TargetSpeed = in.targetSpeed;
    request.TrimWing = in.trimWing;
    request.CgX = *s.cgX;
    s.result = tv::computeTrim(ac, ws, request);
    return s;
}
