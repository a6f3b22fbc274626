#include "app/ScreenFactory.h"

#include "app/DeviceServices.h"

#include "core/io/GameSetup.h"
#include "core/io/Profile.h"
#include "core/io/Settings.h"
#include "core/resources/ResourcePack.h"
#include "core/runtime/TextFormat.h"
#include "poker/Stakes.h"
#include "poker/TournamentField.h"
#include "screens/InformationScreens.h"
#include "screens/LoadingScreen.h"
#include "screens/OptionsScreen.h"
#include "screens/ProfileScreen.h"
#include "screens/SplashScreen.h"
#include "ui/MenuScreen.h"
#include "ui/TextScreen.h"

#include <utility>

namespace {

// Texts of the menus.
constexpr int32_t TEXT_MAIN_MENU = 2070;
// play, profile, options, help, about, statistics
constexpr int32_t MAIN_MENU_ENTRIES[] = {2098, 2104, 2115, 2053, 2000, 2143};
constexpr int32_t TEXT_HELP = 2053;
constexpr int32_t TEXT_ABOUT = 2000;
constexpr int32_t TEXT_SAVED_GAME = 2098;
constexpr int32_t SAVED_GAME_ENTRIES[] = {2110, 2079}; // resume, new game
constexpr int32_t GAME_TYPE_ENTRIES[] = {2126, 2041, 2128}; // cash, heads-up, tournament
constexpr int32_t STAKE_ENTRIES[] = {2036, 2111, 2112, 2103, 2044, 2069};
constexpr int32_t TEXT_BLINDS = 2014;
constexpr int32_t TEXT_BUY_IN = 2016;
constexpr int32_t TEXT_ENTRANTS = 2099;

template<typename T, int N>
constexpr int32_t count(const T (&)[N])
{
    return N;
}

} // namespace

ScreenFactory::ScreenFactory(Profile& playerProfile, DeviceServices& deviceServices, SoftKeys softKeys,
                             std::function<void()> step)
    : profile(playerProfile)
    , device(deviceServices)
    , keys(std::move(softKeys))
    , loadingStep(std::move(step))
{
}

SharedPointer<MenuScreen> ScreenFactory::mainMenu() const
{
    SharedPointer<MenuScreen> menu(new MenuScreen(getText(TEXT_MAIN_MENU)));
    menu->setSelectCommand(keys.select);
    menu->addCommand(keys.exit);
    return menu;
}

SharedPointer<Screen> ScreenFactory::create(int32_t id, int32_t gameType) const
{
    SharedPointer<Screen> screen;
    switch (id) {
    case SCREEN_LOGOS:
    case SCREEN_TITLE:
        screen = SharedPointer<Screen>(new SplashScreen(id));
        break;
    case SCREEN_LOADING:
        screen = SharedPointer<Screen>(new LoadingScreen(loadingStep));
        break;
    case SCREEN_HELP_TOPICS:
        screen = makeMenu(TEXT_HELP, MenuScreen::VARIANT_PLAIN);
        break;
    case SCREEN_SAVED_GAME: {
        SharedPointer<MenuScreen> menu = makeMenu(TEXT_SAVED_GAME, MenuScreen::VARIANT_PLAIN);
        for (int32_t entry : SAVED_GAME_ENTRIES)
            menu->addEntry(getText(entry));
        screen = menu;
        break;
    }
    case SCREEN_ABOUT:
        screen = SharedPointer<Screen>(new TextScreen(getText(TEXT_ABOUT)));
        screen->addCommand(keys.back);
        break;
    case SCREEN_OPTIONS:
        // Built with its items from the settings as they are now.
        screen = SharedPointer<Screen>(new OptionsScreen(processSettings()));
        screen->addCommand(keys.back);
        break;
    case SCREEN_HELP_TOPIC:
        screen = SharedPointer<Screen>(new TextScreen(getText(TEXT_HELP)));
        screen->addCommand(keys.back);
        screen->setThirdCommand(keys.back);
        break;
    case SCREEN_SOUND_QUESTION:
    case SCREEN_NEW_GAME_QUESTION:
    case SCREEN_BANKROLL_LOW:
        screen = SharedPointer<Screen>(new TextScreen(String()));
        populateQuestionScreen(*screen, id);
        screen->addCommand(keys.yes);
        screen->addCommand(keys.no);
        break;
    case SCREEN_GAME_TYPE: {
        SharedPointer<MenuScreen> menu = makeMenu(0, MenuScreen::VARIANT_GAME_TYPE);
        menu->setHeader(profile.playerName, formatMoney(profile.bankroll));
        for (int32_t entry : GAME_TYPE_ENTRIES)
            menu->addEntry(getText(entry));
        screen = menu;
        break;
    }
    case SCREEN_STAKES: {
        SharedPointer<MenuScreen> menu = makeMenu(0, MenuScreen::VARIANT_STAKES);
        menu->setHeader(profile.playerName, formatMoney(profile.bankroll));
        String line = getText(TEXT_BUY_IN) + " " + formatMoney(Stakes::BUY_INS[0]);
        if (gameType != GameSetup::GAME_TOURNAMENT)
            line = getText(TEXT_BLINDS) + " " + formatMoney(Stakes::BIG_BLINDS[0]) + "     " + line;
        menu->setSubheader(line);
        bool affordable = true;
        for (int32_t i = 0; i < count(STAKE_ENTRIES); ++i) {
            menu->addEntry(getText(STAKE_ENTRIES[i]));
            // The first stake the bankroll cannot buy into, and every one after it.
            affordable = affordable && Stakes::BUY_INS[i] <= profile.bankroll;
            if (!affordable)
                menu->setEntryDisabled(/*disabled=*/true, i);
        }
        screen = menu;
        break;
    }
    case SCREEN_PROFILE:
        screen = SharedPointer<Screen>(new ProfileScreen(profile, multiTapKeys()));
        screen->addCommand(keys.back);
        break;
    case SCREEN_TOURNAMENT_SIZE: {
        SharedPointer<MenuScreen> menu = makeMenu(0, MenuScreen::VARIANT_TOURNAMENT_SIZE);
        menu->setHeader(profile.playerName, formatMoney(profile.bankroll));
        for (int32_t i = 0; i < TournamentField::FIELD_SIZES; ++i)
            menu->addEntry(String(" ") + int32_t(TournamentField::ENTRANTS_BY_FIELD[i]) + getText(TEXT_ENTRANTS));
        screen = menu;
        break;
    }
    default:
        break;
    }
    return screen;
}

