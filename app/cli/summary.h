#pragma once
// `lumo summary` (and `lumo` where no display exists): loads stars.db from
// the program folder, prints what it holds, and saves it back at exit.

#include <iosfwd>

int RunSummary(std::ostream& out, std::ostream& err);
