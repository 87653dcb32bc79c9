#include "text/CsvField.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>

TEST(CsvField, QuotesOnlyWhatNeedsIt) {
    const std::pair<std::string, std::string> cases[] = {
        {"", ""},
        {"山田", "山田"},
        {"12", "12"},
        {"a,b", "\"a,b\""},
        {"say \"hi\"", "\"say \"\"hi\"\"\""},
        {"two\r\nlines", "\"two\r\nlines\""},
        {"line\n", "\"line\n\""},
        {"\"", "\"\"\"\""},
    };
    for (const auto& [text, expected] : cases) {
        EXPECT_EQ(csvField(text), expected) << text;
    }
}
