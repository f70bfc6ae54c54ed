#include "convert/gbk.h"

#include <gtest/gtest.h>

#include <string>
#include <thread>
#include <vector>

namespace qc {
namespace {

TEST(Gbk, ConvertsBothWays) {
    const std::pair<const char*, const char*> cases[] = {
        {"", ""},
        {"abc 123", "abc 123"},
        {"年月日时分秒", "\xC4\xEA\xD4\xC2\xC8\xD5\xCA\xB1\xB7\xD6\xC3\xEB"},
        {"保存成功!!", "\xB1\xA3\xB4\xE6\xB3\xC9\xB9\xA6!!"},
        {"１２．５", "\xA3\xB1\xA3\xB2\xA3\xAE\xA3\xB5"},
    };
    for (const auto& [utf8, gbk] : cases) {
        EXPECT_EQ(GbkFromUtf8(utf8), gbk) << utf8;
        EXPECT_EQ(Utf8FromGbk(gbk), utf8) << utf8;
    }
}

TEST(Gbk, ReplacesWhatCannotBeConverted) {
    // An emoji and a Hangul syllable have no GBK form; broken UTF-8 is one "?" per bad byte.
    EXPECT_EQ(GbkFromUtf8("a\xF0\x9F\x98\x80"
                          "b\xEA\xB0\x80"
                          "c"),
              "a?b?c");
    EXPECT_EQ(GbkFromUtf8("a\xFF"
                          "b"),
              "a?b");
    EXPECT_EQ(GbkFromUtf8("a\xE5\xB9"), "a?");
    // 0xFF is no GBK lead byte; a lead byte at the end has no trail byte.
    EXPECT_EQ(Utf8FromGbk("a\xFF"
                          "b"),
              "a\xEF\xBF\xBD"
              "b");
    EXPECT_EQ(Utf8FromGbk("a\xC4"), "a\xEF\xBF\xBD");
}

TEST(Gbk, KeepsEmbeddedZeroBytesAndLongTexts) {
    const std::string withZero("a\0b", 3);
    EXPECT_EQ(Utf8FromGbk(withZero), withZero);
    std::string longText;
    for (int i = 0; i < 5000; ++i) longText += "年a";
    EXPECT_EQ(Utf8FromGbk(GbkFromUtf8(longText)), longText);
}

TEST(Gbk, IsSafeFromManyThreads) {
    std::vector<std::thread> threads;
    std::vector<int> failures(4, 0);
    for (int t = 0; t < 4; ++t) {
        threads.emplace_back([&failures, t] {
            for (int i = 0; i < 500; ++i)
                if (Utf8FromGbk(GbkFromUtf8("图片宽度：384")) != "图片宽度：384") ++failures[t];
        });
    }
    for (auto& thread : threads) thread.join();
    EXPECT_EQ(failures, std::vector<int>(4, 0));
}

}  // namespace
}  // namespace qc
