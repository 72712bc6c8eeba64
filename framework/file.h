#pragma once
// The file class: open, read, write, seek, position, full path, close.
// The program's own file classes (the planet store, compressed files) derive
// from it. Whole-file helpers read a file into memory and write one atomically.

#include <cstdint>
#include <string>
#include <vector>

class CFile {
public:
    enum OpenFlags : unsigned {
        modeRead = 0x0000,
        modeWrite = 0x0001,
        modeReadWrite = 0x0002,
        shareDenyWrite = 0x0020,  // others may not open it for writing meanwhile
        modeCreate = 0x1000,      // create, or truncate an existing file
    };
    enum SeekPosition { begin = 0, current = 1, end = 2 };

    CFile() = default;
    CFile(const CFile&) = delete;
    CFile& operator=(const CFile&) = delete;
    virtual ~CFile();

    // Opens path with the flags; on failure returns false and, when error is
    // given, fills it with a message a user can read.
    virtual bool Open(const std::string& path, unsigned flags, std::string* error = nullptr);
    virtual void Close();
    bool IsOpen() const { return m_fd >= 0; }

    // Reads up to n bytes; returns the number read (0 at end of file or on error).
    size_t Read(void* buffer, size_t n);
    // Writes all n bytes; false on any failure.
    bool Write(const void* buffer, size_t n);
    // Moves the position; returns the new position, or -1 on failure.
    int64_t Seek(int64_t offset, SeekPosition from);
    int64_t GetPosition() const;
    int64_t GetLength() const;
    // Flushes written data to the disk.
    bool Flush();
    // The full path given at open, made absolute.
    const std::string& GetFilePath() const { return m_path; }

private:
    int m_fd = -1;
    std::string m_path;
};

// Reads a whole file. On failure returns false with a message in error.
bool ReadWholeFile(const std::string& path, std::vector<uint8_t>& out, std::string& error);
// Writes a whole file atomically: a temporary file in the same folder is
// written and flushed, then renamed over path. On failure path is untouched.
bool WriteFileAtomic(const std::string& path, const std::vector<uint8_t>& bytes,
                     std::string& error);
// For crash-safety tests: the same save, with the process taken to die after
// crashAfter bytes of the temporary file (then the temporary file is left as
// it is and path is not touched; returns false). SIZE_MAX saves normally.
bool WriteFileAtomicInterrupted(const std::string& path, const std::vector<uint8_t>& bytes,
                                std::string& error, size_t crashAfter);
bool FileExists(const std::string& path);
// The folder part of a path, without a trailing slash ("." when there is none).
std::string FolderOf(const std::string& path);
// Joins a folder and a file name with one slash.
std::string JoinPath(const std::string& folder, const std::string& name);
// The folder of the running executable, without a trailing slash.
std::string ExecutableFolder();
