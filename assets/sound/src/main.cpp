// Synthesises the game's sounds and writes them as wave files into the given folder.
//
//   harvesta_sound DIR

#include "Cues.h"
#include "Wave.h"

#include <cstdio>

int main(int argc, char* argv[]) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: harvesta_sound DIR\n");
        return 2;
    }
    for (const auto& cue : harvesta::sound::MakeCues()) {
        const std::string path = std::string(argv[1]) + "/" + cue.block + ".wav";
        if (!harvesta::sound::WriteWave(path, cue.sound.Samples(), harvesta::sound::kRate)) {
            std::fprintf(stderr, "harvesta_sound: cannot write %s\n", path.c_str());
            return 1;
        }
        std::printf("%s: %zu samples\n", path.c_str(), cue.sound.Samples().size());
    }
    return 0;
}
