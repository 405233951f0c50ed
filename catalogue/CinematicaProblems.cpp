#include "catalogue/AreaProblems.h"

// The kinematics exercises: the values each row takes on a road, a track or a playground,
// and how a book asks each of them.
namespace Cinematica {

namespace {

using Problems::Range;
using Problems::Statement;

// S = S₀ + V·t on a bike path, a highway and a running track: the path's marks in
// metres or kilometres, a cyclist at 10 to 30 km/h, a bus at 40 to 100 km/h, a runner at
// 2 to 6 m/s.
const Statement uniformMotionStatements[] = {
    {"eSS",
     "Um ciclista passa pelo marco {eSSo} de uma ciclovia reta e pedala com velocidade constante de {eV} "
     "durante {eST}. Em que posição da ciclovia ele está ao fim desse tempo, em {?}?",
     {{"eSSo", 100, 3000, "m", "km"}, {"eV", 10, 30, "km/h", "km/h"}, {"eST", 5, 60, "min", "min"},
      {"eSS", 500, 30000, "m", "km"}}},
    {"eSS",
     "Um ônibus passa pela posição {eSSo} de uma rodovia reta e segue com velocidade constante de "
     "{eV} durante {eST}. Em que posição da rodovia ele está ao fim desse tempo, em {?}?",
     {{"eSSo", 10, 300, "km", "km"}, {"eV", 40, 100, "km/h", "km/h"}, {"eST", 10, 120, "min", "min h"},
      {"eSS", 15, 500, "km", "km"}}},
    {"eSS",
     "Numa pista reta, uma corredora passa pela marca {eSSo} e mantém a velocidade constante de {eV} durante "
     "{eST}. Em que marca da pista ela está ao fim desse tempo, em {?}?",
     {{"eSSo", 0, 100, "m"}, {"eV", 2, 6, "m/s", "km/h"}, {"eST", 5, 60, "s"}, {"eSS", 10, 400, "m"}}},
};

const Range meanVelocityRanges[] = {
    {"eVm", 0.5, 100, "km/h"},
    {"eDS", 50, 500000, "km"},
    {"eDT", 10, 36000, "min h"},
};
const Statement meanVelocityStatements[] = {
    {"eVm", "Um carro percorre {eDS} em {eDT}. Qual é a sua velocidade média, em {?}?"},
    {"eDS", "Um caminhão mantém velocidade média de {eVm} durante {eDT} de viagem. Que distância ele percorre "
            "nesse tempo, em {?}?"},
    {"eDT", "Um maratonista percorre {eDS} com velocidade média de {eVm}. Quanto tempo dura o percurso, em {?}?"},
};

const Range meanAccelerationRanges[] = {
    {"aeA", 0.5, 10},
    {"aeDS", 2, 60, "km/h"},
    {"aeDT", 1, 120, "min"},
};
const Statement meanAccelerationStatements[] = {
    {"aeA", "Um carro parte do repouso e atinge {aeDS} em {aeDT}. Qual é a sua aceleração escalar média, em {?}?"},
    {"aeDS", "Um trem acelera com aceleração escalar média de {aeA} durante {aeDT}. De quanto varia a sua "
             "velocidade, em {?}?"},
    {"aeDT", "Uma moto aumenta a sua velocidade em {aeDS}, com aceleração escalar média de {aeA}. Quanto tempo "
             "dura essa aceleração, em {?}?"},
};

const Range acceleratedVelocityRanges[] = {
    {"muvV", 1, 60, "km/h"},
    {"muvVo", 0, 40, "km/h"},
    {"muvA", 0.5, 8},
    {"muvT", 1, 60},
};
const Statement acceleratedVelocityStatements[] = {
    {"muvV", "Um carro que trafega a {muvVo} acelera uniformemente a {muvA} durante {muvT}. Qual é a sua velocidade "
             "ao fim desse tempo, em {?}?"},
    {"muvVo", "Depois de acelerar uniformemente a {muvA} durante {muvT}, uma moto atinge {muvV}. Qual era a sua "
              "velocidade no início, em {?}?"},
    {"muvA", "Um ônibus passa de {muvVo} para {muvV} em {muvT}, com aceleração constante. Qual é essa aceleração, "
             "em {?}?"},
    {"muvT", "Um avião taxia a {muvVo} e acelera uniformemente a {muvA} até atingir {muvV}. Quanto tempo dura a "
             "aceleração, em {?}?"},
};

const Range torricelliRanges[] = {
    {"tcV", 1, 80, "km/h"},
    {"tcVo", 0, 50, "km/h"},
    {"tcA", 0.5, 10},
    {"tcDS", 100, 2000, "km"},
};
const Statement torricelliStatements[] = {
    {"tcV", "Um carro a {tcVo} acelera uniformemente a {tcA} ao longo de {tcDS}. Com que velocidade ele termina "
            "esse trecho, em {?}?"},
    {"tcVo", "Uma moto acelera uniformemente a {tcA} por {tcDS} e atinge {tcV}. Qual era a sua velocidade no início "
             "do trecho, em {?}?"},
    {"tcA", "Um trem passa de {tcVo} para {tcV} ao longo de {tcDS} de trilho, com aceleração constante. Qual é essa "
            "aceleração, em {?}?"},
    {"tcDS", "Um avião está a {tcVo} no início da pista e acelera uniformemente a {tcA} até atingir {tcV}, a "
             "velocidade de decolagem. Que distância de pista ele percorre, em {?}?"},
};

const Range circularVelocityRanges[] = {
    {"lnFR", 0.5, 100, "km/h"},
    {"lnM", 0.5, 50},
    {"lnA", 0.05, 20, "cm"},
};
const Statement circularVelocityStatements[] = {
    {"lnFR", "Uma roda de {lnA} de raio gira com velocidade angular de {lnM}. Qual é a velocidade linear de um ponto "
             "da sua borda, em {?}?"},
    {"lnM", "Um ponto da borda de um disco de {lnA} de raio move-se a {lnFR}. Qual é a velocidade angular do disco, "
            "em {?}?"},
    {"lnA", "A ponta da pá de um ventilador gira com velocidade angular de {lnM} e velocidade linear de {lnFR}. Qual "
            "é o raio do movimento da ponta, em {?}?"},
};

const Range frequencyRanges[] = {
    {"pP", 0.1, 100},
    {"pT", 2, 500, nullptr, true},
    {"pdT", 1, 600, "min"},
};
const Statement frequencyStatements[] = {
    {"pP", "As pás de um ventilador dão {pT} voltas em {pdT}. Qual é a frequência do movimento, em {?}?"},
    {"pT", "A roda de uma bicicleta gira com frequência de {pP} durante {pdT}. Quantas voltas completas ela dá?"},
    {"pdT", "Um carrossel gira com frequência de {pP}. Quanto tempo ele leva para dar {pT} voltas, em {?}?"},
};

const Range periodRanges[] = {
    {"aeA", 0.2, 600, "min"},
    {"aeDS", 1, 3600, "min h"},
    {"aeDT", 2, 1000, nullptr, true},
};
const Statement periodStatements[] = {
    {"aeA", "Um pêndulo completa {aeDT} oscilações em {aeDS}. Qual é o seu período, em {?}?"},
    {"aeDS", "Uma roda-gigante dá uma volta completa a cada {aeA}. Quanto tempo ela leva para dar {aeDT} voltas, "
             "em {?}?"},
    {"aeDT", "Um pêndulo oscila com período de {aeA}. Quantas oscilações completas ele faz em {aeDS}?"},
};

const Range frequencyToPeriodRanges[] = {
    {"vlV", 0.01, 1000, "rpm kHz"},
    {"vlf", 0.001, 100, "min ms"},
};
const Statement frequencyToPeriodStatements[] = {
    {"vlV", "Um pêndulo leva {vlf} para completar uma oscilação. Qual é a frequência dessa oscilação, em {?}?"},
    {"vlf", "O motor de um liquidificador gira com frequência de {vlV}. Qual é o período desse movimento, em {?}?"},
};

const Range angularVelocityRanges[] = {
    {"vaw", 0.1, 400, "rpm"},
    {"vaf", 0.05, 60, "rpm"},
};
const Statement angularVelocityStatements[] = {
    {"vaw", "Um disco de vinil gira com frequência de {vaf}. Qual é a sua velocidade angular, em {?}?"},
    {"vaf", "A roda de uma bicicleta gira com velocidade angular de {vaw}. Qual é a frequência dessa roda, em {?}?"},
};

const Range centripetalRanges[] = {
    {"acac", 0.1, 50},
    {"acv", 1, 60, "km/h"},
    {"acr", 5, 1000, "km"},
};
const Statement centripetalStatements[] = {
    {"acac", "Um carro faz uma curva de {acr} de raio a {acv}. Qual é a sua aceleração centrípeta, em {?}?"},
    {"acv", "Um ciclista percorre uma pista circular de {acr} de raio com aceleração centrípeta de {acac}. Qual é a "
            "sua velocidade, em {?}?"},
    {"acr", "Um trem a {acv} faz uma curva com aceleração centrípeta de {acac}. Qual é o raio da curva, em {?}?"},
};

const Range maximumHeightRanges[] = {
    {"amh", 0.2, 500, "cm"},
    {"amv", 1, 80, "km/h"},
    {"amg", 1.6, 25},
};
const Statement maximumHeightStatements[] = {
    {"amh", "Uma bola é lançada verticalmente para cima com {amv}, num lugar onde a gravidade vale {amg}. Que altura "
            "máxima ela atinge, em {?}?"},
    {"amv", "Uma pedra lançada verticalmente para cima sobe até {amh} de altura, num lugar onde g = {amg}. Com que "
            "velocidade ela foi lançada, em {?}?"},
    {"amg", "Num planeta distante, uma astronauta lança uma ferramenta verticalmente para cima com {amv}, e ela sobe "
            "até {amh}. Qual é a aceleração da gravidade nesse planeta, em {?}?"},
};

const Range timeToTopRanges[] = {
    {"tamt", 0.1, 20},
    {"tamv", 1, 80, "km/h"},
    {"tamg", 1.6, 25},
};
const Statement timeToTopStatements[] = {
    {"tamt", "Um jogador chuta uma bola verticalmente para cima com {tamv}, num lugar onde g = {tamg}. Quanto tempo "
             "ela leva para atingir a altura máxima, em {?}?"},
    {"tamv", "Uma bola lançada verticalmente para cima leva {tamt} para chegar ao ponto mais alto, num lugar onde "
             "g = {tamg}. Com que velocidade ela foi lançada, em {?}?"},
    {"tamg", "Num planeta desconhecido, uma pedra lançada verticalmente para cima com {tamv} leva {tamt} para "
             "atingir a altura máxima. Qual é a aceleração da gravidade ali, em {?}?"},
};

const Problems::TopicProblems table[] = {
    {"ButtonXPMACCorel1", {}, uniformMotionStatements},
    {"ButtonXPMACCorel6", meanVelocityRanges, meanVelocityStatements},
    {"ButtonXPMACCorel7", meanAccelerationRanges, meanAccelerationStatements},
    {"ButtonXPMACCorel8", acceleratedVelocityRanges, acceleratedVelocityStatements},
    {"ButtonXPMACCorel9", torricelliRanges, torricelliStatements},
    {"ButtonXPMACCorel10", circularVelocityRanges, circularVelocityStatements},
    {"ButtonXPMACCorel28", frequencyRanges, frequencyStatements},
    {"ButtonXPMACCorel29", periodRanges, periodStatements},
    {"ButtonXPMACCorel93", frequencyToPeriodRanges, frequencyToPeriodStatements},
    {"ButtonXPMACCorel30", angularVelocityRanges, angularVelocityStatements},
    {"ButtonXPMACCorel31", centripetalRanges, centripetalStatements},
    {"ButtonXPMACCorel95", maximumHeightRanges, maximumHeightStatements},
    {"ButtonXPMACCorel94", timeToTopRanges, timeToTopStatements},
};

}

const std::span<const Problems::TopicProblems> problems = table;

}
