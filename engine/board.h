#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "gridgeometry.h"

namespace dodoru {

// Colours are 0x00BBGGRR values.
using Colour = std::uint32_t;
inline constexpr Colour kGivenColour = 0xFF0000;   // blue: the digit is part of the puzzle
inline constexpr Colour kPlainColour = 0x000000;   // black: cleared or computed by the program

// One cell label: its text ("" or one digit 1..9), whether it is a given, and its ink, which follows from
// that: blue for a given, black for any other cell once a given or a clear has inked it. A cell never
// inked keeps the label's default ink, and is no given.
class Cell {
public:
    int value() const { return digit_; }  // numeric value of the text; "" reads as 0
    std::string text() const { return digit_ == 0 ? std::string() : std::string(1, char('0' + digit_)); }
    bool empty() const { return digit_ == 0; }
    bool isGiven() const { return ink_ == Ink::Given; }
    // True while nothing has inked the cell.
    bool defaultInk() const { return ink_ == Ink::Default; }
    // The text colour: none for the default ink.
    std::optional<Colour> colour() const;

    // Digits outside 1..9 clear the text: a cell never shows anything but "" or one digit.
    void setValue(int digit) { digit_ = (digit >= 1 && digit <= 9) ? static_cast<std::uint8_t>(digit) : 0; }
    // A given, or no longer one (then inked black); the digit stays.
    void setGiven(bool given) { ink_ = given ? Ink::Given : Ink::Plain; }

    void makeGiven(int digit) { setValue(digit); setGiven(true); }
    void clear() { setValue(0); setGiven(false); }

    bool operator==(const Cell&) const = default;

private:
    enum class Ink : std::uint8_t { Default, Plain, Given };
    std::uint8_t digit_ = 0;
    Ink ink_ = Ink::Default;
};

// What the large red label over the board says: the solve routine's verdicts. Each front end words them
// (the window's label is named after its first text, the puzzle error).
enum class BoardMessage { PuzzleError, NoSolution, SeveralSolutions };

// The large red label over the board that carries the solve routine's verdicts.
struct MessageLabel {
    BoardMessage text = BoardMessage::PuzzleError;
    bool visible = false;

    // Setting a text also shows the label; hiding it keeps the text.
    void show(BoardMessage newText) { text = newText; visible = true; }
    void hide() { visible = false; }
    bool operator==(const MessageLabel&) const = default;
};

// The board as the window shows it: 81 cells, row by row, and the message label. The engine reads and
// writes cells only through this model; the window mirrors it into its labels.
class Board {
public:
    Cell& cell(int index) { return cells_[static_cast<std::size_t>(index)]; }
    const Cell& cell(int index) const { return cells_[static_cast<std::size_t>(index)]; }
    MessageLabel& message() { return message_; }
    const MessageLabel& message() const { return message_; }

    int givenCount() const;
    // 81 characters, '0' for an empty cell, else the digit shown.
    std::string digits() const;
    // 81 characters, '1' where the cell is a given.
    std::string givenMask() const;

    bool operator==(const Board&) const = default;

private:
    std::array<Cell, kCellCount> cells_{};
    MessageLabel message_;
};

}  // namespace dodoru
