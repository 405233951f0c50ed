#pragma once

#include <QString>
#include <optional>

// velquora --lista --topicos "Movimento Uniforme,Lei de Coulomb" --nivel 2 --quantidade 10
//          --numero 4821 --versoes 2 --saida lista.pdf
// writes a list of exercises without a display.
namespace ListCommand {

// The options' values as typed; empty for one not given.
struct Values
{
    std::optional<QString> topics;
    QString level;
    QString count;
    QString number;
    QString versions;
    QString output;
};

// 0 when the list was written and read back; otherwise 2, with a sentence on stderr.
int run(const Values& values, char* program);

}
