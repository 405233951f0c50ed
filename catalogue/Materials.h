#pragma once

#include <span>

// Real values a situation takes from a book's table: a material's density or specific
// heat, g on a named body. A statement that names a material gives its value from here,
// never a drawn one, so a lake is never of 9 240 kg/m³ nor a plastic of index 1,0.
namespace Materials {

struct Item
{
    // As the statement names it ("ferro", "água do mar", "Marte").
    const char* name;
    double value;
    // Where it is, with its preposition, for a body or a medium ("na Lua", "no ar"); null
    // otherwise.
    const char* in = nullptr;
};

struct Table
{
    // The unit the values are in, as the unit table names it.
    const char* unit;
    std::span<const Item> items;
};

// g on Earth as Brazilian books take it, 9,8 or 10 m/s²; the statement says which.
extern const Table earthGravity;
// g on other bodies: the Moon, Mars, Jupiter.
extern const Table bodyGravity;
extern const Table liquidDensity;
extern const Table solidDensity;
extern const Table specificHeat;
extern const Table meltingHeat;
extern const Table boilingHeat;
extern const Table linearExpansion;
extern const Table volumeExpansion;
// Parts of the tables above for situations that fix the material: water in a kettle, ice
// in a freezer, a pan of aluminium, iron or copper, a steel rail, fuel in a tank; and the
// surface and volume coefficients of the metals.
extern const Table waterHeat;
extern const Table iceHeat;
extern const Table metalHeat;
extern const Table iceMelting;
extern const Table metalMelting;
extern const Table waterBoiling;
extern const Table steelExpansion;
extern const Table metalExpansion;
extern const Table surfaceExpansion;
extern const Table fuelExpansion;
extern const Table solidVolumeExpansion;
// R in the unit the Clapeyron page takes it, 0,082 atm·L/(mol·K).
extern const Table gasConstant;
extern const Table resistivity;
extern const Table refractiveIndex;
extern const Table soundSpeed;
extern const Table lightSpeed;
// Sound where only air can carry it (thunder, an echo).
extern const Table soundInAir;
// g on the bodies an astronaut can stand on: the Moon and Mars.
extern const Table surfaceGravity;

// The nominal voltages of Brazilian homes, 127 and 220 V.
extern const Table mainsVoltage;
// One metal each of resistivity.
extern const Table copperResistivity;
extern const Table aluminiumResistivity;
extern const Table nichromeResistivity;
extern const Table tungstenResistivity;
// The electron's, the proton's and the alpha particle's charges, in modulus.
extern const Table chargedParticles;

// Every table, for the checks that a statement's value is one of them.
std::span<const Table* const> tables();

}
