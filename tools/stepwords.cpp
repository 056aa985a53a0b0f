#include "stepwords.h"

#include <array>
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

std::string pairsJson(const std::vector<CellDigit>& pairs) {
    std::string out = "[";
    for (std::size_t i = 0; i < pairs.size(); ++i)
        out += (i > 0 ? ", [" : "[") + std::to_string(pairs[i].cell) + ", " + std::to_string(pairs[i].digit) +
               "]";
    return out + "]";
}

bool restsOnOneCell(Technique technique) {
    return technique == Technique::FullHouse || technique == Technique::NakedSingle ||
           technique == Technique::HiddenSingle || technique == Technique::Trial;
}

} // namespace

std::string techniqueName(Technique technique) {
    static const std::array<const char*, logic::kTechniqueCount> names = {
        "full house",
        "naked single",
        "hidden single",
        "locked candidates (pointing)",
        "locked candidates (claiming)",
        "naked pair",
        "X-wing",
        "hidden pair",
        "naked triple",
        "swordfish",
        "hidden triple",
        "skyscraper",
        "two-string kite",
        "XY-wing",
        "XYZ-wing",
        "W-wing",
        "unique rectangle",
        "naked quad",
        "jellyfish",
        "hidden quad",
        "simple colouring",
        "XY-chain",
        "forcing chain",
        "trial",
    };
    return names[static_cast<std::size_t>(technique)];
}

std::string ratingText(int tenths) {
    return std::to_string(tenths / 10) + "." + std::to_string(tenths % 10);
}

std::string cellName(int cell) {
    return "r" + std::to_string(cell / 9 + 1) + "c" + std::to_string(cell % 9 + 1);
}

std::string stepWords(const Step& step) {
    std::string out = techniqueName(step.technique);
    if (step.unit.kind != UnitKind::None) out += " in " + unitWords(step.unit);
    if (step.technique == Technique::Trial) {
        const CellDigit& e = step.eliminations.front();
        return out + ": " + std::to_string(e.digit) + " in " + cellName(e.cell) +
               " leads to a contradiction; removes it";
    }
    if (!restsOnOneCell(step.technique)) {
        out += " on";
        for (const int c : step.cells) out += " " + cellName(c);
        out += " (" + std::string(step.digits & (step.digits - 1) ? "digits " : "digit ") +
               digitList(step.digits, " ") + ")";
    }
    out += ":";
    for (std::size_t i = 0; i < step.placements.size(); ++i)
        out += (i > 0 ? ", " : " ") + cellName(step.placements[i].cell) + " = " +
               std::to_string(step.placements[i].digit);
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

std::string stepJson(const Step& step, int number) {
    std::string out = "{\"step\": " + std::to_string(number) + ", \"technique\": \"" +
                      std::string(logic::techniqueId(step.technique)) + "\"";
    if (step.unit.kind != UnitKind::None)
        out += ", \"unit\": {\"kind\": \"" + std::string(unitKindId(step.unit.kind)) +
               "\", \"index\": " + std::to_string(step.unit.index) + "}";
    out += ", \"placements\": " + pairsJson(step.placements) +
           ", \"eliminations\": " + pairsJson(step.eliminations);
    out += ", \"cells\": [";
    for (std::size_t i = 0; i < step.cells.size(); ++i)
        out += (i > 0 ? ", " : "") + std::to_string(step.cells[i]);
    out += "], \"digits\": [" + digitList(step.digits, ", ") +
           "], \"rating\": " + ratingText(step.ratingTenths()) + "}";
    return out;
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
