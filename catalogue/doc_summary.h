#pragma once
// What a document holds (counts of records) and its view settings, as text.

#include <iosfwd>

class CLumoDoc;

void PrintCatalogueSummary(const CLumoDoc& doc, std::ostream& out);
