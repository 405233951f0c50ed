#pragma once

#include "engine/Constant.h"

// The constants the pages show. The angular-velocity page's solver reads π from its field,
// as shown (3,1416, not a built-in π); the others are read from their value texts.
namespace Constants {
inline constexpr Constant pi{"π", "3,1416", "3,1416"};
inline constexpr Constant coulomb{"k", "9000000000", "9000000000"};
inline constexpr Constant elementaryCharge{"e", "1,6x10E-19", "0,00000000000000000016"};
inline constexpr Constant boltzmann{"k", "1,38*10E-23", "0,0000000000000000000000138"};
}
