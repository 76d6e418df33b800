// The texts a printout drew, read back from the PostScript document the prefix's printer wrote.
#pragma once

#include <string>
#include <vector>

// The texts drawn on each page, in order.
std::vector<std::vector<std::string>> PostScriptPageTexts(const std::string& ps);

// Every text drawn in the document, in order, whatever its page.
std::vector<std::string> PostScriptTexts(const std::string& ps);
