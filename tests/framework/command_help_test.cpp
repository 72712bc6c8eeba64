#include "framework/command_help.h"

#include <gtest/gtest.h>

#include <sstream>

namespace {

const std::vector<CommandHelp> kCommands = {
    {"draw --out FILE [OPTION]...",
     "Draws a picture of something rather large, with a summary long enough to be wrapped over "
     "more than one line of the usage text, and a backslash \\ in it.",
     {{"--out FILE", "Where the picture goes."},
      {"--angle A,B,C",
       "The turn about the three axes, in degrees; a text long enough to take two lines when "
       "it is wrapped at seventy-nine columns. -90 starts no option."}}},
    {"--help | --version", "Prints this text.", {}},
};

// The usage text wraps at 79 columns in its fixed shape; the manual page made from it
// has the synopsis and a tagged paragraph per option, the wrapped text joined again.
TEST(CommandHelp, UsageWrapsAtSeventyNineColumnsAndMakesTheManPage) {
    std::ostringstream out;
    WriteUsage(out, "prog", kCommands);
    const std::string text = out.str();
    EXPECT_EQ(text.rfind("usage: prog draw --out FILE [OPTION]...\n"
                         "       prog --help | --version\n\n"
                         "prog draw --out FILE [OPTION]...\n  Draws a picture",
                         0),
              0u)
        << text;
    std::istringstream lines(text);
    for (std::string line; std::getline(lines, line);) EXPECT_LE(line.size(), 79u) << line;
    EXPECT_NE(text.find("\n    --angle A,B,C\n        The turn"), std::string::npos);
    std::string page, error;
    ASSERT_TRUE(UsageToManPage(text, ".TH PROG 1\n.SH SYNOPSIS\n@SYNOPSIS@\n.SH OPTIONS\n@COMMANDS@\n",
                               page, error))
        << error;
    EXPECT_NE(page.find(".SH SYNOPSIS\n.nf\nprog draw \\-\\-out FILE [OPTION]...\n"
                        "prog \\-\\-help | \\-\\-version\n.fi\n"),
              std::string::npos)
        << page;
    // A backslash in the text is shown as one.
    EXPECT_NE(page.find("more than one line of the usage text, and a backslash \\e in it.\n"),
              std::string::npos)
        << page;
    EXPECT_NE(page.find(".TP\n.B \\-\\-angle A,B,C\nThe turn about the three axes, in degrees; a "
                        "text long enough to take two lines when it is wrapped at seventy\\-nine "
                        "columns. \\-90 starts no option.\n"),
              std::string::npos)
        << page;
}

}  // namespace
