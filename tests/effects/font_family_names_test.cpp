#include "effects/font_family_names.h"

#include <gtest/gtest.h>

namespace brindlex {
namespace {

using Names = std::vector<std::string>;

TEST(FontFamilyNames, EachFamilyIsListedOnceByItsPlainNameInAlphabeticalOrder) {
  EXPECT_EQ(PlainFamilyName("Nimbus Sans [URW ]"), "Nimbus Sans");
  EXPECT_EQ(PlainFamilyName("C059 [UKWN]"), "C059");
  EXPECT_EQ(PlainFamilyName("DejaVu Sans"), "DejaVu Sans");
  EXPECT_EQ(PlainFamilyName("[Brackets]"), "[Brackets]");  // nothing before the tag
  EXPECT_EQ(PlainFamilyName("Odd [x] Name"), "Odd [x] Name");
  // As the system lists them: tagged names sort after the longer plain ones.
  EXPECT_EQ(
      PlainFontFamilies({"C059 [UKWN]", "C059 [urw]", "DejaVu Sans", "Nimbus Sans Narrow",
                         "Nimbus Sans [URW ]", "Nimbus Sans [UKWN]", "cantarell", "DejaVu Sans"}),
      (Names{"C059", "cantarell", "DejaVu Sans", "Nimbus Sans", "Nimbus Sans Narrow"}));
  EXPECT_EQ(PlainFontFamilies({}), Names{});
}

}  // namespace
}  // namespace brindlex
