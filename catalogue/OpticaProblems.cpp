#include "catalogue/AreaProblems.h"

// Optics' exercises. A row without a unit (an index, a sine, a number of images) is asked
// with "{?}" standing empty before the question mark. The Gauss page's distances have no
// unit, so its statements name the centimetre themselves.
namespace Optica {

namespace {

using Problems::Range;
using Problems::Statement;
using Problems::TopicProblems;

const Range mirrorsRanges[] = {
    {"aepN", 1, 11, nullptr, true},
    {"aepA", 30, 180},
};

const Statement mirrorsStatements[] = {
    {"aepN", "Dois espelhos planos formam entre si um ângulo de {aepA}. Quantas imagens de um objeto colocado entre eles são formadas{?}?"},
    {"aepN", "Numa vitrine, dois espelhos planos verticais unidos por uma aresta formam um ângulo de {aepA}. Quantas imagens de um vaso colocado entre eles um observador pode ver{?}?"},
    {"aepA", "Um objeto colocado entre dois espelhos planos associados produz {aepN} imagens. Qual é o ângulo entre os espelhos, em {?}?"},
    {"aepA", "Um caleidoscópio simples é feito com dois espelhos planos. Para que ele forme {aepN} imagens de uma conta colorida, qual deve ser o ângulo entre os espelhos, em {?}?"},
};

const Range gaussRanges[] = {
    {"eg1f", 5, 50},
    {"eg1d1", 10, 200},
    {"eg1d0", 10, 200},
};

const Statement gaussStatements[] = {
    {"eg1f", "Um objeto colocado a {eg1d0} cm de um espelho côncavo tem sua imagem real formada a {eg1d1} cm do espelho. Qual é a distância focal do espelho, em centímetros{?}?"},
    {"eg1f", "Uma lente convergente projeta numa tela, a {eg1d1} cm da lente, a imagem nítida de uma vela colocada a {eg1d0} cm dela. Qual é a distância focal da lente, em centímetros{?}?"},
    {"eg1d1", "Um objeto é colocado a {eg1d0} cm de um espelho côncavo de distância focal {eg1f} cm. A que distância do espelho, em centímetros, se forma a imagem{?}?"},
    {"eg1d1", "Uma lente convergente de distância focal {eg1f} cm está a {eg1d0} cm de uma vela acesa. A que distância da lente, em centímetros, deve ficar uma tela para que a imagem da vela seja nítida{?}?"},
    {"eg1d0", "Um espelho côncavo de distância focal {eg1f} cm forma a imagem real de um objeto a {eg1d1} cm do espelho. A que distância do espelho, em centímetros, está o objeto{?}?"},
    {"eg1d0", "Um projetor tem uma lente convergente de distância focal {eg1f} cm e forma a imagem nítida de um slide numa tela a {eg1d1} cm da lente. A que distância da lente, em centímetros, está o slide{?}?"},
};

const Range magnificationRanges[] = {
    {"prP", 0.1, 10},
    {"prF", 0.01, 2, "cm"},
    {"prA", 0.01, 2, "cm"},
};

const Statement magnificationStatements[] = {
    {"prP", "Um objeto de {prA} de altura, colocado diante de um espelho esférico, tem uma imagem direita de {prF} de altura. Qual é o aumento linear{?}?"},
    {"prP", "Uma lente forma a imagem direita de um inseto de {prA} de comprimento, e a imagem tem {prF} de comprimento. Qual é o aumento linear produzido pela lente{?}?"},
    {"prF", "Um objeto de {prA} de altura está diante de um espelho esférico, numa posição em que o aumento linear é {prP}. Qual é a altura da imagem, em {?}?"},
    {"prF", "Uma lente tem, para certa posição de um selo de {prA} de altura, aumento linear {prP}. Qual é a altura da imagem do selo, em {?}?"},
    {"prA", "A imagem direita de um objeto formada por uma lente tem {prF} de altura, e o aumento linear é {prP}. Qual é a altura do objeto, em {?}?"},
    {"prA", "Um espelho esférico produz, com aumento linear {prP}, a imagem de uma vela com {prF} de altura. Qual é a altura da vela, em {?}?"},
};

// The speed of light in vacuum is typed on the page but given as the constant it is: a
// draw of the index and the speed in the medium never lands on it, so it is never asked.
const Range refractiveIndexRanges[] = {
    {"prP", 1.0, 2.5},
    {"prF", 3.0e8, 3.0e8, "km/s"},
    {"prA", 1.2e8, 3.0e8, "km/s"},
};

const Statement refractiveIndexStatements[] = {
    {"prP", "A luz se propaga num vidro com velocidade de {prA}. Sendo a velocidade da luz no vácuo {prF}, qual é o índice de refração absoluto do vidro{?}?"},
    {"prP", "Num líquido transparente, a luz amarela tem velocidade de {prA}. Qual é o índice de refração absoluto do líquido, sabendo que a velocidade da luz no vácuo é {prF}{?}?"},
    {"prA", "Um cristal tem índice de refração absoluto {prP}. Sendo {prF} a velocidade da luz no vácuo, qual é a velocidade da luz no cristal, em {?}?"},
    {"prA", "O índice de refração absoluto de um plástico transparente é {prP}. Com que velocidade a luz se propaga nele, em {?}, se no vácuo sua velocidade é {prF}?"},
};

const Range snellRanges[] = {
    {"sdn1", 1.0, 2.5},
    {"sdsi", 0.1, 0.99},
    {"sdn2", 1.0, 2.5},
    {"sdsr", 0.1, 0.99},
};

const Statement snellStatements[] = {
    {"sdsr", "Um raio de luz passa de um meio de índice de refração {sdn1} para outro de índice {sdn2}, incidindo com um ângulo cujo seno é {sdsi}. Qual é o seno do ângulo de refração{?}?"},
    {"sdsr", "Um feixe de laser atravessa a superfície que separa dois líquidos transparentes: incide no líquido de índice {sdn1} e passa ao de índice {sdn2}. Sendo {sdsi} o seno do ângulo de incidência, qual é o seno do ângulo de refração{?}?"},
    {"sdsi", "Um raio de luz passa de um meio de índice de refração {sdn1} para outro de índice {sdn2}, e o seno do ângulo de refração é {sdsr}. Qual é o seno do ângulo de incidência{?}?"},
    {"sdsi", "Ao passar de um vidro de índice {sdn1} para um óleo de índice {sdn2}, um raio de luz se refrata com um ângulo de seno {sdsr}. Qual é o seno do ângulo com que ele incidiu{?}?"},
    {"sdn1", "Um raio de luz incide na superfície de um meio de índice de refração {sdn2} com ângulo de seno {sdsi} e se refrata com ângulo de seno {sdsr}. Qual é o índice de refração do meio de onde veio a luz{?}?"},
    {"sdn1", "Um feixe de luz sai de um líquido e entra num cristal de índice {sdn2}. Os senos dos ângulos de incidência e de refração são {sdsi} e {sdsr}. Qual é o índice de refração do líquido{?}?"},
    {"sdn2", "Um raio de luz vem de um meio de índice de refração {sdn1}, incide com ângulo de seno {sdsi} e se refrata com ângulo de seno {sdsr}. Qual é o índice de refração do segundo meio{?}?"},
    {"sdn2", "Um feixe de laser passa de um vidro de índice {sdn1} para um líquido desconhecido. Os senos dos ângulos de incidência e de refração medidos são {sdsi} e {sdsr}. Qual é o índice de refração do líquido{?}?"},
};

const Range totalReflectionRanges[] = {
    {"rfsL", 0.3, 0.99},
    {"rfn1", 1.0, 1.8},
    {"rfn2", 1.2, 2.5},
};

const Statement totalReflectionStatements[] = {
    {"rfsL", "A luz se propaga num vidro de índice de refração {rfn2} e incide na superfície que o separa de um meio de índice {rfn1}. Qual é o seno do ângulo limite{?}?"},
    {"rfsL", "Uma fibra óptica tem núcleo de índice de refração {rfn2} e casca de índice {rfn1}. Qual é o seno do ângulo limite para a reflexão total na fronteira entre eles{?}?"},
    {"rfn1", "O ângulo limite para a luz que passa de um cristal de índice de refração {rfn2} para um líquido tem seno {rfsL}. Qual é o índice de refração do líquido{?}?"},
    {"rfn1", "Numa fibra óptica de núcleo com índice de refração {rfn2}, o seno do ângulo limite na fronteira com a casca é {rfsL}. Qual é o índice de refração da casca{?}?"},
    {"rfn2", "Para a luz que vai de um material transparente para um meio de índice de refração {rfn1}, o seno do ângulo limite é {rfsL}. Qual é o índice de refração do material{?}?"},
    {"rfn2", "Um joalheiro mergulha uma pedra num líquido de índice de refração {rfn1} e determina que o seno do ângulo limite entre eles é {rfsL}. Qual é o índice de refração da pedra{?}?"},
};

const Range vergenceRanges[] = {
    {"vlV", 0.5, 20},
    {"vlf", 0.05, 2, "cm"},
};

const Statement vergenceStatements[] = {
    {"vlV", "Qual é a vergência, em {?}, de uma lente convergente de distância focal {vlf}?"},
    {"vlV", "Uma lupa tem distância focal de {vlf}. Qual é a sua vergência, em {?}?"},
    {"vlf", "As lentes dos óculos de uma pessoa com hipermetropia têm vergência de {vlV}. Qual é a distância focal dessas lentes, em {?}?"},
    {"vlf", "Uma lente convergente tem vergência de {vlV}. Qual é a sua distância focal, em {?}?"},
};

const TopicProblems topicProblems[] = {
    {"ButtonXPMACCorel57", mirrorsRanges, mirrorsStatements},
    {"ButtonXPMACCorel58", gaussRanges, gaussStatements},
    {"ButtonXPMACCorel60", magnificationRanges, magnificationStatements},
    {"ButtonXPMACCorel61", refractiveIndexRanges, refractiveIndexStatements},
    {"ButtonXPMACCorel63", snellRanges, snellStatements},
    {"ButtonXPMACCorel65", totalReflectionRanges, totalReflectionStatements},
    {"ButtonXPMACCorel66", vergenceRanges, vergenceStatements},
};

}

const std::span<const Problems::TopicProblems> problems = topicProblems;

}
