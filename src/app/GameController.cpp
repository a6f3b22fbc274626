#include "app/GameController.h"

#include "app/ControllerHost.h"
#include "app/DeviceServices.h"

#include "core/io/RecordStore.h"
#include "core/io/Settings.h"
#include "core/io/StoreTransaction.h"
#include "core/lcdui/2d/DisplayTables.h"
#include "core/lcdui/2d/ImageSlots.h"
#include "core/resources/ResourcePack.h"
#include "core/resources/SoundIds.h"
#include "core/runtime/Clock.h"
#include "poker/GameRecord.h"
#include "poker/Stakes.h"
#include "poker/TourneyRecord.h"
#include "screens/OptionsScreen.h"
#include "screens/StatsScreen.h"
#include "ui/MenuScreen.h"
#include "ui/TextScreen.h"
#include "table/TableSaves.h"

#include <climits>

namespace {

// Texts of the soft-key commands.
constexpr int32_t TEXT_EXIT = 2035;
constexpr int32_t TEXT_BACK = 2011;
constexpr int32_t TEXT_CANCEL = 2019;
constexpr int32_t TEXT_YES = 2142;
constexpr int32_t TEXT_NO = 2080;
constexpr int32_t TEXT_SELECT = 2114;
constexpr int32_t TEXT_RESET = 2163;

// Main menu entries.
constexpr int32_t ENTRY_PLAY = 0;
constexpr int32_t ENTRY_PROFILE = 1;
constexpr int32_t ENTRY_OPTIONS = 2;
constexpr int32_t ENTRY_HELP = 3;
constexpr int32_t ENTRY_ABOUT = 4;
constexpr int32_t ENTRY_STATS = 5;
// Saved game menu entries.
constexpr int32_t ENTRY_RESUME = 0;

// Loading steps 0..3 run on consecutive ticks of the loading screen; 1..3 read
// the saved data.
constexpr int32_t LOADING_DONE = -1;

} // namespace

GameController::GameController(ControllerHost& host, FrameSink* window, DeviceServices& device, FileSystem* files,
                               BaseResourceStream* stream)
    : host(host)
    , device(device)
    , storeGuard(files)
    , exit(new Command(getText(TEXT_EXIT), Command::TYPE_BACK, 1))
    , back(new Command(getText(TEXT_BACK), Command::TYPE_BACK, 1))
    , cancel(new Command(getText(TEXT_CANCEL), Command::TYPE_CANCEL, 1))
    , yes(new Command(getText(TEXT_YES), Command::TYPE_OK, 2))
    , no(new Command(getText(TEXT_NO), Command::TYPE_BACK, 1))
    , select(new Command(getText(TEXT_SELECT), Command::TYPE_SCREEN, 0))
    , resetStats(new Command(getText(TEXT_RESET), Command::TYPE_SCREEN, 1))
    , recordClient(profile, setup)
    , loader(storeGuard, profile, setup, recordClient, device)
    , screens(profile, device, ScreenFactory::SoftKeys {exit, back, yes, no, select}, [this] { splashStep(); })
{
    display = new Display(this, window, stream);
    setCurrentDisplay(display);
}

GameController::~GameController()
{
    tableScreen = SharedPointer<Screen>();
    splashScreen = SharedPointer<Screen>();
    mainMenu = SharedPointer<MenuScreen>();
    retiredScreen = SharedPointer<Screen>();
    screenStack.clear();
    screenIdStack.clear();
    currentScreen = SharedPointer<Screen>();
    delete display;
}

// ---- start, pause, quit, events

void GameController::start()
{
    host.setFrameTimer(true);
    started = true;
    if (!startedOnce)
        showScreen(SCREEN_LOGOS, /*push=*/false);
    else if (currentScreen.raw())
        currentScreen->onResume();
    startedOnce = true;
}

void GameController::pause()
{
    host.setFrameTimer(false);
    started = false;
    if (currentScreen.raw())
        currentScreen->onPause();
}

void GameController::quit()
{
    host.setFrameTimer(false);
    started = false;
    host.postClose();
}

// ---- loading

void GameController::splashStep()
{
    if (splashStart == 0)
        splashStart = currentTimeMillis();
    if (currentScreenId != SCREEN_LOADING || splashStepNumber == LOADING_DONE)
        return;
    if (splashStepNumber <= SavedDataLoader::LAST_STEP) {
        loader.runStep(splashStepNumber);
        // Beside the profile: a damaged statistics store never stops the others.
        if (splashStepNumber == SavedDataLoader::LAST_STEP)
            statsKeeper.load(storeGuard);
        if (splashScreen.raw())
            splashScreen->repaint();
        ++splashStepNumber;
        return;
    }
    if (!splashSkipped && currentTimeMillis() - splashStart < displayTables().scalars.splashDuration[1]) {
        if (splashScreen.raw())
            splashScreen->repaint();
        return;
    }
    splashScreen = SharedPointer<Screen>();
    display->releaseImage(SLOT_LOGO_STRIP);
    display->releaseImage(SLOT_SPLASH_BACKGROUND);
    splashStepNumber = LOADING_DONE;
    startSequence();
}

