#pragma once
#include <string>
#include <string_view>
#include <vector>

// Writes one JSON document. The probe prints exactly one per run, so the harness can parse stdout
// whole; keeping the writer tiny avoids pulling a library into a test tool.
class Json {
  public:
    Json& BeginObject();
    Json& EndObject();
    Json& BeginArray();
    Json& EndArray();
    Json& Key(std::string_view key);
    Json& Str(std::string_view utf8);
    Json& Str(std::wstring_view text);
    Json& Int(long long value);
    Json& Bool(bool value);
    Json& Null();

    // One object member each; distinct names because a string literal would pick a bool overload.
    Json& KeyInt(std::string_view key, long long value) { return Key(key).Int(value); }
    Json& KeyStr(std::string_view key, std::string_view utf8) { return Key(key).Str(utf8); }
    Json& KeyStr(std::string_view key, std::wstring_view text) { return Key(key).Str(text); }
    Json& KeyBool(std::string_view key, bool value) { return Key(key).Bool(value); }

    const std::string& Text() const { return out_; }

  private:
    void BeforeValue();
    void Quote(std::string_view utf8);

    std::string out_;
    std::vector<bool> hasItems_;
    bool afterKey_ = false;
};
