#include "catalogue/AreaProblems.h"

// The kinematics exercises: the values each row takes on a road, a track or a playground,
// and how a book asks each of them.
//
// The everyday values these situations take: a cyclist at 10 to 30 km/h, a bus or a car
// at 40 to 110 km/h, a runner at 2 to 8 m/s, an airliner taking off at 220 to 300 km/h
// and cruising at 500 to 900 km/h; a car brakes at 3 to 8 m/s² on dry asphalt; a
// carousel turns once in 5 to 20 s, a Ferris wheel once in 1 to 30 min, a ceiling fan at
// 100 to 400 rpm, a car wheel at some hundreds of rpm, a washing machine spins at 600 to
// 1 400 rpm, a blender at 10 000 to 20 000 rpm, a vinyl single at 45 rpm; a pendulum's
// period is 0,5 to 4 s.
namespace Cinematica {

namespace {

using Problems::Statement;

// S = S₀ + V·t on a bike path, a highway, a running track, a railway and a ruler an ant
// walks along: the path's marks in metres or kilometres, an ant at 1 to 5 cm/s. A train
// or truck going the way the kilometres decrease has a negative velocity.
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
    {"eST",
     "Um trem passa pelo marco {eSSo} de uma ferrovia reta com velocidade constante de {eV}. Quanto tempo ele "
     "leva para chegar à estação que fica no marco {eSS}, em {?}?",
     {{"eSSo", 10, 200, "km", "km"}, {"eV", 60, 120, "km/h", "km/h"}, {"eSS", 30, 400, "km", "km"},
      {"eST", 10, 240, "min", "min h"}}},
    {"eST",
     "Um caminhão passa pela posição {eSSo} de uma rodovia e segue no sentido em que a quilometragem diminui, "
     "com velocidade constante de {eV}. Quanto tempo ele leva para chegar à posição {eSS}, em {?}?",
     {{"eSSo", 100, 400, "km", "km"}, {"eV", -100, -50, "km/h", "km/h"}, {"eSS", 10, 300, "km", "km"},
      {"eST", 10, 240, "min", "min h"}}},
    {"eST",
     "Uma formiga anda em linha reta ao longo de uma régua com velocidade constante de {eV}. Quanto tempo ela "
     "leva para ir da marca {eSSo} até a marca {eSS}, em {?}?",
     {{"eV", 1, 5, "cm/s", "cm/s"}, {"eSSo", 1, 10, "cm", "cm"}, {"eSS", 12, 30, "cm", "cm"}, {"eST", 2, 30, "s"}}},
    {"eV",
     "Um carro passa pela posição {eSSo} de uma rodovia reta e, {eST} depois, pela posição {eSS}, sempre com a mesma "
     "velocidade. Qual é essa velocidade, em {?}?",
     {{"eSSo", 10, 300, "km", "km"}, {"eST", 10, 120, "min", "min h"}, {"eSS", 30, 500, "km", "km"},
      {"eV", 60, 120, "km/h", "km/h"}}},
    {"eV",
     "Num treino, um atleta passa pela marca {eSSo} de uma pista reta e, {eST} depois, pela marca {eSS}, "
     "correndo com velocidade constante. Qual é a sua velocidade, em {?}?",
     {{"eSSo", 0, 100, "m"}, {"eST", 5, 60, "s"}, {"eSS", 50, 400, "m"}, {"eV", 2, 8, "m/s", "km/h"}}},
    {"eV",
     "Um trem de volta à capital passa pelo marco {eSSo} de uma ferrovia reta e, {eST} depois, pelo marco {eSS}, "
     "com velocidade constante. Qual é a velocidade escalar do trem, em {?}?",
     {{"eSSo", 100, 400, "km", "km"}, {"eST", 10, 120, "min", "min h"}, {"eSS", 10, 300, "km", "km"},
      {"eV", -120, -40, "km/h", "km/h"}}},
    {"eSSo",
     "Um ciclista pedala numa ciclovia reta com velocidade constante de {eV} e, depois de {eST}, passa pelo "
     "marco {eSS}. Por qual marco ele passou no início desse tempo, em {?}?",
     {{"eV", 10, 30, "km/h", "km/h"}, {"eST", 5, 60, "min", "min"}, {"eSS", 2000, 30000, "m", "km"},
      {"eSSo", 100, 20000, "m", "km"}}},
    {"eSSo",
     "Um carro viaja por uma rodovia reta com velocidade constante de {eV} e chega à posição {eSS} depois de "
     "{eST}. Em que posição da rodovia ele estava no início desse tempo, em {?}?",
     {{"eV", 60, 110, "km/h", "km/h"}, {"eST", 10, 120, "min", "min h"}, {"eSS", 50, 500, "km", "km"},
      {"eSSo", 10, 400, "km", "km"}}},
    {"eSSo",
     "Numa pista reta, um corredor volta em direção à largada com velocidade constante de {eV} e, depois de "
     "{eST}, está na marca {eSS}. Em que marca ele estava no início desse tempo, em {?}?",
     {{"eV", -6, -2, "m/s", "km/h"}, {"eST", 5, 30, "s"}, {"eSS", 5, 100, "m"}, {"eSSo", 20, 300, "m"}}},
};

// Vₘ = Δs / Δt on a trip between cities, a walk to school, a flight, a jog, a thunderclap
// and sunlight crossing 1,47 to 1,52 · 10¹¹ m (perihelion to aphelion) in about 8 min.
// Light's 3 · 10⁸ m/s is a range of one value, not Materials::lightSpeed: a table's value
// prints every digit it has, and 300 000 000 has nine.
const Statement meanVelocityStatements[] = {
    {"eVm", "Numa viagem entre duas cidades, um carro percorre {eDS} em {eDT}. Qual é a sua velocidade média, em {?}?",
     {{"eDS", 20, 400, "km", "km"}, {"eDT", 0.5, 5, "h", "h min"}, {"eVm", 50, 110, "km/h", "km/h"}}},
    {"eVm",
     "Uma estudante vai a pé de casa até a escola, a {eDS} de distância, em {eDT}. Qual é a sua velocidade "
     "média, em {?}?",
     {{"eDS", 400, 3000, "m", "km"}, {"eDT", 5, 40, "min", "min"}, {"eVm", 0.8, 1.8, "m/s", "km/h"}}},
    {"eVm", "Um avião voa {eDS} entre dois aeroportos em {eDT}. Qual é a sua velocidade média, em {?}?",
     {{"eDS", 300, 3000, "km", "km"}, {"eDT", 0.5, 4, "h", "h min"}, {"eVm", 500, 900, "km/h", "km/h"}}},
    {"eDS",
     "Um caminhão mantém velocidade média de {eVm} durante {eDT} de viagem. Que distância ele percorre nesse "
     "tempo, em {?}?",
     {{"eVm", 50, 90, "km/h", "km/h"}, {"eDT", 1, 8, "h", "h"}, {"eDS", 50, 700, "km", "km"}}},
    {"eDS", "Uma pessoa corre no parque durante {eDT} com velocidade média de {eVm}. Que distância ela percorre, em {?}?",
     {{"eDT", 20, 90, "min", "min"}, {"eVm", 7, 12, "km/h", "km/h"}, {"eDS", 2000, 18000, "m", "km"}}},
    {"eDS",
     "Uma pessoa vê o clarão de um raio e ouve o trovão {eDT} depois. Sendo {eVm} a velocidade do som no ar, "
     "a que distância dela caiu o raio, em {?}?",
     {{"eDT", 1, 15, "s"}, {.field = "eVm", .table = &Materials::soundInAir}, {"eDS", 300, 5100, "m", "km"}}},
    {"eDT",
     "Uma corredora completa uma prova de rua de {eDS} com velocidade média de {eVm}. Quanto tempo ela leva, "
     "em {?}?",
     {{"eDS", 5, 21, "km", "km"}, {"eVm", 8, 16, "km/h", "km/h"}, {"eDT", 15, 160, "min", "min h"}}},
    {"eDT",
     "Uma família viaja {eDS} de carro com velocidade média de {eVm}. Quanto tempo dura a viagem, em {?}?",
     {{"eDS", 60, 600, "km", "km"}, {"eVm", 60, 100, "km/h", "km/h"}, {"eDT", 0.7, 9, "h", "h min"}}},
    {"eDT",
     "A luz do Sol percorre {eDS} até a Terra com a velocidade de {eVm}. Quanto tempo ela leva para chegar, "
     "em {?}?",
     {{"eDS", 1.47e11, 1.52e11, "m"}, {"eVm", 3e8, 3e8}, {"eDT", 480, 520, "s", "min"}}},
};

// a = Δv / Δt: a car from rest to 60 to 100 km/h in 6 to 15 s, an airliner to its
// take-off speed in 25 to 45 s, a train, an elevator at 0,5 to 1,5 m/s², a fall, and
// braking, whose change of velocity and acceleration are negative.
const Statement meanAccelerationStatements[] = {
    {"aeA", "Um carro parte do repouso e atinge {aeDS} em {aeDT}. Qual é a sua aceleração escalar média, em {?}?",
     {{"aeDS", 60, 100, "km/h", "km/h"}, {"aeDT", 6, 15, "s"}, {"aeA", 1, 5}}},
    {"aeA",
     "Numa frenagem que dura {aeDT}, um ônibus sofre uma variação de velocidade de {aeDS}. Qual é a sua "
     "aceleração escalar média, em {?}?",
     {{"aeDS", -80, -20, "km/h", "km/h"}, {"aeDT", 2, 10, "s"}, {"aeA", -8, -1}}},
    {"aeA",
     "Um avião parte do repouso na cabeceira da pista e atinge {aeDS}, a sua velocidade de decolagem, em "
     "{aeDT}. Qual é a sua aceleração escalar média, em {?}?",
     {{"aeDS", 220, 300, "km/h", "km/h"}, {"aeDT", 25, 45, "s"}, {"aeA", 1, 4}}},
    {"aeDS",
     "Um trem acelera com aceleração escalar média de {aeA} durante {aeDT}. De quanto varia a sua velocidade, "
     "em {?}?",
     {{"aeA", 0.2, 1}, {"aeDT", 10, 90, "s", "min"}, {"aeDS", 3, 40, "m/s", "km/h"}}},
    {"aeDS",
     "Uma pedra cai do alto de uma ponte (considere g = {aeA} e despreze a resistência do ar). De quanto "
     "aumenta a sua velocidade em {aeDT} de queda, em {?}?",
     {{.field = "aeA", .table = &Materials::earthGravity}, {"aeDT", 0.5, 4, "s"}, {"aeDS", 4, 40, "m/s", "km/h"}}},
    {"aeDS",
     "Ao ver o sinal fechar, um motorista freia o carro com aceleração escalar média de {aeA} durante {aeDT}. "
     "Qual é a variação da velocidade do carro, em {?}?",
     {{"aeA", -7, -2}, {"aeDT", 1, 5, "s"}, {"aeDS", -20, -3, "m/s", "km/h"}}},
    {"aeDT",
     "Uma moto aumenta a sua velocidade em {aeDS}, com aceleração escalar média de {aeA}. Quanto tempo dura "
     "essa aceleração, em {?}?",
     {{"aeDS", 20, 80, "km/h", "km/h"}, {"aeA", 2, 6}, {"aeDT", 1, 12, "s"}}},
    {"aeDT",
     "Um caminhão freia com aceleração escalar média de {aeA}, e a sua velocidade varia {aeDS}. Quanto tempo "
     "dura a frenagem, em {?}?",
     {{"aeA", -4, -1}, {"aeDS", -80, -20, "km/h", "km/h"}, {"aeDT", 1.5, 20, "s"}}},
    {"aeDT",
     "Um elevador parte do repouso e acelera, com aceleração escalar média de {aeA}, até a velocidade de "
     "{aeDS}. Quanto tempo dura essa aceleração, em {?}?",
     {{"aeA", 0.5, 1.5}, {"aeDS", 1, 6, "m/s", "km/h"}, {"aeDT", 1, 10, "s"}}},
};

// V = V₀ + a·t: a car, a motorcycle, an airliner to 220 to 300 km/h, a train, a cyclist,
// a ball down a ramp, a stone thrown down, and braking (a < 0) to a speed above zero.
const Statement acceleratedVelocityStatements[] = {
    {"muvV",
     "Um carro que trafega a {muvVo} acelera uniformemente a {muvA} durante {muvT}. Qual é a sua velocidade "
     "ao fim desse tempo, em {?}?",
     {{"muvVo", 40, 80, "km/h", "km/h"}, {"muvA", 1, 3}, {"muvT", 2, 10, "s"}, {"muvV", 50, 130, "km/h", "km/h"}}},
    {"muvV",
     "Do alto de um prédio, uma pedra é lançada verticalmente para baixo com {muvVo}. Desprezando a "
     "resistência do ar e considerando g = {muvA}, qual é a sua velocidade {muvT} depois, em {?}?",
     {{"muvVo", 2, 10, "m/s", "km/h"}, {.field = "muvA", .table = &Materials::earthGravity}, {"muvT", 0.5, 3, "s"},
      {"muvV", 5, 40, "m/s", "km/h"}}},
    {"muvV",
     "Um ônibus a {muvVo} freia com aceleração constante de {muvA} durante {muvT}, sem chegar a parar. Qual "
     "é a sua velocidade ao fim da frenagem, em {?}?",
     {{"muvVo", 40, 80, "km/h", "km/h"}, {"muvA", -3, -1}, {"muvT", 2, 8, "s"}, {"muvV", 5, 70, "km/h", "km/h"}}},
    {"muvVo",
     "Depois de acelerar uniformemente a {muvA} durante {muvT}, uma moto atinge {muvV}. Qual era a sua "
     "velocidade no início, em {?}?",
     {{"muvA", 1, 4}, {"muvT", 2, 10, "s"}, {"muvV", 60, 120, "km/h", "km/h"}, {"muvVo", 10, 100, "km/h", "km/h"}}},
    {"muvVo",
     "Ao se aproximar de uma estação, um trem freia com aceleração constante de {muvA} durante {muvT}, e a sua "
     "velocidade cai para {muvV}. Qual era a sua velocidade antes de frear, em {?}?",
     {{"muvA", -1, -0.3}, {"muvT", 10, 60, "s"}, {"muvV", 10, 60, "km/h", "km/h"}, {"muvVo", 30, 150, "km/h", "km/h"}}},
    {"muvVo",
     "Uma bola desce uma rampa com aceleração constante de {muvA}. {muvT} depois de passar por uma marca da "
     "rampa, ela está a {muvV}. Com que velocidade ela passou pela marca, em {?}?",
     {{"muvA", 0.5, 3}, {"muvT", 1, 5, "s"}, {"muvV", 2, 10, "m/s", "cm/s"}, {"muvVo", 0.5, 6, "m/s", "cm/s"}}},
    {"muvA",
     "Ao sair de um ponto, um ônibus passa de {muvVo} para {muvV} em {muvT}, com aceleração constante. Qual é "
     "essa aceleração, em {?}?",
     {{"muvVo", 10, 30, "km/h", "km/h"}, {"muvV", 40, 70, "km/h", "km/h"}, {"muvT", 5, 20, "s"}, {"muvA", 0.3, 2.5}}},
    {"muvA",
     "Um carro freia uniformemente e a sua velocidade cai de {muvVo} para {muvV} em {muvT}. Qual é a sua "
     "aceleração, em {?}?",
     {{"muvVo", 60, 110, "km/h", "km/h"}, {"muvV", 10, 50, "km/h", "km/h"}, {"muvT", 2, 6, "s"}, {"muvA", -8, -1}}},
    {"muvA",
     "Num sprint, uma ciclista passa de {muvVo} para {muvV} em {muvT}, com aceleração constante. Qual é essa "
     "aceleração, em {?}?",
     {{"muvVo", 10, 20, "km/h", "km/h"}, {"muvV", 25, 45, "km/h", "km/h"}, {"muvT", 4, 20, "s"}, {"muvA", 0.2, 2}}},
    {"muvT",
     "Um avião taxia a {muvVo} e acelera uniformemente a {muvA} até atingir {muvV}, a sua velocidade de "
     "decolagem. Quanto tempo dura a aceleração, em {?}?",
     {{"muvVo", 10, 40, "km/h", "km/h"}, {"muvA", 1.5, 3.5}, {"muvV", 220, 300, "km/h", "km/h"}, {"muvT", 15, 60, "s"}}},
    {"muvT",
     "Um carro a {muvVo} freia com aceleração constante de {muvA} até reduzir a velocidade para {muvV}. "
     "Quanto tempo dura a frenagem, em {?}?",
     {{"muvVo", 60, 110, "km/h", "km/h"}, {"muvA", -7, -3}, {"muvV", 10, 40, "km/h", "km/h"}, {"muvT", 1, 10, "s"}}},
    {"muvT",
     "Um trem deixa a estação a {muvVo} e acelera uniformemente a {muvA} até atingir {muvV}. Quanto tempo "
     "dura a aceleração, em {?}?",
     {{"muvVo", 5, 20, "km/h", "km/h"}, {"muvA", 0.3, 1}, {"muvV", 60, 100, "km/h", "km/h"}, {"muvT", 10, 90, "s"}}},
};

// V² = V₀² + 2·a·Δs: a car, a motorcycle, a skier, a cyclist downhill, a stone thrown down
// from a bridge, an airliner taking off or landing (braking at 2 to 5 m/s² over 500 to
// 1 500 m of runway), and a car braking at 3 to 8 m/s².
const Statement torricelliStatements[] = {
    {"tcV",
     "Um carro a {tcVo} acelera uniformemente a {tcA} ao longo de {tcDS}. Com que velocidade ele termina esse "
     "trecho, em {?}?",
     {{"tcVo", 36, 72, "km/h", "km/h"}, {"tcA", 1, 4}, {"tcDS", 20, 200, "m"}, {"tcV", 40, 140, "km/h", "km/h"}}},
    {"tcV",
     "Uma pedra é lançada verticalmente para baixo com {tcVo} do alto de uma ponte de {tcDS} de altura. "
     "Desprezando a resistência do ar e considerando g = {tcA}, com que velocidade ela chega à água, em {?}?",
     {{"tcVo", 1, 10, "m/s", "km/h"}, {.field = "tcA", .table = &Materials::earthGravity}, {"tcDS", 5, 50, "m"},
      {"tcV", 8, 35, "m/s", "km/h"}}},
    {"tcV",
     "Uma esquiadora passa a {tcVo} pelo alto de uma encosta e desce {tcDS} com aceleração constante de "
     "{tcA}. Com que velocidade ela chega ao fim da descida, em {?}?",
     {{"tcVo", 1, 5, "m/s", "km/h"}, {"tcA", 1, 4}, {"tcDS", 20, 150, "m"}, {"tcV", 5, 30, "m/s", "km/h"}}},
    {"tcVo",
     "Uma moto acelera uniformemente a {tcA} ao longo de {tcDS} e atinge {tcV}. Qual era a sua velocidade no "
     "início do trecho, em {?}?",
     {{"tcA", 1, 4}, {"tcDS", 50, 300, "m"}, {"tcV", 60, 130, "km/h", "km/h"}, {"tcVo", 10, 100, "km/h", "km/h"}}},
    {"tcVo",
     "Um motorista freia o carro com aceleração constante de {tcA} ao longo de {tcDS}, e a velocidade cai "
     "para {tcV}. Qual era a velocidade do carro antes de frear, em {?}?",
     {{"tcA", -7, -3}, {"tcDS", 10, 50, "m"}, {"tcV", 10, 50, "km/h", "km/h"}, {"tcVo", 40, 120, "km/h", "km/h"}}},
    {"tcVo",
     "Depois de tocar a pista, um avião freia com aceleração constante de {tcA} ao longo de {tcDS} e reduz a "
     "velocidade para {tcV}. Com que velocidade ele tocou a pista, em {?}?",
     {{"tcA", -5, -2}, {"tcDS", 500, 1500, "m", "km"}, {"tcV", 20, 60, "km/h", "km/h"}, {"tcVo", 180, 300, "km/h", "km/h"}}},
    {"tcA",
     "Um trem passa de {tcVo} para {tcV} ao longo de {tcDS} de trilho, com aceleração constante. Qual é essa "
     "aceleração, em {?}?",
     {{"tcVo", 10, 40, "km/h", "km/h"}, {"tcV", 60, 120, "km/h", "km/h"}, {"tcDS", 200, 2000, "m", "km"},
      {"tcA", 0.1, 1.5}}},
    {"tcA",
     "Um carro freia e a sua velocidade cai de {tcVo} para {tcV} ao longo de {tcDS}, com aceleração "
     "constante. Qual é essa aceleração, em {?}?",
     {{"tcVo", 60, 110, "km/h", "km/h"}, {"tcV", 10, 40, "km/h", "km/h"}, {"tcDS", 15, 80, "m"}, {"tcA", -8, -1}}},
    {"tcA",
     "Um ciclista desce uma ladeira reta de {tcDS} e a sua velocidade passa de {tcVo} para {tcV}, com "
     "aceleração constante. Qual é essa aceleração, em {?}?",
     {{"tcDS", 50, 300, "m"}, {"tcVo", 10, 20, "km/h", "km/h"}, {"tcV", 30, 60, "km/h", "km/h"}, {"tcA", 0.1, 1.5}}},
    {"tcDS",
     "Um avião está a {tcVo} no início da pista e acelera uniformemente a {tcA} até atingir {tcV}, a "
     "velocidade de decolagem. Que distância de pista ele percorre, em {?}?",
     {{"tcVo", 10, 40, "km/h", "km/h"}, {"tcA", 1.5, 3.5}, {"tcV", 220, 300, "km/h", "km/h"},
      {"tcDS", 400, 2500, "m", "km"}}},
    {"tcDS",
     "Um carro a {tcVo} freia com aceleração constante de {tcA} até reduzir a velocidade para {tcV}. Que "
     "distância ele percorre durante a frenagem, em {?}?",
     {{"tcVo", 60, 110, "km/h", "km/h"}, {"tcA", -8, -4}, {"tcV", 10, 40, "km/h", "km/h"}, {"tcDS", 10, 100, "m"}}},
    {"tcDS",
     "Uma pedra é lançada verticalmente para baixo do alto de uma ponte com {tcVo} e chega à água com {tcV}. "
     "Desprezando a resistência do ar e considerando g = {tcA}, qual é a altura da ponte, em {?}?",
     {{"tcVo", 2, 8, "m/s", "km/h"}, {"tcV", 10, 25, "m/s", "km/h"}, {.field = "tcA", .table = &Materials::earthGravity},
      {"tcDS", 3, 30, "m"}}},
};

// V = w·R: a car wheel of 28 to 35 cm radius at 300 to 1 100 rpm, a bicycle wheel of 30 to
// 36 cm, a ceiling fan's blade of 40 to 70 cm, a carousel, a washing machine's drum of 22
// to 30 cm at 600 to 1 400 rpm, a race track, a vinyl single's groove (3,5 to 8,5 cm
// from the centre, at 45 rpm).
const Statement circularVelocityStatements[] = {
    {"lnFR",
     "A roda de um carro tem {lnA} de raio e gira com velocidade angular de {lnM}. Qual é a velocidade de um "
     "ponto da borda do pneu em relação ao eixo, em {?}?",
     {{"lnA", 28, 35, "cm", "cm"}, {"lnM", 300, 1100, "rpm", "rpm"}, {"lnFR", 8, 40, "m/s", "km/h"}}},
    {"lnFR",
     "As pás de um ventilador de teto têm {lnA} de comprimento e giram com velocidade angular de {lnM}. Qual é "
     "a velocidade linear da ponta de uma pá, em {?}?",
     {{"lnA", 40, 70, "cm", "cm"}, {"lnM", 100, 400, "rpm", "rpm"}, {"lnFR", 4, 30, "m/s", "km/h"}}},
    {"lnFR",
     "Um cavalinho de um carrossel está a {lnA} do eixo, e o carrossel gira com velocidade angular de {lnM}. "
     "Qual é a velocidade do cavalinho, em {?}?",
     {{"lnA", 3, 8, "m"}, {"lnM", 3, 12, "rpm", "rpm"}, {"lnFR", 1, 8, "m/s", "km/h"}}},
    {"lnM",
     "Um ciclista pedala a {lnFR}, e as rodas da bicicleta têm {lnA} de raio. Qual é a velocidade angular das "
     "rodas, em {?}?",
     {{"lnFR", 10, 30, "km/h", "km/h"}, {"lnA", 30, 36, "cm", "cm"}, {"lnM", 7, 28, "rad/s", "rpm"}}},
    {"lnM",
     "Na centrifugação, a parede do cesto de uma máquina de lavar, de {lnA} de raio, move-se a {lnFR}. Qual é "
     "a velocidade angular do cesto, em {?}?",
     {{"lnA", 22, 30, "cm", "cm"}, {"lnFR", 14, 44, "m/s", "km/h"}, {"lnM", 600, 1400, "rpm", "rpm"}}},
    {"lnM",
     "Uma criança está sentada a {lnA} do eixo de um carrossel e move-se a {lnFR}. Qual é a velocidade angular "
     "do carrossel, em {?}?",
     {{"lnA", 2, 6, "m"}, {"lnFR", 1, 4, "m/s", "km/h"}, {"lnM", 3, 12, "rpm", "rpm"}}},
    {"lnA",
     "A ponta da pá de um ventilador de teto gira com velocidade angular de {lnM} e velocidade linear de "
     "{lnFR}. Qual é o comprimento da pá, isto é, o raio do movimento da ponta, em {?}?",
     {{"lnM", 100, 400, "rpm", "rpm"}, {"lnFR", 5, 25, "m/s", "km/h"}, {"lnA", 0.4, 0.7, "m", "cm"}}},
    {"lnA",
     "Um carro de corrida percorre uma pista circular a {lnFR}, com velocidade angular de {lnM}. Qual é o raio "
     "da pista, em {?}?",
     {{"lnFR", 100, 250, "km/h", "km/h"}, {"lnM", 0.1, 0.35, "rad/s"}, {"lnA", 100, 500, "m", "km"}}},
    {"lnA",
     "Um disco de vinil compacto gira com velocidade angular de {lnM}, e a agulha, num ponto do sulco, está a "
     "{lnFR} em relação ao disco. A que distância do centro está esse ponto, em {?}?",
     {{"lnM", 45, 45, "rpm", "rpm"}, {"lnFR", 0.15, 0.42, "m/s", "cm/s"}, {"lnA", 0.035, 0.085, "m", "cm mm"}}},
};

// ƒ = nº de voltas / Δt: a ceiling fan at 100 to 400 rpm, a carousel (one turn in 5 to
// 20 s, a ride of 2 to 5 min), a car wheel at 300 to 900 rpm, a bicycle wheel at 120 to
// 300 rpm, a blender at 10 000 to 20 000 rpm.
const Statement frequencyStatements[] = {
    {"pP", "As pás de um ventilador de teto dão {pT} voltas em {pdT}. Qual é a frequência do movimento, em {?}?",
     {{"pT", 50, 400, nullptr, nullptr, true}, {"pdT", 10, 60, "s", "min"}, {"pP", 100, 400, "rpm", "rpm"}}},
    {"pP", "Um carrossel dá {pT} voltas completas em {pdT}. Qual é a sua frequência, em {?}?",
     {{"pT", 3, 20, nullptr, nullptr, true}, {"pdT", 1, 5, "min", "min"}, {"pP", 3, 12, "rpm", "rpm"}}},
    {"pP", "A roda de um carro dá {pT} voltas em {pdT}. Qual é a frequência de rotação da roda, em {?}?",
     {{"pT", 50, 600, nullptr, nullptr, true}, {"pdT", 5, 60, "s", "min"}, {"pP", 300, 900, "rpm", "rpm"}}},
    {"pT",
     "A roda de uma bicicleta gira com frequência de {pP} durante {pdT}. Quantas voltas completas ela dá?",
     {{"pP", 120, 300, "rpm", "rpm"}, {"pdT", 1, 10, "min", "min"},
      {.field = "pT", .low = 100, .high = 3000, .whole = true, .completed = true}}},
    {"pT",
     "A lâmina de um liquidificador gira com frequência de {pP} durante {pdT}. Quantas voltas completas ela dá?",
     {{"pP", 10000, 20000, "rpm", "rpm"}, {"pdT", 10, 60, "s", "min"},
      {.field = "pT", .low = 1500, .high = 20000, .whole = true, .completed = true}}},
    {"pT",
     "Um carrossel gira com frequência de {pP}, e cada passeio dura {pdT}. Quantas voltas completas o "
     "carrossel dá num passeio?",
     {{"pP", 3, 12, "rpm", "rpm"}, {"pdT", 2, 5, "min", "min"},
      {.field = "pT", .low = 6, .high = 60, .whole = true, .completed = true}}},
    {"pdT", "Um carrossel gira com frequência de {pP}. Quanto tempo ele leva para dar {pT} voltas, em {?}?",
     {{"pP", 3, 12, "rpm", "rpm"}, {"pT", 5, 20, nullptr, nullptr, true}, {"pdT", 25, 400, "s", "min"}}},
    {"pdT", "Um ventilador de teto gira com frequência de {pP}. Quanto tempo as pás levam para dar {pT} voltas, em {?}?",
     {{"pP", 100, 400, "rpm", "rpm"}, {"pT", 100, 2000, nullptr, nullptr, true}, {"pdT", 15, 1200, "s", "min"}}},
    {"pdT",
     "As rodas de um carro giram com frequência de {pP}. Quanto tempo elas levam para dar {pT} voltas, em {?}?",
     {{"pP", 300, 900, "rpm", "rpm"}, {"pT", 1000, 10000, nullptr, nullptr, true}, {"pdT", 60, 2000, "s", "min"}}},
};

// T = Δt / nº de voltas: a pendulum (0,5 to 4 s), a Ferris wheel (1 to 30 min a turn), a
// ceiling fan (0,15 to 0,6 s), a carousel (5 to 20 s), a playground swing (2 to 4 s).
const Statement periodStatements[] = {
    {"aeA", "Um pêndulo completa {aeDT} oscilações em {aeDS}. Qual é o seu período, em {?}?",
     {{"aeDT", 10, 50, nullptr, nullptr, true}, {"aeDS", 5, 200, "s", "min"}, {"aeA", 0.5, 4, "s"}}},
    {"aeA", "Uma roda-gigante dá {aeDT} voltas completas em {aeDS}. Qual é o período do seu movimento, em {?}?",
     {{"aeDT", 2, 10, nullptr, nullptr, true}, {"aeDS", 10, 120, "min", "min h"}, {"aeA", 1, 30, "min", "min"}}},
    {"aeA", "As pás de um ventilador de teto dão {aeDT} voltas em {aeDS}. Qual é o período da rotação, em {?}?",
     {{"aeDT", 100, 1000, nullptr, nullptr, true}, {"aeDS", 30, 300, "s", "min"}, {"aeA", 0.15, 0.6, "s", "ms"}}},
    {"aeDS",
     "Uma roda-gigante dá uma volta completa a cada {aeA}. Quanto tempo dura um passeio de {aeDT} voltas, "
     "em {?}?",
     {{"aeA", 1, 30, "min", "min"}, {"aeDT", 2, 4, nullptr, nullptr, true}, {"aeDS", 2, 60, "min", "min"}}},
    {"aeDS",
     "Num laboratório, um pêndulo oscila com período de {aeA}. Quanto tempo ele leva para completar {aeDT} "
     "oscilações, em {?}?",
     {{"aeA", 0.5, 4, "s"}, {"aeDT", 20, 500, nullptr, nullptr, true}, {"aeDS", 10, 2000, "s", "min"}}},
    {"aeDS", "Um carrossel dá uma volta a cada {aeA}. Quanto tempo ele leva para dar {aeDT} voltas, em {?}?",
     {{"aeA", 5, 20, "s"}, {"aeDT", 5, 30, nullptr, nullptr, true}, {"aeDS", 25, 600, "s", "min"}}},
    {"aeDT", "Um pêndulo oscila com período de {aeA}. Quantas oscilações completas ele faz em {aeDS}?",
     {{"aeA", 0.5, 4, "s"}, {"aeDS", 1, 10, "min", "min"},
      {.field = "aeDT", .low = 15, .high = 1200, .whole = true, .completed = true}}},
    {"aeDT",
     "Uma roda-gigante dá uma volta completa a cada {aeA} e funciona durante {aeDS} sem parar. Quantas voltas "
     "completas ela dá nesse tempo?",
     {{"aeA", 1, 30, "min", "min"}, {"aeDS", 1, 3, "h", "h min"},
      {.field = "aeDT", .low = 2, .high = 180, .whole = true, .completed = true}}},
    {"aeDT",
     "Uma criança num balanço oscila com período de {aeA}. Quantas oscilações completas ela faz em {aeDS}?",
     {{"aeA", 2, 4, "s"}, {"aeDS", 1, 5, "min", "min"},
      {.field = "aeDT", .low = 15, .high = 150, .whole = true, .completed = true}}},
};

// f = 1 / T: a carousel, a resting heart (0,6 to 1,2 s a beat), a pendulum, a blender, a
// tuning fork (256 to 880 Hz), a ceiling fan.
const Statement frequencyToPeriodStatements[] = {
    {"vlV", "Um carrossel leva {vlf} para dar uma volta. Qual é a sua frequência, em {?}?",
     {{"vlf", 5, 20, "s"}, {"vlV", 3, 12, "rpm", "rpm"}}},
    {"vlV", "O coração de uma pessoa em repouso bate uma vez a cada {vlf}. Qual é a frequência dos batimentos, em {?}?",
     {{"vlf", 0.6, 1.2, "s", "ms"}, {"vlV", 0.8, 1.7, "Hz"}}},
    {"vlV", "Um pêndulo leva {vlf} para completar uma oscilação. Qual é a frequência dessa oscilação, em {?}?",
     {{"vlf", 0.5, 4, "s"}, {"vlV", 0.25, 2, "Hz"}}},
    {"vlf", "O motor de um liquidificador gira com frequência de {vlV}. Qual é o período desse movimento, em {?}?",
     {{"vlV", 10000, 20000, "rpm", "rpm"}, {"vlf", 0.003, 0.006, "s", "ms"}}},
    {"vlf", "Um diapasão vibra com frequência de {vlV}. Qual é o período da sua vibração, em {?}?",
     {{"vlV", 256, 880, "Hz"}, {"vlf", 0.0011, 0.004, "s", "ms"}}},
    {"vlf", "As pás de um ventilador de teto giram com frequência de {vlV}. Qual é o período da rotação, em {?}?",
     {{"vlV", 100, 400, "rpm", "rpm"}, {"vlf", 0.15, 0.6, "s", "ms"}}},
};

// w = 2·π·f: a vinyl single at 45 rpm, a ceiling fan, a blender, a car wheel, a washing
// machine's spin and a carousel. Only the frequency is given or asked in rpm: an angular
// velocity in rpm would be the frequency itself.
const Statement angularVelocityStatements[] = {
    {"vaw", "Um disco de vinil compacto gira com frequência de {vaf}. Qual é a sua velocidade angular, em {?}?",
     {{"vaf", 45, 45, "rpm", "rpm"}, {"vaw", 4.6, 4.8}}},
    {"vaw", "As pás de um ventilador de teto giram com frequência de {vaf}. Qual é a sua velocidade angular, em {?}?",
     {{"vaf", 100, 400, "rpm", "rpm"}, {"vaw", 10, 42}}},
    {"vaw",
     "A lâmina de um liquidificador gira com frequência de {vaf}. Qual é a sua velocidade angular, em {?}?",
     {{"vaf", 10000, 20000, "rpm"}, {"vaw", 1000, 2100}}},
    {"vaf", "A roda de um carro gira com velocidade angular de {vaw}. Qual é a frequência da roda, em {?}?",
     {{"vaw", 30, 100}, {"vaf", 300, 900, "rpm", "rpm"}}},
    {"vaf",
     "Na centrifugação, o cesto de uma máquina de lavar gira com velocidade angular de {vaw}. Qual é a "
     "frequência do cesto, em {?}?",
     {{"vaw", 60, 150}, {"vaf", 600, 1400, "rpm", "rpm"}}},
    {"vaf", "Um carrossel gira com velocidade angular de {vaw}. Qual é a frequência do carrossel, em {?}?",
     {{"vaw", 0.3, 1.3}, {"vaf", 3, 12, "rpm", "rpm"}}},
};

// ac = v² / R: a car in a curve (the tyres' grip allows up to about 8 m/s²), a carousel,
// the International Space Station (orbit radius 6 770 to 6 800 km, 7,66 km/s), a
// velodrome's banked curve (20 to 50 m), a roundabout, a train, a ball whirled on a string.
const Statement centripetalStatements[] = {
    {"acac", "Um carro faz uma curva de {acr} de raio a {acv}. Qual é a sua aceleração centrípeta, em {?}?",
     {{"acr", 50, 300, "m"}, {"acv", 40, 100, "km/h", "km/h"}, {"acac", 1, 8}}},
    {"acac",
     "Uma criança num carrossel está a {acr} do eixo e move-se a {acv}. Qual é a sua aceleração centrípeta, "
     "em {?}?",
     {{"acr", 2, 6, "m"}, {"acv", 1, 4, "m/s", "km/h"}, {"acac", 0.3, 5, "m/s²", "cm/s²"}}},
    {"acac",
     "A Estação Espacial Internacional descreve uma órbita circular de {acr} de raio, em torno do centro da "
     "Terra, com velocidade de {acv}. Qual é a sua aceleração centrípeta, em {?}?",
     {{"acr", 6.77e6, 6.8e6, "m", "km"}, {"acv", 7.6, 7.7, "km/s", "km/s"}, {"acac", 8.4, 8.9}}},
    {"acv",
     "Um ciclista percorre a curva de um velódromo, de {acr} de raio, com aceleração centrípeta de {acac}. "
     "Qual é a sua velocidade, em {?}?",
     {{"acr", 20, 50, "m"}, {"acac", 2, 12}, {"acv", 6, 20, "m/s", "km/h"}}},
    {"acv",
     "Um carro contorna uma rotatória de {acr} de raio com aceleração centrípeta de {acac}. Qual é a sua "
     "velocidade, em {?}?",
     {{"acr", 10, 40, "m"}, {"acac", 1, 5}, {"acv", 3, 14, "m/s", "km/h"}}},
    {"acv",
     "A Estação Espacial Internacional está numa órbita circular de {acr} de raio, em torno do centro da "
     "Terra, onde a sua aceleração centrípeta é {acac}. Qual é a sua velocidade, em {?}?",
     {{"acr", 6.77e6, 6.8e6, "m", "km"}, {"acac", 8.6, 8.75}, {"acv", 7500, 7800, "m/s", "km/s"}}},
    {"acr",
     "Um trem a {acv} faz uma curva com aceleração centrípeta de {acac}. Qual é o raio da curva, em {?}?",
     {{"acv", 60, 150, "km/h", "km/h"}, {"acac", 0.3, 1.2}, {"acr", 200, 3000, "m", "km"}}},
    {"acr",
     "Um menino gira uma bola presa a um barbante num círculo horizontal. A bola move-se a {acv}, com "
     "aceleração centrípeta de {acac}. Qual é o comprimento do barbante, isto é, o raio do círculo, em {?}?",
     {{"acv", 2, 8, "m/s", "km/h"}, {"acac", 10, 100}, {"acr", 0.3, 1.5, "m", "cm"}}},
    {"acr", "Um carro faz uma curva a {acv} com aceleração centrípeta de {acac}. Qual é o raio da curva, em {?}?",
     {{"acv", 40, 80, "km/h", "km/h"}, {"acac", 2, 6}, {"acr", 20, 250, "m"}}},
};

// hₘₐₓ = V₀² / (2·g): on Earth (g = 9,8 or 10 m/s², as the statement says), on the Moon or
// Mars, and on an unknown planet when g is what is asked. A basketball player's centre of
// mass rises 40 to 90 cm; an astronaut leaves the ground at 1 to 3 m/s.
const Statement maximumHeightStatements[] = {
    {"amh",
     "Uma bola é lançada verticalmente para cima com {amv}. Desprezando a resistência do ar e considerando "
     "g = {amg}, que altura máxima ela atinge, em {?}?",
     {{"amv", 5, 20, "m/s", "km/h"}, {.field = "amg", .table = &Materials::earthGravity}, {"amh", 1, 20, "m", "cm"}}},
    {"amh",
     "Uma astronauta {amg:em}, onde g = {amg}, lança uma ferramenta verticalmente para cima com {amv}. Que "
     "altura máxima a ferramenta atinge, em {?}?",
     {{"amv", 2, 10, "m/s", "km/h"}, {.field = "amg", .table = &Materials::surfaceGravity}, {"amh", 0.5, 35, "m", "cm"}}},
    {"amh",
     "O jato de um chafariz sai verticalmente para cima com {amv}. Desprezando a resistência do ar e "
     "considerando g = {amg}, que altura a água atinge, em {?}?",
     {{"amv", 3, 15, "m/s", "km/h"}, {.field = "amg", .table = &Materials::earthGravity}, {"amh", 0.5, 12, "m", "cm"}}},
    {"amv",
     "Uma pedra lançada verticalmente para cima sobe até {amh} de altura. Desprezando a resistência do ar e "
     "considerando g = {amg}, com que velocidade ela foi lançada, em {?}?",
     {{"amh", 2, 30, "m"}, {.field = "amg", .table = &Materials::earthGravity}, {"amv", 6, 25, "m/s", "km/h"}}},
    {"amv",
     "Num salto vertical, o centro de massa de um jogador de basquete sobe {amh}. Considerando g = {amg}, com "
     "que velocidade ele deixa o chão, em {?}?",
     {{"amh", 40, 90, "cm", "cm"}, {.field = "amg", .table = &Materials::earthGravity}, {"amv", 2.5, 4.5, "m/s", "km/h"}}},
    {"amv",
     "Um astronauta {amg:em}, onde g = {amg}, pula verticalmente e o seu centro de massa sobe {amh}. Com que "
     "velocidade ele deixa o chão, em {?}?",
     {{"amh", 0.3, 2, "m", "cm"}, {.field = "amg", .table = &Materials::surfaceGravity}, {"amv", 0.8, 3.2, "m/s", "km/h"}}},
    {"amg",
     "Num planeta distante, uma astronauta lança uma ferramenta verticalmente para cima com {amv}, e ela sobe "
     "até {amh}. Qual é a aceleração da gravidade nesse planeta, em {?}?",
     {{"amv", 2, 15, "m/s", "km/h"}, {"amh", 0.5, 50, "m", "cm"}, {"amg", 1, 30}}},
    {"amg",
     "Uma sonda pousada num planeta desconhecido dispara uma pequena cápsula verticalmente para cima com "
     "{amv}, e a cápsula sobe até {amh}. Qual é a aceleração da gravidade na superfície desse planeta, em {?}?",
     {{"amv", 10, 40, "m/s", "km/h"}, {"amh", 5, 300, "m"}, {"amg", 1, 30}}},
    {"amg",
     "Num planeta distante, um astronauta pula verticalmente, deixa o chão com {amv} e o seu centro de massa "
     "sobe {amh}. Qual é a aceleração da gravidade nesse planeta, em {?}?",
     {{"amv", 1, 3, "m/s", "km/h"}, {"amh", 0.1, 2, "m", "cm"}, {"amg", 1, 30}}},
};

// t = V₀ / g: on Earth, on the Moon or Mars, and on an unknown planet when g is asked. A
// juggler's ball rises for 0,3 to 0,8 s, a tennis player's toss for 0,4 to 0,8 s.
const Statement timeToTopStatements[] = {
    {"tamt",
     "Um jogador chuta uma bola verticalmente para cima com {tamv}. Desprezando a resistência do ar e "
     "considerando g = {tamg}, quanto tempo ela leva para atingir a altura máxima, em {?}?",
     {{"tamv", 10, 25, "m/s", "km/h"}, {.field = "tamg", .table = &Materials::earthGravity}, {"tamt", 1, 2.6, "s"}}},
    {"tamt",
     "Um astronauta {tamg:em}, onde g = {tamg}, lança uma pedra verticalmente para cima com {tamv}. Quanto "
     "tempo a pedra leva para atingir a altura máxima, em {?}?",
     {{"tamv", 3, 15, "m/s", "km/h"}, {.field = "tamg", .table = &Materials::surfaceGravity}, {"tamt", 0.8, 10, "s"}}},
    {"tamt",
     "Um malabarista joga uma bolinha verticalmente para cima com {tamv}. Considerando g = {tamg}, quanto tempo "
     "ela leva para chegar ao ponto mais alto, em {?}?",
     {{"tamv", 3, 8, "m/s", "km/h"}, {.field = "tamg", .table = &Materials::earthGravity}, {"tamt", 0.3, 0.82, "s", "ms"}}},
    {"tamv",
     "Uma bola lançada verticalmente para cima leva {tamt} para chegar ao ponto mais alto. Desprezando a "
     "resistência do ar e considerando g = {tamg}, com que velocidade ela foi lançada, em {?}?",
     {{"tamt", 0.5, 3, "s"}, {.field = "tamg", .table = &Materials::earthGravity}, {"tamv", 5, 30, "m/s", "km/h"}}},
    {"tamv",
     "Uma pedra lançada verticalmente para cima {tamg:em}, onde g = {tamg}, leva {tamt} para atingir a altura "
     "máxima. Com que velocidade ela foi lançada, em {?}?",
     {{"tamt", 1, 8, "s"}, {.field = "tamg", .table = &Materials::surfaceGravity}, {"tamv", 1.6, 30, "m/s", "km/h"}}},
    {"tamv",
     "Ao sacar, uma tenista joga a bola verticalmente para cima, e ela leva {tamt} para chegar ao ponto mais "
     "alto. Considerando g = {tamg}, com que velocidade a bola foi lançada, em {?}?",
     {{"tamt", 0.4, 0.8, "s", "ms"}, {.field = "tamg", .table = &Materials::earthGravity}, {"tamv", 3.9, 8, "m/s", "km/h"}}},
    {"tamg",
     "Num planeta desconhecido, uma pedra lançada verticalmente para cima com {tamv} leva {tamt} para atingir "
     "a altura máxima. Qual é a aceleração da gravidade ali, em {?}?",
     {{"tamv", 5, 20, "m/s", "km/h"}, {"tamt", 0.5, 10, "s"}, {"tamg", 1, 30}}},
    {"tamg",
     "Uma sonda pousada num planeta distante dispara uma cápsula verticalmente para cima com {tamv}, e a "
     "cápsula leva {tamt} para chegar ao ponto mais alto. Qual é a aceleração da gravidade nesse planeta, em "
     "{?}?",
     {{"tamv", 10, 50, "m/s", "km/h"}, {"tamt", 1, 20, "s"}, {"tamg", 1, 30}}},
    {"tamg",
     "Num planeta distante, um astronauta pula verticalmente, deixa o chão com {tamv} e leva {tamt} para "
     "chegar ao ponto mais alto do salto. Qual é a aceleração da gravidade nesse planeta, em {?}?",
     {{"tamv", 1, 3, "m/s", "km/h"}, {"tamt", 0.1, 2, "s", "ms"}, {"tamg", 1, 30}}},
};

const Problems::TopicProblems table[] = {
    {"ButtonXPMACCorel1", uniformMotionStatements},
    {"ButtonXPMACCorel6", meanVelocityStatements},
    {"ButtonXPMACCorel7", meanAccelerationStatements},
    {"ButtonXPMACCorel8", acceleratedVelocityStatements},
    {"ButtonXPMACCorel9", torricelliStatements},
    {"ButtonXPMACCorel10", circularVelocityStatements},
    {"ButtonXPMACCorel28", frequencyStatements},
    {"ButtonXPMACCorel29", periodStatements},
    {"ButtonXPMACCorel93", frequencyToPeriodStatements},
    {"ButtonXPMACCorel30", angularVelocityStatements},
    {"ButtonXPMACCorel31", centripetalStatements},
    {"ButtonXPMACCorel95", maximumHeightStatements},
    {"ButtonXPMACCorel94", timeToTopStatements},
};

}

const std::span<const Problems::TopicProblems> problems = table;

}
