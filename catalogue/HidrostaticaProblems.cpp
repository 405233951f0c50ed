#include "catalogue/AreaProblems.h"

#include <cmath>
#include <cstring>

// The exercises of the hydrostatics topics, each a situation with its own values: a lake
// is fresh water and the sea is sea water, as the density tables give them; g on Earth is
// 9,8 or 10 m/s² and the statement says which; a pool is 1 to 5 m deep, a diver 5 to 40 m
// down, a dam 10 to 100 m high. Another g is asked only on another body, where a probe or
// an astronaut measures it.
namespace Hidrostatica {

namespace {

using Problems::Draw;
using Problems::Statement;
using Problems::Value;

// Whether a value a table gave is one of the entries the words name ("num lago": água).
bool oneOf(long double value, const Materials::Table& table, std::initializer_list<const char*> names)
{
    for (const Materials::Item& item : table.items) {
        for (const char* name : names) {
            if (std::strcmp(item.name, name) == 0 && std::fabs(value - item.value) <= 1e-9L * std::fabs(item.value))
                return true;
        }
    }
    return false;
}

bool liquid(long double density, const char* name) { return oneOf(density, Materials::liquidDensity, {name}); }

// A laboratory stands on the Moon or on Mars; Jupiter has no ground to stand on.
bool onGround(long double g) { return !oneOf(g, Materials::bodyGravity, {"Júpiter"}); }

// d = m / v: a rock sample of 2 200 to 3 300 kg/m³, a liquid of 700 to 1 400 kg/m³, a
// wooden beam of 400 to 900 kg/m³; masses of flasks, blocks, a water tank of 250 to
// 1 000 L, a fuel truck of 10 to 25 t, a person of 40 to 110 kg.
const Statement densityStatements[] = {
    {"eVm",
     "Um geólogo mede uma amostra de rocha: a massa é {eDS} e, mergulhada numa proveta com água, ela desloca "
     "{eDT}. Qual é a densidade da rocha, em {?}?",
     {{"eDS", 100, 1000, "g", "g"}, {"eDT", 40, 400, "cm³", "cm³ mL"}, {"eVm", 2200, 3300, "kg/m³", "g/cm³"}}},
    {"eVm",
     "Num laboratório, um estudante coloca {eDT} de um líquido desconhecido num béquer e mede a massa do "
     "líquido: {eDS}. Qual é a densidade do líquido, em {?}?",
     {{"eDT", 50, 500, "mL", "mL L"}, {"eDS", 40, 700, "g", "g"}, {"eVm", 700, 1400, "kg/m³", "g/cm³ kg/L"}}},
    {"eVm",
     "Uma viga de madeira maciça tem volume de {eDT} e massa de {eDS}. Qual é a densidade da madeira, em {?}?",
     {{"eDT", 0.02, 0.1, "m³", "L"}, {"eDS", 10, 90, "kg"}, {"eVm", 400, 900, "kg/m³", "g/cm³"}}},
    {"eDS",
     "Um frasco de laboratório contém {eDT} de {eVm:nome}, cuja densidade é {eVm}. Qual é a massa do líquido, "
     "em {?}?",
     {{"eDT", 100, 1000, "mL", "mL L"}, {.field = "eVm", .table = &Materials::liquidDensity},
      {"eDS", 0.05, 14, "kg", "g"}}},
    {"eDS",
     "Um bloco maciço de {eVm:nome}, de densidade {eVm}, tem volume de {eDT}. Qual é a massa do bloco, em {?}?",
     {{"eDT", 50, 1000, "cm³", "cm³ L"}, {.field = "eVm", .table = &Materials::solidDensity},
      {"eDS", 0.04, 20, "kg", "g"}}},
    {"eDS",
     "Uma caixa-d'água de {eDT} está cheia de água, cuja densidade é {eVm}. Qual é a massa da água, em {?}?",
     {{"eDT", 250, 1000, "L", "L"}, {.field = "eVm", .table = &Materials::liquidDensity},
      {"eDS", 250, 1000, "kg", "t"}},
     [](const Draw& d) { return liquid(d("eVm"), "água"); }},
    {"eDT",
     "Uma peça maciça de {eVm:nome}, de densidade {eVm}, tem massa de {eDS}. Qual é o volume da peça, em {?}?",
     {{"eDS", 0.2, 5, "kg", "g"}, {.field = "eVm", .table = &Materials::solidDensity},
      {"eDT", 10, 6000, "cm³", "cm³ L"}}},
    {"eDT",
     "Um caminhão-tanque transporta {eDS} de {eVm:nome}, combustível de densidade {eVm}. Que volume ocupa a "
     "carga, em {?}?",
     {{"eDS", 10, 25, "t", "t"}, {.field = "eVm", .table = &Materials::liquidDensity}, {"eDT", 12, 40, "m³"}},
     [](const Draw& d) { return liquid(d("eVm"), "gasolina") || liquid(d("eVm"), "álcool"); }},
    {"eDT",
     "A densidade média do corpo humano é próxima da densidade da água, {eVm}. Qual é, aproximadamente, o volume "
     "do corpo de uma pessoa de {eDS}, em {?}?",
     {{"eDS", 40, 110, "kg"}, {.field = "eVm", .table = &Materials::liquidDensity}, {"eDT", 0.04, 0.11, "m³", "L"}},
     [](const Draw& d) { return liquid(d("eVm"), "água"); }},
};

// P = F / A: a person standing on 200 to 500 cm² of feet, about 10⁴ N/m²; a thumbtack's
// point of a fraction of a mm²; a full water tank on a slab; a car tyre at 1,8 to 2,4 ·
// 10⁵ N/m² over 120 to 200 cm² of ground; a knife's edge; a refrigerator; a brick; a
// ballerina on pointe, 4 to 15 cm²; a crawler tractor on 0,8 to 3 m².
const Statement pressureStatements[] = {
    {"prP",
     "Uma pessoa de peso {prF} está de pé, descalça, e a área total de contato dos seus pés com o chão é {prA}. "
     "Qual é a pressão que ela exerce sobre o chão, em {?}?",
     {{"prF", 400, 1100, "N", "kgf"}, {"prA", 200, 500, "cm²", "cm²"}, {"prP", 8000, 55000, "N/m²", "kPa"}}},
    {"prP",
     "Ao fixar um percevejo num mural, uma pessoa empurra a cabeça dele com uma força de {prF}. A ponta do "
     "percevejo tem área de {prA}. Qual é a pressão que a ponta exerce sobre o mural, em {?}?",
     {{"prF", 5, 30, "N"}, {"prA", 0.05, 0.5, "mm²", "mm²"}, {"prP", 1e7, 6e8, "N/m²", "MPa"}}},
    {"prP",
     "Uma caixa-d'água cheia pesa {prF} e se apoia sobre a laje por uma base de área {prA}. Qual é a pressão "
     "média que ela exerce sobre a laje, em {?}?",
     {{"prF", 5000, 12000, "N", "kN kgf"}, {"prA", 0.8, 2, "m²"}, {"prP", 2500, 15000, "N/m²", "kPa"}}},
    {"prF",
     "O ar de um pneu de carro está à pressão de {prP}, e a área do pneu em contato com o asfalto é {prA}. Que "
     "força o pneu exerce sobre o asfalto, em {?}?",
     {{"prP", 1.8e5, 2.4e5, "N/m²", "kPa atm"}, {"prA", 120, 200, "cm²", "cm²"}, {"prF", 2000, 5000, "N", "kgf kN"}}},
    {"prF",
     "Ao cortar um tomate, o fio de uma faca, de área {prA}, exerce sobre a casca uma pressão de {prP}. Qual é a "
     "força aplicada na faca, em {?}?",
     {{"prA", 1, 5, "mm²", "mm²"}, {"prP", 1e6, 1e7, "N/m²", "MPa"}, {"prF", 2, 40, "N"}}},
    {"prF",
     "Uma geladeira apoiada no piso exerce sobre ele uma pressão média de {prP}, e a sua base tem área de {prA}. "
     "Qual é o peso da geladeira, em {?}?",
     {{"prP", 800, 3500, "N/m²", "kPa"}, {"prA", 0.3, 0.5, "m²", "cm²"}, {"prF", 400, 1200, "N", "kgf"}}},
    {"prA",
     "Um tijolo de peso {prF}, apoiado no chão sobre uma de suas faces, exerce uma pressão de {prP}. Qual é a "
     "área dessa face, em {?}?",
     {{"prF", 20, 30, "N"}, {"prP", 800, 4500, "N/m²", "kPa"}, {"prA", 60, 250, "cm²", "cm²"}}},
    {"prA",
     "Uma bailarina de peso {prF} apoia-se na ponta de uma sapatilha e exerce sobre o palco uma pressão de {prP}. "
     "Qual é a área de apoio da sapatilha, em {?}?",
     {{"prF", 400, 600, "N", "kgf"}, {"prP", 4e5, 1.2e6, "N/m²", "kPa atm"}, {"prA", 4, 15, "cm²", "cm²"}}},
    {"prA",
     "Um trator de esteiras de peso {prF} exerce sobre o solo uma pressão de {prP}. Qual é a área total de contato "
     "das esteiras com o solo, em {?}?",
     {{"prF", 3e4, 8e4, "N", "kN"}, {"prP", 2e4, 6e4, "N/m²", "kPa"}, {"prA", 0.8, 3, "m²"}}},
};

// E = d · g · v: a stone in a river, a fishing boat at sea, a cube in a laboratory on the
// Moon or Mars; an unknown liquid, brine that holds an egg (1 030 to 1 200 kg/m³), the
// ethanol of a filling station (780 to 830 kg/m³); g on a distant planet, on Mars (3,7)
// and on the Moon (1,6); what a boat, a ship and a floating person displace.
const Statement buoyancyStatements[] = {
    {"tiT",
     "Uma pedra de volume {tiCos} está totalmente submersa num rio de água doce, de densidade {tiF} (considere "
     "g = {tiD}). Qual é o empuxo que a água exerce sobre a pedra, em {?}?",
     {{"tiCos", 0.5, 5, "L", "L cm³"}, {.field = "tiF", .table = &Materials::liquidDensity},
      {.field = "tiD", .table = &Materials::earthGravity}, {"tiT", 4.5, 50, "N"}},
     [](const Draw& d) { return liquid(d("tiF"), "água"); }},
    {"tiT",
     "Um barco de pesca flutua no mar, deslocando {tiCos} de água salgada, de densidade {tiF} (considere "
     "g = {tiD}). Qual é o empuxo que o barco recebe, em {?}?",
     {{"tiCos", 5, 50, "m³", "L"}, {.field = "tiF", .table = &Materials::liquidDensity},
      {.field = "tiD", .table = &Materials::earthGravity}, {"tiT", 4.9e4, 5.2e5, "N", "kN"}},
     [](const Draw& d) { return liquid(d("tiF"), "água do mar"); }},
    {"tiT",
     "Num laboratório {tiD:em}, onde g = {tiD}, um cubo de volume {tiCos}, preso por um fio ao fundo de um "
     "recipiente, fica totalmente imerso em {tiF:nome}, de densidade {tiF}. Qual é o empuxo sobre o cubo, em {?}?",
     {{"tiCos", 100, 1000, "cm³", "cm³ L"}, {.field = "tiF", .table = &Materials::liquidDensity},
      {.field = "tiD", .table = &Materials::bodyGravity}, {"tiT", 0.1, 55, "N"}},
     [](const Draw& d) { return onGround(d("tiD")); }},
    {"tiF",
     "Uma pedra de volume {tiCos}, pendurada num dinamômetro, é totalmente mergulhada num líquido desconhecido e "
     "sofre um empuxo de {tiT} (considere g = {tiD}). Qual é a densidade do líquido, em {?}?",
     {{"tiCos", 100, 500, "cm³", "cm³ mL"}, {"tiT", 0.7, 7, "N"}, {.field = "tiD", .table = &Materials::earthGravity},
      {"tiF", 700, 1400, "kg/m³", "g/cm³"}}},
    {"tiF",
     "Um ovo de volume {tiCos} fica totalmente submerso numa salmoura (água com sal) e sofre um empuxo de {tiT} "
     "(considere g = {tiD}). Qual é a densidade da salmoura, em {?}?",
     {{"tiCos", 50, 65, "cm³", "cm³ mL"}, {"tiT", 0.5, 0.8, "N"}, {.field = "tiD", .table = &Materials::earthGravity},
      {"tiF", 1030, 1200, "kg/m³", "g/cm³"}}},
    {"tiF",
     "Um fiscal testa o etanol de um posto: um corpo de prova de volume {tiCos}, totalmente imerso no combustível, "
     "sofre um empuxo de {tiT} (considere g = {tiD}). Qual é a densidade do combustível, em {?}?",
     {{"tiCos", 100, 200, "cm³", "cm³ mL"}, {"tiT", 0.75, 1.65, "N"}, {.field = "tiD", .table = &Materials::earthGravity},
      {"tiF", 780, 830, "kg/m³", "g/cm³"}}},
    {"tiD",
     "Num planeta distante, uma sonda mergulha um corpo de volume {tiCos} num lago de um líquido de densidade "
     "{tiF}, e o corpo recebe um empuxo de {tiT}. Qual é a aceleração da gravidade nesse planeta, em {?}?",
     {{"tiCos", 1, 10, "L", "L"}, {"tiF", 600, 1500, "kg/m³", "g/cm³"}, {"tiT", 2, 400, "N"}, {"tiD", 2, 30, "m/s²"}}},
    {"tiD",
     "Numa base em Marte, um astronauta mergulha totalmente um objeto de volume {tiCos} num tanque de água, de "
     "densidade {tiF}, e mede um empuxo de {tiT}. Qual é a aceleração da gravidade em Marte, em {?}?",
     {{"tiCos", 500, 1000, "cm³", "cm³ L"}, {.field = "tiF", .table = &Materials::liquidDensity},
      {"tiT", 1.8, 3.8, "N"}, {"tiD", 3.6, 3.8, "m/s²"}},
     [](const Draw& d) { return liquid(d("tiF"), "água"); }},
    {"tiD",
     "Na Lua, um astronauta pendura num dinamômetro uma esfera de volume {tiCos} e a mergulha totalmente em "
     "{tiF:nome}, de densidade {tiF}; o empuxo medido é {tiT}. Qual é a aceleração da gravidade na Lua, em {?}?",
     {{"tiCos", 100, 1000, "cm³", "cm³ L"}, {.field = "tiF", .table = &Materials::liquidDensity},
      {"tiT", 0.1, 23, "N"}, {"tiD", 1.55, 1.65, "m/s²"}}},
    {"tiCos",
     "Um barco de pesca de peso {tiT} flutua num lago de água doce, de densidade {tiF} (considere g = {tiD}). "
     "Qual é o volume de água que o barco desloca, em {?}?",
     {{"tiT", 1e4, 1e5, "N", "kN"}, {.field = "tiF", .table = &Materials::liquidDensity},
      {.field = "tiD", .table = &Materials::earthGravity}, {"tiCos", 1, 10.5, "m³", "L"}},
     [](const Draw& d) { return liquid(d("tiF"), "água"); }},
    {"tiCos",
     "Um navio de peso {tiT} flutua no mar, cuja água tem densidade {tiF} (considere g = {tiD}). Qual é o volume "
     "da parte submersa do casco, em {?}?",
     {{"tiT", 1e7, 5e8, "N"}, {.field = "tiF", .table = &Materials::liquidDensity},
      {.field = "tiD", .table = &Materials::earthGravity}, {"tiCos", 900, 52000, "m³"}},
     [](const Draw& d) { return liquid(d("tiF"), "água do mar"); }},
    {"tiCos",
     "Uma pessoa de peso {tiT} boia em repouso numa piscina de água doce, de densidade {tiF} (considere g = {tiD}). "
     "Qual é o volume da parte submersa do corpo dela, em {?}?",
     {{"tiT", 400, 1100, "N", "kgf"}, {.field = "tiF", .table = &Materials::liquidDensity},
      {.field = "tiD", .table = &Materials::earthGravity}, {"tiCos", 0.04, 0.115, "m³", "L"}},
     [](const Draw& d) { return liquid(d("tiF"), "água"); }},
};

// P = d · g · h: a diver in a lake, the bottom of a pool, the foot of a dam, a test tube
// of any liquid; an unknown liquid, the Dead Sea (about 1 240 kg/m³), the fuel of a
// station's tank (680 to 800 kg/m³); g on a distant planet, on Mars, on the Moon; the
// depth of a diver, of a submarine (100 to 300 m), of a pool.
const Statement hydrostaticStatements[] = {
    {"tiT",
     "Um mergulhador está a {tiCos} de profundidade num lago de água doce, de densidade {tiF} (considere "
     "g = {tiD}). Qual é a pressão exercida apenas pela água sobre ele, em {?}?",
     {{"tiCos", 5, 40, "m"}, {.field = "tiF", .table = &Materials::liquidDensity},
      {.field = "tiD", .table = &Materials::earthGravity}, {"tiT", 4.5e4, 4.1e5, "N/m²", "atm kPa"}},
     [](const Draw& d) { return liquid(d("tiF"), "água"); }},
    {"tiT",
     "Uma piscina tem {tiCos} de profundidade e está cheia de água, de densidade {tiF} (considere g = {tiD}). "
     "Qual é a pressão hidrostática no fundo da piscina, em {?}?",
     {{"tiCos", 1, 5, "m", "cm"}, {.field = "tiF", .table = &Materials::liquidDensity},
      {.field = "tiD", .table = &Materials::earthGravity}, {"tiT", 9500, 51000, "N/m²", "kPa atm"}},
     [](const Draw& d) { return liquid(d("tiF"), "água"); }},
    {"tiT",
     "Junto à barragem de uma represa, a água, de densidade {tiF}, tem {tiCos} de profundidade (considere "
     "g = {tiD}). Qual é a pressão hidrostática na base da barragem, em {?}?",
     {{"tiCos", 10, 100, "m"}, {.field = "tiF", .table = &Materials::liquidDensity},
      {.field = "tiD", .table = &Materials::earthGravity}, {"tiT", 9.5e4, 1.01e6, "N/m²", "atm kPa"}},
     [](const Draw& d) { return liquid(d("tiF"), "água"); }},
    {"tiT",
     "Um tubo de ensaio vertical contém uma coluna de {tiF:nome}, de densidade {tiF}, com {tiCos} de altura "
     "(considere g = {tiD}). Qual é a pressão que o líquido exerce no fundo do tubo, em {?}?",
     {{"tiCos", 5, 15, "cm", "cm"}, {.field = "tiF", .table = &Materials::liquidDensity},
      {.field = "tiD", .table = &Materials::earthGravity}, {"tiT", 300, 21000, "N/m²", "kPa"}}},
    {"tiF",
     "No fundo de um tanque de {tiCos} de profundidade, cheio de um líquido desconhecido, a pressão hidrostática "
     "é {tiT} (considere g = {tiD}). Qual é a densidade do líquido, em {?}?",
     {{"tiCos", 1, 3, "m", "cm"}, {"tiT", 7000, 42000, "N/m²", "kPa"}, {.field = "tiD", .table = &Materials::earthGravity},
      {"tiF", 700, 1400, "kg/m³", "g/cm³"}}},
    {"tiF",
     "No Mar Morto, de água muito salgada, um sensor a {tiCos} de profundidade registra a pressão hidrostática "
     "de {tiT} (considere g = {tiD}). Qual é a densidade da água do Mar Morto, em {?}?",
     {{"tiCos", 2, 20, "m"}, {"tiT", 2.3e4, 2.6e5, "N/m²", "kPa atm"}, {.field = "tiD", .table = &Materials::earthGravity},
      {"tiF", 1200, 1250, "kg/m³", "g/cm³"}}},
    {"tiF",
     "Num posto, um sensor no fundo do tanque subterrâneo, {tiCos} abaixo da superfície do combustível, mede a "
     "pressão hidrostática de {tiT} (considere g = {tiD}). Qual é a densidade do combustível, em {?}?",
     {{"tiCos", 1, 2.5, "m", "cm"}, {"tiT", 6500, 20000, "N/m²", "kPa"}, {.field = "tiD", .table = &Materials::earthGravity},
      {"tiF", 680, 800, "kg/m³", "g/cm³"}}},
    {"tiD",
     "Num planeta distante, uma sonda mergulha num lago de um líquido de densidade {tiF} e mede, a {tiCos} de "
     "profundidade, a pressão hidrostática de {tiT}. Qual é a aceleração da gravidade nesse planeta, em {?}?",
     {{"tiF", 600, 1500, "kg/m³", "g/cm³"}, {"tiCos", 1, 10, "m", "cm"}, {"tiT", 1200, 4.5e5, "N/m²", "kPa"},
      {"tiD", 2, 30, "m/s²"}}},
    {"tiD",
     "Numa base em Marte, um sensor no fundo de um tanque de água, de densidade {tiF}, mede a pressão hidrostática "
     "de {tiT} sob uma coluna de água de {tiCos}. Qual é a aceleração da gravidade em Marte, em {?}?",
     {{.field = "tiF", .table = &Materials::liquidDensity}, {"tiCos", 1, 4, "m", "cm"},
      {"tiT", 3600, 15200, "N/m²", "kPa"}, {"tiD", 3.6, 3.8, "m/s²"}},
     [](const Draw& d) { return liquid(d("tiF"), "água"); }},
    {"tiD",
     "Numa base na Lua, um reservatório contém {tiF:nome}, de densidade {tiF}, até a altura de {tiCos}, e a pressão "
     "hidrostática no fundo é {tiT}. Qual é a aceleração da gravidade na Lua, em {?}?",
     {{.field = "tiF", .table = &Materials::liquidDensity}, {"tiCos", 0.5, 2, "m", "cm"},
      {"tiT", 500, 44000, "N/m²", "kPa"}, {"tiD", 1.55, 1.65, "m/s²"}},
     [](const Draw& d) { return !liquid(d("tiF"), "mercúrio"); }},
    {"tiCos",
     "Num lago de água doce, de densidade {tiF}, a pressão exercida pela água sobre um mergulhador é {tiT} "
     "(considere g = {tiD}). A que profundidade ele está, em {?}?",
     {{.field = "tiF", .table = &Materials::liquidDensity}, {"tiT", 5e4, 3.9e5, "N/m²", "atm kPa"},
      {.field = "tiD", .table = &Materials::earthGravity}, {"tiCos", 5, 40, "m"}},
     [](const Draw& d) { return liquid(d("tiF"), "água"); }},
    {"tiCos",
     "Um submarino está no mar sob a pressão hidrostática de {tiT}. Sendo a densidade da água do mar {tiF} "
     "(considere g = {tiD}), a que profundidade ele está, em {?}?",
     {{"tiT", 1e6, 3e6, "N/m²", "atm MPa"}, {.field = "tiF", .table = &Materials::liquidDensity},
      {.field = "tiD", .table = &Materials::earthGravity}, {"tiCos", 95, 300, "m"}},
     [](const Draw& d) { return liquid(d("tiF"), "água do mar"); }},
    {"tiCos",
     "No fundo de uma piscina, a pressão hidrostática é {tiT}. Sendo a densidade da água {tiF} (considere "
     "g = {tiD}), qual é a profundidade da piscina, em {?}?",
     {{"tiT", 1e4, 4.9e4, "N/m²", "kPa"}, {.field = "tiF", .table = &Materials::liquidDensity},
      {.field = "tiD", .table = &Materials::earthGravity}, {"tiCos", 1, 5, "m", "cm"}},
     [](const Draw& d) { return liquid(d("tiF"), "água"); }},
};

// F₁ / A₁ = F₂ / A₂, with pistons of cm²: a garage lift under a car of 800 to 2 000 kg, a
// jack under one side of a car, a dentist's chair, a car's brakes (master cylinder 2 to
// 6 cm², wheel cylinder 10 to 30 cm²), a workshop press, a forklift, a dump truck.
const Statement pressStatements[] = {
    {"phF1",
     "Num elevador hidráulico de posto, o êmbolo menor tem área {phA1} e o maior, área {phA2}. Que força deve "
     "ser aplicada no êmbolo menor, em {?}, para erguer um carro de peso {phF2} apoiado no êmbolo maior?",
     {{"phA1", 5, 20, "cm²", "cm²"}, {"phA2", 400, 1500, "cm²", "cm²"}, {"phF2", 8000, 20000, "N", "kgf kN"},
      {"phF1", 30, 1000, "N", "kgf"}}},
    {"phF1",
     "Um macaco hidráulico tem êmbolos de áreas {phA1} e {phA2}. Para erguer um dos lados de um carro, o êmbolo "
     "maior deve exercer uma força de {phF2}. Que força deve ser feita no êmbolo menor, em {?}?",
     {{"phA1", 1, 4, "cm²", "cm²"}, {"phA2", 20, 80, "cm²", "cm²"}, {"phF2", 3000, 8000, "N", "kgf kN"},
      {"phF1", 50, 800, "N", "kgf"}}},
    {"phF1",
     "Uma cadeira de dentista é erguida por um sistema hidráulico: o pedal empurra um êmbolo de área {phA1}, e a "
     "cadeira, com o paciente, exerce {phF2} sobre um êmbolo de área {phA2}. Que força o pedal deve fazer, em {?}?",
     {{"phA1", 2, 6, "cm²", "cm²"}, {"phA2", 30, 100, "cm²", "cm²"}, {"phF2", 1000, 2000, "N", "kgf"},
      {"phF1", 20, 400, "N", "kgf"}}},
    {"phA1",
     "No freio hidráulico de um carro, o pedal empurra com {phF1} o pistão do cilindro mestre, e o fluido faz o "
     "pistão de uma roda, de área {phA2}, exercer {phF2} sobre a pastilha. Qual é a área do pistão do cilindro "
     "mestre, em {?}?",
     {{"phF1", 200, 800, "N", "kgf"}, {"phA2", 10, 30, "cm²", "cm²"}, {"phF2", 2000, 8000, "N", "kgf kN"},
      {"phA1", 2, 6, "cm²", "cm²"}}},
    {"phA1",
     "Numa prensa hidráulica de oficina, uma força de {phF1} aplicada no êmbolo menor equilibra uma carga de {phF2} "
     "sobre o êmbolo maior, de área {phA2}. Qual é a área do êmbolo menor, em {?}?",
     {{"phF1", 100, 500, "N", "kgf"}, {"phF2", 1e4, 5e4, "N", "kN kgf"}, {"phA2", 200, 1000, "cm²", "cm²"},
      {"phA1", 2, 20, "cm²", "cm²"}}},
    {"phA1",
     "Numa empilhadeira, a bomba hidráulica empurra o óleo com uma força de {phF1}, e o êmbolo do garfo, de área "
     "{phA2}, ergue uma carga de peso {phF2}. Qual é a área do êmbolo da bomba, em {?}?",
     {{"phF1", 200, 1000, "N", "kgf"}, {"phA2", 50, 200, "cm²", "cm²"}, {"phF2", 5000, 20000, "N", "kgf kN"},
      {"phA1", 1, 10, "cm²", "cm²"}}},
    {"phF2",
     "Numa prensa hidráulica, aplica-se uma força de {phF1} no êmbolo de área {phA1}. Qual é a força transmitida "
     "ao êmbolo de área {phA2}, em {?}?",
     {{"phF1", 100, 500, "N", "kgf"}, {"phA1", 2, 10, "cm²", "cm²"}, {"phA2", 100, 500, "cm²", "cm²"},
      {"phF2", 2000, 1e5, "N", "kN"}}},
    {"phF2",
     "Um macaco hidráulico tem êmbolos de áreas {phA1} e {phA2}. Empurrando o êmbolo menor com {phF1}, que força o "
     "êmbolo maior faz sobre o carro, em {?}?",
     {{"phA1", 1, 4, "cm²", "cm²"}, {"phA2", 20, 80, "cm²", "cm²"}, {"phF1", 100, 400, "N", "kgf"},
      {"phF2", 1000, 10000, "N", "kgf kN"}}},
    {"phF2",
     "Ao frear, o motorista faz o pistão do cilindro mestre, de área {phA1}, empurrar o fluido com {phF1}. Que força "
     "o pistão de uma roda, de área {phA2}, exerce sobre a pastilha de freio, em {?}?",
     {{"phA1", 2, 6, "cm²", "cm²"}, {"phF1", 200, 800, "N", "kgf"}, {"phA2", 10, 30, "cm²", "cm²"},
      {"phF2", 1000, 10000, "N", "kgf kN"}}},
    {"phA2",
     "Num elevador hidráulico de posto, uma força de {phF1} no êmbolo menor, de área {phA1}, sustenta um carro de "
     "peso {phF2} sobre o êmbolo maior. Qual é a área do êmbolo maior, em {?}?",
     {{"phF1", 100, 800, "N", "kgf"}, {"phA1", 5, 20, "cm²", "cm²"}, {"phF2", 8000, 20000, "N", "kgf kN"},
      {"phA2", 400, 1500, "cm²", "cm²"}}},
    {"phA2",
     "Num caminhão basculante, a bomba exerce {phF1} sobre um êmbolo de área {phA1}, e o cilindro que ergue a "
     "caçamba deve fazer uma força de {phF2}. Qual deve ser a área do êmbolo desse cilindro, em {?}?",
     {{"phF1", 1000, 5000, "N", "kgf kN"}, {"phA1", 5, 20, "cm²", "cm²"}, {"phF2", 1e5, 3e5, "N", "kN"},
      {"phA2", 100, 800, "cm²", "cm²"}}},
    {"phA2",
     "Numa cadeira de dentista, o pedal faz {phF1} sobre um êmbolo de área {phA1}. Para erguer a cadeira com o "
     "paciente, de peso total {phF2}, qual deve ser a área do êmbolo que sustenta a cadeira, em {?}?",
     {{"phF1", 50, 200, "N", "kgf"}, {"phA1", 2, 6, "cm²", "cm²"}, {"phF2", 1000, 2000, "N", "kgf"},
      {"phA2", 20, 150, "cm²", "cm²"}}},
};

// p = Pₐₜₘ + d · g · h with 1 atm taken as 1,0 or 1,01 · 10⁵ N/m² at sea level: a lake, a
// pool, the sea floor; the air over a mountain lake (0,6 to 0,84 atm), in a mountain town
// (0,82 to 0,91 atm), in a city of the plateau (0,84 to 0,94 atm); an unknown liquid,
// brine, crude oil (800 to 950 kg/m³); g on a distant planet, on Mars and on the Moon
// inside a base kept at 1 atm; the depth of a diver, of a submarine's limit, of a pool.
const Value seaLevel{"paPatm", 1.0e5, 1.01e5};

const Statement absolutePressureStatements[] = {
    {"paP",
     "Um mergulhador está a {paH} de profundidade num lago de água doce, de densidade {paD}, onde a pressão "
     "atmosférica é {paPatm} (considere g = {paG}). Qual é a pressão total sobre o mergulhador, em {?}?",
     {{"paH", 5, 40, "m"}, {.field = "paD", .table = &Materials::liquidDensity}, seaLevel,
      {.field = "paG", .table = &Materials::earthGravity}, {"paP", 1.4e5, 5.1e5, "N/m²", "atm kPa"}},
     [](const Draw& d) { return liquid(d("paD"), "água"); }},
    {"paP",
     "Uma piscina tem {paH} de profundidade e está cheia de água, de densidade {paD}, sob a pressão atmosférica de "
     "{paPatm} (considere g = {paG}). Qual é a pressão absoluta no fundo da piscina, em {?}?",
     {{"paH", 1, 5, "m", "cm"}, {.field = "paD", .table = &Materials::liquidDensity}, seaLevel,
      {.field = "paG", .table = &Materials::earthGravity}, {"paP", 1.05e5, 1.52e5, "N/m²", "atm kPa"}},
     [](const Draw& d) { return liquid(d("paD"), "água"); }},
    {"paP",
     "Um robô submarino explora o fundo do mar a {paH} de profundidade. Sendo a densidade da água do mar {paD}, a "
     "pressão atmosférica {paPatm} e g = {paG}, qual é a pressão absoluta sobre o robô, em {?}?",
     {{"paH", 100, 1000, "m", "km"}, {.field = "paD", .table = &Materials::liquidDensity}, seaLevel,
      {.field = "paG", .table = &Materials::earthGravity}, {"paP", 1e6, 1.1e7, "N/m²", "atm MPa"}},
     [](const Draw& d) { return liquid(d("paD"), "água do mar"); }},
    {"paPatm",
     "Num lago de montanha, um sensor a {paH} de profundidade mede a pressão absoluta de {paP}. Sendo a densidade "
     "da água {paD} e g = {paG}, qual é a pressão atmosférica no local, em {?}?",
     {{"paH", 2, 20, "m"}, {"paP", 8e4, 2.8e5, "N/m²", "atm kPa"}, {.field = "paD", .table = &Materials::liquidDensity},
      {.field = "paG", .table = &Materials::earthGravity}, {"paPatm", 6e4, 8.5e4, "N/m²", "atm cmHg mmHg"}},
     [](const Draw& d) { return liquid(d("paD"), "água"); }},
    {"paPatm",
     "Numa cidade serrana, a pressão absoluta no fundo de uma piscina de {paH} de profundidade é {paP}. Sendo a "
     "densidade da água {paD} e g = {paG}, qual é a pressão atmosférica na cidade, em {?}?",
     {{"paH", 1, 3, "m", "cm"}, {"paP", 9.3e4, 1.22e5, "N/m²", "atm kPa"},
      {.field = "paD", .table = &Materials::liquidDensity}, {.field = "paG", .table = &Materials::earthGravity},
      {"paPatm", 83000, 92000, "N/m²", "atm cmHg mmHg"}},
     [](const Draw& d) { return liquid(d("paD"), "água"); }},
    {"paPatm",
     "Num laboratório de uma cidade do planalto, um recipiente aberto contém {paD:nome}, de densidade {paD}. Um "
     "sensor a {paH} de profundidade mede a pressão absoluta de {paP} (considere g = {paG}). Qual é a pressão "
     "atmosférica no laboratório, em {?}?",
     {{.field = "paD", .table = &Materials::liquidDensity}, {"paH", 20, 100, "cm", "cm"},
      {"paP", 8.5e4, 2.3e5, "N/m²", "atm kPa"}, {.field = "paG", .table = &Materials::earthGravity},
      {"paPatm", 85000, 95000, "N/m²", "atm cmHg mmHg"}},
     [](const Draw& d) { return !liquid(d("paD"), "mercúrio"); }},
    {"paD",
     "Num tanque aberto, sob a pressão atmosférica de {paPatm}, a pressão absoluta a {paH} de profundidade num "
     "líquido desconhecido é {paP} (considere g = {paG}). Qual é a densidade do líquido, em {?}?",
     {seaLevel, {"paH", 1, 5, "m", "cm"}, {"paP", 1.07e5, 1.7e5, "N/m²", "atm kPa"},
      {.field = "paG", .table = &Materials::earthGravity}, {"paD", 700, 1400, "kg/m³", "g/cm³"}}},
    {"paD",
     "Num tanque de salmoura de uma fábrica de conservas, aberto ao ar (pressão atmosférica de {paPatm}), um "
     "sensor a {paH} de profundidade mede {paP} (considere g = {paG}). Qual é a densidade da salmoura, em {?}?",
     {seaLevel, {"paH", 1, 3, "m", "cm"}, {"paP", 1.1e5, 1.37e5, "N/m²", "atm kPa"},
      {.field = "paG", .table = &Materials::earthGravity}, {"paD", 1050, 1200, "kg/m³", "g/cm³"}}},
    {"paD",
     "Num tanque aberto de uma refinaria, cheio de petróleo, um sensor a {paH} de profundidade mede a pressão "
     "absoluta de {paP}. Sendo a pressão atmosférica {paPatm} e g = {paG}, qual é a densidade do petróleo, em {?}?",
     {{"paH", 5, 15, "m"}, {"paP", 1.4e5, 2.5e5, "N/m²", "atm kPa"}, seaLevel,
      {.field = "paG", .table = &Materials::earthGravity}, {"paD", 800, 950, "kg/m³", "g/cm³"}}},
    {"paG",
     "Num planeta distante, a pressão atmosférica na superfície de um lago é {paPatm}. A {paH} de profundidade, "
     "onde o líquido do lago tem densidade {paD}, uma sonda mede a pressão absoluta de {paP}. Qual é a aceleração "
     "da gravidade nesse planeta, em {?}?",
     {{"paPatm", 2e4, 2e5, "N/m²", "atm kPa"}, {"paH", 2, 20, "m"}, {"paD", 600, 1500, "kg/m³", "g/cm³"},
      {"paP", 3e4, 1.1e6, "N/m²", "atm kPa"}, {"paG", 2, 30, "m/s²"}}},
    {"paG",
     "Numa base pressurizada em Marte, o ar é mantido a {paPatm}. Na caixa-d'água da base, aberta para esse ar, a "
     "água tem densidade {paD}, e um sensor a {paH} de profundidade mede a pressão absoluta de {paP}. Qual é a "
     "aceleração da gravidade em Marte, em {?}?",
     {seaLevel, {.field = "paD", .table = &Materials::liquidDensity}, {"paH", 4, 10, "m"},
      {"paP", 1.14e5, 1.39e5, "N/m²", "kPa"}, {"paG", 3.6, 3.8, "m/s²"}},
     [](const Draw& d) { return liquid(d("paD"), "água"); }},
    {"paG",
     "Numa base lunar, onde o ar é mantido a {paPatm}, um reservatório aberto contém {paD:nome}, de densidade {paD}. "
     "No fundo, a {paH} da superfície do líquido, a pressão absoluta é {paP}. Qual é a aceleração da gravidade na "
     "Lua, em {?}?",
     {seaLevel, {.field = "paD", .table = &Materials::liquidDensity}, {"paH", 5, 15, "m"},
      {"paP", 1.05e5, 1.32e5, "N/m²", "kPa"}, {"paG", 1.55, 1.65, "m/s²"}},
     [](const Draw& d) { return !liquid(d("paD"), "mercúrio"); }},
    {"paH",
     "Num lago de água doce, de densidade {paD}, sob a pressão atmosférica de {paPatm}, um mergulhador sente uma "
     "pressão total de {paP} (considere g = {paG}). A que profundidade ele está, em {?}?",
     {{.field = "paD", .table = &Materials::liquidDensity}, seaLevel, {"paP", 1.5e5, 5e5, "N/m²", "atm kPa"},
      {.field = "paG", .table = &Materials::earthGravity}, {"paH", 5, 40, "m"}},
     [](const Draw& d) { return liquid(d("paD"), "água"); }},
    {"paH",
     "O casco de um submarino suporta a pressão absoluta de {paP}. No mar, com a água de densidade {paD}, a "
     "pressão atmosférica de {paPatm} e g = {paG}, qual é a maior profundidade que ele pode atingir, em {?}?",
     {{"paP", 2e6, 6e6, "N/m²", "atm MPa"}, {.field = "paD", .table = &Materials::liquidDensity}, seaLevel,
      {.field = "paG", .table = &Materials::earthGravity}, {"paH", 190, 600, "m", "km"}},
     [](const Draw& d) { return liquid(d("paD"), "água do mar"); }},
    {"paH",
     "A pressão absoluta no fundo de uma piscina é {paP}. Sendo a densidade da água {paD}, a pressão atmosférica "
     "{paPatm} e g = {paG}, qual é a profundidade da piscina, em {?}?",
     {{"paP", 1.1e5, 1.5e5, "N/m²", "atm kPa"}, {.field = "paD", .table = &Materials::liquidDensity}, seaLevel,
      {.field = "paG", .table = &Materials::earthGravity}, {"paH", 1, 5, "m", "cm"}},
     [](const Draw& d) { return liquid(d("paD"), "água"); }},
};

const Problems::TopicProblems problemTable[] = {
    {"ButtonXPMACCorel36", densityStatements},
    {"ButtonXPMACCorel37", pressureStatements},
    {"ButtonXPMACCorel38", buoyancyStatements},
    {"ButtonXPMACCorel39", hydrostaticStatements},
    {"ButtonXPMACCorel40", pressStatements},
    {"ButtonXPMACCorel41", absolutePressureStatements},
};

}

const std::span<const Problems::TopicProblems> problems = problemTable;

}
