#include "results/VersionFile.h"

#include <gtest/gtest.h>

namespace {

using Outcome = VersionFileResult::Outcome;

TEST(VersionFile, OurOwnVersionIsUpToDate) {
    EXPECT_EQ(ReadVersionFile("Quillory 1.02\n", u"").outcome, Outcome::UpToDate);
    EXPECT_EQ(ReadVersionFile("  Quillory 1.02  ", u"").outcome, Outcome::UpToDate);
    // A carriage return stays part of the line, so the version differs.
    EXPECT_EQ(ReadVersionFile("Quillory 1.02\r\n", u"").outcome, Outcome::NewVersion);
}

TEST(VersionFile, AnyOtherVersionIsNewWithItsNotes) {
    const VersionFileResult result =
        ReadVersionFile("Quillory 1.03\nFaster analysis\n\n  New export \n", u"");
    EXPECT_EQ(result.outcome, Outcome::NewVersion);
    EXPECT_EQ(result.version, u"1.03");
    EXPECT_EQ(result.releaseNotes, u"Faster analysis\nNew export\n");
    EXPECT_EQ(ReadVersionFile("Quillory 1.01", u"").outcome, Outcome::NewVersion);
}

TEST(VersionFile, TheVersionAlreadyTakenIsUpToDate) {
    EXPECT_EQ(ReadVersionFile("Quillory 1.03\n", u"1.03").outcome, Outcome::UpToDate);
    EXPECT_EQ(ReadVersionFile("Quillory 1.04\n", u"1.03").outcome, Outcome::NewVersion);
}

TEST(VersionFile, AnythingElseIsUnusable) {
    for (const char* body : {"", "quillory 1.03", "x Quillory 1.03", "<html>Not Found</html>",
                             "Quillory", "Quillory  1.03", "Quillory 1.\xff"}) {
        EXPECT_EQ(ReadVersionFile(body, u"").outcome, Outcome::Unusable) << body;
    }
    // The text ends at the first zero byte.
    EXPECT_EQ(ReadVersionFile(std::string_view("Quillory 1.02\0junk", 18), u"").outcome,
              Outcome::UpToDate);
}

}  // namespace
