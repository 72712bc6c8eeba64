#include "catalogue/doc_file.h"

#include <vector>

#include "catalogue/lumo_doc.h"
#include "framework/file.h"

CDocFile::OpenResult CDocFile::Open(CLumoDoc& doc, const std::string& path) {
    m_path = path;
    m_error.clear();
    m_fileHasStars = false;
    if (!FileExists(path)) {
        m_error = "cannot open " + path + ": no such file";
        return m_result = OpenResult::Missing;
    }
    std::vector<uint8_t> bytes;
    if (!ReadWholeFile(path, bytes, m_error)) return m_result = OpenResult::Failed;
    std::string why;
    if (!doc.LoadFrom(bytes, why)) {
        m_error = "cannot read " + path + ": " + why;
        return m_result = OpenResult::Failed;
    }
    m_fileHasStars = !doc.m_stars.empty();
    return m_result = OpenResult::Loaded;
}

bool CDocFile::SaveAtExit(CLumoDoc& doc) {
    if (m_path.empty()) {
        m_error = "no catalogue file to save to";
        return false;
    }
    if (m_result == OpenResult::Failed) {
        m_error = m_path + " could not be read at start-up; it is left as it is";
        return false;
    }
    if (m_fileHasStars && doc.m_stars.empty()) {
        m_error = m_path + " holds stars and the document holds none; it is left as it is";
        return false;
    }
    return SaveAs(doc, m_path);
}

bool CDocFile::SaveAs(CLumoDoc& doc, const std::string& path) {
    m_error.clear();
    if (!WriteFileAtomic(path, doc.StoreToBytes(), m_error)) return false;
    if (path == m_path) {
        m_fileHasStars = !doc.m_stars.empty();
        m_result = OpenResult::Loaded;
    }
    return true;
}