// ---- settings and profile

bool GameController::loadSettings() { return loader.loadSettings(); }

bool GameController::saveSettings() { return processSettings().saveSettings(&storeGuard); }

void GameController::applyVolume() { device.applyVolume(); }

bool GameController::saveProfile() { return profile.saveProfile(&storeGuard); }

void GameController::setCashBankroll(int32_t chips)
{
    profile.bankroll = chips;
    saveProfile();
}

void GameController::hiddenSequence(int32_t sequence, Screen*)
{
    if (sequence == Screen::HIDDEN_WWWW)
        setCashBankroll(1000000);
}

void GameController::playSound(int32_t id) { device.playSound(id, 1); }

void GameController::vibrate(int32_t milliseconds) { device.vibrate(milliseconds); }

// ---- record client

bool GameController::saveRecord(const String& storeName, DataOutputStream& out)
{
    return recordClient.saveRecord(storeName, out);
}

bool GameController::loadRecord(const String& storeName, DataInputStream& in)
{
    return recordClient.loadRecord(storeName, in);
}

// ---- screens

void GameController::setTableScreenFactory(TableScreenFactory create, TableScreenUpdate update)
{
    tableFactory = std::move(create);
    tableUpdate = std::move(update);
}

SharedPointer<Screen> GameController::createScreen(int32_t id)
{
    SharedPointer<Screen> screen;
    if (id == SCREEN_MAIN_MENU) {
        if (!mainMenu.raw())
            mainMenu = screens.mainMenu();
        screen = mainMenu;
    } else if (id == SCREEN_STATS) {
        screen = SharedPointer<Screen>(new StatsScreen(statsKeeper.figures()));
        screen->addCommand(resetStats);
        screen->addCommand(back);
    } else if (id == SCREEN_STATS_RESET) {
        screen = SharedPointer<Screen>(new TextScreen(String()));
        populateStatsResetQuestion(*screen);
        screen->addCommand(yes);
        screen->addCommand(no);
    } else {
        screen = screens.create(id, gameType);
    }
    if (!screen.raw())
        return screen;
    screen->setListener(this);
    if (id == SCREEN_LOGOS || id == SCREEN_TITLE || id == SCREEN_LOADING) {
        screen->setStartTime(currentTimeMillis());
        splashScreen = screen;
    }
    return screen;
}

void GameController::populate(int32_t id, Screen& screen)
{
    if (id == SCREEN_TABLE)
        playSound(STOP_SOUND);
    else
        screens.populate(id, screen, helpTopic);
}

void GameController::showScreen(int32_t id, bool push)
{
    SharedPointer<Screen> screen = createScreen(id);
    if (!screen.raw())
        return;
    populate(id, *screen);
    switchTo(screen, id, push);
}

void GameController::switchTo(const SharedPointer<Screen>& screen, int32_t id, bool push)
{
    if (!screen.raw())
        return;
    if (screen != currentScreen) {
        SharedPointer<Screen> old = currentScreen;
        if (push && old.raw()) {
            screenStack.add(old);
            screenIdStack.add(currentScreenId);
        }
        currentScreen = screen;
        currentScreenId = id;
        retiredScreen = old;
        if (old.raw()) {
            if (push)
                old->onPause();
            else
                old->onHide();
        }
        bool stacked = false;
        for (int32_t i = 0; i < screenStack.size() && !stacked; ++i)
            stacked = screenStack[i] == screen;
        if (stacked)
            screen->onResume();
        else
            screen->onShow();
    }
    currentScreenId = id;
    host.setTextInput(screen->wantsTextInput());
    display->requestRepaint(screen.raw());
}

void GameController::goBack(bool refill)
{
    const int32_t top = screenStack.size() - 1;
    if (top < 0)
        return;
    SharedPointer<Screen> screen = screenStack[top];
    const int32_t id = screenIdStack[top];
    if (refill && screen.raw())
        populate(id, *screen);
    switchTo(screen, id, /*push=*/false);
    screenStack.erase(top);
    screenIdStack.erase(top);
}

void GameController::goHome()
{
    screenStack.clear();
    screenIdStack.clear();
    SharedPointer<Screen> menu = createScreen(SCREEN_MAIN_MENU);
    populate(SCREEN_MAIN_MENU, *menu);
    switchTo(menu, SCREEN_MAIN_MENU, /*push=*/false);
}

