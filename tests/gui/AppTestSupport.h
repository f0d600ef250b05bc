#pragma once

// The real application over the real widgets, offscreen: start-up in each
// test, and typing or pasting as a user does, waiting until the window has
// caught up with the text.

#include <gtest/gtest.h>

#include <QString>

#include <string_view>

inline constexpr int kSettleDeadlineMs = 60000;

// Starts the program (without a tray it opens its window) and ends it again.
class AppWindowTest : public testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;
};

// Handles the program's queued events once.
void DispatchPending();

// Handles events until the trailing pass after the last edit has run, no worker
// runs, the rows show a full pass over the editor's text and that text is
// saved; fails after kSettleDeadlineMs.
[[nodiscard]] testing::AssertionResult DispatchUntilSettled();

// Types at the editor's cursor, key by key.
[[nodiscard]] testing::AssertionResult Type(const QString& text);
// Pastes at the editor's cursor through the clipboard: one change event.
[[nodiscard]] testing::AssertionResult Paste(std::u16string_view text);

// Every row must describe exactly `text`, as the core analyses it.
void ExpectRowsDescribe(std::u16string_view text);
