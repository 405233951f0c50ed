// The Eletrodinâmica area as a student uses it: every topic's button, header and page,
// every solver block of its own pages and of the pages it borrows, and the two pages
// whose total is always recomputed (series and parallel resistors).
#include "AreaHarness.h"
#include "TestSupport.h"

#include "app/Application.h"
#include "app/TfrmMain.h"
#include "controls/Gradpan.h"
#include "app/DecimalSeparator.h"

#include <QAbstractButton>
#include <QStackedWidget>
#include <QTest>

using AreaHarness::SolverRows;
using AreaHarness::secondLawRows;
using TestSupport::Student;

class TestEletrodinamica : public AreaHarness::AreaTest
{
    Q_OBJECT

private slots:

    void headers_data();
    void headers() { AreaHarness::checkHeaderRow(*m_main, *m_student); }
    void solvers_data();
    void solvers() { AreaHarness::checkSolverRow(*m_student); }
    void totals_data();
    void totals() { AreaHarness::checkSolverRow(*m_student); }

};

void TestEletrodinamica::headers_data()
{
    AreaHarness::headerColumns();
    AreaHarness::headerRow("ButtonXPMACCorel98", "Corrente Elétrica", "Corrente Elétrica", "TabSheet16");
    AreaHarness::headerRow("ButtonXPMACCorel99", "1ª Lei de Ohm", "1ª Lei de Ohm", "TabSheet10");
    AreaHarness::headerRow("ButtonXPMACCorel100", "2ª Lei de Ohm", "2ª Lei de Ohm", "TabSheet45");
    AreaHarness::headerRow("ButtonXPMACCorel101", "Resistores em Série", "Resistores em Série", "TabSheet46");
    AreaHarness::headerRow("ButtonXPMACCorel102", "Resistores Diferentes 1", "Resistores Paralelos", "TabSheet47");
    AreaHarness::headerRow("ButtonXPMACCorel103", "Resistores Iguais", "Resistores Iguais", "TabSheet48");
    AreaHarness::headerRow("ButtonXPMACCorel104", "Resistores Diferentes 2", "Resistores Diferentes", "TabSheet49");
    AreaHarness::headerRow("ButtonXPMACCorel105", "Geradores Reais 1", "Resistores Reais 1", "TabSheet50");
    AreaHarness::headerRow("ButtonXPMACCorel106", "Geradores Reais 2", "Resistores Reais 2", "TabSheet51");
    AreaHarness::headerRow("ButtonXPMACCorel107", "Cons. de Energia Elétrica", "Consumo de Energia Elétrica", "TabSheet10");
    AreaHarness::headerRow("ButtonXPMACCorel108", "Potência Elétrica 1", "Potência Elétrica 1", "TabSheet10");
    AreaHarness::headerRow("ButtonXPMACCorel109", "Potência Elétrica 2", "Potência Elétrica 2", "TabSheet7");
    AreaHarness::headerRow("ButtonXPMACCorel110", "Potência Elétrica 3", "Potência Elétrica 3", "TabSheet52");
}

