#pragma once
// The --help texts of the command-line programs, made from one table of
// options per command, and the manual pages made from those texts.
//
// The text has a fixed shape, so that the manual page can be made from it:
//   usage: PROGRAM SYNOPSIS            one line per command
//          PROGRAM SYNOPSIS
//   (blank line)
//   PROGRAM SYNOPSIS                   each command at column 0,
//     What it does, wrapped.           its summary at column 2,
//       --option VALUE                 each option at column 4,
//           What the option does.      the option's text at column 8.
// A blank line ends each command.

#include <iosfwd>
#include <string>
#include <vector>

// One option of a command: how it is written, value included ("--time
// YYYY-MM-DDTHH:MM:SS"), and what it does.
struct OptionHelp {
    std::string option;
    std::string text;
};

// One command of a program: what follows the program's name on the command
// line ("render --out FILE.png [OPTION]..."), what it does, and its options.
struct CommandHelp {
    std::string synopsis;
    std::string summary;
    std::vector<OptionHelp> options;
};

// Writes the usage of the commands of program in the shape above, text
// wrapped at 79 columns.
void WriteUsage(std::ostream& out, const std::string& program,
                const std::vector<CommandHelp>& commands);

// True when the argument asks for help ("--help" or "-h").
bool IsHelpOption(const std::string& argument);

// Turns a usage text written by WriteUsage into the sections of a manual
// page: SYNOPSIS from the usage lines and, under OPTIONS, a subsection per
// command with its summary and its options as tagged paragraphs. The
// template's lines "@SYNOPSIS@" and "@COMMANDS@" are replaced by them;
// every other line is kept. False, with the reason in error, when the usage
// text is not of that shape.
bool UsageToManPage(const std::string& usage, const std::string& manTemplate, std::string& page,
                    std::string& error);
