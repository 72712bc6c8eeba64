#include "app/qt/lumo_app.h"

#include <QFileDialog>
#include <cstdio>

#include "app/qt/commands.h"
#include "app/qt/lumo_view.h"
#include "app/qt/main_frame.h"
#include "app/qt/splash.h"
#include "app/qt/window_placement.h"
#include "catalogue/cmp_file.h"
#include "engine/object.h"
#include "engine/trig_tables.h"
#include "framework/file.h"
#include "framework/message_sink.h"

namespace {
void FreeModel(EngineObject* model) {
    if (!model) return;
    ObjectFree(*model);
    delete model;
}
}  // namespace

CLumoApp::CLumoApp(const std::string& programFolder)
    : CLumoApp(ProgramFiles{programFolder, JoinPath(programFolder, "stars.db")}) {}

CLumoApp::CLumoApp(ProgramFiles files)
    : m_files(std::move(files)),
      m_folder(m_files.dataFolder),
      m_doc(std::make_unique<CLumoDoc>()),
      m_pointerModel(nullptr, FreeModel),
      m_profile(kProfileOrganisation, kProfileApplication) {}

CLumoApp::~CLumoApp() {
    if (m_frame && !m_saved) OnFrameClosing();
    m_frame.reset();
}

void CLumoApp::Start(bool showSplash) {
    if (showSplash) CSplashWindow::ShowSplash();
    EngineTablesInit();

    // The planet store; a missing or damaged store leaves an empty directory.
    m_store = std::make_unique<CStoreFile>();
    m_store->OpenStore(JoinPath(m_folder, "planets.sto"));

    // The trackball's pointer model, from the store or the folder.
    CCmpFile pointer(m_store.get(), m_folder);
    if (pointer.Open(JoinPath(m_folder, "esfptr.ob3"), CFile::modeRead)) {
        auto model = std::unique_ptr<EngineObject, void (*)(EngineObject*)>(new EngineObject{}, FreeModel);
        if (ObjectRead(*model, pointer)) m_pointerModel = std::move(model);
        pointer.Close();
    }
    m_models = std::make_unique<CBodyModels>(m_store.get(), m_folder);
    std::string deepSkyError;
    if (!m_deepSky.LoadFile(JoinPath(m_folder, kDeepSkyFileName), deepSkyError)) m_deepSky = CDeepSky();

    // An installed program's user gets a copy of the catalogue on the first
    // run. Without it the installed catalogue is read, and never written.
    std::string copyError;
    std::string document = m_files.documentPath;
    if (!PrepareUserDocument(m_files, copyError)) {
        const std::string why = "Your copy of the catalogue could not be made; ";
        ShowMessage(why + "your settings will not be saved.\n" + copyError, kAppTitle);
        document = m_files.ShippedDocument();
        m_keepDocument = true;
    }
    if (m_docFile.Open(*m_doc, document) != CDocFile::OpenResult::Loaded)
        ShowMessage("Failed to open document.\n" + m_docFile.Error(), kAppTitle);

    LoadViewSwitches(*m_doc);
    m_tools.Create();
    auto* view = new CLumoView(*this);
    m_frame = std::make_unique<CMainFrame>(*this, view);
    ShowWindowAsSaved(*this, *m_frame);
}

int CLumoApp::GetProfileInt(const char* section, const char* entry, int defaultValue) {
    return m_profile.value(QString(section) + "/" + entry, defaultValue).toInt();
}

void CLumoApp::WriteProfileInt(const char* section, const char* entry, int value) {
    m_profile.setValue(QString(section) + "/" + entry, value);
    m_profile.sync();
}

std::string CLumoApp::GetProfileString(const char* section, const char* entry,
                                       const std::string& defaultValue) {
    return m_profile.value(QString(section) + "/" + entry, QString::fromStdString(defaultValue))
        .toString()
        .toStdString();
}

void CLumoApp::WriteProfileString(const char* section, const char* entry, const std::string& value) {
    m_profile.setValue(QString(section) + "/" + entry, QString::fromStdString(value));
    m_profile.sync();
}

namespace {
constexpr const char* kDeepSkyEntry = "DeepSky";
constexpr const char* kMilkyWayEntry = "MilkyWay";
}  // namespace

void CLumoApp::LoadViewSwitches(CLumoDoc& doc) {
    doc.m_bDeepSky = GetProfileInt(CLumoApp::kViewSection, kDeepSkyEntry, 1) != 0;
    doc.m_bMilkyWay = GetProfileInt(CLumoApp::kViewSection, kMilkyWayEntry, 1) != 0;
}

void CLumoApp::SaveViewSwitches(const CLumoDoc& doc) {
    WriteProfileInt(CLumoApp::kViewSection, kDeepSkyEntry, doc.m_bDeepSky ? 1 : 0);
    WriteProfileInt(CLumoApp::kViewSection, kMilkyWayEntry, doc.m_bMilkyWay ? 1 : 0);
}

void CLumoApp::ReplaceDocument(std::unique_ptr<CLumoDoc> doc) {
    m_doc = std::move(doc);
    LoadViewSwitches(*m_doc);
    if (m_frame) m_frame->View()->SetDocument(m_doc.get());
}

void CLumoApp::NewDocument() { ReplaceDocument(std::make_unique<CLumoDoc>()); }

bool CLumoApp::OpenDocument(const std::string& path) {
    std::vector<uint8_t> bytes;
    std::string error;
    auto doc = std::make_unique<CLumoDoc>();
    if (!ReadWholeFile(path, bytes, error) || !doc->LoadFrom(bytes, error)) {
        ShowMessage("Failed to open document.\n" + path + ": " + error, kAppTitle);
        return false;
    }
    ReplaceDocument(std::move(doc));
    return true;
}

void CLumoApp::OpenDocumentFromDialog(QWidget* parent) {
    QString path = QFileDialog::getOpenFileName(parent, "Open", QString::fromStdString(m_folder),
                                                "Lumo Document (*.db);;All files (*)");
    if (!path.isEmpty()) OpenDocument(path.toStdString());
}

bool CLumoApp::SaveDocumentNow() {
    if (m_keepDocument) {
        ShowMessage(m_docFile.Path() + " is the installed catalogue; it is left as it is", kAppTitle);
        return false;
    }
    if (m_docFile.SaveAtExit(*m_doc)) return true;
    ShowMessage(m_docFile.Error(), kAppTitle);
    return false;
}

void CLumoApp::OnFrameClosing() {
    if (m_saved) return;
    m_saved = true;
    if (m_keepDocument) return;
    if (!m_docFile.SaveAtExit(*m_doc))
        std::fprintf(stderr, "lumo: %s\n", m_docFile.Error().c_str());
}