void GameController::displayChanged()
{
    if (currentScreen.raw())
        currentScreen->invalidateLayout();
    for (int32_t i = 0; i < screenStack.size(); ++i)
        if (screenStack[i].raw())
            screenStack[i]->invalidateLayout();
    // Kept screens are shown again later without a new layout of their own.
    if (mainMenu.raw())
        mainMenu->invalidateLayout();
    if (tableScreen.raw())
        tableScreen->invalidateLayout();
}

bool GameController::isCurrentScreen(const Object* screen) const
{
    return screen && screen == currentScreen.raw();
}

// ---- the start sequence and the table

void GameController::startSequence()
{
    if (processSettings().askSoundAtStart && !soundQuestionAsked) {
        soundQuestionAsked = true;
        showScreen(SCREEN_SOUND_QUESTION, /*push=*/false);
        return;
    }
    playSound(SOUND_TITLE_MUSIC);
    goHome();
}

void GameController::startTable(bool resume)
{
    playSound(STOP_SOUND);
    // The profile names the player of the game in progress.
    profile.setupName = profile.playerName;
    if (!resume) {
        // Taken here, put on record by the table with its first save, in one change
        // with the game-start record and the table itself.
        if (gameType != GameSetup::GAME_TOURNAMENT)
            profile.bankroll -= Stakes::BUY_INS[stakeLevel];
        setup.gameType = gameType;
        setup.stakeLevel = stakeLevel;
        setup.tournamentSize = tournamentSize;
        resumeCash = false;
        resumeTournament = false;
    } else {
        resumeTournament = setup.gameType == GameSetup::GAME_TOURNAMENT;
        resumeCash = !resumeTournament;
        saveProfile();
    }
    setup.playerName = profile.playerName;
    setup.avatar = profile.avatar;
    if (!tableScreen.raw() || !resume) {
        if (tableFactory) {
            tableScreen = tableFactory(setup, resume);
        } else {
            // No table yet: an empty screen named after the game, Back goes home.
            // Nothing was bought.
            if (!resume && gameType != GameSetup::GAME_TOURNAMENT)
                profile.bankroll += Stakes::BUY_INS[stakeLevel];
            tableScreen = screens.tablePlaceholder(setup.gameType);
        }
    } else if (tableUpdate) {
        tableUpdate(*tableScreen, profile.playerName, profile.avatar);
    }
    if (!tableScreen.raw())
        return;
    tableScreen->setListener(this);
    populate(SCREEN_TABLE, *tableScreen);
    switchTo(tableScreen, SCREEN_TABLE, /*push=*/false);
}

void GameController::stageRemoval(StoreTransaction& tx, const char* storeName)
{
    if (!storeGuard.isProtected(String(storeName)))
        tx.removeStore(String(storeName));
}

void GameController::stageProfile(StoreTransaction& tx)
{
    if (!storeGuard.isProtected(String(Profile::STORE_NAME)))
        tx.putObject(String(Profile::STORE_NAME), profile);
}

void GameController::newGameAnswered()
{
    goHome();
    // The saved game's chips reach the bankroll in the same change that drops the
    // game, so that a crash leaves them in exactly one of the two.
    const int32_t bankroll = profile.bankroll;
    StoreTransaction tx(&storeGuard);
    stageRemoval(tx, GameSetup::STORE_NAME);
    if (recordClient.gameInProgress) {
        // The chips left at the saved table go back to the bankroll, which stops at
        // the 32-bit limit instead of wrapping.
        const int32_t chips = TableSaves::savedGameChips(/*table=*/nullptr, &storeGuard);
        if (chips >= 0) {
            profile.addToBankroll(chips);
            stageProfile(tx);
            stageRemoval(tx, GameRecord::STORE_NAME);
        } else {
            storeGuard.protect(String(GameRecord::STORE_NAME));
        }
    } else if (recordClient.tourneyInProgress) {
        stageRemoval(tx, TourneyRecord::STORE_NAME);
    }
    if (!tx.commit()) {
        // Nothing changed on record: the saved game stays on offer.
        profile.bankroll = bankroll;
        return;
    }
    recordClient.gameInProgress = false;
    recordClient.tourneyInProgress = false;
    tableScreen = SharedPointer<Screen>();
    showScreen(profile.bankroll >= MIN_BUY_IN ? SCREEN_GAME_TYPE : SCREEN_BANKROLL_LOW, /*push=*/true);
}

// ---- the navigation table

