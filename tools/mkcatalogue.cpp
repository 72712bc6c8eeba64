// lumo-mkcatalogue DATA_DIR OUT: makes stars.db from the text sources.

#include <cstdio>

#include "catalogue/doc_file.h"
#include "catalogue/lumo_doc.h"
#include "tools/catalogue_builder.h"

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: lumo-mkcatalogue DATA_DIR OUT\n");
        return 2;
    }
    CLumoDoc doc;
    std::string error;
    if (!BuildCatalogue(argv[1], doc, error)) {
        std::fprintf(stderr, "lumo-mkcatalogue: %s\n", error.c_str());
        return 1;
    }
    CDocFile file;
    if (!file.SaveAs(doc, argv[2])) {
        std::fprintf(stderr, "lumo-mkcatalogue: %s\n", file.Error().c_str());
        return 1;
    }
    std::printf("%s: %zu stars, %zu figure lines, %zu boundary lines, %zu labels, %zu cities\n",
                argv[2], doc.m_stars.size(), doc.m_figures.size(), doc.m_bounds.size(),
                doc.m_labels.size(), doc.m_cities.size());
    return 0;
}
