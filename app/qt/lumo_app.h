#pragma once
// The program as a whole: start-up in order (splash, engine tables, program
// folder, profile, planet store, pointer model, document, frame, fonts), the
// document commands, and the save at exit. The data files come from the
// program's data folder and the document from the user's document path
// (framework/program_files.h).

#include <QSettings>
#include <memory>
#include <string>

#include "catalogue/deep_sky.h"
#include "catalogue/doc_file.h"
#include "catalogue/lumo_doc.h"
#include "catalogue/store_file.h"
#include "sky/body_models.h"
#include "framework/program_files.h"
#include "sky/sky_tools.h"

class CMainFrame;
class CLumoView;
class QWidget;
struct EngineObject;

class CLumoApp {
public:
    // files: where planets.sto, esfptr.ob3 and the help file are looked for,
    // and the document read at start-up and saved at exit.
    explicit CLumoApp(ProgramFiles files);
    // The profile section that keeps the view's settings.
    static constexpr const char* kViewSection = "VIEW";
    // A program whose files all lie in one folder, stars.db among them.
    explicit CLumoApp(const std::string& programFolder);
    ~CLumoApp();

    // Runs the start-up and shows the main window. With showSplash false the
    // splash is left out (tests).
    void Start(bool showSplash = true);

    const std::string& ProgramFolder() const { return m_folder; }
    const ProgramFiles& Files() const { return m_files; }
    CLumoDoc& Doc() { return *m_doc; }
    CStoreFile* Store() { return m_store.get(); }
    EngineObject* PointerModel() const { return m_pointerModel.get(); }
    // The body models of VR mode, from the store or the Planets folder.
    CBodyModels* Models() { return m_models.get(); }
    CMainFrame* Frame() { return m_frame.get(); }
    SkyTools& Tools() { return m_tools; }
    CDocFile& DocFile() { return m_docFile; }
    // The deep-sky objects and the Milky Way; null when deepsky.dat is
    // missing or damaged (the map then shows neither, without a message).
    const CDeepSky* DeepSky() const { return m_deepSky.Empty() ? nullptr : &m_deepSky; }

    // The "Deep sky" and "Milky Way" switches, kept in the profile (section
    // "VIEW"): read into the document, or written from it.
    void LoadViewSwitches(CLumoDoc& doc);
    void SaveViewSwitches(const CLumoDoc& doc);

    // The profile: integers by section and entry ("TIME" / "GMT").
    int GetProfileInt(const char* section, const char* entry, int defaultValue);
    void WriteProfileInt(const char* section, const char* entry, int value);
    std::string GetProfileString(const char* section, const char* entry, const std::string& defaultValue);
    void WriteProfileString(const char* section, const char* entry, const std::string& value);

    // Ctrl+N, Ctrl+O, Ctrl+S.
    void NewDocument();
    void OpenDocumentFromDialog(QWidget* parent);
    bool SaveDocumentNow();
    // Opens a document file in place of the current one; false (the current
    // document kept) when it cannot be read.
    bool OpenDocument(const std::string& path);

    // The frame is closing: the document is saved to stars.db unless that
    // would lose the catalogue (see CDocFile).
    void OnFrameClosing();

private:
    void ReplaceDocument(std::unique_ptr<CLumoDoc> doc);

    ProgramFiles m_files;
    std::string m_folder;  // the data folder
    std::unique_ptr<CLumoDoc> m_doc;
    CDocFile m_docFile;
    std::unique_ptr<CStoreFile> m_store;
    std::unique_ptr<EngineObject, void (*)(EngineObject*)> m_pointerModel;
    std::unique_ptr<CBodyModels> m_models;
    CDeepSky m_deepSky;
    SkyTools m_tools;
    QSettings m_profile;
    std::unique_ptr<CMainFrame> m_frame;
    bool m_saved = false;
    bool m_keepDocument = false;  // the user's copy could not be made: never save
};

constexpr const char* kProfileOrganisation = "Tarvel Software";
constexpr const char* kProfileApplication = "Tarvel Lumo";
