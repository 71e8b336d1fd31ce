#include "Invariants.h"

#include "forms/OptionArray.h"
#include "forms/QBColor.h"

#include <cmath>
#include <sstream>

namespace {

constexpr double kSlopeD = 250.0 / -350.0; // AB: x changes by this much per pixel of y
constexpr double kSlopeE = -150.0 / -350.0; // AC

double ulp(double v) { return std::nextafter(float(std::abs(v)), INFINITY) - float(std::abs(v)); }

bool finite(const forms::LineShape& l)
{
    return std::isfinite(l.X1()) && std::isfinite(l.Y1()) && std::isfinite(l.X2()) && std::isfinite(l.Y2());
}

template <class... T>
std::string say(const T&... parts)
{
    std::ostringstream out;
    out.precision(9);
    (out << ... << parts);
    return out.str();
}

bool flag(double v) { return v == 0 || v == 1; }

bool samePlace(const forms::LineShape& a, const forms::LineShape& b)
{
    return a.X1() == b.X1() && a.Y1() == b.Y1() && a.X2() == b.X2() && a.Y2() == b.Y2();
}

} // namespace

InvariantChecker::InvariantChecker() = default;

const board::Scene& InvariantChecker::reference()
{
    static const SceneFixture board;
    return board.scene;
}

std::string InvariantChecker::check(const SceneFixture& board, const BoardEvent& event)
{
    const board::Scene& scene = board.scene;
    std::string failed = checkState(scene, board.palette);
    if (failed.empty())
        failed = checkPointers(board.form.pointers(), event);
    if (!failed.empty())
        return failed;
    const bool reset = event.kind == BoardEvent::Reset || (event.kind == BoardEvent::Press && event.button == 2);
    if (reset) {
        driftD_ = driftE_ = 0;
        failed = checkInitial(board);
    } else {
        allowForMove(scene.figure);
    }
    const auto& de = scene.figure.Line2(board::kDE);
    deY_ = de.Y1();
    dX_ = de.X1();
    eX_ = de.X2();
    return failed.empty() ? checkFigure(scene.figure) : failed;
}

std::string InvariantChecker::checkState(const board::Scene& scene, const forms::OptionArray& palette)
{
    const board::BoardState& s = scene.state;
    if (!flag(s.dragging) || !flag(s.memoMode) || !flag(s.penDown))
        return say("a flag left 0 and 1: dragging ", s.dragging, " memoMode ", s.memoMode, " penDown ", s.penDown);
    for (int16_t i = 0; i < 8; ++i)
        if (palette.Enabled(i) != (s.memoMode == 1))
            return say("palette button ", i, " enabled ", palette.Enabled(i), " with memoMode ", s.memoMode);
    const board::BoardState& r = reference().state;
    if (s.xA != r.xA || s.yA != r.yA || s.xB != r.xB || s.yB != r.yB || s.xC != r.xC || s.yC != r.yC)
        return "a vertex moved";
    if (!std::isfinite(s.lastX) || !std::isfinite(s.lastY))
        return say("last position not finite: ", s.lastX, ", ", s.lastY);
    if (s.penColor != 12 && s.penColor != 14 && s.penColor != 9 && s.penColor != 2)
        return say("chalk colour ", s.penColor);
    return {};
}

// The board is never held for a pointer whose release the window was told.
std::string InvariantChecker::checkPointers(const forms::PointerArbiter& arbiter, const BoardEvent& event)
{
    if (event.kind != BoardEvent::Pointer)
        return {};
    const forms::PointerInput& p = event.pointer;
    const bool released = p.action == forms::PointerAction::Cancel
        || (p.action == forms::PointerAction::Release && (p.kind == forms::PointerKind::Touch || p.buttons == 0));
    return released && arbiter.holds(p.kind, p.id) ? say("the board is held for a pointer let go: id ", p.id) : "";
}

std::string InvariantChecker::checkInitial(const SceneFixture& board)
{
    const board::Scene& scene = board.scene;
    const board::BoardState& s = scene.state;
    if (s.dragging != 0 || s.memoMode != 0 || s.penDown != 0 || scene.gamen.DrawWidth() != 3 || !board.surface.isBlank())
        return "after a reset the board is not in its initial state";
    const board::Figure& f = scene.figure;
    const board::Figure& r = reference().figure;
    for (int i = 0; i < 3; ++i)
        if (!samePlace(f.Line1(i), r.Line1(i)) || !samePlace(f.Line2(i), r.Line2(i)))
            return say("after a reset, side ", i, " of a triangle is out of place");
    for (int i = 0; i < 4; ++i)
        if (!samePlace(f.Line3(i), r.Line3(i)))
            return say("after a reset, mark stroke ", i, " is out of place");
    for (int i = 1; i <= 2; ++i)
        if (f.Label3(i).Left() != r.Label3(i).Left() || f.Label3(i).Top() != r.Label3(i).Top())
            return say("after a reset, letter ", i == 1 ? "D" : "E", " is out of place");
    return {};
}

