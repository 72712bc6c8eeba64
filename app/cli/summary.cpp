#include "app/cli/summary.h"

#include <ostream>
#include <string>

#include "catalogue/doc_file.h"
#include "catalogue/doc_summary.h"
#include "catalogue/lumo_doc.h"
#include "framework/file.h"
#include "framework/program_files.h"

int RunSummary(std::ostream& out, std::ostream& err) {
    const ProgramFiles files = LocateProgramFiles(ExecutableFolder());
    std::string error;
    if (!PrepareUserDocument(files, error)) err << "lumo: " << error << "\n";
    const std::string& path = files.documentPath;
    CLumoDoc doc;
    CDocFile file;
    if (file.Open(doc, path) != CDocFile::OpenResult::Loaded)
        err << "lumo: " << file.Error() << "; starting with an empty catalogue\n";
    out << "catalogue\t" << path << "\n";
    PrintCatalogueSummary(doc, out);
    if (!file.SaveAtExit(doc)) err << "lumo: " << file.Error() << "\n";
    return 0;
}

CommandHelp SummaryHelp() {
    return {"summary",
            "Prints what the catalogue holds: its file, the counts of stars, figure and boundary "
            "lines, labels, cities and bodies, the layers, the place, the view and the limits. An installed program's user gets a copy of "
            "the catalogue first, as the window does; the catalogue is saved back at the end.",
            {{"--help", "Prints this text and exits."}}};
}
