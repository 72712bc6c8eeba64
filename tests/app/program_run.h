#pragma once
// Running the built lumo as a user does, from the tests: a command line in a
// scratch folder with a fixed time zone, its exit status and its output.

#include <sys/wait.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "framework/file.h"
#include "tests/temp_dir.h"

struct ProgramResult {
    int status = -1;
    std::string out, err;
};

inline std::string SlurpFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream ss;
    ss << in.rdbuf();
    return ss.str();
}

// Runs program with arguments from the root folder; TZ is fixed so that
// local times mean the same everywhere. A program that reads the clock is
// run with the present fixed at localNow ("YYYY-MM-DD hh:mm:ss", Madrid
// time) by faketime.
inline ProgramResult RunLumo(const std::string& program, const std::string& args,
                             const std::string& localNow = "") {
    TempDir scratch;
    // A faketime of an outer run (the suite itself under faketime) is put
    // aside first: nested, the inner one would not take.
    const std::string clock =
        localNow.empty() ? ""
                         : "env -u LD_PRELOAD -u FAKETIME -u FAKETIME_SHARED faketime '" +
                               localNow + "' ";
    std::string cmd = "cd / && TZ=Europe/Madrid " + clock + program + " " + args + " >" +
                      scratch.File("out") + " 2>" + scratch.File("err");
    ProgramResult r;
    r.status = WEXITSTATUS(std::system(cmd.c_str()));
    r.out = SlurpFile(scratch.File("out"));
    r.err = SlurpFile(scratch.File("err"));
    return r;
}

// Tab-separated cells of each line.
inline std::vector<std::vector<std::string>> Rows(const std::string& text) {
    std::vector<std::vector<std::string>> rows;
    std::istringstream lines(text);
    for (std::string line; std::getline(lines, line);) {
        std::vector<std::string> cells;
        std::istringstream fields(line);
        for (std::string cell; std::getline(fields, cell, '\t');) cells.push_back(cell);
        rows.push_back(cells);
    }
    return rows;
}

inline const std::string kLumo = JoinPath(LUMO_BIN_DIR, "lumo");
