#include "catalogue/AreaProblems.h"

// Thermology's exercises. The statements never make a word agree with a unit ("foram
// necessárias … cal" would read wrong in kJ), since the level with conversions may give
// any value in another unit.
namespace Termologia {

namespace {

using Problems::Range;
using Problems::Statement;
using Problems::TopicProblems;

// The scale pages are the conversion itself: their values stay in their own scales.
const Range celsiusFahrenheitRanges[] = {
    {"ecfc", -20, 100},
    {"ecff", -4, 212},
};

const Statement celsiusFahrenheitStatements[] = {
    {"ecff", "Um termômetro de laboratório indica que uma amostra de água está a {ecfc}. Qual é essa temperatura na escala Fahrenheit, em {?}?"},
    {"ecff", "Um estudante vai enviar a um colega dos Estados Unidos o resultado de uma medida: a temperatura de um líquido é {ecfc}. Que valor ele deve informar na escala Fahrenheit, em {?}?"},
    {"ecfc", "Uma receita norte-americana pede que uma calda seja mantida a {ecff}. Qual é essa temperatura na escala Celsius, em {?}?"},
    {"ecfc", "Um termômetro graduado na escala Fahrenheit, mergulhado num líquido, marca {ecff}. Quanto marcaria um termômetro Celsius no mesmo líquido, em {?}?"},
};

const Range celsiusKelvinRanges[] = {
    {"eckc", -100, 300},
    {"eckk", 173, 573},
};

const Statement celsiusKelvinStatements[] = {
    {"eckk", "Em um experimento, um gás é mantido a {eckc}. Qual é a temperatura do gás na escala Kelvin, em {?}?"},
    {"eckk", "Um termômetro Celsius colocado em contato com uma substância marca {eckc}. Qual é a temperatura absoluta dessa substância, em {?}?"},
    {"eckc", "Um cientista registra que uma amostra de gás está à temperatura absoluta de {eckk}. Qual é essa temperatura na escala Celsius, em {?}?"},
    {"eckc", "O sensor de um forno industrial indica {eckk}. Quanto indicaria um termômetro graduado na escala Celsius, em {?}?"},
};

const Range fahrenheitKelvinRanges[] = {
    {"efkk", 233, 478},
    {"efkf", -40, 400},
};

const Statement fahrenheitKelvinStatements[] = {
    {"efkk", "O manual de um equipamento norte-americano informa que um óleo deve ser aquecido a {efkf}. Qual é essa temperatura na escala Kelvin, em {?}?"},
    {"efkk", "Um termômetro Fahrenheit marca {efkf} ao medir a temperatura de um gás. Qual é a temperatura absoluta do gás, em {?}?"},
    {"efkf", "Um gás está à temperatura absoluta de {efkk}. Quanto marcaria um termômetro Fahrenheit colocado em contato com ele, em {?}?"},
    {"efkf", "Num laboratório, uma substância é mantida a {efkk}. Qual é essa temperatura na escala Fahrenheit, em {?}?"},
};

const Range sensibleHeatRanges[] = {
    {"csQ", 200, 100000, "kcal J"},
    {"csM", 50, 2000, "kg"},
    {"csC", 0.09, 1.0},
    {"csT", 5, 80, "K"},
};

const Statement sensibleHeatStatements[] = {
    {"csQ", "Que quantidade de calor, em {?}, deve ser fornecida a {csM} de uma substância de calor específico {csC} para que sua temperatura se eleve em {csT}?"},
    {"csQ", "Uma panela contém {csM} de um líquido cujo calor específico é {csC}. Aquecido no fogão, o líquido tem sua temperatura aumentada em {csT}. Qual é a quantidade de calor que ele recebeu, em {?}?"},
    {"csM", "Um corpo de calor específico {csC} recebe {csQ} de calor e sua temperatura sobe {csT}. Qual é a massa do corpo, em {?}?"},
    {"csM", "Ao ceder {csQ} de calor ao ambiente, uma amostra de um material de calor específico {csC} tem sua temperatura reduzida em {csT}. Qual é a massa da amostra, em {?}?"},
    {"csC", "Para elevar em {csT} a temperatura de {csM} de uma substância, foi preciso fornecer {csQ} de calor. Qual é o calor específico dessa substância, em {?}?"},
    {"csC", "Uma peça de {csM} recebe {csQ} de calor de um maçarico, e sua temperatura aumenta {csT}. Qual é o calor específico do material da peça, em {?}?"},
    {"csT", "Um aquecedor fornece {csQ} de calor a {csM} de um líquido de calor específico {csC}. De quanto varia a temperatura do líquido, em {?}?"},
    {"csT", "Um bloco de {csM}, feito de um material de calor específico {csC}, absorve {csQ} de calor ao ficar exposto ao sol. Qual é a variação de sua temperatura, em {?}?"},
};

const Range specificHeatRanges[] = {
    {"ceC", 0.09, 1.0},
    {"ceQ", 200, 100000, "kcal J"},
    {"ceM", 50, 2000, "kg"},
    {"ceT", 5, 80, "K"},
};

const Statement specificHeatStatements[] = {
    {"ceC", "Num experimento de calorimetria, um corpo de {ceM} recebe {ceQ} de calor e sua temperatura aumenta {ceT}. Qual é o calor específico do material do corpo, em {?}?"},
    {"ceC", "Uma amostra de {ceM} de um líquido desconhecido é aquecida por uma resistência que lhe fornece {ceQ} de calor, e sua temperatura sobe {ceT}. Qual é o calor específico do líquido, em {?}?"},
    {"ceQ", "Quanto calor, em {?}, é preciso fornecer a {ceM} de um metal de calor específico {ceC} para aquecê-lo em {ceT}?"},
    {"ceQ", "Uma amostra de {ceM} de uma substância de calor específico {ceC} esfria {ceT}. Quanto calor ela cede ao ambiente, em {?}?"},
    {"ceM", "Uma substância de calor específico {ceC} recebe {ceQ} de calor e sua temperatura sobe {ceT}. Qual é a massa da amostra, em {?}?"},
    {"ceM", "Um bloco de calor específico {ceC} é retirado de um forno e, ao esfriar {ceT}, cede {ceQ} de calor à água de um calorímetro. Qual é a massa do bloco, em {?}?"},
    {"ceT", "Uma amostra de {ceM} de um material de calor específico {ceC} recebe {ceQ} de calor. Qual é a variação de temperatura da amostra, em {?}?"},
    {"ceT", "Um líquido de calor específico {ceC} e massa {ceM} absorve {ceQ} de calor de um aquecedor elétrico. De quanto aumenta sua temperatura, em {?}?"},
};

const Range latentHeatRanges[] = {
    {"lnFR", 500, 500000, "kcal J"},
    {"lnM", 10, 1000, "kg"},
    {"lnA", 20, 540, "kJ/kg"},
};

const Statement latentHeatStatements[] = {
    {"lnFR", "Que quantidade de calor, em {?}, é necessária para fundir completamente {lnM} de uma substância que já está na temperatura de fusão, sabendo que seu calor latente de fusão é {lnA}?"},
    {"lnFR", "Uma amostra de {lnM} de um líquido, já na temperatura de ebulição, é totalmente vaporizada. Sendo o calor latente de vaporização do líquido {lnA}, qual é a quantidade de calor absorvida, em {?}?"},
    {"lnM", "Uma fonte fornece {lnFR} de calor a um sólido que está na temperatura de fusão, cujo calor latente de fusão é {lnA}. Que massa do sólido se funde, em {?}?"},
    {"lnM", "Durante a ebulição de um líquido de calor latente de vaporização {lnA}, o fogão fornece {lnFR} de calor. Que massa do líquido se vaporiza, em {?}?"},
    {"lnA", "Para fundir {lnM} de um metal já em sua temperatura de fusão, foi preciso fornecer {lnFR} de calor. Qual é o calor latente de fusão desse metal, em {?}?"},
    {"lnA", "Ao se solidificar por completo, uma amostra de {lnM} de uma substância libera {lnFR} de calor. Qual é o calor latente de solidificação da substância, em {?}?"},
};

const Range linearExpansionRanges[] = {
    {"csQ", 0.0001, 0.3, "mm cm"},
    {"csM", 0.000008, 0.00003, "K⁻¹"},
    {"csC", 1, 100, "cm"},
    {"csT", 10, 100, "K"},
};

const Statement linearExpansionStatements[] = {
    {"csQ", "Um trilho de aço de {csC} de comprimento, cujo coeficiente de dilatação linear é {csM}, sofre um aumento de temperatura de {csT}. Qual é o aumento do comprimento do trilho, em {?}?"},
    {"csQ", "Um fio metálico tem comprimento {csC} e coeficiente de dilatação linear {csM}. Quanto ele se alonga, em {?}, quando sua temperatura aumenta {csT}?"},
    {"csM", "Uma barra de {csC} de comprimento se dilata {csQ} quando sua temperatura aumenta {csT}. Qual é o coeficiente de dilatação linear do material da barra, em {?}?"},
    {"csM", "Num ensaio de laboratório, um tubo de {csC} de comprimento é aquecido até que sua temperatura aumente {csT}, e seu comprimento cresce {csQ}. Qual é o coeficiente de dilatação linear do tubo, em {?}?"},
    {"csC", "Uma barra de um material de coeficiente de dilatação linear {csM} se alonga {csQ} quando sua temperatura sobe {csT}. Qual era o comprimento inicial da barra, em {?}?"},
    {"csC", "Um engenheiro observa que uma viga de coeficiente de dilatação linear {csM} aumenta {csQ} de comprimento num dia em que a temperatura sobe {csT}. Qual é o comprimento da viga, em {?}?"},
    {"csT", "Um trilho de {csC} de comprimento e coeficiente de dilatação linear {csM} se alonga {csQ} ao ser aquecido pelo sol. Qual foi a variação de temperatura do trilho, em {?}?"},
    {"csT", "Uma haste de {csC}, de coeficiente de dilatação linear {csM}, precisa se alongar {csQ} para acionar um termostato. De quanto deve aumentar sua temperatura, em {?}?"},
};

const Range surfaceExpansionRanges[] = {
    {"csQ", 0.00001, 0.1, "cm² mm²"},
    {"csM", 0.000016, 0.00006, "K⁻¹"},
    {"csC", 0.1, 10, "cm²"},
    {"csT", 10, 200, "K"},
};

const Statement surfaceExpansionStatements[] = {
    {"csQ", "Uma chapa metálica de área {csC}, cujo coeficiente de dilatação superficial é {csM}, é aquecida e sua temperatura aumenta {csT}. Qual é o aumento da área da chapa, em {?}?"},
    {"csQ", "Uma placa de coeficiente de dilatação superficial {csM} tem área {csC}. Quanto aumenta sua área, em {?}, quando a temperatura sobe {csT}?"},
    {"csM", "Uma chapa de área {csC} tem sua área aumentada em {csQ} quando a temperatura sobe {csT}. Qual é o coeficiente de dilatação superficial do material, em {?}?"},
    {"csM", "Ao ser aquecida até sua temperatura aumentar {csT}, uma lâmina de área {csC} ganha {csQ} de área. Qual é o coeficiente de dilatação superficial da lâmina, em {?}?"},
    {"csC", "Uma chapa de coeficiente de dilatação superficial {csM} tem sua área aumentada em {csQ} quando sua temperatura sobe {csT}. Qual era a área inicial da chapa, em {?}?"},
    {"csC", "Uma tampa metálica de coeficiente de dilatação superficial {csM}, aquecida até sua temperatura aumentar {csT}, ganha {csQ} de área. Qual era sua área inicial, em {?}?"},
    {"csT", "Uma placa de área {csC} e coeficiente de dilatação superficial {csM} tem sua área aumentada em {csQ}. Qual foi a variação de temperatura da placa, em {?}?"},
    {"csT", "Um disco metálico de área {csC}, de coeficiente de dilatação superficial {csM}, precisa ganhar {csQ} de área para se soltar de um encaixe. De quanto deve aumentar sua temperatura, em {?}?"},
};

const Range volumeExpansionRanges[] = {
    {"csQ", 0.0000001, 0.002, "cm³ L mL"},
    {"csM", 0.00003, 0.0012, "K⁻¹"},
    {"csC", 0.001, 0.1, "L cm³"},
    {"csT", 10, 80, "K"},
};

const Statement volumeExpansionStatements[] = {
    {"csQ", "Um recipiente contém {csC} de um líquido cujo coeficiente de dilatação volumétrica é {csM}. Qual é o aumento do volume do líquido, em {?}, quando sua temperatura sobe {csT}?"},
    {"csQ", "Um tanque é enchido pela manhã com {csC} de um combustível de coeficiente de dilatação volumétrica {csM}. À tarde, a temperatura do combustível aumenta {csT}. Qual é o aumento do seu volume, em {?}?"},
    {"csM", "Um volume de {csC} de um líquido aumenta {csQ} quando sua temperatura sobe {csT}. Qual é o coeficiente de dilatação volumétrica do líquido, em {?}?"},
    {"csM", "Num laboratório, {csC} de uma substância são aquecidos até que sua temperatura aumente {csT}, e seu volume cresce {csQ}. Qual é o coeficiente de dilatação volumétrica da substância, em {?}?"},
    {"csC", "Um líquido de coeficiente de dilatação volumétrica {csM} sofre um aumento de volume de {csQ} quando sua temperatura sobe {csT}. Qual era o volume inicial do líquido, em {?}?"},
    {"csC", "Uma esfera de coeficiente de dilatação volumétrica {csM} tem seu volume aumentado em {csQ} quando é aquecida e sua temperatura aumenta {csT}. Qual era o volume inicial da esfera, em {?}?"},
    {"csT", "Um volume de {csC} de um líquido de coeficiente de dilatação volumétrica {csM} aumenta {csQ} ao ser aquecido. Qual foi a variação de temperatura do líquido, em {?}?"},
    {"csT", "Um frasco cheio contém {csC} de um líquido de coeficiente de dilatação volumétrica {csM}. De quanto deve aumentar a temperatura para que o volume do líquido cresça {csQ}, em {?}?"},
};

// The gas constant is typed on the page like any value, but a statement gives it as the
// constant it is: a draw of the other four never lands on it, so it is never asked.
const Range clapeyronRanges[] = {
    {"cP", 0.5, 10, "cmHg mmHg"},
    {"cV", 1, 100, "m³ cm³"},
    {"cN", 0.2, 10},
    {"cR", 0.082, 0.082},
    {"cT", 200, 800, "ºC"},
};

const Statement clapeyronStatements[] = {
    {"cP", "Um recipiente de {cV} contém {cN} de um gás ideal à temperatura de {cT}. Sendo a constante universal dos gases {cR}, qual é a pressão do gás, em {?}?"},
    {"cP", "Um cilindro de volume {cV} guarda {cN} de oxigênio, considerado um gás ideal, a {cT}. Com a constante dos gases igual a {cR}, determine a pressão no cilindro, em {?}."},
    {"cV", "Qual é o volume, em {?}, ocupado por {cN} de um gás ideal à pressão de {cP} e à temperatura de {cT}? Use a constante universal dos gases igual a {cR}."},
    {"cV", "Um balão meteorológico contém {cN} de hélio a {cT}, sob pressão de {cP}. Considerando o hélio um gás ideal e a constante dos gases {cR}, qual é o volume do balão, em {?}?"},
    {"cN", "Um recipiente de {cV} contém um gás ideal à pressão de {cP} e à temperatura de {cT}. Sendo a constante universal dos gases {cR}, qual é a quantidade de gás no recipiente, em {?}?"},
    {"cN", "Um pneu de volume interno {cV} está calibrado a {cP}, com o ar a {cT}. Considerando o ar um gás ideal e a constante dos gases {cR}, qual é a quantidade de ar no pneu, em {?}?"},
    {"cT", "Um gás ideal ocupa {cV} sob pressão de {cP}, e a amostra tem {cN}. Sendo a constante universal dos gases {cR}, qual é a temperatura do gás, em {?}?"},
    {"cT", "Um botijão de {cV} contém {cN} de um gás ideal à pressão de {cP}. Com a constante dos gases igual a {cR}, a que temperatura está o gás, em {?}?"},
};

const Range isothermalRanges[] = {
    {"phF1", 1, 50, "m³ cm³"},
    {"phA1", 0.5, 10, "cmHg mmHg"},
    {"phF2", 1, 50, "m³ cm³"},
    {"phA2", 0.5, 10, "cmHg mmHg"},
};

const Statement isothermalStatements[] = {
    {"phF1", "Um gás ideal sob pressão de {phA1} sofre uma transformação isotérmica e passa a ocupar {phF2}, sob pressão de {phA2}. Qual era o volume inicial do gás, em {?}?"},
    {"phF1", "Numa seringa com a ponta vedada, o ar está a {phA1}. Movendo o êmbolo lentamente, sem variar a temperatura, o ar passa a ocupar {phF2} e sua pressão fica {phA2}. Qual era o volume inicial do ar, em {?}?"},
    {"phA1", "Um gás ideal ocupava {phF1} e, após uma transformação isotérmica, ocupa {phF2} sob pressão de {phA2}. Qual era a pressão inicial do gás, em {?}?"},
    {"phA1", "Um cilindro com êmbolo contém {phF1} de ar. Mantida a temperatura constante, o volume passa a ser {phF2} e a pressão, {phA2}. Qual era a pressão inicial, em {?}?"},
    {"phF2", "Um gás ideal ocupa {phF1} sob pressão de {phA1}. Numa transformação isotérmica, sua pressão passa a {phA2}. Qual é o novo volume do gás, em {?}?"},
    {"phF2", "Uma bolha de ar de volume {phF1} está no fundo de um lago, sob pressão de {phA1}. Ao subir até um ponto onde a pressão é {phA2}, sem variar a temperatura, qual passa a ser o volume da bolha, em {?}?"},
    {"phA2", "Um gás ideal ocupa {phF1} sob pressão de {phA1}. Sofrendo uma transformação isotérmica, passa a ocupar {phF2}. Qual é a nova pressão do gás, em {?}?"},
    {"phA2", "Um mergulhador enche um balão com {phF1} de ar à pressão de {phA1}. À temperatura constante, o volume do balão passa a {phF2}. Qual é a nova pressão do ar, em {?}?"},
};

const Range isobaricRanges[] = {
    {"phF1", 1, 50, "m³ cm³"},
    {"phA1", 200, 800, "ºC"},
    {"phF2", 1, 50, "m³ cm³"},
    {"phA2", 200, 800, "ºC"},
};

const Statement isobaricStatements[] = {
    {"phF1", "Um gás ideal à temperatura de {phA1} sofre uma transformação isobárica e passa a ocupar {phF2} à temperatura de {phA2}. Qual era o volume inicial do gás, em {?}?"},
    {"phF1", "Um cilindro com êmbolo livre contém ar a {phA1}. Aquecido ou resfriado à pressão constante até {phA2}, o ar passa a ocupar {phF2}. Qual era o volume inicial do ar, em {?}?"},
    {"phA1", "Um gás ideal ocupava {phF1} e, numa transformação isobárica, passa a ocupar {phF2} à temperatura de {phA2}. Qual era a temperatura inicial do gás, em {?}?"},
    {"phA1", "À pressão constante, o volume de ar de um balão passa de {phF1} para {phF2}, e a temperatura final do ar é {phA2}. Qual era a temperatura inicial, em {?}?"},
    {"phF2", "Um gás ideal ocupa {phF1} à temperatura de {phA1}. Mantendo a pressão constante, sua temperatura passa a {phA2}. Qual é o novo volume do gás, em {?}?"},
    {"phF2", "Um balão contém {phF1} de ar a {phA1}. À pressão constante, o ar é levado à temperatura de {phA2}. Qual passa a ser o volume do balão, em {?}?"},
    {"phA2", "Um gás ideal ocupa {phF1} à temperatura de {phA1}. Numa transformação isobárica, passa a ocupar {phF2}. Qual é a nova temperatura do gás, em {?}?"},
    {"phA2", "O ar de um cilindro com êmbolo livre ocupa {phF1} a {phA1}. A que temperatura, em {?}, o ar deve ser levado para ocupar {phF2} à mesma pressão?"},
};

const Range isovolumetricRanges[] = {
    {"phF1", 0.5, 10, "cmHg mmHg"},
    {"phA1", 200, 800, "ºC"},
    {"phF2", 0.5, 10, "cmHg mmHg"},
    {"phA2", 200, 800, "ºC"},
};

const Statement isovolumetricStatements[] = {
    {"phF1", "Um gás ideal num recipiente rígido está a {phA1}. Levado à temperatura de {phA2}, sua pressão passa a {phF2}. Qual era a pressão inicial do gás, em {?}?"},
    {"phF1", "Um botijão fechado contém um gás a {phA1}. Quando a temperatura do gás chega a {phA2}, o manômetro indica {phF2}. Qual era a pressão inicial, em {?}?"},
    {"phA1", "Num recipiente de volume constante, a pressão de um gás ideal passa de {phF1} para {phF2}, e a temperatura final é {phA2}. Qual era a temperatura inicial, em {?}?"},
    {"phA1", "A pressão do gás de um cilindro de aço fechado era {phF1} e, após uma variação de temperatura, passa a {phF2} a {phA2}. Qual era a temperatura inicial do gás, em {?}?"},
    {"phF2", "Um gás ideal está num recipiente rígido à pressão de {phF1} e à temperatura de {phA1}. Qual será sua pressão, em {?}, à temperatura de {phA2}?"},
    {"phF2", "Um cilindro de aço fechado contém gás a {phF1} e {phA1}. Exposto ao sol, o gás chega a {phA2}. Qual passa a ser a pressão no cilindro, em {?}?"},
    {"phA2", "Um gás ideal num recipiente rígido está a {phF1} e {phA1}. A que temperatura, em {?}, sua pressão passa a ser {phF2}?"},
    {"phA2", "Uma lata fechada contém ar à pressão de {phF1} e à temperatura de {phA1}. Aquecida, a pressão interna chega a {phF2}. Qual é a temperatura do ar nesse momento, em {?}?"},
};

const Range firstLawRanges[] = {
    {"ltp", 100, 5000, "J kcal"},
    {"ltt", 50, 4000, "J kcal"},
    {"ltu", 50, 4000, "J kcal"},
};

const Statement firstLawStatements[] = {
    {"ltp", "Durante uma expansão, um gás realiza um trabalho de {ltt} e sua energia interna aumenta {ltu}. Quanto calor o gás recebeu, em {?}?"},
    {"ltp", "Numa máquina térmica, o gás de um cilindro empurra o pistão realizando um trabalho de {ltt}, enquanto sua energia interna cresce {ltu}. Qual foi o calor recebido pelo gás, em {?}?"},
    {"ltt", "Um gás recebe {ltp} de calor de uma fonte e sua energia interna aumenta {ltu}. Qual é o trabalho realizado pelo gás, em {?}?"},
    {"ltt", "Ao receber {ltp} de calor, o gás de um cilindro com êmbolo tem sua energia interna aumentada em {ltu}. Que trabalho o gás realiza sobre o êmbolo, em {?}?"},
    {"ltu", "Um gás recebe {ltp} de calor e, ao se expandir, realiza um trabalho de {ltt}. Qual é a variação de sua energia interna, em {?}?"},
    {"ltu", "O vapor de uma caldeira recebe {ltp} de calor e realiza sobre uma turbina um trabalho de {ltt}. De quanto varia a energia interna do vapor, em {?}?"},
};

const Range molecularEnergyRanges[] = {
    {"ecmECM", 2e-21, 3e-20, "eV"},
    {"ecmT", 100, 1500, "ºC"},
};

const Statement molecularEnergyStatements[] = {
    {"ecmECM", "Qual é a energia cinética média de translação das moléculas de um gás ideal mantido a {ecmT}, em {?}?"},
    {"ecmECM", "Um gás monoatômico está num recipiente à temperatura de {ecmT}. Determine a energia cinética média de suas moléculas, em {?}."},
    {"ecmT", "As moléculas de um gás ideal têm energia cinética média de translação de {ecmECM}. A que temperatura está o gás, em {?}?"},
    {"ecmT", "Num reservatório, a energia cinética média das moléculas de um gás monoatômico é {ecmECM}. Qual é a temperatura do gás, em {?}?"},
};

const Range heatCapacityRanges[] = {
    {"pP", 10, 1000, "J/K kcal/ºC"},
    {"pT", 100, 50000, "kcal J"},
    {"pdT", 5, 100, "K"},
};

const Statement heatCapacityStatements[] = {
    {"pP", "Um corpo recebe {pT} de calor e sua temperatura aumenta {pdT}. Qual é a capacidade térmica do corpo, em {?}?"},
    {"pP", "Uma panela de alumínio, ao ser aquecida no fogão, absorve {pT} de calor e sua temperatura sobe {pdT}. Qual é a capacidade térmica da panela, em {?}?"},
    {"pT", "Quanto calor, em {?}, deve receber um corpo de capacidade térmica {pP} para que sua temperatura aumente {pdT}?"},
    {"pT", "Um calorímetro tem capacidade térmica {pP}. Quanto calor ele absorve, em {?}, quando sua temperatura sobe {pdT}?"},
    {"pdT", "Um corpo de capacidade térmica {pP} recebe {pT} de calor. De quanto varia sua temperatura, em {?}?"},
    {"pdT", "Uma peça de capacidade térmica {pP} cede {pT} de calor ao ambiente. Qual é a variação de sua temperatura, em {?}?"},
};

const Range heatCapacityFromMassRanges[] = {
    {"lnFR", 5, 2000, "J/K kcal/ºC"},
    {"lnM", 50, 2000, "kg"},
    {"lnA", 0.09, 1.0},
};

const Statement heatCapacityFromMassStatements[] = {
    {"lnFR", "Qual é a capacidade térmica, em {?}, de um bloco de {lnM} feito de um material de calor específico {lnA}?"},
    {"lnFR", "Uma panela de {lnM} é feita de um metal de calor específico {lnA}. Qual é a capacidade térmica da panela, em {?}?"},
    {"lnM", "Um corpo feito de um material de calor específico {lnA} tem capacidade térmica {lnFR}. Qual é a massa do corpo, em {?}?"},
    {"lnM", "Um recipiente de capacidade térmica {lnFR} é feito de um metal de calor específico {lnA}. Qual é a massa do recipiente, em {?}?"},
    {"lnA", "Um bloco de {lnM} tem capacidade térmica {lnFR}. Qual é o calor específico do material do bloco, em {?}?"},
    {"lnA", "A capacidade térmica de uma peça de {lnM} é {lnFR}. Qual é o calor específico do material de que ela é feita, em {?}?"},
};

const TopicProblems topicProblems[] = {
    {"ButtonXPMACCorel42", celsiusFahrenheitRanges, celsiusFahrenheitStatements},
    {"ButtonXPMACCorel43", celsiusKelvinRanges, celsiusKelvinStatements},
    {"ButtonXPMACCorel44", fahrenheitKelvinRanges, fahrenheitKelvinStatements},
    {"ButtonXPMACCorel45", sensibleHeatRanges, sensibleHeatStatements},
    {"ButtonXPMACCorel46", specificHeatRanges, specificHeatStatements},
    {"ButtonXPMACCorel47", latentHeatRanges, latentHeatStatements},
    {"ButtonXPMACCorel48", linearExpansionRanges, linearExpansionStatements},
    {"ButtonXPMACCorel49", surfaceExpansionRanges, surfaceExpansionStatements},
    {"ButtonXPMACCorel50", volumeExpansionRanges, volumeExpansionStatements},
    {"ButtonXPMACCorel51", clapeyronRanges, clapeyronStatements},
    {"ButtonXPMACCorel52", isothermalRanges, isothermalStatements},
    {"ButtonXPMACCorel53", isobaricRanges, isobaricStatements},
    {"ButtonXPMACCorel54", isovolumetricRanges, isovolumetricStatements},
    {"ButtonXPMACCorel55", firstLawRanges, firstLawStatements},
    {"ButtonXPMACCorel56", molecularEnergyRanges, molecularEnergyStatements},
    {"ButtonXPMACCorel96", heatCapacityRanges, heatCapacityStatements},
    {"ButtonXPMACCorel97", heatCapacityFromMassRanges, heatCapacityFromMassStatements},
};

}

const std::span<const Problems::TopicProblems> problems = topicProblems;

}
