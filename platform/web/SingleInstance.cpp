// A browser tab is its own copy of the game: there is no name to take and nobody to hand over to.
#include "platform/SingleInstance.h"

#include <utility>

namespace korvat::platform {

SingleInstance::SingleInstance(std::string programPath) : name_(std::move(programPath)) {}
SingleInstance::~SingleInstance() = default;

SingleInstance::Outcome SingleInstance::start() {
    return Outcome::Independent;
}

bool SingleInstance::takeRaiseRequests() {
    return false;
}

}  // namespace korvat::platform
