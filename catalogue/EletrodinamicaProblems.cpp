#include "catalogue/AreaProblems.h"

#include <cmath>

// The exercises of the electric-circuit topics, in the devices a student meets: a shower
// of 4 000 to 7 500 W and a heater of 1 000 to 2 000 W on the 127 V or 220 V mains, lamps
// of 5 to 100 W, a car battery of 12 V, AA cells of 1,5 V, a 9 V battery, a phone's
// charger and battery, an LED of 2 to 3 V at 10 to 30 mA, resistors of 100 Ω to 100 kΩ
// on a breadboard, wires of copper, aluminium, nichrome or tungsten. Currents are in mA
// for electronics and in A for appliances; a month's energy is in kWh. The series,
// parallel and two-resistor pages compute only the equivalent resistance.
namespace Eletrodinamica {

namespace {

using Problems::Draw;
using Problems::Statement;

// Whether a voltage the drawn values imply is the mains' (127 V or 220 V, within 10 %): a
// shower of 6 200 W at 38 A would be on a grid of 163 V that no Brazilian home has.
bool onMains(long double u)
{
    return std::fabs(u / 127 - 1) < 0.1L || std::fabs(u / 220 - 1) < 0.1L;
}

// i = Q / t: a lightning stroke (10 to 30 C in about a millisecond), a lamp's filament,
// a phone charged at 1 to 3 A (batteries of 2 000 to 5 000 mAh), an LED flashlight on AA
// cells, a standby LED, a car's starter motor (100 to 300 A for a few seconds).
const Statement currentStatements[] = {
    {"prP",
     "Num raio, uma carga de {prF} passa da nuvem para o solo em {prA}. Qual é a intensidade média da corrente "
     "elétrica nesse raio, em {?}?",
     {{"prF", 10, 30}, {"prA", 0.5, 2, "ms", "ms"}, {"prP", 5000, 60000}}},
    {"prP",
     "Pelo filamento de uma lâmpada incandescente acesa passam {prF} de carga a cada {prA}. Qual é a corrente "
     "elétrica na lâmpada, em {?}?",
     {{"prF", 20, 250}, {"prA", 1, 5, "min", "min"}, {"prP", 0.2, 1, nullptr, "mA"}}},
    {"prP",
     "Um carregador leva {prA} para carregar por completo a bateria de um celular, que armazena uma carga de "
     "{prF}. Qual é a corrente média fornecida pelo carregador, em {?}?",
     {{"prA", 1, 3, "h", "h min"}, {"prF", 2000, 5000, "mAh", "mAh"}, {"prP", 0.6, 3, nullptr, "mA"}}},
    {"prF",
     "Um carregador fornece uma corrente média de {prP} à bateria de um celular durante {prA}. Que carga elétrica "
     "a bateria recebe nesse tempo, em {?}?",
     {{"prP", 1, 3, nullptr, "mA"}, {"prA", 30, 120, "min", "min h"}, {"prF", 1000, 22000, nullptr, "mAh"}}},
    {"prF",
     "O LED que indica que uma TV está em modo de espera é percorrido por uma corrente de {prP} durante {prA}. "
     "Qual é a carga que passa por ele nesse tempo, em {?}?",
     {{"prP", 2, 10, "mA", "mA"}, {"prA", 1, 24, "h", "h"}, {"prF", 5, 900, nullptr, "mAh"}}},
    {"prF",
     "Na partida de um carro, o motor de arranque é percorrido por uma corrente de {prP} durante {prA}. Que carga "
     "a bateria fornece nesse tempo, em {?}?",
     {{"prP", 100, 300}, {"prA", 1, 5}, {"prF", 100, 1500, nullptr, "Ah"}}},
    {"prA",
     "A bateria de um celular, que armazena uma carga de {prF}, é carregada com uma corrente média de {prP}. "
     "Quanto tempo dura a carga completa, em {?}?",
     {{"prF", 2000, 5000, "mAh", "mAh"}, {"prP", 1, 3, nullptr, "mA"}, {"prA", 0.5, 5, "h", "h min"}}},
    {"prA",
     "Num raio, a corrente média é de {prP}, e a carga transferida da nuvem ao solo é de {prF}. Quanto tempo dura "
     "a descarga, em {?}?",
     {{"prP", 10000, 50000}, {"prF", 5, 30}, {"prA", 0.1, 3, "ms", "ms"}}},
    {"prA",
     "Uma lanterna de LED consome uma corrente de {prP}, e as suas pilhas AA fornecem uma carga de {prF} até se "
     "esgotarem. Por quanto tempo a lanterna fica acesa, em {?}?",
     {{"prP", 100, 300, "mA", "mA"}, {"prF", 1800, 2800, "mAh", "mAh"}, {"prA", 5, 30, "h", "h min"}}},
};

// u = R · i: a breadboard resistor, an extension cord's wire (0,1 to 0,5 Ω at 5 to 12 A),
// a bird on a power line (some 10⁻⁵ Ω between its feet, 100 to 500 A in the line), a lamp
// and a shower on the mains, a human body (1 kΩ wet to 100 kΩ dry), a car's headlight
// (55 W at 12 V, about 2,6 Ω).
const Statement ohmStatements[] = {
    {"lnFR",
     "Num circuito montado numa placa de ensaio, um resistor de {lnM} é percorrido por uma corrente de {lnA}. "
     "Qual é a tensão entre os terminais do resistor, em {?}?",
     {{"lnM", 1, 10, "kΩ", "kΩ"}, {"lnA", 1, 20, "mA", "mA"}, {"lnFR", 1, 24}}},
    {"lnFR",
     "O fio de uma extensão tem resistência de {lnM} e é percorrido por uma corrente de {lnA} quando um ferro de "
     "passar está ligado a ela. Qual é a queda de tensão no fio, em {?}?",
     {{"lnM", 0.1, 0.5}, {"lnA", 5, 12}, {"lnFR", 0.5, 6}}},
    {"lnFR",
     "Um pássaro pousa num fio de uma linha de transmissão. O trecho de fio entre os seus pés tem resistência de "
     "{lnM}, e a corrente na linha é de {lnA}. Qual é a diferença de potencial entre os pés do pássaro, em {?}?",
     {{"lnM", 1e-5, 5e-5}, {"lnA", 100, 500}, {"lnFR", 1, 25, "mV", "mV"}}},
    {"lnM",
     "Um estudante aplica {lnFR} a um resistor e mede, com um amperímetro, uma corrente de {lnA}. Qual é a "
     "resistência do resistor, em {?}?",
     {{"lnFR", 1.5, 12}, {"lnA", 0.5, 20, "mA", "mA"}, {"lnM", 1000, 10000, nullptr, "kΩ"}}},
    {"lnM",
     "Uma lâmpada incandescente, ligada à rede de {lnFR}, é percorrida por uma corrente de {lnA} quando acesa. "
     "Qual é a resistência do filamento aceso, em {?}?",
     {{.field = "lnFR", .table = &Materials::mainsVoltage}, {"lnA", 0.2, 0.8, nullptr, "mA"},
      {"lnM", 150, 1100}}},
    {"lnM",
     "Um chuveiro elétrico ligado à rede de {lnFR} é percorrido por uma corrente de {lnA}. Qual é a resistência "
     "do chuveiro, em {?}?",
     {{.field = "lnFR", .table = &Materials::mainsVoltage}, {"lnA", 20, 60}, {"lnM", 2, 12}}},
    {"lnA",
     "Uma pessoa descalça toca um fio desencapado da rede de {lnFR}. Se a resistência do seu corpo até o chão é "
     "de {lnM}, qual é a corrente que a atravessa, em {?}?",
     {{.field = "lnFR", .table = &Materials::mainsVoltage}, {"lnM", 1, 100, "kΩ", "kΩ"},
      {"lnA", 1, 250, "mA", "mA"}}},
    {"lnA",
     "Um resistor de {lnM} é ligado aos polos de uma bateria de {lnFR}. Qual é a corrente no resistor, em {?}?",
     {{"lnM", 1, 10, "kΩ", "kΩ"}, {"lnFR", 9, 9}, {"lnA", 0.9, 9, "mA", "mA"}}},
    {"lnA",
     "A lâmpada de um farol de carro, de resistência {lnM} quando acesa, é ligada à bateria de {lnFR}. Qual é a "
     "corrente na lâmpada, em {?}?",
     {{"lnM", 2.4, 4}, {"lnFR", 12, 12}, {"lnA", 3, 5}}},
};

// R = ρ · L / A with real metals: house wiring of copper (1,5 to 6 mm²), a power line of
// aluminium (100 to 500 mm², kilometres long), the nichrome of a heater or a shower (0,1
// to 0,5 mm²), the tungsten filament of a lamp (some 10⁻⁹ m², tens of centimetres). A
// resistivity asked comes out of a measurement: near copper's when the wire is said to be
// of copper, otherwise of a metal or alloy the statement calls unknown.
const Statement resistivityStatements[] = {
    {"lo2R",
     "A instalação de uma tomada usa {lo2l} de fio de {lo2p:nome}, de resistividade {lo2p}, com secção de área "
     "{lo2a}. Qual é a resistência desse fio, em {?}?",
     {{.field = "lo2p", .table = &Materials::copperResistivity}, {"lo2l", 5, 50}, {"lo2a", 1.5, 6, "mm²", "mm²"},
      {"lo2R", 0.01, 1}}},
    {"lo2R",
     "A resistência de um aquecedor é feita de {lo2l} de fio de {lo2p:nome}, de resistividade {lo2p}, com secção "
     "de área {lo2a}. Qual é a resistência desse fio, em {?}?",
     {{.field = "lo2p", .table = &Materials::nichromeResistivity}, {"lo2l", 1, 5, nullptr, "cm"},
      {"lo2a", 0.1, 0.5, "mm²", "mm²"}, {"lo2R", 2, 60}}},
    {"lo2R",
     "Uma linha de transmissão tem cabos de {lo2p:nome} (resistividade {lo2p}) de {lo2l} de comprimento, cada um "
     "com secção de área {lo2a}. Qual é a resistência de cada cabo, em {?}?",
     {{.field = "lo2p", .table = &Materials::aluminiumResistivity}, {"lo2l", 1, 50, "km", "km"},
      {"lo2a", 100, 500, "mm²", "mm²"}, {"lo2R", 0.05, 15}}},
    {"lo2R",
     "O filamento de uma lâmpada incandescente é um fio de {lo2p:nome}, de resistividade {lo2p} à temperatura "
     "ambiente, com {lo2l} de comprimento e secção de área {lo2a}. Qual é a resistência do filamento frio, "
     "em {?}?",
     {{.field = "lo2p", .table = &Materials::tungstenResistivity}, {"lo2l", 20, 60, "cm", "cm"},
      {"lo2a", 5e-10, 2e-9}, {"lo2R", 5, 70}}},
    {"lo2p",
     "Para conferir se o fio de um carretel é mesmo de cobre, um estudante mede a resistência de {lo2R} em "
     "{lo2l} desse fio, cuja secção tem área {lo2a}. Qual é a resistividade do material do fio, em {?}?",
     {{"lo2R", 0.05, 4}, {"lo2l", 10, 100}, {"lo2a", 0.5, 2.5, "mm²", "mm²"}, {"lo2p", 1.6e-8, 1.8e-8}}},
    {"lo2p",
     "A resistência de um aquecedor antigo é feita de um fio de uma liga metálica desconhecida: {lo2l} de fio, "
     "com secção de área {lo2a}, têm resistência de {lo2R}. Qual é a resistividade da liga, em {?}?",
     {{"lo2l", 1, 5, nullptr, "cm"}, {"lo2a", 0.1, 0.5, "mm²", "mm²"}, {"lo2R", 2, 50},
      {"lo2p", 4e-7, 1.5e-6, nullptr, "Ω·mm²/m"}}},
    {"lo2p",
     "Um técnico recebe um rolo de fio de um metal desconhecido. Um pedaço de {lo2l}, com secção de área {lo2a}, "
     "tem resistência de {lo2R}. Qual é a resistividade do metal, em {?}?",
     {{"lo2l", 1, 20, nullptr, "cm"}, {"lo2a", 0.5, 4, "mm²", "mm²"}, {"lo2R", 0.005, 0.5},
      {"lo2p", 1.5e-8, 1.2e-7}}},
    {"lo2l",
     "A resistência de um chuveiro, de {lo2R}, é um fio de {lo2p:nome} enrolado em espiral, de resistividade "
     "{lo2p} e secção de área {lo2a}. Qual é o comprimento desse fio, em {?}?",
     {{.field = "lo2p", .table = &Materials::nichromeResistivity}, {"lo2R", 3, 12}, {"lo2a", 0.2, 0.5, "mm²", "mm²"},
      {"lo2l", 0.5, 6, nullptr, "cm"}}},
    {"lo2l",
     "O filamento de uma lâmpada é um fio de {lo2p:nome}, de resistividade {lo2p} à temperatura ambiente, com "
     "secção de área {lo2a}, e tem resistência de {lo2R} quando frio. Qual é o comprimento do filamento, em {?}?",
     {{.field = "lo2p", .table = &Materials::tungstenResistivity}, {"lo2a", 5e-10, 2e-9}, {"lo2R", 20, 70},
      {"lo2l", 0.2, 1, nullptr, "cm"}}},
    {"lo2l",
     "Para saber quanto fio resta num carretel de fio de {lo2p:nome} (resistividade {lo2p}) com secção de área "
     "{lo2a}, um eletricista mede a resistência de todo o fio: {lo2R}. Qual é o comprimento do fio que resta, "
     "em {?}?",
     {{.field = "lo2p", .table = &Materials::copperResistivity}, {"lo2a", 0.5, 2.5, "mm²", "mm²"}, {"lo2R", 0.5, 5},
      {"lo2l", 10, 500}}},
    {"lo2a",
     "O circuito do chuveiro de uma casa terá {lo2l} de fio de {lo2p:nome}, de resistividade {lo2p}, e a "
     "resistência desse fio não deve passar de {lo2R}. Qual deve ser a área mínima da secção do fio, em {?}?",
     {{.field = "lo2p", .table = &Materials::copperResistivity}, {"lo2l", 10, 50}, {"lo2R", 0.05, 0.5},
      {"lo2a", 1, 10, "mm²", "mm²"}}},
    {"lo2a",
     "Uma linha de transmissão de {lo2l} terá cabos de {lo2p:nome} (resistividade {lo2p}), cada um com "
     "resistência de {lo2R}. Qual é a área da secção de cada cabo, em {?}?",
     {{.field = "lo2p", .table = &Materials::aluminiumResistivity}, {"lo2l", 10, 100, "km", "km"},
      {"lo2R", 1, 10}, {"lo2a", 50, 1000, "mm²", "mm²"}}},
    {"lo2a",
     "Para a resistência de um aquecedor, um fabricante usa {lo2l} de fio de {lo2p:nome}, de resistividade "
     "{lo2p}, e quer uma resistência de {lo2R}. Qual deve ser a área da secção do fio, em {?}?",
     {{.field = "lo2p", .table = &Materials::nichromeResistivity}, {"lo2l", 1, 5, nullptr, "cm"}, {"lo2R", 5, 50},
      {"lo2a", 0.1, 1, "mm²", "mm²"}}},
};

// Rₜₒₜₐₗ = ΣR: resistors on a breadboard, a sensor's branch (an LDR of 0,5 to 5 kΩ in
// light, an NTC thermistor of 1 to 20 kΩ), a string of Christmas lights (some fifty bulbs
// of about 15 Ω on 127 V, in stretches of 100 to 250 Ω).
const Statement seriesStatements[] = {
    {"rsTotal",
     "Numa placa de ensaio, um estudante liga em série quatro resistores, de {r1}, {r2}, {r3} e {r4}. Qual é a "
     "resistência equivalente da associação, em {?}?",
     {{"r1", 1, 10, "kΩ", "kΩ"}, {"r2", 1, 10, "kΩ", "kΩ"}, {"r3", 1, 10, "kΩ", "kΩ"}, {"r4", 1, 10, "kΩ", "kΩ"},
      {"rsTotal", 4, 40, "kΩ", "kΩ"}}},
    {"rsTotal",
     "No circuito de um sensor, estão ligados em série um resistor de {r1}, um LDR iluminado, de {r2}, um "
     "termistor de {r3} e um potenciômetro ajustado em {r4}. Qual é a resistência total desse ramo, em {?}?",
     {{"r1", 1, 10, "kΩ", "kΩ"}, {"r2", 1, 5, "kΩ", "kΩ"}, {"r3", 1, 20, "kΩ", "kΩ"}, {"r4", 1, 10, "kΩ", "kΩ"},
      {"rsTotal", 4, 45, "kΩ", "kΩ"}}},
    {"rsTotal",
     "Um pisca-pisca de Natal tem quatro trechos de lâmpadas ligados em série, com resistências de {r1}, {r2}, "
     "{r3} e {r4}. Qual é a resistência total do pisca-pisca, em {?}?",
     {{"r1", 100, 250}, {"r2", 100, 250}, {"r3", 100, 250}, {"r4", 100, 250}, {"rsTotal", 400, 1000}}},
};

// 1 / Rₜₒₜₐₗ = 1 / R₁ + 1 / R₂ + 1 / R₃: breadboard resistors, an iron (10 to 25 Ω), a lamp
// (150 to 300 Ω) and a fan on one power strip, a car's headlights (2,4 to 3 Ω) and radio,
// an alarm's resistor, LDR in the dark (1 to 5 MΩ) and thermistor.
const Statement parallelStatements[] = {
    {"rpTotal",
     "Numa placa de ensaio, três resistores, de {rp1}, {rp2} e {rp3}, são ligados em paralelo. Qual é a "
     "resistência equivalente da associação, em {?}?",
     {{"rp1", 1, 10, "kΩ", "kΩ"}, {"rp2", 1, 10, "kΩ", "kΩ"}, {"rp3", 1, 10, "kΩ", "kΩ"}, {"rpTotal", 300, 3400}}},
    {"rpTotal",
     "Num mesmo filtro de linha estão ligados um ferro de passar de {rp1}, uma lâmpada de {rp2} e um ventilador "
     "de {rp3}. Tratando-os como resistores, qual é a resistência equivalente do conjunto, em {?}?",
     {{"rp1", 10, 25}, {"rp2", 150, 300}, {"rp3", 100, 250}, {"rpTotal", 8, 22}}},
    {"rpTotal",
     "No sistema elétrico de um carro, os dois faróis, de {rp1} e {rp2}, e o rádio, de {rp3}, estão ligados em "
     "paralelo à bateria. Qual é a resistência equivalente desses três aparelhos, em {?}?",
     {{"rp1", 2.4, 3}, {"rp2", 2.4, 3}, {"rp3", 5, 20}, {"rpTotal", 0.9, 1.5}}},
    {"rpTotal",
     "No circuito de um alarme, estão ligados em paralelo um resistor de {rp1}, um LDR no escuro, de {rp2}, e um "
     "termistor de {rp3}. Qual é a resistência equivalente desse trecho, em {?}?",
     {{"rp1", 1, 10, "kΩ", "kΩ"}, {"rp2", 1, 5, "MΩ", "MΩ"}, {"rp3", 1, 20, "kΩ", "kΩ"},
      {"rpTotal", 0.5, 7, "kΩ", "kΩ"}}},
};

// Rₜₒₜₐₗ = R / nº: identical resistors, a chandelier of 3 to 8 lamps (150 to 300 Ω each,
// lit), a car's rear defroster of 6 to 12 filaments (6 to 15 Ω each), a heater's equal
// elements. The count is never one: "resistores", "lâmpadas", "filamentos".
const Statement equalResistorsStatements[] = {
    {"riR",
     "Numa placa de ensaio, {rin} resistores iguais, de {riR1} cada um, são ligados em paralelo. Qual é a "
     "resistência equivalente da associação, em {?}?",
     {{"rin", 2, 10, nullptr, nullptr, true}, {"riR1", 1, 100, "kΩ", "kΩ"}, {"riR", 100, 50000}}},
    {"riR",
     "Um lustre tem {rin} lâmpadas iguais ligadas em paralelo, cada uma com resistência de {riR1} quando acesa. "
     "Qual é a resistência equivalente do lustre com todas as lâmpadas acesas, em {?}?",
     {{"rin", 3, 8, nullptr, nullptr, true}, {"riR1", 150, 300}, {"riR", 15, 100}}},
    {"riR",
     "O desembaçador do vidro traseiro de um carro tem {rin} filamentos iguais ligados em paralelo, de {riR1} "
     "cada um. Qual é a resistência equivalente do desembaçador, em {?}?",
     {{"rin", 6, 12, nullptr, nullptr, true}, {"riR1", 6, 15}, {"riR", 0.5, 2.5}}},
    {"riR1",
     "Numa placa de ensaio, uma associação em paralelo de {rin} resistores iguais tem resistência equivalente de "
     "{riR}. Qual é a resistência de cada resistor, em {?}?",
     {{"rin", 2, 10, nullptr, nullptr, true}, {"riR", 1, 50, "kΩ", "kΩ"}, {"riR1", 1, 100, "kΩ", "kΩ"}}},
    {"riR1",
     "A resistência equivalente de um lustre com {rin} lâmpadas iguais ligadas em paralelo, todas acesas, é de "
     "{riR}. Qual é a resistência de cada lâmpada acesa, em {?}?",
     {{"rin", 3, 8, nullptr, nullptr, true}, {"riR", 20, 100}, {"riR1", 150, 300}}},
    {"riR1",
     "Um aquecedor tem {rin} resistências iguais ligadas em paralelo, e a resistência equivalente do conjunto é "
     "de {riR}. Qual é o valor de cada resistência, em {?}?",
     {{"rin", 2, 4, nullptr, nullptr, true}, {"riR", 8, 25}, {"riR1", 16, 100}}},
    {"rin",
     "Um técnico precisa de uma resistência de {riR}, mas só dispõe de resistores de {riR1}. Quantos desses "
     "resistores ele deve ligar em paralelo?",
     {{"riR", 1, 50, "kΩ", "kΩ"}, {"riR1", 1, 100, "kΩ", "kΩ"}, {"rin", 2, 10, nullptr, nullptr, true}}},
    {"rin",
     "Cada lâmpada de um lustre tem resistência de {riR1} quando acesa, e a resistência equivalente do lustre, "
     "com todas as lâmpadas acesas em paralelo, é de {riR}. Quantas lâmpadas tem o lustre?",
     {{"riR1", 150, 300}, {"riR", 18, 100}, {"rin", 3, 8, nullptr, nullptr, true}}},
    {"rin",
     "O desembaçador do vidro traseiro de um carro tem resistência equivalente de {riR} e é formado por "
     "filamentos iguais ligados em paralelo, de {riR1} cada um. Quantos filamentos ele tem?",
     {{"riR", 0.5, 2.5}, {"riR1", 6, 15}, {"rin", 6, 12, nullptr, nullptr, true}}},
};

// Rₜₒₜₐₗ = R₁ · R₂ / (R₁ + R₂): two breadboard resistors, a voltmeter of 1 to 10 MΩ across
// a resistor of tens of kilohms, an iron and a lamp on one socket.
const Statement twoResistorsStatements[] = {
    {"rdr",
     "Numa placa de ensaio, dois resistores, de {rdr1} e {rdr2}, são ligados em paralelo. Qual é a resistência "
     "equivalente, em {?}?",
     {{"rdr1", 1, 10, "kΩ", "kΩ"}, {"rdr2", 1, 10, "kΩ", "kΩ"}, {"rdr", 500, 5000}}},
    {"rdr",
     "Para medir a tensão num resistor de {rdr1}, liga-se a ele, em paralelo, um voltímetro de resistência "
     "interna {rdr2}. Qual é a resistência equivalente do conjunto, em {?}?",
     {{"rdr1", 10, 100, "kΩ", "kΩ"}, {"rdr2", 1, 10, "MΩ", "MΩ"}, {"rdr", 9, 100, "kΩ", "kΩ"}}},
    {"rdr",
     "Um ferro de passar, de {rdr1}, e uma lâmpada, de {rdr2}, estão ligados em paralelo na mesma tomada. Qual é "
     "a resistência equivalente do conjunto, em {?}?",
     {{"rdr1", 10, 25}, {"rdr2", 150, 300}, {"rdr", 9, 24}}},
};

// uAB = E − r · i: an AA cell (1,5 V, 0,1 to 0,5 Ω) in a flashlight, a car battery (12 V,
// 0,01 to 0,03 Ω) turning the starter at 100 to 300 A, a 9 V battery (1 to 3 Ω) in a toy,
// a phone's lithium cell (3,6 to 4,2 V). An emf asked comes out near the real one.
const Statement terminalVoltageStatements[] = {
    {"rg1U",
     "Uma pilha AA, de força eletromotriz {rg1e} e resistência interna {rg1r}, alimenta uma lanterna com uma "
     "corrente de {rg1i}. Qual é a tensão entre os polos da pilha, em {?}?",
     {{"rg1e", 1.5, 1.5}, {"rg1r", 0.1, 0.5}, {"rg1i", 0.2, 1, nullptr, "mA"}, {"rg1U", 1, 1.5}}},
    {"rg1U",
     "Uma bateria de carro, de força eletromotriz {rg1e} e resistência interna {rg1r}, fornece {rg1i} ao motor "
     "de arranque. Qual é a tensão entre os polos da bateria durante a partida, em {?}?",
     {{"rg1e", 12, 12}, {"rg1r", 0.01, 0.03}, {"rg1i", 100, 300}, {"rg1U", 8, 11.5}}},
    {"rg1U",
     "Uma bateria de {rg1e}, com resistência interna de {rg1r}, alimenta um brinquedo com uma corrente de "
     "{rg1i}. Qual é a tensão entre os polos da bateria, em {?}?",
     {{"rg1e", 9, 9}, {"rg1r", 1, 3}, {"rg1i", 20, 300, "mA", "mA"}, {"rg1U", 7, 9}}},
    {"rg1e",
     "Durante a partida de um carro, a bateria, de resistência interna {rg1r}, fornece {rg1i} ao motor de "
     "arranque, e a tensão entre os seus polos cai para {rg1U}. Qual é a força eletromotriz da bateria, em {?}?",
     {{"rg1r", 0.01, 0.03}, {"rg1i", 50, 200}, {"rg1U", 9, 11.5}, {"rg1e", 11.8, 12.8}}},
    {"rg1e",
     "Uma pilha AA, de resistência interna {rg1r}, fornece {rg1i} a uma lanterna e mantém {rg1U} entre os seus "
     "polos. Qual é a força eletromotriz da pilha, em {?}?",
     {{"rg1r", 0.1, 0.5}, {"rg1i", 0.2, 1, nullptr, "mA"}, {"rg1U", 1.2, 1.45}, {"rg1e", 1.45, 1.6}}},
    {"rg1e",
     "A bateria de íons de lítio de um celular, de resistência interna {rg1r}, fornece {rg1i} ao aparelho e "
     "mantém {rg1U} entre os seus polos. Qual é a força eletromotriz da bateria, em {?}?",
     {{"rg1r", 0.05, 0.2}, {"rg1i", 0.5, 3, nullptr, "mA"}, {"rg1U", 3.4, 3.9}, {"rg1e", 3.6, 4.2}}},
    {"rg1r",
     "Uma pilha AA nova, de força eletromotriz {rg1e}, fornece {rg1i} a uma lanterna, e a tensão entre os seus "
     "polos é {rg1U}. Qual é a resistência interna da pilha, em {?}?",
     {{"rg1e", 1.5, 1.5}, {"rg1i", 0.2, 1, nullptr, "mA"}, {"rg1U", 1.1, 1.45}, {"rg1r", 0.05, 1}}},
    {"rg1r",
     "Uma bateria de carro, de força eletromotriz {rg1e}, fornece {rg1i} ao motor de arranque, e a tensão entre "
     "os seus polos cai para {rg1U}. Qual é a resistência interna da bateria, em {?}?",
     {{"rg1e", 12, 12}, {"rg1i", 100, 300}, {"rg1U", 8, 11.5}, {"rg1r", 0.005, 0.05}}},
    {"rg1r",
     "Uma bateria de {rg1e} alimenta um brinquedo com {rg1i}, e a tensão entre os seus polos é {rg1U}. Qual é a "
     "resistência interna da bateria, em {?}?",
     {{"rg1e", 9, 9}, {"rg1i", 20, 200, "mA", "mA"}, {"rg1U", 8, 8.9}, {"rg1r", 0.5, 5}}},
    {"rg1i",
     "Durante a partida de um carro, a tensão entre os polos da bateria, de força eletromotriz {rg1e} e "
     "resistência interna {rg1r}, cai para {rg1U}. Qual é a corrente no motor de arranque, em {?}?",
     {{"rg1e", 12, 12}, {"rg1r", 0.01, 0.03}, {"rg1U", 8, 11}, {"rg1i", 50, 300}}},
    {"rg1i",
     "Uma pilha AA, de força eletromotriz {rg1e} e resistência interna {rg1r}, mantém {rg1U} entre os seus "
     "polos ao acender uma lanterna. Qual é a corrente na lanterna, em {?}?",
     {{"rg1e", 1.5, 1.5}, {"rg1r", 0.1, 0.5}, {"rg1U", 1.1, 1.45}, {"rg1i", 0.1, 1.2, nullptr, "mA"}}},
    {"rg1i",
     "Uma bateria de {rg1e}, com resistência interna de {rg1r}, alimenta um brinquedo, e a tensão entre os seus "
     "polos é {rg1U}. Qual é a corrente fornecida ao brinquedo, em {?}?",
     {{"rg1e", 9, 9}, {"rg1r", 1, 3}, {"rg1U", 8.4, 8.95}, {"rg1i", 10, 300, "mA", "mA"}}},
};

// i = ΣE / (ΣR + r): a flashlight with two AA cells in series (3 V, 0,2 to 1 Ω together)
// and a lamp of 5 to 15 Ω, a car battery with a headlight (2,4 to 3 Ω) or the starter
// motor (0,03 to 0,1 Ω), a 9 V battery with a resistor of hundreds of ohms or a toy motor.
const Statement circuitCurrentStatements[] = {
    {"gr2i",
     "Uma lanterna tem duas pilhas em série, que somam força eletromotriz {gr2e} e resistência interna "
     "{gr2rinho}, e uma lâmpada de {gr2r}. Qual é a corrente na lâmpada, em {?}?",
     {{"gr2e", 3, 3}, {"gr2rinho", 0.2, 1}, {"gr2r", 5, 15}, {"gr2i", 0.15, 0.6, nullptr, "mA"}}},
    {"gr2i",
     "A lâmpada de um farol, de resistência {gr2r}, é ligada a uma bateria de carro de força eletromotriz {gr2e} "
     "e resistência interna {gr2rinho}. Qual é a corrente no farol, em {?}?",
     {{"gr2r", 2.4, 3}, {"gr2e", 12, 12}, {"gr2rinho", 0.01, 0.05}, {"gr2i", 3.5, 5.2}}},
    {"gr2i",
     "Um resistor de {gr2r} é ligado a uma bateria de força eletromotriz {gr2e} e resistência interna {gr2rinho}. "
     "Qual é a corrente no circuito, em {?}?",
     {{"gr2r", 300, 1000}, {"gr2e", 9, 9}, {"gr2rinho", 1, 3}, {"gr2i", 5, 30, "mA", "mA"}}},
    {"gr2e",
     "As duas pilhas em série de uma lanterna, com resistência interna total de {gr2rinho}, acendem uma lâmpada "
     "de {gr2r} com uma corrente de {gr2i}. Qual é a força eletromotriz total das pilhas, em {?}?",
     {{"gr2rinho", 0.2, 1}, {"gr2r", 5, 15}, {"gr2i", 0.15, 0.6, nullptr, "mA"}, {"gr2e", 2.8, 3.2}}},
    {"gr2e",
     "Uma bateria de carro, de resistência interna {gr2rinho}, acende a lâmpada de um farol, de {gr2r}, com uma "
     "corrente de {gr2i}. Qual é a força eletromotriz da bateria, em {?}?",
     {{"gr2rinho", 0.01, 0.05}, {"gr2r", 2.4, 3}, {"gr2i", 3.5, 5.2}, {"gr2e", 11.8, 12.8}}},
    {"gr2e",
     "Uma bateria de força eletromotriz desconhecida e resistência interna {gr2rinho} faz passar uma corrente de "
     "{gr2i} por um resistor de {gr2r}. Qual é a força eletromotriz da bateria, em {?}?",
     {{"gr2rinho", 0.5, 3}, {"gr2i", 10, 500, "mA", "mA"}, {"gr2r", 10, 500}, {"gr2e", 1, 24}}},
    {"gr2r",
     "Uma bateria de carro, de força eletromotriz {gr2e} e resistência interna {gr2rinho}, faz passar {gr2i} "
     "pela lâmpada de um farol. Qual é a resistência da lâmpada acesa, em {?}?",
     {{"gr2e", 12, 12}, {"gr2rinho", 0.01, 0.05}, {"gr2i", 3, 6}, {"gr2r", 1.5, 4}}},
    {"gr2r",
     "Duas pilhas em série, que somam força eletromotriz {gr2e} e resistência interna {gr2rinho}, acendem a "
     "lâmpada de uma lanterna com corrente de {gr2i}. Qual é a resistência da lâmpada, em {?}?",
     {{"gr2e", 3, 3}, {"gr2rinho", 0.2, 1}, {"gr2i", 0.2, 0.6, nullptr, "mA"}, {"gr2r", 3, 15}}},
    {"gr2r",
     "Uma bateria de {gr2e}, com resistência interna de {gr2rinho}, faz passar uma corrente de {gr2i} por um "
     "resistor. Qual é a resistência do resistor, em {?}?",
     {{"gr2e", 9, 9}, {"gr2rinho", 1, 3}, {"gr2i", 5, 30, "mA", "mA"}, {"gr2r", 300, 1800}}},
    {"gr2rinho",
     "Duas pilhas em série, que somam força eletromotriz {gr2e}, acendem uma lâmpada de {gr2r} com corrente de "
     "{gr2i}. Qual é a resistência interna total das pilhas, em {?}?",
     {{"gr2e", 3, 3}, {"gr2r", 5, 15}, {"gr2i", 0.15, 0.6, nullptr, "mA"}, {"gr2rinho", 0.1, 2}}},
    {"gr2rinho",
     "Na partida de um carro, a bateria, de força eletromotriz {gr2e}, faz passar {gr2i} pelo motor de arranque, "
     "de resistência {gr2r}. Qual é a resistência interna da bateria, em {?}?",
     {{"gr2e", 12, 12}, {"gr2i", 100, 300}, {"gr2r", 0.03, 0.1}, {"gr2rinho", 0.005, 0.05}}},
    {"gr2rinho",
     "Uma bateria de {gr2e} faz funcionar o motor de um brinquedo, de resistência {gr2r}, com uma corrente de "
     "{gr2i}. Qual é a resistência interna da bateria, em {?}?",
     {{"gr2e", 9, 9}, {"gr2r", 10, 50}, {"gr2i", 150, 800, "mA", "mA"}, {"gr2rinho", 0.5, 5}}},
};

// E = P · t: a shower (4 000 to 7 500 W) for 5 to 15 h in a month, a microwave oven (700
// to 1 500 W) for minutes, an LED lamp (5 to 15 W) for a month's evenings, a phone's
// charge, a heater (1 000 to 2 000 W), a hair dryer, a TV (50 to 200 W).
const Statement energyUseStatements[] = {
    {"lnFR",
     "Numa casa, o chuveiro de {lnM} fica ligado, ao todo, {lnA} num mês. Qual é a energia elétrica que ele "
     "consome no mês, em {?}?",
     {{"lnM", 4000, 7500, nullptr, "kW"}, {"lnA", 5, 15, "h", "h"}, {"lnFR", 7e7, 4.1e8, nullptr, "kWh"}}},
    {"lnFR",
     "Um forno de micro-ondas de {lnM} esquenta uma refeição em {lnA}. Quanta energia elétrica ele consome, "
     "em {?}?",
     {{"lnM", 700, 1500}, {"lnA", 1, 10, "min", "min"}, {"lnFR", 4e4, 9e5, nullptr, "kJ"}}},
    {"lnFR",
     "Uma lâmpada de LED de {lnM} fica acesa, ao todo, {lnA} num mês. Qual é a energia elétrica que ela consome "
     "no mês, em {?}?",
     {{"lnM", 5, 15}, {"lnA", 100, 300, "h", "h"}, {"lnFR", 1.8e6, 1.7e7, nullptr, "kWh Wh"}}},
    {"lnFR",
     "A bateria de um celular leva {lnA} para carregar, e durante esse tempo o carregador fornece {lnM}. Quanta "
     "energia elétrica o carregador fornece, em {?}?",
     {{"lnM", 5, 20}, {"lnA", 1, 3, "h", "h min"}, {"lnFR", 1.8e4, 2.2e5, nullptr, "Wh kJ"}}},
    {"lnM",
     "O medidor de energia de uma casa registra {lnFR} enquanto só um aquecedor elétrico fica ligado, durante "
     "{lnA}. Qual é a potência do aquecedor, em {?}?",
     {{"lnFR", 2, 16, "kWh", "kWh"}, {"lnA", 2, 8, "h", "h"}, {"lnM", 1000, 2000, nullptr, "kW"}}},
    {"lnM",
     "Um secador de cabelo consome {lnFR} de energia elétrica em {lnA} de uso. Qual é a sua potência, em {?}?",
     {{"lnFR", 200, 2000, "kJ", "kJ Wh"}, {"lnA", 3, 15, "min", "min"}, {"lnM", 1000, 2500, nullptr, "kW"}}},
    {"lnM",
     "Num mês, uma TV ficou ligada, ao todo, {lnA} e consumiu {lnFR} de energia elétrica. Qual é a potência da "
     "TV, em {?}?",
     {{"lnA", 60, 180, "h", "h"}, {"lnFR", 5, 30, "kWh", "kWh"}, {"lnM", 50, 200}}},
    {"lnA",
     "Por quanto tempo uma lâmpada de LED de {lnM} deve ficar acesa para consumir {lnFR} de energia elétrica, "
     "em {?}?",
     {{"lnM", 5, 15}, {"lnFR", 1, 5, "kWh", "kWh"}, {"lnA", 60, 1000, "h", "h dia"}}},
    {"lnA",
     "Num mês, o chuveiro de {lnM} de uma casa consumiu {lnFR} de energia elétrica. Por quanto tempo, ao todo, "
     "ele ficou ligado, em {?}?",
     {{"lnM", 4000, 7500, nullptr, "kW"}, {"lnFR", 30, 100, "kWh", "kWh"}, {"lnA", 4, 25, "h", "h min"}}},
    {"lnA",
     "Um forno de micro-ondas de {lnM} consome {lnFR} de energia elétrica para aquecer um prato de sopa. Por "
     "quanto tempo ele funcionou, em {?}?",
     {{"lnM", 700, 1500}, {"lnFR", 50, 500, "kJ", "kJ"}, {"lnA", 0.5, 10, "min", "min"}}},
};

// P = i · u: a hair dryer and a shower and a heater on the mains, a phone charger at 5 V,
// a car headlight at 12 V, an LED (2 to 3 V, 10 to 30 mA), a solar panel (30 to 40 V), a
// notebook charger (19 to 20 V).
const Statement electricPowerStatements[] = {
    {"lnFR",
     "Um secador de cabelo ligado à rede de {lnA} é percorrido por uma corrente de {lnM}. Qual é a potência do "
     "secador, em {?}?",
     {{.field = "lnA", .table = &Materials::mainsVoltage}, {"lnM", 5, 15}, {"lnFR", 700, 2500, nullptr, "kW"}}},
    {"lnFR",
     "Um carregador de celular fornece uma corrente de {lnM} com tensão de saída de {lnA}. Qual é a potência "
     "que ele fornece ao celular, em {?}?",
     {{"lnM", 0.5, 3, nullptr, "mA"}, {"lnA", 5, 5}, {"lnFR", 2.5, 15}}},
    {"lnFR",
     "A lâmpada de um farol de carro, ligada à bateria de {lnA}, é percorrida por uma corrente de {lnM}. Qual é a "
     "potência da lâmpada, em {?}?",
     {{"lnA", 12, 12}, {"lnM", 3, 5}, {"lnFR", 36, 60}}},
    {"lnM",
     "Um chuveiro de {lnFR} é ligado à rede de {lnA}. Qual é a corrente elétrica no chuveiro, em {?}?",
     {{"lnFR", 4000, 7500, nullptr, "kW"}, {.field = "lnA", .table = &Materials::mainsVoltage}, {"lnM", 15, 60}}},
    {"lnM",
     "Um aquecedor elétrico de {lnFR} é ligado à rede de {lnA}. Qual é a corrente que o percorre, em {?}?",
     {{"lnFR", 1000, 2000, nullptr, "kW"}, {.field = "lnA", .table = &Materials::mainsVoltage},
      {"lnM", 4, 16}}},
    {"lnM",
     "Um LED vermelho, com tensão de {lnA} entre os seus terminais, consome uma potência de {lnFR}. Qual é a "
     "corrente no LED, em {?}?",
     {{"lnA", 1.8, 2.2}, {"lnFR", 0.02, 0.06}, {"lnM", 10, 30, "mA", "mA"}}},
    {"lnA",
     "Um LED azul consome uma potência de {lnFR} quando percorrido por uma corrente de {lnM}. Qual é a tensão "
     "entre os seus terminais, em {?}?",
     {{"lnFR", 0.03, 0.09}, {"lnM", 10, 30, "mA", "mA"}, {"lnA", 2.8, 3.3}}},
    {"lnA",
     "Um painel solar fornece {lnFR} a um circuito com uma corrente de {lnM}. Qual é a tensão nos terminais do "
     "painel, em {?}?",
     {{"lnFR", 150, 400}, {"lnM", 5, 10}, {"lnA", 28, 42}}},
    {"lnA",
     "Um carregador de notebook fornece {lnFR} ao computador com uma corrente de {lnM}. Qual é a tensão de saída "
     "do carregador, em {?}?",
     {{"lnFR", 45, 90}, {"lnM", 2.2, 4.7}, {"lnA", 18.5, 20.5}}},
};

// P = u² / R: a heater (8 to 50 Ω) or a shower (2 to 13 Ω) on the mains, a breadboard
// resistor, a car's rear defroster (about 1 Ω at 12 to 14 V), a flashlight's lamp, an
// incandescent lamp of 25 to 100 W.
const Statement powerFromVoltageStatements[] = {
    {"acac",
     "A resistência de um aquecedor elétrico é de {acr}, e ele é ligado à rede de {acv}. Qual é a potência do "
     "aquecedor, em {?}?",
     {{"acr", 8, 50}, {.field = "acv", .table = &Materials::mainsVoltage}, {"acac", 1000, 2000, nullptr, "kW"}}},
    {"acac",
     "Um chuveiro de resistência {acr} é ligado à rede de {acv}. Qual é a potência do chuveiro, em {?}?",
     {{"acr", 2, 13}, {.field = "acv", .table = &Materials::mainsVoltage}, {"acac", 4000, 7500, nullptr, "kW"}}},
    {"acac",
     "Numa placa de ensaio, um resistor de {acr} é ligado a uma fonte de {acv}. Qual é a potência dissipada no "
     "resistor, em {?}?",
     {{"acr", 1, 10, "kΩ", "kΩ"}, {"acv", 5, 12}, {"acac", 0.002, 0.15}}},
    {"acv",
     "Um resistor de {acr} dissipa uma potência de {acac}. Qual é a tensão entre os seus terminais, em {?}?",
     {{"acr", 1, 10, "kΩ", "kΩ"}, {"acac", 0.1, 0.5}, {"acv", 10, 40}}},
    {"acv",
     "O desembaçador do vidro traseiro de um carro tem resistência de {acr} e dissipa {acac} enquanto o motor "
     "funciona. Qual é a tensão aplicada a ele, em {?}?",
     {{"acr", 0.7, 1.5}, {"acac", 100, 200}, {"acv", 11.5, 14.5}}},
    {"acv",
     "A lâmpada de uma lanterna, de resistência {acr}, acende com potência de {acac}. Qual é a tensão aplicada à "
     "lâmpada, em {?}?",
     {{"acr", 2, 10}, {"acac", 0.5, 3}, {"acv", 1.2, 4.8}}},
    {"acr",
     "Uma lâmpada incandescente ligada à rede de {acv} dissipa {acac}. Qual é a resistência do seu filamento "
     "aceso, em {?}?",
     {{"acac", 25, 100}, {.field = "acv", .table = &Materials::mainsVoltage}, {"acr", 150, 2000}}},
    {"acr",
     "Na posição inverno, um chuveiro ligado à rede de {acv} dissipa {acac}. Qual é a resistência do chuveiro "
     "nessa posição, em {?}?",
     {{"acac", 4000, 7500, nullptr, "kW"}, {.field = "acv", .table = &Materials::mainsVoltage}, {"acr", 2, 13}}},
    {"acr",
     "Um aquecedor elétrico de ambiente, ligado à rede de {acv}, dissipa {acac}. Qual é a resistência do "
     "aquecedor em funcionamento, em {?}?",
     {{"acac", 1000, 2000, nullptr, "kW"}, {.field = "acv", .table = &Materials::mainsVoltage}, {"acr", 8, 50}}},
};

// P = R · i²: an extension cord's wire, a power line (1 to 10 Ω, 100 to 500 A), a
// breadboard resistor (rated a quarter of a watt), a shower, a heater, a soldering iron
// (20 to 60 W); an appliance's power and current, or resistance, agree with the mains.
const Statement powerFromCurrentStatements[] = {
    {"pe3P",
     "O fio de uma extensão, de resistência {pe3R}, é percorrido por uma corrente de {pe3i}. Qual é a potência "
     "transformada em calor no fio, em {?}?",
     {{"pe3R", 0.05, 0.5}, {"pe3i", 5, 15}, {"pe3P", 1, 120}}},
    {"pe3P",
     "Os cabos de uma linha de transmissão, de resistência total {pe3R}, conduzem uma corrente de {pe3i}. Qual é "
     "a potência perdida por efeito Joule nos cabos, em {?}?",
     {{"pe3R", 1, 10}, {"pe3i", 100, 500}, {"pe3P", 1e4, 2.5e6, nullptr, "kW MW"}}},
    {"pe3P",
     "Numa placa de ensaio, um resistor de {pe3R} é percorrido por uma corrente de {pe3i}. Qual é a potência "
     "dissipada no resistor, em {?}?",
     {{"pe3R", 1, 10, "kΩ", "kΩ"}, {"pe3i", 1, 10, "mA", "mA"}, {"pe3P", 0.002, 0.25}}},
    {"pe3R",
     "Um chuveiro de {pe3P} é percorrido por uma corrente de {pe3i}. Qual é a resistência do chuveiro, em {?}?",
     {{"pe3P", 4000, 7500, nullptr, "kW"}, {"pe3i", 20, 60}, {"pe3R", 2, 13}},
     [](const Draw& d) { return onMains(d("pe3P") / d("pe3i")); }},
    {"pe3R",
     "Um aquecedor elétrico dissipa {pe3P} quando é percorrido por uma corrente de {pe3i}. Qual é a resistência "
     "do aquecedor, em {?}?",
     {{"pe3P", 1000, 2000, nullptr, "kW"}, {"pe3i", 5, 15}, {"pe3R", 8, 50}},
     [](const Draw& d) { return onMains(d("pe3P") / d("pe3i")); }},
    {"pe3R",
     "Um ferro de soldar de {pe3P} é percorrido por uma corrente de {pe3i}. Qual é a resistência da sua ponta "
     "aquecedora, em {?}?",
     {{"pe3P", 20, 60}, {"pe3i", 0.1, 0.5, nullptr, "mA"}, {"pe3R", 200, 1000}},
     [](const Draw& d) { return onMains(d("pe3P") / d("pe3i")); }},
    {"pe3i",
     "Um resistor de {pe3R} tem potência nominal de {pe3P}, a maior que pode dissipar sem se danificar. Qual é "
     "a maior corrente que pode percorrê-lo, em {?}?",
     {{"pe3R", 1, 10, "kΩ", "kΩ"}, {"pe3P", 0.25, 0.25}, {"pe3i", 4, 16, "mA", "mA"}}},
    {"pe3i",
     "Um aquecedor elétrico de resistência {pe3R} dissipa {pe3P}. Qual é a corrente no aquecedor, em {?}?",
     {{"pe3R", 8, 50}, {"pe3P", 1000, 2000, nullptr, "kW"}, {"pe3i", 4, 16}},
     [](const Draw& d) { return onMains(std::sqrt(d("pe3P") * d("pe3R"))); }},
    {"pe3i",
     "A resistência de um chuveiro, de {pe3R}, dissipa {pe3P}. Qual é a corrente no chuveiro, em {?}?",
     {{"pe3R", 2, 12}, {"pe3P", 4000, 7500, nullptr, "kW"}, {"pe3i", 15, 60}},
     [](const Draw& d) { return onMains(std::sqrt(d("pe3P") * d("pe3R"))); }},
};

const Problems::TopicProblems problemTable[] = {
    {"ButtonXPMACCorel98", currentStatements},
    {"ButtonXPMACCorel99", ohmStatements},
    {"ButtonXPMACCorel100", resistivityStatements},
    {"ButtonXPMACCorel101", seriesStatements},
    {"ButtonXPMACCorel102", parallelStatements},
    {"ButtonXPMACCorel103", equalResistorsStatements},
    {"ButtonXPMACCorel104", twoResistorsStatements},
    {"ButtonXPMACCorel105", terminalVoltageStatements},
    {"ButtonXPMACCorel106", circuitCurrentStatements},
    {"ButtonXPMACCorel107", energyUseStatements},
    {"ButtonXPMACCorel108", electricPowerStatements},
    {"ButtonXPMACCorel109", powerFromVoltageStatements},
    {"ButtonXPMACCorel110", powerFromCurrentStatements},
};

}

const std::span<const Problems::TopicProblems> problems = problemTable;

}
