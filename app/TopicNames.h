#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

// The topics a teacher names on the command line. A topic goes by the window's header or
// by its book's name, in any case, with or without accents; a name two areas share goes
// with its area ("Ondas: Frequência para Período"); an area's name stands for all its
// topics with problems. Part of a name is enough when only one topic has it.
namespace TopicNames {

struct Found
{
    // The topics' buttons, in the catalogue's order for an area; empty with `error`.
    QStringList buttons;
    // A sentence for the teacher: which topics the name may mean, or the nearest names.
    QString error;
};

Found find(QStringView typed);

// Each area, then its topics with problems one a line, indented, with the book's name
// where it is not the header: "  Torricelli — Equação de Torricelli".
QStringList listing();

}
