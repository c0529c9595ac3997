#include "shell/mime_defaults.h"

#include <gtest/gtest.h>

namespace brindlex {
namespace {

const std::vector<std::string> kTypes = {"image/vnd.microsoft.icon", "image/x-icon"};

std::optional<std::string> Defaults(const std::string& text) {
  return WithDefaultApplication(text, kTypes, "brindlex.desktop");
}

TEST(MimeDefaults, OnlyTypesWithoutADefaultGetOneAndEveryOtherLineStays) {
  EXPECT_EQ(Defaults(""),
            "[Default Applications]\nimage/vnd.microsoft.icon=brindlex.desktop\n"
            "image/x-icon=brindlex.desktop\n");
  // The user's own choice for one type stays; the other type is added at the end of the
  // group, after its last key; comments, other groups and blank lines keep their place.
  EXPECT_EQ(Defaults("# mine\n[Added Associations]\nimage/x-icon=gimp.desktop;\n\n"
                     "[Default Applications]\nimage/x-icon = gimp.desktop\n"
                     "image/png=eog.desktop\n# end\n\n[Removed Associations]\n"),
            "# mine\n[Added Associations]\nimage/x-icon=gimp.desktop;\n\n"
            "[Default Applications]\nimage/x-icon = gimp.desktop\nimage/png=eog.desktop\n"
            "image/vnd.microsoft.icon=brindlex.desktop\n# end\n\n[Removed Associations]\n");
  // Both set already (in any defaults group): the text comes back unchanged.
  const std::string both =
      "[Default Applications]\nimage/x-icon=a.desktop\n[Default Applications]\n"
      "image/vnd.microsoft.icon=b.desktop;c.desktop;\n";
  EXPECT_EQ(Defaults(both), both);
  // An empty key is no default: it is filled where it stands.
  EXPECT_EQ(Defaults("[Default Applications]\n image/x-icon = \t\nimage/png=eog.desktop\n"),
            "[Default Applications]\n image/x-icon =brindlex.desktop\nimage/png=eog.desktop\n"
            "image/vnd.microsoft.icon=brindlex.desktop\n");
}

TEST(MimeDefaults, LineEndingsAndAMissingLastEndingAreKept) {
  EXPECT_EQ(Defaults("[Added Associations]\r\ntext/plain=gedit.desktop;"),
            "[Added Associations]\r\ntext/plain=gedit.desktop;\r\n\r\n"
            "[Default Applications]\r\nimage/vnd.microsoft.icon=brindlex.desktop\r\n"
            "image/x-icon=brindlex.desktop\r\n");
  // A carriage return without a line feed is no line ending.
  EXPECT_EQ(Defaults("# c\r"),
            "# c\r\n\n[Default Applications]\nimage/vnd.microsoft.icon=brindlex.desktop\n"
            "image/x-icon=brindlex.desktop\n");
  EXPECT_FALSE(Defaults("[Default Applications]\r").has_value());
  EXPECT_EQ(Defaults("[Default Applications]"),
            "[Default Applications]\nimage/vnd.microsoft.icon=brindlex.desktop\n"
            "image/x-icon=brindlex.desktop\n");
  EXPECT_EQ(Defaults("[Default Applications]\nimage/png=eog.desktop\n\n\n[Other]\nk=v"),
            "[Default Applications]\nimage/png=eog.desktop\n"
            "image/vnd.microsoft.icon=brindlex.desktop\nimage/x-icon=brindlex.desktop\n"
            "\n\n[Other]\nk=v");
}

TEST(MimeDefaults, ATextNotUnderstoodWholeIsRefused) {
  for (const std::string& text : {
           std::string("[Default Applications]\nthis is not a key\n"),
           std::string("image/png=eog.desktop\n[Default Applications]\n"),  // before a group
           std::string("[Default Applications]\n=no key\n"),
           std::string("[Default Applications\n"),
           std::string("[Default Applications]\nimage/png=e") + '\0' + "g.desktop\n",
           std::string("[Default Applications]\nimage/png=\xE9og.desktop\n"),  // Latin-1
           std::string("[Default Applications]\nimage/png=\xED\xA0\x80.desktop\n"),
           std::string("[Default Applications]\nimage/png=\xC3"),
       })
    EXPECT_FALSE(Defaults(text).has_value()) << text;
  // Well-formed UTF-8 of every length is fine.
  EXPECT_TRUE(Defaults("# \xC3\xB1 \xE2\x82\xAC \xF0\x9F\x98\x80\n").has_value());
}

}  // namespace
}  // namespace brindlex
