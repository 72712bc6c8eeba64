#pragma once
// `lumo` without a window: what the loaded catalogue holds and the view settings.

#include <iosfwd>

class CLumoDoc;

void PrintCatalogueSummary(const CLumoDoc& doc, std::ostream& out);
