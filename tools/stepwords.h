#pragma once

#include <optional>
#include <string>

#include "jsonwriter.h"
#include "logicsolver.h"

namespace dodoru::cli {

// The command line's English for the logical solver: technique names, steps in words and as JSON.
std::string techniqueName(logic::Technique technique);
std::string ratingText(int tenths); // "4.4"
std::string cellName(int cell);     // "r1c1" .. "r9c9"
// One step in words, without its number: "hidden single in box 4: r5c2 = 3".
std::string stepWords(const logic::Step& step);
// One step as a JSON object: step, technique, unit, placements, eliminations, cells, digits, rating.
Json stepJson(const logic::Step& step, int number);
// A hardest technique as JSON: its id, or null when there is none.
Json hardestJson(const std::optional<logic::Technique>& hardest);

} // namespace dodoru::cli

namespace dodoru::cli {

// A --min-rating or --max-rating value: a number 1.0 .. 9.0 with at most one decimal, in tenths.
std::optional<int> parseRating(const std::string& text);

// The ratings a command keeps, in tenths; both ends included.
struct RatingRange {
    int least = 0;
    int most = 90;
    bool limited = false; // --min-rating or --max-rating was given
    bool holds(int tenths) const { return tenths >= least && tenths <= most; }
};

// Takes "--min-rating" or "--max-rating" into `range`; the message when the value is wrong.
std::optional<std::string> takeRatingOption(const std::string& name, const std::string& value,
                                            RatingRange& range);
// The message when the range is empty.
std::optional<std::string> checkRatingRange(const RatingRange& range);

} // namespace dodoru::cli
