#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "jsonwriter.h"
#include "stepwords.h"

namespace dodoru::cli {
namespace {

Json object(std::initializer_list<std::pair<const char*, Json>> members) {
    Json out = Json::object();
    for (const auto& [key, value] : members) out[key] = value;
    return out;
}

// One line in the command line's layout: members in the order added, ", " and ": ", JSON escapes, and
// numbers as the outputs have always printed them.
TEST(JsonWriter, WritesTheCommandLineLayout) {
    const struct {
        Json value;
        std::string text;
    } cases[] = {
        {object({{"b", 1}, {"a", Json::array({1, 2})}}), R"({"b": 1, "a": [1, 2]})"},
        {object({{"unit", object({{"kind", "box"}, {"index", 3}})}, {"cells", Json::array()}, {"none", nullptr},
                 {"on", true}, {"off", false}}),
         R"({"unit": {"kind": "box", "index": 3}, "cells": [], "none": null, "on": true, "off": false})"},
        {Json::array({Json::array({4, 7}), Json::array()}), "[[4, 7], []]"},
        {"a\"b\\c/d", R"("a\"b\\c/d")"},
        {std::string("line\nend\x01\x1f"), R"("line\nend\u0001\u001f")"},
        {"有多組解答", "\"有多組解答\""},
        {std::string("bad\xff"), "\"bad\xef\xbf\xbd\""},
        {object({{"ké\x7f", -3}}), "{\"ké\x7f\": -3}"},
        {UINT64_MAX, "18446744073709551615"},
        {ratingJson(60), "6.0"},
        {ratingJson(89), "8.9"},
        {ratingJson(1), "0.1"},
        {ratingJson(100), "10.0"},
        {fixedJson(12.5, 3), "12.500"},
        {fixedJson(0.0004, 3), "0.000"},
        {fixedJson(1234.5678, 3), "1234.568"},
    };
    for (const auto& c : cases) EXPECT_EQ(writeJson(c.value), c.text) << c.text;
    for (int tenths = 0; tenths <= 100; ++tenths) EXPECT_EQ(writeJson(ratingJson(tenths)), ratingText(tenths));
}

} // namespace
} // namespace dodoru::cli
