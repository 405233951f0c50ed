#include "catalogue/AreaProblems.h"

// Waves' exercises: ropes, ripple tanks, the sea, sound, radio and strings. A count asked
// (waves, a harmonic) has no unit, so its question has no "{?}".
//
// The values these situations take: a rope shaken by hand at 0,5 to 5 Hz; a ripple tank's
// vibrator at 5 to 30 Hz, its crests 1 to 5 cm apart; sea waves of period 4 to 15 s,
// 20 to 150 m long, at 3 to 15 m/s; a tuning fork at 256 to 880 Hz; audible sound 20 to
// 20 000 Hz; a bat's ultrasound 20 to 120 kHz; FM radio 88 to 108 MHz, AM 530 to 1 600 kHz;
// guitar strings of 0,4 to 6 g/m at 50 to 120 N over a 63 to 66 cm scale, piano strings
// of 5 to 20 g/m at 600 to 1 000 N, cello strings over 69 cm at 100 to 250 N.
namespace Ondas {

namespace {

using Problems::Statement;
using Problems::TopicProblems;

// ƒ = nº de ondas / Δt: a rope, a ripple tank, a buoy at sea, a tuning fork.
const Statement waveFrequencyStatements[] = {
    {"pP",
     "Um garoto agita a extremidade de uma corda e produz {pT} ondas completas em {pdT}. Qual é a frequência "
     "das ondas, em {?}?",
     {{"pT", 5, 40, nullptr, nullptr, true}, {"pdT", 2, 20, "s"}, {"pP", 0.5, 5}}},
    {"pP",
     "Num tanque de ondas, uma haste vibratória produz {pT} ondas em {pdT}. Qual é a frequência dessas ondas, "
     "em {?}?",
     {{"pT", 50, 600, nullptr, nullptr, true}, {"pdT", 5, 30, "s"}, {"pP", 5, 30}}},
    {"pP",
     "Uma boia ancorada no mar é atingida por {pT} ondas em {pdT}. Qual é a frequência das ondas, em {?}?",
     {{"pT", 5, 60, nullptr, nullptr, true}, {"pdT", 1, 5, "min", "min"}, {"pP", 0.07, 0.5}}},
    {"pT",
     "Um diapasão vibra com frequência de {pP} durante {pdT}. Quantas ondas sonoras completas ele emite nesse "
     "tempo?",
     {{"pP", 256, 880, "Hz", "kHz"}, {"pdT", 1, 10, "s"},
      {.field = "pT", .low = 250, .high = 9000, .whole = true, .completed = true}}},
    {"pT",
     "Num tanque de ondas, uma haste oscila com frequência de {pP} durante {pdT}. Quantas ondas completas ela "
     "produz nesse intervalo?",
     {{"pP", 5, 30}, {"pdT", 5, 60, "s", "min"}, {.field = "pT", .low = 20, .high = 1800, .whole = true, .completed = true}}},
    {"pT",
     "As ondas do mar chegam a um píer com frequência de {pP}. Quantas ondas completas chegam ao píer em {pdT}?",
     {{"pP", 0.07, 0.25}, {"pdT", 5, 30, "min", "min"},
      {.field = "pT", .low = 20, .high = 450, .whole = true, .completed = true}}},
    {"pdT",
     "Um garoto agita uma corda com frequência de {pP}. Quanto tempo ele leva para produzir {pT} ondas "
     "completas, em {?}?",
     {{"pP", 0.5, 4}, {"pT", 5, 40, nullptr, nullptr, true}, {"pdT", 2, 60, "s"}}},
    {"pdT",
     "Um diapasão vibra com frequência de {pP}. Quanto tempo ele leva para emitir {pT} ondas sonoras "
     "completas, em {?}?",
     {{"pP", 256, 880, "Hz", "kHz"}, {"pT", 1000, 10000, nullptr, nullptr, true}, {"pdT", 1, 40, "s"}}},
    {"pdT",
     "Num tanque de ondas, uma haste vibra com frequência de {pP}. Quanto tempo ela leva para produzir {pT} "
     "ondas completas, em {?}?",
     {{"pP", 5, 30}, {"pT", 50, 1000, nullptr, nullptr, true}, {"pdT", 2, 200, "s", "min"}}},
};

// T = Δt / nº de ondas: a buoy at sea, a ripple tank, a rope, a tuning fork.
const Statement wavePeriodStatements[] = {
    {"aeA",
     "Uma boia sobe e desce {aeDT} vezes em {aeDS} com a passagem das ondas do mar. Qual é o período das "
     "ondas, em {?}?",
     {{"aeDT", 5, 30, nullptr, nullptr, true}, {"aeDS", 30, 300, "s", "min"}, {"aeA", 2, 15, "s"}}},
    {"aeA",
     "Num tanque de ondas, uma haste vibratória produz {aeDT} ondas completas em {aeDS}. Qual é o período "
     "dessas ondas, em {?}?",
     {{"aeDT", 20, 300, nullptr, nullptr, true}, {"aeDS", 2, 20, "s"}, {"aeA", 0.033, 0.2, "s", "ms"}}},
    {"aeA",
     "Uma menina agita a ponta de uma corda e produz {aeDT} ondas completas em {aeDS}. Qual é o período das "
     "ondas, em {?}?",
     {{"aeDT", 5, 30, nullptr, nullptr, true}, {"aeDS", 3, 30, "s"}, {"aeA", 0.3, 3, "s", "ms"}}},
    {"aeDS",
     "Ondas de período {aeA} são produzidas numa corda. Quanto tempo a fonte leva para produzir {aeDT} ondas "
     "completas, em {?}?",
     {{"aeA", 0.3, 2, "s", "ms"}, {"aeDT", 5, 30, nullptr, nullptr, true}, {"aeDS", 2, 60, "s"}}},
    {"aeDS",
     "Num tanque de ondas, um vibrador produz ondas de período {aeA}. Em quanto tempo ele gera {aeDT} ondas "
     "completas, em {?}?",
     {{"aeA", 0.03, 0.2, "s", "ms"}, {"aeDT", 50, 500, nullptr, nullptr, true}, {"aeDS", 2, 100, "s"}}},
    {"aeDS",
     "As ondas do mar chegam à praia com período de {aeA}. Quanto tempo passa até que cheguem {aeDT} ondas, "
     "em {?}?",
     {{"aeA", 4, 15, "s"}, {"aeDT", 10, 100, nullptr, nullptr, true}, {"aeDS", 40, 1500, "s", "min"}}},
    {"aeDT",
     "As ondas do mar chegam a um píer com período de {aeA}. Quantas ondas completas chegam ao píer em {aeDS}?",
     {{"aeA", 4, 15, "s"}, {"aeDS", 5, 30, "min", "min"},
      {.field = "aeDT", .low = 20, .high = 450, .whole = true, .completed = true}}},
    {"aeDT",
     "O som de um diapasão tem período de {aeA}. Quantas ondas sonoras completas o diapasão emite em {aeDS}?",
     {{"aeA", 0.0011, 0.0039, "s", "ms"}, {"aeDS", 1, 10, "s"},
      {.field = "aeDT", .low = 250, .high = 9000, .whole = true, .completed = true}}},
    {"aeDT",
     "Num tanque de ondas, uma haste vibra com período de {aeA}. Quantas ondas completas ela produz em {aeDS}?",
     {{"aeA", 0.04, 0.2, "s", "ms"}, {"aeDS", 10, 60, "s"},
      {.field = "aeDT", .low = 50, .high = 1500, .whole = true, .completed = true}}},
};

// f = 1 / T: a tuning fork, an AM station (530 to 1 600 kHz), sea waves, a loudspeaker's
// audible sound, an FM station (88 to 108 MHz, a period of about 10⁻⁸ s).
const Statement frequencyToPeriodStatements[] = {
    {"vlf", "Um diapasão vibra com frequência de {vlV}. Qual é o período da sua vibração, em {?}?",
     {{"vlV", 256, 880, "Hz", "kHz"}, {"vlf", 0.0011, 0.004, "s", "ms"}}},
    {"vlf",
     "Uma emissora de rádio AM transmite na frequência de {vlV}. Qual é o período das ondas que ela emite, "
     "em {?}?",
     {{"vlV", 530, 1600, "kHz", "kHz"}, {"vlf", 6e-7, 1.9e-6, "s", "µs"}}},
    {"vlf",
     "As ondas do mar que chegam a uma praia têm frequência de {vlV}. De quanto em quanto tempo chega uma "
     "onda, isto é, qual é o período, em {?}?",
     {{"vlV", 0.07, 0.25}, {"vlf", 4, 14, "s"}}},
    {"vlV",
     "A membrana de um alto-falante completa uma oscilação a cada {vlf}. Com que frequência ela vibra, em {?}?",
     {{"vlf", 0.05, 25, "ms", "ms"}, {"vlV", 40, 20000, "Hz", "kHz"}}},
    {"vlV",
     "As ondas de uma emissora de rádio FM têm período de {vlf}. Em que frequência a emissora transmite, em "
     "{?}?",
     {{"vlf", 9.3e-9, 1.13e-8, "s"}, {"vlV", 88, 108, "MHz", "MHz"}}},
    {"vlV",
     "Uma boia ancorada no mar sobe e desce com a passagem das ondas, completando uma oscilação a cada {vlf}. "
     "Qual é a frequência das ondas, em {?}?",
     {{"vlf", 2, 15, "s"}, {"vlV", 0.067, 0.5}}},
};

// V = λ·ƒ: a rope, a ripple tank, sound in an unknown gas, a tuning fork heard in air,
// water or steel, radio (light's 3 · 10⁸ m/s as a range of one value: the table's prints
// all nine digits of 300 000 000), a bat's ultrasound, sea waves.
const Statement waveSpeedStatements[] = {
    {"lnFR",
     "Um estudante agita a ponta de uma corda com frequência de {lnA} e produz ondas de comprimento {lnM}. "
     "Com que velocidade as ondas se propagam na corda, em {?}?",
     {{"lnA", 1, 5}, {"lnM", 0.5, 3, "m", "cm"}, {"lnFR", 0.5, 15}}},
    {"lnFR",
     "Num tanque de ondas, uma haste vibra com frequência de {lnA} e produz ondas de comprimento {lnM}. Qual é "
     "a velocidade de propagação das ondas, em {?}?",
     {{"lnA", 5, 30}, {"lnM", 1, 5, "cm", "cm mm"}, {"lnFR", 0.05, 1.5, "m/s", "cm/s"}}},
    {"lnFR",
     "Um alto-falante emite um som de frequência {lnA} cujo comprimento de onda, num gás desconhecido, é "
     "{lnM}. Com que velocidade o som se propaga nesse gás, em {?}?",
     {{"lnA", 200, 2000, "Hz", "kHz"}, {"lnM", 0.1, 3, "m", "cm"}, {"lnFR", 200, 1300}}},
    {"lnM",
     "O som de um diapasão de {lnA} se propaga {lnFR:em} a {lnFR}. Qual é o comprimento de onda desse som, "
     "em {?}?",
     {{"lnA", 256, 880, "Hz", "kHz"}, {.field = "lnFR", .table = &Materials::soundSpeed}, {"lnM", 0.3, 20, "m", "cm"}}},
    {"lnM",
     "Uma emissora de rádio FM transmite em {lnA}, e as suas ondas se propagam no ar a {lnFR}. Qual é o "
     "comprimento dessas ondas, em {?}?",
     {{"lnA", 88, 108, "MHz", "MHz"}, {"lnFR", 3e8, 3e8}, {"lnM", 2.7, 3.5, "m", "cm"}}},
    {"lnM",
     "Um morcego emite ultrassons de frequência {lnA}, que se propagam no ar a {lnFR}. Qual é o comprimento "
     "de onda desses ultrassons, em {?}?",
     {{"lnA", 20, 120, "kHz", "kHz"}, {.field = "lnFR", .table = &Materials::soundInAir},
      {"lnM", 0.0028, 0.017, "m", "mm cm"}}},
    {"lnA",
     "Um som audível se propaga no ar a {lnFR} com comprimento de onda de {lnM}. Qual é a sua frequência, em "
     "{?}?",
     {{.field = "lnFR", .table = &Materials::soundInAir}, {"lnM", 0.017, 17, "m", "cm"}, {"lnA", 20, 20000, "Hz", "kHz"}}},
    {"lnA",
     "Uma emissora de rádio AM emite ondas de {lnM} de comprimento, que se propagam no ar a {lnFR}. Em que "
     "frequência ela transmite, em {?}?",
     {{"lnM", 188, 566, "m", "km"}, {"lnFR", 3e8, 3e8}, {"lnA", 530, 1600, "kHz", "kHz"}}},
    {"lnA",
     "Ondas do mar de {lnM} de comprimento se propagam a {lnFR} em direção à praia. Qual é a sua frequência, "
     "em {?}?",
     {{"lnM", 30, 150, "m"}, {"lnFR", 5, 15, "m/s", "km/h"}, {"lnA", 0.05, 0.3}}},
};

// x = v·T, the distance a wave runs in one period, its wavelength: a rope, a lake, a
// ripple tank, the sea, sound in air.
const Statement distanceStatements[] = {
    {"lnFR",
     "Uma onda se propaga numa corda com velocidade de {lnM} e período de {lnA}. Que distância ela percorre "
     "durante um período, isto é, qual é o seu comprimento de onda, em {?}?",
     {{"lnM", 1, 10}, {"lnA", 0.2, 2, "s", "ms"}, {"lnFR", 0.2, 15, "m", "cm"}}},
    {"lnFR",
     "Ondas na superfície de um lago se propagam a {lnM}, com período de {lnA}. Qual é a distância entre duas "
     "cristas consecutivas, em {?}?",
     {{"lnM", 0.2, 2, "m/s", "cm/s"}, {"lnA", 0.5, 3, "s"}, {"lnFR", 0.1, 6, "m", "cm"}}},
    {"lnFR",
     "O som de um diapasão, de período {lnA}, se propaga no ar a {lnM}. Que distância o som percorre durante "
     "um período, em {?}?",
     {{"lnA", 0.0011, 0.0039, "s", "ms"}, {.field = "lnM", .table = &Materials::soundInAir}, {"lnFR", 0.37, 1.35, "m", "cm"}}},
    {"lnM",
     "Numa corda, a distância entre duas cristas consecutivas é {lnFR} e o período da onda é {lnA}. Qual é a "
     "velocidade de propagação da onda, em {?}?",
     {{"lnFR", 0.5, 4, "m", "cm"}, {"lnA", 0.2, 2, "s"}, {"lnM", 0.5, 15}}},
    {"lnM",
     "Num tanque de ondas, as cristas estão a {lnFR} umas das outras e passam por um ponto com período de "
     "{lnA}. Qual é a velocidade das ondas, em {?}?",
     {{"lnFR", 1, 5, "cm", "cm mm"}, {"lnA", 0.04, 0.2, "s", "ms"}, {"lnM", 0.05, 1.2, "m/s", "cm/s"}}},
    {"lnM",
     "No mar, a distância entre duas cristas consecutivas é {lnFR}, e uma crista chega à praia a cada {lnA}. "
     "Com que velocidade as ondas se propagam, em {?}?",
     {{"lnFR", 20, 150, "m"}, {"lnA", 5, 15, "s"}, {"lnM", 2, 15, "m/s", "km/h"}}},
    {"lnA",
     "Uma onda que se propaga numa corda a {lnM} tem comprimento de onda de {lnFR}. Qual é o seu período, "
     "em {?}?",
     {{"lnM", 1, 10}, {"lnFR", 0.5, 5, "m", "cm"}, {"lnA", 0.2, 3, "s", "ms"}}},
    {"lnA",
     "Ondas do mar se propagam a {lnM}, e a distância entre duas cristas consecutivas é {lnFR}. De quanto em "
     "quanto tempo uma crista chega à praia, em {?}?",
     {{"lnM", 3, 15, "m/s", "km/h"}, {"lnFR", 20, 150, "m"}, {"lnA", 4, 15, "s"}}},
    {"lnA",
     "Um som se propaga no ar a {lnM} com comprimento de onda de {lnFR}. Qual é o período desse som, em {?}?",
     {{.field = "lnM", .table = &Materials::soundInAir}, {"lnFR", 0.017, 17, "m", "cm"}, {"lnA", 5e-5, 0.05, "s", "ms"}}},
};

// v = √(F / p): guitar, piano and cello strings and a rope in the laboratory (50 to 500
// g/m at 5 to 100 N).
const Statement taylorStatements[] = {
    {"etv",
     "A corda de um violão tem densidade linear {etp} e está submetida a uma tração de {etf}. Com que "
     "velocidade as ondas se propagam nela, em {?}?",
     {{"etp", 0.4, 6, "g/m", "g/m"}, {"etf", 50, 120}, {"etv", 90, 550}}},
    {"etv",
     "Num laboratório, uma corda de densidade linear {etp} é tracionada por uma força de {etf}. Qual é a "
     "velocidade de propagação de um pulso nessa corda, em {?}?",
     {{"etp", 0.05, 0.5, "kg/m", "g/m"}, {"etf", 5, 100}, {"etv", 3, 40}}},
    {"etv",
     "Uma corda de piano tem densidade linear {etp} e está tracionada por uma força de {etf}. Com que "
     "velocidade as ondas se propagam nela, em {?}?",
     {{"etp", 5, 20, "g/m", "g/m"}, {"etf", 600, 1000}, {"etv", 170, 450}}},
    {"etf",
     "Na corda de um violão, de densidade linear {etp}, as ondas se propagam a {etv}. Qual é a intensidade da "
     "força de tração na corda, em {?}?",
     {{"etp", 0.4, 6, "g/m", "g/m"}, {"etv", 100, 450}, {"etf", 40, 150}}},
    {"etf",
     "Para que um pulso percorra uma corda de densidade linear {etp} com velocidade de {etv}, com que força a "
     "corda deve ser tracionada, em {?}?",
     {{"etp", 0.1, 0.5, "kg/m", "g/m"}, {"etv", 5, 20}, {"etf", 3, 200}}},
    {"etf",
     "Na corda de um violoncelo, de densidade linear {etp}, as ondas se propagam a {etv}. Qual é a tração na "
     "corda, em {?}?",
     {{"etp", 1.5, 20, "g/m", "g/m"}, {"etv", 90, 320}, {"etf", 100, 250}}},
    {"etp",
     "Uma corda tracionada por uma força de {etf} transmite pulsos com velocidade de {etv}. Qual é a densidade "
     "linear da corda, em {?}?",
     {{"etf", 10, 100}, {"etv", 5, 30}, {"etp", 0.05, 1, "kg/m", "g/m"}}},
    {"etp",
     "Um pulso percorre uma corda de piano a {etv} quando a tração é de {etf}. Qual é a densidade linear dessa "
     "corda, em {?}?",
     {{"etv", 200, 450}, {"etf", 600, 1000}, {"etp", 0.003, 0.025, "kg/m", "g/m"}}},
    {"etp",
     "A corda de um violão, tracionada por uma força de {etf}, transmite ondas a {etv}. Qual é a densidade "
     "linear da corda, em {?}?",
     {{"etf", 50, 120}, {"etv", 100, 450}, {"etp", 0.0003, 0.007, "kg/m", "g/m"}}},
};

// p = m / L: a guitar string (about 1 m of wire, 0,5 to 6 g), a laboratory rope, a kite
// line (0,1 to 0,4 g/m), a piece of wire a luthier cuts, a spool of wire.
const Statement linearDensityStatements[] = {
    {"prP",
     "Uma corda de violão tem massa de {prF} e comprimento de {prA}. Qual é a sua densidade linear, em {?}?",
     {{"prF", 0.5, 6, "g", "g"}, {"prA", 0.8, 1, "m", "cm"}, {"prP", 0.0005, 0.008, "kg/m", "g/m"}}},
    {"prP",
     "Uma corda usada num laboratório tem {prA} de comprimento e massa de {prF}. Qual é a densidade linear da "
     "corda, em {?}?",
     {{"prA", 1, 5, "m", "cm"}, {"prF", 50, 500, "g", "g"}, {"prP", 0.01, 0.5, "kg/m", "g/m"}}},
    {"prP",
     "Um carretel tem {prA} de linha de pipa, cuja massa é {prF}. Qual é a densidade linear da linha, em {?}?",
     {{"prA", 50, 300, "m"}, {"prF", 5, 40, "g", "g"}, {"prP", 0.0001, 0.0004, "kg/m", "g/m"}}},
    {"prF",
     "Uma corda de violão de densidade linear {prP} tem {prA} de comprimento. Qual é a sua massa, em {?}?",
     {{"prP", 0.4, 6, "g/m", "g/m"}, {"prA", 0.8, 1, "m", "cm"}, {"prF", 0.0003, 0.006, "kg", "g"}}},
    {"prF",
     "Um luthier corta um pedaço de {prA} de um fio de densidade linear {prP}. Qual é a massa desse pedaço, "
     "em {?}?",
     {{"prA", 20, 150, "cm", "cm"}, {"prP", 1, 20, "g/m", "g/m"}, {"prF", 0.0002, 0.03, "kg", "g"}}},
    {"prF",
     "Uma corda de densidade linear {prP} tem {prA} de comprimento. Qual é a massa da corda, em {?}?",
     {{"prP", 0.1, 0.6, "kg/m", "g/m"}, {"prA", 2, 20, "m"}, {"prF", 0.2, 12, "kg", "g"}}},
    {"prA",
     "Uma corda de massa {prF} tem densidade linear {prP}. Qual é o seu comprimento, em {?}?",
     {{"prF", 1, 10, "g", "g"}, {"prP", 2, 10, "g/m", "g/m"}, {"prA", 0.5, 2, "m", "cm"}}},
    {"prA",
     "Um rolo de fio de densidade linear {prP} tem massa de {prF}. Quanto fio há no rolo, em {?}?",
     {{"prP", 1, 20, "g/m", "g/m"}, {"prF", 0.1, 2, "kg", "g"}, {"prA", 10, 1000, "m", "km"}}},
    {"prA",
     "Uma corda de {prF} tem densidade linear {prP}. Qual é o comprimento da corda, em {?}?",
     {{"prF", 0.5, 5, "kg", "g"}, {"prP", 0.1, 0.5, "kg/m", "g/m"}, {"prA", 2, 30, "m"}}},
};

// ƒ = n·v / (2·L): a guitar's 63 to 66 cm, a cello's 69 cm, a piano's 0,3 to 1,5 m, a
// harp's strings, and a string driven by a vibrator in the laboratory (Melde's experiment,
// 0,5 to 2 m at 10 to 50 m/s).
const Statement stringStatements[] = {
    {"fcF",
     "A corda de um violão tem {fcL} entre os pontos fixos, e as ondas se propagam nela a {fcV}. Qual é a "
     "frequência do harmônico de ordem {fcN}, em {?}?",
     {{"fcL", 0.63, 0.66, "m", "cm"}, {"fcV", 100, 450}, {"fcN", 1, 4, nullptr, nullptr, true}, {"fcF", 80, 1400}}},
    {"fcF",
     "Num experimento, uma corda de {fcL}, presa nas duas extremidades, vibra no harmônico de ordem {fcN}. "
     "Sendo {fcV} a velocidade das ondas na corda, qual é a frequência de vibração, em {?}?",
     {{"fcL", 0.5, 2, "m", "cm"}, {"fcN", 1, 6, nullptr, nullptr, true}, {"fcV", 10, 50}, {"fcF", 5, 200}}},
    {"fcF",
     "Uma corda de piano tem {fcL} de comprimento vibrante, e as ondas se propagam nela a {fcV}. Qual é a "
     "frequência do harmônico de ordem {fcN}, em {?}?",
     {{"fcL", 0.3, 1.5, "m", "cm"}, {"fcV", 200, 450}, {"fcN", 1, 3, nullptr, nullptr, true}, {"fcF", 60, 2000}}},
    {"fcN",
     "Num experimento com um vibrador, uma corda de {fcL} entre os pontos fixos forma ondas estacionárias com "
     "frequência de {fcF}. Sendo {fcV} a velocidade das ondas na corda, qual é a ordem do harmônico formado?",
     {{"fcL", 1, 2, "m", "cm"}, {"fcF", 5, 150}, {"fcV", 10, 40}, {.field = "fcN", .low = 1, .high = 8, .whole = true}}},
    {"fcN",
     "A corda de um violão, com {fcL} entre os pontos fixos, vibra com frequência de {fcF}, e as ondas se "
     "propagam nela a {fcV}. Em que harmônico ela vibra?",
     {{"fcL", 0.63, 0.66, "m", "cm"}, {"fcF", 150, 2000}, {"fcV", 200, 420}, {.field = "fcN", .low = 1, .high = 6, .whole = true}}},
    {"fcN",
     "A corda de um violoncelo, com {fcL} entre os pontos fixos, emite um som de {fcF}, e as ondas se propagam "
     "nela a {fcV}. Qual é a ordem do harmônico emitido?",
     {{"fcL", 0.68, 0.7, "m", "cm"}, {"fcF", 65, 1500}, {"fcV", 90, 320}, {.field = "fcN", .low = 1, .high = 5, .whole = true}}},
    {"fcV",
     "A corda de um violão, com {fcL} entre os pontos fixos, vibra no harmônico de ordem {fcN} com frequência "
     "de {fcF}. Qual é a velocidade das ondas na corda, em {?}?",
     {{"fcL", 0.63, 0.66, "m", "cm"}, {"fcN", 1, 3, nullptr, nullptr, true}, {"fcF", 80, 1000}, {"fcV", 100, 450}}},
    {"fcV",
     "A corda de um violoncelo, com {fcL} entre os pontos fixos, emite no harmônico de ordem {fcN} um som de "
     "{fcF}. Com que velocidade as ondas se propagam na corda, em {?}?",
     {{"fcL", 0.68, 0.7, "m", "cm"}, {"fcN", 1, 3, nullptr, nullptr, true}, {"fcF", 65, 900}, {"fcV", 90, 350}}},
    {"fcV",
     "Num laboratório, uma corda de {fcL} presa nas extremidades vibra no harmônico de ordem {fcN} com "
     "frequência de {fcF}. Qual é a velocidade das ondas na corda, em {?}?",
     {{"fcL", 0.5, 2, "m", "cm"}, {"fcN", 1, 6, nullptr, nullptr, true}, {"fcF", 10, 120}, {"fcV", 5, 60}}},
    {"fcL",
     "Um luthier quer que uma corda, na qual as ondas se propagam a {fcV}, emita {fcF} no harmônico de ordem "
     "{fcN}. Que comprimento a corda deve ter entre os pontos fixos, em {?}?",
     {{"fcV", 150, 400}, {"fcF", 100, 450}, {"fcN", 1, 2, nullptr, nullptr, true}, {"fcL", 0.3, 1.2, "m", "cm"}}},
    {"fcL",
     "Num experimento, uma corda vibra no harmônico de ordem {fcN} com frequência de {fcF}, e as ondas se "
     "propagam nela a {fcV}. Qual é o comprimento da corda entre os pontos fixos, em {?}?",
     {{"fcN", 2, 6, nullptr, nullptr, true}, {"fcF", 20, 100}, {"fcV", 10, 40}, {"fcL", 0.3, 3, "m", "cm"}}},
    {"fcL",
     "Uma corda de harpa emite o seu som fundamental, o harmônico de ordem {fcN}, com frequência de {fcF}. "
     "Sendo {fcV} a velocidade das ondas na corda, qual é o seu comprimento vibrante, em {?}?",
     {{"fcN", 1, 1, nullptr, nullptr, true}, {"fcF", 100, 1000}, {"fcV", 100, 400}, {"fcL", 0.1, 1.5, "m", "cm"}}},
};

const TopicProblems topicProblems[] = {
    {"ButtonXPMACCorel71", waveFrequencyStatements},
    {"ButtonXPMACCorel72", wavePeriodStatements},
    {"ButtonXPMACCorel73", frequencyToPeriodStatements},
    {"ButtonXPMACCorel74", waveSpeedStatements},
    {"ButtonXPMACCorel75", distanceStatements},
    {"ButtonXPMACCorel76", taylorStatements},
    {"ButtonXPMACCorel77", linearDensityStatements},
    {"ButtonXPMACCorel78", stringStatements},
};

}

const std::span<const Problems::TopicProblems> problems = topicProblems;

}
