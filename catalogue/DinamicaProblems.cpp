#include "catalogue/AreaProblems.h"

// The dynamics exercises: each statement a situation with its own real ranges. People
// weigh 40 to 110 kg (an astronaut in a suit up to 150 kg), cars 800 to 2 000 kg, trucks
// 5 to 40 t, a football 410 to 450 g (FIFA), a tennis ball 56 to 59 g (ITF); weights on
// Earth take g from the table, and another g is either a named body's or an unknown
// world's that the statement says it is.
namespace Dinamica {

namespace {

using Problems::Statement;

constexpr const Materials::Table* earth = &Materials::earthGravity;

// F = m·a: a car starting off (0 to 100 km/h in 8 to 15 s, 2 to 3,5 m/s²), a kick (a
// ball leaves at up to 30 m/s after about 10 ms), a truck braking (up to 5 m/s²), a
// supermarket trolley, a metro train (150 to 400 t, about 1 m/s²), a motorcycle, a
// motorboat, a sprinter's start (4 to 10 m/s²) and an airliner's take-off run (40 to
// 80 t, 1,5 to 3,5 m/s²).
const Statement secondLawStatements[] = {
    {"lnFR", "Um carro de {lnM} arranca num semáforo e acelera a {lnA}. Qual é a intensidade da força resultante "
             "sobre o carro, em {?}?",
     {{"lnM", 800, 2000, nullptr, "t"}, {"lnA", 1.5, 3.5}, {"lnFR", 1200, 7000, nullptr, "kN"}}},
    {"lnFR", "Durante um chute, uma bola de futebol de {lnM} adquire uma aceleração média de {lnA}. Qual é a "
             "intensidade média da força resultante sobre a bola, em {?}?",
     {{"lnM", 0.41, 0.45, nullptr, "g"}, {"lnA", 800, 3000}, {"lnFR", 300, 1400, nullptr, "kgf kN"}}},
    {"lnFR", "Um caminhão de {lnM} freia numa rodovia com desaceleração de módulo {lnA}. Qual é a intensidade da "
             "força resultante que freia o caminhão, em {?}?",
     {{"lnM", 5, 40, "t", "t"}, {"lnA", 1, 5}, {"lnFR", 5, 200, "kN", "kN"}}},
    {"lnM", "Uma pessoa empurra um carrinho de supermercado cheio de compras, e a força resultante sobre ele, de "
            "{lnFR}, lhe dá uma aceleração de {lnA}. Qual é a massa do carrinho com as compras, em {?}?",
     {{"lnFR", 10, 60}, {"lnA", 0.3, 2, nullptr, "cm/s²"}, {"lnM", 15, 60}}},
    {"lnM", "Um trem de metrô parte de uma estação com aceleração de {lnA}, sob uma força resultante de {lnFR}. "
            "Qual é a massa do trem, em {?}?",
     {{"lnA", 0.7, 1.3, nullptr, "cm/s²"}, {"lnFR", 100, 500, "kN", "kN"}, {"lnM", 150, 400, "t", "t"}}},
    {"lnM", "Uma moto com o piloto arranca com aceleração de {lnA}, sob uma força resultante de {lnFR}. Qual é a "
            "massa da moto com o piloto, em {?}?",
     {{"lnA", 2, 6}, {"lnFR", 400, 2500, nullptr, "kN kgf"}, {"lnM", 150, 400}}},
    {"lnA", "Um rebocador puxa uma lancha de {lnM}, parada no cais, com uma força resultante de {lnFR}. Qual é a "
            "aceleração da lancha, em {?}?",
     {{"lnM", 1, 5, "t", "t"}, {"lnFR", 500, 5000, nullptr, "kN"}, {"lnA", 0.2, 2, nullptr, "cm/s²"}}},
    {"lnA", "Na largada, um velocista de {lnM} recebe do bloco de partida uma força resultante horizontal de "
            "{lnFR}. Qual é a aceleração do velocista, em {?}?",
     {{"lnM", 55, 95}, {"lnFR", 300, 800, nullptr, "kgf"}, {"lnA", 4, 10}}},
    {"lnA", "Na corrida de decolagem, um avião de {lnM} recebe das turbinas uma força resultante de {lnFR}. Qual "
            "é a aceleração do avião, em {?}?",
     {{"lnM", 40, 80, "t", "t"}, {"lnFR", 80, 250, "kN", "kN"}, {"lnA", 1.5, 3.5}}},
};

// P = m·g: a person, a car and a truck on Earth; an astronaut, a rover on the Moon or
// Mars (Curiosity has 899 kg); g asked only on worlds the statement calls unknown.
const Statement weightStatements[] = {
    {"fpP", "Uma estudante de {fpM} está de pé sobre o chão da sala. Qual é o peso da estudante, em {?}? "
            "Considere g = {fpG}.",
     {{"fpM", 40, 110}, {.field = "fpG", .table = earth}, {"fpP", 390, 1100, nullptr, "kgf"}}},
    {"fpP", "Com o traje espacial, um astronauta tem massa de {fpM}. Sabendo que a aceleração da gravidade "
            "{fpG:em} é {fpG}, qual seria o peso do astronauta lá, em {?}?",
     {{"fpM", 100, 150}, {.field = "fpG", .table = &Materials::bodyGravity}, {"fpP", 150, 3800, nullptr, "kgf"}}},
    {"fpP", "Um carro de {fpM} está parado numa rua plana. Qual é o peso do carro, em {?}? Considere g = {fpG}.",
     {{"fpM", 800, 2000, nullptr, "t"}, {.field = "fpG", .table = earth}, {"fpP", 7800, 20000, nullptr, "kN kgf"}}},
    {"fpM", "Num laboratório, um objeto pendurado num dinamômetro faz o aparelho indicar {fpP}. Qual é a massa do "
            "objeto, em {?}? Considere g = {fpG}.",
     {{"fpP", 0.5, 20}, {.field = "fpG", .table = earth}, {"fpM", 0.05, 2, nullptr, "g"}}},
    {"fpM", "Um jipe-robô explorador pesa {fpP} {fpG:em}, onde a aceleração da gravidade é {fpG}. Qual é a "
            "massa do jipe-robô, em {?}?",
     {{"fpP", 150, 4000, nullptr, "kN"}, {.field = "fpG", .table = &Materials::surfaceGravity},
      {"fpM", 150, 1000}}},
    {"fpM", "A balança de um posto rodoviário registra que um caminhão carregado pesa {fpP}. Qual é a massa do "
            "caminhão, em {?}? Considere g = {fpG}.",
     {{"fpP", 49, 400, "kN", "kN"}, {.field = "fpG", .table = earth}, {"fpM", 5, 40, "t", "t"}}},
    {"fpG", "Um jipe-robô de {fpM} pousa num planeta recém-descoberto de outro sistema solar, onde pesa {fpP}. "
            "Qual é a aceleração da gravidade na superfície desse planeta, em {?}?",
     {{"fpM", 200, 1000, nullptr, "t"}, {"fpP", 200, 30000, nullptr, "kN"}, {"fpG", 1, 30}}},
    {"fpG", "Num planeta distante, ainda sem nome, um astronauta que tem {fpM} de massa com o traje espacial "
            "pesa {fpP}. Qual é a aceleração da gravidade nesse planeta, em {?}?",
     {{"fpM", 100, 150}, {"fpP", 100, 4500, nullptr, "kgf"}, {"fpG", 1, 30}}},
    {"fpG", "Na superfície de uma lua recém-descoberta, uma amostra de rocha de {fpM}, pendurada no dinamômetro "
            "de uma sonda, faz o aparelho indicar {fpP}. Qual é a aceleração da gravidade nessa lua, em {?}?",
     {{"fpM", 0.5, 2, nullptr, "g"}, {"fpP", 0.2, 6}, {"fpG", 0.3, 3}}},
};

// M = F·d: a wheel wrench (car wheel nuts take 80 to 140 N·m), a door, a bicycle pedal
// (cranks of 165 to 175 mm), a seesaw, a stuck tap and a crowbar.
const Statement torqueStatements[] = {
    {"fpP", "Para apertar um parafuso de roda, um mecânico aplica uma força de {fpM}, perpendicular à chave de "
            "roda, a {fpG} do eixo do parafuso. Qual é o momento dessa força em relação ao eixo, em {?}?",
     {{"fpM", 100, 400, nullptr, "kgf"}, {"fpG", 0.25, 0.5, nullptr, "cm"}, {"fpP", 25, 200}}},
    {"fpP", "Uma pessoa empurra uma porta com uma força de {fpM}, perpendicular a ela, a {fpG} das dobradiças. "
            "Qual é o momento da força em relação ao eixo da porta, em {?}?",
     {{"fpM", 5, 40}, {"fpG", 0.6, 0.9, nullptr, "cm"}, {"fpP", 3, 36}}},
    {"fpP", "Um ciclista apoia no pedal uma força de {fpM}, perpendicular ao pedivela, que mede {fpG}. Qual é o "
            "momento dessa força em relação ao eixo do pedivela, em {?}?",
     {{"fpM", 150, 700, nullptr, "kgf"}, {"fpG", 0.165, 0.175, nullptr, "cm mm"}, {"fpP", 24, 123}}},
    {"fpM", "O manual de um carro pede que os parafusos das rodas sejam apertados com um momento de {fpP}. "
            "Segurando a chave de roda a {fpG} do eixo do parafuso, que força perpendicular à chave o mecânico "
            "deve aplicar, em {?}?",
     {{"fpP", 80, 140}, {"fpG", 0.25, 0.5, nullptr, "cm"}, {"fpM", 160, 560, nullptr, "kgf"}}},
    {"fpM", "Numa gangorra, uma criança sentada de um lado produz um momento de {fpP} em relação ao apoio. Que "
            "força vertical outra criança deve fazer do outro lado, a {fpG} do apoio, para equilibrá-la, em {?}?",
     {{"fpP", 150, 700}, {"fpG", 1, 2, nullptr, "cm"}, {"fpM", 150, 500, nullptr, "kgf"}}},
    {"fpM", "O registro emperrado de um chuveiro só gira com um momento de {fpP}. Que força, perpendicular à "
            "manopla e a {fpG} do eixo, é preciso aplicar para girá-lo, em {?}?",
     {{"fpP", 1, 8}, {"fpG", 0.03, 0.06, nullptr, "cm"}, {"fpM", 20, 260, nullptr, "kgf"}}},
    {"fpG", "Com um pé de cabra, um operário aplica uma força de {fpM}, perpendicular à barra, e obtém um momento "
            "de {fpP} em relação ao ponto de apoio. A que distância do apoio ele segura a barra, em {?}?",
     {{"fpM", 100, 500, nullptr, "kgf"}, {"fpP", 30, 400}, {"fpG", 0.3, 1, nullptr, "cm"}}},
    {"fpG", "Um ciclista faz no pedal uma força de {fpM}, perpendicular ao pedivela, e obtém um momento de {fpP} "
            "em relação ao eixo. Qual é o comprimento do pedivela, em {?}?",
     {{"fpM", 150, 700, nullptr, "kgf"}, {"fpP", 25, 125}, {"fpG", 0.165, 0.18, nullptr, "cm mm"}}},
    {"fpG", "Para abrir uma porta pesada, uma pessoa aplica na maçaneta uma força de {fpM}, perpendicular à porta, "
            "e produz um momento de {fpP} em relação às dobradiças. A que distância das dobradiças fica a "
            "maçaneta, em {?}?",
     {{"fpM", 10, 40}, {"fpP", 7, 35}, {"fpG", 0.7, 0.9, nullptr, "cm"}}},
};

// ƒ = µ·N, kinetic coefficients as the surfaces give them: wood on wood 0,2 to 0,4, a
// tyre on dry asphalt 0,5 to 0,9 and on wet 0,3 to 0,5, wooden skis on snow 0,1 to 0,2,
// furniture on a ceramic floor 0,2 to 0,5, cardboard on wood 0,3 to 0,5.
const Statement frictionStatements[] = {
    {"fpP", "Um caixote de madeira é arrastado sobre um assoalho de madeira. O coeficiente de atrito cinético entre "
            "eles é {fpM}, e a força normal do piso sobre o caixote vale {fpG}. Qual é a intensidade da força de "
            "atrito, em {?}?",
     {{"fpM", 0.2, 0.4}, {"fpG", 200, 1500, nullptr, "kgf"}, {"fpP", 40, 600, nullptr, "kgf"}}},
    {"fpP", "Um carro freia com as rodas travadas sobre asfalto seco. A força normal do asfalto sobre os pneus soma "
            "{fpG}, e o coeficiente de atrito cinético entre a borracha e o asfalto é {fpM}. Qual é a intensidade "
            "da força de atrito que freia o carro, em {?}?",
     {{"fpG", 7800, 20000, nullptr, "kN kgf"}, {"fpM", 0.5, 0.8}, {"fpP", 3900, 16000, nullptr, "kN"}}},
    {"fpP", "Um trenó com esquis de madeira desliza sobre a neve. A força normal da neve sobre ele vale {fpG}, e o "
            "coeficiente de atrito cinético entre os esquis e a neve é {fpM}. Qual é a força de atrito sobre o "
            "trenó, em {?}?",
     {{"fpG", 200, 1200, nullptr, "kgf"}, {"fpM", 0.1, 0.2}, {"fpP", 20, 240}}},
    {"fpM", "Para empurrar uma geladeira com velocidade constante sobre um piso de cerâmica, é preciso vencer uma "
            "força de atrito de {fpP}; a força normal do piso sobre ela vale {fpG}. Qual é o coeficiente de atrito "
            "cinético entre a geladeira e o piso?",
     {{"fpP", 80, 600, nullptr, "kgf"}, {"fpG", 400, 1200, nullptr, "kgf"}, {"fpM", 0.2, 0.5}}},
    {"fpM", "Num teste de freios, um pneu travado, comprimido contra o asfalto por uma força normal de {fpG}, "
            "recebe dele uma força de atrito de {fpP}. Qual é o coeficiente de atrito cinético entre a borracha e "
            "o asfalto?",
     {{"fpG", 2000, 5000, nullptr, "kN kgf"}, {"fpP", 1000, 4500, nullptr, "kN"}, {"fpM", 0.5, 0.9}}},
    {"fpM", "Numa aula de laboratório, um bloco de madeira é puxado com velocidade constante sobre uma tábua "
            "horizontal por um dinamômetro, que indica {fpP}. A força normal da tábua sobre o bloco vale {fpG}. "
            "Qual é o coeficiente de atrito cinético entre o bloco e a tábua?",
     {{"fpP", 0.5, 8}, {"fpG", 2, 20, nullptr, "kgf"}, {"fpM", 0.2, 0.45}}},
    {"fpG", "Uma caixa de papelão desce deslizando por uma rampa de madeira, com coeficiente de atrito cinético "
            "{fpM}, e sofre uma força de atrito de {fpP}. Qual é a força normal da rampa sobre a caixa, em {?}?",
     {{"fpM", 0.3, 0.5}, {"fpP", 10, 200, nullptr, "kgf"}, {"fpG", 20, 600}}},
    {"fpG", "Um sofá é arrastado sobre um piso de madeira, com coeficiente de atrito cinético {fpM}, e a força de "
            "atrito sobre ele vale {fpP}. Qual é a força normal do piso sobre o sofá, em {?}?",
     {{"fpM", 0.2, 0.4}, {"fpP", 100, 400}, {"fpG", 400, 1500, nullptr, "kgf"}}},
    {"fpG", "Um carro freia com as rodas travadas sobre asfalto molhado, onde o coeficiente de atrito cinético "
            "entre os pneus e o asfalto é {fpM}. A força de atrito que freia o carro vale {fpP}. Qual é a força "
            "normal total do asfalto sobre os pneus, em {?}?",
     {{"fpM", 0.3, 0.5}, {"fpP", 2500, 10000, nullptr, "kN"}, {"fpG", 7800, 20000, nullptr, "kN kgf"}}},
};

// Py = P·cos a: a block on a laboratory plane (30° to 60°), a skier on a slope (12° to
// 40°), a car on a steep street (10° to 23°), a crate on a loading ramp, a funicular car
// (10 to 20 t on slopes of 18° to 45°).
const Statement inclineYStatements[] = {
    {"fpP", "Numa aula de laboratório, um bloco de peso {fpM} repousa sobre um plano inclinado cujo ângulo com a "
            "horizontal tem cosseno {fpG}. Qual é a componente do peso perpendicular ao plano, em {?}?",
     {{"fpM", 5, 50, nullptr, "kgf"}, {"fpG", 0.5, 0.94}, {"fpP", 2.5, 47}}},
    {"fpP", "Um esquiador de peso {fpM}, com o equipamento, desce uma encosta cuja inclinação tem cosseno {fpG}. "
            "Qual é a componente do seu peso perpendicular à encosta, em {?}?",
     {{"fpM", 500, 1100, nullptr, "kgf"}, {"fpG", 0.77, 0.98}, {"fpP", 385, 1080}}},
    {"fpP", "Um carro de peso {fpM} está estacionado numa ladeira cujo ângulo com a horizontal tem cosseno {fpG}. "
            "Qual é a componente do peso do carro perpendicular à ladeira, em {?}?",
     {{"fpM", 7800, 20000, nullptr, "kN kgf"}, {"fpG", 0.92, 0.985}, {"fpP", 7000, 19700, nullptr, "kN"}}},
    {"fpM", "Um caixote é empurrado por uma rampa de carga cujo ângulo com a horizontal tem cosseno {fpG}; a "
            "componente do seu peso perpendicular à rampa vale {fpP}. Qual é o peso do caixote, em {?}?",
     {{"fpG", 0.87, 0.98}, {"fpP", 100, 900, nullptr, "kgf"}, {"fpM", 110, 1000}}},
    {"fpM", "No plano inclinado de um laboratório, cujo ângulo com a horizontal tem cosseno {fpG}, a força normal "
            "sobre um bloco em repouso vale {fpP}. Qual é o peso do bloco, em {?}?",
     {{"fpG", 0.5, 0.94}, {"fpP", 2, 45}, {"fpM", 4, 50, nullptr, "kgf"}}},
    {"fpM", "Um vagão de funicular está parado numa encosta cuja inclinação tem cosseno {fpG}, e a componente do "
            "seu peso perpendicular aos trilhos vale {fpP}. Qual é o peso do vagão, em {?}?",
     {{"fpG", 0.7, 0.95}, {"fpP", 60, 190, "kN", "kN"}, {"fpM", 100, 200, "kN", "kN"}}},
    {"fpG", "Um bloco de peso {fpM} está apoiado num plano inclinado, e a componente do seu peso perpendicular ao "
            "plano vale {fpP}. Qual é o cosseno do ângulo de inclinação do plano?",
     {{"fpM", 5, 50, nullptr, "kgf"}, {"fpP", 2, 48}, {"fpG", 0.5, 0.95}}},
    {"fpG", "Um carro de peso {fpM} está estacionado numa ladeira, e a componente do seu peso perpendicular à "
            "ladeira vale {fpP}. Qual é o cosseno do ângulo de inclinação da ladeira?",
     {{"fpM", 7800, 20000, nullptr, "kN"}, {"fpP", 7000, 19700, nullptr, "kN"}, {"fpG", 0.92, 0.985}}},
    {"fpG", "A componente perpendicular à encosta do peso de um esquiador, que com o equipamento pesa {fpM}, vale "
            "{fpP}. Qual é o cosseno do ângulo de inclinação da encosta?",
     {{"fpM", 500, 1100, nullptr, "kgf"}, {"fpP", 380, 1080}, {"fpG", 0.77, 0.98}}},
};

// Px = P·sen a: a skateboard ramp (12° to 45°), a laboratory plane, a truck on a
// mountain road (grades of 5 % to 10 %), a supermarket trolley on a car-park ramp, a
// cyclist climbing, a street and a playground slide (24° to 45°).
const Statement inclineXStatements[] = {
    {"fpP", "Um skatista de peso {fpM}, com o skate, desce uma rampa cujo ângulo de inclinação tem seno {fpG}. "
            "Qual é a componente do peso que o faz descer a rampa, em {?}?",
     {{"fpM", 300, 900, nullptr, "kgf"}, {"fpG", 0.2, 0.7}, {"fpP", 60, 630}}},
    {"fpP", "Numa aula de laboratório, um bloco de peso {fpM} está sobre um plano inclinado sem atrito cujo ângulo "
            "com a horizontal tem seno {fpG}. Qual é a componente do peso paralela ao plano, em {?}?",
     {{"fpM", 5, 50, nullptr, "kgf"}, {"fpG", 0.2, 0.87}, {"fpP", 1, 44}}},
    {"fpP", "Um caminhão de peso {fpM} desce um trecho de serra cuja inclinação tem seno {fpG}. Qual é a "
            "componente do peso do caminhão ao longo da pista, que os freios devem equilibrar para ele descer com "
            "velocidade constante, em {?}?",
     {{"fpM", 50, 400, "kN", "kN"}, {"fpG", 0.05, 0.1}, {"fpP", 2.5, 40, "kN", "kN"}}},
    {"fpM", "Num plano inclinado cujo ângulo com a horizontal tem seno {fpG}, a componente do peso de um caixote "
            "ao longo do plano vale {fpP}. Qual é o peso do caixote, em {?}?",
     {{"fpG", 0.2, 0.6}, {"fpP", 50, 600, nullptr, "kgf"}, {"fpM", 100, 1200}}},
    {"fpM", "Para manter parado um carrinho de supermercado numa rampa de estacionamento cuja inclinação tem seno "
            "{fpG}, uma pessoa equilibra uma componente do peso de {fpP} ao longo da rampa. Qual é o peso do "
            "carrinho carregado, em {?}?",
     {{"fpG", 0.08, 0.2}, {"fpP", 15, 100}, {"fpM", 150, 600, nullptr, "kgf"}}},
    {"fpM", "Um ciclista sobe uma ladeira cuja inclinação tem seno {fpG}; a componente do peso do conjunto "
            "ciclista e bicicleta ao longo da ladeira vale {fpP}. Qual é o peso desse conjunto, em {?}?",
     {{"fpG", 0.05, 0.2}, {"fpP", 30, 240}, {"fpM", 600, 1200, nullptr, "kgf"}}},
    {"fpG", "A componente ao longo do plano do peso de um bloco de laboratório, que pesa {fpM}, vale {fpP}. Qual é "
            "o seno do ângulo de inclinação do plano?",
     {{"fpM", 5, 50, nullptr, "kgf"}, {"fpP", 1, 45}, {"fpG", 0.2, 0.87}}},
    {"fpG", "Um carro de peso {fpM} estacionado numa ladeira tem componente do peso ao longo da ladeira igual a "
            "{fpP}. Qual é o seno do ângulo de inclinação da ladeira?",
     {{"fpM", 7800, 20000, nullptr, "kN"}, {"fpP", 800, 6800, nullptr, "kN"}, {"fpG", 0.1, 0.34}}},
    {"fpG", "Uma criança de peso {fpM} desce um escorregador, e a componente do seu peso ao longo da rampa do "
            "brinquedo vale {fpP}. Qual é o seno do ângulo de inclinação do escorregador?",
     {{"fpM", 150, 400, nullptr, "kgf"}, {"fpP", 60, 280}, {"fpG", 0.4, 0.7}}},
};

// T = F·d with the force along the path: a supermarket trolley, a crane (loads of 0,5 to
// 5 t), a weightlifter's barbell (60 to 200 kg raised about 2 m), a warehouse crate, a
// tow truck's winch, a horse and cart, a sled, a wheelbarrow and a lift's cable.
const Statement workStatements[] = {
    {"fpP", "Uma pessoa empurra um carrinho de supermercado com uma força constante de {fpM}, na direção do "
            "deslocamento, ao longo de {fpG} de corredor. Qual é o trabalho realizado por essa força, em {?}?",
     {{"fpM", 20, 80}, {"fpG", 5, 40}, {"fpP", 100, 3200, nullptr, "kJ"}}},
    {"fpP", "Um guindaste ergue uma carga com velocidade constante, aplicando nela uma força vertical de {fpM} ao "
            "longo de {fpG}. Qual é o trabalho realizado pela força do guindaste, em {?}?",
     {{"fpM", 5, 50, "kN", "kN"}, {"fpG", 5, 40}, {"fpP", 25, 2000, "kJ", "kJ"}}},
    {"fpP", "Um halterofilista ergue uma barra do chão até acima da cabeça, aplicando nela uma força vertical "
            "média de {fpM} ao longo de {fpG}. Qual é o trabalho realizado por essa força, em {?}?",
     {{"fpM", 600, 2000, nullptr, "kgf"}, {"fpG", 1.8, 2.2, nullptr, "cm"}, {"fpP", 1000, 4400, nullptr, "kJ"}}},
    {"fpM", "Uma força constante, paralela ao deslocamento, realiza um trabalho de {fpP} ao arrastar um caixote "
            "por {fpG} sobre o piso de um depósito. Qual é a intensidade dessa força, em {?}?",
     {{"fpP", 200, 6000, nullptr, "kJ"}, {"fpG", 2, 20}, {"fpM", 50, 500, nullptr, "kgf"}}},
    {"fpM", "O guincho de um caminhão-plataforma puxa um carro avariado rampa acima por {fpG}, com o cabo paralelo "
            "à rampa, e realiza um trabalho de {fpP}. Qual é a força exercida pelo cabo, em {?}?",
     {{"fpG", 4, 8, nullptr, "cm"}, {"fpP", 4, 50, "kJ", "kJ"}, {"fpM", 1000, 8000, nullptr, "kN"}}},
    {"fpM", "Um cavalo puxa uma carroça por {fpG} numa estrada de terra, com a força na direção do deslocamento, e "
            "realiza um trabalho de {fpP}. Qual é a força média que o cavalo exerce, em {?}?",
     {{"fpG", 0.5, 5, "km", "km"}, {"fpP", 150, 7500, "kJ", "kJ"}, {"fpM", 300, 1500}}},
    {"fpG", "Uma força constante de {fpM}, paralela ao deslocamento, realiza um trabalho de {fpP} ao puxar um "
            "trenó sobre a neve. Qual foi o deslocamento do trenó, em {?}?",
     {{"fpM", 50, 300}, {"fpP", 500, 10000, nullptr, "kJ"}, {"fpG", 5, 60}}},
    {"fpG", "Um operário empurra um carrinho de mão com força de {fpM}, na direção do movimento, e realiza um "
            "trabalho de {fpP}. Que distância o carrinho percorreu, em {?}?",
     {{"fpM", 50, 200, nullptr, "kgf"}, {"fpP", 200, 4000, nullptr, "kJ"}, {"fpG", 3, 40}}},
    {"fpG", "O cabo de um elevador puxa a cabine para cima com uma força constante de {fpM} e realiza um trabalho "
            "de {fpP}. Quanto a cabine subiu, em {?}?",
     {{"fpM", 5, 15, "kN", "kN"}, {"fpP", 15, 600, "kJ", "kJ"}, {"fpG", 3, 60}}},
};

// T = F·d·cos a with a pull at an angle: a child's toy cart, a sled, a barge towed from
// the bank (a cable nearly along the canal), a suitcase's handle (30° to 60°), a lawn
// mower's handle, a dog team's harness and a rope on a crate.
const Statement inclinedWorkStatements[] = {
    {"tiT", "Uma criança puxa um carrinho de brinquedo por uma corda com uma força de {tiF}; a corda forma com o "
            "chão um ângulo de cosseno {tiCos}. Qual é o trabalho dessa força num deslocamento de {tiD}, em {?}?",
     {{"tiF", 5, 30, nullptr, "kgf"}, {"tiCos", 0.5, 0.95}, {"tiD", 2, 20}, {"tiT", 5, 570}}},
    {"tiT", "Um trenó é puxado por {tiD} sobre a neve por uma força de {tiF}; o cosseno do ângulo entre a força e "
            "o deslocamento é {tiCos}. Qual é o trabalho realizado por essa força, em {?}?",
     {{"tiD", 10, 100}, {"tiF", 50, 200, nullptr, "kgf"}, {"tiCos", 0.7, 0.95}, {"tiT", 350, 19000, nullptr, "kJ"}}},
    {"tiT", "Da margem de um canal, um trator reboca uma barcaça por {tiD}; o cabo exerce uma força de {tiF} e "
            "forma com o deslocamento um ângulo de cosseno {tiCos}. Qual é o trabalho da força do cabo, em {?}?",
     {{"tiD", 0.2, 2, "km", "km"}, {"tiF", 2, 10, "kN", "kN"}, {"tiCos", 0.8, 0.98}, {"tiT", 300, 20000, "kJ", "kJ"}}},
    {"tiF", "Num aeroporto, um viajante puxa uma mala de rodinhas por {tiD} pela alça, que forma com o deslocamento "
            "um ângulo de cosseno {tiCos}; a força na alça realiza um trabalho de {tiT}. Qual é a intensidade "
            "dessa força, em {?}?",
     {{"tiD", 20, 200}, {"tiCos", 0.5, 0.87}, {"tiT", 200, 10000, nullptr, "kJ"}, {"tiF", 15, 80}}},
    {"tiF", "Uma barcaça é rebocada por {tiD} ao longo de um canal por um cabo cujo ângulo com o deslocamento tem "
            "cosseno {tiCos}. Sabendo que a força do cabo realizou um trabalho de {tiT}, qual é a intensidade "
            "dessa força, em {?}?",
     {{"tiD", 0.2, 2, "km", "km"}, {"tiCos", 0.8, 0.98}, {"tiT", 400, 20000, "kJ", "kJ"}, {"tiF", 2, 10, "kN", "kN"}}},
    {"tiF", "Um jardineiro empurra um cortador de grama por {tiD}; o cabo forma com o deslocamento um ângulo de "
            "cosseno {tiCos}, e a força que ele faz ao longo do cabo realiza um trabalho de {tiT}. Qual é a "
            "intensidade dessa força, em {?}?",
     {{"tiD", 10, 50}, {"tiCos", 0.6, 0.87}, {"tiT", 300, 8000, nullptr, "kJ"}, {"tiF", 50, 200, nullptr, "kgf"}}},
    {"tiD", "Uma equipe de cães puxa um trenó com uma força de {tiF}, cujo ângulo com o chão tem cosseno {tiCos}, "
            "e realiza um trabalho de {tiT}. Que distância o trenó percorreu, em {?}?",
     {{"tiF", 200, 800, nullptr, "kgf"}, {"tiCos", 0.85, 0.98}, {"tiT", 10, 1500, "kJ", "kJ"}, {"tiD", 50, 2000, nullptr, "km"}}},
    {"tiD", "Uma pessoa arrasta um caixote puxando uma corda com força de {tiF}; o cosseno do ângulo entre a corda "
            "e o chão é {tiCos}, e o trabalho dessa força é {tiT}. Qual foi o deslocamento do caixote, em {?}?",
     {{"tiF", 50, 300, nullptr, "kgf"}, {"tiCos", 0.5, 0.95}, {"tiT", 100, 8000, nullptr, "kJ"}, {"tiD", 1, 30}}},
    {"tiD", "Uma criança puxa um carrinho de brinquedo por um barbante com força de {tiF}; o barbante forma com o "
            "chão um ângulo de cosseno {tiCos}, e o trabalho dessa força é {tiT}. Que distância o carrinho "
            "percorreu, em {?}?",
     {{"tiF", 2, 20, nullptr, "kgf"}, {"tiCos", 0.5, 0.95}, {"tiT", 5, 300}, {"tiD", 2, 20}}},
    {"tiCos", "Ao puxar uma mala de rodinhas por {tiD} com uma força de {tiF} na alça, um viajante realiza um "
              "trabalho de {tiT}. Qual é o cosseno do ângulo entre a alça e o chão?",
     {{"tiD", 20, 200}, {"tiF", 15, 80}, {"tiT", 200, 10000, nullptr, "kJ"}, {"tiCos", 0.5, 0.87}}},
    {"tiCos", "Uma força de {tiF} puxa um trenó por {tiD} sobre a neve e realiza um trabalho de {tiT}. Qual é o "
              "cosseno do ângulo entre a força e o deslocamento?",
     {{"tiF", 50, 200, nullptr, "kgf"}, {"tiD", 10, 100}, {"tiT", 350, 19000, nullptr, "kJ"}, {"tiCos", 0.7, 0.95}}},
    {"tiCos", "Um jardineiro empurra um cortador de grama por {tiD}, fazendo ao longo do cabo uma força de {tiF}, "
              "e realiza um trabalho de {tiT}. Qual é o cosseno do ângulo entre o cabo e o chão?",
     {{"tiD", 10, 50}, {"tiF", 50, 200, nullptr, "kgf"}, {"tiT", 300, 8000, nullptr, "kJ"}, {"tiCos", 0.6, 0.87}}},
};

// P = T/Δt: a lift's motor (5 to 30 kW), an athlete up a stadium's stairs (150 to
// 1 200 W for a minute or less), a water pump (0,3 to 2 cv), a car's engine (50 to
// 200 cv), a cyclist (50 to 400 W) and a crane (5 to 50 kW).
const Statement powerStatements[] = {
    {"pP", "O motor de um elevador realiza um trabalho de {pT} para subir a cabine com os passageiros em {pdT}. "
           "Qual é a potência média desenvolvida pelo motor, em {?}?",
     {{"pT", 50, 500, "kJ", "kJ"}, {"pdT", 10, 60}, {"pP", 2, 30, "kW", "kW cv"}}},
    {"pP", "Ao subir a escadaria de um estádio, um atleta realiza um trabalho de {pT} em {pdT}. Qual é a potência "
           "média desenvolvida pelo atleta, em {?}?",
     {{"pT", 3, 25, "kJ", "kJ kcal"}, {"pdT", 10, 60}, {"pP", 150, 1200, nullptr, "kW"}}},
    {"pP", "Uma bomba-d'água realiza um trabalho de {pT} para encher a caixa-d'água de um prédio em {pdT}. Qual é a "
           "potência média da bomba, em {?}?",
     {{"pT", 100, 2000, "kJ", "kJ"}, {"pdT", 5, 60, "min", "min"}, {"pP", 200, 1500, nullptr, "cv HP kW"}}},
    {"pT", "Numa arrancada, o motor de um carro desenvolve uma potência média de {pP} durante {pdT}. Qual é o "
           "trabalho realizado pelo motor, em {?}?",
     {{"pP", 50, 200, "cv", "cv kW"}, {"pdT", 5, 15}, {"pT", 180, 2200, "kJ", "kJ"}}},
    {"pT", "Num passeio, uma ciclista desenvolve uma potência média de {pP} durante {pdT}. Qual é o trabalho "
           "realizado por ela, em {?}?",
     {{"pP", 50, 400}, {"pdT", 10, 120, "min", "min h"}, {"pT", 30, 2900, "kJ", "kJ kcal"}}},
    {"pT", "Um guindaste de potência {pP} funciona durante {pdT} para erguer uma viga de concreto. Qual é o "
           "trabalho realizado pelo guindaste, em {?}?",
     {{"pP", 5, 50, "kW", "kW cv"}, {"pdT", 20, 180}, {"pT", 100, 9000, "kJ", "kJ"}}},
    {"pdT", "Quanto tempo, em {?}, um guindaste de potência {pP} leva para realizar um trabalho de {pT} ao erguer "
            "uma carga?",
     {{"pP", 10, 50, "kW", "kW cv"}, {"pT", 100, 2000, "kJ", "kJ"}, {"pdT", 5, 180}}},
    {"pdT", "O motor de um elevador, de potência {pP}, realiza um trabalho de {pT} para subir com os passageiros. "
            "Quanto tempo dura a subida, em {?}?",
     {{"pP", 5, 20, "kW", "kW cv"}, {"pT", 50, 500, "kJ", "kJ"}, {"pdT", 5, 60}}},
    {"pdT", "Um ciclista pedala com potência média de {pP}. Quanto tempo ele leva para realizar um trabalho de "
            "{pT}, em {?}?",
     {{"pP", 100, 300}, {"pT", 100, 1500, "kJ", "kJ kcal"}, {"pdT", 5, 120, "min", "min h"}}},
};

// P = F·v at constant speed: a car on a highway (a drag of 300 to 1 000 N at 80 to
// 120 km/h), a lift (1 to 3 m/s), a cyclist (50 to 400 W), an outboard motorboat (20 to
// 150 cv), a truck on a mountain road (150 to 500 cv), a locomotive (1 to 4 MW), a crane.
const Statement powerFromSpeedStatements[] = {
    {"fpP", "Numa rodovia, um carro mantém a velocidade constante de {fpG}, e o motor exerce sobre ele uma força de "
            "tração de {fpM}, que equilibra a resistência do ar e do asfalto. Qual é a potência desenvolvida pelo "
            "motor, em {?}?",
     {{"fpG", 80, 120, "km/h", "km/h"}, {"fpM", 300, 1000, nullptr, "kN"}, {"fpP", 6, 34, "kW", "kW cv"}}},
    {"fpP", "Um elevador sobe com velocidade constante de {fpG}, puxado por um cabo que exerce uma força de {fpM}. "
            "Qual é a potência desenvolvida pelo motor do elevador, em {?}?",
     {{"fpG", 1, 3}, {"fpM", 5, 15, "kN", "kN"}, {"fpP", 5, 45, "kW", "kW cv"}}},
    {"fpP", "Um ciclista pedala numa estrada plana com velocidade constante de {fpG}, e a força de tração sobre a "
            "bicicleta vale {fpM}. Qual é a potência que ele desenvolve, em {?}?",
     {{"fpG", 15, 35, "km/h", "km/h"}, {"fpM", 10, 40}, {"fpP", 50, 400}}},
    {"fpM", "O motor de popa de uma lancha, de {fpP}, a mantém com velocidade constante de {fpG}. Qual é a "
            "intensidade da força de tração que ele exerce, em {?}?",
     {{"fpP", 20, 150, "cv", "cv kW"}, {"fpG", 20, 50, "km/h", "km/h"}, {"fpM", 1000, 20000, nullptr, "kN"}}},
    {"fpM", "Uma ciclista que pedala a {fpG} desenvolve uma potência de {fpP}. Qual é a força de tração que a "
            "impulsiona, em {?}?",
     {{"fpG", 10, 30, "km/h", "km/h"}, {"fpP", 50, 400}, {"fpM", 6, 140}}},
    {"fpM", "Um caminhão sobe uma serra com velocidade constante de {fpG}, e o motor desenvolve {fpP}. Qual é a "
            "força de tração sobre o caminhão, em {?}?",
     {{"fpG", 30, 60, "km/h", "km/h"}, {"fpP", 150, 500, "cv", "cv kW"}, {"fpM", 6, 45, "kN", "kN"}}},
    {"fpG", "Uma locomotiva desenvolve {fpP} para puxar um trem com uma força de tração de {fpM}. Qual é a "
            "velocidade do trem, em {?}?",
     {{"fpP", 1000, 4000, "kW", "kW MW"}, {"fpM", 50, 300, "kN", "kN"}, {"fpG", 5, 30, nullptr, "km/h"}}},
    {"fpG", "Um guindaste de {fpP} ergue uma carga com velocidade constante, exercendo nela uma força de {fpM}. "
            "Com que velocidade a carga sobe, em {?}?",
     {{"fpP", 5, 50, "kW", "kW"}, {"fpM", 5, 50, "kN", "kN"}, {"fpG", 0.2, 3, nullptr, "cm/s"}}},
    {"fpG", "O motor de um carro desenvolve {fpP} e exerce uma força de tração de {fpM}, com o carro em velocidade "
            "constante. Qual é essa velocidade, em {?}?",
     {{"fpP", 20, 60, "kW", "kW cv"}, {"fpM", 600, 2000, nullptr, "kN"}, {"fpG", 10, 35, nullptr, "km/h"}}},
};

// Ec = m·v²/2: a car at 80 to 120 km/h (10⁵ to 10⁶ J), a kicked football (10 to 30 m/s),
// a roller-coaster car (400 to 1 000 kg at 10 to 30 m/s), a truck, a sprinter (7 to
// 11 m/s), an arrow (15 to 35 g at 50 to 100 m/s), a tennis serve (30 to 60 m/s).
const Statement kineticEnergyStatements[] = {
    {"ecEC", "Um carro de {ecM} trafega numa rodovia a {ecV}. Qual é a sua energia cinética, em {?}?",
     {{"ecM", 800, 2000, nullptr, "t"}, {"ecV", 80, 120, "km/h", "km/h"}, {"ecEC", 190, 1200, "kJ", "kJ"}}},
    {"ecEC", "Num chute, uma bola de futebol de {ecM} sai do pé do jogador a {ecV}. Qual é a energia cinética da "
             "bola, em {?}?",
     {{"ecM", 0.41, 0.45, nullptr, "g"}, {"ecV", 10, 30, nullptr, "km/h"}, {"ecEC", 20, 200}}},
    {"ecEC", "Um carrinho de montanha-russa com os passageiros, de massa total {ecM}, passa pelo ponto mais baixo "
             "do trilho a {ecV}. Qual é a energia cinética do carrinho nesse ponto, em {?}?",
     {{"ecM", 400, 1000, nullptr, "t"}, {"ecV", 10, 30, nullptr, "km/h"}, {"ecEC", 20, 450, "kJ", "kJ"}}},
    {"ecM", "Um caminhão carregado trafega a {ecV} com energia cinética de {ecEC}. Qual é a massa do caminhão, "
            "em {?}?",
     {{"ecV", 40, 90, "km/h", "km/h"}, {"ecEC", 300, 12500, "kJ", "kJ"}, {"ecM", 5, 40, "t", "t"}}},
    {"ecM", "Um velocista corre a {ecV} com energia cinética de {ecEC}. Qual é a massa do velocista, em {?}?",
     {{"ecV", 7, 11, nullptr, "km/h"}, {"ecEC", 1200, 5500, nullptr, "kJ"}, {"ecM", 50, 95}}},
    {"ecM", "Uma flecha sai do arco a {ecV} com energia cinética de {ecEC}. Qual é a massa da flecha, em {?}?",
     {{"ecV", 50, 100, nullptr, "km/h"}, {"ecEC", 25, 150}, {"ecM", 15, 35, "g", "g"}}},
    {"ecV", "Um carrinho de montanha-russa com os passageiros, de massa total {ecM}, tem energia cinética de "
            "{ecEC} no ponto mais baixo do trilho. Qual é a sua velocidade nesse ponto, em {?}?",
     {{"ecM", 400, 1000, nullptr, "t"}, {"ecEC", 20, 450, "kJ", "kJ"}, {"ecV", 10, 30, nullptr, "km/h"}}},
    {"ecV", "Um carro de {ecM} tem energia cinética de {ecEC}. Com que velocidade ele se move, em {?}?",
     {{"ecM", 800, 2000, nullptr, "t"}, {"ecEC", 50, 1200, "kJ", "kJ"}, {"ecV", 40, 120, "km/h", "km/h"}}},
    {"ecV", "No saque, uma tenista dá a uma bola de {ecM} uma energia cinética de {ecEC}. Com que velocidade a bola "
            "sai da raquete, em {?}?",
     {{"ecM", 56, 59, "g", "g"}, {"ecEC", 25, 110}, {"ecV", 30, 60, nullptr, "km/h"}}},
};

// Epe = k·x²/2: a toy dart gun, a car's suspension spring (10⁴ to 10⁵ N/m), a
// slingshot's band, a ballpoint pen's spring (100 to 1 000 N/m, a few millimetres) and
// a pinball plunger.
const Statement elasticEnergyStatements[] = {
    {"ecEC", "A mola de uma pistola de brinquedo, de constante elástica {ecM}, é comprimida de {ecV} para lançar "
             "um dardo de espuma. Qual é a energia potencial elástica armazenada na mola, em {?}?",
     {{"ecM", 200, 800, nullptr, "N/cm"}, {"ecV", 3, 10, "cm", "cm"}, {"ecEC", 0.09, 4}}},
    {"ecEC", "A mola da suspensão de um carro, de constante elástica {ecM}, é comprimida de {ecV} quando a roda "
             "passa por uma lombada. Qual é a energia potencial elástica armazenada na mola, em {?}?",
     {{"ecM", 10, 100, "kN/m", "kN/m N/cm"}, {"ecV", 2, 15, "cm", "cm"}, {"ecEC", 2, 1100, nullptr, "kJ"}}},
    {"ecEC", "O elástico de um estilingue, de constante elástica {ecM}, é esticado de {ecV}. Qual é a energia "
             "potencial elástica armazenada no elástico, em {?}?",
     {{"ecM", 100, 500, nullptr, "N/cm"}, {"ecV", 10, 40, "cm", "cm"}, {"ecEC", 0.5, 40}}},
    {"ecM", "A mola de uma caneta esferográfica, comprimida de {ecV} quando a caneta é clicada, armazena {ecEC} de "
            "energia potencial elástica. Qual é a constante elástica da mola, em {?}?",
     {{"ecV", 2, 8, "mm", "mm"}, {"ecEC", 0.0005, 0.03}, {"ecM", 100, 1000, nullptr, "N/cm"}}},
    {"ecM", "Ao passar por um buraco, a mola da suspensão de um carro é comprimida de {ecV} e armazena {ecEC} de "
            "energia potencial elástica. Qual é a constante elástica da mola, em {?}?",
     {{"ecV", 3, 15, "cm", "cm"}, {"ecEC", 10, 1000, nullptr, "kJ"}, {"ecM", 10, 100, "kN/m", "kN/m N/cm"}}},
    {"ecM", "No lançador de um fliperama, uma mola comprimida de {ecV} guarda {ecEC} de energia potencial "
            "elástica. Qual é a constante elástica da mola, em {?}?",
     {{"ecV", 3, 8, "cm", "cm"}, {"ecEC", 0.1, 3}, {"ecM", 100, 1500, nullptr, "N/cm"}}},
    {"ecV", "A mola de uma pistola de brinquedo tem constante elástica {ecM}. De quanto ela deve ser comprimida "
            "para armazenar {ecEC} de energia potencial elástica, em {?}?",
     {{"ecM", 200, 800, nullptr, "N/cm"}, {"ecEC", 0.1, 3}, {"ecV", 2, 10, "cm", "cm mm"}}},
    {"ecV", "A mola da suspensão de um carro tem constante elástica {ecM}. De quanto ela está comprimida quando "
            "armazena {ecEC} de energia potencial elástica, em {?}?",
     {{"ecM", 10, 100, "kN/m", "kN/m"}, {"ecEC", 10, 1000, nullptr, "kJ"}, {"ecV", 2, 20, "cm", "cm"}}},
    {"ecV", "A mola de uma caneta, de constante elástica {ecM}, armazena {ecEC} de energia potencial elástica "
            "quando a caneta é clicada. De quanto a mola está comprimida, em {?}?",
     {{"ecM", 100, 1000, nullptr, "N/cm"}, {"ecEC", 0.0005, 0.03}, {"ecV", 2, 10, "mm", "mm"}}},
};

// Epg = m·g·h: on Earth g from the table; on the Moon or Mars the body's; an unknown
// world's g is asked. A flower pot on a balcony, a crane's load (0,5 to 5 t), a rock
// lifted by an astronaut, a box on a shelf, a rooftop water tank (1 to 10 t), a
// climber's backpack, a lift, a delivery drone (up to 120 m).
const Statement gravitationalEnergyStatements[] = {
    {"tiT", "Um vaso de planta de {tiF} está numa sacada a {tiCos} do chão. Qual é a sua energia potencial "
            "gravitacional em relação ao chão, em {?}? Considere g = {tiD}.",
     {{"tiF", 1, 10}, {"tiCos", 3, 30}, {.field = "tiD", .table = earth}, {"tiT", 30, 3000, nullptr, "kJ"}}},
    {"tiT", "Um guindaste ergue uma carga de {tiF} até o alto de um prédio em construção, a {tiCos} do solo. Qual "
            "é a energia potencial gravitacional da carga em relação ao solo, em {?}? Considere g = {tiD}.",
     {{"tiF", 0.5, 5, "t", "t"}, {"tiCos", 10, 60}, {.field = "tiD", .table = earth}, {"tiT", 49, 3000, "kJ", "kJ"}}},
    {"tiT", "Um astronauta ergue uma rocha de {tiF} a {tiCos} do solo {tiD:em}, onde a aceleração da gravidade é "
            "{tiD}. Qual é a energia potencial gravitacional da rocha em relação ao solo, em {?}?",
     {{"tiF", 1, 20, nullptr, "g"}, {"tiCos", 0.5, 2, nullptr, "cm"}, {.field = "tiD", .table = &Materials::surfaceGravity},
      {"tiT", 0.8, 150}}},
    {"tiF", "Uma caixa colocada numa prateleira a {tiCos} do chão tem energia potencial gravitacional de {tiT} em "
            "relação ao chão. Qual é a massa da caixa, em {?}? Considere g = {tiD}.",
     {{"tiCos", 1, 2.5, nullptr, "cm"}, {"tiT", 10, 750}, {.field = "tiD", .table = earth}, {"tiF", 1, 30}}},
    {"tiF", "A água de uma caixa-d'água no alto de um prédio, a {tiCos} do solo, tem energia potencial "
            "gravitacional de {tiT} em relação ao solo. Qual é a massa de água na caixa, em {?}? Considere "
            "g = {tiD}.",
     {{"tiCos", 10, 40}, {"tiT", 100, 4000, "kJ", "kJ"}, {.field = "tiD", .table = earth}, {"tiF", 1, 10, "t", "t"}}},
    {"tiF", "Ao subir {tiCos} numa montanha, um alpinista dá à sua mochila {tiT} de energia potencial "
            "gravitacional. Qual é a massa da mochila, em {?}? Considere g = {tiD}.",
     {{"tiCos", 100, 1000, nullptr, "km"}, {"tiT", 5, 200, "kJ", "kJ"}, {.field = "tiD", .table = earth},
      {"tiF", 5, 25}}},
    {"tiD", "Num planeta distante, ainda pouco estudado, uma rocha de {tiF} a {tiCos} do solo tem energia "
            "potencial gravitacional de {tiT} em relação ao solo. Qual é a aceleração da gravidade nesse planeta, "
            "em {?}?",
     {{"tiF", 1, 10, nullptr, "g"}, {"tiCos", 1, 20}, {"tiT", 5, 5000, nullptr, "kJ"}, {"tiD", 1, 30}}},
    {"tiD", "Uma sonda pousada num exoplaneta ergue uma amostra de {tiF} a {tiCos} do solo, e a amostra ganha "
            "{tiT} de energia potencial gravitacional. Qual é a aceleração da gravidade nesse exoplaneta, em {?}?",
     {{"tiF", 0.1, 2, nullptr, "g"}, {"tiCos", 0.5, 2, nullptr, "cm"}, {"tiT", 0.1, 100}, {"tiD", 1, 30}}},
    {"tiD", "Na superfície de uma lua recém-descoberta, um robô leva uma caixa de ferramentas de {tiF} até {tiCos} "
            "de altura, e a caixa ganha {tiT} de energia potencial gravitacional. Qual é a aceleração da gravidade "
            "nessa lua, em {?}?",
     {{"tiF", 2, 20}, {"tiCos", 0.5, 3, nullptr, "cm"}, {"tiT", 0.5, 150}, {"tiD", 0.3, 3}}},
    {"tiCos", "Um elevador com passageiros, de massa total {tiF}, sobe e ganha {tiT} de energia potencial "
              "gravitacional. Quanto ele subiu, em {?}? Considere g = {tiD}.",
     {{"tiF", 500, 1200, nullptr, "t"}, {"tiT", 20, 700, "kJ", "kJ"}, {.field = "tiD", .table = earth}, {"tiCos", 3, 60}}},
    {"tiCos", "Um alpinista leva uma mochila de {tiF} montanha acima, e a mochila ganha {tiT} de energia potencial "
              "gravitacional. Quanto o alpinista subiu, em {?}? Considere g = {tiD}.",
     {{"tiF", 5, 20}, {"tiT", 5, 200, "kJ", "kJ"}, {.field = "tiD", .table = earth}, {"tiCos", 100, 1500, nullptr, "km"}}},
    {"tiCos", "Um drone de entregas leva um pacote de {tiF} e, ao subir, dá a ele {tiT} de energia potencial "
              "gravitacional. Quanto o drone subiu, em {?}? Considere g = {tiD}.",
     {{"tiF", 0.5, 3, nullptr, "g"}, {"tiT", 20, 3500, nullptr, "kJ"}, {.field = "tiD", .table = earth}, {"tiCos", 5, 120}}},
};

// F = k·x: a car's suspension spring (2 · 10⁴ to 8 · 10⁴ N/m, a wheel carrying 2 000 to
// 6 000 N), a ballpoint pen's spring (100 to 1 000 N/m), a laboratory spring, a
// dynamometer and a slingshot's band.
const Statement hookeStatements[] = {
    {"fpP", "A mola da suspensão de um carro tem constante elástica {fpM} e está comprimida de {fpG}. Qual é a "
            "intensidade da força que a mola exerce, em {?}?",
     {{"fpM", 20, 80, "kN/m", "kN/m"}, {"fpG", 2, 15, "cm", "cm"}, {"fpP", 400, 12000, nullptr, "kN kgf"}}},
    {"fpP", "Ao clicar uma caneta, comprime-se de {fpG} a sua mola, de constante elástica {fpM}. Qual é a "
            "intensidade da força elástica da mola, em {?}?",
     {{"fpG", 2, 8, "mm", "mm"}, {"fpM", 100, 1000, nullptr, "N/cm"}, {"fpP", 0.2, 8}}},
    {"fpP", "Numa aula de laboratório, uma mola de constante elástica {fpM} é distendida de {fpG}. Qual é a "
            "intensidade da força elástica, em {?}?",
     {{"fpM", 20, 200, nullptr, "N/cm"}, {"fpG", 2, 20, "cm", "cm"}, {"fpP", 0.4, 40, nullptr, "kgf"}}},
    {"fpM", "Ao pendurar numa mola um objeto de peso {fpP}, ela se alonga {fpG} até o equilíbrio. Qual é a "
            "constante elástica da mola, em {?}?",
     {{"fpP", 1, 20, nullptr, "kgf"}, {"fpG", 2, 20, "cm", "cm"}, {"fpM", 10, 1000, nullptr, "N/cm"}}},
    {"fpM", "A mola da suspensão de uma das rodas de um carro sustenta {fpP} e está comprimida de {fpG}. Qual é a "
            "constante elástica da mola, em {?}?",
     {{"fpP", 2000, 5000, nullptr, "kN kgf"}, {"fpG", 3, 20, "cm", "cm"}, {"fpM", 10, 100, "kN/m", "kN/m"}}},
    {"fpM", "Para clicar uma caneta, é preciso fazer uma força de {fpP}, que comprime a sua mola de {fpG}. Qual é "
            "a constante elástica da mola, em {?}?",
     {{"fpP", 0.5, 5}, {"fpG", 2, 8, "mm", "mm"}, {"fpM", 100, 1000, nullptr, "N/cm"}}},
    {"fpG", "Um dinamômetro tem mola de constante elástica {fpM}. De quanto a mola se alonga quando ele indica "
            "{fpP}, em {?}?",
     {{"fpM", 50, 500, nullptr, "N/cm"}, {"fpP", 1, 20, nullptr, "kgf"}, {"fpG", 0.5, 20, "cm", "cm mm"}}},
    {"fpG", "A mola da suspensão de uma das rodas de um carro, de constante elástica {fpM}, sustenta {fpP}. De "
            "quanto ela está comprimida, em {?}?",
     {{"fpM", 20, 80, "kN/m", "kN/m"}, {"fpP", 2000, 6000, nullptr, "kN kgf"}, {"fpG", 2, 30, "cm", "cm"}}},
    {"fpG", "Para esticar o elástico de um estilingue, de constante elástica {fpM}, um garoto puxa com uma força "
            "de {fpP}. De quanto o elástico se estica, em {?}?",
     {{"fpM", 100, 500, nullptr, "N/cm"}, {"fpP", 10, 100, nullptr, "kgf"}, {"fpG", 5, 40, "cm", "cm"}}},
};

// Q = m·v: a kicked football, a car, a skater on ice (3 to 12 m/s), a truck, a bowling
// ball (3 to 7 kg at 5 to 10 m/s), a cyclist and a served tennis ball.
const Statement momentumStatements[] = {
    {"fpP", "Após um chute, uma bola de futebol de {fpM} se move a {fpG}. Qual é o módulo da quantidade de "
            "movimento da bola, em {?}?",
     {{"fpM", 0.41, 0.45, nullptr, "g"}, {"fpG", 10, 30, nullptr, "km/h"}, {"fpP", 4, 14}}},
    {"fpP", "Um carro de {fpM} trafega a {fpG}. Qual é o módulo da sua quantidade de movimento, em {?}?",
     {{"fpM", 800, 2000, nullptr, "t"}, {"fpG", 40, 120, "km/h", "km/h"}, {"fpP", 8000, 67000}}},
    {"fpP", "Uma patinadora de {fpM} desliza sobre o gelo a {fpG}. Qual é o módulo da sua quantidade de "
            "movimento, em {?}?",
     {{"fpM", 40, 80}, {"fpG", 3, 12, nullptr, "km/h"}, {"fpP", 120, 960}}},
    {"fpM", "Um caminhão que trafega a {fpG} tem quantidade de movimento de módulo {fpP}. Qual é a massa do "
            "caminhão, em {?}?",
     {{"fpG", 40, 90, "km/h", "km/h"}, {"fpP", 50000, 1000000}, {"fpM", 5, 40, "t", "t"}}},
    {"fpM", "Uma bola de boliche rola pela pista a {fpG} com quantidade de movimento de módulo {fpP}. Qual é a "
            "massa da bola, em {?}?",
     {{"fpG", 5, 10, nullptr, "km/h"}, {"fpP", 15, 70}, {"fpM", 3, 7, nullptr, "g"}}},
    {"fpM", "Um ciclista pedala a {fpG}, e o conjunto ciclista e bicicleta tem quantidade de movimento de módulo "
            "{fpP}. Qual é a massa desse conjunto, em {?}?",
     {{"fpG", 15, 35, "km/h", "km/h"}, {"fpP", 250, 1100}, {"fpM", 60, 110}}},
    {"fpG", "Logo após o saque, uma bola de tênis de {fpM} tem quantidade de movimento de módulo {fpP}. Qual é a "
            "velocidade da bola, em {?}?",
     {{"fpM", 56, 59, "g", "g"}, {"fpP", 1.5, 3.5}, {"fpG", 30, 60, nullptr, "km/h"}}},
    {"fpG", "Um carro de {fpM} tem quantidade de movimento de módulo {fpP}. Qual é a sua velocidade, em {?}?",
     {{"fpM", 800, 2000, nullptr, "t"}, {"fpP", 8000, 60000}, {"fpG", 20, 120, "km/h", "km/h"}}},
    {"fpG", "Um patinador de {fpM} desliza sobre o gelo com quantidade de movimento de módulo {fpP}. Qual é a "
            "velocidade do patinador, em {?}?",
     {{"fpM", 40, 90}, {"fpP", 100, 900}, {"fpG", 2, 12, nullptr, "km/h"}}},
};

// I = F·Δt: a kick (5 to 20 ms of contact), a tennis racket (3 to 6 ms), a stalled car
// pushed for a few seconds, an airbag (50 to 150 ms), a golf club (0,3 to 0,6 ms), a
// volleyball spike, a landing on bent knees.
const Statement impulseStatements[] = {
    {"fpP", "Um jogador chuta uma bola de futebol aplicando nela uma força média de {fpM} durante {fpG}. Qual é o "
            "módulo do impulso recebido pela bola, em {?}?",
     {{"fpM", 300, 1500, nullptr, "kN"}, {"fpG", 5, 20, "ms", "ms"}, {"fpP", 3, 15}}},
    {"fpP", "Uma raquete fica em contato com uma bola de tênis durante {fpG} e exerce nela uma força média de "
            "{fpM}. Qual é o módulo do impulso recebido pela bola, em {?}?",
     {{"fpG", 3, 6, "ms", "ms"}, {"fpM", 300, 1000, nullptr, "kgf"}, {"fpP", 1, 5}}},
    {"fpP", "Duas pessoas empurram um carro enguiçado com uma força horizontal total de {fpM} durante {fpG}. Qual "
            "é o módulo do impulso dessa força, em {?}?",
     {{"fpM", 200, 800, nullptr, "kgf"}, {"fpG", 2, 10}, {"fpP", 400, 8000}}},
    {"fpM", "Numa colisão, o airbag detém o motorista em {fpG}, aplicando-lhe um impulso de módulo {fpP}. Qual é a "
            "intensidade média da força do airbag sobre o motorista, em {?}?",
     {{"fpG", 50, 150, "ms", "ms"}, {"fpP", 1000, 2500}, {"fpM", 5, 50, "kN", "kN kgf"}}},
    {"fpM", "Um taco de golfe fica em contato com a bola durante {fpG} e lhe transmite um impulso de módulo "
            "{fpP}. Qual é a intensidade da força média do taco sobre a bola, em {?}?",
     {{"fpG", 0.3, 0.6, "ms", "ms"}, {"fpP", 1.5, 3}, {"fpM", 2500, 10000, nullptr, "kN"}}},
    {"fpM", "Numa cortada, a mão de um jogador de vôlei fica em contato com a bola durante {fpG} e lhe aplica um "
            "impulso de módulo {fpP}. Qual é a intensidade da força média sobre a bola, em {?}?",
     {{"fpG", 10, 20, "ms", "ms"}, {"fpP", 4, 9}, {"fpM", 200, 900, nullptr, "kgf"}}},
    {"fpG", "Num chute, o pé de um jogador aplica na bola uma força média de {fpM} e lhe transmite um impulso de "
            "módulo {fpP}. Quanto tempo dura o contato entre o pé e a bola, em {?}?",
     {{"fpM", 300, 1500, nullptr, "kN"}, {"fpP", 3, 15}, {"fpG", 5, 20, "ms", "ms"}}},
    {"fpG", "Um taco de golfe exerce sobre a bola uma força média de {fpM} e lhe transmite um impulso de módulo "
            "{fpP}. Quanto tempo dura o contato, em {?}?",
     {{"fpM", 2500, 10000, nullptr, "kN"}, {"fpP", 1.5, 3}, {"fpG", 0.3, 0.7, "ms", "ms"}}},
    {"fpG", "Ao saltar de um muro, uma pessoa flexiona os joelhos na aterrissagem: o chão lhe aplica uma força "
            "média de {fpM} e um impulso de módulo {fpP}. Quanto tempo dura a aterrissagem, em {?}?",
     {{"fpM", 1000, 5000, nullptr, "kgf"}, {"fpP", 150, 500}, {"fpG", 50, 500, "ms", "ms"}}},
};

const Problems::TopicProblems problemTable[] = {
    {"ButtonXPMACCorel11", secondLawStatements},
    {"ButtonXPMACCorel12", weightStatements},
    {"ButtonXPMACCorel13", torqueStatements},
    {"ButtonXPMACCorel14", frictionStatements},
    {"ButtonXPMACCorel15", inclineYStatements},
    {"ButtonXPMACCorel16", inclineXStatements},
    {"ButtonXPMACCorel23", workStatements},
    {"ButtonXPMACCorel24", inclinedWorkStatements},
    {"ButtonXPMACCorel25", powerStatements},
    {"ButtonXPMACCorel26", powerFromSpeedStatements},
    {"ButtonXPMACCorel27", kineticEnergyStatements},
    {"ButtonXPMACCorel2", elasticEnergyStatements},
    {"ButtonXPMACCorel32", gravitationalEnergyStatements},
    {"ButtonXPMACCorel33", hookeStatements},
    {"ButtonXPMACCorel34", momentumStatements},
    {"ButtonXPMACCorel35", impulseStatements},
};

}

const std::span<const Problems::TopicProblems> problems = problemTable;

}
