#include "app/command_target.h"

namespace zentavo {

namespace {
CommandTarget* application_target = nullptr;
}

CommandTarget* ApplicationCommandTarget() {
    return application_target;
}
void SetApplicationCommandTarget(CommandTarget* target) {
    application_target = target;
}

}  // namespace zentavo
