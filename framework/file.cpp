#include "framework/file.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <climits>
#include <cstdlib>
#include <cstring>

namespace {
std::string ErrnoText(const std::string& what, const std::string& path) {
    return what + " " + path + ": " + std::strerror(errno);
}

std::string AbsolutePath(const std::string& path) {
    if (!path.empty() && path[0] == '/') return path;
    char cwd[PATH_MAX];
    if (!getcwd(cwd, sizeof cwd)) return path;
    return JoinPath(cwd, path);
}
}  // namespace

CFile::~CFile() { CFile::Close(); }

bool CFile::Open(const std::string& path, unsigned flags, std::string* error) {
    Close();
    int oflags = O_CLOEXEC;
    if (flags & modeReadWrite)
        oflags |= O_RDWR;
    else if (flags & modeWrite)
        oflags |= O_WRONLY;
    else
        oflags |= O_RDONLY;
    if (flags & modeCreate) oflags |= O_CREAT | O_TRUNC;
    int fd = ::open(path.c_str(), oflags, 0644);
    if (fd < 0) {
        if (error) *error = ErrnoText("cannot open", path);
        return false;
    }
    struct stat st;
    if (fstat(fd, &st) == 0 && S_ISDIR(st.st_mode)) {
        ::close(fd);
        if (error) *error = "cannot open " + path + ": it is a folder";
        return false;
    }
    // Linux has no mandatory share modes: advisory locks keep our own
    // processes from writing a file another one is reading.
    bool writing = flags & (modeWrite | modeReadWrite);
    int lock = writing ? LOCK_EX : ((flags & shareDenyWrite) ? LOCK_SH : 0);
    if (lock && flock(fd, lock | LOCK_NB) != 0) {
        ::close(fd);
        if (error) *error = "cannot open " + path + ": it is in use";
        return false;
    }
    m_fd = fd;
    m_path = AbsolutePath(path);
    return true;
}

void CFile::Close() {
    if (m_fd >= 0) ::close(m_fd);
    m_fd = -1;
}

size_t CFile::Read(void* buffer, size_t n) {
    if (m_fd < 0) return 0;
    size_t done = 0;
    auto* p = static_cast<char*>(buffer);
    while (done < n) {
        ssize_t r = ::read(m_fd, p + done, n - done);
        if (r < 0 && errno == EINTR) continue;
        if (r <= 0) break;
        done += static_cast<size_t>(r);
    }
    return done;
}

bool CFile::Write(const void* buffer, size_t n) {
    if (m_fd < 0) return false;
    size_t done = 0;
    const auto* p = static_cast<const char*>(buffer);
    while (done < n) {
        ssize_t w = ::write(m_fd, p + done, n - done);
        if (w < 0 && errno == EINTR) continue;
        if (w <= 0) return false;
        done += static_cast<size_t>(w);
    }
    return true;
}

int64_t CFile::Seek(int64_t offset, SeekPosition from) {
    if (m_fd < 0) return -1;
    int whence = from == begin ? SEEK_SET : from == current ? SEEK_CUR : SEEK_END;
    return ::lseek(m_fd, offset, whence);
}

int64_t CFile::GetPosition() const { return m_fd < 0 ? -1 : ::lseek(m_fd, 0, SEEK_CUR); }

int64_t CFile::GetLength() const {
    struct stat st;
    if (m_fd < 0 || fstat(m_fd, &st) != 0) return -1;
    return st.st_size;
}

bool CFile::Flush() { return m_fd >= 0 && ::fsync(m_fd) == 0; }

bool ReadWholeFile(const std::string& path, std::vector<uint8_t>& out, std::string& error) {
    CFile f;
    if (!f.Open(path, CFile::modeRead | CFile::shareDenyWrite, &error)) return false;
    int64_t len = f.GetLength();
    if (len < 0) {
        error = ErrnoText("cannot read", path);
        return false;
    }
    out.resize(static_cast<size_t>(len));
    if (f.Read(out.data(), out.size()) != out.size()) {
        error = "cannot read " + path + ": short read";
        return false;
    }
    return true;
}

bool WriteFileAtomic(const std::string& path, const std::vector<uint8_t>& bytes,
                     std::string& error) {
    return WriteFileAtomicInterrupted(path, bytes, error, SIZE_MAX);
}

bool WriteFileAtomicInterrupted(const std::string& path, const std::vector<uint8_t>& bytes,
                                std::string& error, size_t crashAfter) {
    std::string tmpl = path + ".XXXXXX";
    int fd = mkstemp(tmpl.data());
    if (fd < 0) {
        error = ErrnoText("cannot create a temporary file beside", path);
        return false;
    }
    fchmod(fd, 0644);
    const size_t total = std::min(bytes.size(), crashAfter);
    size_t done = 0;
    bool ok = true;
    while (done < total) {
        ssize_t w = ::write(fd, bytes.data() + done, total - done);
        if (w < 0 && errno == EINTR) continue;
        if (w <= 0) {
            ok = false;
            break;
        }
        done += static_cast<size_t>(w);
    }
    if (crashAfter < bytes.size()) {
        // The process "dies" here: the temporary file stays as far as it got.
        ::close(fd);
        error = "interrupted after " + std::to_string(total) + " bytes";
        return false;
    }
    if (ok && ::fsync(fd) != 0) ok = false;
    // Only a temporary file holding every byte may take the file's place.
    struct stat st;
    if (ok && (fstat(fd, &st) != 0 || static_cast<uint64_t>(st.st_size) != bytes.size())) ok = false;
    if (!ok) error = ErrnoText("cannot write", tmpl);
    ::close(fd);
    if (ok && ::rename(tmpl.c_str(), path.c_str()) != 0) {
        error = ErrnoText("cannot replace", path);
        ok = false;
    }
    if (!ok) {
        ::unlink(tmpl.c_str());
        return false;
    }
    int dfd = ::open(FolderOf(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dfd >= 0) {
        ::fsync(dfd);
        ::close(dfd);
    }
    return true;
}

bool FileExists(const std::string& path) {
    struct stat st;
    return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

std::string FolderOf(const std::string& path) {
    size_t slash = path.find_last_of('/');
    if (slash == std::string::npos) return ".";
    if (slash == 0) return "/";
    return path.substr(0, slash);
}

std::string JoinPath(const std::string& folder, const std::string& name) {
    if (folder.empty()) return name;
    if (folder.back() == '/') return folder + name;
    return folder + "/" + name;
}

std::string ExecutableFolder() {
    char buf[PATH_MAX];
    ssize_t n = ::readlink("/proc/self/exe", buf, sizeof buf - 1);
    if (n <= 0) return ".";
    return FolderOf(std::string(buf, static_cast<size_t>(n)));
}
