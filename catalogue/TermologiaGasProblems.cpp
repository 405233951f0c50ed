#include "catalogue/TermologiaGasProblems.h"

// The gas topics of thermology: the ideal gas, its three transformations, the first law
// and the molecules' energy, with the temperatures in kelvins a book computes in.
namespace Termologia::Gases {

namespace {

using Problems::Draw;
using Problems::Statement;
using Problems::Value;
using Problems::table;

// P·V = n·R·T, with R = 0,082 atm·L/(mol·K): a car tyre of 25 to 40 L at 2 to 3,2 atm; a
// party balloon of 1 to 10 L; a medical oxygen cylinder of 5 to 15 L at 100 to 200 atm; a
// diving cylinder of 10 to 15 L at 150 to 220 atm; a weather balloon high up; a room of
// 30 to 200 m³; an adult's lungs, 4 to 6 L at 37 °C.
const Statement clapeyronStatements[] = {
    {"cP", "Um pneu de automóvel tem volume interno de {cV} e contém {cN} de ar a {cT}. Considerando o ar um gás "
           "ideal e R = {cR}, qual é a pressão do ar no pneu, em {?}?",
     {{"cV", 25, 40}, {"cN", 2, 5.5}, {"cT", 290, 320, nullptr, "°C"}, table("cR", Materials::gasConstant),
      {"cP", 2, 3.2, nullptr, "kPa mmHg"}}},
    {"cP", "Um cilindro de oxigênio hospitalar, de {cV}, contém {cN} de oxigênio a {cT}. Considerando o oxigênio um "
           "gás ideal e R = {cR}, qual é a pressão no cilindro, em {?}?",
     {{"cV", 5, 15}, {"cN", 20, 120}, {"cT", 288, 308, nullptr, "°C"}, table("cR", Materials::gasConstant),
      {"cP", 100, 200, nullptr, "bar MPa"}}},
    {"cP", "Um balão de festa de {cV} contém {cN} de hélio a {cT}. Considerando o hélio um gás ideal e R = {cR}, "
           "qual é a pressão do gás no balão, em {?}?",
     {{"cV", 2, 10}, {"cN", 0.08, 0.45}, {"cT", 290, 305, nullptr, "°C"}, table("cR", Materials::gasConstant),
      {"cP", 0.98, 1.15, nullptr, "kPa mmHg"}}},
    {"cV", "Um balão de festa é enchido com {cN} de hélio; a pressão do gás é {cP} e sua temperatura, {cT}. "
           "Considerando o hélio um gás ideal e R = {cR}, qual é o volume do balão, em {?}?",
     {{"cN", 0.04, 0.45}, {"cP", 1, 1.1, nullptr, "mmHg"}, {"cT", 290, 305, nullptr, "°C"},
      table("cR", Materials::gasConstant), {"cV", 1, 10, nullptr, "mL"}}},
    {"cV", "A grande altitude, um balão meteorológico contém {cN} de hélio sob pressão de {cP} e à temperatura de "
           "{cT}. Considerando o hélio um gás ideal e R = {cR}, qual é o volume do balão, em {?}?",
     {{"cN", 50, 200}, {"cP", 0.1, 0.5, nullptr, "mmHg kPa"}, {"cT", 220, 260, nullptr, "°C"},
      table("cR", Materials::gasConstant), {"cV", 1800, 43000, nullptr, "m³"}}},
    {"cV", "Os pulmões de um adulto, cheios, contêm {cN} de ar a {cT}, sob pressão de {cP}. Considerando o ar um gás "
           "ideal e R = {cR}, qual é o volume de ar nos pulmões, em {?}?",
     {{"cN", 0.15, 0.24}, {"cT", 36.5, 37.5, "°C", "°C"}, {"cP", 0.98, 1.02, nullptr, "mmHg"},
      table("cR", Materials::gasConstant), {"cV", 3.5, 6.5, nullptr, "mL"}}},
    {"cN", "Um pneu de automóvel de volume interno {cV} está com o ar a {cP} e a {cT}. Considerando o ar um gás ideal "
           "e R = {cR}, qual é a quantidade de ar no pneu, em {?}?",
     {{"cV", 25, 40}, {"cP", 2, 3.2, nullptr, "kPa mmHg"}, {"cT", 290, 320, nullptr, "°C"},
      table("cR", Materials::gasConstant), {"cN", 1.8, 5.5}}},
    {"cN", "Uma sala de aula tem {cV} de ar a {cT}, sob pressão de {cP}. Considerando o ar um gás ideal e R = {cR}, "
           "quantos mols de ar há na sala?",
     {{"cV", 30, 200, "m³", "m³"}, {"cT", 288, 308, nullptr, "°C"}, {"cP", 0.9, 1, nullptr, "mmHg"},
      table("cR", Materials::gasConstant), {"cN", 1000, 9000}}},
    {"cN", "Um cilindro de mergulho de {cV} contém ar sob pressão de {cP}, a {cT}. Considerando o ar um gás ideal e "
           "R = {cR}, qual é a quantidade de ar no cilindro, em {?}?",
     {{"cV", 10, 15}, {"cP", 150, 220, nullptr, "bar"}, {"cT", 288, 303, nullptr, "°C"},
      table("cR", Materials::gasConstant), {"cN", 60, 140}}},
    {"cT", "Depois de uma viagem, o pneu de um carro, de volume interno {cV}, contém {cN} de ar sob pressão de {cP}. "
           "Considerando o ar um gás ideal e R = {cR}, qual é a temperatura do ar no pneu, em {?}?",
     {{"cV", 25, 40}, {"cN", 2, 5.5}, {"cP", 2, 3.2, nullptr, "kPa mmHg"}, table("cR", Materials::gasConstant),
      {"cT", 285, 345, nullptr, "°C"}}},
    {"cT", "Um cilindro de mergulho de {cV} contém {cN} de ar sob pressão de {cP}. Considerando o ar um gás ideal e "
           "R = {cR}, qual é a temperatura do ar no cilindro, em {?}?",
     {{"cV", 10, 15}, {"cN", 60, 140}, {"cP", 150, 220, nullptr, "bar"}, table("cR", Materials::gasConstant),
      {"cT", 280, 320, nullptr, "°C"}}},
    {"cT", "Num laboratório, {cN} de nitrogênio ocupam {cV} sob pressão de {cP}. Considerando o nitrogênio um gás "
           "ideal e R = {cR}, qual é a temperatura do gás, em {?}?",
     {{"cN", 0.1, 1}, {"cV", 1, 20, nullptr, "mL"}, {"cP", 0.5, 2, nullptr, "mmHg"},
      table("cR", Materials::gasConstant), {"cT", 250, 450, nullptr, "°C"}}},
};

// P₁·V₁ = P₂·V₂: a syringe with its tip sealed, pushed in from 1 atm; a diver's balloon
// taken down 10 to 30 m (2 to 4 atm); a lift bag filled 5 to 30 m down that rises into a
// lower pressure, so it grows; a diving cylinder at 150 to 220 atm let out at 1 atm; a
// cylinder with a piston.
const Statement isothermalStatements[] = {
    {"phF1", "Numa seringa com a ponta vedada, o ar está a {phA1}. Empurrando o êmbolo lentamente, sem variar a "
             "temperatura, o ar passa a ocupar {phF2}, e sua pressão sobe para {phA2}. Qual era o volume inicial do "
             "ar, em {?}?",
     {{"phA1", 1, 1, nullptr, "mmHg"}, {"phF2", 5, 30, "mL", "mL cm³"}, {"phA2", 1.2, 4, nullptr, "mmHg"},
      {"phF1", 20, 60, "mL", "mL cm³"}}},
    {"phF1", "Para içar uma âncora do fundo do mar, onde a pressão é {phA1}, um mergulhador enche de ar um balão de "
             "içamento. Na superfície, onde a pressão é {phA2}, o ar do balão ocupa {phF2}. Supondo a temperatura "
             "constante, que volume de ar o mergulhador pôs no balão, em {?}?",
     {{"phA1", 1.5, 4, nullptr, "mmHg"}, {"phA2", 1, 1}, {"phF2", 20, 200, nullptr, "m³"},
      {"phF1", 8, 80}}},
    {"phF1", "O ar de um cilindro de mergulho está a {phA1}. Liberado à pressão de {phA2}, sem variar a temperatura, "
             "ele ocuparia {phF2}. Qual é o volume do cilindro, em {?}?",
     {{"phA1", 150, 220, nullptr, "bar"}, {"phA2", 1, 1}, {"phF2", 1500, 3300, nullptr, "m³"},
      {"phF1", 10, 15}}},
    {"phA1", "Um cilindro com êmbolo contém {phF1} de gás. Lentamente, à temperatura constante, o gás é comprimido "
             "até ocupar {phF2}, quando sua pressão é {phA2}. Qual era a pressão inicial do gás, em {?}?",
     {{"phF1", 2, 8, nullptr, "mL"}, {"phF2", 0.5, 4, nullptr, "mL"}, {"phA2", 2, 6, nullptr, "mmHg kPa"},
      {"phA1", 1, 3, nullptr, "mmHg kPa"}},
     [](const Draw& d) { return d("phF2") < d("phF1"); }},
    {"phA1", "Um cilindro de mergulho de {phF1} está cheio de ar. Liberado à pressão de {phA2}, sem variar a "
             "temperatura, esse ar ocuparia {phF2}. Qual é a pressão do ar no cilindro, em {?}?",
     {{"phF1", 10, 15}, {"phA2", 1, 1}, {"phF2", 1500, 3300, nullptr, "m³"}, {"phA1", 150, 220, nullptr, "bar"}}},
    {"phA1", "No fundo do mar, um mergulhador enche um balão de içamento com {phF1} de ar. Na superfície, onde a "
             "pressão é {phA2}, o ar do balão ocupa {phF2}. Supondo a temperatura constante, qual é a pressão no "
             "fundo, em {?}?",
     {{"phF1", 10, 50}, {"phA2", 1, 1}, {"phF2", 20, 200, nullptr, "m³"}, {"phA1", 1.5, 4, nullptr, "mmHg kPa"}}},
    {"phF2", "Um mergulhador leva até o fundo do mar um balão com {phF1} de ar, cheio na superfície a {phA1}. No "
             "fundo, a pressão é {phA2}. Supondo a temperatura constante, qual passa a ser o volume do balão, em {?}?",
     {{"phF1", 2, 10, nullptr, "mL"}, {"phA1", 1, 1}, {"phA2", 2, 4, nullptr, "mmHg"},
      {"phF2", 0.5, 5, nullptr, "mL"}}},
    {"phF2", "No fundo do mar, onde a pressão é {phA1}, um mergulhador enche um balão de içamento com {phF1} de ar. "
             "Supondo a temperatura constante, que volume esse ar ocupa quando o balão chega à superfície, onde a "
             "pressão é {phA2}, em {?}?",
     {{"phF1", 10, 50}, {"phA1", 1.5, 4, nullptr, "mmHg kPa"}, {"phA2", 1, 1}, {"phF2", 15, 200, nullptr, "m³"}}},
    {"phF2", "Um cilindro de mergulho de {phF1} contém ar a {phA1}. Que volume esse ar ocuparia se fosse liberado à "
             "pressão de {phA2}, sem variar a temperatura, em {?}?",
     {{"phF1", 10, 15}, {"phA1", 150, 220, nullptr, "bar"}, {"phA2", 1, 1}, {"phF2", 1500, 3300, nullptr, "m³"}}},
    {"phA2", "Numa seringa com a ponta vedada, {phF1} de ar estão a {phA1}. Empurrando o êmbolo lentamente, sem variar "
             "a temperatura, o ar passa a ocupar {phF2}. Qual passa a ser a pressão do ar, em {?}?",
     {{"phF1", 20, 60, "mL", "mL cm³"}, {"phA1", 1, 1}, {"phF2", 5, 30, "mL", "mL cm³"},
      {"phA2", 1.2, 4, nullptr, "mmHg kPa"}},
     [](const Draw& d) { return d("phF2") < d("phF1"); }},
    {"phA2", "Um mergulhador leva até o fundo de uma piscina funda um balão que, na superfície, tinha {phF1} de ar a "
             "{phA1}. No fundo, o volume do balão é {phF2}. Supondo a temperatura constante, qual é a pressão no "
             "fundo, em {?}?",
     {{"phF1", 2, 10, nullptr, "mL"}, {"phA1", 1, 1}, {"phF2", 1.5, 9, nullptr, "mL"},
      {"phA2", 1.1, 1.5, nullptr, "mmHg kPa"}},
     [](const Draw& d) { return d("phF2") < d("phF1"); }},
    {"phA2", "Um cilindro com êmbolo contém {phF1} de gás a {phA1}. Puxando o êmbolo lentamente, à temperatura "
             "constante, o gás passa a ocupar {phF2}. Qual passa a ser a pressão do gás, em {?}?",
     {{"phF1", 1, 4, nullptr, "mL"}, {"phA1", 1, 5, nullptr, "mmHg kPa"}, {"phF2", 2, 10, nullptr, "mL"},
      {"phA2", 0.3, 3, nullptr, "mmHg kPa"}},
     [](const Draw& d) { return d("phF2") > d("phF1"); }},
};

// V₁ / T₁ = V₂ / T₂: a party balloon taken to the freezer (−20 to −10 °C) or left in the
// sun (35 to 55 °C); a cylinder with a free piston heated to 400 to 600 K; a syringe with
// a free plunger dipped in hot water (60 to 90 °C).
const Statement isobaricStatements[] = {
    {"phF1", "Uma seringa com a ponta vedada e o êmbolo livre contém ar a {phA1}. Mergulhada em água quente, o ar "
             "chega a {phA2} e passa a ocupar {phF2}, à mesma pressão. Qual era o volume inicial do ar, em {?}?",
     {{"phA1", 18, 28, "°C", "°C"}, {"phA2", 60, 90, "°C", "°C"}, {"phF2", 12, 60, "mL", "mL cm³"},
      {"phF1", 10, 50, "mL", "mL cm³"}}},
    {"phF1", "Um balão de festa cheio de ar a {phA1} é posto no congelador. A {phA2}, à mesma pressão, seu volume é "
             "{phF2}. Qual era o volume do balão antes de ir ao congelador, em {?}?",
     {{"phA1", 20, 30, "°C", "°C"}, {"phA2", -20, -10, "°C", "°C"}, {"phF2", 1.5, 7, nullptr, "mL"},
      {"phF1", 2, 8, nullptr, "mL"}}},
    {"phF1", "Um cilindro com êmbolo livre contém ar a {phA1}. Aquecido à pressão constante até {phA2}, o ar passa a "
             "ocupar {phF2}. Qual era o volume inicial do ar, em {?}?",
     {{"phA1", 290, 300, nullptr, "°C"}, {"phA2", 400, 600, nullptr, "°C"}, {"phF2", 1.5, 10, nullptr, "mL"},
      {"phF1", 1, 5, nullptr, "mL"}}},
    {"phA1", "Um cilindro com êmbolo livre contém {phF1} de ar. Aquecido à pressão constante até {phA2}, o ar passa a "
             "ocupar {phF2}. Qual era a temperatura inicial do ar, em {?}?",
     {{"phF1", 1, 5, nullptr, "mL"}, {"phA2", 400, 600, nullptr, "°C"}, {"phF2", 1.5, 10, nullptr, "mL"},
      {"phA1", 250, 350, nullptr, "°C"}},
     [](const Draw& d) { return d("phF2") > d("phF1"); }},
    {"phA1", "Deixado ao sol, um balão de festa passa de {phF1} para {phF2}, à pressão constante, e o ar dentro dele "
             "chega a {phA2}. Qual era a temperatura inicial do ar, em {?}?",
     {{"phF1", 2, 8, nullptr, "mL"}, {"phF2", 2.1, 9, nullptr, "mL"}, {"phA2", 35, 55, "°C", "°C"},
      {"phA1", 15, 30, "°C", "°C"}},
     [](const Draw& d) { return d("phF2") > d("phF1"); }},
    {"phA1", "Posto no congelador, um balão de festa passa de {phF1} para {phF2}, à pressão constante, quando o ar "
             "dentro dele chega a {phA2}. A que temperatura estava o ar antes, em {?}?",
     {{"phF1", 2, 8, nullptr, "mL"}, {"phF2", 1.5, 7.5, nullptr, "mL"}, {"phA2", -20, -10, "°C", "°C"},
      {"phA1", 15, 35, "°C", "°C"}},
     [](const Draw& d) { return d("phF2") < d("phF1"); }},
    {"phF2", "Um balão de festa contém {phF1} de ar a {phA1}. Posto no congelador, o ar chega a {phA2}, à mesma "
             "pressão. Qual passa a ser o volume do balão, em {?}?",
     {{"phF1", 2, 8, nullptr, "mL"}, {"phA1", 20, 30, "°C", "°C"}, {"phA2", -20, -10, "°C", "°C"},
      {"phF2", 1.5, 7.5, nullptr, "mL"}}},
    {"phF2", "Um cilindro com êmbolo livre contém {phF1} de ar a {phA1}. À pressão constante, o ar é aquecido até "
             "{phA2}. Qual passa a ser o volume ocupado pelo ar, em {?}?",
     {{"phF1", 1, 5, nullptr, "mL"}, {"phA1", 290, 300, nullptr, "°C"}, {"phA2", 400, 600, nullptr, "°C"},
      {"phF2", 1.3, 10.5, nullptr, "mL"}}},
    {"phF2", "Um balão de festa com {phF1} de ar a {phA1} é deixado ao sol, e o ar dentro dele chega a {phA2}, à "
             "mesma pressão. Qual passa a ser o volume do balão, em {?}?",
     {{"phF1", 2, 8, nullptr, "mL"}, {"phA1", 18, 28, "°C", "°C"}, {"phA2", 35, 55, "°C", "°C"},
      {"phF2", 2.1, 9.5, nullptr, "mL"}}},
    {"phA2", "Um balão de festa contém {phF1} de ar a {phA1}. Posto no congelador, à pressão constante, seu volume "
             "diminui para {phF2}. A que temperatura chegou o ar, em {?}?",
     {{"phF1", 2, 8, nullptr, "mL"}, {"phA1", 20, 30, "°C", "°C"}, {"phF2", 1.5, 7.5, nullptr, "mL"},
      {"phA2", -25, -5, "°C", "°C"}},
     [](const Draw& d) { return d("phF2") < d("phF1"); }},
    {"phA2", "Uma seringa com a ponta vedada e o êmbolo livre contém {phF1} de ar a {phA1}. Mergulhada em água quente, "
             "o ar passa a ocupar {phF2}, à mesma pressão. A que temperatura chegou o ar, em {?}?",
     {{"phF1", 10, 50, "mL", "mL cm³"}, {"phA1", 18, 28, "°C", "°C"}, {"phF2", 12, 60, "mL", "mL cm³"},
      {"phA2", 50, 95, "°C", "°C"}},
     [](const Draw& d) { return d("phF2") > d("phF1"); }},
    {"phA2", "O ar de um cilindro com êmbolo livre ocupa {phF1} a {phA1}. A que temperatura o ar deve ser aquecido, à "
             "mesma pressão, para ocupar {phF2}, em {?}?",
     {{"phF1", 1, 5, nullptr, "mL"}, {"phA1", 290, 300, nullptr, "°C"}, {"phF2", 1.5, 10, nullptr, "mL"},
      {"phA2", 400, 600, nullptr, "°C"}},
     [](const Draw& d) { return d("phF2") > d("phF1"); }},
};

// P₁ / T₁ = P₂ / T₂: an aerosol can of 2 to 4 atm heated to 50 to 150 °C, whose pressure
// goes up; a car tyre of 2 to 2,6 atm warmed by a trip; a closed jar of 1 atm in the
// fridge (2 to 8 °C); a light bulb filled at 0,6 to 0,8 atm, whose gas reaches 120 to
// 250 °C; a pressure cooker before its valve opens; a gas cylinder in the sun.
const Statement isovolumetricStatements[] = {
    {"phF1", "O pneu de um carro foi calibrado com o ar a {phA1}. Depois de uma viagem, com o ar a {phA2}, a pressão "
             "no pneu é {phF2}. Supondo o volume do pneu constante, qual era a pressão de calibragem, em {?}?",
     {{"phA1", 15, 25, "°C", "°C"}, {"phA2", 35, 60, "°C", "°C"}, {"phF2", 2.1, 3, nullptr, "kPa"},
      {"phF1", 1.9, 2.8, nullptr, "kPa"}}},
    {"phF1", "Uma lâmpada incandescente é fechada com um gás inerte a {phA1}. Acesa, o gás chega a {phA2}, e sua "
             "pressão, a {phF2}. Qual era a pressão do gás na lâmpada apagada, em {?}?",
     {{"phA1", 20, 25, "°C", "°C"}, {"phA2", 120, 250, "°C", "°C"}, {"phF2", 0.8, 1.4, nullptr, "mmHg"},
      {"phF1", 0.55, 0.85, nullptr, "mmHg"}}},
    {"phF1", "Um cilindro de gás de aço, fechado, estava a {phA1}. Deixado ao sol, o gás chega a {phA2}, e o manômetro "
             "indica {phF2}. Qual era a pressão inicial do gás, em {?}?",
     {{"phA1", 15, 25, "°C", "°C"}, {"phA2", 40, 55, "°C", "°C"}, {"phF2", 110, 230, nullptr, "bar"},
      {"phF1", 100, 200, nullptr, "bar"}}},
    {"phA1", "A pressão de uma lata de aerossol fechada passa de {phF1} para {phF2} quando ela é aquecida e o gás "
             "chega a {phA2}. Qual era a temperatura inicial do gás, em {?}?",
     {{"phF1", 2, 4, nullptr, "kPa"}, {"phF2", 2.2, 5.5, nullptr, "kPa"}, {"phA2", 50, 150, "°C", "°C"},
      {"phA1", 10, 35, "°C", "°C"}},
     [](const Draw& d) { return d("phF2") > d("phF1"); }},
    {"phA1", "Um pote de vidro é bem fechado na cozinha, com o ar a {phF1}. Na geladeira, o ar de dentro chega a "
             "{phA2}, e sua pressão cai para {phF2}. Qual era a temperatura da cozinha, em {?}?",
     {{"phF1", 1, 1}, {"phF2", 0.88, 0.97, nullptr, "mmHg"}, {"phA2", 2, 8, "°C", "°C"},
      {"phA1", 15, 35, "°C", "°C"}}},
    {"phA1", "O pneu de um carro foi calibrado a {phF1}. Depois de uma viagem, a pressão no pneu é {phF2}, com o ar a "
             "{phA2}. Supondo o volume do pneu constante, qual era a temperatura do ar na calibragem, em {?}?",
     {{"phF1", 2, 2.6, nullptr, "kPa"}, {"phF2", 2.1, 3, nullptr, "kPa"}, {"phA2", 35, 60, "°C", "°C"},
      {"phA1", 10, 30, "°C", "°C"}},
     [](const Draw& d) { return d("phF2") > d("phF1"); }},
    {"phF2", "Uma lata de aerossol fechada contém gás a {phF1} e {phA1}. Esquecida perto do fogão, o gás chega a "
             "{phA2}. Qual passa a ser a pressão dentro da lata, em {?}?",
     {{"phF1", 2, 4, nullptr, "kPa"}, {"phA1", 18, 30, "°C", "°C"}, {"phA2", 50, 150, "°C", "°C"},
      {"phF2", 2.1, 5.5, nullptr, "kPa"}}},
    {"phF2", "Um pote de vidro é bem fechado na cozinha, com o ar a {phF1} e {phA1}. Na geladeira, o ar de dentro "
             "chega a {phA2}. Qual passa a ser a pressão do ar no pote, em {?}?",
     {{"phF1", 1, 1}, {"phA1", 20, 32, "°C", "°C"}, {"phA2", 2, 8, "°C", "°C"}, {"phF2", 0.88, 0.97, nullptr, "mmHg"}}},
    {"phF2", "Uma panela de pressão é fechada com o ar a {phF1} e {phA1}. No fogo, antes de a válvula abrir, o ar "
             "chega a {phA2}. Qual é a pressão do ar na panela nesse momento, em {?}?",
     {{"phF1", 1, 1}, {"phA1", 20, 30, "°C", "°C"}, {"phA2", 90, 110, "°C", "°C"},
      {"phF2", 1.2, 1.35, nullptr, "mmHg kPa"}}},
    {"phA2", "Uma lata fechada contém ar à pressão de {phF1} e à temperatura de {phA1}. Aquecida, a pressão interna "
             "chega a {phF2}. Qual é a temperatura do ar nesse momento, em {?}?",
     {{"phF1", 2, 4, nullptr, "kPa"}, {"phA1", 18, 30, "°C", "°C"}, {"phF2", 2.2, 5.5, nullptr, "kPa"},
      {"phA2", 50, 150, "°C", "°C"}},
     [](const Draw& d) { return d("phF2") > d("phF1"); }},
    {"phA2", "O pneu de um carro foi calibrado a {phF1}, com o ar a {phA1}. Depois de uma viagem, a pressão no pneu é "
             "{phF2}. Supondo o volume do pneu constante, qual é a temperatura do ar no pneu, em {?}?",
     {{"phF1", 2, 2.6, nullptr, "kPa"}, {"phA1", 15, 25, "°C", "°C"}, {"phF2", 2.1, 3, nullptr, "kPa"},
      {"phA2", 30, 65, "°C", "°C"}},
     [](const Draw& d) { return d("phF2") > d("phF1"); }},
    {"phA2", "Uma lâmpada incandescente é fechada com um gás inerte a {phF1} e {phA1}. Acesa, a pressão do gás chega "
             "a {phF2}. Qual é a temperatura do gás nesse momento, em {?}?",
     {{"phF1", 0.6, 0.8, nullptr, "mmHg"}, {"phA1", 20, 25, "°C", "°C"}, {"phF2", 0.85, 1.3, nullptr, "mmHg"},
      {"phA2", 120, 250, "°C", "°C"}}},
};

// Q = T + ΔU, in the joules a book gives: 100 to 4 000 J a stroke. A gas that receives
// heat has Q > 0, one that gives it off Q < 0; one that expands does work, T > 0, one
// that is compressed suffers it, T < 0; ΔU follows.
const Statement firstLawStatements[] = {
    {"ltp", "O gás de um cilindro se expande, empurrando o êmbolo, e realiza um trabalho de {ltt}, enquanto sua "
            "energia interna aumenta {ltu}. Quanto calor o gás recebeu, em {?}?",
     {{"ltt", 100, 2000, "J", "J kJ"}, {"ltu", 100, 2000, "J", "J kJ"}, {"ltp", 200, 4000, "J", "J kJ"}}},
    {"ltp", "Um gás é comprimido por um pistão; o trabalho do gás nessa compressão é T = {ltt}, e sua energia interna "
            "aumenta {ltu}. Qual é a quantidade de calor trocada pelo gás, em {?}? (Calor cedido tem sinal "
            "negativo.)",
     {{"ltt", -2000, -300, "J", "J kJ"}, {"ltu", 50, 1500, "J", "J kJ"}, {"ltp", -1950, -30, "J", "J"}}},
    {"ltp", "O vapor no cilindro de uma máquina a vapor recebe calor e, ao se expandir, realiza um trabalho de {ltt}, "
            "enquanto sua energia interna varia ΔU = {ltu}. Quanto calor o vapor recebeu, em {?}?",
     {{"ltt", 500, 4000, "J", "J kJ"}, {"ltu", -1500, -100, "J", "J"}, {"ltp", 100, 3900, "J", "J kJ"}}},
    {"ltt", "Um gás recebe {ltp} de calor de uma chama, e sua energia interna aumenta {ltu}. Qual é o trabalho "
            "realizado pelo gás ao se expandir, em {?}?",
     {{"ltp", 500, 4000, "J", "J kJ"}, {"ltu", 100, 3000, "J", "J kJ"}, {"ltt", 100, 3900, "J", "J kJ"}}},
    {"ltt", "Um gás é comprimido num cilindro: ele cede calor ao ambiente, Q = {ltp}, e sua energia interna aumenta "
            "{ltu}. Qual é o trabalho do gás nessa transformação, em {?}?",
     {{"ltp", -1500, -100, "J", "J kJ"}, {"ltu", 100, 1500, "J", "J kJ"}, {"ltt", -3000, -200, "J", "J kJ"}}},
    {"ltt", "O vapor no cilindro de uma locomotiva recebe {ltp} de calor, e sua energia interna varia ΔU = {ltu}. Que "
            "trabalho o vapor realiza sobre o pistão, em {?}?",
     {{"ltp", 500, 3000, "J", "J kJ"}, {"ltu", -1500, -100, "J", "J"}, {"ltt", 600, 4500, "J", "J kJ"}}},
    {"ltu", "Um gás recebe {ltp} de calor e, ao se expandir, realiza um trabalho de {ltt}. Qual é a variação de sua "
            "energia interna, em {?}?",
     {{"ltp", 500, 4000, "J", "J kJ"}, {"ltt", 100, 3000, "J", "J kJ"}, {"ltu", 50, 3900, "J", "J kJ"}}},
    {"ltu", "O ar de uma bomba de encher pneus é comprimido: o trabalho do ar nessa compressão é T = {ltt}, e ele "
            "cede ao ambiente Q = {ltp}. Qual é a variação da energia interna do ar, em {?}?",
     {{"ltt", -300, -50, "J", "J"}, {"ltp", -100, -5, "J", "J"}, {"ltu", 10, 295, "J", "J"}}},
    {"ltu", "O vapor de uma caldeira recebe {ltp} de calor e realiza sobre uma turbina um trabalho de {ltt}. Qual é a "
            "variação da energia interna do vapor, em {?}?",
     {{"ltp", 500, 3000, "J", "J kJ"}, {"ltt", 800, 4000, "J", "J kJ"}, {"ltu", -3500, -50, "J", "J kJ"}}},
};

// Ecm = 3·k·T / 2: a room at 15 to 35 °C, the atmosphere of Mars at 150 to 270 K, the
// gas of a 500 to 1 500 °C furnace, the Sun's surface at about 5 800 K.
const Statement molecularEnergyStatements[] = {
    {"ecmECM", "O ar de uma sala está a {ecmT}. Considerando-o um gás ideal, qual é a energia cinética média de "
               "translação de suas moléculas, em {?}?",
     {{"ecmT", 15, 35, "°C", "°C"}, {"ecmECM", 5.9e-21, 6.4e-21}}},
    {"ecmECM", "Na atmosfera de Marte, num ponto onde o gás está a {ecmT}, qual é a energia cinética média de "
               "translação de suas moléculas, considerando-o um gás ideal, em {?}?",
     {{"ecmT", 150, 270, nullptr, "°C"}, {"ecmECM", 3.1e-21, 5.6e-21}}},
    {"ecmECM", "Na superfície do Sol, o gás está a cerca de {ecmT}. Considerando-o um gás ideal, qual é a energia "
               "cinética média de suas partículas, em {?}?",
     {{"ecmT", 5500, 6000}, {"ecmECM", 1.1e-19, 1.25e-19, nullptr, "eV"}}},
    {"ecmT", "No forno de uma siderúrgica, a energia cinética média de translação das moléculas do gás é {ecmECM}. "
             "Considerando-o um gás ideal, a que temperatura está o gás, em {?}?",
     {{"ecmECM", 1.6e-20, 3.6e-20, nullptr, "eV"}, {"ecmT", 500, 1500, "°C", "°C"}}},
    {"ecmT", "As moléculas do ar de uma sala têm energia cinética média de translação de {ecmECM}. Considerando o ar "
             "um gás ideal, qual é a temperatura da sala, em {?}?",
     {{"ecmECM", 5.9e-21, 6.4e-21}, {"ecmT", 10, 40, "°C", "°C"}}},
    {"ecmT", "Na superfície de uma estrela, a energia cinética média das partículas do gás é {ecmECM}. Considerando-o "
             "um gás ideal, qual é a temperatura na superfície da estrela, em {?}?",
     {{"ecmECM", 0.4, 2, "eV", "eV"}, {"ecmT", 3000, 16000}}},
};

}

const std::span<const Problems::Statement> clapeyron = clapeyronStatements;
const std::span<const Problems::Statement> isothermal = isothermalStatements;
const std::span<const Problems::Statement> isobaric = isobaricStatements;
const std::span<const Problems::Statement> isovolumetric = isovolumetricStatements;
const std::span<const Problems::Statement> firstLaw = firstLawStatements;
const std::span<const Problems::Statement> molecularEnergy = molecularEnergyStatements;

}
