#pragma once
// The application: one running copy per user and program file, one main window run modally
// for the whole life of the process.
namespace korvat::shell {

class GameApp {
  public:
    // Returns the process exit code: 255 when a running copy took over, 1 without a display,
    // the quit code after "E&xit" (18), 0 after OK.
    int run();
};

}  // namespace korvat::shell
