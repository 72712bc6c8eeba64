#pragma once
// Running the built lumo as a user does, from the tests: a command line in a
// scratch folder with a fixed time zone, its exit status and its output.

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <memory>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "catalogue/lumo_doc.h"
#include "framework/file.h"
#include "tests/temp_dir.h"

struct ProgramResult {
    int status = -1;
    std::string out, err;
};

inline std::string SlurpFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Runs program with arguments from the root folder in the Madrid time zone,
// with the present fixed at localNow ("YYYY-MM-DD hh:mm:ss", Madrid time) by
// faketime when it is given (an outer faketime is put aside first: nested,
// the inner one would not take).
inline ProgramResult RunLumo(const std::string& program, const std::string& args,
                             const std::string& localNow = "") {
    TempDir scratch;
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
inline const std::string kLumoData = JoinPath(LUMO_BIN_DIR, "lumo-data");

// The document in a file (a test failure when it cannot be read).
inline std::unique_ptr<CLumoDoc> LoadDocument(const std::string& path) {
    auto doc = std::make_unique<CLumoDoc>();
    std::vector<uint8_t> bytes;
    std::string error;
    EXPECT_TRUE(ReadWholeFile(path, bytes, error) && doc->LoadFrom(bytes, error))
        << path << ": " << error;
    return doc;
}

inline void SaveDocument(CLumoDoc& doc, const std::string& path) {
    std::string error;
    EXPECT_TRUE(WriteFileAtomic(path, doc.StoreToBytes(), error)) << error;
}

// True once the process catches SIGTERM (its handler is in place).
inline bool CatchesTerm(pid_t pid) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind("SigCgt:", 0) == 0)
            return (std::stoull(line.substr(7), nullptr, 16) >> (SIGTERM - 1)) & 1;
    return false;
}

// Starts program with its window on Qt's offscreen platform as a user with
// the folders of user, lets it come up, asks it to end as a session does,
// and returns its exit status (negative when it ended on its own or had to
// be killed). Its standard error goes to log.
inline int RunWindowUntilAskedToEnd(const std::string& program,
                                    const std::vector<std::string>& args, const TempDir& user,
                                    const std::string& log) {
    pid_t pid = fork();
    if (pid == 0) {  // the test's environment with the user's folders
        const std::pair<const char*, std::string> env[] = {
            {"QT_QPA_PLATFORM", "offscreen"},         {"TZ", "Europe/Madrid"},
            {"HOME", user.Path()},                    {"XDG_DATA_HOME", user.File("data")},
            {"XDG_CONFIG_HOME", user.File("config")}, {"XDG_CACHE_HOME", user.File("cache")},
            {"XDG_RUNTIME_DIR", user.Path()}};
        for (const auto& [name, value] : env) setenv(name, value.c_str(), 1);
        if (!std::freopen(log.c_str(), "w", stderr)) _exit(126);
        std::vector<char*> argv{const_cast<char*>(program.c_str())};
        for (const std::string& a : args) argv.push_back(const_cast<char*>(a.c_str()));
        argv.push_back(nullptr);
        execv(program.c_str(), argv.data());
        _exit(127);
    }
    int status = -1;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
    while (!CatchesTerm(pid) && std::chrono::steady_clock::now() < deadline) {
        if (waitpid(pid, &status, WNOHANG) == pid) return -1;  // ended on its own
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    kill(pid, SIGTERM);
    while (waitpid(pid, &status, WNOHANG) == 0) {
        if (std::chrono::steady_clock::now() > deadline) {
            kill(pid, SIGKILL);
            waitpid(pid, &status, 0);
            return -2;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return WIFEXITED(status) ? WEXITSTATUS(status) : -3;
}
