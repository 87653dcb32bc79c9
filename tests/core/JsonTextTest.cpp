#include "phones/JsonText.h"

#include <gtest/gtest.h>

TEST(JsonText, EscapesEverythingThatCouldBreakOut) {
    const struct {
        std::u16string text;
        std::string json;
    } cases[] = {
        {u"佐藤", "\"佐藤\""},
        {u"a\"b\\c", R"("a\"b\\c")"},
        {u"</script><b>&", R"("\u003c/script\u003e\u003cb\u003e\u0026")"},
        {u"line\nfeed\t", R"("line\u000afeed\u0009")"},
        {u"\u2028", R"("\u2028")"},
        {u"\U0001F3BE", "\"\xF0\x9F\x8E\xBE\""},
        {std::u16string(1, char16_t(0xd800)) + u"x", "\"\xEF\xBF\xBDx\""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(jsonString(c.text), c.json);
    }
}

TEST(JsonText, PutsTheCommas) {
    JsonText json;
    json.beginObject().key("a").value(1).key("b").beginArray().value(u"x").flag(true);
    json.value(std::optional<int>{}).beginObject().endObject().endArray().endObject();
    EXPECT_EQ(json.str(), R"({"a":1,"b":["x",true,null,{}]})");
}
