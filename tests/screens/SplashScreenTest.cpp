#include "screens/SplashScreen.h"

#include "ui/ScreenFixture.h"

#include "ui/Events.h"
#include "screens/InformationScreens.h"
#include "screens/LoadingScreen.h"
#include "ui/TextItem.h"
#include "ui/TextScreen.h"

#include "core/lcdui/2d/DisplayTables.h"

#include <algorithm>
#include <string>

namespace {

using SplashScreenTest = ScreenFixture;

std::string states(const SplashScreen& s)
{
    return std::to_string(s.logoState(0)) + std::to_string(s.logoState(1)) + std::to_string(s.logoState(2));
}

TEST_F(SplashScreenTest, LogosFadeInAndOutOnceThenScreenThreeFollows)
{
    SplashScreen splash(SplashScreen::VARIANT_LOGOS);
    splash.setListener(&controller);
    std::string seen;
    while (splash.getCycleCount() == 0 && seen.size() < 200) {
        splash.handleEvent(EVENT_TICK, 0, 0);
        seen += states(splash) + " ";
    }
    // Raise one step a tick, first logo first; one tick to turn; lower the lit logos
    // in order, each walk stopping at the first logo landing on 2 (a wave); one
    // tick to see nothing changed.
    EXPECT_EQ(seen, "100 200 300 310 320 330 331 332 333 333 233 123 012 001 000 000 ");
    paint(splash);
    EXPECT_TRUE(controller.shown.empty()) << "the cycle took less than the splash's time";
    testTime().advance(displayTables().scalars.splashDuration[0]);
    splash.handleEvent(EVENT_TICK, 0, 0);
    ASSERT_EQ(controller.shown.size(), 1u);
    EXPECT_EQ(controller.shown[0], std::make_pair(3, false));
}

TEST_F(SplashScreenTest, TitleSplashHandsOverOnTheFirstEventAfterItsTime)
{
    SplashScreen title(SplashScreen::VARIANT_TITLE);
    title.setListener(&controller);
    EXPECT_EQ(title.duration(), 750) << "class 3 shows it shorter";
    title.handleEvent(EVENT_KEY, KEY_FIRE, 0);
    EXPECT_TRUE(controller.shown.empty());
    testTime().advance(750);
    EXPECT_TRUE(title.handleEvent(EVENT_POINTER_PRESSED, 5, 5));
    ASSERT_EQ(controller.shown.size(), 1u);
    EXPECT_EQ(controller.shown[0], std::make_pair(2, false));
}

TEST_F(SplashScreenTest, LoadingRunsAStepATickAndTheBarFollowsTheSlowerMeasure)
{
    int32_t stepsRun = 0;
    LoadingScreen loading([&stepsRun] { ++stepsRun; });
    loading.setListener(&controller);
    const int64_t start = loading.getStartTime();
    const int32_t steps = displayTables().scalars.loadingSteps;
    const int32_t duration = displayTables().scalars.splashDuration[1];
    ASSERT_GT(duration, 500);
    EXPECT_EQ(loading.progressWidth(start + duration, 120), 0) << "no step done yet";
    for (int i = 0; i < 2; ++i)
        EXPECT_TRUE(loading.handleEvent(EVENT_TICK, 0, 0));
    EXPECT_EQ(stepsRun, 2);
    EXPECT_EQ(loading.progressWidth(start + duration, 120), 120 * 2 / steps) << "the steps are behind";
    EXPECT_EQ(loading.progressWidth(start + (duration - 500) / 4, 120), std::min(120 / 4, 120 * 2 / steps));
    for (int i = 0; i < steps + 3; ++i)
        loading.handleEvent(EVENT_TICK, 0, 0);
    EXPECT_EQ(loading.progressWidth(start + (duration - 500) / 2, 120), 60) << "the time is behind";
    EXPECT_EQ(loading.progressWidth(start + duration * 2, 120), 120) << "never past the end";
    paint(loading);
}

TEST_F(SplashScreenTest, InformationScreens)
{
    auto body = [](const Screen& screen, int32_t i) {
        return narrow(static_cast<TextItem*>(screen.itemAt(i).raw())->getBody());
    };
    TextScreen about {getText(2000)};
    populateAboutScreen(about);
    ASSERT_EQ(about.itemCount(), 5);
    EXPECT_EQ(body(about, 1), narrow(getText(2135) + " 1.0.1\n\n" + getText(2029) + "\n"));
    paint(about);
    EXPECT_EQ(about.itemAt(2)->getKind(), ITEM_KIND_IMAGE);
    EXPECT_GT(about.itemAt(2)->getHeight(), 0) << "the image was found";

    // The keys topic has a touch-screen text; the tournament topic is two texts.
    TextScreen keys {String()}, touch {String()}, tournaments {String()};
    populateHelpTopicScreen(keys, 4, /*touchScreen=*/false);
    populateHelpTopicScreen(touch, 4, /*touchScreen=*/true);
    populateHelpTopicScreen(tournaments, 6, /*touchScreen=*/false);
    EXPECT_TRUE(keys.getTitle().equals(getText(2048)));
    EXPECT_EQ(body(keys, 0), narrow(getText(2061)));
    EXPECT_EQ(body(touch, 0), narrow(getText(2059)));
    EXPECT_EQ(body(tournaments, 0), narrow(getText(2063) + "\n\n" + getText(2064)));

    TextScreen question {String()};
    EXPECT_TRUE(populateQuestionScreen(question, 30));
    EXPECT_EQ(body(question, 0), narrow(getText(2108)));
    EXPECT_FALSE(populateQuestionScreen(question, 25));
    EXPECT_EQ(question.itemCount(), 1);
}

} // namespace
