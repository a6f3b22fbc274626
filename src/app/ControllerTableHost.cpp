#include "app/ControllerTableHost.h"

#include "host/HandHistoryStore.h"
#include "app/GameController.h"
#include "poker/PokerTable.h"
#include "poker/TournamentField.h"
#include "table/view/TableScreen.h"

#include <memory>

ControllerTableHost::ControllerTableHost(GameController& gameController, HandHistoryStore* handHistories)
    : controller(gameController)
    , table(new PokerTable)
    , field(new TournamentField)
    , histories(handHistories)
{
    // The record client reads saved games into these.
    controller.records().table = table.raw();
    controller.records().field = field.raw();
}

void ControllerTableHost::install(GameController& controller, HandHistoryStore* histories)
{
    std::shared_ptr<ControllerTableHost> host(new ControllerTableHost(controller, histories));
    controller.setTableScreenFactory(
        [host](const GameSetup& setup, bool resume) {
            return SharedPointer<Screen>(new TableScreen(*host, setup, resume));
        },
        [](Screen& screen, const String& name, int32_t avatar) {
            if (TableScreen* tableScreen = dynamic_cast<TableScreen*>(&screen))
                tableScreen->setHumanName(name, avatar);
        });
}

Profile& ControllerTableHost::profile() { return controller.getProfile(); }
GameRecordClient& ControllerTableHost::records() { return controller.records(); }
FileSystem* ControllerTableHost::fileSystem() { return controller.fileSystem(); }
bool ControllerTableHost::storeKept(const char* storeName)
{
    return controller.getStoreGuard().isProtected(String(storeName));
}
void ControllerTableHost::playSound(int32_t id) { controller.playSound(id); }
void ControllerTableHost::vibrate(int32_t milliseconds) { controller.vibrate(milliseconds); }

int64_t ControllerTableHost::reserveHandNumber()
{
    return histories ? histories->nextHandNumber() : -1;
}

void ControllerTableHost::keepHand(const std::string& text, int64_t startMillis)
{
    // A history that cannot be written costs the player nothing: the game goes on.
    if (histories)
        histories->append(text, startMillis);
}
