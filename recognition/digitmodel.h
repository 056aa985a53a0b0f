#pragma once

#include <cstddef>

namespace dodoru::recognition {

// The digit classifier's model file (digits.yml, unpacked from model/digits.tar.xz), built into the library.
extern const unsigned char kDigitModel[];
extern const std::size_t kDigitModelSize;

}  // namespace dodoru::recognition
