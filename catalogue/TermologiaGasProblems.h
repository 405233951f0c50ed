#pragma once

#include "catalogue/Problems.h"

// Thermology's gases, kept in a file of their own beside the heat and expansion topics.
namespace Termologia::Gases {
extern const std::span<const Problems::Statement> clapeyron;
extern const std::span<const Problems::Statement> isothermal;
extern const std::span<const Problems::Statement> isobaric;
extern const std::span<const Problems::Statement> isovolumetric;
extern const std::span<const Problems::Statement> firstLaw;
extern const std::span<const Problems::Statement> molecularEnergy;
}
