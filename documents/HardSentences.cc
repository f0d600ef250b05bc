#include "documents/HardSentences.h"

#include <algorithm>
#include <array>

namespace {

constexpr std::array<FindingRule, 3> kFigureRules = {FindingRule::MaxGrade, FindingRule::MinEase,
                                                     FindingRule::MinScore};

bool Missed(const Thresholds& missed, FindingRule rule) {
    switch (rule) {
        case FindingRule::MaxGrade:
            return missed.maxGrade.has_value();
        case FindingRule::MinEase:
            return missed.minEase.has_value();
        default:
            return missed.minScore.has_value();
    }
}

// A rest too short for a score does not meet a minimum score: leaving out
// all but a sentence or two is no advice.
bool Meets(const Thresholds& missed, FindingRule rule, const SentenceImpact& now) {
    switch (rule) {
        case FindingRule::MaxGrade:
            return now.gradeWithout <= *missed.maxGrade;
        case FindingRule::MinEase:
            return now.easeWithout >= *missed.minEase;
        default:
            return now.scoreWithout && *now.scoreWithout >= *missed.minScore;
    }
}

std::optional<FindingRule> FirstUnmet(const Thresholds& missed, const SentenceImpact& now) {
    for (const FindingRule rule : kFigureRules) {
        if (Missed(missed, rule) && !Meets(missed, rule, now)) {
            return rule;
        }
    }
    return std::nullopt;
}

// How far leaving a sentence out moves the figure toward the threshold.
double Gain(const MissedFigures& figures, FindingRule rule, const SentenceImpact& without) {
    switch (rule) {
        case FindingRule::MaxGrade:
            return figures.counts.fleschKincaidGrade - without.gradeWithout;
        case FindingRule::MinEase:
            return without.easeWithout - figures.counts.fleschReadingEase;
        default:
            return figures.score && without.scoreWithout ? *without.scoreWithout - *figures.score
                                                         : 0;
    }
}

}  // namespace

HardSentences ChooseHardSentences(const MissedFigures& figures,
                                  const std::vector<SentenceSpan>& candidates,
                                  const ScoreProfile& profile, EnglishVariant variant) {
    std::vector<SentenceImpact> alone;
    alone.reserve(candidates.size());
    for (const SentenceSpan& span : candidates) {
        alone.push_back(ImpactWithout(figures.counts, figures.ascii, span, profile, variant));
    }
    // Each figure's order is made only once a sentence is taken for it.
    std::array<std::optional<std::vector<std::size_t>>, kFigureRules.size()> orders;
    std::array<std::size_t, kFigureRules.size()> next{};
    std::vector<bool> taken(candidates.size());
    SentenceSpan removed;
    SentenceImpact now{.gradeWithout = figures.counts.fleschKincaidGrade,
                       .easeWithout = figures.counts.fleschReadingEase,
                       .scoreWithout = figures.score};
    HardSentences chosen;
    for (std::optional<FindingRule> rule = FirstUnmet(figures.missed, now); rule;
         rule = FirstUnmet(figures.missed, now)) {
        const auto index = static_cast<std::size_t>(*rule);
        if (!orders[index]) {
            std::vector<std::size_t>& order = orders[index].emplace();
            for (std::size_t i = 0; i < candidates.size(); ++i) {
                if (Gain(figures, *rule, alone[i]) > 0) {
                    order.push_back(i);
                }
            }
            std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
                return Gain(figures, *rule, alone[a]) > Gain(figures, *rule, alone[b]);
            });
        }
        const std::vector<std::size_t>& order = *orders[index];
        while (next[index] < order.size() && taken[order[next[index]]]) {
            ++next[index];
        }
        if (next[index] == order.size()) {
            chosen.enough = false;
            chosen.moreNeeded = 0;
            break;
        }
        const std::size_t pick = order[next[index]];
        taken[pick] = true;
        AddCounts(removed, candidates[pick]);
        now = ImpactWithout(figures.counts, figures.ascii, removed, profile, variant);
        if (chosen.named.size() < kMostNamedSentences) {
            chosen.named.push_back(pick);
            chosen.without.push_back(alone[pick]);
        } else {
            ++chosen.moreNeeded;
        }
    }
    return chosen;
}

FindingRule FirstMissedRule(const Thresholds& missed) {
    for (const FindingRule rule : kFigureRules) {
        if (Missed(missed, rule)) {
            return rule;
        }
    }
    return FindingRule::MaxGrade;
}
