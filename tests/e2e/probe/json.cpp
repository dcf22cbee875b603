#include "json.h"

#include <cstdio>

#include "text.h"

void Json::BeforeValue() {
    if (afterKey_) {
        afterKey_ = false;
        return;
    }
    if (!hasItems_.empty()) {
        if (hasItems_.back()) out_ += ',';
        hasItems_.back() = true;
    }
}

void Json::Quote(std::string_view utf8) {
    out_ += '"';
    for (unsigned char c : utf8) {
        switch (c) {
            case '"':
                out_ += "\\\"";
                break;
            case '\\':
                out_ += "\\\\";
                break;
            case '\n':
                out_ += "\\n";
                break;
            case '\r':
                out_ += "\\r";
                break;
            case '\t':
                out_ += "\\t";
                break;
            default:
                if (c < 0x20) {
                    char buf[8];
                    std::snprintf(buf, sizeof buf, "\\u%04x", c);
                    out_ += buf;
                } else {
                    out_ += static_cast<char>(c);
                }
        }
    }
    out_ += '"';
}

Json& Json::BeginObject() {
    BeforeValue();
    out_ += '{';
    hasItems_.push_back(false);
    return *this;
}

Json& Json::EndObject() {
    hasItems_.pop_back();
    out_ += '}';
    return *this;
}

Json& Json::BeginArray() {
    BeforeValue();
    out_ += '[';
    hasItems_.push_back(false);
    return *this;
}

Json& Json::EndArray() {
    hasItems_.pop_back();
    out_ += ']';
    return *this;
}

Json& Json::Key(std::string_view key) {
    BeforeValue();
    Quote(key);
    out_ += ':';
    afterKey_ = true;
    return *this;
}

Json& Json::Str(std::string_view utf8) {
    BeforeValue();
    Quote(utf8);
    return *this;
}

Json& Json::Str(std::wstring_view text) {
    return Str(Utf8(text));
}

Json& Json::Int(long long value) {
    BeforeValue();
    out_ += std::to_string(value);
    return *this;
}

Json& Json::Bool(bool value) {
    BeforeValue();
    out_ += value ? "true" : "false";
    return *this;
}

Json& Json::Null() {
    BeforeValue();
    out_ += "null";
    return *this;
}
