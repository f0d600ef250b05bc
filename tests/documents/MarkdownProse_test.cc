#include "documents/MarkdownProse.h"

#include <gtest/gtest.h>

#include <sys/mman.h>
#include <unistd.h>

#include <cstring>
#include <initializer_list>
#include <string>

#include "engine/Utf8.h"

namespace {

using namespace std::string_literals;

struct Fixture {
    const char* name;
    std::string markdown;
    std::string prose;
    std::string word =
        {};  // when set, its first prose occurrence maps onto its first in the source
    SourceKind kind = SourceKind::Markdown;
};

void ExpectProse(std::initializer_list<Fixture> fixtures) {
    for (const Fixture& fixture : fixtures) {
        SCOPED_TRACE(fixture.name);
        const std::u16string source = DecodeUtf8(fixture.markdown).text;
        const ProseDocument document = MarkdownProse(fixture.markdown, source, fixture.kind);
        EXPECT_EQ(document.prose, DecodeUtf8(fixture.prose).text);

        // Every verbatim stretch repeats the source where it claims to come from.
        const auto& segments = document.segments;
        EXPECT_EQ(segments.empty(), document.prose.empty());
        for (std::size_t i = 0; i < segments.size(); ++i) {
            const std::size_t end =
                i + 1 < segments.size() ? segments[i + 1].proseStart : document.prose.size();
            ASSERT_LT(segments[i].proseStart, end);
            EXPECT_EQ(segments[i].proseStart == 0, i == 0);
            if (segments[i].verbatim) {
                const std::size_t length = end - segments[i].proseStart;
                EXPECT_EQ(document.prose.substr(segments[i].proseStart, length),
                          source.substr(segments[i].sourceStart, length));
            }
        }
        if (!fixture.word.empty()) {
            const std::u16string word = DecodeUtf8(fixture.word).text;
            const std::size_t at = document.prose.find(word);
            ASSERT_NE(at, std::u16string::npos);
            EXPECT_EQ(SourceOffsetOf(document, at), source.find(word));
        }
    }
}

TEST(MarkdownProseTest, EachBlockIsAParagraph) {
    ExpectProse({
        {"headings", "# Café 😀 title #\n\nSome *text* here.\n\nSub ~~old~~\n---\n",
         "Café 😀 title.\n\nSome text here.\n\nSub old.", "old"},
        {"nested lists", "- one\n- two\n  1. inner\n\n     loose\n- [x] done\n",
         "one.\n\ntwo.\n\ninner.\n\nloose.\n\ndone.", "done"},
        {"block quote", "> é quoted\n> line\n>\n> > deeper\n", "é quoted\nline.\n\ndeeper.",
         "deeper"},
        {"table", "| Name | 😀 |\n|------|----|\n| Ada  | x &lt; y |\n",
         "Name.\n\n😀.\n\nAda.\n\nx < y.", "Ada"},
        {"CR LF", "# Head\r\n\r\nline one  \r\nline two\r\n\r\n- é\r\n- item\r\n",
         "Head.\n\nline one\nline two.\n\né.\n\nitem.", "item"},
        {"empty", "", ""},
        {"thematic break only", "***\n", ""},
    });
}

TEST(MarkdownProseTest, LeavesOutCodeHtmlUrlsAndFrontMatter) {
    ExpectProse({
        {"code", "Before\n\n```cpp\nint x;\n```\n\n    indented é\n\nRun `mäke` now.\n",
         "Before.\n\nRun  now.", "now"},
        {"raw HTML", "<div>\nhidden\n</div>\n\nPress <kbd>Enter</kbd> now.\n", "Press Enter now.",
         "Enter"},
        {"links and images", "Read [the 😀 guide](https://x.org/é \"t\") or ![a chart](c.png).\n",
         "Read the 😀 guide or a chart.", "chart"},
        {"URLs",
         "See https://x.org, www.x.org or <me@x.org>.\n\n<https://x.org>\n\nhttps://x.org/a end\n",
         "See ,  or .\n\n end.", "end"},
        {"URL as link text", "[https://x.org](https://x.org)\n\n[docs](https://x.org)\n", "docs.",
         "docs"},
        {"YAML", "---\ntitle: é😀\n---\nBody *word*\n", "Body word.", "word"},
        {"YAML ended by dots", "---\r\na: 1\r\n...\r\nBody\r\n", "Body.", "Body"},
        {"TOML", "+++\ntitle = \"😀\"\n+++\nBody\n", "Body.", "Body"},
        {"unclosed front matter", "---\ntitle: x\n", "title: x.", "title"},
        {"front matter not first", "\n---\na\n---\n", "a."},
        {"a rule, not front matter", "---\n\nKept here.\n\nTitle\n---\n", "Kept here.\n\nTitle.",
         "Kept"},
    });
}

TEST(MarkdownProseTest, DecodesEntitiesBreaksAndNul) {
    ExpectProse({
        {"entities", "&amp; &lt;&#65;&#x1F600;&#0;&#xD800; &nbsp;&mdash;&bogus; é word\n",
         "& <A😀\uFFFD\uFFFD \u00A0—&bogus; é word.", "word"},
        {"breaks", "one\ntwo  \nthree\\\nfour\n", "one\ntwo\nthree\nfour.", "four"},
        {"NUL", "a\0b\n\n```\nc\0d\n```\n"s, "a\uFFFDb.", "b"},
    });
}

TEST(MarkdownProseTest, SuppressedProseAndMdxCodeAreLeftOut) {
    ExpectProse({
        {"off and on",
         "Keep this.\n\n<!-- quillory off -->\n\nSkip this.\n\n<!--quillory on-->\n\nKeep that.",
         "Keep this.\n\nKeep that.", "that"},
        {"inline", "One <!-- quillory off -->two<!-- quillory on --> three.", "One  three.",
         "three"},
        {"off to the end", "A.\n\n<!-- quillory  off -->\nB.\n\n# C\n", "A."},
        {"other comments", "A. <!-- quillory offset --> <!-- note -->B.", "A.  B.", "B"},
        {"in code", "```\n<!-- quillory off -->\n```\n\nStill here.", "Still here.", "here"},
        {"mdx statements", "import A from 'a'\nexport const b = {\n  c: 1,\n}\n\nHello there.",
         "Hello there.", "there", SourceKind::Mdx},
        {"mdx expressions", "Hi {name}, see {a {b} c} now.\n\n# Title {x}\n",
         "Hi , see  now.\n\nTitle.", "now", SourceKind::Mdx},
        // An expression over several lines leaves its line breaks, which are blanks.
        {"mdx code stays code", "A `{x}` b.\n\n```\n{y}\n```\n\n{\nz\n} é.", "A  b.\n\n\n\n é.",
         "é", SourceKind::Mdx},
        {"mdx unmatched brace", "An { open brace.", "An { open brace.", "open", SourceKind::Mdx},
        // A long expression opening a line neither splits nor hides the paragraph.
        {"mdx expression lines", "{props.name} is here\n{/* a note */}\nand stays.",
         " is here\n\nand stays.", "stays", SourceKind::Mdx},
        {"mdx import within a paragraph", "We\nexport reports weekly.",
         "We\nexport reports weekly.", "weekly", SourceKind::Mdx},
        {"import is prose in Markdown", "import this.", "import this.", "this"},
    });
}

// A link cut short at the very end of a file: md4c read the byte after it.
// The bytes end where the next page cannot be read, as a memory-mapped file's may.
TEST(MarkdownProseTest, ALinkCutShortAtTheEndOfTheBytesIsRead) {
    const std::string markdown = "t--\0-\nitle: x\n---\n# \0e*\x01i\n\nText with [a link](h"s;
    const auto page = static_cast<std::size_t>(sysconf(_SC_PAGESIZE));
    void* mapped =
        mmap(nullptr, 2 * page, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    ASSERT_NE(mapped, MAP_FAILED);
    char* const guard = static_cast<char*>(mapped) + page;
    ASSERT_EQ(mprotect(guard, page, PROT_NONE), 0);
    char* const bytes = guard - markdown.size();
    std::memcpy(bytes, markdown.data(), markdown.size());
    const std::string_view atTheEdge(bytes, markdown.size());
    for (const SourceKind kind : {SourceKind::Markdown, SourceKind::Mdx}) {
        const ProseDocument document = MarkdownProse(atTheEdge, DecodeUtf8(atTheEdge).text, kind);
        EXPECT_NE(document.prose.find(u"Text with [a link](h"), std::u16string::npos);
    }
    munmap(mapped, 2 * page);
}

TEST(MarkdownProseTest, HeadingsWithTextAreKept) {
    const std::string_view markdown = "Intro.\n\n# One\n\nText.\n\n## Two?\n\n#\n\nSetext\n---\n";
    const ProseDocument document = MarkdownProse(markdown, DecodeUtf8(markdown).text);
    ASSERT_EQ(document.headings.size(), 3U);
    const auto text = [&](const ProseHeading& heading) {
        return document.prose.substr(heading.proseStart, heading.proseEnd - heading.proseStart);
    };
    EXPECT_EQ(text(document.headings[0]), u"One");
    EXPECT_EQ(document.headings[0].level, 1);
    EXPECT_EQ(text(document.headings[1]), u"Two?");
    EXPECT_EQ(document.headings[1].level, 2);
    EXPECT_EQ(text(document.headings[2]), u"Setext");
    EXPECT_EQ(document.headings[2].level, 2);
}

TEST(MarkdownProseTest, MadeUpTextMapsToTheNearestSourcePlace) {
    const std::string_view markdown = "é &amp; x\ny\n\nz";
    const ProseDocument document = MarkdownProse(markdown, DecodeUtf8(markdown).text);
    ASSERT_EQ(document.prose, u"é & x\ny.\n\nz.");
    EXPECT_EQ(SourceOffsetOf(document, 2), 2U);   // the entity, from its '&'
    EXPECT_EQ(SourceEndOf(document, 3), 7U);      // to its ';'
    EXPECT_EQ(SourceOffsetOf(document, 5), 9U);   // the line break, after "x"
    EXPECT_EQ(SourceOffsetOf(document, 7), 11U);  // the block's full stop, after "y"
    EXPECT_EQ(SourceEndOf(document, 8), 11U);
    EXPECT_EQ(SourceOffsetOf(document, 8), 13U);  // the separator, at "z"
    EXPECT_EQ(SourceEndOf(document, 10), 13U);
}

}  // namespace
