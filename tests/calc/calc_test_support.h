#pragma once
// Helpers for reading the plain text of the output area in tests.
#include <gtest/gtest.h>

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "calc/OutputLog.h"

// Column (in characters) of the first occurrence of needle, -1 if absent.
inline int ColumnOf(const std::string& row, std::string_view needle, std::size_t from = 0) {
    auto pos = row.find(needle, from);
    if (pos == std::string::npos) return -1;
    return Utf8Length(std::string_view(row).substr(0, pos));
}

inline int CountOf(const std::string& row, std::string_view needle) {
    int n = 0;
    for (auto pos = row.find(needle); pos != std::string::npos; pos = row.find(needle, pos + needle.size())) ++n;
    return n;
}

// Columns of every occurrence of needle in row.
inline std::vector<int> ColumnsOf(const std::string& row, std::string_view needle) {
    std::vector<int> cols;
    for (auto pos = row.find(needle); pos != std::string::npos; pos = row.find(needle, pos + needle.size()))
        cols.push_back(Utf8Length(std::string_view(row).substr(0, pos)));
    return cols;
}

// The bracket pieces of every column vector stand in the same character
// columns of the three rows.
inline void ExpectColumnsAligned(const std::array<std::string, 3>& rows) {
    auto left0 = ColumnsOf(rows[0], "⎧");
    auto left1 = ColumnsOf(rows[1], "⎪");
    auto left2 = ColumnsOf(rows[2], "⎩");
    auto right0 = ColumnsOf(rows[0], "⎫");
    auto right1 = ColumnsOf(rows[1], "⎟");
    auto right2 = ColumnsOf(rows[2], "⎭");
    EXPECT_FALSE(left0.empty());
    EXPECT_EQ(left0, left1) << rows[0] << "\n" << rows[1];
    EXPECT_EQ(left0, left2) << rows[0] << "\n" << rows[2];
    EXPECT_EQ(right0, right1) << rows[0] << "\n" << rows[1];
    EXPECT_EQ(right0, right2) << rows[0] << "\n" << rows[2];
    EXPECT_EQ(Utf8Length(rows[0]), Utf8Length(rows[1]));
    EXPECT_EQ(Utf8Length(rows[0]), Utf8Length(rows[2]));
}

// Lines of the log that contain needle.
inline std::vector<std::string> LinesContaining(const PlainTextOutputLog& log, std::string_view needle) {
    std::vector<std::string> out;
    for (const auto& line : log.Lines())
        if (line.find(needle) != std::string::npos) out.push_back(line);
    return out;
}

// No "inf"/"nan" text in any spelling reached the log.
inline void ExpectNoNonFiniteText(const PlainTextOutputLog& log) {
    std::string lower;
    for (char ch : log.Text()) lower.push_back(static_cast<char>(std::tolower(static_cast<unsigned char>(ch))));
    EXPECT_EQ(lower.find("nan"), std::string::npos) << log.Text();
    EXPECT_EQ(lower.find("inf"), std::string::npos) << log.Text();
}
