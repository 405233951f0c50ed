#include "catalogue/AreaProblems.h"

// The exercises of the hydrostatics topics: liquids from alcohol to mercury, solids from
// cork to gold, depths of a pool to those of a dam. The gravity rows range from the Moon
// to Jupiter, as in the dynamics exercises, so that g can be asked.
namespace Hidrostatica {

namespace {

using Problems::Range;
using Problems::Statement;

const Range densityRanges[] = {
    {"eVm", 200, 20000, "g/cm³ kg/L"},
    {"eDS", 0.01, 100, "g"},
    {"eDT", 0.000001, 0.1, "L cm³"},
};

const Statement densityStatements[] = {
    {"eVm", "Um bloco maciço de {eDS} ocupa um volume de {eDT}. Qual é a densidade do material do bloco, em {?}?"},
    {"eVm", "Num laboratório, mede-se uma amostra de metal: a massa é {eDS} e o volume, obtido pela água que ela "
            "desloca, é {eDT}. Qual é a massa específica do metal, em {?}?"},
    {"eDS", "Um recipiente contém {eDT} de um líquido de densidade {eVm}. Qual é a massa do líquido, em {?}?"},
    {"eDS", "Uma peça maciça de volume {eDT} é feita de um material de densidade {eVm}. Qual é a massa da peça, "
            "em {?}?"},
    {"eDT", "Qual é o volume, em {?}, ocupado por {eDS} de uma substância de densidade {eVm}?"},
    {"eDT", "Uma barra maciça de {eDS} é feita de uma liga de densidade {eVm}. Qual é o volume da barra, em {?}?"},
};

const Range pressureRanges[] = {
    {"prP", 100, 300000, "atm kPa"},
    {"prF", 1, 50000, "kgf"},
    {"prA", 0.0001, 0.5, "cm²"},
};

const Statement pressureStatements[] = {
    {"prP", "Uma pessoa de peso {prF} está de pé, e a área total de contato dos seus pés com o chão é {prA}. "
            "Qual é a pressão que ela exerce sobre o chão, em {?}?"},
    {"prP", "Uma força de {prF} é aplicada perpendicularmente sobre uma superfície de área {prA}. Qual é a pressão "
            "exercida sobre a superfície, em {?}?"},
    {"prF", "Uma caixa exerce uma pressão de {prP} sobre o piso, com uma face de área {prA} apoiada nele. "
            "Qual é o peso da caixa, em {?}?"},
    {"prF", "O ar de um pneu está à pressão de {prP} e empurra uma região da borracha de área {prA}. "
            "Qual é a força que o ar exerce sobre essa região, em {?}?"},
    {"prA", "Uma força de {prF} produz uma pressão de {prP} sobre uma superfície. Qual é a área dessa superfície, "
            "em {?}?"},
    {"prA", "Um tijolo de peso {prF}, apoiado numa de suas faces, exerce sobre o chão uma pressão de {prP}. "
            "Qual é a área da face apoiada, em {?}?"},
};

const Range buoyancyRanges[] = {
    {"tiT", 0.01, 20000, "kgf"},
    {"tiF", 700, 13600, "g/cm³"},
    {"tiD", 1.6, 25},
    {"tiCos", 0.00001, 1, "L cm³"},
};

const Statement buoyancyStatements[] = {
    {"tiT", "Um objeto totalmente mergulhado desloca {tiCos} de um líquido de densidade {tiF}, num local onde a "
            "aceleração da gravidade é {tiD}. Qual é o empuxo sobre o objeto, em {?}?"},
    {"tiT", "Uma boia tem {tiCos} de seu volume submerso num lago de densidade {tiF}, num local onde g = {tiD}. "
            "Qual é o empuxo que a água exerce sobre a boia, em {?}?"},
    {"tiF", "Um corpo que desloca {tiCos} de um líquido recebe um empuxo de {tiT}, num local onde g = {tiD}. "
            "Qual é a densidade do líquido, em {?}?"},
    {"tiF", "Uma pedra mergulhada num líquido desconhecido desloca {tiCos} dele e sofre um empuxo de {tiT}. Sendo a "
            "aceleração da gravidade {tiD}, qual é a densidade do líquido, em {?}?"},
    {"tiD", "Num planeta distante, um corpo que desloca {tiCos} de um líquido de densidade {tiF} recebe um empuxo "
            "de {tiT}. Qual é a aceleração da gravidade nesse planeta, em {?}?"},
    {"tiD", "Uma sonda mergulha num lago de outro planeta, de densidade {tiF}, deslocando {tiCos} do líquido, e "
            "mede um empuxo de {tiT}. Qual é a aceleração da gravidade nesse planeta, em {?}?"},
    {"tiCos", "Um barco flutua num mar de densidade {tiF} recebendo um empuxo de {tiT}, num local onde g = {tiD}. "
              "Qual é o volume de água que ele desloca, em {?}?"},
    {"tiCos", "Uma esfera mergulhada num líquido de densidade {tiF} sofre um empuxo de {tiT}, num local onde a "
              "aceleração da gravidade é {tiD}. Qual é o volume de líquido deslocado, em {?}?"},
};

const Range hydrostaticRanges[] = {
    {"tiT", 10, 3000000, "atm kPa"},
    {"tiF", 700, 13600, "g/cm³"},
    {"tiD", 1.6, 25},
    {"tiCos", 0.1, 100, "cm"},
};

const Statement hydrostaticStatements[] = {
    {"tiT", "Um mergulhador está a {tiCos} de profundidade num lago de densidade {tiF}, num local onde a aceleração "
            "da gravidade é {tiD}. Qual é a pressão exercida apenas pela água sobre ele, em {?}?"},
    {"tiT", "Um tanque contém um líquido de densidade {tiF} até a altura de {tiCos}, num local onde g = {tiD}. "
            "Qual é a pressão hidrostática no fundo do tanque, em {?}?"},
    {"tiF", "No fundo de um reservatório de {tiCos} de profundidade, a pressão hidrostática é {tiT}, num local onde "
            "g = {tiD}. Qual é a densidade do líquido, em {?}?"},
    {"tiF", "A {tiCos} abaixo da superfície de um líquido a pressão hidrostática vale {tiT}, sendo a aceleração "
            "da gravidade {tiD}. Qual é a densidade do líquido, em {?}?"},
    {"tiD", "Num planeta distante, a pressão hidrostática a {tiCos} de profundidade num líquido de densidade {tiF} "
            "é {tiT}. Qual é a aceleração da gravidade nesse planeta, em {?}?"},
    {"tiD", "Uma sonda mede a pressão de {tiT} a {tiCos} de profundidade num lago de outro planeta, cujo líquido tem "
            "densidade {tiF}. Qual é a aceleração da gravidade nesse planeta, em {?}?"},
    {"tiCos", "Num lago de densidade {tiF}, a pressão exercida pela água sobre um mergulhador é {tiT}, num local onde "
              "g = {tiD}. A que profundidade ele está, em {?}?"},
    {"tiCos", "A pressão hidrostática no fundo de um reservatório cheio de um líquido de densidade {tiF} é {tiT}, "
              "num local onde a aceleração da gravidade é {tiD}. Qual é a profundidade do reservatório, em {?}?"},
};

const Range pressRanges[] = {
    {"phF1", 10, 2000, "kgf"},
    {"phA1", 0.0001, 0.01, "cm²"},
    {"phF2", 500, 100000, "kgf"},
    {"phA2", 0.005, 1, "cm²"},
};

const Statement pressStatements[] = {
    {"phF1", "Num elevador hidráulico de posto, o êmbolo menor tem área {phA1} e o maior, área {phA2}. Que força deve "
             "ser aplicada no êmbolo menor, em {?}, para erguer um carro que exerce {phF2} sobre o êmbolo maior?"},
    {"phF1", "Uma prensa hidráulica tem êmbolos de áreas {phA1} e {phA2}. Para que o êmbolo maior exerça uma força "
             "de {phF2}, qual força deve agir no êmbolo menor, em {?}?"},
    {"phA1", "Numa prensa hidráulica, uma força de {phF1} aplicada no êmbolo menor equilibra uma carga de {phF2} "
             "sobre o êmbolo maior, de área {phA2}. Qual é a área do êmbolo menor, em {?}?"},
    {"phA1", "O pedal de freio de um carro empurra com {phF1} o pistão do cilindro mestre, e o fluido faz o pistão da "
             "roda, de área {phA2}, exercer {phF2}. Qual é a área do pistão do cilindro mestre, em {?}?"},
    {"phF2", "Numa prensa hidráulica, aplica-se uma força de {phF1} no êmbolo de área {phA1}. Qual é a força "
             "transmitida ao êmbolo de área {phA2}, em {?}?"},
    {"phF2", "Um macaco hidráulico tem êmbolos de áreas {phA1} e {phA2}. Empurrando o êmbolo menor com {phF1}, que "
             "força o êmbolo maior faz sobre o carro, em {?}?"},
    {"phA2", "Num elevador hidráulico, uma força de {phF1} no êmbolo menor, de área {phA1}, sustenta um carro que "
             "exerce {phF2} sobre o êmbolo maior. Qual é a área do êmbolo maior, em {?}?"},
    {"phA2", "Uma prensa hidráulica multiplica a força de {phF1} aplicada num êmbolo de área {phA1}, obtendo {phF2} "
             "no outro êmbolo. Qual é a área desse outro êmbolo, em {?}?"},
};

const Range absolutePressureRanges[] = {
    {"paP", 100000, 400000, "atm kPa"},
    {"paPatm", 40000, 110000, "atm cmHg mmHg"},
    {"paD", 700, 1400, "g/cm³"},
    {"paG", 1.6, 25},
    {"paH", 0.5, 30, "cm"},
};

const Statement absolutePressureStatements[] = {
    {"paP", "Um mergulhador está a {paH} de profundidade num lago de densidade {paD}. A pressão atmosférica local é "
            "{paPatm} e a aceleração da gravidade, {paG}. Qual é a pressão total sobre o mergulhador, em {?}?"},
    {"paP", "Num tanque aberto, um líquido de densidade {paD} está sob a pressão atmosférica de {paPatm}, num local "
            "onde g = {paG}. Qual é a pressão absoluta num ponto a {paH} abaixo da superfície, em {?}?"},
    {"paPatm", "A pressão absoluta a {paH} de profundidade num lago de densidade {paD} é {paP}, num local onde a "
               "aceleração da gravidade é {paG}. Qual é a pressão atmosférica na superfície do lago, em {?}?"},
    {"paPatm", "Num lago de montanha, um sensor a {paH} de profundidade mede a pressão absoluta de {paP}. Sendo a "
               "densidade da água {paD} e g = {paG}, qual é a pressão atmosférica no local, em {?}?"},
    {"paD", "Num tanque aberto ao ar, sob a pressão atmosférica de {paPatm}, a pressão absoluta a {paH} de "
            "profundidade é {paP}, num local onde g = {paG}. Qual é a densidade do líquido, em {?}?"},
    {"paD", "Um sensor no fundo de um reservatório de {paH} de profundidade mede {paP}, e a pressão atmosférica "
            "local é {paPatm}. Sendo a aceleração da gravidade {paG}, qual é a densidade do líquido, em {?}?"},
    {"paG", "Num planeta distante, a pressão absoluta a {paH} de profundidade num lago de densidade {paD} é {paP}, "
            "e a pressão atmosférica na superfície é {paPatm}. Qual é a aceleração da gravidade nesse planeta, em {?}?"},
    {"paG", "Uma sonda mergulha num lago de outro planeta, de densidade {paD}, e mede {paP} a {paH} de profundidade; "
            "na superfície, a pressão atmosférica é {paPatm}. Qual é a gravidade nesse planeta, em {?}?"},
    {"paH", "Num lago de densidade {paD}, sob a pressão atmosférica de {paPatm}, um mergulhador sente uma pressão "
            "total de {paP}, num local onde g = {paG}. A que profundidade ele está, em {?}?"},
    {"paH", "Um submarino suporta a pressão absoluta de {paP}. Num mar de densidade {paD}, sob a pressão "
            "atmosférica de {paPatm} e com g = {paG}, qual é a maior profundidade que ele pode atingir, em {?}?"},
};

const Problems::TopicProblems problemTable[] = {
    {"ButtonXPMACCorel36", densityRanges, densityStatements},
    {"ButtonXPMACCorel37", pressureRanges, pressureStatements},
    {"ButtonXPMACCorel38", buoyancyRanges, buoyancyStatements},
    {"ButtonXPMACCorel39", hydrostaticRanges, hydrostaticStatements},
    {"ButtonXPMACCorel40", pressRanges, pressStatements},
    {"ButtonXPMACCorel41", absolutePressureRanges, absolutePressureStatements},
};

}

const std::span<const Problems::TopicProblems> problems = problemTable;

}
