#include "screens/InformationScreens.h"

#include "ui/ImageItem.h"
#include "ui/Screen.h"
#include "ui/TextItem.h"

#include "core/lcdui/2d/ImageSlots.h"
#include "core/resources/ResourcePack.h"

namespace {

constexpr const char* VERSION = "1.0.1";

// The about screen shows the kestrel emblem at full brightness, the last of the
// splash strip's three fades (frame f of logo j is frame 3f + j), and the wordmark
// of the menu titles.
constexpr int32_t EMBLEM_FRAME = 3 * 2 + 0;

struct HelpTopic {
    int32_t title;
    int32_t body;
    int32_t touchBody; // 0: same body everywhere
    int32_t secondBody; // 0: none; else appended after two line feeds
};

const HelpTopic topics[HELP_TOPIC_COUNT] = {
    {2051, 2060, 0, 0}, {2052, 2062, 0, 0}, {2054, 2065, 0, 0}, {2055, 2066, 0, 0},
    {2048, 2061, 2059, 0}, {2050, 2058, 0, 0}, {2049, 2063, 0, 2064}, {2047, 2056, 0, 0},
};

struct Question {
    int32_t screenId;
    int32_t title;
    int32_t text;
};

const Question questions[3] = {{23, 2120, 2032}, {24, 2088, 2010}, {30, 2107, 2108}};

SharedPointer<Item> infoText(const String& text)
{
    return SharedPointer<Item>(new TextItem(String(), text, TextItem::VARIANT_INFO));
}

} // namespace

void populateAboutScreen(Screen& screen)
{
    screen.appendItem(infoText(getText(2007) + u'\n'));
    screen.appendItem(infoText(getText(2135) + " " + VERSION + "\n\n" + getText(2029) + u'\n'));
    screen.appendItem(SharedPointer<Item>(new ImageItem(String(), SLOT_LOGO_STRIP, EMBLEM_FRAME)));
    screen.appendItem(infoText(getText(2026) + "\n\n" + getText(2090)));
    screen.appendItem(SharedPointer<Item>(new ImageItem(String(), SLOT_TITLE_LOGO)));
}

int32_t helpTopicTitle(int32_t topic)
{
    return topic >= 0 && topic < HELP_TOPIC_COUNT ? topics[topic].title : 0;
}

void populateHelpTopicScreen(Screen& screen, int32_t topic, bool touchScreen)
{
    if (topic < 0 || topic >= HELP_TOPIC_COUNT)
        return;
    const HelpTopic& t = topics[topic];
    screen.setTitle(getText(t.title));
    String body = getText(touchScreen && t.touchBody ? t.touchBody : t.body);
    if (t.secondBody)
        body = body + "\n\n" + getText(t.secondBody);
    screen.appendItem(infoText(body));
}

bool populateQuestionScreen(Screen& screen, int32_t screenId)
{
    for (const Question& q : questions) {
        if (q.screenId != screenId)
            continue;
        screen.setTitle(getText(q.title));
        screen.appendItem(SharedPointer<Item>(new TextItem(String(), getText(q.text))));
        return true;
    }
    return false;
}
