#include "catalogue/AreaProblems.h"
#include "catalogue/TermologiaGasProblems.h"

// Thermology's exercises: thermometers, kettles, pans, rails, tyres and cylinders. The
// statements never make a word agree with a unit ("foram necessárias … cal" would read
// wrong in kJ), since the level with conversions may give any value in another unit. A
// body that cools or gives off heat has a negative Δt and Q, and the statement says so.
namespace Termologia {

namespace {

using Problems::Draw;
using Problems::Statement;
using Problems::TopicProblems;
using Problems::Value;
using Problems::table;


// The scale pages are the conversion itself: their values stay in their own scales, so
// each has one level. Weather −20 to 40 °C, a fever 37,5 to 40 °C, an oven 160 to 240 °C,
// a candy syrup 110 to 155 °C, liquid nitrogen −196 °C, a steelworks' furnace 500 to
// 1 500 °C, Mars 150 to 290 K, Venus about 737 K (NASA fact sheets).
const Statement celsiusFahrenheitStatements[] = {
    {"ecff", "A previsão do tempo anuncia para amanhã, em Porto Alegre, máxima de {ecfc}. Um turista norte-americano "
             "quer saber quanto isso marca na escala Fahrenheit. Qual é esse valor, em {?}?",
     {{"ecfc", 8, 40}, {"ecff", 46, 104}}},
    {"ecff", "Numa viagem aos Estados Unidos, uma criança tem febre e o termômetro da família indica {ecfc}. O médico "
             "que a atende usa a escala Fahrenheit. Que temperatura os pais devem informar, em {?}?",
     {{"ecfc", 37.5, 40}, {"ecff", 99.5, 104}}},
    {"ecff", "Uma receita brasileira manda assar um bolo em forno a {ecfc}, mas o forno de um apartamento em Nova York "
             "tem o painel graduado em Fahrenheit. Em que temperatura o forno deve ser ajustado, em {?}?",
     {{"ecfc", 160, 240}, {"ecff", 320, 464}}},
    {"ecfc", "Uma receita norte-americana pede que o forno seja preaquecido a {ecff}. Qual é essa temperatura na "
             "escala Celsius, em {?}?",
     {{"ecff", 300, 450}, {"ecfc", 148, 233}}},
    {"ecfc", "Num dia de inverno em Chicago, os termômetros de rua marcam {ecff}. Quanto marcaria um termômetro "
             "graduado na escala Celsius, em {?}?",
     {{"ecff", -4, 40}, {"ecfc", -20, 4.5}}},
    {"ecfc", "Um termômetro digital, ajustado por engano na escala Fahrenheit, indica {ecff} ao medir a temperatura de "
             "uma pessoa. Qual é essa temperatura na escala Celsius, em {?}?",
     {{"ecff", 97, 104}, {"ecfc", 36, 40}}},
    {"ecfc", "Uma receita norte-americana de doce pede que a calda de açúcar seja aquecida até {ecff}. Qual é essa "
             "temperatura na escala Celsius, em {?}?",
     {{"ecff", 230, 310}, {"ecfc", 110, 155}}},
};

const Statement celsiusKelvinStatements[] = {
    {"eckk", "Um frasco térmico de laboratório guarda nitrogênio líquido a {eckc}. Qual é essa temperatura na escala "
             "Kelvin, em {?}?",
     {{"eckc", -205, -196}, {"eckk", 68, 77}}},
    {"eckk", "Uma estação de pesquisa na Antártida registra, num dia de inverno, a temperatura de {eckc}. Qual é essa "
             "temperatura na escala Kelvin, em {?}?",
     {{"eckc", -60, -15}, {"eckk", 213, 258}}},
    {"eckk", "O termômetro do forno de uma siderúrgica indica {eckc}. Qual é a temperatura absoluta no forno, em {?}?",
     {{"eckc", 500, 1500}, {"eckk", 773, 1773}}},
    {"eckc", "O sensor de um forno industrial, graduado na escala Kelvin, indica {eckk}. Quanto indicaria um "
             "termômetro graduado na escala Celsius, em {?}?",
     {{"eckk", 773, 1773}, {"eckc", 500, 1500}}},
    {"eckc", "Um robô explorador registra, na superfície de Marte, a temperatura de {eckk}. Qual é essa temperatura na "
             "escala Celsius, em {?}?",
     {{"eckk", 150, 290}, {"eckc", -123, 17}}},
    {"eckc", "Num laboratório de física, um sensor calibrado na escala Kelvin indica que a água de um béquer está a "
             "{eckk}. Qual é essa temperatura na escala Celsius, em {?}?",
     {{"eckk", 280, 370}, {"eckc", 7, 97}}},
};

const Statement fahrenheitKelvinStatements[] = {
    {"efkk", "O manual de uma fritadeira norte-americana recomenda aquecer o óleo a {efkf}. Qual é essa temperatura na "
             "escala Kelvin, em {?}?",
     {{"efkf", 325, 375}, {"efkk", 435, 464}}},
    {"efkk", "Num dia de inverno em Nova York, a temperatura é de {efkf}. Qual é essa temperatura na escala Kelvin, "
             "em {?}?",
     {{"efkf", 5, 45}, {"efkk", 258, 281}}},
    {"efkk", "A água da piscina aquecida de um hotel em Miami é mantida a {efkf}. Qual é a temperatura absoluta da "
             "água, em {?}?",
     {{"efkf", 78, 88}, {"efkk", 298, 305}}},
    {"efkf", "Segundo uma reportagem científica, a temperatura da superfície de Vênus é de cerca de {efkk}. Qual é "
             "essa temperatura na escala Fahrenheit, em {?}?",
     {{"efkk", 720, 750}, {"efkf", 836, 890}}},
    {"efkf", "Um freezer de laboratório conserva vacinas a {efkk}. Quanto marcaria um termômetro Fahrenheit colocado "
             "dentro dele, em {?}?",
     {{"efkk", 193, 253}, {"efkf", -113, -4}}},
    {"efkf", "Um forno de pizza a lenha trabalha a {efkk}. Qual é essa temperatura na escala Fahrenheit, em {?}?",
     {{"efkk", 623, 773}, {"efkf", 662, 932}}},
};

// Q = m·c·Δt: a kettle of 0,5 to 2 L brought from the tap to the boil (60 to 80 °C up); an
// electric shower of 4 000 to 7 500 W, 57 to 108 kcal a minute, heating 2,5 to 8 L by 10
// to 25 °C; a frying pan of 0,3 to 1,5 kg; a piece from a 300 to 700 °C oven quenched in
// water; a jug of water in the fridge; an aquarium of 5 to 20 L and its 50 to 100 W
// heater; calorimeter samples of 50 to 1 000 g; dry sand about 0,19 cal/(g·°C).
const Statement sensibleHeatStatements[] = {
    {"csQ", "Uma chaleira elétrica contém {csM} de água, cujo calor específico é {csC}. Para preparar um café, a água "
            "é aquecida e sua temperatura sobe {csT}. Quanto calor a água recebe, em {?}?",
     {{"csM", 500, 2000, nullptr, "kg"}, table("csC", Materials::waterHeat), {"csT", 60, 80},
      {"csQ", 30000, 160000, nullptr, "kcal kJ"}}},
    {"csQ", "Uma jarra com {csM} de água, de calor específico {csC}, é posta na geladeira, e a água sofre uma variação "
            "de temperatura de {csT}. Qual é a quantidade de calor trocada pela água, em {?}? (Calor cedido tem sinal "
            "negativo.)",
     {{"csM", 500, 2000, nullptr, "kg"}, table("csC", Materials::waterHeat), {"csT", -25, -10},
      {"csQ", -50000, -5000, nullptr, "kcal"}}},
    {"csQ", "Uma frigideira de {csC:nome}, de massa {csM} e calor específico {csC}, é aquecida no fogão, e sua "
            "temperatura sobe {csT}. Quanto calor a frigideira absorve, em {?}?",
     {{"csM", 300, 1500, nullptr, "kg"}, table("csC", Materials::metalHeat), {"csT", 20, 150},
      {"csQ", 500, 50000, nullptr, "kcal J"}}},
    {"csM", "Um chuveiro elétrico fornece {csQ} de calor à água que passa por ele em um minuto, elevando sua "
            "temperatura em {csT}. Sendo o calor específico da água {csC}, que massa de água passa pelo chuveiro a "
            "cada minuto, em {?}?",
     {{"csQ", 57000, 108000, nullptr, "kcal kJ"}, {"csT", 10, 25}, table("csC", Materials::waterHeat),
      {"csM", 2500, 8000, nullptr, "kg"}}},
    {"csM", "Uma peça de {csC:nome} (calor específico {csC}) é retirada de um forno e mergulhada num tanque de água. "
            "Até o equilíbrio, a temperatura da peça varia {csT}, e o calor que ela troca com a água é Q = {csQ}. "
            "Qual é a massa da peça, em {?}?",
     {{"csQ", -260000, -1200, nullptr, "kcal"}, {"csT", -600, -200}, table("csC", Materials::metalHeat),
      {"csM", 200, 2000, nullptr, "kg"}}},
    {"csM", "Cubos de gelo recém-formados, de calor específico {csC}, continuam esfriando no congelador: sua "
            "temperatura varia {csT}, e o calor que eles trocam com o congelador é Q = {csQ}. Qual é a massa de gelo, "
            "em {?}?",
     {{"csQ", -9000, -250, nullptr, "kcal"}, {"csT", -18, -5}, table("csC", Materials::iceHeat),
      {"csM", 100, 1000, nullptr, "kg"}}},
    {"csC", "Num laboratório, um bloco de {csM} de um metal desconhecido recebe {csQ} de calor, e sua temperatura "
            "sobe {csT}. Qual é o calor específico do metal, em {?}?",
     {{"csM", 50, 1000, nullptr, "kg"}, {"csQ", 200, 20000, nullptr, "kcal J"}, {"csT", 10, 80},
      {"csC", 0.03, 0.25, nullptr, "J/(kg·K)"}}},
    {"csC", "Uma resistência elétrica fornece {csQ} de calor a {csM} de um líquido desconhecido, cuja temperatura "
            "sobe {csT}. Qual é o calor específico do líquido, em {?}?",
     {{"csQ", 500, 40000, nullptr, "kcal kJ J"}, {"csM", 100, 1000, nullptr, "kg"}, {"csT", 5, 40},
      {"csC", 0.3, 1, nullptr, "J/(kg·K)"}}},
    {"csC", "Numa praia, uma amostra de {csM} de areia recebe do Sol {csQ} de calor ao longo da manhã, e sua "
            "temperatura sobe {csT}. Qual é o calor específico da areia, em {?}?",
     {{"csM", 100, 1000, nullptr, "kg"}, {"csQ", 200, 8000, nullptr, "kcal J"}, {"csT", 10, 30},
      {"csC", 0.15, 0.25, nullptr, "J/(kg·K)"}}},
    {"csT", "O aquecedor de um aquário fornece {csQ} de calor aos {csM} de água do aquário. Sendo o calor específico "
            "da água {csC}, de quanto sobe a temperatura da água, em {?}?",
     {{"csQ", 10000, 100000, nullptr, "kcal kJ"}, {"csM", 5000, 20000, nullptr, "kg"},
      table("csC", Materials::waterHeat), {"csT", 1, 8}}},
    {"csT", "Um bloco de {csC:nome} de {csM}, de calor específico {csC}, esfria sobre uma bancada, e o calor que ele "
            "troca com o ambiente é Q = {csQ}. Qual é a variação de temperatura do bloco, em {?}?",
     {{"csM", 100, 1000, nullptr, "kg"}, {"csQ", -10000, -500, nullptr, "kcal"}, table("csC", Materials::metalHeat),
      {"csT", -250, -5}}},
    {"csT", "Num forno de uma oficina, um lingote de {csC:nome} de {csM}, de calor específico {csC}, recebe {csQ} de "
            "calor. De quanto sobe a temperatura do lingote, em {?}?",
     {{"csM", 200, 2000, nullptr, "kg"}, {"csQ", 2000, 60000, nullptr, "kcal kJ"}, table("csC", Materials::metalHeat),
      {"csT", 20, 400}}},
};

// c = Q / (m·Δt): a metal alloy quenched in a calorimeter; an engine coolant; a stone in
// the sun (rocks 0,17 to 0,24 cal/(g·°C)); a baby's bath of 8 to 20 L and a baby's bottle
// of 100 to 250 mL warmed to body temperature; a pan cooling off the fire; a bucket of 4
// to 12 L and an immersion heater; a pot for pasta; a bottle of water in the fridge.
const Statement specificHeatStatements[] = {
    {"ceC", "Para identificar uma liga metálica, um estudante aquece um bloco de {ceM} dela e o mergulha na água de um "
            "calorímetro. O bloco troca com a água Q = {ceQ}, e sua temperatura varia {ceT}. Qual é o calor "
            "específico da liga, em {?}?",
     {{"ceM", 50, 500, nullptr, "kg"}, {"ceQ", -8000, -100}, {"ceT", -80, -30},
      {"ceC", 0.03, 0.25, nullptr, "J/(kg·K)"}}},
    {"ceC", "Para testar um novo fluido de arrefecimento de motores, um técnico fornece {ceQ} de calor a {ceM} do "
            "fluido, e sua temperatura sobe {ceT}. Qual é o calor específico do fluido, em {?}?",
     {{"ceQ", 1000, 50000, nullptr, "kcal kJ"}, {"ceM", 100, 2000, nullptr, "kg"}, {"ceT", 5, 50},
      {"ceC", 0.4, 1, nullptr, "J/(kg·K)"}}},
    {"ceC", "Uma pedra de {ceM}, deixada ao sol, absorve {ceQ} de calor, e sua temperatura sobe {ceT}. Qual é o calor "
            "específico do material da pedra, em {?}?",
     {{"ceM", 200, 3000, nullptr, "kg"}, {"ceQ", 500, 20000, nullptr, "kcal J"}, {"ceT", 5, 30},
      {"ceC", 0.15, 0.25, nullptr, "J/(kg·K)"}}},
    {"ceQ", "Para o banho de um bebê, {ceM} de água, de calor específico {ceC}, são aquecidos, e sua temperatura "
            "sobe {ceT}. Quanto calor a água recebe, em {?}?",
     {{"ceM", 8000, 20000, nullptr, "kg"}, table("ceC", Materials::waterHeat), {"ceT", 10, 20},
      {"ceQ", 80000, 400000, nullptr, "kcal kJ"}}},
    {"ceQ", "Uma mamadeira contém {ceM} de água, de calor específico {ceC}, que deve ser aquecida {ceT} antes de ser "
            "dada ao bebê. Quanto calor a água deve receber, em {?}?",
     {{"ceM", 100, 250, nullptr, "kg"}, table("ceC", Materials::waterHeat), {"ceT", 12, 20},
      {"ceQ", 1200, 5000, nullptr, "kcal kJ J"}}},
    {"ceQ", "Retirada do fogo, uma panela de {ceC:nome} de {ceM}, de calor específico {ceC}, esfria sobre a pia, e sua "
            "temperatura varia {ceT}. Qual é a quantidade de calor trocada pela panela, em {?}? (Calor cedido tem "
            "sinal negativo.)",
     {{"ceM", 300, 2000, nullptr, "kg"}, table("ceC", Materials::metalHeat), {"ceT", -150, -30},
      {"ceQ", -66000, -800, nullptr, "kcal"}}},
    {"ceM", "Um ebulidor elétrico (rabo-quente) fornece {ceQ} de calor à água de um balde, e a temperatura da água "
            "sobe {ceT}. Sendo o calor específico da água {ceC}, qual é a massa de água no balde, em {?}?",
     {{"ceQ", 40000, 480000, nullptr, "kcal kJ"}, {"ceT", 10, 40}, table("ceC", Materials::waterHeat),
      {"ceM", 4000, 12000, nullptr, "kg"}}},
    {"ceM", "Num forno de uma oficina, uma barra de {ceC:nome}, de calor específico {ceC}, recebe {ceQ} de calor, e "
            "sua temperatura sobe {ceT}. Qual é a massa da barra, em {?}?",
     {{"ceQ", 500, 250000, nullptr, "kcal"}, {"ceT", 50, 400}, table("ceC", Materials::metalHeat),
      {"ceM", 200, 3000, nullptr, "kg"}}},
    {"ceM", "Uma garrafa de água é posta na geladeira. A água, de calor específico {ceC}, sofre uma variação de "
            "temperatura de {ceT}, e o calor que ela troca é Q = {ceQ}. Qual é a massa de água na garrafa, em {?}?",
     {{"ceQ", -50000, -3000, nullptr, "kcal"}, {"ceT", -25, -10}, table("ceC", Materials::waterHeat),
      {"ceM", 300, 2000, nullptr, "kg"}}},
    {"ceT", "Um aquecedor de mamadeiras fornece {ceQ} de calor aos {ceM} de água de uma mamadeira. Sendo o calor "
            "específico da água {ceC}, de quanto sobe a temperatura da água, em {?}?",
     {{"ceQ", 1000, 6000, nullptr, "kcal kJ J"}, {"ceM", 100, 250, nullptr, "kg"}, table("ceC", Materials::waterHeat),
      {"ceT", 8, 25}}},
    {"ceT", "Uma panela de {ceC:nome} de {ceM}, de calor específico {ceC}, é retirada do fogo e troca com o ambiente "
            "Q = {ceQ}. Qual é a variação de temperatura da panela, em {?}?",
     {{"ceM", 300, 2000, nullptr, "kg"}, {"ceQ", -40000, -1000, nullptr, "kcal"}, table("ceC", Materials::metalHeat),
      {"ceT", -150, -10}}},
    {"ceT", "Uma panela contém {ceM} de água, de calor específico {ceC}, para cozinhar macarrão. O fogão fornece à "
            "água {ceQ} de calor. De quanto sobe a temperatura da água, em {?}?",
     {{"ceM", 2000, 5000, nullptr, "kg"}, table("ceC", Materials::waterHeat),
      {"ceQ", 20000, 350000, nullptr, "kcal kJ"}, {"ceT", 10, 75}}},
};

// Q = m·L: ice cubes melting (80 cal/g), a pan boiling dry (540 cal/g), lead and
// aluminium melted in a workshop; a substance that solidifies gives off heat, so its L
// and Q are negative.
const Statement latentHeatStatements[] = {
    {"lnFR", "Uma forma com {lnM} de gelo a 0 °C é deixada sobre a pia até o gelo derreter por completo. Sendo o calor "
             "latente de fusão do gelo {lnA}, quanto calor o gelo recebe do ambiente, em {?}?",
     {{"lnM", 100, 500, nullptr, "kg"}, table("lnA", Materials::iceMelting),
      {"lnFR", 8000, 40000, nullptr, "kcal kJ"}}},
    {"lnFR", "Esquecida no fogão, uma panela com {lnM} de água em ebulição ferve até secar. Sendo o calor latente de "
             "vaporização da água {lnA}, quanto calor a água recebeu durante a fervura, em {?}?",
     {{"lnM", 200, 1500, nullptr, "kg"}, table("lnA", Materials::waterBoiling),
      {"lnFR", 1.08e5, 8.1e5, nullptr, "kcal kJ"}}},
    {"lnFR", "Um artesão funde {lnM} de {lnA:nome}, já na temperatura de fusão, para moldar peças. Sendo o calor "
             "latente de fusão do metal {lnA}, quanto calor ele deve fornecer, em {?}?",
     {{"lnM", 200, 3000, nullptr, "kg"}, table("lnA", Materials::metalMelting),
      {"lnFR", 1000, 300000, nullptr, "kcal kJ"}}},
    {"lnM", "Um bloco de gelo a 0 °C recebe {lnFR} de calor do ambiente. Sendo {lnA} o calor latente de fusão do gelo, "
            "que massa de gelo derrete, em {?}?",
     {{"lnFR", 2000, 80000, nullptr, "kcal kJ"}, table("lnA", Materials::iceMelting),
      {"lnM", 25, 1000, nullptr, "kg"}}},
    {"lnM", "A água de uma chaleira, já em ebulição, recebe {lnFR} de calor do fogão. Sendo {lnA} o calor latente de "
            "vaporização da água, que massa de água se transforma em vapor, em {?}?",
     {{"lnFR", 10000, 300000, nullptr, "kcal kJ"}, table("lnA", Materials::waterBoiling),
      {"lnM", 20, 550, nullptr, "kg"}}},
    {"lnM", "Numa oficina de reciclagem, um forno fornece {lnFR} de calor a sucata de {lnA:nome} que já está na "
            "temperatura de fusão. Sendo {lnA} o calor latente de fusão do metal, que massa de metal se funde, em {?}?",
     {{"lnFR", 1000, 500000, nullptr, "kcal"}, table("lnA", Materials::metalMelting),
      {"lnM", 200, 5000, nullptr, "kg"}}},
    {"lnA", "Para fundir {lnM} de um metal desconhecido, já na temperatura de fusão, foi preciso fornecer {lnFR} de "
            "calor. Qual é o calor latente de fusão desse metal, em {?}?",
     {{"lnM", 50, 1000, nullptr, "kg"}, {"lnFR", 500, 50000, nullptr, "kcal kJ"}, {"lnA", 5, 100, nullptr, "kJ/kg"}}},
    {"lnA", "Num experimento, {lnM} de um líquido desconhecido, já em ebulição, são totalmente vaporizados com {lnFR} "
            "de calor. Qual é o calor latente de vaporização do líquido, em {?}?",
     {{"lnM", 20, 200, nullptr, "kg"}, {"lnFR", 5000, 100000, nullptr, "kcal kJ"},
      {"lnA", 100, 600, nullptr, "kJ/kg"}}},
    {"lnA", "Uma amostra de {lnM} de uma substância, já na temperatura de solidificação, solidifica-se por completo, e "
            "o calor que ela troca com o ambiente é Q = {lnFR}. Qual é o calor latente de solidificação da "
            "substância, em {?}?",
     {{"lnM", 50, 500, nullptr, "kg"}, {"lnFR", -40000, -500, nullptr, "kcal"}, {"lnA", -100, -5, nullptr, "kJ/kg"}}},
};

// ΔL = α·L₀·Δt: rails of steel 10 to 30 m, 10 to 40 °C warmer by the afternoon; a steel
// bridge of 50 to 500 m between winter and summer; laboratory rods heated with steam;
// a wire between two poles on a cold night; laboratory glass (3 to 10 · 10⁻⁶ °C⁻¹) and
// concrete (7 to 14 · 10⁻⁶ °C⁻¹).
const Statement linearExpansionStatements[] = {
    {"csQ", "Um trilho de {csM:nome}, de coeficiente de dilatação linear {csM}, tem {csC} de comprimento numa manhã "
            "fria. À tarde, sob o sol, sua temperatura está {csT} mais alta. Quanto o trilho se alongou, em {?}?",
     {table("csM", Materials::steelExpansion), {"csC", 10, 30}, {"csT", 10, 40}, {"csQ", 1, 14, "mm", "mm cm"}}},
    {"csQ", "Uma ponte de {csM:nome}, de coeficiente de dilatação linear {csM}, tem {csC} de extensão. Do inverno ao "
            "verão, a temperatura da estrutura sobe {csT}. Quanto aumenta o comprimento da ponte, em {?}?",
     {table("csM", Materials::steelExpansion), {"csC", 50, 500, nullptr, "km"}, {"csT", 20, 40},
      {"csQ", 1, 22, "cm", "cm mm"}}},
    {"csQ", "Num laboratório, uma barra de {csM:nome} de {csC}, de coeficiente de dilatação linear {csM}, é aquecida "
            "com vapor, e sua temperatura sobe {csT}. Qual é o aumento do comprimento da barra, em {?}?",
     {table("csM", Materials::metalExpansion), {"csC", 0.5, 2, nullptr, "cm"}, {"csT", 20, 80},
      {"csQ", 0.1, 4, "mm", "mm"}}},
    {"csQ", "Um fio de {csM:nome}, de coeficiente de dilatação linear {csM}, está esticado entre dois postes e tem "
            "{csC} de comprimento. Numa noite fria, sua temperatura varia {csT}. Qual é a variação do comprimento do "
            "fio, em {?}?",
     {table("csM", Materials::metalExpansion), {"csC", 30, 60}, {"csT", -20, -5}, {"csQ", -30, -1, "mm", "mm"}}},
    {"csM", "Num ensaio, uma barra de um metal desconhecido com {csC} de comprimento é aquecida: sua temperatura sobe "
            "{csT}, e seu comprimento aumenta {csQ}. Qual é o coeficiente de dilatação linear do metal, em {?}?",
     {{"csC", 0.5, 2, nullptr, "cm"}, {"csT", 20, 100}, {"csQ", 0.1, 5, "mm", "mm"}, {"csM", 8e-6, 3e-5}}},
    {"csM", "Um tubo de vidro de {csC} de um equipamento de laboratório é aquecido, e sua temperatura sobe {csT}. Seu "
            "comprimento aumenta {csQ}. Qual é o coeficiente de dilatação linear desse vidro, em {?}?",
     {{"csC", 0.2, 1, nullptr, "cm"}, {"csT", 50, 200}, {"csQ", 0.03, 2, "mm", "mm"}, {"csM", 3e-6, 1e-5}}},
    {"csM", "Um engenheiro mede que uma viga de concreto de {csC} de um viaduto se alonga {csQ} quando a temperatura "
            "sobe {csT}. Qual é o coeficiente de dilatação linear desse concreto, em {?}?",
     {{"csC", 10, 40}, {"csQ", 1, 17, "mm", "mm cm"}, {"csT", 10, 30}, {"csM", 7e-6, 1.4e-5}}},
    {"csC", "Um trilho de {csM:nome}, de coeficiente de dilatação linear {csM}, se alonga {csQ} quando sua temperatura "
            "sobe {csT}. Qual é o comprimento do trilho, em {?}?",
     {table("csM", Materials::steelExpansion), {"csQ", 2, 14, "mm", "mm cm"}, {"csT", 10, 40}, {"csC", 10, 30}}},
    {"csC", "A junta de dilatação de uma ponte de {csM:nome}, de coeficiente de dilatação linear {csM}, deve absorver "
            "um aumento de comprimento de {csQ} quando a temperatura sobe {csT}. Qual é o comprimento da ponte, em "
            "{?}?",
     {table("csM", Materials::steelExpansion), {"csQ", 1, 25, "cm", "cm mm"}, {"csT", 20, 40},
      {"csC", 50, 500, nullptr, "km"}}},
    {"csC", "Uma barra de {csM:nome}, de coeficiente de dilatação linear {csM}, aumenta {csQ} de comprimento ao ser "
            "aquecida {csT}. Qual era o comprimento inicial da barra, em {?}?",
     {table("csM", Materials::metalExpansion), {"csQ", 0.2, 4, "mm", "mm"}, {"csT", 20, 80},
      {"csC", 0.3, 2, nullptr, "cm"}}},
    {"csT", "Um trilho de {csM:nome} de {csC}, de coeficiente de dilatação linear {csM}, tem na ponta uma folga de "
            "{csQ} para o trilho seguinte. De quanto deve subir a temperatura do trilho para que a folga se feche, "
            "em {?}?",
     {table("csM", Materials::steelExpansion), {"csC", 10, 30}, {"csQ", 2, 10, "mm", "mm cm"}, {"csT", 10, 50}}},
    {"csT", "Num termostato, uma haste de {csM:nome} de {csC}, de coeficiente de dilatação linear {csM}, precisa se "
            "alongar {csQ} para fechar um contato elétrico. De quanto deve aumentar a temperatura da haste, em {?}?",
     {table("csM", Materials::metalExpansion), {"csC", 10, 30, "cm", "cm"}, {"csQ", 0.05, 0.5, "mm", "mm"},
      {"csT", 10, 200}}},
    {"csT", "Numa noite fria, um fio de {csM:nome} de {csC}, de coeficiente de dilatação linear {csM}, esticado entre "
            "dois postes, encolhe: a variação de seu comprimento é {csQ}. Qual foi a variação de temperatura do fio, "
            "em {?}?",
     {table("csM", Materials::metalExpansion), {"csC", 20, 60}, {"csQ", -25, -1, "mm", "cm"}, {"csT", -30, -3}}},
};

// ΔS = β·S₀·Δt, β = 2α: a roof sheet of 1 to 4 m² in the sun, coins of 3 to 6 cm², a
// jar's lid of 20 to 80 cm² in hot water, a plate with a hole for a pin; window glass
// 1,2 to 2 · 10⁻⁵ °C⁻¹.
const Statement surfaceExpansionStatements[] = {
    {"csQ", "Uma chapa de {csM:nome} da cobertura de um galpão, de coeficiente de dilatação superficial {csM}, tem "
            "área {csC} de manhã. Ao meio-dia, sob o sol, sua temperatura subiu {csT}. Qual foi o aumento de sua "
            "área, em {?}?",
     {table("csM", Materials::surfaceExpansion), {"csC", 1, 4}, {"csT", 20, 50}, {"csQ", 4, 100, "cm²", "cm² mm²"}}},
    {"csQ", "Uma moeda de {csM:nome}, de coeficiente de dilatação superficial {csM}, tem área {csC}. Aquecida numa "
            "chama, sua temperatura sobe {csT}. Quanto aumenta a área da moeda, em {?}?",
     {table("csM", Materials::surfaceExpansion), {"csC", 3, 6, "cm²", "cm² mm²"}, {"csT", 50, 300},
      {"csQ", 0.3, 9, "mm²", "mm²"}}},
    {"csQ", "Uma chapa de {csM:nome} de área {csC}, de coeficiente de dilatação superficial {csM}, é retirada de um "
            "forno e esfria: sua temperatura varia {csT}. Qual é a variação da área da chapa, em {?}?",
     {table("csM", Materials::surfaceExpansion), {"csC", 0.2, 1, nullptr, "cm²"}, {"csT", -300, -100},
      {"csQ", -150, -4, "cm²", "cm²"}}},
    {"csM", "Uma chapa de um metal desconhecido, de área {csC}, tem sua área aumentada em {csQ} quando sua "
            "temperatura sobe {csT}. Qual é o coeficiente de dilatação superficial do metal, em {?}?",
     {{"csC", 0.1, 1, nullptr, "cm²"}, {"csQ", 0.5, 40, "cm²", "cm²"}, {"csT", 20, 100}, {"csM", 1.6e-5, 6e-5}}},
    {"csM", "O vidro de uma janela tem área {csC}. Sob o sol, sua temperatura sobe {csT}, e sua área aumenta {csQ}. "
            "Qual é o coeficiente de dilatação superficial desse vidro, em {?}?",
     {{"csC", 0.5, 2}, {"csT", 10, 30}, {"csQ", 0.5, 12, "cm²", "cm² mm²"}, {"csM", 1.2e-5, 2e-5}}},
    {"csM", "Para abrir um pote, uma pessoa mergulha em água quente a tampa metálica, de área {csC}: a temperatura da "
            "tampa sobe {csT}, e sua área aumenta {csQ}. Qual é o coeficiente de dilatação superficial do metal da "
            "tampa, em {?}?",
     {{"csC", 20, 80, "cm²", "cm²"}, {"csT", 30, 60}, {"csQ", 1, 30, "mm²", "mm²"}, {"csM", 1.6e-5, 6e-5}}},
    {"csC", "Uma chapa de {csM:nome} da cobertura de um galpão, de coeficiente de dilatação superficial {csM}, tem sua "
            "área aumentada em {csQ} quando sua temperatura sobe {csT}. Qual é a área da chapa, em {?}?",
     {table("csM", Materials::surfaceExpansion), {"csQ", 4, 100, "cm²", "cm² mm²"}, {"csT", 20, 50},
      {"csC", 1, 4, nullptr, "cm²"}}},
    {"csC", "A tampa de {csM:nome} de um pote, de coeficiente de dilatação superficial {csM}, ganha {csQ} de área ao "
            "ser mergulhada em água quente, quando sua temperatura sobe {csT}. Qual era a área inicial da tampa, em "
            "{?}?",
     {table("csM", Materials::surfaceExpansion), {"csQ", 1, 30, "mm²", "mm²"}, {"csT", 30, 60},
      {"csC", 20, 80, "cm²", "cm²"}}},
    {"csC", "Uma moeda de {csM:nome}, de coeficiente de dilatação superficial {csM}, ganha {csQ} de área ao ser "
            "aquecida numa chama, quando sua temperatura sobe {csT}. Qual era a área da moeda, em {?}?",
     {table("csM", Materials::surfaceExpansion), {"csQ", 0.3, 9, "mm²", "mm²"}, {"csT", 50, 300},
      {"csC", 3, 6, "cm²", "cm² mm²"}}},
    {"csT", "Uma chapa de {csM:nome}, de coeficiente de dilatação superficial {csM}, tem um furo circular de área "
            "{csC}. Para que um pino passe por ele, a área do furo precisa aumentar {csQ}. De quanto deve subir a "
            "temperatura da chapa, em {?}?",
     {table("csM", Materials::surfaceExpansion), {"csC", 1, 10, "cm²", "cm² mm²"}, {"csQ", 0.5, 10, "mm²", "mm²"},
      {"csT", 20, 400}}},
    {"csT", "Uma chapa de {csM:nome} da cobertura de um galpão, de coeficiente de dilatação superficial {csM}, tem "
            "área {csC} e, ao sol, ganha {csQ} de área. De quanto subiu sua temperatura, em {?}?",
     {table("csM", Materials::surfaceExpansion), {"csC", 1, 4}, {"csQ", 4, 100, "cm²", "cm² mm²"}, {"csT", 15, 60}}},
    {"csT", "À noite, uma chapa de {csM:nome} de área {csC}, de coeficiente de dilatação superficial {csM}, esfria, e "
            "a variação de sua área é {csQ}. Qual foi a variação de temperatura da chapa, em {?}?",
     {table("csM", Materials::surfaceExpansion), {"csC", 1, 4}, {"csQ", -60, -1, "cm²", "cm²"}, {"csT", -30, -5}}},
};

// ΔV = γ·V₀·Δt: a car's tank of 30 to 60 L and a tanker truck of 10 to 30 m³ of petrol or
// ethanol, which warm or cool by 5 to 25 °C; liquids in a laboratory flask; metal spheres
// (γ = 3α); an unknown liquid 1 to 15 · 10⁻⁴ °C⁻¹.
const Statement volumeExpansionStatements[] = {
    {"csQ", "Pela manhã, um motorista enche o tanque do carro com {csC} de {csM:nome}, de coeficiente de dilatação "
            "volumétrica {csM}. Ao longo do dia, a temperatura do combustível sobe {csT}. Qual é o aumento de seu "
            "volume, em {?}?",
     {table("csM", Materials::fuelExpansion), {"csC", 30, 60, "L", "L"}, {"csT", 5, 20},
      {"csQ", 0.1, 1.4, "L", "L mL"}}},
    {"csQ", "Um caminhão-tanque é carregado com {csC} de {csM:nome}, de coeficiente de dilatação volumétrica {csM}, "
            "numa tarde quente. Até ser descarregado, à noite, o combustível sofre uma variação de temperatura de "
            "{csT}. Qual é a variação de seu volume, em {?}?",
     {table("csM", Materials::fuelExpansion), {"csC", 10, 30, "m³"}, {"csT", -20, -5}, {"csQ", -700, -45, "L", "L"}}},
    {"csQ", "Um frasco contém {csC} de {csM:nome}, de coeficiente de dilatação volumétrica {csM}. Aquecido em banho-"
            "maria, o líquido tem sua temperatura aumentada em {csT}. Qual é o aumento do volume do líquido, em {?}?",
     {table("csM", Materials::volumeExpansion), {"csC", 100, 1000, "mL", "mL L"}, {"csT", 20, 60},
      {"csQ", 0.3, 70, "mL", "mL cm³"}}},
    {"csQ", "Uma esfera de {csM:nome} de volume {csC}, de coeficiente de dilatação volumétrica {csM}, é aquecida num "
            "forno, e sua temperatura sobe {csT}. Qual é o aumento do volume da esfera, em {?}?",
     {table("csM", Materials::solidVolumeExpansion), {"csC", 100, 1000, "cm³", "cm³ L"}, {"csT", 50, 300},
      {"csQ", 0.15, 22, "cm³", "cm³ mL"}}},
    {"csM", "Num laboratório, {csC} de um líquido desconhecido são aquecidos, e sua temperatura sobe {csT}. O volume "
            "do líquido aumenta {csQ}. Qual é o coeficiente de dilatação volumétrica do líquido, em {?}?",
     {{"csC", 100, 500, "mL", "mL L"}, {"csT", 20, 60}, {"csQ", 0.2, 45, "mL", "mL cm³"}, {"csM", 1e-4, 1.5e-3}}},
    {"csM", "Uma distribuidora verifica que {csC} de um combustível, ao terem sua temperatura aumentada em {csT}, "
            "ocupam {csQ} a mais. Qual é o coeficiente de dilatação volumétrica desse combustível, em {?}?",
     {{"csC", 5, 20, "m³"}, {"csT", 5, 20}, {"csQ", 12, 600, "L", "L"}, {"csM", 5e-4, 1.5e-3}}},
    {"csM", "Uma esfera de {csC} feita de uma liga metálica é aquecida, e sua temperatura sobe {csT}. Seu volume "
            "aumenta {csQ}. Qual é o coeficiente de dilatação volumétrica da liga, em {?}?",
     {{"csC", 100, 1000, "cm³", "cm³ L"}, {"csT", 50, 300}, {"csQ", 0.2, 20, "cm³", "cm³"}, {"csM", 3e-5, 8e-5}}},
    {"csC", "Um carro tem o tanque abastecido com {csM:nome}, de coeficiente de dilatação volumétrica {csM}. Ao longo "
            "do dia, a temperatura do combustível sobe {csT}, e seu volume aumenta {csQ}. Quanto combustível havia no "
            "tanque, em {?}?",
     {table("csM", Materials::fuelExpansion), {"csT", 5, 20}, {"csQ", 0.2, 1.4, "L", "L mL"},
      {"csC", 20, 70, "L", "L"}}},
    {"csC", "Uma esfera de {csM:nome}, de coeficiente de dilatação volumétrica {csM}, tem seu volume aumentado em "
            "{csQ} quando é aquecida e sua temperatura sobe {csT}. Qual era o volume inicial da esfera, em {?}?",
     {table("csM", Materials::solidVolumeExpansion), {"csQ", 0.2, 20, "cm³", "cm³ mL"}, {"csT", 50, 300},
      {"csC", 100, 1000, "cm³", "cm³ L"}}},
    {"csC", "Um frasco com {csM:nome}, de coeficiente de dilatação volumétrica {csM}, é aquecido em banho-maria: a "
            "temperatura do líquido aumenta {csT}, e seu volume cresce {csQ}. Qual era o volume inicial do líquido, "
            "em {?}?",
     {table("csM", Materials::volumeExpansion), {"csT", 20, 60}, {"csQ", 0.5, 60, "mL", "mL cm³"},
      {"csC", 100, 1000, "mL", "mL L"}}},
    {"csT", "O tanque de um carro, cheio até a boca com {csC} de {csM:nome}, de coeficiente de dilatação volumétrica "
            "{csM}, transborda quando o volume do combustível aumenta {csQ}. Desprezando a dilatação do tanque, de "
            "quanto deve subir a temperatura do combustível, em {?}?",
     {table("csM", Materials::fuelExpansion), {"csC", 30, 60, "L", "L"}, {"csQ", 0.2, 1.5, "L", "L mL"},
      {"csT", 4, 30}}},
    {"csT", "Um frasco cheio contém {csC} de {csM:nome}, de coeficiente de dilatação volumétrica {csM}. De quanto "
            "deve subir a temperatura do líquido para que seu volume cresça {csQ}, em {?}?",
     {table("csM", Materials::volumeExpansion), {"csC", 100, 1000, "mL", "mL L"}, {"csQ", 0.5, 60, "mL", "mL cm³"},
      {"csT", 10, 80}}},
    {"csT", "Os {csC} de {csM:nome} de um caminhão-tanque, de coeficiente de dilatação volumétrica {csM}, esfriam "
            "durante a noite, e a variação de seu volume é {csQ}. Qual foi a variação de temperatura do combustível, "
            "em {?}?",
     {table("csM", Materials::fuelExpansion), {"csC", 10, 30, "m³"}, {"csQ", -600, -40, "L", "L"},
      {"csT", -25, -3}}},
};

// C = Q / ΔT: an aluminium pan of 0,3 to 1,5 kg (66 to 330 cal/°C); a calorimeter of 10
// to 100 cal/°C; an iron piece cooling by 50 to 500 °C; a baby's bath of 8 to 20 L.
const Statement heatCapacityStatements[] = {
    {"pP", "Uma panela vazia, aquecida no fogão, absorve {pT} de calor, e sua temperatura sobe {pdT}. Qual é a "
           "capacidade térmica da panela, em {?}?",
     {{"pT", 2000, 30000, nullptr, "kcal kJ"}, {"pdT", 20, 150}, {"pP", 50, 350, nullptr, "J/K"}}},
    {"pP", "Num laboratório, um calorímetro recebe {pT} de calor, e sua temperatura sobe {pdT}. Qual é a capacidade "
           "térmica do calorímetro, em {?}?",
     {{"pT", 100, 3000, nullptr, "kcal J"}, {"pdT", 5, 40}, {"pP", 10, 100, nullptr, "J/K"}}},
    {"pP", "Uma peça de ferro retirada de um forno esfria: sua temperatura varia {pdT}, e o calor que ela troca com o "
           "ambiente é Q = {pT}. Qual é a capacidade térmica da peça, em {?}?",
     {{"pdT", -500, -50}, {"pT", -50000, -2000, nullptr, "kcal"}, {"pP", 20, 500, nullptr, "J/K"}}},
    {"pT", "Um calorímetro de capacidade térmica {pP} é aquecido, e sua temperatura sobe {pdT}. Quanto calor ele "
           "absorve, em {?}?",
     {{"pP", 10, 100, nullptr, "J/K"}, {"pdT", 5, 40}, {"pT", 100, 4000, nullptr, "kcal J"}}},
    {"pT", "Uma panela de capacidade térmica {pP} é retirada do fogo e esfria: sua temperatura varia {pdT}. Qual é a "
           "quantidade de calor trocada pela panela, em {?}? (Calor cedido tem sinal negativo.)",
     {{"pP", 50, 350, nullptr, "J/K"}, {"pdT", -150, -20}, {"pT", -50000, -1000, nullptr, "kcal"}}},
    {"pT", "A água de uma banheira de bebê tem capacidade térmica {pP}. Quanto calor ela deve receber para que sua "
           "temperatura suba {pdT}, em {?}?",
     {{"pP", 8000, 20000, nullptr, "kcal/°C"}, {"pdT", 10, 20}, {"pT", 80000, 400000, nullptr, "kcal kJ"}}},
    {"pdT", "Uma panela de capacidade térmica {pP} recebe {pT} de calor da chama do fogão. De quanto sobe sua "
            "temperatura, em {?}?",
     {{"pP", 50, 350, nullptr, "J/K"}, {"pT", 2000, 30000, nullptr, "kcal kJ"}, {"pdT", 10, 200}}},
    {"pdT", "Uma peça de capacidade térmica {pP} esfria sobre uma bancada, e o calor que ela troca com o ambiente é "
            "Q = {pT}. Qual é a variação de temperatura da peça, em {?}?",
     {{"pP", 20, 500, nullptr, "J/K"}, {"pT", -50000, -1000, nullptr, "kcal"}, {"pdT", -400, -10}}},
    {"pdT", "A água de uma banheira de bebê, de capacidade térmica {pP}, recebe {pT} de calor de um aquecedor. De "
            "quanto sobe a temperatura da água, em {?}?",
     {{"pP", 8000, 20000, nullptr, "kcal/°C"}, {"pT", 50000, 400000, nullptr, "kcal kJ"}, {"pdT", 5, 30}}},
};

// C = m·c: pans of aluminium, iron or copper, 0,3 to 2 kg; calorimeters of 50 to 1 000
// g; a block of ice; unknown metals, liquids, and sand (0,15 to 0,25 cal/(g·°C)).
const Statement heatCapacityFromMassStatements[] = {
    {"lnFR", "Uma panela de {lnA:nome} tem massa {lnM}. Sendo o calor específico do {lnA:nome} {lnA}, qual é a "
             "capacidade térmica da panela, em {?}?",
     {{"lnM", 300, 2000, nullptr, "kg"}, table("lnA", Materials::metalHeat), {"lnFR", 25, 450, nullptr, "J/K"}}},
    {"lnFR", "Um bloco de {lnA:nome} de {lnM}, de calor específico {lnA}, é usado num experimento de calorimetria. "
             "Qual é a capacidade térmica do bloco, em {?}?",
     {{"lnM", 50, 1000, nullptr, "kg"}, table("lnA", Materials::metalHeat), {"lnFR", 4, 220, nullptr, "J/K"}}},
    {"lnFR", "Um bloco de gelo de {lnM}, abaixo de 0 °C, tem calor específico {lnA}. Qual é a capacidade térmica do "
             "bloco, em {?}?",
     {{"lnM", 200, 5000, nullptr, "kg"}, table("lnA", Materials::iceHeat),
      {"lnFR", 100, 2500, nullptr, "kcal/°C J/K"}}},
    {"lnM", "Uma panela de {lnA:nome} tem capacidade térmica {lnFR}. Sendo o calor específico do {lnA:nome} {lnA}, "
            "qual é a massa da panela, em {?}?",
     {{"lnFR", 30, 400, nullptr, "J/K"}, table("lnA", Materials::metalHeat), {"lnM", 300, 2000, nullptr, "kg"}}},
    {"lnM", "O recipiente de um calorímetro, feito de {lnA:nome}, tem capacidade térmica {lnFR}. Sendo o calor "
            "específico do metal {lnA}, qual é a massa do recipiente, em {?}?",
     {{"lnFR", 5, 200, nullptr, "J/K"}, table("lnA", Materials::metalHeat), {"lnM", 50, 1000, nullptr, "kg"}}},
    {"lnM", "Um bloco de gelo, abaixo de 0 °C, tem capacidade térmica {lnFR}. Sendo o calor específico do gelo {lnA}, "
            "qual é a massa do bloco, em {?}?",
     {{"lnFR", 100, 2500, nullptr, "kcal/°C J/K"}, table("lnA", Materials::iceHeat),
      {"lnM", 200, 5000, nullptr, "kg"}}},
    {"lnA", "Um bloco de {lnM} de um metal desconhecido tem capacidade térmica {lnFR}. Qual é o calor específico do "
            "metal, em {?}?",
     {{"lnM", 50, 1000, nullptr, "kg"}, {"lnFR", 2, 250, nullptr, "J/K"}, {"lnA", 0.03, 0.25, nullptr, "J/(kg·K)"}}},
    {"lnA", "Um recipiente contém {lnM} de um líquido desconhecido, cuja capacidade térmica é {lnFR}. Qual é o calor "
            "específico do líquido, em {?}?",
     {{"lnM", 100, 2000, nullptr, "kg"}, {"lnFR", 30, 2000, nullptr, "kcal/°C J/K"},
      {"lnA", 0.3, 1, nullptr, "J/(kg·K)"}}},
    {"lnA", "Uma amostra de {lnM} de areia de uma praia tem capacidade térmica {lnFR}. Qual é o calor específico da "
            "areia, em {?}?",
     {{"lnM", 100, 2000, nullptr, "kg"}, {"lnFR", 15, 500, nullptr, "J/K"}, {"lnA", 0.15, 0.25, nullptr, "J/(kg·K)"}}},
};

const TopicProblems topicProblems[] = {
    {"ButtonXPMACCorel42", celsiusFahrenheitStatements},
    {"ButtonXPMACCorel43", celsiusKelvinStatements},
    {"ButtonXPMACCorel44", fahrenheitKelvinStatements},
    {"ButtonXPMACCorel45", sensibleHeatStatements},
    {"ButtonXPMACCorel46", specificHeatStatements},
    {"ButtonXPMACCorel47", latentHeatStatements},
    {"ButtonXPMACCorel48", linearExpansionStatements},
    {"ButtonXPMACCorel49", surfaceExpansionStatements},
    {"ButtonXPMACCorel50", volumeExpansionStatements},
    {"ButtonXPMACCorel51", Gases::clapeyron},
    {"ButtonXPMACCorel52", Gases::isothermal},
    {"ButtonXPMACCorel53", Gases::isobaric},
    {"ButtonXPMACCorel54", Gases::isovolumetric},
    {"ButtonXPMACCorel55", Gases::firstLaw},
    {"ButtonXPMACCorel56", Gases::molecularEnergy},
    {"ButtonXPMACCorel96", heatCapacityStatements},
    {"ButtonXPMACCorel97", heatCapacityFromMassStatements},
};

}

const std::span<const Problems::TopicProblems> problems = topicProblems;

}
