#pragma once

#include "BoardEvents.h"
#include "SceneFixture.h"

#include <string>

// Whether everything a move of DE sets follows exactly from DE's ends: DE
// level, the sides AD and EA from A to D and E, the mark on DE at DE's middle
// and the letters D and E beside it. Empty when it does, or what does not.
std::string followsDE(const board::Figure& figure);

// What must hold after every event, whatever came before. check() returns an
// empty string when all holds, or what failed.
class InvariantChecker {
public:
    InvariantChecker();
    std::string check(const SceneFixture& board, const BoardEvent& event);

private:
    std::string checkState(const board::Scene& scene, const forms::OptionArray& palette);
    static std::string checkPointers(const forms::PointerArbiter& arbiter, const BoardEvent& event);
    std::string checkFigure(const board::Figure& figure);
    std::string checkInitial(const SceneFixture& board);
    void allowForMove(const board::Figure& figure);

    static const board::Scene& reference(); // the board as start-up and ResetBoard leave it
    float deY_ = 410, dX_ = 250, eX_ = 490;
    // How far D and E may have drifted off AB and AC by rounding since the last reset.
    double driftD_ = 0, driftE_ = 0;
};
