// packgen ASSETS_DIR OUT_DIR
// packgen --icons OUT_DIR
// Writes OUT_DIR/Kestrelmoore_res.rc and the files it names (OUT_DIR/raw/<id>.png,
// OUT_DIR/raw/<id>.wav): the texts from ASSETS_DIR/texts.txt, the artwork from
// buildArtwork and the synthesised sound clips. The build then compiles the script
// with windres and links it into the pack. With --icons it writes the desktop icons
// instead (OUT_DIR/hicolor/NxN/apps/kestrelmoore.png, see IconWriter). Exit 0, or 1
// with one line on stderr.
#include "ArtworkSource.h"
#include "IconWriter.h"
#include "PalettePngWriter.h"
#include "ResourceScript.h"
#include "SoundSynth.h"
#include "TextsFile.h"
#include "WaveWriter.h"

#include <cstdio>
#include <fstream>
#include <set>
#include <stdexcept>
#include <string>
#include <sys/stat.h>

namespace {

void makeDirectory(const std::string& path)
{
    if (mkdir(path.c_str(), 0755) != 0) {
        struct stat info;
        if (stat(path.c_str(), &info) != 0 || !S_ISDIR(info.st_mode))
            throw std::runtime_error("cannot create " + path);
    }
}

// Writes only when the content changed, so that an unchanged file keeps its time
// and the steps after it do not rerun.
void writeIfChanged(const std::string& path, const std::vector<uint8_t>& bytes)
{
    std::ifstream in(path, std::ios::binary);
    if (in) {
        std::vector<uint8_t> old((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        if (old == bytes)
            return;
    }
    PalettePngWriter::writeFile(path, bytes);
}

void run(const std::string& assetsDir, const std::string& outDir)
{
    std::map<int, std::string> texts = TextsFile::load(assetsDir + "/texts.txt");
    makeDirectory(outDir);
    makeDirectory(outDir + "/raw");

    std::vector<ResourceScript::RawFile> files;
    std::set<int> ids;
    auto add = [&](int id, const std::vector<uint8_t>& bytes, const char* extension) {
        if (id < 1 || id > 0xFFFF)
            throw std::runtime_error("raw-data id out of range: " + std::to_string(id));
        if (!ids.insert(id).second)
            throw std::runtime_error("raw-data id used twice: " + std::to_string(id));
        std::string path = outDir + "/raw/" + std::to_string(id) + extension;
        writeIfChanged(path, bytes);
        files.push_back({id, path});
    };
    for (const RawEntry& entry : buildArtwork(assetsDir))
        add(entry.id, entry.bytes, ".png");
    for (const SoundSynth::Clip& clip : SoundSynth::allClips())
        add(clip.id, WaveWriter::encode(clip.samples, SoundSynth::SAMPLE_RATE), ".wav");

    std::string script = ResourceScript::write(texts, files);
    writeIfChanged(outDir + "/Kestrelmoore_res.rc", std::vector<uint8_t>(script.begin(), script.end()));
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: packgen ASSETS_DIR OUT_DIR | packgen --icons OUT_DIR\n");
        return 1;
    }
    try {
        if (std::string(argv[1]) == "--icons")
            IconWriter::writeTheme(argv[2]);
        else
            run(argv[1], argv[2]);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "packgen: %s\n", error.what());
        return 1;
    }
    return 0;
}