// One drag move rounds three times into D's distance from AB: the new x, the
// new y (weighed by the slope), and the slide computed from the pointer's
// travel. The allowance grows by the most those can be; likewise for E.
void InvariantChecker::allowForMove(const board::Figure& figure)
{
    const auto& de = figure.Line2(board::kDE);
    if (de.Y1() == deY_ && de.X1() == dX_ && de.X2() == eX_)
        return;
    const double travel = std::abs(double(de.Y1()) - deY_) + ulp(de.Y1()) + ulp(deY_);
    driftD_ += ulp(de.X1()) / 2 + std::abs(kSlopeD) * ulp(de.Y1()) / 2 + std::abs(kSlopeD) * travel * 0x1p-23;
    driftE_ += ulp(de.X2()) / 2 + std::abs(kSlopeE) * ulp(de.Y1()) / 2 + std::abs(kSlopeE) * travel * 0x1p-23;
}

std::string InvariantChecker::checkFigure(const board::Figure& f)
{
    for (const auto* lines : {&f.Line1, &f.Line2})
        for (const auto& l : *lines)
            if (!finite(l))
                return "a side holds a value that is not finite";
    for (const auto& l : f.Line3)
        if (!finite(l))
            return "a mark holds a value that is not finite";
    const auto& de = f.Line2(board::kDE);
    const double y = de.Y1();
    if (de.BorderColor() != forms::QBColor(board::kDEAtRest) && de.BorderColor() != forms::QBColor(board::kDEHeld))
        return "DE is neither red nor magenta";
    std::string failed = followsDE(f);
    if (!failed.empty())
        return failed;
    // The exact lines AB and AC, evaluated in double precision.
    const double slack = 1e-12 * (1 + std::abs(y));
    const double offD = std::abs(de.X1() - (400 + (y - 200) * kSlopeD));
    const double offE = std::abs(de.X2() - (400 + (y - 200) * kSlopeE));
    if (offD > driftD_ + slack)
        return say("D is ", offD, " off AB, more than the ", driftD_, " rounding allows");
    if (offE > driftE_ + slack)
        return say("E is ", offE, " off AC, more than the ", driftE_, " rounding allows");
    // The letters stand outside the figure: D to the left of D while DE is at
    // or below A, to the right above it; E the other way.
    const bool above = y < 200;
    const double dLeft = above ? de.X1() + 10.0 : de.X1() - 35.0;
    const double eLeft = above ? de.X2() - 35.0 : de.X2() + 10.0;
    const double tol = 2 * ulp(std::abs(de.X1()) + std::abs(de.X2()) + 45);
    if (std::abs(f.Label3(board::kLetterD).Left() - dLeft) > tol || std::abs(f.Label3(board::kLetterE).Left() - eLeft) > tol)
        return say("the letters D and E are on the wrong sides: ", f.Label3(board::kLetterD).Left(), ", ", f.Label3(board::kLetterE).Left(),
                   " for D at ", de.X1(), " and E at ", de.X2());
    return {};
}

std::string followsDE(const board::Figure& f)
{
    using namespace board;
    const auto& de = f.Line2(kDE);
    const float x1 = de.X1(), y = de.Y1(), x2 = de.X2();
    const double mid = (double(x1) + x2) / 2;
    if (de.Y2() != y)
        return say("DE is not level: ", y, " and ", de.Y2());
    const auto &ad = f.Line2(kAD), &ea = f.Line2(kEA);
    if (ad.X2() != x1 || ad.Y2() != y || ea.X1() != x2 || ea.Y1() != y)
        return "the sides AD and EA do not end at D and E";
    if (ad.X1() != 400 || ad.Y1() != 200 || ea.X2() != 400 || ea.Y2() != 200)
        return "the sides AD and EA do not start at A";
    for (int i : {kDEMarkLower, kDEMarkUpper}) {
        const auto& mark = f.Line3(i);
        const float tip = float(double(y) + (i == kDEMarkLower ? 10 : -10));
        if (mark.X1() != float(mid) || mark.Y1() != y || mark.X2() != float(mid - 20) || mark.Y2() != tip)
            return say("the mark on DE is not at its middle: ", mark.X1(), ", ", mark.Y1());
    }
    if (f.Label3(kLetterD).Top() != float(double(y) - 15) || f.Label3(kLetterE).Top() != float(double(y) - 15))
        return "the letters D and E are not beside DE";
    return {};
}
