#include "shell/VersionFile.h"

#include <gtest/gtest.h>

#include <string>

#include "product/Product.h"

namespace {

using Outcome = VersionFileResult::Outcome;

const std::string kOurs = "Quillory " + std::string(kVersionUtf8);

TEST(VersionFile, OurOwnVersionIsUpToDate) {
    EXPECT_EQ(ReadVersionFile(kOurs + "\n", u"").outcome, Outcome::UpToDate);
    EXPECT_EQ(ReadVersionFile("  " + kOurs + "  ", u"").outcome, Outcome::UpToDate);
    // A carriage return stays part of the line, so the version differs.
    EXPECT_EQ(ReadVersionFile(kOurs + "\r\n", u"").outcome, Outcome::NewVersion);
}

TEST(VersionFile, AnyOtherVersionIsNewWithItsNotes) {
    const VersionFileResult result =
        ReadVersionFile("Quillory 9.03\nFaster analysis\n\n  New export \n", u"");
    EXPECT_EQ(result.outcome, Outcome::NewVersion);
    EXPECT_EQ(result.version, u"9.03");
    EXPECT_EQ(result.releaseNotes, u"Faster analysis\nNew export\n");
    EXPECT_EQ(ReadVersionFile("Quillory 0.01", u"").outcome, Outcome::NewVersion);
}

TEST(VersionFile, TheVersionAlreadyTakenIsUpToDate) {
    EXPECT_EQ(ReadVersionFile("Quillory 9.03\n", u"9.03").outcome, Outcome::UpToDate);
    EXPECT_EQ(ReadVersionFile("Quillory 9.04\n", u"9.03").outcome, Outcome::NewVersion);
}

TEST(VersionFile, AnythingElseIsUnusable) {
    for (const char* body : {"", "quillory 9.03", "x Quillory 9.03", "<html>Not Found</html>",
                             "Quillory", "Quillory  9.03", "Quillory 1.\xff"}) {
        EXPECT_EQ(ReadVersionFile(body, u"").outcome, Outcome::Unusable) << body;
    }
    // The text ends at the first zero byte.
    EXPECT_EQ(ReadVersionFile(kOurs + std::string("\0junk", 5), u"").outcome, Outcome::UpToDate);
}

}  // namespace
