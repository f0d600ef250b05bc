#include "documents/MarkdownProse.h"

#include <gtest/gtest.h>

#include <sys/mman.h>
#include <unistd.h>

#include <cstring>
#include <initializer_list>
#include <string>

#include "documents/ProseSections.h"
#include "engine/TextStatistics.h"
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

        // Every verbatim stretch repeats the source where it claims to come from, in order.
        const auto& segments = document.segments;
        EXPECT_EQ(segments.empty(), document.prose.empty());
        for (std::size_t i = 0; i < segments.size(); ++i) {
            const std::size_t end =
                i + 1 < segments.size() ? segments[i + 1].proseStart : document.prose.size();
            ASSERT_LT(segments[i].proseStart, end);
            EXPECT_EQ(segments[i].proseStart == 0, i == 0);
            if (i > 0) {
                EXPECT_LE(segments[i - 1].sourceStart, segments[i].sourceStart);
            }
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
        {"CR LF", "# Head\r\n\r\nline one  \r\nline two\r\n\r\n- é\r\n- item\r\n",
         "Head.\n\nline one\nline two.\n\né.\n\nitem.", "item"},
        {"empty", "", ""},
        {"thematic break only", "***\n", ""},
    });
}

TEST(MarkdownProseTest, LeavesOutCodeHtmlUrlsAndFrontMatter) {
    ExpectProse({
        {"code", "Before\n\n```cpp\nint x;\n```\n\n    indented é\n\nRun `mäke` now.\n",
         "Before.\n\nRun mäke now.", "now"},
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
         "& <A😀\uFFFD\uFFFD  —&bogus; é word.", "word"},
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
        {"mdx code stays code", "A `{x}` b.\n\n```\n{y}\n```\n\n{\nz\n} é.", "A {x} b.\n\n\n\n é.",
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

// Hugo, Jekyll and Jinja pages as their writers keep them.
TEST(MarkdownProseTest, TemplateTagsAreLeftOut) {
    ExpectProse({
        {"a shortcode around prose",
         "Intro text\n{{< note >}}\nInner *text* here.\n{{< /note >}}\n",
         "Intro text.\n\nInner text here.", "here"},
        {"markdown shortcodes",
         "{{% include \"/_common/x.md\" %}}\n\n> {{% note %}}\n> Quoted.\n> {{% /note %}}\n",
         "Quoted.", "Quoted"},
        {"within a sentence", "Added in {{< new-in 0.1 />}} this release, by {{ .Site.Title }}.",
         "Added in  this release, by .", "release"},
        {"a list item's own", "- {{< new-in 0.1 />}}\n- Kept item.\n", "Kept item.", "Kept"},
        {"code and data bodies",
         "Config:\n\n{{< code-toggle file=hugo >}}\ntitle = 'Docs'\n[params]\n{{< /code-toggle "
         ">}}\n\nSome {{< hl >}}fmt.Println(\"x\"){{< /hl >}} code.\n\n{% highlight ruby %}\ndef "
         "x\nend\n{% endhighlight %}\n\n{% raw %}{{ page.title }}{% endraw %} shows it.\n",
         "Config:.\n\nSome  code.\n\n shows it.", "shows"},
        {"Liquid and Jinja", "{% if page.draft %}\nDraft text.\n{% endif %}\n", "Draft text.",
         "Draft"},
        {"code stays code", "```\n{{< x >}}\n```\n\nType `{{ .Title }}`.",
         "Type {{\u00A0\u2024Title\u00A0}}.", "Type"},
        // Without a closing run, or across a blank line, a brace is prose.
        {"no tag", "A {{ brace alone.\n\nNext }} and {% here.",
         "A {{ brace alone.\n\nNext }} and {% here.", "Next"},
        {"a code body never closed", "{{< highlight go >}}\nx := 1\n", "x := 1.", "x"},
    });
}

TEST(MarkdownProseTest, CalloutMarkersAreNotSentences) {
    ExpectProse({
        {"GitHub alert", "> [!NOTE]\n> Useful *information*.\n\n> [!caution] Careful\n> Body.\n",
         "Useful information.\n\nBody.", "Body"},
        {"not opening the quote", "> Text\n> [!NOTE]\n", "Text\n[!NOTE]", "Text"},
        {"Docusaurus", ":::note Title\n\nSome content.\n\n:::\n\n:::tip[Hint]\nTip text.\n:::\n",
         "Some content.\n\nTip text.", "Tip"},
        {"MDX admonition", ":::info\nFrom {props.x} MDX.\n:::\n", "From  MDX.", "MDX",
         SourceKind::Mdx},
        {"MkDocs Material",
         "!!! note \"Phasellus posuere\"\n\n    Lorem ipsum dolor.\n\n    - in a list\n\nAfter.\n",
         "Lorem ipsum dolor.\n\nin a list.\n\nAfter.", "After"},
        {"collapsible with code",
         "???+ tip\n    Body with code:\n\n    ```\n    code\n\n    more\n    ```\n    End.\n",
         "Body with code:.\n\nEnd.", "End"},
        {"nested", "!!! note\n    Outer.\n\n    !!! tip\n        Inner.\n", "Outer.\n\nInner.",
         "Inner"},
        {"tab indented", "!!! warning\n\tBody.\n", "Body.", "Body"},
        {"in fenced code", "```\n!!! note\n    x\n:::\n```\n\nText.", "Text.", "Text"},
    });
}

TEST(MarkdownProseTest, TablesAreNotProse) {
    ExpectProse({
        // md4c wants three characters a delimiter cell; GFM one dash.
        {"one-dash delimiters", "| Name | Use |\n| - | :-: |\n| a | b c |\nrow\n\nAfter.", "After.",
         "After"},
        {"md4c's own", "| Name | 😀 |\n|------|----|\n| Ada  | x &lt; y |\n", ""},
        {"after a paragraph", "Intro\n| a | b |\n|---|---|\n| c | d |\n", "Intro.", "Intro"},
        {"without outer pipes", "a | b\n- | -\nc | d\n", ""},
        {"in a block quote", "> | a |\n> |---|\n> | b |\n>\n> Quoted.\n", "Quoted.", "Quoted"},
        {"cells do not match", "| a | b |\n| - |\n", "| a | b |\n| - |.", "b"},
        {"a setext heading", "Title\n---\n", "Title.", "Title"},
        {"escaped pipe", "| a \\| b |\n| - | - |\n", "| a | b |\n| - | - |.", "b"},
    });
}

TEST(MarkdownProseTest, InlineCodeIsOneWordInItsPlace) {
    ExpectProse({
        {"identifiers", "The `Permalink` method on a `Page` object writes.",
         "The Permalink method on a Page object writes.", "method"},
        {"blanks and marks", "Run `` hugo server -D`s `` and edit `config.toml`!",
         "Run hugo\u00A0server\u00A0-D`s and edit config\u2024toml!", "edit"},
        {"over a line break", "See `a\nb` now.", "See a\u00A0b now.", "now"},
        {"backticks on the next line", "`r`\n`` and", "r\n`` and.", "and"},
    });
    const auto counts = [](std::string_view markdown) {
        return CountRuns(MarkdownProse(markdown, DecodeUtf8(markdown).text).prose);
    };
    EXPECT_EQ(counts("The `Permalink` method on a `Page` object writes.").words, 8);
    const RunCounts code = counts("Run `hugo server --port 1313` now, then `config.toml`.");
    EXPECT_EQ(code.words, 5);
    EXPECT_EQ(code.sentences, 1);
    EXPECT_EQ(counts("`Permalink`").syllables, 3);

    // The word stands for the whole span: a sentence that starts or ends with
    // code is marked from backtick to backtick.
    const std::string_view markdown = "`hugo` builds it with `` `x` ``";
    const ProseDocument document = MarkdownProse(markdown, DecodeUtf8(markdown).text);
    ASSERT_EQ(document.prose, u"hugo builds it with `x`.");
    EXPECT_EQ(SourceOffsetOf(document, 0), 0U);
    EXPECT_EQ(SourceEndOf(document, 4), 6U);
    EXPECT_EQ(SourceEndOf(document, document.prose.size() - 1), markdown.size());
}

TEST(MarkdownProseTest, ASectionIsNamedWithItsCode) {
    const std::string_view markdown =
        "### The `:counter` placeholder\n\nIt counts.\n\n## The `hugo server` and `config.toml`\n";
    const ProseDocument document = MarkdownProse(markdown, DecodeUtf8(markdown).text);
    const std::vector<ProseSection> sections = ProseSections(document, EnglishVariant::Us, 0);
    ASSERT_EQ(sections.size(), 2U);
    EXPECT_EQ(sections[0].heading, u"The :counter placeholder");
    // As written, though the code stands in the prose as one word with no sentence mark.
    EXPECT_EQ(sections[1].heading, u"The hugo server and config.toml");
}

// The window's plain reading keeps a tab and a no-break space inside a word.
TEST(MarkdownProseTest, NoBreakSpacesAndTabsPartWordsInMarkdownOnly) {
    ExpectProse({
        {"spaces", "one&nbsp;two\u00A0three\tfour&#160;five", "one two three four five.", "five"},
    });
    const std::u16string plain = u"one\u00A0two\tthree";
    const ProseDocument document = PlainTextProse(plain);
    EXPECT_EQ(document.prose, plain);
    EXPECT_EQ(CountRuns(document.prose).words, 1);
}

}  // namespace
