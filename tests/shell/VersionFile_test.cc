#include "shell/VersionFile.h"

#include <gtest/gtest.h>

#include <string>

#include "product/Product.h"

namespace {

using Outcome = VersionFileResult::Outcome;

const std::string kOurs = "Quillory " + std::string(kVersionUtf8);

// What the update check shows for each outcome, a carriage return in the line
// and a version already taken among them, is UpdateCheck_test's.
TEST(VersionFile, OursUpToDateAnyOtherNewAndAnythingElseUnusable) {
    EXPECT_EQ(ReadVersionFile("  " + kOurs + "  ", u"").outcome, Outcome::UpToDate);
    // The text ends at the first zero byte.
    EXPECT_EQ(ReadVersionFile(kOurs + std::string("\0junk", 5), u"").outcome, Outcome::UpToDate);
    const VersionFileResult result =
        ReadVersionFile("Quillory 0.01\nFaster analysis\n\n  New export \n", u"");
    EXPECT_EQ(result.outcome, Outcome::NewVersion);
    EXPECT_EQ(result.version, u"0.01");
    EXPECT_EQ(result.releaseNotes, u"Faster analysis\nNew export\n");
    EXPECT_EQ(ReadVersionFile("Quillory 9.04\n", u"9.03").outcome, Outcome::NewVersion);
    for (const char* body : {"", "quillory 9.03", "x Quillory 9.03", "<html>Not Found</html>",
                             "Quillory", "Quillory  9.03", "Quillory 1.\xff"}) {
        EXPECT_EQ(ReadVersionFile(body, u"").outcome, Outcome::Unusable) << body;
    }
}

}  // namespace
