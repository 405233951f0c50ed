#include "catalogue/AreaProblems.h"

#include <cmath>
#include <cstring>

// Optics' exercises, each a situation with its own values. A row without a unit (an
// index, a sine, a number of images) is asked with no unit at all. The Gauss page shows
// no unit for its distances, so its statements measure them in centimetres and say so;
// the signs are the book's: a virtual image and a convex mirror's focus are negative, and
// so is the size of an inverted image. A medium the words name takes its index from the
// table.
namespace Optica {

namespace {

using Problems::Draw;
using Problems::Statement;
using Problems::TopicProblems;

// Whether an index the table gave is one of the media the words name.
bool is(long double index, std::initializer_list<const char*> names)
{
    for (const Materials::Item& item : Materials::refractiveIndex.items) {
        for (const char* name : names) {
            if (std::strcmp(item.name, name) == 0 && std::fabs(index - item.value) <= 1e-9L * item.value)
                return true;
        }
    }
    return false;
}

bool air(long double n) { return is(n, {"ar"}); }
// What a solid sample can be made of.
bool solid(long double n) { return is(n, {"vidro", "diamante", "acrílico", "gelo"}); }
bool liquid(long double n) { return is(n, {"água", "álcool"}); }

// n = 360° / a − 1 counts the images exactly when 360° / a is whole: a shop window, a
// dance studio, a kaleidoscope (60°, 5 images), a photographer's and a magician's mirrors.
// At least 2 images, from 30° to 120°.
bool exactCount(const Draw& d)
{
    const long double a = d("aepA");
    return a == std::floor(a) && std::fmod(360.0L, a) == 0;
}

const Statement mirrorsStatements[] = {
    {"aepN",
     "Dois espelhos planos formam entre si um ângulo de {aepA}. Quantas imagens de um objeto colocado entre eles "
     "são formadas?",
     {{"aepA", 30, 120}, {.field = "aepN", .low = 2, .high = 11, .whole = true}}, exactCount},
    {"aepN",
     "Numa vitrine, dois espelhos planos verticais, unidos por uma aresta, formam um ângulo de {aepA}. Quantas "
     "imagens de um vaso colocado entre eles um observador pode ver?",
     {{"aepA", 30, 120}, {.field = "aepN", .low = 2, .high = 11, .whole = true}}, exactCount},
    {"aepN",
     "Uma bailarina ensaia entre dois espelhos planos verticais de uma sala de dança, que formam entre si um ângulo "
     "de {aepA}. Quantas imagens dela se formam nos espelhos?",
     {{"aepA", 30, 120}, {.field = "aepN", .low = 2, .high = 11, .whole = true}}, exactCount},
    {"aepA",
     "Num caleidoscópio, dois espelhos planos formam {aepN} imagens de uma conta colorida colocada entre eles. Qual "
     "é o ângulo entre os espelhos, em {?}?",
     {{.field = "aepN", .low = 2, .high = 11, .whole = true}, {"aepA", 30, 120}}, exactCount},
    {"aepA",
     "Um fotógrafo quer mostrar, numa única foto, uma flor e {aepN} imagens dela, usando dois espelhos planos "
     "articulados. Qual deve ser o ângulo entre os espelhos, em {?}?",
     {{.field = "aepN", .low = 2, .high = 11, .whole = true}, {"aepA", 30, 120}}, exactCount},
    {"aepA",
     "Num número de mágica, uma moeda colocada entre dois espelhos planos articulados parece se multiplicar: "
     "aparecem {aepN} imagens dela. Qual é o ângulo entre os espelhos, em {?}?",
     {{.field = "aepN", .low = 2, .high = 11, .whole = true}, {"aepA", 30, 120}}, exactCount},
};

// 1/f = 1/d₁ + 1/d₀ in cm: a concave mirror and a lens forming real images, a car's convex
// mirror (f −20 to −100 cm, a car 3 to 20 m behind), a magnifying glass (f 2 to 15 cm), a
// makeup mirror (f 10 to 40 cm, the face inside the focus), a camera (f 35 to 100 mm), a
// slide projector (f 5 to 15 cm, the screen 2 to 6 m away).
const Statement gaussStatements[] = {
    {"eg1f",
     "Um objeto colocado a {eg1d0} de um espelho côncavo tem sua imagem real formada a {eg1d1} do espelho. Qual é "
     "a distância focal do espelho, em {?}?",
     {{"eg1d0", 20, 100, "cm", "mm m"}, {"eg1d1", 20, 100, "cm", "mm m"}, {"eg1f", 10, 50, "cm", "mm m"}}},
    {"eg1f",
     "Uma lente convergente projeta numa tela, a {eg1d1} da lente, a imagem nítida de uma vela colocada a {eg1d0} "
     "dela. Qual é a distância focal da lente, em {?}?",
     {{"eg1d1", 30, 200, "cm", "m"}, {"eg1d0", 15, 60, "cm", "mm m"}, {"eg1f", 10, 40, "cm", "mm m"}}},
    {"eg1f",
     "O retrovisor externo de um carro é um espelho convexo. Um carro que vem atrás, a {eg1d0} do espelho, tem nele "
     "uma imagem virtual, na posição d₁ = {eg1d1}. Qual é a distância focal do espelho, em {?}?",
     {{"eg1d0", 300, 2000, "cm", "m"}, {"eg1d1", -95, -15, "cm", "mm"}, {"eg1f", -100, -20, "cm", "mm m"}}},
    {"eg1d1",
     "Um colecionador examina um selo com uma lupa de distância focal {eg1f}, mantida a {eg1d0} do selo, e vê uma "
     "imagem virtual. Qual é a posição d₁ dessa imagem, em {?}, com o sinal da convenção de Gauss?",
     {{"eg1f", 2, 15, "cm", "mm"}, {"eg1d0", 1, 14, "cm", "mm"}, {"eg1d1", -60, -2, "cm", "mm m"}}},
    {"eg1d1",
     "Uma pessoa aproxima o rosto a {eg1d0} de um espelho de maquiagem côncavo, de distância focal {eg1f}, e vê uma "
     "imagem direita e ampliada. Qual é a posição d₁ dessa imagem, em {?}, com o sinal da convenção de Gauss?",
     {{"eg1f", 10, 40, "cm", "mm"}, {"eg1d0", 5, 35, "cm", "mm"}, {"eg1d1", -150, -6, "cm", "mm m"}}},
    {"eg1d1",
     "A objetiva de uma câmera fotográfica tem distância focal {eg1f}. Para fotografar uma pessoa a {eg1d0} da "
     "lente, a que distância da lente deve ficar o sensor, em {?}?",
     {{"eg1f", 3.5, 10, "cm", "mm"}, {"eg1d0", 150, 1000, "cm", "m"}, {"eg1d1", 3.5, 11, "cm", "mm"}}},
    {"eg1d1",
     "O retrovisor convexo de um carro tem distância focal {eg1f}. Uma moto está a {eg1d0} do espelho. Qual é a "
     "posição d₁ da imagem da moto, em {?}, com o sinal da convenção de Gauss?",
     {{"eg1f", -100, -20, "cm", "mm m"}, {"eg1d0", 300, 2000, "cm", "m"}, {"eg1d1", -100, -14, "cm", "mm"}}},
    {"eg1d0",
     "Um projetor de slides tem uma lente convergente de distância focal {eg1f} e forma a imagem nítida de um slide "
     "numa tela a {eg1d1} da lente. A que distância da lente está o slide, em {?}?",
     {{"eg1f", 5, 15, "cm", "mm"}, {"eg1d1", 200, 600, "cm", "m"}, {"eg1d0", 5, 16, "cm", "mm"}}},
    {"eg1d0",
     "Num espelho de maquiagem côncavo, de distância focal {eg1f}, uma pessoa vê a imagem direita do próprio rosto "
     "atrás do espelho, na posição d₁ = {eg1d1}. A que distância do espelho está o rosto, em {?}?",
     {{"eg1f", 10, 40, "cm", "mm"}, {"eg1d1", -150, -10, "cm", "mm m"}, {"eg1d0", 5, 35, "cm", "mm"}}},
    {"eg1d0",
     "Um relojoeiro usa uma lupa de distância focal {eg1f} e vê a imagem virtual de uma engrenagem na posição "
     "d₁ = {eg1d1}. A que distância da lupa está a engrenagem, em {?}?",
     {{"eg1f", 2, 10, "cm", "mm"}, {"eg1d1", -40, -10, "cm", "mm"}, {"eg1d0", 1.5, 9, "cm", "mm"}}},
};

// A = i / o, the image's size negative when it is inverted, the sizes in metres on the
// page, so the objects are a face, a person, a tree, an overhead projector's transparency:
// a makeup mirror (1,5 to 4 times), a store's or a bus's convex mirror (0,02 to 0,1), a
// science museum's large concave mirror (a real, inverted image, −0,25 to −2,5), an
// overhead projector (−3 to −12), a pinhole camera.
const Statement magnificationStatements[] = {
    {"prP",
     "Um retroprojetor forma numa tela a imagem invertida de uma figura de {prA} de altura desenhada numa "
     "transparência. Com o sinal da convenção usual, a altura da imagem é i = {prF}. Qual é o aumento linear?",
     {{"prA", 15, 28, "cm", "cm"}, {"prF", -250, -80, "cm", "cm"}, {"prP", -12, -3}}},
    {"prP",
     "Num supermercado, um espelho convexo de segurança mostra a imagem direita de um cliente de {prA} de altura; a "
     "imagem tem {prF} de altura. Qual é o aumento linear do espelho nessa situação?",
     {{"prA", 150, 190, "cm", "cm"}, {"prF", 5, 15, "cm", "cm"}, {"prP", 0.026, 0.1}}},
    {"prP",
     "Num museu de ciências, um grande espelho côncavo forma diante de si a imagem real e invertida de um visitante "
     "de {prA} de altura. Com o sinal da convenção usual, a altura da imagem é i = {prF}. Qual é o aumento linear?",
     {{"prA", 120, 190, "cm", "cm"}, {"prF", -300, -40, "cm", "cm"}, {"prP", -2.5, -0.25}}},
    {"prF",
     "Uma pessoa aproxima o rosto, de {prA} de altura, de um espelho de maquiagem côncavo e vê uma imagem direita "
     "com aumento linear {prP}. Qual é a altura da imagem do rosto, em {?}?",
     {{"prA", 18, 24, "cm", "cm"}, {"prP", 1.5, 4}, {"prF", 27, 96, "cm", "cm"}}},
    {"prF",
     "Num ônibus, o espelho convexo sobre a porta mostra ao motorista a imagem direita de um passageiro de {prA} de "
     "altura, com aumento linear {prP}. Qual é a altura dessa imagem, em {?}?",
     {{"prA", 120, 190, "cm", "cm"}, {"prP", 0.02, 0.1}, {"prF", 2.4, 19, "cm", "cm mm"}}},
    {"prF",
     "Um professor projeta com um retroprojetor uma figura de {prA} de altura, e o aumento linear é {prP}. Qual é "
     "a altura da imagem na tela, com o sinal da convenção usual, em {?}?",
     {{"prA", 15, 28, "cm", "cm"}, {"prP", -10, -3}, {"prF", -280, -45, "cm", "cm"}}},
    {"prA",
     "Numa câmara escura de orifício, a imagem invertida de uma árvore tem altura i = {prF}, com o sinal da "
     "convenção usual, e o aumento linear é {prP}. Qual é a altura da árvore, em {?}?",
     {{"prF", -20, -5, "cm", "cm"}, {"prP", -0.05, -0.01}, {"prA", 300, 2000, "cm", "cm m"}}},
    {"prA",
     "Diante do grande espelho côncavo de um museu de ciências, uma criança vê a sua imagem real e invertida, de "
     "altura i = {prF}, com o sinal da convenção usual. O aumento linear é {prP}. Qual é a altura da criança, em "
     "{?}?",
     {{"prF", -300, -30, "cm", "cm"}, {"prP", -2, -0.3}, {"prA", 90, 150, "cm", "cm"}}},
    {"prA",
     "Num espelho de maquiagem côncavo, a imagem direita do rosto de uma pessoa tem {prF} de altura, com aumento "
     "linear {prP}. Qual é a altura do rosto, em {?}?",
     {{"prF", 30, 90, "cm", "cm"}, {"prP", 1.5, 4}, {"prA", 17, 25, "cm", "cm"}}},
};

// n = c / v, c from the table (3 · 10⁸ m/s). Its speeds read only in m/s: 3 · 10⁵ km/s is
// no number a book prints, so the topic has one level. An unknown liquid (1,3 to 1,6), a
// gemstone (1,55 to 2,5), a lens plastic (1,45 to 1,7); a named solid or liquid; the glass
// of an optical fibre's core (1,44 to 1,50).
const Statement refractiveIndexStatements[] = {
    {"prP",
     "Num líquido transparente desconhecido, a luz se propaga com velocidade de {prA}. Sendo a velocidade da luz no "
     "vácuo {prF}, qual é o índice de refração absoluto do líquido?",
     {{"prA", 1.9e8, 2.3e8}, {.field = "prF", .table = &Materials::lightSpeed}, {"prP", 1.3, 1.6}}},
    {"prP",
     "Um laboratório de gemologia mede a velocidade da luz numa pedra preciosa: {prA}. Sendo {prF} a velocidade da "
     "luz no vácuo, qual é o índice de refração absoluto da pedra?",
     {{"prA", 1.2e8, 1.9e8}, {.field = "prF", .table = &Materials::lightSpeed}, {"prP", 1.55, 2.5}}},
    {"prP",
     "Um fabricante de óculos testa um novo plástico para lentes, no qual a luz se propaga a {prA}. Qual é o índice "
     "de refração absoluto desse plástico, se a velocidade da luz no vácuo é {prF}?",
     {{"prA", 1.75e8, 2.1e8}, {.field = "prF", .table = &Materials::lightSpeed}, {"prP", 1.45, 1.7}}},
    {"prA",
     "Uma amostra de {prP:nome} tem índice de refração absoluto {prP}. Sendo {prF} a velocidade da luz no vácuo, "
     "com que velocidade a luz se propaga nela, em {?}?",
     {{.field = "prP", .table = &Materials::refractiveIndex}, {.field = "prF", .table = &Materials::lightSpeed},
      {"prA", 1.2e8, 2.3e8}},
     [](const Draw& d) { return solid(d("prP")); }},
    {"prA",
     "Um copo contém {prP:nome}, de índice de refração absoluto {prP}. Com que velocidade a luz atravessa esse "
     "líquido, em {?}, se no vácuo a sua velocidade é {prF}?",
     {{.field = "prP", .table = &Materials::refractiveIndex}, {.field = "prF", .table = &Materials::lightSpeed},
      {"prA", 2.1e8, 2.3e8}},
     [](const Draw& d) { return liquid(d("prP")); }},
    {"prA",
     "O núcleo de uma fibra óptica é feito de um vidro de índice de refração absoluto {prP}. Sendo {prF} a velocidade "
     "da luz no vácuo, com que velocidade a luz percorre a fibra, em {?}?",
     {{"prP", 1.44, 1.5}, {.field = "prF", .table = &Materials::lightSpeed}, {"prA", 2e8, 2.09e8}}},
};

// n₁ · sen i = n₂ · sen r, the named media from the table (air, water, glass, diamond,
// acrylic, ice, alcohol) and the unknown ones drawn: an oil (1,4 to 1,5), a special
// glass (1,5 to 1,9), a liquid (1,3 to 1,7), a plastic (1,45 to 1,65), a gemstone or a
// crystal (1,5 to 2,5).
const Statement snellStatements[] = {
    {"sdsr",
     "Um raio de luz passa do ar (n = {sdn1}) para uma amostra de {sdn2:nome} (n = {sdn2}), incidindo com um ângulo "
     "cujo seno é {sdsi}. Qual é o seno do ângulo de refração?",
     {{.field = "sdn1", .table = &Materials::refractiveIndex}, {.field = "sdn2", .table = &Materials::refractiveIndex},
      {"sdsi", 0.2, 0.95}, {"sdsr", 0.08, 0.75}},
     [](const Draw& d) { return air(d("sdn1")) && solid(d("sdn2")); }},
    {"sdsr",
     "No fundo de um tanque com {sdn1:nome} (n = {sdn1}), uma lanterna envia um raio que atinge a superfície com "
     "ângulo de incidência de seno {sdsi} e passa para o ar (n = {sdn2}). Qual é o seno do ângulo de refração?",
     {{.field = "sdn1", .table = &Materials::refractiveIndex}, {.field = "sdn2", .table = &Materials::refractiveIndex},
      {"sdsi", 0.1, 0.7}, {"sdsr", 0.15, 0.97}},
     [](const Draw& d) { return liquid(d("sdn1")) && air(d("sdn2")); }},
    {"sdsr",
     "Um feixe de laser passa de um óleo de índice de refração {sdn1} para uma lâmina de vidro especial de índice "
     "{sdn2}, incidindo com um ângulo de seno {sdsi}. Qual é o seno do ângulo de refração?",
     {{"sdn1", 1.4, 1.5}, {"sdn2", 1.5, 1.9}, {"sdsi", 0.2, 0.95}, {"sdsr", 0.15, 0.94}}},
    {"sdsi",
     "Um raio de luz vindo do ar (n = {sdn1}) entra na água de uma piscina (n = {sdn2}) e se refrata com um ângulo "
     "de seno {sdsr}. Qual é o seno do ângulo de incidência?",
     {{.field = "sdn1", .table = &Materials::refractiveIndex}, {.field = "sdn2", .table = &Materials::refractiveIndex},
      {"sdsr", 0.1, 0.74}, {"sdsi", 0.13, 0.99}},
     [](const Draw& d) { return air(d("sdn1")) && is(d("sdn2"), {"água"}); }},
    {"sdsi",
     "Um raio de luz que se propaga dentro de uma amostra de {sdn1:nome} (n = {sdn1}) sai para o ar (n = {sdn2}), "
     "refratando-se com um ângulo de seno {sdsr}. Qual é o seno do ângulo de incidência?",
     {{.field = "sdn1", .table = &Materials::refractiveIndex}, {.field = "sdn2", .table = &Materials::refractiveIndex},
      {"sdsr", 0.2, 0.99}, {"sdsi", 0.08, 0.76}},
     [](const Draw& d) { return solid(d("sdn1")) && air(d("sdn2")); }},
    {"sdsi",
     "No fundo de vidro de um aquário, um raio de luz passa do vidro (n = {sdn1}) para a água (n = {sdn2}) e se "
     "refrata com um ângulo de seno {sdsr}. Qual é o seno do ângulo de incidência no vidro?",
     {{.field = "sdn1", .table = &Materials::refractiveIndex}, {.field = "sdn2", .table = &Materials::refractiveIndex},
      {"sdsr", 0.1, 0.99}, {"sdsi", 0.09, 0.88}},
     [](const Draw& d) { return is(d("sdn1"), {"vidro"}) && is(d("sdn2"), {"água"}); }},
    {"sdn1",
     "Um raio de luz sai de um líquido desconhecido e passa para o ar (n = {sdn2}). Os senos dos ângulos de "
     "incidência e de refração são {sdsi} e {sdsr}. Qual é o índice de refração do líquido?",
     {{.field = "sdn2", .table = &Materials::refractiveIndex}, {"sdsi", 0.2, 0.7}, {"sdsr", 0.3, 0.99},
      {"sdn1", 1.3, 1.7}},
     [](const Draw& d) { return air(d("sdn2")); }},
    {"sdn1",
     "Um feixe de laser sai de uma peça de plástico transparente e entra na água (n = {sdn2}); os senos dos ângulos "
     "de incidência e de refração são {sdsi} e {sdsr}. Qual é o índice de refração do plástico?",
     {{.field = "sdn2", .table = &Materials::refractiveIndex}, {"sdsi", 0.2, 0.8}, {"sdsr", 0.22, 0.99},
      {"sdn1", 1.45, 1.65}},
     [](const Draw& d) { return is(d("sdn2"), {"água"}); }},
    {"sdn1",
     "Um gemólogo faz um raio de luz sair de uma pedra preciosa lapidada para o ar (n = {sdn2}) e mede os senos dos "
     "ângulos de incidência e de refração: {sdsi} e {sdsr}. Qual é o índice de refração da pedra?",
     {{.field = "sdn2", .table = &Materials::refractiveIndex}, {"sdsi", 0.2, 0.6}, {"sdsr", 0.3, 0.99},
      {"sdn1", 1.5, 2.5}},
     [](const Draw& d) { return air(d("sdn2")); }},
    {"sdn2",
     "Para identificar um líquido, um estudante faz um feixe de laser passar do ar (n = {sdn1}) para dentro de um "
     "copo com o líquido. Os senos dos ângulos de incidência e de refração são {sdsi} e {sdsr}. Qual é o índice de "
     "refração do líquido?",
     {{.field = "sdn1", .table = &Materials::refractiveIndex}, {"sdsi", 0.3, 0.99}, {"sdsr", 0.2, 0.75},
      {"sdn2", 1.3, 1.7}},
     [](const Draw& d) { return air(d("sdn1")); }},
    {"sdn2",
     "Um laser vindo do ar (n = {sdn1}) penetra num cristal, com ângulos de incidência e de refração de senos {sdsi} "
     "e {sdsr}. Qual é o índice de refração do cristal?",
     {{.field = "sdn1", .table = &Materials::refractiveIndex}, {"sdsi", 0.3, 0.99}, {"sdsr", 0.12, 0.66},
      {"sdn2", 1.5, 2.5}},
     [](const Draw& d) { return air(d("sdn1")); }},
    {"sdn2",
     "Num aquário, um raio de luz passa da água (n = {sdn1}) para um enfeite de vidro, com ângulos de incidência e "
     "de refração de senos {sdsi} e {sdsr}. Qual é o índice de refração desse vidro?",
     {{.field = "sdn1", .table = &Materials::refractiveIndex}, {"sdsi", 0.2, 0.99}, {"sdsr", 0.14, 0.9},
      {"sdn2", 1.45, 1.9}},
     [](const Draw& d) { return is(d("sdn1"), {"água"}); }},
};

// sen L = n₁ / n₂, the light going from the denser medium (n₂) to the other (n₁): a solid
// block in air, an optical fibre (core 1,46 to 1,50, cladding 1,40 to 1,48), a diamond in a
// liquid, a refractometer's glass prism under sugar-cane juice (1,33 to 1,45), a plate in
// an unknown liquid, a gemstone in air, a lamp in an unknown liquid.
const Statement totalReflectionStatements[] = {
    {"rfsL",
     "A luz se propaga dentro de uma amostra de {rfn2:nome} (n = {rfn2}) e incide na face que a separa do ar "
     "(n = {rfn1}). Qual é o seno do ângulo limite?",
     {{.field = "rfn2", .table = &Materials::refractiveIndex}, {.field = "rfn1", .table = &Materials::refractiveIndex},
      {"rfsL", 0.4, 0.8}},
     [](const Draw& d) { return solid(d("rfn2")) && air(d("rfn1")); }},
    {"rfsL",
     "Uma fibra óptica tem núcleo de índice de refração {rfn2} e casca de índice {rfn1}. Qual é o seno do ângulo "
     "limite para a luz que, vinda do núcleo, incide na casca?",
     {{"rfn2", 1.46, 1.5}, {"rfn1", 1.4, 1.48}, {"rfsL", 0.93, 0.995}}},
    {"rfsL",
     "Um diamante (n = {rfn2}) está mergulhado em {rfn1:nome} (n = {rfn1}). Qual é o seno do ângulo limite para a "
     "luz que, vinda de dentro do diamante, incide na superfície que o separa do líquido?",
     {{.field = "rfn2", .table = &Materials::refractiveIndex}, {.field = "rfn1", .table = &Materials::refractiveIndex},
      {"rfsL", 0.5, 0.6}},
     [](const Draw& d) { return is(d("rfn2"), {"diamante"}) && liquid(d("rfn1")); }},
    {"rfn1",
     "O núcleo de uma fibra óptica tem índice de refração {rfn2}, e o seno do ângulo limite na fronteira com a casca "
     "é {rfsL}. Qual é o índice de refração da casca?",
     {{"rfn2", 1.46, 1.5}, {"rfsL", 0.93, 0.99}, {"rfn1", 1.36, 1.49}}},
    {"rfn1",
     "Num refratômetro, a luz vinda de um prisma de vidro (n = {rfn2}) incide numa gota de caldo de cana, e o "
     "ângulo limite medido tem seno {rfsL}. Qual é o índice de refração do caldo de cana?",
     {{.field = "rfn2", .table = &Materials::refractiveIndex}, {"rfsL", 0.89, 0.97}, {"rfn1", 1.33, 1.45}},
     [](const Draw& d) { return is(d("rfn2"), {"vidro"}); }},
    {"rfn1",
     "Uma placa de {rfn2:nome} (n = {rfn2}) está mergulhada num líquido desconhecido. A luz que vem de dentro da "
     "placa sofre reflexão total a partir de um ângulo limite de seno {rfsL}. Qual é o índice de refração do "
     "líquido?",
     {{.field = "rfn2", .table = &Materials::refractiveIndex}, {"rfsL", 0.55, 0.99}, {"rfn1", 1.3, 1.6}},
     [](const Draw& d) { return is(d("rfn2"), {"vidro", "acrílico"}); }},
    {"rfn2",
     "Para a luz que vai de uma pedra preciosa para o ar (n = {rfn1}), o seno do ângulo limite é {rfsL}. Qual é o "
     "índice de refração da pedra?",
     {{.field = "rfn1", .table = &Materials::refractiveIndex}, {"rfsL", 0.4, 0.67}, {"rfn2", 1.5, 2.5}},
     [](const Draw& d) { return air(d("rfn1")); }},
    {"rfn2",
     "A casca de uma fibra óptica tem índice de refração {rfn1}, e o seno do ângulo limite para a luz que vem do "
     "núcleo é {rfsL}. Qual é o índice de refração do núcleo?",
     {{"rfn1", 1.4, 1.48}, {"rfsL", 0.93, 0.99}, {"rfn2", 1.42, 1.55}}},
    {"rfn2",
     "Uma lanterna à prova d'água, mergulhada num líquido desconhecido, ilumina a superfície de cima; a luz sofre "
     "reflexão total na superfície com o ar (n = {rfn1}) a partir de um ângulo limite de seno {rfsL}. Qual é o "
     "índice de refração do líquido?",
     {{.field = "rfn1", .table = &Materials::refractiveIndex}, {"rfsL", 0.6, 0.77}, {"rfn2", 1.3, 1.65}},
     [](const Draw& d) { return air(d("rfn1")); }},
};

// V = 1 / f, f negative for a diverging lens: a magnifying glass (f 2 to 15 cm), reading
// glasses (+1 to +4 di), a myope's glasses (−0,5 to −6 di), a camera's lens (35 to
// 200 mm), a magnifying glass sold by its dioptres (10 to 40 di).
const Statement vergenceStatements[] = {
    {"vlV", "Uma lupa tem distância focal de {vlf}. Qual é a sua vergência, em {?}?",
     {{"vlf", 2, 15, "cm", "cm mm"}, {"vlV", 6.5, 50}}},
    {"vlV",
     "As lentes dos óculos de leitura de uma pessoa com presbiopia são convergentes, com distância focal de {vlf}. "
     "Qual é a vergência dessas lentes, em {?}?",
     {{"vlf", 25, 100, "cm", "cm mm"}, {"vlV", 1, 4}}},
    {"vlV",
     "Uma pessoa míope usa óculos com lentes divergentes de distância focal {vlf}. Qual é a vergência dessas "
     "lentes, em {?}?",
     {{"vlf", -200, -16, "cm", "cm mm"}, {"vlV", -6.5, -0.5}}},
    {"vlV", "A objetiva de uma câmera fotográfica tem distância focal de {vlf}. Qual é a sua vergência, em {?}?",
     {{"vlf", 35, 200, "mm", "mm cm"}, {"vlV", 5, 29}}},
    {"vlf",
     "As lentes dos óculos de uma pessoa com hipermetropia têm vergência de {vlV}. Qual é a distância focal dessas "
     "lentes, em {?}?",
     {{"vlV", 1, 4}, {"vlf", 25, 100, "cm", "cm mm"}}},
    {"vlf",
     "A receita de óculos de uma pessoa míope indica lentes de vergência {vlV}. Qual é a distância focal dessas "
     "lentes, em {?}?",
     {{"vlV", -6, -0.5}, {"vlf", -200, -16, "cm", "cm mm"}}},
    {"vlf", "Uma lupa é vendida como de {vlV}. Qual é a sua distância focal, em {?}?",
     {{"vlV", 10, 40}, {"vlf", 2.5, 10, "cm", "cm mm"}}},
};

const TopicProblems topicProblems[] = {
    {"ButtonXPMACCorel57", mirrorsStatements},
    {"ButtonXPMACCorel58", gaussStatements},
    {"ButtonXPMACCorel60", magnificationStatements},
    {"ButtonXPMACCorel61", refractiveIndexStatements},
    {"ButtonXPMACCorel63", snellStatements},
    {"ButtonXPMACCorel65", totalReflectionStatements},
    {"ButtonXPMACCorel66", vergenceStatements},
};

}

const std::span<const Problems::TopicProblems> problems = topicProblems;

}
