#pragma once
// JSON text written as it is made, with no tree in between: building and
// dumping a tree cost a batch of many designs several times the designs
// themselves. The bytes are those of nlohmann's dump(2, ' ', false,
// error_handler_t::replace) of the same values: two blanks a level, "{}"
// and "[]" when empty, texts in UTF-8 with each invalid sequence replaced
// by U+FFFD and the control characters escaped as nlohmann escapes them,
// numbers in nlohmann's shortest text (null for a non-finite one).

#include <nlohmann/json.hpp>

#include <cstddef>
#include <iosfwd>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// A key as the program spells it, in plain ASCII that needs no escaping:
// checked when compiled, copied as it is when run.
class JsonKey {
public:
    consteval JsonKey(const char* name)
        : name_(name)
    {
        for (; name[size_] != '\0'; ++size_)
            if (name[size_] < 0x20 || name[size_] == '"' || name[size_] == '\\')
                throw "a key that needs escaping"; // stops the build
    }
    std::string_view text() const { return { name_, size_ }; }

private:
    const char* name_;
    size_t size_ = 0;
};

class JsonWriter {
public:
    void beginObject();
    void endObject();
    void beginArray();
    void endArray();

    // The key of the next value, inside an object; keyText escapes it as
    // texts are.
    JsonWriter& key(JsonKey name);
    JsonWriter& keyText(std::string_view name);

    void value(std::string_view text);
    void value(const char* text) { value(std::string_view(text)); }
    void value(double number);
    void value(const std::optional<double>& number); // null when empty
    void value(int number);
    void value(bool flag);
    void value(std::nullptr_t);
    // A tree made elsewhere, written at this place.
    void tree(const nlohmann::ordered_json& tree);

    template <typename T> void member(JsonKey name, const T& v)
    {
        key(name);
        value(v);
    }

    // The text written so far, moved to `out` and cleared.
    void flushTo(std::ostream& out);
    std::string_view text() const { return { buffer_.get(), size_ }; }

private:
    // Room for `n` more bytes at the end of the text; the caller sets size_.
    char* room(size_t n);
    void append(std::string_view bytes);
    // Before every value: after a key nothing, else the line of a new element.
    void startValue()
    {
        if (afterKey_)
            afterKey_ = false;
        else if (!filled_.empty())
            newElement();
    }
    void newElement();
    void begin(char bracket);
    void end(char bracket);
    void string(std::string_view text);

    // Written into directly: a std::string would check its room at every byte.
    std::unique_ptr<char[]> buffer_;
    size_t size_ = 0;
    size_t capacity_ = 0;
    std::vector<char> filled_; // per open object or array: it has an element
    bool afterKey_ = false;
};
