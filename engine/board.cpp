#include "board.h"

namespace dodoru {

std::optional<Colour> Cell::colour() const {
    switch (ink_) {
    case Ink::Default:
        return std::nullopt;
    case Ink::Plain:
        return kPlainColour;
    case Ink::Given:
        return kGivenColour;
    }
    return std::nullopt;
}

int Board::givenCount() const {
    int count = 0;
    for (const Cell& c : cells_) count += c.isGiven() ? 1 : 0;
    return count;
}

std::string Board::digits() const {
    std::string out(kCellCount, '0');
    for (int i = 0; i < kCellCount; ++i) out[static_cast<std::size_t>(i)] = static_cast<char>('0' + cell(i).value());
    return out;
}

std::string Board::givenMask() const {
    std::string out(kCellCount, '0');
    for (int i = 0; i < kCellCount; ++i)
        if (cell(i).isGiven()) out[static_cast<std::size_t>(i)] = '1';
    return out;
}

}  // namespace dodoru
