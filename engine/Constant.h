#pragma once

// A physical constant a page shows and its solver uses, held once: its symbol, the text
// its constant field shows, and its value as the decimal text the solver converts. Both
// texts are written with a comma and follow the user's decimal separator.
struct Constant
{
    const char* symbol;
    const char* shown;
    const char* value;
};
