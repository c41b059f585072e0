#include "csv_reader.h"

#include <gtest/gtest.h>

#include <sstream>

namespace {

std::vector<CsvRecord> ReadAll(const std::string& text, std::size_t nMax = 64 * 1024) {
    std::istringstream in(text);
    CsvReader reader(in, nMax);
    std::vector<CsvRecord> records;
    CsvRecord record;
    while (reader.Next(record)) records.push_back(record);
    return records;
}

using Fields = std::vector<std::string>;

TEST(csv_reader_test, quoted_fields_keep_commas_quotes_and_line_breaks) {
    const auto records = ReadAll("a,\"b,c\",\"say \"\"hi\"\"\",\"two\nlines\",\"\"\nnext,row\n");
    ASSERT_EQ(records.size(), 2u);
    EXPECT_EQ(records[0].fields, (Fields{"a", "b,c", "say \"hi\"", "two\nlines", ""}));
    EXPECT_EQ(records[0].nLine, 1u);
    EXPECT_EQ(records[1].fields, (Fields{"next", "row"}));
    EXPECT_EQ(records[1].nLine, 3u);  // the quoted line break counts
}

TEST(csv_reader_test, line_ends_and_byte_order_mark) {
    const auto records = ReadAll(
        "\xEF\xBB\xBF"
        "case,unit\r\nx,N\ry,lb\n\nz,kg");
    ASSERT_EQ(records.size(), 5u);
    EXPECT_EQ(records[0].fields, (Fields{"case", "unit"}));
    EXPECT_EQ(records[1].fields, (Fields{"x", "N"}));
    EXPECT_EQ(records[2].fields, (Fields{"y", "lb"}));
    EXPECT_TRUE(IsBlankRecord(records[3]));
    EXPECT_EQ(records[4].fields, (Fields{"z", "kg"}));  // no line end after the last record
    EXPECT_EQ(records[4].nLine, 5u);
    EXPECT_FALSE(IsBlankRecord(ReadAll(",\n")[0]));
}

TEST(csv_reader_test, malformed_records_say_why) {
    auto records = ReadAll("a,\"b\"c,d\nok\n");
    ASSERT_EQ(records.size(), 2u);
    EXPECT_EQ(records[0].strError, "field 2: text after the closing quote");
    EXPECT_EQ(records[1].fields, Fields{"ok"});
    EXPECT_EQ(records[1].strError, "");

    records = ReadAll("a,\"never closed\nmore");
    ASSERT_EQ(records.size(), 1u);
    EXPECT_EQ(records[0].strError, "field 2: quote not closed");
}

TEST(csv_reader_test, overlong_record_is_dropped_and_reading_goes_on) {
    // The long record holds a quoted line break, which must not end it early.
    const std::string strLong =
        "x," + std::string(100, 'a') + ",\"q\n" + std::string(100, 'b') + "\"";
    const auto records = ReadAll(strLong + "\nshort,row\n", 64);
    ASSERT_EQ(records.size(), 2u);
    EXPECT_EQ(records[0].strError, "record longer than 64 bytes");
    EXPECT_TRUE(records[0].fields.empty());
    EXPECT_EQ(records[1].fields, (Fields{"short", "row"}));
    EXPECT_EQ(records[1].nLine, 3u);
}

}  // namespace
