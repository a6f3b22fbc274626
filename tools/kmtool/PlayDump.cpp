#include "PlayDump.h"

#include "JsonWriter.h"
#include "StatsJson.h"
#include "StoreFile.h"

#include "core/io/Settings.h"
#include "core/lcdui/2d/Display.h"
#include "core/lcdui/2d/ScreenClass.h"
#include "core/resources/SoundIds.h"
#include "core/resources/SoundOutput.h"
#include "core/runtime/Clock.h"
#include "host/headless/HeadlessWindow.h"
#include "app/Game.h"
#include "app/GameController.h"
#include "ui/AlertItem.h"
#include "ui/Command.h"
#include "ui/Item.h"
#include "ui/MenuScreen.h"
#include "ui/PopupMenu.h"
#include "ui/Screen.h"
#include "table/view/TableSnapshot.h"

namespace {

void labelOrNull(JsonWriter& json, const SharedPointer<Command>& command)
{
    if (command.raw())
        json.value(command->getLabel().toUtf8());
    else
        json.null();
}

void writeScreen(JsonWriter& json, Screen* screen)
{
    json.key("title");
    if (screen)
        json.value(screen->getTitle().toUtf8());
    else
        json.null();
    json.key("focus").value(screen ? screen->getFocus() : -1);
    json.key("softKeys").beginArray();
    if (screen) {
        labelOrNull(json, screen->getLeftCommand());
        labelOrNull(json, screen->getRightCommand());
    } else {
        json.null().null();
    }
    json.endArray();
}

void writeMenu(JsonWriter& json, Screen* screen)
{
    auto* menu = dynamic_cast<MenuScreen*>(screen);
    json.key("menu");
    if (!menu) {
        json.null();
        return;
    }
    json.beginObject().key("entries").beginArray();
    for (int32_t i = 0; i < menu->entryCount(); ++i)
        json.value(menu->entryLabel(i).toUtf8());
    json.endArray().key("disabled").beginArray();
    for (int32_t i = 0; i < menu->entryCount(); ++i)
        json.value(menu->isEntryDisabled(i));
    json.endArray();
    json.key("header").value(menu->getHeader().toUtf8());
    json.key("subheader").value(menu->getSubheader().toUtf8());
    json.endObject();
}

void writeItems(JsonWriter& json, Screen* screen)
{
    json.key("items").beginArray();
    // Menus show entries, not items; their rows are under "menu".
    if (screen && !dynamic_cast<MenuScreen*>(screen)) {
        for (int32_t i = 0; i < screen->itemCount(); ++i) {
            SharedPointer<Item> item = screen->itemAt(i);
            json.beginObject()
                .key("kind")
                .value(item->getKind())
                .key("label")
                .value(item->getLabel().toUtf8())
                .key("value")
                .value(item->valueText().toUtf8())
                .endObject();
        }
    }
    json.endArray();
}

void writePopup(JsonWriter& json)
{
    json.key("popup");
    PopupMenu* popup = PopupMenu::current();
    if (!popup) {
        json.null();
        return;
    }
    json.beginObject().key("items").beginArray();
    for (int32_t i = 0; i < popup->itemCount(); ++i)
        json.value(popup->labelAt(i).toUtf8());
    json.endArray().key("focus").value(popup->getFocus()).endObject();
}

void stringsOrNull(JsonWriter& json, bool present, const std::vector<std::string>& rows)
{
    if (!present) {
        json.null();
        return;
    }
    json.beginArray();
    for (const std::string& row : rows)
        json.value(row);
    json.endArray();
}

void writeTable(JsonWriter& json, const Screen* tableScreen)
{
    json.key("table");
    TableSnapshot table;
    if (!TableSnapshot::fill(tableScreen, table)) {
        json.null();
        return;
    }
    json.beginObject();
    json.key("variant").value(table.variant);
    json.key("state").value(table.state);
    json.key("hand").value(table.hand);
    json.key("dealer").value(table.dealer);
    json.key("toAct").value(table.toAct);
    json.key("blinds").beginArray().value(table.blinds[0]).value(table.blinds[1]).endArray();
    json.key("board");
    stringsOrNull(json, true, table.board);
    json.key("pots").beginArray();
    for (int32_t pot : table.pots)
        json.value(pot);
    json.endArray();
    json.key("seats").beginArray();
    for (const TableSnapshot::Seat& seat : table.seats) {
        if (!seat.present) {
            json.null();
            continue;
        }
        json.beginObject();
        json.key("name").value(seat.name);
        json.key("chips").value(seat.chips);
        json.key("bet").value(seat.bet);
        json.key("inHand").value(seat.inHand);
        json.key("avatar").value(seat.avatar);
        json.key("cards");
        stringsOrNull(json, true, seat.cards);
        json.key("action");
        if (seat.hasAction)
            json.value(seat.action);
        else
            json.null();
        json.endObject();
    }
    json.endArray();
    json.key("actions").beginArray();
    for (int32_t action : table.actions)
        json.value(action);
    json.endArray();
    json.key("betEntry").value(table.betEntry);
    json.key("amount").value(table.amount);
    json.key("minAmount").value(table.minAmount);
    json.key("maxAmount").value(table.maxAmount);
    json.key("message");
    if (table.hasMessage)
        json.value(table.message);
    else
        json.null();
    json.key("standings");
    stringsOrNull(json, table.hasStandings, table.standings);
    json.key("place");
    if (table.place >= 0)
        json.value(table.place);
    else
        json.null();
    json.endObject();
}

} // namespace