// Rows give the fields in the page's row order (top to bottom).
void TestEletrodinamica::solvers_data()
{
    AreaHarness::solverColumns();
    SolverRows("2ª Lei de Ohm", "ButtonXPMACCorel100", "JLAqua37", {"lo2R", "lo2p", "lo2l", "lo2a"})
        .row("R", {"", "0,5", "10", "2"}, "lo2R", "2,5")
        .row("p", {"2,5", "", "10", "2"}, "lo2p", "0,5")
        .row("L", {"2,5", "0,5", "", "2"}, "lo2l", "10")
        .row("A", {"2,5", "0,5", "10", ""}, "lo2a", "2")
        .row("R, a copper wire", {"", "1,7E-8", "100", "1E-6"}, "lo2R", "1,7")
        .warning("R and p blank: R reads p", {"", "", "10", "2"}, "lo2R")
        .silent("R, A zero", {"", "0,5", "10", "0"}, "lo2R");
    SolverRows("Resistores Iguais", "ButtonXPMACCorel103", "JLAqua40", {"riR", "riR1", "rin"})
        .row("total", {"", "30", "3"}, "riR", "10")
        .row("nº", {"10", "30", ""}, "rin", "3")
        .row("one of them", {"10", "", "3"}, "riR1", "30")
        .row("total, four lamps", {"", "100", "4"}, "riR", "25")
        .warning("total and R1 blank: total reads R1", {"", "", "3"}, "riR")
        .silent("total, nº zero", {"", "30", "0"}, "riR");
    SolverRows("Resistores Diferentes", "ButtonXPMACCorel104", "JLAqua41", {"rdr", "rdr1", "rdr2"})
        .row("total", {"", "6", "3"}, "rdr", "2")
        .row("total, equal pair", {"", "10", "10"}, "rdr", "5")
        .row("nothing blank", {"2", "6", "3"}, "rdr", "2")
        .silent("R1 blank: the page has no other case", {"2", "", "3"}, "rdr1")
        .warning("total and R2 blank", {"", "6", ""}, "rdr")
        .silent("R1 + R2 zero", {"", "6", "-6"}, "rdr");
    SolverRows("Geradores Reais 1", "ButtonXPMACCorel105", "JLAqua42", {"rg1U", "rg1e", "rg1r", "rg1i"})
        .row("u", {"", "12", "0,5", "4"}, "rg1U", "10")
        .row("E", {"10", "", "0,5", "4"}, "rg1e", "12")
        .row("r", {"10", "12", "", "4"}, "rg1r", "0,5")
        .row("i", {"10", "12", "0,5", ""}, "rg1i", "4")
        .row("u, a flashlight cell", {"", "1,5", "0,2", "0,5"}, "rg1U", "1,4")
        .warning("u and E blank: u reads E", {"", "", "0,5", "4"}, "rg1U")
        .silent("r, i zero", {"10", "12", "", "0"}, "rg1r");
    SolverRows("Geradores Reais 2", "ButtonXPMACCorel106", "JLAqua43", {"gr2i", "gr2e", "gr2r", "gr2rinho"})
        .row("i", {"", "12", "5", "1"}, "gr2i", "2")
        .row("E", {"2", "", "5", "1"}, "gr2e", "12")
        .row("R", {"2", "12", "", "1"}, "gr2r", "5")
        .row("r", {"2", "12", "5", ""}, "gr2rinho", "1")
        .row("i, a small load", {"", "1,5", "2", "1"}, "gr2i", "0,5")
        .warning("i and R blank: i reads R", {"", "12", "", "1"}, "gr2i")
        .silent("i, R + r zero", {"", "12", "5", "-5"}, "gr2i");
    SolverRows("Potência Elétrica 3", "ButtonXPMACCorel110", "JLAqua44", {"pe3P", "pe3R", "pe3i"})
        .row("P", {"", "10", "2"}, "pe3P", "40")
        .row("R", {"40", "", "2"}, "pe3R", "10")
        .row("i", {"40", "10", ""}, "pe3i", "2")
        .row("i, a 60 W lamp", {"60", "240", ""}, "pe3i", "0,5")
        .warning("P and R blank: P reads R", {"", "", "2"}, "pe3P")
        .silent("i, negative quotient", {"-40", "10", ""}, "pe3i");
    SolverRows("Potência Elétrica 2", "ButtonXPMACCorel109", "JLAqua12", {"acac", "acv", "acr"})
        .row("P", {"", "220", "110"}, "acac", "440")
        .row("u", {"440", "", "110"}, "acv", "220")
        .row("R", {"440", "220", ""}, "acr", "110")
        .warning("P and u blank: P reads u", {"", "", "110"}, "acac")
        .silent("u, negative product", {"-440", "", "110"}, "acv");
    SolverRows("Corrente Elétrica", "ButtonXPMACCorel98", "JLAqua13", {"prP", "prF", "prA"})
        .row("i", {"", "10", "4"}, "prP", "2,5")
        .row("Q", {"2,5", "", "4"}, "prF", "10")
        .row("t", {"2,5", "10", ""}, "prA", "4")
        .warning("i and Q blank: i reads Q", {"", "", "4"}, "prP")
        .silent("i, t zero", {"", "10", "0"}, "prP");
    secondLawRows("1ª Lei de Ohm", "ButtonXPMACCorel99")
        .row("u", {"", "10", "2"}, "lnFR", "20")
        .row("R", {"20", "", "2"}, "lnM", "10")
        .row("i", {"20", "10", ""}, "lnA", "2")
        .warning("u and R blank", {"", "", "2"}, "lnFR")
        .silent("R, i zero", {"20", "", "0"}, "lnM");
    secondLawRows("Cons. de Energia Elétrica", "ButtonXPMACCorel107")
        .row("E", {"", "100", "3600"}, "lnFR", "360000")
        .row("P", {"360000", "", "3600"}, "lnM", "100")
        .row("t", {"360000", "100", ""}, "lnA", "3600")
        .silent("t, P zero", {"360000", "0", ""}, "lnA");
    secondLawRows("Potência Elétrica 1", "ButtonXPMACCorel108")
        .row("P", {"", "0,5", "220"}, "lnFR", "110")
        .row("i", {"110", "", "220"}, "lnM", "0,5")
        .row("u", {"110", "0,5", ""}, "lnA", "220");
}

// The series and parallel totals: blank resistors skipped (series) or R3 optional
// (parallel), a total already there replaced, and a blank R1 or R2 of the parallel page
// a missing operand: the warning box, and the total keeps its text.
void TestEletrodinamica::totals_data()
{
    AreaHarness::solverColumns();
    SolverRows("Série", "ButtonXPMACCorel101", "JLAqua38", {"rsTotal", "r1", "r2", "r3", "r4"})
        .row("R2 and R4 blank, skipped", {"", "10", "", "5", ""}, "rsTotal", "15")
        .row("a total already there, replaced", {"99", "10", "", "5", ""}, "rsTotal", "15")
        .row("all four", {"", "1", "2", "3", "4"}, "rsTotal", "10")
        .row("decimals", {"", "0,1", "0,2", "", ""}, "rsTotal", "0,3")
        .row("no resistor: 0", {"7", "", "", "", ""}, "rsTotal", "0")
        .silent("malformed R2: the total keeps its text", {"7", "1", "1,,2", "", ""}, "r4");
    SolverRows("Paralelo", "ButtonXPMACCorel102", "JLAqua39", {"rpTotal", "rp1", "rp2", "rp3"})
        .row("R3 blank: two resistors", {"", "6", "3", ""}, "rpTotal", "2")
        .row("three equal", {"", "6", "6", "6"}, "rpTotal", "2")
        .row("three different", {"", "2", "3", "6"}, "rpTotal", "1")
        .row("a total already there, replaced", {"5", "6", "3", ""}, "rpTotal", "2")
        .silent("R1 + R2 zero: the total keeps its text", {"5", "6", "-6", ""}, "rp3")
        .warning("R1 blank: the total keeps its text", {"5", "", "3", ""}, "rp1")
        .warning("R2 blank, R3 filled", {"5", "6", "", "3"}, "rp2")
        .warning("nothing filled", {"", "", "", ""}, "rpTotal");
}

VELQUORA_TEST_MAIN(TestEletrodinamica)
#include "tst_eletrodinamica.moc"
