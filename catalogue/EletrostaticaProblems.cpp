#include "catalogue/AreaProblems.h"

// Electrostatics' exercises in the situations where books meet charges: rods and balloons
// rubbed in class (a few to a few hundred nanocoulombs), the dome of a school Van de
// Graaff generator (a few microcoulombs, some hundred kilovolts), a thundercloud (tens of
// coulombs, a kilometre or more away), capacitor plates and cell membranes. Charges are
// given and asked by their moduli, and where a sign matters the words fix it ("de mesmo
// sinal"), so an energy or a force is never negative. A count of electrons is asked
// without a unit.
namespace Eletrostatica {

namespace {

using Problems::Statement;
using Problems::TopicProblems;

// Q = n · e. Rubbing separates 10¹⁰ to 10¹² electrons (1 to 200 nC); a school Van de
// Graaff dome of 10 to 15 cm at 100 to 300 kV holds 1 to 5 µC; a person charged by a
// carpet, about 100 pF at 1 to 15 kV, some tenths of a microcoulomb to 2 µC. When the
// count is asked, it is drawn first and the charge follows from it, so each count has a
// range of its own charge's width.
const Statement chargeStatements[] = {
    {"cecQ",
     "Um bastão de vidro, inicialmente neutro, é atritado com um pano de seda e perde {cecN} elétrons. Qual é a "
     "carga elétrica adquirida pelo bastão, em {?}?",
     {{"cecN", 1e10, 1e12, nullptr, nullptr, true}, {"cecQ", 1, 200, "nC", "nC"}}},
    {"cecQ",
     "Um balão de festa, esfregado no cabelo seco, recebe {cecN} elétrons. Qual é o módulo da carga elétrica do "
     "balão, em {?}?",
     {{"cecN", 5e10, 2e12, nullptr, nullptr, true}, {"cecQ", 5, 400, "nC", "nC µC"}}},
    {"cecQ",
     "A cúpula de um gerador de Van de Graaff escolar, inicialmente neutra, perde {cecN} elétrons para a correia "
     "do gerador. Qual é a carga elétrica da cúpula, em {?}?",
     {{"cecN", 3e12, 3e13, nullptr, nullptr, true}, {"cecQ", 0.3, 5, "µC", "µC"}}},
    {"cecQ",
     "Ao caminhar sobre um tapete de lã com sapatos de borracha, uma pessoa acumula {cecN} elétrons em excesso. "
     "Qual é o módulo da carga elétrica da pessoa, em {?}?",
     {{"cecN", 1e12, 1e13, nullptr, nullptr, true}, {"cecQ", 0.1, 2, "µC", "µC nC"}}},
    {"cecN",
     "Um bastão de vidro atritado com seda fica eletrizado com carga de {cecQ}. Quantos elétrons ele perdeu?",
     {{"cecQ", 5, 100, "nC", "nC"}, {"cecN", 3.2e10, 6.2e11, nullptr, nullptr, true}}},
    {"cecN",
     "Esfregado no cabelo seco, um balão de festa fica eletrizado negativamente, com carga de módulo {cecQ}. "
     "Quantos elétrons em excesso ele tem?",
     {{"cecQ", 10, 300, "nC", "nC µC"}, {"cecN", 6.3e10, 1.8e12, nullptr, nullptr, true}}},
    {"cecN",
     "A cúpula de um gerador de Van de Graaff escolar está eletrizada com carga positiva de {cecQ}. Quantos "
     "elétrons ela perdeu?",
     {{"cecQ", 0.5, 5, "µC", "µC"}, {"cecN", 3.2e12, 3.1e13, nullptr, nullptr, true}}},
    {"cecN",
     "Tocado por um canudo de plástico atritado com papel, um eletroscópio de folhas, inicialmente neutro, fica "
     "com carga negativa de módulo {cecQ}. Quantos elétrons passaram do canudo para o eletroscópio?",
     {{"cecQ", 1, 20, "nC", "nC"}, {"cecN", 6.3e9, 1.25e11, nullptr, nullptr, true}}},
};

// F = k · Q · q / d²: metal spheres of 1 to 5 µC some centimetres apart (forces of a few
// newtons), balloons of 20 to 200 nC (millinewtons), a Van de Graaff dome and a small
// foil-covered ball, Coulomb's torsion balance with charges of tens of nanocoulombs.
const Statement coulombStatements[] = {
    {"lcF",
     "Duas pequenas esferas metálicas, presas a suportes isolantes, têm cargas de mesmo sinal, {lcQ1} e {lcq2}, "
     "e seus centros estão a {lcd} um do outro, no vácuo. Com que força elétrica uma repele a outra, em {?}?",
     {{"lcQ1", 1, 5, "µC", "µC"}, {"lcq2", 1, 5, "µC", "µC"}, {"lcd", 10, 30, "cm", "cm"}, {"lcF", 0.05, 25}}},
    {"lcF",
     "Dois balões de festa, esfregados no cabelo, ficam com cargas de {lcQ1} e {lcq2} e são pendurados lado a "
     "lado, com os centros a {lcd} um do outro. Tratando-os como cargas puntiformes, qual é a intensidade da "
     "força com que se repelem, em {?}?",
     {{"lcQ1", 20, 200, "nC", "nC"}, {"lcq2", 20, 200, "nC", "nC"}, {"lcd", 10, 40, "cm", "cm"},
      {"lcF", 1e-5, 0.04}}},
    {"lcF",
     "Uma bolinha de isopor recoberta de papel-alumínio, com carga de {lcq2}, está pendurada a {lcd} do centro da "
     "cúpula de um gerador de Van de Graaff, cuja carga é {lcQ1}. Qual é a intensidade da força elétrica entre a "
     "cúpula e a bolinha, em {?}?",
     {{"lcQ1", 1, 5, "µC", "µC"}, {"lcq2", 5, 50, "nC", "nC"}, {"lcd", 20, 60, "cm", "cm"}, {"lcF", 1e-4, 0.06}}},
    {"lcQ1",
     "Uma pequena esfera de carga {lcq2}, colocada no vácuo a {lcd} de outra esfera eletrizada, é repelida com "
     "força de {lcF}. Qual é a carga Q da outra esfera, em {?}?",
     {{"lcq2", 1, 5, "µC", "µC"}, {"lcd", 10, 30, "cm", "cm"}, {"lcF", 0.5, 10}, {"lcQ1", 0.5, 10, "µC", "µC"}}},
    {"lcQ1",
     "Para medir a carga da cúpula de um gerador de Van de Graaff, um estudante pendura uma bolinha de carga "
     "{lcq2} a {lcd} do centro da cúpula e mede uma força elétrica de {lcF} sobre ela. Qual é a carga Q da cúpula, "
     "em {?}?",
     {{"lcq2", 10, 50, "nC", "nC"}, {"lcd", 20, 50, "cm", "cm"}, {"lcF", 1e-3, 0.05},
      {"lcQ1", 0.5, 10, "µC", "µC"}}},
    {"lcQ1",
     "Dois balões de festa eletrizados, pendurados com os centros a {lcd} um do outro, repelem-se com força de "
     "{lcF}. Um deles tem carga de {lcq2}. Tratando-os como cargas puntiformes, qual é a carga Q do outro, "
     "em {?}?",
     {{"lcq2", 20, 200, "nC", "nC"}, {"lcd", 10, 40, "cm", "cm"}, {"lcF", 1e-4, 0.02},
      {"lcQ1", 10, 500, "nC", "nC"}}},
    {"lcq2",
     "Na balança de torção de Coulomb, uma esfera de carga {lcQ1} repele com força de {lcF} outra esfera, cujo "
     "centro está a {lcd} do seu. Qual é a carga q da segunda esfera, em {?}?",
     {{"lcQ1", 10, 100, "nC", "nC"}, {"lcd", 2, 10, "cm", "cm"}, {"lcF", 1e-4, 0.01}, {"lcq2", 1, 100, "nC", "nC"}}},
    {"lcq2",
     "Uma carga puntiforme fixa de {lcQ1} exerce, no vácuo, uma força de {lcF} sobre uma carga de prova q "
     "colocada a {lcd} dela. Qual é o módulo de q, em {?}?",
     {{"lcQ1", 2, 10, "µC", "µC"}, {"lcd", 10, 50, "cm", "cm"}, {"lcF", 0.01, 5}, {"lcq2", 0.1, 10, "µC", "µC"}}},
    {"lcq2",
     "A cúpula de um gerador de Van de Graaff, com carga de {lcQ1}, repele com força de {lcF} uma bolinha de "
     "isopor recoberta de papel-alumínio, pendurada a {lcd} do centro da cúpula. Qual é a carga q da bolinha, "
     "em {?}?",
     {{"lcQ1", 1, 5, "µC", "µC"}, {"lcd", 20, 60, "cm", "cm"}, {"lcF", 1e-3, 0.05}, {"lcq2", 5, 100, "nC", "nC"}}},
    {"lcd",
     "A que distância, em {?}, devem ser colocadas no vácuo duas pequenas esferas de cargas {lcQ1} e {lcq2} para "
     "que se repilam com força de {lcF}?",
     {{"lcQ1", 1, 5, "µC", "µC"}, {"lcq2", 1, 5, "µC", "µC"}, {"lcF", 0.5, 20}, {"lcd", 3, 50, "cm", "cm"}}},
    {"lcd",
     "Dois balões de festa eletrizados, com cargas de {lcQ1} e {lcq2}, repelem-se com força de {lcF}. Tratando-os "
     "como cargas puntiformes, qual é a distância entre os seus centros, em {?}?",
     {{"lcQ1", 20, 200, "nC", "nC"}, {"lcq2", 20, 200, "nC", "nC"}, {"lcF", 1e-4, 0.02}, {"lcd", 5, 50, "cm", "cm"}}},
    {"lcd",
     "Na balança de torção de Coulomb, duas pequenas esferas de cargas {lcQ1} e {lcq2} repelem-se com força de "
     "{lcF}. Qual é a distância entre os centros das esferas, em {?}?",
     {{"lcQ1", 10, 100, "nC", "nC"}, {"lcq2", 10, 100, "nC", "nC"}, {"lcF", 1e-4, 0.01}, {"lcd", 2, 15, "cm", "cm"}}},
};

// E = k · Q / d²: a Van de Graaff dome (up to some 10⁶ N/C, under the 3 · 10⁶ N/C at which
// air breaks down), a charged bead of nanocoulombs, the charged region of a thundercloud
// of 10 to 40 C seen from 1 to 5 km (10³ to 10⁵ N/C, as measured at the ground).
const Statement pointFieldStatements[] = {
    {"vcE",
     "A cúpula de um gerador de Van de Graaff tem carga de {vcQ}. Qual é a intensidade do campo elétrico num "
     "ponto a {vcD} do centro da cúpula, em {?}?",
     {{"vcQ", 1, 5, "µC", "µC"}, {"vcD", 20, 100, "cm", "cm"}, {"vcE", 5e3, 1.2e6}}},
    {"vcE",
     "Uma região de uma nuvem de tempestade acumula carga de {vcQ}. Tratando-a como carga puntiforme, qual é a "
     "intensidade do campo elétrico que ela cria num ponto a {vcD} dela, em {?}?",
     {{"vcQ", 10, 40}, {"vcD", 1, 5, "km", "km"}, {"vcE", 3e3, 4e5}}},
    {"vcE",
     "Uma pequena esfera, eletrizada com carga de {vcQ}, está isolada no vácuo. Qual é a intensidade do campo "
     "elétrico num ponto a {vcD} do seu centro, em {?}?",
     {{"vcQ", 1, 50, "nC", "nC"}, {"vcD", 2, 20, "cm", "cm"}, {"vcE", 100, 1.2e6}}},
    {"vcQ",
     "Um medidor de campo colocado a {vcD} do centro da cúpula de um gerador de Van de Graaff indica {vcE}. Qual "
     "é a carga da cúpula, em {?}?",
     {{"vcD", 20, 80, "cm", "cm"}, {"vcE", 1e4, 1e6}, {"vcQ", 0.1, 10, "µC", "µC"}}},
    {"vcQ",
     "Durante uma tempestade, o campo elétrico medido no solo, {vcD} abaixo de uma região eletrizada de uma "
     "nuvem, é de {vcE}. Tratando essa região como carga puntiforme, qual é o módulo da sua carga, em {?}?",
     {{"vcD", 1, 3, "km", "km"}, {"vcE", 5e3, 5e4}, {"vcQ", 1, 50}}},
    {"vcQ",
     "Num ponto a {vcD} do centro de uma pequena esfera eletrizada, no vácuo, o campo elétrico tem intensidade "
     "{vcE}. Qual é o módulo da carga da esfera, em {?}?",
     {{"vcD", 5, 30, "cm", "cm"}, {"vcE", 1e3, 1e5}, {"vcQ", 0.5, 100, "nC", "nC"}}},
    {"vcD",
     "A cúpula de um gerador de Van de Graaff tem carga de {vcQ}. A que distância do centro da cúpula, em {?}, o "
     "campo elétrico tem intensidade {vcE}?",
     {{"vcQ", 1, 5, "µC", "µC"}, {"vcE", 1e4, 1e6}, {"vcD", 15, 300, "cm", "cm"}}},
    {"vcD",
     "Uma região de uma nuvem de tempestade tem carga de {vcQ}. Tratando-a como carga puntiforme, a que distância "
     "dela, em {?}, o campo elétrico que ela cria cai para {vcE}?",
     {{"vcQ", 10, 40}, {"vcE", 1e4, 1e5}, {"vcD", 1, 10, "km", "km"}}},
    {"vcD",
     "Uma pequena esfera eletrizada com carga de {vcQ} está isolada no vácuo. A que distância do seu centro, em "
     "{?}, o campo elétrico vale {vcE}?",
     {{"vcQ", 1, 50, "nC", "nC"}, {"vcE", 1e3, 1e5}, {"vcD", 1, 50, "cm", "cm"}}},
};

// Epe = k · Q · q / d for charges of the same sign, so the energy is positive: spheres of
// microcoulombs (joules), balloons (microjoules to millijoules), a ball brought near a Van
// de Graaff dome, the spheres of the torsion balance.
const Statement potentialEnergyStatements[] = {
    {"epeE",
     "Duas pequenas esferas com cargas positivas de {epeQ1} e {epeQ2} estão fixas no vácuo, a {epeD} uma da "
     "outra. Qual é a energia potencial elétrica do par, em {?}?",
     {{"epeQ1", 1, 5, "µC", "µC"}, {"epeQ2", 1, 5, "µC", "µC"}, {"epeD", 5, 50, "cm", "cm"}, {"epeE", 0.01, 5}}},
    {"epeE",
     "Dois balões de festa eletrizados com cargas de mesmo sinal, {epeQ1} e {epeQ2}, estão pendurados com os "
     "centros a {epeD} um do outro. Tratando-os como cargas puntiformes, qual é a energia potencial elétrica do "
     "par, em {?}?",
     {{"epeQ1", 20, 200, "nC", "nC"}, {"epeQ2", 20, 200, "nC", "nC"}, {"epeD", 10, 50, "cm", "cm"},
      {"epeE", 1e-6, 5e-3}}},
    {"epeE",
     "Ao trazer de muito longe uma bolinha de carga {epeQ2} até {epeD} do centro da cúpula de um gerador de Van "
     "de Graaff, cuja carga, de mesmo sinal, é {epeQ1}, que energia potencial elétrica o par passa a ter, em {?}?",
     {{"epeQ1", 1, 5, "µC", "µC"}, {"epeQ2", 10, 100, "nC", "nC"}, {"epeD", 20, 60, "cm", "cm"},
      {"epeE", 1e-4, 0.03}}},
    {"epeQ1",
     "Uma carga positiva Q e outra de {epeQ2}, também positiva, estão fixas no vácuo a {epeD} uma da outra, e a "
     "energia potencial elétrica do par é {epeE}. Qual é o valor de Q, em {?}?",
     {{"epeQ2", 1, 5, "µC", "µC"}, {"epeD", 5, 50, "cm", "cm"}, {"epeE", 0.05, 3}, {"epeQ1", 0.5, 10, "µC", "µC"}}},
    {"epeQ1",
     "Uma bolinha de carga {epeQ2} é trazida de muito longe até {epeD} do centro da cúpula de um gerador de Van "
     "de Graaff, cuja carga tem o mesmo sinal, e o par passa a ter energia potencial elétrica de {epeE}. Qual é a "
     "carga Q da cúpula, em {?}?",
     {{"epeQ2", 10, 100, "nC", "nC"}, {"epeD", 20, 60, "cm", "cm"}, {"epeE", 1e-3, 0.02},
      {"epeQ1", 0.5, 10, "µC", "µC"}}},
    {"epeQ1",
     "Dois balões de festa eletrizados com cargas de mesmo sinal estão pendurados com os centros a {epeD} um do "
     "outro. Um deles tem carga de {epeQ2}, e a energia potencial elétrica do par é {epeE}. Qual é a carga Q do "
     "outro balão, em {?}?",
     {{"epeQ2", 20, 200, "nC", "nC"}, {"epeD", 10, 50, "cm", "cm"}, {"epeE", 1e-5, 2e-3},
      {"epeQ1", 10, 500, "nC", "nC"}}},
    {"epeQ2",
     "Uma carga puntiforme fixa de {epeQ1} e uma carga de prova q, de mesmo sinal, estão no vácuo a {epeD} uma da "
     "outra, e a energia potencial elétrica do par é {epeE}. Qual é o valor de q, em {?}?",
     {{"epeQ1", 1, 10, "µC", "µC"}, {"epeD", 10, 50, "cm", "cm"}, {"epeE", 1e-3, 0.5},
      {"epeQ2", 10, 5000, "nC", "nC µC"}}},
    {"epeQ2",
     "A cúpula de um gerador de Van de Graaff tem carga de {epeQ1}. Uma bolinha eletrizada com carga de mesmo "
     "sinal, trazida até {epeD} do centro da cúpula, forma com ela um par de energia potencial elétrica {epeE}. "
     "Qual é a carga q da bolinha, em {?}?",
     {{"epeQ1", 1, 5, "µC", "µC"}, {"epeD", 20, 60, "cm", "cm"}, {"epeE", 1e-4, 0.02}, {"epeQ2", 5, 200, "nC", "nC"}}},
    {"epeQ2",
     "Na balança de torção de Coulomb, duas esferas com cargas de mesmo sinal estão a {epeD} uma da outra. Uma "
     "delas tem carga de {epeQ1}, e a energia potencial elétrica do par é {epeE}. Qual é a carga q da outra, "
     "em {?}?",
     {{"epeQ1", 10, 100, "nC", "nC"}, {"epeD", 2, 10, "cm", "cm"}, {"epeE", 1e-5, 4e-3},
      {"epeQ2", 5, 100, "nC", "nC"}}},
    {"epeD",
     "A que distância, em {?}, devem ficar no vácuo duas pequenas esferas com cargas positivas de {epeQ1} e "
     "{epeQ2} para que a energia potencial elétrica do par seja {epeE}?",
     {{"epeQ1", 1, 5, "µC", "µC"}, {"epeQ2", 1, 5, "µC", "µC"}, {"epeE", 0.05, 3}, {"epeD", 3, 100, "cm", "cm"}}},
    {"epeD",
     "Dois balões de festa eletrizados com cargas de mesmo sinal, {epeQ1} e {epeQ2}, formam um par de energia "
     "potencial elétrica {epeE}. Tratando-os como cargas puntiformes, qual é a distância entre os seus centros, "
     "em {?}?",
     {{"epeQ1", 20, 200, "nC", "nC"}, {"epeQ2", 20, 200, "nC", "nC"}, {"epeE", 1e-5, 2e-3},
      {"epeD", 5, 50, "cm", "cm"}}},
    {"epeD",
     "Uma bolinha de carga {epeQ2} é trazida de muito longe para perto da cúpula de um gerador de Van de Graaff, "
     "cuja carga, de mesmo sinal, é {epeQ1}. A que distância do centro da cúpula, em {?}, a energia potencial "
     "elétrica do par chega a {epeE}?",
     {{"epeQ1", 1, 5, "µC", "µC"}, {"epeQ2", 10, 100, "nC", "nC"}, {"epeE", 1e-3, 0.02},
      {"epeD", 15, 100, "cm", "cm"}}},
};

// uA = k · Q / d: a Van de Graaff dome of 10 to 20 cm at 50 to 300 kV, a bead of
// nanocoulombs (volts to kilovolts), a metal sphere charged by a high-voltage supply, a
// thundercloud (10⁷ to 10⁸ V).
const Statement pointPotentialStatements[] = {
    {"pepV",
     "A cúpula de um gerador de Van de Graaff tem carga de {pepQ}. Qual é o potencial elétrico num ponto a {pepD} "
     "do centro da cúpula, em {?}?",
     {{"pepQ", 1, 5, "µC", "µC"}, {"pepD", 20, 100, "cm", "cm"}, {"pepV", 5, 250, "kV", "kV"}}},
    {"pepV",
     "Uma pequena esfera eletrizada com carga de {pepQ} está isolada no vácuo. Qual é o potencial elétrico num "
     "ponto a {pepD} do seu centro, em {?}?",
     {{"pepQ", 1, 50, "nC", "nC"}, {"pepD", 2, 50, "cm", "cm"}, {"pepV", 10, 25000}}},
    {"pepV",
     "Uma região de uma nuvem de tempestade acumula carga de {pepQ}. Tratando-a como carga puntiforme, qual é o "
     "potencial elétrico que ela cria num ponto a {pepD} dela, em {?}?",
     {{"pepQ", 10, 40}, {"pepD", 1, 5, "km", "km"}, {"pepV", 1e7, 4e8}}},
    {"pepQ",
     "A cúpula esférica de um gerador de Van de Graaff, de raio {pepD}, está a um potencial de {pepV}. Qual é a "
     "carga da cúpula, em {?}?",
     {{"pepD", 10, 20, "cm", "cm"}, {"pepV", 50, 300, "kV", "kV"}, {"pepQ", 0.5, 10, "µC", "µC"}}},
    {"pepQ",
     "Num ponto a {pepD} do centro de uma pequena esfera eletrizada, no vácuo, o potencial elétrico é {pepV}. "
     "Qual é a carga da esfera, em {?}?",
     {{"pepD", 5, 50, "cm", "cm"}, {"pepV", 1, 10, "kV", "kV"}, {"pepQ", 0.5, 100, "nC", "nC"}}},
    {"pepQ",
     "Uma esfera metálica de raio {pepD}, sobre um suporte isolante, é ligada a uma fonte de alta tensão e fica a "
     "um potencial de {pepV}. Que carga ela adquire, em {?}?",
     {{"pepD", 2, 10, "cm", "cm"}, {"pepV", 1, 30, "kV", "kV"}, {"pepQ", 1, 500, "nC", "nC µC"}}},
    {"pepD",
     "A cúpula de um gerador de Van de Graaff tem carga de {pepQ}. A que distância do centro da cúpula, em {?}, o "
     "potencial elétrico é {pepV}?",
     {{"pepQ", 1, 5, "µC", "µC"}, {"pepV", 10, 200, "kV", "kV"}, {"pepD", 15, 300, "cm", "cm"}}},
    {"pepD",
     "Uma região de uma nuvem de tempestade tem carga de {pepQ}. Tratando-a como carga puntiforme, a que "
     "distância dela, em {?}, o potencial elétrico que ela cria é {pepV}?",
     {{"pepQ", 10, 40}, {"pepV", 5e7, 3e8}, {"pepD", 1, 10, "km", "km"}}},
    {"pepD",
     "Uma pequena esfera eletrizada com carga de {pepQ} está isolada no vácuo. A que distância do seu centro, em "
     "{?}, o potencial elétrico vale {pepV}?",
     {{"pepQ", 1, 50, "nC", "nC"}, {"pepV", 1, 10, "kV", "kV"}, {"pepD", 1, 100, "cm", "cm"}}},
};

// F = E · q: an electron, proton or alpha particle between capacitor plates (10³ to 10⁵
// N/C), a foil-covered ball, a raindrop of tens to hundreds of picocoulombs under a
// storm (10⁴ N/C near the ground), an ink drop of some 0,1 pC in an inkjet printer's
// deflecting field of about 10⁶ N/C, soot in a chimney's electrostatic precipitator.
const Statement uniformForceStatements[] = {
    {"ceuF",
     "Entre as placas de um capacitor, onde o campo elétrico é uniforme e vale {ceuE}, há {ceuQ:nome}, cuja carga "
     "tem módulo {ceuQ}. Qual é a intensidade da força elétrica sobre essa partícula, em {?}?",
     {{"ceuE", 1e3, 1e5, nullptr, "kV/m"}, {.field = "ceuQ", .table = &Materials::chargedParticles},
      {"ceuF", 1e-16, 4e-14}}},
    {"ceuF",
     "Uma pequena esfera de isopor, recoberta de papel-alumínio e eletrizada com carga de {ceuQ}, está entre duas "
     "placas paralelas eletrizadas, onde o campo elétrico é uniforme e vale {ceuE}. Qual é a intensidade da força "
     "elétrica sobre a esfera, em {?}?",
     {{"ceuQ", 10, 500, "nC", "nC"}, {"ceuE", 1e3, 1e5, nullptr, "kV/m"}, {"ceuF", 1e-5, 0.05}}},
    {"ceuF",
     "Sob uma nuvem de tempestade, o campo elétrico perto do solo é praticamente uniforme e chega a {ceuE}. Qual "
     "é a intensidade da força elétrica sobre uma gota de chuva eletrizada com carga de {ceuQ}, em {?}?",
     {{"ceuE", 5e3, 5e4, nullptr, "kV/m"}, {"ceuQ", 10, 400, "pC", "pC"}, {"ceuF", 5e-8, 2e-5}}},
    {"ceuE",
     "Entre as placas de um capacitor, {ceuQ:nome}, cuja carga tem módulo {ceuQ}, sofre uma força elétrica de "
     "{ceuF}. Qual é a intensidade do campo elétrico uniforme entre as placas, em {?}?",
     {{.field = "ceuQ", .table = &Materials::chargedParticles}, {"ceuF", 1e-16, 1e-14},
      {"ceuE", 500, 1e5, nullptr, "kV/m"}}},
    {"ceuE",
     "Para medir o campo elétrico uniforme entre duas placas paralelas, coloca-se ali uma pequena esfera com carga "
     "de prova de {ceuQ}, que sofre uma força elétrica de {ceuF}. Qual é a intensidade do campo, em {?}?",
     {{"ceuQ", 0.1, 5, "µC", "µC nC"}, {"ceuF", 1e-4, 0.5}, {"ceuE", 1e3, 1e5, nullptr, "kV/m"}}},
    {"ceuE",
     "Sob uma nuvem de tempestade, uma gota de chuva eletrizada com carga de {ceuQ} sofre uma força elétrica de "
     "{ceuF}. Qual é a intensidade do campo elétrico naquela região, suposto uniforme, em {?}?",
     {{"ceuQ", 10, 400, "pC", "pC"}, {"ceuF", 1e-7, 1e-5}, {"ceuE", 1e3, 1e5, nullptr, "kV/m"}}},
    {"ceuQ",
     "Numa impressora a jato de tinta, cada gota passa entre placas defletoras, onde o campo elétrico é uniforme "
     "e vale {ceuE}, e sofre ali uma força elétrica de {ceuF}. Qual é a carga da gota, em {?}?",
     {{"ceuE", 5e5, 1.5e6, nullptr, "kV/m"}, {"ceuF", 2e-8, 8e-7}, {"ceuQ", 0.1, 0.8, "pC", "pC"}}},
    {"ceuQ",
     "Uma pequena esfera de isopor recoberta de papel-alumínio, colocada entre duas placas paralelas onde o campo "
     "elétrico é uniforme e vale {ceuE}, sofre uma força elétrica de {ceuF}. Qual é o módulo da carga da esfera, "
     "em {?}?",
     {{"ceuE", 1e3, 1e5, nullptr, "kV/m"}, {"ceuF", 1e-4, 0.05}, {"ceuQ", 5, 5000, "nC", "nC µC"}}},
    {"ceuQ",
     "No filtro eletrostático de uma chaminé, uma partícula de fuligem eletrizada, numa região onde o campo "
     "elétrico é uniforme e vale {ceuE}, sofre uma força elétrica de {ceuF}. Qual é o módulo da carga da "
     "partícula, em {?}?",
     {{"ceuE", 1e5, 5e5, nullptr, "kV/m"}, {"ceuF", 1e-11, 5e-9}, {"ceuQ", 1e-16, 1e-14}}},
};

// u = e · d: capacitor plates a few millimetres apart, the fair-weather field of the air
// near the ground (100 to 150 V/m), a nerve cell's membrane (7 nm, 70 mV, some 10⁷ V/m),
// a thundercloud's base 1 to 3 km up, a stove lighter's spark where air breaks down at
// about 3 · 10⁶ V/m.
const Statement uniformVoltageStatements[] = {
    {"ceuF",
     "As placas de um capacitor plano estão a {ceuQ} uma da outra, e o campo elétrico uniforme entre elas vale "
     "{ceuE}. Qual é a diferença de potencial entre as placas, em {?}?",
     {{"ceuQ", 1, 10, "mm", "mm cm"}, {"ceuE", 1e3, 1e5, nullptr, "kV/m"}, {"ceuF", 1, 1000}}},
    {"ceuF",
     "Em dia de tempo bom, perto do solo, o ar tem um campo elétrico vertical praticamente uniforme de {ceuE}. "
     "Qual é a diferença de potencial entre o chão e o alto da cabeça de uma pessoa de {ceuQ} de altura, em {?}?",
     {{"ceuE", 100, 150}, {"ceuQ", 1.5, 1.9, nullptr, "cm"}, {"ceuF", 140, 300}}},
    {"ceuF",
     "A membrana de um neurônio tem espessura de {ceuQ}, e o campo elétrico em seu interior, suposto uniforme, "
     "vale {ceuE}. Qual é a diferença de potencial entre as faces da membrana, em {?}?",
     {{"ceuQ", 6, 10, "nm", "nm"}, {"ceuE", 6e6, 1.2e7}, {"ceuF", 40, 100, "mV", "mV"}}},
    {"ceuF",
     "Entre a base de uma nuvem de tempestade, a {ceuQ} de altura, e o solo, o campo elétrico é praticamente "
     "uniforme e vale {ceuE}. Qual é a diferença de potencial entre a base da nuvem e o solo, em {?}?",
     {{"ceuQ", 1, 3, "km", "km"}, {"ceuE", 1e4, 1e5, nullptr, "kV/m"}, {"ceuF", 1e7, 3e8}}},
    {"ceuE",
     "Duas placas paralelas, a {ceuQ} uma da outra, são ligadas a uma fonte de tensão ajustada em {ceuF}. Qual é "
     "a intensidade do campo elétrico uniforme entre as placas, em {?}?",
     {{"ceuQ", 1, 10, "mm", "mm cm"}, {"ceuF", 1, 30}, {"ceuE", 100, 30000}}},
    {"ceuE",
     "Entre as faces da membrana de um neurônio, de espessura {ceuQ}, a diferença de potencial é de {ceuF}. Qual "
     "é a intensidade do campo elétrico na membrana, suposto uniforme, em {?}?",
     {{"ceuQ", 6, 10, "nm", "nm"}, {"ceuF", 60, 90, "mV", "mV"}, {"ceuE", 5e6, 1.5e7}}},
    {"ceuE",
     "Num acendedor de fogão, uma faísca salta entre dois eletrodos a {ceuQ} um do outro quando a diferença de "
     "potencial entre eles chega a {ceuF}. Qual é, nesse instante, a intensidade do campo elétrico entre os "
     "eletrodos, suposto uniforme, em {?}?",
     {{"ceuQ", 1, 5, "mm", "mm"}, {"ceuF", 3, 15, "kV", "kV"}, {"ceuE", 2.5e6, 3.5e6, nullptr, "kV/m"}}},
    {"ceuQ",
     "Um capacitor plano está ligado a uma fonte de {ceuF}, e o campo elétrico uniforme entre as suas placas vale "
     "{ceuE}. Qual é a distância entre as placas, em {?}?",
     {{"ceuF", 10, 500}, {"ceuE", 1e4, 1e5, nullptr, "kV/m"}, {"ceuQ", 0.5, 10, "mm", "mm cm"}}},
    {"ceuQ",
     "A diferença de potencial entre as faces da membrana de um neurônio é de {ceuF}, e o campo elétrico em seu "
     "interior, suposto uniforme, vale {ceuE}. Qual é a espessura da membrana, em {?}?",
     {{"ceuF", 60, 90, "mV", "mV"}, {"ceuE", 6e6, 1.5e7}, {"ceuQ", 5, 12, "nm", "nm"}}},
    {"ceuQ",
     "O ar deixa de ser isolante, e salta uma faísca, quando o campo elétrico nele chega a {ceuE}. Qual é a maior "
     "distância entre os eletrodos de um acendedor de fogão, em {?}, para que a faísca salte quando a diferença "
     "de potencial entre eles é {ceuF}?",
     {{"ceuE", 3e6, 3e6}, {"ceuF", 3, 15, "kV", "kV"}, {"ceuQ", 1, 5, "mm", "mm"}}},
};

// T = q · u: a particle crossing the voltage of a laboratory accelerator (1 to 30 kV), a
// small charge carried between two points, a lightning stroke (5 to 30 C across 10⁸ to
// 10⁹ V), the charge a car battery of 12 V (40 to 70 Ah) or a phone's (3,7 to 3,85 V,
// 2 000 to 5 000 mAh) sends round its circuit.
const Statement uniformWorkStatements[] = {
    {"ceuF",
     "Num acelerador de laboratório, {ceuE:nome}, cuja carga tem módulo {ceuE}, atravessa uma diferença de "
     "potencial de {ceuQ}. Qual é o trabalho realizado pela força elétrica sobre a partícula, em {?}?",
     {{.field = "ceuE", .table = &Materials::chargedParticles}, {"ceuQ", 1, 30, "kV", "kV"},
      {"ceuF", 1e-16, 1e-14}}},
    {"ceuF",
     "Uma carga positiva de {ceuE} é levada de um ponto A a um ponto B de um campo elétrico, e o potencial de A é "
     "{ceuQ} maior que o de B. Qual é o trabalho realizado pela força elétrica nesse deslocamento, em {?}?",
     {{"ceuE", 0.1, 10, "µC", "µC nC"}, {"ceuQ", 1, 10, "kV", "kV"}, {"ceuF", 1e-4, 0.1}}},
    {"ceuF",
     "Num raio, uma carga de {ceuE} passa da nuvem para o solo, entre os quais a diferença de potencial é de "
     "{ceuQ}. Qual é o trabalho realizado pela força elétrica, em {?}?",
     {{"ceuE", 5, 30}, {"ceuQ", 1e8, 1e9}, {"ceuF", 5e8, 3e10, nullptr, "kWh"}}},
    {"ceuF",
     "Uma bateria de carro, de {ceuQ}, ao se descarregar por completo, faz circular pelo circuito uma carga de "
     "{ceuE}. Qual é o trabalho realizado pela força elétrica sobre essa carga, isto é, a energia fornecida pela "
     "bateria, em {?}?",
     {{"ceuQ", 12, 12}, {"ceuE", 40, 70, "Ah", "Ah"}, {"ceuF", 1.7e6, 3.1e6, nullptr, "kWh kJ"}}},
    {"ceuE",
     "A força elétrica realiza um trabalho de {ceuF} ao levar uma carga positiva de um ponto A a um ponto B, e o "
     "potencial de A é {ceuQ} maior que o de B. Qual é o valor da carga, em {?}?",
     {{"ceuF", 1e-4, 0.05}, {"ceuQ", 1, 10, "kV", "kV"}, {"ceuE", 0.1, 10, "µC", "µC nC"}}},
    {"ceuE",
     "A bateria de um celular, de {ceuQ}, armazena {ceuF} de energia. Que carga ela faz circular ao se "
     "descarregar por completo, em {?}?",
     {{"ceuQ", 3.7, 3.85}, {"ceuF", 30, 70, "kJ", "kJ Wh"}, {"ceuE", 2000, 5500, "mAh", "mAh"}}},
    {"ceuE",
     "Num raio, a força elétrica realiza um trabalho de {ceuF} ao levar uma carga da nuvem ao solo, entre os "
     "quais a diferença de potencial é de {ceuQ}. Qual é a carga transferida, em {?}?",
     {{"ceuF", 1e9, 1e10, nullptr, "kWh"}, {"ceuQ", 1e8, 1e9}, {"ceuE", 2, 50}}},
    {"ceuQ",
     "Num acelerador de laboratório, a força elétrica realiza um trabalho de {ceuF} sobre {ceuE:nome}, cuja carga "
     "tem módulo {ceuE}. Qual é a diferença de potencial que a partícula atravessou, em {?}?",
     {{.field = "ceuE", .table = &Materials::chargedParticles}, {"ceuF", 1e-16, 5e-15},
      {"ceuQ", 500, 30000, nullptr, "kV"}}},
    {"ceuQ",
     "Para levar uma carga positiva de {ceuE} de um ponto A a um ponto B, a força elétrica realiza um trabalho de "
     "{ceuF}. Qual é a diferença de potencial entre A e B, em {?}?",
     {{"ceuE", 0.1, 10, "µC", "µC nC"}, {"ceuF", 1e-4, 0.05}, {"ceuQ", 1, 10, "kV", "kV"}}},
    {"ceuQ",
     "Uma bateria de carro, ao se descarregar por completo, faz circular {ceuE} pelo circuito e fornece {ceuF} "
     "de energia. Qual é a tensão da bateria, em {?}?",
     {{"ceuE", 40, 70, "Ah", "Ah"}, {"ceuF", 0.5, 0.9, "kWh", "kWh kJ"}, {"ceuQ", 11.5, 12.8}}},
};

const TopicProblems topicProblems[] = {
    {"ButtonXPMACCorel79", chargeStatements},
    {"ButtonXPMACCorel80", coulombStatements},
    {"ButtonXPMACCorel81", pointFieldStatements},
    {"ButtonXPMACCorel82", potentialEnergyStatements},
    {"ButtonXPMACCorel83", pointPotentialStatements},
    {"ButtonXPMACCorel84", uniformForceStatements},
    {"ButtonXPMACCorel85", uniformVoltageStatements},
    {"ButtonXPMACCorel86", uniformWorkStatements},
};

}

const std::span<const Problems::TopicProblems> problems = topicProblems;

}
