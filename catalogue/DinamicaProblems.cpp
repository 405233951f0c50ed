#include "catalogue/AreaProblems.h"

// The exercises of the dynamics topics. The gravity rows range from the Moon's 1,6 m/s²
// to Jupiter's 25 m/s², so that a statement may ask for g on another world; a cosine or
// sine stays below 1; the sliding rows keep the forces of a box, a car or a crane.
namespace Dinamica {

namespace {

using Problems::Range;
using Problems::Statement;

const Range secondLawRanges[] = {
    {"lnFR", 1, 10000, "kN"},
    {"lnM", 2, 1500, "g"},
    {"lnA", 0.2, 10, "cm/s²"},
};

const Statement secondLawStatements[] = {
    {"lnFR", "Um corpo de massa {lnM} adquire uma aceleração de {lnA} sob a ação de uma força resultante. "
             "Qual é a intensidade dessa força, em {?}?"},
    {"lnFR", "Um carrinho de carga de {lnM} é acelerado a {lnA} sobre um piso horizontal sem atrito. "
             "Qual é a força resultante sobre o carrinho, em {?}?"},
    {"lnM", "Uma força resultante de {lnFR} imprime a um corpo uma aceleração de {lnA}. Qual é a massa do corpo, em {?}?"},
    {"lnM", "Para acelerar um carrinho de carga a {lnA}, um operário aplica nele uma força resultante de {lnFR}. "
            "Qual é a massa do carrinho com a carga, em {?}?"},
    {"lnA", "Uma força resultante de {lnFR} atua sobre um corpo de massa {lnM}. Qual é a aceleração adquirida pelo corpo, em {?}?"},
    {"lnA", "Um rebocador puxa uma lancha de {lnM}, parada no cais, com uma força resultante de {lnFR}. "
            "Qual é a aceleração da lancha, em {?}?"},
};

const Range weightRanges[] = {
    {"fpP", 1, 3000, "kgf"},
    {"fpM", 0.2, 150, "g"},
    {"fpG", 1.6, 25},
};

const Statement weightStatements[] = {
    {"fpP", "Um astronauta de massa {fpM} desce num planeta onde a aceleração da gravidade vale {fpG}. "
            "Qual é o peso do astronauta nesse planeta, em {?}?"},
    {"fpP", "Um corpo de massa {fpM} está num local onde a aceleração da gravidade é {fpG}. Qual é o seu peso, em {?}?"},
    {"fpM", "Um dinamômetro indica que um objeto pesa {fpP} num local onde a aceleração da gravidade é {fpG}. "
            "Qual é a massa do objeto, em {?}?"},
    {"fpM", "Num planeta onde a gravidade vale {fpG}, um robô explorador pesa {fpP}. Qual é a massa do robô, em {?}?"},
    {"fpG", "Num planeta desconhecido, um corpo de massa {fpM} tem peso {fpP}. "
            "Qual é a aceleração da gravidade na superfície desse planeta, em {?}?"},
    {"fpG", "Uma sonda leva até outro planeta uma amostra de {fpM}, que lá pesa {fpP}. "
            "Qual é a aceleração da gravidade nesse planeta, em {?}?"},
};

const Range torqueRanges[] = {
    {"fpP", 0.5, 500},
    {"fpM", 5, 500, "kgf"},
    {"fpG", 0.05, 2, "cm"},
};

const Statement torqueStatements[] = {
    {"fpP", "Um mecânico aplica uma força de {fpM}, perpendicular à chave de roda, a {fpG} do eixo do parafuso. "
            "Qual é o momento dessa força em relação ao eixo, em {?}?"},
    {"fpP", "Uma pessoa empurra uma porta com uma força de {fpM}, perpendicular a ela, a {fpG} das dobradiças. "
            "Qual é o momento da força em relação ao eixo da porta, em {?}?"},
    {"fpM", "Para soltar um parafuso é preciso um momento de {fpP}. Com a chave segura a {fpG} do eixo, "
            "qual força perpendicular à chave deve ser aplicada, em {?}?"},
    {"fpM", "Uma gangorra gira quando recebe um momento de {fpP}. Que força vertical, em {?}, é preciso fazer "
            "a {fpG} do apoio?"},
    {"fpG", "Uma força de {fpM}, perpendicular à alavanca, produz um momento de {fpP} em relação ao ponto de apoio. "
            "A que distância do apoio a força está aplicada, em {?}?"},
    {"fpG", "Um ciclista exerce no pedal uma força de {fpM}, perpendicular ao pedivela, e obtém um momento de {fpP}. "
            "Qual é o comprimento do pedivela, em {?}?"},
};

const Range frictionRanges[] = {
    {"fpP", 0.5, 1500, "kgf"},
    {"fpM", 0.05, 0.9},
    {"fpG", 5, 2000, "kgf"},
};

const Statement frictionStatements[] = {
    {"fpP", "Um bloco apoiado numa mesa horizontal recebe dela uma força normal de {fpG}. O coeficiente de atrito "
            "entre o bloco e a mesa é {fpM}. Qual é a intensidade da força de atrito, em {?}?"},
    {"fpP", "Um caixote é arrastado sobre um piso com coeficiente de atrito cinético {fpM}, e a força normal do piso "
            "sobre ele vale {fpG}. Qual é a força de atrito cinético, em {?}?"},
    {"fpM", "Para arrastar um móvel com velocidade constante é preciso vencer uma força de atrito de {fpP}, sendo a "
            "força normal {fpG}. Qual é o coeficiente de atrito entre o móvel e o chão{?}?"},
    {"fpM", "Um pneu sujeito a uma força normal de {fpG} recebe do asfalto uma força de atrito de {fpP}. "
            "Qual é o coeficiente de atrito entre o pneu e o asfalto{?}?"},
    {"fpG", "Uma caixa desliza sobre uma rampa com coeficiente de atrito {fpM} e sofre uma força de atrito de {fpP}. "
            "Qual é a força normal que a rampa exerce sobre a caixa, em {?}?"},
    {"fpG", "O coeficiente de atrito entre um trenó e a neve é {fpM}, e a força de atrito sobre o trenó vale {fpP}. "
            "Qual é a força normal sobre o trenó, em {?}?"},
};

const Range inclineYRanges[] = {
    {"fpP", 1, 2000, "kgf"},
    {"fpM", 5, 2000, "kgf"},
    {"fpG", 0.2, 0.99},
};

const Statement inclineYStatements[] = {
    {"fpP", "Um bloco de peso {fpM} repousa sobre um plano inclinado cujo ângulo com a horizontal tem cosseno {fpG}. "
            "Qual é a componente do peso perpendicular ao plano, em {?}?"},
    {"fpP", "Um esquiador de peso {fpM} desce uma encosta; o cosseno do ângulo de inclinação da encosta é {fpG}. "
            "Qual é a componente normal do peso do esquiador, em {?}?"},
    {"fpM", "Sobre uma rampa cujo ângulo de inclinação tem cosseno {fpG}, a componente do peso de uma caixa "
            "perpendicular à rampa vale {fpP}. Qual é o peso da caixa, em {?}?"},
    {"fpM", "Num plano inclinado de ângulo com cosseno {fpG}, a força normal sobre um bloco em repouso vale {fpP}. "
            "Qual é o peso do bloco, em {?}?"},
    {"fpG", "A componente do peso perpendicular ao plano de um bloco de {fpM} apoiado num plano inclinado vale {fpP}. "
            "Qual é o cosseno do ângulo de inclinação do plano{?}?"},
    {"fpG", "Um carro de peso {fpM} está estacionado numa ladeira, e a componente normal do seu peso vale {fpP}. "
            "Qual é o cosseno do ângulo de inclinação da ladeira{?}?"},
};

const Range inclineXRanges[] = {
    {"fpP", 1, 2000, "kgf"},
    {"fpM", 5, 2000, "kgf"},
    {"fpG", 0.1, 0.95},
};

const Statement inclineXStatements[] = {
    {"fpP", "Um bloco de peso {fpM} está sobre um plano inclinado sem atrito cujo ângulo com a horizontal tem seno "
            "{fpG}. Qual é a componente do peso paralela ao plano, em {?}?"},
    {"fpP", "Um skatista de peso {fpM} desce uma rampa cujo ângulo de inclinação tem seno {fpG}. Qual é a componente "
            "do peso que o faz descer a rampa, em {?}?"},
    {"fpM", "Num plano inclinado cujo ângulo tem seno {fpG}, a componente do peso de um caixote ao longo do plano "
            "vale {fpP}. Qual é o peso do caixote, em {?}?"},
    {"fpM", "Para manter um carrinho parado numa rampa de seno de inclinação {fpG}, é preciso equilibrar uma "
            "componente do peso de {fpP} ao longo da rampa. Qual é o peso do carrinho, em {?}?"},
    {"fpG", "A componente ao longo do plano do peso de um bloco de {fpM} vale {fpP}. Qual é o seno do ângulo de "
            "inclinação do plano{?}?"},
    {"fpG", "Um carro de peso {fpM} estacionado numa ladeira tem componente do peso ao longo da ladeira igual a "
            "{fpP}. Qual é o seno do ângulo de inclinação da ladeira{?}?"},
};

const Range workRanges[] = {
    {"fpP", 1, 200000, "kJ"},
    {"fpM", 5, 2000},
    {"fpG", 0.2, 200, "cm"},
};

const Statement workStatements[] = {
    {"fpP", "Uma pessoa empurra um carrinho com uma força constante de {fpM}, na direção do deslocamento, ao longo "
            "de {fpG}. Qual é o trabalho realizado por essa força, em {?}?"},
    {"fpP", "Um guindaste ergue uma carga com velocidade constante, aplicando nela uma força vertical de {fpM} "
            "ao longo de {fpG}. Qual é o trabalho realizado pela força do guindaste, em {?}?"},
    {"fpM", "Uma força constante, paralela ao deslocamento, realiza um trabalho de {fpP} ao deslocar um caixote "
            "por {fpG}. Qual é a intensidade dessa força, em {?}?"},
    {"fpM", "Um motor realiza um trabalho de {fpP} ao puxar um bloco por {fpG}, na direção do cabo. "
            "Qual é a força exercida pelo cabo, em {?}?"},
    {"fpG", "Uma força constante de {fpM}, paralela ao deslocamento, realiza um trabalho de {fpP} sobre um trenó. "
            "Qual foi o deslocamento do trenó, em {?}?"},
    {"fpG", "Um operário empurra um carrinho de mão com força de {fpM}, na direção do movimento, e realiza "
            "um trabalho de {fpP}. Que distância o carrinho percorreu, em {?}?"},
};

const Range inclinedWorkRanges[] = {
    {"tiT", 1, 100000, "kJ"},
    {"tiF", 5, 1000, "kgf"},
    {"tiD", 0.5, 100, "cm"},
    {"tiCos", 0.1, 1},
};

const Statement inclinedWorkStatements[] = {
    {"tiT", "Uma criança puxa um carrinho por uma corda com uma força de {tiF}; a corda forma com a horizontal um "
            "ângulo de cosseno {tiCos}. Qual é o trabalho dessa força num deslocamento de {tiD}, em {?}?"},
    {"tiT", "Um trenó é puxado por {tiD} sobre a neve por uma força de {tiF} inclinada em relação ao chão; o cosseno "
            "do ângulo entre a força e o deslocamento é {tiCos}. Qual é o trabalho realizado, em {?}?"},
    {"tiF", "Uma mala é puxada por {tiD} por uma alça que forma com o deslocamento um ângulo de cosseno {tiCos}, e a "
            "força na alça realiza um trabalho de {tiT}. Qual é a intensidade dessa força, em {?}?"},
    {"tiF", "Um barco é rebocado por {tiD} ao longo de um canal por um cabo cujo ângulo com o deslocamento tem cosseno "
            "{tiCos}. Sabendo que o trabalho da tração foi {tiT}, qual é a força no cabo, em {?}?"},
    {"tiD", "Uma força de {tiF}, que forma com o deslocamento um ângulo de cosseno {tiCos}, realiza um trabalho de "
            "{tiT} sobre um caixote. Qual foi o deslocamento do caixote, em {?}?"},
    {"tiD", "Um cachorro puxa um trenó com uma força de {tiF}, cujo ângulo com o chão tem cosseno {tiCos}, e realiza "
            "um trabalho de {tiT}. Que distância o trenó percorreu, em {?}?"},
    {"tiCos", "Uma força de {tiF} desloca um bloco por {tiD} e realiza um trabalho de {tiT}. Qual é o cosseno do "
              "ângulo entre a força e o deslocamento{?}?"},
    {"tiCos", "Ao puxar uma mala por {tiD} com uma força de {tiF}, um viajante realiza um trabalho de {tiT}. Qual é o "
              "cosseno do ângulo entre a alça e o chão{?}?"},
};

const Range powerRanges[] = {
    {"pP", 10, 5000, "kW cv HP"},
    {"pT", 100, 5000000, "kJ kcal"},
    {"pdT", 1, 3600, "min h"},
};

const Statement powerStatements[] = {
    {"pP", "Um motor realiza um trabalho de {pT} em {pdT}. Qual é a potência média desenvolvida pelo motor, em {?}?"},
    {"pP", "Um atleta, ao subir a escadaria de um estádio, realiza um trabalho de {pT} em {pdT}. Qual é a potência "
           "média desenvolvida pelo atleta, em {?}?"},
    {"pT", "Um motor de potência {pP} funciona durante {pdT}. Qual é o trabalho realizado por ele, em {?}?"},
    {"pT", "Uma bomba-d'água de {pP} trabalha por {pdT} para encher a caixa-d'água de um prédio. Qual é o trabalho "
           "realizado pela bomba, em {?}?"},
    {"pdT", "Quanto tempo, em {?}, um guindaste de potência {pP} leva para realizar um trabalho de {pT}?"},
    {"pdT", "Um elevador de potência {pP} realiza um trabalho de {pT} para subir com os passageiros. "
            "Quanto tempo dura a subida, em {?}?"},
};

const Range powerFromSpeedRanges[] = {
    {"fpP", 10, 200000, "kW cv"},
    {"fpM", 10, 10000, "kN"},
    {"fpG", 0.5, 40, "km/h"},
};

const Statement powerFromSpeedStatements[] = {
    {"fpP", "Um carro se move com velocidade constante de {fpG}, e o motor exerce sobre ele uma força de tração de "
            "{fpM}. Qual é a potência desenvolvida pelo motor, em {?}?"},
    {"fpP", "Um elevador sobe com velocidade constante de {fpG}, puxado por um cabo que exerce uma força de {fpM}. "
            "Qual é a potência do motor do elevador, em {?}?"},
    {"fpM", "Um motor de {fpP} mantém um barco com velocidade constante de {fpG}. Qual é a intensidade da força "
            "de tração que ele exerce, em {?}?"},
    {"fpM", "Um ciclista que pedala a {fpG} desenvolve uma potência de {fpP}. Qual é a força que o impulsiona, em {?}?"},
    {"fpG", "Um motor de potência {fpP} puxa uma carga exercendo uma força de {fpM}. Com que velocidade constante "
            "a carga se move, em {?}?"},
    {"fpG", "Uma locomotiva desenvolve {fpP} para puxar um trem com uma força de tração de {fpM}. "
            "Qual é a velocidade do trem, em {?}?"},
};

const Range kineticEnergyRanges[] = {
    {"ecEC", 20, 1500000, "kJ"},
    {"ecM", 50, 1500, "t"},
    {"ecV", 1, 40, "km/h"},
};

const Statement kineticEnergyStatements[] = {
    {"ecEC", "Um veículo de massa {ecM} trafega a {ecV} numa estrada. Qual é a sua energia cinética, em {?}?"},
    {"ecEC", "Um carrinho de montanha-russa com os passageiros, de massa total {ecM}, passa pelo ponto mais baixo "
             "do trilho a {ecV}. Qual é a energia cinética do carrinho nesse ponto, em {?}?"},
    {"ecM", "Um veículo que trafega a {ecV} tem energia cinética de {ecEC}. Qual é a massa do veículo, em {?}?"},
    {"ecM", "Um carrinho de montanha-russa passa por um ponto do trilho a {ecV} com energia cinética de {ecEC}. "
            "Qual é a massa do carrinho com os passageiros, em {?}?"},
    {"ecV", "Um carrinho de montanha-russa de massa total {ecM} tem, no ponto mais baixo do trilho, energia cinética "
            "de {ecEC}. Qual é a sua velocidade nesse ponto, em {?}?"},
    {"ecV", "Um veículo de {ecM} tem energia cinética de {ecEC}. Com que velocidade ele se move, em {?}?"},
};

const Range elasticEnergyRanges[] = {
    {"ecEC", 0.01, 500},
    {"ecM", 10, 5000, "N/cm"},
    {"ecV", 0.01, 0.5, "cm"},
};

const Statement elasticEnergyStatements[] = {
    {"ecEC", "Uma mola de constante elástica {ecM} está comprimida de {ecV}. Qual é a energia potencial elástica "
             "armazenada na mola, em {?}?"},
    {"ecEC", "O elástico de um estilingue tem constante elástica {ecM} e é esticado de {ecV}. Qual é a energia "
             "potencial elástica armazenada, em {?}?"},
    {"ecM", "Uma mola deformada de {ecV} armazena {ecEC} de energia potencial elástica. Qual é a constante elástica "
            "da mola, em {?}?"},
    {"ecM", "O amortecedor de um brinquedo, comprimido de {ecV}, guarda {ecEC} de energia elástica. Qual é a "
            "constante elástica da sua mola, em {?}?"},
    {"ecV", "Uma mola de constante elástica {ecM} armazena {ecEC} de energia potencial elástica. De quanto ela está "
            "deformada, em {?}?"},
    {"ecV", "Para lançar uma bolinha, um brinquedo comprime uma mola de constante {ecM} até ela guardar {ecEC}. "
            "Qual é a compressão da mola, em {?}?"},
};

const Range gravitationalEnergyRanges[] = {
    {"tiT", 0.1, 500000, "kJ"},
    {"tiF", 0.2, 500, "g"},
    {"tiD", 1.6, 25},
    {"tiCos", 0.5, 100, "cm"},
};

const Statement gravitationalEnergyStatements[] = {
    {"tiT", "Um vaso de {tiF} está numa sacada a {tiCos} do chão, num local onde a aceleração da gravidade é {tiD}. "
            "Qual é a sua energia potencial gravitacional em relação ao chão, em {?}?"},
    {"tiT", "Um guindaste ergue uma carga de {tiF} até {tiCos} de altura, num local onde g = {tiD}. Qual é a energia "
            "potencial gravitacional da carga em relação ao solo, em {?}?"},
    {"tiF", "Um corpo a {tiCos} do solo tem energia potencial gravitacional de {tiT}, num local onde a aceleração "
            "da gravidade é {tiD}. Qual é a massa do corpo, em {?}?"},
    {"tiF", "Num local onde g = {tiD}, uma caixa colocada numa prateleira a {tiCos} do chão tem energia potencial "
            "gravitacional de {tiT}. Qual é a massa da caixa, em {?}?"},
    {"tiD", "Num planeta distante, uma rocha de {tiF} a {tiCos} do solo tem energia potencial gravitacional de {tiT}. "
            "Qual é a aceleração da gravidade nesse planeta, em {?}?"},
    {"tiD", "Um astronauta ergue uma ferramenta de {tiF} a {tiCos} do solo de outro planeta, dando a ela uma energia "
            "potencial de {tiT}. Qual é a gravidade nesse planeta, em {?}?"},
    {"tiCos", "Um corpo de {tiF} tem energia potencial gravitacional de {tiT} num local onde g = {tiD}. "
              "A que altura do solo ele está, em {?}?"},
    {"tiCos", "Um alpinista leva uma mochila de {tiF}, que ganha {tiT} de energia potencial gravitacional, num local "
              "onde a aceleração da gravidade é {tiD}. Quanto ele subiu, em {?}?"},
};

const Range hookeRanges[] = {
    {"fpP", 0.5, 1000},
    {"fpM", 10, 5000, "N/cm"},
    {"fpG", 0.005, 0.5, "cm"},
};

const Statement hookeStatements[] = {
    {"fpP", "Uma mola de constante elástica {fpM} é distendida de {fpG}. Qual é a intensidade da força elástica, "
            "em {?}?"},
    {"fpP", "A suspensão de um carrinho tem uma mola de constante {fpM}, comprimida de {fpG}. Qual é a força que a "
            "mola exerce, em {?}?"},
    {"fpM", "Uma força de {fpP} provoca numa mola uma deformação de {fpG}. Qual é a constante elástica da mola, "
            "em {?}?"},
    {"fpM", "Ao pendurar um objeto que exerce uma força de {fpP} numa mola, ela se alonga {fpG}. "
            "Qual é a constante elástica da mola, em {?}?"},
    {"fpG", "Uma mola de constante elástica {fpM} é puxada por uma força de {fpP}. Qual é a deformação da mola, "
            "em {?}?"},
    {"fpG", "Um dinamômetro tem mola de constante {fpM}. De quanto a mola se alonga quando ele marca {fpP}, em {?}?"},
};

const Range momentumRanges[] = {
    {"fpP", 0.1, 50000},
    {"fpM", 0.05, 2000, "g"},
    {"fpG", 0.5, 50, "km/h"},
};

const Statement momentumStatements[] = {
    {"fpP", "Um corpo de massa {fpM} move-se com velocidade de {fpG}. Qual é o módulo da sua quantidade de "
            "movimento, em {?}?"},
    {"fpP", "Um objeto de {fpM} desliza sobre uma pista de gelo a {fpG}. Qual é a sua quantidade de movimento, "
            "em {?}?"},
    {"fpM", "Um corpo que se move a {fpG} tem quantidade de movimento de módulo {fpP}. Qual é a sua massa, em {?}?"},
    {"fpM", "Um carrinho desce uma rampa e, ao chegar embaixo a {fpG}, tem quantidade de movimento de {fpP}. "
            "Qual é a massa do carrinho, em {?}?"},
    {"fpG", "Um corpo de massa {fpM} tem quantidade de movimento de módulo {fpP}. Qual é a sua velocidade, em {?}?"},
    {"fpG", "Um objeto de {fpM} desliza sem atrito com quantidade de movimento de {fpP}. Qual é a sua velocidade, "
            "em {?}?"},
};

const Range impulseRanges[] = {
    {"fpP", 0.1, 2000},
    {"fpM", 5, 5000, "kN"},
    {"fpG", 0.001, 2, "ms"},
};

const Statement impulseStatements[] = {
    {"fpP", "Um jogador chuta uma bola aplicando nela uma força média de {fpM} durante {fpG}. Qual é o impulso "
            "recebido pela bola, em {?}?"},
    {"fpP", "Uma força constante de {fpM} age sobre um carrinho durante {fpG}. Qual é o módulo do impulso dessa "
            "força, em {?}?"},
    {"fpM", "Um corpo recebe um impulso de {fpP} de uma força que age durante {fpG}. Qual é a intensidade média "
            "dessa força, em {?}?"},
    {"fpM", "Durante uma colisão de {fpG}, um para-choque recebe um impulso de {fpP}. Qual é a força média da "
            "colisão, em {?}?"},
    {"fpG", "Uma força média de {fpM} aplica num corpo um impulso de {fpP}. Durante quanto tempo a força agiu, "
            "em {?}?"},
    {"fpG", "Um taco de golfe exerce sobre a bola uma força média de {fpM} e lhe transmite um impulso de {fpP}. "
            "Quanto tempo dura o contato, em {?}?"},
};

const Problems::TopicProblems problemTable[] = {
    {"ButtonXPMACCorel11", secondLawRanges, secondLawStatements},
    {"ButtonXPMACCorel12", weightRanges, weightStatements},
    {"ButtonXPMACCorel13", torqueRanges, torqueStatements},
    {"ButtonXPMACCorel14", frictionRanges, frictionStatements},
    {"ButtonXPMACCorel15", inclineYRanges, inclineYStatements},
    {"ButtonXPMACCorel16", inclineXRanges, inclineXStatements},
    {"ButtonXPMACCorel23", workRanges, workStatements},
    {"ButtonXPMACCorel24", inclinedWorkRanges, inclinedWorkStatements},
    {"ButtonXPMACCorel25", powerRanges, powerStatements},
    {"ButtonXPMACCorel26", powerFromSpeedRanges, powerFromSpeedStatements},
    {"ButtonXPMACCorel27", kineticEnergyRanges, kineticEnergyStatements},
    {"ButtonXPMACCorel2", elasticEnergyRanges, elasticEnergyStatements},
    {"ButtonXPMACCorel32", gravitationalEnergyRanges, gravitationalEnergyStatements},
    {"ButtonXPMACCorel33", hookeRanges, hookeStatements},
    {"ButtonXPMACCorel34", momentumRanges, momentumStatements},
    {"ButtonXPMACCorel35", impulseRanges, impulseStatements},
};

}

const std::span<const Problems::TopicProblems> problems = problemTable;

}
