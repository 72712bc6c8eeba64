#pragma once
// Where the program's files are. A program that runs from a folder holding
// its data (the build folder, or any folder with stars.db beside the
// program) keeps everything there: it reads stars.db beside itself and
// writes it back at exit. An installed program (PREFIX/bin/lumo with its
// data in PREFIX/share/lumo) reads its data from share/lumo and keeps the
// user's document in the user's data folder, $XDG_DATA_HOME/lumo/stars.db
// (~/.local/share/lumo/stars.db by default), copied from the installed
// catalogue on the first run; so does a program whose own folder cannot be
// written. Called once at start-up by the desktop program and the
// command-line modes.

#include <string>

struct ProgramFiles {
    // The shipped data: stars.db as made, planets.sto, esfptr.ob3, lumo.htm.
    std::string dataFolder;
    // The document read at start-up and saved at exit.
    std::string documentPath;
    // True when the program runs from an installed layout.
    bool installed = false;

    // The catalogue as shipped, dataFolder/stars.db.
    std::string ShippedDocument() const;
    // True when the document is kept apart from the shipped catalogue.
    bool DocumentIsTheUsers() const;
    // What a mode that only reads takes: the document when it exists, else
    // the shipped catalogue.
    std::string DocumentToRead() const;
};

// The choice itself. exeFolder: the running program's folder. installed:
// exeFolder has no stars.db and exeFolder/../share/lumo is a folder.
// writable: files can be made in the data folder. userDataHome: the user's
// data folder ($XDG_DATA_HOME, see UserDataHome).
ProgramFiles ChooseProgramFiles(const std::string& exeFolder, bool installed, bool writable,
                                const std::string& userDataHome);
// The same for the running program: the layout and the folder are looked
// at, the user's data folder is taken from the environment.
ProgramFiles LocateProgramFiles(const std::string& exeFolder);

// On a first run, copies the shipped catalogue to the user's document:
// only when the document is the user's, is missing, and the shipped one
// exists; the folders are made as needed. False with a message a user can
// read when the copy failed (the document then stays missing).
bool PrepareUserDocument(const ProgramFiles& files, std::string& error);

// A base folder of the user's by the XDG rule: the variable's value when it
// is an absolute path, else home + below ("" when home is empty too).
std::string XdgFolder(const char* value, const std::string& home, const std::string& below);
// $XDG_DATA_HOME, by default ~/.local/share.
std::string UserDataHome();
// The folder for the program's temporary files when its own folder cannot
// take them: $XDG_CACHE_HOME/lumo, by default ~/.cache/lumo.
std::string UserCacheFolder();
// Makes a folder and its parents (mode 0700 for new ones); true when it
// exists afterwards.
bool MakeFolders(const std::string& path);
