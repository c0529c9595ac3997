#include "platform/display_platform.h"

#include <gtest/gtest.h>

#include "platform/x11_features.h"
#include "scripted_ui_on.h"

namespace brindlex {
namespace {

TEST(DisplayPlatformTest, WaylandSessionsRunOnXWhenThereIsAnXDisplay) {
  struct Case {
    DisplayEnvironment environment;
    std::string platform;
  };
  const Case cases[] = {
      // Wayland with XWayland: X, so that the pointer can be moved.
      {{"wayland-0", ":0", ""}, "xcb"},
      {{"wayland-1", ":1.0", ""}, "xcb"},
      // Wayland alone: Wayland.
      {{"wayland-0", "", ""}, "wayland"},
      // The user's own choice is kept, whatever the session.
      {{"wayland-0", ":0", "wayland"}, ""},
      {{"wayland-0", "", "xcb"}, ""},
      {{"", ":0", "offscreen"}, ""},
      {{"wayland-0", ":0", "wayland;xcb"}, ""},
      // No Wayland session: left to Qt, which shows on the X display (or reports none).
      {{"", ":0", ""}, ""},
      {{"", "", ""}, ""},
  };
  for (const Case& c : cases)
    EXPECT_EQ(ChooseQtPlatform(c.environment), c.platform)
        << "WAYLAND_DISPLAY=" << c.environment.wayland_display
        << " DISPLAY=" << c.environment.display
        << " QT_QPA_PLATFORM=" << c.environment.qt_qpa_platform;
}

TEST(DisplayPlatformTest, OnlyWaylandPlatformsCannotMoveThePointer) {
  EXPECT_FALSE(PlatformCanMovePointer("wayland"));
  EXPECT_FALSE(PlatformCanMovePointer("wayland-egl"));
  EXPECT_FALSE(PlatformCanMovePointer("wayland-xcomposite-glx"));
  EXPECT_TRUE(PlatformCanMovePointer("xcb"));
  EXPECT_TRUE(PlatformCanMovePointer("offscreen"));
  EXPECT_TRUE(PlatformCanMovePointer("minimal"));
}

TEST(X11FeatureNoticesTest, EachNoticeIsShownOnceAfterTheFeatureWasNeeded) {
  testing::ScriptedPlatformUi ui;
  X11FeatureNotices on_x;
  EXPECT_TRUE(on_x.Need(X11Feature::kPointerConfinement));
  on_x.ShowDue(ui);
  EXPECT_TRUE(ui.messages.empty());

  X11FeatureNotices on_wayland(false);
  on_wayland.ShowDue(ui);
  EXPECT_TRUE(ui.messages.empty()) << "nothing is due before a feature was needed";
  EXPECT_FALSE(on_wayland.Need(X11Feature::kPointerConfinement));
  EXPECT_FALSE(on_wayland.Need(X11Feature::kPointerConfinement));
  EXPECT_TRUE(ui.messages.empty()) << "nothing is shown while the action goes on";
  on_wayland.ShowDue(ui);
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_EQ(ui.messages[0].title, "Brindlex - Aviso");
  EXPECT_EQ(ui.messages[0].icon, MessageIcon::kInformation);
  EXPECT_EQ(ui.messages[0].buttons, MessageButtons::kOk);
  EXPECT_EQ(ui.messages[0].text,
            "Esta sesión Wayland no deja que Brindlex mueva el puntero: al elegir un color "
            "arrastrando, el puntero puede salir de la paleta, y el color se toma del borde "
            "más cercano.\r\n\r\nPara usarla, inicia Brindlex en una sesión X11, o en Wayland "
            "con XWayland activo.");

  // Needed again later: not shown a second time. Another feature has its own notice.
  EXPECT_FALSE(on_wayland.Need(X11Feature::kPointerConfinement));
  on_wayland.ShowDue(ui);
  EXPECT_EQ(ui.messages.size(), 1u);
  EXPECT_FALSE(on_wayland.Need(X11Feature::kScreenCapture));
  on_wayland.ShowDue(ui);
  ASSERT_EQ(ui.messages.size(), 2u);
  EXPECT_EQ(ui.messages[1].text, X11FeatureNotice(X11Feature::kScreenCapture));
  EXPECT_NE(ui.messages[1].text.find("capturar"), std::string::npos);
}

}  // namespace
}  // namespace brindlex
