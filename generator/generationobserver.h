#pragma once

#include "engine.h"
#include "levelrules.h"

namespace dodoru {

// What happened in a try, for observers.
struct TryReport {
    int level = 0;
    int tryCount = 0;       // TryCount after the try began (levels 2-5); level 1 leaves it at 0
    int removalCount = 0;   // levels 2-5: cells the removal was to empty
    int picks = 0;          // random cell picks made by the removal (levels 2-5) or the 20 picks (level 1)
    int emptied = 0;        // cells the removal (or level 1's picks) emptied
    int solutionCount = 0;  // of the try's last check
    CandidateTally tally{};
    int clueCount = 0;
    bool accepted = false;
};

// Watches a generation step by step: the window hides the board while a generation works and shows
// the accepted puzzle; tests follow TryCount and the full grids, and may change the window state at the
// points they are told of (e.g. mark cells once a full grid is ready).
class GenerationObserver {
public:
    virtual ~GenerationObserver() = default;
    // A full grid was begun: TryCount and CellMark are 0, the source reseeded and the board emptied
    // first; `grids` counts the grids begun by this generation.
    virtual void fullGridBegun(long grids) { (void)grids; }
    // The seed solve completed a full grid, now in `snapshot`, about to be carved.
    virtual void fullGridReady(const BoardSnapshot& snapshot) { (void)snapshot; }
    // The removal of a try is done (before its check).
    virtual void cellsRemoved(const TryReport& report) { (void)report; }
    // A try was tallied and judged.
    virtual void tryJudged(const TryReport& report) { (void)report; }
    // The accepted puzzle is on the board (never called when the generation was interrupted).
    virtual void puzzleShown() {}
};

}  // namespace dodoru
