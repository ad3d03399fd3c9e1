// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tavolix developers

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "report_dir.h"

namespace tavolix {
namespace {

// The %1 .. %9 of a text, in order of their numbers: a translation may move
// them, never drop, add or renumber one.
std::vector<std::string> marks_of(std::string_view text) {
    std::vector<std::string> marks;
    for (std::size_t at = text.find('%'); at != std::string_view::npos && at + 1 < text.size();
         at = text.find('%', at + 1)) {
        if (text[at + 1] >= '1' && text[at + 1] <= '9') {
            marks.emplace_back(text.substr(at, 2));
        }
    }
    std::sort(marks.begin(), marks.end());
    return marks;
}

// The first element `name` of a piece of XML as it stands in the file.
struct Element {
    std::string_view attributes;
    std::string_view content;
};

std::optional<Element> element(std::string_view xml, const std::string& name) {
    const std::size_t open = xml.find("<" + name);
    const std::size_t opened = xml.find('>', open);
    const std::size_t close = xml.find("</" + name + ">", opened);
    if (open == std::string_view::npos || opened == std::string_view::npos ||
        close == std::string_view::npos) {
        return std::nullopt;
    }
    const std::size_t after_name = open + 1 + name.size();
    return Element{xml.substr(after_name, opened - after_name),
                   xml.substr(opened + 1, close - opened - 1)};
}

// Every English text says all its Italian source says: the same marks for
// the figures and names filled in, and a translation in place, so that no
// Italian is left in the English window and no figure falls out of a line.
TEST(Translations, keep_every_mark_of_their_source_and_leave_none_unfinished) {
    const std::string file = testing::read_file(TAVOLIX_TRANSLATION_PATH);
    int messages = 0;
    for (std::size_t start = file.find("<message"); start != std::string::npos;
         start = file.find("<message", start + 1), ++messages) {
        const std::size_t end = file.find("</message>", start);
        ASSERT_NE(end, std::string::npos);
        const std::string_view message = std::string_view(file).substr(start, end - start);
        const auto source = element(message, "source");
        const auto translation = element(message, "translation");
        ASSERT_TRUE(source && translation) << message;
        const std::string text(source->content);
        EXPECT_EQ(translation->attributes.find("unfinished"), std::string_view::npos) << text;
        EXPECT_FALSE(translation->content.empty()) << text;
        EXPECT_EQ(marks_of(translation->content), marks_of(source->content)) << text;
    }
    // Every message was read.
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
