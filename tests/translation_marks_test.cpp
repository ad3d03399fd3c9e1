// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

#include <gtest/gtest.h>

#include <algorithm>
#include <regex>
#include <string>
#include <vector>

#include "report_dir.h"

namespace tavolix {
namespace {

// The %1 .. %9 of a text, in order of their numbers: a translation may move
// them, never drop, add or renumber one.
std::vector<std::string> marks_of(const std::string& text) {
    static const std::regex mark("%[1-9]");
    std::vector<std::string> marks;
    for (auto it = std::sregex_iterator(text.begin(), text.end(), mark);
         it != std::sregex_iterator(); ++it) {
        marks.push_back(it->str());
    }
    std::sort(marks.begin(), marks.end());
    return marks;
}

// Every English text says all its Italian source says: the same marks for
// the figures and names filled in, and a translation in place, so that no
// Italian is left in the English window and no figure falls out of a line.
TEST(Translations, keep_every_mark_of_their_source_and_leave_none_unfinished) {
    const std::string file = testing::read_file(TAVOLIX_TRANSLATION_PATH);
    static const std::regex message(
        "<source>([\\s\\S]*?)</source>\\s*(?:<comment>[\\s\\S]*?</comment>\\s*)?"
        "<translation([^>]*)>([\\s\\S]*?)</translation>");
    int messages = 0;
    for (auto it = std::sregex_iterator(file.begin(), file.end(), message);
         it != std::sregex_iterator(); ++it, ++messages) {
        const std::string source = (*it)[1];
        EXPECT_EQ((*it)[2].str().find("unfinished"), std::string::npos) << source;
        EXPECT_FALSE((*it)[3].str().empty()) << source;
        EXPECT_EQ(marks_of((*it)[3]), marks_of(source)) << source;
    }
    // Every message was read: none slipped past the pattern.
    const auto count = [&file](const std::string& tag) {
        std::size_t n = 0;
        for (std::size_t at = file.find(tag); at != std::string::npos;
             at = file.find(tag, at + 1)) {
            ++n;
        }
        return n;
    };
    EXPECT_EQ(static_cast<std::size_t>(messages), count("<message>"));
    EXPECT_GT(messages, 300);
}

}  // namespace
}  // namespace tavolix
