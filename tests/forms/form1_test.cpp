#include "forms/form1.h"

#include <gtest/gtest.h>

namespace brindlex {
namespace {

TEST(Credits, LinesStartAtTheirPlacesWithTheirTexts) {
  Form1 credits;
  const char* names[] = {"Label1", "Label3", "Label4", "Label5", "Label2", "Label6", "Label7"};
  const int tops[] = {360, 1080, 1680, 2280, 2880, 3960, 4560};
  for (int i = 0; i < 7; ++i) {
    EXPECT_EQ(std::string(credits.Labels[i].name), names[i]);
    EXPECT_EQ(credits.Labels[i].top, tops[i]);
    EXPECT_FALSE(credits.Labels[i].text.empty());
  }
  EXPECT_EQ(credits.Labels[0].text, "TeAm Quorvane 2001");
  EXPECT_EQ(credits.Labels[6].height, 1695);
  const std::string last = credits.Labels[6].text;
  EXPECT_NE(last.find("v2.0"), std::string::npos);
  EXPECT_NE(last.find("Quorvane"), std::string::npos);
  EXPECT_NE(last.find("          PARA CERRAR LA VENTANA DALE CLICK"), std::string::npos);
  EXPECT_EQ(last.substr(last.size() - 33), "PARA CERRAR LA VENTANA DALE CLICK");
  // Every nickname carries the same tag, and Label6 is the tag and the year.
  const std::string tag = credits.Labels[5].text.substr(0, credits.Labels[5].text.size() - 5);
  EXPECT_EQ(credits.Labels[5].text, tag + " 2001");
  for (int i = 1; i <= 4; ++i)
    EXPECT_EQ(credits.Labels[i].text.substr(credits.Labels[i].text.size() - tag.size()), tag);
  EXPECT_FALSE(credits.Timer1Enabled);
  credits.Form_Load();
  EXPECT_TRUE(credits.Timer1Enabled);
}

TEST(Credits, EveryTickMovesEveryLineFiftyTwipsWithoutDrift) {
  Form1 credits;
  credits.Form_Load();
  for (int tick = 0; tick < 3; ++tick) credits.Timer1_Timer();
  EXPECT_EQ(credits.Labels[0].top, 210);
  EXPECT_EQ(Form1::Pixels(credits.Labels[0].top), 14);  // 210 / 15
  EXPECT_EQ(credits.Labels[6].top, 4410);
  for (int tick = 0; tick < 27; ++tick) credits.Timer1_Timer();
  // Thirty steps of 50 twips are exactly 100 pixels.
  EXPECT_EQ(credits.Labels[6].top, 3060);
  EXPECT_EQ(Form1::Pixels(credits.Labels[6].top), 204);
  EXPECT_EQ(credits.Labels[0].top, -1140);
  EXPECT_EQ(Form1::Pixels(credits.Labels[0].top), -76);
  EXPECT_EQ(Form1::Pixels(-10), -1);  // above the top, rounded down as well
}

TEST(Credits, ClicksOnALineKeepTheWindowAndBesideThemCloseIt) {
  Form1 credits;
  credits.Form_Load();
  // Label1 covers client pixels x 40 to 344, y 24 to 48; a click is rounded to a whole
  // pixel first, halves to the even neighbour.
  credits.ClickAt(100, 30);
  credits.ClickAt(39.5, 30);     // 40
  credits.ClickAt(100, 23.5);    // 24
  credits.ClickAt(344.5, 48.5);  // 344, 48
  EXPECT_FALSE(credits.Closed);
  Form1 below;
  below.ClickAt(100, 48.6);  // 49: under the line
  EXPECT_TRUE(below.Closed);
  // After two ticks Label1 is 100 twips higher: y 30 is still on it, y 45 no longer.
  credits.Timer1_Timer();
  credits.Timer1_Timer();
  credits.ClickAt(100, 41);
  EXPECT_FALSE(credits.Closed);
  credits.ClickAt(100, 45);  // between Label1 and Label3
  EXPECT_TRUE(credits.Closed);
  EXPECT_FALSE(credits.Timer1Enabled);
  const std::int64_t top = credits.Labels[0].top;
  credits.Timer1_Timer();
  EXPECT_EQ(credits.Labels[0].top, top);

  Form1 second;
  second.Form_Load();
  second.ClickAt(10, 30);  // left of every line
  EXPECT_TRUE(second.Closed);
  // A new window starts again from the first places.
  Form1 third;
  EXPECT_EQ(third.Labels[0].top, 360);
}

}  // namespace
}  // namespace brindlex
