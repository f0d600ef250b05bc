#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "engine/AnalysisJob.h"
#include "platform/recording/Recording.h"

namespace recording = platform::recording;

// A blank desktop (no preferences yet, so start-up is a first run) and a shell
// as before start-up; the clock stands at 10 s.
class ShellTest : public ::testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;
};

// Dispatches queued events until none is left.
void RunPendingEvents();
// A click on a control or a choice of a menu item, and what it posted dispatched.
void ClickAndRun(int number);
void ChooseAndRun(int item);
// Starts up and clicks the status item.
void StartAndOpenWindow();
void TypeAt(std::int64_t milliseconds, std::u16string_view text);
// Lets the clock run past every live interval, so the trailing pass comes due.
void RunTrailingPass();

std::u16string TextOf(int number);

// The editor's marks without their tooltips, comparable in expectations.
struct SeenMark {
    std::size_t start;
    std::size_t end;
    platform::MarkLevel level;
    friend bool operator==(const SeenMark&, const SeenMark&) = default;
};
std::vector<SeenMark> EditorMarks();
AnalysisJob Analysed(std::u16string_view text, EnglishVariant variant = EnglishVariant::Us,
                     ReadingRates rates = {});
// Every row's value, bar (with its name) and line as a full redraw of the job shows them.
void ExpectRowsShow(const AnalysisJob& job, EnglishVariant variant = EnglishVariant::Us);
