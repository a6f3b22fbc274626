#pragma once

#include "app/SavedDataLoader.h"
#include "app/ScreenFactory.h"
#include "app/ScreenIds.h"
#include "app/StatsKeeper.h"
#include "app/StoreGuard.h"

#include "core/io/GameSetup.h"
#include "core/io/Profile.h"
#include "core/io/RecordClient.h"
#include "core/lcdui/2d/Display.h"
#include "core/runtime/SharedPointer.h"
#include "core/runtime/Vector.h"
#include "poker/GameRecordClient.h"
#include "ui/Command.h"
#include "ui/MultiTapKeys.h"
#include "ui/Screen.h"
#include "ui/ScreenController.h"

#include <cstdint>
#include <functional>

class BaseResourceStream;
class ControllerHost;
class DeviceServices;
class FileSystem;
class StoreTransaction;
class FrameSink;
class MenuScreen;

// The one main controller: it owns the display, the current screen and the back
// stack, the shared soft-key commands, the player's profile and the game setup,
// and every screen's commands end in its commandAction, which applies the
// navigation table. Start-up runs the splash screens, the loading steps (settings,
// profile, saved games) and the start sequence (the sound question, the main menu).
//
// The frame timer and the window belong to the message loop; the controller asks
// for them through its ControllerHost.
class GameController : public ScreenController, public DisplayListener, public RecordClient, public ScreenIds {
public:
    static constexpr int32_t FRAME_TIMER_ID = 1001;

    // The smallest buy-in: below it Play offers to restore the bankroll.
    static constexpr int32_t MIN_BUY_IN = 1000;

    // Builds the table screen for a new or resumed game. The controller becomes its
    // listener and shows it as screen 40.
    using TableScreenFactory = std::function<SharedPointer<Screen>(const GameSetup& setup, bool resume)>;
    // Gives the kept table the player's current name and avatar when it is resumed.
    using TableScreenUpdate = std::function<void(Screen& table, const String& name, int32_t avatar)>;

    // window receives the frames; device plays sounds, vibrates and supplies the key
    // mapper's multi-tap tables; files is the stores' file layer (null: the
    // process's); stream loads the artwork (null: the open pack). None is owned; all
    // must outlive the controller. Builds the display and publishes it process-wide.
    GameController(ControllerHost& host, FrameSink* window, DeviceServices& device, FileSystem* files = nullptr,
                   BaseResourceStream* stream = nullptr);
    ~GameController() override;
    GameController(const GameController&) = delete;
    GameController& operator=(const GameController&) = delete;

    // The frame timer on; the first splash screen the first time, else the current
    // screen resumes.
    void start();
    // The frame timer off; the current screen pauses where it is.
    void pause();
    // The frame timer off and the window asked to close.
    void quit();

    // ScreenController.
    void commandAction(Command* command, Screen* screen) override;
    void showScreen(int32_t id, bool push) override;
    // "wwww" sets the cash bankroll to a million.
    void hiddenSequence(int32_t sequence, Screen* screen) override;
    void skipSplashes() override { splashSkipped = true; }
    bool splashesSkipped() const override { return splashSkipped; }

    // One start-up loading step; the loading screen asks for one on every tick.
    void splashStep();
    // The player's cash bankroll in whole chips, saved at once.
    void setCashBankroll(int32_t chips);
    // False when the profile could not be written (or is kept from being written).
    bool saveProfile();
    // To the main menu with the back stack dropped.
    void goHome();

    // Makes screen current as id; with push the current one goes on the back stack.
    void switchTo(const SharedPointer<Screen>& screen, int32_t id, bool push);
    // Back to the top of the stack, filled again first with refill.
    void goBack(bool refill);

    // DisplayListener.
    void displayChanged() override;
    bool isCurrentScreen(const Object* screen) const override;

    // RecordClient: the profile, the game setup, the game and the tournament.
    bool saveRecord(const String& storeName, DataOutputStream& out) override;
    bool loadRecord(const String& storeName, DataInputStream& in) override;

    // What the table screen needs.
    Profile& getProfile() { return profile; }
    GameRecordClient& records() { return recordClient; }
    // The stores' file layer, which keeps unreadable stores from being overwritten.
    FileSystem* fileSystem() { return &storeGuard; }
    StatsKeeper& stats() { return statsKeeper; }
    StoreGuard& getStoreGuard() { return storeGuard; }
    // Sound ids of core/resources/SoundIds.h; the settings decide what may play.
    void playSound(int32_t id);
    void vibrate(int32_t milliseconds);
    void setTableScreenFactory(TableScreenFactory create, TableScreenUpdate update);

    // Settings: read at loading step 1, written after the options and the sound question.
    bool loadSettings();
    bool saveSettings();
    void applyVolume();

    Display* getDisplay() { return display; }
    Screen* getCurrentScreen() const { return currentScreen.raw(); }
    // The table screen while a game exists, whether shown or not; null otherwise.
    Screen* getTableScreen() const { return tableScreen.raw(); }
    int32_t getCurrentScreenId() const { return currentScreenId; }
    int32_t stackSize() const { return screenIdStack.size(); }
    // Bottom first.
    int32_t stackIdAt(int32_t index) const { return screenIdStack[index]; }
    const GameSetup& getSetup() const { return setup; }
    int32_t getSplashStep() const { return splashStepNumber; }
    bool isStarted() const { return started; }
    bool resumesCashGame() const { return resumeCash; }
    bool resumesTournament() const { return resumeTournament; }
    const SharedPointer<Command>& selectCommand() const { return select; }

private:
    SharedPointer<Screen> createScreen(int32_t id);
    // Fills a screen before it is shown: the main menu's entries, the text screens'
    // items, the table's stop of the music.
    void populate(int32_t id, Screen& screen);
    void startSequence();
    void startTable(bool resume);
    void newGameAnswered();
    // Stage a change unless the store is kept as found damaged.
    void stageRemoval(StoreTransaction& tx, const char* storeName);
    void stageProfile(StoreTransaction& tx);

    ControllerHost& host;
    DeviceServices& device;
    StoreGuard storeGuard;
    Display* display = nullptr;

    bool startedOnce = false;
    bool started = false;
    SharedPointer<Screen> currentScreen;
    int32_t currentScreenId = SCREEN_NONE;
    Vector<SharedPointer<Screen>> screenStack;
    Vector<int32_t> screenIdStack;
    // The screen switched away from last, kept until the next switch so that a
    // screen may finish the event that made it go.
    SharedPointer<Screen> retiredScreen;
    SharedPointer<MenuScreen> mainMenu;
    SharedPointer<Screen> splashScreen;
    int32_t splashStepNumber = 0;
    int64_t splashStart = 0;
    bool splashSkipped = false;
    bool soundQuestionAsked = false;
    int32_t helpTopic = 0;

    SharedPointer<Command> exit;
    SharedPointer<Command> back;
    SharedPointer<Command> cancel;
    SharedPointer<Command> yes;
    SharedPointer<Command> no;
    SharedPointer<Command> select;
    SharedPointer<Command> resetStats;

    int32_t gameType = GameSetup::GAME_CASH;
    int32_t stakeLevel = 0;
    int32_t tournamentSize = 0;
    bool resumeCash = false;
    bool resumeTournament = false;
    GameSetup setup;
    Profile profile;
    GameRecordClient recordClient;
    SharedPointer<Screen> tableScreen;
    TableScreenFactory tableFactory;
    TableScreenUpdate tableUpdate;
    SavedDataLoader loader;
    ScreenFactory screens;
    StatsKeeper statsKeeper;
};
