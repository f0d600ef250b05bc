#include "engine/AnalysisJob.h"

#include "engine/ReadabilityMetrics.h"
#include "engine/TextStatistics.h"

AsciiWordCounts RunAnalysis(AnalysisJob& job, EnglishVariant variant, const ReadingRates& rates) {
    if (job.text.empty()) {
        return {};
    }
    job.wordCount = 0;
    job.sentenceCount = 0;
    job.syllableCount = 0;
    job.characterCount = static_cast<std::int64_t>(job.text.size());
    CountText(job, variant);
    return ComputeMetrics(job, variant, rates);
}
