#include "app/cli/summary.h"

#include <ostream>
#include <string>

#include "catalogue/doc_file.h"
#include "catalogue/doc_summary.h"
#include "catalogue/lumo_doc.h"
#include "framework/file.h"

int RunSummary(std::ostream& out, std::ostream& err) {
    std::string path = JoinPath(ExecutableFolder(), "stars.db");
    CLumoDoc doc;
    CDocFile file;
    if (file.Open(doc, path) != CDocFile::OpenResult::Loaded)
        err << "lumo: " << file.Error() << "; starting with an empty catalogue\n";
    out << "catalogue\t" << path << "\n";
    PrintCatalogueSummary(doc, out);
    if (!file.SaveAtExit(doc)) err << "lumo: " << file.Error() << "\n";
    return 0;
}
