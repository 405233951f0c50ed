#include "catalogue/Materials.h"

// The values Brazilian secondary-school books print, rounded as they print them. Where a
// book rounds a handbook's value, the handbook's is in the comment: the Handbook of
// Chemistry and Physics (CRC, 97th ed.) and Halliday, Resnick, Walker, Fundamentos de
// Física (10ª ed.), tables of the chapters on fluids, heat and current.
namespace Materials {

namespace {

const Item earthG[] = {
    {"Terra", 9.8, "na Terra"},   // standard gravity 9,80665 m/s²
    {"Terra", 10, "na Terra"},    // the round value books allow for mental arithmetic
};

const Item bodyG[] = {
    {"Lua", 1.6, "na Lua"},         // 1,62 m/s² (NASA planetary fact sheet)
    {"Marte", 3.7, "em Marte"},     // 3,71 m/s²
    {"Júpiter", 24.8, "em Júpiter"}, // 24,79 m/s² at the cloud tops
};

// kg/m³, at about 20 ºC.
const Item liquids[] = {
    {"água", 1000},             // 998 kg/m³ at 20 ºC
    {"água do mar", 1030},      // 1 020 to 1 030 kg/m³
    {"óleo de cozinha", 920},   // soybean oil, 917 to 925 kg/m³
    {"álcool", 790},            // ethanol, 789 kg/m³
    {"mercúrio", 13600},        // 13 546 kg/m³
    {"glicerina", 1260},        // 1 261 kg/m³
    {"gasolina", 700},          // 680 to 750 kg/m³
};

const Item solids[] = {
    {"alumínio", 2700},   // 2 699 kg/m³
    {"ferro", 7900},      // 7 874 kg/m³
    {"cobre", 8900},      // 8 960 kg/m³; books print 8 900
    {"chumbo", 11300},    // 11 340 kg/m³
    {"ouro", 19300},      // 19 320 kg/m³
    {"gelo", 920},        // 917 kg/m³
    {"concreto", 2400},   // 2 300 to 2 400 kg/m³
};

// cal/(g·ºC)
const Item heats[] = {
    {"água", 1},           // 1,000 cal/(g·ºC) by the calorie's definition
    {"gelo", 0.5},         // 2 090 J/(kg·K) = 0,50
    {"alumínio", 0.22},    // 900 J/(kg·K) = 0,215
    {"ferro", 0.11},       // 449 J/(kg·K) = 0,107
    {"cobre", 0.093},      // 386 J/(kg·K) = 0,092
    {"chumbo", 0.031},     // 128 J/(kg·K) = 0,031
    {"prata", 0.056},      // 236 J/(kg·K) = 0,056
    {"vidro", 0.2},        // 840 J/(kg·K) = 0,20
};

// cal/g
const Item melting[] = {
    {"gelo", 80},       // 333 kJ/kg = 79,7 cal/g
    {"chumbo", 5.5},    // 23,2 kJ/kg = 5,5 cal/g
    {"alumínio", 95},   // 397 kJ/kg = 94,8 cal/g
};
const Item boiling[] = {
    {"água", 540},      // 2 256 kJ/kg = 539 cal/g
    {"álcool", 204},    // 855 kJ/kg = 204 cal/g
};

// ºC⁻¹
const Item linear[] = {
    {"alumínio", 2.4e-5},   // 23,1 · 10⁻⁶; books print 2,2 or 2,4 · 10⁻⁵
    {"cobre", 1.7e-5},      // 16,5 · 10⁻⁶
    {"aço", 1.1e-5},        // 11 to 13 · 10⁻⁶
    {"ferro", 1.2e-5},      // 11,8 · 10⁻⁶
    {"latão", 2.0e-5},      // 19 · 10⁻⁶
    {"vidro comum", 9e-6},  // 8,5 · 10⁻⁶
    {"concreto", 1.2e-5},   // 12 · 10⁻⁶
};
const Item volume[] = {
    {"mercúrio", 1.8e-4},   // 1,81 · 10⁻⁴
    {"álcool", 1.1e-3},     // ethanol, 1,09 · 10⁻³
    {"gasolina", 9.6e-4},   // 9,5 · 10⁻⁴
    {"glicerina", 5e-4},    // 5,0 · 10⁻⁴
};
// Books derive a solid's surface and volume coefficients from the linear one: 2α and 3α.
const Item surface[] = {
    {"alumínio", 4.8e-5}, {"cobre", 3.4e-5}, {"aço", 2.2e-5}, {"ferro", 2.4e-5}, {"latão", 4.0e-5},
};
const Item solidVolume[] = {
    {"alumínio", 7.2e-5}, {"cobre", 5.1e-5}, {"aço", 3.3e-5}, {"ferro", 3.6e-5}, {"latão", 6.0e-5},
};

// atm·L/(mol·K)
const Item gas[] = {
    {"R", 0.082},   // 0,08206 atm·L/(mol·K)
};

// Ω·m, at 20 ºC
const Item resistivities[] = {
    {"cobre", 1.7e-8},        // 1,68 · 10⁻⁸
    {"alumínio", 2.8e-8},     // 2,65 · 10⁻⁸; books print 2,8
    {"prata", 1.6e-8},        // 1,59 · 10⁻⁸
    {"tungstênio", 5.6e-8},   // 5,60 · 10⁻⁸
    {"ferro", 1.0e-7},        // 9,71 · 10⁻⁸
    {"níquel-cromo", 1.1e-6}, // nichrome, 1,10 · 10⁻⁶
    {"constantan", 4.9e-7},   // 4,9 · 10⁻⁷
};

const Item indexes[] = {
    {"ar", 1.0},           // 1,0003
    {"água", 1.33},        // 1,333
    {"vidro", 1.5},        // crown glass, 1,52
    {"diamante", 2.42},    // 2,417
    {"acrílico", 1.49},    // 1,49
    {"álcool", 1.36},      // 1,361
    {"gelo", 1.31},        // 1,309
};

// m/s
const Item sound[] = {
    {"ar", 340, "no ar"},       // 343 m/s at 20 ºC; books print 340
    {"água", 1500, "na água"},  // 1 482 m/s at 20 ºC
    {"aço", 5000, "no aço"},    // 5 100 m/s in a thin bar
};
const Item light[] = {
    {"vácuo", 3e8},    // 299 792 458 m/s
};

// Thunder, an echo, a tuning fork heard across a room: sound that only travels in air.
const Item soundAir[] = {
    {"ar", 340, "no ar"},   // 343 m/s at 20 ºC; books print 340
};

// The bodies an astronaut stands, jumps and throws on; Jupiter has no ground.
const Item surfaceG[] = {
    {"Lua", 1.6, "na Lua"},       // 1,62 m/s²
    {"Marte", 3.7, "em Marte"},   // 3,71 m/s²
};

// V: the nominal voltages of Brazilian homes (ANEEL, PRODIST Módulo 8).
const Item mains[] = {
    {"127 V", 127},
    {"220 V", 220},
};
// C, in modulus, with the article a statement needs: e = 1,602 · 10⁻¹⁹ C (CODATA 2018),
// printed 1,6 · 10⁻¹⁹ by the books; the alpha particle carries 2e.
const Item particles[] = {
    {"um elétron", 1.6e-19},
    {"um próton", 1.6e-19},
    {"uma partícula alfa", 3.2e-19},
};

}

const Table earthGravity{"m/s²", earthG};
const Table bodyGravity{"m/s²", bodyG};
const Table liquidDensity{"kg/m³", liquids};
const Table solidDensity{"kg/m³", solids};
const Table specificHeat{"cal/(g·ºC)", heats};
const Table meltingHeat{"cal/g", melting};
const Table boilingHeat{"cal/g", boiling};
const Table linearExpansion{"ºC⁻¹", linear};
const Table volumeExpansion{"ºC⁻¹", volume};
// The part of a table a situation fixes: water in a kettle, a pan's metal, a steel rail.
const Table waterHeat{"cal/(g·ºC)", std::span(heats).first(1)};
const Table iceHeat{"cal/(g·ºC)", std::span(heats).subspan(1, 1)};
const Table metalHeat{"cal/(g·ºC)", std::span(heats).subspan(2, 3)};
const Table iceMelting{"cal/g", std::span(melting).first(1)};
const Table metalMelting{"cal/g", std::span(melting).subspan(1, 2)};
const Table waterBoiling{"cal/g", std::span(boiling).first(1)};
const Table steelExpansion{"ºC⁻¹", std::span(linear).subspan(2, 1)};
const Table metalExpansion{"ºC⁻¹", std::span(linear).first(5)};
const Table surfaceExpansion{"ºC⁻¹", surface};
const Table fuelExpansion{"ºC⁻¹", std::span(volume).subspan(1, 2)};
const Table solidVolumeExpansion{"ºC⁻¹", solidVolume};
const Table gasConstant{"atm·L/(mol·K)", gas};
const Table resistivity{"Ω·m", resistivities};
const Table refractiveIndex{"", indexes};
const Table soundSpeed{"m/s", sound};
const Table lightSpeed{"m/s", light};
const Table soundInAir{"m/s", soundAir};
const Table surfaceGravity{"m/s²", surfaceG};

const Table mainsVoltage{"V", mains};
// One metal each, for the situations that name it: house wiring is of copper (NBR 5410),
// power lines of aluminium, lamp filaments of tungsten, heating elements of nichrome.
const Table copperResistivity{"Ω·m", std::span(resistivities).subspan(0, 1)};
const Table aluminiumResistivity{"Ω·m", std::span(resistivities).subspan(1, 1)};
const Table tungstenResistivity{"Ω·m", std::span(resistivities).subspan(3, 1)};
const Table nichromeResistivity{"Ω·m", std::span(resistivities).subspan(5, 1)};
const Table chargedParticles{"C", particles};

std::span<const Table* const> tables()
{
    static const Table* const all[] = {&earthGravity, &bodyGravity, &liquidDensity, &solidDensity, &specificHeat,
                                       &meltingHeat, &boilingHeat, &linearExpansion, &volumeExpansion, &resistivity,
                                       &refractiveIndex, &soundSpeed, &lightSpeed, &soundInAir, &surfaceGravity,
                                       &mainsVoltage, &copperResistivity, &aluminiumResistivity, &nichromeResistivity,
                                       &tungstenResistivity, &chargedParticles,
                                       &waterHeat, &iceHeat, &metalHeat, &iceMelting, &metalMelting,
                                       &waterBoiling, &steelExpansion, &metalExpansion, &surfaceExpansion,
                                       &fuelExpansion, &solidVolumeExpansion, &gasConstant};
    return all;
}

}
