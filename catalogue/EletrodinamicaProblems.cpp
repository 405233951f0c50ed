#include "catalogue/AreaProblems.h"

// The exercises of the electric-circuit topics: the currents of a lamp, a shower or a
// phone charger, the resistors of a school kit, the wires of copper to nichrome. The
// series, parallel and two-resistor pages compute only the equivalent resistance.
namespace Eletrodinamica {

namespace {

using Problems::Range;
using Problems::Statement;

const Range currentRanges[] = {
    {"prP", 0.001, 20, "mA"},
    {"prF", 0.001, 5000, "mC µC"},
    {"prA", 0.01, 3600, "min ms"},
};

const Statement currentStatements[] = {
    {"prP", "Uma carga de {prF} atravessa a secção de um fio condutor em {prA}. Qual é a intensidade média da "
            "corrente elétrica no fio, em {?}?"},
    {"prP", "Durante {prA}, passam pelo filamento de uma lâmpada {prF} de carga. Qual é a corrente elétrica na "
            "lâmpada, em {?}?"},
    {"prF", "Um fio é percorrido por uma corrente de {prP} durante {prA}. Qual é a carga que atravessa a secção do "
            "fio, em {?}?"},
    {"prF", "Um carregador fornece ao celular uma corrente constante de {prP} durante {prA}. Qual é a carga "
            "elétrica fornecida, em {?}?"},
    {"prA", "Em quanto tempo, em {?}, uma corrente de {prP} transporta uma carga de {prF} através de um fio?"},
    {"prA", "Um motor de brinquedo é percorrido por uma corrente de {prP}. Quanto tempo leva para passar por ele "
            "uma carga de {prF}, em {?}?"},
};

const Range ohmRanges[] = {
    {"lnFR", 1, 500, "mV kV"},
    {"lnM", 1, 2000, "kΩ"},
    {"lnA", 0.001, 1, "mA"},
};

const Statement ohmStatements[] = {
    {"lnFR", "Um resistor ôhmico de {lnM} é percorrido por uma corrente de {lnA}. Qual é a tensão entre os seus "
             "terminais, em {?}?"},
    {"lnFR", "Pelo filamento de uma lâmpada, de resistência {lnM}, passa uma corrente de {lnA}. Qual é a tensão "
             "aplicada à lâmpada, em {?}?"},
    {"lnM", "Um resistor submetido a uma tensão de {lnFR} é percorrido por uma corrente de {lnA}. Qual é a sua "
            "resistência elétrica, em {?}?"},
    {"lnM", "Uma lâmpada ligada a uma tensão de {lnFR} é atravessada por uma corrente de {lnA}. Qual é a "
            "resistência do filamento, em {?}?"},
    {"lnA", "Um resistor de {lnM} é ligado a uma tensão de {lnFR}. Qual é a corrente elétrica que o percorre, "
            "em {?}?"},
    {"lnA", "Uma pessoa toca os dois polos de uma fonte de {lnFR}, e a resistência do seu corpo entre as mãos é "
            "{lnM}. Qual é a corrente que atravessa o seu corpo, em {?}?"},
};

const Range resistivityRanges[] = {
    {"lo2R", 0.01, 100},
    {"lo2p", 0.00000001, 0.0000011, "Ω·mm²/m"},
    {"lo2l", 0.1, 1000, "cm km"},
    {"lo2a", 0.0000001, 0.00001, "mm²"},
};

const Statement resistivityStatements[] = {
    {"lo2R", "Um fio de {lo2l} de comprimento e área de secção {lo2a} é feito de um metal de resistividade {lo2p}. "
             "Qual é a resistência elétrica do fio, em {?}?"},
    {"lo2R", "Um eletricista usa {lo2l} de um cabo cuja secção tem área {lo2a}, de um material de resistividade "
             "{lo2p}. Qual é a resistência desse trecho de cabo, em {?}?"},
    {"lo2p", "Um fio de {lo2l} de comprimento e secção de área {lo2a} tem resistência de {lo2R}. Qual é a "
             "resistividade do material do fio, em {?}?"},
    {"lo2p", "Para identificar o metal de um fio, um estudante mede a resistência de {lo2R} num pedaço de {lo2l}, "
             "cuja secção tem área {lo2a}. Qual é a resistividade do metal, em {?}?"},
    {"lo2l", "Que comprimento, em {?}, deve ter um fio de resistividade {lo2p} e secção de área {lo2a} para que "
             "sua resistência seja {lo2R}?"},
    {"lo2l", "A resistência de um chuveiro, de {lo2R}, é feita de um fio de resistividade {lo2p} com secção de "
             "área {lo2a}. Qual é o comprimento do fio, em {?}?"},
    {"lo2a", "Um fio de {lo2l}, feito de um material de resistividade {lo2p}, tem resistência de {lo2R}. Qual é a "
             "área da secção do fio, em {?}?"},
    {"lo2a", "Uma linha de {lo2l} deve ter resistência de {lo2R} e será feita de um metal de resistividade {lo2p}. "
             "Qual deve ser a área da secção do fio, em {?}?"},
};

const Range seriesRanges[] = {
    {"rsTotal", 4, 40000, "kΩ"},
    {"r1", 1, 10000, "kΩ"},
    {"r2", 1, 10000, "kΩ"},
    {"r3", 1, 10000, "kΩ"},
    {"r4", 1, 10000, "kΩ"},
};

const Statement seriesStatements[] = {
    {"rsTotal", "Quatro resistores, de {r1}, {r2}, {r3} e {r4}, são associados em série. Qual é a resistência "
                "equivalente da associação, em {?}?"},
    {"rsTotal", "Num circuito, um estudante liga em série resistores de {r1}, {r2}, {r3} e {r4}. Que resistência "
                "única, em {?}, poderia substituir os quatro?"},
};

const Range parallelRanges[] = {
    {"rpTotal", 0.3, 4000, "kΩ"},
    {"rp1", 1, 10000, "kΩ"},
    {"rp2", 1, 10000, "kΩ"},
    {"rp3", 1, 10000, "kΩ"},
};

const Statement parallelStatements[] = {
    {"rpTotal", "Três resistores, de {rp1}, {rp2} e {rp3}, são associados em paralelo. Qual é a resistência "
                "equivalente da associação, em {?}?"},
    {"rpTotal", "Numa casa, três aparelhos de resistências {rp1}, {rp2} e {rp3} estão ligados em paralelo na "
                "mesma tomada. Qual é a resistência equivalente do conjunto, em {?}?"},
};

const Range equalResistorsRanges[] = {
    {"riR", 1, 500, "kΩ"},
    {"riR1", 10, 1000, "kΩ"},
    {"rin", 2, 12, nullptr, true},
};

const Statement equalResistorsStatements[] = {
    {"riR", "São associados em paralelo {rin} resistores iguais, de {riR1} cada um. Qual é a resistência "
            "equivalente da associação, em {?}?"},
    {"riR", "Um painel tem {rin} lâmpadas idênticas, de resistência {riR1} cada uma, ligadas em paralelo. Qual é "
            "a resistência equivalente do painel, em {?}?"},
    {"riR1", "Uma associação em paralelo de {rin} resistores iguais tem resistência equivalente de {riR}. Qual é a "
             "resistência de cada resistor, em {?}?"},
    {"riR1", "Um pisca-pisca tem {rin} lâmpadas iguais ligadas em paralelo, com resistência equivalente de {riR}. "
             "Qual é a resistência de cada lâmpada, em {?}?"},
    {"rin", "Resistores iguais de {riR1} são associados em paralelo, e a resistência equivalente é {riR}. Quantos "
            "resistores foram associados{?}?"},
    {"rin", "Um técnico precisa de uma resistência de {riR} e só tem resistores de {riR1}. Quantos deles deve "
            "ligar em paralelo{?}?"},
};

const Range twoResistorsRanges[] = {
    {"rdr", 0.5, 5000, "kΩ"},
    {"rdr1", 1, 10000, "kΩ"},
    {"rdr2", 1, 10000, "kΩ"},
};

const Statement twoResistorsStatements[] = {
    {"rdr", "Dois resistores, de {rdr1} e {rdr2}, são associados em paralelo. Qual é a resistência equivalente, "
            "em {?}?"},
    {"rdr", "Um ferro de passar de resistência {rdr1} e uma lâmpada de resistência {rdr2} estão ligados em "
            "paralelo. Qual é a resistência equivalente do conjunto, em {?}?"},
};

const Range terminalVoltageRanges[] = {
    {"rg1U", 0.5, 24, "mV"},
    {"rg1e", 1.5, 24, "mV"},
    {"rg1r", 0.05, 5},
    {"rg1i", 0.1, 10, "mA"},
};

const Statement terminalVoltageStatements[] = {
    {"rg1U", "Uma bateria de força eletromotriz {rg1e} e resistência interna {rg1r} fornece uma corrente de "
             "{rg1i}. Qual é a tensão entre os seus terminais, em {?}?"},
    {"rg1U", "Uma pilha de força eletromotriz {rg1e}, com resistência interna de {rg1r}, alimenta uma lanterna "
             "com corrente de {rg1i}. Qual é a tensão que chega à lanterna, em {?}?"},
    {"rg1e", "Um gerador de resistência interna {rg1r} é percorrido por uma corrente de {rg1i} e mantém entre os "
             "terminais uma tensão de {rg1U}. Qual é a sua força eletromotriz, em {?}?"},
    {"rg1e", "Uma bateria de carro, de resistência interna {rg1r}, fornece {rg1i} com tensão de {rg1U} entre os "
             "polos. Qual é a força eletromotriz da bateria, em {?}?"},
    {"rg1r", "Um gerador de força eletromotriz {rg1e} fornece uma corrente de {rg1i}, e a tensão entre os seus "
             "terminais é {rg1U}. Qual é a resistência interna do gerador, em {?}?"},
    {"rg1r", "Uma pilha de força eletromotriz {rg1e}, ao fornecer {rg1i}, mantém {rg1U} entre os polos. Qual é "
             "a resistência interna da pilha, em {?}?"},
    {"rg1i", "Um gerador de força eletromotriz {rg1e} e resistência interna {rg1r} tem tensão de {rg1U} entre os "
             "terminais. Qual é a corrente que ele fornece, em {?}?"},
    {"rg1i", "A tensão entre os polos de uma bateria de força eletromotriz {rg1e} e resistência interna {rg1r} cai "
             "para {rg1U} quando o motor de arranque é ligado. Qual é a corrente na bateria, em {?}?"},
};

const Range circuitCurrentRanges[] = {
    {"gr2i", 0.05, 5, "mA"},
    {"gr2e", 1.5, 24},
    {"gr2r", 1, 30},
    {"gr2rinho", 0.1, 10},
};

const Statement circuitCurrentStatements[] = {
    {"gr2i", "Um gerador de força eletromotriz {gr2e} e resistência interna {gr2rinho} alimenta um resistor "
             "externo de {gr2r}. Qual é a corrente no circuito, em {?}?"},
    {"gr2i", "Uma bateria de força eletromotriz {gr2e}, com resistência interna de {gr2rinho}, é ligada a uma "
             "lâmpada de resistência {gr2r}. Qual é a corrente na lâmpada, em {?}?"},
    {"gr2e", "Num circuito simples, um gerador de resistência interna {gr2rinho} alimenta um resistor de {gr2r}, "
             "e a corrente é {gr2i}. Qual é a força eletromotriz do gerador, em {?}?"},
    {"gr2e", "Uma pilha de resistência interna {gr2rinho} acende uma lâmpada de {gr2r} com corrente de {gr2i}. "
             "Qual é a força eletromotriz da pilha, em {?}?"},
    {"gr2r", "Um gerador de força eletromotriz {gr2e} e resistência interna {gr2rinho} fornece {gr2i} a um "
             "resistor externo. Qual é a resistência desse resistor, em {?}?"},
    {"gr2r", "Uma bateria de {gr2e} e resistência interna {gr2rinho} faz passar {gr2i} por um aquecedor. Qual é a "
             "resistência do aquecedor, em {?}?"},
    {"gr2rinho", "Um gerador de força eletromotriz {gr2e}, ligado a um resistor de {gr2r}, fornece uma corrente de "
                 "{gr2i}. Qual é a resistência interna do gerador, em {?}?"},
    {"gr2rinho", "Uma pilha de {gr2e} ligada a uma lâmpada de {gr2r} faz passar por ela uma corrente de {gr2i}. "
                 "Qual é a resistência interna da pilha, em {?}?"},
};

const Range energyUseRanges[] = {
    {"lnFR", 300, 2000000000, "kWh kJ"},
    {"lnM", 5, 8000, "kW"},
    {"lnA", 60, 400000, "min h"},
};

const Statement energyUseStatements[] = {
    {"lnFR", "Um aparelho elétrico de {lnM} fica ligado durante {lnA}. Qual é a energia elétrica consumida, "
             "em {?}?"},
    {"lnFR", "Um eletrodoméstico de {lnM} funciona por {lnA}. Quanta energia elétrica ele consome, em {?}?"},
    {"lnM", "Um aparelho consome {lnFR} de energia elétrica em {lnA} de funcionamento. Qual é a sua potência, "
            "em {?}?"},
    {"lnM", "Um eletrodoméstico ligado durante {lnA} consumiu {lnFR}. Qual é a sua potência, em {?}?"},
    {"lnA", "Por quanto tempo, em {?}, um aparelho de {lnM} deve funcionar para consumir {lnFR}?"},
    {"lnA", "Um aparelho de {lnM} consumiu {lnFR} de energia elétrica. Durante quanto tempo ele ficou "
            "ligado, em {?}?"},
};

const Range electricPowerRanges[] = {
    {"lnFR", 0.5, 8000, "kW"},
    {"lnM", 0.01, 40, "mA"},
    {"lnA", 1.5, 380, "kV"},
};

const Statement electricPowerStatements[] = {
    {"lnFR", "Um aparelho ligado a uma tensão de {lnA} é percorrido por uma corrente de {lnM}. Qual é a potência "
             "elétrica que ele consome, em {?}?"},
    {"lnFR", "Um motor elétrico ligado a {lnA} é atravessado por uma corrente de {lnM}. Qual é a potência do "
             "motor, em {?}?"},
    {"lnM", "Um aparelho de {lnFR} é ligado a uma tensão de {lnA}. Qual é a corrente elétrica no aparelho, em {?}?"},
    {"lnM", "Um resistor que dissipa {lnFR} está ligado a {lnA}. Qual é a corrente que o percorre, "
            "em {?}?"},
    {"lnA", "Um aparelho de {lnFR} é percorrido por uma corrente de {lnM} quando ligado corretamente. Qual é a "
            "tensão em que ele deve ser ligado, em {?}?"},
    {"lnA", "Um motor de potência {lnFR} funciona com corrente de {lnM}. Qual é a tensão aplicada ao motor, "
            "em {?}?"},
};

const Range powerFromVoltageRanges[] = {
    {"acac", 0.5, 2500, "kW"},
    {"acv", 1.5, 380, "kV"},
    {"acr", 1, 300},
};

const Statement powerFromVoltageStatements[] = {
    {"acac", "Um resistor de {acr} é ligado a uma tensão de {acv}. Qual é a potência dissipada no resistor, "
             "em {?}?"},
    {"acac", "A resistência de um aquecedor é {acr}, e ele é ligado à rede de {acv}. Qual é a potência do "
             "aquecedor, em {?}?"},
    {"acv", "Um resistor de {acr} dissipa uma potência de {acac}. Qual é a tensão entre os seus terminais, em {?}?"},
    {"acv", "Uma lâmpada de resistência {acr} acende com potência de {acac}. Qual é a tensão aplicada à lâmpada, "
            "em {?}?"},
    {"acr", "Um resistor dissipa {acac} quando ligado a uma tensão de {acv}. Qual é a sua resistência, "
            "em {?}?"},
    {"acr", "Uma lâmpada traz gravado: {acac} e {acv}. Qual é a resistência do seu filamento quando acesa, em {?}?"},
};

const Range powerFromCurrentRanges[] = {
    {"pe3P", 0.01, 10000, "kW"},
    {"pe3R", 0.5, 500},
    {"pe3i", 0.01, 10, "mA"},
};

const Statement powerFromCurrentStatements[] = {
    {"pe3P", "Um resistor de {pe3R} é percorrido por uma corrente de {pe3i}. Qual é a potência dissipada por "
             "efeito Joule, em {?}?"},
    {"pe3P", "Pelo fio de uma extensão, de resistência {pe3R}, passa uma corrente de {pe3i}. Qual é a potência "
             "transformada em calor no fio, em {?}?"},
    {"pe3R", "Um resistor percorrido por uma corrente de {pe3i} dissipa {pe3P}. Qual é a sua resistência, em {?}?"},
    {"pe3R", "Um aquecedor dissipa {pe3P} quando é percorrido por uma corrente de {pe3i}. Qual é a resistência do "
             "aquecedor, em {?}?"},
    {"pe3i", "Um resistor de {pe3R} dissipa uma potência de {pe3P}. Qual é a corrente que o percorre, em {?}?"},
    {"pe3i", "O elemento de um ferro de passar, de resistência {pe3R}, dissipa {pe3P}. Qual é a corrente no "
             "elemento, em {?}?"},
};

const Problems::TopicProblems problemTable[] = {
    {"ButtonXPMACCorel98", currentRanges, currentStatements},
    {"ButtonXPMACCorel99", ohmRanges, ohmStatements},
    {"ButtonXPMACCorel100", resistivityRanges, resistivityStatements},
    {"ButtonXPMACCorel101", seriesRanges, seriesStatements},
    {"ButtonXPMACCorel102", parallelRanges, parallelStatements},
    {"ButtonXPMACCorel103", equalResistorsRanges, equalResistorsStatements},
    {"ButtonXPMACCorel104", twoResistorsRanges, twoResistorsStatements},
    {"ButtonXPMACCorel105", terminalVoltageRanges, terminalVoltageStatements},
    {"ButtonXPMACCorel106", circuitCurrentRanges, circuitCurrentStatements},
    {"ButtonXPMACCorel107", energyUseRanges, energyUseStatements},
    {"ButtonXPMACCorel108", electricPowerRanges, electricPowerStatements},
    {"ButtonXPMACCorel109", powerFromVoltageRanges, powerFromVoltageStatements},
    {"ButtonXPMACCorel110", powerFromCurrentRanges, powerFromCurrentStatements},
};

}

const std::span<const Problems::TopicProblems> problems = problemTable;

}
