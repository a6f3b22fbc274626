#pragma once

#include <cstdint>

class Screen;

// The items of the information screens, added to a screen the controller's
// factory made (a TextScreen) each time it is shown.

// About: the name, the version and a summary, an image, the credits, an image.
void populateAboutScreen(Screen& screen);

// Help topics 0..7: sets the topic's title and adds its body. Topic 4 (controls)
// has its own text for touch screens.
constexpr int32_t HELP_TOPIC_COUNT = 8;
void populateHelpTopicScreen(Screen& screen, int32_t topic, bool touchScreen);
// Text id of a topic's title (the help menu's entries), 0 for no topic.
int32_t helpTopicTitle(int32_t topic);

// The yes/no questions: screens 23 (sound), 24 (start a new game?) and 30
// (bankroll too small). Sets the title and adds the question; the commands are the
// controller's. False for any other id.
bool populateQuestionScreen(Screen& screen, int32_t screenId);
