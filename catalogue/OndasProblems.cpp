#include "catalogue/AreaProblems.h"

// Waves' exercises: ropes, ripple tanks, sound and strings. A row without a unit (a number
// of waves, a harmonic) is asked with "{?}" standing empty before the question mark.
namespace Ondas {

namespace {

using Problems::Range;
using Problems::Statement;
using Problems::TopicProblems;

const Range waveFrequencyRanges[] = {
    {"pP", 0.2, 20},
    {"pT", 5, 200, nullptr, true},
    {"pdT", 2, 60, "min"},
};

const Statement waveFrequencyStatements[] = {
    {"pP", "Um garoto agita a extremidade de uma corda e produz {pT} ondas completas em {pdT}. Qual é a frequência das ondas, em {?}?"},
    {"pP", "Num tanque de ondas, uma haste vibratória produz {pT} ondas em {pdT}. Qual é a frequência dessas ondas, em {?}?"},
    {"pT", "Uma fonte vibra com frequência de {pP}. Quantas ondas ela produz em {pdT}{?}?"},
    {"pT", "Num tanque de ondas, uma haste oscila com frequência de {pP} durante {pdT}. Quantas ondas ela produz nesse intervalo{?}?"},
    {"pdT", "Uma fonte de frequência {pP} produz {pT} ondas completas. Quanto tempo ela leva para isso, em {?}?"},
    {"pdT", "Um garoto agita uma corda com frequência de {pP}. Quanto tempo, em {?}, ele leva para produzir {pT} ondas completas?"},
};

const Range wavePeriodRanges[] = {
    {"aeA", 0.05, 10},
    {"aeDS", 2, 120, "min"},
    {"aeDT", 5, 200, nullptr, true},
};

const Statement wavePeriodStatements[] = {
    {"aeA", "Uma boia sobe e desce {aeDT} vezes em {aeDS} com a passagem das ondas. Qual é o período das ondas, em {?}?"},
    {"aeA", "Uma fonte produz {aeDT} ondas completas em {aeDS}. Qual é o período dessas ondas, em {?}?"},
    {"aeDS", "Ondas de período {aeA} são produzidas numa corda. Quanto tempo, em {?}, a fonte leva para produzir {aeDT} ondas completas?"},
    {"aeDS", "Um vibrador produz ondas de período {aeA} num tanque. Em quanto tempo, em {?}, ele gera {aeDT} ondas completas?"},
    {"aeDT", "Uma fonte produz ondas de período {aeA}. Quantas ondas ela produz em {aeDS}{?}?"},
    {"aeDT", "As ondas do mar chegam a um píer com período de {aeA}. Quantas ondas chegam ao píer em {aeDS}{?}?"},
};

const Range frequencyToPeriodRanges[] = {
    {"vlV", 1, 1000, "kHz"},
    {"vlf", 0.001, 1, "ms"},
};

const Statement frequencyToPeriodStatements[] = {
    {"vlf", "Um diapasão vibra com frequência de {vlV}. Qual é o período de sua vibração, em {?}?"},
    {"vlf", "Uma onda sonora tem frequência de {vlV}. Qual é o seu período, em {?}?"},
    {"vlV", "Uma onda tem período de {vlf}. Qual é a sua frequência, em {?}?"},
    {"vlV", "A membrana de um alto-falante completa uma oscilação a cada {vlf}. Com que frequência ela vibra, em {?}?"},
};

const Range waveSpeedRanges[] = {
    {"lnFR", 200, 1500},
    {"lnM", 0.05, 5, "cm"},
    {"lnA", 50, 5000, "kHz"},
};

const Statement waveSpeedStatements[] = {
    {"lnFR", "Uma onda sonora de frequência {lnA} tem comprimento de onda de {lnM} num certo meio. Qual é a velocidade de propagação do som nesse meio, em {?}?"},
    {"lnFR", "Um alto-falante emite um som de frequência {lnA} cujo comprimento de onda, num gás, é {lnM}. Com que velocidade o som se propaga nesse gás, em {?}?"},
    {"lnM", "Um som de frequência {lnA} se propaga num meio com velocidade de {lnFR}. Qual é o seu comprimento de onda, em {?}?"},
    {"lnM", "A nota emitida por um instrumento tem frequência {lnA}. Sabendo que o som se propaga no ambiente a {lnFR}, qual é o comprimento de onda da nota, em {?}?"},
    {"lnA", "Uma onda sonora de comprimento de onda {lnM} se propaga com velocidade de {lnFR}. Qual é a sua frequência, em {?}?"},
    {"lnA", "Um apito emite um som que, propagando-se a {lnFR}, tem comprimento de onda de {lnM}. Qual é a frequência desse som, em {?}?"},
};

const Range distanceRanges[] = {
    {"lnFR", 0.1, 50, "cm"},
    {"lnM", 0.5, 20, "cm/s"},
    {"lnA", 0.1, 5},
};

const Statement distanceStatements[] = {
    {"lnFR", "Uma onda se propaga numa corda com velocidade de {lnM} e período de {lnA}. Que distância ela percorre durante um período, isto é, qual é o seu comprimento de onda, em {?}?"},
    {"lnFR", "Ondas na superfície de um lago se propagam a {lnM}, com período de {lnA}. Qual é a distância entre duas cristas consecutivas, em {?}?"},
    {"lnM", "Numa corda, a distância entre duas cristas consecutivas é {lnFR} e o período da onda é {lnA}. Qual é a velocidade de propagação da onda, em {?}?"},
    {"lnM", "Uma onda percorre {lnFR} durante um período, que é de {lnA}. Qual é a velocidade da onda, em {?}?"},
    {"lnA", "Uma onda que se propaga a {lnM} tem comprimento de onda de {lnFR}. Qual é o seu período, em {?}?"},
    {"lnA", "Ondas do mar se propagam a {lnM}, e a distância entre duas cristas consecutivas é {lnFR}. De quanto em quanto tempo uma crista chega à praia, em {?}?"},
};

const Range taylorRanges[] = {
    {"etv", 10, 500},
    {"etf", 10, 500},
    {"etp", 0.001, 0.05, "g/m g/cm"},
};

const Statement taylorStatements[] = {
    {"etv", "Uma corda de densidade linear {etp} está tracionada por uma força de {etf}. Qual é a velocidade de propagação de um pulso nessa corda, em {?}?"},
    {"etv", "A corda de um violão tem densidade linear {etp} e está submetida a uma tração de {etf}. Com que velocidade as ondas se propagam nela, em {?}?"},
    {"etf", "Numa corda de densidade linear {etp}, as ondas se propagam a {etv}. Qual é a intensidade da força de tração na corda, em {?}?"},
    {"etf", "Para que um pulso percorra uma corda de densidade linear {etp} com velocidade de {etv}, com que força, em {?}, a corda deve ser tracionada?"},
    {"etp", "Uma corda tracionada por uma força de {etf} transmite ondas com velocidade de {etv}. Qual é a densidade linear da corda, em {?}?"},
    {"etp", "Um pulso percorre uma corda de piano a {etv} quando a tração é de {etf}. Qual é a densidade linear dessa corda, em {?}?"},
};

const Range linearDensityRanges[] = {
    {"prP", 0.0005, 0.1, "g/m g/cm"},
    {"prF", 0.001, 0.1, "g"},
    {"prA", 0.3, 5, "cm"},
};

const Statement linearDensityStatements[] = {
    {"prP", "Uma corda de violão tem massa de {prF} e comprimento de {prA}. Qual é a sua densidade linear, em {?}?"},
    {"prP", "Um fio de {prA} de comprimento tem massa de {prF}. Qual é a densidade linear do fio, em {?}?"},
    {"prF", "Uma corda de densidade linear {prP} tem {prA} de comprimento. Qual é a sua massa, em {?}?"},
    {"prF", "Um luthier corta um pedaço de {prA} de um fio de densidade linear {prP}. Qual é a massa desse pedaço, em {?}?"},
    {"prA", "Uma corda de massa {prF} tem densidade linear {prP}. Qual é o seu comprimento, em {?}?"},
    {"prA", "Um rolo de fio de densidade linear {prP} tem massa de {prF}. Quanto fio há no rolo, em {?}?"},
};

const Range stringRanges[] = {
    {"fcF", 20, 2000},
    {"fcN", 1, 6, nullptr, true},
    {"fcV", 50, 500},
    {"fcL", 0.3, 2, "cm"},
};

const Statement stringStatements[] = {
    {"fcF", "Uma corda de {fcL} de comprimento, presa nas duas extremidades, vibra no harmônico de ordem {fcN}. Sendo {fcV} a velocidade das ondas na corda, qual é a frequência de vibração, em {?}?"},
    {"fcF", "A corda de um violão tem {fcL} entre os pontos fixos, e as ondas se propagam nela a {fcV}. Qual é a frequência do harmônico de ordem {fcN}, em {?}?"},
    {"fcN", "Uma corda de {fcL}, presa nas extremidades, vibra com frequência de {fcF}, e as ondas se propagam nela a {fcV}. Em que harmônico ela vibra{?}?"},
    {"fcN", "Num experimento com um vibrador, uma corda de {fcL} entre os pontos fixos forma ondas estacionárias com frequência de {fcF}. Sendo {fcV} a velocidade das ondas na corda, qual é a ordem do harmônico formado{?}?"},
    {"fcV", "Uma corda de {fcL} vibra no harmônico de ordem {fcN} com frequência de {fcF}. Qual é a velocidade das ondas na corda, em {?}?"},
    {"fcV", "A corda de um violoncelo, com {fcL} entre os pontos fixos, emite no harmônico de ordem {fcN} um som de {fcF}. Com que velocidade as ondas se propagam na corda, em {?}?"},
    {"fcL", "Uma corda vibra no harmônico de ordem {fcN} com frequência de {fcF}, e as ondas se propagam nela a {fcV}. Qual é o comprimento da corda, em {?}?"},
    {"fcL", "Um luthier quer que uma corda, na qual as ondas se propagam a {fcV}, emita {fcF} no harmônico de ordem {fcN}. Que comprimento, em {?}, a corda deve ter entre os pontos fixos?"},
};

const TopicProblems topicProblems[] = {
    {"ButtonXPMACCorel71", waveFrequencyRanges, waveFrequencyStatements},
    {"ButtonXPMACCorel72", wavePeriodRanges, wavePeriodStatements},
    {"ButtonXPMACCorel73", frequencyToPeriodRanges, frequencyToPeriodStatements},
    {"ButtonXPMACCorel74", waveSpeedRanges, waveSpeedStatements},
    {"ButtonXPMACCorel75", distanceRanges, distanceStatements},
    {"ButtonXPMACCorel76", taylorRanges, taylorStatements},
    {"ButtonXPMACCorel77", linearDensityRanges, linearDensityStatements},
    {"ButtonXPMACCorel78", stringRanges, stringStatements},
};

}

const std::span<const Problems::TopicProblems> problems = topicProblems;

}
