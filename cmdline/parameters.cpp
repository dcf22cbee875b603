#include "cmdline/parameters.h"

namespace cmdline {
namespace {

bool IsSeparator(char c) {
    return static_cast<unsigned char>(c) <= ' ';
}

// Bytes of the well-formed UTF-8 sequence at text[pos], or 1 for a stray byte.
size_t SequenceLength(std::string_view text, size_t pos) {
    const auto lead = static_cast<unsigned char>(text[pos]);
    size_t length = lead >= 0xC2 && lead <= 0xDF   ? 2
                    : lead >= 0xE0 && lead <= 0xEF ? 3
                    : lead >= 0xF0 && lead <= 0xF4 ? 4
                                                   : 1;
    if (pos + length > text.size()) return 1;
    for (size_t k = 1; k < length; ++k) {
        if ((static_cast<unsigned char>(text[pos + k]) & 0xC0) != 0x80) return 1;
    }
    return length;
}

// Reads one word at text[pos]. Returns false at the end of the text.
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
    return true;
}

}  // namespace

std::string FirstCharacters(std::string_view text, size_t maxChars) {
    size_t pos = 0;
    for (size_t chars = 0; chars < maxChars && pos < text.size(); ++chars)
        pos += SequenceLength(text, pos);
    return std::string(text.substr(0, pos));
}

Parameters::Parameters(std::string_view commandLine) {
    size_t pos = 0;
    std::string word;
    if (!NextWord(commandLine, pos, word)) return;
    program_ = word;
    while (words_.size() < kMaxParameters && NextWord(commandLine, pos, word))
        words_.push_back(word.size() > kMaxParameterLength ? FirstCharacters(word, kMaxParameterLength)
                                                           : word);
}

std::string Parameters::Get(int index) const {
    if (index == 0) return program_;
    if (index < 1 || index > Count()) return {};
    return words_[index - 1];
}

}  // namespace cmdline
