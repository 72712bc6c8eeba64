#include "catalogue/cmp_file.h"

#include <cstdio>
#include <utility>
#include <vector>

#include "catalogue/huffman_codec.h"
#include "framework/program_files.h"
#include "framework/text.h"

namespace {
bool Fail(std::string* error, const std::string& why) {
    if (error) *error = why;
    return false;
}
}  // namespace

CCmpFile::CCmpFile(CStoreFile* store, std::string programFolder)
    : m_pStore(store), m_strFolder(std::move(programFolder)) {}

CCmpFile::~CCmpFile() { CCmpFile::Close(); }

bool CCmpFile::Open(const std::string& path, unsigned flags, std::string* error) {
    Close();
    m_bTemporary = false;
    if (m_pStore) {
        size_t slash = path.find_last_of('/');
        std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
        if (m_pStore->Lookup(name)) {
            // Found in the store: it is not looked for anywhere else.
            return OpenUnpacked(*m_pStore, m_pStore->DirectoryOffset(),
                                JoinPath(m_strFolder, name + ".tmp"), flags, error);
        }
    }
    std::string plainError;
    if (CFile::Open(path, flags, &plainError)) return true;
    CFile twin;
    if (!twin.Open(path + ".cmp", modeRead | shareDenyWrite)) return Fail(error, plainError);
    return OpenUnpacked(twin, twin.GetLength(), path + ".tmp", flags, error);
}

bool CCmpFile::OpenUnpacked(CFile& source, int64_t end, const std::string& tmpPath,
                            unsigned flags, std::string* error) {
    CFile out;
    std::string tmp = tmpPath;
    if (!out.Open(tmp, modeCreate | modeWrite, error)) {
        // The folder cannot take it (an installed program's folder): the
        // user's cache folder does.
        const std::string cache = UserCacheFolder();
        if (cache.empty() || !MakeFolders(cache)) return false;
        size_t slash = tmpPath.find_last_of('/');
        tmp = JoinPath(cache, slash == std::string::npos ? tmpPath : tmpPath.substr(slash + 1));
        if (!out.Open(tmp, modeCreate | modeWrite, error)) return false;
    }
    std::string why;
    bool unpacked = UnpackStream(source, end, out, &why);
    out.Close();
    if (!unpacked) {
        std::remove(tmp.c_str());
        return Fail(error, "cannot unpack " + tmp + ": " + why);
    }
    if (!CFile::Open(tmp, flags, error)) {
        std::remove(tmp.c_str());
        return false;
    }
    m_bTemporary = true;
    return true;
}

void CCmpFile::Close() {
    if (IsOpen()) {
        std::string path = GetFilePath();
        CFile::Close();
        if (m_bTemporary) std::remove(path.c_str());
    }
    m_bTemporary = false;
}

bool UnpackStream(CFile& in, int64_t end, CFile& out, std::string* error) {
    int64_t start = in.GetPosition();
    if (start < 0 || end < start) return Fail(error, "the packed data lies outside the file");
    std::vector<uint8_t> packed(static_cast<size_t>(end - start));
    if (in.Read(packed.data(), packed.size()) != packed.size())
        return Fail(error, "cannot read the packed data");
    CHuffmanCodec codec;
    return codec.Decode(
        packed, [&out](const uint8_t* data, size_t n) { return out.Write(data, n); }, error);
}

bool StoreExtract(CStoreFile& store, const std::string& name, CFile& out, std::string* error) {
    if (!store.Lookup(name)) return Fail(error, "'" + name + "' is not in the store");
    return UnpackStream(store, store.DirectoryOffset(), out, error);
}

std::string ModelRequestPath(const std::string& programFolder, const std::string& bodyName) {
    return JoinPath(programFolder, FoldCase("Planets/" + bodyName + ".ob3"));
}
