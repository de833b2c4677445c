#pragma once
// Helpers for reading the plain text of the output area in tests.
#include <gtest/gtest.h>

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "core/output/OutputLog.h"

// Column (in characters) of the first occurrence of needle, -1 if absent.
inline int columnOf(const std::string& row, std::string_view needle, std::size_t from = 0) {
    auto pos = row.find(needle, from);
    if (pos == std::string::npos) return -1;
    return utf8Length(std::string_view(row).substr(0, pos));
}

inline int countOf(const std::string& row, std::string_view needle) {
    int n = 0;
    for (auto pos = row.find(needle); pos != std::string::npos; pos = row.find(needle, pos + needle.size())) ++n;
    return n;
}

// Columns of every occurrence of needle in row.
inline std::vector<int> columnsOf(const std::string& row, std::string_view needle) {
    std::vector<int> cols;
    for (auto pos = row.find(needle); pos != std::string::npos; pos = row.find(needle, pos + needle.size()))
        cols.push_back(utf8Length(std::string_view(row).substr(0, pos)));
    return cols;
}

// The bracket pieces of every column vector stand in the same character
// columns of the three rows.
inline void expectColumnsAligned(const std::array<std::string, 3>& rows) {
    auto left0 = columnsOf(rows[0], "⎧");
    auto left1 = columnsOf(rows[1], "⎪");
    auto left2 = columnsOf(rows[2], "⎩");
    auto right0 = columnsOf(rows[0], "⎫");
    auto right1 = columnsOf(rows[1], "⎟");
    auto right2 = columnsOf(rows[2], "⎭");
    EXPECT_FALSE(left0.empty());
    EXPECT_EQ(left0, left1) << rows[0] << "\n" << rows[1];
    EXPECT_EQ(left0, left2) << rows[0] << "\n" << rows[2];
    EXPECT_EQ(right0, right1) << rows[0] << "\n" << rows[1];
    EXPECT_EQ(right0, right2) << rows[0] << "\n" << rows[2];
    EXPECT_EQ(utf8Length(rows[0]), utf8Length(rows[1]));
    EXPECT_EQ(utf8Length(rows[0]), utf8Length(rows[2]));
}

// Lines of the log that contain needle.
inline std::vector<std::string> linesContaining(const PlainTextOutputLog& log, std::string_view needle) {
    std::vector<std::string> out;
    for (const auto& line : log.lines())
        if (line.find(needle) != std::string::npos) out.push_back(line);
    return out;
}

// No "inf"/"nan" text in any spelling reached the log.
inline void expectNoNonFiniteText(const PlainTextOutputLog& log) {
    std::string lower;
    for (char ch : log.text()) lower.push_back(static_cast<char>(std::tolower(static_cast<unsigned char>(ch))));
    EXPECT_EQ(lower.find("nan"), std::string::npos) << log.text();
    EXPECT_EQ(lower.find("inf"), std::string::npos) << log.text();
}

#include "core/geometry/Vector3.h"
#include "core/model/Scene.h"

inline Vector3 V(Real x, Real y, Real z) {
    Vector3 v;
    v.x = x;
    v.y = y;
    v.z = z;
    return v;
}

// Sets A, B, C, D and the values the input window derives from them: E5
// (support A, spanning vectors AB and AC) and AD.
inline void setCorners(Scene& scene, const Vector3& A, const Vector3& B, const Vector3& C,
                       const Vector3& D) {
    auto set = [](Vector3& target, const Vector3& v) {
        target.x = v.x;
        target.y = v.y;
        target.z = v.z;
    };
    set(scene.points[PointA], A);
    set(scene.points[PointB], B);
    set(scene.points[PointC], C);
    set(scene.points[PointD], D);
    set(scene.planeSupport[PlaneE5], A);
    set(scene.planeSpanU[PlaneE5], V(B.x - A.x, B.y - A.y, B.z - A.z));
    set(scene.planeSpanV[PlaneE5], V(C.x - A.x, C.y - A.y, C.z - A.z));
    set(scene.vectorAD, V(D.x - A.x, D.y - A.y, D.z - A.z));
}

// Strips blanks at both ends.
inline std::string trimmed(std::string s) {
    while (!s.empty() && s.front() == ' ') s.erase(s.begin());
    while (!s.empty() && s.back() == ' ') s.pop_back();
    return s;
}

// The column vectors of a three-row formula, as trimmed component texts,
// read from the bracket pieces of the middle and outer rows.
inline std::vector<std::array<std::string, 3>> columnVectors(const std::array<std::string, 3>& rows) {
    std::vector<std::array<std::string, 3>> vectors;
    const std::array<std::pair<std::string_view, std::string_view>, 3> brackets = {
        std::pair{std::string_view("⎧"), std::string_view("⎫")},
        std::pair{std::string_view("⎪"), std::string_view("⎟")},
        std::pair{std::string_view("⎩"), std::string_view("⎭")}};
    std::array<std::size_t, 3> from{0, 0, 0};
    while (true) {
        std::array<std::string, 3> texts;
        for (int r = 0; r < 3; ++r) {
            const auto& [open, close] = brackets[static_cast<std::size_t>(r)];
            auto begin = rows[static_cast<std::size_t>(r)].find(open, from[static_cast<std::size_t>(r)]);
            if (begin == std::string::npos) return vectors;
            begin += open.size();
            auto end = rows[static_cast<std::size_t>(r)].find(close, begin);
            if (end == std::string::npos) return vectors;
            texts[static_cast<std::size_t>(r)] = trimmed(rows[static_cast<std::size_t>(r)].substr(begin, end - begin));
            from[static_cast<std::size_t>(r)] = end + close.size();
        }
        vectors.push_back(texts);
    }
}

// The three lines after the first line that starts with `prefix` (or the
// first three when prefix is empty) ... here: the three rows whose middle row
// contains `middle`.
inline std::array<std::string, 3> formulaAround(const PlainTextOutputLog& log, std::string_view middle,
                                                int occurrence = 0) {
    auto lines = log.lines();
    for (std::size_t i = 1; i + 1 < lines.size(); ++i) {
        if (lines[i].find(middle) != std::string::npos && occurrence-- == 0)
            return {lines[i - 1], lines[i], lines[i + 1]};
    }
    ADD_FAILURE() << "no formula with " << middle << " in\n" << log.text();
    return {};
}
