#include "framework/program_files.h"

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <vector>

#include "framework/file.h"

namespace {

constexpr const char* kDocumentName = "stars.db";
constexpr const char* kProgramName = "lumo";

bool IsFolder(const std::string& path) {
    struct stat st;
    return ::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

// PREFIX/share/lumo for a program in PREFIX/bin.
std::string InstalledDataFolder(const std::string& exeFolder) {
    return JoinPath(FolderOf(exeFolder), "share/lumo");
}

// $HOME, or the password database's home folder when it is unset.
std::string HomeFolder() {
    const char* home = std::getenv("HOME");
    if (home && *home == '/') return home;
    const passwd* pw = ::getpwuid(::getuid());
    return pw && pw->pw_dir ? pw->pw_dir : "";
}

}  // namespace

std::string ProgramFiles::ShippedDocument() const { return JoinPath(dataFolder, kDocumentName); }

bool ProgramFiles::DocumentIsTheUsers() const { return documentPath != ShippedDocument(); }

std::string ProgramFiles::DocumentToRead() const {
    return FileExists(documentPath) ? documentPath : ShippedDocument();
}

ProgramFiles ChooseProgramFiles(const std::string& exeFolder, bool installed, bool writable,
                                const std::string& userDataHome) {
    ProgramFiles files;
    files.installed = installed;
    files.dataFolder = installed ? InstalledDataFolder(exeFolder) : exeFolder;
    // An installed catalogue is shared by every user of the machine: each
    // keeps a copy of their own. Without a user data folder there is no
    // such place, and the document stays with the data.
    const bool apart = (installed || !writable) && !userDataHome.empty();
    files.documentPath = apart ? JoinPath(JoinPath(userDataHome, kProgramName), kDocumentName)
                               : JoinPath(files.dataFolder, kDocumentName);
    return files;
}

ProgramFiles LocateProgramFiles(const std::string& exeFolder) {
    const bool installed = !FileExists(JoinPath(exeFolder, kDocumentName)) &&
                           IsFolder(InstalledDataFolder(exeFolder));
    const std::string data = installed ? InstalledDataFolder(exeFolder) : exeFolder;
    const bool writable = ::access(data.c_str(), W_OK) == 0;
    return ChooseProgramFiles(exeFolder, installed, writable, UserDataHome());
}

bool PrepareUserDocument(const ProgramFiles& files, std::string& error) {
    error.clear();
    if (!files.DocumentIsTheUsers() || FileExists(files.documentPath)) return true;
    const std::string shipped = files.ShippedDocument();
    if (!FileExists(shipped)) return true;
    std::vector<uint8_t> bytes;
    if (!ReadWholeFile(shipped, bytes, error)) return false;
    if (!MakeFolders(FolderOf(files.documentPath))) {
        error = "cannot make the folder " + FolderOf(files.documentPath);
        return false;
    }
    return WriteFileAtomic(files.documentPath, bytes, error);
}

std::string XdgFolder(const char* value, const std::string& home, const std::string& below) {
    // Relative values are to be ignored.
    if (value && *value == '/') return value;
    if (home.empty()) return "";
    return JoinPath(home, below);
}

std::string UserDataHome() {
    return XdgFolder(std::getenv("XDG_DATA_HOME"), HomeFolder(), ".local/share");
}

std::string UserCacheFolder() {
    const std::string base = XdgFolder(std::getenv("XDG_CACHE_HOME"), HomeFolder(), ".cache");
    return base.empty() ? "" : JoinPath(base, kProgramName);
}

bool MakeFolders(const std::string& path) {
    if (path.empty()) return false;
    if (IsFolder(path)) return true;
    const std::string parent = FolderOf(path);
    if (parent != path && !MakeFolders(parent)) return false;
    return ::mkdir(path.c_str(), 0700) == 0 || IsFolder(path);
}
