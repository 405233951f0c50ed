#pragma once

// velquora --lista --topicos "Movimento Uniforme,Lei de Ohm" --nivel 2 --quantidade 10
//          --numero 4821 --saida lista.pdf
// writes a list of exercises without a display.
namespace ListCommand {

bool requested(int argc, char** argv);
// 0 when the list was written; otherwise a sentence on stderr and a non-zero code.
int run(int& argc, char** argv);

}