SharedPointer<Screen> ScreenFactory::tablePlaceholder(int32_t gameType) const
{
    SharedPointer<Screen> screen(new TextScreen(getText(GAME_TYPE_ENTRIES[gameType - GameSetup::GAME_CASH])));
    screen->addCommand(keys.back);
    return screen;
}

void ScreenFactory::populate(int32_t id, Screen& screen, int32_t helpTopic) const
{
    switch (id) {
    case SCREEN_MAIN_MENU: {
        MenuScreen& menu = static_cast<MenuScreen&>(screen);
        const int32_t focus = menu.getFocus() >= 0 ? menu.getFocus() : 0;
        menu.removeAllEntries();
        for (int32_t entry : MAIN_MENU_ENTRIES)
            menu.addEntry(getText(entry));
        menu.setFocus(focus, /*scroll=*/true);
        break;
    }
    case SCREEN_HELP_TOPICS: {
        MenuScreen& menu = static_cast<MenuScreen&>(screen);
        menu.removeAllEntries();
        for (int32_t topic = 0; topic < HELP_TOPIC_COUNT; ++topic)
            menu.addEntry(getText(helpTopicTitle(topic)));
        break;
    }
    case SCREEN_ABOUT:
        while (screen.itemCount() > 0)
            screen.removeItem(screen.itemCount() - 1);
        populateAboutScreen(screen);
        break;
    case SCREEN_HELP_TOPIC:
        while (screen.itemCount() > 0)
            screen.removeItem(screen.itemCount() - 1);
        populateHelpTopicScreen(screen, helpTopic, touchScreen());
        break;
    default:
        // The options screen is built from the settings when it is made.
        break;
    }
}

SharedPointer<MenuScreen> ScreenFactory::makeMenu(int32_t titleId, int32_t variant) const
{
    SharedPointer<MenuScreen> menu(new MenuScreen(titleId ? getText(titleId) : String(), variant));
    menu->setSelectCommand(keys.select);
    menu->addCommand(keys.back);
    return menu;
}

MultiTapKeys ScreenFactory::multiTapKeys() const
{
    MultiTapKeys keys;
    const KeyMapper& mapper = device.getKeyMapper();
    keys.keyboardType = mapper.getKeyboardType();
    keys.keyList = mapper.getKeyList();
    keys.cycleStrings = mapper.getCycleStrings();
    return keys;
}

bool ScreenFactory::touchScreen() const
{
    return device.getPlatformType() == DeviceServices::PLATFORM_POCKET_PC;
}
