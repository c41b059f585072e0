#include "case_name.h"

#include <gtest/gtest.h>

namespace {

TEST(case_name_test, sanitised_names_stay_inside_the_folder) {
    struct Row {
        std::string strName, strSafe;
    };
    const Row rows[] = {
        {"P-101A operating", "P-101A_operating"},
        {"../../etc/passwd", "_._.__etc_passwd"},
        {"..", "__"},
        {"end.", "end_"},
        {".", "_"},
        {".hidden", "_hidden"},
        {"a..b", "a._b"},
        {"a/b\\c:d", "a_b_c_d"},
        {"-rf", "_rf"},
        {std::string("nul\0byte", 8), "nul_byte"},
        {"\xED\x8E\x8C\xED\x94\x84 1", "\xED\x8E\x8C\xED\x94\x84_1"},  // Korean kept
        {"bad\xFF\xC0\xAFutf8", "bad___utf8"},  // stray and overlong bytes replaced
        {"\xED\xA0\x80", "___"},                // a surrogate is not UTF-8
        {"", "case-7"},
        {"con", "_con"},
        {"Nul.backup", "_Nul.backup"},
        {"COM7", "_COM7"},
        {"COM0", "COM0"},
        {"console", "console"},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(SanitiseCaseName(row.strName, "case-7"), row.strSafe) << row.strName;
    }
}

TEST(case_name_test, long_names_are_cut_on_a_character_boundary) {
    const std::string strKorean = "\xED\x8E\x8C";  // 3 bytes
    std::string strName;
    for (int i = 0; i < 60; ++i) strName += strKorean;
    const std::string strSafe = SanitiseCaseName(strName, "x");
    EXPECT_EQ(strSafe.size(), kMaxCaseFileNameBytes);
    EXPECT_EQ(SanitiseCaseName("a" + strName, "x").size(), kMaxCaseFileNameBytes - 2);
    // A device name's extra underscore still fits.
    EXPECT_EQ(SanitiseCaseName("aux.bc" + strName, "x"), "_aux.bc" + strName.substr(0, 111));
}

TEST(case_name_test, repeated_names_get_a_suffix) {
    UniqueNames names;
    EXPECT_EQ(names.Claim("p"), "p");
    EXPECT_EQ(names.Claim("p"), "p~2");
    EXPECT_EQ(names.Claim("P"), "P~3");  // letter case alone does not tell files apart
    EXPECT_EQ(names.Claim("p~2"), "p~2~2");
    EXPECT_EQ(names.Claim("q"), "q");
}

TEST(case_name_test, many_distinct_names_stay_as_they_are) {
    UniqueNames names;
    for (int i = 0; i < 20000; ++i) {
        const std::string strName = "case-" + std::to_string(i);
        ASSERT_EQ(names.Claim(strName), strName);
    }
    EXPECT_EQ(names.Claim("case-123"), "case-123~2");
}

}  // namespace
