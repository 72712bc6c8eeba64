#include "framework/command_help.h"

#include <ostream>
#include <sstream>

namespace {
constexpr size_t kWidth = 79;
constexpr size_t kSummaryIndent = 2, kOptionIndent = 4, kOptionTextIndent = 8;

// Writes text word by word, each line indented and at most kWidth wide
// (a longer word stands alone on its line).
void WriteWrapped(std::ostream& out, const std::string& text, size_t indent) {
    std::istringstream words(text);
    std::string line;
    for (std::string word; words >> word;) {
        if (!line.empty() && indent + line.size() + 1 + word.size() > kWidth) {
            out << std::string(indent, ' ') << line << '\n';
            line.clear();
        }
        line += (line.empty() ? "" : " ") + word;
    }
    if (!line.empty()) out << std::string(indent, ' ') << line << '\n';
}

size_t Indent(const std::string& line) {
    size_t n = line.find_first_not_of(' ');
    return n == std::string::npos ? line.size() : n;
}

// Text as roff shows it literally: backslashes and minus signs escaped, a
// line never starting with a control character.
std::string Roff(const std::string& text) {
    std::string r;
    for (char c : text) {
        if (c == '\\') r += "\\e";
        else if (c == '-') r += "\\-";
        else r += c;
    }
    if (!r.empty() && (r[0] == '.' || r[0] == '\'')) r = "\\&" + r;
    return r;
}

// A line of running text: the words joined to the text gathered so far.
void Join(std::string& into, const std::string& line) {
    if (!into.empty()) into += ' ';
    into += line.substr(Indent(line));
}
}  // namespace

void WriteUsage(std::ostream& out, const std::string& program,
                const std::vector<CommandHelp>& commands) {
    const std::string lead = "usage: ";
    for (size_t i = 0; i < commands.size(); ++i)
        out << (i == 0 ? lead : std::string(lead.size(), ' ')) << program << ' '
            << commands[i].synopsis << '\n';
    for (const CommandHelp& c : commands) {
        out << '\n' << program << ' ' << c.synopsis << '\n';
        WriteWrapped(out, c.summary, kSummaryIndent);
        for (const OptionHelp& o : c.options) {
            out << std::string(kOptionIndent, ' ') << o.option << '\n';
            WriteWrapped(out, o.text, kOptionTextIndent);
        }
    }
}

bool IsHelpOption(const std::string& argument) { return argument == "--help" || argument == "-h"; }

bool UsageToManPage(const std::string& usage, const std::string& manTemplate, std::string& page,
                    std::string& error) {
    std::istringstream lines(usage);
    std::string line;
    std::ostringstream synopsis, commands;
    // The usage lines, up to the first blank line.
    const std::string lead = "usage: ";
    if (!std::getline(lines, line) || line.rfind(lead, 0) != 0) {
        error = "the text does not start with \"" + lead + "\"";
        return false;
    }
    synopsis << ".nf\n";
    do {
        synopsis << Roff(line.substr(Indent(line.substr(lead.size())) + lead.size())) << '\n';
    } while (std::getline(lines, line) && !line.empty());
    synopsis << ".fi\n";

    // The commands: heading, summary, options with their texts.
    std::string text;  // the paragraph being gathered
    bool inOption = false;
    auto flush = [&] {
        if (!text.empty()) commands << Roff(text) << '\n';
        text.clear();
    };
    int lineNumber = 0;
    while (std::getline(lines, line)) {
        ++lineNumber;
        if (line.empty()) {
            flush();
            continue;
        }
        const size_t indent = Indent(line);
        if (indent == 0) {
            flush();
            commands << ".SS \"" << Roff(line) << "\"\n";
            inOption = false;
        } else if (indent == kSummaryIndent && !inOption) {
            Join(text, line);
        } else if (indent == kOptionIndent) {
            flush();
            commands << ".TP\n.B " << Roff(line.substr(indent)) << '\n';
            inOption = true;
        } else if (indent == kOptionTextIndent && inOption) {
            Join(text, line);
        } else {
            error = "line " + std::to_string(lineNumber) + " after the usage is indented " +
                    std::to_string(indent) + " columns: \"" + line + "\"";
            return false;
        }
    }
    flush();

    std::ostringstream result;
    std::istringstream templateLines(manTemplate);
    bool sawSynopsis = false, sawCommands = false;
    while (std::getline(templateLines, line)) {
        if (line == "@SYNOPSIS@") {
            result << synopsis.str();
            sawSynopsis = true;
        } else if (line == "@COMMANDS@") {
            result << commands.str();
            sawCommands = true;
        } else {
            result << line << '\n';
        }
    }
    if (!sawSynopsis || !sawCommands) {
        error = "the template lacks the line @SYNOPSIS@ or @COMMANDS@";
        return false;
    }
    page = result.str();
    return true;
}
