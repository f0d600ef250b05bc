// Writes the simple lower-case mapping of every UTF-16 code unit as a two-level
// table of differences (most pages are all zero and shared), so that the
// programs need no ICU at run time and count exactly as ICU counts. A code unit whose mapping lies
// beyond U+FFFF (none does today) keeps its own value, as the counting always did.
#include <array>
#include <cstdio>
#include <map>
#include <vector>

#include <unicode/uchar.h>

namespace {

constexpr int kPageSize = 256;
constexpr int kPageCount = 65536 / kPageSize;

using Page = std::array<char16_t, kPageSize>;

// Modulo 2^16, so that adding it to the unit gives the mapping.
char16_t DifferenceOf(int unit) {
    const UChar32 mapped = u_tolower(unit);
    return static_cast<char16_t>(mapped <= 0xFFFF ? mapped - unit : 0);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fputs("usage: lower_case_table_generator OUTPUT\n", stderr);
        return 2;
    }
    std::vector<Page> pages;
    std::map<Page, int> pageIndex;
    std::array<int, kPageCount> pageOf{};
    for (int page = 0; page < kPageCount; ++page) {
        Page units{};
        for (int i = 0; i < kPageSize; ++i) {
            units[static_cast<std::size_t>(i)] = DifferenceOf(page * kPageSize + i);
        }
        const auto [found, added] = pageIndex.emplace(units, static_cast<int>(pages.size()));
        if (added) {
            pages.push_back(units);
        }
        pageOf[static_cast<std::size_t>(page)] = found->second;
    }

    if (pages.size() > 256) {
        std::fputs("lower_case_table_generator: too many distinct pages for one byte\n", stderr);
        return 1;
    }
    std::FILE* out = std::fopen(argv[1], "w");
    if (out == nullptr) {
        std::perror(argv[1]);
        return 1;
    }
    std::fprintf(out, "// Generated from ICU %s by lower_case_table_generator.\n", U_ICU_VERSION);
    std::fprintf(out, "constexpr std::uint8_t kLowerPageOf[%d] = {", kPageCount);
    for (int page = 0; page < kPageCount; ++page) {
        std::fprintf(out, "%s%d", page % 32 == 0 ? "\n    " : " ",
                     pageOf[static_cast<std::size_t>(page)]);
        std::fputc(',', out);
    }
    std::fprintf(out, "\n};\nconstexpr char16_t kLowerDifferences[%zu][%d] = {\n", pages.size(),
                 kPageSize);
    for (const Page& page : pages) {
        std::fputs("    {", out);
        for (int i = 0; i < kPageSize; ++i) {
            std::fprintf(out, "%s0x%04X,", i % 16 == 0 ? "\n        " : " ",
                         static_cast<unsigned>(page[static_cast<std::size_t>(i)]));
        }
        std::fputs("\n    },\n", out);
    }
    std::fputs("};\n", out);
    return std::fclose(out) == 0 ? 0 : 1;
}
