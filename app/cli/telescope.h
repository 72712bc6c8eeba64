#pragma once
// `lumo telescope [--host H] [--port P] [--device NAME] [--timeout S]
// (goto NAME | where | abort | park)`: drives a mount on an INDI server from
// scripts. Returns the process exit code: 0 done, 1 refused or failed, 2 a
// usage fault.

#include <iosfwd>

#include "framework/command_help.h"

int RunTelescope(int argc, char** args, std::ostream& out, std::ostream& err);
// Its --help text.
CommandHelp TelescopeHelp();
