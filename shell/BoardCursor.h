#pragma once
// The keyboard's board cursor: a 1-pixel frame inside a cell's tile. It is drawn straight onto
// the client surface, so the main window takes it off before each drawing operation (lift) and
// puts it back afterwards (drop); what lies under the frame is kept to take it off again.
#include <SDL.h>

#include "game/Types.h"
#include "ui/Blit.h"

namespace korvat::shell {

class BoardCursor {
  public:
    bool shown() const { return shown_; }
    CellPos cell() const { return cell_; }

    void show() { shown_ = true; }
    void hide() { shown_ = false; }
    // Moves by whole cells, staying on the board.
    void move(int dx, int dy);

    // Takes the frame off `target`; true, with the changed area, when it was on it.
    bool lift(SDL_Surface* target, SDL_Rect& area);
    // Puts the frame on `target` when the cursor is shown; true, with the area, when drawn.
    bool drop(SDL_Surface* target, SDL_Rect& area);

    // The frame of a cell: offsets 1 to 24 of its 26-pixel tile.
    static SDL_Rect frameRect(CellPos cell);
    // The client point a keyboard tap on the cell stands for: the middle of its sprite.
    static SDL_Point tapPoint(CellPos cell);

  private:
    bool shown_ = false;
    bool drawn_ = false;
    CellPos cell_{4, 4};
    SDL_Rect drawnAt_{};
    ui::SurfacePtr under_;  // the pixels the frame covers, while drawn
};

}  // namespace korvat::shell
