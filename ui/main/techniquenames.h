#pragma once

#include <QString>

#include "position.h"
#include "technique.h"

namespace dodoru {

// The window's name of a technique of the logical solver (Traditional Chinese, through tr()).
QString techniqueName(logic::Technique technique);

// Where a unit is on the board: 第 3 列, 第 5 行, 第 4 宮 (counted from 1); empty for no unit.
QString unitName(logic::Unit unit);

// A cell: 第3列第5行.
QString cellName(int cell);

} // namespace dodoru