void GameController::commandAction(Command* command, Screen* screen)
{
    if (!command)
        return;
    const int32_t id = currentScreenId;
    const bool selected = command == select.raw();
    const int32_t entry = screen ? screen->getFocus() : -1;
    switch (id) {
    case SCREEN_MAIN_MENU:
        if (command == exit.raw()) {
            quit();
            return;
        }
        if (!selected)
            break;
        switch (entry) {
        case ENTRY_PLAY:
            setup.mode = false;
            if (setup.loadSetup(&storeGuard))
                showScreen(SCREEN_SAVED_GAME, /*push=*/true);
            else
                showScreen(profile.bankroll >= MIN_BUY_IN ? SCREEN_GAME_TYPE : SCREEN_BANKROLL_LOW, /*push=*/true);
            return;
        case ENTRY_PROFILE:
            switchTo(createScreen(SCREEN_PROFILE), SCREEN_PROFILE, /*push=*/false);
            return;
        case ENTRY_OPTIONS:
            showScreen(SCREEN_OPTIONS, /*push=*/true);
            return;
        case ENTRY_HELP:
            showScreen(SCREEN_HELP_TOPICS, /*push=*/true);
            return;
        case ENTRY_ABOUT:
            showScreen(SCREEN_ABOUT, /*push=*/true);
            return;
        case ENTRY_STATS:
            showScreen(SCREEN_STATS, /*push=*/true);
            return;
        default:
            return;
        }
    case SCREEN_HELP_TOPICS:
        if (!selected)
            break;
        helpTopic = entry;
        showScreen(SCREEN_HELP_TOPIC, /*push=*/true);
        return;
    case SCREEN_SAVED_GAME:
        if (!selected)
            break;
        if (entry == ENTRY_RESUME)
            startTable(/*resume=*/true);
        else
            showScreen(SCREEN_NEW_GAME_QUESTION, /*push=*/true);
        return;
    case SCREEN_OPTIONS:
        if (command != back.raw())
            break;
        if (OptionsScreen* options = dynamic_cast<OptionsScreen*>(screen)) {
            if (options->store(processSettings()))
                playSound(STOP_SOUND);
        }
        applyVolume();
        saveSettings();
        break;
    case SCREEN_SOUND_QUESTION:
        if (command == yes.raw())
            processSettings().soundOn = true;
        else if (command == no.raw())
            processSettings().soundOn = false;
        // The title tune may start next, at the game's volume whatever happened before.
        applyVolume();
        saveSettings();
        startSequence();
        return;
    case SCREEN_NEW_GAME_QUESTION:
        if (command != yes.raw())
            break;
        newGameAnswered();
        return;
    case SCREEN_GAME_TYPE:
        if (!selected)
            break;
        if (entry < 0)
            return;
        gameType = entry + GameSetup::GAME_CASH;
        showScreen(SCREEN_STAKES, /*push=*/true);
        return;
    case SCREEN_STAKES:
        if (!selected)
            break;
        if (entry < 0)
            return;
        stakeLevel = entry;
        if (gameType == GameSetup::GAME_TOURNAMENT)
            showScreen(SCREEN_TOURNAMENT_SIZE, /*push=*/true);
        else
            startTable(/*resume=*/false);
        return;
    case SCREEN_BANKROLL_LOW:
        if (command == yes.raw()) {
            // The fresh bankroll replaces the saved tournament in one change.
            const int32_t bankroll = profile.bankroll;
            profile.bankroll = MIN_BUY_IN;
            StoreTransaction tx(&storeGuard);
            stageRemoval(tx, TourneyRecord::STORE_NAME);
            stageProfile(tx);
            if (!tx.commit()) {
                profile.bankroll = bankroll;
                goHome();
                return;
            }
            recordClient.tourneyInProgress = false;
            showScreen(SCREEN_GAME_TYPE, /*push=*/false);
            return;
        }
        if (command == no.raw()) {
            goHome();
            return;
        }
        break;
    case SCREEN_TOURNAMENT_SIZE:
        if (!selected)
            break;
        if (entry < 0)
            return;
        tournamentSize = entry;
        startTable(/*resume=*/false);
        return;
    case SCREEN_STATS:
        if (command == resetStats.raw())
            showScreen(SCREEN_STATS_RESET, /*push=*/true);
        else
            break;
        return;
    case SCREEN_STATS_RESET:
        if (command != yes.raw())
            break;
        statsKeeper.reset(&storeGuard);
        // The statistics screen under the question shows the old figures: a new one.
        goBack(/*refill=*/false);
        switchTo(createScreen(SCREEN_STATS), SCREEN_STATS, /*push=*/false);
        return;
    case SCREEN_PROFILE:
        if (command != back.raw())
            break;
        saveProfile();
        // Last: going home drops the profile screen.
        goHome();
        return;
    case SCREEN_TABLE:
        // The table's menu command, or a placeholder's Back: home, the table kept.
        if (command->getCommandType() == Command::TYPE_BACK) {
            goHome();
            return;
        }
        break;
    default:
        break;
    }
    if (command == back.raw() || command == cancel.raw() || command == no.raw()) {
        if (screenStack.size() > 0)
            goBack(/*refill=*/false);
        else
            goHome();
    }
}
