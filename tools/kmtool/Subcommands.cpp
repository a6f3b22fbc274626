#include "Subcommands.h"

void runPackList(const Arguments& arguments);
void runPackText(const Arguments& arguments);
void runPngInfo(const Arguments& arguments);
void runContactSheet(const Arguments& arguments);
void runStoreDump(const Arguments& arguments);
void runStoreDecode(const Arguments& arguments);

void runShuffle(const Arguments& arguments);
void runEval(const Arguments& arguments);
void runBenchEval(const Arguments& arguments);
void runSimHands(const Arguments& arguments);
void runSimTournament(const Arguments& arguments);
void runPlay(const Arguments& arguments);

const std::vector<Subcommand>& subcommands()
{
    static const std::vector<Subcommand> table = {
        { "shuffle", "shuffle --seed S [--count K]", runShuffle },
        { "eval", "eval C1 C2 [C3..C7]", runEval },
        { "bench eval", "bench eval [--count N]", runBenchEval },
        { "sim hands", "sim hands --count N --seed S [--stake L] [--seats K] [--history FILE]", runSimHands },
        { "sim tournament", "sim tournament --entrants E --seed S [--stake L] [--history FILE]", runSimTournament },
        { "play", "play --script FILE [--size WxH] [--seed S] [--data-dir DIR] [--shots DIR] [--pack FILE] [--device NAME] [--keyboard K]", runPlay },
        { "pack list", "pack list FILE", runPackList },
        { "pack text", "pack text FILE ID", runPackText },
        { "png info", "png info FILE", runPngInfo },
        { "contact-sheet", "contact-sheet --class N --out FILE.png [--pack FILE]", runContactSheet },
        { "store dump", "store dump FILE [--data-dir DIR]", runStoreDump },
        { "store decode", "store decode FILE [--data-dir DIR]", runStoreDecode },
    };
    return table;
}
