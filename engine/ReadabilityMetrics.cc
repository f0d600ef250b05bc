#include "engine/ReadabilityMetrics.h"

#include <cmath>

#include "engine/TextStatistics.h"

AsciiWordCounts ComputeMetrics(AnalysisJob& job, EnglishVariant variant,
                               const ReadingRates& rates) {
    const AsciiWordCounts asciiWords = CountAsciiWords(job.text, variant);
    ComputeMetricsFromCounts(job, asciiWords, variant, rates);
    return asciiWords;
}

void ComputeMetricsFromCounts(AnalysisJob& job, const AsciiWordCounts& asciiWords,
                              EnglishVariant variant, const ReadingRates& rates) {
    job.fleschReadingEase = 0;
    job.fleschKincaidGrade = 0;
    job.colemanLiauIndex = 0;
    job.automatedIndex = 0;
    job.readingTimeMinutes = 0;
    job.speakingTimeMinutes = 0;
    job.smogIndex = 0;
    job.lixIndex = 0;
    job.gunningFogIndex = 0;
    if (job.wordCount < 1 || job.sentenceCount < 1) {
        return;
    }

    // Every expression keeps the written order of operations, so that the
    // two-decimal figures agree with any other faithful evaluation.
    const bool uk = variant == EnglishVariant::Uk;
    const auto words = static_cast<double>(job.wordCount);
    const auto sentences = static_cast<double>(job.sentenceCount);
    const auto characters = static_cast<double>(job.characterCount);
    const auto syllables = static_cast<double>(job.syllableCount);
    const double wps = words / sentences;
    const double spw = syllables / words;

    job.fleschReadingEase = 206.835 - 1.015 * wps - 84.6 * spw;
    job.fleschKincaidGrade = 0.39 * wps + 11.8 * spw - 15.59;
    if (uk) {
        job.fleschReadingEase += 5.0;
        job.fleschKincaidGrade += 0.5;
    }
    job.colemanLiauIndex =
        0.0588 * (100.0 * characters / words) - 0.296 * (100.0 * sentences / words) - 15.8;
    job.automatedIndex = 4.71 * (characters / words) + 0.5 * wps - 21.43;

    const auto complexWords = static_cast<double>(asciiWords.complexWords);
    if (complexWords >= 1) {
        job.smogIndex = 1.043 * std::sqrt(30.0 * complexWords / sentences) + 3.1291;
        if (uk) {
            job.smogIndex -= 1.0;
        }
    }
    const auto longWords = static_cast<double>(asciiWords.longWords);
    job.lixIndex = wps + 100.0 * longWords / words;
    job.gunningFogIndex = 0.4 * (wps + 100.0 * complexWords / words);
    if (uk) {
        job.gunningFogIndex += 1.0;
    }

    if (rates.readingWordsPerMinute != 0) {
        job.readingTimeMinutes = words / rates.readingWordsPerMinute;
    }
    if (rates.speakingWordsPerMinute != 0) {
        job.speakingTimeMinutes = words / rates.speakingWordsPerMinute;
    }

    for (double* measure :
         {&job.fleschReadingEase, &job.fleschKincaidGrade, &job.smogIndex, &job.gunningFogIndex}) {
        if (*measure < 0) {
            *measure = 0;
        }
    }
}