void PlayDump::write(Game& game, HeadlessWindow& window)
{
    GameController& controller = game.controller();
    Screen* screen = controller.getCurrentScreen();
    JsonWriter json;
    json.beginObject();
    json.key("time").value(currentTimeMillis());
    json.key("screen").value(controller.getCurrentScreenId());
    json.key("stack").beginArray();
    for (int32_t i = 0; i < controller.stackSize(); ++i)
        json.value(controller.stackIdAt(i));
    json.endArray();
    writeScreen(json, screen);
    json.key("display")
        .beginObject()
        .key("width")
        .value(displayWidth())
        .key("height")
        .value(displayHeight())
        .key("class")
        .value(screenClass())
        .endObject();
    json.key("overlay");
    if (AlertItem* alert = shownAlert())
        json.value(alert->getText().toUtf8());
    else
        json.null();
    writePopup(json);
    writeMenu(json, screen);
    writeItems(json, screen);

    const Profile& profile = controller.getProfile();
    json.key("profile")
        .beginObject()
        .key("name")
        .value(profile.playerName.toUtf8())
        .key("avatar")
        .value(profile.avatar)
        .key("bankroll")
        .value(profile.bankroll)
        .key("tourneyBankroll")
        .value(profile.tourneyBankroll)
        .endObject();
    const Settings& settings = processSettings();
    json.key("settings")
        .beginObject()
        .key("soundOn")
        .value(settings.soundOn)
        .key("musicOn")
        .value(settings.musicOn)
        .key("askSoundAtStart")
        .value(settings.askSoundAtStart)
        .key("volume")
        .value(int(settings.volume))
        .key("vibrationOn")
        .value(settings.vibrationOn)
        .key("speed")
        .value(int(settings.play.speed))
        .key("fourColourDeck")
        .value(settings.play.fourColourDeck)
        .endObject();
    // What the sound output was really given: its volume word as a percent, and
    // whether the title tune is the sound the game holds as playing.
    const uint32_t volumeWord = game.host().sound ? game.host().sound->volume() : 0xFFFFFFFFu;
    json.key("audio")
        .beginObject()
        .key("volume")
        .value(int((uint64_t(volumeWord & 0xFFFFu) * 100 + 0x7FFF) / 0xFFFF))
        .key("music")
        .value(game.device().getCurrentSoundId() == SOUND_TITLE_MUSIC)
        .endObject();
    json.key("sounds").beginArray();
    for (int32_t resourceId : game.takeStartedSounds())
        json.value(resourceId);
    json.endArray();
    json.key("vibrations").value(window.vibrations());
    json.key("saved")
        .beginObject()
        .key("game")
        .value(controller.records().gameInProgress)
        .key("tourney")
        .value(controller.records().tourneyInProgress)
        .endObject();
    json.key("stats");
    writeStats(json, controller.stats().figures());
    writeTable(json, controller.getTableScreen());
    json.endObject().print();
}
