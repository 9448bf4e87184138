#include "CommandLine.h"

#include <cstdio>

#include "dist/InformationOptions.h"
#include "platform/Translation.h"

namespace korvat::shell {
namespace {

constexpr int kUsageExit = 2;
// TRANSLATORS: --help and a wrong option print this; the options stay as they are.
constexpr char kUsage[] = N_("usage: korvat [--help | --version]\n");

}  // namespace

std::optional<int> answerCommandLine(int argc, char** argv) {
    if (argc < 2) {
        return std::nullopt;
    }
    if (const std::optional<int> answered = answerInformationOption(
            argc, argv, "korvat", platform::tr(kUsage),
            platform::tr("A puzzle game of coloured balls; without options it opens "
                         "its window.\n"
                         "  --help     show this text\n"
                         "  --version  show the version\n"
                         "See man 6 korvat.\n"))) {
        return answered;
    }
    std::fputs(platform::tr(kUsage), stderr);
    return kUsageExit;
}

}  // namespace korvat::shell
