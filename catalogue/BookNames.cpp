#include "catalogue/BookNames.h"

namespace BookNames {

namespace {

struct BookName
{
    const char* button;
    const char* name;
};

// Every topic of the catalogue, area by area in the window's order.
const BookName table[] = {
    // Cinemática
    {"ButtonXPMACCorel1", "Movimento Uniforme"},
    {"ButtonXPMACCorel6", "Velocidade Escalar Média"},
    {"ButtonXPMACCorel7", "Aceleração Escalar Média"},
    {"ButtonXPMACCorel8", "Função Horária da Velocidade (MUV)"},
    {"ButtonXPMACCorel9", "Equação de Torricelli"},
    {"ButtonXPMACCorel10", "Velocidade Linear no Movimento Circular"},
    {"ButtonXPMACCorel28", "Frequência no Movimento Circular"},
    {"ButtonXPMACCorel29", "Período no Movimento Circular"},
    {"ButtonXPMACCorel93", "Relação entre Período e Frequência"},
    {"ButtonXPMACCorel30", "Velocidade Angular"},
    {"ButtonXPMACCorel31", "Aceleração Centrípeta"},
    {"ButtonXPMACCorel95", "Altura Máxima no Lançamento Vertical"},
    {"ButtonXPMACCorel94", "Tempo de Subida no Lançamento Vertical"},
    // Dinâmica
    {"ButtonXPMACCorel11", "2ª Lei de Newton"},
    {"ButtonXPMACCorel12", "Força Peso"},
    {"ButtonXPMACCorel13", "Momento de uma Força (Torque)"},
    {"ButtonXPMACCorel14", "Força de Atrito"},
    {"ButtonXPMACCorel15", "Componente Normal do Peso no Plano Inclinado"},
    {"ButtonXPMACCorel16", "Componente Tangencial do Peso no Plano Inclinado"},
    {"ButtonXPMACCorel23", "Trabalho de uma Força Constante"},
    {"ButtonXPMACCorel24", "Trabalho de uma Força Oblíqua"},
    {"ButtonXPMACCorel25", "Potência Média"},
    {"ButtonXPMACCorel26", "Potência em Função da Velocidade"},
    {"ButtonXPMACCorel27", "Energia Cinética"},
    {"ButtonXPMACCorel2", "Energia Potencial Elástica"},
    {"ButtonXPMACCorel32", "Energia Potencial Gravitacional"},
    {"ButtonXPMACCorel33", "Lei de Hooke"},
    {"ButtonXPMACCorel34", "Quantidade de Movimento"},
    {"ButtonXPMACCorel35", "Impulso de uma Força"},
    // Hidrostática
    {"ButtonXPMACCorel36", "Massa Específica"},
    {"ButtonXPMACCorel37", "Pressão"},
    {"ButtonXPMACCorel38", "Empuxo (Princípio de Arquimedes)"},
    {"ButtonXPMACCorel39", "Pressão Hidrostática"},
    {"ButtonXPMACCorel40", "Prensa Hidráulica (Princípio de Pascal)"},
    {"ButtonXPMACCorel41", "Pressão Absoluta (Teorema de Stevin)"},
    // Termologia
    {"ButtonXPMACCorel42", "Conversão entre as Escalas Celsius e Fahrenheit"},
    {"ButtonXPMACCorel43", "Conversão entre as Escalas Celsius e Kelvin"},
    {"ButtonXPMACCorel44", "Conversão entre as Escalas Fahrenheit e Kelvin"},
    {"ButtonXPMACCorel45", "Calor Sensível"},
    {"ButtonXPMACCorel46", "Calor Específico"},
    {"ButtonXPMACCorel47", "Calor Latente"},
    {"ButtonXPMACCorel48", "Dilatação Linear"},
    {"ButtonXPMACCorel49", "Dilatação Superficial"},
    {"ButtonXPMACCorel50", "Dilatação Volumétrica"},
    {"ButtonXPMACCorel51", "Equação de Clapeyron"},
    {"ButtonXPMACCorel52", "Transformação Isotérmica"},
    {"ButtonXPMACCorel53", "Transformação Isobárica"},
    {"ButtonXPMACCorel54", "Transformação Isovolumétrica"},
    {"ButtonXPMACCorel55", "1ª Lei da Termodinâmica"},
    {"ButtonXPMACCorel56", "Energia Cinética Média das Moléculas de um Gás"},
    {"ButtonXPMACCorel96", "Capacidade Térmica"},
    {"ButtonXPMACCorel97", "Capacidade Térmica e Calor Específico"},
    // Óptica
    {"ButtonXPMACCorel57", "Associação de Espelhos Planos"},
    {"ButtonXPMACCorel58", "Equação de Gauss"},
    {"ButtonXPMACCorel60", "Ampliação"},
    {"ButtonXPMACCorel61", "Refração Absoluta"},
    {"ButtonXPMACCorel63", "Lei de Snell-Descartes"},
    {"ButtonXPMACCorel65", "Reflexão Interna Total"},
    {"ButtonXPMACCorel66", "Vergência de uma Lente"},
    // Eletrostática
    {"ButtonXPMACCorel79", "Quantização da Carga Elétrica"},
    {"ButtonXPMACCorel80", "Lei de Coulomb"},
    {"ButtonXPMACCorel81", "Campo Elétrico de uma Carga Puntiforme"},
    {"ButtonXPMACCorel82", "Energia Potencial Elétrica"},
    {"ButtonXPMACCorel83", "Potencial Elétrico de uma Carga Puntiforme"},
    {"ButtonXPMACCorel84", "Força Elétrica num Campo Elétrico"},
    {"ButtonXPMACCorel85", "Diferença de Potencial no Campo Elétrico Uniforme"},
    {"ButtonXPMACCorel86", "Trabalho da Força Elétrica"},
    // Eletrodinâmica
    {"ButtonXPMACCorel98", "Intensidade da Corrente Elétrica"},
    {"ButtonXPMACCorel99", "1ª Lei de Ohm"},
    {"ButtonXPMACCorel100", "2ª Lei de Ohm"},
    {"ButtonXPMACCorel101", "Associação de Resistores em Série"},
    {"ButtonXPMACCorel102", "Associação de Resistores em Paralelo"},
    {"ButtonXPMACCorel103", "Resistores Iguais em Paralelo"},
    {"ButtonXPMACCorel104", "Dois Resistores em Paralelo"},
    {"ButtonXPMACCorel105", "Equação do Gerador"},
    {"ButtonXPMACCorel106", "Lei de Pouillet"},
    {"ButtonXPMACCorel107", "Consumo de Energia Elétrica"},
    {"ButtonXPMACCorel108", "Potência Elétrica"},
    {"ButtonXPMACCorel109", "Potência Dissipada em Função da Tensão"},
    {"ButtonXPMACCorel110", "Potência Dissipada em Função da Corrente"},
    // Ondas
    {"ButtonXPMACCorel71", "Frequência de uma Onda"},
    {"ButtonXPMACCorel72", "Período de uma Onda"},
    {"ButtonXPMACCorel73", "Relação entre Período e Frequência de uma Onda"},
    {"ButtonXPMACCorel74", "Equação Fundamental da Ondulatória"},
    {"ButtonXPMACCorel75", "Comprimento de Onda"},
    {"ButtonXPMACCorel76", "Equação de Taylor"},
    {"ButtonXPMACCorel77", "Densidade Linear de uma Corda"},
    {"ButtonXPMACCorel78", "Frequência dos Harmônicos de uma Corda Vibrante"},
};

}

QString of(QStringView button)
{
    for (const BookName& entry : table) {
        if (button == QLatin1StringView(entry.button))
            return QString::fromUtf8(entry.name);
    }
    return {};
}

}
