// The JSON writer against nlohmann's dump of the same values, where the CLI
// cases hold nothing like them: control characters, invalid or cut UTF-8,
// odd numbers, empty and nested objects and arrays.
#include "cli/jsonwriter.h"

#include <gtest/gtest.h>

#include <random>

namespace {

using Json = nlohmann::ordered_json;

std::string dumped(const Json& j)
{
    return j.dump(2, ' ', false, Json::error_handler_t::replace);
}

std::string hex(const std::string& bytes)
{
    std::string shown;
    for (unsigned char c : bytes)
        shown += "0123456789abcdef"[c >> 4] + std::string(1, "0123456789abcdef"[c & 0xF]) + ' ';
    return shown;
}

TEST(JsonWriter, WritesEveryTextAsNlohmannDumpsIt)
{
    std::vector<std::string> texts { "", "plain ascii, longer than eight", "\"quoted\" and \\ back",
        std::string("nul\0after", 9), "\x01\x1f\x7f", "\b\t\n\f\r", "Жесткость пружины R = 4,5 Н/мм", "\xD0",
        "x\xD0", "\xD0 x", "\xC0\xAF", "\xC1\xBF", "\xE0\x80\x80", "\xED\xA0\x80", "\xF4\x90\x80\x80",
        "\xF0\x9F\x98\x80 and more", "\xE2\x82", "\xE2\x82\xAC", "\x80\xBF", "\xFF\xFE", "1234567\xD0\x96",
        "123456\xD0\x96\x01", "abcdefg\xD0" };
    // Random texts of the bytes where escaping and UTF-8 are decided, at
    // every place within and across eight-byte words.
    const unsigned char alphabet[] = { 'a', ' ', '"', '\\', 0x00, 0x1F, 0x7F, 0x80, 0x8F, 0x90, 0x9F, 0xA0,
        0xBF, 0xC0, 0xC2, 0xD0, 0xDF, 0xE0, 0xE2, 0xED, 0xEF, 0xF0, 0xF4, 0xF5, 0xFF };
    std::mt19937 random(19);
    for (int k = 0; k < 20000; ++k) {
        std::string text(random() % 40, ' ');
        for (char& c : text)
            c = static_cast<char>(alphabet[random() % sizeof alphabet]);
        texts.push_back(text);
    }
    for (const std::string& text : texts) {
        JsonWriter json;
        json.value(text);
        ASSERT_EQ(json.text(), dumped(Json(text))) << hex(text);
    }
}

TEST(JsonWriter, WritesATreeAsNlohmannDumpsIt)
{
    const Json tree
        = Json::parse(R"({"numbers": [0.1, -0.0, 0.0, 1e16, 1e15, 1e-5, 0.0001, 123456789012345680,
        -7, 18446744073709551615, 5e-324, 1.7976931348623157e308, 828.8000000000001, 2.5],
        "empty": {}, "none": [], "nested": [[], [{}], {"a": {"b": [true, false, null]}}],
        "ключ \"с\" кавычками": "значение"})");
    JsonWriter json;
    json.tree(tree);
    EXPECT_EQ(json.text(), dumped(tree));

    JsonWriter odd; // not numbers, as nlohmann writes them
    odd.beginArray();
    odd.value(std::nan(""));
    odd.value(-HUGE_VAL);
    odd.endArray();
    EXPECT_EQ(odd.text(), dumped(Json::array({ std::nan(""), -HUGE_VAL })));
}

} // namespace
