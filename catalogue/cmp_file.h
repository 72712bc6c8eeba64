#pragma once
// CCmpFile: opens a data file wherever its bytes are. In order of preference
// a requested path is taken from the planet store (by file name, letter case
// ignored), as a plain file, or from its compressed twin, the path plus
// ".cmp". A packed source is unpacked into a temporary file (a store member
// into the program folder as the requested name plus ".tmp", a twin beside
// itself as the path plus ".tmp"; when that folder cannot take the file, as
// an installed program's folder cannot, into the user's cache folder,
// $XDG_CACHE_HOME/lumo, under the same file name), which is opened instead
// and deleted on close. Readers then see an ordinary open file. Called when
// the pointer model and the body models are opened.

#include <cstdint>
#include <string>

#include "catalogue/store_file.h"
#include "framework/file.h"

class CCmpFile : public CFile {
public:
    // store: the planet store, or null when there is none. programFolder:
    // where members of the store are unpacked.
    explicit CCmpFile(CStoreFile* store = nullptr, std::string programFolder = "");
    ~CCmpFile() override;

    // Opens path as described above; true when a file is open afterwards. A
    // packed source that does not unpack cleanly fails the open and leaves no
    // temporary file; so does a temporary file that cannot be reopened.
    bool Open(const std::string& path, unsigned flags, std::string* error = nullptr) override;
    // Closes the file and deletes it when it was an unpacked temporary file.
    void Close() override;
    bool IsTemporary() const { return m_bTemporary; }

private:
    bool OpenUnpacked(CFile& source, int64_t end, const std::string& tmpPath, unsigned flags,
                      std::string* error);

    CStoreFile* m_pStore;
    std::string m_strFolder;
    bool m_bTemporary = false;  // the open file is ours to delete on close
};

// Unpacks the packed stream that starts at in's position and ends by offset
// end at the latest, writing the bytes to out. False with a reason otherwise.
bool UnpackStream(CFile& in, int64_t end, CFile& out, std::string* error = nullptr);

// Looks name up in the store (letter case ignored) and unpacks the member to out.
bool StoreExtract(CStoreFile& store, const std::string& name, CFile& out,
                  std::string* error = nullptr);

// The path a body's model is requested under: programFolder + "/planets/" +
// name + ".ob3", the part below the program folder folded to lower case as
// every model name is, so that "Earth" and "EARTH" ask for the same file.
std::string ModelRequestPath(const std::string& programFolder, const std::string& bodyName);
