#include "stepwords.h"

#include <array>
#include <vector>
#include <cstdio>

namespace dodoru::cli {

using logic::CellDigit;
using logic::Digits;
using logic::Step;
using logic::Technique;
using logic::UnitKind;

namespace {

std::string unitWords(const logic::Unit& unit) {
    const std::string number = std::to_string(unit.index + 1);
    switch (unit.kind) {
    case UnitKind::Row:
        return "row " + number;
    case UnitKind::Column:
        return "column " + number;
    case UnitKind::Box:
        return "box " + number;
    case UnitKind::None:
        break;
    }
    return "";
}

const char* unitKindId(UnitKind kind) {
    switch (kind) {
    case UnitKind::Row:
        return "row";
    case UnitKind::Column:
        return "column";
    case UnitKind::Box:
        return "box";
    case UnitKind::None:
        break;
    }
    return "";
}

std::string digitList(Digits digits, const char* separator) {
    std::string out;
    for (int d = 1; d <= 9; ++d)
        if (digits & logic::digitBit(d)) out += (out.empty() ? "" : separator) + std::to_string(d);
    return out;
}

Json pairsJson(const std::vector<CellDigit>& pairs) {
    Json out = Json::array();
    for (const CellDigit& pair : pairs) out.push_back(Json::array({pair.cell, pair.digit}));
    return out;
}

bool restsOnOneCell(Technique technique) {
    return technique == Technique::FullHouse || technique == Technique::NakedSingle ||
           technique == Technique::HiddenSingle || technique == Technique::BugPlusOne;
}

Json unitJson(const logic::Unit& unit) {
    Json out;
    out["kind"] = unitKindId(unit.kind);
    out["index"] = unit.index;
    return out;
}

Json cellsJson(const std::vector<int>& cells) {
    return Json(cells);
}

std::string cellList(const std::vector<int>& cells) {
    std::string out;
    for (const int c : cells) out += (out.empty() ? "" : " ") + cellName(c);
    return out;
}

// "rows 1 5" for a fish's lines.
std::string linesWords(const std::vector<logic::Unit>& lines) {
    if (lines.empty()) return "";
    std::string out = lines.front().kind == UnitKind::Row ? "rows" : "columns";
    for (const logic::Unit& line : lines) out += " " + std::to_string(line.index + 1);
    return out;
}

// One node of a chain: "r9c2 is 4", "r1c1,r1c2 is not 5" (a group: the digit is in one of its cells).
std::string nodeWords(const logic::ChainNode& node) {
    std::string where;
    for (const int c : node.cells) where += (where.empty() ? "" : ",") + cellName(c);
    return where + (node.on ? " is " : " is not ") + std::to_string(node.digit);
}

std::string chainWords(const std::vector<logic::ChainNode>& chain) {
    std::string out;
    for (const logic::ChainNode& node : chain) out += (out.empty() ? "" : " ⇒ ") + nodeWords(node);
    return out;
}

std::string failWords(const logic::Contradiction& proof) {
    if (proof.failCell >= 0) return cellName(proof.failCell) + " has no candidate left";
    return unitWords(proof.failUnit) + " has no place for " + std::to_string(proof.failDigit);
}

std::string placementWords(const std::vector<CellDigit>& placements) {
    std::string out;
    for (std::size_t i = 0; i < placements.size(); ++i)
        out += (i > 0 ? ", " : " ") + cellName(placements[i].cell) + " = " + std::to_string(placements[i].digit);
    return out;
}

std::string effectWords(const Step& step) {
    std::string out = placementWords(step.placements);
    bool first = true;
    for (int d = 1; d <= 9; ++d) {
        std::string cells;
        for (const CellDigit& e : step.eliminations)
            if (e.digit == d) cells += (cells.empty() ? "" : " ") + cellName(e.cell);
        if (cells.empty()) continue;
        out += first ? (step.placements.empty() ? " removes " : "; removes ") : "; ";
        out += std::to_string(d) + " from " + cells;
        first = false;
    }
    return out;
}

// What a step adds in brackets after its digits: a fish's lines and fins, a wing's linking digit, a
// colouring's colours and rule.
std::string detailWords(const Step& step) {
    std::string out;
    if (!step.baseLines.empty() && step.coverLines.empty()) out += ", base " + linesWords(step.baseLines);
    if (!step.coverLines.empty()) {
        out += ", base " + linesWords(step.baseLines) + ", cover " + linesWords(step.coverLines);
        std::vector<int> fins;
        for (const int c : step.cells) {
            bool covered = false;
            for (const logic::Unit& line : step.coverLines)
                covered = covered || (line.kind == UnitKind::Row ? rowOf(c) : columnOf(c)) == line.index;
            if (!covered) fins.push_back(c);
        }
        if (!fins.empty()) out += ", fins " + cellList(fins);
    }
    for (std::size_t i = 0; i < step.sets.size(); ++i)
        out += std::string(i == 0 ? ", sets {" : " {") + cellList(step.sets[i]) + "}";
    if (step.linkDigit != 0) out += ", linked by " + std::to_string(step.linkDigit);
    if (step.colourRule != logic::ColourRule::None) {
        const auto candidates = [](const std::vector<CellDigit>& list) {
            std::string words;
            for (const CellDigit& x : list) words += (words.empty() ? "" : " ") + cellName(x.cell) + ":" + std::to_string(x.digit);
            return words;
        };
        if (step.candidateColours[0].empty())
            out += ", colours A " + cellList(step.colours[0]) + " and B " + cellList(step.colours[1]);
        else
            out += ", colours A " + candidates(step.candidateColours[0]) + " and B " + candidates(step.candidateColours[1]);
        out += step.colourRule == logic::ColourRule::Wrap ? ", one colour sees itself"
                                                          : ", a candidate sees both colours";
    }
    return out;
}

std::string contradictionWords(const Step& step) {
    const logic::Contradiction& proof = *step.contradiction;
    std::string out = "if " + cellName(proof.assume.cell) + " = " + std::to_string(proof.assume.digit);
    for (const CellDigit& p : proof.placements)
        out += " ⇒ " + cellName(p.cell) + " = " + std::to_string(p.digit);
    for (const Step& inner : step.inner) out += " ⇒ [" + stepWords(inner) + "]";
    return out + " ⇒ " + failWords(proof) + ";";
}

Json stepObject(const Step& step, int number);

// A forcing chain's branches, each an assumption and its singles, then what holds either way.
std::string branchWords(const Step& step) {
    std::string out;
    for (const logic::Branch& branch : step.branches) {
        out += (out.empty() ? "if " : "; if ") + cellName(branch.assume.cell) + " = " + std::to_string(branch.assume.digit);
        for (const CellDigit& p : branch.placements) out += " ⇒ " + cellName(p.cell) + " = " + std::to_string(p.digit);
        for (const Step& inner : branch.inner) out += " ⇒ [" + stepWords(inner) + "]";
    }
    return out + "; either way" + effectWords(step);
}

Json innerJson(const std::vector<Step>& inner) {
    Json out = Json::array();
    for (std::size_t i = 0; i < inner.size(); ++i) out.push_back(stepObject(inner[i], static_cast<int>(i + 1)));
    return out;
}

Json digitsJson(Digits digits) {
    Json out = Json::array();
    for (int d = 1; d <= 9; ++d)
        if (digits & logic::digitBit(d)) out.push_back(d);
    return out;
}

// The fields every step has, in their usual order, then what chains, fish, wings and proofs add.
Json stepObject(const Step& step, int number) {
    Json out;
    out["step"] = number;
    out["technique"] = logic::techniqueId(step.technique);
    if (step.unit.kind != UnitKind::None) out["unit"] = unitJson(step.unit);
    out["placements"] = pairsJson(step.placements);
    out["eliminations"] = pairsJson(step.eliminations);
    out["cells"] = cellsJson(step.cells);
    out["digits"] = digitsJson(step.digits);
    out["rating"] = ratingJson(step.ratingTenths());
    if (!step.chain.empty()) {
        Json chain = Json::array();
        for (const logic::ChainNode& node : step.chain) {
            Json link;
            link["cells"] = cellsJson(node.cells);
            link["digit"] = node.digit;
            link["on"] = node.on;
            chain.push_back(link);
        }
        out["chain"] = chain;
    }
    const auto linesJson = [](const std::vector<logic::Unit>& lines) {
        Json list = Json::array();
        for (const logic::Unit& line : lines) list.push_back(unitJson(line));
        return list;
    };
    if (!step.baseLines.empty()) out["base"] = linesJson(step.baseLines);
    if (!step.coverLines.empty()) out["cover"] = linesJson(step.coverLines);
    if (!step.sets.empty()) {
        Json sets = Json::array();
        for (const std::vector<int>& set : step.sets) sets.push_back(cellsJson(set));
        out["sets"] = sets;
    }
    if (step.linkDigit != 0) out["link_digit"] = step.linkDigit;
    if (step.colourRule != logic::ColourRule::None) {
        out["colours"] = step.candidateColours[0].empty()
                             ? Json::array({cellsJson(step.colours[0]), cellsJson(step.colours[1])})
                             : Json::array({pairsJson(step.candidateColours[0]), pairsJson(step.candidateColours[1])});
        out["rule"] = step.colourRule == logic::ColourRule::Wrap ? "wrap" : "trap";
    }
    if (step.contradiction) {
        const logic::Contradiction& proof = *step.contradiction;
        Json fails;
        if (proof.failCell >= 0) {
            fails["cell"] = proof.failCell;
        } else {
            fails["unit"] = unitJson(proof.failUnit);
            fails["digit"] = proof.failDigit;
        }
        Json contradiction;
        contradiction["assume"] = Json::array({proof.assume.cell, proof.assume.digit});
        contradiction["placements"] = pairsJson(proof.placements);
        contradiction["fails"] = fails;
        out["contradiction"] = contradiction;
        if (!step.inner.empty()) out["inner"] = innerJson(step.inner);
    }
    if (!step.branches.empty()) {
        Json branches = Json::array();
        for (const logic::Branch& branch : step.branches) {
            Json one;
            one["assume"] = Json::array({branch.assume.cell, branch.assume.digit});
            one["placements"] = pairsJson(branch.placements);
            if (!branch.inner.empty()) one["inner"] = innerJson(branch.inner);
            branches.push_back(one);
        }
        out["branches"] = branches;
    }
    return out;
}

} // namespace

std::string techniqueName(Technique technique) {
    switch (technique) {
    case Technique::FullHouse:
        return "full house";
    case Technique::NakedSingle:
        return "naked single";
    case Technique::HiddenSingle:
        return "hidden single";
    case Technique::LockedPointing:
        return "locked candidates (pointing)";
    case Technique::LockedClaiming:
        return "locked candidates (claiming)";
    case Technique::NakedPair:
        return "naked pair";
    case Technique::XWing:
        return "X-wing";
    case Technique::HiddenPair:
        return "hidden pair";
    case Technique::NakedTriple:
        return "naked triple";
    case Technique::Swordfish:
        return "swordfish";
    case Technique::HiddenTriple:
        return "hidden triple";
    case Technique::FinnedXWing:
        return "finned X-wing";
    case Technique::Skyscraper:
        return "skyscraper";
    case Technique::TwoStringKite:
        return "two-string kite";
    case Technique::XYWing:
        return "XY-wing";
    case Technique::EmptyRectangle:
        return "empty rectangle";
    case Technique::XYZWing:
        return "XYZ-wing";
    case Technique::WWing:
        return "W-wing";
    case Technique::UniqueRectangle:
        return "unique rectangle";
    case Technique::UniqueRectangle2:
        return "unique rectangle type 2";
    case Technique::UniqueRectangle4:
        return "unique rectangle type 4";
    case Technique::NakedQuad:
        return "naked quad";
    case Technique::HiddenRectangle:
        return "hidden rectangle";
    case Technique::Jellyfish:
        return "jellyfish";
    case Technique::BugPlusOne:
        return "BUG+1";
    case Technique::HiddenQuad:
        return "hidden quad";
    case Technique::FinnedSwordfish:
        return "finned swordfish";
    case Technique::SimpleColouring:
        return "simple colouring";
    case Technique::WXYZWing:
        return "WXYZ-wing";
    case Technique::Medusa3D:
        return "3D Medusa";
    case Technique::XYChain:
        return "XY-chain";
    case Technique::AlsXZ:
        return "ALS-XZ";
    case Technique::AlsXYWing:
        return "ALS-XY-wing";
    case Technique::ForcingChain:
        return "forcing chain";
    case Technique::GroupedChain:
        return "grouped chain";
    case Technique::AlsChain:
        return "ALS chain";
    case Technique::CellForcingChain:
        return "cell forcing chain";
    case Technique::UnitForcingChain:
        return "unit forcing chain";
    case Technique::Contradiction:
        return "contradiction";
    case Technique::Guess:
        break;
    }
    return "guess";
}

std::string ratingText(int tenths) {
    return std::to_string(tenths / 10) + "." + std::to_string(tenths % 10);
}

std::string cellName(int cell) {
    return "r" + std::to_string(rowOf(cell) + 1) + "c" + std::to_string(columnOf(cell) + 1);
}

std::string stepWords(const Step& step) {
    std::string out = techniqueName(step.technique);
    if (step.unit.kind != UnitKind::None) out += " in " + unitWords(step.unit);
    if (step.technique == Technique::Guess) {
        const CellDigit& e = step.eliminations.front();
        return out + ": " + std::to_string(e.digit) + " in " + cellName(e.cell) +
               " leaves no solution, found by a search rather than by reasoning; removes it";
    }
    if (step.contradiction) return out + ": " + contradictionWords(step) + effectWords(step);
    if (!step.branches.empty())
        return out + " (" + std::string(step.digits & (step.digits - 1) ? "digits " : "digit ") +
               digitList(step.digits, " ") + "): " + branchWords(step);
    if (!step.chain.empty()) {
        out += " (" + std::string(step.digits & (step.digits - 1) ? "digits " : "digit ") +
               digitList(step.digits, " ") + detailWords(step) + "): " + chainWords(step.chain);
        return out + ";" + effectWords(step);
    }
    if (!restsOnOneCell(step.technique)) {
        // Almost locked sets and candidate colours name their cells themselves.
        if (step.sets.empty() && step.candidateColours[0].empty()) {
            out += " on";
            for (const int c : step.cells) out += " " + cellName(c);
        }
        out += " (" + std::string(step.digits & (step.digits - 1) ? "digits " : "digit ") +
               digitList(step.digits, " ") + detailWords(step) + ")";
    }
    return out + ":" + effectWords(step);
}

Json stepJson(const Step& step, int number) {
    return stepObject(step, number);
}

Json hardestJson(const std::optional<Technique>& hardest) {
    return hardest ? Json(logic::techniqueId(*hardest)) : Json(nullptr);
}

} // namespace dodoru::cli

