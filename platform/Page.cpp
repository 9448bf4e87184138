#include "platform/Page.h"

#include "platform/Display.h"

namespace korvat::platform {

Page::~Page() {
    // An opened page must not outlive its place on the stack.
    Display::instance().closeModal(*this);
    Display::instance().killTimers(*this);
    SDL_FreeSurface(client_);
}

SDL_Surface* Page::clientSurface() const {
    if (client_ == nullptr) {
        client_ = SDL_CreateRGBSurfaceWithFormat(0, kClientWidth, kClientHeight, 32,
                                                 SDL_PIXELFORMAT_XRGB8888);
        if (client_ != nullptr) {
            SDL_FillRect(client_, nullptr, SDL_MapRGB(client_->format, 255, 255, 255));
        }
    }
    return client_;
}

void Page::onClose() {
    Display::instance().postQuit(0);
}

void Page::present(const SDL_Rect* area) {
    Display::instance().presentClient(*this, area);
}

void Page::endModal(int result) {
    ended_ = true;
    result_ = result;
}

}  // namespace korvat::platform
