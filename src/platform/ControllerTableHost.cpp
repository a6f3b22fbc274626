#include "platform/ControllerTableHost.h"

#include "platform/GameController.h"
#include "poker/PokerTable.h"
#include "poker/TournamentField.h"
#include "screens/TableScreen.h"

#include <memory>

ControllerTableHost::ControllerTableHost(GameController& gameController)
    : controller(gameController)
    , table(new PokerTable)
    , field(new TournamentField)
{
    // The record client reads saved games into these.
    controller.records().table = table.raw();
    controller.records().field = field.raw();
}

void ControllerTableHost::install(GameController& controller)
{
    std::shared_ptr<ControllerTableHost> host(new ControllerTableHost(controller));
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
void ControllerTableHost::playSound(int32_t id) { controller.playSound(id); }
void ControllerTableHost::vibrate(int32_t milliseconds) { controller.vibrate(milliseconds); }
