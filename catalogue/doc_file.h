#pragma once
// The document's file, stars.db: opened once at start-up, saved at exit.
// It remembers how the open went, so that the save at exit never replaces a
// file that could not be read (the user's catalogue and settings are kept)
// and never replaces a catalogue that holds stars with a document that holds
// none. Saving writes a temporary file and renames it over stars.db.

#include <string>

class CLumoDoc;

class CDocFile {
public:
    enum class OpenResult { Loaded, Missing, Failed };

    // Loads path into doc. On Failed the document is unchanged and Error()
    // says what was wrong, in words a user can read.
    OpenResult Open(CLumoDoc& doc, const std::string& path);
    // Saves doc to the path given at Open, unless that would lose data.
    // Returns false with Error() set when it saved nothing.
    bool SaveAtExit(CLumoDoc& doc);
    // Saves doc to path at once (atomically), whatever was opened.
    bool SaveAs(CLumoDoc& doc, const std::string& path);

    const std::string& Path() const { return m_path; }
    const std::string& Error() const { return m_error; }
    OpenResult LastOpen() const { return m_result; }

private:
    std::string m_path;
    std::string m_error;
    OpenResult m_result = OpenResult::Missing;
    bool m_fileHasStars = false;
};
