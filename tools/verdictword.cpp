#include "verdictword.h"

namespace dodoru::cli {

const char* verdictWord(SolveVerdict verdict) {
    switch (verdict) {
    case SolveVerdict::Unique: return "unique";
    case SolveVerdict::Several: return "several";
    default: return "none";
    }
}

} // namespace dodoru::cli
