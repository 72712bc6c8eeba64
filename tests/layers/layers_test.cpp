// The layers as the build must keep them: every #include of the program's
// sources is read, and an arrow the design forbids fails the test with the
// file and line that draws it.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <set>
#include <string>

namespace fs = std::filesystem;

namespace {

// What each folder may include besides itself (the arrows, closed over their ends).
const std::map<std::string, std::set<std::string>> kMayInclude = {
    {"framework", {}},
    {"astro", {"framework"}},
    {"catalogue", {"astro", "framework"}},
    {"engine", {"framework"}},
    {"scope", {"catalogue", "astro", "framework"}},  // the telescope finds targets in the document
    {"sky", {"engine", "catalogue", "astro", "framework"}},
    {"app", {"sky", "scope", "engine", "catalogue", "astro", "framework"}},
    {"tools", {"sky", "scope", "engine", "catalogue", "astro", "framework"}},  // generators
};
// Folders of the repository that no layer may reach into.
const std::set<std::string> kOutside = {"tools", "tests", "bench", "fuzz"};

// Why `line` (one line of a file in folder `layer`) breaks the layering; "" when it does not.
std::string Breach(const std::string& layer, const std::string& line) {
    static const std::regex include(R"(^\s*#\s*include\s*([<"])([^>"]*)[>"])");
    std::smatch m;
    if (!std::regex_search(line, m, include)) return "";
    const std::string name = m[2];
    static const std::regex qt(R"(^(Qt[A-Za-z]*/|Q[A-Z][A-Za-z]*$|q[a-z]+\.h$))");
    if (m[1] == "<" && layer != "app" && std::regex_search(name, qt)) return "Qt outside app/: " + name;
    const std::string top = name.substr(0, name.find('/'));
    if (top == name || top == layer) return "";
    auto allowed = kMayInclude.find(layer);
    if (kOutside.count(top) || (kMayInclude.count(top) && !allowed->second.count(top)))
        return layer + " -> " + top + " is not allowed: " + name;
    return "";
}

}  // namespace

TEST(Layers, RuleSeesEveryForbiddenArrow) {
    for (auto [layer, line] : {std::pair{"sky", "#include \"engine/surface.h\""}, {"app", "#include <QWidget>"},
                               {"engine", "#include <vector>"}, {"astro", "#include \"series.h\""}})
        EXPECT_EQ(Breach(layer, line), "") << layer << ": " << line;
    for (auto [layer, line] : {std::pair{"engine", "#include \"sky/camera.h\""},
                               {"astro", "  #  include <catalogue/doc.h>"}, {"astro", "#include \"tools/tsv.h\""},
                               {"sky", "#include <QtCore/QString>"}, {"engine", "#include <QImage>"}})
        EXPECT_NE(Breach(layer, line), "") << layer << ": " << line;
}

TEST(Layers, SourcesKeepTheArrows) {
    const fs::path root = LUMO_SOURCE_DIR;
    int files = 0;
    for (const auto& [layer, unused] : kMayInclude) {
        if (!fs::is_directory(root / layer)) continue;
        for (const auto& entry : fs::recursive_directory_iterator(root / layer)) {
            const auto ext = entry.path().extension();
            if (ext != ".cpp" && ext != ".h") continue;
            ++files;
            std::ifstream in(entry.path());
            std::string line;
            for (int n = 1; std::getline(in, line); ++n) {
                const std::string why = Breach(layer, line);
                if (!why.empty())
                    ADD_FAILURE() << fs::relative(entry.path(), root).string() << ":" << n << ": " << why;
            }
        }
    }
    EXPECT_GT(files, 100);
}
