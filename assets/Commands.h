#pragma once
// Command identifiers of the menu items and the menu-bar buttons.
namespace korvat::command {

constexpr int kAbout = 32777;
constexpr int kSaveGame = 32778;
constexpr int kLoadGame = 32780;
constexpr int kOption = 32781;
constexpr int kExit = 32782;
constexpr int kUndo = 32783;
constexpr int kNewGame = 32789;
constexpr int kToolLoad = 32790;
constexpr int kToolSave = 32793;
constexpr int kLinesMode = 32796;
constexpr int kBlockMode = 32797;
constexpr int kHighScores = 32798;

// The process exit code after "E&xit".
constexpr int kExitQuitCode = 18;

}  // namespace korvat::command
