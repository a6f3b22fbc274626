// Paint of the busiest menu frame at 480x640: the stake menu with its bankroll
// header, the blinds line, six entries of which four are out of reach, and the
// soft key. Goal: under 0.5 ms a frame.
#include "core/lcdui/2d/Display.h"
#include "core/lcdui/2d/DisplayMetrics.h"
#include "core/lcdui/2d/ScreenSurface.h"
#include "core/resources/ResourcePack.h"
#include "ui/Command.h"
#include "ui/MenuScreen.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>

namespace {

void BM_PaintStakeMenu480x640(benchmark::State& state)
{
    if (!openResourcePack(KM_GAME_PACK)) {
        std::fprintf(stderr, "no pack at %s\n", KM_GAME_PACK);
        std::exit(1);
    }
    Display display(nullptr, nullptr);
    setCurrentDisplay(&display);
    display.setMetrics(DisplayMetrics(480, 640));

    SharedPointer<MenuScreen> menu(new MenuScreen(String(), MenuScreen::VARIANT_STAKES));
    menu->addCommand(SharedPointer<Command>(new Command(String("Back"), Command::TYPE_BACK, 1)));
    menu->setHeader(String("Player $5,000"));
    menu->setSubheader(String("Blinds $10     Buy-in $1,000"));
    const char* stakes[] = { "Rookie $1,000", "Amateur $5,000", "Regular $10K", "Pro $20K", "High roller $40K",
        "Champion $100K" };
    for (int i = 0; i < 6; ++i) {
        menu->addEntry(String(stakes[i]));
        if (i >= 2)
            menu->setEntryDisabled(/*disabled=*/true, i);
    }
    ScreenSurface& frame = *display.getSurface();
    menu->paint(frame); // the first paint lays the menu out and fills the caches
    for (auto _ : state) {
        menu->paint(frame);
        benchmark::DoNotOptimize(frame.getBits());
    }
    setCurrentDisplay(nullptr);
}
BENCHMARK(BM_PaintStakeMenu480x640)->Unit(benchmark::kMicrosecond);

} // namespace
