#pragma once
// Marks a text the player sees for the catalogue template (xgettext -kN_). It stays English
// here; the place that draws or shows it translates it.
#define N_(text) text
