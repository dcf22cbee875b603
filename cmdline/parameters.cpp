#include "cmdline/parameters.h"

namespace cmdline {
namespace {

bool IsSeparator(char c) {
    return static_cast<unsigned char>(c) <= ' ';
}

// Reads one word at text[pos]: separators and pairs of double quotes before it are skipped; a
// quoted part may hold blanks and loses its quotes. Returns false at the end of the text.
bool NextWord(std::string_view text, size_t& pos, std::string& word) {
    for (;;) {
        while (pos < text.size() && IsSeparator(text[pos]))
            ++pos;
        if (pos + 1 < text.size() && text[pos] == '"' && text[pos + 1] == '"') {
            pos += 2;
        } else {
            break;
        }
    }
    if (pos >= text.size()) return false;
    word.clear();
    while (pos < text.size() && !IsSeparator(text[pos])) {
        if (text[pos] == '"') {
            ++pos;
            while (pos < text.size() && text[pos] != '"')
                word += text[pos++];
            if (pos < text.size()) ++pos;
        } else {
            word += text[pos++];
        }
    }
    if (word.size() > kMaxParameterLength) word.resize(kMaxParameterLength);
    return true;
}

}  // namespace

Parameters::Parameters(std::string_view commandLine) {
    size_t pos = 0;
    std::string word;
    if (!NextWord(commandLine, pos, word)) return;
    program_ = word;
    while (words_.size() < kMaxParameters && NextWord(commandLine, pos, word))
        words_.push_back(word);
}

std::string Parameters::Get(int index) const {
    if (index == 0) return program_;
    if (index < 1 || index > Count()) return {};
    return words_[index - 1];
}

}  // namespace cmdline