namespace dodoru::cli {

std::optional<int> parseRating(const std::string& text) {
    // "4", "4.", "4.4": a whole number and at most one decimal.
    if (text.empty() || text.size() > 3 || text[0] < '0' || text[0] > '9') return std::nullopt;
    int tenths = 10 * (text[0] - '0');
    if (text.size() > 1) {
        if (text[1] != '.') return std::nullopt;
        if (text.size() == 3) {
            if (text[2] < '0' || text[2] > '9') return std::nullopt;
            tenths += text[2] - '0';
        }
    }
    if (tenths < 10 || tenths > 90) return std::nullopt;
    return tenths;
}

std::optional<std::string> takeRatingOption(const std::string& name, const std::string& value,
                                            RatingRange& range) {
    const auto tenths = parseRating(value);
    if (!tenths) return name + " must be a rating 1.0 to 9.0 (one decimal at most), not '" + value + "'";
    (name == "--min-rating" ? range.least : range.most) = *tenths;
    range.limited = true;
    return std::nullopt;
}

std::optional<std::string> checkRatingRange(const RatingRange& range) {
    if (range.least > range.most)
        return "--min-rating " + ratingText(range.least) + " is above --max-rating " + ratingText(range.most);
    return std::nullopt;
}

} // namespace dodoru::cli
