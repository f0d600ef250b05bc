#pragma once

// What the analysis worker is handed. Nothing reads what it would compute, so
// it computes nothing: it wakes the event loop, and while it is busy the full
// redraw after a change waits.
struct AnalysisRequest {
    bool rowsExist = false;
};
