// Golden rows: the exact statement and answer of one exercise per area at both levels.
// An exercise number is a promise (the same number brings back the same exercise on
// every computer), so a change that moves any of these is a change to every list a
// teacher has printed, and must be made on purpose.
#include "exercises/Exercise.h"

#include <QTest>

class TestExerciseGolden : public QObject
{
    Q_OBJECT

private slots:
    void exercise_data();
    void exercise();
    void numberChangesTheExercise();
};

void TestExerciseGolden::exercise_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("level");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("answer");
    QTest::newRow("Corel1 level 1") << "ButtonXPMACCorel1" << 1
        << QString::fromUtf8("Um caminhão passa pela posição 108\u202f000\u00a0m de uma rodovia e segue no sentido em que a quilometragem diminui, com velocidade constante de −16\u00a0m/\u2060s. Quanto tempo ele leva para chegar à posição 31\u202f800\u00a0m, em\u00a0s?")
        << QString::fromUtf8("4800\u00a0s");
    QTest::newRow("Corel1 level 2") << "ButtonXPMACCorel1" << 2
        << QString::fromUtf8("Num treino, um atleta passa pela marca 10\u00a0m de uma pista reta e, 16,6\u00a0s depois, pela marca 77,8\u00a0m, correndo com velocidade constante. Qual é a sua velocidade, em\u00a0km/\u2060h?")
        << QString::fromUtf8("14,7\u00a0km/h");
    QTest::newRow("Corel27 level 1") << "ButtonXPMACCorel27" << 1
        << QString::fromUtf8("Num chute, uma bola de futebol de 0,445\u00a0kg sai do pé do jogador a 23\u00a0m/\u2060s. Qual é a energia cinética da bola, em\u00a0J?")
        << QString::fromUtf8("120\u00a0J");
    QTest::newRow("Corel27 level 2") << "ButtonXPMACCorel27" << 2
        << QString::fromUtf8("Um carrinho de montanha-russa com os passageiros, de massa total 680\u00a0kg, passa pelo ponto mais baixo do trilho a 105\u00a0km/\u2060h. Qual é a energia cinética do carrinho nesse ponto, em\u00a0J?")
        << QString::fromUtf8("290\u202f000\u00a0J");
    QTest::newRow("Corel39 level 1") << "ButtonXPMACCorel39" << 1
        << QString::fromUtf8("Num lago de água doce, de densidade 1000\u00a0kg/\u2060m³, a pressão exercida pela água sobre um mergulhador é 67\u202f000\u00a0N/\u2060m² (considere g = 9,8\u00a0m/\u2060s²). A que profundidade ele está, em\u00a0m?")
        << QString::fromUtf8("6,84\u00a0m");
    QTest::newRow("Corel39 level 2") << "ButtonXPMACCorel39" << 2
        << QString::fromUtf8("Num planeta distante, uma sonda mergulha num lago de um líquido de densidade 0,945\u00a0g/\u2060cm³ e mede, a 9,1\u00a0m de profundidade, a pressão hidrostática de 91\u00a0kPa. Qual é a aceleração da gravidade nesse planeta, em\u00a0m/\u2060s²?")
        << QString::fromUtf8("11\u00a0m/s²");
    QTest::newRow("Corel45 level 1") << "ButtonXPMACCorel45" << 1
        << QString::fromUtf8("O aquecedor de um aquário fornece 35\u202f800\u00a0cal de calor aos 5000\u00a0g de água do aquário. Sendo o calor específico da água 1\u00a0cal/\u2060(g·°C), de quanto sobe a temperatura da água, em\u00a0°C?")
        << QString::fromUtf8("7,2\u00a0°C");
    QTest::newRow("Corel45 level 2") << "ButtonXPMACCorel45" << 2
        << QString::fromUtf8("Um bloco de cobre de 0,616\u00a0kg, de calor específico 0,093\u00a0cal/\u2060(g·°C), esfria sobre uma bancada, e o calor que ele troca com o ambiente é Q = −6200\u00a0cal. Qual é a variação de temperatura do bloco, em\u00a0°C?")
        << QString::fromUtf8("−110\u00a0°C");
    QTest::newRow("Corel58 level 1") << "ButtonXPMACCorel58" << 1
        << QString::fromUtf8("Uma pessoa aproxima o rosto a 7,64\u00a0cm de um espelho de maquiagem côncavo, de distância focal 21\u00a0cm, e vê uma imagem direita e ampliada. Qual é a posição d₁ dessa imagem, em\u00a0cm, com o sinal da convenção de Gauss?")
        << QString::fromUtf8("−12\u00a0cm");
    QTest::newRow("Corel58 level 2") << "ButtonXPMACCorel58" << 2
        << QString::fromUtf8("Num espelho de maquiagem côncavo, de distância focal 303\u00a0mm, uma pessoa vê a imagem direita do próprio rosto atrás do espelho, na posição d₁ = −285\u00a0mm. A que distância do espelho está o rosto, em\u00a0cm?")
        << QString::fromUtf8("14,7\u00a0cm");
    QTest::newRow("Corel80 level 1") << "ButtonXPMACCorel80" << 1
        << QString::fromUtf8("Uma pequena esfera de carga 4,53\u00a0·\u00a010⁻⁶\u00a0C, colocada no vácuo a 0,294\u00a0m de outra esfera eletrizada, é repelida com força de 0,603\u00a0N. Qual é a carga Q da outra esfera, em\u00a0C? Dado: k\u00a0=\u00a09\u00a0·\u00a010⁹\u00a0N·m²/C².")
        << QString::fromUtf8("1,28\u00a0·\u00a010⁻⁶\u00a0C");
    QTest::newRow("Corel80 level 2") << "ButtonXPMACCorel80" << 2
        << QString::fromUtf8("Duas pequenas esferas metálicas, presas a suportes isolantes, têm cargas de mesmo sinal, 4,92\u00a0µC e 1,16\u00a0µC, e seus centros estão a 0,252\u00a0m um do outro, no vácuo. Com que força elétrica uma repele a outra, em\u00a0N? Dado: k\u00a0=\u00a09\u00a0·\u00a010⁹\u00a0N·m²/C².")
        << QString::fromUtf8("0,809\u00a0N");
    QTest::newRow("Corel74 level 1") << "ButtonXPMACCorel74" << 1
        << QString::fromUtf8("Um estudante agita a ponta de uma corda com frequência de 3,11\u00a0Hz e produz ondas de comprimento 0,684\u00a0m. Com que velocidade as ondas se propagam na corda, em\u00a0m/\u2060s?")
        << QString::fromUtf8("2,13\u00a0m/s");
    QTest::newRow("Corel74 level 2") << "ButtonXPMACCorel74" << 2
        << QString::fromUtf8("Num tanque de ondas, uma haste vibra com frequência de 8,75\u00a0Hz e produz ondas de comprimento 40,6\u00a0mm. Qual é a velocidade de propagação das ondas, em\u00a0cm/\u2060s?")
        << QString::fromUtf8("35,5\u00a0cm/s");
    QTest::newRow("Corel99 level 1") << "ButtonXPMACCorel99" << 1
        << QString::fromUtf8("Um estudante aplica 7,88\u00a0V a um resistor e mede, com um amperímetro, uma corrente de 0,00632\u00a0A. Qual é a resistência do resistor, em\u00a0Ω?")
        << QString::fromUtf8("1250\u00a0Ω");
    QTest::newRow("Corel99 level 2") << "ButtonXPMACCorel99" << 2
        << QString::fromUtf8("Um pássaro pousa num fio de uma linha de transmissão. O trecho de fio entre os seus pés tem resistência de 4,59\u00a0·\u00a010⁻⁵\u00a0Ω, e a corrente na linha é de 233\u00a0A. Qual é a diferença de potencial entre os pés do pássaro, em\u00a0mV?")
        << QString::fromUtf8("10,7\u00a0mV");
}

void TestExerciseGolden::exercise()
{
    QFETCH(QString, button);
    QFETCH(int, level);
    QFETCH(QString, text);
    QFETCH(QString, answer);
    const Exercise ex = ExerciseGenerator::make(button, Level(level), 4821, 1);
    QVERIFY(ex.valid);
    QCOMPARE(ex.text, text);
    QCOMPARE(ex.answerText(), answer);
}

// Each number is its own exercise: neighbouring numbers on one topic never all agree.
void TestExerciseGolden::numberChangesTheExercise()
{
    const Exercise first = ExerciseGenerator::make(u"ButtonXPMACCorel1", Level::Formula, 4821, 1);
    int same = 0;
    for (std::uint32_t n = 4822; n < 4832; ++n)
        same += ExerciseGenerator::make(u"ButtonXPMACCorel1", Level::Formula, n, 1).text == first.text;
    QCOMPARE(same, 0);
}

QTEST_GUILESS_MAIN(TestExerciseGolden)
#include "tst_exercisegolden.moc"
