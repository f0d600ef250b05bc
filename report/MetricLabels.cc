#include "report/MetricLabels.h"

#include <array>
#include <cstdint>
#include <limits>
#include <span>

#include "report/BandValue.h"

namespace {

constexpr std::int64_t kNoUpperLimit = std::numeric_limits<std::int64_t>::max();

// A band holds every n up to and including upTo that an earlier band does not.
struct LabelBand {
    std::int64_t upTo;
    std::u16string_view label;
};

constexpr LabelBand kEaseUs[] = {
    {30, u"Very Difficult: Best understood by college graduates."},
    {50, u"Difficult: Requires some college education."},
    {70, u"Moderate: Suitable for 10th\u201312th grade students."},
    {80, u"Fairly Easy: Suitable for 7th\u20139th graders."},
    {kNoUpperLimit, u"Very Easy: Suitable for general audiences or younger readers."},
};

constexpr LabelBand kEaseUk[] = {
    {30, u"Very Difficult: Best understood by university graduates."},
    {50, u"Difficult: Suitable for those with some university education."},
    {70, u"Moderate: Suitable for sixth form students."},
    {80, u"Fairly Easy: Suitable for students aged 11\u201314."},
    {120, u"Very Easy: Suitable for younger readers or general audiences."},
    {kNoUpperLimit, u"Very Easy: Suitable for young readers."},
};

constexpr LabelBand kGradeUs[] = {
    {5, u"Elementary: Readable by elementary school students."},
    {8, u"Middle School: Suitable for grades 6\u20138."},
    {12, u"High School: Best for high school students."},
    {16, u"College: Suitable for college-level readers."},
    {kNoUpperLimit, u"Advanced: Requires graduate-level comprehension."},
};

constexpr LabelBand kGradeUk[] = {
    {5, u"Elementary: Readable by primary school students."},
    {8, u"Secondary: Suitable for years 7\u20139."},
    {12, u"Secondary: Suitable for GCSE students."},
    {16, u"University: Suitable for undergraduates."},
    {kNoUpperLimit, u"Advanced: Requires postgraduate-level comprehension."},
};

constexpr LabelBand kColemanLiauUs[] = {
    {5, u"Very Easy: Suitable for early learners."},
    {10, u"Simple: Easy to read for middle school students."},
    {15, u"Moderate: Suitable for high school students."},
    {20, u"Difficult: Requires advanced education."},
    {kNoUpperLimit, u"Very Difficult: Challenging for most readers."},
};

constexpr LabelBand kColemanLiauUk[] = {
    {5, u"Very Easy: Suitable for young readers."},
    {10, u"Simple: Easy to read for secondary students."},
    {15, u"Moderate: Suitable for sixth form students."},
    {20, u"Difficult: Requires advanced education."},
    {kNoUpperLimit, u"Very Difficult: Challenging for most readers."},
};

constexpr LabelBand kAutomated[] = {
    {5, u"Very Easy: Accessible for beginners"},
    {10, u"Simple: Suitable for young readers"},
    {15, u"Moderate: Requires good comprehension skills"},
    {20, u"Challenging: Best suited for advanced readers"},
    {kNoUpperLimit, u"Very Challenging: Complex material"},
};

constexpr LabelBand kSmog[] = {
    {6, u"Very Simple: Suitable for young readers"},
    {9, u"Simple: Easy to understand for most readers"},
    {12, u"Moderate: Somewhat complex, best for high schoolers"},
    {16, u"Difficult: Suitable for college-educated readers"},
    {kNoUpperLimit, u"Very Difficult: Requires specialized knowledge"},
};

constexpr LabelBand kLix[] = {
    {25, u"Very Easy: Great for young readers"},
    {35, u"Easy: Suitable for casual readers"},
    {50, u"Moderate: Balanced text complexity"},
    {75, u"Difficult: Requires effort to understand"},
    {kNoUpperLimit, u"Very Difficult: Best for experts"},
};

constexpr LabelBand kFog[] = {
    {6, u"Very Easy: Accessible for most readers"},
    {10, u"Easy: Suitable for most high school readers"},
    {14, u"Moderate: Suitable for college-level readers"},
    {20, u"Difficult: Advanced content requiring focus"},
    {kNoUpperLimit, u"Very Difficult: Specialized knowledge required"},
};

constexpr LabelBand kTime[] = {
    {2, u"Very Quick: Ideal for summaries, short articles, or quick presentations"},
    {5, u"Quick: Suitable for short reports or concise sections of long documents"},
    {10, u"Moderate: Consider using subheadings, bullet points, or summaries"},
    {15, u"Long:Suitable for detailed exploration but might benefit from a brief summary"},
    {20, u"Very Long: Ideal for comprehensive content but may overwhelm some readers"},
    {kNoUpperLimit,
     u"Extensive: Consider summarizing key points or splitting the content into sections"},
};

struct MetricTable {
    std::string_view key;
    std::span<const LabelBand> us;
    std::span<const LabelBand> uk;
};

constexpr std::array<MetricTable, 9> kTables = {{
    {"FKEase", kEaseUs, kEaseUk},
    {"FKGrade", kGradeUs, kGradeUk},
    {"CLI", kColemanLiauUs, kColemanLiauUk},
    {"ARI", kAutomated, kAutomated},
    {"SMOG", kSmog, kSmog},
    {"LIX", kLix, kLix},
    {"GunningFog", kFog, kFog},
    {"ReadingTime", kTime, kTime},
    {"SpeakingTime", kTime, kTime},
}};

constexpr std::u16string_view kUnknownMetric =
    u"Unknown Metric: Unable to provide a qualitative rating";

}  // namespace

std::u16string_view InterpretMetric(std::string_view key, double value, EnglishVariant variant) {
    for (const MetricTable& table : kTables) {
        if (table.key != key) {
            continue;
        }
        const std::int64_t n = BandValue(value);
        const auto bands = variant == EnglishVariant::Uk ? table.uk : table.us;
        for (const LabelBand& band : bands) {
            if (n <= band.upTo) {
                return band.label;
            }
        }
    }
    return kUnknownMetric;
}
