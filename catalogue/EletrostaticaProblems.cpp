#include "catalogue/AreaProblems.h"

// Electrostatics' exercises: charges of a few microcoulombs, as in the laboratory and in
// the books, and their moduli only, so a distance solved from a force stays real. A row
// without a unit (a number of electrons) is asked with "{?}" standing empty before the
// question mark.
namespace Eletrostatica {

namespace {

using Problems::Range;
using Problems::Statement;
using Problems::TopicProblems;

const Range chargeRanges[] = {
    {"cecQ", 1e-7, 2e-5, "µC nC"},
    {"cecN", 1e12, 1e14, nullptr, true},
};

const Statement chargeStatements[] = {
    {"cecQ", "Um corpo inicialmente neutro perde {cecN} elétrons ao ser atritado com um pano de lã. Qual é o módulo da carga elétrica adquirida pelo corpo, em {?}?"},
    {"cecQ", "Uma esfera metálica neutra recebe {cecN} elétrons de um gerador eletrostático. Qual é o módulo da carga elétrica da esfera, em {?}?"},
    {"cecN", "Um bastão de vidro atritado com seda fica eletrizado com carga de {cecQ}. Quantos elétrons ele perdeu{?}?"},
    {"cecN", "Uma esfera condutora está eletrizada com carga de módulo {cecQ}. Qual é o número de elétrons em excesso ou em falta na esfera{?}?"},
};

const Range coulombRanges[] = {
    {"lcF", 1e-3, 20},
    {"lcQ1", 1e-7, 1e-5, "µC nC"},
    {"lcq2", 1e-7, 1e-5, "µC nC"},
    {"lcd", 0.01, 0.5, "cm"},
};

const Statement coulombStatements[] = {
    {"lcF", "Duas cargas puntiformes, {lcQ1} e {lcq2}, estão no vácuo, separadas por {lcd}. Qual é a intensidade da força elétrica entre elas, em {?}?"},
    {"lcF", "Duas pequenas esferas eletrizadas com cargas {lcQ1} e {lcq2} estão presas a suportes isolantes, a {lcd} uma da outra, no vácuo. Com que força, em {?}, elas se repelem?"},
    {"lcQ1", "Uma carga puntiforme Q e outra de {lcq2}, separadas por {lcd} no vácuo, trocam forças elétricas de intensidade {lcF}. Qual é o módulo de Q, em {?}?"},
    {"lcQ1", "Uma pequena esfera eletrizada repele com força de {lcF} outra, de carga {lcq2}, colocada a {lcd} dela, no vácuo. Qual é o módulo da carga da primeira esfera, em {?}?"},
    {"lcq2", "Uma carga puntiforme de {lcQ1} exerce uma força de {lcF} sobre uma carga q situada a {lcd} dela, no vácuo. Qual é o módulo de q, em {?}?"},
    {"lcq2", "Num experimento com a balança de torção, uma esfera de carga {lcQ1} repele com força de {lcF} outra esfera, a {lcd} de distância. Qual é o módulo da carga da segunda esfera, em {?}?"},
    {"lcd", "Duas cargas puntiformes, {lcQ1} e {lcq2}, trocam no vácuo forças de intensidade {lcF}. Qual é a distância entre elas, em {?}?"},
    {"lcd", "A que distância, em {?}, devem ser colocadas no vácuo duas pequenas esferas com cargas {lcQ1} e {lcq2} para que se repilam com força de {lcF}?"},
};

const Range pointFieldRanges[] = {
    {"vcE", 1e3, 2e6},
    {"vcQ", 1e-8, 1e-5, "µC nC"},
    {"vcD", 0.05, 1, "cm"},
};

const Statement pointFieldStatements[] = {
    {"vcE", "Qual é a intensidade do campo elétrico, em {?}, criado no vácuo por uma carga puntiforme de {vcQ} num ponto a {vcD} dela?"},
    {"vcE", "Uma pequena esfera eletrizada com carga de {vcQ} está no vácuo. Qual é a intensidade do campo elétrico que ela cria num ponto situado a {vcD} de seu centro, em {?}?"},
    {"vcQ", "Num ponto a {vcD} de uma carga puntiforme, no vácuo, o campo elétrico tem intensidade {vcE}. Qual é o módulo da carga, em {?}?"},
    {"vcQ", "Um sensor colocado a {vcD} de uma esfera eletrizada, no vácuo, mede um campo elétrico de {vcE}. Qual é o módulo da carga da esfera, em {?}?"},
    {"vcD", "Uma carga puntiforme de {vcQ} está no vácuo. A que distância dela, em {?}, o campo elétrico tem intensidade {vcE}?"},
    {"vcD", "O campo elétrico criado no vácuo por uma pequena esfera de carga {vcQ} vale {vcE} num ponto P. Qual é a distância de P ao centro da esfera, em {?}?"},
};

const Range potentialEnergyRanges[] = {
    {"epeE", 1e-3, 10},
    {"epeQ1", 1e-7, 1e-5, "µC nC"},
    {"epeQ2", 1e-7, 1e-5, "µC nC"},
    {"epeD", 0.01, 1, "cm"},
};

const Statement potentialEnergyStatements[] = {
    {"epeE", "Duas cargas puntiformes, {epeQ1} e {epeQ2}, estão no vácuo, separadas por {epeD}. Qual é a energia potencial elétrica do sistema, em {?}?"},
    {"epeE", "Uma pequena esfera de carga {epeQ2} é mantida a {epeD} de outra, de carga {epeQ1}, no vácuo. Qual é a energia potencial elétrica armazenada no par, em {?}?"},
    {"epeQ1", "Uma carga Q e outra de {epeQ2}, separadas por {epeD} no vácuo, formam um sistema de energia potencial elétrica {epeE}. Qual é o módulo de Q, em {?}?"},
    {"epeQ1", "Para trazer uma carga de {epeQ2} até {epeD} de uma esfera eletrizada, no vácuo, a energia potencial elétrica do par passa a {epeE}. Qual é o módulo da carga da esfera, em {?}?"},
    {"epeQ2", "Uma carga puntiforme de {epeQ1} e uma carga q estão no vácuo, a {epeD} uma da outra, e a energia potencial elétrica do par é {epeE}. Qual é o módulo de q, em {?}?"},
    {"epeQ2", "A energia potencial elétrica de um par de cargas no vácuo é {epeE}. Uma delas vale {epeQ1} e a distância entre elas é {epeD}. Qual é o módulo da outra carga, em {?}?"},
    {"epeD", "Duas cargas puntiformes, {epeQ1} e {epeQ2}, formam no vácuo um sistema de energia potencial elétrica {epeE}. Qual é a distância entre elas, em {?}?"},
    {"epeD", "A que distância, em {?}, devem ficar no vácuo duas cargas de {epeQ1} e {epeQ2} para que a energia potencial elétrica do par seja {epeE}?"},
};

const Range pointPotentialRanges[] = {
    {"pepV", 100, 1e6, "kV"},
    {"pepQ", 1e-9, 1e-5, "µC nC"},
    {"pepD", 0.05, 2, "cm"},
};

const Statement pointPotentialStatements[] = {
    {"pepV", "Qual é o potencial elétrico, em {?}, num ponto situado a {pepD} de uma carga puntiforme de {pepQ}, no vácuo?"},
    {"pepV", "A esfera de um gerador de Van de Graaff tem carga de {pepQ}. Qual é o potencial elétrico num ponto a {pepD} de seu centro, em {?}?"},
    {"pepQ", "Num ponto a {pepD} de uma carga puntiforme, no vácuo, o potencial elétrico é {pepV}. Qual é o valor da carga, em {?}?"},
    {"pepQ", "O potencial elétrico a {pepD} do centro de uma pequena esfera eletrizada, no vácuo, é {pepV}. Qual é a carga da esfera, em {?}?"},
    {"pepD", "Uma carga puntiforme de {pepQ} está no vácuo. A que distância dela, em {?}, o potencial elétrico vale {pepV}?"},
    {"pepD", "Em torno de uma esfera eletrizada com carga de {pepQ}, no vácuo, a que distância do centro, em {?}, o potencial elétrico é {pepV}?"},
};

const Range uniformForceRanges[] = {
    {"ceuF", 1e-4, 1},
    {"ceuE", 100, 1e5},
    {"ceuQ", 1e-7, 1e-5, "µC nC"},
};

const Statement uniformForceStatements[] = {
    {"ceuF", "Uma carga de {ceuQ} é colocada numa região de campo elétrico uniforme de intensidade {ceuE}. Qual é a intensidade da força elétrica sobre ela, em {?}?"},
    {"ceuF", "Entre as placas de um capacitor há um campo elétrico uniforme de {ceuE}. Que força, em {?}, atua sobre uma gotícula de óleo de carga {ceuQ} colocada ali?"},
    {"ceuE", "Uma carga de {ceuQ}, colocada num campo elétrico uniforme, fica sujeita a uma força de {ceuF}. Qual é a intensidade do campo, em {?}?"},
    {"ceuE", "Uma pequena esfera de carga {ceuQ}, entre duas placas eletrizadas, recebe uma força elétrica de {ceuF}. Qual é a intensidade do campo entre as placas, em {?}?"},
    {"ceuQ", "Num campo elétrico uniforme de intensidade {ceuE}, uma partícula eletrizada recebe uma força de {ceuF}. Qual é o módulo da carga da partícula, em {?}?"},
    {"ceuQ", "Uma gotícula de óleo entre as placas de um capacitor, onde o campo é uniforme e vale {ceuE}, sofre uma força elétrica de {ceuF}. Qual é o módulo de sua carga, em {?}?"},
};

const Range uniformVoltageRanges[] = {
    {"ceuF", 1, 1000, "kV"},
    {"ceuE", 100, 1e4, "kV/m V/cm"},
    {"ceuQ", 0.001, 0.5, "cm mm"},
};

const Statement uniformVoltageStatements[] = {
    {"ceuF", "Dois pontos A e B de um campo elétrico uniforme de intensidade {ceuE} estão sobre a mesma linha de força, a {ceuQ} um do outro. Qual é a diferença de potencial entre A e B, em {?}?"},
    {"ceuF", "Entre as placas de um capacitor, separadas por {ceuQ}, o campo elétrico é uniforme e vale {ceuE}. Qual é a diferença de potencial entre as placas, em {?}?"},
    {"ceuE", "Duas placas paralelas separadas por {ceuQ} estão ligadas a uma bateria de {ceuF}. Qual é a intensidade do campo elétrico uniforme entre elas, em {?}?"},
    {"ceuE", "Dois pontos de uma mesma linha de força de um campo uniforme, distantes {ceuQ}, têm entre si uma diferença de potencial de {ceuF}. Qual é a intensidade do campo, em {?}?"},
    {"ceuQ", "Num campo elétrico uniforme de intensidade {ceuE}, qual é a distância, em {?}, entre dois pontos de uma mesma linha de força cuja diferença de potencial é {ceuF}?"},
    {"ceuQ", "Um capacitor plano tem entre as placas uma diferença de potencial de {ceuF} e um campo elétrico uniforme de {ceuE}. Qual é a distância entre as placas, em {?}?"},
};

const Range uniformWorkRanges[] = {
    {"ceuF", 1e-5, 0.1},
    {"ceuE", 1e-7, 1e-5, "µC nC"},
    {"ceuQ", 10, 1e4, "kV"},
};

const Statement uniformWorkStatements[] = {
    {"ceuF", "Uma carga de {ceuE} é levada de um ponto A a um ponto B entre os quais a diferença de potencial é {ceuQ}. Qual é o trabalho da força elétrica, em {?}?"},
    {"ceuF", "Num tubo de raios catódicos, uma partícula de carga {ceuE} é acelerada por uma diferença de potencial de {ceuQ}. Que trabalho a força elétrica realiza sobre ela, em {?}?"},
    {"ceuE", "A força elétrica realiza um trabalho de {ceuF} ao deslocar uma carga entre dois pontos cuja diferença de potencial é {ceuQ}. Qual é o módulo da carga, em {?}?"},
    {"ceuE", "Uma partícula eletrizada, acelerada por uma diferença de potencial de {ceuQ}, recebe da força elétrica um trabalho de {ceuF}. Qual é o módulo de sua carga, em {?}?"},
    {"ceuQ", "Para levar uma carga de {ceuE} de um ponto A até um ponto B, a força elétrica realiza um trabalho de {ceuF}. Qual é a diferença de potencial entre A e B, em {?}?"},
    {"ceuQ", "Uma gotícula de carga {ceuE}, ao passar de uma placa de um capacitor à outra, recebe da força elétrica um trabalho de {ceuF}. Qual é a diferença de potencial entre as placas, em {?}?"},
};

const TopicProblems topicProblems[] = {
    {"ButtonXPMACCorel79", chargeRanges, chargeStatements},
    {"ButtonXPMACCorel80", coulombRanges, coulombStatements},
    {"ButtonXPMACCorel81", pointFieldRanges, pointFieldStatements},
    {"ButtonXPMACCorel82", potentialEnergyRanges, potentialEnergyStatements},
    {"ButtonXPMACCorel83", pointPotentialRanges, pointPotentialStatements},
    {"ButtonXPMACCorel84", uniformForceRanges, uniformForceStatements},
    {"ButtonXPMACCorel85", uniformVoltageRanges, uniformVoltageStatements},
    {"ButtonXPMACCorel86", uniformWorkRanges, uniformWorkStatements},
};

}

const std::span<const Problems::TopicProblems> problems = topicProblems;

}
