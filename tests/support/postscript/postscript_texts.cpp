// Reading a printout back: the driver begins each text with "x y moveto" and then shows it
// glyph by glyph ("/A glyphshow"); a page begins with a "%%Page:" comment.
#include "postscript_texts.h"

#include <sstream>
#include <utility>

namespace {

char GlyphCharacter(const std::string& name)
{
    static const std::pair<const char*, char> named[] = {
        {"space", ' '},
        {"hyphen", '-'},
        {"period", '.'},
        {"comma", ','},
        {"colon", ':'},
        {"slash", '/'},
        {"less", '<'},
        {"greater", '>'},
        {"parenleft", '('},
        {"parenright", ')'},
        {"zero", '0'},
        {"one", '1'},
        {"two", '2'},
        {"three", '3'},
        {"four", '4'},
        {"five", '5'},
        {"six", '6'},
        {"seven", '7'},
        {"eight", '8'},
        {"nine", '9'},
    };
    if (name.size() == 1)
        return name[0];
    for (const auto& [glyph, character] : named) {
        if (name == glyph)
            return character;
    }
    return '?';
}

}  // namespace

std::vector<std::vector<std::string>> PostScriptPageTexts(const std::string& ps)
{
    std::vector<std::vector<std::string>> pages;
    std::istringstream in(ps);
    std::string row;
    bool inText = false;
    const std::string show = " glyphshow";
    while (std::getline(in, row)) {
        if (row.rfind("%%Page:", 0) == 0) {
            pages.emplace_back();
            inText = false;
        } else if (row.size() > 7 && row.compare(row.size() - 7, 7, " moveto") == 0) {
            inText = false;
        } else if (!pages.empty() && row.size() > show.size() + 1 && row[0] == '/' &&
            row.compare(row.size() - show.size(), show.size(), show) == 0) {
            if (!inText)
                pages.back().emplace_back();
            inText = true;
            pages.back().back().push_back(GlyphCharacter(row.substr(1, row.size() - 1 - show.size())));
        }
    }
    return pages;
}

std::vector<std::string> PostScriptTexts(const std::string& ps)
{
    std::vector<std::string> texts;
    for (std::vector<std::string>& page : PostScriptPageTexts(ps))
        texts.insert(texts.end(), page.begin(), page.end());
    return texts;
}
