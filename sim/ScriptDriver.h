#pragma once
// Runs script lines against the real rules and prints what happens.
#include <string>
#include <string_view>

#include "Output.h"
#include "SimHost.h"
#include "game/Game.h"

namespace korvat::sim {

class ScriptDriver {
  public:
    // Does what the main window's initialisation does, then waits for the first paint.
    ScriptDriver(Output& out, std::string homeDir);

    // One script line; a line that cannot be understood prints an error line.
    void runLine(std::string_view line);

  private:
    bool runCommand(std::string_view word, std::string_view rest);
    bool setSetting(std::string_view name, std::string_view value);
    void dump();
    void printScores();

    Output& out_;
    SimHost host_;
    Game game_;
};

}  // namespace korvat::sim
